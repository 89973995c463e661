#pragma once

#include <QString>
#include <QtGlobal>

/// The entry point named entry of the module name (file name without suffix) in directory, or nullptr with
/// error set when the module cannot be loaded or lacks the entry. A module once loaded stays loaded for the
/// rest of the run (what it made may live until the window closes) and is not loaded a second time.
QFunctionPointer moduleEntry(const QString& directory, const char* name, const char* entry, QString& error);
