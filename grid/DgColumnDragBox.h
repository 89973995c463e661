#pragma once

#include "grid/DgFlyoutControl.h"
#include "grid/DgStyleDisplays.h"

#include <functional>

class QObject;

// The two small windows of column moving: the box that carries the dragged column's header under the mouse
// and the red arrows that mark where the column would land.
namespace grid {

class TDgCustomColumn;
class TDgCustomGridControl;

/// (Sender, X, Y) in screen co-ordinates.
using TDragBoxEvent = std::function<void(QObject* Sender, int X, int Y)>;

/// The header of the dragged column as a floating window. While it is shown it holds the mouse: it follows
/// the mouse and drops at the release.
class TColumnDragBox : public TDgFlyoutControl {
    Q_OBJECT
public:
    explicit TColumnDragBox(TDgCustomGridControl* Grid);
    ~TColumnDragBox() override;

    TDgCustomGridControl* Grid() const { return m_grid; }
    /// The column being carried; nullptr when none.
    TDgCustomColumn* Column() const { return m_column; }
    /// Draws the header without sort arrow and without the pressed look.
    TDefaultStyleDisplay* StyleDisplay() { return &m_display; }
    /// The press point within the box.
    platform::TPoint DownPoint() const { return m_downPoint; }

    /// Shows the box with the grid's font, remembers the column and the mouse point (screen) within the box
    /// and takes the mouse.
    void StartDrag(TDgCustomColumn* Column, const platform::TPoint& ScreenPoint);
    /// Hides the box and lets the mouse go without dropping (focus loss, deactivation, a freed column).
    void CancelDrag();

    /// The mouse moved (screen point), before the box follows it.
    TDragBoxEvent OnMove;
    /// The left button was released (screen point); the box is already hidden.
    TDragBoxEvent OnDrop;

protected:
    void Paint() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    /// The mouse centred horizontally, the bottom edge 4 pixels below it.
    void FollowMouse(const platform::TPoint& ScreenPoint);
    void ReleaseGrab();
    /// Lets the mouse go and forgets the column.
    void LetGo();

    TDgCustomGridControl* m_grid;
    TDgCustomColumn* m_column = nullptr;
    TDefaultStyleDisplay m_display;
    platform::TPoint m_downPoint;
};

/// A 9 x 9 red arrow: shape 1 points up (it stands below the header), shape 2 points down (above it).
class TDragArrow : public TDgFlyoutControl {
    Q_OBJECT
public:
    TDragArrow(QWidget* Owner, int Shape);
    int Shape() const { return m_shape; }
    /// Moves the arrow's top-left corner to the screen point and shows it.
    void ShowAt(int X, int Y);

protected:
    void Paint() override;

private:
    int m_shape;
};

} // namespace grid
