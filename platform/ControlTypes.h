#pragma once

#include "platform/DragDrop.h"
#include "platform/Keys.h"
#include "platform/Rect.h"

#include <QChar>
#include <functional>

class QObject;

namespace platform {

/// Whether a control has a border.
enum class TBorderStyle { bsNone, bsSingle };

/// (Sender): something happened to Sender.
using TNotifyEvent = std::function<void(QObject* Sender)>;
/// (Sender, Button, Shift, X, Y): a mouse button went down or up at the client point.
using TMouseEvent =
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
/// (Sender, Shift, X, Y): the mouse moved to the client point.
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
/// (Sender, var Key, Shift): a virtual key went down or up; Key := 0 swallows it.
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;
/// (Sender, var Key): a character was typed; Key := #0 swallows it.
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;
/// (Sender, Shift, MousePos, var Handled): one notch of the mouse wheel.
using TMouseWheelUpDownEvent =
    std::function<void(QObject* Sender, TShiftState Shift, const TPoint& MousePos, bool& Handled)>;
/// (Sender, Source, X, Y, State, var Accept): a drag passes over the control; Accept is preset True.
using TDragOverEvent =
    std::function<void(QObject* Sender, QObject* Source, int X, int Y, TDragState State, bool& Accept)>;
/// (Sender, Source, X, Y): a drag was dropped on the control.
using TDragDropEvent = std::function<void(QObject* Sender, QObject* Source, int X, int Y)>;
/// (Sender, Target, X, Y): the control's drag ended; Target is nullptr when nothing took the drop.
using TEndDragEvent = std::function<void(QObject* Sender, QObject* Target, int X, int Y)>;

} // namespace platform
