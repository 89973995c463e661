#pragma once

#include "grid/CellStoreLinks.h"
#include "grid/ColumnLinks.h"

#include <vector>

// The column collection of a grid: the columns in index order (the order of the cell store's column
// lists) and in position order (the order on screen), their horizontal places and auto-sizing.
//
// Teardown: every departing column tells the grid, which passes it on to its cell store. A grid therefore
// frees its columns while its store still exists (with IsGridDestroying answering true, so the departures
// do not re-lay the grid out), and only then the store; a grid that cannot keep that order calls
// DetachGrid before it frees the store.
namespace grid {

class TDgCustomColumn;

class TDgColumns : public CellColumnList {
public:
    /// A collection serving AGrid (nullptr: a collection without a grid, as in tests).
    explicit TDgColumns(ColumnsGrid* AGrid);
    /// Frees the columns from the last index to the first; each one reports its departure.
    virtual ~TDgColumns();
    TDgColumns(const TDgColumns&) = delete;
    TDgColumns& operator=(const TDgColumns&) = delete;

    ColumnsGrid* Grid() const { return m_grid; }
    /// Stops every call into the grid; a grid that frees its cell store before its columns calls this
    /// first, so that departing columns reach nothing that is gone.
    void DetachGrid() { m_grid = nullptr; }

    /// The column at Index in index order; the list index error outside 0 .. ColumnCount - 1.
    virtual TDgCustomColumn* ColumnItem(int Index) const;
    TDgCustomColumn* operator[](int Index) const { return ColumnItem(Index); }
    /// Appends the column, which the collection owns from then on. On an exception (a cell store that
    /// refuses the column) the column is not added and stays the caller's.
    virtual void AddColumn(TDgCustomColumn* Column);
    /// The column at screen position Pos; the list index error outside 0 .. ColumnCount - 1.
    TDgCustomColumn* PositionItem(int Pos) const;
    /// The column's place in index order, -1 when it is not in the collection.
    int IndexOf(const TDgCustomColumn* Column) const;
    /// The column's place in position order, -1 when it is not there.
    int PositionOf(const TDgCustomColumn* Column) const;

    int ColumnCount() const { return static_cast<int>(m_items.size()); }
    int VisibleCount() const;
    /// The total width of the visible columns.
    int ColumnsWidth() const;
    /// In position order; nullptr when no column is visible.
    TDgCustomColumn* FirstVisibleColumn() const;
    TDgCustomColumn* LastVisibleColumn() const;
    /// The next (previous) column in position order that is enabled and visible; Column itself when
    /// there is none.
    TDgCustomColumn* NextColumn(TDgCustomColumn* Column) const;
    TDgCustomColumn* PreviousColumn(TDgCustomColumn* Column) const;
    bool IsValidColumnIndex(int Index) const { return Index >= 0 && Index < ColumnCount(); }

    /// Places the columns: Left and VisibleIndex of each, FixedColumnsWidth; with Renumber also every
    /// Position from the position order.
    void UpdatePositions(bool Renumber);
    int FixedCols() const { return m_fixedCols; }
    void SetFixedCols(int Value);
    /// The total width of the visible columns among the first FixedCols positions.
    int FixedColumnsWidth() const { return m_fixedColumnsWidth; }

    /// Puts a column that is in index order only into the position order, before the first column whose
    /// Position is greater than its own.
    void InsertByPosition(TDgCustomColumn* Column);
    /// Moves the column at screen position FromPos to ToPos; the cell store's order stays. Positions
    /// outside the collection raise the list index error.
    void MoveColumn(int FromPos, int ToPos);
    /// Takes the column out of the collection (the column's destructor calls it); the caller owns it
    /// again.
    void RemoveColumn(TDgCustomColumn* Column);
    /// Shares the free width among the auto-size columns from FromColumn on (all with nullptr).
    void AutoSizeColumns(TDgCustomColumn* FromColumn, bool Including);
    /// Asks the grid to repaint one band of the column.
    void RefreshColumnPart(TDgCustomColumn* Column, ColumnBand Part);
    /// Frees every column, the last index first.
    void ColumnsClear();
    bool IsGridLoading() const;
    bool IsGridDestroying() const;
    /// The left edge of the cells band (the indicator's width or 0).
    int IndicatorOffset() const;

    // CellColumnList
    int cellColumnCount() const override { return ColumnCount(); }
    CellColumn* cellColumn(int Index) const override;

private:
    friend class TDgCustomColumn;
    /// A column's change, passed on to the grid.
    void ColumnChanged(TDgCustomColumn* Column, ColumnChange Code, int Param);
    /// Joins index order only (a column loaded with its form).
    void AppendItem(TDgCustomColumn* Column);
    void RemoveFromPositions(TDgCustomColumn* Column);

    ColumnsGrid* m_grid;
    std::vector<TDgCustomColumn*> m_items;
    std::vector<TDgCustomColumn*> m_positions;
    int m_fixedCols = 0;
    int m_fixedColumnsWidth = 0;
};

} // namespace grid
