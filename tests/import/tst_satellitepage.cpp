#include "ListingPages.h"
#include "import/CaSystems.h"
#include "import/ChannelRows.h"
#include "import/SatellitePage.h"
#include "platform/Cp1252.h"
#include "platform/Exceptions.h"

#include <QtTest>

using namespace webimport;
using listingpages::Transponder;

namespace {

QString joinLines(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

// One row as "frequency pol|SR|FEC|ONID|ID|DVB-S2|HD|crypt|provider".
QString describe(const TransponderRow& r) {
    const QString place = r.frequency + u' ' + r.polarisation;
    const QStringList fields{place, r.symbolRate, r.fec, r.onid, r.tid, r.dvbS2, r.hd, r.crypt, r.provider};
    return fields.join(u'|');
}

QStringList describeAll(const SatellitePageScan& scan) {
    QStringList out;
    for (const TransponderRow& r : scan.rows)
        out << describe(r);
    return out;
}

QStringList scanLines(const QStringList& lines, bool cBand = false) {
    return describeAll(ScanSatellitePage(ListingPage(joinLines(lines)), cBand));
}

const QString kFrequencyLine = QStringLiteral("<td><b>11034 V</b></td>");

} // namespace

class TestSatellitePage : public QObject {
    Q_OBJECT

private slots:
    void lineStore_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        const QString x200(200, QLatin1Char('x'));
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("LF, final break") << QStringLiteral("a\nb\n") << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("empty line kept") << QStringLiteral("a\r\n\r\nb") << QStringList{u"a"_qs, {}, u"b"_qs};
        QTest::newRow("lone CR is text") << QStringLiteral("a\rb\n") << QStringList{u"a\rb"_qs};
        QTest::newRow("only a break") << QStringLiteral("\r\n") << QStringList{QString()};
        QTest::newRow("wrap 450") << QString(450, QLatin1Char('x'))
                                  << QStringList{x200, x200, QString(50, QLatin1Char('x'))};
        QTest::newRow("exactly 200") << x200 + QStringLiteral("\r\ny") << QStringList{x200, u"y"_qs};
        QTest::newRow("201") << x200 + QStringLiteral("z") << QStringList{x200, u"z"_qs};
    }
    void lineStore() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        const PageLines store(text);
        QCOMPARE(store.count(), lines.size());
        QStringList stored;
        for (int i = 0; i < lines.size(); ++i)
            stored << store.line(i).toString();
        QCOMPARE(stored, lines);
        for (int outside : {-1, int(lines.size()), int(lines.size()) + 5})
            QVERIFY(store.line(outside).isEmpty());
    }

    // Rows of one transponder block, the page's patterns varied one at a time.
    void transponderRow_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("cBand");
        QTest::addColumn<QStringList>("rows");
        const QString frq = kFrequencyLine;
        const QString s2 = QStringLiteral("<td>DVB-S2</td>");
        const QString rate = QStringLiteral("<td><br>27500 3/4</td>");
        const QString ids = QStringLiteral("<td>1-1019</td>");
        const QString end = QStringLiteral("</tr>");
        auto one = [](const QString& row) { return QStringList{row}; };
        QTest::newRow("the example block")
            << QStringList{frq, s2, rate, ids, end} << false << one(u"11034 V|27500|3/4|1|1019|DVB-S2|||"_qs);
        QTest::newRow("9/10") << QStringList{frq, u"<td>27500 9/10</td>"_qs, ids} << false
                              << one(u"11034 V|27500|9/10|1|1019||||"_qs);
        QTest::newRow("no FEC before </tr") << QStringList{frq, s2, end, rate, ids} << false << QStringList();
        QTest::newRow("FEC in the 14th line")
            << QStringList{frq,     u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs, u"f"_qs, u"g"_qs,
                           u"h"_qs, u"i"_qs, u"j"_qs, u"k"_qs, u"l"_qs, u"m"_qs, rate,    ids}
            << false << one(u"11034 V|27500|3/4|1|1019||||"_qs);
        QTest::newRow("FEC in the 15th line")
            << QStringList{frq,     u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs, u"f"_qs, u"g"_qs, u"h"_qs,
                           u"i"_qs, u"j"_qs, u"k"_qs, u"l"_qs, u"m"_qs, u"n"_qs, rate,    ids}
            << false << QStringList();
        // The FEC must have six characters after its first one.
        QTest::newRow("FEC 6 before the end") << QStringList{frq, u"<td>27500 3/4</td"_qs, ids} << false
                                              << one(u"11034 V|27500|3/4|1|1019||||"_qs);
        QTest::newRow("FEC 5 before the end")
            << QStringList{frq, u"<td>27500 3/4</t"_qs, ids} << false << QStringList();
        QTest::newRow("FEC at 6: 27 and the first 2")
            << QStringList{frq, u"<td>SR 27"_qs, u"500  3/4</td>"_qs, ids} << false
            << one(u"11034 V|2750|3/4|1|1019||||"_qs);
        QTest::newRow("FEC at 4: all digits before")
            << QStringList{frq, u"<td>22000"_qs, u"ab 3/4 </td>"_qs, ids} << false
            << one(u"11034 V|22000|3/4|1|1019||||"_qs);
        QTest::newRow("FEC at 2: skip 2") << QStringList{frq, u"<td>22000ab"_qs, u" 3/4 </td>"_qs, ids}
                                          << false << one(u"11034 V|22000|3/4|1|1019||||"_qs);
        QTest::newRow("FEC at 1: skip 3") << QStringList{frq, u"<td>27500 ab"_qs, u"3/4 </td>x"_qs, ids}
                                          << false << one(u"11034 V|27500|3/4|1|1019||||"_qs);
        QTest::newRow("prepend stops at 9 digits")
            << QStringList{frq, u"1234567890123"_qs, u"ab 3/4 </td>"_qs, ids} << false
            << one(u"11034 V|567890123|3/4|1|1019||||"_qs);
        QTest::newRow("prepend stops at the line start")
            << QStringList{frq, u"123"_qs, u"ab 3/4 </td>"_qs, ids} << false
            << one(u"11034 V|123|3/4|1|1019||||"_qs);
        QTest::newRow("two FECs append their rates")
            << QStringList{frq, u"<td>27500 3/4 22000 5/6 </td>"_qs, ids} << false
            << one(u"11034 V|2750022000|5/6|1|1019||||"_qs);
        QTest::newRow("updated ends a pass") << QStringList{frq, s2, rate, u"updated 2-3"_qs, end} << false
                                             << one(u"11034 V|27500|3/4|||DVB-S2|||"_qs);
        QTest::newRow("second dash on the FEC line")
            << QStringList{frq, u"<td>1-10 2-20 27500 3/4</td>"_qs, u"<td>x</td>"_qs, end} << false
            << one(u"11034 V|27500|3/4|2|20||||"_qs);
        QTest::newRow("dash at the line end")
            << QStringList{frq, rate, u"<td>x</td>7-"_qs} << false << one(u"11034 V|27500|3/4|7|||||"_qs);
        QTest::newRow("one character after the dash")
            << QStringList{frq, rate, u"<td>x</td>7-5"_qs} << false << one(u"11034 V|27500|3/4|7|5||||"_qs);
        QTest::newRow("underscore after the dash") << QStringList{frq, rate, u"<td>1-1_19</td>"_qs, end}
                                                   << false << one(u"11034 V|27500|3/4||||||"_qs);
        QTest::newRow("SR equal to ONID, ID equal to FEC digit")
            << QStringList{frq, rate, u"<td>27500-3</td>"_qs} << false << one(u"11034 V|27500|3/4||||||"_qs);
        QTest::newRow("SR equal to ONID, other ID")
            << QStringList{frq, rate, u"<td>27500-9</td>"_qs} << false << one(u"11034 V|27500|3/4||9||||"_qs);
        QTest::newRow("CA on two lines, HD")
            << QStringList{frq, u"Mediaguard 2"_qs, u"Nagravision 3 MPEG-4/HD"_qs, rate, ids} << false
            << one(u"11034 V|27500|3/4|1|1019||ja|S2/N3|"_qs);
        QTest::newRow("version right after the name") << QStringList{frq, u"Mediaguard2"_qs, rate, ids}
                                                      << false << one(u"11034 V|27500|3/4|1|1019||||"_qs);
        QTest::newRow("version 8 after the name")
            << QStringList{frq, u"Mediaguard xxxxxx2"_qs, u"Viaccess xxxxxxx1"_qs, rate, ids} << false
            << one(u"11034 V|27500|3/4|1|1019|||S2|"_qs);
        QTest::newRow("codes repeat per line")
            << QStringList{frq, u"Conax"_qs, u"Conax Irdeto 2"_qs, rate, ids} << false
            << one(u"11034 V|27500|3/4|1|1019|||CX/I2/CX|"_qs);
        QTest::newRow("C band off") << QStringList{u"<b>3840 H</b>"_qs, rate, ids} << false << QStringList();
        QTest::newRow("C band on") << QStringList{u"<b>3840 H</b>"_qs, rate, ids} << true
                                   << one(u"3840 H|27500|3/4|1|1019||||"_qs);
        QTest::newRow("C band L") << QStringList{u"<b>3840 L</b>"_qs, rate, ids} << true
                                  << one(u"3840 L|27500|3/4|1|1019||||"_qs);
        QTest::newRow("Ku with L") << QStringList{u"<b>11034 L</b>"_qs, rate, ids} << true << QStringList();
        QTest::newRow("other letter")
            << QStringList{u"<b>11034 X</b>"_qs, rate, ids} << false << QStringList();
        QTest::newRow("two characters before the letter")
            << QStringList{u"<b>11034  V</b>"_qs, rate, ids} << false << QStringList();
        QTest::newRow("six digits") << QStringList{u"<b>111034 V</b>"_qs, rate, ids} << false
                                    << one(u"11034 V|27500|3/4|1|1019||||"_qs);
        QTest::newRow("letter on the next line") << QStringList{u"xx 11034"_qs, u" V</b>"_qs, rate, ids}
                                                 << false << one(u"11034 V|27500|3/4|1|1019||||"_qs);
        QTest::newRow("frequency ends its line")
            << QStringList{u"x 11034 V"_qs, rate, ids} << false << one(u"11034 V|27500|3/4|1|1019||||"_qs);
        QTest::newRow("letter in the last line")
            << QStringList{u"x 11034"_qs, u" V"_qs} << false << QStringList();
        QTest::newRow("two on one line")
            << QStringList{u"11034 V 11054 H"_qs, rate, ids} << false
            << QStringList{u"11034 V|27500|3/4|1|1019||||"_qs, u"11054 H|27500|3/4|1|1019||||"_qs};
    }
    void transponderRow() {
        QFETCH(QStringList, lines);
        QFETCH(bool, cBand);
        QFETCH(QStringList, rows);
        QCOMPARE(scanLines(lines, cBand), rows);
        // A page with LF breaks only reads the same.
        QCOMPARE(describeAll(ScanSatellitePage(ListingPage(lines.join(QLatin1Char('\n'))), cBand)), rows);
    }

    void providerName_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("provider");
        const QString rate = QStringLiteral("<td>27500 3/4</td>");
        QTest::newRow("linked") << QStringList{kFrequencyLine, u"<a class=\"homewin\">Sky Italia</a>"_qs,
                                               u"DVB-S"_qs, rate}
                                << u"Sky Italia"_qs;
        QTest::newRow("italic") << QStringList{kFrequencyLine, u"<i>Nova</i> DVB-S"_qs, rate} << u"Nova"_qs;
        QTest::newRow("italic <br>") << QStringList{kFrequencyLine, u"<i><br></i> DVB-S"_qs, rate}
                                     << QString();
        QTest::newRow("link after DVB")
            << QStringList{kFrequencyLine, u"DVB-S"_qs, rate, u"<a class=\"homewin\">Later</a>"_qs}
            << QString();
        QTest::newRow("no DVB") << QStringList{kFrequencyLine, u"<a class=\"homewin\">Sky</a>"_qs, rate}
                                << QString();
        QTest::newRow("tag right after homewin")
            << QStringList{kFrequencyLine, u"<a class=\"homewin<\">Sky</a> DVB-S"_qs, rate} << QString();
        QTest::newRow("no closing </i> after <i>")
            << QStringList{kFrequencyLine, u"</i> <i>Nova DVB-S"_qs, rate} << QString();
        QTest::newRow("anchor elsewhere first") << QStringList{u"11034 V"_qs, u"<i>First</i> DVB"_qs,
                                                               kFrequencyLine, u"<i>Second</i> DVB"_qs, rate}
                                                << u"First"_qs;
        QTest::newRow("control characters, a NUL among them")
            << QStringList{kFrequencyLine, u"<i>"_qs + QChar(0) + u"A\tB"_qs + QChar(0x1F) + u"</i> DVB-S"_qs,
                           rate}
            << u"AB"_qs;
        QTest::newRow("cut at 255") << QStringList{kFrequencyLine, u"<i>"_qs + QString(300, QLatin1Char('n')),
                                                   u"</i> DVB"_qs, rate}
                                    << QString(255, QLatin1Char('n'));
    }
    void providerName() {
        QFETCH(QStringList, lines);
        QFETCH(QString, provider);
        const SatellitePageScan scan = ScanSatellitePage(ListingPage(joinLines(lines)), false);
        QVERIFY(!scan.rows.isEmpty());
        QCOMPARE(scan.rows.last().provider, provider);
    }

    void pagePosition_data() {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("position");
        QTest::newRow("title") << u"<title>LyngSat - Hotbird 13.0\u00B0E</title>"_qs << u"13.0\u00B0E"_qs;
        QTest::newRow("blank before degree")
            << u"<title>LyngSat Astra 19.2 \u00B0E</title>"_qs << u"19.2 \u00B0E"_qs;
        QTest::newRow("degree last") << u"<title>LyngSat Astra 19.2\u00B0"_qs << u"19.2\u00B0"_qs;
        QTest::newRow("degree first") << u"<title>Lyng\u00B0East"_qs << u"\u00B0E"_qs;
        QTest::newRow("no degree") << u"<title>LyngSat</title>"_qs << QString();
        QTest::newRow("degree past 50")
            << u"<title>LyngSat "_qs + QString(50, QLatin1Char('x')) + u" 5\u00B0E"_qs << QString();
        QTest::newRow("only the first title line")
            << u"<title>LyngSat</title>\r\n<title>LyngSat 5.0\u00B0E</title>"_qs << QString();
        QTest::newRow("no title") << u"<head>Hotbird 13.0\u00B0E</head>"_qs << QString();
        QTest::newRow("title at the line end") << u"x title"_qs << QString();
    }
    void pagePosition() {
        QFETCH(QString, head);
        QFETCH(QString, position);
        const SatellitePageScan scan = ScanSatellitePage(ListingPage(head + u"\r\n<b>11034 V</b>"_qs), false);
        QCOMPARE(scan.PagePositionText, position);
    }

    void progress_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("percent");
        QTest::newRow("first line") << 0 << 10 << 0;
        QTest::newRow("-0.5 is 0") << 1 << 200 << 0;
        QTest::newRow("0.5 rounds to 0") << 3 << 200 << 0;
        QTest::newRow("1.5 rounds to 2") << 5 << 200 << 2;
        QTest::newRow("last of 10") << 9 << 10 << 89;
        QTest::newRow("no lines") << 0 << 0 << 0;
    }
    void progress() {
        QFETCH(int, line);
        QFETCH(int, lines);
        QFETCH(int, percent);
        QCOMPARE(ScanProgressPercent(line, lines), percent);
    }

    void progressVisitsEveryLine() {
        QList<int> seen;
        ScanSatellitePage(ListingPage(u"a\r\nb\r\nc"_qs), false, [&seen](int line, int lines) {
            QCOMPARE(lines, 3);
            seen << line;
        });
        QCOMPARE(seen, (QList<int>{0, 1, 2}));
    }

    void caSystemTests_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("packageCodes");
        QTest::newRow("none") << u"free"_qs << QString() << QString();
        QTest::newRow("Mediaguard 2 / 3") << u"Mediaguard 2 / 3"_qs << u"S2/S3"_qs << u"S2/S3"_qs;
        QTest::newRow("Nagravision 3 Cryptoworks")
            << u"Nagravision 3 Cryptoworks"_qs << u"N3/CW"_qs << u"N3/CW"_qs;
        QTest::newRow("Irdeto 1 needs the exact text in a row") << u"Irdeto  1"_qs << u"I1"_qs << QString();
        QTest::newRow("Irdeto 1") << u"Irdeto 1"_qs << u"I1"_qs << u"I1"_qs;
        QTest::newRow("Irdeto 2") << u"Irdeto 2"_qs << u"I2"_qs << u"I2"_qs;
        QTest::newRow("table order") << u"Videoguard Conax Viaccess 2.0 Viaccess"_qs << u"V2/CX/VG"_qs
                                     << u"V2/CX/VG"_qs;
        QTest::newRow("only the first name counts") << u"Viaccess Viaccess 1"_qs << QString() << QString();
        QTest::newRow("name at the end") << u"x Viaccess"_qs << QString() << QString();
    }
    void caSystemTests() {
        QFETCH(QString, text);
        QFETCH(QString, codes);
        QFETCH(QString, packageCodes);
        QString line;
        AppendLineCaSystems(line, text);
        QCOMPARE(line, codes);
        QCOMPARE(PackageCaSystems(text), packageCodes);
    }

    void caTextIsCutAt255() {
        QString ca;
        for (int i = 0; i < 100; ++i)
            AppendCaSystem(ca, u"CX");
        QCOMPARE(ca.size(), 255);
        QVERIFY(ca.startsWith(u"CX/CX/"));
    }

    // Bytes above 127 are Windows-1252, not Latin-1: 0x80 is the euro sign.
    void namesAboveAscii() {
        const QByteArray name("T\xE9l\xE9 \x80 \x9A\xFC", 9);
        const QByteArray bytes =
            "<b>11034 V</b>\r\n<td><i>" + name + "</i> DVB-S</td>\r\n<td>27500 3/4</td>\r\n";
        const SatellitePageScan scan = ScanSatellitePage(ListingPage(platform::fromCp1252(bytes)), false);
        QCOMPARE(scan.rows.size(), 1);
        QCOMPARE(scan.rows.first().provider, u"T\u00E9l\u00E9 \u20AC \u0161\u00FC"_qs);
    }

    // A whole page of the builder: rows, provider and position as the rules give them.
    void builtPage() {
        Transponder a;
        a.extra << u"<td>Nagravision 3</td>"_qs;
        Transponder b;
        b.frequency = u"12207"_qs;
        b.polarisation = u"H"_qs;
        b.provider = u"Nova"_qs;
        b.italicProvider = true;
        b.system = u"DVB-S"_qs;
        b.rateLine = u"<td><br>22000 5/6</td>"_qs;
        b.ids = u"<td>318-12400</td>"_qs;
        const QString text = listingpages::page(u"LyngSat - Hotbird 13.0\u00B0E"_qs, {a, b});
        const QStringList expected{u"11034 V|27500|3/4|1|1019|DVB-S2||N3|Sky Italia"_qs,
                                   u"12207 H|22000|5/6|318|12400||||Nova"_qs};
        for (const QString& variant : {text, QString(text).replace(u"\r\n"_qs, u"\n"_qs)}) {
            const SatellitePageScan scan = ScanSatellitePage(ListingPage(variant), false);
            QCOMPARE(describeAll(scan), expected);
            QCOMPARE(scan.PagePositionText, u"13.0\u00B0E"_qs);
        }
    }
};

QTEST_GUILESS_MAIN(TestSatellitePage)
#include "tst_satellitepage.moc"
