// The grid library's geometry, colour, text and drawing helpers.
#include "grid/DgClasses.h"
#include "grid/DgSharedCommon.h"
#include "grid/DgSharedDraw.h"
#include "platform/Assert.h"
#include "platform/Colors.h"
#include "platform/Themes.h"

#include "PixelProbe.h"

#include <QImage>
#include <QtTest>

using namespace grid;
using namespace platform;
using namespace pixelprobe;

namespace {

enum class HAlign { Left, Right, Center };
enum class VAlign { Top, Bottom, Center };

} // namespace

class TestDgShared : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void blendColor_data();
    void blendColor();
    void blendColorRefusesAlphaOutsideByteRange_data();
    void blendColorRefusesAlphaOutsideByteRange();
    void mixColor_data();
    void mixColor();
    void alignBoxInRect_data();
    void alignBoxInRect();
    void rectsIntersect_data();
    void rectsIntersect();
    void offsetAndDragDistance();
    void gradientFillVertical();
    void buttonFaceAndFocusFrame();
    void alphaBitmapBlendsByteAlpha();
    void textRectLeavesSolidBrushAndEllipsis();
    void verticalTextRunsUpwards();
    void textWidthsAndHints();
    void formActiveAndFreeIfAssigned();
};

void TestDgShared::cleanup() {
    for (int i = 0; i < 32; ++i)
        setSystemColorOverride(i, -1);
}

void TestDgShared::blendColor_data() {
    QTest::addColumn<int>("c1");
    QTest::addColumn<int>("c2");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<int>("expected");
    QTest::newRow("white over black, 128") << clWhite << clBlack << 128 << 0x7F7F7F;
    QTest::newRow("white over black, 255 divides by 256") << clWhite << clBlack << 255 << 0xFEFEFE;
    QTest::newRow("alpha 0 gives the second") << clWhite << 0x102030 << 0 << 0x0F1F2F;
    QTest::newRow("red over blue keeps channels apart") << clRed << clBlue << 128 << 0x7E007F;
    QTest::newRow("green alone") << clLime << clBlack << 200 << 0x00C700;
    QTest::newRow("selection mix") << 0xDDECEE << clBlack << 10 << 0x080909;
}

void TestDgShared::blendColor() {
    QFETCH(int, c1);
    QFETCH(int, c2);
    QFETCH(int, alpha);
    QFETCH(int, expected);
    QCOMPARE(BlendColor(c1, c2, alpha), expected);
}

void TestDgShared::blendColorRefusesAlphaOutsideByteRange_data() {
    QTest::addColumn<int>("alpha");
    QTest::newRow("-1") << -1;
    QTest::newRow("256") << 256;
    QTest::newRow("huge") << (1 << 30);
}

void TestDgShared::blendColorRefusesAlphaOutsideByteRange() {
    QFETCH(int, alpha);
    try {
        BlendColor(clWhite, clBlack, alpha);
        QFAIL("no exception");
    } catch (const EAssertionFailed& e) {
        QVERIFY2(
            e.Message().startsWith(QStringLiteral("Assertion fehlgeschlagen (DgSharedCommon.cpp, Zeile ")),
            qPrintable(e.Message()));
    }
}

void TestDgShared::mixColor_data() {
    QTest::addColumn<int>("c1");
    QTest::addColumn<int>("c2");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("expected");
    QTest::newRow("127.5 rounds to even 128") << 0 << 0xFF << 0.5 << 0x80;
    QTest::newRow("1.5 rounds to 2") << 0 << 0x03 << 0.5 << 0x02;
    QTest::newRow("0.5 rounds to 0") << 0 << 0x01 << 0.5 << 0x00;
    QTest::newRow("factor 0 is C1") << 0x123456 << 0xABCDEF << 0.0 << 0x123456;
    QTest::newRow("factor 1 is C2") << 0x123456 << 0xABCDEF << 1.0 << 0xABCDEF;
    QTest::newRow("quarter highlight") << 0xFFFFFF << 0x000000 << 0.25 << 0xBFBFBF;
    QTest::newRow("factor above 1 is C2") << 0 << 0xFFFFFF << 3.0 << 0xFFFFFF;
    QTest::newRow("negative factor is C1") << 0x404040 << 0xFFFFFF << -1.0 << 0x404040;
    QTest::newRow("NaN is C1") << 0x404040 << 0xFFFFFF << qQNaN() << 0x404040;
}

void TestDgShared::mixColor() {
    QFETCH(int, c1);
    QFETCH(int, c2);
    QFETCH(double, factor);
    QFETCH(int, expected);
    QCOMPARE(MixColor(c1, c2, factor), expected);
}

void TestDgShared::alignBoxInRect_data() {
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<QPoint>("expected");
    // A 13 x 13 box in (10, 20, 50, 41) with margin 2.
    QTest::newRow("left top") << 0 << 0 << QPoint(12, 22);
    QTest::newRow("right bottom") << 1 << 1 << QPoint(35, 26);
    QTest::newRow("centre centre, no margin") << 2 << 2 << QPoint(24, 24);
    QTest::newRow("left centre") << 0 << 2 << QPoint(12, 24);
}

void TestDgShared::alignBoxInRect() {
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(QPoint, expected);
    const TRect r(10, 20, 50, 41);
    QCOMPARE(AlignBoxInRect(13, 13, h, v, r, 2), expected);
    QCOMPARE(AlignBoxInRect(13, 13, static_cast<HAlign>(h), static_cast<VAlign>(v), r, 2), expected);
}

void TestDgShared::rectsIntersect_data() {
    QTest::addColumn<TRect>("a");
    QTest::addColumn<TRect>("b");
    QTest::addColumn<bool>("expected");
    QTest::newRow("overlap") << TRect(0, 0, 10, 10) << TRect(5, 5, 15, 15) << true;
    QTest::newRow("right edge touches left edge") << TRect(0, 0, 10, 10) << TRect(10, 0, 20, 10) << true;
    QTest::newRow("bottom edge touches top edge") << TRect(0, 0, 10, 10) << TRect(0, 10, 10, 20) << true;
    QTest::newRow("one pixel gap right") << TRect(0, 0, 10, 10) << TRect(11, 0, 20, 10) << false;
    QTest::newRow("one pixel gap below") << TRect(0, 0, 10, 10) << TRect(0, 11, 10, 20) << false;
    QTest::newRow("left of") << TRect(20, 0, 30, 10) << TRect(0, 0, 19, 10) << false;
    QTest::newRow("above") << TRect(0, 20, 10, 30) << TRect(0, 0, 10, 19) << false;
    QTest::newRow("inside") << TRect(0, 0, 100, 100) << TRect(40, 40, 41, 41) << true;
}

void TestDgShared::rectsIntersect() {
    QFETCH(TRect, a);
    QFETCH(TRect, b);
    QFETCH(bool, expected);
    QCOMPARE(RectsIntersect(a, b), expected);
    QCOMPARE(RectsIntersect(b, a), expected);
}

void TestDgShared::offsetAndDragDistance() {
    QCOMPARE(OffsetRectBy(TRect(10, 20, 30, 40), 1, -2, 3, -4), TRect(11, 18, 33, 36));
    QVERIFY(!IsDragDistance(QPoint(10, 10), QPoint(13, 7), 3));
    QVERIFY(IsDragDistance(QPoint(10, 10), QPoint(14, 10), 3));
    QVERIFY(IsDragDistance(QPoint(10, 10), QPoint(10, 6), 3));
    int a = 3;
    int b = 9;
    SwapInt(a, b);
    QCOMPARE(a, 9);
    QCOMPARE(b, 3);
}

void TestDgShared::gradientFillVertical() {
    QImage image = whiteImage();
    {
        TCanvas canvas(&image);
        canvas.Pen.Color = clRed;
        GradientFillVertical(canvas, TRect(2, 1, 6, 5), clBlack, clWhite);
        GradientFillVertical(canvas, TRect(10, 10, 15, 10), clBlack, clBlack); // no height: nothing
        QCOMPARE(canvas.Pen.Color, clRed);
    }
    QCOMPARE(at(image, 2, 1), clBlack);
    QCOMPARE(at(image, 5, 2), RGB(64, 64, 64));
    QCOMPARE(at(image, 3, 3), RGB(128, 128, 128));
    QCOMPARE(at(image, 4, 4), RGB(191, 191, 191));
    QCOMPARE(at(image, 6, 2), clWhite);
    QCOMPARE(at(image, 2, 5), clWhite);
    QCOMPARE(at(image, 12, 10), clWhite);
}

void TestDgShared::buttonFaceAndFocusFrame() {
    setSystemColorOverride(15, RGB(192, 192, 192));
    setSystemColorOverride(20, RGB(255, 255, 254));
    setSystemColorOverride(16, RGB(128, 128, 128));
    setSystemColorOverride(6, RGB(1, 1, 1));
    setSystemColorOverride(13, RGB(0, 0, 128));
    QImage image = whiteImage();
    {
        TCanvas canvas(&image);
        DrawButtonFace(canvas, TRect(0, 0, 8, 6), false);
        DrawButtonFace(canvas, TRect(10, 0, 18, 6), true);
        DrawFocusFrame(canvas, TRect(0, 10, 6, 14), true);
        DrawFocusFrame(canvas, TRect(10, 10, 16, 14), false);
    }
    QCOMPARE(at(image, 0, 0), RGB(255, 255, 254));
    QCOMPARE(at(image, 7, 0), RGB(128, 128, 128)); // top-right corner takes the shadow
    QCOMPARE(at(image, 7, 5), RGB(128, 128, 128));
    QCOMPARE(at(image, 3, 3), RGB(192, 192, 192));
    QCOMPARE(at(image, 17, 5), RGB(1, 1, 1));
    QCOMPARE(at(image, 0, 10), RGB(0, 0, 128));
    QCOMPARE(at(image, 5, 13), RGB(0, 0, 128));
    QCOMPARE(at(image, 2, 12), clWhite);
    QCOMPARE(at(image, 10, 10), clBlack); // (10 + 10) even: inverted
    QCOMPARE(at(image, 11, 10), clWhite);
}

void TestDgShared::alphaBitmapBlendsByteAlpha() {
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgba(0, 0, 0, 128));
    source.setPixel(1, 0, qRgba(255, 0, 0, 255));
    const TBitmap bitmap(source);
    QVERIFY(bitmap.Is32Bit());
    QImage image = whiteImage();
    {
        TCanvas canvas(&image);
        DrawAlphaBitmap(canvas, 3, 4, bitmap);
    }
    QCOMPARE(at(image, 3, 4), RGB(126, 126, 126)); // white x 127 / 256
    QCOMPARE(at(image, 4, 4), RGB(254, 0, 0));     // opaque red x 255 / 256
    QCOMPARE(at(image, 5, 4), clWhite);

    QImage plain(1, 1, QImage::Format_RGB32);
    plain.fill(qRgb(10, 20, 30));
    QImage target = whiteImage();
    {
        TCanvas canvas(&target);
        DrawAlphaBitmap(canvas, 0, 0, TBitmap(plain));
    }
    QCOMPARE(at(target, 0, 0), RGB(10, 20, 30));
}

void TestDgShared::textRectLeavesSolidBrushAndEllipsis() {
    QImage image = whiteImage(120, 20);
    TCanvas canvas(&image);
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Brush.Color = clRed;
    DrawTextRect(canvas, TRect(0, 0, 40, 20), QStringLiteral("Ein sehr langer Text"), 0, false);
    QCOMPARE(canvas.Brush.Style, TBrushStyle::bsSolid);
    // Drawn on a clear brush: no red background, and the ellipsis keeps the ink inside.
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 20; ++y) {
            QVERIFY(at(image, x, y) != clRed);
            if (x >= 40)
                QCOMPARE(at(image, x, y), clWhite);
        }
}

void TestDgShared::verticalTextRunsUpwards() {
    QImage image = whiteImage(40, 100);
    TCanvas canvas(&image);
    canvas.Brush.Style = TBrushStyle::bsClear;
    DrawVerticalText(canvas, TRect(0, 0, 40, 100), QStringLiteral("Senderliste"));
    QCOMPARE(canvas.Font.Orientation, 0);
    const QRect box = inkBox(image);
    QVERIFY(!box.isEmpty());
    QVERIFY2(box.height() > 2 * box.width(),
             qPrintable(QStringLiteral("%1x%2").arg(box.width()).arg(box.height())));
}

void TestDgShared::textWidthsAndHints() {
    TCanvas canvas;
    QCOMPARE(TextWidthW(canvas, QStringLiteral("Datei")), canvas.TextWidth(QStringLiteral("Datei")));
    QCOMPARE(TextHeightW(canvas, QStringLiteral("x")), canvas.TextHeight(QStringLiteral("x")));
    QCOMPARE(DrawTextWidthW(canvas, QStringLiteral("&Datei")), canvas.TextWidth(QStringLiteral("Datei")));
    QCOMPARE(CalcHintRectW(nullptr, 100, QStringLiteral("x")), TRect());
    ActivateHintW(nullptr, TRect(0, 0, 10, 10), QStringLiteral("x"));
    THintWindow hint;
    const TRect r = CalcHintRectW(&hint, 200, QStringLiteral("Kanal Ω"));
    QVERIFY(r.Width() > 0 && r.Height() > 0);
    ActivateHintW(&hint, OffsetRect(r, 5, 5), QStringLiteral("Kanal Ω ä"));
    QCOMPARE(hint.Caption(), QStringLiteral("Kanal ? ä"));
    hint.ReleaseHandle();
}

void TestDgShared::formActiveAndFreeIfAssigned() {
    QWidget form;
    auto* child = new QWidget(&form);
    QVERIFY(!IsFormActive(child));
    QVERIFY(!IsFormActive(nullptr));
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(IsFormActive(child));
    QWidget* owned = new QWidget;
    FreeIfAssigned(owned);
    QCOMPARE(owned, nullptr);
    FreeIfAssigned(owned);
}

QTEST_MAIN(TestDgShared)
#include "tst_dgshared.moc"
