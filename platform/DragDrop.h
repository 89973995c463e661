#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace platform {

/// Where a drag stands relative to a control it passes over.
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

/// A control that takes part in in-process drag and drop, as source, target or both.
class TDragClient {
public:
    TDragClient();
    virtual ~TDragClient();

    /// The widget whose client co-ordinates the drag points are given in.
    virtual QWidget* DragClientWidget() = 0;
    /// A drag passes over the control at (x, y); returns whether a drop there would be accepted.
    virtual bool DragOver(QWidget* source, int x, int y, TDragState state);
    /// The drag was dropped at (x, y) after DragOver accepted it.
    virtual void DragDrop(QWidget* source, int x, int y);
    /// On the source, when the drag ended: target is the control that took the drop, or nullptr when the
    /// drag was cancelled, dropped where nothing accepted it, or never passed its threshold.
    virtual void EndDrag(QWidget* target, int x, int y);
    /// On the source, when the mouse has passed the threshold and the drag really begins.
    virtual void StartDrag();
};

/// The in-process drag state machine: idle, pending (mouse held, threshold not yet passed), dragging.
/// It watches the application's mouse and key input while a drag runs and swallows it, so the source
/// sees neither the moves nor the release of a drag. Esc, a right button press and the loss of the
/// application's activation cancel the drag. No nested event loop runs.
class TDragManager : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Pending, Dragging };

    static TDragManager& instance();

    /// Starts a drag from source (a TDragClient widget or a widget inside one). Immediate begins at once;
    /// otherwise the drag begins when the mouse has moved threshold pixels (in x or y) from where it is
    /// now; a negative threshold means the system's 5 pixels.
    void BeginDrag(QWidget* source, bool immediate, int threshold = -1);
    /// Ends a pending or running drag without a drop.
    void CancelDrag();
    /// Forgets the drag of a source that is being destroyed: only another target hears that the drag
    /// left it; the source's own handlers would run on a half-destroyed object, so none of them runs.
    void AbandonDrag();

    State state() const { return m_state; }
    /// Pending or running.
    bool IsActive() const { return m_state != State::Idle; }
    QWidget* Source() const { return m_source; }
    /// The control the drag is over, when it takes part in drag and drop.
    QWidget* Target() const { return m_target; }
    /// Whether the target accepted the drag at the last move.
    bool Accepted() const { return m_accepted; }

    /// Feeds a mouse move at a global point (the event filter calls it; tests may too).
    void MouseMove(const QPoint& global);
    /// Feeds the release of the left button at a global point.
    void MouseUp(const QPoint& global);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TDragManager(QObject* parent);
    void Begin();
    void Finish(QWidget* target, const QPoint& global);
    QWidget* ClientAt(const QPoint& global) const;

    State m_state = State::Idle;
    QPointer<QWidget> m_source;
    QPointer<QWidget> m_target;
    bool m_accepted = false;
    QPoint m_start;
    QPoint m_lastGlobal;
    bool m_haveLast = false;
    int m_threshold = 5;
};

/// The client of a widget: the widget itself or the nearest parent that takes part in drag and drop.
TDragClient* DragClientOf(QWidget* widget);

} // namespace platform
