// How the program's lists draw their cells: a row stripe, a fill inset from the cell's edges and the text
// at the cell's top-left corner.
#pragma once

#include "platform/Canvas.h"

#include <QString>

/// The background of a list row: light blue-grey on even rows, white on odd ones.
platform::TColor listRowStripe(int row);

/// Fills the cell less 4 pixels left and right and 2 top and bottom in color and writes text at the cell's
/// top-left corner, clipped to the cell. The text's background fills the whole cell, unless keepMargin:
/// then the margin keeps what was drawn there before. Leaves the brush solid.
void paintListCell(platform::TCanvas& canvas, const platform::TRect& cell, platform::TColor color,
                   const QString& text, bool keepMargin = false);
