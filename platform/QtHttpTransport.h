#pragma once

#include "platform/HttpGet.h"

#include <QPointer>

class QNetworkAccessManager;

namespace platform {

/// GET over QNetworkAccessManager: Accept "text/html, */*", the program's User-Agent, cookies kept for
/// the run, no proxy, no authentication, HTTP/1.1. Waits in a local event loop that excludes user input.
class QtHttpTransport final : public HttpTransport {
public:
    QByteArray get(const QString& url, const HttpLimits& limits) override;

private:
    QPointer<QNetworkAccessManager> m_manager; // owned by the application object, with its cookie jar
};

} // namespace platform
