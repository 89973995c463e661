#include "platform/Cursors.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QWidget>
#include <functional>
#include <utility>

namespace platform {

namespace {

/// Named images loaded under a number but not drawn yet: every grid and edit loads its cursors at
/// construction, and drawing them all then would slow the start for cursors that may never show.
QHash<TCursor, QString>& pendingResources() {
    static QHash<TCursor, QString> names;
    return names;
}

/// The resource name each number was last loaded from (drawn or not), until SetCursor replaces it.
QHash<TCursor, QString>& loadedResources() {
    static QHash<TCursor, QString> names;
    return names;
}

QHash<TCursor, QCursor>& registry() {
    static QHash<TCursor, QCursor> cursors;
    return cursors;
}

TCursor g_screenCursor = crDefault;
bool g_overrideSet = false;

Qt::CursorShape shapeOf(TCursor number) {
    switch (number) {
    case crNone:
        return Qt::BlankCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait:
        return Qt::WaitCursor;
    case crDrag:
        return Qt::DragMoveCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crHSplit:
        return Qt::SplitHCursor;
    case crVSplit:
        return Qt::SplitVCursor;
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
    case -5:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// Cursor images are 32 x 32, black shapes with a white outline on a transparent ground.
void outlined(QPainter& p, const QPolygon& shape) {
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawPolygon(shape);
}

// A cursor of one outlined shape plus whatever extra draws on top.
QCursor drawnCursor(const QPolygon& shape, QPoint hotSpot, const std::function<void(QPainter&)>& extra = {}) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    if (!shape.isEmpty())
        outlined(p, shape);
    if (extra)
        extra(p);
    p.end();
    return QCursor(pm, hotSpot.x(), hotSpot.y());
}

// The centre dot, with an arrow head above for up and below for down.
QCursor rollCursor(bool up, bool down) {
    return drawnCursor(QPolygon(), QPoint(15, 15), [up, down](QPainter& p) {
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::black);
        p.drawEllipse(QRect(13, 13, 5, 5));
        if (up)
            outlined(p, QPolygon({QPoint(15, 3), QPoint(22, 10), QPoint(8, 10)}));
        if (down)
            outlined(p, QPolygon({QPoint(8, 21), QPoint(22, 21), QPoint(15, 28)}));
    });
}

// The standard arrow, mirrored: its tip at the top right.
QCursor reversedArrow() {
    return drawnCursor(QPolygon({QPoint(20, 0), QPoint(20, 16), QPoint(16, 12), QPoint(13, 19),
                                 QPoint(11, 18), QPoint(14, 11), QPoint(9, 11)}),
                       QPoint(20, 0));
}

// A vertical double bar with arrows to the left and the right: the column border being dragged.
QCursor horzSplit() {
    return drawnCursor(
        QPolygon({QPoint(14, 6), QPoint(17, 6), QPoint(17, 13), QPoint(21, 13), QPoint(21, 10),
                  QPoint(26, 15), QPoint(21, 20), QPoint(21, 17), QPoint(17, 17), QPoint(17, 24),
                  QPoint(14, 24), QPoint(14, 17), QPoint(10, 17), QPoint(10, 20), QPoint(5, 15),
                  QPoint(10, 10), QPoint(10, 13), QPoint(14, 13)}),
        QPoint(15, 15));
}

// A horizontal double bar with arrows up and down: the row border being dragged.
QCursor vertSplit() {
    return drawnCursor(
        QPolygon({QPoint(6, 14), QPoint(6, 17), QPoint(13, 17), QPoint(13, 21), QPoint(10, 21),
                  QPoint(15, 26), QPoint(20, 21), QPoint(17, 21), QPoint(17, 17), QPoint(24, 17),
                  QPoint(24, 14), QPoint(17, 14), QPoint(17, 10), QPoint(20, 10), QPoint(15, 5),
                  QPoint(10, 10), QPoint(13, 10), QPoint(13, 14)}),
        QPoint(15, 15));
}

// The arrow with a crossed-out circle beside it.
QCursor columnNoDrag() {
    return drawnCursor(
        QPolygon({QPoint(0, 0), QPoint(0, 16), QPoint(4, 12), QPoint(7, 19), QPoint(9, 18), QPoint(6, 11),
                  QPoint(11, 11)}),
        QPoint(0, 0), [](QPainter& p) {
            p.setBrush(Qt::NoBrush);
            for (const auto& [color, width] : {std::pair(Qt::white, 4), std::pair(Qt::black, 2)}) {
                p.setPen(QPen(color, width));
                p.drawEllipse(QRect(14, 14, 14, 14));
                p.drawLine(QPoint(17, 25), QPoint(25, 17));
            }
        });
}

// A small solid arrow pointing right, for selecting rows in the indicator column.
QCursor indicatorSelect() {
    return drawnCursor(QPolygon({QPoint(4, 11), QPoint(14, 11), QPoint(14, 7), QPoint(22, 15), QPoint(14, 23),
                                 QPoint(14, 19), QPoint(4, 19)}),
                       QPoint(22, 15));
}

} // namespace

QCursor Cursor(TCursor number) {
    if (number > 0) {
        if (const auto pending = pendingResources().find(number); pending != pendingResources().end()) {
            registry().insert(number, CursorResource(*pending));
            pendingResources().erase(pending);
        }
        const auto it = registry().constFind(number);
        return it != registry().constEnd() ? *it : QCursor(Qt::ArrowCursor);
    }
    return QCursor(shapeOf(number));
}

void SetCursor(TCursor number, const QCursor& cursor) {
    if (number > 0) {
        pendingResources().remove(number);
        loadedResources().remove(number);
        registry().insert(number, cursor);
    }
}

bool HasCursor(TCursor number) {
    return registry().contains(number) || pendingResources().contains(number);
}

QCursor CursorResource(const QString& name) {
    const QString n = name.toUpper();
    if (n == QLatin1String("ROLL"))
        return rollCursor(true, true);
    if (n == QLatin1String("ROLLUP"))
        return rollCursor(true, false);
    if (n == QLatin1String("ROLLDOWN"))
        return rollCursor(false, true);
    if (n == QLatin1String("REVERSEDARROW"))
        return reversedArrow();
    if (n == QLatin1String("HORZSPLIT"))
        return horzSplit();
    if (n == QLatin1String("VERTSPLIT"))
        return vertSplit();
    if (n == QLatin1String("COLUMNNODRAG"))
        return columnNoDrag();
    if (n == QLatin1String("INDICATORSELECT"))
        return indicatorSelect();
    return QCursor(Qt::ArrowCursor);
}

void LoadCursorResource(TCursor number, const QString& name) {
    if (number <= 0)
        return;
    // The same image under the same number again (the next grid's construction) keeps what is there.
    if (loadedResources().value(number) == name)
        return;
    registry().remove(number);
    pendingResources().insert(number, name);
    loadedResources().insert(number, name);
}

void SetWidgetCursor(QWidget* widget, TCursor number) {
    if (!widget)
        return;
    if (number == crDefault)
        widget->unsetCursor();
    else
        widget->setCursor(Cursor(number));
}

TCursor ScreenCursor() {
    return g_screenCursor;
}

void SetScreenCursor(TCursor number) {
    if (number == g_screenCursor)
        return;
    g_screenCursor = number;
    if (number == crDefault) {
        if (g_overrideSet)
            QGuiApplication::restoreOverrideCursor();
        g_overrideSet = false;
    } else if (g_overrideSet) {
        QGuiApplication::changeOverrideCursor(Cursor(number));
    } else {
        QGuiApplication::setOverrideCursor(Cursor(number));
        g_overrideSet = true;
    }
}

} // namespace platform
