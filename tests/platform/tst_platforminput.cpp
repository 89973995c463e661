// Key and shift-state translation, the cursor registry, the hint window, assertions and the in-process
// drag state machine driven by real mouse and key events.
#include "platform/Assert.h"
#include "platform/Cursors.h"
#include "platform/DragDrop.h"
#include "platform/HintWindow.h"
#include "platform/Keys.h"

#include <QKeyEvent>
#include <QtTest>

using namespace platform;

namespace {

// A widget that records what the drag machine tells it.
class DragWidget : public QWidget, public TDragClient {
public:
    explicit DragWidget(QWidget* parent, bool accepts) : QWidget(parent), m_accepts(accepts) {}
    QWidget* DragClientWidget() override { return this; }
    bool DragOver(QWidget* source, int x, int y, TDragState state) override {
        log << QStringLiteral("over %1 %2,%3 %4")
                   .arg(static_cast<int>(state))
                   .arg(x)
                   .arg(y)
                   .arg(source ? source->objectName() : QStringLiteral("-"));
        return m_accepts;
    }
    void DragDrop(QWidget* source, int x, int y) override {
        log << QStringLiteral("drop %1,%2 %3").arg(x).arg(y).arg(source->objectName());
    }
    void EndDrag(QWidget* target, int x, int y) override {
        log << QStringLiteral("end %1 %2,%3")
                   .arg(target ? target->objectName() : QStringLiteral("-"))
                   .arg(x)
                   .arg(y);
    }
    void StartDrag() override { log << QStringLiteral("start"); }
    void mouseMoveEvent(QMouseEvent*) override { log << QStringLiteral("own move"); }
    void mouseReleaseEvent(QMouseEvent*) override { log << QStringLiteral("own release"); }

    QStringList log;

private:
    bool m_accepts;
};

} // namespace

class TestPlatformInput : public QObject {
    Q_OBJECT
private slots:
    void virtualKeys_data();
    void virtualKeys();
    void shiftState();
    void cursorRegistry();
    void screenCursorOverridesAndRestores();
    void hintWindowSizesAndShows();
    void assertionNamesFileAndLine();
    void dragWaitsForThresholdThenDrops();
    void dragReleasedBeforeThresholdEndsWithoutTarget();
    void dragCancelledByEscape();
    void dragOntoRefusingTargetDropsNothing();

private:
    struct Scene {
        QWidget window;
        DragWidget* left = nullptr;
        DragWidget* right = nullptr;
    };
    void makeScene(Scene& s, bool rightAccepts);
};

void TestPlatformInput::virtualKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("ch");
    QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << QString() << 46 << 0;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << QStringLiteral("\r") << 13 << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << QStringLiteral("\r")
                                  << 13 << 13;
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << QString() << 27 << 27;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << QString() << 8 << 8;
    QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << QStringLiteral("\t") << 9 << 9;
    QTest::newRow("shift tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << QString() << 9 << 9;
    QTest::newRow("ctrl c") << int(Qt::Key_C) << int(Qt::ControlModifier) << QString() << int('C') << 3;
    QTest::newRow("ctrl v") << int(Qt::Key_V) << int(Qt::ControlModifier) << QString() << int('V') << 22;
    QTest::newRow("ctrl x") << int(Qt::Key_X) << int(Qt::ControlModifier) << QString() << int('X') << 24;
    QTest::newRow("a") << int(Qt::Key_A) << 0 << QStringLiteral("a") << int('A') << int('a');
    QTest::newRow("shift a") << int(Qt::Key_A) << int(Qt::ShiftModifier) << QStringLiteral("A") << int('A')
                             << int('A');
    QTest::newRow("digit") << int(Qt::Key_7) << 0 << QStringLiteral("7") << int('7') << int('7');
    QTest::newRow("keypad digit") << int(Qt::Key_7) << int(Qt::KeypadModifier) << QStringLiteral("7") << 0x67
                                  << int('7');
    QTest::newRow("comma") << int(Qt::Key_Comma) << 0 << QStringLiteral(",") << 0xBC << int(',');
    QTest::newRow("keypad comma") << int(Qt::Key_Comma) << int(Qt::KeypadModifier) << QStringLiteral(",")
                                  << 0x6E << int(',');
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << QStringLiteral("-") << 0xBD << int('-');
    QTest::newRow("up") << int(Qt::Key_Up) << 0 << QString() << 38 << 0;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << 0 << QString() << 34 << 0;
    QTest::newRow("f2") << int(Qt::Key_F2) << 0 << QString() << 0x71 << 0;
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << QStringLiteral(" ") << 32 << 32;
    QTest::newRow("umlaut") << int(Qt::Key_Adiaeresis) << 0 << QStringLiteral("ä") << 0xDE << 0xE4;
    QTest::newRow("altgr at") << int(Qt::Key_Q) << int(Qt::ControlModifier | Qt::AltModifier)
                              << QStringLiteral("@") << int('Q') << int('@');
}

void TestPlatformInput::virtualKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, vk);
    QFETCH(int, ch);
    QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(VirtualKeyOf(&event), vk);
    QCOMPARE(int(KeyCharOf(&event).unicode()), ch);
}

void TestPlatformInput::shiftState() {
    QCOMPARE(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier),
             TShiftState(TShiftStateItem::ssShift | TShiftStateItem::ssCtrl));
    QCOMPARE(ShiftStateOf(Qt::NoModifier, Qt::LeftButton), TShiftState(TShiftStateItem::ssLeft));
    QCOMPARE(ShiftStateOf(Qt::AltModifier, Qt::RightButton | Qt::MiddleButton, true),
             TShiftStateItem::ssAlt | TShiftStateItem::ssRight | TShiftStateItem::ssMiddle |
                 TShiftStateItem::ssDouble);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QCOMPARE(ShiftStateOf(&dbl), TShiftStateItem::ssLeft | TShiftStateItem::ssDouble);
    TMouseButton b{};
    QVERIFY(MouseButtonOf(Qt::MiddleButton, b));
    QCOMPARE(b, TMouseButton::mbMiddle);
    QVERIFY(!MouseButtonOf(Qt::BackButton, b));
}

void TestPlatformInput::cursorRegistry() {
    QCOMPARE(Cursor(crHSplit).shape(), Qt::SplitHCursor);
    QCOMPARE(Cursor(crNoDrop).shape(), Qt::ForbiddenCursor);
    QCOMPARE(Cursor(crDefault).shape(), Qt::ArrowCursor);
    QVERIFY(!HasCursor(4711));
    QCOMPARE(Cursor(4711).shape(), Qt::ArrowCursor);
    for (const char* name : {"ROLL", "ROLLUP", "ROLLDOWN", "REVERSEDARROW", "HORZSPLIT", "VERTSPLIT",
                             "COLUMNNODRAG", "INDICATORSELECT"}) {
        const QCursor c = CursorResource(QString::fromLatin1(name));
        QCOMPARE(c.shape(), Qt::BitmapCursor);
        QCOMPARE(c.pixmap().size(), QSize(32, 32));
    }
    QCOMPARE(CursorResource(QStringLiteral("MISSING")).shape(), Qt::ArrowCursor);
    LoadCursorResource(4003, QStringLiteral("ROLL"));
    QVERIFY(HasCursor(4003));
    QCOMPARE(Cursor(4003).hotSpot(), QPoint(15, 15));
    // A cursor set over a loaded one is replaced again by the next load of the image.
    SetCursor(4003, QCursor(Qt::CrossCursor));
    QCOMPARE(Cursor(4003).shape(), Qt::CrossCursor);
    LoadCursorResource(4003, QStringLiteral("ROLL"));
    QCOMPARE(Cursor(4003).shape(), Qt::BitmapCursor);
    // Loading the roll images differently gives different pictures.
    QVERIFY(CursorResource(QStringLiteral("ROLLUP")).pixmap().toImage() !=
            CursorResource(QStringLiteral("ROLLDOWN")).pixmap().toImage());
}

void TestPlatformInput::screenCursorOverridesAndRestores() {
    QVERIFY(!QGuiApplication::overrideCursor());
    SetScreenCursor(crDrag);
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
    SetScreenCursor(crNoDrop);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    QCOMPARE(ScreenCursor(), crNoDrop);
    SetScreenCursor(crDefault);
    QVERIFY(!QGuiApplication::overrideCursor());
    SetScreenCursor(crDefault);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestPlatformInput::hintWindowSizesAndShows() {
    THintWindow hint;
    const QString text = QStringLiteral("eins zwei drei vier fünf sechs sieben acht");
    const TRect narrow = hint.CalcHintRect(60, text);
    const TRect wide = hint.CalcHintRect(1000, text);
    QCOMPARE(narrow.Left, 0);
    QVERIFY(narrow.Height() > wide.Height());
    QVERIFY(wide.Width() > narrow.Width());
    QCOMPARE(hint.Color, HintColor());
    hint.ActivateHint(OffsetRect(wide, 30, 40), text);
    QVERIFY(hint.isVisible());
    QCOMPARE(hint.geometry(), OffsetRect(wide, 30, 40).toQRect());
    QCOMPARE(hint.Caption(), text);
    hint.ReleaseHandle();
    QVERIFY(!hint.isVisible());
}

void TestPlatformInput::assertionNamesFileAndLine() {
    Assert(true);
    const int line = __LINE__ + 2;
    try {
        Assert(false);
        QFAIL("no exception");
    } catch (const EAssertionFailed& e) {
        QCOMPARE(e.Message(),
                 QStringLiteral("Assertion fehlgeschlagen (tst_platforminput.cpp, Zeile %1)").arg(line));
    }
}

void TestPlatformInput::makeScene(Scene& s, bool rightAccepts) {
    s.window.resize(300, 100);
    s.left = new DragWidget(&s.window, false);
    s.left->setObjectName(QStringLiteral("left"));
    s.left->setGeometry(0, 0, 150, 100);
    s.right = new DragWidget(&s.window, rightAccepts);
    s.right->setObjectName(QStringLiteral("right"));
    s.right->setGeometry(150, 0, 150, 100);
    s.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
}

void TestPlatformInput::dragWaitsForThresholdThenDrops() {
    Scene s;
    makeScene(s, true);
    TDragManager& drag = TDragManager::instance();
    QTest::mousePress(s.left, Qt::LeftButton, {}, QPoint(10, 10));
    drag.BeginDrag(s.left, false, 5);
    QCOMPARE(drag.state(), TDragManager::State::Pending);
    QTest::mouseMove(s.left, QPoint(14, 13));
    QCOMPARE(drag.state(), TDragManager::State::Pending);
    QTest::mouseMove(s.left, QPoint(15, 10));
    QCOMPARE(drag.state(), TDragManager::State::Dragging);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    QTest::mouseMove(s.right, QPoint(20, 30));
    QCOMPARE(drag.Target(), s.right);
    QVERIFY(drag.Accepted());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
    QTest::mouseRelease(s.right, Qt::LeftButton, {}, QPoint(20, 30));
    QCOMPARE(drag.state(), TDragManager::State::Idle);
    QVERIFY(!QGuiApplication::overrideCursor());
    // The source saw neither the moves nor the release of its drag.
    QCOMPARE(s.left->log,
             (QStringList{QStringLiteral("start"), QStringLiteral("over 0 15,10 left"),
                          QStringLiteral("over 1 170,30 left"), QStringLiteral("end right 170,30")}));
    QCOMPARE(s.right->log,
             (QStringList{QStringLiteral("over 0 20,30 left"), QStringLiteral("over 2 20,30 left"),
                          QStringLiteral("drop 20,30 left")}));
}

void TestPlatformInput::dragReleasedBeforeThresholdEndsWithoutTarget() {
    Scene s;
    makeScene(s, true);
    QTest::mousePress(s.left, Qt::LeftButton, {}, QPoint(10, 10));
    TDragManager::instance().BeginDrag(s.left, false);
    QTest::mouseMove(s.left, QPoint(12, 12));
    QTest::mouseRelease(s.left, Qt::LeftButton, {}, QPoint(12, 12));
    QCOMPARE(TDragManager::instance().state(), TDragManager::State::Idle);
    QCOMPARE(s.left->log, QStringList{QStringLiteral("end - 12,12")});
}

void TestPlatformInput::dragCancelledByEscape() {
    Scene s;
    makeScene(s, true);
    QTest::mousePress(s.left, Qt::LeftButton, {}, QPoint(10, 10));
    TDragManager::instance().BeginDrag(s.left, true);
    QCOMPARE(TDragManager::instance().state(), TDragManager::State::Dragging);
    QTest::mouseMove(s.right, QPoint(5, 5));
    QTest::keyClick(s.right, Qt::Key_Escape);
    QCOMPARE(TDragManager::instance().state(), TDragManager::State::Idle);
    QCOMPARE(s.right->log.last(), QStringLiteral("over 1 5,5 left"));
    QCOMPARE(s.left->log.last(), QStringLiteral("end - 155,5"));
    QVERIFY(!QGuiApplication::overrideCursor());
    // After the drag the source gets its mouse input again.
    QTest::mouseMove(s.left, QPoint(3, 3));
    QCOMPARE(s.left->log.last(), QStringLiteral("own move"));
}

void TestPlatformInput::dragOntoRefusingTargetDropsNothing() {
    Scene s;
    makeScene(s, false);
    QTest::mousePress(s.left, Qt::LeftButton, {}, QPoint(10, 10));
    TDragManager::instance().BeginDrag(s.left, true);
    QTest::mouseMove(s.right, QPoint(40, 40));
    QVERIFY(!TDragManager::instance().Accepted());
    QTest::mouseRelease(s.right, Qt::LeftButton, {}, QPoint(40, 40));
    QVERIFY(!s.right->log.join(QLatin1Char(' ')).contains(QStringLiteral("drop")));
    QCOMPARE(s.left->log.last(), QStringLiteral("end - 190,40"));
}

QTEST_MAIN(TestPlatformInput)
#include "tst_platforminput.moc"
