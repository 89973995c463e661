// The scroll bar model with a recording owner: clamps, the Max pull-down, the visible flag, the update lock,
// the scroll codes with their event, and the copy into Qt's scroll bar.
#include "grid/DgScrollControl.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QtTest>

using namespace grid;

namespace {

// Records what the bars ask of their owner; every position step is worth 10 pixels.
class RecordingOwner : public TDgCustomScrollControl {
public:
    QStringList log;
    int GetVertScrollDelta(int OldPos, int NewPos) override {
        log << QStringLiteral("vdelta %1>%2").arg(OldPos).arg(NewPos);
        return (OldPos - NewPos) * 10;
    }
    int GetHorzScrollDelta(int OldPos, int NewPos) override {
        log << QStringLiteral("hdelta %1>%2").arg(OldPos).arg(NewPos);
        return OldPos - NewPos;
    }
    void ScrollContent(TDgCustomScrollBar*, int DX, int DY) override {
        log << QStringLiteral("scroll %1,%2").arg(DX).arg(DY);
    }
    void WMHScroll(int ScrollCode) override { log << QStringLiteral("hscroll %1").arg(ScrollCode); }
    void WMVScroll(int ScrollCode) override { log << QStringLiteral("vscroll %1").arg(ScrollCode); }
};

struct Bar {
    RecordingOwner owner;
    TDgCustomScrollBar bar{&owner};
    explicit Bar(TScrollBarKind kind = TScrollBarKind::sbVertical) { bar.SetKind(kind); }
};

} // namespace

class TestDgScrollBar : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void positionIsClampedAndAlwaysScrolls_data();
    void positionIsClampedAndAlwaysScrolls();
    void horizontalBarScrollsSideways();
    void maxBelowPositionPullsPositionDown();
    void maxIsNeverNegativeAndUnchangedMaxDoesNothing();
    void visibleFlagFollowsMaxPageAndAutoHide_data();
    void visibleFlagFollowsMaxPageAndAutoHide();
    void pageSizeIsAtLeastOne();
    void updateLockStopsScrollingNotPosition();
    void endUpdateWithoutBeginDoesNotUnbalanceLock();
    void firstLastMoveBy();
    void lineAndPageSendScrollMessages();
    void scrollCodes_data();
    void scrollCodes();
    void thumbTrackTakesTheTrackingPosition();
    void eventFiresAlsoWithoutChange();
    void windowsRangeMapsToQt_data();
    void windowsRangeMapsToQt();
    void disabledOwnerDisablesBar();
};

void TestDgScrollBar::defaults() {
    Bar b;
    QCOMPARE(b.bar.Min(), 0);
    QCOMPARE(b.bar.Max(), 0);
    QCOMPARE(b.bar.Position(), 0);
    QCOMPARE(b.bar.SmallChange(), 1);
    QCOMPARE(b.bar.LargeChange(), 1);
    QVERIFY(b.bar.AutoHide());
    QVERIFY(b.bar.Enabled());
    QCOMPARE(b.bar.UpdateLock(), 0);
    QVERIFY(b.bar.IsFirst());
}

void TestDgScrollBar::positionIsClampedAndAlwaysScrolls_data() {
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << 10 << 5 << 5;
    QTest::newRow("below 0") << 10 << -5 << 0;
    QTest::newRow("above max") << 10 << 15 << 10;
    QTest::newRow("max itself") << 10 << 10 << 10;
    QTest::newRow("no range") << 0 << 3 << 0;
}

void TestDgScrollBar::positionIsClampedAndAlwaysScrolls() {
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(int, expected);
    Bar b;
    b.bar.SetMax(max);
    b.owner.log.clear();
    b.bar.SetPosition(value);
    QCOMPARE(b.bar.Position(), expected);
    QCOMPARE(b.owner.log, (QStringList{QStringLiteral("vdelta 0>%1").arg(expected),
                                       QStringLiteral("scroll 0,%1").arg(-expected * 10)}));
    // The same position again still asks for the distance and scrolls by it.
    b.owner.log.clear();
    b.bar.SetPosition(expected);
    QCOMPARE(b.owner.log.size(), 2);
}

void TestDgScrollBar::horizontalBarScrollsSideways() {
    Bar b(TScrollBarKind::sbHorizontal);
    b.bar.SetMax(100);
    b.owner.log.clear();
    b.bar.SetPosition(30);
    QCOMPARE(b.owner.log, (QStringList{QStringLiteral("hdelta 0>30"), QStringLiteral("scroll -30,0")}));
}

void TestDgScrollBar::maxBelowPositionPullsPositionDown() {
    Bar b;
    b.bar.SetMax(10);
    b.bar.SetPosition(8);
    b.owner.log.clear();
    b.bar.SetMax(5);
    QCOMPARE(b.bar.Max(), 5);
    QCOMPARE(b.bar.Position(), 5);
    QCOMPARE(b.owner.log, (QStringList{QStringLiteral("vdelta 8>5"), QStringLiteral("scroll 0,30")}));
    b.owner.log.clear();
    b.bar.SetMax(7);
    QCOMPARE(b.bar.Position(), 5);
    QVERIFY(b.owner.log.isEmpty());
}

void TestDgScrollBar::maxIsNeverNegativeAndUnchangedMaxDoesNothing() {
    Bar b;
    b.bar.SetMax(4);
    b.bar.SetPosition(4);
    b.bar.SetMax(-3);
    QCOMPARE(b.bar.Max(), 0);
    QCOMPARE(b.bar.Position(), 0);
    b.owner.log.clear();
    b.bar.SetMax(0);
    QVERIFY(b.owner.log.isEmpty());
}

void TestDgScrollBar::visibleFlagFollowsMaxPageAndAutoHide_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("autoHide");
    QTest::addColumn<int>("max");
    QTest::addColumn<bool>("visible");
    QTest::newRow("max above page") << 3 << true << 4 << true;
    QTest::newRow("max equal page") << 3 << true << 3 << false;
    QTest::newRow("max below page") << 3 << true << 2 << false;
    QTest::newRow("no auto hide") << 3 << false << 2 << true;
}

void TestDgScrollBar::visibleFlagFollowsMaxPageAndAutoHide() {
    QFETCH(int, page);
    QFETCH(bool, autoHide);
    QFETCH(int, max);
    QFETCH(bool, visible);
    Bar b;
    b.bar.SetPageSize(page);
    b.bar.SetAutoHide(autoHide);
    b.bar.SetMax(max);
    QCOMPARE(b.bar.Visible(), visible);
}

void TestDgScrollBar::pageSizeIsAtLeastOne() {
    Bar b;
    b.bar.SetPageSize(7);
    QCOMPARE(b.bar.PageSize(), 7);
    b.bar.SetPageSize(0);
    QCOMPARE(b.bar.PageSize(), 1);
    b.bar.SetPageSize(-4);
    QCOMPARE(b.bar.PageSize(), 1);
}

void TestDgScrollBar::updateLockStopsScrollingNotPosition() {
    Bar b;
    b.bar.SetMax(10);
    b.owner.log.clear();
    b.bar.BeginUpdate();
    b.bar.BeginUpdate();
    b.bar.SetPosition(4);
    b.bar.EndUpdate();
    b.bar.MoveBy(2);
    QCOMPARE(b.bar.Position(), 6);
    QVERIFY(b.owner.log.isEmpty());
    b.bar.EndUpdate();
    b.bar.MoveBy(1);
    QCOMPARE(b.owner.log, (QStringList{QStringLiteral("vdelta 6>7"), QStringLiteral("scroll 0,-10")}));
}

void TestDgScrollBar::endUpdateWithoutBeginDoesNotUnbalanceLock() {
    Bar b;
    b.bar.SetMax(10);
    b.bar.EndUpdate();
    QCOMPARE(b.bar.UpdateLock(), 0);
    b.bar.BeginUpdate();
    b.owner.log.clear();
    b.bar.SetPosition(3);
    QVERIFY(b.owner.log.isEmpty());
}

void TestDgScrollBar::firstLastMoveBy() {
    Bar b;
    b.bar.SetMax(10);
    b.bar.SetPageSize(3);
    b.bar.Last();
    QCOMPARE(b.bar.Position(), 8);
    QVERIFY(b.bar.IsLast());
    b.bar.MoveBy(-3);
    QCOMPARE(b.bar.Position(), 5);
    QVERIFY(!b.bar.IsLast());
    QVERIFY(!b.bar.IsFirst());
    b.bar.MoveBy(-30);
    QCOMPARE(b.bar.Position(), 0);
    b.bar.MoveBy(3);
    b.bar.First();
    QVERIFY(b.bar.IsFirst());
}

void TestDgScrollBar::lineAndPageSendScrollMessages() {
    Bar v;
    v.bar.LineDown();
    v.bar.PageUp();
    QVERIFY(v.owner.log.isEmpty()); // nothing while Max < 1
    v.bar.SetMax(5);
    v.owner.log.clear();
    v.bar.LineDown();
    v.bar.LineUp();
    v.bar.PageDown();
    v.bar.PageUp();
    QCOMPARE(v.owner.log, (QStringList{QStringLiteral("vscroll 1"), QStringLiteral("vscroll 0"),
                                       QStringLiteral("vscroll 3"), QStringLiteral("vscroll 2")}));
    Bar h(TScrollBarKind::sbHorizontal);
    h.bar.SetMax(5);
    h.owner.log.clear();
    h.bar.LineDown();
    QCOMPARE(h.owner.log, QStringList{QStringLiteral("hscroll 1")});
}

void TestDgScrollBar::scrollCodes_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected");
    // Max 10, PageSize 3, SmallChange 1, LargeChange 3: the last position is 8.
    QTest::newRow("line up at 0") << 0 << int(SB_LINEUP) << 0;
    QTest::newRow("line up") << 4 << int(SB_LINEUP) << 3;
    QTest::newRow("line down") << 0 << int(SB_LINEDOWN) << 1;
    QTest::newRow("line down at end") << 8 << int(SB_LINEDOWN) << 8;
    QTest::newRow("page up") << 5 << int(SB_PAGEUP) << 2;
    QTest::newRow("page up past 0") << 1 << int(SB_PAGEUP) << 0;
    QTest::newRow("page down") << 2 << int(SB_PAGEDOWN) << 5;
    QTest::newRow("page down past end") << 7 << int(SB_PAGEDOWN) << 8;
    QTest::newRow("top") << 5 << int(SB_TOP) << 0;
    QTest::newRow("bottom") << 0 << int(SB_BOTTOM) << 8;
    QTest::newRow("end scroll") << 4 << int(SB_ENDSCROLL) << 4;
    QTest::newRow("unknown code") << 4 << 99 << 4;
}

void TestDgScrollBar::scrollCodes() {
    QFETCH(int, start);
    QFETCH(int, code);
    QFETCH(int, expected);
    TDgScrollControl control;
    TDgScrollBar* bar = control.VertScrollBar();
    bar->SetMax(10);
    bar->SetPageSize(3);
    bar->SetLargeChange(3);
    bar->SetPosition(start);
    QList<int> events;
    control.OnVerticalScroll = [&](QObject* sender, int position) {
        QCOMPARE(sender, &control);
        events << position;
    };
    control.WMVScroll(code);
    QCOMPARE(bar->Position(), expected);
    QCOMPARE(events, QList<int>{expected});
    QCOMPARE(bar->WindowBar()->value(), expected);
}

void TestDgScrollBar::thumbTrackTakesTheTrackingPosition() {
    TDgScrollControl control;
    TDgScrollBar* bar = control.HorzScrollBar();
    bar->SetMax(10);
    bar->SetPageSize(3);
    {
        const QSignalBlocker blocker(bar->WindowBar());
        bar->WindowBar()->setSliderPosition(6);
    }
    QCOMPARE(bar->TrackPosition(), 6);
    control.WMHScroll(SB_THUMBTRACK);
    QCOMPARE(bar->Position(), 6);
    // The window bar cannot track beyond its last position: a track to 10 ends at 8.
    {
        const QSignalBlocker blocker(bar->WindowBar());
        bar->WindowBar()->setSliderPosition(10);
    }
    control.WMHScroll(SB_THUMBPOSITION);
    QCOMPARE(bar->Position(), 8);
}

void TestDgScrollBar::eventFiresAlsoWithoutChange() {
    TDgScrollControl control;
    int horizontal = 0;
    int vertical = 0;
    control.OnHorizontalScroll = [&](QObject*, int position) {
        QCOMPARE(position, 0);
        ++horizontal;
    };
    control.OnVerticalScroll = [&](QObject*, int) { ++vertical; };
    control.WMHScroll(SB_LINEUP);
    control.WMHScroll(SB_ENDSCROLL);
    QCOMPARE(horizontal, 2);
    QCOMPARE(vertical, 0);
    control.OnHorizontalScroll = nullptr;
    control.WMHScroll(SB_LINEDOWN); // unassigned: nothing fires, nothing breaks
}

void TestDgScrollBar::windowsRangeMapsToQt_data() {
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("autoHide");
    QTest::addColumn<int>("qtMax");
    QTest::addColumn<int>("qtValue");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("page inside range") << 10 << 3 << 4 << true << 8 << 4 << true << true;
    QTest::newRow("model beyond last page") << 10 << 3 << 10 << true << 8 << 8 << true << true;
    QTest::newRow("one step to scroll") << 5 << 5 << 0 << true << 1 << 0 << true << true;
    QTest::newRow("page covers range") << 5 << 6 << 0 << true << 0 << 0 << false << false;
    QTest::newRow("empty, auto hide") << 0 << 1 << 0 << true << 0 << 0 << false << false;
    QTest::newRow("empty, always shown") << 0 << 1 << 0 << false << 0 << 0 << true << false;
}

void TestDgScrollBar::windowsRangeMapsToQt() {
    QFETCH(int, max);
    QFETCH(int, page);
    QFETCH(int, position);
    QFETCH(bool, autoHide);
    QFETCH(int, qtMax);
    QFETCH(int, qtValue);
    QFETCH(bool, shown);
    QFETCH(bool, enabled);
    TDgScrollControl control;
    TDgScrollBar* bar = control.VertScrollBar();
    bar->SetAutoHide(autoHide);
    bar->SetPageSize(page);
    bar->SetMax(max);
    bar->SetPosition(position);
    QCOMPARE(bar->Position(), std::min(position, max));
    const QScrollBar* qt = bar->WindowBar();
    QCOMPARE(qt->minimum(), 0);
    QCOMPARE(qt->maximum(), qtMax);
    QCOMPARE(qt->pageStep(), page);
    QCOMPARE(qt->value(), qtValue);
    QCOMPARE(bar->BarShown(), shown);
    QCOMPARE(control.verticalScrollBarPolicy(), shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QCOMPARE(qt->isEnabled(), enabled);
}

void TestDgScrollBar::disabledOwnerDisablesBar() {
    TDgScrollControl control;
    TDgScrollBar* bar = control.VertScrollBar();
    bar->SetPageSize(3);
    bar->SetMax(10);
    QVERIFY(bar->WindowBar()->isEnabled());
    control.setEnabled(false);
    QVERIFY(!bar->WindowBar()->isEnabled());
    control.setEnabled(true);
    QVERIFY(bar->WindowBar()->isEnabled());
    bar->SetEnabled(false);
    QVERIFY(!bar->WindowBar()->isEnabled());
}

QTEST_MAIN(TestDgScrollBar)
#include "tst_dgscrollbar.moc"
