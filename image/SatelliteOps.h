#pragma once

#include "image/Tables.h"

// Reordering and deleting satellites. The transponder table stays ordered by satellite and every
// reference keeps naming its record: a transponder its satellite, a channel its transponder.
namespace image {

/// Moves the satellite at 0-based place from to place to; the satellites between close up. Each moved
/// record's SatelliteNumber becomes its new place, the transponders keep their satellites (the table is
/// reordered stably by satellite) and the channels their transponders. Refused (nothing changes) when
/// from equals to or either names no satellite.
bool MoveSatellite(int from, int to, SettingsImage& img = Image());

/// Deletes the satellite at 0-based place s with all its transponders and their channels (favourite
/// entries follow, as DeleteTransponder does). The satellites above move down one place, each with its
/// SatelliteUsed flag and SatelliteNumber = its new place, and transponders of later satellites follow
/// them; the freed last record is zeroed. The counts record's NumSatellites follows SatelliteCount when
/// it equalled it. Answers the number of transponders deleted, -1 (nothing changed) when s names no
/// satellite or names the only one.
int DeleteSatellite(int s, SettingsImage& img = Image());

} // namespace image
