#include "grid/DgFlyoutControl.h"

#include "platform/TColor.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QScopeGuard>

namespace grid {

using namespace platform;

TDgFlyoutControl::TDgFlyoutControl(QWidget* Owner)
    : QWidget(Owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void TDgFlyoutControl::Paint() {}

void TDgFlyoutControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    Canvas.Begin(&painter, event->region());
    // The canvas must not keep the painter of this paint when Paint() raises.
    const auto endPaint = qScopeGuard([this] { Canvas.End(); });
    Paint();
}

TRollShadow::TRollShadow(QWidget* Owner) : TDgFlyoutControl(Owner) {
    resize(32, 32);
    hide();
}

void TRollShadow::UpdateRegion() {
    const QPolygon up({QPoint(-1, 7), QPoint(7, -1), QPoint(8, 0), QPoint(14, 7), QPoint(0, 6)});
    const QPolygon down({QPoint(-1, 15), QPoint(14, 15), QPoint(6, 22), QPoint(6, 22), QPoint(-1, 14)});
    QRegion region(up, Qt::WindingFill);
    region |= QRegion(down, Qt::WindingFill);
    region |= QRegion(QRect(5, 9, 5, 5), QRegion::Ellipse);
    setMask(region);
    update();
}

void TRollShadow::ShowAt(const TPoint& ScreenPoint) {
    Point = ScreenPoint;
    setGeometry(ScreenPoint.x() - 7, ScreenPoint.y() - 11, 32, 32);
    UpdateRegion();
    show();
}

void TRollShadow::Paint() {
    Canvas.Brush.Style = TBrushStyle::bsSolid;
    Canvas.Brush.Color = clGrayText;
    Canvas.FillRect(TRect(0, 0, width(), height()));
}

} // namespace grid
