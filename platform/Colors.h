#pragma once

#include "platform/TColor.h"

#include <QColor>

namespace platform {

/// Resolves a system colour (negative TColor) through the palette table; plain colours pass through.
TColor ColorToRGB(TColor color);

/// The QColor of a TColor (system colours resolved first).
QColor toQColor(TColor color);

/// The TColor of a QColor.
TColor fromQColor(const QColor& color);

/// Pins system colour index to value (tests); a negative value restores the palette's.
void setSystemColorOverride(int index, TColor value);

} // namespace platform
