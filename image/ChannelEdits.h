#pragma once

#include "image/Tables.h"

#include <QString>

// What the user changes in the channel list, written into the tables: names, tuner, the "S" mark,
// favourite membership, moving channels and group members (deleting: TableOps.h). Every operation checks its
// arguments and changes nothing (answering false) when they name no record.
namespace image {

/// Stores a typed name into ServiceName from its first byte, one Windows-1252 byte per character, at
/// most 16. A shorter name is ended by one 0 and the bytes after it keep their values; an empty name
/// clears all 16 bytes (a lone 0 in front of the old bytes would let the old name show through).
void StoreChannelName(Name16& field, const QString& text);
bool RenameChannel(int c, const QString& text, SettingsImage& img = Image());

/// "1" clears bit 7 of TunerFlags, "2" sets it; any other text changes nothing and answers false.
bool SetChannelTuner(int c, const QString& text, SettingsImage& img = Image());

/// Sets or clears the "S" mark (bit 2 of ServiceType).
bool SetChannelMark(int c, bool marked, SettingsImage& img = Image());

/// How a wanted membership was taken.
enum class MembershipChange { Unchanged, Added, Removed, Refused };

/// Makes channel c a member of group g or no member, as wanted: a new member is appended; a full group
/// refuses with its message (once). Nothing happens when the group already agrees.
MembershipChange SetFavMember(int c, int g, bool member, SettingsImage& img = Image());

/// Moves channel s to place t (both 1-based). The channels between close up, every favourite entry keeps
/// naming its channel, group order and membership stay. Moving across the end of the TV part changes the
/// kind of the moved channel only: TvCount follows by one, so no other channel turns TV or radio.
bool MoveChannel(int s, int t, SettingsImage& img = Image());

/// Moves the entry at position s of group g to position t (both 0-based); the entries between close up.
bool MoveFavEntry(int g, int s, int t, SettingsImage& img = Image());

} // namespace image
