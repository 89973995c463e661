#pragma once

#include "platform/Rect.h"
#include "platform/TColor.h"

#include <QString>

class QWidget;

namespace platform {

class TCanvas;

/// Whether visual styles are active: our own switch, on unless turned off. Themed painting goes
/// through the widget's QStyle; with the switch off every control paints its classic look.
bool IsThemeActive();
/// Turns visual styles on or off (tests pin it and try both looks).
void SetThemeActive(bool active);

/// Theme classes, parts and states used by the grid library.
namespace theme {
// "header": header item, left header item; states normal, hot, pressed.
constexpr int HP_HEADERITEM = 1;
constexpr int HP_HEADERITEMLEFT = 2;
constexpr int HIS_NORMAL = 1;
constexpr int HIS_HOT = 2;
constexpr int HIS_PRESSED = 3;
// "spin": up and down button; states normal, hot, pressed, disabled.
constexpr int SPNP_UP = 1;
constexpr int SPNP_DOWN = 2;
constexpr int UPS_NORMAL = 1;
constexpr int UPS_HOT = 2;
constexpr int UPS_PRESSED = 3;
constexpr int UPS_DISABLED = 4;
// "edit": the edit field's border.
constexpr int EP_EDITTEXT = 1;
// "button": the check box; states 1..8 unchecked/checked in normal, hot, pressed, disabled.
constexpr int BP_CHECKBOX = 3;
constexpr int CBS_UNCHECKEDNORMAL = 1;
constexpr int CBS_UNCHECKEDHOT = 2;
constexpr int CBS_UNCHECKEDPRESSED = 3;
constexpr int CBS_UNCHECKEDDISABLED = 4;
constexpr int CBS_CHECKEDNORMAL = 5;
constexpr int CBS_CHECKEDHOT = 6;
constexpr int CBS_CHECKEDPRESSED = 7;
constexpr int CBS_CHECKEDDISABLED = 8;
} // namespace theme

/// Paints a part of a theme class ("header", "spin", "edit", "button"; case-insensitive) in the rectangle
/// through the widget's style. Unknown classes or parts paint nothing.
void DrawThemeBackground(const QWidget* widget, TCanvas& canvas, const TRect& rect, const QString& themeClass,
                         int part, int state);

/// Classic 3-D edges.
enum : unsigned {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
};

/// A one-pixel 3-D frame on the rectangle: the top row and left column (without the far corners) in
/// TopColor, the bottom row and right column in BottomColor.
void Frame3D(TCanvas& canvas, const TRect& rect, TColor topColor, TColor bottomColor);

/// Draws a classic edge of one or two pixels around the rectangle; returns the rectangle inside it.
TRect DrawEdge(TCanvas& canvas, const TRect& rect, unsigned edge);

/// Classic frame-control states of a scroll arrow button.
enum : unsigned {
    DFCS_SCROLLUP = 0x0,
    DFCS_SCROLLDOWN = 0x1,
    DFCS_SCROLLLEFT = 0x2,
    DFCS_SCROLLRIGHT = 0x3,
    DFCS_ADJUSTRECT = 0x2000,
    DFCS_INACTIVE = 0x100,
    DFCS_PUSHED = 0x200,
    DFCS_FLAT = 0x4000,
};

/// A classic scroll arrow button: raised 3-D frame (a flat shadow frame when pushed, the arrow moved by
/// one pixel), button face and a black arrow (embossed grey when inactive). With DFCS_ADJUSTRECT the
/// rectangle is shrunk to the area inside the frame.
void DrawFrameControlScroll(TCanvas& canvas, TRect& rect, unsigned state);

} // namespace platform
