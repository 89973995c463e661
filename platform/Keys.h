#pragma once

#include <QChar>
#include <QFlags>
#include <Qt>
#include <functional>

class QKeyEvent;
class QMouseEvent;

namespace platform {

/// Virtual-key codes as the design's key handlers compare them.
enum : int {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_MBUTTON = 0x04,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_HELP = 0x2F,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SEPARATOR = 0x6C,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_OEM_1 = 0xBA,
    VK_OEM_PLUS = 0xBB,
    VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF,
    VK_OEM_3 = 0xC0,
    VK_OEM_4 = 0xDB,
    VK_OEM_5 = 0xDC,
    VK_OEM_6 = 0xDD,
    VK_OEM_7 = 0xDE,
    VK_OEM_102 = 0xE2,
};

/// Keys, mouse buttons and the double-click flag held during an input event.
enum class TShiftStateItem : unsigned {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
using TShiftState = QFlags<TShiftStateItem>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

/// A mouse button of the design's mouse handlers.
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

/// The shift state of keyboard modifiers and held mouse buttons.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton,
                         bool doubleClick = false);

/// The shift state of a key event (modifiers and the mouse buttons held at that moment).
TShiftState ShiftStateOf(const QKeyEvent* event);

/// The shift state of a mouse event; a double click adds ssDouble.
TShiftState ShiftStateOf(const QMouseEvent* event);

/// The mouse button of a press or release; false for buttons the design does not know.
bool MouseButtonOf(Qt::MouseButton button, TMouseButton& result);

/// The virtual-key code of a key event (Delete is 46); 0 when the key has none.
int VirtualKeyOf(const QKeyEvent* event);

/// The character a key event types, as a key-press handler sees it: Enter 13, Esc 27, Backspace 8,
/// Tab 9, Ctrl+A..Ctrl+Z 1..26 (Ctrl+C 3, Ctrl+V 22); a null character when the key types none.
QChar KeyCharOf(const QKeyEvent* event);

/// Runs a key press through the design's two handlers: key-down with the virtual key, then key-press with
/// the typed character; key-press runs also when key-down swallowed the key, as on Windows. Returns
/// whether the default handling should follow: for a key that types a character, when key-press kept it
/// (typed receives it, possibly replaced by the handler); for any other key, when key-down kept it.
bool RunKeyHandlers(const QKeyEvent* event, const std::function<void(int& key, TShiftState shift)>& keyDown,
                    const std::function<void(QChar& key)>& keyPress, QChar* typed = nullptr);

} // namespace platform
