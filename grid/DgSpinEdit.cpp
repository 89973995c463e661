#include "grid/DgSpinEdit.h"

#include "grid/DgSharedCommon.h"
#include "platform/Themes.h"
#include "platform/ValueText.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <cstdlib>

namespace grid {

using namespace platform;

// ---------------------------------------------------------------------------------------------------------
// TDgSpinButtons

TDgSpinButtons::TDgSpinButtons(TDgSpinEdit* Edit)
    : QWidget(Edit), m_edit(Edit), m_delayTimer(new QTimer(this)), m_repeatTimer(new QTimer(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    m_delayTimer->setInterval(400);
    m_repeatTimer->setInterval(20);
    connect(m_delayTimer, &QTimer::timeout, this, &TDgSpinButtons::DelayTimerTick);
    connect(m_repeatTimer, &QTimer::timeout, this, &TDgSpinButtons::RepeatTimerTick);
}

void TDgSpinButtons::SetHoverPart(int Value) {
    if (Value == m_hoverPart)
        return;
    m_hoverPart = Value;
    update();
}

void TDgSpinButtons::Spin() {
    m_edit->DoSpin(m_pressedPart == 1 ? TSpinButton::sbUp : TSpinButton::sbDown);
}

void TDgSpinButtons::PressButton(int Part) {
    if (Part == 1 || Part == 2) {
        m_pressedPart = Part;
        m_delayTimer->start();
        Spin();
    } else {
        m_pressedPart = 0;
        m_delayTimer->stop();
        m_repeatTimer->stop();
    }
    update();
}

void TDgSpinButtons::DelayTimerTick() {
    if (m_pressedPart != 0 && !m_repeatTimer->isActive())
        m_repeatTimer->start();
}

void TDgSpinButtons::RepeatTimerTick() {
    if (m_pressedPart != 0)
        Spin();
}

TRect TDgSpinButtons::UpRect() const {
    return TRect(0, -1, width(), height() / 2);
}

TRect TDgSpinButtons::DownRect() const {
    return TRect(0, height() / 2, width(), height());
}

int TDgSpinButtons::PartAt(int Y) const {
    return Y < height() / 2 ? 1 : 2;
}

void TDgSpinButtons::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    TCanvas canvas(&painter, event->region());
    const bool enabled = m_edit->isEnabled();
    for (const int bit : {1, 2}) {
        TRect r = bit == 1 ? UpRect() : DownRect();
        const bool pressed = m_pressedPart & bit;
        const bool hot = m_hoverPart & bit;
        if (IsThemed()) {
            const int state = !enabled  ? theme::UPS_DISABLED
                              : pressed ? theme::UPS_PRESSED
                              : hot     ? theme::UPS_HOT
                                        : theme::UPS_NORMAL;
            DrawThemedBackground(this, canvas, r, QStringLiteral("spin"),
                                 bit == 1 ? theme::SPNP_UP : theme::SPNP_DOWN, state);
        } else {
            unsigned flags = (bit == 1 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN) | DFCS_ADJUSTRECT;
            if (pressed)
                flags |= DFCS_PUSHED;
            if (!enabled)
                flags |= DFCS_INACTIVE;
            DrawFrameControlScroll(canvas, r, flags);
        }
    }
}

void TDgSpinButtons::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        PressButton(PartAt(static_cast<int>(event->position().y())));
}

void TDgSpinButtons::mouseReleaseEvent(QMouseEvent*) {
    PressButton(0);
}

void TDgSpinButtons::mouseMoveEvent(QMouseEvent* event) {
    SetHoverPart(PartAt(static_cast<int>(event->position().y())));
}

void TDgSpinButtons::leaveEvent(QEvent*) {
    SetHoverPart(0);
}

// ---------------------------------------------------------------------------------------------------------
// TDgSpinEdit

TDgSpinEdit::TDgSpinEdit(QWidget* parent) : TDgCustomNumberEdit(parent, 0) {
    m_buttons = new TDgSpinButtons(this);
    UpdateMargins();
}

int TDgSpinEdit::ButtonWidth() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void TDgSpinEdit::SetSpinButtons(bool Value) {
    m_spinButtons = Value;
    UpdateMargins();
}

void TDgSpinEdit::UpdateEditMargins(int& Left, int& Right) {
    TDgCustomNumberEdit::UpdateEditMargins(Left, Right);
    if (m_spinButtons)
        Right += ButtonWidth();
}

void TDgSpinEdit::LayoutChildren() {
    TDgCustomNumberEdit::LayoutChildren();
    if (!m_buttons)
        return;
    if (!m_spinButtons) {
        m_buttons->hide();
        return;
    }
    const TRect client = ClientRect();
    const int w = ButtonWidth();
    // Without a border the buttons reach one pixel further down.
    const int extra = BorderStyle() == TBorderStyle::bsNone ? 1 : 0;
    m_buttons->setGeometry(client.Right - w, client.Top, w, client.Height() + extra);
    m_buttons->show();
}

void TDgSpinEdit::DoSpin(TSpinButtonSet Buttons) {
    if (ReadOnly())
        return;
    if (!hasFocus())
        setFocus(Qt::OtherFocusReason);
    const double value = Value();
    if (Buttons == TSpinButton::sbUp) {
        if (Clamping() && value + m_increment > Max())
            return;
        SetValue(value + m_increment);
    } else {
        if (value == 0 && !(Options() & TDgNumberEditOption::eoAllowSigns))
            return;
        if (Clamping() && value - m_increment < Min())
            return;
        SetValue(value - m_increment);
    }
    CaretToEnd();
    if (OnSpin)
        OnSpin(this, Buttons);
}

double TDgSpinEdit::GetAsFloat() const {
    return Value();
}
int TDgSpinEdit::GetAsInteger() const {
    return RoundToInt(Value());
}
void TDgSpinEdit::SetAsFloat(double Value) {
    SetValue(Value);
}
void TDgSpinEdit::SetAsInteger(int Value) {
    SetValue(Value);
}

void TDgSpinEdit::KeyDown(int& Key, TShiftState Shift) {
    TDgCustomNumberEdit::KeyDown(Key, Shift);
    if (InplaceFlag || !m_spinButtons)
        return;
    if (Key == VK_UP) {
        m_buttons->PressButton(1);
        Key = 0;
    } else if (Key == VK_DOWN) {
        m_buttons->PressButton(2);
        Key = 0;
    }
}

void TDgSpinEdit::KeyUp(int& Key, TShiftState Shift) {
    TDgCustomNumberEdit::KeyUp(Key, Shift);
    if (!InplaceFlag && m_spinButtons && (Key == VK_UP || Key == VK_DOWN))
        m_buttons->PressButton(0);
}

void TDgSpinEdit::wheelEvent(QWheelEvent* event) {
    if (InplaceFlag || !m_spinButtons) {
        TDgCustomNumberEdit::wheelEvent(event);
        return;
    }
    m_wheelAccumulator += event->angleDelta().y();
    while (std::abs(m_wheelAccumulator) >= 120) {
        const bool down = m_wheelAccumulator < 0;
        m_wheelAccumulator += down ? 120 : -120;
        m_buttons->PressButton(down ? 2 : 1);
        m_buttons->PressButton(0);
    }
    event->accept();
}

void TDgSpinEdit::enterEvent(QEnterEvent* event) {
    TDgCustomNumberEdit::enterEvent(event);
    m_buttons->SetHoverPart(3);
}

void TDgSpinEdit::leaveEvent(QEvent* event) {
    TDgCustomNumberEdit::leaveEvent(event);
    m_buttons->SetHoverPart(0);
}

} // namespace grid
