#pragma once

#include <cstdint>
#include <memory>

// Which cell class the store makes for a column, by the column's kind byte.
namespace grid {

class CellColumn;
class TCell;
class TCells;

/// The five places that make cells; they disagree on the column kinds 0 and 6.
enum class CellMaker { CreateCell, AddColumn, AddRows, InsertColumn, InsertRow };

/// The cell classes of the store.
enum class CellClass { Boolean, DateTime, Float, Integer, String, Increment, Guid, Virtual };

/// The class that Maker chooses for a column of kind Kind (text 8, check box 1, number 4).
CellClass CellClassFor(std::uint8_t Kind, CellMaker Maker);

/// A new cell of class Class owned by AOwner, still marked as being built; a virtual cell is bound
/// to AColumn.
std::unique_ptr<TCell> NewCell(CellClass Class, TCells* AOwner, CellColumn* AColumn);

} // namespace grid
