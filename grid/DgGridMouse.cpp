// The grid's mouse: presses, moves, releases and double clicks by the part of the grid under the mouse,
// the header click and sort, cell clicks that start editing, and the hints that follow the mouse.
#include "grid/DgColumnElements.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgCustomGrid.h"
#include "grid/DgSharedCommon.h"

using namespace platform;

namespace grid {

namespace {
/// How far the mouse moves with a button held before a drag begins.
constexpr int kDragDistance = 3;
/// The widest a cell hint grows.
constexpr int kCellHintWidth = 250;

bool LeftHeld(TShiftState Shift) {
    return Shift.testFlag(TShiftStateItem::ssLeft);
}
} // namespace

void TDgCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TDgCustomGridControl::MouseDown(Button, Shift, X, Y);
    m_mouseDownPoint = TPoint(X, Y);
    m_mouseDownCell = CellAtPos(X, Y);
    const TGridHitPart part = HitTest(X, Y);
    m_pressPart = part;
    if (Shift.testFlag(TShiftStateItem::ssDouble)) {
        DoubleClickDown(X, Y);
        return;
    }
    if (isVisible() && focusPolicy() != Qt::NoFocus && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (Columns()->ColumnCount() == 0 || Button == TMouseButton::mbMiddle)
        return;
    if (Button == TMouseButton::mbLeft && part == TGridHitPart::Header) {
        m_resizingColumn = ColumnBorderAtPos(X);
        if (m_resizingColumn) {
            BeginColumnResize(X);
            return;
        }
    }
    switch (part) {
    case TGridHitPart::Cells:
        CellPress(Button, Shift, X, Y);
        break;
    case TGridHitPart::Header:
        if (Button == TMouseButton::mbLeft)
            HeaderPress(Button, Shift, X);
        break;
    case TGridHitPart::Indicator:
        IndicatorPress(X, Y);
        break;
    case TGridHitPart::Input:
        break;
    case TGridHitPart::None:
    case TGridHitPart::Footer:
        ApplyEdit();
        EndEditing();
        break;
    }
}

void TDgCustomGrid::DoubleClickDown(int X, int Y) {
    // The first click's release ended its resize and forgot the border; the mouse is still over it.
    if (!m_borderColumn && HitTest(X, Y) == TGridHitPart::Header)
        m_borderColumn = ColumnBorderAtPos(X);
    if (m_borderColumn && (m_borderColumn->GetColumnTraits() & trait::SizeToContentOnBorder)) {
        AutoSizeColumn(m_borderColumn->Index(), 1, 5);
        m_borderColumn = nullptr;
    } else {
        switch (HitTest(m_mouseDownPoint.x(), m_mouseDownPoint.y())) {
        case TGridHitPart::Cells:
            if (IsValidCell(m_mouseDownCell.X, m_mouseDownCell.Y) && OnCellDblClick)
                OnCellDblClick(this, m_mouseDownCell.X, m_mouseDownCell.Y);
            break;
        case TGridHitPart::Header:
            if (TDgCustomColumn* column = ColumnAtPos(X); column && OnHeaderDblClick)
                OnHeaderDblClick(this, column->Index());
            break;
        case TGridHitPart::Indicator:
            if (Options().testFlag(TGridOption::goRowResizing)) {
                const int row = RowBorderAtPos(X, Y);
                if (row >= 0)
                    AutoRowHeight(row);
            }
            break;
        default:
            break;
        }
    }
    m_mouseDownPoint = TPoint(-1, -1);
}

void TDgCustomGrid::CellPress(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CellEditing() || InputEditing()) {
        const bool input = InputEditing();
        ApplyEdit();
        if (input)
            AcceptInput();
        EndEditing();
    }
    if (GridStyle() == TGridStyle::gsReport)
        SetInputSelected(false);
    TGridCoord cell = m_mouseDownCell;
    m_secondClick = cell.X == SelectedColumn() && cell.Y == SelectedRow();
    bool leftPress = Button == TMouseButton::mbLeft;
    const bool rowValid = cell.Y >= 0 && cell.Y < RowCount();
    if (Options().testFlag(TGridOption::goMultiSelect) && Options().testFlag(TGridOption::goSelectFullRow) &&
        rowValid && Selected(cell.Y) && Dragging()) {
        // The selected rows may be dragged: the selection stays until the drag is cancelled.
        m_selectOnDragCancel = true;
        leftPress = false;
    }
    if (!rowValid)
        return;
    m_moveRowFrom = cell.Y;
    if (!Columns()->IsValidColumnIndex(cell.X))
        cell.X = SelectedColumn();
    if (TDgCustomColumn* column = ColumnAt(cell.X); column && column->PlayTakesInput(ReadOnly())) {
        TRect rect;
        if (PlayTakes(cell.X, cell.Y, rect))
            column->Play()->MouseDown(Button, Shift, X - rect.Left, Y - rect.Top);
    }
    SelectCell(cell.X, cell.Y, Shift, leftPress);
    if (SelectedRow() != cell.Y || !IsValidCell(cell.X, cell.Y))
        return;
    if (GridStyle() == TGridStyle::gsReport) {
        ScrollToRow(cell.Y);
    } else if (GetSlideRect(cell.Y).Bottom > GetCellsRect().Bottom) {
        VertScrollBar()->LineDown();
    }
}

void TDgCustomGrid::HeaderPress(TMouseButton, TShiftState, int X) {
    m_clickColumn = ColumnAtPos(X);
    if (m_clickColumn && m_clickColumn->Options().testFlag(TColumnOption::coCanClick)) {
        m_headerPressed = true;
        SetDownColumn(m_clickColumn);
    } else {
        m_clickColumn = nullptr;
    }
}

void TDgCustomGrid::IndicatorPress(int X, int Y) {
    if (Options().testFlag(TGridOption::goRowResizing)) {
        const int row = RowBorderAtPos(X, Y);
        if (row >= 0) {
            BeginRowResize(row, X, Y);
            return;
        }
    }
    SetSelectedRow(GetRowAtPos(X, Y));
}

// ---- moves ----

void TDgCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
    TDgCustomGridControl::MouseMove(Shift, X, Y);
    if (Columns()->ColumnCount() == 0 || Rolling())
        return;
    if (m_resizingColumn) {
        ColumnResizeMove(X);
        return;
    }
    if (Options().testFlag(TGridOption::goRowResizing) && m_rowResizeRow != -1) {
        RowResizeMove(X, Y);
        return;
    }
    const TGridHitPart part = HitTest(X, Y);
    if (part != m_lastPart)
        LeavePart(m_lastPart);
    m_lastPart = part;
    switch (part) {
    case TGridHitPart::Header:
        HeaderMove(Shift, X, Y);
        break;
    case TGridHitPart::Footer:
        FooterMove(X);
        break;
    case TGridHitPart::Cells:
        CellMove(Shift, X, Y);
        break;
    case TGridHitPart::Indicator:
        IndicatorMove(X, Y);
        break;
    case TGridHitPart::Input:
    case TGridHitPart::None:
        FreeHintWindow();
        SetGridCursor(crDefault);
        break;
    }
}

void TDgCustomGrid::LeavePart(TGridHitPart Part) {
    switch (Part) {
    case TGridHitPart::Header:
        if (m_hintKind == hkHeader)
            FreeHintWindow();
        m_headerHintColumn = nullptr;
        m_borderColumn = nullptr;
        SetHoverColumn(nullptr);
        break;
    case TGridHitPart::Footer:
        if (m_hintKind == hkFooter)
            FreeHintWindow();
        m_footerHintColumn = nullptr;
        break;
    case TGridHitPart::Cells:
        if (m_hintKind == hkTextFit || m_hintKind == hkCell)
            FreeHintWindow();
        m_hoverCell = TGridCoord();
        break;
    default:
        break;
    }
}

void TDgCustomGrid::HeaderMove(TShiftState Shift, int X, int Y) {
    m_borderColumn = ColumnBorderAtPos(X);
    SetGridCursor(m_borderColumn ? crHorzSplit : crDefault);
    if (m_clickColumn && LeftHeld(Shift) &&
        !m_clickColumn->Options().testFlag(TColumnOption::coDisableMoving) &&
        !Options().testFlag(TGridOption::goDisableColumnMoving) &&
        IsDragDistance(m_mouseDownPoint, TPoint(X, Y), kDragDistance)) {
        BeginColumnDrag(X, Y);
        return;
    }
    TDgCustomColumn* hover = ColumnAtPos(X);
    if (hover && !hover->Header()->Hint().isEmpty()) {
        if (hover != m_headerHintColumn) {
            m_headerHintColumn = hover;
            m_hintKind = hkHeader;
            ShowHintAt(hover->ClientLeft(), HeaderSize() + 2, ClientWidth(), hover->Header()->Hint());
        }
    } else {
        FreeHintWindow();
        m_headerHintColumn = nullptr;
    }
    SetHoverColumn(hover);
}

void TDgCustomGrid::FooterMove(int X) {
    TDgCustomColumn* column = ColumnAtPos(X);
    if (column && !column->Footer()->Hint().isEmpty()) {
        if (column != m_footerHintColumn || m_hintKind != hkFooter) {
            m_footerHintColumn = column;
            m_hintKind = hkFooter;
            ShowHintAt(column->ClientLeft(), ClientHeight() + 2, ClientWidth(), column->Footer()->Hint());
        }
    } else {
        FreeHintWindow();
        m_footerHintColumn = nullptr;
    }
}

void TDgCustomGrid::IndicatorMove(int X, int Y) {
    if (Options().testFlag(TGridOption::goRowResizing) && RowBorderAtPos(X, Y) >= 0)
        SetGridCursor(crVertSplit);
    else if (Y >= GetCellsRect().Top && Y < GetCellsRect().Bottom && GetRowAtPos(X, Y) >= 0)
        SetGridCursor(crIndicatorSelect);
    else
        SetGridCursor(crDefault);
}

void TDgCustomGrid::CellMove(TShiftState Shift, int X, int Y) {
    const TGridCoord cell = CellAtPos(X, Y);
    const bool changed = cell != m_hoverCell;
    m_hoverCell = cell;
    const bool valid = IsValidCell(cell.X, cell.Y);
    if (valid && !ReadOnly()) {
        TRect rect;
        if (PlayTakes(cell.X, cell.Y, rect))
            ColumnAt(cell.X)->Play()->MouseMove(Shift, X - rect.Left, Y - rect.Top);
    }
    if (m_moveRowFrom >= 0 && Options().testFlag(TGridOption::goRowMoving) && LeftHeld(Shift) &&
        IsDragDistance(m_mouseDownPoint, TPoint(X, Y), kDragDistance))
        m_rowMoving = true;
    if (m_rowMoving)
        RowMoveStep(Y);
    if (!IsValidCell(cell.X, cell.Y)) {
        SetGridCursor(crDefault);
        FreeHintWindow();
        return;
    }
    TDgCustomColumn* column = ColumnAt(cell.X);
    if (changed) {
        SetGridCursor(column->Cursor());
        // A hint belongs to the cell it was shown for.
        if (m_hintKind == hkTextFit || m_hintKind == hkCell)
            FreeHintWindow();
    }
    if (column->Options().testFlag(TColumnOption::coShowTextFitHint)) {
        QString text;
        if (!CellTextFits(cell.X, cell.Y, text)) {
            if (m_hintKind != hkTextFit) {
                TRect rect;
                GetCellRect(cell.X, cell.Y, rect);
                m_hintKind = hkTextFit;
                ShowHintAt(rect.Left, rect.Top, ClientWidth(), text);
            }
            return;
        }
    }
    if (m_hintKind == hkTextFit)
        return;
    QString hint;
    GetCellHint(cell.X, cell.Y, hint);
    if (hint.isEmpty()) {
        FreeHintWindow();
        return;
    }
    if (m_hintKind != hkCell) {
        TRect rect;
        GetCellRect(cell.X, cell.Y, rect);
        const int width =
            GridStyle() == TGridStyle::gsSlides ? column->SlideBounds()->Width() : column->Width();
        m_hintKind = hkCell;
        ShowHintAt(rect.Left + width, rect.Top - 20, kCellHintWidth, hint);
    }
}

// ---- releases ----

void TDgCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TDgCustomGridControl::MouseUp(Button, Shift, X, Y);
    TDgCustomColumn* remembered = m_clickColumn;
    m_clickColumn = nullptr;
    m_mouseDownPoint = TPoint(-1, -1);
    if (m_rowMoving) {
        RowMoveDrop(Y);
        m_rowMoving = false;
    }
    m_moveRowFrom = -1;
    m_headerPressed = false;
    if (m_resizingColumn && m_columnResizing) {
        EndColumnResize(X);
        return;
    }
    if (m_rowResizeRow != -1)
        EndRowResize(X, Y);
    if (TDgCustomColumn* down = m_downColumn) {
        const int index = down->Index();
        if (OnHeaderClick)
            OnHeaderClick(this, index);
        // The handler may have freed columns; ColumnsChanged has forgotten those.
        SetDownColumn(nullptr);
    }
    if (remembered && Columns()->IndexOf(remembered) < 0)
        remembered = nullptr;
    if (Button != TMouseButton::mbLeft) {
        EndEditing();
        return;
    }
    switch (HitTest(X, Y)) {
    case TGridHitPart::Cells:
        CellRelease(Button, Shift, X, Y);
        break;
    case TGridHitPart::Footer:
        if (TDgCustomColumn* column = ColumnAtPos(X); column && OnFooterClick)
            OnFooterClick(this, column->Index());
        break;
    case TGridHitPart::Header:
        HeaderSortRelease(remembered, X);
        break;
    case TGridHitPart::Input:
        if (TDgCustomColumn* column = ColumnAtPos(X))
            EditInput(column, QString());
        break;
    default:
        break;
    }
}

void TDgCustomGrid::HeaderSortRelease(TDgCustomColumn* Remembered, int X) {
    TDgCustomColumn* column = ColumnAtPos(X);
    if (!column || column != Remembered || !column->Options().testFlag(TColumnOption::coCanSort))
        return;
    if (column->Sorted())
        column->SetSortKind(column->SortKind() == TSortKind::skAscending ? TSortKind::skDescending
                                                                         : TSortKind::skAscending);
    else
        column->SetSorted(true);
}

void TDgCustomGrid::CellRelease(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // A press in the header or input line released over a cell is no cell click.
    if (m_pressPart != TGridHitPart::Cells)
        return;
    const TGridCoord cell = CellAtPos(X, Y);
    const TGridCoord pressed = m_mouseDownCell;
    if (cell == pressed && IsValidCell(cell.X, cell.Y) && OnCellClick)
        OnCellClick(this, cell.X, cell.Y);
    if (!Columns()->IsValidColumnIndex(cell.X))
        return;
    if (RangeSelecting()) {
        if (cell.Y == -1)
            ClearSelection();
        return;
    }
    // The click handler may have deleted rows: the cell is checked again.
    if (cell != pressed || !IsValidCell(cell.X, cell.Y))
        return;
    TDgCustomColumn* column = ColumnAt(cell.X);
    TRect rect;
    if (column->PlayTakesInput(ReadOnly()) && PlayTakes(cell.X, cell.Y, rect))
        column->Play()->MouseUp(Button, Shift, X - rect.Left, Y - rect.Top);
    if (!IsValidCell(cell.X, cell.Y) || ColumnAt(cell.X) != column)
        return;
    TRect editArea;
    GetCellRect(cell.X, cell.Y, editArea);
    column->AdjustLevelRect(RowLevel(cell.Y), editArea);
    if (editArea.Contains(TPoint(X, Y)) &&
        (!Options().testFlag(TGridOption::goSecondClickEdit) || m_secondClick))
        EditCell(cell.X, cell.Y, QString());
}

} // namespace grid
