#include "image/ComparisonRow.h"

#include "image/ChannelView.h"
#include "image/Fields.h"
#include "image/TableOps.h"
#include "image/TransponderMatch.h"

namespace image {

std::vector<int> ChannelsOnTransponder(const SettingsImage& img, int t) {
    std::vector<int> channels;
    for (int c = 1; c <= img.ChannelCount; ++c) {
        if (ChannelTransponder(img.Channels[c]) == t)
            channels.push_back(c);
    }
    return channels;
}

ComparisonRow MakeComparisonRow(const SettingsImage& img, int c) {
    const TChannelRecord& channel = img.Channels[c];
    ComparisonRow row;
    row.channel = ChannelName(channel);
    const int t = ChannelTransponder(channel);
    // Indexes read from the file are checked: a channel on no transponder shows no satellite.
    if (t >= 1 && t <= img.TransponderCount) {
        const int s = TransponderSatellite(img.Transponders[t]) + 1;
        if (s >= 1 && s <= img.SatelliteCount)
            row.sat = SatelliteShortPositionText(img.Satellites[s]);
        row.frequency = TransponderFrequency(img, t);
        row.pol = TransponderPolLetter(img, t);
    } else {
        row.pol = QStringLiteral("?");
    }
    row.type = ChannelTypeText(img, c);
    row.tuner = ChannelTuner(channel);
    row.serviceId = QString::number(ChannelServiceId(channel));
    row.videoPid = ChannelVideoPid(channel);
    row.audioPid = ChannelAudioPid(channel);
    row.pcrPid = ChannelPcrPid(channel);
    row.transponder = t;
    row.number = c;
    row.provider = channel.ProviderIndex;
    for (int g = 1; g <= 9; ++g)
        row.fav[static_cast<std::size_t>(g - 1)] = IsInFavGroup(c, g, img);
    row.sMark = (channel.ServiceType & 0x04) != 0;
    return row;
}

} // namespace image
