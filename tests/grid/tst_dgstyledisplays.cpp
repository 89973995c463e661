// Header styles on a QImage, classic and themed: backgrounds of the five styles by column location,
// indicator pieces and fillers, the sort arrow and its place, the pressed inversion, footers, input cells,
// the indicator mark and the measuring answers.
#include "ColumnsGridFake.h"
#include "PixelProbe.h"
#include "grid/DgColumnClasses.h"
#include "grid/DgColumns.h"
#include "grid/DgSharedCommon.h"
#include "grid/DgStyleDisplays.h"
#include "platform/Colors.h"
#include "platform/Themes.h"

#include <QHash>
#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace grid;
using namespace platform;
using pixelprobe::at;

namespace {

// Pinned system colours, none of them a grey that antialiased black text could produce.
constexpr TColor kFace = RGB(208, 200, 192), kShadow = RGB(128, 64, 64), kLight = RGB(224, 255, 240);
constexpr TColor kGray = RGB(32, 128, 32), kFrame = RGB(96, 16, 16), kSelect = RGB(0, 80, 160);
constexpr TColor kWindowText = RGB(48, 0, 48);
// Our own colours.
constexpr TColor kHeader = RGB(208, 176, 144), kGrid = RGB(16, 96, 96), kColumn = RGB(255, 240, 200);
constexpr TColor kFooter = RGB(200, 255, 200), kPaper = RGB(255, 0, 255), kVistaTop = RGB(175, 220, 240);

/// The colours of the probe letters.
const QHash<QChar, TColor>& probeColors() {
    static const QHash<QChar, TColor> colors{{u'F', kFace},
                                             {u'S', kShadow},
                                             {u'H', kLight},
                                             {u'G', kGray},
                                             {u'K', kFrame},
                                             {u'I', kSelect},
                                             {u'C', kHeader},
                                             {u'g', kGrid},
                                             {u'X', kColumn},
                                             {u'f', kFooter},
                                             {u'P', kPaper},
                                             {u'W', clWhite},
                                             {u'V', RGB(240, 240, 240)},
                                             {u'B', kVistaTop},
                                             {u'r', MixColor(kVistaTop, clWhite, 0.5)},
                                             {u'1', BlendColor(kShadow, kHeader, 50)},
                                             {u'2', BlendColor(kShadow, kHeader, 100)},
                                             {u'3', BlendColor(kShadow, kHeader, 150)},
                                             {u'4', BlendColor(kShadow, kFace, 50)},
                                             {u'6', BlendColor(kShadow, kFace, 150)}};
    return colors;
}

/// Checks probes "x,y:K" (the pixel has colour K) and "x,y!K" (it has not) and lists the failures.
QStringList mismatches(const QImage& image, const QString& probes) {
    QStringList out;
    for (const QString& probe : probes.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype mark = probe.indexOf(QRegularExpression(QStringLiteral("[:!]")));
        const QStringList xy = probe.left(mark).split(u',');
        const TColor got = at(image, xy.at(0).toInt(), xy.at(1).toInt());
        if ((got == probeColors().value(probe.at(mark + 1))) != (probe.at(mark) == u':'))
            out << QStringLiteral("%1 is %2").arg(probe).arg(got, 6, 16, QLatin1Char('0'));
    }
    return out;
}

#define CHECK_PIXELS(image, probes)                                                                          \
    do {                                                                                                     \
        const QStringList wrong = mismatches(image, probes);                                                 \
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));                             \
    } while (false)

/// The bounding box of the pixels in any of the colours.
QRect boxOf(const QImage& image, std::initializer_list<TColor> colors) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::find(colors.begin(), colors.end(), at(image, x, y)) != colors.end())
                box |= QRect(x, y, 1, 1);
    return box;
}

/// One text drawn on the canvas, with its rectangle, flags and font.
struct DrawnText {
    QString text;
    TRect rect;
    unsigned flags;
    TColor color;
    bool bold;
};

class RecordingCanvas : public TCanvas {
public:
    using TCanvas::TCanvas;
    std::vector<DrawnText> texts;
    int DrawText(const QString& text, TRect& rect, unsigned f) override {
        if (!(f & DT_CALCRECT))
            texts.push_back({text, rect, f, Font.Color, Font.Font.bold()});
        return TCanvas::DrawText(text, rect, f);
    }
};

/// A grid stand-in with Count text columns and a display of the style ("base", "default", "flat", "old",
/// "outlook", "vista"), painting on a W x H image of paper colour.
struct Scene {
    ColumnsGridFake fake;
    TDgColumns columns{&fake};
    std::vector<TDgTextColumn*> cols;
    std::unique_ptr<TStyleDisplay> display;
    std::vector<DrawnText> texts;

    Scene(const QString& style, int count) {
        fake.color = kGrid;
        fake.font.Font = DefaultFont();
        for (int i = 0; i < count; ++i) {
            cols.push_back(new TDgTextColumn);
            columns.AddColumn(cols.back());
            cols.back()->Header()->SetColor(kHeader);
            cols.back()->Footer()->SetColor(kFooter);
            cols.back()->SetColor(kColumn);
        }
        const QHash<QString, std::function<TStyleDisplay*()>> makers{
            {QStringLiteral("default"), [&] { return new TDefaultStyleDisplay(&fake); }},
            {QStringLiteral("flat"), [&] { return new TFlatStyleDisplay(&fake); }},
            {QStringLiteral("old"), [&] { return new TOldStyleDisplay(&fake); }},
            {QStringLiteral("outlook"), [&] { return new TOutlookStyleDisplay(&fake); }},
            {QStringLiteral("vista"), [&] { return new TVistaStyleDisplay(&fake); }}};
        display.reset(makers.contains(style) ? makers[style]() : new TStyleDisplay(&fake));
    }

    QImage paint(const std::function<void(TCanvas&)>& body, int w = 80, int h = 24) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(toQColor(kPaper));
        RecordingCanvas canvas(&image);
        canvas.Font.Font = DefaultFont();
        canvas.Font.Color = clBlack;
        display->Canvas = &canvas;
        body(canvas);
        display->Canvas = nullptr;
        texts = canvas.texts;
        return image;
    }
};

/// The width the header routine gives a caption: its text width and 2.
int captionWidth(const QString& text) {
    TCanvas measure;
    measure.Font.Font = DefaultFont();
    return measure.TextWidth(text) + 2;
}

QImage redGlyph() {
    QImage picture(9, 7, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.setPixel(0, 6, qRgb(255, 255, 255)); // the transparent colour
    return picture;
}

} // namespace

class TestDgStyleDisplays : public QObject {
    Q_OBJECT
private slots:
    void init() {
        const std::pair<int, TColor> pinned[] = {{15, kFace}, {16, kShadow}, {20, kLight},    {17, kGray},
                                                 {6, kFrame}, {13, kSelect}, {8, kWindowText}};
        for (const auto& [index, color] : pinned)
            setSystemColorOverride(index, color);
        SetThemeActive(false);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void cleanup() {
        for (int i = 0; i < 32; ++i)
            setSystemColorOverride(i, -1);
        SetThemeActive(true);
    }

    void pieces_data() {
        QTest::addColumn<bool>("themed");
        QTest::addColumn<QString>("row"); // "<style> <piece> = <probes>"
        // Headers (10, 0, 70, 20) of column I among N (headerN.I), optionally sorted (+ up, - down).
        QTest::newRow("default only: 3-D frame")
            << false << "default header1.0 = 40,10:C 11,1:C 10,0:H 68,0:H 10,18:H 69,0:S 10,19:S 69,19:S";
        QTest::newRow("default first: full left edge, notched right")
            << false << "default header3.0 = 69,0:H 10,1:H 10,18:H 10,19:S 69,1:C 69,2:S 69,17:S 69,18:C";
        QTest::newRow("default middle: notched both sides")
            << false << "default header3.1 = 10,0:H 10,1:C 10,2:H 10,17:H 10,18:C 10,19:S 69,1:C 69,17:S";
        QTest::newRow("default last: full right edge")
            << false << "default header3.2 = 10,1:C 69,0:S 69,1:S 69,18:S 69,19:S";
        QTest::newRow("flat: grey right and bottom edge")
            << false << "flat header3.1 = 10,0:C 68,0:C 40,10:C 69,0:G 69,18:G 10,19:G 69,19:G";
        QTest::newRow("old: button face, dark frame")
            << false << "old header3.1 = 40,10:F 10,0:H 68,0:H 10,18:H 69,0:K 10,19:K 69,19:K";
        QTest::newRow("outlook only: full separators, blended bottom")
            << false << "outlook header1.0 = 40,10:C 10,0:H 10,16:H 69,0:S 69,16:S 10,17:1 40,18:2 69,19:3";
        QTest::newRow("outlook first") << false << "outlook header3.0 = 10,0:H 69,0:C 69,2:S 69,15:S 69,16:C";
        QTest::newRow("outlook middle") << false << "outlook header3.1 = 10,1:C 10,2:H 10,15:H 10,16:C";
        QTest::newRow("outlook last") << false << "outlook header3.2 = 10,1:C 10,2:H 69,0:S 69,16:S 69,18:2";
        QTest::newRow("vista") << false << "vista header3.1 = 10,0:W 10,19:W 69,0:F 69,19:F 11,0:V 40,10:V";
        QTest::newRow("vista sorted up: white arrow in the fade")
            << false << "vista header3.1+ = 11,0:B 68,0:B 37,0:B 40,0:W 40,1:W 38,3:W 60,6:W 60,15:W";
        QTest::newRow("vista sorted down")
            << false << "vista header3.1- = 11,0:B 37,0:W 43,0:W 40,2:W 38,3:r";
        QTest::newRow("base: no background") << false << "base header3.1 = 10,0:P 40,10:P 69,19:P";
        QTest::newRow("themed header: the style's item")
            << true << "default header3.1 = 10,0!P 10,0!C 40,10!P 40,10!C 69,19!P 69,19!C";
        // Indicator pieces at (0, 2, 12, 20): cellK (row K), cornerK (kind K), band and header filler.
        QTest::newRow("base cell, first row")
            << false << "base cell0 = 5,10:F 0,2:H 0,20:H 1,2:H 10,2:H 11,2:S 11,19:S 1,19:F 5,19:S 10,19:F";
        QTest::newRow("base cell, later row")
            << false << "base cell1 = 1,2:F 2,2:H 9,2:H 10,2:F 11,2:S 0,10:H";
        QTest::newRow("base corner and fillers: grid colour")
            << false << "base corner0 band filler = 0,2:g 11,19:g";
        QTest::newRow("default corner and band: button face")
            << false << "default corner0 band = 5,10:F 0,2:H 10,2:H 11,2:S 0,19:S";
        QTest::newRow("default footer corner")
            << false << "default corner1 = 5,10:F 0,2:H 0,19:S 1,3:F 2,3:H 9,3:H 10,3:F 1,2:F 2,2:S 11,19:S";
        QTest::newRow("default themed footer corner: classic") << true << "default corner1 = 2,3:H 2,2:S";
        QTest::newRow("default themed corner and filler")
            << true << "default corner0 filler = 5,10!P 5,10!F 5,10!g 0,2!P";
        QTest::newRow("default classic filler") << false << "default filler = 0,2:g 11,19:g";
        QTest::newRow("default cell: base") << false << "default cell0 = 0,2:H 11,19:S";
        QTest::newRow("flat pieces") << false << "flat cell1 corner1 = 0,2:F 10,18:F 11,2:G 0,19:G";
        QTest::newRow("flat band") << false << "flat band = 0,2:F 11,19:F";
        QTest::newRow("old pieces") << false << "old cell1 corner0 = 5,10:F 0,2:H 11,2:K 0,19:K";
        QTest::newRow("outlook corner")
            << false << "outlook corner0 = 5,10:F 0,2:F 11,2:S 11,16:S 0,17:4 11,19:6";
        QTest::newRow("outlook band: button face") << false << "outlook band = 5,10:F 0,2:H 11,19:S";
        QTest::newRow("outlook cell: base") << false << "outlook cell1 = 1,2:F 2,2:H";
        QTest::newRow("vista cell") << false << "vista cell1 = 0,2:W 0,19:W 11,2:F 11,19:F 1,2:V 10,19:V";
        QTest::newRow("vista corner: base") << false << "vista corner0 = 0,2:g";
    }
    void pieces() {
        QFETCH(bool, themed);
        QFETCH(QString, row);
        SetThemeActive(themed);
        const QStringList what = row.section(u'=', 0, 0).split(u' ', Qt::SkipEmptyParts);
        for (const QString& piece : what.mid(1)) {
            const bool header = piece.startsWith(u"header");
            Scene scene(what.at(0), header ? piece.mid(6, 1).toInt() : 1);
            scene.display->Themed = themed;
            TDgTextColumn& column = *scene.cols[header ? piece.mid(8, 1).toInt() : 0];
            if (piece.endsWith(u'+') || piece.endsWith(u'-')) {
                column.Header()->SetCaption(QStringLiteral("Nr"));
                column.SetSorted(true);
                column.SetSortKind(piece.endsWith(u'+') ? TSortKind::skAscending : TSortKind::skDescending);
            }
            const TRect r(0, 2, 12, 20);
            const QImage image = scene.paint([&](TCanvas&) {
                TStyleDisplay& d = *scene.display;
                if (header)
                    d.PaintColumnHeader(column, TRect(10, 0, 70, 20));
                else if (piece.startsWith(u"cell"))
                    d.PaintIndicatorCell(r, piece.back().digitValue());
                else if (piece.startsWith(u"corner"))
                    d.PaintIndicatorCorner(r, piece.back().digitValue());
                else if (piece == u"band")
                    d.PaintBandFiller(r);
                else
                    d.PaintHeaderFiller(r);
            });
            CHECK_PIXELS(image, row.section(u'=', 1));
            // Nothing outside the piece; with Vista's own arrow none beside the caption.
            CHECK_PIXELS(image,
                         header ? QStringLiteral("9,10:P 70,10:P 40,20:P") : QStringLiteral("12,10:P"));
            if (what.at(0) == u"vista")
                QVERIFY(boxOf(image, {kShadow, kLight, kGray}).isEmpty());
        }
    }

    void sortArrow_data() {
        QTest::addColumn<bool>("themed");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("room"); // header right edge minus arrowX
        QTest::addColumn<bool>("hideArrow");
        QTest::addColumn<bool>("shown");
        QTest::newRow("classic ascending") << false << true << 0 << 40 << true << true;
        QTest::newRow("classic descending") << false << false << 0 << 40 << true << true;
        QTest::newRow("themed ascending") << true << true << 0 << 40 << true << true;
        QTest::newRow("themed descending") << true << false << 0 << 40 << true << true;
        QTest::newRow("9 pixels room: shown") << false << true << 0 << 9 << true << true;
        QTest::newRow("8 pixels room: hidden") << false << true << 0 << 8 << true << false;
        QTest::newRow("too narrow without HideArrow: shown") << false << true << 0 << 5 << false << true;
        QTest::newRow("right-aligned leaves room") << false << true << 1 << 12 << true << true;
    }
    void sortArrow() {
        QFETCH(bool, themed);
        QFETCH(bool, ascending);
        QFETCH(int, alignment);
        QFETCH(int, room);
        QFETCH(bool, hideArrow);
        QFETCH(bool, shown);
        SetThemeActive(themed);
        Scene scene(QStringLiteral("base"), 3); // no background: the arrow's colours are its own
        scene.display->Themed = themed;
        TDgTextColumn& column = *scene.cols[1];
        column.Header()->SetCaption(QStringLiteral("Name"));
        column.Header()->SetAlignment(static_cast<TAlignment>(alignment));
        column.Header()->SetHideArrow(hideArrow);
        column.SetSorted(true);
        column.SetSortKind(ascending ? TSortKind::skAscending : TSortKind::skDescending);
        // Left-aligned text starts at Left + 2 and the arrow 19 pixels after its width; right-aligned text
        // ends 31 pixels before the edge, so its arrow stands 12 before it.
        const int w = captionWidth(QStringLiteral("Name"));
        const int right = alignment == 0 ? 10 + 2 + w + 19 + room : 10 + 2 + w + 31 + 20;
        const QImage image = scene.paint(
            [&](TCanvas&) { scene.display->PaintColumnHeader(column, TRect(10, 0, right, 20)); }, 160);
        const QRect box = boxOf(image, {kShadow, kLight, kGray});
        if (!shown) {
            QVERIFY(box.isEmpty());
            return;
        }
        const int x = right - room;
        const int y = 20 / 2 - 4;
        if (room < 9) // cut by the header's edge
            QCOMPARE(box, QRect(QPoint(x, y), QPoint(right - 1, y + 6)));
        else // a filled triangle, or an outline in two colours
            QCOMPARE(box, themed ? QRect(x, y, 9, 5) : QRect(x, y, 8, 7));
        // The point is up for ascending, down for descending.
        if (themed) {
            QCOMPARE(at(image, x, y) == kGray, !ascending);
            QCOMPARE(at(image, x, y + 4) == kGray, ascending);
        } else {
            QCOMPARE(at(image, x, y + 6) == kShadow, ascending);
            QCOMPARE(at(image, x, y) == kShadow, !ascending);
        }
    }

    void captionPlace_data() {
        QTest::addColumn<bool>("glyph");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<int>("right");   // of the header (10, 0, right, 20)
        QTest::addColumn<QString>("row"); // "<style> = <text rect>", edges "a-w" or "a-w/2" with w the width
        QTest::newRow("left") << false << 0 << false << 110 << "base = 12,0,110,20";
        QTest::newRow("right") << false << 1 << false << 110 << "base = 110-w,0,110,20";
        QTest::newRow("right sorted: 31 for the arrow")
            << false << 1 << true << 110 << "base = 79-w,0,110,20";
        QTest::newRow("centre") << false << 2 << false << 110 << "base = 60-w/2,0,110,20";
        QTest::newRow("glyph left") << true << 0 << false << 110 << "base = 24,0,110,20";
        QTest::newRow("glyph right sorted") << true << 1 << true << 150 << "base = 119-w,0,150,20";
        QTest::newRow("outlook: 3 off the bottom") << false << 0 << false << 110 << "outlook = 12,0,110,17";
        QTest::newRow("vista: 2 further right") << false << 0 << false << 110 << "vista = 14,0,110,20";
        // Wider than its cell: starts at the cell's left edge, not over the neighbour.
        QTest::newRow("narrow right sorted: held at Left") << false << 1 << true << 30 << "base = 10,0,30,20";
        QTest::newRow("narrow centred: held at Left") << false << 2 << false << 20 << "base = 10,0,20,20";
    }
    void captionPlace() {
        QFETCH(bool, glyph);
        QFETCH(int, alignment);
        QFETCH(bool, sorted);
        QFETCH(int, right);
        QFETCH(QString, row);
        Scene scene(row.section(u' ', 0, 0), 3);
        TDgTextColumn& column = *scene.cols[1];
        column.Header()->SetCaption(QStringLiteral("Transponder"));
        column.Header()->SetAlignment(static_cast<TAlignment>(alignment));
        column.SetSorted(sorted);
        if (glyph) {
            column.Header()->SetGlyph(TBitmap(redGlyph()));
            column.Header()->SetDisplayMode(TDisplayMode::dmTextAndImage);
        }
        const QImage image = scene.paint(
            [&](TCanvas&) { scene.display->PaintColumnHeader(column, TRect(10, 0, right, 20)); }, 160);
        QCOMPARE(scene.texts.size(), size_t(1));
        const int w = captionWidth(QStringLiteral("Transponder"));
        QList<int> want;
        for (const QString& edge : row.section(u'=', 1).trimmed().split(u','))
            want << edge.section(u'-', 0, 0).toInt() - (edge.endsWith(u"-w")     ? w
                                                        : edge.endsWith(u"-w/2") ? w / 2
                                                                                 : 0);
        const TRect r = scene.texts[0].rect;
        QCOMPARE(QList<int>({r.Left, r.Top, r.Right, r.Bottom}), want);
        const unsigned flags = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_VCENTER;
        QCOMPARE(scene.texts[0].flags & (flags | DT_CENTER | DT_RIGHT), flags);
        if (glyph) // left of the text, vertically centred
            QCOMPARE(boxOf(image, {clRed}), QRect(r.Left - 2 - 9, 10 - 7 / 2, 9, 7));
    }

    void pressedInversion_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("themed");
        QTest::addColumn<bool>("showSortArrow");
        QTest::addColumn<bool>("inverted");
        QTest::newRow("default classic") << "default" << false << true << true;
        QTest::newRow("default themed: pressed state instead") << "default" << true << true << false;
        QTest::newRow("flat") << "flat" << false << true << false;
        QTest::newRow("old") << "old" << false << true << true;
        QTest::newRow("outlook") << "outlook" << false << true << true;
        QTest::newRow("vista") << "vista" << false << true << false;
        QTest::newRow("drag image: no inversion") << "default" << false << false << false;
    }
    void pressedInversion() {
        QFETCH(QString, style);
        QFETCH(bool, themed);
        QFETCH(bool, showSortArrow);
        QFETCH(bool, inverted);
        SetThemeActive(themed);
        for (int count : {1, 3}) {
            Scene scene(style, count);
            scene.display->Themed = themed;
            scene.display->ShowSortArrow = showSortArrow;
            QCOMPARE(bool(scene.display->GetStyleFlags() & styleflag::InvertPressed),
                     inverted || !showSortArrow);
            auto draw = [&] {
                return scene.paint([&](TCanvas&) {
                    scene.display->PaintColumnHeader(*scene.cols[0], TRect(10, 0, 70, 20));
                });
            };
            const QImage normal = draw();
            scene.fake.downColumn = scene.cols[0];
            const QImage pressed = draw();
            const auto flipped = [&](int x, int y) {
                return at(pressed, x, y) == (~at(normal, x, y) & 0xFFFFFF);
            };
            QCOMPARE(flipped(40, 10), inverted);
            QCOMPARE(flipped(10, 0), inverted);
            // The last pixel column is left out unless the column is the only one.
            QCOMPARE(flipped(69, 10), inverted && count == 1);
            if (!themed)
                QCOMPARE(pressed == normal, !inverted);
        }
    }

    void footer_data() {
        QTest::addColumn<int>("maskKind");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<int>("left");    // of the text; -1: right-aligned, 31 left for a sorted column
        QTest::addColumn<QString>("row"); // "caption|mask|text drawn"
        QTest::newRow("plain") << 0 << 0 << false << 12 << "12||Summe: 12 St.";
        QTest::newRow("text mask") << 0 << 0 << false << 12 << "12345|00-000;0|Summe: 12-345 St.";
        QTest::newRow("float mask") << 1 << 0 << false << 12 << "1234,5|0.00|Summe: 1234,50 St.";
        QTest::newRow("no number counts 0") << 1 << 0 << false << 12 << "abc|0.0|Summe: 0,0 St.";
        QTest::newRow("right sorted") << 0 << 1 << true << -1 << "7||Summe: 7 St.";
        QTest::newRow("centre too wide: held at Left")
            << 0 << 2 << false << 10 << "1234567890123456789||Summe: 1234567890123456789 St.";
    }
    void footer() {
        QFETCH(int, maskKind);
        QFETCH(int, alignment);
        QFETCH(bool, sorted);
        QFETCH(int, left);
        QFETCH(QString, row);
        const QStringList fields = row.split(u'|');
        Scene scene(QStringLiteral("flat"), 3);
        TDgTextColumn& column = *scene.cols[1];
        TColumnFooter& f = *column.Footer();
        f.SetCaption(fields[0]);
        f.SetFormatMask(fields[1]);
        f.SetFormatMaskKind(static_cast<TFormatMaskKind>(maskKind));
        f.SetAlignment(static_cast<TAlignment>(alignment));
        f.SetTextBefore(QStringLiteral("Summe: "));
        f.SetTextAfter(QStringLiteral(" St."));
        column.SetSorted(sorted);
        TFont font;
        font.Font = DefaultFont();
        font.Color = kWindowText;
        column.SetFont(font);
        for (bool divider : {false, true}) {
            const QImage image = scene.paint(
                [&](TCanvas&) { scene.display->PaintFooter(column, TRect(10, 2, 110, 20), divider); }, 120);
            QCOMPARE(scene.texts.size(), size_t(1));
            const DrawnText& t = scene.texts[0];
            QCOMPARE(t.text, fields[2]);
            QCOMPARE(t.color, kWindowText); // the column's font
            QVERIFY(t.flags & DT_SINGLELINE);
            const int textLeft = left >= 0 ? left : 110 - captionWidth(fields[2]) + 2 - 31;
            QCOMPARE(t.rect, TRect(textLeft, 2, 110, 20));
            // The footer colour, with Divider a button-face line along the bottom and down the right.
            CHECK_PIXELS(image, divider ? QStringLiteral("10,2:f 108,18:f 10,19:F 109,2:F 109,20:F 40,20:P")
                                        : QStringLiteral("10,2:f 109,19:f 109,2:f 40,20:P"));
        }
    }

    void cellsStayInsideTheGridsClip() {
        // The grid clips a scrolled column to the area right of its fixed columns (here from x 40): a
        // header or footer partly under them must not paint over them.
        Scene scene(QStringLiteral("old"), 3);
        scene.cols[1]->Footer()->SetCaption(QStringLiteral("Summe"));
        const QImage image = scene.paint([&](TCanvas& canvas) {
            canvas.SetClipRect(TRect(40, 0, 80, 24));
            scene.display->PaintColumnHeader(*scene.cols[1], TRect(10, 0, 70, 10));
            scene.display->PaintFooter(*scene.cols[1], TRect(10, 10, 70, 20), true);
        });
        CHECK_PIXELS(image, QStringLiteral("39,5:P 39,15:P 10,0:P 10,19:P 40,5:F 40,15:f 69,9:K 69,15:F"));
    }

    void inputCell_data() {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("current");
        QTest::addColumn<bool>("editing");
        QTest::addColumn<bool>("selectedColumn");
        QTest::addColumn<bool>("highlightText"); // else grey
        QTest::addColumn<QString>("row");        // "value = probes" for the cell (10, 0, 70, 20)
        QTest::newRow("inactive") << false << false << false << false << false << false
                                  << " = 10,0:X 69,19:X 14,10:X";
        QTest::newRow("active focused")
            << true << true << false << false << false << true << "x = 10,0:I 69,19:I";
        QTest::newRow("active unfocused")
            << false << true << false << false << false << true << "x = 10,0:F 69,19:F";
        QTest::newRow("active, the selected column")
            << true << true << false << false << true << false << "x = 10,0:X 69,19:X";
        QTest::newRow("current: highlight lines bottom and right")
            << true << true << true << false << false << true
            << "x = 10,0:I 68,18:I 10,19:I 69,0:I 69,20:I 40,20:P";
        QTest::newRow("current, the selected column")
            << true << true << true << false << true << false << "x = 10,0:X 68,18:X 40,19:I 69,5:I";
        QTest::newRow("current while editing: the frame inside the lines")
            << true << true << true << true << false << false
            << " = 10,0:X 68,5:X 40,18:X 69,5:I 40,19:I 14,10:P";
        QTest::newRow("editing: framed only, grey")
            << true << true << false << true << false << false << " = 10,0:X 69,19:X 40,0:X 14,10:P 11,1:P";
    }
    void inputCell() {
        QFETCH(bool, focused);
        QFETCH(bool, active);
        QFETCH(bool, current);
        QFETCH(bool, editing);
        QFETCH(bool, selectedColumn);
        QFETCH(bool, highlightText);
        QFETCH(QString, row);
        const QString value = row.section(u'=', 0, 0).trimmed();
        Scene scene(QStringLiteral("outlook"), 3); // every style paints input cells alike
        TDgTextColumn& column = *scene.cols[1];
        column.SetAlignment(TAlignment::taRightJustify);
        column.SetInputCaption(QStringLiteral("Suche"));
        column.SetInputValue(value);
        column.SetEditing(editing);
        TFont bold;
        bold.Font = DefaultFont();
        bold.SetStyle(TFontStyle::fsBold);
        column.SetFont(bold);
        scene.fake.selectedColumn = selectedColumn ? 1 : 0;
        const QImage image = scene.paint([&](TCanvas&) {
            scene.display->PaintInputCell(column, TRect(10, 0, 70, 20), focused, active, current);
        });
        CHECK_PIXELS(image, row.section(u'=', 1));
        // The value by the column's alignment, else the caption centred; plain, in the state's colour.
        QCOMPARE(scene.texts.size(), size_t(1));
        const DrawnText& t = scene.texts[0];
        QCOMPARE(t.text, value.isEmpty() ? QStringLiteral("Suche") : value);
        QCOMPARE(t.flags & (DT_CENTER | DT_RIGHT), value.isEmpty() ? DT_CENTER : DT_RIGHT);
        QCOMPARE(t.rect, TRect(12, 0, 69, 19));
        QCOMPARE(t.color, highlightText ? clHighlightText : clGrayText);
        QVERIFY(!t.bold);
    }

    void indicatorMark() {
        Scene scene(QStringLiteral("base"), 1);
        const TRect r(0, 10, 12, 30);
        // The current row: a triangle pointing right in a 6 x 11 box centred in the cell.
        const QImage marked =
            scene.paint([&](TCanvas&) { scene.display->DrawIndicatorMark(r, true, false); }, 20, 40);
        QCOMPARE(boxOf(marked, {kWindowText}), QRect(3, 15, 6, 11));
        QCOMPARE(at(marked, 8, 20), kWindowText);
        QCOMPARE(at(marked, 8, 15), kPaper);
        // A selected row: the cell inverted, nothing else.
        const QImage inverted =
            scene.paint([&](TCanvas&) { scene.display->DrawIndicatorMark(r, false, true); }, 20, 40);
        QCOMPARE(boxOf(inverted, {~kPaper & 0xFFFFFF}), QRect(0, 10, 12, 20));
        QCOMPARE(boxOf(inverted, {kWindowText}), QRect());
    }

    void answers_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("themed");
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<int>("indent");     // text only, with arrow and background
        QTest::addColumn<TRect>("textRect"); // (10, 0, 70, 20) adjusted
        QTest::newRow("base") << "base" << false << 0u << 2 << TRect(10, 0, 70, 20);
        QTest::newRow("base themed") << "base" << true << 0u << 11 << TRect(10, 0, 70, 20);
        QTest::newRow("default classic") << "default" << false << 2u << 2 << TRect(10, 0, 70, 20);
        QTest::newRow("default themed") << "default" << true << 1u << 11 << TRect(10, 0, 70, 20);
        QTest::newRow("flat") << "flat" << false << 0u << 2 << TRect(10, 0, 70, 20);
        QTest::newRow("old") << "old" << true << 2u << 11 << TRect(10, 0, 70, 20);
        QTest::newRow("outlook") << "outlook" << false << 2u << 2 << TRect(10, 0, 70, 17);
        QTest::newRow("vista") << "vista" << false << 4u << 2 << TRect(12, 0, 70, 20);
    }
    void answers() {
        QFETCH(QString, style);
        QFETCH(bool, themed);
        QFETCH(unsigned, flags);
        QFETCH(int, indent);
        QFETCH(TRect, textRect);
        Scene scene(style, 1);
        TStyleDisplay& display = *scene.display;
        TColumnHeader& header = *scene.cols[0]->Header();
        display.Themed = themed;
        QCOMPARE(display.GetStyleFlags(), flags);
        QCOMPARE(display.GetHeaderIndent(*scene.cols[0]), indent);
        header.SetDisplayMode(TDisplayMode::dmTextAndImage);
        QCOMPARE(display.GetHeaderIndent(*scene.cols[0]), 2);
        display.ShowSortArrow = false;
        QCOMPARE(display.GetHeaderIndent(*scene.cols[0]), 0);
        display.ShowSortArrow = true;
        display.PaintBackground = false;
        QCOMPARE(display.GetHeaderIndent(*scene.cols[0]), 0);
        TRect r(10, 0, 70, 20);
        display.AdjustTextRect(r);
        QCOMPARE(r, textRect);
        // The content width, measured without a canvas stored (in the grid font).
        const QString caption = QStringLiteral("Größe");
        header.SetCaption(caption);
        header.SetGlyph(TBitmap(redGlyph()));
        const int text = captionWidth(caption) - 2;
        QCOMPARE(display.GetHeaderContentWidth(*scene.cols[0]), 9 + text + 2);
        header.SetDisplayMode(TDisplayMode::dmImageOnly);
        QCOMPARE(display.GetHeaderContentWidth(*scene.cols[0]), 9);
        header.SetDisplayMode(TDisplayMode::dmTextOnly);
        QCOMPARE(display.GetHeaderContentWidth(*scene.cols[0]), text);
        header.SetOrientation(THeaderOrientation::hoVertical);
        TCanvas measure;
        measure.Font.Font = DefaultFont();
        QCOMPARE(display.GetHeaderContentWidth(*scene.cols[0]), measure.TextHeight(caption));
    }
};

QTEST_MAIN(TestDgStyleDisplays)
#include "tst_dgstyledisplays.moc"
