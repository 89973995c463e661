#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;

namespace platform {

/// Bounds of one GET.
struct HttpLimits {
    int deadlineMs = 60000;                 // the whole request, from sending to the last byte
    qint64 maxBodyBytes = qint64(64) << 20; // larger answers are refused
};

/// The transport under HttpGet; the program uses QtHttpTransport, tests may install another.
class HttpTransport {
public:
    virtual ~HttpTransport() = default;

    /// The body of a GET of url; throws ENetworkError with the failure's text.
    virtual QByteArray get(const QString& url, const HttpLimits& limits) = 0;
};

/// GET over QNetworkAccessManager: Accept "text/html, */*", the program's User-Agent, cookies kept for
/// the run, no proxy, no authentication, HTTP/1.1. Waits in a local event loop that excludes user input.
class QtHttpTransport final : public HttpTransport {
public:
    QByteArray get(const QString& url, const HttpLimits& limits) override;

private:
    QPointer<QNetworkAccessManager> m_manager; // owned by the application object, with its cookie jar
};

/// The transport in force (the Qt one unless a test installed another).
HttpTransport& httpTransport();

/// Installs transport (not owned); nullptr restores the Qt one.
void setHttpTransport(HttpTransport* transport);

/// The limits of every GET; tests shorten the deadline.
const HttpLimits& httpLimits();
void setHttpLimits(const HttpLimits& limits);

/// Fetches url and returns the body read as Windows-1252. Only one fetch runs at a time: a call while
/// one is waiting is refused. Every failure throws ENetworkError with a text for the error box.
QString HttpGet(const QString& url);

/// True while a fetch is waiting for its answer.
bool HttpGetRunning();

} // namespace platform
