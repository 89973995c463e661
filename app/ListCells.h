// What the program's lists share: their kinds of column, and how they draw their cells (a row stripe, a fill
// inset from the cell's edges and the text at the cell's top-left corner).
#pragma once

#include "platform/Canvas.h"

#include <QString>

namespace grid {
class TDgCustomColumn;
}

/// The kinds of column the lists are made of.
enum class ListColumnKind { Text, Number, Check };

/// A new column of the kind with its header caption; number columns show no decimals.
grid::TDgCustomColumn* newListColumn(ListColumnKind kind, const QString& caption);

/// The background of a list row: light blue-grey on even rows, white on odd ones.
platform::TColor listRowStripe(int row);

/// Fills the cell less 4 pixels left and right and 2 top and bottom in color and writes text at the cell's
/// top-left corner, clipped to the cell. The text's background fills the whole cell, unless keepMargin:
/// then the margin keeps what was drawn there before. Leaves the brush solid.
void paintListCell(platform::TCanvas& canvas, const platform::TRect& cell, platform::TColor color,
                   const QString& text, bool keepMargin = false);
