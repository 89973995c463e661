// Satellite moves and deletions, new transponders, and the save's load-back check, on whole images.
#include "ImageFixture.h"
#include "ImageInvariants.h"

#include "image/Fields.h"
#include "image/ImageFile.h"
#include "image/Layout.h"
#include "image/LoadBackCheck.h"
#include "image/SatelliteOps.h"
#include "image/TableOps.h"
#include "image/TransponderTable.h"

#include <QtTest>

#include <functional>
#include <map>
#include <memory>
#include <tuple>

using namespace image;

namespace {

/// Five satellites "S0".."S4"; satellite s has perSatellite[s] transponders with frequencies unique in the
/// image, listed in tableOrder (indexes into the satellite-ordered list; empty: ordered); two channels
/// per transponder; two favourite groups spread over them.
ImageFixture satelliteFixture(const std::vector<int>& perSatellite = {3, 0, 2, 0, 4},
                              const std::vector<int>& tableOrder = {}) {
    ImageFixture f;
    std::vector<TTransponderRecord> ordered;
    for (std::size_t s = 0; s < perSatellite.size(); ++s) {
        TSatelliteRecord sat =
            ImageFixture::satellite(int(s), QStringLiteral("S%1").arg(s), 100 + int(s) * 50);
        sat.NumTransponders = static_cast<Byte>(perSatellite[s]);
        sat.Reserved21 = static_cast<Byte>(0xC0 + s); // follows its record through every move
        f.satelliteSlots.push_back(sat);
        for (int k = 0; k < perSatellite[s]; ++k)
            ordered.push_back(ImageFixture::transponder(int(s), 10700 + int(ordered.size()) * 100, k % 4));
    }
    std::vector<int> order = tableOrder; // the records it leaves out follow in their order
    for (int i = 0; i < int(ordered.size()); ++i)
        if (std::find(order.begin(), order.end(), i) == order.end())
            order.push_back(i);
    for (int i : order)
        f.transponders.push_back(ordered[std::size_t(i)]);
    for (std::size_t t = 0; t < f.transponders.size(); ++t)
        for (int j = 0; j < 2; ++j)
            f.channels.push_back(ImageFixture::channel(QStringLiteral("C%1.%2").arg(t).arg(j), int(t), 0,
                                                       1000 + int(f.channels.size())));
    f.tvCount = int(f.channels.size()) / 2;
    f.providerBlocks = {ImageFixture::provider(QStringLiteral("P"))};
    const int n = int(f.channels.size());
    f.favGroups = {ImageFixture::favGroup(QStringLiteral("A"), {n - 1, 0, n / 2}),
                   ImageFixture::favGroup(QStringLiteral("B"), {1, n - 2})};
    return f;
}

/// What a move or deletion must keep: each channel (by service ID) on the same frequency and
/// polarisation of the same satellite; each transponder (by frequency) on its satellite.
struct Identity {
    std::map<int, std::tuple<int, int, QString>> channels;
    std::map<int, QString> transponders;

    static Identity of(const SettingsImage& img) {
        Identity id;
        for (int c = 1; c <= img.ChannelCount; ++c) {
            const TTransponderRecord& t = img.Transponders[img.Channels[c].TransponderIndex + 1];
            id.channels[img.Channels[c].ServiceId] = {
                t.Frequency, t.Polarisation, SatelliteDisplayName(img.Satellites[t.SatelliteIndex + 1])};
        }
        for (int t = 1; t <= img.TransponderCount; ++t)
            id.transponders[img.Transponders[t].Frequency] =
                SatelliteDisplayName(img.Satellites[img.Transponders[t].SatelliteIndex + 1]);
        return id;
    }
    bool operator==(const Identity&) const = default;
};

QStringList satelliteNames(const SettingsImage& img) {
    QStringList names;
    for (int s = 1; s <= img.SatelliteCount; ++s)
        names << SatelliteDisplayName(img.Satellites[s]);
    return names;
}

/// "S<i>" for each i.
QStringList names(std::initializer_list<int> satellites) {
    QStringList out;
    for (int s : satellites)
        out << QStringLiteral("S%1").arg(s);
    return out;
}

QList<int> frequencies(const SettingsImage& img) {
    QList<int> out;
    for (int t = 1; t <= img.TransponderCount; ++t)
        out << img.Transponders[t].Frequency;
    return out;
}

/// Serialises img and reads it back: the save's check must pass and the reload equal the tables.
void verifyLoadsBack(const SettingsImage& img) {
    QByteArray bytes;
    QVERIFY(!serializeImage(img, bytes));
    QCOMPARE(LoadBackProblem(img, bytes), QString());
    SettingsImage back;
    QVERIFY(!parseImage(bytes, back));
    QCOMPARE(back.TransponderCount, img.TransponderCount);
    QCOMPARE(back.SatelliteCount, img.SatelliteCount);
}

} // namespace

class TstSatelliteOps : public QObject {
    Q_OBJECT
private slots:
    void moveSatellite_everyPairKeepsIdentity() {
        const ImageFixture fixture = satelliteFixture();
        for (int from = 0; from < 5; ++from) {
            for (int to = 0; to < 5; ++to) {
                if (from == to)
                    continue;
                const QByteArray pair = QStringLiteral("from %1 to %2").arg(from).arg(to).toLatin1();
                const ImagePtr img = loadFixture(fixture);
                const Identity before = Identity::of(*img);
                const auto channels = img->Channels;
                const auto groups = img->FavGroups;
                QStringList names = satelliteNames(*img);
                names.move(from, to);
                QList<int> counts;
                for (int s = 1; s <= 5; ++s)
                    counts << img->Satellites[s].NumTransponders;
                counts.move(from, to);

                QVERIFY2(MoveSatellite(from, to, *img), pair);

                QVERIFY2(Identity::of(*img) == before, pair);
                QCOMPARE(satelliteNames(*img), names);
                for (int s = 1; s <= 5; ++s) {
                    QCOMPARE(int(img->Satellites[s].SatelliteNumber), s - 1);
                    QCOMPARE(int(img->Satellites[s].NumTransponders), counts[s - 1]);
                    QCOMPARE(int(img->Satellites[s].Reserved21),
                             0xC0 + SatelliteDisplayName(img->Satellites[s]).mid(1).toInt());
                }
                // Within a satellite the transponders keep their order (ascending frequencies here).
                for (int t = 2; t <= img->TransponderCount; ++t) {
                    if (img->Transponders[t].SatelliteIndex == img->Transponders[t - 1].SatelliteIndex)
                        QVERIFY2(img->Transponders[t].Frequency > img->Transponders[t - 1].Frequency, pair);
                }
                // Only transponder indexes of channels change; favourite groups not at all.
                for (int c = 1; c <= img->ChannelCount; ++c) {
                    TChannelRecord expect = channels[c];
                    expect.TransponderIndex = img->Channels[c].TransponderIndex;
                    QVERIFY2(img->Channels[c] == expect, pair);
                }
                QVERIFY(img->FavGroups == groups);
                QVERIFY_IMAGE_INVARIANTS(*img);
                verifyLoadsBack(*img);
            }
        }
    }

    void moveSatellite_unorderedTableBecomesOrdered() {
        // Satellite-ordered list: S0 10700 10800 10900, S2 11000 11100, S4 11200..11500; stored scrambled.
        const ImagePtr img = loadFixture(satelliteFixture({3, 0, 2, 0, 4}, {5, 0, 3, 8, 1, 6, 2, 4, 7}));
        const Identity before = Identity::of(*img);
        QVERIFY(MoveSatellite(4, 1, *img));
        QVERIFY(Identity::of(*img) == before);
        QCOMPARE(satelliteNames(*img), names({0, 4, 1, 2, 3}));
        // Stable: each satellite's transponders keep the order in which they were stored.
        QCOMPARE(frequencies(*img),
                 (QList<int>{10700, 10800, 10900, 11200, 11500, 11300, 11400, 11000, 11100}));
        QVERIFY_IMAGE_INVARIANTS(*img);
    }

    void moveSatellite_refused_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("onto itself") << 2 << 2;
        QTest::newRow("no row under the press") << -1 << 2;
        QTest::newRow("dropped on no row") << 2 << -1;
        QTest::newRow("past the last satellite") << 1 << 5;
    }
    void moveSatellite_refused() {
        QFETCH(int, from);
        QFETCH(int, to);
        const ImagePtr img = loadFixture(satelliteFixture());
        const auto satellites = img->Satellites;
        const auto transponders = img->Transponders;
        QVERIFY(!MoveSatellite(from, to, *img));
        QVERIFY(img->Satellites == satellites);
        QVERIFY(img->Transponders == transponders);
    }

    void insertTransponder_positions_data() {
        QTest::addColumn<int>("satellite");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("position");
        // Table: S0 10700 10800 10900 | S2 11000 11100 | S4 11200 11300 11400 11500.
        QTest::newRow("between two of its satellite") << 0 << 10750 << 2;
        QTest::newRow("below all of its satellite") << 2 << 10000 << 4;
        QTest::newRow("equal frequency goes after") << 2 << 11000 << 5;
        QTest::newRow("above all: before the next satellite") << 0 << 20000 << 4;
        QTest::newRow("satellite without transponders") << 1 << 12000 << 4;
        QTest::newRow("last satellite, highest") << 4 << 12000 << 10;
        QTest::newRow("satellite without transponders after the last run") << 3 << 9000 << 6;
    }
    void insertTransponder_positions() {
        QFETCH(int, satellite);
        QFETCH(int, frequency);
        QFETCH(int, position);
        const ImagePtr img = loadFixture(satelliteFixture());
        const Identity before = Identity::of(*img);
        const int count = img->Satellites[satellite + 1].NumTransponders;
        TTransponderRecord record = ImageFixture::transponder(satellite, frequency, 1, 22000);
        QCOMPARE(TransponderInsertPosition(satellite, frequency, *img), position);

        int p = 0;
        QCOMPARE(InsertTransponder(record, *img, &p), TransponderInsertion::Inserted);
        QCOMPARE(p, position);
        QCOMPARE(img->TransponderCount, 10);
        QVERIFY(img->Transponders[position] == record);
        QCOMPARE(int(img->Satellites[satellite + 1].NumTransponders), count + 1);
        QVERIFY(Identity::of(*img).channels == before.channels); // every channel still on its frequency
        QVERIFY_IMAGE_INVARIANTS(*img);
        verifyLoadsBack(*img);
    }

    void insertTransponder_refused_data() {
        QTest::addColumn<int>("satellite");
        QTest::addColumn<int>("transponders");
        QTest::addColumn<int>("alreadyCounted");
        QTest::addColumn<bool>("allZero");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        const auto r = [](TransponderInsertion x) { return int(x); };
        QTest::newRow("no such satellite")
            << 5 << 9 << 3 << false << r(TransponderInsertion::NoSatellite)
            << QStringLiteral("Bitte einen Satelliten für den neuen Transponder wählen.");
        QTest::newRow("table holds what a load reads")
            << 0 << 2645 << 3 << false << r(TransponderInsertion::TableFull)
            << QStringLiteral("Zuviele Transponder ! ");
        QTest::newRow("2644 still take one")
            << 0 << 2644 << 3 << false << r(TransponderInsertion::Inserted) << QString();
        QTest::newRow("satellite counts 255")
            << 0 << 9 << 255 << false << r(TransponderInsertion::SatelliteFull)
            << QStringLiteral("255 Transponder");
        QTest::newRow("all zero bytes")
            << 0 << 9 << 3 << true << r(TransponderInsertion::AllZero) << QStringLiteral("alle 0");
    }
    void insertTransponder_refused() {
        QFETCH(int, satellite);
        QFETCH(int, transponders);
        QFETCH(int, alreadyCounted);
        QFETCH(bool, allZero);
        QFETCH(int, result);
        QFETCH(QString, message);
        const ImagePtr img = loadFixture(satelliteFixture());
        for (int t = img->TransponderCount + 1; t <= transponders; ++t)
            img->Transponders[t] = ImageFixture::transponder(4, 12000 + t);
        img->TransponderCount = transponders;
        img->Satellites[1].NumTransponders = static_cast<Byte>(alreadyCounted);
        const auto before = img->Transponders;
        const TTransponderRecord record =
            allZero ? TTransponderRecord{} : ImageFixture::transponder(satellite, 10750);

        QCOMPARE(int(InsertTransponder(record, *img)), result);
        QVERIFY(transponderInsertionMessage(TransponderInsertion(result)).contains(message));
        if (result != int(TransponderInsertion::Inserted)) {
            QCOMPARE(img->TransponderCount, transponders);
            QVERIFY(img->Transponders == before);
            QCOMPARE(int(img->Satellites[1].NumTransponders), alreadyCounted);
        }
    }

    void deleteSatellite_data() {
        QTest::addColumn<int>("satellite");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("frequencies");
        QTest::addColumn<bool>("countsRecordAgreed");
        const QList<int> all{10700, 10800, 10900, 11000, 11100, 11200, 11300, 11400, 11500};
        QTest::newRow("without transponders (k = 0)") << 1 << 0 << names({0, 2, 3, 4}) << all << true;
        QTest::newRow("first, three transponders") << 0 << 3 << names({1, 2, 3, 4}) << all.mid(3) << true;
        QTest::newRow("last, four transponders") << 4 << 4 << names({0, 1, 2, 3}) << all.mid(0, 5) << false;
    }
    void deleteSatellite() {
        QFETCH(int, satellite);
        QFETCH(int, deleted);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, frequencies);
        QFETCH(bool, countsRecordAgreed);
        const ImagePtr img = loadFixture(satelliteFixture());
        if (!countsRecordAgreed)
            img->ImageCounts.NumSatellites = 9;
        Identity expect = Identity::of(*img);
        const QString gone = QStringLiteral("S%1").arg(satellite);
        std::erase_if(expect.channels, [&](const auto& c) { return std::get<2>(c.second) == gone; });
        std::erase_if(expect.transponders, [&](const auto& t) { return t.second == gone; });
        const int channels = img->ChannelCount;

        QCOMPARE(DeleteSatellite(satellite, *img), deleted);

        QCOMPARE(satelliteNames(*img), names);
        QCOMPARE(::frequencies(*img), frequencies);
        QVERIFY(Identity::of(*img) == expect);
        QCOMPARE(img->ChannelCount, channels - 2 * deleted);
        QCOMPARE(img->SatelliteCount, 4);
        QCOMPARE(int(img->ImageCounts.NumSatellites), countsRecordAgreed ? 4 : 9);
        QVERIFY(img->Satellites[5] == TSatelliteRecord{});
        QVERIFY_IMAGE_INVARIANTS(*img);
        verifyLoadsBack(*img);
    }

    void deleteSatellite_scatteredTransponders() {
        // A damaged table: S2's two transponders stand apart, between those of S0 and S4.
        const ImagePtr img = loadFixture(satelliteFixture({3, 0, 2, 0, 4}, {0, 3, 1, 5, 4, 2}));
        QCOMPARE(DeleteSatellite(2, *img), 2);
        QCOMPARE(frequencies(*img), (QList<int>{10700, 10800, 11200, 10900, 11300, 11400, 11500}));
        for (int t = 1; t <= img->TransponderCount; ++t)
            QCOMPARE(int(img->Transponders[t].SatelliteIndex),
                     img->Transponders[t].Frequency >= 11200 ? 3 : 0);
        QCOMPARE(img->ChannelCount, 14);
        for (int s = 0; s < 3; ++s)
            QCOMPARE(DeleteSatellite(0, *img) >= 0, true);
        // S4 is left, and as the only satellite it stays.
        QCOMPARE(DeleteSatellite(0, *img), -1);
        QCOMPARE((QList<int>{img->SatelliteCount, img->TransponderCount, img->ChannelCount}),
                 (QList<int>{1, 4, 8}));
    }

    void deleteTransponder_after153KeepsTableLoadable() {
        // Satellite indexes 153, 7, 0, 1, 2: deleting the 7 brings 0 right behind 153, where a load stops.
        ImageFixture f = ImageFixture::typical();
        f.satelliteSlots.clear();
        for (int s = 0; s < layout::kSatelliteSlotCount; ++s)
            f.satelliteSlots.push_back(ImageFixture::satellite(s, QStringLiteral("Sat %1").arg(s), s));
        f.transponders = {ImageFixture::transponder(153, 12000), ImageFixture::transponder(7, 11000),
                          ImageFixture::transponder(0, 10700), ImageFixture::transponder(1, 10800),
                          ImageFixture::transponder(2, 10900)};
        f.channels.clear();
        for (int t = 0; t < 5; ++t)
            f.channels.push_back(ImageFixture::channel(QStringLiteral("K%1").arg(t), t, 0, 500 + t));
        f.tvCount = 5;
        f.favGroups = {ImageFixture::favGroup(QStringLiteral("G"), {0, 4})};
        const ImagePtr img = loadFixture(f);
        QCOMPARE(img->TransponderCount, 5);
        Identity expect = Identity::of(*img);
        expect.channels.erase(501);
        expect.transponders.erase(11000);

        QVERIFY(DeleteTransponder(1, *img));
        QCOMPARE(TransponderTableProblem(*img), QString());
        QCOMPARE(frequencies(*img), (QList<int>{10700, 10800, 10900, 12000}));
        QVERIFY(Identity::of(*img) == expect);
        QVERIFY_IMAGE_INVARIANTS(*img);
        verifyLoadsBack(*img);
    }

    void save_refusesTablesThatLoadBackDifferently_data() {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("cause");
        QTest::newRow("more than 2645 transponders") << 0 << QStringLiteral("2646 Transponder");
        QTest::newRow("an all-zero transponder")
            << 1 << QStringLiteral("Transponder 4 besteht nur aus Nullbytes");
        QTest::newRow("satellite index 0 right after 153")
            << 2 << QStringLiteral("Transponder 3 gehört zum ersten");
        QTest::newRow("a later satellite numbered 0")
            << 3 << QStringLiteral("Satellit 2 („Hotbird 13E“) hat die Nummer 0");
        QTest::newRow("no satellite at all") << 4 << QStringLiteral("keinen Satelliten");
        QTest::newRow("an all-zero provider") << 5 << QStringLiteral("Provider 2 besteht nur aus Nullbytes");
        QTest::newRow("a record behind the last satellite") << 6 << QStringLiteral("auf Platz 4");
        QTest::newRow("counts record and table disagree") << 7 << QStringLiteral("(10 Sender, davon 6 TV)");
    }
    void save_refusesTablesThatLoadBackDifferently() {
        QFETCH(int, damage);
        QFETCH(QString, cause);
        const ImagePtr img = loadFixture(ImageFixture::typical());
        using Img = SettingsImage&;
        const std::function<void(Img)> damages[] = {
            [](Img i) {
                for (int t = 7; t <= 2646; ++t)
                    i.Transponders[t] = ImageFixture::transponder(2, 10000 + t);
                i.TransponderCount = 2646;
            },
            [](Img i) { i.Transponders[4] = TTransponderRecord{}; },
            [](Img i) { i.Transponders[2].SatelliteIndex = 153, i.Transponders[3].SatelliteIndex = 0; },
            [](Img i) { i.Satellites[2].SatelliteNumber = 0; },
            [](Img i) { i.SatelliteCount = 0; },
            [](Img i) { i.Providers[2] = TProviderRecord{}; },
            [](Img i) { i.Satellites[4] = ImageFixture::satellite(3, QStringLiteral("Rest"), 10); },
            [](Img i) { i.ImageCounts.NumTvChannels = 6; }};
        damages[damage](*img);
        QByteArray left;
        const ImageError e = writeOverOldFile(*img, left);
        QCOMPARE(e.code, ImageError::Code::WouldNotLoadBack);
        QVERIFY2(e.message.startsWith(QStringLiteral("Speichern nicht möglich: ")), qPrintable(e.message));
        QVERIFY2(e.message.contains(cause), qPrintable(e.message));
        QVERIFY(e.message.endsWith(QStringLiteral("Es wurde nichts gespeichert.")));
        QCOMPARE(left, QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TstSatelliteOps)
#include "tst_satelliteops.moc"
