#include "grid/DgDisplays.h"

#include "grid/DgCustomColumn.h"
#include "grid/DgSharedCommon.h"
#include "platform/Themes.h"
#include "platform/ValueText.h"

namespace grid {

using namespace platform;

namespace {

/// The top-left corner of a check box placed in Rect by the column's alignments.
TPoint placeCheckBox(const TDgCustomColumn& column, const TRect& rect, int size) {
    return AlignBoxInRect(size, size, column.Alignment(), column.VerticalAlignment(), rect, 2);
}

/// The themed check-box state: normal, hot or pressed, unchecked or checked.
int checkBoxState(bool checked, bool hot, bool pressed) {
    using namespace theme;
    if (!hot)
        return checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL;
    if (checked)
        return pressed ? CBS_CHECKEDPRESSED : CBS_CHECKEDHOT;
    return pressed ? CBS_UNCHECKEDPRESSED : CBS_UNCHECKEDHOT;
}

} // namespace

int CheckBoxSize() {
    return IsThemed() ? 13 : 11;
}

TRect CheckBoxHitRect(const TDgCustomColumn& Column, const TRect& CellRect) {
    const TRect cell = InflateRect(TRect(0, 0, CellRect.Width(), CellRect.Height()), 1, 1);
    const int size = CheckBoxSize();
    const TPoint at = placeCheckBox(Column, cell, size);
    return Bounds(at.x(), at.y(), size, size);
}

// ---- text and number displays ----

void TTextColumnDisplay::Paint() {
    TCellInfo info;
    info.AsString = AsString;
    QString text;
    Column->FormatValue(info, text);
    TRect rect;
    GetTextRect(rect);
    DrawText(text, rect);
}

void TNumberColumnDisplay::Paint() {
    TCellInfo info;
    info.AsFloat = AsFloat;
    info.AsString = AsString;
    QString text;
    Column->FormatValue(info, text);
    TRect rect;
    GetTextRect(rect);
    DrawText(text, rect);
}

// ---- check-box display ----

int TCheckBoxColumnDisplay::GetContentWidth() {
    return CheckBoxSize();
}

void TCheckBoxColumnDisplay::Paint() {
    DrawCheckBox(ClientRect, AsBoolean, false, false);
}

void TCheckBoxColumnDisplay::DrawCheckBox(const TRect& Rect, bool Checked, bool Hot, bool Pressed) {
    if (!Canvas)
        return;
    if (IsThemed()) {
        const TPoint at = placeCheckBox(*Column, Rect, 13);
        DrawThemedBackground(Widget, *Canvas, Bounds(at.x(), at.y(), 13, 13), QStringLiteral("Button"),
                             theme::BP_CHECKBOX, checkBoxState(Checked, Hot, Pressed));
        return;
    }
    const TPoint at = placeCheckBox(*Column, Rect, 11);
    const int x = at.x();
    const int y = at.y();
    Canvas->Brush.Style = TBrushStyle::bsSolid;
    Canvas->Brush.Color = Pressed ? clBtnFace : clWindow;
    Canvas->Pen.Color = clBtnShadow;
    Canvas->Rectangle(x, y, x + 11, y + 11);
    Canvas->Pen.Color = clWindowText;
    if (Checked) {
        // The tick: three parallel strokes, each down to the right and then up.
        for (int i = 0; i < 3; ++i)
            Canvas->Polyline({TPoint(x + 2, y + 4 + i), TPoint(x + 4, y + 6 + i), TPoint(x + 9, y + 1 + i)});
    }
}

// ---- check-box play ----

void TCheckBoxColumnPlay::Toggle() {
    AsBoolean = !AsBoolean;
    AsString = BoolToStr(AsBoolean);
    DoChange();
}

void TCheckBoxColumnPlay::KeyPress(QChar& Key) {
    if (Key == QLatin1Char(' '))
        Toggle();
}

void TCheckBoxColumnPlay::MouseUp(TMouseButton, TShiftState, int X, int Y) {
    if (CheckBoxHitRect(*Column, ClientRect).Contains(TPoint(X, Y)))
        Toggle();
}

} // namespace grid
