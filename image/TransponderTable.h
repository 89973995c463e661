#pragma once

#include "image/Records.h"
#include "image/Tables.h"

#include <QString>
#include <vector>

// The order of the transponder table and new transponders in it. The load reads transponders only up
// to an all-zero record, a satellite index 0 right after 153, or 2645 records; every operation that
// changes the table keeps it readable by those rules, or refuses.
namespace image {

/// Why the transponder table would not load back as it stands (German, for the user); empty when it
/// would.
QString TransponderTableProblem(const SettingsImage& img = Image());

/// Puts the transponders into a new order: order[i] is the 1-based old place of the record that goes to
/// place i + 1 (a permutation of 1..TransponderCount). Every channel keeps naming its transponder.
void ReorderTransponders(const std::vector<int>& order, SettingsImage& img = Image());

/// Sorts the transponder table by satellite index, keeping the order within each satellite; channels
/// follow their transponders. Answers whether a record moved.
bool OrderTranspondersBySatellite(SettingsImage& img = Image());

/// Where a new transponder of satellite s (0-based) with this frequency goes (1-based): before the first
/// transponder of that satellite with a higher frequency or the first of a later satellite, else at the
/// end of the table.
int TransponderInsertPosition(int s, int frequency, const SettingsImage& img = Image());

/// The outcome of InsertTransponder.
enum class TransponderInsertion { Inserted, NoSatellite, TableFull, SatelliteFull, AllZero };

/// The message shown for a refused insertion (empty for Inserted).
QString transponderInsertionMessage(TransponderInsertion result);

/// The message shown when a transponder record would consist of zero bytes only.
QString allZeroTransponderMessage();

/// Inserts record at TransponderInsertPosition for its satellite: the records above move up, channels on
/// them follow, and the satellite's NumTransponders grows by one. Refused, changing nothing, when the
/// satellite index names no satellite, the table holds what a load reads back (2645), the satellite
/// counts 255 transponders, or the record is all zero bytes. position receives the 1-based place.
TransponderInsertion InsertTransponder(const TTransponderRecord& record, SettingsImage& img = Image(),
                                       int* position = nullptr);

} // namespace image
