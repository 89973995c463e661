// The spin edit: steps within Min .. Max, the press-delay-repeat cycle driven through its timer handlers,
// mouse, keys and wheel, the buttons' look pressed and normal, and the integer accessor.
#include "grid/DgSpinEdit.h"
#include "platform/Colors.h"
#include "platform/Exceptions.h"
#include "platform/Themes.h"

#include <QTimer>
#include <QtTest>

#include "PixelProbe.h"

using namespace grid;
using namespace platform;
using pixelprobe::at;

namespace {

void wheel(QWidget* target, int delta) {
    const QPointF pos(5, 5);
    QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestDgSpinEdit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void defaults();
    void stepsWithinBounds_data();
    void stepsWithinBounds();
    void readOnlyDoesNotSpin();
    void pressDelayRepeatRelease();
    void mouseOnTheButtons();
    void keysSpinUnlessInplace();
    void wheelSpinsOneStepPerNotch();
    void buttonsPressedAndNormalInPixels();
    void themedButtonsShowPress();
    void integerAccessorRoundsHalfToEven_data();
    void integerAccessorRoundsHalfToEven();
    void marginsMakeRoomForButtons();

private:
    std::unique_ptr<TDgSpinEdit> m_edit;
    QList<int> m_spins;
};

void TestDgSpinEdit::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestDgSpinEdit::init() {
    SetThemeActive(true);
    m_edit = std::make_unique<TDgSpinEdit>();
    m_spins.clear();
    m_edit->OnSpin = [this](QObject* sender, TSpinButtonSet buttons) {
        QCOMPARE(sender, m_edit.get());
        m_spins << (buttons == TSpinButton::sbUp ? 1 : 2);
    };
    m_edit->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_edit.get()));
}

void TestDgSpinEdit::cleanup() {
    m_edit.reset();
    SetThemeActive(true);
    for (int i = 0; i < 32; ++i)
        setSystemColorOverride(i, -1);
}

void TestDgSpinEdit::defaults() {
    QCOMPARE(m_edit->Increment(), 1.0);
    QVERIFY(m_edit->SpinButtons());
    QCOMPARE(m_edit->Precision(), 0);
    QCOMPARE(m_edit->Text(), QStringLiteral("0"));
    QVERIFY(m_edit->Buttons()->isVisible());
    QCOMPARE(m_edit->Buttons()->DelayTimer()->interval(), 400);
    QCOMPARE(m_edit->Buttons()->RepeatTimer()->interval(), 20);
    QVERIFY(!m_edit->Buttons()->DelayTimer()->isActive());
}

void TestDgSpinEdit::stepsWithinBounds_data() {
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<bool>("signs");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("spun");
    QTest::newRow("up to max") << 9.0 << 0.0 << 10.0 << true << true << QStringLiteral("10") << true;
    QTest::newRow("no partial step past max")
        << 9.5 << 0.0 << 10.0 << true << true << QStringLiteral("9,5") << false;
    QTest::newRow("down to min") << 3.0 << 2.0 << 10.0 << true << false << QStringLiteral("2") << true;
    QTest::newRow("no step below min")
        << 2.5 << 2.0 << 10.0 << true << false << QStringLiteral("2,5") << false;
    QTest::newRow("down from 0 without signs")
        << 0.0 << 0.0 << 0.0 << false << false << QStringLiteral("0") << false;
    QTest::newRow("down from 0 with signs")
        << 0.0 << 0.0 << 0.0 << true << false << QStringLiteral("-1") << true;
    QTest::newRow("no bounds up") << 1000.0 << 0.0 << 0.0 << true << true << QStringLiteral("1001") << true;
}

void TestDgSpinEdit::stepsWithinBounds() {
    QFETCH(double, start);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(bool, signs);
    QFETCH(bool, up);
    QFETCH(QString, text);
    QFETCH(bool, spun);
    m_edit->SetMin(min);
    m_edit->SetMax(max);
    m_edit->SetOptions(signs ? TDgNumberEditOption::eoAllowFloat | TDgNumberEditOption::eoAllowSigns
                             : TDgNumberEditOptions(TDgNumberEditOption::eoAllowFloat));
    m_edit->SetValue(start);
    m_edit->DoSpin(up ? TSpinButton::sbUp : TSpinButton::sbDown);
    QCOMPARE(m_edit->Text(), text);
    QCOMPARE(m_spins.size(), spun ? 1 : 0);
    if (spun) {
        QVERIFY(m_edit->hasFocus());
        QCOMPARE(m_edit->cursorPosition(), m_edit->Text().size());
    }
}

void TestDgSpinEdit::readOnlyDoesNotSpin() {
    m_edit->SetReadOnly(true);
    m_edit->DoSpin(TSpinButton::sbUp);
    QCOMPARE(m_edit->Text(), QStringLiteral("0"));
    QVERIFY(m_spins.isEmpty());
}

void TestDgSpinEdit::pressDelayRepeatRelease() {
    TDgSpinButtons* buttons = m_edit->Buttons();
    buttons->PressButton(1);
    QCOMPARE(m_edit->Value(), 1.0); // one step at once
    QCOMPARE(buttons->PressedPart(), 1);
    QVERIFY(buttons->DelayTimer()->isActive());
    QVERIFY(!buttons->RepeatTimer()->isActive());
    buttons->DelayTimerTick();
    QVERIFY(buttons->RepeatTimer()->isActive());
    buttons->RepeatTimerTick();
    buttons->RepeatTimerTick();
    buttons->RepeatTimerTick();
    QCOMPARE(m_edit->Value(), 4.0);
    buttons->DelayTimerTick(); // later delay ticks change nothing
    QCOMPARE(m_edit->Value(), 4.0);
    QVERIFY(buttons->RepeatTimer()->isActive());
    buttons->PressButton(0);
    QCOMPARE(buttons->PressedPart(), 0);
    QVERIFY(!buttons->DelayTimer()->isActive());
    QVERIFY(!buttons->RepeatTimer()->isActive());
    buttons->RepeatTimerTick();
    QCOMPARE(m_edit->Value(), 4.0);
    buttons->PressButton(2);
    buttons->DelayTimerTick();
    buttons->RepeatTimerTick();
    buttons->PressButton(0);
    QCOMPARE(m_edit->Value(), 2.0);
    QCOMPARE(m_spins, (QList<int>{1, 1, 1, 1, 2, 2}));
}

void TestDgSpinEdit::mouseOnTheButtons() {
    TDgSpinButtons* buttons = m_edit->Buttons();
    const int h = buttons->height();
    QTest::mousePress(buttons, Qt::LeftButton, {}, QPoint(3, h / 2 - 1));
    QCOMPARE(buttons->PressedPart(), 1);
    QTest::mouseRelease(buttons, Qt::LeftButton, {}, QPoint(3, h / 2 - 1));
    QCOMPARE(buttons->PressedPart(), 0);
    QTest::mousePress(buttons, Qt::LeftButton, {}, QPoint(3, h / 2));
    QTest::mouseRelease(buttons, Qt::LeftButton, {}, QPoint(3, h / 2));
    QTest::mousePress(buttons, Qt::LeftButton, {}, QPoint(3, h - 1));
    QTest::mouseRelease(buttons, Qt::LeftButton, {}, QPoint(3, h - 1));
    QCOMPARE(m_edit->Value(), -1.0);
    QTest::mouseMove(buttons, QPoint(3, 1));
    QCOMPARE(buttons->HoverPart(), 1);
    QTest::mouseMove(buttons, QPoint(3, h - 1));
    QCOMPARE(buttons->HoverPart(), 2);
}

void TestDgSpinEdit::keysSpinUnlessInplace() {
    m_edit->setFocus();
    QTest::keyPress(m_edit.get(), Qt::Key_Up);
    QCOMPARE(m_edit->Buttons()->PressedPart(), 1);
    QTest::keyRelease(m_edit.get(), Qt::Key_Up);
    QCOMPARE(m_edit->Buttons()->PressedPart(), 0);
    QTest::keyClick(m_edit.get(), Qt::Key_Up);
    QTest::keyClick(m_edit.get(), Qt::Key_Down);
    QTest::keyClick(m_edit.get(), Qt::Key_Up);
    QCOMPARE(m_edit->Value(), 2.0);
    m_edit->InplaceFlag = true;
    QTest::keyClick(m_edit.get(), Qt::Key_Up);
    QCOMPARE(m_edit->Value(), 2.0);
    m_edit->InplaceFlag = false;
    m_edit->SetSpinButtons(false);
    QTest::keyClick(m_edit.get(), Qt::Key_Up);
    QCOMPARE(m_edit->Value(), 2.0);
}

void TestDgSpinEdit::wheelSpinsOneStepPerNotch() {
    wheel(m_edit.get(), -120);
    QCOMPARE(m_edit->Value(), -1.0);
    wheel(m_edit.get(), 240);
    QCOMPARE(m_edit->Value(), 1.0);
    QCOMPARE(m_edit->Buttons()->PressedPart(), 0);
    QVERIFY(!m_edit->Buttons()->DelayTimer()->isActive());
    m_edit->InplaceFlag = true;
    wheel(m_edit.get(), 120);
    QCOMPARE(m_edit->Value(), 1.0);
}

void TestDgSpinEdit::buttonsPressedAndNormalInPixels() {
    setSystemColorOverride(15, RGB(192, 192, 192)); // face
    setSystemColorOverride(16, RGB(128, 128, 128)); // shadow
    setSystemColorOverride(18, RGB(0, 0, 0));       // arrow
    setSystemColorOverride(20, RGB(255, 255, 255)); // highlight
    setSystemColorOverride(21, RGB(1, 1, 1));       // dark shadow
    setSystemColorOverride(22, RGB(224, 224, 224)); // light
    SetThemeActive(false);
    TDgSpinButtons* buttons = m_edit->Buttons();
    const int w = buttons->width();
    const int h = buttons->height();
    const QImage normal = buttons->grab().toImage();
    // The upper button starts one pixel above the window: its top edge is cut off.
    QCOMPARE(at(normal, 0, 0), RGB(224, 224, 224));
    QCOMPARE(at(normal, 1, 0), RGB(255, 255, 255));
    QCOMPARE(at(normal, w - 1, h / 2 - 1), RGB(1, 1, 1));
    QCOMPARE(at(normal, 0, h / 2), RGB(224, 224, 224));
    QCOMPARE(at(normal, w - 1, h - 1), RGB(1, 1, 1));
    buttons->PressButton(2);
    const QImage pressed = buttons->grab().toImage();
    buttons->PressButton(0);
    QCOMPARE(at(pressed, 0, 0), RGB(224, 224, 224)); // the upper button is unchanged
    QCOMPARE(at(pressed, 0, h / 2), RGB(128, 128, 128));
    QCOMPARE(at(pressed, 1, h / 2 + 1), RGB(192, 192, 192));
    QCOMPARE(at(pressed, w - 1, h - 1), RGB(128, 128, 128));
    m_edit->setEnabled(false);
    const QImage disabled = buttons->grab().toImage();
    bool black = false;
    for (int y = 0; y < h; ++y)
        for (int x = 2; x < w - 2; ++x)
            black = black || at(disabled, x, y) == RGB(0, 0, 0);
    QVERIFY(!black); // inactive arrows are embossed grey
}

void TestDgSpinEdit::themedButtonsShowPress() {
    TDgSpinButtons* buttons = m_edit->Buttons();
    const QImage normal = buttons->grab().toImage();
    buttons->PressButton(1);
    const QImage pressed = buttons->grab().toImage();
    buttons->PressButton(0);
    const int h = buttons->height();
    QVERIFY(normal.copy(0, 0, normal.width(), h / 2) != pressed.copy(0, 0, pressed.width(), h / 2));
    QCOMPARE(normal.copy(0, h / 2, normal.width(), h - h / 2),
             pressed.copy(0, h / 2, pressed.width(), h - h / 2));
}

void TestDgSpinEdit::integerAccessorRoundsHalfToEven_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("2,5") << QStringLiteral("2,5") << 2;
    QTest::newRow("3,5") << QStringLiteral("3,5") << 4;
    QTest::newRow("-2,5") << QStringLiteral("-2,5") << -2;
    QTest::newRow("2,6") << QStringLiteral("2,6") << 3;
}

void TestDgSpinEdit::integerAccessorRoundsHalfToEven() {
    QFETCH(QString, text);
    QFETCH(int, value);
    m_edit->SetText(text);
    QCOMPARE(m_edit->AsInteger(), value);
    m_edit->SetText(QStringLiteral("99999999999"));
    QVERIFY_THROWS_EXCEPTION(ERangeError, m_edit->AsInteger());
    m_edit->SetAsInteger(7);
    QCOMPARE(m_edit->Text(), QStringLiteral("7"));
    m_edit->SetAsFloat(7.25);
    QCOMPARE(m_edit->Text(), QStringLiteral("7,25"));
    QCOMPARE(m_edit->AsFloat(), 7.25);
}

void TestDgSpinEdit::marginsMakeRoomForButtons() {
    const int w = m_edit->Buttons()->width();
    QVERIFY(w > 0);
    QCOMPARE(m_edit->textMargins().right(), w);
    QCOMPARE(m_edit->Buttons()->geometry().right() + 1, m_edit->ClientRect().Right);
    QCOMPARE(m_edit->Buttons()->height(), m_edit->ClientHeight());
    m_edit->SetSpinButtons(false);
    QCOMPARE(m_edit->textMargins().right(), 0);
    QVERIFY(m_edit->Buttons()->isHidden());
    m_edit->SetSpinButtons(true);
    m_edit->SetBorderStyle(TBorderStyle::bsNone);
    QCOMPARE(m_edit->Buttons()->height(), m_edit->ClientHeight() + 1);
}

QTEST_MAIN(TestDgSpinEdit)
#include "tst_dgspinedit.moc"
