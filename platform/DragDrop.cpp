#include "platform/DragDrop.h"

#include "platform/Cursors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdlib>

namespace platform {

TDragClient::TDragClient() {
    // The manager watches the mouse from now on, so a drag started later knows where it began.
    TDragManager::instance();
}

TDragClient::~TDragClient() = default;
bool TDragClient::DragOver(QWidget*, int, int, TDragState) {
    return false;
}
void TDragClient::DragDrop(QWidget*, int, int) {}
void TDragClient::EndDrag(QWidget*, int, int) {}
void TDragClient::StartDrag() {}

TDragClient* DragClientOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* client = dynamic_cast<TDragClient*>(w))
            return client;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

namespace {
QPointer<TDragManager> g_manager;
} // namespace

TDragManager& TDragManager::instance() {
    if (!g_manager)
        g_manager = new TDragManager(QCoreApplication::instance());
    return *g_manager;
}

TDragManager::TDragManager(QObject* parent) : QObject(parent) {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

void TDragManager::BeginDrag(QWidget* source, bool immediate, int threshold) {
    if (!source)
        return;
    if (IsActive())
        CancelDrag();
    m_source = source;
    m_target = nullptr;
    m_accepted = false;
    m_threshold = threshold < 0 ? 5 : threshold;
    m_start = m_haveLast ? m_lastGlobal : QCursor::pos();
    m_state = State::Pending;
    if (immediate) {
        Begin();
        MouseMove(m_start);
    }
}

void TDragManager::Begin() {
    m_state = State::Dragging;
    SetScreenCursor(crNoDrop);
    if (TDragClient* client = DragClientOf(m_source))
        client->StartDrag();
}

QWidget* TDragManager::ClientAt(const QPoint& global) const {
    TDragClient* client = DragClientOf(QApplication::widgetAt(global));
    if (!client)
        return nullptr;
    QWidget* widget = client->DragClientWidget();
    return widget && widget->isEnabled() ? widget : nullptr;
}

void TDragManager::MouseMove(const QPoint& global) {
    if (m_state == State::Pending) {
        if (std::abs(global.x() - m_start.x()) < m_threshold &&
            std::abs(global.y() - m_start.y()) < m_threshold)
            return;
        Begin();
    }
    if (m_state != State::Dragging)
        return;
    QWidget* over = ClientAt(global);
    if (over != m_target) {
        if (m_target) {
            const QPoint p = m_target->mapFromGlobal(global);
            if (TDragClient* old = DragClientOf(m_target))
                old->DragOver(m_source, p.x(), p.y(), TDragState::dsDragLeave);
        }
        m_target = over;
        m_accepted = false;
        if (m_target) {
            const QPoint p = m_target->mapFromGlobal(global);
            m_accepted = DragClientOf(m_target)->DragOver(m_source, p.x(), p.y(), TDragState::dsDragEnter);
        }
    } else if (m_target) {
        const QPoint p = m_target->mapFromGlobal(global);
        m_accepted = DragClientOf(m_target)->DragOver(m_source, p.x(), p.y(), TDragState::dsDragMove);
    }
    if (m_state == State::Dragging)
        SetScreenCursor(m_accepted ? crDrag : crNoDrop);
}

void TDragManager::MouseUp(const QPoint& global) {
    if (m_state == State::Pending) {
        Finish(nullptr, global);
        return;
    }
    if (m_state != State::Dragging)
        return;
    MouseMove(global);
    Finish(m_accepted ? m_target.data() : nullptr, global);
}

void TDragManager::CancelDrag() {
    if (!IsActive())
        return;
    const QPoint global = m_haveLast ? m_lastGlobal : QCursor::pos();
    if (m_state == State::Dragging && m_target) {
        const QPoint p = m_target->mapFromGlobal(global);
        if (TDragClient* client = DragClientOf(m_target))
            client->DragOver(m_source, p.x(), p.y(), TDragState::dsDragLeave);
    }
    Finish(nullptr, global);
}

void TDragManager::AbandonDrag() {
    if (!IsActive())
        return;
    QPointer<QWidget> target = m_state == State::Dragging ? m_target : nullptr;
    const bool targetIsSource = target && m_source && (target == m_source || m_source->isAncestorOf(target));
    const QPoint global = m_haveLast ? m_lastGlobal : QCursor::pos();
    m_state = State::Idle;
    m_source = nullptr;
    m_target = nullptr;
    m_accepted = false;
    SetScreenCursor(crDefault);
    if (target && !targetIsSource) {
        // No source: the object is half destroyed.
        const QPoint p = target->mapFromGlobal(global);
        if (TDragClient* client = DragClientOf(target))
            client->DragOver(nullptr, p.x(), p.y(), TDragState::dsDragLeave);
    }
}

void TDragManager::Finish(QWidget* dropTarget, const QPoint& global) {
    // The drag is over before the handlers run, so they may start another one.
    QPointer<QWidget> source = m_source;
    QPointer<QWidget> target = dropTarget;
    m_state = State::Idle;
    m_source = nullptr;
    m_target = nullptr;
    m_accepted = false;
    SetScreenCursor(crDefault);
    if (target) {
        const QPoint p = target->mapFromGlobal(global);
        if (TDragClient* client = DragClientOf(target))
            client->DragDrop(source, p.x(), p.y());
    }
    if (source) {
        if (TDragClient* client = DragClientOf(source)) {
            QWidget* area = client->DragClientWidget();
            const QPoint p = (area ? area : source.data())->mapFromGlobal(global);
            client->EndDrag(target, p.x(), p.y());
        }
    }
}

bool TDragManager::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // Every widget sees the event once; the window that receives it first is enough.
        if (!watched->isWidgetType())
            return false;
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint global = me->globalPosition().toPoint();
        m_lastGlobal = global;
        m_haveLast = true;
        if (!IsActive())
            return false;
        if (event->type() == QEvent::MouseMove) {
            MouseMove(global);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton) {
            MouseUp(global);
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress && me->button() == Qt::RightButton) {
            CancelDrag();
            return true;
        }
        return true;
    }
    case QEvent::KeyPress:
        if (IsActive() && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            CancelDrag();
            return true;
        }
        return false;
    case QEvent::ApplicationDeactivate:
        if (IsActive())
            CancelDrag();
        return false;
    default:
        return false;
    }
}

} // namespace platform
