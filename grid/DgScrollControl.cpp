#include "grid/DgScrollControl.h"

#include "grid/DgFlyoutControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace grid {

using namespace platform;

namespace {

// The window's own scroll bar: reports the end of a mouse interaction (SB_ENDSCROLL) and hands the wheel
// to its control, as a window's scroll bars do.
class WindowScrollBar : public QScrollBar {
public:
    WindowScrollBar(Qt::Orientation orientation, TDgCustomScrollControl* owner)
        : QScrollBar(orientation), m_owner(owner) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QScrollBar::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton) {
            if (orientation() == Qt::Horizontal)
                m_owner->WMHScroll(SB_ENDSCROLL);
            else
                m_owner->WMVScroll(SB_ENDSCROLL);
        }
    }
    void wheelEvent(QWheelEvent* event) override { QCoreApplication::sendEvent(m_owner->viewport(), event); }

private:
    TDgCustomScrollControl* m_owner;
};

int clampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

// ---------------------------------------------------------------------------------------------------------
// TDgCustomScrollBar

TDgCustomScrollBar::TDgCustomScrollBar(TDgCustomScrollControl* AOwner) : m_owner(AOwner) {}

TDgCustomScrollBar::~TDgCustomScrollBar() = default;

void TDgCustomScrollBar::SetKind(TScrollBarKind Value) {
    m_kind = Value;
}

void TDgCustomScrollBar::SetPosition(int Value) {
    const int old = m_position;
    m_position = std::max(std::clamp(Value, m_min, std::max(m_min, m_max)), 0);
    UpdateBar();
    if (m_updateLock > 0 || !m_owner)
        return;
    if (m_kind == TScrollBarKind::sbVertical)
        m_owner->ScrollContent(this, 0, m_owner->GetVertScrollDelta(old, m_position));
    else
        m_owner->ScrollContent(this, m_owner->GetHorzScrollDelta(old, m_position), 0);
}

void TDgCustomScrollBar::SetMax(int Value) {
    if (Value == m_max)
        return;
    m_max = std::max(Value, 0);
    m_visible = m_max > m_pageSize || !m_autoHide;
    SetBarVisible(m_visible);
    UpdateBar();
    if (m_max < m_position)
        SetPosition(m_max);
}

void TDgCustomScrollBar::SetPageSize(int Value) {
    if (Value == m_pageSize)
        return;
    m_pageSize = std::max(Value, 1);
    UpdateBar();
}

void TDgCustomScrollBar::SetAutoHide(bool Value) {
    m_autoHide = Value;
    SetBarVisible(!(m_max == 0 && m_autoHide));
    UpdateBar();
}

void TDgCustomScrollBar::SetEnabled(bool Value) {
    m_enabled = Value;
    UpdateBar();
}

void TDgCustomScrollBar::SetBarVisible(bool Value) {
    m_visible = Value;
}

void TDgCustomScrollBar::UpdateBar() {}

void TDgCustomScrollBar::BeginUpdate() {
    ++m_updateLock;
}

void TDgCustomScrollBar::EndUpdate() {
    if (m_updateLock > 0)
        --m_updateLock;
}

void TDgCustomScrollBar::First() {
    SetPosition(0);
}

void TDgCustomScrollBar::Last() {
    SetPosition(clampToInt(static_cast<long long>(m_max) - m_pageSize + 1));
}

void TDgCustomScrollBar::MoveBy(int Delta) {
    SetPosition(clampToInt(static_cast<long long>(m_position) + Delta));
}

bool TDgCustomScrollBar::IsFirst() const {
    return m_position == 0;
}

bool TDgCustomScrollBar::IsLast() const {
    return static_cast<long long>(m_position) + m_pageSize >= m_max;
}

void TDgCustomScrollBar::SendScroll(int ScrollCode) {
    if (m_max < 1 || !m_owner)
        return;
    if (m_kind == TScrollBarKind::sbHorizontal)
        m_owner->WMHScroll(ScrollCode);
    else
        m_owner->WMVScroll(ScrollCode);
}

void TDgCustomScrollBar::LineDown() {
    SendScroll(SB_LINEDOWN);
}
void TDgCustomScrollBar::LineUp() {
    SendScroll(SB_LINEUP);
}
void TDgCustomScrollBar::PageDown() {
    SendScroll(SB_PAGEDOWN);
}
void TDgCustomScrollBar::PageUp() {
    SendScroll(SB_PAGEUP);
}

// ---------------------------------------------------------------------------------------------------------
// TDgScrollBar

QScrollBar* TDgScrollBar::WindowBar() const {
    if (!Owner())
        return nullptr;
    return Kind() == TScrollBarKind::sbHorizontal ? Owner()->horizontalScrollBar()
                                                  : Owner()->verticalScrollBar();
}

int TDgScrollBar::TrackPosition() const {
    const QScrollBar* bar = WindowBar();
    return bar ? bar->sliderPosition() : Position();
}

bool TDgScrollBar::BarShown() const {
    if (!Owner())
        return false;
    const Qt::ScrollBarPolicy policy = Kind() == TScrollBarKind::sbHorizontal
                                           ? Owner()->horizontalScrollBarPolicy()
                                           : Owner()->verticalScrollBarPolicy();
    return policy == Qt::ScrollBarAlwaysOn;
}

void TDgScrollBar::ShowWindowBar(bool Value) {
    if (!Owner() || BarShown() == Value)
        return;
    const Qt::ScrollBarPolicy policy = Value ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (Kind() == TScrollBarKind::sbHorizontal)
        Owner()->setHorizontalScrollBarPolicy(policy);
    else
        Owner()->setVerticalScrollBarPolicy(policy);
}

void TDgScrollBar::SetBarVisible(bool Value) {
    TDgCustomScrollBar::SetBarVisible(Value);
    ShowWindowBar(Value);
}

void TDgScrollBar::UpdateBar() {
    QScrollBar* bar = WindowBar();
    if (!bar)
        return;
    // Windows keeps the page inside the range: the last position shows the last page.
    const long long last = static_cast<long long>(Max()) - std::max(PageSize() - 1, 0);
    const int qtMax = clampToInt(std::max<long long>(last, Min()));
    const bool scrollable = qtMax > Min();
    {
        const QSignalBlocker blocker(bar);
        bar->setRange(Min(), qtMax);
        bar->setPageStep(std::max(PageSize(), 1));
        bar->setSingleStep(std::max(SmallChange(), 1));
        bar->setValue(Position());
        bar->setEnabled(scrollable && Enabled() && Owner()->isEnabled());
    }
    // As the window system does when it gets new scroll values: a bar with something to scroll is shown;
    // one without is hidden, or only disabled while AutoHide is off.
    if (scrollable)
        ShowWindowBar(true);
    else if (AutoHide())
        ShowWindowBar(false);
}

// ---------------------------------------------------------------------------------------------------------
// TDgCustomScrollControl

TDgCustomScrollControl::TDgCustomScrollControl(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBar(new WindowScrollBar(Qt::Horizontal, this));
    setVerticalScrollBar(new WindowScrollBar(Qt::Vertical, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The control paints every pixel of its client itself: no background erase.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

TDgCustomScrollControl::~TDgCustomScrollControl() {
    // The derived grid is already gone: its drag handlers must not run any more.
    if (Dragging())
        TDragManager::instance().AbandonDrag();
}

int TDgCustomScrollControl::ClientWidth() const {
    return viewport()->width();
}
int TDgCustomScrollControl::ClientHeight() const {
    return viewport()->height();
}
TRect TDgCustomScrollControl::ClientRect() const {
    return TRect(0, 0, ClientWidth(), ClientHeight());
}

int TDgCustomScrollControl::GetHorzScrollDelta(int, int) {
    return 0;
}
int TDgCustomScrollControl::GetVertScrollDelta(int, int) {
    return 0;
}
void TDgCustomScrollControl::AfterScroll(TScrollBarKind) {}
void TDgCustomScrollControl::BeforeScroll(TScrollBarKind) {}

void TDgCustomScrollControl::ScrollContent(TDgCustomScrollBar* ScrollBar, int DX, int DY) {
    const TScrollBarKind kind = ScrollBar ? ScrollBar->Kind() : TScrollBarKind::sbVertical;
    BeforeScroll(kind);
    const TRect& clip = DX != 0 ? HorzClipRect : VertClipRect;
    if ((DX != 0 || DY != 0) && !clip.IsEmpty())
        viewport()->scroll(DX, DY, clip.toQRect());
    AfterScroll(kind);
}

void TDgCustomScrollControl::WMHScroll(int) {}
void TDgCustomScrollControl::WMVScroll(int) {}

void TDgCustomScrollControl::BeginDrag(bool Immediate, int Threshold) {
    TDragManager::instance().BeginDrag(this, Immediate, Threshold);
}

bool TDgCustomScrollControl::Dragging() const {
    const TDragManager& drag = TDragManager::instance();
    return drag.IsActive() && drag.Source() == this;
}

void TDgCustomScrollControl::CancelDrag() {
    if (Dragging())
        TDragManager::instance().CancelDrag();
}

QWidget* TDgCustomScrollControl::DragClientWidget() {
    return viewport();
}

bool TDgCustomScrollControl::DragOver(QWidget* Source, int X, int Y, TDragState State) {
    bool accept = false;
    if (OnDragOver) {
        accept = true;
        OnDragOver(this, Source, X, Y, State, accept);
    }
    return accept;
}

void TDgCustomScrollControl::DragDrop(QWidget* Source, int X, int Y) {
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
}

void TDgCustomScrollControl::EndDrag(QWidget* Target, int X, int Y) {
    if (OnEndDrag)
        OnEndDrag(this, Target, X, Y);
}

void TDgCustomScrollControl::StartDrag() {
    if (OnStartDrag)
        OnStartDrag(this);
}

void TDgCustomScrollControl::Paint() {}

void TDgCustomScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TDgCustomScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TDgCustomScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TDgCustomScrollControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TDgCustomScrollControl::KeyDown(int& Key, TShiftState Shift) {
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TDgCustomScrollControl::KeyPress(QChar& Key) {
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TDgCustomScrollControl::KeyUp(int& Key, TShiftState Shift) {
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

bool TDgCustomScrollControl::DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) {
    constexpr int kWheelDelta = 120;
    bool handled = false;
    m_wheelAccumulator += WheelDelta;
    while (std::abs(m_wheelAccumulator) >= kWheelDelta) {
        if (m_wheelAccumulator < 0) {
            m_wheelAccumulator += kWheelDelta;
            handled = DoMouseWheelDown(Shift, MousePos);
        } else {
            m_wheelAccumulator -= kWheelDelta;
            handled = DoMouseWheelUp(Shift, MousePos);
        }
    }
    return handled;
}

bool TDgCustomScrollControl::DoMouseWheelDown(TShiftState Shift, const TPoint& MousePos) {
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TDgCustomScrollControl::DoMouseWheelUp(TShiftState Shift, const TPoint& MousePos) {
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TDgCustomScrollControl::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    Canvas.Begin(&painter, event->region());
    // The canvas must not keep the painter of this paint when Paint() raises.
    const auto endPaint = qScopeGuard([this] { Canvas.End(); });
    Paint();
}

void TDgCustomScrollControl::mousePressEvent(QMouseEvent* event) {
    TMouseButton button{};
    if (!MouseButtonOf(event->button(), button))
        return;
    const QPoint p = event->position().toPoint();
    MouseDown(button, ShiftStateOf(event), p.x(), p.y());
}

void TDgCustomScrollControl::mouseDoubleClickEvent(QMouseEvent* event) {
    TMouseButton button{};
    if (!MouseButtonOf(event->button(), button))
        return;
    if (button == TMouseButton::mbLeft)
        DblClick();
    const QPoint p = event->position().toPoint();
    MouseDown(button, ShiftStateOf(event), p.x(), p.y());
}

void TDgCustomScrollControl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseMove(ShiftStateOf(event), p.x(), p.y());
}

void TDgCustomScrollControl::mouseReleaseEvent(QMouseEvent* event) {
    TMouseButton button{};
    if (!MouseButtonOf(event->button(), button))
        return;
    const QPoint p = event->position().toPoint();
    MouseUp(button, ShiftStateOf(event), p.x(), p.y());
}

void TDgCustomScrollControl::keyPressEvent(QKeyEvent* event) {
    const bool keep = RunKeyHandlers(
        event, [this](int& key, TShiftState shift) { KeyDown(key, shift); },
        [this](QChar& key) { KeyPress(key); });
    // Enter and Esc that the control left alone go on to the dialog (default and cancel buttons).
    const int key = event->key();
    if (keep && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape))
        event->ignore();
    else
        event->accept();
}

void TDgCustomScrollControl::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its key-down only, as on Windows.
    if (event->isAutoRepeat())
        return;
    int key = VirtualKeyOf(event);
    KeyUp(key, ShiftStateOf(event));
}

void TDgCustomScrollControl::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    const bool handled = DoMouseWheel(ShiftStateOf(event->modifiers(), event->buttons()), delta,
                                      event->globalPosition().toPoint());
    event->setAccepted(handled);
}

void TDgCustomScrollControl::scrollContentsBy(int, int) {}

// ---------------------------------------------------------------------------------------------------------
// TDgScrollControl

TDgScrollControl::TDgScrollControl(QWidget* parent) : TDgCustomScrollControl(parent) {
    LoadCursorResource(crRoll, QStringLiteral("ROLL"));
    LoadCursorResource(crRollUp, QStringLiteral("ROLLUP"));
    LoadCursorResource(crRollDown, QStringLiteral("ROLLDOWN"));

    m_horzScrollBar = new TDgScrollBar(this);
    m_horzScrollBar->SetKind(TScrollBarKind::sbHorizontal);
    m_vertScrollBar = new TDgScrollBar(this);
    m_vertScrollBar->SetKind(TScrollBarKind::sbVertical);

    m_rollShadow = new TRollShadow(this);
    m_rollTimer = new QTimer(this);
    m_rollTimer->setInterval(1);
    connect(m_rollTimer, &QTimer::timeout, this, &TDgScrollControl::RollTimerTick);

    auto route = [](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            return int(SB_LINEDOWN);
        case QAbstractSlider::SliderSingleStepSub:
            return int(SB_LINEUP);
        case QAbstractSlider::SliderPageStepAdd:
            return int(SB_PAGEDOWN);
        case QAbstractSlider::SliderPageStepSub:
            return int(SB_PAGEUP);
        case QAbstractSlider::SliderToMinimum:
            return int(SB_TOP);
        case QAbstractSlider::SliderToMaximum:
            return int(SB_BOTTOM);
        case QAbstractSlider::SliderMove:
            return int(SB_THUMBTRACK);
        default:
            return -1;
        }
    };
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this, [this, route](int action) {
        if (const int code = route(action); code >= 0)
            WMHScroll(code);
    });
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this, route](int action) {
        if (const int code = route(action); code >= 0)
            WMVScroll(code);
    });
    connect(horizontalScrollBar(), &QAbstractSlider::sliderReleased, this,
            [this] { WMHScroll(SB_THUMBPOSITION); });
    connect(verticalScrollBar(), &QAbstractSlider::sliderReleased, this,
            [this] { WMVScroll(SB_THUMBPOSITION); });

    m_horzScrollBar->UpdateBar();
    m_vertScrollBar->UpdateBar();
}

TDgScrollControl::~TDgScrollControl() {
    if (m_rolling)
        StopRolling();
    delete m_horzScrollBar;
    delete m_vertScrollBar;
}

void TDgScrollControl::ScrollMessage(TDgScrollBar* Bar, int ScrollCode) {
    long long pos = Bar->Position();
    bool change = true;
    switch (ScrollCode) {
    case SB_LINEUP:
        pos -= Bar->SmallChange();
        break;
    case SB_LINEDOWN:
        pos += Bar->SmallChange();
        break;
    case SB_PAGEUP:
        pos -= Bar->LargeChange();
        break;
    case SB_PAGEDOWN:
        pos += Bar->LargeChange();
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        pos = Bar->TrackPosition();
        break;
    case SB_TOP:
        pos = 0;
        break;
    case SB_BOTTOM:
        pos = Bar->Max();
        break;
    default:
        change = false;
        break;
    }
    if (change) {
        if (pos < 0)
            pos = 0;
        const long long last = static_cast<long long>(Bar->Max()) - Bar->PageSize();
        if (pos > last)
            pos = last + 1;
        Bar->SetPosition(clampToInt(pos));
    }
}

void TDgScrollControl::WMHScroll(int ScrollCode) {
    ScrollMessage(m_horzScrollBar, ScrollCode);
    if (OnHorizontalScroll)
        OnHorizontalScroll(this, m_horzScrollBar->Position());
}

void TDgScrollControl::WMVScroll(int ScrollCode) {
    ScrollMessage(m_vertScrollBar, ScrollCode);
    if (OnVerticalScroll)
        OnVerticalScroll(this, m_vertScrollBar->Position());
}

void TDgScrollControl::FocusControl() {
    if (window())
        setFocus(Qt::OtherFocusReason);
}

void TDgScrollControl::PostTabToParent() {
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    const bool back = QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
    QCoreApplication::postEvent(parent, new QKeyEvent(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                                                      back ? Qt::ShiftModifier : Qt::NoModifier));
}

void TDgScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TDgCustomScrollControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbMiddle || !m_rollEnabled)
        return;
    m_rolling = true;
    m_rollShadow->setCursor(Cursor(crRoll));
    m_rollAnchor = TPoint(X, Y);
    m_rollMouse = m_rollAnchor;
    m_rollDirection = 0;
    m_rollShadow->ShowAt(viewport()->mapToGlobal(m_rollAnchor));
    SetScreenCursor(crRoll);
    m_rollTimer->setInterval(1);
    m_rollTimer->start();
    // The mouse stays with the control while the button is held (Qt's implicit grab).
}

void TDgScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
    TDgCustomScrollControl::MouseMove(Shift, X, Y);
    if (!m_rolling)
        return;
    m_rollMouse = TPoint(X, Y);
    m_rollDirection = 0;
    const int dy = Y - m_rollAnchor.y();
    if (dy < -5) {
        SetScreenCursor(crRollUp);
        m_rollDirection |= 1;
    } else if (dy >= 6) {
        SetScreenCursor(crRollDown);
        m_rollDirection |= 2;
    } else {
        SetScreenCursor(crRoll);
    }
    m_rollShadow->setCursor(Cursor(ScreenCursor()));
}

void TDgScrollControl::RollTimerTick() {
    const int distance = std::abs(m_rollMouse.y() - m_rollAnchor.y());
    m_rollTimer->setInterval(std::max(100 - distance, 1));
    if (m_rollDirection & 1)
        m_vertScrollBar->LineUp();
    if (m_rollDirection & 2)
        m_vertScrollBar->LineDown();
}

void TDgScrollControl::StopRolling() {
    m_rollTimer->stop();
    m_rolling = false;
    m_rollShadow->hide();
    SetScreenCursor(crDefault);
}

void TDgScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TDgCustomScrollControl::MouseUp(Button, Shift, X, Y);
    StopRolling();
}

bool TDgScrollControl::DoMouseWheelDown(TShiftState Shift, const TPoint& MousePos) {
    if (m_mouseWheelEnabled)
        return true;
    return TDgCustomScrollControl::DoMouseWheelDown(Shift, MousePos);
}

bool TDgScrollControl::DoMouseWheelUp(TShiftState Shift, const TPoint& MousePos) {
    if (m_mouseWheelEnabled)
        return true;
    return TDgCustomScrollControl::DoMouseWheelUp(Shift, MousePos);
}

void TDgScrollControl::changeEvent(QEvent* event) {
    TDgCustomScrollControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        viewport()->update();
        m_horzScrollBar->UpdateBar();
        m_vertScrollBar->UpdateBar();
    }
}

} // namespace grid
