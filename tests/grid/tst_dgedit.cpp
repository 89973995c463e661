// The grid library's edit: MaxLength for typing only, typed accessors with the runtime's errors, margins,
// glyph and preview, key handlers, Tab, Enter towards the dialog, and the classic border.
#include "grid/DgEdit.h"
#include "platform/Colors.h"
#include "platform/Exceptions.h"
#include "platform/Themes.h"

#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <QtTest>

#include "PixelProbe.h"

using namespace grid;
using namespace platform;
using pixelprobe::at;

namespace {

TBitmap glyph16() {
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    image.setPixel(5, 5, qRgb(0, 0, 0));
    return TBitmap(image);
}

// Logs the keys a widget sees.
class KeyLog : public QWidget {
public:
    QStringList keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys << QString::number(event->key()); }
};

} // namespace

class TestDgEdit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void defaults();
    void maxLengthLimitsTypingOnly();
    void maxLengthLimitsPaste();
    void accessorsRaiseConversionErrors_data();
    void accessorsRaiseConversionErrors();
    void accessorsWriteText();
    void setAsStringGoesThroughCodePage();
    void marginsFromPreviewAndGlyph();
    void glyphClickAndPreviewDraw();
    void keyHandlersSwallowAndReplace();
    void wantTabsKeepsTab();
    void enterGoesToDialogNotToParent();
    void changeEventFiresForCodeAndTyping();
    void classicBorderIsSunkenEdge();
};

void TestDgEdit::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestDgEdit::init() {
    SetThemeActive(true);
}

void TestDgEdit::defaults() {
    TDgEdit edit;
    QCOMPARE(edit.size(), QSize(121, 20));
    QCOMPARE(edit.Alignment(), TAlignment::taLeftJustify);
    QCOMPARE(edit.BorderStyle(), TBorderStyle::bsSingle);
    QCOMPARE(edit.Color(), clWindow);
    QVERIFY(edit.PreviewBorder());
    QVERIFY(!edit.ShowPreview());
    QVERIFY(!edit.WantTabs());
    QVERIFY(!edit.InplaceFlag);
    QVERIFY(!edit.FormatLock);
    QCOMPARE(edit.MaxLength(), 0);
    QVERIFY(HasCursor(crReversedArrow));
}

void TestDgEdit::maxLengthLimitsTypingOnly() {
    TDgEdit edit;
    edit.SetMaxLength(5);
    edit.SetText(QStringLiteral("1234567"));
    QCOMPARE(edit.Text(), QStringLiteral("1234567")); // code is not cut
    edit.show();
    edit.setFocus();
    edit.SetSelStart(7);
    QTest::keyClick(&edit, Qt::Key_X);
    QCOMPARE(edit.Text(), QStringLiteral("1234567"));
    edit.setSelection(0, 2);
    QTest::keyClick(&edit, Qt::Key_X);
    QCOMPARE(edit.Text(), QStringLiteral("1234567")); // 7 - 2 is still the limit
    edit.setSelection(0, 3);
    QTest::keyClick(&edit, Qt::Key_X);
    QCOMPARE(edit.Text(), QStringLiteral("x4567"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.Text(), QStringLiteral("4567"));
    QTest::keyClick(&edit, Qt::Key_Y);
    QCOMPARE(edit.Text(), QStringLiteral("y4567"));
}

void TestDgEdit::maxLengthLimitsPaste() {
    TDgEdit edit;
    edit.SetMaxLength(5);
    edit.SetText(QStringLiteral("abc"));
    edit.SetSelStart(3);
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    edit.Paste();
    QCOMPARE(edit.Text(), QStringLiteral("abc12"));
    edit.SetMaxLength(0);
    edit.Paste();
    QCOMPARE(edit.Text(), QStringLiteral("abc1212345"));
}

void TestDgEdit::accessorsRaiseConversionErrors_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("integer") << 0 << QStringLiteral("'1,5x' ist kein gültiger Integerwert");
    QTest::newRow("float") << 1 << QStringLiteral("'1,5x' ist kein gültiger Gleitkommawert");
    QTest::newRow("boolean") << 2 << QStringLiteral("'1,5x' ist kein gültiger boolescher Wert");
    QTest::newRow("date") << 3 << QStringLiteral("'1,5x' ist keine gültige Datums- und Uhrzeitangabe");
}

void TestDgEdit::accessorsRaiseConversionErrors() {
    QFETCH(int, kind);
    QFETCH(QString, message);
    TDgEdit edit;
    edit.SetText(QStringLiteral("1,5x"));
    try {
        switch (kind) {
        case 0:
            edit.AsInteger();
            break;
        case 1:
            edit.AsFloat();
            break;
        case 2:
            edit.AsBoolean();
            break;
        default:
            edit.AsDateTime();
            break;
        }
        QFAIL("no exception");
    } catch (const EConvertError& e) {
        QCOMPARE(e.Message(), message);
    }
}

void TestDgEdit::accessorsWriteText() {
    TDgEdit edit;
    edit.SetAsFloat(1.5);
    QCOMPARE(edit.Text(), QStringLiteral("1,5"));
    QCOMPARE(edit.AsFloat(), 1.5);
    edit.SetAsInteger(-42);
    QCOMPARE(edit.AsInteger(), -42);
    edit.SetAsBoolean(true);
    QCOMPARE(edit.Text(), QStringLiteral("True"));
    QVERIFY(edit.AsBoolean());
    edit.SetText(QStringLiteral("0"));
    QVERIFY(!edit.AsBoolean());
    edit.SetAsDateTime(0);
    QCOMPARE(edit.Text(), QStringLiteral("30.12.1899"));
    QCOMPARE(edit.AsDateTime(), 0.0);
    QCOMPARE(edit.cursorPosition(), 0);
}

void TestDgEdit::setAsStringGoesThroughCodePage() {
    TDgEdit edit;
    edit.SetAsString(QStringLiteral("Kanal Ω ä €"));
    QCOMPARE(edit.AsString(), QStringLiteral("Kanal ? ä €"));
    TDgCustomEdit plain;
    plain.SetAsString(QStringLiteral("Ω"));
    QCOMPARE(plain.AsString(), QStringLiteral("Ω"));
    edit.CaretToEnd();
    QCOMPARE(edit.cursorPosition(), edit.Text().size());
}

void TestDgEdit::marginsFromPreviewAndGlyph() {
    TDgEdit edit;
    edit.EditMargins()->SetLeft(3);
    edit.EditMargins()->SetRight(4);
    QCOMPARE(edit.textMargins().left(), 3);
    QCOMPARE(edit.textMargins().right(), 4);
    edit.SetShowPreview(true);
    QCOMPARE(edit.textMargins().left(), 25 + 2 * 3);
    edit.SetGlyph(glyph16());
    QCOMPARE(edit.textMargins().left(), 25 + 2 * 3 + 16 + 4);
    QCOMPARE(edit.Info()->width(), 16 + 4 + 20);
    QCOMPARE(edit.Info()->height(), edit.ClientHeight());
    QCOMPARE(edit.GetPreviewRect(), TRect(20, 0, 40, edit.ClientHeight()));
    edit.SetShowPreview(false);
    edit.SetGlyph(TBitmap());
    QCOMPARE(edit.textMargins().left(), 3);
    QVERIFY(edit.Info()->isHidden());
}

void TestDgEdit::glyphClickAndPreviewDraw() {
    TDgEdit edit;
    edit.SetGlyph(glyph16());
    edit.SetShowPreview(true);
    edit.SetText(QStringLiteral("abc"));
    int clicks = 0;
    edit.OnGlyphClick = [&](QObject*) { ++clicks; };
    QList<TRect> previews;
    edit.OnCustomPreviewDraw = [&](QObject*, TCanvas& canvas, const TRect& r) {
        previews << r;
        canvas.Brush.Color = clRed;
        canvas.FillRect(r);
    };
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    const QImage info = edit.Info()->grab().toImage();
    QVERIFY(!previews.isEmpty());
    const int h = edit.Info()->height();
    QCOMPARE(previews.last(), TRect(16 + 2 + 1, 1, 16 + 2 + 20 - 1, h - 1));
    QCOMPARE(at(info, 16 + 2, 0), clGray);                // the preview border
    QCOMPARE(at(info, 16 + 2 + 5, 5), clRed);             // painted by the handler
    QCOMPARE(at(info, 5, (h - 12 + 1) / 2 + 5), clBlack); // the glyph, its key colour left out
    QTest::mouseClick(edit.Info(), Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(clicks, 1);
    QCOMPARE(edit.selectedText(), QStringLiteral("abc")); // a press over the glyph selects all
    edit.deselect();
    QTest::mouseClick(edit.Info(), Qt::LeftButton, {}, QPoint(30, 4));
    QCOMPARE(clicks, 1);
    QCOMPARE(edit.selectedText(), QString());
    QTest::mouseMove(edit.Info(), QPoint(17, 4));
    QCOMPARE(edit.Info()->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(edit.Info(), QPoint(30, 4));
    QCOMPARE(edit.Info()->cursor().shape(), Qt::ArrowCursor);
}

void TestDgEdit::keyHandlersSwallowAndReplace() {
    TDgEdit edit;
    edit.SetText(QStringLiteral("abc"));
    edit.show();
    edit.setFocus();
    QStringList seen;
    edit.OnKeyDown = [&](QObject*, int& key, TShiftState) {
        seen << QStringLiteral("down %1").arg(key);
        if (key == VK_DELETE)
            key = 0;
    };
    edit.OnKeyPress = [&](QObject*, QChar& key) {
        seen << QStringLiteral("press %1").arg(key);
        if (key == QLatin1Char('a'))
            key = QLatin1Char('b');
        if (key == QLatin1Char('z'))
            key = QChar();
    };
    edit.OnKeyUp = [&](QObject*, int& key, TShiftState) { seen << QStringLiteral("up %1").arg(key); };
    edit.SetSelStart(0);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.Text(), QStringLiteral("abc"));
    QTest::keyClick(&edit, Qt::Key_A);
    QTest::keyClick(&edit, Qt::Key_Z);
    QCOMPARE(edit.Text(), QStringLiteral("babc"));
    QCOMPARE(seen, (QStringList{QStringLiteral("down 46"), QStringLiteral("up 46"), QStringLiteral("down 65"),
                                QStringLiteral("press a"), QStringLiteral("up 65"), QStringLiteral("down 90"),
                                QStringLiteral("press z"), QStringLiteral("up 90")}));
    edit.SendKeyChar(QLatin1Char('q'));
    QCOMPARE(edit.Text(), QStringLiteral("bqabc"));
}

void TestDgEdit::wantTabsKeepsTab() {
    QWidget form;
    auto* edit = new TDgEdit(&form);
    auto* other = new TDgEdit(&form);
    other->move(0, 30);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStringList keys;
    edit->OnKeyDown = [&](QObject*, int& key, TShiftState) { keys << QString::number(key); };
    edit->SetWantTabs(true);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(edit->hasFocus());
    QCOMPARE(keys, QStringList{QStringLiteral("9")});
    QCOMPARE(edit->Text(), QString());
    edit->SetWantTabs(false);
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(other->hasFocus());
    QCOMPARE(keys.size(), 1);
}

void TestDgEdit::enterGoesToDialogNotToParent() {
    QDialog dialog;
    auto* panel = new KeyLog;
    panel->setParent(&dialog);
    panel->setGeometry(0, 0, 200, 100);
    auto* edit = new TDgEdit(panel);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->move(0, 120);
    ok->setDefault(true);
    int clicked = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++clicked; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(clicked, 1);
    QVERIFY(panel->keys.isEmpty());
    // A handler that takes Enter keeps it from the dialog.
    edit->OnKeyDown = [](QObject*, int& key, TShiftState) {
        if (key == VK_RETURN)
            key = 0;
    };
    edit->OnKeyPress = [](QObject*, QChar& key) {
        if (key.unicode() == 13)
            key = QChar();
    };
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(clicked, 1);
}

void TestDgEdit::changeEventFiresForCodeAndTyping() {
    TDgEdit edit;
    int changes = 0;
    edit.OnChange = [&](QObject*) { ++changes; };
    edit.SetText(QStringLiteral("x"));
    edit.SetText(QStringLiteral("x"));
    QCOMPARE(changes, 1);
    edit.show();
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Y);
    QCOMPARE(changes, 2);
}

void TestDgEdit::classicBorderIsSunkenEdge() {
    setSystemColorOverride(16, RGB(128, 128, 128));
    setSystemColorOverride(20, RGB(255, 255, 255));
    setSystemColorOverride(21, RGB(0, 0, 0));
    setSystemColorOverride(22, RGB(223, 223, 223));
    SetThemeActive(false);
    TDgEdit edit;
    edit.SetColor(clYellow);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QCOMPARE(edit.ClientRect(), TRect(2, 2, 119, 18));
    const QImage image = edit.grab().toImage();
    QCOMPARE(at(image, 0, 0), RGB(128, 128, 128));
    QCOMPARE(at(image, 1, 1), RGB(0, 0, 0));
    QCOMPARE(at(image, 120, 19), RGB(255, 255, 255));
    QCOMPARE(at(image, 119, 18), RGB(223, 223, 223));
    QCOMPARE(at(image, 60, 10), clYellow);
    edit.SetBorderStyle(TBorderStyle::bsNone);
    QCOMPARE(edit.ClientRect(), TRect(0, 0, 121, 20));
    const QImage flat = edit.grab().toImage();
    QCOMPARE(at(flat, 0, 0), clYellow);
    SetThemeActive(true);
    for (int i : {16, 20, 21, 22})
        setSystemColorOverride(i, -1);
}

QTEST_MAIN(TestDgEdit)
#include "tst_dgedit.moc"
