#include "platform/HintWindow.h"

#include "platform/Colors.h"

#include <QPaintEvent>
#include <QPainter>

namespace platform {

namespace {
TColor g_hintColor = clInfoBk;
bool g_showHints = true;
// Text inset inside the window: one pixel of border and two of margin.
constexpr int kInset = 3;
} // namespace

TColor HintColor() {
    return g_hintColor;
}
void SetHintColor(TColor color) {
    g_hintColor = color;
}
bool ShowHints() {
    return g_showHints;
}
void SetShowHints(bool show) {
    g_showHints = show;
}

THintWindow::THintWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), Color(HintColor()) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    Font.Color = clInfoText;
}

TRect THintWindow::CalcHintRect(int maxWidth, const QString& text) const {
    TCanvas canvas;
    canvas.Font = Font;
    TRect r(0, 0, maxWidth, 0);
    canvas.DrawText(text, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    return TRect(0, 0, r.Right + 2 * kInset, r.Bottom + 2 * kInset);
}

void THintWindow::ActivateHint(const TRect& rect, const QString& text) {
    m_text = text;
    setGeometry(rect.toQRect());
    update();
    show();
}

void THintWindow::ReleaseHandle() {
    hide();
}

void THintWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    TCanvas canvas(&painter, event->region());
    const TRect client(0, 0, width(), height());
    canvas.Brush.Color = Color;
    canvas.FillRect(client);
    canvas.Brush.Color = clBlack;
    canvas.FrameRect(client);
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Font = Font;
    TRect text = InflateRect(client, -kInset, -kInset);
    canvas.DrawText(m_text, text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace platform
