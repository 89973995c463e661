#include "platform/Keys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace platform {

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick) {
    TShiftState s;
    if (modifiers & Qt::ShiftModifier)
        s |= TShiftStateItem::ssShift;
    if (modifiers & Qt::AltModifier)
        s |= TShiftStateItem::ssAlt;
    if (modifiers & Qt::ControlModifier)
        s |= TShiftStateItem::ssCtrl;
    if (buttons & Qt::LeftButton)
        s |= TShiftStateItem::ssLeft;
    if (buttons & Qt::RightButton)
        s |= TShiftStateItem::ssRight;
    if (buttons & Qt::MiddleButton)
        s |= TShiftStateItem::ssMiddle;
    if (doubleClick)
        s |= TShiftStateItem::ssDouble;
    return s;
}

TShiftState ShiftStateOf(const QKeyEvent* event) {
    return ShiftStateOf(event->modifiers(), QGuiApplication::mouseButtons());
}

TShiftState ShiftStateOf(const QMouseEvent* event) {
    // A press reports the pressed button among buttons(); a release no longer holds it, as on Windows.
    return ShiftStateOf(event->modifiers(), event->buttons(), event->type() == QEvent::MouseButtonDblClick);
}

bool MouseButtonOf(Qt::MouseButton button, TMouseButton& result) {
    switch (button) {
    case Qt::LeftButton:
        result = TMouseButton::mbLeft;
        return true;
    case Qt::RightButton:
        result = TMouseButton::mbRight;
        return true;
    case Qt::MiddleButton:
        result = TMouseButton::mbMiddle;
        return true;
    default:
        return false;
    }
}

int VirtualKeyOf(const QKeyEvent* event) {
    const int key = event->key();
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? VK_NUMPAD0 + (key - Qt::Key_0) : '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Clear:
        return VK_CLEAR;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return VK_MENU;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_CapsLock:
        return VK_CAPITAL;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Help:
        return VK_HELP;
    case Qt::Key_Meta:
        return VK_LWIN;
    case Qt::Key_Menu:
        return VK_APPS;
    case Qt::Key_NumLock:
        return VK_NUMLOCK;
    case Qt::Key_ScrollLock:
        return VK_SCROLL;
    case Qt::Key_Asterisk:
        return keypad ? VK_MULTIPLY : VK_OEM_PLUS;
    case Qt::Key_Plus:
        return keypad ? VK_ADD : VK_OEM_PLUS;
    case Qt::Key_Minus:
        return keypad ? VK_SUBTRACT : VK_OEM_MINUS;
    case Qt::Key_Slash:
        return keypad ? VK_DIVIDE : VK_OEM_2;
    case Qt::Key_Comma:
        return keypad ? VK_DECIMAL : VK_OEM_COMMA;
    case Qt::Key_Period:
        return keypad ? VK_DECIMAL : VK_OEM_PERIOD;
    case Qt::Key_Semicolon:
        return VK_OEM_1;
    case Qt::Key_Equal:
        return VK_OEM_PLUS;
    case Qt::Key_QuoteLeft:
    case Qt::Key_Dead_Circumflex:
        return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_ssharp:
        return VK_OEM_4;
    case Qt::Key_Backslash:
        return VK_OEM_5;
    case Qt::Key_BracketRight:
        return VK_OEM_6;
    case Qt::Key_Apostrophe:
        return VK_OEM_7;
    case Qt::Key_Less:
    case Qt::Key_Greater:
    case Qt::Key_Bar:
        return VK_OEM_102;
    case Qt::Key_Udiaeresis:
        return VK_OEM_1;
    case Qt::Key_Odiaeresis:
        return VK_OEM_3;
    case Qt::Key_Adiaeresis:
        return VK_OEM_7;
    case Qt::Key_NumberSign:
        return VK_OEM_2;
    default:
        return 0;
    }
}

QChar KeyCharOf(const QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Escape:
        return QChar(27);
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QChar(9);
    default:
        break;
    }
    // Ctrl with a letter types the control character of that letter (Ctrl+C 3, Ctrl+V 22), not with Alt
    // (AltGr arrives as Ctrl+Alt and types the character of its key).
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(key - Qt::Key_A + 1);
    const QString text = event->text();
    if (text.isEmpty())
        return QChar();
    const QChar c = text.at(0);
    if (c.unicode() < 32 || c.unicode() == 127)
        return QChar();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier))
        return QChar();
    return c;
}

bool RunKeyHandlers(const QKeyEvent* event, const std::function<void(int& key, TShiftState shift)>& keyDown,
                    const std::function<void(QChar& key)>& keyPress, QChar* typed) {
    int key = VirtualKeyOf(event);
    if (keyDown)
        keyDown(key, ShiftStateOf(event));
    QChar ch = KeyCharOf(event);
    if (ch.isNull())
        return key != 0;
    if (keyPress)
        keyPress(ch);
    if (typed)
        *typed = ch;
    return !ch.isNull();
}

} // namespace platform
