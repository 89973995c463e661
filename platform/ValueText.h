#pragma once

#include <QString>

namespace platform {

/// "True" or "False".
QString BoolToStr(bool value);

/// A text that reads as a number (StrToFloat) is true when not 0; else "True" and "False" in any case.
/// False when the text is neither.
bool TryStrToBool(const QString& text, bool& value);

/// Like TryStrToBool; throws EConvertError "'%s' ist kein gültiger boolescher Wert".
bool StrToBool(const QString& text);

/// The nearest 32-bit integer, halves to even; throws ERangeError for NaN and for values outside
/// the 32-bit range, which have no such integer.
int RoundToInt(double value);

/// The text as the system code page (Windows-1252) carries it: characters it has no byte for
/// become '?'. Numbers and dates are parsed from this form.
QString SystemText(const QString& text);

} // namespace platform
