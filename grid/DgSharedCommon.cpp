#include "grid/DgSharedCommon.h"

#include "platform/Assert.h"
#include "platform/Colors.h"
#include "platform/Rounding.h"
#include "platform/Themes.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace grid {

using platform::TColor;
using platform::TPoint;
using platform::TRect;

bool IsThemed() {
    return platform::IsThemeActive();
}

void DrawThemedBackground(const QWidget* Window, platform::TCanvas& Canvas, const TRect& R,
                          const QString& ThemeClass, int Part, int State) {
    platform::DrawThemeBackground(Window, Canvas, R, ThemeClass, Part, State);
}

bool RectsIntersect(const TRect& R1, const TRect& R2) {
    return !(R1.Right < R2.Left || R1.Left > R2.Right || R1.Bottom < R2.Top || R1.Top > R2.Bottom);
}

namespace {

// One axis of AlignBoxInRect: 0 at the low edge plus the margin, 1 at the high edge less margin and size,
// anything else centred without margin.
int alignOnAxis(int code, int low, int high, int size, int margin) {
    switch (code) {
    case 0:
        return low + margin;
    case 1:
        return high - (margin + size);
    default:
        return low + (high - low) / 2 - size / 2;
    }
}

} // namespace

TPoint AlignBoxInRect(int W, int H, int HAlign, int VAlign, const TRect& R, int M) {
    return TPoint(alignOnAxis(HAlign, R.Left, R.Right, W, M), alignOnAxis(VAlign, R.Top, R.Bottom, H, M));
}

TRect OffsetRectBy(const TRect& R, int DLeft, int DTop, int DRight, int DBottom) {
    return TRect(R.Left + DLeft, R.Top + DTop, R.Right + DRight, R.Bottom + DBottom);
}

TColor BlendColor(TColor C1, TColor C2, int Alpha) {
    platform::Assert(Alpha >= 0 && Alpha <= 255);
    const auto c1 = static_cast<std::uint32_t>(platform::ColorToRGB(C1));
    const auto c2 = static_cast<std::uint32_t>(platform::ColorToRGB(C2));
    const auto a = static_cast<std::uint32_t>(Alpha);
    // Red and blue share one multiplication: each product stays within its own 16 bits.
    const std::uint32_t rb = (((c1 & 0xFF00FFu) * a + (c2 & 0xFF00FFu) * (255u - a)) >> 8) & 0xFF00FFu;
    const std::uint32_t g = (((c1 & 0x00FF00u) * a + (c2 & 0x00FF00u) * (255u - a)) >> 8) & 0x00FF00u;
    return static_cast<TColor>(rb | g);
}

TColor MixColor(TColor C1, TColor C2, double Factor) {
    if (!(Factor > 0)) // also NaN
        Factor = 0;
    if (Factor > 1)
        Factor = 1;
    const TColor a = platform::ColorToRGB(C1);
    const TColor b = platform::ColorToRGB(C2);
    auto mix = [Factor](int x, int y) {
        return static_cast<int>(platform::Round(y * Factor + x * (1 - Factor)));
    };
    return platform::RGB(mix(platform::GetRValue(a), platform::GetRValue(b)),
                         mix(platform::GetGValue(a), platform::GetGValue(b)),
                         mix(platform::GetBValue(a), platform::GetBValue(b)));
}

bool IsDragDistance(const TPoint& P1, const TPoint& P2, int D) {
    return std::abs(P1.x() - P2.x()) > D || std::abs(P1.y() - P2.y()) > D;
}

} // namespace grid
