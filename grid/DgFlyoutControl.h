#pragma once

#include "platform/Canvas.h"
#include "platform/Rect.h"

#include <QWidget>

// Pop-up controls that float above everything: the base, and the marker of roll panning.
namespace grid {

/// A top-most pop-up window without frame, task-bar entry or focus, owned by (and deleted with) its owner.
/// It paints its whole area itself (no background erase).
class TDgFlyoutControl : public QWidget {
    Q_OBJECT
public:
    explicit TDgFlyoutControl(QWidget* Owner);

    /// The canvas bound to the painter while paintEvent runs.
    platform::TCanvas Canvas;

protected:
    /// Paints the window on Canvas; the base does nothing.
    virtual void Paint();
    void paintEvent(QPaintEvent* event) override;
};

/// The 32 x 32 marker shown at the anchor while the middle mouse button pans: an arrow head up, one down
/// and a dot between them, painted in clGrayText; only its window region shows.
class TRollShadow : public TDgFlyoutControl {
    Q_OBJECT
public:
    explicit TRollShadow(QWidget* Owner);

    /// The screen point the marker marks.
    platform::TPoint Point;

    /// Rebuilds the window region: the two arrow heads (winding fill) and the dot.
    void UpdateRegion();
    /// Marks the screen point: the window goes to (x - 7, y - 11), 32 x 32, with its region, and shows.
    void ShowAt(const platform::TPoint& ScreenPoint);

protected:
    void Paint() override;
};

} // namespace grid
