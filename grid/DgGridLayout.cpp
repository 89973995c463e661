// Geometry of the grid's bands, rows and slides, the scroll ranges and deltas, invalidation and sizing.
#include "grid/DgColumnElements.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgCustomGridControl.h"
#include "grid/DgStyleDisplays.h"

#include <QResizeEvent>
#include <algorithm>

namespace grid {

using namespace platform;

// ---------------------------------------------------------------------------------------------------------
// Bands

int TDgCustomGridControl::CellsBandLeft() const {
    return m_gridStyle == TGridStyle::gsReport && m_options.testFlag(TGridOption::goIndicator)
               ? IndicatorWidth
               : 0;
}

int TDgCustomGridControl::HorzScrollPosition() const {
    return HorzScrollBar()->Position();
}

int TDgCustomGridControl::TotalColumnsWidth() const {
    return m_columns ? m_columns->ColumnsWidth() : 0;
}

int TDgCustomGridControl::GetColumnsAreaWidth() const {
    return ClientWidth() - CellsBandLeft();
}

TRect TDgCustomGridControl::GetHeaderRect() const {
    const int ind = CellsBandLeft();
    return TRect(ind, 0, ind + TotalColumnsWidth() - HorzScrollPosition(), m_headerSize);
}

TRect TDgCustomGridControl::GetInputRect() const {
    const int ind = CellsBandLeft();
    const int top = m_options.testFlag(TGridOption::goHeader) ? m_headerSize : 0;
    return TRect(ind, top, ind + TotalColumnsWidth() - HorzScrollPosition(),
                 top + m_inputSize + 6 + m_lineSizes[3]);
}

TRect TDgCustomGridControl::GetInputCellRect(const TDgCustomColumn* Column) const {
    const int top = GetInputRect().Top;
    const int left = Column->ClientLeft();
    return TRect(left, top, left + Column->Width(), top + m_inputSize);
}

TRect TDgCustomGridControl::GetCellsRect() const {
    const int top = m_options.testFlag(TGridOption::goHeader) ? m_headerSize : 0;
    if (m_gridStyle == TGridStyle::gsSlides)
        return TRect(0, top, ClientWidth(), ClientHeight());
    const int ind = CellsBandLeft();
    TRect r(ind, top, std::min(ind + TotalColumnsWidth() - HorzScrollPosition(), ClientWidth()),
            ClientHeight());
    if (m_options.testFlag(TGridOption::goInput))
        r.Top += m_inputSize + 6 + m_lineSizes[3];
    if (m_options.testFlag(TGridOption::goFooter))
        r.Bottom = ClientHeight() - (m_footerSize + 4) - m_lineSizes[3];
    return r;
}

TRect TDgCustomGridControl::GetFooterRect() const {
    if (m_gridStyle == TGridStyle::gsSlides)
        return TRect();
    const int ind = CellsBandLeft();
    return TRect(ind, ClientHeight() - (m_footerSize + 4) - m_lineSizes[3],
                 ind + TotalColumnsWidth() - HorzScrollPosition(), ClientHeight());
}

TRect TDgCustomGridControl::GetIndicatorRect() const {
    return TRect(0, 0, IndicatorWidth, ClientHeight());
}

TRect TDgCustomGridControl::GetScrollableRect() const {
    return TRect(FixedColumnsWidthOf() + CellsBandLeft(), 0, ClientWidth(), ClientHeight());
}

int TDgCustomGridControl::FixedColumnsWidthOf() const {
    return m_columns ? m_columns->FixedColumnsWidth() : 0;
}

// ---------------------------------------------------------------------------------------------------------
// Rows and slides

int TDgCustomGridControl::GetRowExtent(int Row) {
    if (m_gridStyle == TGridStyle::gsSlides)
        return m_slideSize;
    return Row >= 0 && Row < RowCount() ? RowHeight(Row) : m_rowSize;
}

int TDgCustomGridControl::GetRowTop(int Row) {
    if (Row == m_rowTopCache.row)
        return m_rowTopCache.top;
    const TRect cells = GetCellsRect();
    const int rows = RowCount();
    const int gap = m_lineSizes[4];
    int y = cells.Top + m_lineSizes[1];
    if (Row >= m_topRow) {
        // Below the cells area every row is off the page: the walk stops there.
        for (int i = m_topRow; i < Row && y < cells.Bottom; ++i) {
            if (i >= rows)
                y += m_rowSize + gap;
            else if (RowVisible(i))
                y += RowHeight(i) + gap;
        }
        return y;
    }
    // Rows above TopRow lie above the cells area, one page at most is walked.
    const int limit = cells.Top - std::max(cells.Height(), 0) - 1;
    for (int i = m_topRow - 1; i >= std::max(Row, 0) && y >= limit; --i)
        if (i >= rows)
            y -= m_rowSize + gap;
        else if (RowVisible(i))
            y -= RowHeight(i) + gap;
    return std::min(y, cells.Top - 1);
}

void TDgCustomGridControl::GetCellRect(int ACol, int ARow, TRect& Rect) {
    const TDgCustomColumn* column = m_columns->ColumnItem(ACol);
    if (m_gridStyle == TGridStyle::gsSlides) {
        const TDgSlideBounds* bounds = column->SlideBounds();
        Rect = Bounds(bounds->Left(), GetSlideTop(ARow) + bounds->Top(), bounds->Width(), bounds->Height());
        return;
    }
    Rect.Left = column->ClientLeft();
    Rect.Right = Rect.Left + column->Width();
    Rect.Top = GetRowTop(ARow);
    Rect.Bottom = Rect.Top + (ARow >= 0 && ARow < RowCount() ? RowHeight(ARow) : m_rowSize);
}

TRect TDgCustomGridControl::GetRowRect(int Row) {
    const int top = GetRowTop(Row);
    return TRect(0, top, GetCellsRect().Right, top + GetRowExtent(Row) + m_lineSizes[3]);
}

int TDgCustomGridControl::GetSlideTop(int Row) {
    const TRect cells = GetCellsRect();
    const int rows = RowCount();
    int y = cells.Top;
    for (int i = m_topRow; i < Row && i < rows && y < cells.Bottom; ++i)
        if (RowVisible(i))
            y += m_slideSize + m_lineSizes[4];
    return y;
}

TRect TDgCustomGridControl::GetSlideRect(int Row) {
    const int top = GetSlideTop(Row) + m_lineSizes[1];
    return TRect(0, top, ClientWidth(), top + m_slideSize);
}

int TDgCustomGridControl::GetPageRowCount(bool FillUp) {
    const int height = GetCellsRect().Height();
    const int rows = RowCount();
    int sum = 0;
    int count = 0;
    // Counts the row when it is shown and still fits; false when it does not fit.
    const auto takes = [&](int row) {
        if (!RowVisible(row))
            return true;
        const int next = sum + GetRowExtent(row) + m_lineSizes[4];
        if (next > height)
            return false;
        sum = next;
        ++count;
        return true;
    };
    int row = m_topRow;
    while (row < rows && takes(row))
        ++row;
    if (FillUp && row >= rows) {
        for (int i = std::min(m_topRow, rows) - 1; i >= 0; --i)
            if (!takes(i))
                break;
    }
    return count;
}

int TDgCustomGridControl::RowAtDistance(int Distance) {
    const int rows = RowCount();
    int last = m_topRow;
    int seen = 0;
    for (int row = m_topRow; row < rows && seen < Distance; ++row) {
        if (RowVisible(row)) {
            last = row;
            ++seen;
        }
    }
    return last;
}

int TDgCustomGridControl::ShownRowsBetween(int From, int To) {
    int count = 0;
    for (int row = std::max(From, 0), end = std::min(To, RowCount()); row < end; ++row)
        if (RowVisible(row))
            ++count;
    return count;
}

// ---------------------------------------------------------------------------------------------------------
// Scroll ranges

int TDgCustomGridControl::GetHorzScrollMax() {
    const int width = ClientWidth() - (m_options.testFlag(TGridOption::goIndicator) ? IndicatorWidth : 0);
    return std::max(TotalColumnsWidth() - width, 0);
}

int TDgCustomGridControl::GetVertScrollMax() {
    if (RowCount() == 0 || !m_columns || m_columns->ColumnCount() == 0)
        return 0;
    return GetVisibleRowCount();
}

bool TDgCustomGridControl::FillPageFromBottom() {
    const int rows = RowCount();
    if (m_topRow <= 0 || (m_topRow < rows && GetPageRowCount(true) <= GetPageRowCount(false)))
        return false;
    // Rows left the page (deleted or hidden below it): the page ends at the last shown row again, as far
    // up as the rows above still fit.
    const int height = GetCellsRect().Height();
    int sum = 0;
    int top = std::min(m_topRow, rows);
    for (int row = top; row < rows; ++row)
        if (RowVisible(row))
            sum += GetRowExtent(row) + m_lineSizes[4];
    for (int row = top - 1; row >= 0; --row) {
        if (!RowVisible(row))
            continue;
        const int next = sum + GetRowExtent(row) + m_lineSizes[4];
        if (next > height)
            break;
        sum = next;
        top = row;
    }
    if (top == m_topRow)
        return false;
    m_topRow = top;
    RefreshArea(TGridArea::Cells);
    RefreshArea(TGridArea::Indicator);
    return true;
}

void TDgCustomGridControl::UpdateVertScrollBar() {
    if (m_destroying)
        return;
    TDgScrollBar* bar = VertScrollBar();
    const bool moved = FillPageFromBottom();
    const int total = GetVisibleRowCount();
    const int fit = GetPageRowCount(false);
    // The position follows TopRow here; the bar must not scroll the content while its range changes.
    bar->BeginUpdate();
    if (fit < total) {
        bar->SetMax(total);
        bar->SetPageSize(fit + 1);
        bar->SetLargeChange(fit + 1);
    } else {
        bar->SetMax(0);
    }
    if (moved || total <= fit + 1)
        bar->SetPosition(ShownRowsBetween(0, m_topRow));
    bar->EndUpdate();
}

void TDgCustomGridControl::UpdateHorzScrollBar() {
    if (m_destroying)
        return;
    TDgScrollBar* bar = HorzScrollBar();
    if (m_gridStyle == TGridStyle::gsSlides) {
        bar->SetPosition(0);
        bar->SetMax(0);
        bar->SetBarVisible(false);
        return;
    }
    bar->SetMax(TotalColumnsWidth() + CellsBandLeft());
    bar->SetPageSize(ClientWidth() + 1);
    bar->SetLargeChange(std::max(bar->PageSize() - 10, 1));
    bar->SetBarVisible(bar->Max() > bar->PageSize());
    const int last = std::max(bar->Max() - bar->PageSize() + 1, 0);
    bar->SetPosition(std::clamp(bar->TrackPosition(), 0, last));
}

// ---------------------------------------------------------------------------------------------------------
// Scrolling

int TDgCustomGridControl::GetHorzScrollDelta(int OldPos, int NewPos) {
    return OldPos - NewPos;
}

int TDgCustomGridControl::GetVertScrollDelta(int OldPos, int NewPos) {
    const int rows = RowCount();
    const int step = m_lineSizes[1] + m_lineSizes[3];
    int delta = 0;
    if (NewPos > OldPos) {
        const int wanted = NewPos - OldPos;
        int passed = 0;
        for (; m_topRow < rows; ++m_topRow) {
            if (!RowVisible(m_topRow))
                continue;
            if (passed == wanted)
                break;
            ++passed;
            delta -= GetRowExtent(m_topRow) + step;
        }
    } else {
        const int wanted = OldPos - NewPos;
        int passed = 0;
        while (passed < wanted && m_topRow > 0) {
            --m_topRow;
            if (m_topRow < rows && RowVisible(m_topRow)) {
                ++passed;
                delta += GetRowExtent(m_topRow) + step;
            }
        }
    }
    m_rowTopCache = RowTopCache();
    return delta;
}

void TDgCustomGridControl::InvalidateFocusFrame() {
    TRect frame;
    TRect clip;
    FocusFrameRect(frame, clip);
    if (!frame.IsEmpty())
        RefreshRect(IntersectRect(frame, clip));
}

void TDgCustomGridControl::BeforeScroll(TScrollBarKind Kind) {
    // The pixels of a full-row focus frame do not move with the columns: it is painted again after.
    if (Kind == TScrollBarKind::sbHorizontal && m_options.testFlag(TGridOption::goSelectFullRow))
        InvalidateFocusFrame();
}

void TDgCustomGridControl::AfterScroll(TScrollBarKind Kind) {
    // The dotted frame's dots follow the pixels' parity: moved by an odd distance they would not match a
    // fresh paint, so the frame is painted again where it now stands.
    if (Focused() && !m_appearanceOptions.testFlag(TAppearanceOption::aoHideFocus))
        InvalidateFocusFrame();
    if (Kind != TScrollBarKind::sbHorizontal)
        return;
    // The band separators are drawn shifted by the scroll position also under the fixed columns, which
    // do not move with the pixels.
    const int left = CellsBandLeft();
    const int fixedRight = GetScrollableRect().Left;
    if (fixedRight > left) {
        if (m_options.testFlag(TGridOption::goInput)) {
            const TRect band = GetInputRect();
            RefreshRect(TRect(left, band.Top + m_inputSize, fixedRight, band.Bottom));
        }
        if (m_options.testFlag(TGridOption::goFooter)) {
            const TRect band = GetFooterRect();
            RefreshRect(TRect(left, band.Top, fixedRight, band.Top + 4));
        }
    }
    PlaceInplaceEdit();
}

void TDgCustomGridControl::ScrollToRow(int Row) {
    const int page = GetPageRowCount(false);
    const int last = page > 0 ? RowAtDistance(page) : m_topRow;
    int move = 0;
    if (Row < m_topRow)
        move = -ShownRowsBetween(Row, m_topRow);
    else if (Row > last || page == 0)
        move = ShownRowsBetween(last, Row);
    if (move == 0)
        return;
    VertScrollBar()->MoveBy(move);
    RowsScrolled(move);
}

void TDgCustomGridControl::ScrollToColumn(TDgCustomColumn* Column) {
    if (!Column || Column->Position() < FixedCols())
        return;
    const int x = Column->Left() - HorzScrollPosition();
    const int areaLeft = GetScrollableRect().Left;
    int move = 0;
    if (x < areaLeft)
        move = x - areaLeft;
    else if (x + Column->Width() > ClientWidth())
        move = x + Column->Width() - ClientWidth();
    if (move == 0)
        return;
    HorzScrollBar()->MoveBy(move);
    PlaceInplaceEdit();
}

void TDgCustomGridControl::ScrollColumnResize(TDgCustomColumn* Column, int Delta) {
    const int left = Column->ClientLeft();
    const int right = left + Column->Width();
    RefreshRect(TRect(left, 0, right, ClientHeight()));
    const int bottom = m_gridStyle == TGridStyle::gsReport ? ClientHeight() : GetHeaderRect().Bottom;
    const TRect moved(right, 0, ClientWidth(), bottom);
    if (Delta != 0 && !moved.IsEmpty())
        viewport()->scroll(Delta, 0, moved.toQRect());
}

void TDgCustomGridControl::resizeEvent(QResizeEvent* event) {
    TDgScrollControl::resizeEvent(event);
    if (m_destroying)
        return;
    m_columns->AutoSizeColumns(nullptr, false);
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
}

// ---------------------------------------------------------------------------------------------------------
// Sizing to content

void TDgCustomGridControl::AutoSizeColumn(int ACol, int Kind, int Extra) {
    TDgCustomColumn* column = m_columns->ColumnItem(ACol);
    int width = 8;
    if (Kind != 1) {
        m_styleDisplay->Canvas = &Canvas;
        Canvas.Font = m_font;
        width = m_styleDisplay->GetHeaderContentWidth(*column);
    }
    if (Kind != 2) {
        for (int row = 0, rows = RowCount(); row < rows; ++row)
            if (RowVisible(row))
                width = std::max(width, MeasuringDisplay(ACol, row)->GetContentWidth());
    }
    width += Extra;
    if (width != column->Width())
        column->SetWidth(width);
}

TColumnDisplay* TDgCustomGridControl::MeasuringDisplay(int ACol, int ARow) {
    TDgCustomColumn* column = m_columns->ColumnItem(ACol);
    TColumnDisplay* display = column->Display();
    display->ClientRect = TRect(0, 0, column->Width(), RowHeight(ARow));
    display->Canvas = nullptr;
    display->Col = ACol;
    display->Row = ARow;
    QString text = GetCellDisplayText(ACol, ARow);
    if (OnApplyCell)
        OnApplyCell(this, ACol, ARow, text);
    FormatCell(ACol, ARow, GetCellState(ACol, ARow));
    display->AsString = text;
    return display;
}

int TDgCustomGridControl::MeasureCellHeight(int ACol, int ARow) {
    QSize size;
    MeasuringDisplay(ACol, ARow)->GetContentSize(size);
    return size.height();
}

void TDgCustomGridControl::AutoRowHeight(int Row) {
    if (Row < 0 || Row >= RowCount())
        return;
    int height = m_rowSize;
    for (int col = 0; col < m_columns->ColumnCount(); ++col)
        if (m_columns->ColumnItem(col)->Visible())
            height = std::max(height, MeasureCellHeight(col, Row));
    SetRowHeight(Row, height);
}

// ---------------------------------------------------------------------------------------------------------
// Invalidation

void TDgCustomGridControl::RefreshRect(const TRect& Rect) {
    if (!Rect.IsEmpty())
        viewport()->update(Rect.toQRect());
}

bool TDgCustomGridControl::AreaRect(TGridArea Kind, TRect& Rect) const {
    switch (Kind) {
    case TGridArea::Cells:
        Rect = GetCellsRect();
        return true;
    case TGridArea::Footer:
        Rect = GetFooterRect();
        return m_options.testFlag(TGridOption::goFooter);
    case TGridArea::Header:
        Rect = GetHeaderRect();
        return m_options.testFlag(TGridOption::goHeader);
    case TGridArea::Indicator:
        Rect = GetIndicatorRect();
        return m_options.testFlag(TGridOption::goIndicator);
    case TGridArea::Input:
        Rect = GetInputRect();
        return m_options.testFlag(TGridOption::goInput);
    }
    Rect = TRect(0, 0, ClientWidth(), ClientHeight());
    return true;
}

void TDgCustomGridControl::RefreshArea(TGridArea Kind) {
    TRect r;
    if (AreaRect(Kind, r))
        RefreshRect(r);
}

void TDgCustomGridControl::RefreshCell(int ACol, int ARow) {
    if (!m_columns->IsValidColumnIndex(ACol) || ARow < 0 || ARow >= RowCount())
        return;
    TRect r;
    GetCellRect(ACol, ARow, r);
    r.Right += m_lineSizes[3];
    r.Bottom += m_lineSizes[3];
    RefreshRect(r);
}

void TDgCustomGridControl::RefreshColumnPart(TDgCustomColumn* Column, ColumnBand Part) {
    if (m_updateCount > 0 || !Column || m_destroying)
        return;
    // The column bands are the grid's areas by number.
    TRect band;
    if (!AreaRect(TGridArea(int(Part)), band))
        return;
    if (m_gridStyle == TGridStyle::gsSlides && Part != ColumnBand::Header) {
        RefreshRect(band);
        return;
    }
    const int left = Column->ClientLeft();
    RefreshRect(TRect(left, band.Top, left + Column->Width(), band.Bottom));
}

void TDgCustomGridControl::RefreshFrameOrRect(const TRect& Rect, bool FrameOnly, int Thick, int Wide) {
    if (!FrameOnly) {
        RefreshRect(Rect);
        return;
    }
    RefreshRect(TRect(Rect.Left, Rect.Top, Rect.Right, Rect.Top + Thick));
    RefreshRect(TRect(Rect.Left, Rect.Bottom - Thick, Rect.Right, Rect.Bottom));
    RefreshRect(TRect(Rect.Left, Rect.Top, Rect.Left + Wide, Rect.Bottom));
    RefreshRect(TRect(Rect.Right - Wide, Rect.Top, Rect.Right, Rect.Bottom));
}

void TDgCustomGridControl::RefreshRow(int Row, bool FrameOnly) {
    if (Row < 0 || Row >= RowCount() || Row < m_topRow || Row >= m_lastPaintedRow)
        return;
    // The frame is one pixel.
    RefreshFrameOrRect(GetRowRect(Row), FrameOnly, 1, 1);
}

void TDgCustomGridControl::RefreshSlide(int Row, bool FrameOnly) {
    if (Row < 0 || Row >= RowCount() || Row < m_topRow || Row >= m_lastPaintedRow)
        return;
    TRect r = GetSlideRect(Row);
    r.Bottom += m_lineSizes[3];
    RefreshFrameOrRect(r, FrameOnly, 4, 3);
}

void TDgCustomGridControl::RefreshRowIndicator(int Row) {
    const int top = GetRowTop(Row);
    RefreshRect(TRect(0, top - m_lineSizes[1], IndicatorWidth, top + GetRowExtent(Row) + m_lineSizes[3]));
}

void TDgCustomGridControl::RefreshRowLine(int Row) {
    if (m_gridStyle == TGridStyle::gsSlides) {
        const TRect r = GetSlideRect(Row);
        RefreshRect(TRect(r.Left, r.Bottom - 1, r.Right, r.Bottom + m_lineSizes[3]));
        return;
    }
    const TRect r = GetRowRect(Row);
    const int bottom = r.Bottom - m_lineSizes[3];
    RefreshRect(TRect(0, bottom - 1, r.Right, bottom + m_lineSizes[3]));
}

void TDgCustomGridControl::RefreshRows(int A, int B) {
    const TRect cells = GetCellsRect();
    const int low = std::min(A, B);
    const int high = std::max(A, B);
    const int top = std::max(GetRowTop(low) - m_lineSizes[1], cells.Top);
    const int bottom = std::min(GetRowRect(high).Bottom, cells.Bottom);
    RefreshRect(TRect(0, top, cells.Right, bottom));
}

void TDgCustomGridControl::RefreshRowsFrom(int Row, int ToRow) {
    const TRect cells = GetCellsRect();
    const int top = std::max(GetRowTop(Row) - m_lineSizes[1], cells.Top);
    const int bottom = ToRow >= Row ? std::min(GetRowRect(ToRow).Bottom, cells.Bottom) : cells.Bottom;
    RefreshRect(TRect(0, top, cells.Right, bottom));
}

void TDgCustomGridControl::RefreshSelection() {
    if (m_inputSelected)
        RefreshArea(TGridArea::Input);
    if (!m_columns || m_columns->ColumnCount() == 0 || RowCount() == 0)
        return;
    if (!m_options.testFlag(TGridOption::goSelectFullRow)) {
        RefreshCell(m_selectedColumn, m_selectedRow);
        return;
    }
    const int end = std::min(std::max(m_lastPaintedRow, m_topRow + GetPageRowCount(false) + 1), RowCount());
    for (int row = m_topRow; row < end; ++row)
        if (Selected(row))
            RefreshRow(row, false);
}

void TDgCustomGridControl::RefreshSelectedSlides() {
    const int end = std::min(std::max(m_lastPaintedRow, m_topRow + GetPageRowCount(false) + 1), RowCount());
    for (int row = m_topRow; row < end; ++row)
        if (Selected(row))
            RefreshSlide(row, false);
}

} // namespace grid
