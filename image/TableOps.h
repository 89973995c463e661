#pragma once

#include "image/Records.h"
#include "image/Tables.h"

#include <QString>
#include <vector>

// The table operations that the windows share: channel counts, inserting and deleting channels with
// the renumbering of the favourite groups, favourite membership, and deleting transponders. They work
// in place on the fixed tables and never write beyond a table: an operation whose arguments name no
// record, or that would overflow a table, changes nothing and answers false.
namespace image {

/// What the main window shows of the tables: the counter labels and the channel view.
/// image/ knows no widget, so the window registers one of these (setTableObserver).
class TableObserver {
public:
    virtual ~TableObserver() = default;
    /// TvCount, RadioCount or ChannelCount changed; the counter labels show tv, radio and all.
    virtual void channelCountsChanged(int tv, int radio, int all) = 0;
    /// The channel view must be rebuilt for the current view and filters.
    virtual void rebuildChannelView() = 0;
};

/// Registers the observer (not owned); nullptr unregisters. Nothing is told while none is registered.
void setTableObserver(TableObserver* observer);
TableObserver* tableObserver();

/// Shown when a favourite group with 255 members is to take one more.
QString favGroupFullMessage();
/// Shown when a channel that is no member is to be removed from a favourite group.
QString notAMemberMessage();

/// Sets TvCount, RadioCount, ChannelCount and the counts record, and tells the observer.
/// Refuses negative counts and a total above the channel table's capacity.
bool SetChannelCounts(int tv, int radio, SettingsImage& img = Image());

/// Inserts record as channel p (1-based); channels p.. move up one place and the favourite entries
/// follow them. A TV channel must go into the TV part (p <= TvCount + 1), a radio channel into the radio
/// part (p >= TvCount + 1); the record's transponder and provider indexes must name records. Refused when
/// the table is full or an argument is out of range. refresh rebuilds the channel view, also after a
/// refusal, so a batch whose last insertion failed still shows the earlier ones.
bool InsertChannel(int p, const TChannelRecord& record, bool isTv, bool refresh,
                   SettingsImage& img = Image());

/// Removes channel c (1-based), every favourite entry that names it, and renumbers the entries above it.
bool DeleteChannel(int c, SettingsImage& img = Image());

/// Removes the channels with these 1-based numbers in one pass, each once however often it is named
/// (two rows of a group view can name one channel); numbers that name no channel are ignored. Answers the
/// number removed.
int DeleteChannels(const std::vector<int>& numbers, SettingsImage& img = Image());

/// True when channel c (1-based) is a member of favourite group g (1..9).
bool IsInFavGroup(int c, int g, const SettingsImage& img = Image());

/// add: appends channel c to group g (at 255 members shows favGroupFullMessage and refuses).
/// Otherwise removes the first entry naming c (shows notAMemberMessage when there is none).
/// Answers whether the group changed.
bool SetFavMembership(int c, int g, bool add, SettingsImage& img = Image());

/// During a channel move: every entry of group g that names channel c and is not yet marked in
/// FavEntryMarks is set to channel c + d and marked. Refused when g, c or c + d is out of range.
bool MoveFavEntries(int g, int c, int d, SettingsImage& img = Image());

/// Removes transponder t + 1 (t is 0-based) with all its channels, renumbers the channels' transponder
/// indexes above it and lowers its satellite's NumTransponders. When the table was not ordered by
/// satellite and would no longer load back whole, it is ordered by satellite (channels follow).
bool DeleteTransponder(int t, SettingsImage& img = Image());

/// Where the transponders of a satellite stand in the ordered transponder table.
struct SatelliteTransponders {
    /// 1-based position of the satellite's first transponder. With no transponders: where they would
    /// stand, i.e. the first transponder of a later satellite, or TransponderCount + 1; from first on the
    /// table holds only transponders of this satellite and later ones.
    int first = 1;
    int count = 0;
};

/// The transponders of satellite s (0-based). For an s that names no satellite: first is
/// TransponderCount + 1 and count 0, so no loop from first touches a record.
SatelliteTransponders FindSatelliteTransponders(int s, const SettingsImage& img = Image());

/// The number of channels whose TransponderIndex is t (0-based).
int CountTransponderChannels(int t, const SettingsImage& img = Image());

} // namespace image
