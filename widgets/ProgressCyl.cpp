#include "widgets/ProgressCyl.h"

#include "platform/Colors.h"
#include "platform/Rounding.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace widgets {

using platform::TColor;

namespace {

// Depth of the shading from the edge of the cylinder to the line where the light falls.
int shadingDepth(TCylinderEffect effect) {
    switch (effect) {
    case TCylinderEffect::ceFlat:
        return 1;
    case TCylinderEffect::ceUltraLow:
        return 51;
    case TCylinderEffect::ceLow:
        return 102;
    case TCylinderEffect::ceMedium:
        return 153;
    case TCylinderEffect::ceHigh:
        return 204;
    case TCylinderEffect::ceMaximum:
        break;
    }
    return 255;
}

// Trunc that stays defined for any real a style can produce (huge, infinite or NaN values).
int truncBounded(double value) {
    if (!(value == value))
        return 0;
    return static_cast<int>(platform::Trunc(std::clamp(value, -1e9, 1e9)));
}

// One colour channel: truncated and clamped to 0..255.
int toChannel(double value) {
    if (!(value > 0))
        return 0;
    if (value >= 255)
        return 255;
    return static_cast<int>(platform::Trunc(value));
}

QRgb toRgb(TColor color) {
    const TColor c = platform::ColorToRGB(color);
    return qRgb(platform::GetRValue(c), platform::GetGValue(c), platform::GetBValue(c));
}

void setPixel(QImage& img, int x, int y, QRgb c) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height())
        reinterpret_cast<QRgb*>(img.scanLine(y))[x] = c;
}

// A one-pixel frame on the inside of the rectangle [left, right) x [top, bottom).
void frameRect(QImage& img, int left, int top, int right, int bottom, QRgb c) {
    if (right <= left || bottom <= top)
        return;
    for (int x = left; x < right; ++x) {
        setPixel(img, x, top, c);
        setPixel(img, x, bottom - 1, c);
    }
    for (int y = top; y < bottom; ++y) {
        setPixel(img, left, y, c);
        setPixel(img, right - 1, y, c);
    }
}

// A bevel of `width` rings inside [left, right) x [top, bottom): the top and left edges in one colour,
// the right and bottom edges (with the two corners they share with the others) in the other.
void frame3D(QImage& img, int left, int top, int right, int bottom, QRgb topLeft, QRgb bottomRight,
             int width) {
    for (int ring = 0; ring < width; ++ring) {
        const int l = left + ring, t = top + ring;
        const int r = right - 1 - ring, b = bottom - 1 - ring; // inclusive
        if (r < l || b < t)
            return;
        for (int y = t; y < b; ++y)
            setPixel(img, l, y, topLeft);
        for (int x = l; x < r; ++x)
            setPixel(img, x, t, topLeft);
        for (int y = t; y <= b; ++y)
            setPixel(img, r, y, bottomRight);
        for (int x = l; x <= r; ++x)
            setPixel(img, x, b, bottomRight);
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------

TPCColorStyle::TPCColorStyle(TProgressCyl* owner) : m_owner(owner) {}

template <typename T> void TPCColorStyle::assign(T& member, T value, bool refuseZero) {
    if (value == member || (refuseZero && value == 0))
        return;
    member = value;
    changed();
}

void TPCColorStyle::SetIntensityRGB(int value) {
    assign(m_intensityRGB, value, false);
}

void TPCColorStyle::SetIntensity(float value) {
    assign(m_intensity, value, true);
}

void TPCColorStyle::SetIntensityFactor(float value) {
    assign(m_intensityFactor, value, false);
}

void TPCColorStyle::SetRangeRGB(int value) {
    assign(m_rangeRGB, value, true);
}

void TPCColorStyle::SetColorRGB(int value) {
    assign(m_colorRGB, value, false);
}

void TPCColorStyle::SetColorFactor(float value) {
    assign(m_colorFactor, value, false);
}

void TPCColorStyle::SetLightAngle(float value) {
    assign(m_lightAngle, value, true);
}

void TPCColorStyle::Assign(const TPCColorStyle& source) {
    if (&source == this)
        return;
    m_intensityRGB = source.m_intensityRGB;
    m_intensity = source.m_intensity;
    m_intensityFactor = source.m_intensityFactor;
    m_rangeRGB = source.m_rangeRGB;
    m_colorRGB = source.m_colorRGB;
    m_colorFactor = source.m_colorFactor;
    m_lightAngle = source.m_lightAngle;
    changed();
}

void TPCColorStyle::changed() {
    if (m_owner)
        m_owner->styleChanged();
}

// ---------------------------------------------------------------------------------------------

TProgressCyl::TProgressCyl(QWidget* parent)
    : QWidget(parent), m_text(QStringLiteral("%")), m_fontShadowColor(platform::clBtnFace),
      m_foreLineColor(platform::clHighlight), m_backColor(platform::clBtnFace),
      m_foreStyle(std::make_unique<TPCColorStyle>(this)), m_backStyle(std::make_unique<TPCColorStyle>(this)),
      m_bevelColor(platform::clBtnFace), m_color(platform::clBtnFace) {
    // The off-screen picture covers every pixel, so Qt need not erase the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(9);
    f.setBold(true);
    setFont(f);
    resize(150, 22);
    recomputeGeometry();
    recomputeColors();
    refreshFill();
    m_updating = false;
    m_constructed = true;
}

TProgressCyl::~TProgressCyl() = default;

// --- range and position ------------------------------------------------------------------------

void TProgressCyl::SetMin(int value) {
    if (value == m_min)
        return;
    if (value == m_max)
        value = m_max - 1; // m_max > m_min >= INT_MIN, so this cannot overflow
    if (value >= m_max)
        return;
    m_min = value;
    rangeChanged();
}

void TProgressCyl::SetMax(int value) {
    if (value == m_max)
        return;
    if (value == m_min)
        value = m_min + 1; // m_min < m_max <= INT_MAX
    if (value <= m_min)
        return;
    m_max = value;
    rangeChanged();
}

void TProgressCyl::rangeChanged() {
    m_rangeRecip = 1.0 / (static_cast<double>(m_max) - m_min);
    const int pulled = std::clamp(m_position, m_min, m_max);
    const bool moved = pulled != m_position;
    m_position = pulled;
    applyFill(moved);
}

void TProgressCyl::SetPosition(int value) {
    const int clamped = std::clamp(value, m_min, m_max);
    const bool moved = clamped != m_position;
    // Stored even when the picture stays the same, so Position always reads back what was set.
    m_position = clamped;
    applyFill(moved);
}

TProgressCyl::Fill TProgressCyl::computeFill() const {
    const double done = static_cast<double>(m_position) - m_min;
    const double range = static_cast<double>(m_max) - m_min;
    Fill result;
    // 100 * done / range is exact whenever the true value is a half, so halves round to even.
    result.percent = static_cast<int>(platform::Round(100.0 * done / range));
    const double f = done * m_rangeRecip;
    const int b = m_inset;
    if (m_orientation == TProgressOrientation::pbHorizontal) {
        const auto span = platform::Round(width() * f) - platform::Round(2.0 * b * f);
        result.pos = std::max(b + static_cast<int>(span), b + 1);
    } else {
        const auto span = platform::Round(height() * f) - platform::Round(2.0 * b * f);
        result.pos = (height() - b) - static_cast<int>(span);
    }
    return result;
}

void TProgressCyl::refreshFill() {
    const Fill fill = computeFill();
    m_fillPos = fill.pos;
    m_percent = fill.percent;
}

void TProgressCyl::applyFill(bool positionMoved) {
    ensureGeometry();
    const Fill fill = computeFill();
    const bool pictureChanged = fill.pos != m_fillPos || fill.percent != m_percent;
    if (!pictureChanged && !positionMoved)
        return;
    m_fillPos = fill.pos;
    m_percent = fill.percent;
    // A move onto Max reports done even when the picture had already reached its end.
    if (m_position == m_max && OnProgressDone)
        OnProgressDone(this);
    if (pictureChanged)
        requestRepaint();
}

// --- simple properties -------------------------------------------------------------------------

void TProgressCyl::SetOrientation(TProgressOrientation value) {
    if (value == m_orientation)
        return;
    m_orientation = value;
    m_fontOrientation = value == TProgressOrientation::pbVertical ? TFontOrientation::foBottomToTop
                                                                  : TFontOrientation::foLeftToRight;
    geometryChanged();
}

template <typename T> void TProgressCyl::assignAndRepaint(T& member, const T& value) {
    if (value == member)
        return;
    member = value;
    requestRepaint();
}

void TProgressCyl::SetText(const QString& value) {
    assignAndRepaint(m_text, value);
}

void TProgressCyl::SetTextDone(const QString& value) {
    assignAndRepaint(m_textDone, value);
}

void TProgressCyl::SetShowText(bool value) {
    assignAndRepaint(m_showText, value);
}

void TProgressCyl::SetFontEffect(TFontEffect value) {
    assignAndRepaint(m_fontEffect, value);
}

void TProgressCyl::SetFontOrientation(TFontOrientation value) {
    assignAndRepaint(m_fontOrientation, value);
}

void TProgressCyl::SetCylinderEffect(TCylinderEffect value) {
    if (value == m_cylinderEffect)
        return;
    m_cylinderEffect = value;
    geometryChanged();
}

void TProgressCyl::setColorMember(TColor& member, TColor value) {
    if (value == member)
        return;
    member = value;
    recomputeColors();
    requestRepaint();
}

void TProgressCyl::SetFontShadowColor(TColor value) {
    setColorMember(m_fontShadowColor, value);
}
void TProgressCyl::SetFontColor(TColor value) {
    setColorMember(m_fontColor, value);
}
void TProgressCyl::SetForeColor(TColor value) {
    setColorMember(m_foreColor, value);
}
void TProgressCyl::SetForeLineColor(TColor value) {
    setColorMember(m_foreLineColor, value);
}
void TProgressCyl::SetBackColor(TColor value) {
    setColorMember(m_backColor, value);
}
void TProgressCyl::SetBackBorderColor(TColor value) {
    setColorMember(m_backBorderColor, value);
}
void TProgressCyl::SetBevelColor(TColor value) {
    setColorMember(m_bevelColor, value);
}
void TProgressCyl::SetColor(TColor value) {
    setColorMember(m_color, value);
}

// --- bevels and geometry -----------------------------------------------------------------------

bool TProgressCyl::geometryAccepts(int bevelWidth, int borderWidth) const {
    const int b = 2 * bevelWidth + borderWidth;
    return width() >= 1 && height() >= 1 && width() - 2 * b >= 1 && height() - 2 * b >= 1;
}

bool TProgressCyl::geometryValid() const {
    return width() >= 1 && height() >= 1 && m_barW >= 1 && m_barH >= 1;
}

void TProgressCyl::SetBevelInner(TBevelCut value) {
    if (value == m_bevelInner || !geometryAccepts(m_bevelWidth, m_borderWidth))
        return;
    m_bevelInner = value;
    recomputeColors();
    requestRepaint();
}

void TProgressCyl::SetBevelOuter(TBevelCut value) {
    if (value == m_bevelOuter || !geometryAccepts(m_bevelWidth, m_borderWidth))
        return;
    m_bevelOuter = value;
    recomputeColors();
    requestRepaint();
}

void TProgressCyl::SetBevelWidth(int value) {
    // Below 1 (or very large) the insets would leave the control.
    if (value == m_bevelWidth || value < 1 || value > 0x3FFFFFF || !geometryAccepts(value, m_borderWidth))
        return;
    m_bevelWidth = value;
    geometryChanged();
}

void TProgressCyl::SetBorderWidth(int value) {
    if (value == m_borderWidth || value < 0 || value > 0x3FFFFFF || !geometryAccepts(m_bevelWidth, value))
        return;
    m_borderWidth = value;
    geometryChanged();
}

void TProgressCyl::ensureGeometry() {
    // A hidden widget gets its resize event only when shown, so the size is checked here as well.
    if (size() != m_geometrySize) {
        recomputeGeometry();
        refreshFill();
    }
}

void TProgressCyl::recomputeGeometry() {
    m_geometrySize = size();
    m_inset = 2 * m_bevelWidth + m_borderWidth;
    m_barW = width() - 2 * m_inset;
    m_barH = height() - 2 * m_inset;
    const int depth = shadingDepth(m_cylinderEffect);
    if (m_orientation == TProgressOrientation::pbHorizontal)
        m_shadeStep = m_barH > 0 ? depth / m_barH : 0;
    else
        m_shadeStep = m_barW > 0 ? depth / m_barW : 0;
    m_rangeRecip = 1.0 / (static_cast<double>(m_max) - m_min);
}

void TProgressCyl::geometryChanged() {
    recomputeGeometry();
    recomputeColors(); // the bevel edge colours depend on the border width
    refreshFill();
    requestRepaint();
}

// --- colours -----------------------------------------------------------------------------------

TProgressCyl::Rgb TProgressCyl::normalised(TColor color, const TPCColorStyle& style) {
    const TColor c = platform::ColorToRGB(color);
    auto channel = [&style](int v) {
        return ((v * static_cast<double>(style.IntensityFactor()) + style.IntensityRGB()) /
                    style.Intensity() +
                v) /
               style.RangeRGB();
    };
    return {channel(platform::GetRValue(c)), channel(platform::GetGValue(c)),
            channel(platform::GetBValue(c))};
}

void TProgressCyl::recomputeColors() {
    m_foreN = normalised(m_foreColor, *m_foreStyle);
    m_lineN = normalised(m_foreLineColor, *m_foreStyle);
    m_backN = normalised(m_backColor, *m_backStyle);

    QRgb light, dark, light3D, dark3D;
    if (m_bevelColor == platform::clBtnFace) {
        light = toRgb(platform::clBtnHighlight);
        dark = toRgb(platform::clBtnShadow);
        light3D = toRgb(platform::cl3DLight);
        dark3D = toRgb(platform::cl3DDkShadow);
    } else {
        const QRgb base = toRgb(m_bevelColor);
        light = qRgb(std::min(qRed(base) + 64, 255), std::min(qGreen(base) + 64, 255),
                     std::min(qBlue(base) + 64, 255));
        dark =
            qRgb(std::max(qRed(base) - 64, 0), std::max(qGreen(base) - 64, 0), std::max(qBlue(base) - 64, 0));
        light3D = light;
        dark3D = dark;
    }
    const QRgb background = toRgb(m_color);
    const bool touching = m_borderWidth == 0; // the two bevels meet without a gap

    switch (m_bevelInner) {
    case TBevelCut::bvLowered:
        if (m_bevelOuter == TBevelCut::bvLowered && touching) {
            m_innerTL = dark3D;
            m_innerBR = light3D;
        } else {
            m_innerTL = dark;
            m_innerBR = light;
        }
        break;
    case TBevelCut::bvRaised:
        m_innerTL = m_bevelOuter == TBevelCut::bvRaised && touching ? light3D : light;
        m_innerBR = dark;
        break;
    case TBevelCut::bvSpace:
    case TBevelCut::bvNone:
        m_innerTL = m_innerBR = background;
        break;
    }
    switch (m_bevelOuter) {
    case TBevelCut::bvLowered:
        m_outerTL = dark;
        m_outerBR = light;
        break;
    case TBevelCut::bvRaised:
        m_outerTL = light;
        m_outerBR = m_bevelInner == TBevelCut::bvRaised && touching ? dark3D : dark;
        break;
    case TBevelCut::bvSpace:
    case TBevelCut::bvNone:
        m_outerTL = m_outerBR = background;
        break;
    }
}

void TProgressCyl::styleChanged() {
    if (!m_updating)
        m_proEffect = TProEffect::peCustom;
    recomputeColors();
    requestRepaint();
}

QRgb TProgressCyl::shade(int k, const TPCColorStyle& style, const Rgb& n) const {
    const double v = std::abs(k) * static_cast<double>(m_shadeStep) * style.ColorFactor() + style.ColorRGB();
    return qRgb(toChannel(v * n.r), toChannel(v * n.g), toChannel(v * n.b));
}

// --- painting ----------------------------------------------------------------------------------

QString TProgressCyl::DisplayText() const {
    if (m_percent == 100 && !m_textDone.isEmpty())
        return m_textDone;
    return QString::number(m_percent) + m_text;
}

void TProgressCyl::requestRepaint() {
    if (!m_constructed)
        return;
    ++m_repaintRequests;
    update();
}

QImage TProgressCyl::composedImage() {
    ensureGeometry();
    if (!m_constructed || !geometryValid())
        return {};
    compose();
    return m_bitmap;
}

void TProgressCyl::paintEvent(QPaintEvent*) {
    if (!m_constructed)
        return;
    ensureGeometry();
    QPainter painter(this);
    if (!geometryValid()) {
        // Nothing of the bar is left to draw; cover the control with its background.
        painter.fillRect(rect(), platform::toQColor(m_color));
        return;
    }
    compose();
    painter.drawImage(0, 0, m_bitmap);
}

void TProgressCyl::compose() {
    if (m_bitmap.size() != size())
        m_bitmap = QImage(size(), QImage::Format_RGB32);
    m_bitmap.fill(toRgb(m_color));
    if (m_orientation == TProgressOrientation::pbHorizontal)
        drawCylinderHorizontal(m_bitmap);
    else
        drawCylinderVertical(m_bitmap);
    drawFrames(m_bitmap);
    if (m_showText)
        drawText(m_bitmap);
}

void TProgressCyl::drawCylinderHorizontal(QImage& img) const {
    const int b = m_inset;
    const int end = b + m_barW; // first column past the bar area
    const int fill = m_fillPos;
    // |k| is 0 on the row where the light falls and grows towards the edges.
    const int kF0 = truncBounded(m_barH / static_cast<double>(m_foreStyle->LightAngle()));
    const int kB0 = truncBounded(m_barH / static_cast<double>(m_backStyle->LightAngle()));
    for (int i = 0; i < m_barH; ++i) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(b + i));
        const QRgb fore = shade(kF0 + i, *m_foreStyle, m_foreN);
        const QRgb back = shade(kB0 + i, *m_backStyle, m_backN);
        const int filledEnd = std::clamp(fill, b, end);
        std::fill(line + b, line + filledEnd, fore);
        if (fill >= b && fill < end)
            line[fill] = shade(kF0 + i, *m_foreStyle, m_lineN);
        const int emptyStart = std::clamp(fill + 1, b, end);
        std::fill(line + emptyStart, line + end, back);
    }
}

void TProgressCyl::drawCylinderVertical(QImage& img) const {
    const int b = m_inset;
    const int fill = m_fillPos; // rows above it are empty, rows below it filled
    const int kF0 = truncBounded(m_barW / static_cast<double>(m_foreStyle->LightAngle()));
    const int kB0 = truncBounded(m_barW / static_cast<double>(m_backStyle->LightAngle()));
    std::vector<QRgb> fore(m_barW), endLine(m_barW), back(m_barW);
    for (int i = 0; i < m_barW; ++i) {
        fore[i] = shade(kF0 + i, *m_foreStyle, m_foreN);
        endLine[i] = shade(kF0 + i, *m_foreStyle, m_lineN);
        back[i] = shade(kB0 + i, *m_backStyle, m_backN);
    }
    for (int y = b; y < b + m_barH; ++y) {
        const std::vector<QRgb>& row = y < fill ? back : y == fill ? endLine : fore;
        std::copy(row.begin(), row.end(), reinterpret_cast<QRgb*>(img.scanLine(y)) + b);
    }
}

void TProgressCyl::drawFrames(QImage& img) const {
    const int b = m_inset;
    const int w = img.width(), h = img.height();
    frameRect(img, b, b, w - b, h - b, toRgb(m_backBorderColor));
    if (m_bevelInner != TBevelCut::bvNone) {
        const int d = b - m_bevelWidth; // inset of the inner bevel's rectangle
        frame3D(img, d, d, w - d, h - d, m_innerTL, m_innerBR, m_bevelWidth);
    }
    if (m_bevelOuter != TBevelCut::bvNone)
        frame3D(img, 0, 0, w, h, m_outerTL, m_outerBR, m_bevelWidth);
}

void TProgressCyl::drawText(QImage& img) {
    const QString text = DisplayText();
    QFont f = font();
    f.setStyleStrategy(QFont::NoAntialias); // exact colours, so the inverted text inverts cleanly
    const QFontMetrics fm(f);
    const int tw = fm.horizontalAdvance(text);
    const int th = fm.ascent() + fm.descent();
    const int w = img.width(), h = img.height();

    int x = 0, y = 0;
    qreal angle = 0;
    switch (m_fontOrientation) {
    case TFontOrientation::foLeftToRight:
        // The tenth of a degree that this orientation is turned by is below one pixel: drawn level.
        x = (w - tw) / 2;
        y = (h - th) / 2 + 1;
        break;
    case TFontOrientation::foTopToBottom:
        x = th + (w - th) / 2 - 1;
        y = (h - tw) / 2;
        angle = 90;
        break;
    case TFontOrientation::foBottomToTop:
        x = (w - th) / 2 + 1;
        y = tw + (h - tw) / 2;
        angle = -90;
        break;
    }

    // (x, y) is the top-left corner of the text cell, turned with the text.
    auto drawAt = [&](QPainter& p, int px, int py, const QColor& color) {
        p.save();
        p.translate(px, py);
        p.rotate(angle);
        p.setPen(color);
        p.drawText(0, fm.ascent(), text);
        p.restore();
    };

    if (m_fontEffect == TFontEffect::feInvert) {
        if (m_textBitmap.size() != img.size())
            m_textBitmap = QImage(img.size(), QImage::Format_RGB32);
        m_textBitmap.fill(Qt::black);
        {
            QPainter p(&m_textBitmap);
            p.setFont(f);
            drawAt(p, x, y, Qt::white);
        }
        for (int row = 0; row < img.height(); ++row) {
            auto* dst = reinterpret_cast<QRgb*>(img.scanLine(row));
            const auto* src = reinterpret_cast<const QRgb*>(m_textBitmap.constScanLine(row));
            for (int col = 0; col < img.width(); ++col)
                dst[col] ^= src[col] & 0x00FFFFFFu;
        }
        return;
    }
    m_textBitmap = QImage(); // kept only while the text is drawn inverted

    QPainter p(&img);
    p.setFont(f);
    const QColor fontColor = platform::toQColor(m_fontColor);
    const QColor shadowColor = platform::toQColor(m_fontShadowColor);
    switch (m_fontEffect) {
    case TFontEffect::feShadowBottomRight:
        drawAt(p, x + m_shadowOffset, y + m_shadowOffset, shadowColor);
        break;
    case TFontEffect::feShadowTopLeft:
        drawAt(p, x - m_shadowOffset, y - m_shadowOffset, shadowColor);
        break;
    case TFontEffect::feNone:
    case TFontEffect::feInvert:
        break;
    }
    drawAt(p, x, y, fontColor);
}

// --- events ------------------------------------------------------------------------------------

void TProgressCyl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    recomputeGeometry();
    refreshFill();
    if (m_constructed && OnResize)
        OnResize(this);
}

void TProgressCyl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The system colours come from the palette.
    if (event->type() == QEvent::PaletteChange && m_constructed) {
        recomputeColors();
        requestRepaint();
    }
}

void TProgressCyl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    m_mouseInside = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
    requestRepaint();
}

void TProgressCyl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    m_mouseInside = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
    requestRepaint();
}

void TProgressCyl::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
}

void TProgressCyl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(p) && OnClick)
        OnClick(this);
    if (OnMouseUp)
        OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y());
}

void TProgressCyl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
    mousePressEvent(event);
}

void TProgressCyl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(this, event->modifiers(), p.x(), p.y());
}

} // namespace widgets
