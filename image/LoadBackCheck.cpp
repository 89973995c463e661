#include "image/LoadBackCheck.h"

#include "image/Fields.h"
#include "image/ImageFile.h"
#include "image/Layout.h"
#include "image/TransponderTable.h"

#include <memory>

namespace image {

namespace {

/// The reader's rules that a table can break, each named for the user.
QString knownCause(const SettingsImage& img) {
    if (img.SatelliteCount == 0)
        return QStringLiteral("Es gibt keinen Satelliten; beim Laden wird der erste Satellitenplatz immer "
                              "als Satellit gelesen.");
    for (int s = 2; s <= img.SatelliteCount; ++s) {
        if (img.Satellites[s].SatelliteNumber == 0)
            return QStringLiteral("Satellit %1 („%2“) hat die Nummer 0 und würde beim Laden übergangen.")
                .arg(s)
                .arg(SatelliteDisplayName(img.Satellites[s]));
    }
    for (int s = img.SatelliteCount + 1; s <= layout::kSatelliteSlotCount; ++s) {
        if (img.Satellites[s].SatelliteNumber != 0)
            return QStringLiteral("Hinter dem letzten Satelliten steht auf Platz %1 ein Eintrag mit der "
                                  "Nummer %2, der beim Laden als Satellit gelesen würde.")
                .arg(s)
                .arg(img.Satellites[s].SatelliteNumber);
    }
    if (const QString problem = TransponderTableProblem(img); !problem.isEmpty())
        return problem;
    for (int p = 1; p <= img.ProviderCount; ++p) {
        if (IsEmptyRecord(img.Providers[p].ProviderLabel))
            return QStringLiteral("Provider %1 besteht nur aus Nullbytes und würde beim Laden übergangen.")
                .arg(p);
    }
    if (img.ImageCounts.NumChannels != img.ChannelCount || img.ImageCounts.NumTvChannels != img.TvCount)
        return QStringLiteral("Die Senderzahlen der Datei (%1 Sender, davon %2 TV) passen nicht zur "
                              "Sendertabelle (%3 Sender, davon %4 TV).")
            .arg(img.ImageCounts.NumChannels)
            .arg(img.ImageCounts.NumTvChannels)
            .arg(img.ChannelCount)
            .arg(img.TvCount);
    return {};
}

template <typename Table> bool sameRecords(const Table& a, const Table& b, int count) {
    for (int i = 1; i <= count; ++i) {
        if (!(a[i] == b[i]))
            return false;
    }
    return true;
}

/// The first table that reads back differently, as a German noun; empty when all agree.
QString differingTable(const SettingsImage& img, const SettingsImage& back) {
    if (!(img.HeaderBlocks == back.HeaderBlocks) || !(img.ImageCounts == back.ImageCounts))
        return QStringLiteral("Kopfdaten");
    if (img.SatelliteCount != back.SatelliteCount ||
        !sameRecords(img.Satellites, back.Satellites, img.SatelliteCount))
        return QStringLiteral("Satelliten");
    if (img.ChannelCount != back.ChannelCount || img.TvCount != back.TvCount ||
        !sameRecords(img.Channels, back.Channels, img.ChannelCount))
        return QStringLiteral("Sender");
    if (!(img.FavGroups == back.FavGroups))
        return QStringLiteral("Favoriten");
    if (img.TransponderCount != back.TransponderCount ||
        !sameRecords(img.Transponders, back.Transponders, img.TransponderCount))
        return QStringLiteral("Transponder");
    if (img.ProviderCount != back.ProviderCount ||
        !sameRecords(img.Providers, back.Providers, img.ProviderCount))
        return QStringLiteral("Provider");
    return {};
}

} // namespace

QString LoadBackProblem(const SettingsImage& img, const QByteArray& bytes) {
    if (const QString cause = knownCause(img); !cause.isEmpty())
        return cause;
    // Whatever else could differ: read the bytes as a load would and compare.
    auto back = std::make_unique<SettingsImage>();
    if (const ImageError e = parseImage(bytes, *back))
        return e.message;
    if (const QString table = differingTable(img, *back); !table.isEmpty())
        return QStringLiteral("Die Tabelle „%1“ würde beim Laden anders gelesen.").arg(table);
    return {};
}

} // namespace image
