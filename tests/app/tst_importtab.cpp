// The import tabs driven on the real window: a satellite page and package pages from a server on
// 127.0.0.1, the web transponder rows and their colours, the search in a fixture image with its status
// labels and boxes, the insertion of ticked web channels compared byte for byte, every failed fetch
// leaving the window usable, and the browser tab's page list.
#include "SatelliteScenario.h"

#include "ListingPages.h"
#include "app/ProviderDialog.h"
#include "app/RadioGroup.h"
#include "app/TransponderDialog.h"
#include "app/modules/LoadedModules.h"
#include "grid/DgDisplays.h"
#include "image/TransponderMatch.h"
#include "platform/Colors.h"
#include "platform/Cp1252.h"
#include "platform/HttpGet.h"
#include "widgets/ProgressCyl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

using listingpages::Channel;
using listingpages::Transponder;

namespace {

/// Answers GET requests by path: 200 with the page's Windows-1252 bytes, 404 for an unknown path, or
/// nothing at all while silent. Records the paths asked for.
class SiteServer : public QTcpServer {
public:
    QHash<QString, QString> pages;
    QStringList paths;
    bool silent = false;

    SiteServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            }
        });
    }
    QString root() const { return u"http://127.0.0.1:%1"_qs.arg(serverPort()); }

private:
    void read(QTcpSocket* socket) {
        m_buffers[socket] += socket->readAll();
        const QByteArray request = m_buffers[socket];
        if (!request.contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        paths << path;
        if (silent)
            return;
        const bool known = pages.contains(path);
        const QByteArray body = known ? platform::toCp1252(pages.value(path)) : QByteArray("gone");
        socket->write((known ? "HTTP/1.1 200 OK" : "HTTP/1.1 404 Not Found") +
                      QByteArray("\r\nContent-Type: text/html\r\nContent-Length: ") +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

/// Satellite S0 at 19,2 E with 11034 V (27500) and 11100 H; S1 at 13 E with 11034 V. TV K0 on 11034 V,
/// TV K1 on 11100 H, radio R0 on 11034 V; providers "P" and "Testanbieter"; group 1 holds R0 and K0.
ImageFixture importScenario() {
    ImageFixture f;
    f.satelliteSlots = {ImageFixture::satellite(0, u"S0"_qs, 192), ImageFixture::satellite(1, u"S1"_qs, 130)};
    f.satelliteSlots[0].NumTransponders = 2;
    f.satelliteSlots[1].NumTransponders = 1;
    f.transponders = {ImageFixture::transponder(0, 11034, 1), ImageFixture::transponder(0, 11100, 0),
                      ImageFixture::transponder(1, 11034, 1)};
    f.channels = {ImageFixture::channel(u"K0"_qs, 0, 0, 200), ImageFixture::channel(u"K1"_qs, 1, 0, 201),
                  ImageFixture::channel(u"R0"_qs, 0, 1, 202)};
    f.channels[2].ServiceType = 0x19; // scrambled HD radio
    f.tvCount = 2;
    f.providerBlocks = {ImageFixture::provider(u"P"_qs), ImageFixture::provider(u"Testanbieter"_qs)};
    f.favGroups = {ImageFixture::favGroup(u"Eins"_qs, {2, 0})};
    return f;
}

/// One transponder with a linked free TV channel and a radio channel with Nagravision 3.
Transponder webTransponder(const QString& frequency = u"11034"_qs, const QString& pol = u"V"_qs,
                           const QString& provider = u"Testanbieter"_qs) {
    Transponder tp;
    tp.frequency = frequency;
    tp.polarisation = pol;
    tp.provider = provider;
    tp.channels = {Channel{.name = u"Alpha"_qs, .serviceId = u"101"_qs, .ca = {}},
                   Channel{.name = u"Beta \u00E9\u20AC"_qs,
                           .serviceId = u"102"_qs,
                           .ca = u"Nagravision 3"_qs,
                           .radio = true}};
    return tp;
}

QString satellitePage(const QList<Transponder>& transponders) {
    return listingpages::page(u"Astra 19.2\u00B0E - LyngSat"_qs, transponders);
}

/// A window with the scenario loaded and satellites.ini pointing the site at server.
struct ImportDriver {
    FormDriver drv;
    TForm1& f = *drv.form;

    explicit ImportDriver(const SiteServer& server, const ImageFixture& fixture = importScenario()) {
        drv.writeFile(u"satellites.ini"_qs,
                      "[Satellites]\r\n1=Astra\r\n[lyngsat]\r\nroot=" + server.root().toLatin1() +
                          "\r\n1=" + server.root().toLatin1() + "/box.html\r\n");
        loadScenario(drv, fixture);
        f.PageControl1->setCurrentWidget(f.TabSheet_lyngsat_parsing);
    }
    void fetch() { QTest::mouseClick(f.BitBtn_lyngsat, Qt::LeftButton); }
    QPoint cellCenter(grid::TDataGrid* g, int col, int row) {
        platform::TRect r;
        g->GetCellRect(col, row, r);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    /// The middle of the tick box of a check-box cell.
    QPoint tickCenter(grid::TDataGrid* g, int col, int row) {
        platform::TRect r;
        g->GetCellRect(col, row, r);
        const platform::TRect box = grid::CheckBoxHitRect(*g->Columns()->ColumnItem(col), r);
        return QPoint(r.Left + (box.Left + box.Right) / 2, r.Top + (box.Top + box.Bottom) / 2);
    }
    void select(int row) {
        QTest::mouseClick(f.DataGrid_lyngsat->viewport(), Qt::LeftButton, {},
                          cellCenter(f.DataGrid_lyngsat, 1, row));
    }
    QStringList rowTexts(grid::TDataGrid* g, int row, int columns) {
        QStringList out;
        for (int c = 0; c < columns; ++c)
            out << g->Cell(c, row)->AsString();
        return out;
    }
    /// The window is back at rest: no wait label or bar, fetch button and transponder grid enabled.
    bool atRest() const {
        return f.Label_warten->isHidden() && f.ProgressCyl1->isHidden() && f.BitBtn_lyngsat->isEnabled() &&
               f.DataGrid_lyngsat->isEnabled() && !f.importBusy();
    }
    QColor labelColor(QLabel* label) const { return label->palette().color(QPalette::WindowText); }
    /// Exactly one box was shown, and it was an error box.
    bool oneErrorBox() const {
        return drv.modals.shown().size() == 1 && drv.modals.shown().first().kind == ShownBox::Kind::Error;
    }
};

QColor bgr(platform::TColor c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

} // namespace

class tst_ImportTab : public QObject {
    Q_OBJECT
    // The program's fetch: the network module beside the executable, loaded at the first fetch.
    ModuleHttpTransport m_transport{QStringLiteral(MODULE_DIR)};
    ModuleHttpTransport m_noModule{QStringLiteral(MODULE_DIR "/kein-ordner")};

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init() {
        platform::setHttpTransport(&m_transport);
        platform::setHttpLimits(platform::HttpLimits{});
    }
    void cleanupTestCase() { platform::setHttpTransport(nullptr); }
    void fetchListsTransponderRows_data();
    void fetchListsTransponderRows();
    void failedFetchRestoresTheWindow_data();
    void failedFetchRestoresTheWindow();
    void secondFetchWhileOneWaitsIsRefused();
    void packagePageFetchedOnceAndAfterAFailureAgain();
    void nonNumericSymbolRateShowsTheErrorBox();
    void webGridColours();
    void searchStatus_data();
    void searchStatus();
    void newTransponderOffer();
    void endToEndInsertion_data();
    void endToEndInsertion();
    void insertionRefusals();
    void browserPages();
};

void tst_ImportTab::fetchListsTransponderRows_data() {
    QTest::addColumn<bool>("cBand");
    QTest::addColumn<bool>("box");
    QTest::addColumn<QStringList>("frequencies");
    QTest::newRow("radio group, Ku only") << false << false << QStringList{u"11034"_qs};
    QTest::newRow("radio group, C band too") << true << false << QStringList{u"11034"_qs, u"3840"_qs};
    QTest::newRow("satellite box") << false << true << QStringList{u"11034"_qs};
}

void tst_ImportTab::fetchListsTransponderRows() {
    QFETCH(bool, cBand);
    QFETCH(bool, box);
    QFETCH(QStringList, frequencies);
    SiteServer server;
    Transponder ku = webTransponder();
    ku.extra << u"<td>Mediaguard 2 MPEG-4/HD</td>"_qs;
    Transponder c = webTransponder(u"3840"_qs, u"H"_qs);
    const QString page = satellitePage({ku, c});
    server.pages[u"/ab1.html"_qs] = page;
    server.pages[u"/box.html"_qs] = page;
    ImportDriver d(server);
    d.f.RadioGroup_lyngsat->button(19)->click();
    d.f.CheckBox_cband->setChecked(cBand);
    if (box) {
        QTest::mouseClick(d.f.CheckBox_satellites_combo_lyngsat, Qt::LeftButton);
        QVERIFY(!d.f.RadioGroup_lyngsat->isEnabled());
    }
    d.fetch();
    QCOMPARE(server.paths, QStringList{box ? u"/box.html"_qs : u"/ab1.html"_qs});
    QVERIFY(d.atRest());
    QVERIFY(d.drv.boxes().isEmpty());
    QCOMPARE(d.f.PagePositionText, u"19.2\u00B0E"_qs);
    QCOMPARE(d.f.DataGrid_lyngsat->RowCount(), frequencies.size());
    QCOMPARE(d.rowTexts(d.f.DataGrid_lyngsat, 0, 10),
             (QStringList{u"S2"_qs, u"Testanbieter"_qs, u"1019"_qs, u"1"_qs, u"11034"_qs, u"27500"_qs,
                          u"3/4"_qs, u"V"_qs, u"DVB-S2"_qs, u"ja"_qs}));
    if (cBand)
        QCOMPARE(d.f.DataGrid_lyngsat->Cell(4, 1)->AsString() + d.f.DataGrid_lyngsat->Cell(7, 1)->AsString(),
                 u"3840H"_qs);
    QVERIFY(!d.f.BitBtn_lyngsat_sender_hinzufuegen->isEnabled());
}

void tst_ImportTab::failedFetchRestoresTheWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("error");
    QTest::newRow("404") << u"404"_qs << u"HTTP/1.1 404 Not Found"_qs;
    QTest::newRow("connection refused") << u"refused"_qs << QString();
    QTest::newRow("no address in the satellite box") << u"empty"_qs << u"Keine Adresse angegeben."_qs;
    QTest::newRow("no answer within the deadline") << u"silent"_qs << u"Zeitüberschreitung"_qs;
    QTest::newRow("network module missing")
        << u"nomodule"_qs << u"Das Netzwerkmodul konnte nicht geladen werden"_qs;
}

void tst_ImportTab::failedFetchRestoresTheWindow() {
    QFETCH(QString, how);
    QFETCH(QString, error);
    SiteServer server;
    ImportDriver d(server);
    // A good page first, with a selected row: the failed fetch must leave both grids empty.
    server.pages[u"/sirius4.html"_qs] = satellitePage({webTransponder()});
    d.fetch();
    d.select(0);
    QCOMPARE(d.f.DataGrid_lyngsat_sender->RowCount(), 2);
    d.drv.modals.clear();

    server.pages.clear();
    const QString address = server.root() + u"/sirius4.html"_qs;
    if (how == u"refused") {
        server.close();
    } else if (how == u"empty") {
        d.f.ComboBox_lyngsat->addItem(u"ohne Adresse"_qs);
        d.f.ComboBox_lyngsat->setCurrentIndex(1);
        d.f.CheckBox_satellites_combo_lyngsat->setChecked(true);
    } else if (how == u"silent") {
        server.silent = true;
        platform::setHttpLimits(platform::HttpLimits{300, qint64(64) << 20});
    } else if (how == u"nomodule") {
        platform::setHttpTransport(&m_noModule);
    }
    d.fetch();
    QVERIFY(d.oneErrorBox());
    const QString box = d.drv.boxes().first();
    QVERIFY2(box.contains(error), qPrintable(box));
    // The box names the page that failed.
    QVERIFY2(how == u"empty" ? !box.contains(u"Adresse:") : box.endsWith(u"\nAdresse: "_qs + address),
             qPrintable(box));
    QVERIFY(d.atRest());
    QCOMPARE(d.f.DataGrid_lyngsat->RowCount(), 0);
    QCOMPARE(d.f.DataGrid_lyngsat_sender->RowCount(), 0);
    QVERIFY(!d.f.BitBtn_lyngsat_sender_hinzufuegen->isEnabled());
}

void tst_ImportTab::secondFetchWhileOneWaitsIsRefused() {
    SiteServer server;
    server.silent = true;
    ImportDriver d(server);
    platform::setHttpLimits(platform::HttpLimits{400, qint64(64) << 20});
    bool busyMeanwhile = false;
    QTimer::singleShot(100, &d.f, [&d, &busyMeanwhile] {
        busyMeanwhile = d.f.importBusy() && !d.f.BitBtn_lyngsat->isEnabled() && d.f.Label_warten->isVisible();
        d.f.ImportSatellitePage(); // as a second handler would
        d.f.DataGrid_lyngsatSelectCell(nullptr, 0, 0);
    });
    d.fetch();
    QVERIFY(busyMeanwhile);
    QCOMPARE(server.paths.size(), 1);
    QCOMPARE(d.drv.modals.shown().size(), 1); // the time-out of the first fetch only
    QVERIFY(d.atRest());
}

void tst_ImportTab::packagePageFetchedOnceAndAfterAFailureAgain() {
    SiteServer server;
    Transponder a = webTransponder(u"11034"_qs, u"V"_qs, u"Sky Italia"_qs);
    Transponder b = webTransponder(u"11100"_qs, u"H"_qs, u"Sky Italia"_qs);
    server.pages[u"/sirius4.html"_qs] = satellitePage({a, b});
    ImportDriver d(server);
    d.fetch();
    QCOMPARE(d.f.DataGrid_lyngsat->RowCount(), 2);
    d.select(0); // the package page is missing
    QVERIFY(d.oneErrorBox());
    QCOMPARE(d.drv.boxes().first(),
             u"HTTP/1.1 404 Not Found\nAdresse: "_qs + server.root() + u"/packages/skyitalia.html"_qs);
    QCOMPARE(d.f.DataGrid_lyngsat_sender->RowCount(), 0);
    QVERIFY(d.f.Label_warten->isHidden());
    Transponder package = webTransponder(u"11100"_qs, u"H"_qs, u"Sky Italia"_qs);
    package.provider.clear();
    package.channels[0].name = u"Paket"_qs;
    server.pages[u"/packages/skyitalia.html"_qs] = satellitePage({package});
    d.drv.modals.clear();
    d.select(1); // fetched now, although an earlier fetch of the same address failed
    QCOMPARE(d.f.DataGrid_lyngsat_sender->Cell(3, 0)->AsString(), u"Paket"_qs);
    d.select(0); // held
    const QStringList packagePath{u"/packages/skyitalia.html"_qs};
    QCOMPARE(server.paths, QStringList{u"/sirius4.html"_qs} + packagePath + packagePath);
    QVERIFY(d.drv.boxes().isEmpty());
    QCOMPARE(d.f.ImportUrl, server.root() + packagePath.first());
    d.fetch(); // a new satellite page: the package page is fetched again
    d.select(0);
    QCOMPARE(server.paths.size(), 5);
}

void tst_ImportTab::nonNumericSymbolRateShowsTheErrorBox() {
    SiteServer server;
    server.pages[u"/sirius4.html"_qs] =
        satellitePage({webTransponder(), webTransponder(u"11100"_qs, u"H"_qs)});
    ImportDriver d(server);
    d.fetch();
    d.select(1);
    QCOMPARE(d.f.DataGrid_lyngsat_vergleich->RowCount(), 1);
    d.f.DataGrid_lyngsat->Cell(5, 0)->SetAsString(u"27.500"_qs);
    d.select(0);
    QVERIFY(d.oneErrorBox());
    QVERIFY(d.drv.boxes().first().contains(u"27.500"_qs));
    QCOMPARE(d.f.DataGrid_lyngsat_sender->RowCount(), 0);
    QCOMPARE(d.f.DataGrid_lyngsat_vergleich->RowCount(), 1); // no comparison was made
    QVERIFY(d.atRest());
    QVERIFY(!d.f.BitBtn_lyngsat_sender_hinzufuegen->isEnabled());
}

void tst_ImportTab::webGridColours() {
    SiteServer server;
    Transponder hd = webTransponder();
    hd.extra << u"<td>MPEG-4/HD</td>"_qs;
    Transponder scrambled = webTransponder(u"11100"_qs, u"H"_qs);
    scrambled.extra << u"<td>Viaccess 2</td>"_qs;
    Transponder cBand = webTransponder(u"3840"_qs, u"H"_qs);
    server.pages[u"/sirius4.html"_qs] = satellitePage({hd, scrambled, cBand});
    ImportDriver d(server);
    d.f.CheckBox_cband->setChecked(true);
    d.fetch();
    d.select(1);
    d.f.DataGrid_lyngsat->SetSelectedRow(-1);
    QTest::qWait(20);
    struct Probe {
        grid::TDataGrid* grid;
        int col, row;
        platform::TColor color;
    };
    const QList<Probe> probes{
        {d.f.DataGrid_lyngsat, 0, 0, 0xDDECEE},        {d.f.DataGrid_lyngsat, 2, 0, 0x008000},
        {d.f.DataGrid_lyngsat, 1, 1, 0xF0CAA6},        {d.f.DataGrid_lyngsat, 2, 1, 0xFFFFFF},
        {d.f.DataGrid_lyngsat, 4, 2, 0x00FFFF},        {d.f.DataGrid_lyngsat, 3, 2, 0xDDECEE},
        {d.f.DataGrid_lyngsat_sender, 3, 0, 0xDDECEE}, {d.f.DataGrid_lyngsat_sender, 2, 1, 0xF0CAA6},
        {d.f.DataGrid_lyngsat_sender, 3, 1, 0xFFFFFF}};
    for (const Probe& p : probes) {
        platform::TRect r;
        p.grid->GetCellRect(p.col, p.row, r);
        const QImage image = p.grid->viewport()->grab().toImage();
        QCOMPARE(image.pixelColor(r.Right - 3, r.Bottom - 3), bgr(p.color));
    }
    // The comparison grid fills its cells shrunk by 4 pixels left and right: R0 is scrambled.
    d.select(0);
    d.f.DataGrid_lyngsat->SetSelectedRow(-1);
    QTest::qWait(20);
    grid::TDataGrid* cmp = d.f.DataGrid_lyngsat_vergleich;
    const QImage image = cmp->viewport()->grab().toImage();
    for (const auto& [col, row, color] : {std::tuple{0, 0, 0xDDECEE}, std::tuple{0, 1, 0xF0CAA6},
                                          std::tuple{1, 1, 0xFFFFFF}, std::tuple{2, 0, 0xDDECEE}}) {
        platform::TRect r;
        cmp->GetCellRect(col, row, r);
        QCOMPARE(image.pixelColor(r.Right - 5, r.Bottom - 3), bgr(platform::TColor(color)));
        if (color != 0xFFFFFF)
            QVERIFY(image.pixelColor(r.Right - 2, r.Bottom - 3) != bgr(platform::TColor(color)));
        // The right margin shows the grid's background only: the column's display text is gone (the
        // handler's own text starts at the left edge).
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x : {r.Right - 3, r.Right - 1})
                QCOMPARE(image.pixelColor(x, y),
                         platform::toQColor(platform::ColorToRGB(platform::clWindow)));
    }
    // Radio rows write green text.
    platform::TColor text = 0;
    platform::TFontStyles style;
    d.f.DataGrid_lyngsat_sender->OnCellFormating(nullptr, 2, 1, text, style, {});
    QCOMPARE(text, platform::TColor(0x008000));
}

void tst_ImportTab::searchStatus_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("pol");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("frequencyLabel"); // empty: hidden
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("comparison");
    const QString near = QString(14, u' ') + u"11034 Mhz  V   SR: 27500"_qs + QString(7, u' ') + u"\r\n"_qs;
    QTest::newRow("exact") << u"11034"_qs << u"V"_qs << 0 << u"Transponder gefunden"_qs
                           << u"Frequenz: 11034"_qs << QString() << QStringList{u"K0"_qs, u"R0"_qs};
    QTest::newRow("within 2 Mhz") << u"11036"_qs << u"V"_qs << 2 << u"Transponder gefunden"_qs
                                  << u"Frequenz: 11034"_qs << QString() << QStringList{u"K0"_qs, u"R0"_qs};
    QTest::newRow("outside 1 Mhz") << u"11036"_qs << u"V"_qs << 1 << u"Transponder nicht gefunden (11036)"_qs
                                   << QString() << image::NewTransponderQuestion(near) << QStringList{};
    QTest::newRow("other polarisation")
        << u"11034"_qs << u"H"_qs << 0 << u"Transponder nicht gefunden (11034)"_qs << QString()
        << image::PolarisationMismatchMessage(near) << QStringList{};
}

void tst_ImportTab::searchStatus() {
    QFETCH(QString, frequency);
    QFETCH(QString, pol);
    QFETCH(int, tolerance);
    QFETCH(QString, status);
    QFETCH(QString, frequencyLabel);
    QFETCH(QString, box);
    QFETCH(QStringList, comparison);
    SiteServer server;
    server.pages[u"/sirius4.html"_qs] = satellitePage({webTransponder(frequency, pol)});
    ImportDriver d(server);
    d.f.RadioGroup_frequenztoleranz->button(tolerance)->click();
    d.fetch();
    d.drv.modals.answerMessage(platform::mrNo);
    d.select(0);
    QCOMPARE(d.f.Label_transponder_lyngsat_vorhanden->text(), status);
    const bool found = comparison.size() > 0;
    QCOMPARE(d.labelColor(d.f.Label_transponder_lyngsat_vorhanden), bgr(found ? 0x008000 : 0x0000FF));
    QCOMPARE(d.f.Label_gefundene_Frequenz->isHidden(), frequencyLabel.isEmpty());
    QCOMPARE(d.f.Label_gefundene_symbolrate->isHidden(), !found);
    if (found) {
        QCOMPARE(d.f.Label_gefundene_Frequenz->text(), frequencyLabel);
        QCOMPARE(d.labelColor(d.f.Label_gefundene_Frequenz),
                 bgr(frequency == u"11034" ? 0x008000 : 0x0000FF));
        QCOMPARE(d.f.Label_gefundene_symbolrate->text(), u"SR: 27500"_qs);
        QCOMPARE(d.labelColor(d.f.Label_gefundene_symbolrate), bgr(0x008000));
        QCOMPARE(d.f.MatchedTransponder, 1);
    }
    QCOMPARE(d.drv.boxes(), box.isEmpty() ? QStringList{} : QStringList{box});
    QCOMPARE(d.f.BitBtn_select_all_lyngsat_channels->isEnabled(), found);
    QStringList names;
    for (int r = 0; r < d.f.DataGrid_lyngsat_vergleich->RowCount(); ++r)
        names << d.f.DataGrid_lyngsat_vergleich->Cell(0, r)->AsString();
    QCOMPARE(names, comparison);
    if (found) {
        // R0: "Sat" short, "Typ" of a scrambled HD radio, favourite group 1, its number.
        QCOMPARE(d.rowTexts(d.f.DataGrid_lyngsat_vergleich, 1, 5),
                 (QStringList{u"R0"_qs, u"19,2°E"_qs, u"11034"_qs, u"V"_qs, u"R HD S"_qs}));
        QVERIFY(d.f.DataGrid_lyngsat_vergleich->Cell(13, 1)->AsBoolean());
        QCOMPARE(d.f.DataGrid_lyngsat_vergleich->Cell(11, 1)->AsInteger(), 3);
    }
    // "All" (run even where its button is disabled) enables the insertion only on a found transponder.
    d.f.BitBtn_select_all_lyngsat_channelsClick();
    QCOMPARE(d.f.BitBtn_lyngsat_sender_hinzufuegen->isEnabled(), found);
}

void tst_ImportTab::newTransponderOffer() {
    SiteServer server;
    Transponder tp = webTransponder(u"11500"_qs, u"H"_qs);
    tp.rateLine = u"<td>22000 5/6</td>"_qs;
    server.pages[u"/sirius4.html"_qs] = satellitePage({tp});
    server.pages[u"/ew1.html"_qs] = listingpages::page(u"Eutelsat 10.0\u00B0E"_qs, {webTransponder()});
    ImportDriver d(server);
    d.fetch();
    d.drv.modals.answerMessage(platform::mrYes);
    QStringList seen;
    answerFormBy(d.drv, [&seen](QDialog* dialog) {
        auto& t = *static_cast<TForm_transponder*>(dialog);
        seen << t.Label_sat->text() << t.Edit_frequenz->text() << t.Edit_symbolrate->text()
             << t.Edit_onid->text() << t.Edit_TID->text() << QString::number(t.RadioGroup_Pol->ItemIndex())
             << QString::number(t.RadioGroup_FEC->ItemIndex())
             << QString::number(t.RadioGroup_DVB->ItemIndex()) << QString::number(NewTransponderSatellite)
             << QString::number(t.Label_sat->isHidden())
             << QString::number(t.ComboBox_satellit_fuer_neuen_transponder->isHidden());
        QTest::mouseClick(t.BitBtn_transponder_aendern, Qt::LeftButton);
    });
    d.select(0);
    QCOMPARE(seen, (QStringList{u"S0"_qs, u"11500"_qs, u"22000"_qs, u"1"_qs, u"1019"_qs, u"0"_qs, u"4"_qs,
                                u"1"_qs, u"1"_qs, u"0"_qs, u"1"_qs}));
    QCOMPARE(d.drv.boxes().last(), u"Transponder neu angelegt."_qs);
    QCOMPARE(image::Image().TransponderCount, 4);
    // The status stays until the row is selected anew.
    QCOMPARE(d.f.Label_transponder_lyngsat_vorhanden->text(), u"Transponder nicht gefunden (11500)"_qs);

    // A page whose position no satellite of the image has: no offer.
    d.drv.modals.clear();
    d.f.RadioGroup_lyngsat->button(3)->click();
    d.fetch();
    d.select(0);
    QCOMPARE(d.drv.modals.shown().size(), 1);
    QVERIFY(d.drv.boxes().first().contains(u"10,0°E"_qs));
    QVERIFY(!d.drv.boxes().first().contains(u"erstellen"_qs));
    // A page without a title has no position: the one of the page before must not pick the satellite.
    server.pages[u"/ew1.html"_qs] = satellitePage({webTransponder()}).remove(u"title"_qs);
    d.fetch();
    QCOMPARE(d.f.PagePositionText, QString());
    d.select(0);
    QCOMPARE(d.f.Label_transponder_lyngsat_vorhanden->text(), u"Transponder nicht gefunden (11034)"_qs);
}

void tst_ImportTab::endToEndInsertion_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");  // "Neu": the new provider's name
    QTest::addColumn<int>("provider");   // 0-based index the channels get
    QTest::addColumn<QString>("listed"); // last item of the provider list afterwards
    QTest::addColumn<bool>("hd");        // the web transponder is HD: every channel gets bit 3
    QTest::newRow("Aus Radiogroup") << int(TForm_provider::ModeRadioGroup) << QString() << 1
                                    << u"Testanbieter"_qs << false;
    QTest::newRow("Aus Combobox, HD transponder")
        << int(TForm_provider::ModeComboBox) << QString() << 0 << u"Testanbieter"_qs << true;
    QTest::newRow("Neu, longer than a record")
        << int(TForm_provider::ModeNew) << u"Neuer Anbieter € mit Langname"_qs << 2 << u"Neuer Anbieter €"_qs
        << false;
}

void tst_ImportTab::endToEndInsertion() {
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(int, provider);
    QFETCH(QString, listed);
    QFETCH(bool, hd);
    SiteServer server;
    Transponder tp = webTransponder();
    if (hd)
        tp.extra << u"<td>MPEG-4/HD</td>"_qs;
    server.pages[u"/sirius4.html"_qs] = satellitePage({tp});
    ImportDriver d(server);
    d.fetch();
    d.select(0);
    QCOMPARE(d.rowTexts(d.f.DataGrid_lyngsat_sender, 1, 5),
             (QStringList{u"False"_qs, u"N3"_qs, u"102"_qs, u"Beta \u00E9\u20AC"_qs, u"R"_qs}));
    QVERIFY(!d.f.BitBtn_lyngsat_sender_hinzufuegen->isEnabled());
    // A tick box clicked on and off again, then "All".
    QWidget* ticks = d.f.DataGrid_lyngsat_sender->viewport();
    QTest::mouseClick(ticks, Qt::LeftButton, {}, d.tickCenter(d.f.DataGrid_lyngsat_sender, 0, 1));
    QVERIFY(d.f.DataGrid_lyngsat_sender->Cell(0, 1)->AsBoolean());
    QVERIFY(d.f.BitBtn_lyngsat_sender_hinzufuegen->isEnabled());
    QTest::mouseClick(ticks, Qt::LeftButton, {}, d.tickCenter(d.f.DataGrid_lyngsat_sender, 0, 1));
    QVERIFY(!d.f.BitBtn_lyngsat_sender_hinzufuegen->isEnabled());
    QTest::mouseClick(d.f.BitBtn_select_all_lyngsat_channels, Qt::LeftButton);
    QVERIFY(d.f.BitBtn_lyngsat_sender_hinzufuegen->isEnabled());

    QStringList offered;
    answerFormBy(d.drv, [&offered, mode, typed](QDialog* dialog) {
        auto& p = *static_cast<TForm_provider*>(dialog);
        offered = p.RadioGroup_provider->Items();
        offered << p.Edit_provider->text() << QString::number(p.ComboBox_provider_lyngsat->count())
                << QString::number(p.ComboBox_provider_lyngsat->currentIndex());
        p.RadioGroup_auswahl_Provider->button(mode)->click();
        p.Edit_provider->setText(typed);
        p.ComboBox_provider_lyngsat->setCurrentIndex(0);
        QTest::mouseClick(p.BitBtn_provider_uebernehmen, Qt::LeftButton);
    });
    QTest::mouseClick(d.f.BitBtn_lyngsat_sender_hinzufuegen, Qt::LeftButton);
    QCOMPARE(offered, (QStringList{u"Testanbieter"_qs, u""_qs, u"2"_qs, u"-1"_qs}));
    QCOMPARE(d.f.ListBox_provider->item(d.f.ListBox_provider->count() - 1)->text(), listed);
    QCOMPARE(d.f.Label_providercount->text(), QString::number(typed.isEmpty() ? 2 : 3));
    QCOMPARE(d.drv.boxes(), QStringList{u"2 Channels eingefügt."_qs});
    // The comparison list shows the image as it is now: both new channels with their new numbers.
    QStringList compared;
    for (int r = 0; r < d.f.DataGrid_lyngsat_vergleich->RowCount(); ++r)
        compared << d.f.DataGrid_lyngsat_vergleich->Cell(0, r)->AsString() + u' ' +
                        d.f.DataGrid_lyngsat_vergleich->Cell(11, r)->AsString();
    QCOMPARE(compared, (QStringList{u"K0 1"_qs, u"Alpha 3"_qs, u"R0 4"_qs, u"Beta \u00E9\u20AC 5"_qs}));

    // The image as the fixture builder writes it with both channels in place.
    ImageFixture expected = importScenario();
    image::TChannelRecord alpha = ImageFixture::channel(u"Alpha"_qs, 0, provider, 101);
    alpha.VideoPid = alpha.AudioPid = alpha.PcrPid = 0x7FFF;
    alpha.Reserved12 = alpha.TunerFlags = alpha.Reserved15 = 0;
    image::TChannelRecord beta = alpha;
    beta.ServiceId = 102;
    beta.ServiceType = 0x11;
    if (hd) {
        alpha.ServiceType = 0x18;
        beta.ServiceType = 0x19;
    }
    beta.ServiceName = {};
    const QByteArray name = platform::toCp1252(u"Beta \u00E9\u20AC"_qs);
    std::copy(name.begin(), name.end(), beta.ServiceName.begin());
    expected.channels.insert(expected.channels.begin() + 2, alpha);
    expected.channels.push_back(beta);
    expected.tvCount = 3;
    expected.favGroups = {ImageFixture::favGroup(u"Eins"_qs, {3, 0})};
    if (!typed.isEmpty())
        expected.providerBlocks.push_back(ImageFixture::provider(listed));
    d.drv.modals.answerSave(d.drv.path(u"saved.si"_qs));
    d.f.Saveto1Click();
    QCOMPARE(readAll(d.drv.path(u"saved.si"_qs)), expected.build());
}

void tst_ImportTab::insertionRefusals() {
    SiteServer server;
    Transponder tp = webTransponder();
    tp.channels[1].serviceId = u"70000"_qs;
    server.pages[u"/sirius4.html"_qs] = satellitePage({tp});
    ImportDriver d(server);
    const QByteArray before = importScenario().build();
    const auto unchanged = [&d, &before] {
        d.drv.modals.answerSave(d.drv.path(u"same.si"_qs));
        d.f.Saveto1Click();
        return readAll(d.drv.path(u"same.si"_qs)) == before;
    };
    d.fetch();
    d.select(0);
    // Nothing ticked: the button stays disabled and a press asks for nothing.
    d.f.BitBtn_lyngsat_sender_hinzufuegenClick();
    QVERIFY(d.drv.boxes().last().contains(u"kein Sender angehakt"_qs));
    // A service ID past 16 bits: refused before the provider dialog.
    QTest::mouseClick(d.f.BitBtn_select_all_lyngsat_channels, Qt::LeftButton);
    d.drv.modals.clear();
    QTest::mouseClick(d.f.BitBtn_lyngsat_sender_hinzufuegen, Qt::LeftButton);
    QCOMPARE(d.drv.modals.shown().size(), 1);
    QVERIFY(d.drv.boxes().first().contains(u"70000"_qs));
    // Only the good row, after the transponder table changed under the match: refused as stale.
    d.f.DataGrid_lyngsat_sender->Cell(0, 1)->SetAsBoolean(false);
    image::Image().Transponders[1].Frequency = 11200;
    d.drv.modals.clear();
    QTest::mouseClick(d.f.BitBtn_lyngsat_sender_hinzufuegen, Qt::LeftButton);
    QCOMPARE(d.drv.boxes(), QStringList{image::StaleMatchMessage()});
    image::Image().Transponders[1].Frequency = 11034;
    // A cancelled provider choice inserts nothing.
    d.drv.modals.clear();
    QTest::mouseClick(d.f.BitBtn_lyngsat_sender_hinzufuegen, Qt::LeftButton);
    QCOMPARE(d.drv.boxes(), QStringList{u"0 Channels eingefügt."_qs});
    QVERIFY(unchanged());
}

void tst_ImportTab::browserPages() {
    SiteServer server;
    ImportDriver d(server);
    d.f.PageControl1->setCurrentWidget(d.f.TabSheet_lyngsat_seiten);
    QStringList pages;
    for (int i = 0; i < d.f.RadioGroup_lyngsat_neu->count(); ++i) {
        d.f.RadioGroup_lyngsat_neu->button(i)->click();
        pages << d.f.WebBrowser1->url().toString().remove(server.root());
    }
    QCOMPARE(pages,
             (QStringList{u"/intel68.html"_qs,  u"/turk42.html"_qs,  u"/hellas2.html"_qs, u"/36east.html"_qs,
                          u"/33east.html"_qs,   u"/28east.html"_qs,  u"/astra23.html"_qs, u"/astra19.html"_qs,
                          u"/ew2.html"_qs,      u"/hotbird.html"_qs, u"/ew1.html"_qs,     u"/ew3a.html"_qs,
                          u"/5east.html"_qs,    u"/1west.html"_qs,   u"/amos.html"_qs,    u"/ab3.html"_qs,
                          u"/nile.html"_qs,     u"/ab2.html"_qs,     u"/ab1.html"_qs,     u"/t12.html"_qs,
                          u"/intel901.html"_qs, u"/hispa.html"_qs}));
    QCOMPARE(d.f.RadioGroup_lyngsat_neu->item(7), u"19° Ost   Astra"_qs);
    QVERIFY(d.f.WebBrowser1->view() != nullptr);
}

QTEST_MAIN(tst_ImportTab)
#include "tst_importtab.moc"
