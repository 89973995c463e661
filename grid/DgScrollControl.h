#pragma once

#include "platform/Canvas.h"
#include "platform/ControlTypes.h"
#include "platform/Cursors.h"
#include "platform/DragDrop.h"
#include "platform/Keys.h"
#include "platform/Rect.h"

#include <QAbstractScrollArea>
#include <functional>

class QScrollBar;
class QTimer;

// The scrolling control base of the grid: its two scroll bars, the scroll messages, scrolling the client
// area, the wheel rule and roll panning with the middle mouse button.
namespace grid {

class TRollShadow;

/// The roll cursors, loaded at construction of every scroll control.
constexpr platform::TCursor crRoll = 4003;
constexpr platform::TCursor crRollUp = 4004;
constexpr platform::TCursor crRollDown = 4005;

/// Scroll codes of the scroll messages.
enum : int {
    SB_LINEUP = 0,
    SB_LINELEFT = 0,
    SB_LINEDOWN = 1,
    SB_LINERIGHT = 1,
    SB_PAGEUP = 2,
    SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_LEFT = 6,
    SB_BOTTOM = 7,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};

/// Which of the control's two bars: horizontal (0) or vertical (1).
enum class TScrollBarKind { sbHorizontal, sbVertical };

/// (Sender, Position): a scroll message was handled; Position is the bar's position after it.
using TScrollEvent = std::function<void(QObject* Sender, int Position)>;

class TDgCustomScrollControl;

/// One of the control's two scroll bars as a model: the range, page and position live here and are the
/// truth; TDgScrollBar copies them into the window's bar. Windows' rule for the range: positions run from
/// Min to Max - PageSize + 1.
class TDgCustomScrollBar {
public:
    explicit TDgCustomScrollBar(TDgCustomScrollControl* AOwner);
    virtual ~TDgCustomScrollBar();
    TDgCustomScrollBar(const TDgCustomScrollBar&) = delete;
    TDgCustomScrollBar& operator=(const TDgCustomScrollBar&) = delete;

    TDgCustomScrollControl* Owner() const { return m_owner; }

    TScrollBarKind Kind() const { return m_kind; }
    void SetKind(TScrollBarKind Value);

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    /// Max := Value (at least 0); shows or hides the bar; pulls Position down when it is above the new Max.
    void SetMax(int Value);
    int Position() const { return m_position; }
    /// Position := Value within Min..Max and at least 0; updates the bar; unless locked, scrolls the owner's
    /// content by the pixel distance the owner gives for the change.
    void SetPosition(int Value);
    int PageSize() const { return m_pageSize; }
    /// PageSize := Value, at least 1.
    void SetPageSize(int Value);
    int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int Value) { m_smallChange = Value; }
    int LargeChange() const { return m_largeChange; }
    void SetLargeChange(int Value) { m_largeChange = Value; }
    bool AutoHide() const { return m_autoHide; }
    /// Stores; the bar is hidden when Max is 0 and AutoHide is set, else shown.
    void SetAutoHide(bool Value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    /// The visible flag as last set.
    bool Visible() const { return m_visible; }
    /// The update lock: above 0, position changes update the bar but do not scroll the content.
    int UpdateLock() const { return m_updateLock; }

    virtual void SetBarVisible(bool Value);
    virtual void UpdateBar();
    /// Sends the owner the scroll message of a click on the bar's page area (nothing while Max < 1).
    virtual void PageDown();
    virtual void PageUp();

    void BeginUpdate();
    /// Releases one lock; more releases than locks are ignored.
    void EndUpdate();
    void First();
    void Last();
    void MoveBy(int Delta);
    bool IsFirst() const;
    bool IsLast() const;
    /// Sends the owner the scroll message of a click on the bar's arrow (nothing while Max < 1).
    void LineDown();
    void LineUp();

protected:
    void SendScroll(int ScrollCode);

private:
    TDgCustomScrollControl* m_owner;
    TScrollBarKind m_kind = TScrollBarKind::sbHorizontal;
    int m_min = 0;
    int m_max = 0;
    int m_position = 0;
    int m_pageSize = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;
    bool m_autoHide = true;
    bool m_enabled = true;
    bool m_visible = false;
    int m_updateLock = 0;
};

/// A scroll bar model mirrored into the owner's QScrollBar (signals blocked while copying).
class TDgScrollBar : public TDgCustomScrollBar {
public:
    using TDgCustomScrollBar::TDgCustomScrollBar;

    /// Shows or hides the window's bar.
    void SetBarVisible(bool Value) override;
    /// Copies range, page, position and enabled state into the window's bar. The Qt range is
    /// Min .. Max - PageSize + 1 with the page as page step. With AutoHide the bar shows exactly when there
    /// is something to scroll; without it the bar stays and is disabled instead.
    void UpdateBar() override;

    /// The window's bar of this kind.
    QScrollBar* WindowBar() const;
    /// The window bar's position while its thumb is dragged (its slider position).
    int TrackPosition() const;
    /// Whether the window shows the bar.
    bool BarShown() const;

private:
    void ShowWindowBar(bool Value);
};

/// The base of the scrolling controls: a QAbstractScrollArea whose client is viewport(). It translates
/// Qt's input into the design's handlers (MouseDown, KeyDown, KeyPress, DoMouseWheel, ...), each of which
/// fires its event when assigned, takes part in in-process drag and drop, and scrolls the client area.
class TDgCustomScrollControl : public QAbstractScrollArea, public platform::TDragClient {
    Q_OBJECT
public:
    explicit TDgCustomScrollControl(QWidget* parent = nullptr);
    ~TDgCustomScrollControl() override;

    /// The client areas moved by horizontal and by vertical scrolling; the derived control sets them.
    platform::TRect HorzClipRect;
    platform::TRect VertClipRect;

    /// The canvas, bound to the viewport's painter while Paint runs; it measures text at other times.
    platform::TCanvas Canvas;

    int ClientWidth() const;
    int ClientHeight() const;
    platform::TRect ClientRect() const;

    /// Pixel distance to scroll the content by for a horizontal position change (0 here).
    virtual int GetHorzScrollDelta(int OldPos, int NewPos);
    /// Pixel distance to scroll the content by for a vertical position change (0 here).
    virtual int GetVertScrollDelta(int OldPos, int NewPos);
    virtual void AfterScroll(TScrollBarKind Kind);
    virtual void BeforeScroll(TScrollBarKind Kind);
    /// BeforeScroll; moves the pixels of HorzClipRect (DX not 0) or VertClipRect by (DX, DY), the uncovered
    /// strip to be repainted; AfterScroll.
    virtual void ScrollContent(TDgCustomScrollBar* ScrollBar, int DX, int DY);

    /// The horizontal and vertical scroll messages (a click on a bar, or a bar's LineDown and the like).
    virtual void WMHScroll(int ScrollCode);
    virtual void WMVScroll(int ScrollCode);

    /// Starts dragging this control (immediately, or after the mouse moved Threshold pixels).
    void BeginDrag(bool Immediate, int Threshold = -1);
    /// True while a drag of this control is pending or running.
    bool Dragging() const;
    /// Ends this control's drag without a drop.
    void CancelDrag();

    // Events; each fires only when assigned.
    platform::TMouseEvent OnMouseDown;
    platform::TMouseMoveEvent OnMouseMove;
    platform::TMouseEvent OnMouseUp;
    platform::TNotifyEvent OnDblClick;
    platform::TKeyEvent OnKeyDown;
    platform::TKeyPressEvent OnKeyPress;
    platform::TKeyEvent OnKeyUp;
    platform::TMouseWheelUpDownEvent OnMouseWheelDown;
    platform::TMouseWheelUpDownEvent OnMouseWheelUp;
    platform::TDragOverEvent OnDragOver;
    platform::TDragDropEvent OnDragDrop;
    platform::TEndDragEvent OnEndDrag;
    platform::TNotifyEvent OnStartDrag;

    // In-process drag and drop (platform::TDragClient).
    QWidget* DragClientWidget() override;
    /// Fires OnDragOver; Accept is False without a handler, else preset True.
    bool DragOver(QWidget* Source, int X, int Y, platform::TDragState State) override;
    void DragDrop(QWidget* Source, int X, int Y) override;
    void EndDrag(QWidget* Target, int X, int Y) override;
    void StartDrag() override;

protected:
    /// Paints the client area on Canvas; the base does nothing.
    virtual void Paint();
    /// A mouse button went down at the client point (fires OnMouseDown).
    virtual void MouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    virtual void MouseMove(platform::TShiftState Shift, int X, int Y);
    virtual void MouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    /// A double click of the left button (fires OnDblClick), before its MouseDown with ssDouble.
    virtual void DblClick();
    virtual void KeyDown(int& Key, platform::TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(int& Key, platform::TShiftState Shift);
    /// Turns a wheel movement into notches of 120 (remainders are kept for the next movement) and calls
    /// DoMouseWheelDown or DoMouseWheelUp for each; returns whether the wheel was handled. MousePos is in
    /// screen co-ordinates.
    virtual bool DoMouseWheel(platform::TShiftState Shift, int WheelDelta, const platform::TPoint& MousePos);
    /// One notch down: fires OnMouseWheelDown and returns its Handled (False without a handler).
    virtual bool DoMouseWheelDown(platform::TShiftState Shift, const platform::TPoint& MousePos);
    virtual bool DoMouseWheelUp(platform::TShiftState Shift, const platform::TPoint& MousePos);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    /// Qt's own content scrolling is not used: the bars' models scroll through ScrollContent.
    void scrollContentsBy(int dx, int dy) override;

private:
    int m_wheelAccumulator = 0;
};

/// The scrolling control: owns its two bars (TDgScrollBar), handles the scroll messages, the wheel rule
/// and roll panning (hold the middle button and move the mouse up or down to scroll continuously).
class TDgScrollControl : public TDgCustomScrollControl {
    Q_OBJECT
public:
    explicit TDgScrollControl(QWidget* parent = nullptr);
    ~TDgScrollControl() override;

    TDgScrollBar* HorzScrollBar() const { return m_horzScrollBar; }
    TDgScrollBar* VertScrollBar() const { return m_vertScrollBar; }

    /// While set, the wheel counts as handled here and OnMouseWheelDown/Up do not fire (True).
    bool MouseWheelEnabled() const { return m_mouseWheelEnabled; }
    void SetMouseWheelEnabled(bool Value) { m_mouseWheelEnabled = Value; }

    TScrollEvent OnHorizontalScroll;
    TScrollEvent OnVerticalScroll;

    /// New position by the scroll code, clamped to 0 .. Max - PageSize + 1, set on the horizontal bar;
    /// OnHorizontalScroll fires after every message, also one without a change.
    void WMHScroll(int ScrollCode) override;
    void WMVScroll(int ScrollCode) override;

    /// Gives the control the focus when it sits in a window.
    void FocusControl();
    /// Posts a Tab key press to the parent, which moves the focus on (backwards with Shift held).
    void PostTabToParent();

    // Roll panning state.
    bool Rolling() const { return m_rolling; }
    platform::TPoint RollAnchor() const { return m_rollAnchor; }
    /// Bit 0: scrolling up, bit 1: scrolling down.
    int RollDirection() const { return m_rollDirection; }
    QTimer* RollTimer() const { return m_rollTimer; }
    TRollShadow* RollShadow() const { return m_rollShadow; }
    /// One tick of the roll timer: the interval becomes 100 - |y - anchor y| ms (at least 1) for the mouse
    /// position, then one line up or down by the direction.
    void RollTimerTick();

protected:
    void MouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    void MouseMove(platform::TShiftState Shift, int X, int Y) override;
    void MouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(platform::TShiftState Shift, const platform::TPoint& MousePos) override;
    bool DoMouseWheelUp(platform::TShiftState Shift, const platform::TPoint& MousePos) override;
    void changeEvent(QEvent* event) override;

private:
    void ScrollMessage(TDgScrollBar* Bar, int ScrollCode);
    void StopRolling();

    TDgScrollBar* m_horzScrollBar = nullptr;
    TDgScrollBar* m_vertScrollBar = nullptr;
    TRollShadow* m_rollShadow = nullptr;
    QTimer* m_rollTimer = nullptr;
    bool m_rollEnabled = true;
    bool m_rolling = false;
    platform::TPoint m_rollAnchor;
    platform::TPoint m_rollMouse;
    int m_rollDirection = 0;
    bool m_mouseWheelEnabled = true;
};

} // namespace grid
