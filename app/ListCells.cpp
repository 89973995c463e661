#include "app/ListCells.h"

platform::TColor listRowStripe(int row) {
    return row % 2 == 0 ? 0xDDECEE : 0xFFFFFF;
}

void paintListCell(platform::TCanvas& canvas, const platform::TRect& cell, platform::TColor color,
                   const QString& text, bool keepMargin) {
    canvas.Brush.Color = color;
    canvas.Brush.Style = platform::TBrushStyle::bsSolid;
    canvas.FillRect(platform::InflateRect(cell, -4, -2));
    if (keepMargin)
        canvas.Brush.Style = platform::TBrushStyle::bsClear;
    canvas.TextRect(cell, cell.Left, cell.Top, text);
    canvas.Brush.Style = platform::TBrushStyle::bsSolid;
}
