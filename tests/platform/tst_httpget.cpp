#include "platform/Exceptions.h"
#include "platform/HttpGet.h"
#include "platform/QtHttpTransport.h"
#include "platform/Translation.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

using namespace platform;

namespace {

/// A server on 127.0.0.1 that records each request and answers it as told: a whole response, nothing
/// at all, or the response one byte every 50 ms.
class LocalServer : public QTcpServer {
public:
    enum class Mode { Answer, Silent, Dribble };
    Mode mode = Mode::Answer;
    QByteArray response;
    QList<QByteArray> requests;
    std::function<void()> onRequest;

    LocalServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            }
        });
    }

    QString url(const QString& path = QStringLiteral("/page.html")) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }

    static QByteArray reply(const QByteArray& status, const QByteArray& body,
                            const QByteArray& headers = {}) {
        return "HTTP/1.1 " + status +
               "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n" + headers + "\r\n" + body;
    }

private:
    void read(QTcpSocket* socket) {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        requests << buffer;
        buffer.clear();
        if (onRequest)
            onRequest();
        if (mode == Mode::Answer) {
            socket->write(response);
            socket->disconnectFromHost();
        } else if (mode == Mode::Dribble) {
            auto* timer = new QTimer(socket);
            auto sent = std::make_shared<qsizetype>(0);
            connect(timer, &QTimer::timeout, socket, [socket, sent, this] {
                if (*sent < response.size())
                    socket->write(response.mid((*sent)++, 1));
            });
            timer->start(50);
        }
    }
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

QString fetchError(const QString& url) {
    try {
        HttpGet(url);
    } catch (const ENetworkError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

} // namespace

class TestHttpGet : public QObject {
    Q_OBJECT

    QtHttpTransport m_transport;

private slots:
    // The program speaks German, the network errors included.
    void initTestCase() { QVERIFY(!InstallGermanTranslation().isEmpty()); }

    void init() {
        setHttpTransport(&m_transport);
        setHttpLimits(HttpLimits{});
    }

    // 0x80 is the euro sign in Windows-1252, 0xE4 "ä"; the request carries the designed headers.
    void bodyAndHeaders() {
        LocalServer server;
        server.response = LocalServer::reply("200 OK", "<b>\x80 \xE4</b>", "Set-Cookie: sid=42; Path=/\r\n");
        QCOMPARE(HttpGet(server.url()), QStringLiteral("<b>\u20AC \u00E4</b>"));
        QCOMPARE(server.requests.size(), 1);
        const QByteArray request = server.requests.first();
        QVERIFY(request.startsWith("GET /page.html HTTP/1.1\r\n"));
        QVERIFY(request.contains("\r\nAccept: text/html, */*\r\n"));
        QVERIFY(request.contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"));
        QVERIFY(!request.contains("Cookie:"));
        QVERIFY(!HttpGetRunning());
        // Cookies are kept for the next request.
        HttpGet(server.url(QStringLiteral("/second.html")));
        QVERIFY(server.requests.last().contains("\r\nCookie: sid=42\r\n"));
    }

    void failures_data() {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QString>("error");
        QTest::newRow("404") << LocalServer::reply("404 Not Found", "gone") << u"HTTP/1.1 404 Not Found"_qs;
        QTest::newRow("500") << LocalServer::reply("500 Internal Server Error", "")
                             << u"HTTP/1.1 500 Internal Server Error"_qs;
        QTest::newRow("over the cap, announced")
            << LocalServer::reply("200 OK", QByteArray(5000, 'x')) << u"größer als"_qs;
        QTest::newRow("over the cap, not announced")
            << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + QByteArray(5000, 'x'))
            << u"größer als"_qs;
    }
    void failures() {
        QFETCH(QByteArray, response);
        QFETCH(QString, error);
        setHttpLimits(HttpLimits{60000, 4096});
        LocalServer server;
        server.response = response;
        const QString text = fetchError(server.url());
        QVERIFY2(text.contains(error) && text.endsWith(u"\nAdresse: "_qs + server.url()), qPrintable(text));
        // The guard is free again after a failure.
        QVERIFY(!HttpGetRunning());
        server.response = LocalServer::reply("200 OK", "ok");
        QCOMPARE(HttpGet(server.url()), u"ok"_qs);
    }

    // One deadline for the whole request, for a silent server as for one that dribbles.
    void deadline_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("silent") << int(LocalServer::Mode::Silent);
        QTest::newRow("dribbling") << int(LocalServer::Mode::Dribble);
    }
    void deadline() {
        QFETCH(int, mode);
        setHttpLimits(HttpLimits{400, qint64(64) << 20});
        LocalServer server;
        server.mode = LocalServer::Mode(mode);
        server.response = LocalServer::reply("200 OK", QByteArray(200, 'x'));
        QElapsedTimer clock;
        clock.start();
        const QString error = fetchError(server.url());
        QVERIFY2(error.startsWith(u"Zeitüberschreitung: "_qs), qPrintable(error));
        QVERIFY(error.contains(server.url()));
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!HttpGetRunning());
    }

    void addresses_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QString() << u"Keine Adresse angegeben."_qs;
        QTest::newRow("blank") << u"  "_qs << u"Keine Adresse angegeben."_qs;
        QTest::newRow("no scheme")
            << u"www.example.org/x.html"_qs
            << u"Ungültige Adresse (nur http und https).\nAdresse: www.example.org/x.html"_qs;
        QTest::newRow("file") << u"file:///etc/passwd"_qs
                              << u"Ungültige Adresse (nur http und https).\nAdresse: file:///etc/passwd"_qs;
    }
    void addresses() {
        QFETCH(QString, url);
        QFETCH(QString, error);
        QCOMPARE(fetchError(url), error);
    }

    void connectionRefused() {
        quint16 port = 0;
        {
            LocalServer closed;
            port = closed.serverPort();
        }
        const QString url = QStringLiteral("http://127.0.0.1:%1/x.html").arg(port);
        QCOMPARE(fetchError(url), u"Verbindung verweigert\nAdresse: "_qs + url);
    }

    // A fetch started while one waits is refused; the first one completes.
    void secondFetchRefused() {
        LocalServer server;
        server.response = LocalServer::reply("200 OK", "first");
        QString refusal;
        server.onRequest = [&] {
            QVERIFY(HttpGetRunning());
            refusal = fetchError(server.url());
        };
        QCOMPARE(HttpGet(server.url()), u"first"_qs);
        QCOMPARE(refusal, u"Es wird bereits eine Seite geladen; bitte warten."_qs);
        QCOMPARE(server.requests.size(), 1);
    }

    // Tests of the windows replace the transport.
    void installedTransport() {
        struct Fake : HttpTransport {
            QStringList urls;
            QByteArray get(const QString& url, const HttpLimits& limits) override {
                urls << url;
                if (limits.deadlineMs != 1234)
                    throw ENetworkError(u"limits not passed"_qs);
                return QByteArray("\x9F", 1);
            }
        } fake;
        setHttpTransport(&fake);
        setHttpLimits(HttpLimits{1234, 10});
        QCOMPARE(HttpGet(u"http://x/y.html"_qs), u"\u0178"_qs);
        setHttpTransport(nullptr);
        QCOMPARE(fake.urls, QStringList{u"http://x/y.html"_qs});
        QCOMPARE(&httpTransport() == &fake, false);
        // Without a transport every fetch is refused with a message.
        QVERIFY_THROWS_EXCEPTION(ENetworkError, HttpGet(u"http://x/y.html"_qs));
        QVERIFY(!HttpGetRunning());
    }
};

QTEST_GUILESS_MAIN(TestHttpGet)
#include "tst_httpget.moc"
