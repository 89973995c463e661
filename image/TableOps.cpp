#include "image/TableOps.h"

#include "image/Layout.h"
#include "image/TransponderTable.h"
#include "platform/Modals.h"

#include <vector>

namespace image {

namespace {

TableObserver* g_observer = nullptr;

bool validGroup(int g) {
    return g >= 1 && g <= layout::kFavGroupCount;
}

bool validChannel(int c, const SettingsImage& img) {
    return c >= 1 && c <= img.ChannelCount;
}

/// Removes every channel for which doomed(place, record) holds, in one pass: the channels above close up
/// in their order, the freed places are emptied, every favourite entry naming a removed channel leaves its
/// group, and every other entry is lowered by the number of removed channels below it, so it keeps naming
/// its channel (an entry that named no channel still names none). Returns the number removed.
template <typename Doomed> int removeChannels(SettingsImage& img, Doomed doomed) {
    const int n = img.ChannelCount;
    std::vector<bool> removed(static_cast<std::size_t>(n), false);
    std::vector<int> removedBelow(static_cast<std::size_t>(n) + 1, 0); // by 0-based channel index
    int kept = 0;
    int tvRemoved = 0;
    for (int c = 1; c <= n; ++c) {
        const bool gone = doomed(c, img.Channels[c]);
        removedBelow[static_cast<std::size_t>(c)] =
            removedBelow[static_cast<std::size_t>(c) - 1] + (gone ? 1 : 0);
        if (gone) {
            removed[static_cast<std::size_t>(c) - 1] = true;
            if (c <= img.TvCount)
                ++tvRemoved;
        } else if (++kept != c) {
            img.Channels[kept] = img.Channels[c];
        }
    }
    const int total = n - kept;
    if (total == 0)
        return 0;
    for (int c = kept + 1; c <= n; ++c)
        img.Channels[c] = TChannelRecord{};

    for (int g = 1; g <= layout::kFavGroupCount; ++g) {
        TFavGroupRecord& group = img.FavGroups[g];
        int out = 0;
        for (int i = 0; i < group.NumMembers; ++i) {
            const int entry = group.Entries[static_cast<std::size_t>(i)];
            const bool inTable = entry < n;
            if (inTable && removed[static_cast<std::size_t>(entry)])
                continue;
            const int below = inTable ? removedBelow[static_cast<std::size_t>(entry)] : total;
            group.Entries[static_cast<std::size_t>(out++)] = static_cast<std::uint16_t>(entry - below);
        }
        group.NumMembers = static_cast<Byte>(out);
        group.NumMembersCopy = group.NumMembers;
    }
    SetChannelCounts(img.TvCount - tvRemoved, img.RadioCount - (total - tvRemoved), img);
    return total;
}

} // namespace

void setTableObserver(TableObserver* observer) {
    g_observer = observer;
}

TableObserver* tableObserver() {
    return g_observer;
}

QString favGroupFullMessage() {
    return QStringLiteral("nicht möglich ! schon 256 Sender ");
}

QString notAMemberMessage() {
    return QStringLiteral("error");
}

bool SetChannelCounts(int tv, int radio, SettingsImage& img) {
    if (tv < 0 || radio < 0 || tv + radio > layout::kMaxChannels)
        return false;
    img.TvCount = tv;
    img.RadioCount = radio;
    img.ChannelCount = tv + radio;
    img.ImageCounts.NumChannels = static_cast<std::uint16_t>(tv + radio);
    img.ImageCounts.NumTvChannels = static_cast<std::uint16_t>(tv);
    if (g_observer)
        g_observer->channelCountsChanged(tv, radio, tv + radio);
    return true;
}

bool InsertChannel(int p, const TChannelRecord& record, bool isTv, bool refresh, SettingsImage& img) {
    // A TV channel inserted behind the TV part would turn the first radio channel into a TV channel
    // (and a radio channel inside it the last TV one into radio), so each kind stays in its own part.
    const int low = isTv ? 1 : img.TvCount + 1;
    const int high = isTv ? img.TvCount + 1 : img.ChannelCount + 1;
    const bool fits = img.ChannelCount < layout::kMaxChannels && p >= low && p <= high &&
                      record.TransponderIndex < img.TransponderCount &&
                      record.ProviderIndex < img.ProviderCount;
    if (fits) {
        for (int c = img.ChannelCount; c >= p; --c)
            img.Channels[c + 1] = img.Channels[c];
        img.Channels[p] = record;

        for (int g = 1; g <= layout::kFavGroupCount; ++g) {
            TFavGroupRecord& group = img.FavGroups[g];
            for (int i = 0; i < group.NumMembers; ++i) {
                auto& entry = group.Entries[static_cast<std::size_t>(i)];
                // 0xFFFF names no channel and must not wrap round to channel 1.
                if (entry >= p - 1 && entry < 0xFFFF)
                    ++entry;
            }
        }
        if (isTv)
            SetChannelCounts(img.TvCount + 1, img.RadioCount, img);
        else
            SetChannelCounts(img.TvCount, img.RadioCount + 1, img);
    }
    if (refresh && g_observer)
        g_observer->rebuildChannelView();
    return fits;
}

bool DeleteChannel(int c, SettingsImage& img) {
    if (!validChannel(c, img))
        return false;
    removeChannels(img, [c](int place, const TChannelRecord&) { return place == c; });
    return true;
}

int DeleteChannels(const std::vector<int>& numbers, SettingsImage& img) {
    std::vector<bool> doomed(static_cast<std::size_t>(img.ChannelCount) + 1, false);
    for (int c : numbers) {
        if (validChannel(c, img))
            doomed[static_cast<std::size_t>(c)] = true;
    }
    return removeChannels(img, [&doomed](int place, const TChannelRecord&) {
        return doomed[static_cast<std::size_t>(place)];
    });
}

bool IsInFavGroup(int c, int g, const SettingsImage& img) {
    if (!validGroup(g))
        return false;
    const TFavGroupRecord& group = img.FavGroups[g];
    for (int i = 0; i < group.NumMembers; ++i) {
        if (group.Entries[static_cast<std::size_t>(i)] == c - 1)
            return true;
    }
    return false;
}

bool SetFavMembership(int c, int g, bool add, SettingsImage& img) {
    if (!validGroup(g))
        return false;
    TFavGroupRecord& group = img.FavGroups[g];
    if (add) {
        if (!validChannel(c, img))
            return false;
        if (group.NumMembers >= layout::kMaxFavMembers) {
            platform::modals().showMessage(favGroupFullMessage());
            return false;
        }
        group.Entries[group.NumMembers] = static_cast<std::uint16_t>(c - 1);
        group.NumMembers = static_cast<Byte>(group.NumMembers + 1);
        group.NumMembersCopy = group.NumMembers;
        return true;
    }
    for (int i = 0; i < group.NumMembers; ++i) {
        if (group.Entries[static_cast<std::size_t>(i)] != c - 1)
            continue;
        // The slot freed at the end keeps its old value; it lies beyond the member count.
        for (int k = i; k + 1 < group.NumMembers; ++k)
            group.Entries[static_cast<std::size_t>(k)] = group.Entries[static_cast<std::size_t>(k) + 1];
        group.NumMembers = static_cast<Byte>(group.NumMembers - 1);
        group.NumMembersCopy = group.NumMembers;
        return true;
    }
    platform::modals().showMessage(notAMemberMessage());
    return false;
}

bool MoveFavEntries(int g, int c, int d, SettingsImage& img) {
    if (!validGroup(g) || !validChannel(c, img) || !validChannel(c + d, img))
        return false;
    TFavGroupRecord& group = img.FavGroups[g];
    auto& marks = img.FavEntryMarks[g];
    for (int i = 0; i < group.NumMembers; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (group.Entries[at] == c - 1 && !marks[at]) {
            group.Entries[at] = static_cast<std::uint16_t>(c + d - 1);
            marks[at] = 1;
        }
    }
    return true;
}

bool DeleteTransponder(int t, SettingsImage& img) {
    if (t < 0 || t >= img.TransponderCount)
        return false;
    const int satellite = img.Transponders[t + 1].SatelliteIndex + 1;

    removeChannels(img, [t](int, const TChannelRecord& channel) { return channel.TransponderIndex == t; });

    // The last place keeps its old content: it lies beyond the count.
    for (int k = t + 2; k <= img.TransponderCount; ++k)
        img.Transponders[k - 1] = img.Transponders[k];
    for (int c = 1; c <= img.ChannelCount; ++c) {
        auto& index = img.Channels[c].TransponderIndex;
        if (index > t)
            --index;
    }
    --img.TransponderCount;

    // The transponder dialog counts a new transponder here; a deleted one is taken off again.
    if (satellite <= img.SatelliteCount && img.Satellites[satellite].NumTransponders > 0)
        --img.Satellites[satellite].NumTransponders;

    // In a table not ordered by satellite the deletion can bring a satellite 0 right behind satellite
    // 153, where a load would stop reading: ordering the table keeps every record readable.
    if (!TransponderTableProblem(img).isEmpty())
        OrderTranspondersBySatellite(img);
    return true;
}

SatelliteTransponders FindSatelliteTransponders(int s, const SettingsImage& img) {
    if (s < 0 || s >= img.SatelliteCount)
        return {img.TransponderCount + 1, 0};
    int first = 1;
    while (first <= img.TransponderCount && img.Transponders[first].SatelliteIndex < s)
        ++first;
    int count = 0;
    while (first + count <= img.TransponderCount && img.Transponders[first + count].SatelliteIndex == s)
        ++count;
    return {first, count};
}

int CountTransponderChannels(int t, const SettingsImage& img) {
    int count = 0;
    for (int c = 1; c <= img.ChannelCount; ++c) {
        if (img.Channels[c].TransponderIndex == t)
            ++count;
    }
    return count;
}

} // namespace image
