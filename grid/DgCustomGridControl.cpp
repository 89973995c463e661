#include "grid/DgCustomGridControl.h"

#include "grid/DgColumnElements.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgSharedCommon.h"
#include "grid/DgStyleDisplays.h"

#include <QFocusEvent>
#include <QStringBuilder>
#include <QWidget>

namespace grid {

using namespace platform;

namespace {

TDgColumns* makeColumns(ColumnsGrid* grid) {
    return new TDgColumns(grid);
}

} // namespace

// ---------------------------------------------------------------------------------------------------------
// Life cycle

TDgCustomGridControl::TDgCustomGridControl(QWidget* parent) : TDgScrollControl(parent) {
    // The constructor cannot reach a derived GetColumnsClass; the engine's own answer makes the collection.
    m_columns.reset(TDgCustomGridControl::GetColumnsClass()(this));
    m_displays[static_cast<int>(THeaderStyle::hsAuto)] = std::make_unique<TDefaultStyleDisplay>(this);
    m_displays[static_cast<int>(THeaderStyle::hsFlatBorders)] = std::make_unique<TFlatStyleDisplay>(this);
    m_displays[static_cast<int>(THeaderStyle::hsOldStyle)] = std::make_unique<TOldStyleDisplay>(this);
    m_displays[static_cast<int>(THeaderStyle::hsOutlook)] = std::make_unique<TOutlookStyleDisplay>(this);
    m_displays[static_cast<int>(THeaderStyle::hsVista)] = std::make_unique<TVistaStyleDisplay>(this);
    m_styleDisplay = m_displays[0].get();
    m_styleDisplay->Canvas = &Canvas;
    VertScrollBar()->SetAutoHide(m_hideScrollBar);
    SetBorderStyle(m_borderStyle);
    setFocusPolicy(Qt::StrongFocus);
    resize(250, 150);
    UpdateLineSizes();
}

TDgCustomGridControl::~TDgCustomGridControl() {
    DestroyColumns();
}

void TDgCustomGridControl::DestroyColumns() {
    if (m_destroying)
        return;
    // From here on no notification re-lays the grid out or reaches the storage of a class that is gone.
    m_destroying = true;
    m_cellEditing = false;
    m_inputEditing = false;
    m_inplaceEdit = nullptr;
    m_lastSortedColumn = nullptr;
    m_downColumn = nullptr;
    m_hoverColumn = nullptr;
    m_columns.reset();
}

TStyleDisplay* TDgCustomGridControl::StyleDisplayOf(THeaderStyle Style) const {
    return m_displays[static_cast<size_t>(Style)].get();
}

QWidget* TDgCustomGridControl::GridWidget() const {
    return viewport();
}

bool TDgCustomGridControl::Focused() const {
    if (hasFocus() || viewport()->hasFocus())
        return true;
    return m_inplaceEdit && m_inplaceEdit->hasFocus();
}

void TDgCustomGridControl::focusInEvent(QFocusEvent* event) {
    TDgScrollControl::focusInEvent(event);
    RefreshArea(TGridArea::Indicator);
}

void TDgCustomGridControl::changeEvent(QEvent* event) {
    TDgScrollControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        Invalidate();
}

// ---------------------------------------------------------------------------------------------------------
// Properties

void TDgCustomGridControl::UpdateLineSizes() {
    const bool grid = m_options.testFlag(TGridOption::goGrid);
    const bool lines3D = m_appearanceOptions.testFlag(TAppearanceOption::ao3DGridLines);
    const bool noVertical = m_gridLinesStyle == TGridLinesStyle::lsHorizontalOnly ||
                            m_gridLinesStyle == TGridLinesStyle::lsActiveHorzOnly;
    const bool noHorizontal = m_gridLinesStyle == TGridLinesStyle::lsVerticalOnly;
    m_lineSizes[0] = grid && lines3D && !noVertical ? 1 : 0;
    m_lineSizes[1] = grid && lines3D && !noHorizontal ? 1 : 0;
    m_lineSizes[2] = grid && !noVertical ? 1 : 0;
    m_lineSizes[3] = grid && !noHorizontal ? 1 : 0;
    m_lineSizes[4] = m_lineSizes[1] + m_lineSizes[3];
}

void TDgCustomGridControl::Invalidate() {
    viewport()->update();
}

void TDgCustomGridControl::SetAppearanceOptions(TAppearanceOptions Value) {
    m_appearanceOptions = Value;
    UpdateLineSizes();
    Invalidate();
    PaintThemedBorder();
}

void TDgCustomGridControl::SetBorderStyle(TBorderStyle Value) {
    m_borderStyle = Value;
    // The window's border: a sunken frame or none.
    if (Value == TBorderStyle::bsSingle)
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    else
        setFrameStyle(QFrame::NoFrame);
}

void TDgCustomGridControl::SetCaption(const QString& Value) {
    m_caption = Value;
    const TRect cells = GetCellsRect();
    RefreshRect(TRect(cells.Left, cells.Top, ClientWidth(), cells.Bottom));
}

void TDgCustomGridControl::SetColor(TColor Value) {
    m_color = Value;
    Invalidate();
}

void TDgCustomGridControl::SetFont(const TFont& Value) {
    m_font = Value;
    if (m_columns) {
        for (int i = 0; i < m_columns->ColumnCount(); ++i) {
            TDgCustomColumn* column = m_columns->ColumnItem(i);
            if (column->ParentFont())
                column->SetParentFont(true);
        }
    }
    Invalidate();
}

void TDgCustomGridControl::SetEnableVisualStyles(bool Value) {
    m_enableVisualStyles = Value;
    Invalidate();
    PaintThemedBorder();
}

int TDgCustomGridControl::FixedCols() const {
    return m_columns ? m_columns->FixedCols() : 0;
}

void TDgCustomGridControl::SetFixedCols(int Value) {
    m_columns->SetFixedCols(Value);
    Invalidate();
}

void TDgCustomGridControl::SetFooterSize(int Value) {
    m_footerSize = Value;
    Invalidate();
}

void TDgCustomGridControl::SetGridLinesColor(TColor Value) {
    m_gridLinesColor = Value;
    Invalidate();
}

void TDgCustomGridControl::SetGridLinesStyle(TGridLinesStyle Value) {
    m_gridLinesStyle = Value;
    UpdateLineSizes();
    Invalidate();
}

void TDgCustomGridControl::SetGridStyle(TGridStyle Value) {
    if (Value == m_gridStyle)
        return;
    m_gridStyle = Value;
    GridStyleChanged();
    if (Value == TGridStyle::gsSlides) {
        EndEditing();
        m_inputSelected = false;
    }
    // The indicator column takes space in report style only.
    m_columns->UpdatePositions(false);
    Invalidate();
    PlaceInplaceEdit();
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
}

void TDgCustomGridControl::SetHeaderSize(int Value) {
    m_headerSize = Value;
    Invalidate();
    PlaceInplaceEdit();
}

void TDgCustomGridControl::SetHeaderStyle(THeaderStyle Value) {
    if (Value == m_headerStyle)
        return;
    m_headerStyle = Value;
    SelectStyleDisplay();
}

void TDgCustomGridControl::SetHideScrollBar(bool Value) {
    m_hideScrollBar = Value;
    VertScrollBar()->SetAutoHide(Value);
}

void TDgCustomGridControl::SetHighlightedTextColor(TColor Value) {
    m_highlightedTextColor = Value;
    RefreshSelection();
}

void TDgCustomGridControl::SetInactiveSelectionColor(TColor Value) {
    m_inactiveSelectionColor = Value;
    Invalidate();
}

void TDgCustomGridControl::SetInputSize(int Value) {
    m_inputSize = Value;
    Invalidate();
}

void TDgCustomGridControl::SetOptions(TGridOptions Value) {
    m_options = Value;
    UpdateLineSizes();
    // goIndicator moves every column.
    m_columns->UpdatePositions(false);
    Invalidate();
    PlaceInplaceEdit();
    UpdateHorzScrollBar();
}

void TDgCustomGridControl::SetSlidesOptions(TSlidesOptions Value) {
    m_slidesOptions = Value;
    Invalidate();
}

void TDgCustomGridControl::SetSlideSelectionColor(TColor Value) {
    m_slideSelectionColor = Value;
    Invalidate();
}

void TDgCustomGridControl::SetSlideSize(int Value) {
    m_slideSize = Value;
    UpdateVertScrollBar();
    Invalidate();
}

void TDgCustomGridControl::SetSortedStyle(TSortedStyle Value) {
    m_sortedStyle = Value;
    Invalidate();
}

void TDgCustomGridControl::SetRowSize(int Value) {
    if (Value < 1)
        return;
    m_rowSize = Value;
    RefreshArea(TGridArea::Cells);
    RefreshArea(TGridArea::Input);
    RefreshArea(TGridArea::Indicator);
    PlaceInplaceEdit();
}

void TDgCustomGridControl::SelectStyleDisplay() {
    m_styleDisplay = StyleDisplayOf(m_headerStyle);
    m_styleDisplay->Canvas = &Canvas;
    Invalidate();
    PaintThemedBorder();
}

void TDgCustomGridControl::PaintThemedBorder() {
    // The frame is painted by the window's style; it only has to be asked to paint again.
    if (m_enableVisualStyles && IsThemed() && m_borderStyle == TBorderStyle::bsSingle)
        update();
}

// ---------------------------------------------------------------------------------------------------------
// Update bracket

void TDgCustomGridControl::BeginUpdate() {
    ++m_updateCount;
}

void TDgCustomGridControl::EndUpdate() {
    if (m_updateCount > 0)
        --m_updateCount;
    if (m_updateCount > 0)
        return;
    RefreshArea(TGridArea::Cells);
    RefreshArea(TGridArea::Header);
    RefreshArea(TGridArea::Indicator);
    // Width changes inside the bracket neither scrolled nor repainted the footer and input bands.
    RefreshArea(TGridArea::Footer);
    RefreshArea(TGridArea::Input);
    UpdateVertScrollBar();
}

// ---------------------------------------------------------------------------------------------------------
// Column notifications

void TDgCustomGridControl::ColumnsChanged(ColumnsChange Kind, int, int, int) {
    // A departing column must not stay behind as the sorted, pressed or hovered one.
    const auto gone = [this](const TDgCustomColumn* column) {
        return column && (!m_columns || m_columns->IndexOf(column) < 0);
    };
    if (gone(m_lastSortedColumn))
        m_lastSortedColumn = nullptr;
    if (gone(m_downColumn))
        m_downColumn = nullptr;
    if (gone(m_hoverColumn))
        m_hoverColumn = nullptr;
    if (!WindowExists())
        return;
    if (Kind == ColumnsChange::Deleted)
        EndEditing();
    UpdateHorzScrollBar();
}

void TDgCustomGridControl::ColumnsRelayout(ColumnsChange, int, int, int) {
    if (!WindowExists())
        return;
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
    Invalidate();
}

void TDgCustomGridControl::ColumnChanged(TDgCustomColumn* Column, ColumnChange Code, int Param) {
    if (!WindowExists() || !Column)
        return;
    if ((m_cellEditing || m_inputEditing) &&
        (Code == ColumnChange::Position || Code == ColumnChange::SortedOn ||
         Code == ColumnChange::Visibility || Code == ColumnChange::Width))
        PlaceInplaceEdit();
    const int index = Column->Index();
    switch (Code) {
    case ColumnChange::InputValue:
        RefreshColumnPart(Column, ColumnBand::Input);
        break;
    case ColumnChange::Position:
        if (OnColumnMove)
            OnColumnMove(this, index, Param, Column->Position());
        Invalidate();
        break;
    case ColumnChange::SlideBounds:
        Invalidate();
        if (OnSlideChange)
            OnSlideChange(this, index);
        break;
    case ColumnChange::SortOrder:
        if (!Column->Sorted())
            break;
        [[fallthrough]];
    case ColumnChange::SortedOn:
        RefreshColumnPart(Column, ColumnBand::Header);
        SortColumn(Column);
        break;
    case ColumnChange::Appearance:
        RefreshColumnPart(Column, ColumnBand::Whole);
        break;
    case ColumnChange::Visibility:
        UpdateHorzScrollBar();
        Invalidate();
        break;
    case ColumnChange::SortedOff:
        RefreshColumnPart(Column, ColumnBand::Header);
        if (m_appearanceOptions.testFlag(TAppearanceOption::aoIndicateSortedColumn))
            RefreshColumnPart(Column, ColumnBand::Cells);
        if (m_lastSortedColumn == Column)
            m_lastSortedColumn = nullptr;
        break;
    case ColumnChange::Width:
        if (m_updateCount == 0)
            ScrollColumnResize(Column, Param);
        if (OnColumnResize)
            OnColumnResize(this, index);
        UpdateHorzScrollBar();
        break;
    }
}

void TDgCustomGridControl::ColumnPartChanged(TDgCustomColumn* Column, ColumnBand Part) {
    if (!WindowExists())
        return;
    if (Part != ColumnBand::Footer)
        PlaceInplaceEdit();
    RefreshColumnPart(Column, Part);
}

// ---------------------------------------------------------------------------------------------------------
// Base behaviour of the storage operations

void TDgCustomGridControl::RowsScrolled(int) {}

void TDgCustomGridControl::SetEditingCellText(const QString& Value) {
    SetCellText(m_editingColumn, m_editingRow, Value);
}

bool TDgCustomGridControl::CanEdit() {
    return true;
}

bool TDgCustomGridControl::CanSelectCell(int ACol, int ARow) {
    bool accept = true;
    if (OnBeforeSelect)
        OnBeforeSelect(this, ACol, ARow, accept);
    return accept;
}

TColor TDgCustomGridControl::GetCellColor(int ACol, int) {
    return m_columns->ColumnItem(ACol)->Color();
}

void TDgCustomGridControl::GetCellHint(int ACol, int ARow, QString& Value) {
    if (OnCellHint)
        OnCellHint(this, ACol, ARow, Value);
}

TColumnsClass TDgCustomGridControl::GetColumnsClass() const {
    return &makeColumns;
}

int TDgCustomGridControl::RowHeight(int) {
    return m_rowSize;
}

int TDgCustomGridControl::RowLevel(int) {
    return 0;
}

bool TDgCustomGridControl::RowVisible(int) {
    return true;
}

int TDgCustomGridControl::SelectedCount() {
    int count = 0;
    for (int i = 0, n = RowCount(); i < n; ++i)
        if (Selected(i))
            ++count;
    return count;
}

QString TDgCustomGridControl::GetGridText() {
    static const QString lineBreak = QStringLiteral("\r\n");
    QString text;
    const int columns = m_columns->ColumnCount();
    for (int row = 0, rows = RowCount(); row < rows; ++row)
        for (int col = 0; col < columns; ++col)
            text += GetCellText(col, row) % lineBreak;
    return text;
}

bool TDgCustomGridControl::WholeRowsOnly() {
    return false;
}

void TDgCustomGridControl::FormatCell(int, int, TCellState) {}

bool TDgCustomGridControl::IsEmptyCell(int, int) {
    return false;
}

void TDgCustomGridControl::GridStyleChanged() {}

void TDgCustomGridControl::EditorTextSet() {}

void TDgCustomGridControl::EmptyHook() {}

void TDgCustomGridControl::GetRowInfo(int, int, TVirtualColElement&) {}

void TDgCustomGridControl::SetRowHeight(int Index, int Value) {
    if (OnChangeRowHeight)
        OnChangeRowHeight(this, Index, Value);
}

void TDgCustomGridControl::SetRowVisible(int Index, bool Value) {
    if (Value) {
        m_firstShownRow = std::min(m_firstShownRow, Index);
        m_lastShownRow = std::max(m_lastShownRow, Index);
        return;
    }
    const int rows = RowCount();
    if (Index == m_firstShownRow) {
        int row = Index;
        while (row < rows && !RowVisible(row))
            ++row;
        m_firstShownRow = row < rows ? row : Index;
    }
    int row = std::min(m_lastShownRow, rows - 1);
    while (row > 0 && !RowVisible(row))
        --row;
    m_lastShownRow = std::max(row, 0);
}

void TDgCustomGridControl::SortColumn(TDgCustomColumn* Column) {
    if (!Column || !Column->Options().testFlag(TColumnOption::coCanSort))
        return;
    EndEditing();
    m_lastSortedColumn = Column;
    if (OnSortColumn)
        OnSortColumn(this, Column->Index(), Column->SortKind() == TSortKind::skAscending);
}

void TDgCustomGridControl::ClearRows() {
    m_topRow = 0;
    m_selectedColumn = 0;
    m_selectedRow = -1;
    m_selectionAnchor = -1;
    m_rangeSelecting = false;
    EndEditing();
}

void TDgCustomGridControl::ClearSelection() {
    for (int i = 0, n = RowCount(); i < n; ++i)
        if (Selected(i))
            SetSelected(i, false);
}

void TDgCustomGridControl::DeleteRow(int Index) {
    EndEditing();
    // The anchor of a Shift selection follows its row; deleting the anchor row leaves none.
    if (Index == m_selectionAnchor)
        m_selectionAnchor = -1;
    else if (Index < m_selectionAnchor)
        --m_selectionAnchor;
}

void TDgCustomGridControl::InsertRow(int Index) {
    EndEditing();
    m_firstShownRow = std::min(m_firstShownRow, Index);
    if (VertScrollBar()->Position() == 0)
        m_topRow = m_firstShownRow;
}

void TDgCustomGridControl::MoveRow(int, int) {
    Invalidate();
    EndEditing();
}

void TDgCustomGridControl::RefreshAll() {
    Invalidate();
}

// ---------------------------------------------------------------------------------------------------------
// Selection and editing the engine needs

void TDgCustomGridControl::AssignSelectedCell(int ACol, int ARow) {
    m_selectedColumn = ACol;
    m_selectedRow = ARow;
}

} // namespace grid
