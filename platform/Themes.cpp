#include "platform/Themes.h"

#include "platform/Canvas.h"
#include "platform/Colors.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

namespace platform {

namespace {
bool g_themeActive = true;
} // namespace

bool IsThemeActive() {
    return g_themeActive;
}

void SetThemeActive(bool active) {
    g_themeActive = active;
}

void DrawThemeBackground(const QWidget* widget, TCanvas& canvas, const TRect& rect, const QString& themeClass,
                         int part, int state) {
    QPainter* painter = canvas.Painter();
    if (!painter || rect.IsEmpty())
        return;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QPalette palette = widget ? widget->palette() : QApplication::palette();
    const QString cls = themeClass.toLower();
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (cls == QLatin1String("header")) {
        QStyleOptionHeader opt;
        opt.rect = rect.toQRect();
        opt.palette = palette;
        opt.state = QStyle::State_Enabled | QStyle::State_Horizontal;
        opt.orientation = Qt::Horizontal;
        if (state == theme::HIS_PRESSED)
            opt.state |= QStyle::State_Sunken;
        else
            opt.state |= QStyle::State_Raised;
        if (state == theme::HIS_HOT)
            opt.state |= QStyle::State_MouseOver;
        if (part == theme::HP_HEADERITEM)
            style->drawControl(QStyle::CE_HeaderSection, &opt, painter, widget);
        else if (part == theme::HP_HEADERITEMLEFT)
            style->drawControl(QStyle::CE_HeaderEmptyArea, &opt, painter, widget);
    } else if (cls == QLatin1String("spin")) {
        QStyleOption opt;
        opt.rect = rect.toQRect();
        opt.palette = palette;
        opt.state = QStyle::State_None;
        if (state != theme::UPS_DISABLED)
            opt.state |= QStyle::State_Enabled;
        else
            opt.palette.setCurrentColorGroup(QPalette::Disabled);
        opt.state |= state == theme::UPS_PRESSED ? QStyle::State_Sunken : QStyle::State_Raised;
        if (state == theme::UPS_HOT)
            opt.state |= QStyle::State_MouseOver;
        if (part == theme::SPNP_UP || part == theme::SPNP_DOWN) {
            style->drawPrimitive(QStyle::PE_PanelButtonBevel, &opt, painter, widget);
            style->drawPrimitive(part == theme::SPNP_UP ? QStyle::PE_IndicatorSpinUp
                                                        : QStyle::PE_IndicatorSpinDown,
                                 &opt, painter, widget);
        }
    } else if (cls == QLatin1String("edit")) {
        if (part == theme::EP_EDITTEXT) {
            QStyleOptionFrame opt;
            opt.rect = rect.toQRect();
            opt.palette = palette;
            opt.state = QStyle::State_Sunken;
            if (!widget || widget->isEnabled())
                opt.state |= QStyle::State_Enabled;
            if (widget && widget->hasFocus())
                opt.state |= QStyle::State_HasFocus;
            opt.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, widget);
            opt.midLineWidth = 0;
            style->drawPrimitive(QStyle::PE_FrameLineEdit, &opt, painter, widget);
        }
    } else if (cls == QLatin1String("button")) {
        if (part == theme::BP_CHECKBOX && state >= 1 && state <= 8) {
            QStyleOptionButton opt;
            opt.rect = rect.toQRect();
            opt.palette = palette;
            const bool checked = state >= theme::CBS_CHECKEDNORMAL;
            const int kind = (state - 1) % 4; // normal, hot, pressed, disabled
            opt.state = checked ? QStyle::State_On : QStyle::State_Off;
            if (kind != 3)
                opt.state |= QStyle::State_Enabled;
            if (kind == 1)
                opt.state |= QStyle::State_MouseOver;
            if (kind == 2)
                opt.state |= QStyle::State_Sunken;
            style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &opt, painter, widget);
        }
    }
    painter->restore();
}

void Frame3D(TCanvas& canvas, const TRect& r, TColor topColor, TColor bottomColor) {
    if (r.IsEmpty())
        return;
    const TBrush saved = canvas.Brush;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = topColor;
    canvas.FillRect(TRect(r.Left, r.Top, r.Right - 1, r.Top + 1));
    canvas.FillRect(TRect(r.Left, r.Top, r.Left + 1, r.Bottom - 1));
    canvas.Brush.Color = bottomColor;
    canvas.FillRect(TRect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
    canvas.FillRect(TRect(r.Right - 1, r.Top, r.Right, r.Bottom));
    canvas.Brush = saved;
}

namespace {

void arrow(TCanvas& canvas, const TRect& inner, unsigned direction, int dx, int dy, TColor color) {
    const int w = inner.Width();
    const int h = inner.Height();
    const bool vertical = direction == DFCS_SCROLLUP || direction == DFCS_SCROLLDOWN;
    const int along = vertical ? h : w;  // the arrow's height runs along this
    const int across = vertical ? w : h; // its base runs across this
    const int rows = std::max(1, std::min(across / 3, along / 2));
    const int cx = inner.Left + (w - 1) / 2 + dx;
    const int cy = inner.Top + (h - 1) / 2 + dy;
    const TBrush saved = canvas.Brush;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = color;
    for (int i = 0; i < rows; ++i) {
        // Row 0 is the tip; each following row is two pixels wider.
        const int offset = i - rows / 2;
        switch (direction) {
        case DFCS_SCROLLUP:
            canvas.FillRect(TRect(cx - i, cy + offset, cx + i + 1, cy + offset + 1));
            break;
        case DFCS_SCROLLDOWN:
            canvas.FillRect(TRect(cx - i, cy - offset, cx + i + 1, cy - offset + 1));
            break;
        case DFCS_SCROLLLEFT:
            canvas.FillRect(TRect(cx + offset, cy - i, cx + offset + 1, cy + i + 1));
            break;
        default:
            canvas.FillRect(TRect(cx - offset, cy - i, cx - offset + 1, cy + i + 1));
            break;
        }
    }
    canvas.Brush = saved;
}

} // namespace

TRect DrawEdge(TCanvas& canvas, const TRect& rect, unsigned edge) {
    TRect r = rect;
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) {
        if (edge & BDR_SUNKENOUTER)
            Frame3D(canvas, r, clBtnShadow, clBtnHighlight);
        else
            Frame3D(canvas, r, cl3DLight, cl3DDkShadow);
        r = InflateRect(r, -1, -1);
    }
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
        if (edge & BDR_SUNKENINNER)
            Frame3D(canvas, r, cl3DDkShadow, cl3DLight);
        else
            Frame3D(canvas, r, clBtnHighlight, clBtnShadow);
        r = InflateRect(r, -1, -1);
    }
    return r;
}

void DrawFrameControlScroll(TCanvas& canvas, TRect& rect, unsigned state) {
    const unsigned direction = state & 0xF;
    TRect inner;
    if (state & (DFCS_PUSHED | DFCS_FLAT)) {
        Frame3D(canvas, rect, clBtnShadow, clBtnShadow);
        inner = InflateRect(rect, -1, -1);
        const TBrush saved = canvas.Brush;
        canvas.Brush.Style = TBrushStyle::bsSolid;
        canvas.Brush.Color = clBtnFace;
        canvas.FillRect(inner);
        canvas.Brush = saved;
        inner = InflateRect(inner, -1, -1);
    } else {
        inner = DrawEdge(canvas, rect, EDGE_RAISED);
        const TBrush saved = canvas.Brush;
        canvas.Brush.Style = TBrushStyle::bsSolid;
        canvas.Brush.Color = clBtnFace;
        canvas.FillRect(inner);
        canvas.Brush = saved;
    }
    const int shift = (state & DFCS_PUSHED) ? 1 : 0;
    if (state & DFCS_INACTIVE) {
        arrow(canvas, inner, direction, shift + 1, shift + 1, clBtnHighlight);
        arrow(canvas, inner, direction, shift, shift, clBtnShadow);
    } else {
        arrow(canvas, inner, direction, shift, shift, clBtnText);
    }
    if (state & DFCS_ADJUSTRECT)
        rect = InflateRect(rect, -2, -2);
}

} // namespace platform
