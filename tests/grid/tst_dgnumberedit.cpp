// The number edit under a German locale: normalising, formatting, clamping, reading its own text without
// ever raising, the key filter, paste, and the fixed-point text it formats with.
#include "grid/DgNumberEdit.h"
#include "platform/FixedText.h"

#include <QClipboard>
#include <QtTest>

using namespace grid;
using namespace platform;

namespace {

using Opt = TDgNumberEditOption;

// Opens the key filter for direct calls.
class NumberEdit : public TDgCustomNumberEdit {
public:
    using TDgCustomNumberEdit::KeyDown;
    using TDgCustomNumberEdit::KeyPress;
};

const TDgNumberEditOptions kDefault = Opt::eoAllowFloat | Opt::eoAllowSigns;

} // namespace

class TestDgNumberEdit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void floatToStrFixed_data();
    void floatToStrFixed();
    void normalize_data();
    void normalize();
    void valueNeverRaisesOnItsOwnText_data();
    void valueNeverRaisesOnItsOwnText();
    void emptyTextReadsMin();
    void format_data();
    void format();
    void formatLockLeavesText();
    void textAfterRoundTrip();
    void nullTextShowsForZero();
    void setAsFloatAndRefresh();
    void assignCopiesSettingsAndValue();
    void keyFilter_data();
    void keyFilter();
    void typingThroughTheFilter();
    void disableTypingSwallowsDeletion();
    void paste_data();
    void paste();
    void focusLossReformats();
};

void TestDgNumberEdit::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestDgNumberEdit::floatToStrFixed_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("12.5, 2") << 12.5 << 2 << QStringLiteral("12,50");
    QTest::newRow("half away up") << 0.125 << 2 << QStringLiteral("0,13");
    QTest::newRow("binary below half") << 2.675 << 2 << QStringLiteral("2,67");
    QTest::newRow("carry into integer") << 999.995 << 2 << QStringLiteral("1000,00");
    QTest::newRow("no decimals, half away") << 2.5 << 0 << QStringLiteral("3");
    QTest::newRow("negative half away") << -3.25 << 1 << QStringLiteral("-3,3");
    QTest::newRow("negative rounding to zero") << -0.001 << 2 << QStringLiteral("0,00");
    QTest::newRow("small") << 0.000123 << 5 << QStringLiteral("0,00012");
    QTest::newRow("large") << 123456789012.0 << 1 << QStringLiteral("123456789012,0");
    QTest::newRow("too large") << 1e20 << 2 << QStringLiteral("1E20");
}

void TestDgNumberEdit::floatToStrFixed() {
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(QString, text);
    QCOMPARE(FloatToStrFixed(value, digits), text);
}

void TestDgNumberEdit::normalize_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("options");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<QString>("result");
    const int all = int(kDefault.toInt());
    QTest::newRow("letters around a number")
        << QStringLiteral("abc-1,5x") << all << 0.0 << 0.0 << QStringLiteral("-1,5");
    QTest::newRow("second separator dropped")
        << QStringLiteral("1,2,3") << all << 0.0 << 0.0 << QStringLiteral("1,23");
    QTest::newRow("group separator dropped")
        << QStringLiteral("1.234,5") << all << 0.0 << 0.0 << QStringLiteral("1234,5");
    QTest::newRow("plus sign") << QStringLiteral("+7") << all << 0.0 << 0.0 << QStringLiteral("7");
    QTest::newRow("sign inside dropped")
        << QStringLiteral("5-3") << all << 0.0 << 0.0 << QStringLiteral("53");
    QTest::newRow("empty") << QString() << all << 0.0 << 0.0 << QStringLiteral("0");
    QTest::newRow("lone minus") << QStringLiteral("-") << all << 0.0 << 0.0 << QStringLiteral("0");
    QTest::newRow("lone plus") << QStringLiteral("+") << all << 0.0 << 0.0 << QStringLiteral("0");
    QTest::newRow("lone separator is no number") << QStringLiteral(",") << all << 0.0 << 0.0 << QString();
    QTest::newRow("minus separator is no number") << QStringLiteral("-,") << all << 0.0 << 0.0 << QString();
    QTest::newRow("plus separator is no number") << QStringLiteral("+,") << all << 0.0 << 0.0 << QString();
    QTest::newRow("separator then digit")
        << QStringLiteral(",5") << all << 0.0 << 0.0 << QStringLiteral("0,5");
    QTest::newRow("no float") << QStringLiteral("12,5") << int(Opt::eoAllowSigns) << 0.0 << 0.0
                              << QStringLiteral("125");
    QTest::newRow("no signs") << QStringLiteral("-3") << int(Opt::eoAllowFloat) << 0.0 << 0.0
                              << QStringLiteral("3");
    QTest::newRow("exponent letters dropped")
        << QStringLiteral("1E5") << all << 0.0 << 0.0 << QStringLiteral("15");
    QTest::newRow("clamped to max") << QStringLiteral("15") << all << 2.0 << 10.0 << QStringLiteral("10");
    QTest::newRow("clamped to min") << QStringLiteral("1") << all << 2.0 << 10.0 << QStringLiteral("2");
    QTest::newRow("negative max alone clamps")
        << QStringLiteral("3") << all << 0.0 << -1.0 << QStringLiteral("0");
}

void TestDgNumberEdit::normalize() {
    QFETCH(QString, input);
    QFETCH(int, options);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(QString, result);
    TDgCustomNumberEdit edit;
    edit.SetMin(min);
    edit.SetMax(max);
    const TDgNumberEditOptions o = TDgNumberEditOptions::fromInt(options);
    QCOMPARE(edit.NormalizeNumberText(input, o.testFlag(Opt::eoAllowFloat), o.testFlag(Opt::eoAllowSigns)),
             result);
}

void TestDgNumberEdit::valueNeverRaisesOnItsOwnText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("number") << QStringLiteral("4,5") << 4.5;
    QTest::newRow("lone separator keeps last good") << QStringLiteral(",") << 3.0;
    QTest::newRow("minus separator keeps last good") << QStringLiteral("-,") << 3.0;
    QTest::newRow("plus separator keeps last good") << QStringLiteral("+,") << 3.0;
    QTest::newRow("junk is 0") << QStringLiteral("abc") << 0.0;
    QTest::newRow("lone minus is 0") << QStringLiteral("-") << 0.0;
}

void TestDgNumberEdit::valueNeverRaisesOnItsOwnText() {
    QFETCH(QString, text);
    QFETCH(double, value);
    TDgCustomNumberEdit edit;
    edit.SetText(QStringLiteral("3"));
    QCOMPARE(edit.Value(), 3.0);
    edit.SetText(text);
    QCOMPARE(edit.Value(), value);
    QCOMPARE(edit.AsFloat(), value);
    QCOMPARE(edit.Text(), text); // reading leaves the text alone
}

void TestDgNumberEdit::emptyTextReadsMin() {
    TDgCustomNumberEdit edit;
    edit.SetMin(2);
    edit.SetMax(10);
    edit.SetText(QString());
    QCOMPARE(edit.Value(), 2.0);
    edit.SetText(QStringLiteral("15"));
    QCOMPARE(edit.Value(), 10.0);
    QCOMPARE(edit.LastGoodValue(), 10.0);
}

void TestDgNumberEdit::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("nullText");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<QString>("text");
    const int all = int(kDefault.toInt());
    QTest::newRow("precision 2 with unit")
        << 12.5 << all << 2 << QString() << QStringLiteral(" MHz") << QStringLiteral("12,50 MHz");
    QTest::newRow("null text for 0") << 0.0 << all << 2 << QStringLiteral("-") << QStringLiteral(" MHz")
                                     << QStringLiteral("-");
    QTest::newRow("null text only for 0")
        << 1.0 << all << 2 << QStringLiteral("-") << QString() << QStringLiteral("1,00");
    QTest::newRow("no float: no decimals")
        << 12.5 << int(Opt::eoAllowSigns) << 2 << QString() << QStringLiteral("x") << QStringLiteral("13x");
    QTest::newRow("precision 0: shortest text")
        << 12.25 << all << 0 << QString() << QString() << QStringLiteral("12,25");
    QTest::newRow("negative precision: shortest text")
        << 0.1 << all << -1 << QString() << QString() << QStringLiteral("0,1");
    QTest::newRow("precision 3") << -2.0 << all << 3 << QString() << QString() << QStringLiteral("-2,000");
}

void TestDgNumberEdit::format() {
    QFETCH(double, value);
    QFETCH(int, options);
    QFETCH(int, precision);
    QFETCH(QString, nullText);
    QFETCH(QString, textAfter);
    QFETCH(QString, text);
    TDgCustomNumberEdit edit;
    edit.SetOptions(TDgNumberEditOptions::fromInt(options));
    edit.SetPrecision(precision);
    edit.SetNullText(nullText);
    edit.SetTextAfter(textAfter);
    QCOMPARE(edit.FormatNumberValue(value), text);
    edit.SetValue(value);
    QCOMPARE(edit.Text(), text);
}

void TestDgNumberEdit::formatLockLeavesText() {
    TDgCustomNumberEdit edit;
    edit.SetText(QStringLiteral("7,123"));
    edit.FormatLock = true;
    edit.SetValue(1);
    QCOMPARE(edit.Text(), QStringLiteral("7,123"));
    edit.SetAsFloat(2.5);
    QCOMPARE(edit.Text(), QStringLiteral("2,5")); // the raw text, not re-formatted
    edit.FormatLock = false;
    edit.SetAsFloat(2.5);
    QCOMPARE(edit.Text(), QStringLiteral("2,50"));
}

void TestDgNumberEdit::textAfterRoundTrip() {
    TDgCustomNumberEdit edit;
    edit.SetTextAfter(QStringLiteral(" MHz"));
    edit.SetValue(12.5);
    QCOMPARE(edit.Text(), QStringLiteral("12,50 MHz"));
    QCOMPARE(edit.Value(), 12.5);
    edit.SetTextAfter(QStringLiteral(" kHz"));
    QCOMPARE(edit.Text(), QStringLiteral("12,50 kHz"));
    edit.SetOptions(kDefault | Opt::eoAllowAll);
    edit.SetTextAfter(QString());
    QCOMPARE(edit.Text(), QStringLiteral("12,50 kHz"));
}

void TestDgNumberEdit::nullTextShowsForZero() {
    TDgCustomNumberEdit edit;
    edit.SetValue(0);
    QCOMPARE(edit.Text(), QStringLiteral("0,00"));
    edit.SetNullText(QStringLiteral("-"));
    QCOMPARE(edit.Text(), QStringLiteral("-"));
    QCOMPARE(edit.Value(), 0.0);
    edit.SetValue(4);
    edit.SetNullText(QStringLiteral("leer"));
    QCOMPARE(edit.Text(), QStringLiteral("4,00")); // another value keeps its text
}

void TestDgNumberEdit::setAsFloatAndRefresh() {
    TDgCustomNumberEdit edit;
    edit.SetMax(100);
    edit.SetMin(-100);
    edit.SetText(QStringLiteral("1234,5"));
    edit.RefreshValueText();
    QCOMPARE(edit.Text(), QStringLiteral("100,00"));
    edit.SetOptions(kDefault | Opt::eoAllowAll);
    edit.SetText(QStringLiteral("1234,5"));
    edit.RefreshValueText();
    QCOMPARE(edit.Text(), QStringLiteral("1234,5"));
}

void TestDgNumberEdit::assignCopiesSettingsAndValue() {
    TDgCustomNumberEdit a;
    a.SetMax(50);
    a.SetMin(5);
    a.SetNullText(QStringLiteral("n"));
    a.SetOptions(Opt::eoAllowFloat);
    a.SetPrecision(1);
    a.SetValue(7.25);
    TDgCustomNumberEdit b;
    b.Assign(a);
    QCOMPARE(b.Max(), 50.0);
    QCOMPARE(b.Min(), 5.0);
    QCOMPARE(b.NullText(), QStringLiteral("n"));
    QCOMPARE(b.Options(), TDgNumberEditOptions(Opt::eoAllowFloat));
    QCOMPARE(b.Precision(), 1);
    QCOMPARE(b.Text(), QStringLiteral("7,3"));
}

void TestDgNumberEdit::keyFilter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("accepted");
    const int def = int(kDefault.toInt());
    QTest::newRow("digit") << QStringLiteral("12") << 2 << 0 << def << int('5') << true;
    QTest::newRow("letter") << QStringLiteral("12") << 2 << 0 << def << int('a') << false;
    QTest::newRow("point is no separator here") << QStringLiteral("12") << 2 << 0 << def << int('.') << false;
    QTest::newRow("first separator") << QStringLiteral("12") << 2 << 0 << def << int(',') << true;
    QTest::newRow("second separator") << QStringLiteral("1,2") << 3 << 0 << def << int(',') << false;
    QTest::newRow("separator replacing the first")
        << QStringLiteral("1,2") << 1 << 1 << def << int(',') << true;
    QTest::newRow("separator without float")
        << QStringLiteral("12") << 2 << 0 << int(Opt::eoAllowSigns) << int(',') << false;
    QTest::newRow("minus at start") << QStringLiteral("12") << 0 << 0 << def << int('-') << true;
    QTest::newRow("minus inside") << QStringLiteral("12") << 1 << 0 << def << int('-') << false;
    QTest::newRow("second sign at start") << QStringLiteral("-12") << 0 << 0 << def << int('+') << false;
    QTest::newRow("sign replacing the sign") << QStringLiteral("-12") << 0 << 1 << def << int('+') << true;
    QTest::newRow("sign without signs")
        << QStringLiteral("12") << 0 << 0 << int(Opt::eoAllowFloat) << int('-') << false;
    QTest::newRow("backspace") << QStringLiteral("12") << 2 << 0 << def << 8 << true;
    QTest::newRow("ctrl c") << QStringLiteral("12") << 2 << 0 << def << 3 << true;
    QTest::newRow("ctrl v") << QStringLiteral("12") << 2 << 0 << def << 22 << true;
    QTest::newRow("ctrl x") << QStringLiteral("12") << 2 << 0 << def << 24 << true;
    QTest::newRow("tab") << QStringLiteral("12") << 2 << 0 << def << 9 << true;
    QTest::newRow("enter") << QStringLiteral("12") << 2 << 0 << def << 13 << false;
    QTest::newRow("allow all") << QStringLiteral("12") << 2 << 0 << int((kDefault | Opt::eoAllowAll).toInt())
                               << int('x') << true;
    QTest::newRow("typing disabled") << QStringLiteral("12") << 2 << 0
                                     << int((kDefault | Opt::eoDisableTyping | Opt::eoAllowAll).toInt())
                                     << int('5') << false;
}

void TestDgNumberEdit::keyFilter() {
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, options);
    QFETCH(int, key);
    QFETCH(bool, accepted);
    NumberEdit edit;
    edit.SetOptions(TDgNumberEditOptions::fromInt(options));
    edit.SetText(text);
    edit.setSelection(selStart, selLength);
    if (selLength == 0)
        edit.SetSelStart(selStart);
    int events = 0;
    edit.OnKeyPress = [&](QObject*, QChar&) { ++events; };
    QChar k(key);
    edit.KeyPress(k);
    QCOMPARE(!k.isNull(), accepted);
    QCOMPARE(events, accepted ? 1 : 0); // a refused key goes no further
}

void TestDgNumberEdit::typingThroughTheFilter() {
    TDgCustomNumberEdit edit;
    edit.show();
    edit.setFocus();
    edit.SetText(QString());
    QTest::keyClicks(&edit, QStringLiteral("-1a2,3,4x"));
    QCOMPARE(edit.Text(), QStringLiteral("-12,34"));
    QCOMPARE(edit.Value(), -12.34);
}

void TestDgNumberEdit::disableTypingSwallowsDeletion() {
    NumberEdit edit;
    edit.SetOptions(kDefault | Opt::eoDisableTyping);
    edit.show();
    edit.setFocus();
    edit.SetText(QStringLiteral("123"));
    edit.SetSelStart(1);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_5);
    QCOMPARE(edit.Text(), QStringLiteral("123"));
    for (int key : {VK_BACK, VK_CLEAR, VK_DELETE}) {
        int k = key;
        QVERIFY(!TDgCustomNumberEdit::IsDeletionKey(k));
        QCOMPARE(k, 0);
    }
    int other = VK_LEFT;
    QVERIFY(TDgCustomNumberEdit::IsDeletionKey(other));
    QCOMPARE(other, int(VK_LEFT));
}

void TestDgNumberEdit::paste_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("result");
    const int def = int(kDefault.toInt());
    QTest::newRow("into empty edit") << QString() << 0 << 0 << def << QStringLiteral("abc-1,5x")
                                     << QStringLiteral("-1,5");
    QTest::newRow("inside") << QStringLiteral("12") << 1 << 0 << def << QStringLiteral("5")
                            << QStringLiteral("152");
    QTest::newRow("separator already there")
        << QStringLiteral("1,2") << 3 << 0 << def << QStringLiteral("3,4") << QStringLiteral("1,234");
    QTest::newRow("sign not at start")
        << QStringLiteral("12") << 1 << 0 << def << QStringLiteral("-3") << QStringLiteral("132");
    QTest::newRow("sign at start") << QStringLiteral("12") << 0 << 0 << def << QStringLiteral("-3")
                                   << QStringLiteral("-312");
    QTest::newRow("replacing the selection")
        << QStringLiteral("1,2") << 0 << 3 << def << QStringLiteral("7,5") << QStringLiteral("7,5");
    QTest::newRow("paste disabled") << QStringLiteral("12") << 2 << 0
                                    << int((kDefault | Opt::eoDisablePaste).toInt()) << QStringLiteral("9")
                                    << QStringLiteral("12");
    QTest::newRow("lone separator inserts nothing")
        << QStringLiteral("12") << 2 << 0 << def << QStringLiteral(",") << QStringLiteral("12");
    QTest::newRow("normalised also with allow all")
        << QString() << 0 << 0 << int((kDefault | Opt::eoAllowAll).toInt()) << QStringLiteral("x1y")
        << QStringLiteral("1");
}

void TestDgNumberEdit::paste() {
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, options);
    QFETCH(QString, clipboard);
    QFETCH(QString, result);
    TDgCustomNumberEdit edit;
    edit.SetOptions(TDgNumberEditOptions::fromInt(options));
    edit.SetText(text);
    edit.setSelection(selStart, selLength);
    if (selLength == 0)
        edit.SetSelStart(selStart);
    QGuiApplication::clipboard()->setText(clipboard);
    edit.Paste();
    QCOMPARE(edit.Text(), result);
    if (!(TDgNumberEditOptions::fromInt(options) & Opt::eoDisablePaste))
        QCOMPARE(edit.SelStart(), selStart);
}

void TestDgNumberEdit::focusLossReformats() {
    QWidget form;
    auto* edit = new TDgCustomNumberEdit(&form);
    auto* other = new TDgCustomNumberEdit(&form);
    other->move(0, 30);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(edit->Text(), QStringLiteral("0,00")); // the window's creation formats the text
    edit->setFocus();
    edit->SetText(QStringLiteral("3,4567"));
    int exits = 0;
    edit->OnExit = [&](QObject*) {
        ++exits;
        QCOMPARE(edit->Text(), QStringLiteral("3,46"));
    };
    other->setFocus();
    QCOMPARE(edit->Text(), QStringLiteral("3,46"));
    QCOMPARE(exits, 1);
    // Ctrl+V goes through the same paste.
    edit->setFocus();
    edit->SetText(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("x7,5"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->Text(), QStringLiteral("7,5"));
}

QTEST_MAIN(TestDgNumberEdit)
#include "tst_dgnumberedit.moc"
