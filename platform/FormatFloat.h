#pragma once

#include <QString>

namespace platform {

/// A real formatted by a picture as the class library's FormatFloat does: up to three sections
/// (positive;negative;zero), '0' a digit always shown, '#' a digit shown when significant, the first
/// '.' the decimal separator, ',' in the integer part turns on thousands grouping, "E+00"/"E-00"
/// scientific notation, text in single or double quotes and any other character copied. Separators
/// follow the user's locale (decimal comma and '.' groups under German settings). Digits are rounded
/// half away from zero. An empty picture gives FloatToStr.
QString FormatFloat(const QString& format, double value);

} // namespace platform
