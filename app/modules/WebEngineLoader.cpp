#include "app/modules/WebEngineLoader.h"

#include "app/modules/ModuleLoading.h"

#include <QtDebug>

namespace {

using CreateView = QWidget* (*)(QWidget* parent);

/// The module's entry point, or nullptr when it cannot be loaded.
CreateView loadModule(const QString& directory) {
    QString error;
    const auto create = reinterpret_cast<CreateView>(
        moduleEntry(directory, kWebEngineModuleName, "createWebEngineView", error));
    if (!create)
        qWarning("web engine module not loaded: %s", qPrintable(error));
    return create;
}

} // namespace

WebBrowserFactory webEngineModuleFactory(const QString& directory) {
    return [directory, loaded = false, create = CreateView{}](QWidget* parent) mutable -> QWidget* {
        if (!loaded) {
            loaded = true;
            create = loadModule(directory);
        }
        return create ? create(parent) : nullptr;
    };
}
