#pragma once

class QWidget;

namespace platform {

/// Height in pixels of the monitor that shows the widget's window (or the primary one).
int monitorHeight(const QWidget* widget);

/// Makes monitorHeight return height (tests); 0 restores the real screen.
void setMonitorHeightOverride(int height);

} // namespace platform
