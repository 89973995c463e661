#pragma once

#include "platform/Environment.h"

#include <QString>

namespace platform {

/// Today's date at midnight, from the environment's clock.
TDateTime Date();

/// The date of the user's locale as the class library writes it: the short date format with
/// numeric fields and a four-digit year ("dd.MM.yyyy" under German settings).
QString ShortDateFormat();

/// The long time format of the user's locale with numeric fields ("HH:mm:ss" under German settings).
QString LongTimeFormat();

/// The short date, then a blank and the long time unless the time is midnight (hours, minutes and
/// seconds 0). Throws EConvertError "'%s' ist keine gültige Datums- und Uhrzeitangabe" for a value
/// outside the years 1 to 9999.
QString DateTimeToStr(TDateTime value);

/// Reads a date, a date followed by a time, or a time alone in the user's locale: the date's numbers
/// in the order of the short date format, separated by its separator (two numbers: the current year;
/// a two-digit year within 50 years of today), the time as hours[:minutes[:seconds[.milliseconds]]]
/// with an optional AM or PM. False for any other text.
bool TryStrToDateTime(const QString& text, TDateTime& value);

/// Like TryStrToDateTime; throws EConvertError "'%s' ist keine gültige Datums- und Uhrzeitangabe".
TDateTime StrToDateTime(const QString& text);

/// Like TryStrToDateTime, but returns fallback for unreadable text.
TDateTime StrToDateTimeDef(const QString& text, TDateTime fallback);

} // namespace platform
