#pragma once

#include "platform/TColor.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace widgets {

class TProgressCyl;

/// An event with the sender only; fires only when assigned.
using TNotifyEvent = std::function<void(QObject* Sender)>;
/// A mouse button event: button, modifiers and the client position.
using TMouseEvent =
    std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;
/// A mouse move event: modifiers and the client position.
using TMouseMoveEvent = std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;

enum class TFontEffect { feNone, feInvert, feShadowTopLeft, feShadowBottomRight };
enum class TFontOrientation { foLeftToRight, foTopToBottom, foBottomToTop };
enum class TCylinderEffect { ceFlat, ceUltraLow, ceLow, ceMedium, ceHigh, ceMaximum };
enum class TProgressOrientation { pbHorizontal, pbVertical };
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TProEffect { peCustom };

/// Shading parameters of one part of the cylinder (filled or empty); tells its owner of every change.
class TPCColorStyle {
public:
    explicit TPCColorStyle(TProgressCyl* owner);

    int IntensityRGB() const { return m_intensityRGB; }
    void SetIntensityRGB(int value);
    float Intensity() const { return m_intensity; }
    /// Ignores 0.
    void SetIntensity(float value);
    float IntensityFactor() const { return m_intensityFactor; }
    void SetIntensityFactor(float value);
    int RangeRGB() const { return m_rangeRGB; }
    /// Ignores 0.
    void SetRangeRGB(int value);
    int ColorRGB() const { return m_colorRGB; }
    void SetColorRGB(int value);
    float ColorFactor() const { return m_colorFactor; }
    void SetColorFactor(float value);
    float LightAngle() const { return m_lightAngle; }
    /// Ignores 0.
    void SetLightAngle(float value);

    /// Copies the seven values of source and tells the owner once.
    void Assign(const TPCColorStyle& source);

private:
    /// Stores value unless it is equal (or 0 where refused) and tells the owner.
    template <typename T> void assign(T& member, T value, bool refuseZero);
    void changed();

    TProgressCyl* m_owner;
    int m_intensityRGB = 255;
    float m_intensity = 4.0f;
    float m_intensityFactor = -1.0f;
    int m_rangeRGB = 255;
    int m_colorRGB = 255;
    float m_colorFactor = -1.0f;
    float m_lightAngle = -3.0f;
};

/// A progress bar drawn as a shaded cylinder lit from above, with the percentage written over it.
/// The picture is composed in an off-screen image and copied in one operation, so it never flickers.
class TProgressCyl : public QWidget {
public:
    explicit TProgressCyl(QWidget* parent = nullptr);
    ~TProgressCyl() override;

    int Min() const { return m_min; }
    /// A value equal to Max becomes Max - 1; taken only when Min < Max then holds.
    void SetMin(int value);
    int Max() const { return m_max; }
    /// A value equal to Min becomes Min + 1; taken only when Min < Max then holds.
    void SetMax(int value);
    int Position() const { return m_position; }
    /// Clamps to Min..Max; repaints only when the fill position or the percentage changes.
    void SetPosition(int value);
    int Step() const { return m_step; }
    void SetStep(int value) { m_step = value; }
    bool StopAtMax() const { return m_stopAtMax; }
    void SetStopAtMax(bool value) { m_stopAtMax = value; }
    TProgressOrientation Orientation() const { return m_orientation; }
    /// Also turns the text: bottom to top for a vertical bar, left to right for a horizontal one.
    void SetOrientation(TProgressOrientation value);

    QString Text() const { return m_text; }
    void SetText(const QString& value);
    QString TextDone() const { return m_textDone; }
    void SetTextDone(const QString& value);
    bool ShowText() const { return m_showText; }
    void SetShowText(bool value);
    TFontEffect FontEffect() const { return m_fontEffect; }
    void SetFontEffect(TFontEffect value);
    platform::TColor FontShadowColor() const { return m_fontShadowColor; }
    void SetFontShadowColor(platform::TColor value);
    TFontOrientation FontOrientation() const { return m_fontOrientation; }
    void SetFontOrientation(TFontOrientation value);
    /// The colour of the font (the widget's QFont carries no colour).
    platform::TColor FontColor() const { return m_fontColor; }
    void SetFontColor(platform::TColor value);

    TCylinderEffect CylinderEffect() const { return m_cylinderEffect; }
    void SetCylinderEffect(TCylinderEffect value);
    platform::TColor ForeColor() const { return m_foreColor; }
    void SetForeColor(platform::TColor value);
    platform::TColor ForeLineColor() const { return m_foreLineColor; }
    void SetForeLineColor(platform::TColor value);
    platform::TColor BackColor() const { return m_backColor; }
    void SetBackColor(platform::TColor value);
    platform::TColor BackBorderColor() const { return m_backBorderColor; }
    void SetBackBorderColor(platform::TColor value);
    TPCColorStyle& ForeStyle() { return *m_foreStyle; }
    const TPCColorStyle& ForeStyle() const { return *m_foreStyle; }
    void SetForeStyle(const TPCColorStyle& value) { m_foreStyle->Assign(value); }
    TPCColorStyle& BackStyle() { return *m_backStyle; }
    const TPCColorStyle& BackStyle() const { return *m_backStyle; }
    void SetBackStyle(const TPCColorStyle& value) { m_backStyle->Assign(value); }

    TBevelCut BevelInner() const { return m_bevelInner; }
    /// Refused (old value kept) while the control or its bar area has no pixels.
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return m_bevelWidth; }
    /// Refused when below 1 or when the bar area would vanish.
    void SetBevelWidth(int value);
    int BorderWidth() const { return m_borderWidth; }
    /// Refused when below 0 or when the bar area would vanish.
    void SetBorderWidth(int value);
    platform::TColor BevelColor() const { return m_bevelColor; }
    void SetBevelColor(platform::TColor value);
    TProEffect ProEffect() const { return m_proEffect; }
    void SetProEffect(TProEffect value) { m_proEffect = value; }
    platform::TColor Color() const { return m_color; }
    void SetColor(platform::TColor value);

    /// The current percentage (0..100).
    int Percent() const { return m_percent; }
    /// The column (horizontal) or row (vertical) of the end line of the filled part.
    int FillPosition() const { return m_fillPos; }
    /// The text written over the bar.
    QString DisplayText() const;
    /// How often the control asked to be repainted (offscreen merges updates, so tests count requests).
    int repaintRequests() const { return m_repaintRequests; }
    /// Composes the picture as paintEvent copies it (empty while nothing can be drawn).
    QImage composedImage();

    TNotifyEvent OnProgressDone;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    friend class TPCColorStyle;
    struct Rgb {
        double r = 0, g = 0, b = 0;
    };
    struct Fill {
        int pos = 0;
        int percent = 0;
    };

    static Rgb normalised(platform::TColor color, const TPCColorStyle& style);
    void styleChanged();
    template <typename T> void assignAndRepaint(T& member, const T& value);
    void setColorMember(platform::TColor& member, platform::TColor value);
    void recomputeColors();
    void recomputeGeometry();
    void ensureGeometry();
    void geometryChanged();
    bool geometryAccepts(int bevelWidth, int borderWidth) const;
    bool geometryValid() const;
    void rangeChanged();
    Fill computeFill() const;
    void refreshFill();
    void applyFill(bool positionMoved);
    void requestRepaint();
    QRgb shade(int k, const TPCColorStyle& style, const Rgb& n) const;
    void compose();
    void drawCylinderHorizontal(QImage& img) const;
    void drawCylinderVertical(QImage& img) const;
    void drawFrames(QImage& img) const;
    void drawText(QImage& img);

    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_step = 1;
    bool m_stopAtMax = true;
    TProgressOrientation m_orientation = TProgressOrientation::pbHorizontal;
    QString m_text;
    QString m_textDone;
    bool m_showText = true;
    TFontEffect m_fontEffect = TFontEffect::feShadowBottomRight;
    platform::TColor m_fontShadowColor;
    TFontOrientation m_fontOrientation = TFontOrientation::foLeftToRight;
    platform::TColor m_fontColor = platform::clBlack;
    TCylinderEffect m_cylinderEffect = TCylinderEffect::ceMaximum;
    platform::TColor m_foreColor = platform::clWhite;
    platform::TColor m_foreLineColor;
    platform::TColor m_backColor;
    platform::TColor m_backBorderColor = platform::clBlack;
    std::unique_ptr<TPCColorStyle> m_foreStyle;
    std::unique_ptr<TPCColorStyle> m_backStyle;
    TBevelCut m_bevelInner = TBevelCut::bvRaised;
    TBevelCut m_bevelOuter = TBevelCut::bvLowered;
    int m_bevelWidth = 1;
    int m_borderWidth = 2;
    platform::TColor m_bevelColor;
    TProEffect m_proEffect = TProEffect::peCustom;
    platform::TColor m_color;

    // derived state
    QImage m_bitmap;
    QImage m_textBitmap; // only while the text is drawn inverted
    Rgb m_foreN, m_lineN, m_backN;
    QRgb m_innerTL = 0, m_innerBR = 0; // edge colours of the inner bevel
    QRgb m_outerTL = 0, m_outerBR = 0; // and of the outer one
    int m_inset = 0;                   // frame inset b
    QSize m_geometrySize;              // the size the geometry was computed for
    int m_barW = 0, m_barH = 0;        // bar area size
    int m_shadeStep = 0;               // shading step per pixel across the bar
    double m_rangeRecip = 0.01;
    int m_percent = 0;
    int m_fillPos = 0;
    bool m_constructed = false;
    bool m_updating = true;
    int m_shadowOffset = 1;
    bool m_mouseInside = false;
    int m_repaintRequests = 0;
};

} // namespace widgets
