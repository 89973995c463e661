#pragma once

#include "app/WebBrowser.h"

#include <QString>

/// File name (without suffix) of the module that holds the web engine view.
inline constexpr const char* kWebEngineModuleName = "kanaleditor_webengine";

/// A factory that loads the web engine module from directory at its first call and makes its views.
/// When the module is missing or does not load, the factory answers nullptr (and says why on the
/// warning channel) and does not try again.
WebBrowserFactory webEngineModuleFactory(const QString& directory);
