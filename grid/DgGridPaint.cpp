// Painting of the grid: the report view (rows of cells, then the column parts and the indicator column),
// the slide view, one cell with its events, colours and grid lines, the empty rows under the data and the
// focus frame.
#include "grid/DgColumnElements.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgCustomGridControl.h"
#include "grid/DgSharedCommon.h"
#include "grid/DgSharedDraw.h"
#include "grid/DgStyleDisplays.h"

#include <algorithm>

namespace grid {

using namespace platform;

namespace {

/// The shading of a sorted column: black with the weight 10 of 255 over the colour.
TColor darker(TColor color) {
    return BlendColor(clBlack, color, 10);
}

void line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen.Color = color;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Pen.Mode = TPenMode::pmCopy;
    canvas.Polyline({TPoint(x1, y1), TPoint(x2, y2)});
}

void fill(TCanvas& canvas, const TRect& rect, TColor color) {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = color;
    canvas.FillRect(rect);
}

} // namespace

// ---------------------------------------------------------------------------------------------------------
// The paint handler

void TDgCustomGridControl::Paint() {
    TDgScrollControl::Paint();
    m_styleDisplay->Canvas = &Canvas;
    m_styleDisplay->Themed = m_enableVisualStyles && IsThemed();
    const TRect cells = GetCellsRect();
    const int clientWidth = ClientWidth();
    const int clientHeight = ClientHeight();
    const int hpos = HorzScrollPosition();
    const bool themedAuto = m_styleDisplay->Themed && m_headerStyle == THeaderStyle::hsAuto;
    if (m_gridStyle == TGridStyle::gsReport) {
        HorzClipRect = TRect(cells.Left + FixedColumnsWidthOf(), 0, clientWidth, clientHeight);
        VertClipRect = TRect(0, cells.Top, clientWidth, cells.Bottom);
        PaintReport();
        const int right = CellsBandLeft() + TotalColumnsWidth() - hpos;
        if (right < clientWidth) {
            Canvas.ResetClip();
            fill(Canvas, TRect(right, 0, clientWidth, clientHeight), m_color);
            if (themedAuto && m_options.testFlag(TGridOption::goHeader))
                m_styleDisplay->PaintHeaderFiller(TRect(right, 0, clientWidth, m_headerSize));
        }
    } else {
        HorzClipRect = ClientRect();
        VertClipRect = cells;
        PaintSlideView();
        // After the header cells, which fill the band right of the columns with the grid colour.
        const TRect header = GetHeaderRect();
        if (themedAuto && m_options.testFlag(TGridOption::goHeader) && header.Right < clientWidth) {
            Canvas.ResetClip();
            m_styleDisplay->PaintHeaderFiller(TRect(header.Right, 0, clientWidth, m_headerSize));
        }
    }
    Canvas.ResetClip();
    if (GetVisibleRowCount() == 0 && !m_caption.isEmpty()) {
        Canvas.Font = m_font;
        if (!isEnabled())
            Canvas.Font.Color = clGrayText;
        Canvas.Brush.Style = TBrushStyle::bsClear;
        Canvas.DrawText(m_caption, GetEmptyCaptionRect(),
                        DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        Canvas.Brush.Style = TBrushStyle::bsSolid;
    }
    if (OnPostDraw)
        OnPostDraw(this);
}

TRect TDgCustomGridControl::GetEmptyCaptionRect() {
    const TRect cells = GetCellsRect();
    const int hpos = HorzScrollPosition();
    Canvas.Font = m_font;
    const int top = cells.Top + 4;
    return TRect(cells.Left - hpos, top, ClientWidth() - hpos, top + Canvas.TextHeight(m_caption));
}

void TDgCustomGridControl::PaintReport() {
    PaintRows();
    PaintColumnParts();
}

void TDgCustomGridControl::PaintSlideView() {
    PaintHeader();
    PaintSlides();
}

// ---------------------------------------------------------------------------------------------------------
// Rows

std::vector<TDgCustomColumn*> TDgCustomGridControl::PaintableColumns() const {
    std::vector<TDgCustomColumn*> out;
    const int clientWidth = ClientWidth();
    const int fixedCols = m_columns->FixedCols();
    const int fixedRight = CellsBandLeft() + FixedColumnsWidthOf();
    for (int pos = 0, n = m_columns->ColumnCount(); pos < n; ++pos) {
        TDgCustomColumn* column = m_columns->PositionItem(pos);
        if (!column->Visible())
            continue;
        const int left = column->ClientLeft();
        const int right = left + column->Width();
        if (pos >= fixedCols && right <= fixedRight)
            continue;
        if (left < clientWidth && right > 0)
            out.push_back(column);
    }
    return out;
}

void TDgCustomGridControl::PaintRows() {
    const TRect cells = GetCellsRect();
    const TRect clipBox = Canvas.ClipRect();
    const std::vector<TDgCustomColumn*> columns = PaintableColumns();
    std::vector<int> indexes;
    indexes.reserve(columns.size());
    for (const TDgCustomColumn* column : columns)
        indexes.push_back(column->Index());
    const int rows = RowCount();
    const bool wholeRowsOnly = WholeRowsOnly();
    const bool indicator = m_options.testFlag(TGridOption::goIndicator);
    // y is the top of a row's band: its top light line, then the row, then its bottom line.
    int y = cells.Top;
    int row = m_topRow;
    while (y < cells.Bottom) {
        const bool exists = row < rows;
        if (exists && !RowVisible(row)) {
            ++row;
            continue;
        }
        const int height = exists ? RowHeight(row) : m_rowSize;
        const int next = y + height + m_lineSizes[4];
        if (next > clipBox.Top && y < clipBox.Bottom) {
            m_rowTopCache = RowTopCache{row, y + m_lineSizes[1]};
            const bool cut = wholeRowsOnly && next > cells.Bottom;
            for (const int col : indexes) {
                if (exists && !cut)
                    PaintCell(col, row);
                else
                    PaintEmptyCell(col, row);
            }
            if (indicator) {
                const bool current = exists && row == m_selectedRow && !m_inputSelected;
                const bool selected = exists && !m_inputSelected && (row == m_selectedRow || Selected(row));
                PaintIndicatorCell(row, current, selected);
            }
        }
        y = next;
        ++row;
    }
    m_rowTopCache = RowTopCache();
    m_lastPaintedRow = row;
    if (m_options.testFlag(TGridOption::goSelectFullRow))
        PaintFocusFrame();
    Canvas.ResetClip();
}

// ---------------------------------------------------------------------------------------------------------
// One cell

TColor TDgCustomGridControl::GetCellDrawColor(int ACol, int ARow) {
    const TDgCustomColumn* column = m_columns->ColumnItem(ACol);
    TColor color = GetCellColor(ACol, ARow);
    if (m_appearanceOptions.testFlag(TAppearanceOption::aoIndicateSortedColumn) && column->Sorted())
        color = darker(color);
    if (!IsCellHighlighted(ACol, ARow))
        return color;
    if (!Focused())
        return m_inactiveSelectionColor;
    if (m_appearanceOptions.testFlag(TAppearanceOption::aoAlphaBlendedSelection))
        return MixColor(color, clHighlight, 0.25);
    return m_selectionColor;
}

TColor TDgCustomGridControl::GetCellTextColor(int ACol, int ARow) {
    const TDgCustomColumn* column = m_columns->ColumnItem(ACol);
    if (Focused() && IsCellHighlighted(ACol, ARow))
        return m_highlightedTextColor;
    return column->Font().Color;
}

bool TDgCustomGridControl::IsCellHighlighted(int ACol, int ARow) {
    if (m_gridStyle == TGridStyle::gsSlides &&
        !m_appearanceOptions.testFlag(TAppearanceOption::aoHighlightSlideCells))
        return false;
    if (m_inputSelected || !m_columns->IsValidColumnIndex(ACol) || ARow < 0 || ARow >= RowCount())
        return false;
    if (m_columns->ColumnItem(ACol)->Options().testFlag(TColumnOption::coDontHighlight))
        return false;
    if (!Focused() && m_appearanceOptions.testFlag(TAppearanceOption::aoHideSelection))
        return false;
    const bool selectedCell = ACol == m_selectedColumn && ARow == m_selectedRow;
    const bool editingCell = m_cellEditing && ACol == m_editingColumn && ARow == m_editingRow;
    if (m_options.testFlag(TGridOption::goSelectFullRow)) {
        if (!Selected(ARow))
            return false;
        if (!selectedCell)
            return true;
        return !m_appearanceOptions.testFlag(TAppearanceOption::aoIndicateSelectedCell) && !editingCell;
    }
    return selectedCell && !editingCell;
}

TCellState TDgCustomGridControl::GetCellState(int ACol, int ARow) {
    TCellState state;
    if (IsCellHighlighted(ACol, ARow)) {
        state |= TCellStateItem::csSelected;
        if (m_appearanceOptions.testFlag(TAppearanceOption::aoBoldTextSelection))
            state |= TCellStateItem::csBoldTextSelection;
    }
    if (Focused() && !m_appearanceOptions.testFlag(TAppearanceOption::aoHideFocus))
        state |= TCellStateItem::csFocused;
    if (OnCellColoring) {
        TColor cellColor = GetCellDrawColor(ACol, ARow);
        TColor gridColor = m_gridLinesColor;
        OnCellColoring(this, ACol, ARow, cellColor, gridColor, state);
    }
    return state;
}

bool TDgCustomGridControl::PrepareCellCanvas(int ACol, int ARow, TCellState CellState) {
    const TDgCustomColumn* column = m_columns->ColumnItem(ACol);
    Canvas.Font = column->Font();
    Canvas.Font.Color = isEnabled() ? GetCellTextColor(ACol, ARow) : clGrayText;
    if (CellState.testFlag(TCellStateItem::csBoldTextSelection))
        Canvas.Font.SetStyle(Canvas.Font.Style() | TFontStyle::fsBold);
    return false;
}

void TDgCustomGridControl::SetCellClip(const TRect& Rect, bool Fixed) {
    TRect clip(Rect.Left - m_lineSizes[0], Rect.Top - m_lineSizes[1], Rect.Right + m_lineSizes[2],
               Rect.Bottom + m_lineSizes[3]);
    clip.Bottom = std::min(clip.Bottom, GetCellsRect().Bottom);
    if (!Fixed)
        clip.Left = std::max(clip.Left, GetScrollableRect().Left);
    Canvas.SetClipRect(clip);
}

bool TDgCustomGridControl::BeginCell(int ACol, int ARow, bool Empty, CellFrame& Cell) {
    TDgCustomColumn* column = m_columns->ColumnItem(ACol);
    if (!column->Visible())
        return false;
    GetCellRect(ACol, ARow, Cell.Rect);
    const TRect withLines(Cell.Rect.Left - m_lineSizes[0], Cell.Rect.Top - m_lineSizes[1],
                          Cell.Rect.Right + m_lineSizes[2], Cell.Rect.Bottom + m_lineSizes[3]);
    if (!Canvas.RectVisible(withLines))
        return false;
    Canvas.Font = column->Font();
    Cell.State = {};
    bool highlighted = false;
    if (Empty) {
        // Rows under the data have no storage behind them: the column's colour, nothing read.
        Cell.Color = column->Color();
        if (m_appearanceOptions.testFlag(TAppearanceOption::aoIndicateSortedColumn) && column->Sorted())
            Cell.Color = darker(Cell.Color);
        Cell.State |= TCellStateItem::csEmpty;
    } else {
        Cell.Color = GetCellDrawColor(ACol, ARow);
        highlighted = IsCellHighlighted(ACol, ARow);
        if (highlighted) {
            Cell.State |= TCellStateItem::csSelected;
            if (m_appearanceOptions.testFlag(TAppearanceOption::aoBoldTextSelection))
                Cell.State |= TCellStateItem::csBoldTextSelection;
        }
    }
    if (Focused() && !m_appearanceOptions.testFlag(TAppearanceOption::aoHideFocus))
        Cell.State |= TCellStateItem::csFocused;
    column->Display()->Selected = highlighted;
    TColor gridColor = m_gridLinesColor;
    if (OnCellColoring)
        OnCellColoring(this, ACol, ARow, Cell.Color, gridColor, Cell.State);
    if (column->Sorted() && !Cell.State.testFlag(TCellStateItem::csSelected)) {
        if (m_sortedStyle == TSortedStyle::soDarker)
            Cell.Color = darker(Cell.Color);
        else if (m_sortedStyle == TSortedStyle::soWhite)
            Cell.Color = clWhite;
    }
    SetCellClip(Cell.Rect, column->Position() < m_columns->FixedCols());
    if (m_options.testFlag(TGridOption::goGrid) && m_gridStyle == TGridStyle::gsReport)
        PaintGridLines(ACol, ARow, gridColor, Cell.Rect);
    Cell.Interior = Cell.Rect;
    Cell.Interior.Left += m_lineSizes[0];
    Cell.Interior.Right -= m_lineSizes[2];
    Cell.DefaultDrawing = !m_appearanceOptions.testFlag(TAppearanceOption::aoDontFillCells) &&
                          column->DrawingOptions() != TDrawingOptions::doCustomOnly;
    if (OnDrawCellBackground)
        OnDrawCellBackground(this, ACol, ARow, Cell.Interior, Cell.State, Cell.DefaultDrawing);
    return true;
}

void TDgCustomGridControl::PaintCell(int ACol, int ARow) {
    CellFrame cell;
    if (!BeginCell(ACol, ARow, false, cell))
        return;
    TDgCustomColumn* column = m_columns->ColumnItem(ACol);
    TColumnDisplay* display = column->Display();
    display->Widget = viewport();
    display->Canvas = &Canvas;
    display->ClientRect = cell.Interior;
    display->HighlightedTextColor = m_highlightedTextColor;
    display->Col = ACol;
    display->Row = ARow;
    GetRowInfo(ACol, ARow, *display);
    if (m_cellEditing && ACol == m_editingColumn && ARow == m_editingRow) {
        // The open editor covers the cell: nothing is painted under it.
        TRect editor = cell.Rect;
        column->AdjustLevelRect(RowLevel(ARow), editor);
        editor = InflateRect(editor, -1, -1);
        editor.Right -= 1;
        Canvas.ExcludeClipRect(editor);
    }
    if (cell.DefaultDrawing)
        display->FillCellBackground(cell.Color, true);
    display->FocusedCell = ACol == m_selectedColumn && ARow == m_selectedRow;
    const TDrawingOptions drawing = column->DrawingOptions();
    if ((drawing == TDrawingOptions::doNormal || drawing == TDrawingOptions::doCustom) &&
        !IsEmptyCell(ACol, ARow) && PrepareCellCanvas(ACol, ARow, cell.State))
        display->Paint();
    if (m_appearanceOptions.testFlag(TAppearanceOption::aoHintMarks)) {
        QString hint;
        GetCellHint(ACol, ARow, hint);
        if (!hint.isEmpty())
            display->DrawHintMark();
    }
    if (drawing != TDrawingOptions::doNormal && OnCustomDrawCell)
        OnCustomDrawCell(this, ACol, ARow, cell.Interior, cell.State);
    if (!m_options.testFlag(TGridOption::goSelectFullRow) && display->FocusedCell)
        PaintFocusFrame();
    display->Canvas = nullptr;
    Canvas.ResetClip();
}

void TDgCustomGridControl::PaintEmptyCell(int ACol, int ARow) {
    CellFrame cell;
    if (!BeginCell(ACol, ARow, true, cell))
        return;
    if (cell.DefaultDrawing)
        fill(Canvas, cell.Interior, cell.Color);
    Canvas.ResetClip();
}

void TDgCustomGridControl::PaintGridLines(int ACol, int ARow, TColor GridColor, const TRect& Rect) {
    const bool framed = m_gridLinesStyle == TGridLinesStyle::lsFramed;
    if (m_lineSizes[3] > 0)
        line(Canvas, framed && ARow == RowCount() - 1 ? clBlack : GridColor, Rect.Left, Rect.Bottom,
             Rect.Right + 1, Rect.Bottom);
    if (m_lineSizes[1] > 0)
        line(Canvas, clBtnHighlight, Rect.Left, Rect.Top - 1, Rect.Right + 1, Rect.Top - 1);
    if (m_lineSizes[0] > 0)
        line(Canvas, clBtnHighlight, Rect.Left, Rect.Top - 1, Rect.Left, Rect.Bottom + 1);
    if (m_lineSizes[2] > 0) {
        const bool lastColumn =
            m_columns->VisibleCount() > 1 && m_columns->LastVisibleColumn() == m_columns->ColumnItem(ACol);
        line(Canvas, framed && lastColumn ? clBlack : GridColor, Rect.Right - 1, Rect.Top - 1, Rect.Right - 1,
             Rect.Bottom + 1);
    }
}

void TDgCustomGridControl::PaintIndicatorCell(int Row, bool Current, bool IsSelected) {
    const int top = GetRowTop(Row);
    const int height = Row >= 0 && Row < RowCount() ? RowHeight(Row) : m_rowSize;
    const TRect rect(0, top - m_lineSizes[1], IndicatorWidth, top + height + m_lineSizes[3]);
    if (!Canvas.RectVisible(rect))
        return;
    const TRect cells = GetCellsRect();
    Canvas.SetClipRect(IntersectRect(rect, TRect(0, cells.Top, IndicatorWidth, cells.Bottom)));
    m_styleDisplay->PaintIndicatorCell(rect, Row);
    m_styleDisplay->DrawIndicatorMark(rect, Current, IsSelected);
    Canvas.ResetClip();
}

// ---------------------------------------------------------------------------------------------------------
// The focus frame

void TDgCustomGridControl::FocusFrameRect(TRect& Rect, TRect& Clip) {
    Rect = TRect();
    Clip = TRect();
    // Rows above the page have no frame; one below it ends the row walk at the page's bottom.
    if (m_selectedRow < m_topRow || m_selectedRow >= RowCount() ||
        !m_columns->IsValidColumnIndex(m_selectedColumn) || !RowVisible(m_selectedRow))
        return;
    const TRect cells = GetCellsRect();
    if (!m_options.testFlag(TGridOption::goSelectFullRow)) {
        const TDgCustomColumn* column = m_columns->ColumnItem(m_selectedColumn);
        if (!column->Visible())
            return;
        TRect r;
        GetCellRect(m_selectedColumn, m_selectedRow, r);
        Clip = TRect(r.Left - m_lineSizes[0], r.Top - m_lineSizes[1], r.Right + m_lineSizes[2],
                     std::min(r.Bottom + m_lineSizes[3], cells.Bottom));
        if (column->Position() >= m_columns->FixedCols())
            Clip.Left = std::max(Clip.Left, GetScrollableRect().Left);
        r.Left += m_lineSizes[0];
        r.Right -= m_lineSizes[2];
        Rect = r;
        return;
    }
    const int top = GetRowTop(m_selectedRow);
    const int left = cells.Left - HorzScrollPosition();
    Rect = TRect(left - m_lineSizes[0], top, left + TotalColumnsWidth() - m_lineSizes[2],
                 top + RowHeight(m_selectedRow));
    Clip = TRect(cells.Left, cells.Top, ClientWidth(), cells.Bottom);
}

void TDgCustomGridControl::PaintFocusFrame() {
    if (m_inputSelected || RowCount() == 0 || !Focused() ||
        m_appearanceOptions.testFlag(TAppearanceOption::aoHideFocus))
        return;
    TRect frame;
    TRect clip;
    FocusFrameRect(frame, clip);
    const TRect cells = GetCellsRect();
    if (frame.IsEmpty() || IntersectRect(frame, cells).IsEmpty())
        return;
    Canvas.IntersectClipRect(IntersectRect(clip, m_gridStyle == TGridStyle::gsReport ? cells : ClientRect()));
    DrawFocusFrame(Canvas, frame, m_appearanceOptions.testFlag(TAppearanceOption::aoAlphaBlendedSelection));
}

// ---------------------------------------------------------------------------------------------------------
// Headers, input line, footers

void TDgCustomGridControl::PaintColumnParts() {
    const TRect scrollable = GetScrollableRect();
    const int clientWidth = ClientWidth();
    const int fixedCols = m_columns->FixedCols();
    const int fixedRight = CellsBandLeft() + FixedColumnsWidthOf();
    const bool header = m_options.testFlag(TGridOption::goHeader);
    const bool input = m_options.testFlag(TGridOption::goInput);
    const bool footer = m_options.testFlag(TGridOption::goFooter);
    const bool gridLines = m_options.testFlag(TGridOption::goGrid);
    const bool focused = Focused();
    // Each part is clipped to its own cell (and to the scrollable area), so no caption runs into a neighbour.
    const auto paintPart = [&](const TDgCustomColumn& column, ColumnPartRect part, bool fixed, auto&& paint) {
        TRect rect;
        column.GetPartRect(part, rect);
        TRect clip = rect;
        if (!fixed)
            clip.Left = std::max(clip.Left, scrollable.Left);
        // Visible in the paint region, not in the previous part's clip.
        Canvas.ResetClip();
        if (!Canvas.RectVisible(clip))
            return;
        Canvas.SetClipRect(clip);
        paint(rect);
    };
    for (int pos = 0, n = m_columns->ColumnCount(); pos < n; ++pos) {
        const TDgCustomColumn* column = m_columns->PositionItem(pos);
        if (!column->Visible())
            continue;
        const int left = column->ClientLeft();
        if (left > clientWidth)
            break;
        const bool fixed = pos < fixedCols;
        if ((!fixed && left + column->Width() <= fixedRight) || column->Left() < 0)
            continue;
        if (header)
            paintPart(*column, ColumnPartRect::Header, fixed, [&](const TRect& r) {
                Canvas.Font = m_font;
                m_styleDisplay->PaintColumnHeader(*column, r);
            });
        if (input)
            paintPart(*column, ColumnPartRect::Input, fixed, [&](const TRect& r) {
                m_styleDisplay->PaintInputCell(*column, r, focused, m_inputSelected, gridLines);
            });
        if (footer)
            paintPart(*column, ColumnPartRect::Footer, fixed,
                      [&](const TRect& r) { m_styleDisplay->PaintFooter(*column, r, gridLines); });
        Canvas.ResetClip();
    }
    const int x0 = CellsBandLeft() - HorzScrollPosition();
    if (input) {
        const TRect band = GetInputRect();
        const TRect strip(x0, band.Top + m_inputSize, band.Right, band.Bottom);
        if (Canvas.RectVisible(strip))
            m_styleDisplay->PaintBandFiller(strip);
    }
    if (footer) {
        const TRect band = GetFooterRect();
        const TRect strip(x0, band.Top, band.Right, band.Top + 4);
        if (Canvas.RectVisible(strip))
            m_styleDisplay->PaintBandFiller(strip);
    }
    if (m_options.testFlag(TGridOption::goIndicator)) {
        if (input) {
            const TRect band = GetInputRect();
            m_styleDisplay->PaintIndicatorCorner(TRect(0, band.Top, IndicatorWidth, band.Bottom), 0);
        }
        if (footer)
            m_styleDisplay->PaintIndicatorCorner(
                TRect(0, GetFooterRect().Top, IndicatorWidth, ClientHeight()), 1);
        if (header)
            m_styleDisplay->PaintIndicatorCorner(TRect(0, 0, IndicatorWidth, m_headerSize), 0);
    }
}

void TDgCustomGridControl::PaintHeader() {
    if (!m_options.testFlag(TGridOption::goHeader))
        return;
    PaintHeaderCells();
    // Only a report has an indicator column; slides' columns start at the client's left edge, where the
    // corner would cover the first caption.
    if (m_options.testFlag(TGridOption::goIndicator) && m_gridStyle == TGridStyle::gsReport)
        m_styleDisplay->PaintIndicatorCorner(TRect(0, 0, IndicatorWidth, m_headerSize), 0);
}

void TDgCustomGridControl::PaintHeaderCells() {
    Canvas.Font = m_font;
    for (int pos = 0, n = m_columns->ColumnCount(); pos < n; ++pos) {
        const TDgCustomColumn* column = m_columns->PositionItem(pos);
        if (!column->Visible())
            continue;
        TRect rect;
        column->GetPartRect(ColumnPartRect::Header, rect);
        // Visible in the paint region, not in the previous header's clip.
        Canvas.ResetClip();
        if (!Canvas.RectVisible(rect))
            continue;
        Canvas.SetClipRect(rect);
        Canvas.Font = m_font;
        m_styleDisplay->PaintColumnHeader(*column, rect);
    }
    Canvas.ResetClip();
    const TRect header = GetHeaderRect();
    if (header.Right < ClientWidth())
        fill(Canvas, TRect(header.Right, 0, ClientWidth(), m_headerSize), m_color);
}

// ---------------------------------------------------------------------------------------------------------
// Slides

void TDgCustomGridControl::PaintSlides() {
    const TRect cells = GetCellsRect();
    const int clientWidth = ClientWidth();
    const int clientHeight = ClientHeight();
    const int rows = RowCount();
    const bool wholeRowsOnly = WholeRowsOnly();
    const bool focused = Focused();
    int y = cells.Top;
    int row = m_topRow;
    bool stop = false;
    for (; row < rows && y < clientHeight && !stop; ++row) {
        if (!RowVisible(row))
            continue;
        TRect slide(0, y + m_lineSizes[1], clientWidth, y + m_lineSizes[1] + m_slideSize);
        slide.Bottom += m_lineSizes[3];
        const int slideTop = slide.Top;
        y = slideTop + m_slideSize + m_lineSizes[3];
        const TRect slideClip = IntersectRect(slide, cells);
        if (!Canvas.RectVisible(InflateRect(slide, 0, 1)))
            continue;
        if (m_appearanceOptions.testFlag(TAppearanceOption::ao3DGridLines)) {
            Canvas.SetClipRect(cells);
            line(Canvas, m_color, 0, slideTop - 1, clientWidth, slideTop - 1);
        }
        Canvas.SetClipRect(slideClip);
        TColor slideColor = m_color;
        if (Selected(row) && !m_slidesOptions.testFlag(TSlidesOption::soHideSelection))
            slideColor = focused ? m_slideSelectionColor : clBtnFace;
        TSlideState state;
        if (row == m_selectedRow) {
            state |= TSlideStateItem::stSelected;
            if (m_slidesOptions.testFlag(TSlidesOption::soFrame))
                state |= TSlideStateItem::stFocused;
        }
        TColor gridColor = m_gridLinesColor;
        if (OnSlideColoring)
            OnSlideColoring(this, row, slideColor, gridColor, state);
        fill(Canvas, slide, slideColor);
        for (int pos = 0, n = m_columns->ColumnCount(); pos < n; ++pos) {
            const TDgCustomColumn* column = m_columns->PositionItem(pos);
            if (!column->Visible())
                continue;
            if (wholeRowsOnly && slide.Bottom > cells.Bottom) {
                stop = true;
                break;
            }
            PaintCell(column->Index(), row);
            Canvas.SetClipRect(slideClip);
            PaintSlideCaption(column->Index(), row);
        }
        Canvas.SetClipRect(slideClip);
        if (state.testFlag(TSlideStateItem::stFocused)) {
            Canvas.Brush.Style = TBrushStyle::bsSolid;
            Canvas.Brush.Color = focused ? m_selectionColor : m_inactiveSelectionColor;
            Canvas.FrameRect(TRect(slide.Left + 1, slide.Top + 1, slide.Right - 1, slide.Bottom - 2));
            Canvas.FrameRect(TRect(slide.Left + 2, slide.Top + 2, slide.Right - 2, slide.Bottom - 3));
        }
        if (m_options.testFlag(TGridOption::goGrid))
            line(Canvas, gridColor, 0, y - 1, clientWidth, y - 1);
        Canvas.SetClipRect(cells);
    }
    m_lastPaintedRow = row;
    Canvas.ResetClip();
    if (y < clientHeight)
        fill(Canvas, TRect(0, std::max(y, cells.Top), clientWidth, clientHeight), m_color);
}

void TDgCustomGridControl::PaintSlideCaption(int ACol, int ARow) {
    const TDgCustomColumn* column = m_columns->ColumnItem(ACol);
    const QString& caption = column->SlideCaption();
    if (caption.isEmpty())
        return;
    TRect cell;
    GetCellRect(ACol, ARow, cell);
    Canvas.Font = column->Font();
    Canvas.Font.SetStyle({});
    Canvas.Font.Color = m_slideCaptionColor;
    Canvas.Brush.Style = TBrushStyle::bsClear;
    if (column->SlideCaptionLocation() == TSlideCatpionLocation::clLeft)
        Canvas.TextOut(cell.Left - 2 - Canvas.TextWidth(caption), cell.Top, caption);
    else
        Canvas.TextOut(cell.Left + 2, cell.Top - 2 - Canvas.TextHeight(caption), caption);
    Canvas.Brush.Style = TBrushStyle::bsSolid;
}

} // namespace grid
