// The web engine module as the program loads it, in a process that set up no shared OpenGL context.
#include "app/WebBrowser.h"
#include "app/modules/WebEngineLoader.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

const QColor kPageColour(0, 160, 80);

/// Answers every request with one page filled with kPageColour.
class PageServer : public QTcpServer {
public:
    PageServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    const QByteArray body =
                        "<html><body style=\"background: rgb(0,160,80)\">Hotbird</body></html>";
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            }
        });
    }
};

} // namespace

class TstWebEngineView : public QObject {
    Q_OBJECT

private slots:
    void drawsAServedPageWithoutSharedOpenGL();
};

void TstWebEngineView::drawsAServedPageWithoutSharedOpenGL() {
    QVERIFY(!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
    PageServer server;
    QVERIFY(server.isListening());
    setWebBrowserFactory(webEngineModuleFactory(QStringLiteral(MODULE_DIR)));
    WebBrowserHost browser;
    browser.resize(400, 300);
    browser.Navigate(QUrl(QStringLiteral("http://127.0.0.1:%1/hotbird.html").arg(server.serverPort())));
    browser.show();
    setWebBrowserFactory({});
    QVERIFY(browser.view());
    QCOMPARE(browser.view()->metaObject()->className(), "QWebEngineView");
    QTRY_COMPARE_WITH_TIMEOUT(browser.view()->grab().toImage().pixelColor(200, 150), kPageColour, 60000);
}

QTEST_MAIN(TstWebEngineView)
#include "tst_webengineview.moc"
