// The page fetch over Qt's network access, in a module of its own: the program loads it at the first
// fetch, so the start does not pay for loading the network library.
#include "platform/Exceptions.h"
#include "platform/QtHttpTransport.h"

/// The body of a GET of url in body; false with the failure's text in error.
extern "C" Q_DECL_EXPORT bool httpModuleGet(const QString& url, int deadlineMs, qint64 maxBodyBytes,
                                            QByteArray* body, QString* error) {
    // One transport for the run: its cookies are kept from fetch to fetch.
    static platform::QtHttpTransport transport;
    try {
        *body = transport.get(url, platform::HttpLimits{deadlineMs, maxBodyBytes});
        return true;
    } catch (const platform::Exception& e) {
        *error = e.Message();
        return false;
    }
}
