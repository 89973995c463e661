#pragma once

#include "platform/Canvas.h"
#include "platform/Rect.h"
#include "platform/TColor.h"

#include <QString>
#include <type_traits>

class QWidget;

// Visual-style switch, geometry and colour helpers of the grid library.
namespace grid {

/// Whether visual styles are active; without them every control paints its classic look.
bool IsThemed();

/// Paints a part of a theme class ("header", "spin", "edit", "button") in state State into the rectangle.
/// Call it only when IsThemed() is true.
void DrawThemedBackground(const QWidget* Window, platform::TCanvas& Canvas, const platform::TRect& R,
                          const QString& ThemeClass, int Part, int State);

/// True unless one rectangle lies wholly left, right, above or below the other; rectangles whose edges
/// touch count as overlapping.
bool RectsIntersect(const platform::TRect& R1, const platform::TRect& R2);

/// Top-left corner of a W x H box in R. HAlign 0 left (R.Left + M), 1 right (R.Right - (M + W)), 2 centred
/// (no margin); VAlign 0 top, 1 bottom, 2 centred, likewise. The codes are those of the alignment enums.
platform::TPoint AlignBoxInRect(int W, int H, int HAlign, int VAlign, const platform::TRect& R, int M);

/// AlignBoxInRect with the alignment enumerations (horizontal: left, right, centre; vertical: top,
/// bottom, centre).
template <typename THorz, typename TVert>
requires std::is_enum_v<THorz> && std::is_enum_v<TVert> platform::TPoint
AlignBoxInRect(int W, int H, THorz HAlign, TVert VAlign, const platform::TRect& R, int M) {
    return AlignBoxInRect(W, H, static_cast<int>(HAlign), static_cast<int>(VAlign), R, M);
}

/// The rectangle with each edge moved by its own offset.
platform::TRect OffsetRectBy(const platform::TRect& R, int DLeft, int DTop, int DRight, int DBottom);

/// Integer alpha mix, per channel (C1 x Alpha + C2 x (255 - Alpha)) / 256 (so Alpha 255 gives C1 x 255 /
/// 256). System colours are resolved first. Alpha outside 0..255 throws EAssertionFailed.
platform::TColor BlendColor(platform::TColor C1, platform::TColor C2, int Alpha);

/// Rounded linear mix, per channel the nearest integer (halves to even) to C2 x Factor + C1 x (1 - Factor).
/// Factor 0 gives C1, 1 gives C2; a factor outside 0..1 (or NaN) is taken as the nearer end.
platform::TColor MixColor(platform::TColor C1, platform::TColor C2, double Factor);

/// True when P1 lies more than D pixels from P2 in x or in y.
bool IsDragDistance(const platform::TPoint& P1, const platform::TPoint& P2, int D);

} // namespace grid
