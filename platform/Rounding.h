#pragma once

#include <cmath>
#include <cstdint>

namespace platform {

/// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4), as the design's Round does.
inline std::int64_t Round(double value) { return static_cast<std::int64_t>(std::nearbyint(value)); }

/// Cuts toward zero.
inline std::int64_t Trunc(double value) { return static_cast<std::int64_t>(std::trunc(value)); }

} // namespace platform
