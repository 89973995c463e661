// The grid's dragging modes: moving a column with the drag box, resizing a column or a row with a guide
// line, and moving a row with its drop marker. Guide lines and the marker are state that Paint draws (the
// lines inverted), so ending a mode only has to repaint their strips.
#include "grid/DgColumnDragBox.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgGrid.h"

#include <QPolygon>

namespace grid {

using namespace platform;

namespace {

/// The left arrowhead of the row-move marker around (0, y).
QList<TPoint> markerHead(int y) {
    return {TPoint(0, y - 2), TPoint(2, y - 2), TPoint(2, y - 5), TPoint(7, y),
            TPoint(2, y + 5), TPoint(2, y + 2), TPoint(0, y + 2)};
}

} // namespace

// ---- what Paint draws for the modes ----

TRect TDataGrid::ResizeGuideLeft() const {
    return m_guideLeft >= 0 ? TRect(m_guideLeft, 0, m_guideLeft + 1, ClientHeight()) : TRect();
}

TRect TDataGrid::ResizeGuideRight() const {
    return m_guideRight >= 0 ? TRect(m_guideRight, 0, m_guideRight + 1, ClientHeight()) : TRect();
}

TRect TDataGrid::RowResizeGuide() const {
    return m_rowGuide >= 0 ? TRect(0, m_rowGuide, ClientWidth(), m_rowGuide + 1) : TRect();
}

int TDataGrid::MarkerY(int Row) {
    return GetRowTop(Row) - (Row == TopRow() ? 0 : 1);
}

void TDataGrid::InvalidateMarker(int Row) {
    if (Row < 0)
        return;
    const int y = MarkerY(Row);
    const int right = GetCellsRect().Right;
    RefreshRect(TRect(0, y - 5, 8, y + 6));
    RefreshRect(TRect(right - 8, y - 5, right, y + 6));
    RefreshRect(TRect(8, y, right - 7, y + 1));
}

void TDataGrid::Paint() {
    TDgCustomGrid::Paint();
    Canvas.ResetClip();
    if (m_guideLeft >= 0 || m_guideRight >= 0 || m_rowGuide >= 0) {
        Canvas.Pen.Mode = TPenMode::pmNot;
        Canvas.Pen.Style = TPenStyle::psSolid;
        Canvas.Pen.Width = 1;
        for (const int x : {m_guideLeft, m_guideRight}) {
            if (x >= 0) {
                Canvas.MoveTo(x, 0);
                Canvas.LineTo(x, ClientHeight());
            }
        }
        if (m_rowGuide >= 0) {
            Canvas.MoveTo(0, m_rowGuide);
            Canvas.LineTo(ClientWidth(), m_rowGuide);
        }
        Canvas.Pen.Mode = TPenMode::pmCopy;
    }
    if (m_markerRow >= 0) {
        const int y = MarkerY(m_markerRow);
        const int right = GetCellsRect().Right;
        Canvas.Pen.Color = clRed;
        Canvas.Pen.Mode = TPenMode::pmCopy;
        Canvas.Brush.Color = clRed;
        Canvas.Brush.Style = TBrushStyle::bsSolid;
        Canvas.Polygon(markerHead(y));
        QList<TPoint> mirrored;
        for (const TPoint& p : markerHead(y))
            mirrored << TPoint(right - 1 - p.x(), p.y());
        Canvas.Polygon(mirrored);
        Canvas.FillRect(TRect(8, y, right - 7, y + 1));
    }
}

// ---- column resizing ----

void TDataGrid::BeginColumnResize(int X) {
    TDgCustomGrid::BeginColumnResize(X);
    const TDgCustomColumn* column = m_resizingColumn;
    if (!column)
        return;
    const int left = column->ClientLeft();
    m_resizeLineLeft = column->Index() == 0 ? left : left - 1;
    m_resizeLineRight = left + column->Width() - 1;
    m_guideLeft = m_resizeLineLeft;
    m_guideRight = m_resizeLineRight;
    RefreshRect(ResizeGuideLeft());
    RefreshRect(ResizeGuideRight());
}

void TDataGrid::ColumnResizeMove(int X) {
    TDgCustomGrid::ColumnResizeMove(X);
    const TDgCustomColumn* column = m_resizingColumn;
    if (!column || !ColumnResizing())
        return;
    RefreshRect(ResizeGuideRight());
    const int scroll = column->Position() < FixedCols() ? 0 : HorzScrollPosition();
    m_resizeDelta = X + scroll - (column->Left() + column->Width());
    // A column never gets narrower than its MinWidth.
    if (column->Width() + m_resizeDelta < column->MinWidth())
        m_resizeDelta = column->MinWidth() - column->Width();
    m_resizeLineRight = column->Left() + column->Width() + m_resizeDelta - 1 - scroll;
    m_guideRight = m_resizeLineRight;
    RefreshRect(ResizeGuideRight());
}

void TDataGrid::EndColumnResize(int X) {
    TDgCustomColumn* column = m_resizingColumn;
    const int delta = m_resizeDelta;
    TDgCustomGrid::EndColumnResize(X);
    RefreshRect(ResizeGuideLeft());
    RefreshRect(ResizeGuideRight());
    m_guideLeft = -1;
    m_guideRight = -1;
    m_resizeDelta = 0;
    if (column && delta != 0) {
        column->SetWidth(column->Width() + delta);
        // The width change moved pixels that held the lines.
        Invalidate();
    }
}

// ---- row resizing ----

void TDataGrid::BeginRowResize(int Row, int X, int Y) {
    TDgCustomGrid::BeginRowResize(Row, X, Y);
    m_rowResizeMoved = false;
    m_rowGuide = Y;
    RefreshRect(RowResizeGuide());
}

void TDataGrid::RowResizeMove(int X, int Y) {
    TDgCustomGrid::RowResizeMove(X, Y);
    const int row = RowResizeRow();
    if (row < 0 || row >= RowCount())
        return;
    RefreshRect(RowResizeGuide());
    // A row keeps at least 8 pixels.
    const int y = std::max(Y, GetRowTop(row) + 8);
    m_rowResizeLine = TPoint(0, y);
    m_rowGuide = y;
    m_rowResizeMoved = true;
    RefreshRect(RowResizeGuide());
}

void TDataGrid::EndRowResize(int X, int Y) {
    const int row = RowResizeRow();
    const int y = m_rowResizeLine.y();
    const bool moved = m_rowResizeMoved;
    RefreshRect(RowResizeGuide());
    m_rowGuide = -1;
    m_rowResizeMoved = false;
    TDgCustomGrid::EndRowResize(X, Y);
    // A press and release without a move leaves the height as it was.
    if (moved && row >= 0 && row < RowCount())
        SetRowHeight(row, y - GetRowTop(row));
}

// ---- column moving ----

void TDataGrid::SetDragCursor(TCursor Cursor) {
    m_dragCursor = Cursor;
    if (m_dragBox)
        SetWidgetCursor(m_dragBox, Cursor);
    SetGridCursor(Cursor);
}

void TDataGrid::BeginColumnDrag(int X, int Y) {
    TDgCustomGrid::BeginColumnDrag(X, Y);
    TDgCustomColumn* column = ClickColumn();
    if (!column || ColumnDragging())
        return;
    m_columnDragging = true;
    if (!m_dragBox) {
        m_dragBox = new TColumnDragBox(this);
        m_dragBox->OnMove = [this](QObject*, int SX, int SY) { ColumnDragMove(SX, SY); };
        m_dragBox->OnDrop = [this](QObject*, int SX, int SY) { ColumnDrop(SX, SY); };
        // The arrow above the header points down at it, the one below points up.
        m_topArrow = new TDragArrow(this, 2);
        m_bottomArrow = new TDragArrow(this, 1);
    }
    const QPoint corner = viewport()->mapToGlobal(QPoint(column->ClientLeft(), GetHeaderRect().Top));
    m_dragBox->setGeometry(corner.x(), corner.y(), column->Width(), HeaderSize());
    m_dragBox->StartDrag(column, viewport()->mapToGlobal(QPoint(X, Y)));
}

int TDataGrid::ColumnDropPosition(TDgCustomColumn* Column, int X) const {
    const TDgColumns* columns = Columns();
    const int own = Column->Position();
    const int scroll = HorzScrollPosition();
    const TDgCustomColumn* previous = nullptr;
    for (int pos = 0; pos < columns->ColumnCount(); ++pos) {
        const TDgCustomColumn* u = columns->PositionItem(pos);
        if (!u->Visible() && u != Column)
            continue;
        const bool fixed = pos < columns->FixedCols();
        const int left = u->Left() - (fixed ? 0 : scroll);
        const int right = left + u->Width();
        if (X < left || X >= right) {
            previous = u;
            continue;
        }
        if (u == Column)
            return own;
        int to;
        if (X > right - u->Width() / 2)
            to = own >= u->Position() ? u->Position() + 1 : u->Position();
        else
            to = own <= u->Position() && previous ? previous->Position() : u->Position();
        // A column scrolled under the fixed ones takes no drop.
        if (to >= columns->FixedCols() && left < CellsBandLeft() + columns->FixedColumnsWidth())
            return own;
        return std::min(to, columns->ColumnCount() - 1);
    }
    return own;
}

void TDataGrid::PlaceArrows(int FromPos, int ToPos) {
    if (!m_topArrow || !m_bottomArrow)
        return;
    if (FromPos == ToPos || IsGridDesigning()) {
        m_topArrow->hide();
        m_bottomArrow->hide();
        return;
    }
    const TDgCustomColumn* dragged = m_dragBox ? m_dragBox->Column() : nullptr;
    const TDgCustomColumn* target = Columns()->PositionItem(ToPos);
    int x = target->Left();
    const int location = target->ColumnLocation();
    if (FromPos < ToPos && ((dragged && !dragged->Visible()) || location == 2 || location == 3))
        x += target->Width();
    if (ToPos >= FixedCols())
        x -= HorzScrollPosition();
    const QPoint at = viewport()->mapToGlobal(QPoint(x, GetHeaderRect().Top));
    m_topArrow->ShowAt(at.x() - 4, at.y() - 12);
    m_bottomArrow->ShowAt(at.x() - 4, at.y() + HeaderSize() - 1);
}

void TDataGrid::ColumnDragMove(int X, int Y) {
    TDgCustomColumn* column = m_dragBox ? m_dragBox->Column() : nullptr;
    if (!column)
        return;
    const QPoint p = viewport()->mapFromGlobal(QPoint(X, Y));
    const bool inHeader = Options().testFlag(TGridOption::goHeader) && p.y() >= 0 && p.y() < HeaderSize() &&
                          p.x() >= 0 && p.x() < ClientWidth();
    if (!inHeader) {
        m_topArrow->hide();
        m_bottomArrow->hide();
        SetDragCursor(crColumnNoDrag);
        return;
    }
    const int to = ColumnDropPosition(column, p.x());
    if (Options().testFlag(TGridOption::goLockFixedCols) &&
        (to < FixedCols() || column->Position() < FixedCols())) {
        m_topArrow->hide();
        m_bottomArrow->hide();
        SetDragCursor(crColumnNoDrag);
        return;
    }
    if (Columns()->PositionItem(to)->Visible())
        PlaceArrows(column->Position(), to);
    SetDragCursor(crDefault);
}

void TDataGrid::ColumnDrop(int X, int Y) {
    TDgCustomColumn* column = m_dragBox ? m_dragBox->Column() : ClickColumn();
    SetDragCursor(crDefault);
    if (column && Columns()->IndexOf(column) >= 0) {
        const QPoint p = viewport()->mapFromGlobal(QPoint(X, Y));
        const bool inHeader = Options().testFlag(TGridOption::goHeader) && p.y() >= 0 &&
                              p.y() < HeaderSize() && p.x() >= 0 && p.x() < ClientWidth();
        if (inHeader) {
            const int to = ColumnDropPosition(column, p.x());
            const bool locked = Options().testFlag(TGridOption::goLockFixedCols) &&
                                (to < FixedCols() || column->Position() < FixedCols());
            if (!locked && to != column->Position())
                Columns()->MoveColumn(column->Position(), to);
        } else if (Options().testFlag(TGridOption::goCanHideColumn)) {
            column->SetVisible(false);
        }
        // The OnColumnMove handler may have freed it.
        if (Columns()->IndexOf(column) >= 0)
            RefreshColumnPart(column, ColumnBand::Header);
    }
    m_clickColumn = nullptr;
    m_mouseDownPoint = TPoint(-1, -1);
    // The release went to the box: the header press ends here.
    m_headerPressed = false;
    SetDownColumn(nullptr);
    if (m_topArrow)
        m_topArrow->hide();
    if (m_bottomArrow)
        m_bottomArrow->hide();
    m_columnDragging = false;
}

// ---- row moving ----

int TDataGrid::RowDropPosition(int Y, int Default) {
    const TRect cells = GetCellsRect();
    const int separator = SeparatorHeight();
    int top = cells.Top;
    for (int row = TopRow(), rows = RowCount(); row < rows && top < cells.Bottom; ++row) {
        if (!RowVisible(row))
            continue;
        const int height = ShownRowHeight(row);
        if (Y > top && Y <= top + height + separator)
            return Y > top + height / 2 ? row + 1 : row;
        top += height + separator;
    }
    return Default;
}

void TDataGrid::RowMoveStep(int Y) {
    TDgCustomGrid::RowMoveStep(Y);
    m_priorDropRow = m_dropRow;
    m_dropRow = RowDropPosition(Y, MoveRowFrom());
    if (m_dropRow != m_priorDropRow)
        InvalidateMarker(m_markerRow);
    // Holding the mouse over the top row scrolls up.
    if (m_dropRow == TopRow())
        VertScrollBar()->LineUp();
    m_markerRow = m_dropRow;
    InvalidateMarker(m_markerRow);
}

void TDataGrid::RowMoveDrop(int Y) {
    TDgCustomGrid::RowMoveDrop(Y);
    const int from = MoveRowFrom();
    int to = RowDropPosition(Y, from);
    // The row leaves its old place first.
    if (to > from)
        --to;
    InvalidateMarker(m_markerRow);
    m_markerRow = -1;
    m_dropRow = -1;
    if (from < 0 || from >= RowCount() || to < 0 || to >= RowCount())
        return;
    if (!DoRowMove(from, to))
        return;
    MoveRow(from, to);
    if (OnAfterRowMove)
        OnAfterRowMove(this, from, to);
    if (to < RowCount())
        SetSelectedRow(to);
}

// ---- ending the modes ----

void TDataGrid::DropStaleMarks() {
    if (!ColumnDragging()) {
        if (m_dragBox && m_dragBox->isVisible())
            m_dragBox->CancelDrag();
        if (m_topArrow)
            m_topArrow->hide();
        if (m_bottomArrow)
            m_bottomArrow->hide();
        if (m_dragCursor != crDefault)
            SetDragCursor(crDefault);
    }
    if (!ColumnResizing() && (m_guideLeft >= 0 || m_guideRight >= 0)) {
        RefreshRect(ResizeGuideLeft());
        RefreshRect(ResizeGuideRight());
        m_guideLeft = -1;
        m_guideRight = -1;
        m_resizeDelta = 0;
    }
    if (RowResizeRow() < 0 && m_rowGuide >= 0) {
        RefreshRect(RowResizeGuide());
        m_rowGuide = -1;
        m_rowResizeMoved = false;
    }
    if (!RowMoving() && m_markerRow >= 0) {
        InvalidateMarker(m_markerRow);
        m_markerRow = -1;
        m_dropRow = -1;
    }
}

void TDataGrid::FocusMoved() {
    if (!IsGridDestroying())
        DropStaleMarks();
}

void TDataGrid::HideDragMarks() {
    TDgCustomGrid::HideDragMarks();
    // Without the box the drag cannot drop: it ends here.
    m_columnDragging = false;
    m_clickColumn = nullptr;
    DropStaleMarks();
}

} // namespace grid
