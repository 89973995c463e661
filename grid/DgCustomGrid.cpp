// The interaction layer of the grid: construction, positions under the mouse, the cell plays, hints and
// the reactions to focus, activation, scrolling and size changes. Mouse and keys are in DgGridMouse.cpp
// and DgGridKeys.cpp.
#include "grid/DgCustomGrid.h"

#include "grid/DgColumnElements.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgEdit.h"
#include "grid/DgStyleDisplays.h"

#include <QApplication>
#include <QResizeEvent>
#include <QTimer>
#include <algorithm>

using namespace platform;

namespace grid {

TDgCustomGrid::TDgCustomGrid(QWidget* parent) : TDgCustomGridControl(parent) {
    SetColor(clWindow);
    m_searchTimer = new QTimer(this);
    m_searchTimer->setInterval(500);
    connect(m_searchTimer, &QTimer::timeout, this, &TDgCustomGrid::SearchTimerTick);
    LoadCursorResource(crHorzSplit, QStringLiteral("HORZSPLIT"));
    LoadCursorResource(crColumnNoDrag, QStringLiteral("COLUMNNODRAG"));
    LoadCursorResource(crVertSplit, QStringLiteral("VERTSPLIT"));
    LoadCursorResource(crIndicatorSelect, QStringLiteral("INDICATORSELECT"));
    // Horizontal scrolling counts pixels and steps by 10; vertical scrolling counts rows, one at a time.
    HorzScrollBar()->SetSmallChange(10);
    VertScrollBar()->SetSmallChange(1);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_lastClientWidth = ClientWidth();
    m_lastClientHeight = ClientHeight();
    connect(qApp, &QApplication::focusChanged, this, &TDgCustomGrid::FocusChanged);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState State) {
        if (State != Qt::ApplicationActive)
            ApplicationDeactivated();
    });
}

TDgCustomGrid::~TDgCustomGrid() {
    disconnect(qApp, nullptr, this, nullptr);
    delete m_hintWindow.data();
}

// ---- positions under the mouse ----

int TDgCustomGrid::LastWalkedRow() {
    // No shown row follows the last shown one: a walk from TopRow stops there.
    return std::min(RowCount() - 1, GetLastVisibleRow());
}

TGridHitPart TDgCustomGrid::HitTest(int X, int Y) {
    const TPoint p(X, Y);
    const TGridOptions options = Options();
    if (GridStyle() == TGridStyle::gsSlides) {
        if (options.testFlag(TGridOption::goHeader) && GetHeaderRect().Contains(p))
            return TGridHitPart::Header;
        return GetCellsRect().Contains(p) ? TGridHitPart::Cells : TGridHitPart::None;
    }
    if (options.testFlag(TGridOption::goHeader) && GetHeaderRect().Contains(p))
        return TGridHitPart::Header;
    if (options.testFlag(TGridOption::goInput) && GetInputRect().Contains(p))
        return TGridHitPart::Input;
    if (GetCellsRect().Contains(p))
        return TGridHitPart::Cells;
    if (options.testFlag(TGridOption::goFooter) && GetFooterRect().Contains(p))
        return TGridHitPart::Footer;
    if (options.testFlag(TGridOption::goIndicator) && GetIndicatorRect().Contains(p))
        return TGridHitPart::Indicator;
    return TGridHitPart::None;
}

TDgCustomColumn* TDgCustomGrid::ColumnAtPos(int X) const {
    const TDgColumns* columns = Columns();
    const int scroll = HorzScrollPosition();
    for (int pos = 0; pos < columns->ColumnCount(); ++pos) {
        TDgCustomColumn* column = columns->PositionItem(pos);
        if (!column->Visible())
            continue;
        const int shift = pos < columns->FixedCols() ? 0 : scroll;
        if (X >= column->Left() - shift && X < column->Left() + column->Width() - shift)
            return column;
    }
    return nullptr;
}

TGridCoord TDgCustomGrid::CellAtPos(int X, int Y) {
    TGridCoord cell;
    if (GridStyle() == TGridStyle::gsReport) {
        if (const TDgCustomColumn* column = ColumnAtPos(X))
            cell.X = column->Index();
        cell.Y = GetRowAtPos(X, Y);
        return cell;
    }
    const TRect cells = GetCellsRect();
    if (!cells.Contains(TPoint(X, Y)))
        return cell;
    for (int row = TopRow(), end = LastWalkedRow(); row <= end; ++row) {
        if (!RowVisible(row))
            continue;
        const TRect slide = GetSlideRect(row);
        if (slide.Top >= cells.Bottom)
            break;
        if (Y < slide.Top || Y >= slide.Bottom)
            continue;
        cell.Y = row;
        for (int col = 0; col < Columns()->ColumnCount(); ++col) {
            if (!Columns()->ColumnItem(col)->Visible())
                continue;
            TRect rect;
            GetCellRect(col, row, rect);
            if (rect.Contains(TPoint(X, Y))) {
                cell.X = col;
                break;
            }
        }
        break;
    }
    return cell;
}

TDgCustomColumn* TDgCustomGrid::ColumnBorderAtPos(int X) const {
    const TDgColumns* columns = Columns();
    const int scroll = HorzScrollPosition();
    const int fixedEdge = CellsBandLeft() + columns->FixedColumnsWidth();
    for (int pos = 0; pos < columns->ColumnCount(); ++pos) {
        TDgCustomColumn* column = columns->PositionItem(pos);
        if (!column->Visible() || column->Options().testFlag(TColumnOption::coFixedSize))
            continue;
        const bool fixed = pos < columns->FixedCols();
        const int right = column->Left() + column->Width() - (fixed ? 0 : scroll);
        if (!fixed && right <= fixedEdge)
            continue;
        if (X >= right - 3 && X <= right + 2)
            return column;
    }
    return nullptr;
}

int TDgCustomGrid::RowBorderAtPos(int X, int Y) {
    const TRect cells = GetCellsRect();
    if (X > IndicatorWidth || Y < cells.Top)
        return -1;
    // The running bottom steps by the row gap, as the row geometry does.
    int bottom = cells.Top;
    for (int row = TopRow(), end = LastWalkedRow(); row <= end; ++row) {
        if (!RowVisible(row))
            continue;
        bottom += RowHeight(row) + LineSizes()[4];
        if (Y >= bottom - 2 && Y <= bottom)
            return row;
        if (bottom - 2 > Y || bottom > cells.Bottom)
            break;
    }
    return -1;
}

int TDgCustomGrid::GetRowAtPos(int, int Y) {
    const TRect cells = GetCellsRect();
    if (Y < cells.Top)
        return TopRow();
    const int light = LineSizes()[1];
    const int line = LineSizes()[3];
    int top = cells.Top;
    for (int row = TopRow(), end = LastWalkedRow(); row <= end; ++row) {
        if (!RowVisible(row))
            continue;
        const int bottom = top + RowHeight(row) + light;
        if (bottom >= Y)
            return row;
        top = bottom + line;
    }
    return -1;
}

// ---- the cell plays ----

bool TDgCustomGrid::PrepareCellDisplay(int ACol, int ARow, const TRect& Rect) {
    TDgCustomColumn* column = ColumnAt(ACol);
    TColumnPlay* play = column ? column->Play() : nullptr;
    if (!play)
        return false;
    play->SetCol(ACol);
    play->SetRow(ARow);
    play->ClientRect = Rect;
    play->Canvas = &Canvas;
    play->Widget = viewport();
    GetCellInfo(play);
    play->OnChange = [this](TColumnPlay* Sender) { CellPlayClick(Sender); };
    play->OnToggleExpanded = [this](TColumnPlay* Sender) { ToggleExpanded(Sender); };
    return true;
}

void TDgCustomGrid::CellPlayClick(TColumnPlay*) {}

void TDgCustomGrid::ToggleExpanded(TColumnPlay*) {}

bool TDgCustomGrid::PlayTakes(int ACol, int ARow, TRect& Rect) {
    TDgCustomColumn* column = ColumnAt(ACol);
    if (!column || !IsValidCell(ACol, ARow))
        return false;
    // The play gets the cell's interior, the rectangle its display paints in.
    GetCellRect(ACol, ARow, Rect);
    column->AdjustLevelRect(RowLevel(ARow), Rect);
    Rect.Left += LineSizes()[0];
    Rect.Right -= LineSizes()[2];
    return PrepareCellDisplay(ACol, ARow, Rect);
}

// ---- hints ----

void TDgCustomGrid::CreateHintWindow() {
    if (!m_hintWindow)
        m_hintWindow = new THintWindow(this);
    m_hintWindow->Color = HintColor();
}

bool TDgCustomGrid::CanShowHints() const {
    return ShowHints() && window()->isActiveWindow();
}

void TDgCustomGrid::ShowHintAt(int X, int Y, int MaxWidth, const QString& Text) {
    if (!CanShowHints())
        return;
    CreateHintWindow();
    const TRect size = m_hintWindow->CalcHintRect(MaxWidth, Text);
    const QPoint at = viewport()->mapToGlobal(QPoint(X, Y));
    m_hintWindow->ActivateHint(OffsetRect(size, at.x(), at.y()), Text);
}

void TDgCustomGrid::FreeHintWindow() {
    delete m_hintWindow.data();
    m_hintKind = hkNone;
}

bool TDgCustomGrid::CellTextFits(int ACol, int ARow, QString& Text) {
    TDgCustomColumn* column = ColumnAt(ACol);
    if (!column || !IsValidCell(ACol, ARow))
        return true;
    Text = GetCellDisplayText(ACol, ARow);
    if (OnApplyCell)
        OnApplyCell(this, ACol, ARow, Text);
    // Measured as painted: the cell's font, bold for a highlighted cell with aoBoldTextSelection.
    TCellState state;
    if (IsCellHighlighted(ACol, ARow)) {
        state |= TCellStateItem::csSelected;
        if (AppearanceOptions().testFlag(TAppearanceOption::aoBoldTextSelection))
            state |= TCellStateItem::csBoldTextSelection;
    }
    PrepareCellCanvas(ACol, ARow, state);
    const int width = GridStyle() == TGridStyle::gsSlides ? column->SlideBounds()->Width() : column->Width();
    return Canvas.TextWidth(Text) + 5 <= width;
}

// ---- the collection ----

void TDgCustomGrid::ColumnsChanged(ColumnsChange Kind, int Constant, int Index, int Param) {
    TDgCustomGridControl::ColumnsChanged(Kind, Constant, Index, Param);
    if (Kind != ColumnsChange::Deleted)
        return;
    // While the grid is torn down the collection may already be gone: then no column is left to keep.
    const auto forget = [this](TDgCustomColumn*& Column) {
        if (Column && (!Columns() || Columns()->IndexOf(Column) < 0))
            Column = nullptr;
    };
    TDgCustomColumn* headerHint = m_headerHintColumn;
    TDgCustomColumn* footerHint = m_footerHintColumn;
    forget(m_headerHintColumn);
    forget(m_footerHintColumn);
    forget(m_clickColumn);
    forget(m_borderColumn);
    forget(m_resizingColumn);
    if ((headerHint && !m_headerHintColumn) || (footerHint && !m_footerHintColumn))
        FreeHintWindow();
    if (!m_resizingColumn)
        m_columnResizing = false;
    if (!DownColumn())
        m_headerPressed = false;
}

// ---- messages ----

void TDgCustomGrid::resizeEvent(QResizeEvent* event) {
    TDgCustomGridControl::resizeEvent(event);
    if (ClientWidth() == m_lastClientWidth && ClientHeight() == m_lastClientHeight)
        return;
    m_lastClientWidth = ClientWidth();
    m_lastClientHeight = ClientHeight();
    EndEditing();
}

void TDgCustomGrid::WMHScroll(int ScrollCode) {
    EndEditing();
    TDgCustomGridControl::WMHScroll(ScrollCode);
}

void TDgCustomGrid::WMVScroll(int ScrollCode) {
    EndEditing();
    TDgCustomGridControl::WMVScroll(ScrollCode);
    UpdateVertScrollBar();
}

void TDgCustomGrid::focusInEvent(QFocusEvent* event) {
    TDgCustomGridControl::focusInEvent(event);
    if (RowCount() > 0) {
        RefreshSelection();
        if (GridStyle() == TGridStyle::gsSlides)
            RefreshSelectedSlides();
    } else if (Options().testFlag(TGridOption::goInput)) {
        SetInputSelected(true);
    }
}

bool TDgCustomGrid::OwnsWidget(const QWidget* Widget) const {
    return Widget && (Widget == this || isAncestorOf(Widget));
}

void TDgCustomGrid::FocusChanged(QWidget* Old, QWidget* Now) {
    if (!OwnsWidget(Old) || OwnsWidget(Now))
        return;
    // The window losing its activation, or a pop-up menu opening, is no exit from the grid.
    const bool realChange = Now && Now->window()->windowType() != Qt::Popup;
    // A message box opened while the edit is being applied is no exit either: the apply finishes
    // once it is closed.
    if (ApplyingEdit())
        return;
    if (realChange && (CellEditing() || InputEditing())) {
        ApplyEdit();
        EndEditing();
    }
    m_columnResizing = false;
    m_headerPressed = false;
    m_columnDragging = false;
    m_rowMoving = false;
    RefreshSelection();
    SetHoverColumn(nullptr);
    m_moveRowFrom = -1;
    m_rowResizeRow = -1;
    m_resizingColumn = nullptr;
    m_clickColumn = nullptr;
    SetDownColumn(nullptr);
}

void TDgCustomGrid::ApplicationDeactivated() {
    m_clickColumn = nullptr;
    m_mouseDownPoint = TPoint(-1, -1);
    m_mouseDownCell = TGridCoord();
    SetDownColumn(nullptr);
    HideDragMarks();
    SetGridCursor(crDefault);
    RefreshSelection();
}

void TDgCustomGrid::leaveEvent(QEvent* event) {
    TDgCustomGridControl::leaveEvent(event);
    MouseLeft();
}

void TDgCustomGrid::MouseLeft() {
    FreeHintWindow();
    m_headerHintColumn = nullptr;
    m_footerHintColumn = nullptr;
    m_lastPart = TGridHitPart::None;
    SetHoverColumn(nullptr);
}

bool TDgCustomGrid::focusNextPrevChild(bool next) {
    // The grid keeps Tab for its own cell steps while it has a cell to step to.
    if (hasFocus() && WantTabs() && Columns()->VisibleCount() > 0 && (RowCount() > 0 || InputSelected()))
        return false;
    return TDgCustomGridControl::focusNextPrevChild(next);
}

void TDgCustomGrid::SetGridCursor(TCursor Cursor) {
    SetWidgetCursor(viewport(), Cursor);
}

void TDgCustomGrid::SetHoverColumn(TDgCustomColumn* Column) {
    if (m_hoverColumn == Column)
        return;
    TDgCustomColumn* old = m_hoverColumn;
    m_hoverColumn = Column;
    if (StyleDisplay() && (StyleDisplay()->GetStyleFlags() & styleflag::HoverRepaint)) {
        if (Column)
            RefreshColumnPart(Column, ColumnBand::Header);
        if (old)
            RefreshColumnPart(old, ColumnBand::Header);
    }
}

void TDgCustomGrid::SetDownColumn(TDgCustomColumn* Column) {
    if (m_downColumn == Column)
        return;
    TDgCustomColumn* old = m_downColumn;
    m_downColumn = Column;
    if (Column)
        RefreshColumnPart(Column, ColumnBand::Header);
    if (old)
        RefreshColumnPart(old, ColumnBand::Header);
}

// ---- the dragging and resizing modes' hooks ----

void TDgCustomGrid::BeginColumnResize(int) {
    m_columnResizing = true;
    m_resizeDelta = 0;
}

void TDgCustomGrid::ColumnResizeMove(int) {}

void TDgCustomGrid::EndColumnResize(int) {
    m_resizingColumn = nullptr;
    m_borderColumn = nullptr;
    m_columnResizing = false;
}

void TDgCustomGrid::BeginRowResize(int Row, int X, int Y) {
    m_rowResizeRow = Row;
    m_rowResizeLine = TPoint(X, Y);
}

void TDgCustomGrid::RowResizeMove(int, int) {}

void TDgCustomGrid::EndRowResize(int, int) {
    m_rowResizeRow = -1;
}

void TDgCustomGrid::BeginColumnDrag(int, int) {}

void TDgCustomGrid::RowMoveStep(int) {}

void TDgCustomGrid::RowMoveDrop(int) {}

void TDgCustomGrid::HideDragMarks() {}

void TDgCustomGrid::EndDrag(QWidget* Target, int X, int Y) {
    TDgCustomGridControl::EndDrag(Target, X, Y);
    if (!m_selectOnDragCancel)
        return;
    m_selectOnDragCancel = false;
    // The press on a selected row kept the multi-row selection for the drag; without a drop the press
    // selects as a plain click would.
    if (!Target)
        SelectCell(SelectedColumn(), SelectedRow(), {}, true);
}

} // namespace grid
