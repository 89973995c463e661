#include "platform/Bitmap.h"

#include "platform/Colors.h"

namespace platform {

TBitmap::TBitmap(const QImage& image) {
    Assign(image);
}

void TBitmap::Assign(const QImage& image) {
    if (image.isNull())
        m_image = QImage();
    else
        m_image =
            image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

void TBitmap::SetSize(int width, int height) {
    m_image = QImage(width, height, QImage::Format_RGB32);
    m_image.fill(Qt::white);
}

TColor TBitmap::TransparentColor() const {
    if (Empty())
        return clNone;
    return fromQColor(QColor::fromRgb(m_image.pixel(0, m_image.height() - 1)));
}

} // namespace platform
