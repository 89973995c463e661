// TDataGrid: the storage answers, cell access, formatting, sorting, the check-box click and the footers.
#include "grid/DgGrid.h"

#include "grid/DgColumnDragBox.h"
#include "grid/DgColumnElements.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "platform/Conversions.h"
#include "platform/Exceptions.h"

#include <QApplication>
#include <QSet>
#include <algorithm>
#include <limits>

namespace grid {

using namespace platform;

TDataGrid::TDataGrid(QWidget* parent) : TDgCustomGrid(parent) {
    m_cells = std::make_unique<TCells>(this, Columns());
    m_cells->SetDefaultRowHeight(RowSize());
    m_cells->OnCellChange = [this](TCells*, int ACol, int ARow) { CellChanged(ACol, ARow); };
    m_cells->OnCellCompare = [this](TCells*, TCell* Cell1, TCell* Cell2, int& Compare) {
        CellCompare(Cell1, Cell2, Compare);
    };
    // No row is shown yet.
    m_firstShownRow = -1;
    m_lastShownRow = -1;
    // Runs after the interaction layer's own focus handling, which ends the modes' state.
    connect(qApp, &QApplication::focusChanged, this, [this] { FocusMoved(); });
}

TDataGrid::~TDataGrid() {
    disconnect(qApp, nullptr, this, nullptr);
    delete m_dragBox.data();
    delete m_topArrow.data();
    delete m_bottomArrow.data();
    // No mode of the mouse outlives the grid; the departing columns find nothing to forget.
    m_clickColumn = nullptr;
    m_borderColumn = nullptr;
    m_resizingColumn = nullptr;
    m_headerHintColumn = nullptr;
    m_footerHintColumn = nullptr;
    // The departing columns still find their cell lists; the store goes after them.
    DestroyColumns();
    m_cells.reset();
}

// ---- cell and row access ----

TCell* TDataGrid::Cell(int ACol, int ARow) {
    return m_cells->GetCell(ACol, ARow);
}

TRow* TDataGrid::GetRowRecord(int Index) const {
    return m_cells->GetRow(Index);
}

void TDataGrid::CheckCell(int ACol, int ARow) const {
    if (ARow < 0 || ARow >= m_cells->RowCount() || ACol < 0 || ACol >= m_cells->ColumnCount())
        throw Exception(QStringLiteral("Cell out of bounds (%1, %2)").arg(ACol).arg(ARow));
}

QString TDataGrid::GetCellText(int ACol, int ARow) {
    CheckCell(ACol, ARow);
    return m_cells->GetCell(ACol, ARow)->AsString();
}

void TDataGrid::SetCellText(int ACol, int ARow, const QString& Value) {
    CheckCell(ACol, ARow);
    m_cells->GetCell(ACol, ARow)->SetAsString(Value);
}

int TDataGrid::RowCount() const {
    return m_cells ? m_cells->RowCount() : 0;
}

bool TDataGrid::ShownAt(int Index) const {
    const TRow* row = m_cells->GetRow(Index);
    return row->Visible() && row->Shown();
}

int TDataGrid::RowHeight(int Index) {
    if (Index < 0 || Index >= RowCount())
        return RowSize();
    const int stored = m_cells->GetRow(Index)->Height();
    int height = stored;
    if (OnMeasuringRowHeight)
        OnMeasuringRowHeight(this, Index, height);
    return height >= 1 ? height : stored;
}

int TDataGrid::RowLevel(int Index) {
    return Index >= 0 && Index < RowCount() ? m_cells->GetRow(Index)->Level() : 0;
}

bool TDataGrid::RowVisible(int Index) {
    return Index >= 0 && Index < RowCount() ? ShownAt(Index) : true;
}

bool TDataGrid::Selected(int Index) {
    return Index >= 0 && Index < RowCount() && m_cells->GetRow(Index)->Selected();
}

int TDataGrid::GetVisibleRowCount() {
    return m_cells ? m_cells->VisibleRowCount() : 0;
}

bool TDataGrid::Expanded(int Index) const {
    return m_cells->GetRow(Index)->Expanded();
}

bool TDataGrid::IsEmptyCell(int ACol, int ARow) {
    if (ARow < 0 || ARow >= RowCount() || ACol < 0 || ACol >= m_cells->ColumnCount())
        return false;
    return m_cells->GetCell(ACol, ARow)->Empty();
}

// ---- values for painting and editing ----

TColor TDataGrid::GetCellColor(int ACol, int ARow) {
    const TDgCustomColumn* column = Columns()->ColumnItem(ACol);
    if (column->ParentCellColor() || ARow < 0 || ARow >= RowCount())
        return column->Color();
    return m_cells->GetCell(ACol, ARow)->Color();
}

void TDataGrid::GetCellHint(int ACol, int ARow, QString& Value) {
    if (ARow >= 0 && ARow < RowCount() && ACol >= 0 && ACol < m_cells->ColumnCount())
        Value = m_cells->GetCell(ACol, ARow)->Hint();
    TDgCustomGrid::GetCellHint(ACol, ARow, Value);
}

void TDataGrid::GetCellValue(int ACol, int ARow, TCellInfo& Value) {
    const std::uint8_t kind = Columns()->ColumnItem(ACol)->ColumnKind();
    if (kind == 0) {
        Value.AsInteger = ARow;
        return;
    }
    TCell* cell = m_cells->GetCell(ACol, ARow);
    switch (kind) {
    case 1:
        Value.AsBoolean = cell->AsBoolean();
        break;
    case 3:
        Value.AsDateTime = cell->AsDateTime();
        break;
    case 4:
        Value.AsFloat = cell->AsFloat();
        break;
    case 5:
        Value.Object = cell->ObjectReference();
        break;
    case 6:
    case 8:
    case 11:
        Value.AsString = cell->AsString();
        break;
    case 7:
        Value.AsInteger = cell->AsInteger();
        break;
    default:
        break;
    }
}

QString TDataGrid::GetCellDisplayText(int ACol, int ARow) {
    TCellInfo info;
    GetCellValue(ACol, ARow, info);
    QString text;
    Columns()->ColumnItem(ACol)->FormatValue(info, text);
    return text;
}

bool TDataGrid::PrepareCellCanvas(int ACol, int ARow, TCellState CellState) {
    TDgCustomGrid::PrepareCellCanvas(ACol, ARow, CellState);
    TCellInfo info;
    GetCellValue(ACol, ARow, info);
    TColumnDisplay* display = Columns()->ColumnItem(ACol)->Display();
    display->AsBoolean = info.AsBoolean;
    display->AsDateTime = info.AsDateTime;
    display->AsFloat = info.AsFloat;
    display->AsInteger = info.AsInteger;
    display->AsString = info.AsString;
    FormatCell(ACol, ARow, CellState);
    return true;
}

void TDataGrid::FormatCell(int ACol, int ARow, TCellState CellState) {
    if (ARow < 0 || ARow >= RowCount() || ACol < 0 || ACol >= m_cells->ColumnCount())
        return;
    TFontStyles style = m_cells->GetCell(ACol, ARow)->FontStyle();
    TColor color = Canvas.Font.Color;
    if (CellState.testFlag(TCellStateItem::csBoldTextSelection))
        style |= TFontStyle::fsBold;
    if (OnCellFormating)
        OnCellFormating(this, ACol, ARow, color, style, CellState);
    Canvas.Font.Color = color;
    Canvas.Font.SetStyle(style);
}

void TDataGrid::GetRowInfo(int ACol, int ARow, TVirtualColElement& Info) {
    TDgCustomGrid::GetRowInfo(ACol, ARow, Info);
    if (ARow >= 0 && ARow < RowCount())
        Info.Level = m_cells->GetRow(ARow)->Level();
}

void TDataGrid::GetCellInfo(TColumnPlay* Play) {
    if (Play->Row < 0 || Play->Row >= RowCount() || Play->Col < 0 || Play->Col >= m_cells->ColumnCount())
        return;
    Play->Level = m_cells->GetRow(Play->Row)->Level();
    switch (Columns()->ColumnItem(Play->Col)->ColumnKind()) {
    case 1:
        Play->AsBoolean = m_cells->GetCell(Play->Col, Play->Row)->AsBoolean();
        break;
    case 7:
        Play->AsInteger = m_cells->GetCell(Play->Col, Play->Row)->AsInteger();
        break;
    case 8:
        Play->AsString = GetCellDisplayText(Play->Col, Play->Row);
        break;
    default:
        break;
    }
}

void TDataGrid::CellPlayClick(TColumnPlay* Play) {
    const int col = Play->Col;
    const int row = Play->Row;
    // The play may speak for a cell of rows since deleted.
    if (row < 0 || row >= RowCount() || col < 0 || col >= m_cells->ColumnCount())
        return;
    bool accept = true;
    if (OnEditAccept)
        OnEditAccept(this, col, row, Play->AsString, accept);
    if (!accept || row >= RowCount() || col >= m_cells->ColumnCount())
        return;
    TCell* cell = m_cells->GetCell(col, row);
    switch (Columns()->ColumnItem(col)->ColumnKind()) {
    case 1:
        cell->SetAsBoolean(Play->AsBoolean);
        break;
    case 7:
        cell->SetAsInteger(Play->AsInteger);
        break;
    default:
        break;
    }
    if (OnAfterEdit && row < RowCount() && col < m_cells->ColumnCount())
        OnAfterEdit(this, col, row, m_cells->GetCell(col, row)->AsString());
}

void TDataGrid::ToggleExpanded(TColumnPlay* Play) {
    if (Play->Row >= 0 && Play->Row < RowCount())
        SetExpanded(Play->Row, !Expanded(Play->Row));
}

// ---- store events ----

void TDataGrid::CellChanged(int ACol, int ARow) {
    if (UpdateCount() > 0)
        return;
    RefreshCell(ACol, ARow);
    if (OnChange)
        OnChange(this, ACol, ARow);
}

void TDataGrid::CellCompare(TCell* Cell1, TCell* Cell2, int& Compare) {
    if (OnCompare)
        OnCompare(this, Cell1, Cell2, Compare);
}

// ---- columns ----

void TDataGrid::ColumnsChanged(ColumnsChange Kind, int Constant, int Index, int Param) {
    TDgCustomGrid::ColumnsChanged(Kind, Constant, Index, Param);
    if (m_cells)
        m_cells->ColumnNotify(static_cast<int>(Kind), Index, Param);
    // A carried column that left the collection ends the drag.
    if (m_dragBox && m_dragBox->Column() && Columns() && Columns()->IndexOf(m_dragBox->Column()) < 0)
        HideDragMarks();
}

void TDataGrid::SetRowSize(int Value) {
    TDgCustomGrid::SetRowSize(Value);
    m_cells->SetDefaultRowHeight(RowSize());
}

// ---- sorting ----

void TDataGrid::SortColumn(TDgCustomColumn* Column) {
    TDgCustomGrid::SortColumn(Column);
    if (!Column || !Column->Options().testFlag(TColumnOption::coCanSort))
        return;
    const int index = Column->Index();
    // The rows keep their identities: the selection and the anchor are found again after the sort.
    const TRow* selected =
        SelectedRow() >= 0 && SelectedRow() < RowCount() ? m_cells->GetRow(SelectedRow()) : nullptr;
    const TRow* anchor = m_selectionAnchor >= 0 && m_selectionAnchor < RowCount()
                             ? m_cells->GetRow(m_selectionAnchor)
                             : nullptr;
    const int position = VertScrollBar()->Position();
    const int oldSelected = SelectedRow();
    // The selected row stays selected under its new number: no veto and no deselection can leave the
    // number on another row.
    const auto remap = [&] {
        if (selected)
            m_selectedRow = m_cells->IndexOfRow(selected);
        if (anchor)
            m_selectionAnchor = m_cells->IndexOfRow(anchor);
        // The page keeps its place; then the selected row is brought into it.
        Resync(RowAfterShown(std::max(position, 0)));
        if (SelectedRow() >= 0)
            ScrollToRow(SelectedRow());
        RefreshArea(TGridArea::Cells);
        RefreshArea(TGridArea::Indicator);
    };
    try {
        m_cells->Sort(index, Column->SortType(),
                      Column->Options().testFlag(TColumnOption::coFullResort) || m_orderDisturbed,
                      Column->SortKind());
    } catch (...) {
        // A comparison that raised left the rows half sorted: the marks follow their rows before the
        // error goes on.
        remap();
        throw;
    }
    m_orderDisturbed = false;
    remap();
    // OnSelectCell still tells the handlers the new number.
    if (selected && SelectedRow() != oldSelected && OnSelectCell)
        OnSelectCell(this, SelectedColumn(), SelectedRow());
    if (OnAfterSort)
        OnAfterSort(this, index);
}

// ---- footers ----

void TDataGrid::CalculateFooters(bool VisibleOnly) {
    const int rows = RowCount();
    for (int col = 0; col < Columns()->ColumnCount(); ++col) {
        TDgCustomColumn* column = Columns()->ColumnItem(col);
        const TFormulaKind kind = column->Footer()->FormulaKind();
        if (kind == TFormulaKind::fkNone)
            continue;
        if (rows == 0) {
            column->Footer()->SetCaption(QStringLiteral("0"));
            continue;
        }
        // Only the rows that count take part, also in the count and the average.
        int counted = 0;
        double sum = 0;
        double low = std::numeric_limits<double>::max();
        double high = std::numeric_limits<double>::lowest();
        QSet<QString> texts;
        // The custom value is the handler's: it starts from row 0 alone, and no other row is read, so a
        // column of any cell kind may carry it.
        for (int row = 0; kind != TFormulaKind::fkCustom && row < rows; ++row) {
            if (VisibleOnly && !ShownAt(row))
                continue;
            if (kind == TFormulaKind::fkDistinct) {
                // The string list compares without regard to case.
                texts.insert(GetCellText(col, row).toCaseFolded());
                ++counted;
                continue;
            }
            const double value = kind == TFormulaKind::fkCount ? 0 : m_cells->GetCell(col, row)->AsFloat();
            ++counted;
            sum += value;
            low = std::min(low, value);
            high = std::max(high, value);
        }
        double value = 0;
        switch (kind) {
        case TFormulaKind::fkAverage:
            value = counted > 0 ? sum / counted : 0;
            break;
        case TFormulaKind::fkCount:
            value = counted;
            break;
        case TFormulaKind::fkDistinct:
            value = texts.size();
            break;
        case TFormulaKind::fkMaximum:
            value = counted > 0 ? high : 0;
            break;
        case TFormulaKind::fkMinimum:
            value = counted > 0 ? low : 0;
            break;
        case TFormulaKind::fkSum:
            value = sum;
            break;
        case TFormulaKind::fkCustom:
            value = VisibleOnly && !ShownAt(0) ? 0 : m_cells->GetCell(col, 0)->AsFloat();
            if (OnColumnFooterValue)
                OnColumnFooterValue(this, col, value);
            break;
        case TFormulaKind::fkNone:
            break;
        }
        if (OnFooterCalculate)
            OnFooterCalculate(this, col, value);
        column->Footer()->SetCaption(FloatToStr(value));
    }
}

} // namespace grid
