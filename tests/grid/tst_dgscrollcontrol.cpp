// A scroll control on screen (offscreen platform), driven by real events: its bars, keys and wheel scroll
// it; the middle button pans with the roll timer; input reaches the design's handlers and events.
#include "grid/DgFlyoutControl.h"
#include "grid/DgScrollControl.h"
#include "platform/Colors.h"
#include "platform/DragDrop.h"

#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QtTest>

using namespace grid;
using namespace platform;

namespace {

constexpr int kRowHeight = 10;
constexpr int kRows = 50;

TColor rowColor(int row) {
    return RGB(row * 5 % 256, 100, 200 - row);
}

// A list of coloured rows that scrolls the way the grid does: one row per position, keys and the wheel
// moving the vertical bar.
class Rows : public TDgScrollControl {
public:
    int TopRow = 0;
    QStringList log;

    Rows() {
        resize(200, 100 + 2 * frameWidth());
        VertScrollBar()->SetMax(kRows);
    }

    int GetVertScrollDelta(int OldPos, int NewPos) override {
        TopRow = NewPos;
        return (OldPos - NewPos) * kRowHeight;
    }
    void BeforeScroll(TScrollBarKind) override { log << QStringLiteral("before"); }
    void AfterScroll(TScrollBarKind) override { log << QStringLiteral("after"); }

protected:
    void resizeEvent(QResizeEvent* event) override {
        TDgScrollControl::resizeEvent(event);
        VertClipRect = ClientRect();
        HorzClipRect = ClientRect();
        VertScrollBar()->SetPageSize(ClientHeight() / kRowHeight + 1);
        VertScrollBar()->SetLargeChange(VertScrollBar()->PageSize() - 1);
    }
    void Paint() override {
        for (int i = 0; i * kRowHeight < ClientHeight(); ++i) {
            Canvas.Brush.Color = rowColor(TopRow + i);
            Canvas.FillRect(TRect(0, i * kRowHeight, ClientWidth(), (i + 1) * kRowHeight));
        }
    }
    void KeyDown(int& Key, TShiftState Shift) override {
        TDgScrollControl::KeyDown(Key, Shift);
        if (Key == VK_DOWN)
            VertScrollBar()->LineDown();
        else if (Key == VK_UP)
            VertScrollBar()->LineUp();
        else if (Key == VK_NEXT)
            VertScrollBar()->PageDown();
        else if (Key == VK_PRIOR)
            VertScrollBar()->PageUp();
    }
    bool DoMouseWheelDown(TShiftState Shift, const TPoint& MousePos) override {
        const bool handled = TDgScrollControl::DoMouseWheelDown(Shift, MousePos);
        if (handled)
            VertScrollBar()->LineDown();
        return handled;
    }
    bool DoMouseWheelUp(TShiftState Shift, const TPoint& MousePos) override {
        const bool handled = TDgScrollControl::DoMouseWheelUp(Shift, MousePos);
        if (handled)
            VertScrollBar()->LineUp();
        return handled;
    }
};

QRect thumbRect(QScrollBar* bar) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_None;
    opt.activeSubControls = QStyle::SC_None;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = false;
    if (bar->orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
}

void wheel(QWidget* target, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF pos(20, 20);
    QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

TColor topColor(Rows& rows) {
    const QImage image = rows.viewport()->grab().toImage();
    return fromQColor(QColor::fromRgb(image.pixel(5, 5)));
}

} // namespace

class TestDgScrollControl : public QObject {
    Q_OBJECT
private slots:
    void init();
    void scrollsByBarArrowPageAndThumb();
    void scrollsByKeys();
    void scrollsByWheelNotches();
    void wheelWithoutMouseWheelEnabledFiresEvents();
    void scrollMovesClientAreaWithinClipRect();
    void rollPanningIntervalAndDeadZone();
    void rollMarkerRegion();
    void mouseAndKeyHandlersFireEvents();
    void keyDownSwallowedByHandler();
    void destroyedDragSourceRunsNoHandlers();

private:
    std::unique_ptr<Rows> m_rows;
    QList<int> m_events;
};

void TestDgScrollControl::init() {
    m_rows = std::make_unique<Rows>();
    m_events.clear();
    m_rows->OnVerticalScroll = [this](QObject*, int position) { m_events << position; };
    m_rows->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_rows.get()));
    QVERIFY(m_rows->VertScrollBar()->BarShown());
}

void TestDgScrollControl::scrollsByBarArrowPageAndThumb() {
    Rows& rows = *m_rows;
    QScrollBar* bar = rows.verticalScrollBar();
    QCOMPARE(topColor(rows), rowColor(0));
    // The arrow at the bottom end: one line, then the end of the interaction.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    QCOMPARE(rows.VertScrollBar()->Position(), 1);
    QCOMPARE(m_events, (QList<int>{1, 1}));
    QCOMPARE(topColor(rows), rowColor(1));
    // The trough below the thumb: one page.
    m_events.clear();
    const QRect thumb = thumbRect(bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, thumb.bottom() + 5));
    const int page = rows.VertScrollBar()->LargeChange();
    QCOMPARE(rows.VertScrollBar()->Position(), 1 + page);
    QCOMPARE(m_events.first(), 1 + page);
    // Dragging the thumb tracks, then sets the position at the release.
    m_events.clear();
    const QRect grip = thumbRect(bar);
    QTest::mousePress(bar, Qt::LeftButton, {}, grip.center());
    QTest::mouseMove(bar, grip.center() + QPoint(0, 25));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip.center() + QPoint(0, 25));
    QVERIFY(m_events.size() >= 3);
    const int tracked = rows.VertScrollBar()->Position();
    QVERIFY2(tracked > 1 + page, qPrintable(QString::number(tracked)));
    QCOMPARE(bar->value(), tracked);
    QCOMPARE(rows.TopRow, tracked);
    QCOMPARE(topColor(rows), rowColor(tracked));
}

void TestDgScrollControl::scrollsByKeys() {
    Rows& rows = *m_rows;
    rows.setFocus();
    QTest::keyClick(&rows, Qt::Key_Down);
    QTest::keyClick(&rows, Qt::Key_Down);
    QCOMPARE(rows.VertScrollBar()->Position(), 2);
    QTest::keyClick(&rows, Qt::Key_PageDown);
    QCOMPARE(rows.VertScrollBar()->Position(), 2 + rows.VertScrollBar()->LargeChange());
    QTest::keyClick(&rows, Qt::Key_PageUp);
    QTest::keyClick(&rows, Qt::Key_Up);
    QCOMPARE(rows.VertScrollBar()->Position(), 1);
    QCOMPARE(topColor(rows), rowColor(1));
}

void TestDgScrollControl::scrollsByWheelNotches() {
    Rows& rows = *m_rows;
    wheel(rows.viewport(), -120);
    QCOMPARE(rows.VertScrollBar()->Position(), 1);
    wheel(rows.viewport(), -240);
    QCOMPARE(rows.VertScrollBar()->Position(), 3);
    // Half notches add up to one.
    wheel(rows.viewport(), -60);
    QCOMPARE(rows.VertScrollBar()->Position(), 3);
    wheel(rows.viewport(), -60);
    QCOMPARE(rows.VertScrollBar()->Position(), 4);
    wheel(rows.viewport(), 120);
    QCOMPARE(rows.VertScrollBar()->Position(), 3);
    // The wheel over the bar itself goes to the control.
    wheel(rows.verticalScrollBar(), -120);
    QCOMPARE(rows.VertScrollBar()->Position(), 4);
}

void TestDgScrollControl::wheelWithoutMouseWheelEnabledFiresEvents() {
    Rows& rows = *m_rows;
    QVERIFY(rows.MouseWheelEnabled());
    int downs = 0;
    rows.OnMouseWheelDown = [&](QObject*, TShiftState shift, const TPoint&, bool& handled) {
        ++downs;
        QCOMPARE(shift, TShiftState(TShiftStateItem::ssCtrl));
        handled = downs > 1;
    };
    wheel(rows.viewport(), -120, Qt::ControlModifier);
    QCOMPARE(downs, 0); // handled by the control, the event stays quiet
    QCOMPARE(rows.VertScrollBar()->Position(), 1);
    rows.SetMouseWheelEnabled(false);
    wheel(rows.viewport(), -120, Qt::ControlModifier);
    QCOMPARE(downs, 1);
    QCOMPARE(rows.VertScrollBar()->Position(), 1); // not handled: nothing scrolls
    wheel(rows.viewport(), -120, Qt::ControlModifier);
    QCOMPARE(downs, 2);
    QCOMPARE(rows.VertScrollBar()->Position(), 2);
}

void TestDgScrollControl::scrollMovesClientAreaWithinClipRect() {
    Rows& rows = *m_rows;
    rows.log.clear();
    rows.VertScrollBar()->SetPosition(3);
    QCOMPARE(rows.log, (QStringList{QStringLiteral("before"), QStringLiteral("after")}));
    QCOMPARE(rows.TopRow, 3);
    QTest::qWait(1);
    QCOMPARE(topColor(rows), rowColor(3));
    // While the bar is locked the position moves but nothing scrolls.
    rows.log.clear();
    rows.VertScrollBar()->BeginUpdate();
    rows.VertScrollBar()->SetPosition(5);
    rows.VertScrollBar()->EndUpdate();
    QVERIFY(rows.log.isEmpty());
    QCOMPARE(rows.TopRow, 3);
}

void TestDgScrollControl::rollPanningIntervalAndDeadZone() {
    Rows& rows = *m_rows;
    QWidget* client = rows.viewport();
    QTest::mousePress(client, Qt::MiddleButton, {}, QPoint(50, 40));
    QVERIFY(rows.Rolling());
    QCOMPARE(rows.RollAnchor(), QPoint(50, 40));
    QVERIFY(rows.RollShadow()->isVisible());
    QCOMPARE(rows.RollShadow()->geometry(),
             QRect(client->mapToGlobal(QPoint(50, 40)) - QPoint(7, 11), QSize(32, 32)));
    QVERIFY(rows.RollTimer()->isActive());
    QCOMPARE(rows.RollTimer()->interval(), 1);

    struct Step {
        int y;
        int direction;
        int cursor;
        int interval;
        int moved;
    };
    const Step steps[] = {
        {80, 2, crRollDown, 60, 1}, // 40 pixels below: one line every 60 ms
        {45, 0, crRoll, 95, 0},     // 5 below: dead zone
        {46, 2, crRollDown, 94, 1}, // 6 below: down
        {35, 0, crRoll, 95, 0},     // 5 above: dead zone
        {34, 1, crRollUp, 94, -1},  // 6 above: up
        {-200, 1, crRollUp, 1, -1}, // far away: at least 1 ms
    };
    for (const Step& s : steps) {
        QTest::mouseMove(client, QPoint(50, s.y));
        QCOMPARE(rows.RollDirection(), s.direction);
        QCOMPARE(ScreenCursor(), s.cursor);
        const int before = rows.VertScrollBar()->Position();
        rows.RollTimerTick();
        QCOMPARE(rows.RollTimer()->interval(), s.interval);
        QCOMPARE(rows.VertScrollBar()->Position() - before, s.moved);
    }
    QTest::mouseRelease(client, Qt::MiddleButton, {}, QPoint(50, -200));
    QVERIFY(!rows.Rolling());
    QVERIFY(!rows.RollTimer()->isActive());
    QVERIFY(!rows.RollShadow()->isVisible());
    QCOMPARE(ScreenCursor(), crDefault);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestDgScrollControl::rollMarkerRegion() {
    TRollShadow& marker = *m_rows->RollShadow();
    marker.ShowAt(QPoint(100, 100));
    const QRegion mask = marker.mask();
    QVERIFY(mask.contains(QPoint(7, 11))); // the dot
    QVERIFY(mask.contains(QPoint(7, 3)));  // upper arrow head
    QVERIFY(mask.contains(QPoint(6, 17))); // lower arrow head
    QVERIFY(!mask.contains(QPoint(20, 20)));
    QVERIFY(!mask.contains(QPoint(1, 11)));
    QCOMPARE(marker.Point, QPoint(100, 100));
    marker.hide();
}

void TestDgScrollControl::mouseAndKeyHandlersFireEvents() {
    Rows& rows = *m_rows;
    QStringList seen;
    rows.OnMouseDown = [&](QObject*, TMouseButton b, TShiftState s, int x, int y) {
        seen << QStringLiteral("down %1 %2 %3,%4").arg(int(b)).arg(s.toInt()).arg(x).arg(y);
    };
    rows.OnMouseUp = [&](QObject*, TMouseButton b, TShiftState s, int x, int y) {
        seen << QStringLiteral("up %1 %2 %3,%4").arg(int(b)).arg(s.toInt()).arg(x).arg(y);
    };
    rows.OnDblClick = [&](QObject*) { seen << QStringLiteral("dbl"); };
    rows.OnKeyDown = [&](QObject*, int& key, TShiftState) { seen << QStringLiteral("keydown %1").arg(key); };
    rows.OnKeyPress = [&](QObject*, QChar& key) { seen << QStringLiteral("press %1").arg(key); };
    rows.OnKeyUp = [&](QObject*, int& key, TShiftState) { seen << QStringLiteral("keyup %1").arg(key); };
    QTest::mousePress(rows.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 8));
    QTest::mouseRelease(rows.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 8));
    QCOMPARE(seen, (QStringList{QStringLiteral("down 0 9 7,8"), QStringLiteral("up 0 1 7,8")}));
    seen.clear();
    QTest::mouseDClick(rows.viewport(), Qt::LeftButton, {}, QPoint(3, 4));
    QVERIFY(seen.contains(QStringLiteral("dbl")));
    QVERIFY(seen.indexOf(QStringLiteral("down 0 72 3,4")) == seen.indexOf(QStringLiteral("dbl")) + 1);
    seen.clear();
    rows.setFocus();
    QTest::keyClick(&rows, Qt::Key_A);
    QCOMPARE(seen, (QStringList{QStringLiteral("keydown 65"), QStringLiteral("press a"),
                                QStringLiteral("keyup 65")}));
}

void TestDgScrollControl::keyDownSwallowedByHandler() {
    Rows& rows = *m_rows;
    rows.OnKeyDown = [](QObject*, int& key, TShiftState) {
        if (key == VK_DOWN)
            key = 0;
    };
    rows.setFocus();
    QTest::keyClick(&rows, Qt::Key_Down);
    QCOMPARE(rows.VertScrollBar()->Position(), 0);
    QTest::keyClick(&rows, Qt::Key_PageDown);
    QVERIFY(rows.VertScrollBar()->Position() > 0);
}

// Destroying a control in the middle of its own drag ran its end-drag handler on a half-destroyed object.
void TestDgScrollControl::destroyedDragSourceRunsNoHandlers() {
    int endDrags = 0;
    int dragOvers = 0;
    m_rows->OnEndDrag = [&endDrags](QObject*, QObject*, int, int) { ++endDrags; };
    m_rows->OnDragOver = [&dragOvers](QObject*, QObject*, int, int, TDragState, bool& accept) {
        ++dragOvers;
        accept = true;
    };
    m_rows->BeginDrag(true, -1);
    QVERIFY(m_rows->Dragging());
    TDragManager::instance().MouseMove(m_rows->viewport()->mapToGlobal(QPoint(20, 20)));
    const int oversBefore = dragOvers;
    m_rows.reset();
    QVERIFY(!TDragManager::instance().IsActive());
    QCOMPARE(endDrags, 0);
    QCOMPARE(dragOvers, oversBefore);
}

QTEST_MAIN(TestDgScrollControl)
#include "tst_dgscrollcontrol.moc"
