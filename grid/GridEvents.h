#pragma once

#include "grid/GridTypes.h"
#include "platform/ControlTypes.h"
#include "platform/Rect.h"
#include "platform/TColor.h"

#include <QString>
#include <functional>

class QObject;

// The event types of the grid. Each event fires only when assigned; a veto parameter (Accept,
// DefaultDrawing) is preset true before the handler runs.
namespace grid {

using platform::TNotifyEvent;

/// (Sender, ACol, ARow): something happened to one cell.
using TCellEvent = std::function<void(QObject* Sender, int ACol, int ARow)>;
/// (Sender, ACol, ARow): a cell value changed in the storage.
using TChangeEvent = std::function<void(QObject* Sender, int ACol, int ARow)>;
/// (Sender, ACol): something happened to one column.
using TColumnEvent = std::function<void(QObject* Sender, int ACol)>;
/// (Sender, ACol): a header or footer was clicked.
using THeaderClickEvent = std::function<void(QObject* Sender, int ACol)>;
/// (Sender, ACol): a column's width changed.
using TColumnResizeEvent = std::function<void(QObject* Sender, int ACol)>;
/// (Sender, ACol, FromPos, ToPos): a column moved on screen.
using TColumnMoveEvent = std::function<void(QObject* Sender, int ACol, int FromPos, int ToPos)>;
/// (Sender, ACol, ARow, Value): an edited value (taken, or typed into the editor).
using TEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)>;
/// (Sender, ACol, ARow, var Value): the text an editor starts with.
using TApplyEditText = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
/// (Sender, ACol, ARow, var Value): a cell's display text before it is painted or measured.
using TApplyCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
/// (Sender, ACol, ARow, var Value): the value about to be written by an edit.
using TEditTextEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
/// (Sender, ACol, ARow, var Value): a cell's hint text.
using TCellHintEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
/// (Sender, ACol, ARow, var Accept): before a cell is edited or selected.
using TBeforeEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& Accept)>;
/// (Sender, ACol, ARow, Value, var Accept): before an edited value is taken.
using TEditAcceptEvent =
    std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value, bool& Accept)>;
/// (Sender, ACol, ARow, var CellColor, var GridColor, CellState): the colours of a cell about to be painted.
using TCellColoringEvent =
    std::function<void(QObject* Sender, int ACol, int ARow, platform::TColor& CellColor,
                       platform::TColor& GridColor, TCellState CellState)>;
/// (Sender, ACol, ARow, CellRect, CellState): custom drawing of a cell's interior.
using TCustomDrawCellEvent = std::function<void(QObject* Sender, int ACol, int ARow,
                                                const platform::TRect& CellRect, TCellState CellState)>;
/// (Sender, ACol, ARow, CellRect, CellState, var DefaultDrawing): before a cell's background is filled.
using TDrawCellBackgroundEvent =
    std::function<void(QObject* Sender, int ACol, int ARow, const platform::TRect& CellRect,
                       TCellState CellState, bool& DefaultDrawing)>;
/// (Sender, Index, var SlideColor, var GridColor, SlideState): the colours of a slide about to be painted.
using TSlideColoringEvent = std::function<void(QObject* Sender, int Index, platform::TColor& SlideColor,
                                               platform::TColor& GridColor, TSlideState SlideState)>;
/// (Sender, Index, Height): a row's height was set.
using TChangeRowHeightEvent = std::function<void(QObject* Sender, int Index, int Height)>;
/// (Sender, Index, var RowHeight): the height of a row is asked for.
using TMeasuringRowHeightEvent = std::function<void(QObject* Sender, int Index, int& RowHeight)>;
/// (Sender, ACol, var Value): a footer's value is calculated.
using TFooterCalculateEvent = std::function<void(QObject* Sender, int ACol, double& Value)>;
/// (Sender, ACol, var Value): the value of a footer with a custom formula, given its start value.
using TColumnFooterValueEvent = std::function<void(QObject* Sender, int ACol, double& Value)>;
/// (Sender, var Accept): before the input line becomes a new row.
using TInputAcceptEvent = std::function<void(QObject* Sender, bool& Accept)>;
/// (Sender, FromPos, ToPos, var Accept): before a row is moved with the mouse.
using TRowMoveEvent = std::function<void(QObject* Sender, int FromPos, int ToPos, bool& Accept)>;
/// (Sender, FromPos, ToPos): after a row was moved with the mouse.
using TAfterRowMoveEvent = std::function<void(QObject* Sender, int FromPos, int ToPos)>;
/// (Sender, ACol, Ascending): a column asks to be sorted.
using TSortColumnEvent = std::function<void(QObject* Sender, int ACol, bool Ascending)>;

} // namespace grid
