#include "platform/Colors.h"
#include "widgets/ProgressCyl.h"

#include <QImage>
#include <QtTest>
#include <climits>

using namespace widgets;
using platform::TColor;

namespace {

// Pinned system colours, so the expected pixels do not depend on the style in use.
constexpr TColor kBtnFace = platform::RGB(192, 192, 192);
constexpr TColor kHighlight = platform::RGB(0, 0, 128);
constexpr TColor kBtnHighlight = platform::RGB(255, 255, 255);
constexpr TColor kBtnShadow = platform::RGB(128, 128, 128);
constexpr TColor k3DLight = platform::RGB(224, 224, 224);
constexpr TColor k3DDkShadow = platform::RGB(64, 64, 64);

QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}
QRgb rgbOf(TColor c) {
    return qRgb(platform::GetRValue(c), platform::GetGValue(c), platform::GetBValue(c));
}

QImage grabbed(TProgressCyl& bar) {
    return bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString hex(QRgb c) {
    return QString::number(c & 0xFFFFFF, 16);
}

} // namespace

class TstProgressCyl : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void clampingAndPercent_data();
    void clampingAndPercent();
    void displayText_data();
    void displayText();
    void rangeSetters_data();
    void rangeSetters();
    void extremeRangeDoesNotOverflow();

    void repaintsOnlyOnVisibleChange_data();
    void repaintsOnlyOnVisibleChange();
    void positionStoredWhenPictureUnchanged();
    void progressDoneOncePerMoveOntoMax();
    void progressDoneFiresWhenPictureAlreadyFull();

    void styleSettersRefuseZero_data();
    void styleSettersRefuseZero();
    void bevelAndBorderRefusal_data();
    void bevelAndBorderRefusal();

    void defaultPixelsHorizontal_data();
    void defaultPixelsHorizontal();
    void verticalFillsFromBottom();
    void invertedTextOnlyInvertsPixels();
    void shadowTextUsesTwoColours_data();
    void shadowTextUsesTwoColours();
    void tinyControlsNeverDrawOutside_data();
    void tinyControlsNeverDrawOutside();
};

void TstProgressCyl::initTestCase() {
    platform::setSystemColorOverride(15, kBtnFace);
    platform::setSystemColorOverride(13, kHighlight);
    platform::setSystemColorOverride(20, kBtnHighlight);
    platform::setSystemColorOverride(16, kBtnShadow);
    platform::setSystemColorOverride(22, k3DLight);
    platform::setSystemColorOverride(21, k3DDkShadow);
}

void TstProgressCyl::cleanupTestCase() {
    for (int index : {13, 15, 16, 20, 21, 22})
        platform::setSystemColorOverride(index, -1);
}

void TstProgressCyl::clampingAndPercent_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("expectedPosition");
    QTest::addColumn<int>("expectedPercent");
    QTest::newRow("above max") << 0 << 100 << 150 << 100 << 100;
    QTest::newRow("below min") << 0 << 100 << -5 << 0 << 0;
    QTest::newRow("0.5 to even 0") << 0 << 200 << 1 << 1 << 0;
    QTest::newRow("1.5 to even 2") << 0 << 200 << 3 << 3 << 2;
    QTest::newRow("2.5 to even 2") << 0 << 200 << 5 << 5 << 2;
    QTest::newRow("3.5 to even 4") << 0 << 200 << 7 << 7 << 4;
    QTest::newRow("0.6 up") << 0 << 1000 << 6 << 6 << 1;
    QTest::newRow("negative range") << -100 << 100 << 0 << 0 << 50;
    QTest::newRow("offset range") << 10 << 20 << 15 << 15 << 50;
}

void TstProgressCyl::clampingAndPercent() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, position);
    QFETCH(int, expectedPosition);
    QFETCH(int, expectedPercent);
    TProgressCyl bar;
    bar.SetMax(max);
    bar.SetMin(min);
    QCOMPARE(bar.Min(), min);
    QCOMPARE(bar.Max(), max);
    bar.SetPosition(position);
    QCOMPARE(bar.Position(), expectedPosition);
    QCOMPARE(bar.Percent(), expectedPercent);
}

void TstProgressCyl::displayText_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("textDone");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mid") << 42 << QString() << QStringLiteral("42%");
    QTest::newRow("full, no done text") << 100 << QString() << QStringLiteral("100%");
    QTest::newRow("clamped to full") << 150 << QString() << QStringLiteral("100%");
    QTest::newRow("full, done text") << 100 << QStringLiteral("fertig") << QStringLiteral("fertig");
    QTest::newRow("not full, done text") << 99 << QStringLiteral("fertig") << QStringLiteral("99%");
}

void TstProgressCyl::displayText() {
    QFETCH(int, position);
    QFETCH(QString, textDone);
    QFETCH(QString, expected);
    TProgressCyl bar;
    bar.SetTextDone(textDone);
    bar.SetPosition(position);
    QCOMPARE(bar.DisplayText(), expected);
}

void TstProgressCyl::rangeSetters_data() {
    QTest::addColumn<bool>("setMin"); // else Max
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expectedMin");
    QTest::addColumn<int>("expectedMax");
    QTest::addColumn<int>("expectedPosition"); // position was 80
    QTest::newRow("min onto max") << true << 100 << 99 << 100 << 99;
    QTest::newRow("min above max refused") << true << 150 << 0 << 100 << 80;
    QTest::newRow("min pulls position") << true << 90 << 90 << 100 << 90;
    QTest::newRow("max onto min") << false << 0 << 0 << 1 << 1;
    QTest::newRow("max below min refused") << false << -5 << 0 << 100 << 80;
    QTest::newRow("max pulls position") << false << 50 << 0 << 50 << 50;
}

void TstProgressCyl::rangeSetters() {
    QFETCH(bool, setMin);
    QFETCH(int, value);
    QFETCH(int, expectedMin);
    QFETCH(int, expectedMax);
    QFETCH(int, expectedPosition);
    TProgressCyl bar;
    bar.SetPosition(80);
    if (setMin)
        bar.SetMin(value);
    else
        bar.SetMax(value);
    QCOMPARE(bar.Min(), expectedMin);
    QCOMPARE(bar.Max(), expectedMax);
    QCOMPARE(bar.Position(), expectedPosition);
    QVERIFY(bar.Min() < bar.Max());
}

void TstProgressCyl::extremeRangeDoesNotOverflow() {
    TProgressCyl bar;
    bar.SetMax(INT_MAX);
    bar.SetMin(INT_MIN);
    bar.SetPosition(0);
    QCOMPARE(bar.Percent(), 50);
    bar.SetPosition(INT_MAX);
    QCOMPARE(bar.Percent(), 100);
    QCOMPARE(bar.FillPosition(), 150 - 4);
    bar.SetMin(INT_MAX);
    QCOMPARE(bar.Min(), INT_MAX - 1);
    QVERIFY(!grabbed(bar).isNull());
}

void TstProgressCyl::repaintsOnlyOnVisibleChange_data() {
    QTest::addColumn<int>("max");
    QTest::newRow("0..100") << 100;
    QTest::newRow("0..1000") << 1000;
    QTest::newRow("0..20") << 20;
}

void TstProgressCyl::repaintsOnlyOnVisibleChange() {
    QFETCH(int, max);
    TProgressCyl bar;
    QCOMPARE(bar.width(), 150);
    bar.SetMax(max);
    int expected = 0;
    for (int pos = 0; pos <= max; ++pos) {
        const int fillBefore = bar.FillPosition(), percentBefore = bar.Percent();
        const int before = bar.repaintRequests();
        bar.SetPosition(pos);
        QCOMPARE(bar.Position(), pos);
        const bool changed = bar.FillPosition() != fillBefore || bar.Percent() != percentBefore;
        QCOMPARE(bar.repaintRequests() - before, changed ? 1 : 0);
        expected += changed ? 1 : 0;
    }
    if (max == 100)
        QCOMPARE(expected, 100); // every step changes the percentage
    else if (max == 1000)
        QVERIFY(expected < 300); // 100 percentages and at most 142 columns
    QCOMPARE(bar.repaintRequests(), expected);
    QCOMPARE(bar.FillPosition(), 150 - 4);
}

void TstProgressCyl::positionStoredWhenPictureUnchanged() {
    TProgressCyl bar;
    bar.SetMax(10000);
    const int before = bar.repaintRequests();
    bar.SetPosition(1);
    QCOMPARE(bar.Position(), 1);
    QCOMPARE(bar.Percent(), 0);
    QCOMPARE(bar.repaintRequests(), before);
    bar.SetPosition(0);
    QCOMPARE(bar.Position(), 0);
}

void TstProgressCyl::progressDoneOncePerMoveOntoMax() {
    TProgressCyl bar;
    int done = 0;
    bar.OnProgressDone = [&](QObject* sender) {
        QCOMPARE(sender, &bar);
        ++done;
    };
    for (int pos = 0; pos <= 100; ++pos)
        bar.SetPosition(pos);
    QCOMPARE(done, 1);
    bar.SetPosition(100);
    bar.SetPosition(150);
    QCOMPARE(done, 1);
    bar.SetPosition(99);
    bar.SetPosition(100);
    QCOMPARE(done, 2);
    bar.SetMax(50); // pulls the position onto the new maximum
    QCOMPARE(bar.Position(), 50);
    QCOMPARE(done, 3);
}

void TstProgressCyl::progressDoneFiresWhenPictureAlreadyFull() {
    TProgressCyl bar;
    bar.SetMax(10000);
    int done = 0;
    bar.OnProgressDone = [&](QObject*) { ++done; };
    bar.SetPosition(9999); // already 100 % and the last column
    QCOMPARE(bar.Percent(), 100);
    QCOMPARE(done, 0);
    const int repaints = bar.repaintRequests();
    bar.SetPosition(10000);
    QCOMPARE(done, 1);
    QCOMPARE(bar.repaintRequests(), repaints);
}

void TstProgressCyl::styleSettersRefuseZero_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("Intensity") << 0;
    QTest::newRow("RangeRGB") << 1;
    QTest::newRow("LightAngle") << 2;
}

void TstProgressCyl::styleSettersRefuseZero() {
    QFETCH(int, which);
    TProgressCyl bar;
    bar.SetShowText(false);
    TPCColorStyle& style = bar.ForeStyle();
    auto value = [&] {
        return which == 0   ? double(style.Intensity())
               : which == 1 ? style.RangeRGB()
                            : double(style.LightAngle());
    };
    auto set = [&](double v) {
        if (which == 0)
            style.SetIntensity(float(v));
        else if (which == 1)
            style.SetRangeRGB(int(v));
        else
            style.SetLightAngle(float(v));
    };
    const double initial = value();
    const QImage before = grabbed(bar);
    const int requests = bar.repaintRequests();
    set(0);
    QCOMPARE(value(), initial);
    QCOMPARE(bar.repaintRequests(), requests);
    QCOMPARE(grabbed(bar), before);
    set(2);
    QCOMPARE(value(), 2.0);
    QCOMPARE(bar.repaintRequests(), requests + 1);
    QVERIFY(grabbed(bar) != before);
}

void TstProgressCyl::bevelAndBorderRefusal_data() {
    QTest::addColumn<bool>("border"); // else bevel width
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    // 22 pixels high, bevel width 1: the bar area is 22 - 2 * (2 + border) high
    QTest::newRow("border 8 leaves 2 rows") << true << 8 << 8;
    QTest::newRow("border 9 leaves none") << true << 9 << 2;
    QTest::newRow("border 0") << true << 0 << 0;
    QTest::newRow("border negative") << true << -1 << 2;
    QTest::newRow("border huge") << true << INT_MAX << 2;
    QTest::newRow("bevel 4 leaves 2 rows") << false << 4 << 4;
    QTest::newRow("bevel 5 leaves none") << false << 5 << 1;
    QTest::newRow("bevel 0") << false << 0 << 1;
    QTest::newRow("bevel huge") << false << INT_MAX / 2 << 1;
}

void TstProgressCyl::bevelAndBorderRefusal() {
    QFETCH(bool, border);
    QFETCH(int, value);
    QFETCH(int, expected);
    TProgressCyl bar;
    if (border)
        bar.SetBorderWidth(value);
    else
        bar.SetBevelWidth(value);
    QCOMPARE(border ? bar.BorderWidth() : bar.BevelWidth(), expected);
    const QImage img = grabbed(bar);
    QCOMPARE(img.size(), QSize(150, 22));
    // the frame of the bar area lies on the inset 2 * bevel width + border
    const int b = 2 * bar.BevelWidth() + bar.BorderWidth();
    QCOMPARE(hex(img.pixel(b, 11)), hex(rgb(0, 0, 0)));
    QCOMPARE(hex(img.pixel(150 - b - 1, 11)), hex(rgb(0, 0, 0)));
}

void TstProgressCyl::defaultPixelsHorizontal_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QRgb>("expected");
    // Position 20 on 150 pixels: the end line is column 4 + Round(30) - Round(1.6) = 32.
    // The bar area is rows 4..17; the light falls on row 8 (k = Trunc(14 / -3) = -4 on row 4),
    // the shading step is 255 div 14 = 18. Normalised white is 1.0 per channel, button face
    // 192 gives 207.75 / 255, the highlight (0, 0, 128) gives 0.25, 0.25 and 159.75 / 255.
    QTest::newRow("filled, light row") << 20 << 8 << rgb(255, 255, 255);
    QTest::newRow("filled, row 5") << 20 << 5 << rgb(201, 201, 201); // |k| 3: 255 - 54
    QTest::newRow("end line, light row") << 32 << 8 << rgb(63, 63, 159);
    QTest::newRow("end line, row 5") << 32 << 5 << rgb(50, 50, 125); // 201 * n
    QTest::newRow("empty, light row") << 33 << 8 << rgb(207, 207, 207);
    QTest::newRow("empty, row 5") << 120 << 5 << rgb(163, 163, 163); // 201 * 0.8147
    QTest::newRow("frame left") << 4 << 10 << rgb(0, 0, 0);
    QTest::newRow("frame right") << 145 << 10 << rgb(0, 0, 0);
    QTest::newRow("frame bottom") << 40 << 17 << rgb(0, 0, 0);
    QTest::newRow("inner bevel left, raised") << 3 << 10 << rgbOf(kBtnHighlight);
    QTest::newRow("inner bevel right, raised") << 146 << 10 << rgbOf(kBtnShadow);
    QTest::newRow("inner bevel bottom, raised") << 40 << 18 << rgbOf(kBtnShadow);
    QTest::newRow("inner bevel bottom-left corner") << 3 << 18 << rgbOf(kBtnShadow);
    QTest::newRow("inner bevel top-right corner") << 146 << 3 << rgbOf(kBtnShadow);
    QTest::newRow("gap between bevels") << 1 << 10 << rgbOf(kBtnFace);
    QTest::newRow("outer bevel left, lowered") << 0 << 10 << rgbOf(kBtnShadow);
    QTest::newRow("outer bevel right, lowered") << 149 << 10 << rgbOf(kBtnHighlight);
    QTest::newRow("outer bevel bottom, lowered") << 40 << 21 << rgbOf(kBtnHighlight);
}

void TstProgressCyl::defaultPixelsHorizontal() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QRgb, expected);
    TProgressCyl bar;
    bar.SetPosition(20);
    QCOMPARE(bar.FillPosition(), 32);
    const QImage img = grabbed(bar);
    QCOMPARE(img.size(), QSize(150, 22));
    QCOMPARE(hex(img.pixel(x, y)), hex(expected));
}

void TstProgressCyl::verticalFillsFromBottom() {
    TProgressCyl bar;
    bar.resize(22, 150);
    bar.SetOrientation(TProgressOrientation::pbVertical);
    QCOMPARE(bar.FontOrientation(), TFontOrientation::foBottomToTop);
    bar.SetPosition(20);
    QCOMPARE(bar.FillPosition(), 146 - 28);
    const QImage img = grabbed(bar);
    // the light falls on column 8 here, as on row 8 of the horizontal bar
    QCOMPARE(hex(img.pixel(8, 130)), hex(rgb(255, 255, 255)));
    QCOMPARE(hex(img.pixel(5, 130)), hex(rgb(201, 201, 201)));
    QCOMPARE(hex(img.pixel(8, 118)), hex(rgb(63, 63, 159)));
    QCOMPARE(hex(img.pixel(8, 40)), hex(rgb(207, 207, 207)));
    QCOMPARE(hex(img.pixel(8, 4)), hex(rgb(0, 0, 0)));
    QCOMPARE(hex(img.pixel(8, 145)), hex(rgb(0, 0, 0)));
    bar.SetPosition(0);
    QCOMPARE(bar.FillPosition(), 146); // just below the bar area: nothing of it is filled
    QCOMPARE(hex(grabbed(bar).pixel(8, 140)), hex(rgb(207, 207, 207)));
    bar.SetOrientation(TProgressOrientation::pbHorizontal);
    QCOMPARE(bar.FontOrientation(), TFontOrientation::foLeftToRight);
}

void TstProgressCyl::invertedTextOnlyInvertsPixels() {
    for (auto orientation : {TFontOrientation::foLeftToRight, TFontOrientation::foTopToBottom,
                             TFontOrientation::foBottomToTop}) {
        TProgressCyl bar;
        bar.resize(150, 40);
        bar.SetPosition(50);
        bar.SetShowText(false);
        const QImage plain = grabbed(bar);
        bar.SetShowText(true);
        bar.SetFontOrientation(orientation);
        bar.SetFontEffect(TFontEffect::feInvert);
        const QImage inverted = grabbed(bar);
        int flipped = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                const QRgb a = plain.pixel(x, y) & 0xFFFFFF, b = inverted.pixel(x, y) & 0xFFFFFF;
                if (a != b) {
                    QCOMPARE(hex(b), hex(a ^ 0xFFFFFF));
                    ++flipped;
                }
            }
        QVERIFY(flipped > 20);
    }
}

void TstProgressCyl::shadowTextUsesTwoColours_data() {
    QTest::addColumn<TFontEffect>("effect");
    QTest::addColumn<int>("orientation");
    QTest::newRow("bottom right") << TFontEffect::feShadowBottomRight << 0;
    QTest::newRow("top left") << TFontEffect::feShadowTopLeft << 0;
    QTest::newRow("none") << TFontEffect::feNone << 0;
    QTest::newRow("bottom right, top to bottom") << TFontEffect::feShadowBottomRight << 1;
    QTest::newRow("top left, bottom to top") << TFontEffect::feShadowTopLeft << 2;
}

void TstProgressCyl::shadowTextUsesTwoColours() {
    QFETCH(TFontEffect, effect);
    QFETCH(int, orientation);
    TProgressCyl bar;
    bar.resize(150, 40);
    bar.SetFontOrientation(static_cast<TFontOrientation>(orientation));
    bar.SetPosition(50);
    bar.SetShowText(false);
    const QImage plain = grabbed(bar);
    bar.SetShowText(true);
    bar.SetFontEffect(effect);
    bar.SetFontColor(platform::clRed);
    bar.SetFontShadowColor(platform::clLime);
    const QImage text = grabbed(bar);
    int red = 0, green = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb b = text.pixel(x, y) & 0xFFFFFF;
            if (b == (plain.pixel(x, y) & 0xFFFFFF))
                continue;
            QVERIFY2(b == 0xFF0000 || b == 0x00FF00, qPrintable(hex(b)));
            (b == 0xFF0000 ? red : green)++;
        }
    QVERIFY(red > 20);
    if (effect == TFontEffect::feNone)
        QCOMPARE(green, 0);
    else
        QVERIFY(green > 0);
}

void TstProgressCyl::tinyControlsNeverDrawOutside_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("valid");
    QTest::newRow("0 x 0") << QSize(0, 0) << false << false;
    QTest::newRow("150 x 0") << QSize(150, 0) << false << false;
    QTest::newRow("0 x 22") << QSize(0, 22) << true << false;
    QTest::newRow("8 x 8") << QSize(8, 8) << false << false;
    QTest::newRow("8 x 8 vertical") << QSize(8, 8) << true << false;
    QTest::newRow("9 x 9") << QSize(9, 9) << false << true;
    QTest::newRow("9 x 9 vertical") << QSize(9, 9) << true << true;
    QTest::newRow("3 x 40") << QSize(3, 40) << true << false;
}

void TstProgressCyl::tinyControlsNeverDrawOutside() {
    QFETCH(QSize, size);
    QFETCH(bool, vertical);
    QFETCH(bool, valid);
    TProgressCyl bar;
    bar.SetShowText(false); // the pixel checks below are about the bar, not the font's glyphs
    if (vertical)
        bar.SetOrientation(TProgressOrientation::pbVertical);
    bar.resize(size);
    for (int pos = 0; pos <= 100; pos += 10) {
        bar.SetPosition(pos);
        QCOMPARE(bar.Position(), pos);
        QCOMPARE(bar.composedImage().isNull(), !valid);
        if (!size.isEmpty())
            QCOMPARE(grabbed(bar).size(), size);
    }
    // the border can shrink only when the bar area then has pixels
    const bool borderFits = size.width() - 4 >= 1 && size.height() - 4 >= 1;
    bar.SetBorderWidth(0);
    QCOMPARE(bar.BorderWidth(), borderFits ? 0 : 2);
    QCOMPARE(bar.composedImage().isNull(), !borderFits);
    bar.SetBorderWidth(2); // refused again where it leaves no bar area
    QCOMPARE(bar.BorderWidth(), valid || !borderFits ? 2 : 0);
    if (!bar.composedImage().isNull()) {
        const int b = 2 + bar.BorderWidth();
        QCOMPARE(hex(grabbed(bar).pixel(b, b)), hex(rgb(0, 0, 0)));
    } else if (!size.isEmpty()) {
        QCOMPARE(hex(grabbed(bar).pixel(0, 0)), hex(rgbOf(kBtnFace)));
    }
}

QTEST_MAIN(TstProgressCyl)
#include "tst_progresscyl.moc"
