#include "platform/HttpGet.h"

#include "platform/Cp1252.h"
#include "platform/Exceptions.h"

namespace platform {

namespace {

// Stands in while no transport is installed.
class NoTransport final : public HttpTransport {
public:
    QByteArray get(const QString&, const HttpLimits&) override {
        throw ENetworkError(QStringLiteral("Es ist kein Zugang zum Netz eingerichtet."));
    }
};

NoTransport g_noTransport;
HttpTransport* g_transport = &g_noTransport;
HttpLimits g_limits;
bool g_running = false;

} // namespace

HttpTransport& httpTransport() {
    return *g_transport;
}

void setHttpTransport(HttpTransport* transport) {
    g_transport = transport ? transport : &g_noTransport;
}

const HttpLimits& httpLimits() {
    return g_limits;
}

void setHttpLimits(const HttpLimits& limits) {
    g_limits = limits;
}

QString HttpGet(const QString& url) {
    if (g_running)
        throw ENetworkError(QStringLiteral("Es wird bereits eine Seite geladen; bitte warten."));
    g_running = true;
    struct Release {
        ~Release() { g_running = false; }
    } release;
    try {
        return fromCp1252(httpTransport().get(url, g_limits));
    } catch (const ENetworkError& error) {
        // The import fetches several pages in turn; without the address the user cannot tell which failed.
        if (url.trimmed().isEmpty())
            throw;
        throw ENetworkError(QStringLiteral("%1\nAdresse: %2").arg(error.Message(), url));
    }
}

bool HttpGetRunning() {
    return g_running;
}

} // namespace platform
