#pragma once

#include <QString>

namespace platform {

/// Installs Qt's German translation (qtbase_de from Qt's installed translations) for the toolkit's own
/// texts: buttons, file dialogs, network errors. The interface is German whatever the machine's locale.
/// Returns the file loaded; empty when it is missing, and the toolkit then speaks English.
QString InstallGermanTranslation();

} // namespace platform
