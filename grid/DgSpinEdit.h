#pragma once

#include "grid/DgNumberEdit.h"

#include <QFlags>
#include <QWidget>
#include <functional>

class QTimer;

namespace grid {

class TDgSpinEdit;

/// Which spin button a step comes from.
enum class TSpinButton : unsigned { sbUp = 0x1, sbDown = 0x2 };
using TSpinButtonSet = QFlags<TSpinButton>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TSpinButtonSet)

/// (Sender, Buttons): a spin step was made.
using TSpinEvent = std::function<void(QObject* Sender, TSpinButtonSet Buttons)>;

/// Two stacked buttons, up in the upper half, down in the lower. A press steps once at once, then, after
/// the 400 ms delay, every 20 ms until the release. Parts: 0 none, 1 up, 2 down (hover 3: both, while the
/// mouse is over the edit); as bits, bit 0 up and bit 1 down.
class TDgSpinButtons : public QWidget {
    Q_OBJECT
public:
    explicit TDgSpinButtons(TDgSpinEdit* Edit);

    int HoverPart() const { return m_hoverPart; }
    void SetHoverPart(int Value);
    int PressedPart() const { return m_pressedPart; }
    /// 1 or 2: pressed, delay timer on, one step, repaint; 0: released, both timers off.
    void PressButton(int Part);

    QTimer* DelayTimer() const { return m_delayTimer; }
    QTimer* RepeatTimer() const { return m_repeatTimer; }
    /// The delay is over: the repeat timer starts (later ticks change nothing).
    void DelayTimerTick();
    /// One step of the pressed button.
    void RepeatTimerTick();

    /// The upper button (0, -1, width, height div 2) and the lower one (0, height div 2, width, height).
    platform::TRect UpRect() const;
    platform::TRect DownRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int PartAt(int Y) const;
    void Spin();

    TDgSpinEdit* m_edit;
    int m_hoverPart = 0;
    int m_pressedPart = 0;
    QTimer* m_delayTimer;
    QTimer* m_repeatTimer;
};

/// A number edit with up/down buttons at its right edge (the in-place editor of number columns). The
/// buttons, the Up and Down keys and the wheel step the value by Increment within Min .. Max.
class TDgSpinEdit : public TDgCustomNumberEdit {
    Q_OBJECT
public:
    explicit TDgSpinEdit(QWidget* parent = nullptr);

    double Increment() const { return m_increment; }
    void SetIncrement(double Value) { m_increment = Value; }
    bool SpinButtons() const { return m_spinButtons; }
    /// Shows or hides the buttons and updates the margins.
    void SetSpinButtons(bool Value);
    TDgSpinButtons* Buttons() const { return m_buttons; }

    TSpinEvent OnSpin;

    /// One step: nothing while ReadOnly; the edit takes the focus; up: Value + Increment unless that passes
    /// Max while clamping; down: nothing at 0 without eoAllowSigns, nothing when Value - Increment passes
    /// Min while clamping, else Value - Increment; then the caret to the end and OnSpin.
    void DoSpin(TSpinButtonSet Buttons);

    double GetAsFloat() const override;
    /// Value rounded to the nearest integer, halves to even (ERangeError outside the integer range).
    int GetAsInteger() const override;
    void SetAsFloat(double Value) override;
    void SetAsInteger(int Value) override;
    /// Adds the buttons' width to the right margin while they are shown.
    void UpdateEditMargins(int& Left, int& Right) override;

protected:
    void LayoutChildren() override;
    void KeyDown(int& Key, platform::TShiftState Shift) override;
    void KeyUp(int& Key, platform::TShiftState Shift) override;
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int ButtonWidth() const;

    double m_increment = 1.0;
    bool m_spinButtons = true;
    TDgSpinButtons* m_buttons = nullptr;
    int m_wheelAccumulator = 0;
};

} // namespace grid
