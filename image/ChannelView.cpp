#include "image/ChannelView.h"

#include "image/Fields.h"
#include "image/Layout.h"
#include "platform/Conversions.h"

namespace image {

namespace {

constexpr Byte kScrambledType = 0x11;
constexpr Byte kHdType = 0x18;
constexpr Byte kHdScrambledType = 0x19;

bool transponderInTable(const SettingsImage& img, int t) {
    return t >= 1 && t <= img.TransponderCount;
}

} // namespace

QString SearchUpperCase(const QString& text) {
    QString upper = text;
    for (QChar& ch : upper) {
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - ('a' - 'A'));
    }
    return upper;
}

ChannelFilter::ChannelFilter(TypeFilter type, TunerFilter tuner, const QString& contains,
                             const QString& startsWith)
    : m_type(type), m_tuner(tuner), m_contains(SearchUpperCase(contains)),
      m_startsWith(SearchUpperCase(startsWith)) {}

bool ChannelFilter::passes(const SettingsImage& img, int c) const {
    const TChannelRecord& channel = img.Channels[c];
    const bool tv = c <= img.TvCount;
    switch (m_type) {
    case TypeFilter::All:
        break;
    case TypeFilter::TvFree:
        if (!tv || channel.ServiceType >= kScrambledType)
            return false;
        break;
    case TypeFilter::PayTv:
        if (!tv || channel.ServiceType != kScrambledType)
            return false;
        break;
    case TypeFilter::Hd:
        if (channel.ServiceType != kHdType && channel.ServiceType != kHdScrambledType)
            return false;
        break;
    case TypeFilter::Radio:
        if (tv)
            return false;
        break;
    }
    const bool secondTuner = (channel.TunerFlags & 0x80) != 0;
    if ((m_tuner == TunerFilter::Tuner1 && secondTuner) || (m_tuner == TunerFilter::Tuner2 && !secondTuner))
        return false;
    if (m_contains.isEmpty() && m_startsWith.isEmpty())
        return true;
    const QString name = SearchUpperCase(ChannelName(channel));
    if (!m_contains.isEmpty() && !name.contains(m_contains))
        return false;
    return m_startsWith.isEmpty() || name.startsWith(m_startsWith);
}

std::vector<ChannelViewRow> AllChannelsView(const SettingsImage& img, const ChannelFilter& filter) {
    std::vector<ChannelViewRow> rows;
    rows.reserve(static_cast<std::size_t>(img.ChannelCount));
    for (int c = 1; c <= img.ChannelCount; ++c) {
        if (filter.passes(img, c))
            rows.push_back({c, -1});
    }
    return rows;
}

std::vector<ChannelViewRow> FavGroupView(const SettingsImage& img, int g, const ChannelFilter& filter) {
    std::vector<ChannelViewRow> rows;
    if (g < 1 || g > layout::kFavGroupCount)
        return rows;
    const TFavGroupRecord& group = img.FavGroups[g];
    for (int j = 0; j < group.NumMembers; ++j) {
        // A damaged entry (beyond the channels, or 0xFFFF) names no channel: no row.
        const int c = group.Entries[static_cast<std::size_t>(j)] + 1;
        if (c <= img.ChannelCount && filter.passes(img, c))
            rows.push_back({c, j});
    }
    return rows;
}

std::vector<ChannelViewRow> ProviderView(const SettingsImage& img, int p, const ChannelFilter& filter) {
    std::vector<ChannelViewRow> rows;
    for (int c = 1; c <= img.ChannelCount; ++c) {
        if (img.Channels[c].ProviderIndex == p && filter.passes(img, c))
            rows.push_back({c, -1});
    }
    return rows;
}

std::vector<ChannelViewRow> TransponderView(const SettingsImage& img, const std::vector<int>& transponders,
                                            const ChannelFilter& filter) {
    std::vector<ChannelViewRow> rows;
    for (int t : transponders) {
        for (int c = 1; c <= img.ChannelCount; ++c) {
            if (img.Channels[c].TransponderIndex == t && filter.passes(img, c))
                rows.push_back({c, -1});
        }
    }
    return rows;
}

FavMembership::FavMembership(const SettingsImage& img)
    : m_masks(static_cast<std::size_t>(img.ChannelCount) + 1, 0) {
    for (int g = 1; g <= layout::kFavGroupCount; ++g) {
        const TFavGroupRecord& group = img.FavGroups[g];
        for (int j = 0; j < group.NumMembers; ++j) {
            const int c = group.Entries[static_cast<std::size_t>(j)] + 1;
            if (c <= img.ChannelCount)
                m_masks[static_cast<std::size_t>(c)] |= static_cast<std::uint16_t>(1u << (g - 1));
        }
    }
}

std::uint16_t FavMembership::mask(int c) const {
    if (c < 1 || static_cast<std::size_t>(c) >= m_masks.size())
        return 0;
    return m_masks[static_cast<std::size_t>(c)];
}

bool FavMembership::isMember(int c, int g) const {
    return g >= 1 && g <= layout::kFavGroupCount && (mask(c) & (1u << (g - 1))) != 0;
}

QString ChannelTypeText(const SettingsImage& img, int c) {
    return (c <= img.TvCount ? QStringLiteral("TV") : QStringLiteral("R")) +
           ServiceTypeSuffix(img.Channels[c].ServiceType);
}

QString ChannelSatText(const SettingsImage& img, const TChannelRecord& channel) {
    const int t = ChannelTransponder(channel);
    if (!transponderInTable(img, t))
        return {};
    const int s = TransponderSatellite(img.Transponders[t]) + 1;
    if (s < 1 || s > img.SatelliteCount)
        return {};
    const TSatelliteRecord& satellite = img.Satellites[s];
    return platform::FloatToStr(satellite.OrbitalPosition / 10.0) +
           (satellite.EastWest == 'E' ? QStringLiteral(u"° O") : QStringLiteral(u"° W"));
}

ChannelRowCells MakeChannelRow(const SettingsImage& img, int c, const FavMembership& membership) {
    const TChannelRecord& channel = img.Channels[c];
    ChannelRowCells row;
    auto& texts = row.texts;
    texts[ccChannel] = ChannelName(channel);
    texts[ccSat] = ChannelSatText(img, channel);
    const int t = ChannelTransponder(channel);
    if (transponderInTable(img, t)) {
        texts[ccFrequency] = QString::number(TransponderFrequency(img, t));
        texts[ccPol] = TransponderPolLetter(img, t);
    }
    texts[ccType] = ChannelTypeText(img, c);
    texts[ccTuner] = ChannelTuner(channel);
    texts[ccServiceId] = QString::number(ChannelServiceId(channel));
    texts[ccVideoPid] = ChannelVideoPid(channel);
    texts[ccAudioPid] = ChannelAudioPid(channel);
    texts[ccPcrPid] = ChannelPcrPid(channel);
    texts[ccTransponder] = QString::number(t);
    texts[ccNumber] = QString::number(c);
    texts[ccProvider] = QString::number(channel.ProviderIndex);
    const std::uint16_t mask = membership.mask(c);
    for (int g = 0; g < 9; ++g)
        row.fav[static_cast<std::size_t>(g)] = (mask & (1u << g)) != 0;
    row.mark = (channel.ServiceType & 0x04) != 0;
    return row;
}

} // namespace image
