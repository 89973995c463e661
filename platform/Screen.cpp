#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

namespace {
int g_override = 0;
}

int monitorHeight(const QWidget* widget) {
    if (g_override > 0)
        return g_override;
    const QScreen* screen = widget ? widget->window()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

void setMonitorHeightOverride(int height) { g_override = height; }

} // namespace platform
