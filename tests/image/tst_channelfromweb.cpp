#include "ImageFixture.h"
#include "ImageInvariants.h"

#include "image/ChannelFromWeb.h"
#include "image/Codecs.h"
#include "image/Fields.h"
#include "image/ImageFile.h"
#include "image/TableOps.h"
#include "image/TransponderMatch.h"

#include <QtTest>

#include <memory>
#include <tuple>

using namespace image;

namespace {

/// 3 TV and 2 radio channels on three transponders of two satellites, two providers, three groups.
ImageFixture baseFixture() {
    ImageFixture f;
    f.satelliteSlots = {ImageFixture::satellite(0, QStringLiteral("Ost"), 192),
                        ImageFixture::satellite(1, QStringLiteral("Hotbird"), 130)};
    f.satelliteSlots[0].NumTransponders = 1;
    f.satelliteSlots[1].NumTransponders = 2;
    f.transponders = {ImageFixture::transponder(0, 11836), ImageFixture::transponder(1, 10992),
                      ImageFixture::transponder(1, 11034)};
    f.providerBlocks = {ImageFixture::provider(QStringLiteral("ARD")),
                        ImageFixture::provider(QStringLiteral("RAI"))};
    for (int i = 0; i < 5; ++i)
        f.channels.push_back(ImageFixture::channel(QStringLiteral("K%1").arg(i), i % 3, i % 2, 1000 + i));
    f.tvCount = 3;
    for (int g = 0; g < 9; ++g) {
        const std::vector<int> members = g == 0   ? std::vector<int>{0, 3, 4}
                                         : g == 1 ? std::vector<int>{2}
                                         : g == 8 ? std::vector<int>{4, 1}
                                                  : std::vector<int>{};
        f.favGroups.push_back(ImageFixture::favGroup(QStringLiteral("G%1").arg(g + 1), members));
    }
    return f;
}

WebChannelRow row(const QString& sid, const QString& name, const QString& tvR, const QString& cr = {},
                  const QString& hd = {}, bool ticked = true) {
    return {ticked, cr, sid, name, tvR, hd};
}

/// The record a web row must give on transponder t (0-based index) with provider p.
TChannelRecord webRecord(int sid, int p, int t, Byte type, const QString& name) {
    TChannelRecord r;
    r.ServiceId = static_cast<std::uint16_t>(sid);
    r.ProviderIndex = static_cast<std::uint16_t>(p);
    r.TransponderIndex = static_cast<std::uint16_t>(t);
    r.ServiceType = type;
    StoreName(r.ServiceName, name);
    return r;
}

class RebuildCounter final : public TableObserver {
public:
    RebuildCounter() { setTableObserver(this); }
    ~RebuildCounter() override { setTableObserver(nullptr); }
    void channelCountsChanged(int, int, int) override {}
    void rebuildChannelView() override { ++rebuilds; }
    int rebuilds = 0;
};

QByteArray hex(const TChannelRecord& record) {
    std::array<Byte, 32> bytes{};
    encode(record, std::span<Byte, 32>(bytes));
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), 32).toHex(' ');
}

} // namespace

class TstChannelFromWeb : public QObject {
    Q_OBJECT
private slots:
    void serviceId_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1: refused
        QTest::newRow("0") << QStringLiteral("0") << 0;
        QTest::newRow("28006") << QStringLiteral("28006") << 28006;
        QTest::newRow("65535") << QStringLiteral("65535") << 65535;
        QTest::newRow("leading zeros") << QStringLiteral("00042") << 42;
        QTest::newRow("65536") << QStringLiteral("65536") << -1;
        QTest::newRow("70000 is not 4464") << QStringLiteral("70000") << -1;
        QTest::newRow("six digits") << QStringLiteral("000001") << -1;
        QTest::newRow("empty") << QString() << -1;
        QTest::newRow("letters") << QStringLiteral("12a") << -1;
        QTest::newRow("sign") << QStringLiteral("-1") << -1;
        QTest::newRow("plus") << QStringLiteral("+5") << -1;
        QTest::newRow("blank") << QStringLiteral(" 12") << -1;
        QTest::newRow("hex") << QStringLiteral("$1F") << -1;
        QTest::newRow("other digits") << QStringLiteral(u"١٢") << -1;
    }
    void serviceId() {
        QFETCH(QString, text);
        QFETCH(int, value);
        const std::optional<std::uint16_t> sid = WebServiceId(text);
        QCOMPARE(sid.has_value(), value >= 0);
        if (sid)
            QCOMPARE(int(*sid), value);
    }

    void serviceType_data() {
        QTest::addColumn<QString>("cr");
        QTest::addColumn<QString>("hd");
        QTest::addColumn<bool>("transponderHd");
        QTest::addColumn<int>("type");
        QTest::newRow("free") << QString() << QString() << false << 0x10;
        QTest::newRow("scrambled") << QStringLiteral("N3") << QString() << false << 0x11;
        QTest::newRow("HD row") << QString() << QStringLiteral("ja") << false << 0x18;
        QTest::newRow("HD transponder") << QString() << QString() << true << 0x18;
        QTest::newRow("HD both, scrambled") << QStringLiteral("I/V") << QStringLiteral("ja") << true << 0x19;
        QTest::newRow("HD transponder, scrambled") << QStringLiteral("C") << QString() << true << 0x19;
        QTest::newRow("HD other text") << QString() << QStringLiteral("nein") << false << 0x10;
    }
    void serviceType() {
        QFETCH(QString, cr);
        QFETCH(QString, hd);
        QFETCH(bool, transponderHd);
        QFETCH(int, type);
        QCOMPARE(
            int(WebServiceType(row(QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("TV"), cr, hd),
                               transponderHd)),
            type);
    }

    void recordBytes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("nameBytes");
        QTest::newRow("20 characters keep 16")
            << QStringLiteral("ABCDEFGHIJKLMNOPQRST")
            << QByteArray("41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 50");
        QTest::newRow("5 characters, 11 zeros")
            << QStringLiteral("Rai 1") << QByteArray("52 61 69 20 31 00 00 00 00 00 00 00 00 00 00 00");
        QTest::newRow("Windows-1252 above 127")
            << QStringLiteral(u"€uro’s Öl ßé")
            << QByteArray("80 75 72 6f 92 73 20 d6 6c 20 df e9 00 00 00 00");
        QTest::newRow("no such character")
            << QStringLiteral(u"Łódź") << QByteArray("3f f3 64 3f 00 00 00 00 00 00 00 00 00 00 00 00");
    }
    void recordBytes() {
        QFETCH(QString, name);
        QFETCH(QByteArray, nameBytes);
        const ImagePtr img = loadFixture(baseFixture());
        const std::optional<TChannelRecord> record = ChannelFromWebRow(
            row(QStringLiteral("28006"), name, QStringLiteral("R"), QStringLiteral("N3")), 1, 3, true, *img);
        QVERIFY(record);
        // sid 0x6D66, provider 1, transponder 2, three PIDs none, reserved, tuner, type 0x19, reserved, name
        QCOMPARE(hex(*record), QByteArray("66 6d 01 00 02 00 ff 7f ff 7f ff 7f 00 00 19 00 ") + nameBytes);
    }

    void recordRefusesIndexesOutsideTheTables() {
        const ImagePtr img = loadFixture(baseFixture());
        const WebChannelRow good = row(QStringLiteral("7"), QStringLiteral("X"), QStringLiteral("TV"));
        // provider, transponder (1-based), accepted
        const std::tuple<int, int, bool> cases[] = {{0, 1, true},  {1, 3, true},  {-1, 1, false},
                                                    {2, 1, false}, {0, 0, false}, {0, 4, false}};
        for (const auto& [provider, transponder, accepted] : cases)
            QCOMPARE(ChannelFromWebRow(good, provider, transponder, false, *img).has_value(), accepted);
        QVERIFY(!ChannelFromWebRow(row(QStringLiteral("65536"), QStringLiteral("X"), QStringLiteral("TV")), 0,
                                   1, false, *img));
    }

    void insertsAtTheEndOfEachPart() {
        const ImagePtr img = loadFixture(baseFixture());
        RebuildCounter counter;
        const std::vector<WebChannelRow> rows = {
            row(QStringLiteral("500"), QStringLiteral("Neu TV"), QStringLiteral("TV")),
            row(QStringLiteral("501"), QStringLiteral("Neu Radio"), QStringLiteral("R"),
                QStringLiteral("N3")),
            row(QStringLiteral("kaputt"), QStringLiteral("nicht angehakt"), QStringLiteral("?"), {}, {},
                false),
            row(QStringLiteral("502"), QStringLiteral("Neu HD"), QStringLiteral("TV"), {},
                QStringLiteral("ja")),
            row(QStringLiteral("503"), QStringLiteral("Neu Radio 2"), QStringLiteral("R")),
        };
        const WebChannelInsertion result = InsertWebChannels(rows, 1, 2, false, *img);
        QCOMPARE(result.error, QString());
        QCOMPARE(result.inserted, 4);
        QCOMPARE(counter.rebuilds, 1);
        QVERIFY_IMAGE_INVARIANTS(*img);

        ImageFixture expected = baseFixture();
        auto& ch = expected.channels;
        ch.insert(ch.begin() + 3, {webRecord(500, 1, 1, 0x10, QStringLiteral("Neu TV")),
                                   webRecord(502, 1, 1, 0x18, QStringLiteral("Neu HD"))});
        ch.push_back(webRecord(501, 1, 1, 0x11, QStringLiteral("Neu Radio")));
        ch.push_back(webRecord(503, 1, 1, 0x10, QStringLiteral("Neu Radio 2")));
        expected.tvCount = 5;
        // Entries name channel number - 1: those of the radio part move up by the two TV channels.
        expected.favGroups[0] = ImageFixture::favGroup(QStringLiteral("G1"), {0, 5, 6});
        expected.favGroups[8] = ImageFixture::favGroup(QStringLiteral("G9"), {6, 1});
        QCOMPARE(imageBytes(*img), expected.build());
    }

    void refusalsChangeNothing_data() {
        QTest::addColumn<QList<WebChannelRow>>("rows");
        QTest::addColumn<int>("provider");
        QTest::addColumn<int>("matched");
        QTest::addColumn<QString>("error");

        const WebChannelRow tv = row(QStringLiteral("500"), QStringLiteral("A"), QStringLiteral("TV"));
        const QString none = QStringLiteral("\r\nEs wurde nichts eingefügt.");
        QTest::newRow("Service-ID past 16 bits")
            << QList<WebChannelRow>{tv,
                                    row(QStringLiteral("70000"), QStringLiteral("B"), QStringLiteral("R"))}
            << 0 << 1
            << QStringLiteral("Zeile 2 (\"B\"): die Service-ID \"70000\" ist keine Zahl von 0 bis 65535.") +
                   none;
        QTest::newRow("Service-ID no number")
            << QList<WebChannelRow>{row(QStringLiteral("12a"), QStringLiteral("C"), QStringLiteral("TV")), tv}
            << 0 << 1
            << QStringLiteral("Zeile 1 (\"C\"): die Service-ID \"12a\" ist keine Zahl von 0 bis 65535.") +
                   none;
        QTest::newRow("neither TV nor R")
            << QList<WebChannelRow>{tv, tv,
                                    row(QStringLiteral("9"), QStringLiteral("D"), QStringLiteral("Radio"))}
            << 0 << 1
            << QStringLiteral("Zeile 3 (\"D\"): \"TV/R\" ist \"Radio\" statt \"TV\" oder \"R\".") + none;
        QTest::newRow("nothing ticked") << QList<WebChannelRow>{row(QStringLiteral("1"), QStringLiteral("E"),
                                                                    QStringLiteral("TV"), {}, {}, false)}
                                        << 0 << 1 << QStringLiteral("Es ist kein Sender angehakt.") + none;
        QTest::newRow("no rows") << QList<WebChannelRow>{} << 0 << 1
                                 << QStringLiteral("Es ist kein Sender angehakt.") + none;
        QTest::newRow("provider past the table")
            << QList<WebChannelRow>{tv} << 2 << 1
            << QStringLiteral("Der gewählte Provider steht nicht in der Providerliste.") + none;
        QTest::newRow("provider none")
            << QList<WebChannelRow>{tv} << -1 << 1
            << QStringLiteral("Der gewählte Provider steht nicht in der Providerliste.") + none;
        QTest::newRow("no match") << QList<WebChannelRow>{tv} << 0 << 0 << StaleMatchMessage();
        QTest::newRow("match past the table") << QList<WebChannelRow>{tv} << 0 << 4 << StaleMatchMessage();
    }
    void refusalsChangeNothing() {
        QFETCH(QList<WebChannelRow>, rows);
        QFETCH(int, provider);
        QFETCH(int, matched);
        QFETCH(QString, error);
        const ImagePtr img = loadFixture(baseFixture());
        const QByteArray before = imageBytes(*img);
        RebuildCounter counter;
        const WebChannelInsertion result = InsertWebChannels(
            std::vector<WebChannelRow>(rows.begin(), rows.end()), provider, matched, false, *img);
        QCOMPARE(result.error, error);
        QCOMPARE(result.inserted, 0);
        QCOMPARE(counter.rebuilds, 0);
        QCOMPARE(imageBytes(*img), before);
        if (error != StaleMatchMessage() && !error.startsWith(QStringLiteral("Der gew")))
            QCOMPARE(CheckWebChannelRows(std::vector<WebChannelRow>(rows.begin(), rows.end()), *img), error);
    }

    void fullChannelTable() {
        ImageFixture f = baseFixture();
        f.channels.clear();
        for (int c = 0; c < 19999; ++c)
            f.channels.push_back(ImageFixture::channel(QStringLiteral("K"), c % 3, 0, c));
        f.tvCount = 15000;
        const ImagePtr img = loadFixture(f);
        const QByteArray before = imageBytes(*img);
        const WebChannelRow r = row(QStringLiteral("1"), QStringLiteral("R"), QStringLiteral("R"));
        const WebChannelInsertion refused = InsertWebChannels({r, r}, 0, 1, false, *img);
        QCOMPARE(
            refused.error,
            QStringLiteral("Kein Platz für 2 weitere Channels: die Liste hat 19999 von höchstens 20000.\r\n"
                           "Es wurde nichts eingefügt."));
        QCOMPARE(imageBytes(*img), before);
        const WebChannelInsertion last = InsertWebChannels({r}, 0, 1, false, *img);
        QCOMPARE(last.error, QString());
        QCOMPARE(last.inserted, 1);
        QCOMPARE(img->ChannelCount, 20000);
        QCOMPARE(img->Channels[20000].ServiceId, 1);
    }

    void insertedMessage() {
        QCOMPARE(ChannelsInsertedMessage(0), QStringLiteral("0 Channels eingefügt."));
        QCOMPARE(ChannelsInsertedMessage(1), QStringLiteral("1 Channel eingefügt."));
        QCOMPARE(ChannelsInsertedMessage(2), QStringLiteral("2 Channels eingefügt."));
    }

    void addProvider() {
        ImageFixture f = baseFixture();
        const ImagePtr img = loadFixture(f);
        QCOMPARE(AddProvider(QStringLiteral(u"Sky Deutschland – Premium"), *img), std::optional<int>(2));
        QCOMPARE(img->ProviderCount, 3);
        // The list shows what the record holds, so a later exact lookup by name finds it.
        QCOMPARE(ProviderName(img->Providers[3].ProviderLabel), QStringLiteral(u"Sky Deutschland "));
        // Names that would store an all-zero block, which no load reads as a provider.
        for (const QString& nothing :
             {QString(), QString(2, QChar(0)), QString(16, QChar(0)) + QStringLiteral("late")})
            QCOMPARE(AddProvider(nothing, *img), std::nullopt);
        QCOMPARE(img->ProviderCount, 3);
        QCOMPARE(AddProvider(QChar(0) + QStringLiteral("x"), *img), std::optional<int>(3));

        // Channels naming the empty place the new provider takes named none and keep naming none.
        f.providerBlocks.clear();
        for (auto& channel : f.channels)
            channel.ProviderIndex = 0;
        const ImagePtr none = loadFixture(f);
        QCOMPARE(AddProvider(QStringLiteral("Erster"), *none), std::optional<int>(0));
        for (int c = 1; c <= none->ChannelCount; ++c)
            QVERIFY(none->Channels[c].ProviderIndex >= none->ProviderCount);

        for (int p = 0; p < 463; ++p)
            f.providerBlocks.push_back(ImageFixture::provider(QStringLiteral("P%1").arg(p)));
        const ImagePtr full = loadFixture(f);
        QCOMPARE(full->ProviderCount, 463);
        const QByteArray before = imageBytes(*full);
        QCOMPARE(AddProvider(QStringLiteral("Neu"), *full), std::nullopt);
        QCOMPARE(imageBytes(*full), before);
        QCOMPARE(full->ProviderCount, 463);
        QCOMPARE(providerTableFullMessage(),
                 QStringLiteral("Die Providerliste ist voll (463 Provider).\r\nEs wurde nichts eingefügt."));
    }
};

QTEST_GUILESS_MAIN(TstChannelFromWeb)
#include "tst_channelfromweb.moc"
