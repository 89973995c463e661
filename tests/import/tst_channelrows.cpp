#include "ListingPages.h"
#include "import/ChannelRows.h"
#include "import/ListingSite.h"
#include "platform/Cp1252.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace webimport;
using listingpages::Channel;
using listingpages::Transponder;

namespace {

using Kind = Channel::Kind;

Channel channel(const QString& name, Kind kind = Kind::Linked, const QString& ca = {}, bool radio = false) {
    Channel c;
    c.name = name;
    c.kind = kind;
    c.ca = ca;
    c.radio = radio;
    return c;
}

// One channel row as "name|service ID|TV/R|cr|HD".
QStringList describe(const ChannelList& list) {
    QStringList out;
    for (const ChannelRow& r : list.rows)
        out << QStringList{r.name, r.serviceId, r.kind, r.caText, r.hd}.join(QLatin1Char('|'));
    return out;
}

TransponderRow rowOf(const QString& frequency, const QString& pol, const QString& symbolRate) {
    TransponderRow row;
    row.frequency = frequency;
    row.polarisation = pol;
    row.symbolRate = symbolRate;
    return row;
}

// A page of one transponder.
QString transponderPage(const QList<Channel>& channels, const QString& provider = u"Sky Italia"_qs,
                        bool whiteRowBefore = true) {
    Transponder tp;
    tp.provider = provider;
    tp.whiteRowBefore = whiteRowBefore;
    tp.channels = channels;
    return listingpages::page(u"x"_qs, {tp});
}

// Two transponders: the first with the given channels, the second with one of its own.
QString twoTransponders(const QList<Channel>& channels, const QString& provider = u"Sky Italia"_qs,
                        bool italic = false) {
    Transponder a;
    a.provider = provider;
    a.italicProvider = italic;
    a.channels = channels;
    Transponder b;
    b.frequency = u"11054"_qs;
    b.polarisation = u"H"_qs;
    b.channels = {channel(u"Next Transponder"_qs)};
    return listingpages::page(u"Hotbird 13.0\u00B0E"_qs, {a, b});
}

} // namespace

class TestChannelRows : public QObject {
    Q_OBJECT

private slots:
    void rows_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("symbolRate");
        QTest::addColumn<bool>("package");
        QTest::addColumn<QStringList>("rows");
        // A bold name is read only while a link follows it before the white row.
        const QList<Channel> three{channel(u"Rai 1"_qs, Kind::Linked, u"Nagravision 3 Cryptoworks"_qs),
                                   channel(u"Bold One"_qs, Kind::Bold, u"Mediaguard 2 / 3 MPEG-4/HD"_qs),
                                   channel(u"Radio 2"_qs, Kind::Linked, {}, true),
                                   channel(u"Bold Last"_qs, Kind::Bold)};
        const QStringList threeRows{u"Rai 1|1234|TV|N3/CW|"_qs, u"Bold One|1234|TV|S2/S3|ja"_qs,
                                    u"Radio 2|1234|R||"_qs};
        QTest::newRow("provider skipped at SR 27500")
            << twoTransponders(three) << u"27500"_qs << false << threeRows;
        QTest::newRow("provider listed at SR 6111")
            << twoTransponders(three) << u"6111"_qs << false
            << (QStringList{u"Sky Italia|1234|R|N3/CW|"_qs} + threeRows);
        QTest::newRow("italic provider drops the first channel")
            << twoTransponders(three, u"Nova"_qs, true) << u"27500"_qs << false << threeRows.mid(1);
        QTest::newRow("package page lists the first name")
            << twoTransponders(three, QString()) << u"27500"_qs << true << threeRows;
        Channel at = channel(u"Elsewhere"_qs);
        at.atCell = true;
        QTest::newRow("@ cell not listed") << twoTransponders({at, channel(u"Here"_qs)}) << u"27500"_qs
                                           << false << QStringList{u"Here|1234|TV||"_qs};
        QTest::newRow("frequency name ends the list")
            << twoTransponders({channel(u"A"_qs), channel(u"12207"_qs, Kind::Bold), channel(u"B"_qs)})
            << u"27500"_qs << false << QStringList{u"A|1234|TV||"_qs};
        QTest::newRow("4 digits end only a C-band list")
            << twoTransponders({channel(u"3996"_qs), channel(u"B"_qs)}) << u"27500"_qs << false
            << QStringList{u"3996|1234|TV||"_qs, u"B|1234|TV||"_qs};
        QTest::newRow("leading blank removed") << twoTransponders({channel(u" Blank"_qs)}) << u"27500"_qs
                                               << false << QStringList{u"Blank|1234|TV||"_qs};
        Channel noId = channel(u"No ID"_qs);
        noId.serviceId.clear();
        QTest::newRow("empty ID cell takes no digits of the next row")
            << twoTransponders({noId, channel(u"B"_qs)}) << u"27500"_qs << false
            << QStringList{u"No ID||TV||"_qs, u"B|1234|TV||"_qs};
        QTest::newRow("Irdeto 1 and 2")
            << twoTransponders({channel(u"A"_qs, Kind::Linked, u"Irdeto 1"_qs),
                                channel(u"B"_qs, Kind::Linked, u"Irdeto 2"_qs)})
            << u"27500"_qs << false << QStringList{u"A|1234|TV|I1|"_qs, u"B|1234|TV|I2|"_qs};
        // Without a "</b>" after it, a link is a link (not a bold name without "<b>").
        QTest::newRow("last transponder, no </b> after")
            << transponderPage({channel(u"A"_qs), channel(u"B"_qs)}) << u"27500"_qs << false
            << QStringList{u"A|1234|TV||"_qs, u"B|1234|TV||"_qs};
        QTest::newRow("anchor missing: from the page start")
            << transponderPage({channel(u"A"_qs), channel(u"B"_qs)}, QString(), false)
                   .replace(u"<b>11034 V</b>"_qs, u"11034 v"_qs)
            << u"27500"_qs << true << QStringList{u"A|1234|TV||"_qs, u"B|1234|TV||"_qs};
    }
    void rows() {
        QFETCH(QString, page);
        QFETCH(QString, symbolRate);
        QFETCH(bool, package);
        QFETCH(QStringList, rows);
        const ChannelList list =
            ParseChannelRows(ListingPage(page), rowOf(u"11034"_qs, u"V"_qs, symbolRate), package);
        QCOMPARE(describe(list).join(u"\n"_qs), rows.join(u"\n"_qs));
        QVERIFY(list.messages.isEmpty());
        // LF-only pages give the same rows.
        const ListingPage lf(QString(page).replace(u"\r\n"_qs, u"\n"_qs));
        QCOMPARE(describe(ParseChannelRows(lf, rowOf(u"11034"_qs, u"V"_qs, symbolRate), package)), rows);
    }

    void secondTransponder() {
        const ListingPage page(twoTransponders({channel(u"A"_qs)}));
        QCOMPARE(describe(ParseChannelRows(page, rowOf(u"11054"_qs, u"H"_qs, u"27500"_qs), false)),
                 QStringList{u"Next Transponder|1234|TV||"_qs});
    }

    void cBandFrequencyName() {
        Transponder tp;
        tp.frequency = u"3840"_qs;
        tp.polarisation = u"H"_qs;
        tp.channels = {channel(u"A"_qs), channel(u"3996"_qs, Kind::Bold), channel(u"B"_qs)};
        const ListingPage page(listingpages::page(u"x"_qs, {tp}));
        QCOMPARE(describe(ParseChannelRows(page, rowOf(u"3840"_qs, u"H"_qs, u"27500"_qs), false)),
                 QStringList{u"A|1234|TV||"_qs});
    }

    // A bold case without its own "<b>" lists nothing, counts as the first row and goes on after "</b>".
    void boldWithoutOpeningTag_data() {
        QTest::addColumn<QString>("broken");
        QTest::newRow("missing <b>") << u"<td>Broken</b></td>"_qs;
        QTest::newRow("<b> after </b>") << u"<td>Broken</b><b></td>"_qs;
    }
    void boldWithoutOpeningTag() {
        QFETCH(QString, broken);
        Transponder tp;
        tp.provider.clear();
        tp.channels = {channel(u"X"_qs, Kind::Bold), channel(u"Listed"_qs)};
        QString text = listingpages::page(u"x"_qs, {tp});
        text.replace(u"<td><b>X</b></td>"_qs, broken);
        const ChannelList list =
            ParseChannelRows(ListingPage(text), rowOf(u"11034"_qs, u"V"_qs, u"27500"_qs), false);
        QCOMPARE(describe(list), QStringList{u"Listed|1234|TV||"_qs});
    }

    void unlinkedRowsShowMessages() {
        Transponder tp;
        Channel u1 = channel(u"Free One"_qs, Kind::Unlinked);
        u1.serviceId = u"501"_qs;
        Channel u2 = channel(u"Free Two"_qs, Kind::Unlinked, u"Conax"_qs);
        u2.serviceId = u"502"_qs;
        Channel linked = channel(u"Linked"_qs);
        linked.serviceId = u"500"_qs;
        tp.channels = {linked, u1, u2};
        const ListingPage page(listingpages::page(u"x"_qs, {tp}));
        const ChannelList list = ParseChannelRows(page, rowOf(u"11034"_qs, u"V"_qs, u"27500"_qs), false);
        // The first row without a link takes the second marker after the name before it.
        QCOMPARE(describe(list),
                 (QStringList{u"Linked|500|TV||"_qs, u"Free One|501|R||"_qs, u"Free Two|502|R|CX|"_qs}));
        QCOMPARE(list.messages.size(), 2);
        QCOMPARE(list.messages.at(0),
                 u"Free One\nID: arkgreen\">501</font></td><td><font size=1>\u00AEFree One</font></"_qs);
        QVERIFY(list.messages.at(1).startsWith(u"Free Two\nID: arkgreen\">502<"_qs));
    }

    void nameRunningIntoTheEnd() {
        const QString text =
            u"<b>11034 V</b> <a class=\"homewin\">A</a> darkgreen\">1</tr> <a class=\"homewin\">Cut"_qs;
        const ChannelList list =
            ParseChannelRows(ListingPage(text), rowOf(u"11034"_qs, u"V"_qs, u"100"_qs), false);
        QCOMPARE(describe(list), QStringList{u"A|1|R||"_qs});
    }

    void symbolRateMustBeANumber() {
        const ListingPage page(twoTransponders({channel(u"A"_qs)}));
        QVERIFY_THROWS_EXCEPTION(platform::EConvertError,
                                 ParseChannelRows(page, rowOf(u"11034"_qs, u"V"_qs, u"27 500"_qs), false));
        // A package row does not need it.
        QCOMPARE(ParseChannelRows(page, rowOf(u"11034"_qs, u"V"_qs, QString()), true).rows.size(), 2);
    }

    // Every prefix of a page, every row of it, both kinds of page: no read outside the text.
    void cutAtEveryByte() {
        Channel at = channel(u"At"_qs);
        at.atCell = true;
        Channel u1 = channel(u"Free"_qs, Kind::Unlinked, u"Conax"_qs);
        const QString text =
            twoTransponders({channel(u"A"_qs, Kind::Linked, u"Irdeto 1"_qs), channel(u"B"_qs, Kind::Bold), at,
                             channel(u"R"_qs, Kind::Linked, {}, true), u1, u1}) +
            u"<b>3840 H</b> 27500 3/4 1-2 <i>x</i> DVB"_qs;
        int listed = 0;
        for (qsizetype cut = 0; cut <= text.size(); ++cut) {
            const ListingPage page(text.left(cut));
            const SatellitePageScan scan = ScanSatellitePage(page, true);
            for (const TransponderRow& row : scan.rows) {
                for (bool package : {false, true}) {
                    try {
                        listed += ParseChannelRows(page, row, package).rows.size();
                    } catch (const platform::EConvertError&) {
                    }
                }
            }
            ParseChannelRows(page, rowOf(u"99999"_qs, QString(), QString()), true);
        }
        QVERIFY(listed > 0);
    }

    // Pages of any bytes and a large page end without a fault.
    void oddAndLargePages() {
        QRandomGenerator random(16);
        QByteArray noise(200000, '\0');
        const QByteArray alphabet(
            "1234567890 HV-/<>b@\xAE\xB0\r\ndarkgreen homewin </tr <b></b> font size=2");
        for (char& c : noise)
            c = alphabet.at(random.bounded(int(alphabet.size())));
        const ListingPage odd(platform::fromCp1252(noise));
        const SatellitePageScan scan = ScanSatellitePage(odd, true);
        for (const TransponderRow& row : scan.rows)
            ParseChannelRows(odd, row, true);
        const ListingPage large(listingpages::largePage(1500));
        QVERIFY2(large.text().size() > 5000000, qPrintable(QString::number(large.text().size())));
        const SatellitePageScan rows = ScanSatellitePage(large, false);
        QCOMPARE(rows.rows.size(), 1500);
        QCOMPARE(ParseChannelRows(large, rows.rows.last(), false).rows.size(), 15);
    }

    void packagePages_data() {
        QTest::addColumn<QString>("provider");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("page");
        QTest::newRow("Digital + at 8\u00B0W") << u"Digital +"_qs << 18 << u"dphispa.html"_qs;
        QTest::newRow("Digital + elsewhere") << u"Digital +"_qs << 4 << u"dpastra.html"_qs;
        QTest::newRow("Sky Italia") << u"Sky Italia"_qs << 18 << u"skyitalia.html"_qs;
        QTest::newRow("case matters") << u"sky italia"_qs << 4 << QString();
        QTest::newRow("whole text") << u"Sky Italia HD"_qs << 4 << QString();
        QTest::newRow("accent") << u"V\u00EDa Digital"_qs << 4 << u"viadigital.html"_qs;
        QTest::newRow("last") << u"KabelKiosk"_qs << 4 << u"kabelkioskeb9.html"_qs;
        QTest::newRow("empty") << QString() << 4 << QString();
    }
    void packagePages() {
        QFETCH(QString, provider);
        QFETCH(int, item);
        QFETCH(QString, page);
        QCOMPARE(PackagePageName(provider, item), page);
    }

    void siteAddresses_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("root");
        QTest::newRow("no key") << QByteArray("[lyngsat]\r\n1=http://a/b.html\r\n")
                                << u"http://www.lyngsat.com"_qs;
        QTest::newRow("root") << QByteArray("[LyngSat]\r\nROOT=http://127.0.0.1:8080\r\n")
                              << u"http://127.0.0.1:8080"_qs;
        QTest::newRow("trailing slash")
            << QByteArray("[lyngsat]\r\nroot=\"http://h/x//\"\r\n") << u"http://h/x"_qs;
    }
    void siteAddresses() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, root);
        platform::TIniFile file(u"/nonexistent/satellites.ini"_qs);
        file.parse(ini);
        QCOMPARE(SiteRoot(&file), root);
        QCOMPARE(SatellitePageAddress(root, 4), root + u"/hotbird.html"_qs);
        QCOMPARE(SatellitePageAddress(root, 27), root + u"/intel1r.html"_qs);
        QCOMPARE(PackagePageAddress(root, u"dphispa.html"_qs), root + u"/packages/dphispa.html"_qs);
        QCOMPARE(BrowserPageAddress(root, 1), root + u"/turk42.html"_qs);
        QCOMPARE(BrowserPageAddress(root, 21), root + u"/hispa.html"_qs);
        for (int outside : {-1, 28})
            QVERIFY(SatellitePageAddress(root, outside).isEmpty());
        QVERIFY(BrowserPageAddress(root, 22).isEmpty());
    }

    void satelliteBoxAddressIsComplete() {
        const QString longAddress = u"http://127.0.0.1/"_qs + QString(300, QLatin1Char('a'));
        platform::TIniFile file(u"/nonexistent/satellites.ini"_qs);
        file.parse("[lyngsat]\r\n1=" + longAddress.toLatin1() + "\r\n");
        QCOMPARE(SatelliteBoxAddress(file, 0), longAddress);
        QVERIFY(SatelliteBoxAddress(file, 1).isEmpty());
        QCOMPARE(SiteRoot(nullptr), u"http://www.lyngsat.com"_qs);
    }
};

QTEST_GUILESS_MAIN(TestChannelRows)
#include "tst_channelrows.moc"
