// Preloaded into a program under measurement: when its first window has been exposed and painted,
// writes "shown" to standard output and ends the process at once.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

namespace {

class FirstExpose final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Expose) {
            const auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isExposed()) {
                m_seen = true;
                // After the expose event has been handled, the window's first paint is done.
                QTimer::singleShot(0, [] {
                    std::fputs("shown\n", stdout);
                    std::fflush(stdout);
                    ::_exit(0);
                });
            }
        }
        return false;
    }

private:
    bool m_seen = false;
};

void installProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstExpose);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
