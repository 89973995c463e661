#include "ImageInvariants.h"

#include "image/Layout.h"

using namespace image;

namespace {

class Checker {
public:
    QStringList violations;

    void expect(bool ok, const QString& what) {
        // Past a few dozen lines more of them tell nothing new.
        if (!ok && violations.size() < 40)
            violations << what;
    }
};

} // namespace

QStringList imageInvariantViolations(const SettingsImage& img) {
    Checker check;
    const auto within = [](int count, int capacity) { return count >= 0 && count <= capacity; };
    check.expect(within(img.ChannelCount, layout::kMaxChannels),
                 QStringLiteral("ChannelCount %1 outside the table").arg(img.ChannelCount));
    check.expect(img.TvCount >= 0 && img.RadioCount >= 0,
                 QStringLiteral("TvCount %1 or RadioCount %2 negative").arg(img.TvCount).arg(img.RadioCount));
    check.expect(img.ChannelCount == img.TvCount + img.RadioCount,
                 QStringLiteral("ChannelCount %1 is not TvCount %2 + RadioCount %3")
                     .arg(img.ChannelCount)
                     .arg(img.TvCount)
                     .arg(img.RadioCount));
    check.expect(img.ImageCounts.NumChannels == img.ChannelCount,
                 QStringLiteral("NumChannels %1 differs from ChannelCount %2")
                     .arg(img.ImageCounts.NumChannels)
                     .arg(img.ChannelCount));
    check.expect(img.ImageCounts.NumTvChannels == img.TvCount,
                 QStringLiteral("NumTvChannels %1 differs from TvCount %2")
                     .arg(img.ImageCounts.NumTvChannels)
                     .arg(img.TvCount));
    check.expect(within(img.TransponderCount, layout::kMaxTransponders),
                 QStringLiteral("TransponderCount %1 outside the table").arg(img.TransponderCount));
    check.expect(within(img.SatelliteCount, layout::kMaxSatellitesInMemory),
                 QStringLiteral("SatelliteCount %1 outside the table").arg(img.SatelliteCount));
    check.expect(within(img.ProviderCount, layout::kMaxProvidersInMemory),
                 QStringLiteral("ProviderCount %1 outside the table").arg(img.ProviderCount));
    check.expect(within(img.FavGroupCount, layout::kFavGroupCount),
                 QStringLiteral("FavGroupCount %1 outside the table").arg(img.FavGroupCount));
    if (!check.violations.isEmpty())
        return check.violations; // the loops below would leave the tables

    for (int s = 1; s <= img.SatelliteCount; ++s)
        check.expect(img.Satellites[s].SatelliteNumber == s - 1,
                     QStringLiteral("satellite %1 has SatelliteNumber %2")
                         .arg(s)
                         .arg(img.Satellites[s].SatelliteNumber));
    for (int c = 1; c <= img.ChannelCount; ++c) {
        const TChannelRecord& ch = img.Channels[c];
        check.expect(ch.TransponderIndex < img.TransponderCount,
                     QStringLiteral("channel %1 names transponder index %2 of %3")
                         .arg(c)
                         .arg(ch.TransponderIndex)
                         .arg(img.TransponderCount));
        check.expect(ch.ProviderIndex < img.ProviderCount,
                     QStringLiteral("channel %1 names provider index %2 of %3")
                         .arg(c)
                         .arg(ch.ProviderIndex)
                         .arg(img.ProviderCount));
    }
    for (int t = 1; t <= img.TransponderCount; ++t) {
        const int sat = img.Transponders[t].SatelliteIndex;
        check.expect(sat < img.SatelliteCount, QStringLiteral("transponder %1 names satellite index %2 of %3")
                                                   .arg(t)
                                                   .arg(sat)
                                                   .arg(img.SatelliteCount));
        if (t > 1)
            check.expect(img.Transponders[t - 1].SatelliteIndex <= sat,
                         QStringLiteral("transponder %1 (satellite index %2) stands after satellite index %3")
                             .arg(t)
                             .arg(sat)
                             .arg(img.Transponders[t - 1].SatelliteIndex));
    }
    for (int g = 1; g <= layout::kFavGroupCount; ++g) {
        const TFavGroupRecord& group = img.FavGroups[g];
        check.expect(group.NumMembers <= layout::kMaxFavMembers,
                     QStringLiteral("group %1 has %2 members").arg(g).arg(group.NumMembers));
        check.expect(group.NumMembersCopy == group.NumMembers,
                     QStringLiteral("group %1: member counts %2 and %3 differ")
                         .arg(g)
                         .arg(group.NumMembers)
                         .arg(group.NumMembersCopy));
        for (int i = 0; i < group.NumMembers; ++i) {
            const int entry = group.Entries[static_cast<std::size_t>(i)];
            check.expect(entry < img.ChannelCount,
                         QStringLiteral("group %1 entry %2 names channel index %3 of %4")
                             .arg(g)
                             .arg(i)
                             .arg(entry)
                             .arg(img.ChannelCount));
        }
    }
    return check.violations;
}
