#include "image/Fields.h"
#include "platform/Exceptions.h"

#include <QtTest>
#include <cstring>

using namespace image;

namespace {

Name16 bytes16(std::initializer_list<int> values) {
    Name16 n{};
    std::size_t i = 0;
    for (int v : values)
        n[i++] = static_cast<Byte>(v);
    return n;
}

Name16 text16(const char* text, std::size_t start = 0) {
    Name16 n{};
    std::memcpy(n.data() + start, text, std::min<std::size_t>(std::strlen(text), 16 - start));
    return n;
}

} // namespace

class TestFields : public QObject {
    Q_OBJECT

private slots:
    void channelName_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* name, Name16 n, const QString& shown) {
            QTest::newRow(name) << QByteArray(reinterpret_cast<const char*>(n.data()), 16) << shown;
        };
        Name16 selector = text16("Sender", 1);
        selector[0] = 5;
        row("selector byte is hidden", selector, QStringLiteral("Sender"));
        Name16 letter = text16("Sender", 1);
        letter[0] = 'A';
        row("first byte 65 is shown", letter, QStringLiteral("ASender"));
        row("sixteen letters show fifteen", text16("ABCDEFGHIJKLMNOP"), QStringLiteral("ABCDEFGHIJKLMNO"));
        row("zero first byte does not end the name", text16("Name", 1), QStringLiteral("Name"));
        row("byte 27 is shown", bytes16({27, 'x'}), QStringLiteral("\x1bx"));
        row("windows-1252 above 127", bytes16({'C', 0x80, 0xE4}), QStringLiteral("C€ä"));
        row("zero ends the name", bytes16({'A', 'B', 0, 'C'}), QStringLiteral("AB"));
    }
    void channelName() {
        QFETCH(QByteArray, field);
        QFETCH(QString, shown);
        TChannelRecord c;
        std::memcpy(c.ServiceName.data(), field.constData(), 16);
        QCOMPARE(ChannelName(c), shown);
    }

    void otherNames() {
        QCOMPARE(ProviderName(bytes16({'A', 'B', 'C', 0, 'D', 'E'})), QStringLiteral("ABCDE"));
        TSatelliteRecord s;
        s.SatelliteName = bytes16({'A', 's', 't', 10, 'r', 'a', 0, 'X'});
        QCOMPARE(SatelliteDisplayName(s), QStringLiteral("Astra"));
        TFavGroupRecord g;
        g.GroupName = bytes16({'F', 25, 26, 'a', 0, 'v'});
        QCOMPARE(FavGroupDisplayName(g), QStringLiteral("F\x1a") + QStringLiteral("a"));
    }

    void pidsAndTuner() {
        TChannelRecord c;
        c.VideoPid = 0x7FFF;
        c.AudioPid = 0;
        c.PcrPid = 511;
        QCOMPARE(ChannelVideoPid(c), QString());
        QCOMPARE(ChannelAudioPid(c), QStringLiteral("0"));
        QCOMPARE(ChannelPcrPid(c), QStringLiteral("511"));
        for (auto [flags, digit] : {std::pair{0x7F, "1"}, {0x80, "2"}, {0xFF, "2"}, {0x00, "1"}}) {
            c.TunerFlags = static_cast<Byte>(flags);
            QCOMPARE(ChannelTuner(c), QString::fromLatin1(digit));
        }
    }

    void transponderText_data() {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("pol");
        QTest::addColumn<int>("dvb");
        QTest::addColumn<int>("symbolRate");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("letter");
        QTest::newRow("example") << 11836 << 0 << 0 << 27500 << QStringLiteral("11836 H S 27500") << QStringLiteral("H");
        QTest::newRow("all zero") << 0 << 0 << 0 << 0 << QStringLiteral("0 H S 0") << QStringLiteral("H");
        QTest::newRow("circular S2") << 12000 << 3 << 1 << 30000 << QStringLiteral("12000 R S2 30000")
                                     << QStringLiteral("R");
        QTest::newRow("bad pol and dvb") << 10700 << 4 << 2 << 22000 << QStringLiteral("10700 22000")
                                         << QStringLiteral("?");
    }
    void transponderText() {
        QFETCH(int, frequency);
        QFETCH(int, pol);
        QFETCH(int, dvb);
        QFETCH(int, symbolRate);
        QFETCH(QString, text);
        QFETCH(QString, letter);
        auto img = std::make_unique<SettingsImage>();
        auto& t = img->Transponders[1];
        t.Frequency = static_cast<std::uint16_t>(frequency);
        t.Polarisation = static_cast<Byte>(pol);
        t.DvbType = static_cast<Byte>(dvb);
        t.SymbolRate = static_cast<std::uint16_t>(symbolRate);
        QCOMPARE(TransponderText(t), text);
        QCOMPARE(TransponderPolLetter(*img, 1), letter);
        QCOMPARE(TransponderFrequency(*img, 1), frequency);
        // Numbers outside the table never read outside it.
        QCOMPARE(TransponderPolLetter(*img, 0), QStringLiteral("?"));
        QCOMPARE(TransponderFrequency(*img, 3001), 0);
    }

    void tablesRefuseIndexesOutsideThem() {
        auto img = std::make_unique<SettingsImage>();
        QVERIFY_THROWS_EXCEPTION(platform::EListError, img->Channels[0]);
        QVERIFY_THROWS_EXCEPTION(platform::EListError, img->Channels[20001]);
        QVERIFY_THROWS_EXCEPTION(platform::EListError, img->Providers[501]);
        img->Channels[20000].ServiceId = 7; // the last slot is usable
        QCOMPARE(int(img->Channels[20000].ServiceId), 7);
    }

    void storingNames() {
        Name16 field;
        field.fill(0xAA);
        StoreName(field, QStringLiteral("ZDF"));
        QCOMPARE(field, bytes16({'Z', 'D', 'F'}));
        StoreName(field, QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        QCOMPARE(field, text16("ABCDEFGHIJKLMNOP"));
        StoreName(field, QStringLiteral("Ä€"));
        QCOMPARE(field, bytes16({0xC4, 0x80}));
        StoreFavGroupName(field, QStringLiteral("A") + QChar(3) + QStringLiteral("B") + QChar(25) + QChar(26));
        QCOMPARE(field, bytes16({'A', 0, 'B', 0, 26}));
    }
};

QTEST_GUILESS_MAIN(TestFields)
#include "tst_fields.moc"
