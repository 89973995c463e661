#include "ImageFixture.h"

#include "image/Codecs.h"
#include "image/Fields.h"
#include "image/ImageFile.h"
#include "image/Layout.h"

#include <QFile>
#include <QTemporaryDir>

using namespace image;
using namespace image::layout;

namespace {

template <std::size_t N> std::span<Byte, N> at(QByteArray& bytes, std::int64_t offset) {
    return std::span<Byte, N>(reinterpret_cast<Byte*>(bytes.data()) + offset, N);
}

void patternReserved(TChannelCounts& c) {
    c.Reserved6 = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
}

} // namespace

QByteArray ImageFixture::build() const {
    QByteArray bytes(kImageSize, '\0');
    if (dirtyUnusedRegions)
        bytes.fill('\xEE');
    for (int i = 0; i < kHeaderBlockCount * kHeaderBlockSize; ++i)
        bytes[i] = patternedHeader ? static_cast<char>((i * 7 + 3) & 0xFF) : '\0';

    TChannelCounts counts;
    if (countsOverride) {
        counts = *countsOverride;
    } else {
        counts.NumSatellites = static_cast<Byte>(satelliteSlots.size());
        counts.NumChannels = static_cast<std::uint16_t>(channels.size());
        counts.NumTvChannels = static_cast<std::uint16_t>(tvCount);
        patternReserved(counts);
    }
    encode(counts, at<12>(bytes, kCountsOffset));

    for (int s = 0; s < kSatelliteSlotCount; ++s) {
        const TSatelliteRecord sat = s < static_cast<int>(satelliteSlots.size())
                                         ? satelliteSlots[static_cast<std::size_t>(s)]
                                         : TSatelliteRecord{};
        encode(sat, at<48>(bytes, kSatelliteOffset + s * kSatelliteRecordSize));
    }
    for (std::size_t c = 0; c < channels.size() && c < kMaxChannels; ++c)
        encode(channels[c],
               at<32>(bytes, kChannelOffset + static_cast<std::int64_t>(c) * kChannelRecordSize));
    for (int g = 0; g < kFavGroupCount; ++g) {
        const TFavGroupRecord group = g < static_cast<int>(favGroups.size())
                                          ? favGroups[static_cast<std::size_t>(g)]
                                          : TFavGroupRecord{};
        encode(group, at<820>(bytes, kFavGroupOffset + g * kFavGroupRecordSize));
    }
    for (std::size_t t = 0; t < transponders.size() && t < kMaxTransponders; ++t)
        encode(transponders[t],
               at<16>(bytes, kTransponderOffset + static_cast<std::int64_t>(t) * kTransponderRecordSize));
    // An all-zero record ends the transponder table even in a dirty image.
    if (dirtyUnusedRegions && transponders.size() < kMaxTransponders) {
        auto end = at<16>(bytes, kTransponderOffset + static_cast<std::int64_t>(transponders.size()) * 16);
        std::fill(end.begin(), end.end(), Byte{0});
    }
    for (int p = 0; p < kProviderSlotCount; ++p) {
        const auto block = at<16>(bytes, kProviderOffset + p * kProviderRecordSize);
        if (p < static_cast<int>(providerBlocks.size()) && providerBlocks[static_cast<std::size_t>(p)])
            encode(*providerBlocks[static_cast<std::size_t>(p)], block);
        else
            std::fill(block.begin(), block.end(), Byte{0});
    }
    return bytes;
}

bool ImageFixture::writeTo(const QString& path) const {
    QFile file(path);
    const QByteArray bytes = build();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TSatelliteRecord ImageFixture::satellite(int number, const QString& name, int orbitalPosition) {
    TSatelliteRecord s;
    s.SatelliteNumber = static_cast<Byte>(number);
    s.OrbitalPosition = static_cast<std::uint16_t>(orbitalPosition);
    StoreName(s.SatelliteName, name);
    s.Tone22kHz = 0;
    s.LofLow = 9750;
    s.LofHigh = 10600;
    s.DiseqcMode = 1;
    s.EastWest = 0x45;
    s.Reserved23 = {0xA1, 0xA2, 0xA3};
    s.Reserved45 = {0xB1, 0xB2, 0xB3};
    return s;
}

TChannelRecord ImageFixture::channel(const QString& name, int transponderIndex, int providerIndex,
                                     int serviceId) {
    TChannelRecord c;
    c.ServiceId = static_cast<std::uint16_t>(serviceId);
    c.ProviderIndex = static_cast<std::uint16_t>(providerIndex);
    c.TransponderIndex = static_cast<std::uint16_t>(transponderIndex);
    c.VideoPid = 0x100;
    c.AudioPid = 0x101;
    c.PcrPid = 0x100;
    c.Reserved12 = 0x5A;
    c.TunerFlags = 0x01;
    c.ServiceType = 0x10;
    c.Reserved15 = 0xA5;
    StoreName(c.ServiceName, name);
    return c;
}

TTransponderRecord ImageFixture::transponder(int satelliteIndex, int frequency, int polarisation,
                                             int symbolRate) {
    TTransponderRecord t;
    t.SatelliteIndex = static_cast<Byte>(satelliteIndex);
    t.Polarisation = static_cast<Byte>(polarisation);
    t.Frequency = static_cast<std::uint16_t>(frequency);
    t.SymbolRate = static_cast<std::uint16_t>(symbolRate);
    t.Tid = 1000;
    t.Onid = 1;
    t.Reserved6 = 0x7777;
    t.Reserved14 = 0x1234;
    return t;
}

TProviderRecord ImageFixture::provider(const QString& name) {
    TProviderRecord p;
    StoreName(p.ProviderLabel, name);
    return p;
}

TFavGroupRecord ImageFixture::favGroup(const QString& name, const std::vector<int>& channelIndexes) {
    TFavGroupRecord g;
    StoreName(g.GroupName, name);
    for (std::size_t i = 0; i < channelIndexes.size() && i < g.Entries.size(); ++i)
        g.Entries[i] = static_cast<std::uint16_t>(channelIndexes[i]);
    g.NumMembers = static_cast<Byte>(channelIndexes.size());
    g.NumMembersCopy = g.NumMembers;
    g.Reserved817 = 0x3C;
    return g;
}

ImageFixture ImageFixture::typical() {
    ImageFixture f;
    f.satelliteSlots = {satellite(0, QStringLiteral("Astra 19.2E"), 192),
                        satellite(1, QStringLiteral("Hotbird 13E"), 130),
                        satellite(2, QStringLiteral("Astra 28.2E"), 282)};
    f.transponders = {transponder(0, 11836, 0),        transponder(0, 12188, 0),
                      transponder(1, 10992, 1),        transponder(1, 11034, 1, 29900),
                      transponder(2, 10714, 0, 22000), transponder(2, 11426, 0)};
    const char* names[] = {"Das Erste", "ZDF", "RTL",        "SAT.1",    "Rai 1",
                           "BBC One",   "ITV", "Radio Eins", "Bayern 3", "BBC Radio 4"};
    const int tps[] = {0, 0, 1, 1, 2, 4, 5, 0, 1, 4};
    const int provs[] = {0, 0, 1, 1, 2, 2, 2, 0, 1, 2};
    for (int i = 0; i < 10; ++i)
        f.channels.push_back(channel(QString::fromLatin1(names[i]), tps[i], provs[i], 100 + i));
    f.tvCount = 7;
    f.providerBlocks = {provider(QStringLiteral("ARD")), provider(QStringLiteral("ProSiebenSat.1")),
                        provider(QStringLiteral("BBC"))};
    const char* groups[] = {"Nachrichten", "Sport",    "Kinder",  "Musik", "Film",
                            "Doku",        "Regional", "Ausland", "Radio"};
    for (int g = 0; g < 9; ++g)
        f.favGroups.push_back(favGroup(QString::fromLatin1(groups[g]),
                                       g == 0 ? std::vector<int>{1, 0, 5}
                                              : (g == 8 ? std::vector<int>{7, 9} : std::vector<int>{})));
    return f;
}

ImageFixture ImageFixture::full() {
    ImageFixture f;
    for (int s = 0; s < kSatelliteSlotCount; ++s)
        f.satelliteSlots.push_back(satellite(s, QStringLiteral("Sat %1").arg(s), 10 * s));
    for (int t = 0; t < kTransponderReadLimit; ++t)
        f.transponders.push_back(transponder(t * 153 / (kTransponderReadLimit - 1), 10700 + t % 2000, t % 4));
    for (int c = 0; c < kMaxChannels; ++c)
        f.channels.push_back(
            channel(QStringLiteral("Kanal %1").arg(c), c % kTransponderReadLimit, c % kProviderSlotCount, c));
    f.tvCount = 15000;
    for (int p = 0; p < kProviderSlotCount; ++p)
        f.providerBlocks.push_back(provider(QStringLiteral("Anbieter %1").arg(p)));
    for (int g = 0; g < 9; ++g) {
        std::vector<int> members;
        for (int m = 0; m < 255; ++m)
            members.push_back((g * 255 + m * 7) % kMaxChannels);
        f.favGroups.push_back(favGroup(QStringLiteral("Gruppe %1").arg(g + 1), members));
    }
    return f;
}

namespace {

struct ChannelRowData {
    const char16_t* name;
    int type;
    int tuner;
    int transponder;
    int provider;
};

const ChannelRowData kMixedChannels[] = {
    {u"Das Erste", 0x01, 1, 0, 0},  {u"ZDF HD", 0x19, 2, 1, 1},   {u"Sky Cinema", 0x11, 1, 2, 2},
    {u"arte", 0x18, 2, 0, 0},       {u"ÖRF eins", 0x10, 1, 3, 1}, {u"öffentlich", 0x15, 1, 1, 2},
    {u"Kabel eins", 0x12, 2, 2, 0}, {u"Sport1", 0x05, 1, 3, 1},   {u"Bayern 3", 0x02, 1, 0, 0},
    {u"Radio HD", 0x18, 2, 1, 1},   {u"SWR1", 0x12, 1, 2, 2},     {u"Radio Bremen", 0x11, 1, 3, 0},
};

} // namespace

ImageFixture ImageFixture::mixedChannels() {
    ImageFixture f;
    f.satelliteSlots = {satellite(0, QStringLiteral("Ost"), 192), satellite(1, QStringLiteral("West"), 50)};
    f.satelliteSlots[1].EastWest = 'W';
    f.satelliteSlots[0].NumTransponders = 2;
    f.satelliteSlots[1].NumTransponders = 2;
    f.transponders = {transponder(0, 11836, 0), transponder(0, 12188, 1), transponder(1, 10992, 2),
                      transponder(1, 11034, 3)};
    f.providerBlocks = {provider(QStringLiteral("A")), provider(QStringLiteral("B")),
                        provider(QStringLiteral("C"))};
    int id = 100;
    for (const ChannelRowData& data : kMixedChannels) {
        image::TChannelRecord c =
            channel(QString::fromUtf16(data.name), data.transponder, data.provider, id++);
        c.ServiceType = static_cast<image::Byte>(data.type);
        c.TunerFlags = static_cast<image::Byte>(data.tuner == 2 ? 0x81 : 0x01);
        f.channels.push_back(c);
    }
    f.tvCount = 8;
    return f;
}

ImagePtr loadFixture(const ImageFixture& fixture) {
    auto img = std::make_unique<image::SettingsImage>();
    if (const image::ImageError error = image::parseImage(fixture.build(), *img))
        qFatal("fixture does not load: %s", qPrintable(error.message));
    return img;
}

QByteArray imageBytes(const image::SettingsImage& img) {
    QByteArray out;
    if (const image::ImageError error = image::serializeImage(img, out))
        qFatal("image does not serialize: %s", qPrintable(error.message));
    return out;
}

QList<int> groupEntries(const image::SettingsImage& img, int g) {
    QList<int> out;
    for (int i = 0; i < img.FavGroups[g].NumMembers; ++i)
        out << img.FavGroups[g].Entries[static_cast<std::size_t>(i)];
    return out;
}

QList<int> serviceIds(const image::SettingsImage& img) {
    QList<int> out;
    for (int c = 1; c <= img.ChannelCount; ++c)
        out << img.Channels[c].ServiceId;
    return out;
}

image::ImageError writeOverOldFile(const image::SettingsImage& img, QByteArray& left) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.si"));
    QFile old(path);
    if (!old.open(QIODevice::WriteOnly) || old.write("old") != 3)
        qFatal("cannot write %s", qPrintable(path));
    old.close();
    const image::ImageError error = image::WriteImage(img, path);
    QFile check(path);
    left = check.open(QIODevice::ReadOnly) ? check.readAll() : QByteArray();
    return error;
}
