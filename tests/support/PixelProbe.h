#pragma once

#include "platform/Colors.h"

#include <QImage>
#include <QRect>
#include <QStringList>

// Pixel checks of the painting tests.
namespace pixelprobe {

/// A white RGB image to paint on.
inline QImage whiteImage(int w = 20, int h = 20) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

/// The colour of a pixel as a TColor.
inline platform::TColor at(const QImage& image, int x, int y) {
    return platform::fromQColor(QColor::fromRgb(image.pixel(x, y)));
}

/// The non-white pixels as "x,y", row by row, for exact shape checks.
inline QStringList inked(const QImage& image) {
    QStringList out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                out << QStringLiteral("%1,%2").arg(x).arg(y);
    return out;
}

/// The bounding box of the non-white pixels.
inline QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace pixelprobe
