#include "ImageFixture.h"
#include "ScriptedModals.h"
#include "image/Fields.h"
#include "image/ImageFile.h"
#include "image/Layout.h"
#include "platform/IniFile.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace image;
using namespace image::layout;

namespace {

std::unique_ptr<SettingsImage> parsed(const QByteArray& bytes, ImageError* err = nullptr) {
    auto img = std::make_unique<SettingsImage>();
    const ImageError e = parseImage(bytes, *img);
    if (err)
        *err = e;
    return img;
}

QByteArray saved(const SettingsImage& img) {
    QByteArray out;
    const ImageError e = serializeImage(img, out);
    if (e)
        qWarning() << e.message;
    return out;
}

// The regions the writer fills with zeros whatever the file held: gap, unused records, tail.
QByteArray withUnusedRegionsZeroed(QByteArray bytes, int channels, int transponders) {
    auto zero = [&bytes](std::int64_t from, std::int64_t to) {
        for (std::int64_t i = from; i < to; ++i)
            bytes[static_cast<qsizetype>(i)] = 0;
    };
    zero(kSatelliteGapOffset, kChannelOffset);
    zero(kChannelOffset + channels * kChannelRecordSize, kFavGroupOffset);
    zero(kTransponderOffset + transponders * kTransponderRecordSize, kProviderOffset);
    zero(kTailOffset, kImageSize);
    return bytes;
}

} // namespace

class TestImageFile : public QObject {
    Q_OBJECT

private slots:
    void roundTripIsByteExact_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("typical") << 0;
        QTest::newRow("full: 20000 channels, 2645 transponders, 463 providers") << 1;
        QTest::newRow("empty lists") << 2;
    }
    void roundTripIsByteExact() {
        QFETCH(int, which);
        ImageFixture f = which == 0   ? ImageFixture::typical()
                         : which == 1 ? ImageFixture::full()
                                      : ImageFixture{};
        const QByteArray original = f.build();
        ImageError err;
        const auto img = parsed(original, &err);
        QVERIFY2(!err, qPrintable(err.message));
        QCOMPARE(saved(*img), original);
    }

    void dirtyUnusedRegionsAreZeroFilled() {
        ImageFixture f = ImageFixture::typical();
        f.dirtyUnusedRegions = true;
        const QByteArray original = f.build();
        const auto img = parsed(original);
        QCOMPARE(img->ChannelCount, 10);
        QCOMPARE(img->TransponderCount, 6);
        QCOMPARE(saved(*img), withUnusedRegionsZeroed(original, 10, 6));
    }

    void countsAndTablesAreRead() {
        const auto img = parsed(ImageFixture::typical().build());
        QCOMPARE(img->SatelliteCount, 3);
        QCOMPARE(img->ChannelCount, 10);
        QCOMPARE(img->TvCount, 7);
        QCOMPARE(img->RadioCount, 3);
        QCOMPARE(img->TransponderCount, 6);
        QCOMPARE(img->ProviderCount, 3);
        QCOMPARE(img->FavGroupCount, 9);
        QCOMPARE(ChannelName(img->Channels[3]), QStringLiteral("RTL"));
        QCOMPARE(SatelliteDisplayName(img->Satellites[2]), QStringLiteral("Hotbird 13E"));
        QCOMPARE(FavGroupDisplayName(img->FavGroups[9]), QStringLiteral("Radio"));
        QCOMPARE(ProviderName(img->Providers[2].ProviderLabel), QStringLiteral("ProSiebenSat.1"));
    }

    void wrongSizeIsRefused_data() {
        QTest::addColumn<int>("delta");
        QTest::newRow("one byte short") << -1;
        QTest::newRow("one byte long") << 1;
        QTest::newRow("empty") << -int(kImageSize);
    }
    void wrongSizeIsRefused() {
        QFETCH(int, delta);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.si"));
        QByteArray bytes = ImageFixture::typical().build();
        bytes.resize(bytes.size() + delta);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        SettingsImage img;
        const ImageError e = readImageFile(path, img);
        QCOMPARE(e.code, ImageError::Code::WrongSize);
        QCOMPARE(e.message, QStringLiteral("Dateigröße paßt nicht ! muß 722992 bytes sein."));
    }

    void missingFileHasSizeZero() {
        QCOMPARE(ImageFileSize(QStringLiteral("/nonexistent/file.si")), 0);
        QTemporaryDir dir;
        QCOMPARE(ImageFileSize(dir.path()), 0); // a directory is no image
    }

    void badCountsAreRefused_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("tv");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("20000 channels") << 20000 << 20000 << true;
        QTest::newRow("20001 channels") << 20001 << 0 << false;
        QTest::newRow("65535 channels") << 65535 << 10 << false;
        QTest::newRow("more TV than channels") << 10 << 11 << false;
        QTest::newRow("no channels") << 0 << 0 << true;
    }
    void badCountsAreRefused() {
        QFETCH(int, channels);
        QFETCH(int, tv);
        QFETCH(bool, accepted);
        ImageFixture f = ImageFixture::typical();
        TChannelCounts counts;
        counts.NumChannels = static_cast<std::uint16_t>(channels);
        counts.NumTvChannels = static_cast<std::uint16_t>(tv);
        f.countsOverride = counts;
        ImageError err;
        const auto img = parsed(f.build(), &err);
        QCOMPARE(!err, accepted);
        if (!accepted) {
            QCOMPARE(err.code, ImageError::Code::BadCounts);
            QVERIFY(err.message.contains(QString::number(channels)));
        } else {
            QCOMPARE(img->ChannelCount, channels);
        }
    }

    void favGroupsAreReadAfterFullChannelRegion() {
        const auto img = parsed(ImageFixture::full().build());
        QCOMPARE(img->ChannelCount, 20000);
        QCOMPARE(FavGroupDisplayName(img->FavGroups[1]), QStringLiteral("Gruppe 1"));
        QCOMPARE(int(img->FavGroups[9].NumMembers), 255);
        QCOMPARE(img->TransponderCount, kTransponderReadLimit);
        QCOMPARE(img->ProviderCount, 463);
        QCOMPARE(img->SatelliteCount, 154);
    }

    void transponderEndRules_data() {
        QTest::addColumn<QList<int>>("satellites"); // satellite index of each record; -1 = all-zero record
        QTest::addColumn<int>("expected");
        QTest::newRow("all-zero record ends") << QList<int>{0, 0, 0, -1, 0, 0} << 3;
        QTest::newRow("153 then 0 ends") << QList<int>{152, 153, 0, 1} << 2;
        QTest::newRow("0 after 152 goes on") << QList<int>{152, 0, 1} << 3;
        QTest::newRow("none") << QList<int>{-1} << 0;
        QTest::newRow("first record with sat 0 is taken") << QList<int>{0} << 1;
    }
    void transponderEndRules() {
        QFETCH(QList<int>, satellites);
        QFETCH(int, expected);
        ImageFixture f;
        for (int s : satellites)
            f.transponders.push_back(s < 0 ? TTransponderRecord{} : ImageFixture::transponder(s, 11000));
        const auto img = parsed(f.build());
        QCOMPARE(img->TransponderCount, expected);
    }

    void transponderReadStopsAt2645() {
        ImageFixture f;
        for (int i = 0; i < kMaxTransponders; ++i)
            f.transponders.push_back(ImageFixture::transponder(0, 10000 + i));
        const auto img = parsed(f.build());
        QCOMPARE(img->TransponderCount, 2645);
        // What the load never read is not written back.
        const QByteArray out = saved(*img);
        QCOMPARE(out.mid(0x0AD500, 16), QByteArray(16, '\0'));
    }

    void emptySatelliteSlotsAreDroppedAndReferencesFollow() {
        ImageFixture f;
        // slot 0 has number 0 (always taken), slot 1 empty, slot 2 is satellite "C" with its own number 2
        f.satelliteSlots = {ImageFixture::satellite(0, QStringLiteral("A"), 10), TSatelliteRecord{},
                            ImageFixture::satellite(2, QStringLiteral("C"), 30)};
        f.transponders = {ImageFixture::transponder(0, 11000), ImageFixture::transponder(2, 12000)};
        f.channels = {ImageFixture::channel(QStringLiteral("on C"), 1, 0)};
        f.tvCount = 1;
        const auto img = parsed(f.build());
        QCOMPARE(img->SatelliteCount, 2);
        QCOMPARE(SatelliteDisplayName(img->Satellites[2]), QStringLiteral("C"));
        QCOMPARE(int(img->Satellites[2].SatelliteNumber), 1);
        // The transponder still belongs to "C", now at place 1.
        QCOMPARE(int(img->Transponders[2].SatelliteIndex), 1);
        // Saved and loaded again, nothing moves any more.
        const auto again = parsed(saved(*img));
        QCOMPARE(SatelliteDisplayName(again->Satellites[again->Transponders[2].SatelliteIndex + 1]),
                 QStringLiteral("C"));
    }

    void firstSlotIsTakenEvenWithNumberZero() {
        ImageFixture f;
        f.satelliteSlots = {ImageFixture::satellite(0, QStringLiteral("First"), 10), TSatelliteRecord{},
                            ImageFixture::satellite(2, QStringLiteral("Third"), 30)};
        const auto img = parsed(f.build());
        QCOMPARE(img->SatelliteCount, 2);
        QCOMPARE(SatelliteDisplayName(img->Satellites[1]), QStringLiteral("First"));
        // Saving writes the used satellites first and zero slots after them.
        const QByteArray out = saved(*img);
        QCOMPARE(out.mid(kSatelliteOffset + 2 * kSatelliteRecordSize, kSatelliteRecordSize),
                 QByteArray(48, '\0'));
    }

    void emptyProviderBlocksAreDroppedAndChannelsFollow() {
        ImageFixture f;
        f.providerBlocks = {ImageFixture::provider(QStringLiteral("P1")), std::nullopt,
                            ImageFixture::provider(QStringLiteral("P3"))};
        f.channels = {ImageFixture::channel(QStringLiteral("x"), 0, 2),
                      ImageFixture::channel(QStringLiteral("y"), 0, 0)};
        f.tvCount = 2;
        const auto img = parsed(f.build());
        QCOMPARE(img->ProviderCount, 2);
        QCOMPARE(ProviderName(img->Providers[2].ProviderLabel), QStringLiteral("P3"));
        QCOMPARE(int(img->Channels[1].ProviderIndex), 1);
        QCOMPARE(int(img->Channels[2].ProviderIndex), 0);
    }

    void referencesToEmptySlotsNameNothing() {
        ImageFixture f;
        f.satelliteSlots = {ImageFixture::satellite(0, QStringLiteral("A"), 10), TSatelliteRecord{},
                            ImageFixture::satellite(2, QStringLiteral("C"), 30)};
        // Transponder 2 names the empty slot 1, transponder 3 slot 2 ("C").
        f.transponders = {ImageFixture::transponder(0, 11000), ImageFixture::transponder(1, 11500),
                          ImageFixture::transponder(2, 12000)};
        f.providerBlocks = {ImageFixture::provider(QStringLiteral("P1")), std::nullopt,
                            ImageFixture::provider(QStringLiteral("P3"))};
        // Channel "empty" names the empty block 1, "far" a block past them all.
        f.channels = {ImageFixture::channel(QStringLiteral("empty"), 0, 1),
                      ImageFixture::channel(QStringLiteral("P3"), 2, 2),
                      ImageFixture::channel(QStringLiteral("far"), 0, 470)};
        f.tvCount = 3;
        auto img = parsed(f.build());
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(img->SatelliteCount, 2);
            QCOMPARE(img->ProviderCount, 2);
            QVERIFY(img->Transponders[2].SatelliteIndex >= img->SatelliteCount);
            QCOMPARE(int(img->Transponders[3].SatelliteIndex), 1);
            QVERIFY(img->Channels[1].ProviderIndex >= img->ProviderCount);
            QCOMPARE(int(img->Channels[2].ProviderIndex), 1);
            QCOMPARE(int(img->Channels[3].ProviderIndex), 470);
            // Saved and loaded again, the references still name what they named.
            img = parsed(saved(*img));
        }
    }

    // A reference into an empty place that no record moves into is kept, so an untouched image saves
    // its own bytes.
    void untouchedReferencesIntoEmptyPlacesKeepTheirBytes_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("no providers, provider 0 everywhere") << 0;
        QTest::newRow("transponder on the empty slot after the last satellite") << 1;
        QTest::newRow("provider past the last used block") << 2;
    }
    void untouchedReferencesIntoEmptyPlacesKeepTheirBytes() {
        QFETCH(int, which);
        ImageFixture f;
        f.satelliteSlots = {ImageFixture::satellite(0, QStringLiteral("A"), 10),
                            ImageFixture::satellite(1, QStringLiteral("B"), 20)};
        f.transponders = {ImageFixture::transponder(0, 11000),
                          ImageFixture::transponder(which == 1 ? 2 : 1, 12000)};
        if (which == 2)
            f.providerBlocks = {ImageFixture::provider(QStringLiteral("P1")), std::nullopt};
        f.channels = {ImageFixture::channel(QStringLiteral("x"), 0, which == 2 ? 1 : 0),
                      ImageFixture::channel(QStringLiteral("y"), 1, which == 2 ? 3 : 0)};
        f.tvCount = 2;
        const QByteArray original = f.build();
        QCOMPARE(saved(*parsed(original)), original);
    }

    void writerRefusesOversizedTables_data() {
        QTest::addColumn<int>("table");
        QTest::newRow("channels") << 0;
        QTest::newRow("transponders") << 1;
        QTest::newRow("providers") << 2;
    }
    void writerRefusesOversizedTables() {
        QFETCH(int, table);
        auto img = parsed(ImageFixture::typical().build());
        if (table == 0)
            img->ChannelCount = 20001;
        else if (table == 1)
            img->TransponderCount = 3001;
        else
            img->ProviderCount = 464;
        QByteArray left;
        const ImageError e = writeOverOldFile(*img, left);
        QCOMPARE(e.code, ImageError::Code::TableTooLarge);
        QVERIFY(e.message.contains(QStringLiteral("nichts gespeichert")));
        QCOMPARE(left, QByteArray("old"));
    }

    void failedWriteLeavesNoFile() {
        const auto img = parsed(ImageFixture::typical().build());
        const ImageError e = WriteImage(*img, QStringLiteral("/nonexistent-dir/out.si"));
        QCOMPARE(e.code, ImageError::Code::WriteFailed);
        QVERIFY(!QFile::exists(QStringLiteral("/nonexistent-dir/out.si")));
    }

    void writeImageWritesTheFile() {
        const QByteArray original = ImageFixture::typical().build();
        const auto img = parsed(original);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.si"));
        QVERIFY(!WriteImage(*img, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), original);
        SettingsImage again;
        QVERIFY(!readImageFile(path, again));
        QCOMPARE(again.ChannelCount, 10);
    }

    void backupRule_data() {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<double>("minutes");
        QTest::addColumn<bool>("due");
        QTest::newRow("nothing loaded") << false << false << 0.0 << false;
        QTest::newRow("loaded, never saved") << true << false << 0.0 << true;
        QTest::newRow("saved just now") << true << true << 0.0 << false;
        QTest::newRow("saved 1.4 minutes ago") << true << true << 1.4 << false;
        QTest::newRow("saved 1.5 minutes ago") << true << true << 1.5 << true;
        QTest::newRow("saved an hour ago") << true << true << 60.0 << true;
    }
    void backupRule() {
        QFETCH(bool, loaded);
        QFETCH(bool, saved);
        QFETCH(double, minutes);
        QFETCH(bool, due);
        FakeEnvironment env;
        const platform::TDateTime last = env.now();
        env.advanceMinutes(minutes);
        QCOMPARE(backupDue(loaded, saved, last, env.now()), due);
    }

    void workingDirectoryHasNoTrailingSeparator() {
        FakeEnvironment env;
        env.setCurrentDirectory(QStringLiteral("/home/user/"));
        QCOMPARE(GetWorkingDirectory(), QStringLiteral("/home/user"));
        env.setCurrentDirectory(QStringLiteral("/"));
        QCOMPARE(GetWorkingDirectory(), QStringLiteral("/"));
    }

    void satelliteNamesFromIni_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("three keys") << QByteArray("[satellites]\n1=Astra\n2=Hotbird\n3=Eutelsat\n")
                                    << QStringList{QStringLiteral("Astra"), QStringLiteral("Hotbird"),
                                                   QStringLiteral("Eutelsat")};
        QTest::newRow("value 'error' ends the list")
            << QByteArray("[satellites]\n1=A\n2=B\n3=C\n4=error\n5=E\n")
            << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        QTest::newRow("gap ends the list")
            << QByteArray("[satellites]\n1=A\n3=C\n") << QStringList{QStringLiteral("A")};
        QTest::newRow("special characters stay")
            << QByteArray("[Satellites]\r\n1 = Astra 1KR, 1L; 19,2\xb0 E 100%\r\n2=\"Hot bird\"\r\n")
            << QStringList{QStringLiteral("Astra 1KR, 1L; 19,2° E 100%"), QStringLiteral("Hot bird")};
        QTest::newRow("other section only") << QByteArray("[lyngsat]\n1=x\n") << QStringList{};
    }
    void satelliteNamesFromIni() {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, names);
        platform::TIniFile file(QString{});
        file.parse(ini);
        QCOMPARE(readIniList(file, QStringLiteral("satellites")), names);
    }
};

QTEST_GUILESS_MAIN(TestImageFile)
#include "tst_imagefile.moc"
