#pragma once

#include <QString>

namespace platform {

/// A real in fixed notation with Digits decimals, as the class library's FloatToStrF with ffFixed and a
/// precision of 18 does: the value is taken to 18 significant digits, then rounded half away from zero
/// to Digits decimals; the locale's decimal separator, no group separators, no sign for a result of
/// zero. A value of 1E18 or more (or NaN, infinity) is written as FloatToStr writes it.
QString FloatToStrFixed(double Value, int Digits);

} // namespace platform
