#pragma once

#include "grid/CellKinds.h"
#include "grid/CellStoreLinks.h"
#include "platform/Environment.h"
#include "platform/FontStyles.h"
#include "platform/TColor.h"

#include <QRandomGenerator>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The grid's cell store: one typed cell per column and row, column-major, one row record per row.
namespace grid {

using platform::TDateTime;

class TCells;

/// How the store compares the cells of a column when it sorts.
enum class TSortType { stAlphabetic, stBoolean, stCaseInsensitive, stCustom, stNumeric, stDate, stIP };

/// The direction of a sort.
enum class TSortKind { skAscending, skDescending };

/// One grid cell. It does not know its own column and row: whatever depends on them uses the store's
/// current position, the position of the last TCells::GetCell.
class TCell {
public:
    explicit TCell(TCells* AOwner);
    virtual ~TCell() = default;
    TCell(const TCell&) = delete;
    TCell& operator=(const TCell&) = delete;

    TCells* Owner() const { return m_owner; }

    /// The background colour the grid draws this cell with, at the store's current position.
    virtual platform::TColor GetColor() const;
    /// The text colour the grid draws this cell with, at the store's current position.
    virtual platform::TColor GetFontColor() const;

    bool AsBoolean() const { return GetAsBoolean(); }
    TDateTime AsDateTime() const { return GetAsDateTime(); }
    double AsFloat() const { return GetAsFloat(); }
    int AsInteger() const { return GetAsInteger(); }
    QString AsString() const { return GetAsString(); }

    virtual void SetAsBoolean(bool Value);
    virtual void SetAsDateTime(TDateTime Value);
    virtual void SetAsFloat(double Value);
    virtual void SetAsInteger(int Value);
    virtual void SetAsString(const QString& Value);

    /// Back to the kind's default value.
    virtual void Clear();

    /// The cell's own colour, copied from its column when it was made.
    platform::TColor Color() const { return m_color; }
    /// Stores the colour; reports a change unless the cell is still being made.
    void SetColor(platform::TColor Value);

    platform::TFontStyles FontStyle() const { return m_fontStyle; }
    void SetFontStyle(platform::TFontStyles Value) { m_fontStyle = Value; }

    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& Value) { m_hint = Value; }

    /// A reference the store never sets; the grid reads it for columns of kind 5.
    void* ObjectReference() const { return m_objectReference; }
    void SetObjectReference(void* Value) { m_objectReference = Value; }

    /// The first flag bit: a cell whose column display paints no content.
    bool Empty() const { return (m_flags & kEmptyFlag) != 0; }
    void SetEmpty(bool Value);

    /// Set from construction until the store has finished making the cell.
    bool Building() const { return (m_flags & kBuildingFlag) != 0; }

protected:
    virtual bool GetAsBoolean() const = 0;
    virtual TDateTime GetAsDateTime() const = 0;
    virtual double GetAsFloat() const = 0;
    virtual int GetAsInteger() const = 0;
    virtual QString GetAsString() const = 0;

    /// Reports a write at the store's current position; the store's order is no longer sorted.
    virtual void Changed();

    /// The store's current column and row.
    int CurrentColumn() const;
    int CurrentRow() const;

private:
    friend class TCells;
    static constexpr std::uint8_t kEmptyFlag = 0x01;
    static constexpr std::uint8_t kBuildingFlag = 0x02;

    TCells* m_owner;
    void* m_objectReference = nullptr;
    platform::TFontStyles m_fontStyle;
    platform::TColor m_color = platform::clBlack;
    QString m_hint;
    std::uint8_t m_flags = kBuildingFlag;
};

/// The record of one row; the store owns it.
class TRow {
public:
    explicit TRow(int AHeight) : m_height(AHeight) {}

    int ChildCount() const { return m_childCount; }
    void IncChildCount() { ++m_childCount; }
    void DecChildCount() { --m_childCount; }
    void ClearChildCount() { m_childCount = 0; }

    bool Expanded() const { return m_expanded; }
    void SetExpanded(bool Value) { m_expanded = Value; }

    /// 0 for a top-level row, the parent's level + 1 for a child row.
    int Level() const { return m_level; }
    TRow* ParentRow() const { return m_parentRow; }

    int Height() const { return m_height; }
    void SetHeight(int Value) { m_height = Value; }

    bool Selected() const { return m_selected; }
    void SetSelected(bool Value) { m_selected = Value; }

    /// False while a collapsed ancestor hides the row; changed through TCells::SetRowShown.
    bool Shown() const { return m_shown; }
    /// Changed through TCells::SetRowVisible.
    bool Visible() const { return m_visible; }

private:
    friend class TCells;
    int m_childCount = 0;
    bool m_expanded = true;
    int m_level = 0;
    TRow* m_parentRow = nullptr;
    int m_height;
    bool m_selected = false;
    bool m_shown = true;
    bool m_visible = true;
};

/// (Sender, ACol, ARow): a cell was written.
using TCellChangeEvent = std::function<void(TCells* Sender, int ACol, int ARow)>;
/// (Sender, Cell1, Cell2, Result): the custom sort's comparison; Result < 0, 0 or > 0.
using TCellCompareEvent = std::function<void(TCells* Sender, TCell* Cell1, TCell* Cell2, int& Result)>;

/// The store of a grid's rows and cells.
class TCells {
public:
    /// Room for this many column lists.
    static constexpr int MaxColumns = 1025;

    /// Column notification codes (ColumnNotify).
    enum ColumnOperation { coAdd = 0, coDelete = 1, coClear = 2, coInsert = 3, coMove = 4 };

    TCells(CellGrid* AGrid, CellColumnList* AColumns);
    virtual ~TCells();
    TCells(const TCells&) = delete;
    TCells& operator=(const TCells&) = delete;

    /// The cell of column ACol, row ARow; it becomes the current position. Bad indexes raise the
    /// list index error.
    TCell* GetCell(int ACol, int ARow);
    TRow* GetRow(int Index) const;
    /// -1 when the row is not in the store.
    int IndexOfRow(const TRow* ARow) const;
    /// The rows directly after Index that are deeper than it.
    int GetDescendantCount(int Index) const;
    /// The rows directly after Index exactly one level deeper, up to the first row at another level.
    int GetChildCount(int Index) const;

    void AddRows(int Count);
    void InsertRow(int Index);
    void AddChildRow(int ParentIndex, int Index);
    void DeleteRow(int Index);
    void ClearRows();
    void MoveRow(int FromIndex, int ToIndex);
    void ExchangeRows(int Index1, int Index2);
    void SetRowShown(int Index, bool Value);
    void SetRowVisible(int Index, bool Value);

    /// A change of the column collection: only the low seven bits of Operation count.
    void ColumnNotify(int Operation, int Index1, int Index2);
    void AddColumn();
    void DeleteColumn(int Index);
    void ClearColumns();
    void InsertColumn(int Index);
    void MoveColumn(int FromIndex, int ToIndex);

    /// Sorts the rows by column ACol; the same column sorted again with only the direction changed
    /// is reversed unless AFullResort.
    void Sort(int ACol, TSortType ASortType, bool AFullResort, TSortKind ASortKind);

    int ColumnCount() const { return m_columnCount; }
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int CurrentColumn() const { return m_currentColumn; }
    int CurrentRow() const { return m_currentRow; }
    /// The rows that are both visible and shown.
    int VisibleRowCount() const { return m_visibleRowCount; }

    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int Value) { m_defaultRowHeight = Value; }

    bool Sorted() const { return m_sorted; }
    int SortedColumn() const { return m_sortedColumn; }
    TSortKind SortDirection() const { return m_sortDirection; }

    CellGrid* Grid() const { return m_grid; }
    CellColumnList* Columns() const { return m_columns; }

    /// Seeds the pivot choice of the sort, so that a sort can be repeated exactly.
    void SetRandomSeed(quint32 Seed) { m_random.seed(Seed); }

    TCellChangeEvent OnCellChange;
    TCellCompareEvent OnCellCompare;

protected:
    /// Fires OnCellChange when assigned; the order is no longer sorted in any case.
    virtual void DoCellChange(int ACol, int ARow);
    /// Fires OnCellCompare when assigned; Result stays as passed otherwise.
    virtual void DoCellCompare(TCell* Cell1, TCell* Cell2, int& Result);

private:
    friend class TCell;
    using CellList = std::vector<std::unique_ptr<TCell>>;

    std::unique_ptr<TCell> MakeCell(CellMaker Maker, int ColumnIndex);
    CellColumn* CollectionColumn(int Index) const;
    void CheckColumn(int Index) const;
    void CheckRow(int Index) const;
    void FreeRows();
    /// Sets Shown or Visible; the row counts as shown exactly while both are set.
    void SetRowFlag(int Index, bool TRow::*Flag, bool Value);
    void ReverseRows();
    template <class Order> void QuickSort(int ACol, int Lo, int Hi, const Order& order);
    template <class Order> int Partition(int ACol, int Lo, int Hi, const Order& order);
    static bool Counts(const TRow& Row) { return Row.m_visible && Row.m_shown; }

    CellGrid* m_grid;
    CellColumnList* m_columns;
    std::array<CellList, MaxColumns> m_cells;
    int m_columnCount = 0;
    std::vector<std::unique_ptr<TRow>> m_rows;
    int m_currentColumn = 0;
    int m_currentRow = 0;
    int m_defaultRowHeight = 0;
    bool m_sorted = false;
    int m_sortedColumn = 0;
    TSortKind m_sortDirection = TSortKind::skAscending;
    int m_visibleRowCount = 0;
    QRandomGenerator m_random;
};

} // namespace grid
