#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

/// Bounds of one GET.
struct HttpLimits {
    int deadlineMs = 60000;                 // the whole request, from sending to the last byte
    qint64 maxBodyBytes = qint64(64) << 20; // larger answers are refused
};

/// The transport under HttpGet. The program installs one that loads the network code on first use
/// (QtHttpTransport in a module of its own); without one, every fetch is refused.
class HttpTransport {
public:
    virtual ~HttpTransport() = default;

    /// The body of a GET of url; throws ENetworkError with the failure's text.
    virtual QByteArray get(const QString& url, const HttpLimits& limits) = 0;
};

/// The transport in force.
HttpTransport& httpTransport();

/// Installs transport (not owned); nullptr removes it.
void setHttpTransport(HttpTransport* transport);

/// The limits of every GET; tests shorten the deadline.
const HttpLimits& httpLimits();
void setHttpLimits(const HttpLimits& limits);

/// Fetches url and returns the body read as Windows-1252. Only one fetch runs at a time: a call while
/// one is waiting is refused. Every failure throws ENetworkError with a text for the error box that
/// ends with a line naming the address.
QString HttpGet(const QString& url);

/// True while a fetch is waiting for its answer.
bool HttpGetRunning();

} // namespace platform
