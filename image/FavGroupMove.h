#pragma once

#include "image/Tables.h"

namespace image {

/// Moves favourite group s to place t (both 1..9) with its name and members: for s < t the groups
/// s + 1..t move down one place, for s > t the groups t..s - 1 move up one place. The member entries stay
/// as they are (they name channels, which do not move). s = t changes nothing. Refused (false, nothing
/// changed) unless both name a group: place 0 is the view of all channels, no group.
bool MoveFavGroup(int s, int t, SettingsImage& img = Image());

} // namespace image
