#include "grid/DgColumns.h"

#include "grid/DgCustomColumn.h"
#include "platform/Exceptions.h"
#include "platform/Rounding.h"

#include <algorithm>

namespace grid {

using platform::checkListIndex;

namespace {

int placeOf(const std::vector<TDgCustomColumn*>& list, const TDgCustomColumn* column) {
    const auto it = std::find(list.begin(), list.end(), column);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

} // namespace

TDgColumns::TDgColumns(ColumnsGrid* AGrid) : m_grid(AGrid) {}

TDgColumns::~TDgColumns() {
    ColumnsClear();
}

void TDgColumns::ColumnsClear() {
    // Each column takes itself out of both lists as it is freed.
    while (!m_items.empty())
        delete m_items.back();
    // A column can only be in the position order while it is in index order; nothing is left here.
    m_positions.clear();
}

TDgCustomColumn* TDgColumns::ColumnItem(int Index) const {
    checkListIndex(Index, ColumnCount());
    return m_items[static_cast<size_t>(Index)];
}

TDgCustomColumn* TDgColumns::PositionItem(int Pos) const {
    checkListIndex(Pos, static_cast<long long>(m_positions.size()));
    return m_positions[static_cast<size_t>(Pos)];
}

CellColumn* TDgColumns::cellColumn(int Index) const {
    return ColumnItem(Index);
}

int TDgColumns::IndexOf(const TDgCustomColumn* Column) const {
    return placeOf(m_items, Column);
}

int TDgColumns::PositionOf(const TDgCustomColumn* Column) const {
    return placeOf(m_positions, Column);
}

void TDgColumns::AddColumn(TDgCustomColumn* Column) {
    if (!Column || Column->m_columns == this)
        return;
    if (Column->m_columns)
        Column->m_columns->RemoveColumn(Column);
    Column->m_columns = this;
    m_items.push_back(Column);
    m_positions.push_back(Column);
    Column->m_position = static_cast<int>(m_positions.size()) - 1;
    UpdatePositions(false);
    AutoSizeColumns(nullptr, false);
    if (!m_grid)
        return;
    try {
        m_grid->ColumnsChanged(ColumnsChange::Added, ColumnsChangeConstant, -1, -1);
    } catch (...) {
        // The grid (its cell store) refused the column: the lists go back to what they were.
        m_items.pop_back();
        m_positions.pop_back();
        Column->m_columns = nullptr;
        Column->m_position = -1;
        UpdatePositions(false);
        AutoSizeColumns(nullptr, false);
        throw;
    }
    m_grid->ColumnsRelayout(ColumnsChange::Added, ColumnsChangeConstant, -1, -1);
}

void TDgColumns::AppendItem(TDgCustomColumn* Column) {
    if (Column->m_columns == this)
        return;
    if (Column->m_columns)
        Column->m_columns->RemoveColumn(Column);
    Column->m_columns = this;
    m_items.push_back(Column);
    if (!m_grid)
        return;
    try {
        m_grid->ColumnsChanged(ColumnsChange::Added, ColumnsChangeConstant, -1, -1);
    } catch (...) {
        m_items.pop_back();
        Column->m_columns = nullptr;
        throw;
    }
}

int TDgColumns::VisibleCount() const {
    return static_cast<int>(
        std::count_if(m_items.begin(), m_items.end(), [](const TDgCustomColumn* c) { return c->Visible(); }));
}

int TDgColumns::ColumnsWidth() const {
    int total = 0;
    for (const TDgCustomColumn* c : m_items)
        if (c->Visible())
            total += c->Width();
    return total;
}

TDgCustomColumn* TDgColumns::FirstVisibleColumn() const {
    for (TDgCustomColumn* c : m_positions)
        if (c->Visible())
            return c;
    return nullptr;
}

TDgCustomColumn* TDgColumns::LastVisibleColumn() const {
    for (auto it = m_positions.rbegin(); it != m_positions.rend(); ++it)
        if ((*it)->Visible())
            return *it;
    return nullptr;
}

TDgCustomColumn* TDgColumns::NextColumn(TDgCustomColumn* Column) const {
    const int from = PositionOf(Column);
    if (from < 0)
        return Column;
    for (size_t i = static_cast<size_t>(from) + 1; i < m_positions.size(); ++i)
        if (m_positions[i]->Enabled() && m_positions[i]->Visible())
            return m_positions[i];
    return Column;
}

TDgCustomColumn* TDgColumns::PreviousColumn(TDgCustomColumn* Column) const {
    for (int i = PositionOf(Column) - 1; i >= 0; --i)
        if (m_positions[static_cast<size_t>(i)]->Enabled() && m_positions[static_cast<size_t>(i)]->Visible())
            return m_positions[static_cast<size_t>(i)];
    return Column;
}

void TDgColumns::UpdatePositions(bool Renumber) {
    m_fixedColumnsWidth = 0;
    int x = IndicatorOffset();
    int visibleIndex = 0;
    for (size_t i = 0; i < m_positions.size(); ++i) {
        TDgCustomColumn* c = m_positions[i];
        if (c->m_visible) {
            if (static_cast<int>(i) < m_fixedCols)
                m_fixedColumnsWidth += c->m_width;
            c->m_left = x;
            c->m_visibleIndex = visibleIndex++;
            x += c->m_width;
        } else {
            c->m_visibleIndex = -1;
        }
        if (Renumber)
            c->m_position = static_cast<int>(i);
    }
}

void TDgColumns::SetFixedCols(int Value) {
    m_fixedCols = Value;
    UpdatePositions(false);
}

void TDgColumns::InsertByPosition(TDgCustomColumn* Column) {
    // Only a column of this collection may join its position order.
    if (IndexOf(Column) < 0)
        return;
    RemoveFromPositions(Column);
    const auto before =
        std::find_if(m_positions.begin(), m_positions.end(),
                     [Column](const TDgCustomColumn* c) { return c->m_position > Column->m_position; });
    m_positions.insert(before, Column);
}

void TDgColumns::RemoveFromPositions(TDgCustomColumn* Column) {
    const auto it = std::find(m_positions.begin(), m_positions.end(), Column);
    if (it != m_positions.end())
        m_positions.erase(it);
}

void TDgColumns::MoveColumn(int FromPos, int ToPos) {
    const auto count = static_cast<long long>(m_positions.size());
    checkListIndex(FromPos, count);
    checkListIndex(ToPos, count);
    if (FromPos == ToPos)
        return;
    TDgCustomColumn* moved = m_positions[static_cast<size_t>(FromPos)];
    m_positions.erase(m_positions.begin() + FromPos);
    m_positions.insert(m_positions.begin() + ToPos, moved);
    UpdatePositions(true);
    ColumnChanged(moved, ColumnChange::Position, FromPos);
}

void TDgColumns::RemoveColumn(TDgCustomColumn* Column) {
    if (!Column)
        return;
    const int index = IndexOf(Column);
    // Both lists are consistent before anyone hears of the departure.
    if (index >= 0)
        m_items.erase(m_items.begin() + index);
    RemoveFromPositions(Column);
    if (Column->m_columns == this)
        Column->m_columns = nullptr;
    if (index >= 0 && m_grid)
        m_grid->ColumnsChanged(ColumnsChange::Deleted, ColumnsChangeConstant, index, -1);
    if (IsGridDestroying())
        return;
    UpdatePositions(true);
    AutoSizeColumns(nullptr, false);
    if (m_grid)
        m_grid->ColumnsRelayout(ColumnsChange::Deleted, ColumnsChangeConstant, index, -1);
}

void TDgColumns::AutoSizeColumns(TDgCustomColumn* FromColumn, bool Including) {
    if (!m_grid || IsGridLoading())
        return;
    const int available = m_grid->GetColumnsAreaWidth();
    size_t start = 0;
    int used = 0;
    if (FromColumn) {
        const int place = PositionOf(FromColumn);
        if (place < 0)
            return;
        used = FromColumn->m_left - IndicatorOffset();
        if (Including) {
            start = static_cast<size_t>(place);
        } else {
            start = static_cast<size_t>(place) + 1;
            if (FromColumn->m_visible)
                used += FromColumn->m_width;
        }
    }
    // Widths before this pass: each share is taken from the widths as they were.
    std::vector<std::pair<TDgCustomColumn*, int>> autoColumns;
    int autoTotal = 0;
    int fixedTotal = 0;
    for (size_t i = start; i < m_positions.size(); ++i) {
        TDgCustomColumn* c = m_positions[i];
        if (!c->m_visible)
            continue;
        if (c->m_options.testFlag(TColumnOption::coAutoSize)) {
            autoColumns.emplace_back(c, c->m_width);
            autoTotal += c->m_width;
        } else {
            fixedTotal += c->m_width;
        }
    }
    // Auto-size columns that are all zero wide have no proportions to share by.
    if (autoColumns.empty() || autoTotal <= 0)
        return;
    const double free = available - used - fixedTotal;
    for (const auto& [column, width] : autoColumns)
        column->SetWidthInternal(static_cast<int>(platform::Round(free * width / autoTotal)));
}

void TDgColumns::RefreshColumnPart(TDgCustomColumn* Column, ColumnBand Part) {
    if (m_grid)
        m_grid->ColumnPartChanged(Column, Part);
}

void TDgColumns::ColumnChanged(TDgCustomColumn* Column, ColumnChange Code, int Param) {
    if (m_grid)
        m_grid->ColumnChanged(Column, Code, Param);
}

bool TDgColumns::IsGridLoading() const {
    return m_grid && m_grid->IsGridLoading();
}

bool TDgColumns::IsGridDestroying() const {
    return m_grid && m_grid->IsGridDestroying();
}

int TDgColumns::IndicatorOffset() const {
    return m_grid ? m_grid->CellsBandLeft() : 0;
}

} // namespace grid
