#pragma once

#include "grid/ColumnTypes.h"
#include "platform/Canvas.h"
#include "platform/Keys.h"
#include "platform/Rect.h"
#include "platform/TColor.h"

#include <QSize>
#include <QString>
#include <functional>

class QWidget;

// The per-cell helpers of a column: its display paints a cell, its play takes a cell's mouse and key
// input. The grid loads one cell's data into them before each use.
namespace grid {

class TDgCustomColumn;

/// What displays and plays share: the value and place of the cell the grid loaded last.
class TVirtualColElement {
public:
    explicit TVirtualColElement(TDgCustomColumn* AOwner) : Column(AOwner) {}
    virtual ~TVirtualColElement() = default;
    TVirtualColElement(const TVirtualColElement&) = delete;
    TVirtualColElement& operator=(const TVirtualColElement&) = delete;

    // The cell value: the member that matches the column kind is filled.
    bool AsBoolean = false;
    platform::TDateTime AsDateTime = 0;
    double AsFloat = 0;
    int AsInteger = 0;
    QString AsString;
    /// The nesting level of the cell's row.
    int Level = 0;

    /// The grid's canvas; only valid while the grid paints or measures.
    platform::TCanvas* Canvas = nullptr;
    /// The cell rectangle in client co-ordinates.
    platform::TRect ClientRect;
    /// The owner, set at creation.
    TDgCustomColumn* const Column;
    /// The grid's widget: the window theme data is drawn for and repaints are asked of.
    QWidget* Widget = nullptr;

protected:
    /// The column's alignments as AlignBoxInRect takes them.
    int HorizontalCode() const;
    int VerticalCode() const;
};

/// The cell painter of a column.
class TColumnDisplay : public TVirtualColElement {
public:
    using TVirtualColElement::TVirtualColElement;

    int Col = 0;
    int Row = 0;
    /// The cell is drawn selected (highlighted).
    bool Selected = false;
    /// The cell is the grid's selected cell.
    bool FocusedCell = false;
    /// The text colour of highlighted cells.
    platform::TColor HighlightedTextColor = platform::clHighlightText;

    /// ClientRect narrowed by 2 pixels on the left and right.
    virtual void GetTextRect(platform::TRect& Rect) const;
    /// Draws a text in the rectangle with the column's text flags (ellipsis allowed).
    virtual void DrawText(const QString& Text, const platform::TRect& Rect);
    /// The red corner triangle of a cell with a hint.
    virtual void DrawHintMark();
    /// The width part of GetContentSize.
    virtual int GetContentWidth();
    /// The size that AsString needs in the text rectangle (measured without ellipsis).
    virtual void GetContentSize(QSize& Size);
    /// Paints the cell content.
    virtual void Paint() = 0;

    /// Fills ClientRect with Color, or only frames it when Fill is false.
    void FillCellBackground(platform::TColor Color, bool Fill);

    /// The DrawText flags of the column for a text in Rect; a multi-line text that is not top-aligned
    /// moves Rect's top so that the lines stand at the bottom or in the middle.
    unsigned TextFlags(const QString& Text, platform::TRect& Rect, bool AllowEllipsis);

    /// The grid's canvas, or for measuring without one the column's font on no device.
    platform::TCanvas& MeasureCanvas();

private:
    platform::TCanvas m_measureCanvas;
};

/// The cell mouse and key handler of a column.
class TColumnPlay : public TVirtualColElement {
public:
    using TVirtualColElement::TVirtualColElement;

    int Col = 0;
    int Row = 0;
    void SetCol(int Value) { Col = Value; }
    void SetRow(int Value) { Row = Value; }

    /// Fired when the play changed its value; the grid writes it into the cell.
    std::function<void(TColumnPlay* Sender)> OnChange;
    /// Fired by plays that expand or collapse a row.
    std::function<void(TColumnPlay* Sender)> OnToggleExpanded;

    // X and Y are relative to the cell's top-left corner.
    virtual void KeyPress(QChar& Key);
    virtual void MouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    virtual void MouseMove(platform::TShiftState Shift, int X, int Y);
    virtual void MouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    /// Takes the display's boolean and has the cell repainted.
    virtual void Refresh();

protected:
    void DoChange();
};

} // namespace grid
