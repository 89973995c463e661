#pragma once

#include <QPoint>
#include <QRect>

namespace platform {

/// A point in client or screen co-ordinates.
using TPoint = QPoint;

/// A rectangle with exclusive right and bottom edges: (0, 0, 10, 5) covers the pixels x 0..9, y 0..4.
/// Never convert through QRect::right()/bottom(), which are inclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr TRect() = default;
    constexpr TRect(int left, int top, int right, int bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom) {}

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    /// No pixel inside (zero or negative width or height).
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr TPoint TopLeft() const { return TPoint(Left, Top); }
    constexpr TPoint BottomRight() const { return TPoint(Right, Bottom); }
    /// The point lies inside (left and top edges included, right and bottom excluded).
    constexpr bool Contains(const TPoint& p) const {
        return p.x() >= Left && p.x() < Right && p.y() >= Top && p.y() < Bottom;
    }

    /// The same pixels as a QRect.
    constexpr QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    /// The rectangle of a QRect's pixels.
    static constexpr TRect fromQRect(const QRect& r) {
        return TRect(r.x(), r.y(), r.x() + r.width(), r.y() + r.height());
    }

    constexpr bool operator==(const TRect&) const = default;
};

/// A rectangle from its left-top corner and size.
constexpr TRect Bounds(int left, int top, int width, int height) {
    return TRect(left, top, left + width, top + height);
}

/// The rectangle moved by (dx, dy).
constexpr TRect OffsetRect(const TRect& r, int dx, int dy) {
    return TRect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

/// The rectangle grown by dx on the left and right and dy at the top and bottom (negative shrinks).
constexpr TRect InflateRect(const TRect& r, int dx, int dy) {
    return TRect(r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy);
}

/// The common pixels of two rectangles; an empty (0, 0, 0, 0) rectangle when they share none.
constexpr TRect IntersectRect(const TRect& a, const TRect& b) {
    const TRect r(a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
                  a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom);
    return r.IsEmpty() ? TRect() : r;
}

} // namespace platform
