#include "app/modules/LoadedModules.h"

#include "app/modules/ModuleLoading.h"

#include "platform/Exceptions.h"

namespace {

// What the modules offer. Failures come back as text: no exception crosses the module's border.
using HttpModuleGet = bool (*)(const QString& url, int deadlineMs, qint64 maxBodyBytes, QByteArray* body,
                               QString* error);
using PrintModuleBeginDoc = platform::PrintDocument* (*)(QString* error);

} // namespace

ModuleHttpTransport::ModuleHttpTransport(QString directory) : m_directory(std::move(directory)) {}

QByteArray ModuleHttpTransport::get(const QString& url, const platform::HttpLimits& limits) {
    QString error;
    const auto fetch =
        reinterpret_cast<HttpModuleGet>(moduleEntry(m_directory, kHttpModuleName, "httpModuleGet", error));
    if (!fetch)
        throw platform::ENetworkError(
            QStringLiteral("Das Netzwerkmodul konnte nicht geladen werden, es kann keine Seite abgerufen "
                           "werden.\n%1")
                .arg(error));
    QByteArray body;
    if (!fetch(url, limits.deadlineMs, limits.maxBodyBytes, &body, &error))
        throw platform::ENetworkError(error);
    return body;
}

ModulePrinter::ModulePrinter(QString directory) : m_directory(std::move(directory)) {}

std::unique_ptr<platform::PrintDocument> ModulePrinter::BeginDoc(QString& error) {
    QString why;
    const auto begin = reinterpret_cast<PrintModuleBeginDoc>(
        moduleEntry(m_directory, kPrintModuleName, "printModuleBeginDoc", why));
    if (!begin) {
        error =
            QStringLiteral("Das Druckmodul konnte nicht geladen werden, es kann nicht gedruckt werden.\n%1")
                .arg(why);
        return nullptr;
    }
    return std::unique_ptr<platform::PrintDocument>(begin(&error));
}
