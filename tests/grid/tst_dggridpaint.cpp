// The grid engine's painting on grab() pixels: grid lines, selection colours, sorted shading, empty rows
// under the data, the strip right of the columns, drawing options, the caption of an empty grid, slides,
// and the events each painted cell fires.
#include "PixelProbe.h"
#include "VectorGrid.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "platform/Colors.h"
#include "platform/Themes.h"

#include <QTextEdit>
#include <QtTest>
#include <memory>

using namespace grid;
using namespace platform;
using namespace Qt::StringLiterals;
using pixelprobe::at;

Q_DECLARE_METATYPE(grid::TGridOptions)
Q_DECLARE_METATYPE(grid::TAppearanceOptions)
Q_DECLARE_METATYPE(grid::TGridLinesStyle)
Q_DECLARE_METATYPE(grid::TSortedStyle)
Q_DECLARE_METATYPE(grid::TDrawingOptions)
Q_DECLARE_METATYPE(grid::THeaderStyle)

namespace {

using GO = TGridOption;
using AO = TAppearanceOption;

constexpr TColor kWindow = 0xFFFFFF;
constexpr TColor kFace = 0xC8C8C8;
constexpr TColor kHighlight = 0x800000;
constexpr TColor kHighlightText = 0xFEFEFE;
constexpr TColor kBtnHighlight = 0xF0F0F0;
constexpr TColor kText = 0x000000;

/// A probe: the colour expected at a client point.
struct Probe {
    int x;
    int y;
    TColor color;
};
using Probes = QList<Probe>;

/// A 300 x 200 client without border or header, three 80-pixel text columns, three rows.
std::unique_ptr<VectorGrid> makeGrid(TGridOptions options = {}, int rows = 3) {
    return makeVectorGrid(options, rows);
}

QImage shot(VectorGrid& grid) {
    return grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

/// Gives the grid the keyboard focus in an active window.
bool focus(VectorGrid& grid) {
    grid.activateWindow();
    grid.setFocus();
    return QTest::qWaitForWindowActive(&grid) && grid.Focused();
}

QString probeFailures(const QImage& image, const Probes& probes) {
    QStringList out;
    for (const Probe& p : probes) {
        const TColor got = at(image, p.x, p.y);
        if (got != p.color)
            out << u"(%1,%2) %3 not %4"_s.arg(p.x)
                       .arg(p.y)
                       .arg(got, 6, 16, QChar(u'0'))
                       .arg(p.color, 6, 16, QChar(u'0'));
    }
    return out.join(u"; "_s);
}

/// Whether some pixel of the rectangle passes the test.
template <typename Test> bool anyPixel(const QImage& image, const QRect& rect, Test test) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (test(image.pixel(x, y)))
                return true;
    return false;
}

/// Whether any pixel of the rectangle is dark (text).
bool inked(const QImage& image, const QRect& rect) {
    return anyPixel(image, rect, [](QRgb pixel) { return qGray(pixel) < 100; });
}

} // namespace

Q_DECLARE_METATYPE(Probes)

class TestDgGridPaint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void gridLines_data();
    void gridLines();
    void selectionColours_data();
    void selectionColours();
    void sortedShading_data();
    void sortedShading();
    void emptyRowsUnderTheDataReadNoStorage();
    void stripRightOfColumns();
    void themedHeaderSectionRightOfColumns_data();
    void themedHeaderSectionRightOfColumns();
    void drawingOptions_data();
    void drawingOptions();
    void eventsPerCellInOrder();
    void noIndicatorMarkWhileTheInputLineIsSelected();
    void onlyCellsInTheDirtyRectanglePaint();
    void captionOfAnEmptyGrid();
    void selectedSlideKeepsColourAndGetsDoubleFrame();
    void focusFrameOfFarRowWalksNoFurtherThanThePage();
    void headerCaptionStaysInItsCell();
    void scrolledPixelsMatchAFreshPaint_data();
    void scrolledPixelsMatchAFreshPaint();
};

void TestDgGridPaint::initTestCase() {
    setSystemColorOverride(5, kWindow);
    setSystemColorOverride(8, kText);
    setSystemColorOverride(13, kHighlight);
    setSystemColorOverride(14, kHighlightText);
    setSystemColorOverride(15, kFace);
    setSystemColorOverride(20, kBtnHighlight);
    SetThemeActive(false);
}

void TestDgGridPaint::cleanupTestCase() {
    for (int i = 0; i < 25; ++i)
        setSystemColorOverride(i, -1);
    SetThemeActive(true);
}

void TestDgGridPaint::gridLines_data() {
    QTest::addColumn<TGridLinesStyle>("style");
    QTest::addColumn<bool>("lines3D");
    QTest::addColumn<Probes>("probes");
    using LS = TGridLinesStyle;
    // Rows of 16 with a 1-pixel line under each (17 with the top light line too).
    QTest::newRow("normal") << LS::lsNormal << false
                            << Probes{{79, 5, kFace},   {40, 16, kFace}, {60, 5, kWindow},
                                      {239, 40, kFace}, {40, 50, kFace}, {78, 5, kWindow}};
    QTest::newRow("framed: last row and last column black")
        << LS::lsFramed << false << Probes{{79, 5, kFace},     {40, 16, kFace},   {239, 5, clBlack},
                                           {239, 40, clBlack}, {40, 50, clBlack}, {40, 67, kFace}};
    QTest::newRow("horizontal only") << LS::lsHorizontalOnly << false
                                     << Probes{{79, 5, kWindow}, {40, 16, kFace}, {0, 5, kWindow}};
    QTest::newRow("vertical only") << LS::lsVerticalOnly << false
                                   << Probes{{79, 5, kFace}, {60, 16, kWindow}, {60, 15, kWindow}};
    QTest::newRow("3D") << LS::lsNormal << true
                        << Probes{{40, 0, kBtnHighlight}, {0, 5, kBtnHighlight},   {79, 5, kFace},
                                  {40, 17, kFace},        {40, 18, kBtnHighlight}, {80, 5, kBtnHighlight}};
    QTest::newRow("3D horizontal only")
        << LS::lsHorizontalOnly << true
        << Probes{{40, 0, kBtnHighlight}, {0, 5, kWindow}, {79, 5, kWindow}, {40, 17, kFace}};
}

void TestDgGridPaint::gridLines() {
    QFETCH(TGridLinesStyle, style);
    QFETCH(bool, lines3D);
    QFETCH(Probes, probes);
    auto grid = makeGrid(GO::goGrid);
    grid->SetGridLinesStyle(style);
    grid->SetAppearanceOptions(lines3D ? TAppearanceOptions(AO::ao3DGridLines) : TAppearanceOptions());
    QCOMPARE(probeFailures(shot(*grid), probes), QString());
    QCOMPARE(grid->outsideReads, 0);
}

void TestDgGridPaint::selectionColours_data() {
    QTest::addColumn<TGridOptions>("options");
    QTest::addColumn<TAppearanceOptions>("appearance");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<Probes>("probes");
    const TAppearanceOptions standard = AO::aoHideSelection | AO::aoHighlightSlideCells;
    const TColor blended = 0xDFBFBF; // a quarter of the highlight over white
    // The selected cell is (1, 1): x 80..159, y 16..31; probes stay right of its text.
    QTest::newRow("focused cell") << TGridOptions() << standard << true
                                  << Probes{{140, 24, kHighlight}, {60, 24, kWindow}, {140, 8, kWindow}};
    QTest::newRow("unfocused, hidden") << TGridOptions() << standard << false << Probes{{140, 24, kWindow}};
    QTest::newRow("unfocused, shown inactive")
        << TGridOptions() << TAppearanceOptions(AO::aoHighlightSlideCells) << false
        << Probes{{140, 24, kFace}};
    QTest::newRow("alpha blended with solid frame")
        << TGridOptions() << (standard | AO::aoAlphaBlendedSelection) << true
        << Probes{{140, 24, blended}, {80, 24, kHighlight}, {120, 16, kHighlight}, {159, 24, kHighlight}};
    QTest::newRow("full row") << TGridOptions(GO::goSelectFullRow) << standard << true
                              << Probes{{60, 24, kHighlight},
                                        {140, 24, kHighlight},
                                        {220, 24, kHighlight},
                                        {60, 8, kWindow}};
    QTest::newRow("full row, selected cell indicated")
        << TGridOptions(GO::goSelectFullRow) << (standard | AO::aoIndicateSelectedCell) << true
        << Probes{{60, 24, kHighlight}, {140, 24, kWindow}, {220, 24, kHighlight}};
}

void TestDgGridPaint::selectionColours() {
    QFETCH(TGridOptions, options);
    QFETCH(TAppearanceOptions, appearance);
    QFETCH(bool, focused);
    QFETCH(Probes, probes);
    auto grid = makeGrid(options);
    grid->SetAppearanceOptions(appearance);
    grid->AssignSelectedCell(1, 1);
    grid->rows[1].selected = true;
    QTextEdit other;
    if (focused) {
        QVERIFY(focus(*grid));
    } else {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!grid->Focused());
    }
    const QImage image = shot(*grid);
    QCOMPARE(probeFailures(image, probes), QString());
    // Text of a highlighted cell takes the highlighted text colour, never the dark one.
    if (focused && at(image, 140, 24) == kHighlight) {
        const QRect text(82, 17, 40, 14);
        QVERIFY(
            !anyPixel(image, text, [](QRgb pixel) { return fromQColor(QColor::fromRgb(pixel)) == kText; }));
        QVERIFY(anyPixel(image, text, [](QRgb pixel) { return qGray(pixel) > 150; }));
    }
}

void TestDgGridPaint::sortedShading_data() {
    QTest::addColumn<TSortedStyle>("sortedStyle");
    QTest::addColumn<bool>("indicate");
    QTest::addColumn<TColor>("columnColor");
    QTest::addColumn<TColor>("expected");
    // Black weighs 10 of 255 in the blend: white becomes 0xF4F4F4.
    QTest::newRow("default") << TSortedStyle::soDefault << false << kWindow << kWindow;
    QTest::newRow("darker") << TSortedStyle::soDarker << false << kWindow << TColor(0xF4F4F4);
    QTest::newRow("darker yellow") << TSortedStyle::soDarker << false << clYellow << TColor(0x00F4F4);
    QTest::newRow("white") << TSortedStyle::soWhite << false << clYellow << kWindow;
    QTest::newRow("indicated") << TSortedStyle::soDefault << true << kWindow << TColor(0xF4F4F4);
    QTest::newRow("indicated and darker") << TSortedStyle::soDarker << true << kWindow << TColor(0xE9E9E9);
}

void TestDgGridPaint::sortedShading() {
    QFETCH(TSortedStyle, sortedStyle);
    QFETCH(bool, indicate);
    QFETCH(TColor, columnColor);
    QFETCH(TColor, expected);
    auto grid = makeGrid();
    grid->SetSortedStyle(sortedStyle);
    if (indicate)
        grid->SetAppearanceOptions(grid->AppearanceOptions() | AO::aoIndicateSortedColumn);
    TDgCustomColumn* column = grid->Columns()->ColumnItem(0);
    column->SetColor(columnColor);
    column->SetSorted(true);
    grid->AssignSelectedCell(0, 1);
    QVERIFY(focus(*grid));
    const QImage image = shot(*grid);
    // Data rows and the empty rows under them alike; the selected cell keeps its selection colour.
    QCOMPARE(probeFailures(image,
                           {{60, 8, expected}, {60, 120, expected}, {60, 24, kHighlight}, {140, 8, kWindow}}),
             QString());
}

void TestDgGridPaint::emptyRowsUnderTheDataReadNoStorage() {
    auto grid = makeGrid(GO::goGrid | GO::goSelectFullRow | GO::goIndicator);
    grid->SetAppearanceOptions(grid->AppearanceOptions() | AO::aoHintMarks | AO::aoIndicateSortedColumn);
    grid->Columns()->ColumnItem(1)->SetColor(clYellow);
    grid->AssignSelectedCell(0, 2);
    QVERIFY(focus(*grid));
    QCoreApplication::processEvents();
    QStringList colored;
    grid->OnCellColoring = [&](QObject*, int col, int row, TColor&, TColor&, TCellState state) {
        if (row >= 3 && col == 1)
            colored << u"%1:%2"_s.arg(row).arg(state.testFlag(TCellStateItem::csEmpty));
    };
    QStringList hints;
    grid->OnCellHint = [&](QObject*, int col, int row, QString&) { hints << u"%1,%2"_s.arg(col).arg(row); };
    const QImage image = shot(*grid);
    // Rows 3.. of 16 pixels and a line fill the cells area: 200 / 17 rounds up to 12 rows.
    QCOMPARE(colored.size(), 9);
    QCOMPARE(colored.first(), u"3:1"_s);
    QCOMPARE(colored.last(), u"11:1"_s);
    QCOMPARE(at(image, 12 + 140, 3 * 17 + 8), clYellow);
    QCOMPARE(at(image, 12 + 140, 3 * 17 + 16), kFace);
    QCOMPARE(hints.size(), 9);
    QCOMPARE(grid->outsideReads, 0);
    QCOMPARE(grid->LastPaintedRow(), 12);
}

void TestDgGridPaint::stripRightOfColumns() {
    auto grid = makeGrid(GO::goGrid);
    grid->SetColor(clAqua);
    const QImage image = shot(*grid);
    QCOMPARE(at(image, 241, 5), clAqua);
    QCOMPARE(at(image, 299, 199), clAqua);
    QCOMPARE(at(image, 239, 5), kFace);
    // Wider columns leave no strip.
    grid->Columns()->ColumnItem(2)->SetWidth(200);
    QCOMPARE(at(shot(*grid), 299, 5), kWindow);
}

void TestDgGridPaint::themedHeaderSectionRightOfColumns_data() {
    QTest::addColumn<bool>("themed");
    QTest::addColumn<THeaderStyle>("style");
    QTest::addColumn<bool>("slides");
    QTest::addColumn<bool>("section");
    QTest::newRow("themed auto") << true << THeaderStyle::hsAuto << false << true;
    QTest::newRow("themed auto, slides") << true << THeaderStyle::hsAuto << true << true;
    QTest::newRow("classic auto") << false << THeaderStyle::hsAuto << false << false;
    QTest::newRow("themed flat") << true << THeaderStyle::hsFlatBorders << false << false;
}

void TestDgGridPaint::themedHeaderSectionRightOfColumns() {
    QFETCH(bool, themed);
    QFETCH(THeaderStyle, style);
    QFETCH(bool, slides);
    SetThemeActive(themed);
    auto grid = makeGrid(GO::goHeader | GO::goIndicator | GO::goInput | GO::goFooter | GO::goGrid);
    grid->SetColor(clAqua);
    grid->SetHeaderStyle(style);
    if (slides)
        grid->SetGridStyle(TGridStyle::gsSlides);
    const QImage image = shot(*grid);
    SetThemeActive(false);
    // Under the header the strip keeps the grid's colour; in the header it is an empty section when themed.
    QCOMPARE(at(image, 270, 100), clAqua);
    QTEST(at(image, 270, 9) != clAqua, "section");
    // Every column's header is painted, whichever was painted before it.
    for (const int x : {2, 90, 170})
        QVERIFY2(at(image, x, 2) != clBlack && at(image, x, 2) != clAqua, qPrintable(QString::number(x)));
    // The first caption is not covered by an indicator corner (slides have no indicator column).
    QCOMPARE(inked(image, QRect(1, 3, 10, 12)), slides);
}

void TestDgGridPaint::drawingOptions_data() {
    QTest::addColumn<TDrawingOptions>("drawing");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<bool>("text");
    QTest::addColumn<bool>("custom");
    QTest::newRow("normal") << TDrawingOptions::doNormal << true << true << false;
    QTest::newRow("custom") << TDrawingOptions::doCustom << true << true << true;
    QTest::newRow("background only") << TDrawingOptions::doBackgroundOnly << true << false << true;
    QTest::newRow("custom only") << TDrawingOptions::doCustomOnly << false << false << true;
}

void TestDgGridPaint::drawingOptions() {
    QFETCH(TDrawingOptions, drawing);
    QFETCH(bool, filled);
    auto grid = makeGrid();
    TDgCustomColumn* column = grid->Columns()->ColumnItem(0);
    column->SetDrawingOptions(drawing);
    column->SetColor(clYellow);
    bool defaultDrawing = false;
    int customs = 0;
    TRect customRect;
    grid->OnDrawCellBackground = [&](QObject*, int col, int row, const TRect& rect, TCellState, bool& def) {
        if (col != 0 || row != 0)
            return;
        defaultDrawing = def;
        // Without the grid's fill the handler lays the background, before anything else is drawn.
        if (!def) {
            grid->Canvas.Brush.Style = TBrushStyle::bsSolid;
            grid->Canvas.Brush.Color = kWindow;
            grid->Canvas.FillRect(rect);
        }
    };
    grid->OnCustomDrawCell = [&](QObject*, int col, int row, const TRect& rect, TCellState) {
        if (col != 0 || row != 0)
            return;
        ++customs;
        customRect = rect;
        // The handler paints freely inside its cell: the right half green.
        grid->Canvas.Brush.Style = TBrushStyle::bsSolid;
        grid->Canvas.Brush.Color = clLime;
        grid->Canvas.FillRect(TRect(rect.Left + 40, rect.Top, rect.Right + 40, rect.Bottom));
    };
    const QImage image = shot(*grid);
    QCOMPARE(defaultDrawing, filled);
    QTEST(customs == 1, "custom");
    QTEST(inked(image, QRect(0, 0, 30, 16)), "text");
    if (customs) {
        QCOMPARE(customRect, TRect(0, 0, 80, 16));
        QCOMPARE(at(image, 60, 8), clLime);
        // ... clipped to the cell.
        QCOMPARE(at(image, 100, 8), kWindow);
    }
    // Custom only: neither the fill nor the text is the grid's.
    QCOMPARE(at(image, 30, 8) == clYellow, filled);
}

void TestDgGridPaint::eventsPerCellInOrder() {
    auto grid = makeGrid(GO::goGrid, 2);
    grid->SetAppearanceOptions(grid->AppearanceOptions() | AO::aoBoldTextSelection | AO::aoHintMarks);
    grid->Columns()->ColumnItem(2)->SetVisible(false);
    grid->Columns()->ColumnItem(1)->SetDrawingOptions(TDrawingOptions::doCustom);
    grid->AssignSelectedCell(1, 0);
    QVERIFY(focus(*grid));
    QCoreApplication::processEvents();
    QStringList log;
    const auto stateText = [](TCellState s) {
        return u"%1%2%3"_s.arg(s.testFlag(TCellStateItem::csSelected) ? u"S"_s : QString())
            .arg(s.testFlag(TCellStateItem::csBoldTextSelection) ? u"B"_s : QString())
            .arg(s.testFlag(TCellStateItem::csFocused) ? u"F"_s : QString());
    };
    grid->OnCellColoring = [&](QObject*, int c, int r, TColor&, TColor&, TCellState s) {
        if (r < 2)
            log << u"color %1,%2 %3"_s.arg(c).arg(r).arg(stateText(s));
    };
    grid->OnDrawCellBackground = [&](QObject*, int c, int r, const TRect&, TCellState, bool&) {
        if (r < 2)
            log << u"back %1,%2"_s.arg(c).arg(r);
    };
    grid->OnCellHint = [&](QObject*, int c, int r, QString&) { log << u"hint %1,%2"_s.arg(c).arg(r); };
    grid->OnCustomDrawCell = [&](QObject*, int c, int r, const TRect&, TCellState) {
        log << u"custom %1,%2"_s.arg(c).arg(r);
    };
    int posts = 0;
    grid->OnPostDraw = [&](QObject*) { ++posts; };
    shot(*grid);
    QCOMPARE(log,
             (QStringList{u"color 0,0 F"_s, u"back 0,0"_s, u"hint 0,0"_s, u"color 1,0 SBF"_s, u"back 1,0"_s,
                          u"hint 1,0"_s, u"custom 1,0"_s, u"color 0,1 F"_s, u"back 0,1"_s, u"hint 0,1"_s,
                          u"color 1,1 F"_s, u"back 1,1"_s, u"hint 1,1"_s, u"custom 1,1"_s}));
    QCOMPARE(posts, 1);
}

void TestDgGridPaint::noIndicatorMarkWhileTheInputLineIsSelected() {
    auto grid = makeGrid(GO::goIndicator | GO::goInput | GO::goSelectFullRow);
    grid->AssignSelectedCell(0, 1);
    grid->rows[1].selected = true;
    const auto indicator = [&](const QImage& image, int row) {
        return image.copy(0, grid->GetRowTop(row), 12, 16);
    };
    QImage image = shot(*grid);
    QVERIFY(indicator(image, 1) != indicator(image, 2));
    grid->setInputSelected(true);
    image = shot(*grid);
    QCOMPARE(indicator(image, 1), indicator(image, 2));
}

void TestDgGridPaint::onlyCellsInTheDirtyRectanglePaint() {
    auto grid = makeGrid(GO::goGrid, 5);
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    QCoreApplication::processEvents();
    QStringList painted;
    grid->OnCellColoring = [&](QObject*, int c, int r, TColor&, TColor&, TCellState) {
        painted << u"%1,%2"_s.arg(c).arg(r);
    };
    grid->RefreshRect(TRect(85, 36, 150, 45));
    QCoreApplication::processEvents();
    QCOMPARE(painted, QStringList{u"1,2"_s});
    painted.clear();
    // A cell's refresh takes the line under it, which runs one pixel into the next cell; the cell before
    // draws its own line up to the first pixel of this one.
    grid->RefreshCell(1, 2);
    QCoreApplication::processEvents();
    QCOMPARE(painted, (QStringList{u"0,2"_s, u"1,2"_s, u"2,2"_s}));
    painted.clear();
    grid->RefreshRow(3, true);
    QCoreApplication::processEvents();
    QCOMPARE(painted, (QStringList{u"0,3"_s, u"1,3"_s, u"2,3"_s}));
}

void TestDgGridPaint::captionOfAnEmptyGrid() {
    auto grid = makeGrid(GO::goHeader, 0);
    grid->SetCaption(u"Keine Daten vorhanden"_s);
    int emptyRows = 0;
    grid->OnCellColoring = [&](QObject*, int c, int, TColor&, TColor&, TCellState s) {
        if (c == 0 && s.testFlag(TCellStateItem::csEmpty))
            ++emptyRows;
    };
    const QImage image = shot(*grid);
    const int height = grid->Canvas.TextHeight(u"Keine"_s);
    QVERIFY(inked(image, QRect(0, 22, 300, height)));
    QVERIFY(!inked(image, QRect(0, 22 + height, 300, 200 - 22 - height)));
    // Centred across the client.
    QVERIFY(!inked(image, QRect(0, 22, 60, height)));
    QVERIFY(!inked(image, QRect(240, 22, 60, height)));
    QCOMPARE(emptyRows, 12);
    grid->setRows(1);
    QVERIFY(!inked(shot(*grid), QRect(40, 40, 200, height)));
}

void TestDgGridPaint::selectedSlideKeepsColourAndGetsDoubleFrame() {
    auto grid = makeGrid(GO::goGrid);
    grid->SetGridStyle(TGridStyle::gsSlides);
    grid->SetColor(clAqua);
    grid->AssignSelectedCell(0, 0);
    grid->rows[0].selected = true;
    grid->Columns()->ColumnItem(1)->SlideBounds()->SetTop(30);
    grid->Columns()->ColumnItem(2)->SlideBounds()->SetTop(50);
    QVERIFY(focus(*grid));
    QCoreApplication::processEvents();
    QStringList slides;
    grid->OnSlideColoring = [&](QObject*, int index, TColor& color, TColor&, TSlideState state) {
        slides << u"%1 %2 %3"_s.arg(index).arg(color, 6, 16).arg(state.toInt());
    };
    const QImage image = shot(*grid);
    // Two slides of 80 and a line fit 200 pixels, the third starts at 162.
    QCOMPARE(slides, (QStringList{u"0 ffff00 3"_s, u"1 ffff00 0"_s, u"2 ffff00 0"_s}));
    // Cells stand at their slide bounds: 8, 8, 80 x 16 (the last probe).
    const Probes probes{{1, 40, kHighlight}, {2, 40, kHighlight}, {3, 40, clAqua},     {150, 78, kHighlight},
                        {150, 80, kFace},    {1, 120, clAqua},    {60, 12, kHighlight}};
    QCOMPARE(probeFailures(image, probes), QString());
}

void TestDgGridPaint::focusFrameOfFarRowWalksNoFurtherThanThePage() {
    auto grid = makeGrid(GO::goSelectFullRow, 20000);
    grid->AssignSelectedCell(0, 19999);
    grid->rows[19999].selected = true;
    QVERIFY(focus(*grid));
    QCoreApplication::processEvents();
    grid->outsideReads = 0;
    grid->rowQueries = 0;
    shot(*grid);
    QCOMPARE(grid->outsideReads, 0);
    QVERIFY2(grid->rowQueries < 1000, qPrintable(QString::number(grid->rowQueries)));
    QCOMPARE(grid->LastPaintedRow(), 13);
    grid->ScrollToRow(19999);
    QCOMPARE(grid->TopRow(), 20000 - 12);
    const QImage image = shot(*grid);
    QCOMPARE(at(image, 230, 11 * 16 + 8), kHighlight);
}

void TestDgGridPaint::headerCaptionStaysInItsCell() {
    auto grid = makeGrid(GO::goHeader | GO::goIndicator, 3);
    TDgColumns* columns = grid->Columns();
    columns->ColumnItem(0)->Header()->SetCaption(QString());
    // A narrow, centred, sorted column with a long caption right of an empty header.
    TDgCustomColumn* narrow = columns->ColumnItem(1);
    narrow->Header()->SetCaption(u"Ein sehr langer Spaltenkopf"_s);
    narrow->Header()->SetAlignment(TAlignment::taCenter);
    narrow->SetWidth(30);
    narrow->SetSorted(true);
    const QImage image = shot(*grid);
    QVERIFY(!inked(image, QRect(14, 3, 76, 11)));
    QVERIFY(inked(image, QRect(93, 3, 28, 11)));
}

void TestDgGridPaint::scrolledPixelsMatchAFreshPaint_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("fullRow");
    // Rows of 17 pixels: three of them move the focus frame's dots by an odd distance.
    for (const bool fullRow : {false, true}) {
        const char* suffix = fullRow ? ", full row" : "";
        QTest::addRow("vertical%s", suffix) << u"vertical"_s << fullRow;
        QTest::addRow("horizontal%s", suffix) << u"horizontal"_s << fullRow;
        QTest::addRow("column wider%s", suffix) << u"wider"_s << fullRow;
        QTest::addRow("column narrower%s", suffix) << u"narrower"_s << fullRow;
    }
}

void TestDgGridPaint::scrolledPixelsMatchAFreshPaint() {
    QFETCH(QString, action);
    auto grid = makeGrid(GO::goGrid | GO::goIndicator | GO::goHeader | GO::goFooter | GO::goInput, 50);
    grid->SetFixedCols(1);
    for (int i = 0; i < 3; ++i)
        grid->addTextColumn(u"W%1"_s.arg(i), 70);
    grid->setRows(50);
    QFETCH(bool, fullRow);
    if (fullRow)
        grid->SetOptions(grid->Options() | GO::goSelectFullRow);
    grid->AssignSelectedCell(1, 6);
    grid->rows[6].selected = true;
    QVERIFY(focus(*grid));
    QCoreApplication::processEvents();
    if (action == u"vertical"_s)
        grid->VertScrollBar()->MoveBy(3);
    else if (action == u"horizontal"_s)
        grid->HorzScrollBar()->MoveBy(37);
    else
        grid->Columns()->ColumnItem(1)->SetWidth(action == u"wider"_s ? 113 : 41);
    QCoreApplication::processEvents();
    // What the window shows after moving pixels is what a full repaint shows.
    QWindow* window = grid->windowHandle();
    const QImage shown =
        window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage fresh = shot(*grid);
    QCOMPARE(shown.copy(0, 0, grid->ClientWidth(), grid->ClientHeight()),
             fresh.copy(0, 0, grid->ClientWidth(), grid->ClientHeight()));
}

QTEST_MAIN(TestDgGridPaint)
#include "tst_dggridpaint.moc"
