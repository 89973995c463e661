#include "ImageFixture.h"

#include "image/ComparisonRow.h"
#include "image/ImageFile.h"
#include "image/SatelliteOps.h"
#include "image/TableOps.h"
#include "image/TransponderMatch.h"
#include "image/TransponderTable.h"

#include <QtTest>

#include <functional>
#include <memory>

using namespace image;

namespace {

TSatelliteRecord sat(int number, int position, bool east = true, int lofLow = 9750) {
    TSatelliteRecord s = ImageFixture::satellite(number, QStringLiteral("Sat %1").arg(number), position);
    s.EastWest = east ? 0x45 : 0x57;
    s.LofLow = static_cast<std::uint16_t>(lofLow);
    return s;
}

enum Pol { H, V, L, R };

/// Satellites 1..7 and transponders 1..13 (numbers as in the comments), ordered by satellite.
ImageFixture searchFixture() {
    ImageFixture f;
    f.satelliteSlots = {sat(0, 192),
                        sat(1, 130),
                        sat(2, 282),
                        sat(3, 285),
                        sat(4, 8, false),
                        sat(5, 10, false),
                        sat(6, 130, true, 5150)};
    const std::vector<std::vector<int>> tps = {
        {0, 11778, V, 27500}, {0, 11778, H, 22000}, {0, 11800, H, 27500}, // 1-3: 19,2°E
        {1, 11779, H, 27500}, {1, 11776, H, 29900}, {1, 3730, R, 27500},  // 4-6: 13,0°E Ku
        {2, 10714, H, 22000},                                             // 7: 28,2°E
        {3, 10714, V, 22000}, {3, 11000, H, 23000},                       // 8-9: 28,5°E
        {4, 10800, H, 25000},                                             // 10: 0,8°W
        {5, 10900, V, 25000},                                             // 11: 1,0°W
        {6, 3730, R, 27500},  {6, 11778, H, 27500},                       // 12-13: 13,0°E C band
    };
    std::vector<int> perSat(7, 0);
    for (const auto& t : tps) {
        f.transponders.push_back(ImageFixture::transponder(t[0], t[1], t[2], t[3]));
        ++perSat[static_cast<std::size_t>(t[0])];
    }
    for (std::size_t s = 0; s < perSat.size(); ++s)
        f.satelliteSlots[s].NumTransponders = static_cast<Byte>(perSat[s]);
    f.providerBlocks = {ImageFixture::provider(QStringLiteral("Anbieter"))};
    return f;
}

QString line(int frequency, const char* pol, int sr) {
    return QStringLiteral("              %1 Mhz  %2   SR: %3       \r\n")
        .arg(frequency)
        .arg(QLatin1String(pol))
        .arg(sr);
}

WebTransponderKey key(const QString& position, int frequency, const QString& pol, int tolerance) {
    return {frequency, pol, position, tolerance};
}

} // namespace

class TstTransponderMatch : public QObject {
    Q_OBJECT
private slots:
    void positionTexts_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("east");
        QTest::addColumn<QString>("compared");
        QTest::addColumn<QString>("shown");
        QTest::newRow("13 east") << 130 << true << QStringLiteral(u"13,0°E") << QStringLiteral(u"13°E");
        QTest::newRow("19.2 east") << 192 << true << QStringLiteral(u"19,2°E") << QStringLiteral(u"19,2°E");
        QTest::newRow("359.5 west") << 3595 << false << QStringLiteral(u"359,5°W")
                                    << QStringLiteral(u"359,5°W");
        QTest::newRow("0.8 west") << 8 << false << QStringLiteral(u"0,8°W") << QStringLiteral(u"0,8°W");
        QTest::newRow("zero") << 0 << true << QStringLiteral(u"0,0°E") << QStringLiteral(u"0°E");
    }
    void positionTexts() {
        QFETCH(int, position);
        QFETCH(bool, east);
        QFETCH(QString, compared);
        QFETCH(QString, shown);
        const TSatelliteRecord s = sat(0, position, east);
        QCOMPARE(SatellitePositionText(s), compared);
        QCOMPARE(SatelliteShortPositionText(s), shown);
        QVERIFY(SatellitePositionMatches(compared, CommaPositionText(QString(compared).replace(u',', u'.'))));
    }

    void bandGuard_data() {
        QTest::addColumn<int>("web");
        QTest::addColumn<int>("lofLow");
        QTest::addColumn<bool>("passes");
        QTest::newRow("Ku on Ku") << 11778 << 9750 << true;
        QTest::newRow("Ku on C") << 11778 << 5150 << false;
        QTest::newRow("C on Ku") << 3730 << 9750 << false;
        QTest::newRow("C on C") << 3730 << 5150 << true;
        QTest::newRow("web 8000") << 8000 << 5150 << true;
        QTest::newRow("LNB 8000 high") << 11000 << 8000 << true;
        QTest::newRow("LNB 8000 low") << 3000 << 8000 << true;
        QTest::newRow("8001 on C") << 8001 << 7999 << false;
        QTest::newRow("7999 on Ku") << 7999 << 8001 << false;
    }
    void bandGuard() {
        QFETCH(int, web);
        QFETCH(int, lofLow);
        QFETCH(bool, passes);
        QCOMPARE(BandGuardPasses(web, lofLow), passes);
    }

    void search_data() {
        QTest::addColumn<QString>("position");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<QString>("pol");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<int>("matched");
        QTest::addColumn<int>("distance");
        QTest::addColumn<bool>("polMismatch");
        QTest::addColumn<int>("satellite");
        QTest::addColumn<QString>("nearList");

        const QString near13 = line(11779, "H", 27500) + line(11776, "H", 29900);
        QTest::newRow("0 Mhz: only the exact frequency; C band record guarded")
            << QStringLiteral(u"13.0°E") << 11778 << QStringLiteral("H") << 0 << 0 << 0 << false << 2
            << near13;
        QTest::newRow("1 Mhz: 11779 at distance 1")
            << QStringLiteral(u"13.0°E") << 11778 << QStringLiteral("H") << 1 << 4 << 1 << false << 2
            << line(11779, "H", 27500);
        QTest::newRow("2 Mhz: two within, the earlier wins")
            << QStringLiteral(u"13.0°E") << 11778 << QStringLiteral("H") << 2 << 4 << 1 << false << 2
            << line(11779, "H", 27500);
        QTest::newRow("2 Mhz: later record when the earlier is too far")
            << QStringLiteral(u"13.0°E") << 11777 << QStringLiteral("H") << 1 << 5 << 1 << false << 2
            << line(11779, "H", 27500) + line(11776, "H", 29900);
        QTest::newRow("polarisation differs on every record within the tolerance")
            << QStringLiteral(u"13.0°E") << 11778 << QStringLiteral("V") << 2 << 0 << 0 << true << 2
            << near13;
        QTest::newRow("mismatch first, then a match clears it")
            << QStringLiteral(u"19.2°E") << 11778 << QStringLiteral("H") << 0 << 2 << 0 << false << 1
            << line(11778, "V", 27500) + line(11778, "H", 22000);
        QTest::newRow("only the first letter of Pol counts")
            << QStringLiteral(u"19.2°E") << 11778 << QStringLiteral("Vertikal") << 0 << 1 << 0 << false << 1
            << line(11778, "V", 27500);
        QTest::newRow("lower case letter is another letter")
            << QStringLiteral(u"19.2°E") << 11778 << QStringLiteral("v") << 0 << 0 << 0 << true << 1
            << line(11778, "V", 27500) + line(11778, "H", 22000) + line(11800, "H", 27500);
        QTest::newRow("C band web frequency passes the Ku record by")
            << QStringLiteral(u"13.0°E") << 3730 << QStringLiteral("R") << 0 << 12 << 0 << false << 7
            << line(3730, "R", 27500);
        QTest::newRow("28,2 also takes 28,5")
            << QStringLiteral(u"28.2°E") << 10714 << QStringLiteral("V") << 0 << 8 << 0 << false << 4
            << line(10714, "H", 22000) + line(10714, "V", 22000);
        QTest::newRow("28,5 does not take 28,2") << QStringLiteral(u"28.5°E") << 10714 << QStringLiteral("H")
                                                 << 0 << 0 << 0 << true << 4 << line(10714, "V", 22000);
        QTest::newRow("S is the satellite of the last matching transponder")
            << QStringLiteral(u"28,2°E") << 12500 << QStringLiteral("H") << 5 << 0 << 0 << false << 4
            << QString();
        QTest::newRow("0,8 west also takes 1,0 west")
            << QStringLiteral(u"0.8°W") << 10900 << QStringLiteral("V") << 0 << 11 << 0 << false << 6
            << line(10900, "V", 25000);
        QTest::newRow("1,0 west does not take 0,8 west")
            << QStringLiteral(u"1.0°W") << 10800 << QStringLiteral("H") << 5 << 0 << 0 << false << 6
            << QString();
        QTest::newRow("east is not west") << QStringLiteral(u"0.8°E") << 10800 << QStringLiteral("H") << 5
                                          << 0 << 0 << false << 0 << QString();
        QTest::newRow("13 without tenths compares as another text")
            << QStringLiteral(u"13°E") << 11779 << QStringLiteral("H") << 0 << 0 << 0 << false << 0
            << QString();
        QTest::newRow("near list reaches 50 Mhz, not 51")
            << QStringLiteral(u"19.2°E") << 11750 << QStringLiteral("H") << 0 << 0 << 0 << false << 1
            << line(11778, "V", 27500) + line(11778, "H", 22000) + line(11800, "H", 27500);
        QTest::newRow("51 away") << QStringLiteral(u"19.2°E") << 11749 << QStringLiteral("H") << 5 << 0 << 0
                                 << false << 1 << line(11778, "V", 27500) + line(11778, "H", 22000);
    }
    void search() {
        QFETCH(QString, position);
        QFETCH(int, frequency);
        QFETCH(QString, pol);
        QFETCH(int, tolerance);
        QFETCH(int, matched);
        QFETCH(int, distance);
        QFETCH(bool, polMismatch);
        QFETCH(int, satellite);
        QFETCH(QString, nearList);
        const ImagePtr img = loadFixture(searchFixture());
        const TransponderSearchResult r = FindWebTransponder(*img, key(position, frequency, pol, tolerance));
        QCOMPARE(r.matchedTransponder, matched);
        QCOMPARE(r.found(), matched != 0);
        QCOMPARE(r.distance, distance);
        QCOMPARE(r.polarisationMismatch, polMismatch);
        QCOMPARE(r.satellite, satellite);
        QCOMPARE(r.nearList, nearList);
    }

    void toleranceWindow() {
        // With 2 Mhz, web 11778 takes records from 11776 to 11780.
        for (int f = 11770; f <= 11786; ++f) {
            ImageFixture fixture;
            fixture.satelliteSlots = {sat(0, 192)};
            fixture.satelliteSlots[0].NumTransponders = 1;
            fixture.transponders = {ImageFixture::transponder(0, f, H)};
            const ImagePtr img = loadFixture(fixture);
            for (int tolerance = 0; tolerance <= 5; ++tolerance) {
                const bool within = std::abs(f - 11778) <= tolerance;
                const TransponderSearchResult r = FindWebTransponder(
                    *img, key(QStringLiteral(u"19.2°E"), 11778, QStringLiteral("H"), tolerance));
                QVERIFY2(r.found() == within,
                         qPrintable(QStringLiteral("%1 with %2 Mhz").arg(f).arg(tolerance)));
            }
        }
    }

    void damagedSatelliteIndexIsPassedBy() {
        ImagePtr img = loadFixture(searchFixture());
        for (int t = 1; t <= 5; ++t)
            img->Transponders[t].SatelliteIndex =
                t == 4 ? 7 : 200; // 8 is past SatelliteCount, 201 past the table
        const TransponderSearchResult r =
            FindWebTransponder(*img, key(QStringLiteral(u"13.0°E"), 11778, QStringLiteral("H"), 2));
        QCOMPARE(r.matchedTransponder, 0);
        QCOMPARE(r.satellite, 2);
        QCOMPARE(r.nearList, QString());
    }

    void noTransponders() {
        ImageFixture fixture = searchFixture();
        fixture.transponders.clear();
        for (auto& s : fixture.satelliteSlots)
            s.NumTransponders = 0;
        const ImagePtr img = loadFixture(fixture);
        const TransponderSearchResult r =
            FindWebTransponder(*img, key(QStringLiteral(u"13.0°E"), 11778, QStringLiteral("H"), 5));
        QVERIFY(!r.found());
        QVERIFY(!r.polarisationMismatch);
        QCOMPARE(r.satellite, 0);
        QCOMPARE(r.nearList, QString());
    }

    void messages() {
        const ImagePtr img = loadFixture(searchFixture());
        const QString near =
            FindWebTransponder(*img, key(QStringLiteral(u"13.0°E"), 11778, QStringLiteral("V"), 2)).nearList;
        QCOMPARE(PolarisationMismatchMessage(near),
                 QStringLiteral("Es wurde ein Transponder auf diesem Sat mit passender Frequenz gefunden.\r\n"
                                "Aber die Polarisation stimmt nicht.\r\n"
                                "              11779 Mhz  H   SR: 27500       \r\n"
                                "              11776 Mhz  H   SR: 29900       \r\n"));
        QCOMPARE(NewTransponderQuestion(near),
                 QStringLiteral("Transponder nicht gefunden !\r\n\r\nvorhanden:\r\n\r\n"
                                "              11779 Mhz  H   SR: 27500       \r\n"
                                "              11776 Mhz  H   SR: 29900       \r\n"
                                "\r\n\r\nNeuen Transponder erstellen ?"));
        QCOMPARE(NewTransponderQuestion(QString()),
                 QStringLiteral("Transponder nicht gefunden !\r\n\r\nvorhanden:\r\n\r\n\r\n\r\nNeuen "
                                "Transponder erstellen ?"));
        QCOMPARE(TransponderNotFoundCaption(QStringLiteral("11778")),
                 QStringLiteral("Transponder nicht gefunden (11778)"));
        QVERIFY(TransponderNotFoundCaption(QStringLiteral("1")).contains(TransponderNotFoundMark()));
        QVERIFY(!TransponderFoundCaption().contains(TransponderNotFoundMark()));
        QCOMPARE(TransponderFoundCaption(), QStringLiteral("Transponder gefunden"));
        QCOMPARE(FoundFrequencyCaption(11779), QStringLiteral("Frequenz: 11779"));
        QCOMPARE(FoundSymbolRateCaption(27500), QStringLiteral("SR: 27500"));
    }

    void staleMatch() {
        const WebTransponderKey k = key(QStringLiteral(u"13.0°E"), 11778, QStringLiteral("H"), 1);
        // The numbers 0..14 the match still holds for after the change (-1: the change failed).
        const auto holding = [&](const std::function<bool(SettingsImage&)>& change) {
            const ImagePtr img = loadFixture(searchFixture());
            QList<int> out;
            if (!change(*img))
                out << -1;
            for (int t = 0; t <= 14; ++t)
                if (MatchedTransponderHolds(*img, k, t))
                    out << t;
            return out;
        };
        QCOMPARE(holding([&](SettingsImage& i) { return FindWebTransponder(i, k).matchedTransponder == 4; }),
                 QList<int>{4});
        {
            const ImagePtr img = loadFixture(searchFixture());
            QVERIFY(!MatchedTransponderHolds(*img, {11778, QStringLiteral("H"), QStringLiteral(u"13.0°E"), 0},
                                             4));
        }
        // A transponder deleted in front of it: number 4 now names the record behind.
        QCOMPARE(holding([](SettingsImage& i) { return DeleteTransponder(0, i); }), QList<int>{3});
        // The matched transponder itself deleted: nothing holds.
        QCOMPARE(holding([](SettingsImage& i) { return DeleteTransponder(3, i); }), QList<int>{});
        // A transponder created in front of it: the match moved up to number 5.
        QCOMPARE(holding([](SettingsImage& i) {
                     int position = 0;
                     return InsertTransponder(ImageFixture::transponder(1, 11000), i, &position) ==
                                TransponderInsertion::Inserted &&
                            position == 4;
                 }),
                 QList<int>{5});
        // Its satellite moved to the front of the list: its transponders now stand first.
        QCOMPARE(holding([](SettingsImage& i) { return MoveSatellite(1, 0, i); }), QList<int>{1});
        // Its satellite's position changed.
        QCOMPARE(holding([](SettingsImage& i) { return (i.Satellites[2].OrbitalPosition = 160); }),
                 QList<int>{});
    }

    void comparisonRows() {
        ImageFixture f = searchFixture();
        const std::vector<std::pair<int, int>> types = {{0x10, 3}, {0x18, 3}, {0x19, 3},
                                                        {0x11, 0}, {0x14, 3}, {0x10, 3}};
        for (std::size_t i = 0; i < types.size(); ++i) {
            f.channels.push_back(
                ImageFixture::channel(QStringLiteral("Kanal %1").arg(i), types[i].second, 0, 300 + int(i)));
            f.channels.back().ServiceType = static_cast<Byte>(types[i].first);
        }
        f.channels[2].VideoPid = kNoPid;
        f.channels[2].TunerFlags = 0x80;
        f.tvCount = 4;
        f.favGroups = {ImageFixture::favGroup(QStringLiteral("A"), {1}),
                       ImageFixture::favGroup(QStringLiteral("B"), {})};
        for (int g = 2; g < 9; ++g)
            f.favGroups.push_back(ImageFixture::favGroup(QStringLiteral("G"), g == 8 ? std::vector<int>{1, 4}
                                                                                     : std::vector<int>{}));
        ImagePtr img = loadFixture(f);
        img->Channels[6].TransponderIndex = 4000; // damaged: names no transponder

        QCOMPARE(ChannelsOnTransponder(*img, 4), (std::vector<int>{1, 2, 3, 5}));
        QCOMPARE(ChannelsOnTransponder(*img, 1), (std::vector<int>{4}));
        QCOMPARE(ChannelsOnTransponder(*img, 2), std::vector<int>{});

        QStringList typeTexts;
        for (int c = 1; c <= 6; ++c)
            typeTexts << MakeComparisonRow(*img, c).type;
        QCOMPARE(typeTexts,
                 (QStringList{u"TV"_qs, u"TV HD"_qs, u"TV HD S"_qs, u"TV S"_qs, u"R"_qs, u"R"_qs}));

        const ComparisonRow second = MakeComparisonRow(*img, 2);
        QCOMPARE((QStringList{second.channel, second.sat, second.pol, second.tuner, second.serviceId,
                              second.videoPid}),
                 (QStringList{u"Kanal 1"_qs, u"13°E"_qs, u"H"_qs, u"1"_qs, u"301"_qs, u"256"_qs}));
        QCOMPARE((QList<int>{second.frequency, second.transponder, second.number, second.provider}),
                 (QList<int>{11779, 4, 2, 0}));
        QCOMPARE(second.fav,
                 (std::array<bool, 9>{true, false, false, false, false, false, false, false, true}));
        QVERIFY(!second.sMark);

        const ComparisonRow third = MakeComparisonRow(*img, 3);
        QCOMPARE((QStringList{third.videoPid, third.tuner}), (QStringList{QString(), u"2"_qs}));
        QCOMPARE(third.fav, (std::array<bool, 9>{}));
        QCOMPARE(MakeComparisonRow(*img, 4).sat, QStringLiteral(u"19,2°E"));
        QVERIFY(MakeComparisonRow(*img, 5).sMark);
        QCOMPARE(MakeComparisonRow(*img, 5).fav[8], true);

        const ComparisonRow damaged = MakeComparisonRow(*img, 6);
        QCOMPARE((QStringList{damaged.sat, damaged.pol}), (QStringList{QString(), u"?"_qs}));
        QCOMPARE((QList<int>{damaged.frequency, damaged.transponder}), (QList<int>{0, 4001}));
    }
};

QTEST_GUILESS_MAIN(TstTransponderMatch)
#include "tst_transpondermatch.moc"
