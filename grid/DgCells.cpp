#include "grid/DgCells.h"

#include "platform/Exceptions.h"

#include <algorithm>
#include <utility>

namespace grid {

using platform::checkListIndex;
using platform::throwListIndexError;

// ---- TCell ----

TCell::TCell(TCells* AOwner) : m_owner(AOwner) {}

platform::TColor TCell::GetColor() const {
    CellGrid* grid = m_owner->Grid();
    return grid ? grid->cellDrawColor(CurrentColumn(), CurrentRow()) : m_color;
}

platform::TColor TCell::GetFontColor() const {
    CellGrid* grid = m_owner->Grid();
    return grid ? grid->cellTextColor(CurrentColumn(), CurrentRow()) : platform::clWindowText;
}

void TCell::SetAsBoolean(bool) {
    Changed();
}
void TCell::SetAsDateTime(TDateTime) {
    Changed();
}
void TCell::SetAsFloat(double) {
    Changed();
}
void TCell::SetAsInteger(int) {
    Changed();
}
void TCell::SetAsString(const QString&) {
    Changed();
}
void TCell::Clear() {
    Changed();
}

void TCell::SetColor(platform::TColor Value) {
    m_color = Value;
    if (!Building())
        Changed();
}

void TCell::SetEmpty(bool Value) {
    if (Value)
        m_flags |= kEmptyFlag;
    else
        m_flags &= static_cast<std::uint8_t>(~kEmptyFlag);
}

void TCell::Changed() {
    m_owner->DoCellChange(m_owner->m_currentColumn, m_owner->m_currentRow);
}

int TCell::CurrentColumn() const {
    return m_owner->CurrentColumn();
}
int TCell::CurrentRow() const {
    return m_owner->CurrentRow();
}

// ---- TCells: construction, access ----

TCells::TCells(CellGrid* AGrid, CellColumnList* AColumns)
    : m_grid(AGrid), m_columns(AColumns), m_random(QRandomGenerator::global()->generate()) {}

TCells::~TCells() {
    ClearRows();
    ClearColumns();
}

void TCells::CheckColumn(int Index) const {
    checkListIndex(Index, m_columnCount);
}

void TCells::CheckRow(int Index) const {
    checkListIndex(Index, RowCount());
}

CellColumn* TCells::CollectionColumn(int Index) const {
    const int count = m_columns ? m_columns->cellColumnCount() : 0;
    checkListIndex(Index, count);
    return m_columns->cellColumn(Index);
}

std::unique_ptr<TCell> TCells::MakeCell(CellMaker Maker, int ColumnIndex) {
    CellColumn* column = CollectionColumn(ColumnIndex);
    std::unique_ptr<TCell> cell = NewCell(CellClassFor(column->cellKind(), Maker), this, column);
    cell->m_fontStyle = column->cellFontStyle();
    // Stored while Building is set, so it reports no change.
    cell->SetColor(column->cellColor());
    cell->m_flags &= static_cast<std::uint8_t>(~TCell::kBuildingFlag);
    return cell;
}

TCell* TCells::GetCell(int ACol, int ARow) {
    CheckColumn(ACol);
    CheckRow(ARow);
    m_currentColumn = ACol;
    m_currentRow = ARow;
    return m_cells[ACol][ARow].get();
}

TRow* TCells::GetRow(int Index) const {
    CheckRow(Index);
    return m_rows[Index].get();
}

int TCells::IndexOfRow(const TRow* ARow) const {
    for (int i = 0; i < RowCount(); ++i) {
        if (m_rows[i].get() == ARow)
            return i;
    }
    return -1;
}

int TCells::GetDescendantCount(int Index) const {
    CheckRow(Index);
    const int level = m_rows[Index]->m_level;
    int count = 0;
    for (int i = Index + 1; i < RowCount() && m_rows[i]->m_level > level; ++i)
        ++count;
    return count;
}

int TCells::GetChildCount(int Index) const {
    CheckRow(Index);
    const int level = m_rows[Index]->m_level + 1;
    int count = 0;
    for (int i = Index + 1; i < RowCount() && m_rows[i]->m_level == level; ++i)
        ++count;
    return count;
}

// ---- rows ----

void TCells::AddRows(int Count) {
    std::vector<std::unique_ptr<TCell>> cells;
    cells.reserve(m_columnCount);
    if (Count > 0) {
        // Room grows geometrically: a grid filled one row at a time must not copy its lists per row.
        const auto makeRoom = [Count](auto& list) {
            if (list.capacity() < list.size() + size_t(Count))
                list.reserve(std::max(list.size() + size_t(Count), 2 * list.capacity()));
        };
        makeRoom(m_rows);
        for (int c = 0; c < m_columnCount; ++c)
            makeRoom(m_cells[c]);
    }
    for (int n = 0; n < Count; ++n) {
        // Every cell is made before anything changes, so a failure leaves the store as it was.
        cells.clear();
        for (int c = 0; c < m_columnCount; ++c)
            cells.push_back(MakeCell(CellMaker::AddRows, c));
        m_rows.push_back(std::make_unique<TRow>(m_defaultRowHeight));
        ++m_visibleRowCount;
        for (int c = 0; c < m_columnCount; ++c)
            m_cells[c].push_back(std::move(cells[c]));
    }
    m_sorted = false;
}

void TCells::InsertRow(int Index) {
    checkListIndex(Index, RowCount() + 1);
    std::vector<std::unique_ptr<TCell>> cells;
    cells.reserve(m_columnCount);
    for (int c = 0; c < m_columnCount; ++c)
        cells.push_back(MakeCell(CellMaker::InsertRow, c));
    for (int c = 0; c < m_columnCount; ++c)
        m_cells[c].insert(m_cells[c].begin() + Index, std::move(cells[c]));
    m_rows.insert(m_rows.begin() + Index, std::make_unique<TRow>(m_defaultRowHeight));
    ++m_visibleRowCount;
    m_sorted = false;
}

void TCells::AddChildRow(int ParentIndex, int Index) {
    CheckRow(ParentIndex);
    checkListIndex(Index, RowCount() + 1);
    std::vector<std::unique_ptr<TCell>> cells;
    cells.reserve(m_columnCount);
    for (int c = 0; c < m_columnCount; ++c)
        cells.push_back(MakeCell(CellMaker::CreateCell, c));
    TRow* parent = m_rows[ParentIndex].get();
    auto row = std::make_unique<TRow>(m_defaultRowHeight);
    row->m_parentRow = parent;
    row->m_shown = parent->m_expanded;
    row->m_level = parent->m_level + 1;
    parent->IncChildCount();
    const bool counts = Counts(*row);
    m_rows.insert(m_rows.begin() + Index, std::move(row));
    if (counts)
        ++m_visibleRowCount;
    for (int c = 0; c < m_columnCount; ++c)
        m_cells[c].insert(m_cells[c].begin() + Index, std::move(cells[c]));
}

void TCells::DeleteRow(int Index) {
    CheckRow(Index);
    for (int c = 0; c < m_columnCount; ++c)
        m_cells[c].erase(m_cells[c].begin() + Index);
    const TRow* row = m_rows[Index].get();
    if (Counts(*row))
        --m_visibleRowCount;
    // Rows left behind by their parent must not point at a freed record.
    for (auto& other : m_rows) {
        if (other->m_parentRow == row)
            other->m_parentRow = nullptr;
    }
    m_rows.erase(m_rows.begin() + Index);
}

void TCells::FreeRows() {
    for (int c = 0; c < m_columnCount; ++c)
        m_cells[c].clear();
    m_rows.clear();
    m_visibleRowCount = 0;
}

void TCells::ClearRows() {
    FreeRows();
    m_sorted = false;
}

namespace {

template <class List> void moveItem(List& list, int from, int to) {
    if (from < to)
        std::rotate(list.begin() + from, list.begin() + from + 1, list.begin() + to + 1);
    else if (to < from)
        std::rotate(list.begin() + to, list.begin() + from, list.begin() + from + 1);
}

} // namespace

void TCells::MoveRow(int FromIndex, int ToIndex) {
    CheckRow(FromIndex);
    CheckRow(ToIndex);
    moveItem(m_rows, FromIndex, ToIndex);
    for (int c = 0; c < m_columnCount; ++c)
        moveItem(m_cells[c], FromIndex, ToIndex);
    m_sorted = false;
}

void TCells::ExchangeRows(int Index1, int Index2) {
    CheckRow(Index1);
    CheckRow(Index2);
    std::swap(m_rows[Index1], m_rows[Index2]);
    for (int c = 0; c < m_columnCount; ++c)
        std::swap(m_cells[c][Index1], m_cells[c][Index2]);
}

void TCells::SetRowFlag(int Index, bool TRow::*Flag, bool Value) {
    CheckRow(Index);
    TRow& row = *m_rows[Index];
    if (row.*Flag == Value)
        return;
    const bool before = Counts(row);
    row.*Flag = Value;
    m_visibleRowCount += static_cast<int>(Counts(row)) - static_cast<int>(before);
}

void TCells::SetRowShown(int Index, bool Value) {
    SetRowFlag(Index, &TRow::m_shown, Value);
}

void TCells::SetRowVisible(int Index, bool Value) {
    SetRowFlag(Index, &TRow::m_visible, Value);
}

// ---- columns ----

void TCells::ColumnNotify(int Operation, int Index1, int Index2) {
    switch (Operation & 0x7F) {
    case coAdd:
        AddColumn();
        break;
    case coDelete:
        DeleteColumn(Index1);
        break;
    case coClear:
        ClearColumns();
        break;
    case coInsert:
        InsertColumn(Index1);
        break;
    case coMove:
        MoveColumn(Index1, Index2);
        break;
    default:
        break;
    }
}

void TCells::AddColumn() {
    if (m_columnCount >= MaxColumns)
        throwListIndexError(m_columnCount);
    const int source = m_columns ? m_columns->cellColumnCount() - 1 : -1;
    CollectionColumn(source);
    CellList list;
    list.reserve(m_rows.size());
    for (int r = 0; r < RowCount(); ++r)
        list.push_back(MakeCell(CellMaker::AddColumn, source));
    m_cells[m_columnCount] = std::move(list);
    ++m_columnCount;
}

void TCells::DeleteColumn(int Index) {
    CheckColumn(Index);
    m_cells[Index].clear();
    std::move(m_cells.begin() + Index + 1, m_cells.begin() + m_columnCount, m_cells.begin() + Index);
    --m_columnCount;
    m_cells[m_columnCount] = CellList();
    // The sort state follows its column's list.
    if (Index == m_sortedColumn)
        m_sorted = false;
    else if (Index < m_sortedColumn)
        --m_sortedColumn;
    if (m_columnCount == 0)
        FreeRows();
}

void TCells::ClearColumns() {
    for (int c = 0; c < m_columnCount; ++c)
        m_cells[c] = CellList();
    m_columnCount = 0;
    m_rows.clear();
    m_visibleRowCount = 0;
}

void TCells::InsertColumn(int Index) {
    if (m_columnCount >= MaxColumns)
        throwListIndexError(m_columnCount);
    checkListIndex(Index, m_columnCount + 1);
    CollectionColumn(Index);
    CellList list;
    list.reserve(m_rows.size());
    for (int r = 0; r < RowCount(); ++r)
        list.push_back(MakeCell(CellMaker::InsertColumn, Index));
    std::move_backward(m_cells.begin() + Index, m_cells.begin() + m_columnCount,
                       m_cells.begin() + m_columnCount + 1);
    m_cells[Index] = std::move(list);
    ++m_columnCount;
    if (Index <= m_sortedColumn)
        ++m_sortedColumn;
    m_sorted = false;
}

void TCells::MoveColumn(int FromIndex, int ToIndex) {
    CheckColumn(FromIndex);
    CheckColumn(ToIndex);
    moveItem(m_cells, FromIndex, ToIndex);
    if (m_sortedColumn == FromIndex)
        m_sortedColumn = ToIndex;
    else if (FromIndex < m_sortedColumn && m_sortedColumn <= ToIndex)
        --m_sortedColumn;
    else if (ToIndex <= m_sortedColumn && m_sortedColumn < FromIndex)
        ++m_sortedColumn;
}

// ---- events ----

void TCells::DoCellChange(int ACol, int ARow) {
    // The order is no longer sorted, even when the handler raises.
    struct Unsort {
        bool& sorted;
        ~Unsort() { sorted = false; }
    } unsort{m_sorted};
    if (OnCellChange)
        OnCellChange(this, ACol, ARow);
}

void TCells::DoCellCompare(TCell* Cell1, TCell* Cell2, int& Result) {
    if (OnCellCompare)
        OnCellCompare(this, Cell1, Cell2, Result);
}

} // namespace grid
