#pragma once

#include "platform/FontStyles.h"
#include "platform/TColor.h"

#include <QString>
#include <cstdint>

// What the cell store asks of the columns and of the grid it serves. The column collection and the
// grid implement these; the store never owns what it reaches through them.
namespace grid {

/// One column as the cell store sees it.
class CellColumn {
public:
    /// The column's kind byte: which cell class the store makes for it (text 8, check box 1, number 4).
    virtual std::uint8_t cellKind() const = 0;
    /// The style of the column's font, copied into every new cell.
    virtual platform::TFontStyles cellFontStyle() const = 0;
    /// The column's colour, copied into every new cell.
    virtual platform::TColor cellColor() const = 0;
    /// The text of a virtual cell (kind 11) at column ACol, row ARow; a column without its own
    /// values answers the empty text.
    virtual QString virtualCellText(int /*ACol*/, int /*ARow*/) const { return {}; }
    /// Stores the text of a virtual cell; a column without its own values ignores it.
    virtual void setVirtualCellText(int /*ACol*/, int /*ARow*/, const QString& /*Value*/) {}

protected:
    ~CellColumn() = default;
};

/// The column collection in index order, the order of the store's column lists.
class CellColumnList {
public:
    virtual int cellColumnCount() const = 0;
    /// The column at Index (0 .. cellColumnCount() - 1).
    virtual CellColumn* cellColumn(int Index) const = 0;

protected:
    ~CellColumnList() = default;
};

/// The grid that owns the store: it decides the colours a cell is drawn with.
class CellGrid {
public:
    /// The background colour of the cell at (ACol, ARow).
    virtual platform::TColor cellDrawColor(int ACol, int ARow) = 0;
    /// The text colour of the cell at (ACol, ARow).
    virtual platform::TColor cellTextColor(int ACol, int ARow) = 0;

protected:
    ~CellGrid() = default;
};

} // namespace grid
