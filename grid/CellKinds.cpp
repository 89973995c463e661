#include "grid/CellKinds.h"

#include "grid/DgCellClasses.h"
#include "grid/DgVirtualColumn.h"

namespace grid {

CellClass CellClassFor(std::uint8_t Kind, CellMaker Maker) {
    switch (Kind) {
    case 0:
        // Appending makes row numbers; inserting makes plain integers (showing 0).
        return Maker == CellMaker::InsertColumn || Maker == CellMaker::InsertRow ? CellClass::Integer
                                                                                 : CellClass::Increment;
    case 1:
        return CellClass::Boolean;
    case 3:
        return CellClass::DateTime;
    case 4:
        return CellClass::Float;
    case 6:
        // Child rows and inserted rows get text cells; the other makers make GUIDs.
        return Maker == CellMaker::CreateCell || Maker == CellMaker::InsertRow ? CellClass::String
                                                                               : CellClass::Guid;
    case 7:
        return CellClass::Integer;
    case 11:
        return CellClass::Virtual;
    default:
        return CellClass::String;
    }
}

std::unique_ptr<TCell> NewCell(CellClass Class, TCells* AOwner, CellColumn* AColumn) {
    switch (Class) {
    case CellClass::Boolean:
        return std::make_unique<TBooleanCell>(AOwner);
    case CellClass::DateTime:
        return std::make_unique<TDateTimeCell>(AOwner);
    case CellClass::Float:
        return std::make_unique<TFloatCell>(AOwner);
    case CellClass::Integer:
        return std::make_unique<TIntegerCell>(AOwner);
    case CellClass::Increment:
        return std::make_unique<TIncrementCell>(AOwner);
    case CellClass::Guid:
        return std::make_unique<TGuidCell>(AOwner);
    case CellClass::Virtual:
        return std::make_unique<TVirtualCell>(AOwner, AColumn);
    case CellClass::String:
        break;
    }
    return std::make_unique<TStringCell>(AOwner);
}

} // namespace grid
