#pragma once

#include "grid/ColumnTypes.h"
#include "platform/Rect.h"
#include "platform/TColor.h"

class QWidget;

namespace platform {
class TFont;
}

// What the column collection and its columns ask of the grid that owns them. The grid engine implements
// it; the collection never owns what it reaches through it.
namespace grid {

class TDgCustomColumn;

class ColumnsGrid {
public:
    // ---- notifications (the grid's ColumnChanged, ColumnsChanged and the re-layout after them) ----

    /// A column property changed; Param is -1 unless the code says otherwise.
    virtual void ColumnChanged(TDgCustomColumn* Column, ColumnChange Code, int Param) = 0;
    /// A column was added or deleted (Index: its index in the collection, -1 for an addition); the grid
    /// passes it on to its cell store.
    virtual void ColumnsChanged(ColumnsChange Kind, int Constant, int Index, int Param) = 0;
    /// Follows ColumnsChanged once the collection has re-placed its columns.
    virtual void ColumnsRelayout(ColumnsChange Kind, int Constant, int Index, int Param) = 0;
    /// Repaints one band of a column.
    virtual void RefreshColumnPart(TDgCustomColumn* Column, ColumnBand Part) = 0;
    /// A display detail of a column changed (a part's caption, colour or alignment, the wrap kind, the
    /// slide caption); Part is the band it shows in. Without more to do, the band repaints.
    virtual void ColumnPartChanged(TDgCustomColumn* Column, ColumnBand Part) {
        RefreshColumnPart(Column, Part);
    }

    // ---- geometry ----

    /// The width the columns may fill: the client width, less the indicator column in report style.
    virtual int GetColumnsAreaWidth() const = 0;
    /// The left edge of the cells band: the indicator column's width when it is shown in report style.
    virtual int CellsBandLeft() const = 0;
    virtual int HorzScrollPosition() const = 0;
    virtual platform::TRect GetHeaderRect() const = 0;
    virtual platform::TRect GetFooterRect() const = 0;
    virtual platform::TRect GetInputRect() const = 0;

    // ---- state ----

    virtual int SelectedColumn() const = 0;
    /// The column whose header is pressed, nullptr when none.
    virtual const TDgCustomColumn* DownColumn() const = 0;
    /// The column whose header is under the mouse, nullptr when none.
    virtual const TDgCustomColumn* HoverColumn() const = 0;
    virtual const platform::TFont& GridFont() const = 0;
    /// The grid's background colour (its Color).
    virtual platform::TColor GridColor() const = 0;
    /// The widget the columns' displays paint on and open theme data for.
    virtual QWidget* GridWidget() const = 0;
    /// The grid is being built from its description; columns are not re-placed meanwhile.
    virtual bool IsGridLoading() const = 0;
    /// The grid is edited in a designer (never in the program itself).
    virtual bool IsGridDesigning() const { return false; }
    /// The grid is being freed: departing columns neither re-place the others nor re-lay out the grid.
    virtual bool IsGridDestroying() const = 0;

protected:
    ~ColumnsGrid() = default;
};

} // namespace grid
