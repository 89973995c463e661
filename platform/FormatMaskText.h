#pragma once

#include <QString>

namespace platform {

/// A text formatted by an edit mask as the class library's FormatMaskText does. The mask has up to three
/// fields separated by ';': the picture; '0' when the value carries only the data characters, so that
/// the picture's literals are inserted (anything else, and the default: the value carries the literals
/// where the picture has them, and they are matched and passed over); the character shown for a
/// position the value leaves empty (default a blank).
///
/// Picture characters: L l A a C c 0 9 # take one data character each (upper case a required, lower
/// case an optional position; the characters are not checked); '>' upper-cases the following data
/// characters, '<' lower-cases them, "<>" ends either; '\' makes the next character a literal; ':' and
/// '/' stand for the locale's time and date separators, '_' for a blank; '!' anywhere puts a short
/// value's empty positions first instead of last. Every other character is a literal. Data characters
/// beyond the picture's positions are dropped; a picture without positions gives the value unchanged.
QString FormatMaskText(const QString& editMask, const QString& value);

} // namespace platform
