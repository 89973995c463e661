#include "platform/QtHttpTransport.h"

#include "platform/Conversions.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace platform {

namespace {

QString tooLargeText(qint64 maxBytes) {
    return QStringLiteral("Die Antwort ist größer als %1 MiB und wird nicht gelesen.")
        .arg(IntToStr(maxBytes >> 20));
}

} // namespace

QByteArray QtHttpTransport::get(const QString& url, const HttpLimits& limits) {
    if (url.trimmed().isEmpty())
        throw ENetworkError(QStringLiteral("Keine Adresse angegeben."));
    const QUrl address(url);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || address.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        throw ENetworkError(QStringLiteral("Ungültige Adresse (nur http und https)."));

    if (!m_manager) {
        m_manager = new QNetworkAccessManager(QCoreApplication::instance());
        m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        m_manager->setCookieJar(new QNetworkCookieJar(m_manager));
    }
    QNetworkRequest request(address);
    request.setRawHeader("Accept", "text/html, */*");
    request.setRawHeader("User-Agent", "Mozilla/3.0 (compatible; Indy Library)");
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);

    std::unique_ptr<QNetworkReply> reply(m_manager->get(request));
    enum class Stop { None, Deadline, TooLarge } stop = Stop::None;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        stop = Stop::Deadline;
        reply->abort();
    });
    QObject::connect(
        reply.get(), &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64 total) {
            if (stop == Stop::None && (received > limits.maxBodyBytes || total > limits.maxBodyBytes)) {
                stop = Stop::TooLarge;
                reply->abort();
            }
        });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(limits.deadlineMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    if (stop == Stop::Deadline)
        throw ENetworkError(
            QStringLiteral("Zeitüberschreitung: Der Server hat nicht innerhalb von %1 Sekunden "
                           "vollständig geantwortet.")
                .arg(FloatToStr(limits.deadlineMs / 1000.0)));
    if (stop == Stop::TooLarge)
        throw ENetworkError(tooLargeText(limits.maxBodyBytes));
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        throw ENetworkError(QStringLiteral("HTTP/1.1 %1 %2").arg(status.toInt()).arg(reason).trimmed());
    }
    if (reply->error() != QNetworkReply::NoError)
        throw ENetworkError(reply->errorString());
    QByteArray body = reply->readAll();
    if (body.size() > limits.maxBodyBytes)
        throw ENetworkError(tooLargeText(limits.maxBodyBytes));
    return body;
}

} // namespace platform
