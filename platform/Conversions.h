#pragma once

#include <QString>

namespace platform {

/// The decimal separator of the user's locale ("," under German settings).
QChar DecimalSeparator();

/// Decimal text of an integer.
QString IntToStr(long long value);

/// Parses a 32-bit integer (sign, decimal or "$"/"0x" hex, leading blanks);
/// throws EConvertError "'%s' ist kein gültiger Integerwert".
int StrToInt(const QString& text);

/// Like StrToInt, but returns fallback instead of throwing.
int StrToIntDef(const QString& text, int fallback);

/// Parses a real in the user's locale (no group separators, optional exponent, surrounding blanks);
/// throws EConvertError "'%s' ist kein gültiger Gleitkommawert".
double StrToFloat(const QString& text);

/// Like StrToFloat; false when the text is no number.
bool TryStrToFloat(const QString& text, double& value);

/// A real as text like the class library: 15 significant digits, no trailing zeros, the locale's
/// decimal separator, scientific ("1E20", "1,5E-6") at 1E15 and above or below 0.00001.
QString FloatToStr(double value);

} // namespace platform
