// Cell displays and the check-box play: text flags, content size, hint mark, the check box in both looks,
// and toggling by click and space.
#include "PixelProbe.h"
#include "grid/DgColumnClasses.h"
#include "grid/DgDisplays.h"
#include "platform/Colors.h"
#include "platform/Themes.h"

#include <QImage>
#include <QtTest>
#include <functional>

using namespace grid;
using namespace Qt::StringLiterals;
using namespace platform;
using pixelprobe::at;
using pixelprobe::whiteImage;

namespace {

constexpr TColor kShadow = 0x404040;
constexpr TColor kWindow = 0xF0F0F0;
constexpr TColor kFace = 0xC8C8C8;
constexpr TColor kText = 0x102030;

/// A canvas that keeps the texts drawn on it.
class RecordingCanvas : public TCanvas {
public:
    using TCanvas::TCanvas;
    QStringList texts;
    QList<unsigned> flags;
    QList<TRect> rects;
    int DrawText(const QString& text, TRect& rect, unsigned f) override {
        if (!(f & DT_CALCRECT)) {
            texts << text;
            flags << f;
            rects << rect;
        }
        return TCanvas::DrawText(text, rect, f);
    }
};

/// A white w x h image after Paint ran on the column's display, loaded with the image's canvas and the
/// cell rectangle.
QImage paintedImage(int w, int h, TDgCustomColumn& column, const TRect& cell,
                    const std::function<void(TColumnDisplay&)>& paint) {
    QImage image = whiteImage(w, h);
    {
        TCanvas canvas(&image);
        TColumnDisplay* display = column.Display();
        display->Canvas = &canvas;
        display->ClientRect = cell;
        paint(*display);
        display->Canvas = nullptr;
    }
    return image;
}

/// A classic check box drawn into a 40 x 20 cell.
QImage classicBox(bool checked, bool pressed) {
    TDgCheckBoxColumn column;
    return paintedImage(40, 20, column, TRect(0, 0, 40, 20), [&](TColumnDisplay& display) {
        static_cast<TCheckBoxColumnDisplay&>(display).DrawCheckBox(display.ClientRect, checked, false,
                                                                   pressed);
    });
}

} // namespace

class TestDgDisplays : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hitRect_data();
    void hitRect();
    void clickTogglesOnlyInsideTheBox();
    void spaceTogglesAnywhere();
    void playNeedsEditingAndAWritableGrid();
    void refreshTakesTheDisplaysValue();
    void classicCheckBoxPixels_data();
    void classicCheckBoxPixels();
    void themedCheckBoxStaysInItsBox();
    void checkBoxContentWidth();
    void hintMarkIsARedCorner();
    void backgroundFilledOrFramed();
    void textFlags_data();
    void textFlags();
    void bottomAlignedLinesEndAtTheBottom();
    void contentSizeMeasuresTheWholeText();
    void displaysPaintTheFormattedValue();
    void textKeepsTwoPixelsFromTheCellEdges();
};

void TestDgDisplays::init() {
    setSystemColorOverride(16, kShadow); // clBtnShadow
    setSystemColorOverride(5, kWindow);  // clWindow
    setSystemColorOverride(15, kFace);   // clBtnFace
    setSystemColorOverride(8, kText);    // clWindowText
    SetThemeActive(false);
}

void TestDgDisplays::cleanup() {
    for (int i = 0; i < 32; ++i)
        setSystemColorOverride(i, -1);
    SetThemeActive(true);
}

void TestDgDisplays::hitRect_data() {
    QTest::addColumn<bool>("themed");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<TRect>("expected");
    // A 40 x 16 cell: the hit area is (-1, -1, 41, 17) before the box is placed in it.
    QTest::newRow("classic centred") << false << 2 << 2 << TRect(15, 3, 26, 14);
    QTest::newRow("themed centred") << true << 2 << 2 << TRect(14, 2, 27, 15);
    QTest::newRow("classic left top") << false << 0 << 0 << TRect(1, 1, 12, 12);
    QTest::newRow("classic right bottom") << false << 1 << 1 << TRect(28, 4, 39, 15);
}

void TestDgDisplays::hitRect() {
    QFETCH(bool, themed);
    QFETCH(int, alignment);
    QFETCH(int, vertical);
    QFETCH(TRect, expected);
    SetThemeActive(themed);
    TDgCheckBoxColumn column;
    column.SetAlignment(static_cast<TAlignment>(alignment));
    column.SetVerticalAlignment(static_cast<TVerticalAlignment>(vertical));
    QCOMPARE(CheckBoxHitRect(column, TRect(100, 50, 140, 66)), expected);
}

void TestDgDisplays::clickTogglesOnlyInsideTheBox() {
    TDgCheckBoxColumn column;
    column.SetAlignment(TAlignment::taCenter);
    TColumnPlay* play = column.Play();
    play->ClientRect = TRect(100, 50, 140, 66);
    int changes = 0;
    play->OnChange = [&](TColumnPlay* sender) {
        QCOMPARE(sender, play);
        ++changes;
    };
    play->MouseDown(TMouseButton::mbLeft, {}, 20, 8);
    QCOMPARE(changes, 0);
    play->MouseUp(TMouseButton::mbLeft, {}, 20, 8);
    QVERIFY(play->AsBoolean);
    QCOMPARE(play->AsString, QStringLiteral("True"));
    play->MouseUp(TMouseButton::mbLeft, {}, 15, 3); // the box's top-left pixel
    QVERIFY(!play->AsBoolean);
    QCOMPARE(play->AsString, QStringLiteral("False"));
    QCOMPARE(changes, 2);
    play->MouseUp(TMouseButton::mbLeft, {}, 26, 8); // just right of the box
    play->MouseUp(TMouseButton::mbLeft, {}, 2, 2);
    play->MouseMove({}, 20, 8);
    QCOMPARE(changes, 2);
    QVERIFY(!play->AsBoolean);
}

void TestDgDisplays::spaceTogglesAnywhere() {
    TDgCheckBoxColumn column;
    TColumnPlay* play = column.Play();
    int changes = 0;
    play->OnChange = [&](TColumnPlay*) { ++changes; };
    QChar key = QLatin1Char(' ');
    play->KeyPress(key);
    QVERIFY(play->AsBoolean);
    QCOMPARE(play->AsString, QStringLiteral("True"));
    key = QLatin1Char('x');
    play->KeyPress(key);
    key = QChar(13);
    play->KeyPress(key);
    QCOMPARE(changes, 1);
    key = QLatin1Char(' ');
    play->KeyPress(key);
    QCOMPARE(play->AsString, QStringLiteral("False"));
    QCOMPARE(changes, 2);
}

void TestDgDisplays::playNeedsEditingAndAWritableGrid() {
    TDgCheckBoxColumn check;
    QVERIFY(!check.PlayTakesInput(false)); // no coEditing by default
    check.SetOptions(check.Options() | TColumnOption::coEditing);
    QVERIFY(check.PlayTakesInput(false));
    QVERIFY(!check.PlayTakesInput(true));
    TDgTextColumn text;
    text.SetOptions(text.Options() | TColumnOption::coEditing);
    QVERIFY(!text.PlayTakesInput(false));
}

void TestDgDisplays::refreshTakesTheDisplaysValue() {
    TDgCheckBoxColumn column;
    QWidget widget;
    column.Display()->AsBoolean = true;
    TColumnPlay* play = column.Play();
    play->Widget = &widget;
    play->ClientRect = TRect(0, 0, 20, 16);
    play->Refresh();
    QVERIFY(play->AsBoolean);
}

void TestDgDisplays::classicCheckBoxPixels_data() {
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<TColor>("fill");
    QTest::newRow("unchecked") << false << false << kWindow;
    QTest::newRow("checked") << true << false << kWindow;
    QTest::newRow("pressed") << false << true << kFace;
    QTest::newRow("checked and pressed") << true << true << kFace;
}

void TestDgDisplays::classicCheckBoxPixels() {
    QFETCH(bool, checked);
    QFETCH(bool, pressed);
    QFETCH(TColor, fill);
    const QImage image = classicBox(checked, pressed);
    // Left-aligned and centred vertically in a 40 x 20 cell, the 11-pixel box stands at (2, 5).
    const int x = 2;
    const int y = 5;
    for (int i = 0; i < 11; ++i) {
        QCOMPARE(at(image, x + i, y), kShadow);
        QCOMPARE(at(image, x + i, y + 10), kShadow);
        QCOMPARE(at(image, x, y + i), kShadow);
        QCOMPARE(at(image, x + 10, y + i), kShadow);
    }
    QCOMPARE(at(image, x - 1, y - 1), clWhite);
    QCOMPARE(at(image, x + 11, y + 11), clWhite);
    QCOMPARE(at(image, x + 1, y + 1), fill);
    QCOMPARE(at(image, x + 9, y + 9), fill);
    // The tick: three strokes from (2, 4..6) down to (4, 6..8) and up to (8, 2..4); the last points stay.
    const QList<QPoint> tick{{2, 4}, {3, 5}, {4, 6}, {5, 5}, {6, 4}, {7, 3}, {8, 2}, {2, 6}, {4, 8}, {8, 4}};
    for (const QPoint& p : tick)
        QCOMPARE(at(image, x + p.x(), y + p.y()), checked ? kText : fill);
    QCOMPARE(at(image, x + 9, y + 1), fill);
    QCOMPARE(at(image, x + 2, y + 7), fill);
}

void TestDgDisplays::themedCheckBoxStaysInItsBox() {
    SetThemeActive(true);
    TDgCheckBoxColumn column;
    const QImage image = paintedImage(40, 20, column, TRect(0, 0, 40, 20), [](TColumnDisplay& display) {
        display.AsBoolean = true;
        display.Paint();
    });
    // The 13-pixel box at (2, 4): something is drawn there, nothing outside.
    bool inside = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inBox = x >= 2 && x < 15 && y >= 4 && y < 17;
            if (!inBox)
                QCOMPARE(at(image, x, y), clWhite);
            else
                inside = inside || at(image, x, y) != clWhite;
        }
    QVERIFY(inside);
}

void TestDgDisplays::checkBoxContentWidth() {
    TDgCheckBoxColumn column;
    QCOMPARE(column.Display()->GetContentWidth(), 11);
    SetThemeActive(true);
    QCOMPARE(column.Display()->GetContentWidth(), 13);
}

void TestDgDisplays::hintMarkIsARedCorner() {
    TDgTextColumn column;
    const QImage image = paintedImage(30, 20, column, TRect(5, 5, 25, 15),
                                      [](TColumnDisplay& display) { display.DrawHintMark(); });
    const TColor red = RGB(255, 0, 0);
    QCOMPARE(at(image, 20, 5), red);
    QCOMPARE(at(image, 24, 5), red);
    QCOMPARE(at(image, 24, 8), red);
    QCOMPARE(at(image, 23, 6), red);
    QCOMPARE(at(image, 19, 5), clWhite);
    QCOMPARE(at(image, 20, 8), clWhite);
    QCOMPARE(at(image, 25, 5), clWhite);
    QCOMPARE(at(image, 24, 10), clWhite);
}

void TestDgDisplays::backgroundFilledOrFramed() {
    TDgTextColumn column;
    const QImage image = paintedImage(20, 20, column, TRect(2, 2, 8, 8), [](TColumnDisplay& display) {
        display.FillCellBackground(clBlue, true);
        display.ClientRect = TRect(10, 10, 16, 16);
        display.FillCellBackground(clRed, false);
    });
    QCOMPARE(at(image, 5, 5), clBlue);
    QCOMPARE(at(image, 7, 7), clBlue);
    QCOMPARE(at(image, 8, 8), clWhite);
    QCOMPARE(at(image, 10, 10), clRed);
    QCOMPARE(at(image, 15, 12), clRed);
    QCOMPARE(at(image, 12, 12), clWhite);
}

void TestDgDisplays::textFlags_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<int>("wrap");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<bool>("allowEllipsis");
    QTest::addColumn<unsigned>("expected");
    QTest::newRow("defaults") << 0 << 2 << 1 << false << true
                              << unsigned(DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS | DT_SINGLELINE);
    QTest::newRow("measuring: no ellipsis")
        << 0 << 2 << 1 << false << false << unsigned(DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE);
    QTest::newRow("right, bottom, path")
        << 1 << 1 << 2 << false << true
        << unsigned(DT_NOPREFIX | DT_RIGHT | DT_BOTTOM | DT_PATH_ELLIPSIS | DT_SINGLELINE);
    QTest::newRow("centre, top, none, rtl")
        << 2 << 0 << 0 << true << true << unsigned(DT_NOPREFIX | DT_RTLREADING | DT_CENTER | DT_SINGLELINE);
    QTest::newRow("word wrap: several lines")
        << 0 << 0 << 3 << false << true << unsigned(DT_NOPREFIX | DT_WORDBREAK);
}

void TestDgDisplays::textFlags() {
    QFETCH(int, alignment);
    QFETCH(int, vertical);
    QFETCH(int, wrap);
    QFETCH(bool, rightToLeft);
    QFETCH(bool, allowEllipsis);
    QFETCH(unsigned, expected);
    TDgTextColumn column;
    column.SetAlignment(static_cast<TAlignment>(alignment));
    column.SetVerticalAlignment(static_cast<TVerticalAlignment>(vertical));
    column.SetWrapKind(static_cast<TWrapKind>(wrap));
    if (rightToLeft)
        column.SetBiDiMode(TBiDiMode::bdRightToLeft);
    TRect rect(0, 0, 100, 40);
    QCOMPARE(column.Display()->TextFlags(QStringLiteral("abc"), rect, allowEllipsis), expected);
    QCOMPARE(rect, TRect(0, 0, 100, 40));
}

void TestDgDisplays::bottomAlignedLinesEndAtTheBottom() {
    TDgTextColumn column;
    column.SetMultiLine(true);
    TColumnDisplay* display = column.Display();
    const int line = display->MeasureCanvas().TextHeight(QStringLiteral("Ag"));
    const QString text = QStringLiteral("eins\nzwei");

    column.SetVerticalAlignment(TVerticalAlignment::taAlignBottom);
    TRect rect(0, 10, 100, 110);
    const unsigned flags = display->TextFlags(text, rect, true);
    QVERIFY(!(flags & DT_SINGLELINE));
    QCOMPARE(rect.Top, 110 - 2 * line);
    QCOMPARE(rect.Bottom, 110);

    // Centred: the top moves by half the free height, halves to even.
    column.SetVerticalAlignment(TVerticalAlignment::taVerticalCenter);
    rect = TRect(0, 10, 100, 110);
    display->TextFlags(text, rect, true);
    QCOMPARE(rect.Top, 10 + static_cast<int>(std::nearbyint((100 - 2 * line) / 2.0)));
}

void TestDgDisplays::contentSizeMeasuresTheWholeText() {
    TDgTextColumn column;
    TColumnDisplay* display = column.Display();
    const QString text = QStringLiteral("Ein recht langer Sendername");
    display->AsString = text;
    display->ClientRect = TRect(0, 0, 30, 16);
    QSize size;
    display->GetContentSize(size);
    QCOMPARE(size.width(), display->MeasureCanvas().TextWidth(text));
    QCOMPARE(size.height(), display->MeasureCanvas().TextHeight(text));
    QCOMPARE(display->GetContentWidth(), size.width());

    // Drawn into the narrow cell, the text is cut with an end ellipsis.
    QImage image = whiteImage(30, 16);
    RecordingCanvas canvas(&image);
    display->Canvas = &canvas;
    display->Paint();
    QCOMPARE(canvas.texts, QStringList{text});
    QVERIFY(canvas.flags.value(0) & DT_END_ELLIPSIS);
}

void TestDgDisplays::displaysPaintTheFormattedValue() {
    QImage image = whiteImage(100, 16);
    RecordingCanvas canvas(&image);
    TDgNumberColumn number;
    number.SetTextBefore(QStringLiteral("<"));
    number.SetTextAfter(QStringLiteral(" MHz"));
    number.SetFormatMask(QStringLiteral("0.00"));
    TColumnDisplay* display = number.Display();
    display->Canvas = &canvas;
    display->ClientRect = TRect(0, 0, 100, 16);
    display->AsFloat = 12.5;
    display->AsString = QStringLiteral("raw");
    display->Paint();

    TDgTextColumn text;
    text.SetPasswordChar(QLatin1Char('#'));
    text.Display()->Canvas = &canvas;
    text.Display()->AsString = QStringLiteral("abc");
    text.Display()->Paint();
    QCOMPARE(canvas.texts, (QStringList{u"<12.50 MHz"_s, u"###"_s}));
    QCOMPARE(canvas.Brush.Style, TBrushStyle::bsSolid);
}

void TestDgDisplays::textKeepsTwoPixelsFromTheCellEdges() {
    QImage image = whiteImage(100, 16);
    RecordingCanvas canvas(&image);
    TDgTextColumn text;
    TDgNumberColumn number;
    for (TDgCustomColumn* column :
         {static_cast<TDgCustomColumn*>(&text), static_cast<TDgCustomColumn*>(&number)}) {
        TColumnDisplay* display = column->Display();
        display->Canvas = &canvas;
        display->ClientRect = TRect(10, 0, 90, 16);
        display->AsString = u"1"_s;
        display->Paint();
    }
    QCOMPARE(canvas.rects.size(), 2);
    for (const TRect& rect : canvas.rects)
        QCOMPARE(QPair(rect.Left, rect.Right), QPair(12, 88));
}

QTEST_MAIN(TestDgDisplays)
#include "tst_dgdisplays.moc"
