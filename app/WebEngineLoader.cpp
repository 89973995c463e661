#include "app/WebEngineLoader.h"

#include <QDir>
#include <QLibrary>
#include <QtDebug>

namespace {

using CreateView = QWidget* (*)(QWidget* parent);

/// The module's entry point, or nullptr when it cannot be loaded.
CreateView loadModule(const QString& directory) {
    // Kept loaded for the rest of the run: its views may live until the window closes.
    auto* library = new QLibrary(QDir(directory).filePath(QLatin1String(kWebEngineModuleName)));
    const auto create = reinterpret_cast<CreateView>(library->resolve("createWebEngineView"));
    if (!create) {
        qWarning("web engine module not loaded: %s", qPrintable(library->errorString()));
        delete library;
    }
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
