#pragma once

#include "platform/FontStyles.h"
#include "platform/Rect.h"
#include "platform/TColor.h"

#include <QFont>
#include <QList>
#include <QRegion>
#include <QString>
#include <initializer_list>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace platform {

class TBitmap;

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

/// How the pen combines with what is already painted.
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMerge, pmMask, pmXor, pmNotXor };

enum class TBrushStyle { bsSolid, bsClear };

/// The pen lines and outlines are drawn with.
struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
    TPenMode Mode = TPenMode::pmCopy;
};

/// What areas are filled with; bsClear also makes text backgrounds transparent.
struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

/// A font with its colour and the escapement of its text (tenths of a degree, counter-clockwise).
class TFont {
public:
    TFont();

    QFont Font;
    TColor Color = clWindowText;
    int Orientation = 0;

    QString Name() const { return Font.family(); }
    void SetName(const QString& name) { Font.setFamily(name); }
    /// Height of the characters in pixels.
    int PixelSize() const;
    void SetPixelSize(int pixels) { Font.setPixelSize(pixels); }
    /// Size in points at 96 pixels per inch (8 pt is 11 pixels).
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const;
    void SetStyle(TFontStyles style);

    bool operator==(const TFont& other) const {
        return Font == other.Font && Color == other.Color && Orientation == other.Orientation;
    }
};

/// The program's standard font: sans-serif at 11 pixels (8 pt).
QFont DefaultFont();

/// DrawText formatting flags.
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_EXTERNALLEADING = 0x200,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_EDITCONTROL = 0x2000,
    DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000,
    DT_MODIFYSTRING = 0x10000,
    DT_RTLREADING = 0x20000,
    DT_WORD_ELLIPSIS = 0x40000,
};

/// Drawing surface over a QPainter, with the pen, brush and font state of the design's canvas.
/// Right and bottom edges are exclusive; lines leave out their last point; antialiasing is off.
/// Without a painter it only measures text (drawing calls then do nothing): widgets keep one canvas
/// and bind their painter for the time of a paint event.
class TCanvas {
public:
    /// A measuring canvas; bind a painter with Begin to draw.
    TCanvas();
    /// Paints on the device (a QImage, QPixmap or printer) through a painter of its own.
    explicit TCanvas(QPaintDevice* device);
    /// Paints through the painter, which stays the caller's. paintRegion is the region being repainted
    /// (a widget's paint event region); empty means the whole device.
    explicit TCanvas(QPainter* painter, const QRegion& paintRegion = QRegion());
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    /// Binds a painter (not owned) until End; the clip starts as the paint region.
    void Begin(QPainter* painter, const QRegion& paintRegion = QRegion());
    void End();
    bool IsPainting() const { return m_painter != nullptr; }
    QPainter* Painter() const { return m_painter; }

    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;

    // Areas and frames.
    /// Fills the rectangle with the brush (nothing with a clear brush).
    virtual void FillRect(const TRect& rect);
    /// A one-pixel frame just inside the rectangle, in the brush colour.
    virtual void FrameRect(const TRect& rect);
    /// Outline with the pen, interior with the brush, covering Left..Right-1, Top..Bottom-1.
    virtual void Rectangle(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom) { Rectangle(TRect(left, top, right, bottom)); }
    /// Inverts every pixel of the rectangle.
    virtual void InvertRect(const TRect& rect);
    /// The dotted focus frame: every second pixel of the border inverted (x + y even in device
    /// co-ordinates), so drawing it twice removes it.
    virtual void DrawFocusRect(const TRect& rect);
    /// An ellipse in the bounding rectangle.
    virtual void Ellipse(const TRect& rect);

    // Lines.
    void MoveTo(int x, int y) { PenPos = TPoint(x, y); }
    /// A line from PenPos to (x, y) without its last point; PenPos moves there.
    virtual void LineTo(int x, int y);
    /// Connected lines through the points; the last point is not drawn.
    virtual void Polyline(const QList<TPoint>& points);
    void Polyline(std::initializer_list<TPoint> points) { Polyline(QList<TPoint>(points)); }
    /// A closed polygon filled with the brush (winding rule) and outlined with the pen.
    virtual void Polygon(const QList<TPoint>& points);
    void Polygon(std::initializer_list<TPoint> points) { Polygon(QList<TPoint>(points)); }

    // Pixels.
    /// The colour of a pixel; clNone when it lies outside or the device cannot be read (a widget).
    TColor Pixel(int x, int y) const;
    virtual void SetPixel(int x, int y, TColor color);

    // Text.
    /// Width of the text in pixels.
    int TextWidth(const QString& text) const;
    /// Height of a line of text (ascent + descent).
    int TextHeight(const QString& text) const;
    /// Draws the text with its top-left corner at (x, y), on the brush colour unless the brush is clear;
    /// PenPos moves to the end of the text.
    virtual void TextOut(int x, int y, const QString& text);
    /// TextOut clipped to the rectangle, which is first filled with the brush unless it is clear.
    virtual void TextRect(const TRect& rect, int x, int y, const QString& text);
    /// Formats the text in the rectangle by the DT_ flags; returns the height of the text (from the
    /// rectangle's top to the text's bottom with DT_VCENTER or DT_BOTTOM). With DT_CALCRECT nothing is
    /// drawn and the rectangle is set to the text's extent. Vertical alignment applies to single lines
    /// only; without DT_NOPREFIX '&' prefixes are removed ("&&" shows '&').
    virtual int DrawText(const QString& text, TRect& rect, unsigned flags);
    int DrawText(const QString& text, const TRect& rect, unsigned flags) {
        TRect r = rect;
        return DrawText(text, r, flags);
    }

    // Pictures.
    /// Draws the bitmap at (x, y); a Transparent bitmap leaves out its transparent colour.
    virtual void Draw(int x, int y, const TBitmap& bitmap);
    /// Draws an image as it is (alpha blended), for prepared pictures.
    virtual void DrawImage(int x, int y, const QImage& image);
    /// The pixels of the area as an RGB image; a null image when the device cannot be read.
    QImage CopyImage(const TRect& rect) const;

    // Clipping (device co-ordinates).
    /// The bounding rectangle of what may be painted: the clip region, the paint region and the device.
    TRect ClipRect() const;
    /// True when some pixel of the rectangle may be painted.
    bool RectVisible(const TRect& rect) const;
    /// Replaces the clip by exactly the rectangle (inside the paint region).
    void SetClipRect(const TRect& rect);
    void SetClipRegion(const QRegion& region);
    void IntersectClipRect(const TRect& rect);
    void ExcludeClipRect(const TRect& rect);
    /// Back to the paint region without a clip of our own.
    void ResetClip();
    void SaveClip();
    void RestoreClip();

protected:
    /// Sets the painter's pen, brush, composition and font from the canvas state.
    void ApplyPen();
    void ApplyBrushFill();
    QRegion CurrentClip() const;
    QRect DeviceRect() const;

private:
    struct Line {
        QString text;
        int width = 0;
    };
    std::vector<Line> LayoutText(const QString& text, int width, unsigned flags) const;
    void DrawTextLine(int x, int y, const QString& text);
    void ApplyClip();

    QPainter* m_painter = nullptr;
    std::unique_ptr<QPainter> m_ownPainter;
    QPaintDevice* m_device = nullptr;
    QRegion m_paintRegion;
    bool m_hasClip = false;
    QRegion m_clip;
    std::vector<std::pair<bool, QRegion>> m_clipStack;
};

} // namespace platform
