#include "FormDriver.h"

#include "app/WebBrowser.h"
#include "app/modules/WebEngineLoader.h"

#include <QFrame>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

/// Installs a factory for the lifetime of the object and counts its calls.
struct CountingFactory {
    int calls = 0;
    explicit CountingFactory(bool fails = false) {
        setWebBrowserFactory([this, fails](QWidget* parent) -> QWidget* {
            ++calls;
            return fails ? nullptr : new QFrame(parent);
        });
    }
    ~CountingFactory() { setWebBrowserFactory({}); }
};

const QUrl kPage(QStringLiteral("http://127.0.0.1/hotbird.html"));

} // namespace

class TstWebBrowser : public QObject {
    Q_OBJECT

private slots:
    void viewIsMadeWhenTheTabIsFirstShown();
    void addressReachesTheViewBeforeAndAfterItExists();
    void plainViewFillsTheBrowser();
    void failedFactoryShowsTheNote();
    void missingModuleShowsTheNote();
    void mainWindowStartsWithoutTheView();
};

void TstWebBrowser::viewIsMadeWhenTheTabIsFirstShown() {
    CountingFactory factory;
    QTabWidget tabs;
    auto* first = new QWidget;
    auto* pages = new QWidget;
    tabs.addTab(first, QStringLiteral("Satelliten"));
    tabs.addTab(pages, QStringLiteral("Lyngsat-Seiten"));
    WebBrowserHost* browser = createWebBrowser(pages);
    tabs.show();
    QCOMPARE(factory.calls, 0);
    QCOMPARE(browser->view(), nullptr);

    tabs.setCurrentWidget(pages);
    QCOMPARE(factory.calls, 1);
    QVERIFY(browser->view());
    QVERIFY(browser->view()->isVisible());

    tabs.setCurrentWidget(first);
    tabs.setCurrentWidget(pages);
    tabs.hide();
    tabs.show();
    QCOMPARE(factory.calls, 1);
}

void TstWebBrowser::addressReachesTheViewBeforeAndAfterItExists() {
    WebBrowserHost browser;
    browser.Navigate(kPage);
    QCOMPARE(browser.url(), kPage);
    browser.show();
    QVERIFY(browser.view());
    QCOMPARE(browser.view()->property("url").toUrl(), kPage);

    const QUrl next(QStringLiteral("http://127.0.0.1/astra19.html"));
    browser.Navigate(next);
    QCOMPARE(browser.view()->property("url").toUrl(), next);
}

void TstWebBrowser::plainViewFillsTheBrowser() {
    QWidget page;
    WebBrowserHost* browser = createWebBrowser(&page);
    browser->setGeometry(0, 0, 1105, 697);
    page.show();
    QVERIFY(qobject_cast<QFrame*>(browser->view()));
    QCOMPARE(browser->note(), nullptr);
    browser->resize(1105, 897); // the screen fitting makes it taller
    QTRY_COMPARE(browser->view()->geometry(), QRect(0, 0, 1105, 897));
}

void TstWebBrowser::failedFactoryShowsTheNote() {
    CountingFactory factory(true);
    WebBrowserHost browser;
    browser.show();
    browser.Navigate(kPage);
    QCOMPARE(browser.view(), nullptr);
    QVERIFY(browser.note());
    QVERIFY(browser.note()->isVisible());
    QCOMPARE(browser.note()->text(),
             QStringLiteral("Die Lyngsat-Seiten können nicht angezeigt werden: der Webbrowser "
                            "(kanaleditor_webengine) ließ sich nicht laden."));
    browser.hide();
    browser.show();
    QCOMPARE(factory.calls, 1);
}

void TstWebBrowser::missingModuleShowsTheNote() {
    QTemporaryDir empty;
    const WebBrowserFactory factory = webEngineModuleFactory(empty.path());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^web engine module not loaded: ")));
    setWebBrowserFactory(factory);
    WebBrowserHost browser;
    browser.show();
    setWebBrowserFactory({});
    QCOMPARE(browser.view(), nullptr);
    QVERIFY(browser.note());
}

void TstWebBrowser::mainWindowStartsWithoutTheView() {
    CountingFactory factory;
    FormDriver d;
    d.pressLoad(d.writeFile(QStringLiteral("typisch.si"), ImageFixture::typical().build()));
    QVERIFY(d.form->PageControl1->isVisible());
    QCOMPARE(factory.calls, 0);
    QCOMPARE(d.form->WebBrowser1->view(), nullptr);
    d.form->PageControl1->setCurrentWidget(d.form->TabSheet_lyngsat_seiten);
    QCOMPARE(factory.calls, 1);
    QVERIFY(d.form->WebBrowser1->view()->isVisible());
}

QTEST_MAIN(TstWebBrowser)
#include "tst_webbrowser.moc"
