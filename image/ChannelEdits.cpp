#include "image/ChannelEdits.h"

#include "image/Layout.h"
#include "image/TableOps.h"
#include "platform/Cp1252.h"

namespace image {

namespace {

bool validChannel(int c, const SettingsImage& img) {
    return c >= 1 && c <= img.ChannelCount;
}

/// Where channel c stands after channel s moved to place t.
int placeAfterMove(int c, int s, int t) {
    if (c == s)
        return t;
    if (t > s && c > s && c <= t)
        return c - 1;
    if (t < s && c >= t && c < s)
        return c + 1;
    return c;
}

} // namespace

void StoreChannelName(Name16& field, const QString& text) {
    if (text.isEmpty()) {
        field.fill(0);
        return;
    }
    const qsizetype n = qMin<qsizetype>(text.size(), 16);
    for (qsizetype i = 0; i < n; ++i)
        field[static_cast<std::size_t>(i)] = platform::charToCp1252(text.at(i));
    if (n < 16)
        field[static_cast<std::size_t>(n)] = 0; // the old bytes after the end stay
}

bool RenameChannel(int c, const QString& text, SettingsImage& img) {
    if (!validChannel(c, img))
        return false;
    StoreChannelName(img.Channels[c].ServiceName, text);
    return true;
}

bool SetChannelTuner(int c, const QString& text, SettingsImage& img) {
    if (!validChannel(c, img))
        return false;
    Byte& flags = img.Channels[c].TunerFlags;
    if (text == QLatin1String("1"))
        flags = static_cast<Byte>(flags & ~0x80);
    else if (text == QLatin1String("2"))
        flags = static_cast<Byte>(flags | 0x80);
    else
        return false;
    return true;
}

bool SetChannelMark(int c, bool marked, SettingsImage& img) {
    if (!validChannel(c, img))
        return false;
    Byte& type = img.Channels[c].ServiceType;
    type = static_cast<Byte>(marked ? (type | 0x04) : (type & ~0x04));
    return true;
}

MembershipChange SetFavMember(int c, int g, bool member, SettingsImage& img) {
    if (!validChannel(c, img) || g < 1 || g > layout::kFavGroupCount)
        return MembershipChange::Unchanged;
    if (IsInFavGroup(c, g, img) == member)
        return MembershipChange::Unchanged;
    if (!SetFavMembership(c, g, member, img))
        return MembershipChange::Refused;
    return member ? MembershipChange::Added : MembershipChange::Removed;
}

bool MoveChannel(int s, int t, SettingsImage& img) {
    if (!validChannel(s, img) || !validChannel(t, img))
        return false;
    if (s == t)
        return true;
    img.FavEntryMarks.clear();
    const TChannelRecord moved = img.Channels[s];
    if (t > s) {
        for (int c = s + 1; c <= t; ++c)
            img.Channels[c - 1] = img.Channels[c];
    } else {
        for (int c = s - 1; c >= t; --c)
            img.Channels[c + 1] = img.Channels[c];
    }
    img.Channels[t] = moved;

    for (int g = 1; g <= layout::kFavGroupCount; ++g) {
        TFavGroupRecord& group = img.FavGroups[g];
        for (int j = 0; j < group.NumMembers; ++j) {
            auto& entry = group.Entries[static_cast<std::size_t>(j)];
            // An entry that names no channel keeps naming none.
            if (entry < img.ChannelCount)
                entry = static_cast<std::uint16_t>(placeAfterMove(entry + 1, s, t) - 1);
        }
    }

    // The channels that slid over the end of the TV part keep their kind: the end moves with them.
    if (s <= img.TvCount && t > img.TvCount)
        SetChannelCounts(img.TvCount - 1, img.RadioCount + 1, img);
    else if (s > img.TvCount && t <= img.TvCount)
        SetChannelCounts(img.TvCount + 1, img.RadioCount - 1, img);
    return true;
}

bool MoveFavEntry(int g, int s, int t, SettingsImage& img) {
    if (g < 1 || g > layout::kFavGroupCount)
        return false;
    TFavGroupRecord& group = img.FavGroups[g];
    if (s < 0 || t < 0 || s >= group.NumMembers || t >= group.NumMembers)
        return false;
    auto& entries = group.Entries;
    const std::uint16_t moved = entries[static_cast<std::size_t>(s)];
    if (t > s) {
        for (int j = s; j < t; ++j)
            entries[static_cast<std::size_t>(j)] = entries[static_cast<std::size_t>(j) + 1];
    } else {
        for (int j = s; j > t; --j)
            entries[static_cast<std::size_t>(j)] = entries[static_cast<std::size_t>(j) - 1];
    }
    entries[static_cast<std::size_t>(t)] = moved;
    return true;
}

} // namespace image
