#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Rect.h"
#include "platform/TColor.h"

#include <QString>
#include <type_traits>

// Drawing procedures of the grid library.
namespace grid {

/// Clips the canvas to exactly the rectangle.
void SetClipRect(platform::TCanvas& Canvas, const platform::TRect& R);

/// Fills the rectangle shrunk by one pixel with clBtnFace and frames the rectangle 3-D: clBtnHighlight
/// top-left, bottom-right clWindowFrame when Dark, else clBtnShadow.
void DrawButtonFace(platform::TCanvas& Canvas, const platform::TRect& R, bool Dark);

/// Solid: a clHighlight frame; otherwise the dotted focus rectangle.
void DrawFocusFrame(platform::TCanvas& Canvas, const platform::TRect& R, bool Solid);

/// One line of text, vertically centred, cut with an end ellipsis, aligned by Alignment (0 left, 1 right,
/// 2 centre), right-to-left reading when asked; the brush is clear while drawing and solid after.
void DrawTextRect(platform::TCanvas& Canvas, const platform::TRect& R, const QString& Text, int Alignment,
                  bool RightToLeft);

template <typename TAlign>
requires std::is_enum_v<TAlign>
void DrawTextRect(platform::TCanvas& Canvas, const platform::TRect& R, const QString& Text, TAlign Alignment,
                  bool RightToLeft) {
    DrawTextRect(Canvas, R, Text, static_cast<int>(Alignment), RightToLeft);
}

/// The text turned 90 degrees counter-clockwise, reading upwards from the bottom of the rectangle, in the
/// system code page.
void DrawVerticalText(platform::TCanvas& Canvas, const platform::TRect& R, const QString& Text);

/// Draws a 32-bit bitmap with its per-pixel alpha over what the canvas shows at (X, Y) (BlendColor of source
/// and background by the source's alpha byte); any other bitmap is drawn plainly.
void DrawAlphaBitmap(platform::TCanvas& Canvas, int X, int Y, const platform::TBitmap& Bitmap);

/// One horizontal line per pixel row from C1 at the top towards C2 (MixColor by (y - Top) / height).
void GradientFillVertical(platform::TCanvas& Canvas, const platform::TRect& R, platform::TColor C1,
                          platform::TColor C2);

} // namespace grid
