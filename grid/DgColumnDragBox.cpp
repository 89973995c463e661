#include "grid/DgColumnDragBox.h"

#include "grid/DgCustomGridControl.h"
#include "grid/DgSharedCommon.h"

#include <QMouseEvent>
#include <QPolygon>
#include <QRegion>

namespace grid {

using namespace platform;

TColumnDragBox::TColumnDragBox(TDgCustomGridControl* Grid)
    : TDgFlyoutControl(Grid), m_grid(Grid), m_display(Grid) {
    m_display.ShowSortArrow = false;
    hide();
}

TColumnDragBox::~TColumnDragBox() {
    LetGo();
}

void TColumnDragBox::StartDrag(TDgCustomColumn* Column, const TPoint& ScreenPoint) {
    m_column = Column;
    m_display.ShowSortArrow = false;
    m_display.PaintBackground = true;
    m_downPoint = ScreenPoint - pos();
    show();
    // The box takes the mouse as a press on itself would: from now on the moves and the release are its own.
    grabMouse();
    update();
}

void TColumnDragBox::CancelDrag() {
    LetGo();
    hide();
}

void TColumnDragBox::ReleaseGrab() {
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}

void TColumnDragBox::LetGo() {
    ReleaseGrab();
    m_column = nullptr;
}

void TColumnDragBox::FollowMouse(const TPoint& ScreenPoint) {
    move(ScreenPoint.x() - width() / 2, ScreenPoint.y() + 4 - height());
}

void TColumnDragBox::mouseMoveEvent(QMouseEvent* event) {
    const TPoint screen = event->globalPosition().toPoint();
    if (OnMove)
        OnMove(this, screen.x(), screen.y());
    if (isVisible())
        FollowMouse(screen);
}

void TColumnDragBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const TPoint screen = event->globalPosition().toPoint();
    ReleaseGrab();
    hide();
    // The drop still knows the column it carried.
    if (OnDrop)
        OnDrop(this, screen.x(), screen.y());
    m_column = nullptr;
}

void TColumnDragBox::Paint() {
    const TRect client(0, 0, width(), height());
    Canvas.Brush.Style = TBrushStyle::bsSolid;
    Canvas.Brush.Color = clBtnFace;
    Canvas.FillRect(client);
    if (m_column) {
        Canvas.Font = m_grid->Font();
        m_display.Canvas = &Canvas;
        m_display.Themed = m_grid->EnableVisualStyles() && IsThemed();
        m_display.PaintColumnHeader(*m_column, client);
    }
    Canvas.Pen.Color = clBlack;
    Canvas.Pen.Mode = TPenMode::pmCopy;
    Canvas.Pen.Style = TPenStyle::psSolid;
    Canvas.MoveTo(0, client.Bottom - 1);
    Canvas.LineTo(client.Right - 1, client.Bottom - 1);
    Canvas.LineTo(client.Right - 1, -1);
}

// ---- TDragArrow ----

TDragArrow::TDragArrow(QWidget* Owner, int Shape) : TDgFlyoutControl(Owner), m_shape(Shape) {
    resize(9, 9);
    const QPolygon up({QPoint(-1, 5), QPoint(4, -1), QPoint(9, 5), QPoint(6, 5), QPoint(6, 9), QPoint(3, 9),
                       QPoint(3, 4), QPoint(0, 5)});
    const QPolygon down({QPoint(5, 0), QPoint(3, 0), QPoint(3, 4), QPoint(0, 4), QPoint(4, 9), QPoint(9, 4),
                         QPoint(6, 4), QPoint(6, 0)});
    setMask(QRegion(Shape == 1 ? up : down, Qt::WindingFill));
    hide();
}

void TDragArrow::ShowAt(int X, int Y) {
    setGeometry(X, Y, 9, 9);
    show();
}

void TDragArrow::Paint() {
    Canvas.Brush.Style = TBrushStyle::bsSolid;
    Canvas.Brush.Color = clRed;
    Canvas.FillRect(TRect(0, 0, width(), height()));
}

} // namespace grid
