// Where every field stands in the file, checked against bytes placed by hand at fixed offsets (no record
// codec builds them): the loader must read each field from its place, the writer must put it there. Two
// fields of one size swapped in a codec pass every round trip, but not this.
#include "image/ImageFile.h"

#include <QtTest>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

using namespace image;

namespace {

// Region starts in the file.
constexpr int kCounts = 10576;
constexpr int kSatellites = 10588;
constexpr int kChannels = 20188;
constexpr int kGroups = 660188;
constexpr int kTransponders = 667568;
constexpr int kProviders = 715568;

// The records under test are not the first of their tables, so the record sizes count as well:
// satellite slot 3, channel 2, group 2, transponder 2, provider 2.
constexpr int kSat = kSatellites + 3 * 48;
constexpr int kCh = kChannels + 32;
constexpr int kGrp = kGroups + 820;
constexpr int kTp = kTransponders + 16;
constexpr int kProv = kProviders + 16;

/// One field: its file offset, width (1 or 2 bytes, little-endian), the value placed there, and where the
/// tables hold it.
struct Field {
    const char* name;
    int at;
    int width;
    int value;
    std::function<int(const SettingsImage&)> get;
    std::function<void(SettingsImage&, int)> set;
};

template <typename Access> Field field(const char* name, int at, int width, int value, Access access) {
    return {name,
            at,
            width,
            value,
            [access](const SettingsImage& i) { return int(access(i)); },
            [access](SettingsImage& i, int v) {
                auto& f = access(i);
                f = static_cast<std::remove_cvref_t<decltype(f)>>(v);
            }};
}
// clang-format off
#define FIELD(at, width, value, expr) field(#expr, at, width, value, [](auto& i) -> auto& { return expr; })
// clang-format on

// Values differ within each record: two swapped fields of one size read or write a wrong value.
const std::vector<Field> kFields = {
    FIELD(0, 1, 0xA0, i.HeaderBlocks[1].Bytes[0]),
    FIELD(10575, 1, 0xAF, i.HeaderBlocks[661].Bytes[15]),
    FIELD(kCounts + 0, 1, 4, i.ImageCounts.NumSatellites),
    FIELD(kCounts + 1, 1, 0x9B, i.ImageCounts.Reserved1),
    FIELD(kCounts + 2, 2, 2, i.ImageCounts.NumChannels),
    FIELD(kCounts + 4, 2, 1, i.ImageCounts.NumTvChannels),
    FIELD(kCounts + 6, 1, 0x61, i.ImageCounts.Reserved6[0]),
    FIELD(kCounts + 11, 1, 0x66, i.ImageCounts.Reserved6[5]),

    FIELD(kSat + 0, 1, 3, i.Satellites[4].SatelliteNumber),
    FIELD(kSat + 1, 1, 0x31, i.Satellites[4].Reserved1),
    FIELD(kSat + 2, 2, 3450, i.Satellites[4].OrbitalPosition),
    FIELD(kSat + 4, 1, 'S', i.Satellites[4].SatelliteName[0]),
    FIELD(kSat + 19, 1, 'z', i.Satellites[4].SatelliteName[15]),
    FIELD(kSat + 20, 1, 0x14, i.Satellites[4].NumTransponders),
    FIELD(kSat + 21, 1, 0x15, i.Satellites[4].Reserved21),
    FIELD(kSat + 22, 1, 2, i.Satellites[4].Tone22kHz),
    FIELD(kSat + 23, 1, 0x17, i.Satellites[4].Reserved23[0]),
    FIELD(kSat + 25, 1, 0x19, i.Satellites[4].Reserved23[2]),
    FIELD(kSat + 26, 2, 9750, i.Satellites[4].LofLow),
    FIELD(kSat + 28, 2, 10600, i.Satellites[4].LofHigh),
    FIELD(kSat + 30, 1, 0x1E, i.Satellites[4].Reserved30[0]),
    FIELD(kSat + 31, 1, 0x1F, i.Satellites[4].Reserved30[1]),
    FIELD(kSat + 32, 1, 4, i.Satellites[4].DiseqcMode),
    FIELD(kSat + 33, 1, 0x21, i.Satellites[4].Reserved33),
    FIELD(kSat + 34, 1, 1, i.Satellites[4].Diseqc12),
    FIELD(kSat + 35, 1, 0x23, i.Satellites[4].Reserved35),
    FIELD(kSat + 36, 1, 0x24, i.Satellites[4].Positioner),
    FIELD(kSat + 37, 1, 0x25, i.Satellites[4].Reserved37[0]),
    FIELD(kSat + 39, 1, 0x27, i.Satellites[4].Reserved37[2]),
    FIELD(kSat + 40, 1, 12, i.Satellites[4].Diseqc11Port),
    FIELD(kSat + 41, 1, 0x29, i.Satellites[4].Reserved41[0]),
    FIELD(kSat + 43, 1, 0x2B, i.Satellites[4].Reserved41[2]),
    FIELD(kSat + 44, 1, 0x57, i.Satellites[4].EastWest),
    FIELD(kSat + 45, 1, 0x2D, i.Satellites[4].Reserved45[0]),
    FIELD(kSat + 47, 1, 0x2F, i.Satellites[4].Reserved45[2]),

    FIELD(kCh + 0, 2, 27947, i.Channels[2].ServiceId),
    FIELD(kCh + 2, 2, 1, i.Channels[2].ProviderIndex),
    FIELD(kCh + 4, 2, 2, i.Channels[2].TransponderIndex),
    FIELD(kCh + 6, 2, 0x0A1B, i.Channels[2].VideoPid),
    FIELD(kCh + 8, 2, 0x0A1C, i.Channels[2].AudioPid),
    FIELD(kCh + 10, 2, 0x0A1D, i.Channels[2].PcrPid),
    FIELD(kCh + 12, 1, 0x5A, i.Channels[2].Reserved12),
    FIELD(kCh + 13, 1, 0x81, i.Channels[2].TunerFlags),
    FIELD(kCh + 14, 1, 0x19, i.Channels[2].ServiceType),
    FIELD(kCh + 15, 1, 0xA5, i.Channels[2].Reserved15),
    FIELD(kCh + 16, 1, 0x05, i.Channels[2].ServiceName[0]),
    FIELD(kCh + 31, 1, 'x', i.Channels[2].ServiceName[15]),

    FIELD(kGrp + 0, 1, 'F', i.FavGroups[2].GroupName[0]),
    FIELD(kGrp + 15, 1, 'g', i.FavGroups[2].GroupName[15]),
    FIELD(kGrp + 16, 2, 1, i.FavGroups[2].Entries[0]),
    FIELD(kGrp + 18, 2, 0x0302, i.FavGroups[2].Entries[1]),
    FIELD(kGrp + 814, 2, 19999, i.FavGroups[2].Entries[399]),
    FIELD(kGrp + 816, 1, 3, i.FavGroups[2].NumMembersCopy),
    FIELD(kGrp + 817, 1, 0x3C, i.FavGroups[2].Reserved817),
    FIELD(kGrp + 818, 1, 2, i.FavGroups[2].NumMembers),
    FIELD(kGrp + 819, 1, 0xC3, i.FavGroups[2].Reserved819),

    FIELD(kTp + 0, 1, 3, i.Transponders[2].SatelliteIndex),
    FIELD(kTp + 1, 1, 0x4B, i.Transponders[2].Reserved1),
    FIELD(kTp + 2, 1, 2, i.Transponders[2].Polarisation),
    FIELD(kTp + 3, 1, 1, i.Transponders[2].DvbType),
    FIELD(kTp + 4, 2, 1079, i.Transponders[2].Tid),
    FIELD(kTp + 6, 2, 0x7766, i.Transponders[2].Reserved6),
    FIELD(kTp + 8, 2, 133, i.Transponders[2].Onid),
    FIELD(kTp + 10, 2, 11836, i.Transponders[2].Frequency),
    FIELD(kTp + 12, 2, 27500, i.Transponders[2].SymbolRate),
    FIELD(kTp + 14, 2, 0x1234, i.Transponders[2].Reserved14),

    FIELD(kProv + 0, 1, 'Q', i.Providers[2].ProviderLabel[0]),
    FIELD(kProv + 15, 1, 'r', i.Providers[2].ProviderLabel[15]),
};
#undef FIELD

void put8(QByteArray& bytes, int at, int v) {
    bytes[at] = char(v);
}
void put16(QByteArray& bytes, int at, int v) {
    put8(bytes, at, v & 0xFF);
    put8(bytes, at + 1, v >> 8);
}
int get(const QByteArray& bytes, int at, int width) {
    const int low = quint8(bytes[at]);
    return width == 1 ? low : low | quint8(bytes[at + 1]) << 8;
}

/// Every field of kFields placed by hand, and the records in front of those under test: satellite slots
/// 0 to 2, transponders 1 and 3 (on satellites 0 and 3), provider 1.
QByteArray handPlacedImage() {
    QByteArray bytes(722992, '\0');
    for (const Field& f : kFields)
        (f.width == 1 ? put8 : put16)(bytes, f.at, f.value);
    for (int s = 1; s <= 2; ++s)
        put8(bytes, kSatellites + s * 48, s);
    put16(bytes, kTransponders + 10, 10700);
    put8(bytes, kTransponders + 32, 3);
    put16(bytes, kTransponders + 32 + 10, 12000);
    put8(bytes, kProviders, 'P');
    return bytes;
}

} // namespace

class tst_Layout : public QObject {
    Q_OBJECT

private slots:
    void loaderReadsHandPlacedTables() {
        const auto img = std::make_unique<SettingsImage>();
        QVERIFY(!parseImage(handPlacedImage(), *img));
        const QList<int> counters{img->SatelliteCount, img->ChannelCount,     img->TvCount,
                                  img->RadioCount,     img->TransponderCount, img->ProviderCount,
                                  img->FavGroupCount};
        QCOMPARE(counters, (QList<int>{4, 2, 1, 1, 3, 2, 9}));
    }

    void loaderReadsFieldAtItsOffset_data() { fieldRows(); }
    void loaderReadsFieldAtItsOffset() {
        QFETCH(int, row);
        static const std::unique_ptr<SettingsImage> img = [] {
            auto loaded = std::make_unique<SettingsImage>();
            parseImage(handPlacedImage(), *loaded);
            return loaded;
        }();
        QCOMPARE(kFields[std::size_t(row)].get(*img), kFields[std::size_t(row)].value);
    }

    void writerPutsFieldAtItsOffset_data() { fieldRows(); }
    void writerPutsFieldAtItsOffset() {
        QFETCH(int, row);
        static const QByteArray bytes = [] {
            auto img = std::make_unique<SettingsImage>();
            img->SatelliteCount = 4;
            img->ChannelCount = 2;
            img->TvCount = img->RadioCount = 1;
            img->TransponderCount = 3;
            img->ProviderCount = 2;
            img->FavGroupCount = 9;
            for (const Field& f : kFields)
                f.set(*img, f.value);
            QByteArray out;
            serializeImage(*img, out);
            return out;
        }();
        const Field& f = kFields[std::size_t(row)];
        QCOMPARE(bytes.size(), 722992);
        QCOMPARE(get(bytes, f.at, f.width), f.value);
    }

private:
    void fieldRows() {
        QTest::addColumn<int>("row");
        for (std::size_t r = 0; r < kFields.size(); ++r)
            QTest::newRow(kFields[r].name) << int(r);
    }
};

QTEST_GUILESS_MAIN(tst_Layout)
#include "tst_layout.moc"
