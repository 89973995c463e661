#pragma once

#include "grid/DgColumnElements.h"

// The cell painters of the text, number and check-box columns and the check-box play.
namespace grid {

/// Side of the check box: 13 pixels with visual styles, 11 in the classic look.
int CheckBoxSize();

/// Where the check box of a cell lies, relative to the cell's top-left corner: the cell moved to the
/// origin and grown by one pixel on every side, the box placed in it by the column's alignments with a
/// margin of 2.
platform::TRect CheckBoxHitRect(const TDgCustomColumn& Column, const platform::TRect& CellRect);

/// Text cells: the column's formatted value, aligned, clipped or wrapped.
class TTextColumnDisplay : public TColumnDisplay {
public:
    using TColumnDisplay::TColumnDisplay;
    void Paint() override;
};

/// Number cells: the value through the column's number formatting.
class TNumberColumnDisplay : public TColumnDisplay {
public:
    using TColumnDisplay::TColumnDisplay;
    void Paint() override;
};

/// Check-box cells: a themed or classic check box.
class TCheckBoxColumnDisplay : public TColumnDisplay {
public:
    using TColumnDisplay::TColumnDisplay;
    /// The box's side instead of a text width.
    int GetContentWidth() override;
    void Paint() override;
    /// Draws the box placed in Rect by the column's alignments.
    virtual void DrawCheckBox(const platform::TRect& Rect, bool Checked, bool Hot, bool Pressed);
};

/// Toggles a check-box cell by a click in the box or by the space bar.
class TCheckBoxColumnPlay : public TColumnPlay {
public:
    using TColumnPlay::TColumnPlay;
    void KeyPress(QChar& Key) override;
    void MouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;

private:
    void Toggle();
};

} // namespace grid
