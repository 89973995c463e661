#include "platform/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

QString InstallGermanTranslation() {
    // Named explicitly rather than through the locale: a machine set to English or C still gets German.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qWarning("Qt's German translation qtbase_de was not found (package qt6-translations-l10n).");
        delete translator;
        return {};
    }
    QCoreApplication::installTranslator(translator);
    return translator->filePath();
}

} // namespace platform
