// Canvas primitives on a QImage: exclusive edges, lines without their last point, inversion, the
// focus rectangle's parity, clipping, text layout and the classic frame drawing.
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/Themes.h"

#include "PixelProbe.h"

#include <QImage>
#include <QtTest>

using namespace platform;
using namespace pixelprobe;

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    void fillRectLeavesRightAndBottomEdgesOut_data();
    void fillRectLeavesRightAndBottomEdgesOut();
    void lineLeavesOutItsLastPoint_data();
    void lineLeavesOutItsLastPoint();
    void polylineDrawsJointsOnce();
    void rectangleOutlineAndFill();
    void rectangleWithoutPenFillsOnePixelLess();
    void frameRectIsOnePixelInside();
    void invertRectTwiceRestores();
    void notPenLineTwiceErases();
    void focusRectParityAndSelfErase();
    void focusRectOfOnePixelRow();
    void clipSetIntersectExcludeSaveRestore();
    void pixelReadsOnlyImages();
    void textOutMovesPenAndFillsBackground();
    void drawTextCalcRect_data();
    void drawTextCalcRect();
    void drawTextAlignment();
    void drawTextEndEllipsisStaysInside();
    void drawTextClipsUnlessNoClip();
    void drawTransparentLeavesKeyColourOut();
    void measuringCanvasDrawsNothing();
    void classicEdgeColours();
    void scrollArrowPushedDiffersFromNormal();
};

void TestCanvas::fillRectLeavesRightAndBottomEdgesOut_data() {
    QTest::addColumn<TRect>("rect");
    QTest::addColumn<int>("count");
    QTest::newRow("2,3-6,8") << TRect(2, 3, 6, 8) << 20;
    QTest::newRow("one pixel") << TRect(5, 5, 6, 6) << 1;
    QTest::newRow("empty width") << TRect(5, 5, 5, 9) << 0;
    QTest::newRow("inverted") << TRect(6, 6, 5, 5) << 0;
}

void TestCanvas::fillRectLeavesRightAndBottomEdgesOut() {
    QFETCH(TRect, rect);
    QFETCH(int, count);
    QImage image = whiteImage();
    {
        TCanvas canvas(&image);
        canvas.Brush.Color = clBlack;
        canvas.FillRect(rect);
    }
    QCOMPARE(inked(image).size(), count);
    if (count > 0) {
        QCOMPARE(inkBox(image), rect.toQRect());
        QCOMPARE(at(image, rect.Right, rect.Top), clWhite);
        QCOMPARE(at(image, rect.Left, rect.Bottom), clWhite);
    }
}

void TestCanvas::lineLeavesOutItsLastPoint_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("count");
    QTest::newRow("right") << QPoint(1, 1) << QPoint(5, 1) << 4;
    QTest::newRow("left") << QPoint(5, 1) << QPoint(1, 1) << 4;
    QTest::newRow("down") << QPoint(2, 2) << QPoint(2, 9) << 7;
    QTest::newRow("up") << QPoint(2, 9) << QPoint(2, 2) << 7;
    QTest::newRow("diagonal") << QPoint(1, 1) << QPoint(6, 6) << 5;
    QTest::newRow("same point") << QPoint(3, 3) << QPoint(3, 3) << 0;
}

void TestCanvas::lineLeavesOutItsLastPoint() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, count);
    QImage image = whiteImage();
    {
        TCanvas canvas(&image);
        canvas.Pen.Color = clBlack;
        canvas.MoveTo(from.x(), from.y());
        canvas.LineTo(to.x(), to.y());
        QCOMPARE(canvas.PenPos, to);
    }
    QCOMPARE(inked(image).size(), count);
    if (count > 0) {
        QCOMPARE(at(image, from.x(), from.y()), clBlack);
        QCOMPARE(at(image, to.x(), to.y()), clWhite);
    }
}

void TestCanvas::polylineDrawsJointsOnce() {
    QImage image = whiteImage();
    {
        TCanvas canvas(&image);
        canvas.Pen.Mode = TPenMode::pmNot;
        // An L shape: with inversion, a joint drawn twice would come out white.
        canvas.Polyline({TPoint(2, 2), TPoint(8, 2), TPoint(8, 8)});
    }
    QCOMPARE(at(image, 8, 2), clBlack);
    QCOMPARE(at(image, 8, 7), clBlack);
    QCOMPARE(at(image, 8, 8), clWhite);
    QCOMPARE(inked(image).size(), 12);
}

void TestCanvas::rectangleOutlineAndFill() {
    QImage image = whiteImage();
    {
        TCanvas canvas(&image);
        canvas.Pen.Color = clRed;
        canvas.Brush.Color = clBlue;
        canvas.Rectangle(2, 2, 8, 7);
    }
    QCOMPARE(inkBox(image), QRect(2, 2, 6, 5));
    QCOMPARE(at(image, 2, 2), clRed);
    QCOMPARE(at(image, 7, 6), clRed);
    QCOMPARE(at(image, 7, 2), clRed);
    QCOMPARE(at(image, 2, 6), clRed);
    QCOMPARE(at(image, 3, 3), clBlue);
    QCOMPARE(at(image, 6, 5), clBlue);
}

void TestCanvas::rectangleWithoutPenFillsOnePixelLess() {
    QImage image = whiteImage();
    {
        TCanvas canvas(&image);
        canvas.Pen.Style = TPenStyle::psClear;
        canvas.Brush.Color = clBlack;
        canvas.Rectangle(2, 2, 8, 7);
    }
    QCOMPARE(inkBox(image), QRect(2, 2, 5, 4));
}

void TestCanvas::frameRectIsOnePixelInside() {
    QImage image = whiteImage();
    {
        TCanvas canvas(&image);
        canvas.Brush.Color = clBlack;
        canvas.FrameRect(TRect(2, 2, 7, 6));
    }
    QCOMPARE(inkBox(image), QRect(2, 2, 5, 4));
    QCOMPARE(inked(image).size(), 2 * 5 + 2 * 2);
    QCOMPARE(at(image, 3, 3), clWhite);
}

void TestCanvas::invertRectTwiceRestores() {
    QImage image = whiteImage();
    image.setPixel(4, 4, qRgb(0x12, 0x34, 0x56));
    TCanvas canvas(&image);
    canvas.InvertRect(TRect(3, 3, 6, 6));
    QCOMPARE(at(image, 3, 3), clBlack);
    QCOMPARE(at(image, 4, 4), RGB(0xFF - 0x12, 0xFF - 0x34, 0xFF - 0x56));
    QCOMPARE(at(image, 6, 6), clWhite);
    canvas.InvertRect(TRect(3, 3, 6, 6));
    QCOMPARE(at(image, 4, 4), RGB(0x12, 0x34, 0x56));
    QCOMPARE(inked(image), QStringList{QStringLiteral("4,4")});
}

void TestCanvas::notPenLineTwiceErases() {
    QImage image = whiteImage();
    TCanvas canvas(&image);
    canvas.Pen.Mode = TPenMode::pmNot;
    canvas.MoveTo(5, 0);
    canvas.LineTo(5, 20);
    QCOMPARE(inked(image).size(), 20);
    canvas.MoveTo(5, 0);
    canvas.LineTo(5, 20);
    QVERIFY(inked(image).isEmpty());
    canvas.Pen.Mode = TPenMode::pmXor;
    canvas.Pen.Color = clWhite;
    canvas.MoveTo(0, 3);
    canvas.LineTo(4, 3);
    QCOMPARE(at(image, 0, 3), clBlack);
    QCOMPARE(at(image, 4, 3), clWhite);
}

void TestCanvas::focusRectParityAndSelfErase() {
    QImage image = whiteImage();
    TCanvas canvas(&image);
    const TRect r(2, 3, 9, 8);
    canvas.DrawFocusRect(r);
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) {
            const bool border = x == r.Left || x == r.Right - 1 || y == r.Top || y == r.Bottom - 1;
            const bool dotted = border && (x + y) % 2 == 0;
            QCOMPARE(at(image, x, y), dotted ? clBlack : clWhite);
        }
    }
    QCOMPARE(inkBox(image), QRect(2, 3, 7, 5));
    canvas.DrawFocusRect(r);
    QVERIFY(inked(image).isEmpty());
}

void TestCanvas::focusRectOfOnePixelRow() {
    QImage image = whiteImage();
    TCanvas canvas(&image);
    canvas.DrawFocusRect(TRect(0, 4, 6, 5));
    // Each pixel is inverted at most once, even where the top and bottom edges coincide.
    QCOMPARE(inked(image),
             (QStringList{QStringLiteral("0,4"), QStringLiteral("2,4"), QStringLiteral("4,4")}));
}

void TestCanvas::clipSetIntersectExcludeSaveRestore() {
    QImage image = whiteImage();
    TCanvas canvas(&image);
    canvas.Brush.Color = clBlack;
    canvas.SetClipRect(TRect(2, 2, 10, 10));
    QCOMPARE(canvas.ClipRect(), TRect(2, 2, 10, 10));
    canvas.SaveClip();
    canvas.ExcludeClipRect(TRect(4, 4, 6, 6));
    canvas.IntersectClipRect(TRect(0, 0, 8, 20));
    QCOMPARE(canvas.ClipRect(), TRect(2, 2, 8, 10));
    QVERIFY(!canvas.RectVisible(TRect(4, 4, 6, 6)));
    QVERIFY(canvas.RectVisible(TRect(7, 9, 30, 30)));
    canvas.FillRect(TRect(0, 0, 20, 20));
    QCOMPARE(inkBox(image), QRect(2, 2, 6, 8));
    QCOMPARE(inked(image).size(), 6 * 8 - 4);
    canvas.RestoreClip();
    QCOMPARE(canvas.ClipRect(), TRect(2, 2, 10, 10));
    canvas.FillRect(TRect(0, 0, 20, 20));
    QCOMPARE(inked(image).size(), 64);
    canvas.ResetClip();
    QCOMPARE(canvas.ClipRect(), TRect(0, 0, 20, 20));
}

void TestCanvas::pixelReadsOnlyImages() {
    QImage image = whiteImage();
    TCanvas canvas(&image);
    canvas.SetPixel(3, 4, clRed);
    QCOMPARE(canvas.Pixel(3, 4), clRed);
    QCOMPARE(canvas.Pixel(4, 4), clWhite);
    QCOMPARE(canvas.Pixel(-1, 0), clNone);
    QCOMPARE(canvas.Pixel(20, 0), clNone);
    TCanvas measuring;
    QCOMPARE(measuring.Pixel(0, 0), clNone);
}

void TestCanvas::textOutMovesPenAndFillsBackground() {
    QImage image = whiteImage(80, 30);
    TCanvas canvas(&image);
    canvas.Brush.Color = clYellow;
    canvas.Font.Color = clBlack;
    const int w = canvas.TextWidth(QStringLiteral("Abc"));
    const int h = canvas.TextHeight(QStringLiteral("Abc"));
    QVERIFY(w > 0 && h > 0);
    canvas.TextOut(4, 5, QStringLiteral("Abc"));
    QCOMPARE(canvas.PenPos, QPoint(4 + w, 5));
    QCOMPARE(inkBox(image), QRect(4, 5, w, h));
    QCOMPARE(at(image, 4, 5), clYellow);

    QImage clear = whiteImage(80, 30);
    TCanvas c2(&clear);
    c2.Brush.Style = TBrushStyle::bsClear;
    c2.TextOut(4, 5, QStringLiteral("Abc"));
    QCOMPARE(at(clear, 4, 5), clWhite);
    QVERIFY(QRect(4, 5, w, h).contains(inkBox(clear)));
}

void TestCanvas::drawTextCalcRect_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<int>("lines");
    QTest::newRow("single") << QStringLiteral("Hallo Welt") << unsigned(DT_SINGLELINE) << 1;
    QTest::newRow("single ignores breaks") << QStringLiteral("a\nb") << unsigned(DT_SINGLELINE) << 1;
    QTest::newRow("two paragraphs") << QStringLiteral("a\r\nb") << 0u << 2;
    QTest::newRow("word wrap") << QStringLiteral("eins zwei drei vier") << unsigned(DT_WORDBREAK) << 4;
}

void TestCanvas::drawTextCalcRect() {
    QFETCH(QString, text);
    QFETCH(unsigned, flags);
    QFETCH(int, lines);
    TCanvas canvas;
    const int lineHeight = canvas.TextHeight(text);
    // Narrow enough that every word of the wrapping row takes a line of its own.
    TRect r(10, 20, 10 + canvas.TextWidth(QStringLiteral("drei")) + 2, 20);
    const int height = canvas.DrawText(text, r, flags | DT_CALCRECT | DT_NOPREFIX);
    QCOMPARE(height, lines * lineHeight);
    QCOMPARE(r.Top, 20);
    QCOMPARE(r.Bottom, 20 + lines * lineHeight);
    if (flags & DT_SINGLELINE)
        QCOMPARE(r.Width(), canvas.TextWidth(QString(text).remove(QLatin1Char('\n'))));
}

void TestCanvas::drawTextAlignment() {
    QImage image = whiteImage(100, 40);
    TCanvas canvas(&image);
    canvas.Brush.Style = TBrushStyle::bsClear;
    const QString text = QStringLiteral("XX");
    const int w = canvas.TextWidth(text);
    const int h = canvas.TextHeight(text);
    canvas.DrawText(text, TRect(0, 0, 100, 40), DT_SINGLELINE | DT_RIGHT | DT_BOTTOM | DT_NOPREFIX);
    const QRect box = inkBox(image);
    QVERIFY(box.left() >= 100 - w);
    QVERIFY(box.top() >= 40 - h);
    image.fill(Qt::white);
    const int result =
        canvas.DrawText(text, TRect(0, 0, 100, 40), DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    QCOMPARE(result, (40 - h) / 2 + h);
    const QRect centred = inkBox(image);
    QVERIFY(centred.left() >= (100 - w) / 2 && centred.right() < (100 + w) / 2 + 1);
    QVERIFY(centred.top() >= (40 - h) / 2 && centred.bottom() < (40 + h) / 2 + 1);
}

void TestCanvas::drawTextEndEllipsisStaysInside() {
    QImage image = whiteImage(200, 20);
    TCanvas canvas(&image);
    canvas.Brush.Style = TBrushStyle::bsClear;
    const QString text = QStringLiteral("Ein ziemlich langer Sendername");
    canvas.DrawText(text, TRect(10, 0, 50, 20), DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_NOCLIP);
    const QRect box = inkBox(image);
    QVERIFY(!box.isEmpty());
    QVERIFY2(box.right() < 50, qPrintable(QStringLiteral("ink up to %1").arg(box.right())));
}

void TestCanvas::drawTextClipsUnlessNoClip() {
    const QString text = QStringLiteral("WWWWWWWWWW");
    QImage clipped = whiteImage(200, 20);
    {
        TCanvas canvas(&clipped);
        canvas.Brush.Style = TBrushStyle::bsClear;
        canvas.DrawText(text, TRect(0, 0, 20, 20), DT_SINGLELINE | DT_NOPREFIX);
    }
    QVERIFY(inkBox(clipped).right() < 20);
    QImage free = whiteImage(200, 20);
    {
        TCanvas canvas(&free);
        canvas.Brush.Style = TBrushStyle::bsClear;
        canvas.DrawText(text, TRect(0, 0, 20, 20), DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
    QVERIFY(inkBox(free).right() >= 20);
}

void TestCanvas::drawTransparentLeavesKeyColourOut() {
    QImage glyph(4, 3, QImage::Format_RGB32);
    glyph.fill(qRgb(255, 0, 255));
    glyph.setPixel(1, 1, qRgb(0, 0, 0));
    TBitmap bitmap(glyph);
    QCOMPARE(bitmap.TransparentColor(), clFuchsia);
    bitmap.Transparent = true;
    QImage image = whiteImage();
    {
        TCanvas canvas(&image);
        canvas.Draw(5, 5, bitmap);
    }
    QCOMPARE(inked(image), QStringList{QStringLiteral("6,6")});
    bitmap.Transparent = false;
    {
        TCanvas canvas(&image);
        canvas.Draw(5, 5, bitmap);
    }
    QCOMPARE(inked(image).size(), 12);
}

void TestCanvas::measuringCanvasDrawsNothing() {
    TCanvas canvas;
    QVERIFY(!canvas.IsPainting());
    canvas.FillRect(TRect(0, 0, 10, 10));
    canvas.MoveTo(1, 1);
    canvas.LineTo(5, 5);
    QCOMPARE(canvas.PenPos, QPoint(5, 5));
    canvas.TextOut(0, 0, QStringLiteral("abc"));
    QCOMPARE(canvas.PenPos, QPoint(canvas.TextWidth(QStringLiteral("abc")), 0));
    QVERIFY(canvas.TextHeight(QString()) > 0);
}

void TestCanvas::classicEdgeColours() {
    setSystemColorOverride(16, RGB(128, 128, 128)); // button shadow
    setSystemColorOverride(20, RGB(255, 255, 255)); // button highlight
    setSystemColorOverride(21, RGB(0, 0, 0));       // dark shadow
    setSystemColorOverride(22, RGB(223, 223, 223)); // light
    QImage image = whiteImage();
    image.fill(qRgb(1, 2, 3));
    TRect inner;
    {
        TCanvas canvas(&image);
        inner = DrawEdge(canvas, TRect(0, 0, 10, 10), EDGE_SUNKEN);
    }
    QCOMPARE(inner, TRect(2, 2, 8, 8));
    QCOMPARE(at(image, 0, 0), RGB(128, 128, 128));
    QCOMPARE(at(image, 9, 9), RGB(255, 255, 255));
    QCOMPARE(at(image, 9, 0), RGB(255, 255, 255));
    QCOMPARE(at(image, 1, 1), RGB(0, 0, 0));
    QCOMPARE(at(image, 8, 8), RGB(223, 223, 223));
    QCOMPARE(at(image, 2, 2), RGB(1, 2, 3));
    for (int i : {16, 20, 21, 22})
        setSystemColorOverride(i, -1);
}

void TestCanvas::scrollArrowPushedDiffersFromNormal() {
    setSystemColorOverride(15, RGB(192, 192, 192)); // face
    setSystemColorOverride(16, RGB(128, 128, 128)); // shadow
    setSystemColorOverride(18, RGB(0, 0, 0));       // button text
    setSystemColorOverride(20, RGB(255, 255, 255));
    setSystemColorOverride(21, RGB(0, 0, 0));
    setSystemColorOverride(22, RGB(192, 192, 192));
    auto paint = [](unsigned state) {
        QImage image = whiteImage(16, 10);
        TCanvas canvas(&image);
        TRect r(0, 0, 16, 10);
        DrawFrameControlScroll(canvas, r, state);
        return image;
    };
    const QImage normal = paint(DFCS_SCROLLUP);
    const QImage pushed = paint(DFCS_SCROLLUP | DFCS_PUSHED);
    QCOMPARE(at(normal, 1, 1), RGB(255, 255, 255));
    QCOMPARE(at(normal, 15, 9), RGB(0, 0, 0));
    QCOMPARE(at(pushed, 0, 0), RGB(128, 128, 128));
    QCOMPARE(at(pushed, 15, 9), RGB(128, 128, 128));
    QCOMPARE(at(pushed, 1, 1), RGB(192, 192, 192));
    // The arrow of a pushed button sits one pixel lower and further right.
    auto arrowBox = [](const QImage& image) {
        QRect box;
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 2; x < image.width() - 2; ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0)
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    QVERIFY(!arrowBox(normal).isEmpty());
    QCOMPARE(arrowBox(pushed), arrowBox(normal).translated(1, 1));
    for (int i : {15, 16, 18, 20, 21, 22})
        setSystemColorOverride(i, -1);
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
