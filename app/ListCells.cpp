#include "app/ListCells.h"

#include "grid/DgColumnClasses.h"
#include "grid/DgColumnParts.h"

grid::TDgCustomColumn* newListColumn(ListColumnKind kind, const QString& caption) {
    grid::TDgCustomColumn* column = nullptr;
    switch (kind) {
    case ListColumnKind::Text:
        column = new grid::TDgTextColumn();
        break;
    case ListColumnKind::Number: {
        auto* number = new grid::TDgNumberColumn();
        number->SetPrecision(0);
        column = number;
        break;
    }
    case ListColumnKind::Check:
        column = new grid::TDgCheckBoxColumn();
        break;
    }
    column->Header()->SetCaption(caption);
    return column;
}

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
