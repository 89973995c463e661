#include "platform/Canvas.h"

#include "platform/Bitmap.h"
#include "platform/Colors.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace platform {

// ---------------------------------------------------------------------------------------------------------
// TFont

QFont DefaultFont() {
    // A font with the metrics the forms were laid out for; the others are fallbacks.
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

TFont::TFont() : Font(DefaultFont()) {}

int TFont::PixelSize() const {
    if (Font.pixelSize() > 0)
        return Font.pixelSize();
    return static_cast<int>(std::lround(Font.pointSizeF() * 96.0 / 72.0));
}

int TFont::Size() const {
    // Points from pixels as the class library does it: MulDiv(pixels, 72, 96), rounded.
    return static_cast<int>(std::lround(PixelSize() * 72.0 / 96.0));
}

void TFont::SetSize(int points) {
    Font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

TFontStyles TFont::Style() const {
    TFontStyles s;
    if (Font.bold())
        s |= TFontStyle::fsBold;
    if (Font.italic())
        s |= TFontStyle::fsItalic;
    if (Font.underline())
        s |= TFontStyle::fsUnderline;
    if (Font.strikeOut())
        s |= TFontStyle::fsStrikeOut;
    return s;
}

void TFont::SetStyle(TFontStyles style) {
    Font.setBold(style.testFlag(TFontStyle::fsBold));
    Font.setItalic(style.testFlag(TFontStyle::fsItalic));
    Font.setUnderline(style.testFlag(TFontStyle::fsUnderline));
    Font.setStrikeOut(style.testFlag(TFontStyle::fsStrikeOut));
}

// ---------------------------------------------------------------------------------------------------------
// TCanvas: binding

TCanvas::TCanvas() = default;

TCanvas::TCanvas(QPaintDevice* device) {
    m_ownPainter = std::make_unique<QPainter>(device);
    Begin(m_ownPainter.get());
}

TCanvas::TCanvas(QPainter* painter, const QRegion& paintRegion) {
    Begin(painter, paintRegion);
}

TCanvas::~TCanvas() {
    End();
    if (m_ownPainter && m_ownPainter->isActive())
        m_ownPainter->end();
}

void TCanvas::Begin(QPainter* painter, const QRegion& paintRegion) {
    m_painter = painter;
    m_device = painter ? painter->device() : nullptr;
    m_paintRegion = paintRegion;
    m_hasClip = false;
    m_clip = QRegion();
    m_clipStack.clear();
    if (m_painter) {
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
        m_painter->setClipping(false);
    }
}

void TCanvas::End() {
    if (m_painter) {
        m_painter->setClipping(false);
        m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    m_painter = nullptr;
    m_device = nullptr;
    m_clipStack.clear();
    m_hasClip = false;
}

QRect TCanvas::DeviceRect() const {
    if (!m_device)
        return QRect();
    return QRect(0, 0, m_device->width(), m_device->height());
}

// ---------------------------------------------------------------------------------------------------------
// Pen and brush

namespace {

QPainter::CompositionMode compositionOf(TPenMode mode) {
    switch (mode) {
    case TPenMode::pmNot:
        return QPainter::RasterOp_NotDestination;
    case TPenMode::pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case TPenMode::pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    case TPenMode::pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case TPenMode::pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

QColor penColorOf(const TPen& pen) {
    switch (pen.Mode) {
    case TPenMode::pmBlack:
        return Qt::black;
    case TPenMode::pmWhite:
        return Qt::white;
    case TPenMode::pmNotCopy: {
        const TColor c = ColorToRGB(pen.Color);
        return toQColor(~c & 0xFFFFFF);
    }
    default:
        return toQColor(pen.Color);
    }
}

bool penDraws(const TPen& pen) {
    return pen.Style != TPenStyle::psClear && pen.Mode != TPenMode::pmNop;
}

Qt::PenStyle qtPenStyle(TPenStyle style) {
    switch (style) {
    case TPenStyle::psDash:
        return Qt::DashLine;
    case TPenStyle::psDot:
        return Qt::DotLine;
    case TPenStyle::psDashDot:
        return Qt::DashDotLine;
    case TPenStyle::psDashDotDot:
        return Qt::DashDotDotLine;
    case TPenStyle::psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

// A plain one-pixel pen draws axis-parallel runs as filled rectangles, pixel-exact.
bool isPlainPen(const TPen& pen) {
    return pen.Width <= 1 && (pen.Style == TPenStyle::psSolid || pen.Style == TPenStyle::psInsideFrame);
}

} // namespace

void TCanvas::ApplyPen() {
    if (!m_painter)
        return;
    if (!penDraws(Pen)) {
        m_painter->setPen(Qt::NoPen);
        return;
    }
    QPen pen(penColorOf(Pen));
    pen.setWidth(Pen.Width <= 1 ? 0 : Pen.Width);
    pen.setStyle(qtPenStyle(Pen.Style));
    pen.setCapStyle(Pen.Width <= 1 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(pen);
    m_painter->setCompositionMode(compositionOf(Pen.Mode));
}

void TCanvas::ApplyBrushFill() {
    if (!m_painter)
        return;
    if (Brush.Style == TBrushStyle::bsClear)
        m_painter->setBrush(Qt::NoBrush);
    else
        m_painter->setBrush(toQColor(Brush.Color));
}

// ---------------------------------------------------------------------------------------------------------
// Areas and frames

void TCanvas::FillRect(const TRect& rect) {
    if (!m_painter || rect.IsEmpty() || Brush.Style == TBrushStyle::bsClear)
        return;
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->fillRect(rect.toQRect(), toQColor(Brush.Color));
}

void TCanvas::FrameRect(const TRect& rect) {
    if (!m_painter || rect.IsEmpty() || Brush.Style == TBrushStyle::bsClear)
        return;
    const QColor c = toQColor(Brush.Color);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->fillRect(QRect(rect.Left, rect.Top, rect.Width(), 1), c);
    if (rect.Height() > 1)
        m_painter->fillRect(QRect(rect.Left, rect.Bottom - 1, rect.Width(), 1), c);
    if (rect.Height() > 2) {
        m_painter->fillRect(QRect(rect.Left, rect.Top + 1, 1, rect.Height() - 2), c);
        if (rect.Width() > 1)
            m_painter->fillRect(QRect(rect.Right - 1, rect.Top + 1, 1, rect.Height() - 2), c);
    }
}

void TCanvas::Rectangle(const TRect& rect) {
    if (!m_painter || rect.IsEmpty())
        return;
    const bool pen = penDraws(Pen);
    if (Brush.Style != TBrushStyle::bsClear) {
        m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        // Without a pen the fill leaves out the right column and the bottom row, as the design's
        // rectangle does; with a pen the outline covers them.
        const QRect inner = pen ? QRect(rect.Left + 1, rect.Top + 1, rect.Width() - 2, rect.Height() - 2)
                                : QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
        if (inner.width() > 0 && inner.height() > 0)
            m_painter->fillRect(inner, toQColor(Brush.Color));
    }
    if (pen) {
        const TPoint saved = PenPos;
        Polyline({TPoint(rect.Left, rect.Top), TPoint(rect.Right - 1, rect.Top),
                  TPoint(rect.Right - 1, rect.Bottom - 1), TPoint(rect.Left, rect.Bottom - 1),
                  TPoint(rect.Left, rect.Top)});
        PenPos = saved;
    }
}

void TCanvas::InvertRect(const TRect& rect) {
    if (!m_painter || rect.IsEmpty())
        return;
    m_painter->setCompositionMode(QPainter::RasterOp_NotDestination);
    m_painter->fillRect(rect.toQRect(), Qt::black);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    if (!m_painter || rect.IsEmpty())
        return;
    m_painter->setCompositionMode(QPainter::RasterOp_NotDestination);
    auto dot = [this](int x, int y) {
        if (((x + y) & 1) == 0)
            m_painter->fillRect(QRect(x, y, 1, 1), Qt::black);
    };
    for (int x = rect.Left; x < rect.Right; ++x) {
        dot(x, rect.Top);
        if (rect.Bottom - 1 > rect.Top)
            dot(x, rect.Bottom - 1);
    }
    for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
        dot(rect.Left, y);
        if (rect.Right - 1 > rect.Left)
            dot(rect.Right - 1, y);
    }
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::Ellipse(const TRect& rect) {
    if (!m_painter || rect.IsEmpty())
        return;
    ApplyBrushFill();
    ApplyPen();
    m_painter->drawEllipse(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---------------------------------------------------------------------------------------------------------
// Lines

void TCanvas::LineTo(int x, int y) {
    const TPoint from = PenPos;
    PenPos = TPoint(x, y);
    if (!m_painter || !penDraws(Pen) || from == PenPos)
        return;
    ApplyPen();
    if (isPlainPen(Pen) && (from.x() == x || from.y() == y)) {
        // An axis-parallel run from the start point up to, not including, the end point.
        const QColor c = penColorOf(Pen);
        QRect run;
        if (from.y() == y)
            run = x > from.x() ? QRect(from.x(), y, x - from.x(), 1) : QRect(x + 1, y, from.x() - x, 1);
        else
            run = y > from.y() ? QRect(x, from.y(), 1, y - from.y()) : QRect(x, y + 1, 1, from.y() - y);
        m_painter->fillRect(run, c);
    } else {
        m_painter->drawLine(from, PenPos);
    }
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::Polyline(const QList<TPoint>& points) {
    if (points.isEmpty())
        return;
    const TPoint saved = PenPos;
    MoveTo(points.first().x(), points.first().y());
    for (qsizetype i = 1; i < points.size(); ++i)
        LineTo(points[i].x(), points[i].y());
    PenPos = saved;
}

void TCanvas::Polygon(const QList<TPoint>& points) {
    if (!m_painter || points.size() < 2)
        return;
    ApplyBrushFill();
    ApplyPen();
    m_painter->drawPolygon(QPolygon(points), Qt::WindingFill);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---------------------------------------------------------------------------------------------------------
// Pixels and pictures

TColor TCanvas::Pixel(int x, int y) const {
    if (!m_device || m_device->devType() != QInternal::Image)
        return clNone;
    const auto* image = static_cast<const QImage*>(m_device);
    if (!image->valid(x, y))
        return clNone;
    return fromQColor(QColor::fromRgb(image->pixel(x, y)));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (!m_painter)
        return;
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->fillRect(QRect(x, y, 1, 1), toQColor(color));
}

QImage TCanvas::CopyImage(const TRect& rect) const {
    if (!m_device || m_device->devType() != QInternal::Image)
        return QImage();
    const auto* image = static_cast<const QImage*>(m_device);
    return image->copy(rect.toQRect()).convertToFormat(QImage::Format_RGB32);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    if (!m_painter || bitmap.Empty())
        return;
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (bitmap.Transparent) {
        QImage image = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
        const QRgb key = toQColor(bitmap.TransparentColor()).rgb() & 0xFFFFFF;
        for (int row = 0; row < image.height(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
            for (int col = 0; col < image.width(); ++col)
                line[col] = (line[col] & 0xFFFFFF) == key ? 0 : (line[col] | 0xFF000000u);
        }
        m_painter->drawImage(QPoint(x, y), image);
    } else {
        // A plain draw copies the colour bytes; an alpha byte plays no part.
        m_painter->drawImage(QPoint(x, y), bitmap.Image().convertToFormat(QImage::Format_RGB32));
    }
}

void TCanvas::DrawImage(int x, int y, const QImage& image) {
    if (!m_painter || image.isNull())
        return;
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->drawImage(QPoint(x, y), image);
}

// ---------------------------------------------------------------------------------------------------------
// Text

int TCanvas::TextWidth(const QString& text) const {
    const QFontMetrics fm = m_device ? QFontMetrics(Font.Font, m_device) : QFontMetrics(Font.Font);
    return fm.horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) const {
    const QFontMetrics fm = m_device ? QFontMetrics(Font.Font, m_device) : QFontMetrics(Font.Font);
    return fm.ascent() + fm.descent();
}

void TCanvas::DrawTextLine(int x, int y, const QString& text) {
    const QFontMetrics fm = m_device ? QFontMetrics(Font.Font, m_device) : QFontMetrics(Font.Font);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->setFont(Font.Font);
    m_painter->setPen(toQColor(Font.Color));
    if (Font.Orientation != 0) {
        // The text turns about its reference point, the top-left corner of its first character cell.
        m_painter->save();
        m_painter->translate(x, y);
        m_painter->rotate(-Font.Orientation / 10.0);
        m_painter->drawText(QPoint(0, fm.ascent()), text);
        m_painter->restore();
    } else {
        m_painter->drawText(QPoint(x, y + fm.ascent()), text);
    }
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    const int w = TextWidth(text);
    if (m_painter) {
        if (Brush.Style != TBrushStyle::bsClear && Font.Orientation == 0) {
            m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
            m_painter->fillRect(QRect(x, y, w, TextHeight(text)), toQColor(Brush.Color));
        }
        DrawTextLine(x, y, text);
    }
    PenPos = TPoint(x + w, y);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const QString& text) {
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->setClipRect(rect.toQRect(), m_painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (Brush.Style != TBrushStyle::bsClear) {
        m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_painter->fillRect(rect.toQRect(), toQColor(Brush.Color));
    }
    DrawTextLine(x, y, text);
    m_painter->restore();
}

namespace {

// The text as shown: "&&" becomes '&', a single '&' marks the next character and is dropped.
QString stripPrefixes(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&')) {
                out.append(QLatin1Char('&'));
                ++i;
            }
            continue;
        }
        out.append(text.at(i));
    }
    return out;
}

QStringList splitParagraphs(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}

} // namespace

std::vector<TCanvas::Line> TCanvas::LayoutText(const QString& text, int width, unsigned flags) const {
    const QFontMetrics fm = m_device ? QFontMetrics(Font.Font, m_device) : QFontMetrics(Font.Font);
    QString shown = (flags & DT_NOPREFIX) ? text : stripPrefixes(text);
    std::vector<Line> lines;
    if (flags & DT_SINGLELINE) {
        shown.remove(QLatin1Char('\r'));
        shown.remove(QLatin1Char('\n'));
        lines.push_back({shown, fm.horizontalAdvance(shown)});
        return lines;
    }
    for (const QString& paragraph : splitParagraphs(shown)) {
        if (!(flags & DT_WORDBREAK) || fm.horizontalAdvance(paragraph) <= width) {
            lines.push_back({paragraph, fm.horizontalAdvance(paragraph)});
            continue;
        }
        // Greedy word wrap at blanks; a word wider than the rectangle stays whole on its line.
        QString current;
        qsizetype i = 0;
        while (i < paragraph.size()) {
            qsizetype j = i;
            while (j < paragraph.size() && paragraph.at(j) != QLatin1Char(' '))
                ++j;
            const QString word = paragraph.mid(i, j - i);
            qsizetype k = j;
            while (k < paragraph.size() && paragraph.at(k) == QLatin1Char(' '))
                ++k;
            const QString candidate = current.isEmpty() ? word : current + word;
            if (!current.isEmpty() && fm.horizontalAdvance(candidate) > width) {
                const QString line = current.trimmed();
                lines.push_back({line, fm.horizontalAdvance(line)});
                current = word;
            } else {
                current = candidate;
            }
            current += paragraph.mid(j, k - j);
            i = k;
        }
        const QString line = current.trimmed();
        lines.push_back({line, fm.horizontalAdvance(line)});
    }
    return lines;
}

int TCanvas::DrawText(const QString& text, TRect& rect, unsigned flags) {
    const QFontMetrics fm = m_device ? QFontMetrics(Font.Font, m_device) : QFontMetrics(Font.Font);
    const int lineHeight = fm.ascent() + fm.descent() + ((flags & DT_EXTERNALLEADING) ? fm.leading() : 0);
    std::vector<Line> lines = LayoutText(text, rect.Width(), flags);
    const int total = lineHeight * static_cast<int>(lines.size());

    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const Line& l : lines)
            widest = std::max(widest, l.width);
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + total;
        return total;
    }

    const Qt::TextElideMode elide = (flags & DT_PATH_ELLIPSIS)                       ? Qt::ElideMiddle
                                    : (flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) ? Qt::ElideRight
                                                                                     : Qt::ElideNone;
    if (elide != Qt::ElideNone) {
        for (Line& l : lines) {
            if (l.width > rect.Width()) {
                l.text = fm.elidedText(l.text, elide, std::max(rect.Width(), 0));
                l.width = fm.horizontalAdvance(l.text);
            }
        }
    }

    int y = rect.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_BOTTOM)
            y = rect.Bottom - lineHeight;
        else if (flags & DT_VCENTER)
            y = (rect.Top + rect.Bottom - lineHeight) / 2;
    }
    const int result =
        (flags & (DT_VCENTER | DT_BOTTOM)) && (flags & DT_SINGLELINE) ? y + total - rect.Top : total;
    if (!m_painter)
        return result;

    m_painter->save();
    if (!(flags & DT_NOCLIP))
        m_painter->setClipRect(rect.toQRect(),
                               m_painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (flags & DT_RTLREADING)
        m_painter->setLayoutDirection(Qt::RightToLeft);
    for (const Line& l : lines) {
        int x = rect.Left;
        if (flags & DT_RIGHT)
            x = rect.Right - l.width;
        else if (flags & DT_CENTER)
            x = (rect.Left + rect.Right - l.width) / 2;
        if (Brush.Style != TBrushStyle::bsClear && Font.Orientation == 0) {
            m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
            m_painter->fillRect(QRect(x, y, l.width, lineHeight), toQColor(Brush.Color));
        }
        DrawTextLine(x, y, l.text);
        y += lineHeight;
    }
    m_painter->restore();
    return result;
}

// ---------------------------------------------------------------------------------------------------------
// Clipping

QRegion TCanvas::CurrentClip() const {
    QRegion region = m_hasClip ? m_clip : QRegion(DeviceRect());
    if (!m_paintRegion.isEmpty())
        region &= m_paintRegion;
    return region;
}

TRect TCanvas::ClipRect() const {
    return TRect::fromQRect(CurrentClip().boundingRect());
}

bool TCanvas::RectVisible(const TRect& rect) const {
    return !rect.IsEmpty() && CurrentClip().intersects(rect.toQRect());
}

void TCanvas::ApplyClip() {
    if (!m_painter)
        return;
    if (m_hasClip)
        m_painter->setClipRegion(m_clip);
    else
        m_painter->setClipping(false);
}

void TCanvas::SetClipRect(const TRect& rect) {
    SetClipRegion(QRegion(rect.toQRect()));
}

void TCanvas::SetClipRegion(const QRegion& region) {
    m_hasClip = true;
    m_clip = region;
    ApplyClip();
}

void TCanvas::IntersectClipRect(const TRect& rect) {
    SetClipRegion((m_hasClip ? m_clip : QRegion(DeviceRect())) & QRegion(rect.toQRect()));
}

void TCanvas::ExcludeClipRect(const TRect& rect) {
    SetClipRegion((m_hasClip ? m_clip : QRegion(DeviceRect())) - QRegion(rect.toQRect()));
}

void TCanvas::ResetClip() {
    m_hasClip = false;
    m_clip = QRegion();
    ApplyClip();
}

void TCanvas::SaveClip() {
    m_clipStack.emplace_back(m_hasClip, m_clip);
}

void TCanvas::RestoreClip() {
    if (m_clipStack.empty())
        return;
    m_hasClip = m_clipStack.back().first;
    m_clip = m_clipStack.back().second;
    m_clipStack.pop_back();
    ApplyClip();
}

} // namespace platform
