#pragma once

#include <QFlags>

namespace platform {

/// One style of a font, as the class library's font styles.
enum class TFontStyle : unsigned {
    fsBold = 0x1,
    fsItalic = 0x2,
    fsUnderline = 0x4,
    fsStrikeOut = 0x8,
};

/// A set of font styles; empty is the plain font.
using TFontStyles = QFlags<TFontStyle>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

} // namespace platform
