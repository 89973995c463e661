#pragma once

#include "platform/TColor.h"

#include <QImage>

namespace platform {

/// An off-screen picture: a glyph, an icon or a buffer. 32-bit bitmaps carry a straight (not
/// premultiplied) alpha byte; every other bitmap is plain RGB.
class TBitmap {
public:
    TBitmap() = default;
    /// Takes the picture; images with an alpha channel become 32-bit bitmaps.
    explicit TBitmap(const QImage& image);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    bool Empty() const { return m_image.isNull() || m_image.width() == 0 || m_image.height() == 0; }
    /// True for a bitmap with an alpha byte per pixel.
    bool Is32Bit() const { return m_image.format() == QImage::Format_ARGB32; }

    /// The picture (Format_ARGB32 for 32-bit bitmaps, Format_RGB32 otherwise).
    const QImage& Image() const { return m_image; }
    QImage& Image() { return m_image; }
    /// Replaces the picture as the constructor does.
    void Assign(const QImage& image);
    /// A plain bitmap of the size, filled white.
    void SetSize(int width, int height);

    /// Drawn with its transparent colour left out.
    bool Transparent = false;
    /// The colour left out when Transparent: the bottom-left pixel; clNone for an empty bitmap.
    TColor TransparentColor() const;

private:
    QImage m_image;
};

} // namespace platform
