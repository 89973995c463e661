#pragma once

#include "image/Tables.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// Which channels the channel list shows, in which order, and what each of its cells reads. No widget:
// the window turns these rows into grid rows.
namespace image {

/// The channel list's columns.
enum ChannelColumn : int {
    ccChannel = 0,
    ccSat = 1,
    ccFrequency = 2,
    ccPol = 3,
    ccType = 4,
    ccTuner = 5,
    ccServiceId = 6,
    ccVideoPid = 7,
    ccAudioPid = 8,
    ccPcrPid = 9,
    ccTransponder = 10,
    ccNumber = 11,
    ccProvider = 12,
    ccFav1 = 13, // ccFav1 + g - 1 for group g
    ccFav9 = 21,
    ccMark = 22,
    ccColumnCount = 23,
};

/// Items of the "Filter" radio group.
enum class TypeFilter { All = 0, TvFree = 1, PayTv = 2, Hd = 3, Radio = 4 };
/// Items of the "Tuner" radio group.
enum class TunerFilter { Both = 0, Tuner1 = 1, Tuner2 = 2 };

/// Upper-cases the letters a to z only; umlauts and every other character stay.
QString SearchUpperCase(const QString& text);

/// What narrows every view: type, tuner, a text anywhere in the name and a text at its start.
class ChannelFilter {
public:
    ChannelFilter() = default;
    ChannelFilter(TypeFilter type, TunerFilter tuner, const QString& contains, const QString& startsWith);

    /// True when channel c (1-based, must name a channel) passes all four.
    bool passes(const SettingsImage& img, int c) const;

private:
    TypeFilter m_type = TypeFilter::All;
    TunerFilter m_tuner = TunerFilter::Both;
    QString m_contains;   // upper-cased once
    QString m_startsWith; // upper-cased once
};

/// One row of a view: the channel and, in a group view, the group entry it was built from.
struct ChannelViewRow {
    int number = 0; // 1-based channel number
    int entry = -1; // position in the favourite group; -1 outside a group view
    bool operator==(const ChannelViewRow&) const = default;
};

/// Every channel in table order.
std::vector<ChannelViewRow> AllChannelsView(const SettingsImage& img, const ChannelFilter& filter);
/// The members of group g (1..9) in group order; an entry that names no channel is left out.
std::vector<ChannelViewRow> FavGroupView(const SettingsImage& img, int g, const ChannelFilter& filter);
/// The channels of provider p (0-based, as stored in ProviderIndex), in table order.
std::vector<ChannelViewRow> ProviderView(const SettingsImage& img, int p, const ChannelFilter& filter);
/// The channels of each transponder (0-based indexes) in turn, each in table order.
std::vector<ChannelViewRow> TransponderView(const SettingsImage& img, const std::vector<int>& transponders,
                                            const ChannelFilter& filter);

/// Favourite membership of every channel, read from the groups once: bit g - 1 for group g. Entries that
/// name no channel are ignored.
class FavMembership {
public:
    explicit FavMembership(const SettingsImage& img);
    bool isMember(int c, int g) const;
    std::uint16_t mask(int c) const;

private:
    std::vector<std::uint16_t> m_masks; // by 1-based channel number
};

/// What one row of the channel list shows for a channel.
struct ChannelRowCells {
    std::array<QString, ccFav1> texts; // columns Channel .. Prov
    std::array<bool, 9> fav{};         // Fav1 .. Fav9
    bool mark = false;                 // "S"
};

/// The type text: "TV" or "R" by the channel's place, then the suffix of its ServiceType.
QString ChannelTypeText(const SettingsImage& img, int c);
/// "19,2° O", "5° W": the satellite's position in the locale's notation; empty for no satellite.
QString ChannelSatText(const SettingsImage& img, const TChannelRecord& channel);

/// The cells of channel c (1-based, must name a channel). A transponder or satellite that the record
/// names but the tables do not hold leaves its cells empty.
ChannelRowCells MakeChannelRow(const SettingsImage& img, int c, const FavMembership& membership);

} // namespace image
