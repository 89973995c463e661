// The grid engine's geometry, scroll ranges and deltas, column notifications, update bracket and teardown,
// on a grid over a vector of rows.
#include "VectorGrid.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgEdit.h"
#include "grid/DgStyleDisplays.h"
#include "platform/Themes.h"

#include <QtTest>
#include <memory>

using namespace grid;
using namespace platform;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(grid::TGridOptions)
Q_DECLARE_METATYPE(grid::TAppearanceOptions)
Q_DECLARE_METATYPE(grid::TGridLinesStyle)
Q_DECLARE_METATYPE(platform::TRect)

namespace {

using GO = TGridOption;

/// A 300 x 200 client without border, three 80-pixel columns.
std::unique_ptr<VectorGrid> makeGrid(TGridOptions options = GO::goHeader, int rows = 0) {
    return makeVectorGrid(options, rows);
}

/// Bar position equals the shown rows above TopRow: the invariant of every vertical scroll.
int shownAbove(VectorGrid& grid) {
    int count = 0;
    for (int i = 0; i < grid.TopRow(); ++i)
        count += grid.rows[static_cast<size_t>(i)].visible ? 1 : 0;
    return count;
}

} // namespace

class TestDgGridLayout : public QObject {
    Q_OBJECT
private slots:
    void lineSizes_data();
    void lineSizes();
    void bands_data();
    void bands();
    void rowTops_data();
    void rowTops();
    void pageRowCount_data();
    void pageRowCount();
    void verticalBarFollowsRows();
    void scrollingKeepsPositionInvariant_data();
    void scrollingKeepsPositionInvariant();
    void rowsLeavingThePageRefillIt_data();
    void rowsLeavingThePageRefillIt();
    void scrollToRowBringsRowOntoPage_data();
    void scrollToRowBringsRowOntoPage();
    void horizontalBar();
    void scrollToColumn();
    void columnNotificationsReachEvents();
    void sortedColumnForgottenWhenUnsortedOrFreed();
    void updateBracketHoldsColumnRepaints();
    void plainProperties();
    void gridTextFillsEveryCharacter();
    void rowAboveTopHidesEditorAndKeepsPage();
    void freeingGridWithSortedColumnAndOpenEditor();
    void freedEditorAndColumnLeaveNoDanglingReference();
    void autoSizeColumnMeasuresHeaderAndCells();
    void invalidationsAreNarrow_data();
    void invalidationsAreNarrow();
};

void TestDgGridLayout::lineSizes_data() {
    QTest::addColumn<TGridOptions>("options");
    QTest::addColumn<TAppearanceOptions>("appearance");
    QTest::addColumn<TGridLinesStyle>("style");
    QTest::addColumn<QList<int>>("expected");
    using LS = TGridLinesStyle;
    const TGridOptions grid = GO::goGrid;
    const TAppearanceOptions lines3D = TAppearanceOption::ao3DGridLines;
    QTest::newRow("no goGrid") << TGridOptions() << lines3D << LS::lsNormal << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("normal") << grid << TAppearanceOptions() << LS::lsNormal << QList<int>{0, 0, 1, 1, 1};
    QTest::newRow("normal 3D") << grid << lines3D << LS::lsNormal << QList<int>{1, 1, 1, 1, 2};
    QTest::newRow("framed 3D") << grid << lines3D << LS::lsFramed << QList<int>{1, 1, 1, 1, 2};
    QTest::newRow("active rows 3D") << grid << lines3D << LS::lsActiveRows << QList<int>{1, 1, 1, 1, 2};
    QTest::newRow("horizontal only") << grid << TAppearanceOptions() << LS::lsHorizontalOnly
                                     << QList<int>{0, 0, 0, 1, 1};
    QTest::newRow("horizontal only 3D")
        << grid << lines3D << LS::lsHorizontalOnly << QList<int>{0, 1, 0, 1, 2};
    QTest::newRow("active horz 3D") << grid << lines3D << LS::lsActiveHorzOnly << QList<int>{0, 1, 0, 1, 2};
    QTest::newRow("vertical only") << grid << TAppearanceOptions() << LS::lsVerticalOnly
                                   << QList<int>{0, 0, 1, 0, 0};
    QTest::newRow("vertical only 3D") << grid << lines3D << LS::lsVerticalOnly << QList<int>{1, 0, 1, 0, 0};
}

void TestDgGridLayout::lineSizes() {
    QFETCH(TGridOptions, options);
    QFETCH(TAppearanceOptions, appearance);
    QFETCH(TGridLinesStyle, style);
    QFETCH(QList<int>, expected);
    auto grid = makeGrid();
    // Every setter recomputes the sizes, in any order.
    grid->SetGridLinesStyle(style);
    grid->SetAppearanceOptions(appearance);
    grid->SetOptions(options);
    const auto& sizes = grid->LineSizes();
    QCOMPARE(QList<int>(sizes.begin(), sizes.end()), expected);
}

void TestDgGridLayout::bands_data() {
    QTest::addColumn<TGridOptions>("options");
    QTest::addColumn<bool>("slides");
    QTest::addColumn<TRect>("header");
    QTest::addColumn<TRect>("input");
    QTest::addColumn<TRect>("cells");
    QTest::addColumn<TRect>("footer");
    const TGridOptions h = GO::goHeader;
    QTest::newRow("header") << h << false << TRect(0, 0, 240, 18) << TRect(0, 18, 240, 40)
                            << TRect(0, 18, 240, 200) << TRect(0, 178, 240, 200);
    QTest::newRow("indicator") << (h | GO::goIndicator) << false << TRect(12, 0, 252, 18)
                               << TRect(12, 18, 252, 40) << TRect(12, 18, 252, 200)
                               << TRect(12, 178, 252, 200);
    QTest::newRow("input with lines")
        << (h | GO::goInput | GO::goGrid) << false << TRect(0, 0, 240, 18) << TRect(0, 18, 240, 41)
        << TRect(0, 41, 240, 200) << TRect(0, 177, 240, 200);
    QTest::newRow("input and footer, no header")
        << (GO::goInput | GO::goFooter) << false << TRect(0, 0, 240, 18) << TRect(0, 0, 240, 22)
        << TRect(0, 22, 240, 178) << TRect(0, 178, 240, 200);
    QTest::newRow("all bands") << (h | GO::goInput | GO::goFooter | GO::goIndicator | GO::goGrid) << false
                               << TRect(12, 0, 252, 18) << TRect(12, 18, 252, 41) << TRect(12, 41, 252, 177)
                               << TRect(12, 177, 252, 200);
    QTest::newRow("slides") << (h | GO::goInput | GO::goFooter | GO::goIndicator) << true
                            << TRect(0, 0, 240, 18) << TRect(0, 18, 240, 40) << TRect(0, 18, 300, 200)
                            << TRect();
}

void TestDgGridLayout::bands() {
    QFETCH(TGridOptions, options);
    QFETCH(bool, slides);
    auto grid = makeGrid(options);
    if (slides)
        grid->SetGridStyle(TGridStyle::gsSlides);
    QCOMPARE(grid->ClientWidth(), 300);
    QTEST(grid->GetHeaderRect(), "header");
    QTEST(grid->GetInputRect(), "input");
    QTEST(grid->GetCellsRect(), "cells");
    QTEST(grid->GetFooterRect(), "footer");
    // The columns stand right of the indicator in report style only.
    const int indicator = !slides && options.testFlag(GO::goIndicator) ? 12 : 0;
    QCOMPARE(grid->Columns()->ColumnItem(1)->Left(), indicator + 80);
    QCOMPARE(grid->GetColumnsAreaWidth(), 300 - indicator);
    QCOMPARE(
        grid->GetInputCellRect(grid->Columns()->ColumnItem(2)),
        TRect(indicator + 160, grid->GetInputRect().Top, indicator + 240, grid->GetInputRect().Top + 16));
}

void TestDgGridLayout::rowTops_data() {
    QTest::addColumn<TGridOptions>("options");
    QTest::addColumn<int>("topRow");
    QTest::addColumn<QList<int>>("rowsAsked");
    QTest::addColumn<QList<int>>("tops");
    // Ten rows of 16; row 2 is 30 high, row 4 hidden; the cells area runs from 18 to 200.
    QTest::newRow("from the first row") << TGridOptions(GO::goHeader) << 0 << QList<int>{0, 1, 2, 3, 4, 5, 9}
                                        << QList<int>{18, 34, 50, 80, 96, 96, 160};
    QTest::newRow("beyond RowCount take RowSize")
        << TGridOptions(GO::goHeader) << 0 << QList<int>{10, 11} << QList<int>{176, 192};
    QTest::newRow("with 3D lines") << (GO::goHeader | GO::goGrid) << 0 << QList<int>{0, 1, 3}
                                   << QList<int>{18, 36, 86};
    QTest::newRow("scrolled") << TGridOptions(GO::goHeader) << 3 << QList<int>{3, 5, 6}
                              << QList<int>{18, 34, 50};
    QTest::newRow("above TopRow lies above the area")
        << TGridOptions(GO::goHeader) << 3 << QList<int>{2, 0, -1} << QList<int>{-12, -44, -44};
}

void TestDgGridLayout::rowTops() {
    QFETCH(TGridOptions, options);
    QFETCH(int, topRow);
    QFETCH(QList<int>, rowsAsked);
    QFETCH(QList<int>, tops);
    auto grid = makeGrid(options, 10);
    if (options.testFlag(GO::goGrid))
        grid->SetAppearanceOptions(TAppearanceOption::ao3DGridLines);
    grid->rows[2].height = 30;
    grid->setRowShown(4, false);
    grid->setTopRowDirect(topRow);
    QList<int> got;
    for (const int row : rowsAsked) {
        got << grid->GetRowTop(row) - (options.testFlag(GO::goGrid) ? 1 : 0);
        grid->RefreshRowIndicator(row);
    }
    QCOMPARE(got, tops);
    QCOMPARE(grid->outsideReads, 0);
}

void TestDgGridLayout::pageRowCount_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("topRow");
    QTest::addColumn<bool>("lines");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("filledUp");
    // 182 pixels of cells: eleven rows of 16, ten of 17.
    QTest::newRow("many rows") << 20 << 0 << false << 11 << 11;
    QTest::newRow("few rows") << 5 << 0 << false << 5 << 5;
    QTest::newRow("few rows scrolled") << 5 << 3 << false << 2 << 5;
    QTest::newRow("end of many rows") << 20 << 15 << false << 5 << 11;
    QTest::newRow("with lines") << 20 << 0 << true << 10 << 10;
}

void TestDgGridLayout::pageRowCount() {
    QFETCH(int, rows);
    QFETCH(int, topRow);
    QFETCH(bool, lines);
    auto grid = makeGrid(lines ? GO::goHeader | GO::goGrid : TGridOptions(GO::goHeader), rows);
    grid->setTopRowDirect(topRow);
    QTEST(grid->GetPageRowCount(false), "page");
    QTEST(grid->GetPageRowCount(true), "filledUp");
}

void TestDgGridLayout::verticalBarFollowsRows() {
    auto grid = makeGrid(GO::goHeader, 5);
    TDgScrollBar* bar = grid->VertScrollBar();
    QCOMPARE(bar->Max(), 0);
    QVERIFY(!bar->BarShown());
    grid->setRows(20);
    QCOMPARE(bar->Max(), 20);
    QCOMPARE(bar->PageSize(), 12);
    QCOMPARE(bar->LargeChange(), 12);
    QVERIFY(bar->BarShown());
    // Without columns there is nothing to scroll to, whatever the rows.
    QCOMPARE(grid->GetVertScrollMax(), 20);
    auto bare = std::make_unique<VectorGrid>();
    bare->setRows(4);
    QCOMPARE(bare->GetVertScrollMax(), 0);
    // Back to rows that fit: the grid returns to the first row and the bar hides.
    bar->SetPosition(6);
    QCOMPARE(grid->TopRow(), 6);
    grid->setRows(5);
    QCOMPARE(bar->Max(), 0);
    QCOMPARE(grid->TopRow(), 0);
    QVERIFY(!bar->BarShown());
    // Eleven rows just fit; a footer set inside the update bracket takes a row's room, and the bracket's
    // end gives the bar its range.
    grid->setRows(11);
    QCOMPARE(bar->Max(), 0);
    grid->BeginUpdate();
    grid->SetOptions(GO::goHeader | GO::goFooter);
    grid->EndUpdate();
    QCOMPARE(bar->Max(), 11);
    QCOMPARE(bar->PageSize(), 11);
}

void TestDgGridLayout::scrollingKeepsPositionInvariant_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("topRow");
    QTest::newRow("lines down and up") << QStringList{u"down"_s, u"down"_s, u"down"_s, u"up"_s} << 2;
    QTest::newRow("over the hidden rows") << QStringList{u"down"_s, u"down"_s, u"down"_s, u"down"_s} << 7;
    QTest::newRow("page down") << QStringList{u"pagedown"_s} << 16;
    QTest::newRow("page down, line up") << QStringList{u"pagedown"_s, u"up"_s, u"up"_s} << 14;
    QTest::newRow("bottom") << QStringList{u"bottom"_s} << 29;
    QTest::newRow("bottom, then top") << QStringList{u"bottom"_s, u"top"_s} << 0;
    QTest::newRow("scroll to a row") << QStringList{u"row 30"_s, u"row 1"_s} << 1;
}

void TestDgGridLayout::scrollingKeepsPositionInvariant() {
    QFETCH(QStringList, steps);
    auto grid = makeGrid(GO::goHeader, 40);
    for (const int hidden : {3, 4, 5, 12})
        grid->setRowShown(hidden, false);
    TDgScrollBar* bar = grid->VertScrollBar();
    for (const QString& step : steps) {
        if (step == u"down"_s)
            bar->LineDown();
        else if (step == u"up"_s)
            bar->LineUp();
        else if (step == u"pagedown"_s)
            bar->PageDown();
        else if (step == u"bottom"_s)
            grid->WMVScroll(SB_BOTTOM);
        else if (step == u"top"_s)
            grid->WMVScroll(SB_TOP);
        else
            grid->ScrollToRow(step.mid(4).toInt());
        QCOMPARE(bar->Position(), shownAbove(*grid));
        QVERIFY(grid->RowVisible(grid->TopRow()));
    }
    QTEST(grid->TopRow(), "topRow");
    QCOMPARE(grid->outsideReads, 0);
}

void TestDgGridLayout::rowsLeavingThePageRefillIt_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("topRow");
    QTest::addColumn<int>("max");
    // 100 rows scrolled to the end (TopRow 89); eleven rows fill the page.
    QTest::newRow("half deleted") << u"delete 50"_s << 39 << 50;
    QTest::newRow("all but three deleted") << u"delete 97"_s << 0 << 0;
    QTest::newRow("page rows deleted") << u"delete 5"_s << 84 << 95;
    QTest::newRow("rows below hidden") << u"hide 60"_s << 49 << 60;
    QTest::newRow("nothing left the page") << u"none"_s << 89 << 100;
}

void TestDgGridLayout::rowsLeavingThePageRefillIt() {
    QFETCH(QString, change);
    auto grid = makeGrid(GO::goHeader, 100);
    grid->ScrollToRow(99);
    QCOMPARE(grid->TopRow(), 89);
    const int count = change.section(u' ', 1).toInt();
    if (change.startsWith(u"delete"_s)) {
        grid->removeLastRows(count);
    } else if (change.startsWith(u"hide"_s)) {
        for (int row = count; row < 100; ++row)
            grid->rows[static_cast<size_t>(row)].visible = false;
        grid->setRowShown(count, false);
    } else {
        grid->UpdateVertScrollBar();
    }
    QTEST(grid->TopRow(), "topRow");
    QTEST(grid->VertScrollBar()->Max(), "max");
    QCOMPARE(grid->VertScrollBar()->Position(), shownAbove(*grid));
    // The page is full again, up to the last shown row.
    const int shown = grid->GetVisibleRowCount();
    QCOMPARE(grid->GetPageRowCount(false), std::min(shown, 11));
    grid->VertScrollBar()->LineUp();
    QCOMPARE(grid->VertScrollBar()->Position(), shownAbove(*grid));
}

void TestDgGridLayout::scrollToRowBringsRowOntoPage_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("topRow");
    QTest::addColumn<int>("scrolled");
    QTest::newRow("on the page") << 0 << 10 << 0 << 0;
    QTest::newRow("below: last on the page") << 0 << 20 << 10 << 10;
    QTest::newRow("far below") << 0 << 99 << 89 << 89;
    QTest::newRow("above: first on the page") << 50 << 20 << 20 << -30;
}

void TestDgGridLayout::scrollToRowBringsRowOntoPage() {
    QFETCH(int, start);
    QFETCH(int, row);
    auto grid = makeGrid(GO::goHeader, 100);
    grid->VertScrollBar()->SetPosition(start);
    QCOMPARE(grid->TopRow(), start);
    grid->ScrollToRow(row);
    QTEST(grid->TopRow(), "topRow");
    const int scrolled = grid->TopRow() - start;
    QTEST(scrolled, "scrolled");
    const int page = grid->GetPageRowCount(false);
    QVERIFY(row >= grid->TopRow() && row <= grid->RowAtDistance(page));
    QCOMPARE(grid->VertScrollBar()->Position(), grid->TopRow());
}

void TestDgGridLayout::horizontalBar() {
    auto grid = makeGrid(GO::goHeader | GO::goIndicator, 3);
    TDgScrollBar* bar = grid->HorzScrollBar();
    QVERIFY(!bar->BarShown());
    grid->addTextColumn(u"D"_s, 200);
    // 440 pixels of columns and the indicator in a 300-pixel client.
    QCOMPARE(bar->Max(), 452);
    QCOMPARE(bar->PageSize(), 301);
    QCOMPARE(bar->LargeChange(), 291);
    QVERIFY(bar->BarShown());
    QCOMPARE(grid->GetHorzScrollMax(), 440 - 288);
    QCOMPARE(grid->GetCellsRect().Right, 300);
    grid->WMHScroll(SB_BOTTOM);
    QCOMPARE(grid->HorzScrollPosition(), 152);
    QCOMPARE(grid->Columns()->ColumnItem(3)->ClientLeft(), 252 - 152);
    QCOMPARE(grid->GetHorzScrollDelta(10, 40), -30);
    // A client narrower than the 10 pixels kept from a page still moves a page by one pixel.
    grid->resize(5, 200);
    QCOMPARE(bar->LargeChange(), 1);
    // Slides have no horizontal bar.
    grid->resize(300, 200);
    grid->SetGridStyle(TGridStyle::gsSlides);
    QVERIFY(!bar->BarShown());
    QCOMPARE(grid->HorzScrollPosition(), 0);
}

void TestDgGridLayout::scrollToColumn() {
    auto grid = makeGrid(GO::goHeader, 3);
    for (int i = 0; i < 3; ++i)
        grid->addTextColumn(u"X%1"_s.arg(i), 100);
    grid->SetFixedCols(1);
    TDgColumns* columns = grid->Columns();
    grid->ScrollToColumn(columns->ColumnItem(5));
    QCOMPARE(grid->HorzScrollPosition(), 540 - grid->ClientWidth());
    // A column hidden under the fixed one comes out right of it.
    grid->ScrollToColumn(columns->ColumnItem(1));
    QCOMPARE(columns->ColumnItem(1)->ClientLeft(), grid->GetScrollableRect().Left);
    const int before = grid->HorzScrollPosition();
    grid->ScrollToColumn(columns->ColumnItem(0));
    QCOMPARE(grid->HorzScrollPosition(), before);
}

void TestDgGridLayout::columnNotificationsReachEvents() {
    auto grid = makeGrid(GO::goHeader, 3);
    QStringList log;
    grid->OnColumnMove = [&](QObject*, int col, int from, int to) {
        log << u"move %1 %2 %3"_s.arg(col).arg(from).arg(to);
    };
    grid->OnColumnResize = [&](QObject*, int col) { log << u"resize %1"_s.arg(col); };
    grid->OnSlideChange = [&](QObject*, int col) { log << u"slide %1"_s.arg(col); };
    grid->OnSortColumn = [&](QObject*, int col, bool ascending) {
        log << u"sort %1 %2"_s.arg(col).arg(int(ascending));
    };
    TDgColumns* columns = grid->Columns();
    columns->MoveColumn(0, 2);
    columns->ColumnItem(1)->SetWidth(120);
    QCOMPARE(grid->HorzScrollBar()->Max(), 280);
    columns->ColumnItem(2)->SlideBounds()->SetTop(20);
    columns->ColumnItem(1)->SetSorted(true);
    columns->ColumnItem(1)->SetSortKind(TSortKind::skDescending);
    columns->ColumnItem(0)->SetSortKind(TSortKind::skDescending);
    QCOMPARE(log, (QStringList{u"move 0 0 2"_s, u"resize 1"_s, u"slide 2"_s, u"sort 1 1"_s, u"sort 1 0"_s}));
    // A column that cannot sort asks for nothing.
    log.clear();
    columns->ColumnItem(0)->SetOptions(columns->ColumnItem(0)->Options() &
                                       ~TColumnOptions(TColumnOption::coCanSort));
    columns->ColumnItem(0)->SetSorted(true);
    QCOMPARE(log, QStringList());
}

void TestDgGridLayout::sortedColumnForgottenWhenUnsortedOrFreed() {
    auto grid = makeGrid(GO::goHeader, 3);
    TDgCustomColumn* column = grid->Columns()->ColumnItem(1);
    column->SetSorted(true);
    QCOMPARE(grid->LastSortedColumn(), column);
    column->SetSorted(false);
    QCOMPARE(grid->LastSortedColumn(), nullptr);
    column->SetSorted(true);
    delete column;
    QCOMPARE(grid->LastSortedColumn(), nullptr);
    QCOMPARE(grid->rows[0].texts, (QStringList{u"0,0"_s, u"2,0"_s}));
    QCOMPARE(grid->grab().isNull(), false);
}

void TestDgGridLayout::updateBracketHoldsColumnRepaints() {
    auto grid = makeGrid(GO::goHeader | GO::goFooter, 3);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    int paints = 0;
    grid->OnPostDraw = [&](QObject*) { ++paints; };
    QCoreApplication::processEvents();
    paints = 0;
    grid->BeginUpdate();
    grid->Columns()->ColumnItem(0)->SetColor(clRed);
    QCoreApplication::processEvents();
    QCOMPARE(paints, 0);
    grid->EndUpdate();
    QCoreApplication::processEvents();
    QCOMPARE(paints, 1);
    // More ends than begins: the count stays at 0 and the bands still repaint.
    grid->EndUpdate();
    QCOMPARE(grid->UpdateCount(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(paints, 2);
}

void TestDgGridLayout::plainProperties() {
    auto grid = makeGrid(GO::goHeader, 3);
    grid->SetRowSize(0);
    QCOMPARE(grid->RowSize(), 16);
    grid->SetRowSize(20);
    QCOMPARE(grid->RowSize(), 20);
    grid->SetVersion(u"9.9"_s);
    QCOMPARE(grid->Version(), u"4.5"_s);
    QCOMPARE(grid->width(), 300);
    auto fresh = std::make_unique<VectorGrid>();
    QCOMPARE(fresh->size(), QSize(250, 150));
    QCOMPARE(fresh->SelectedRow(), -1);
    QCOMPARE(fresh->StyleDisplay(), fresh->StyleDisplayOf(THeaderStyle::hsAuto));
    fresh->SetHeaderStyle(THeaderStyle::hsVista);
    QCOMPARE(fresh->StyleDisplay(), fresh->StyleDisplayOf(THeaderStyle::hsVista));
    QCOMPARE(fresh->StyleDisplay()->Canvas, &fresh->Canvas);
}

void TestDgGridLayout::gridTextFillsEveryCharacter() {
    auto grid = makeGrid(GO::goHeader, 2);
    QCOMPARE(grid->GetGridText(), u"0,0\r\n1,0\r\n2,0\r\n0,1\r\n1,1\r\n2,1\r\n"_s);
}

void TestDgGridLayout::rowAboveTopHidesEditorAndKeepsPage() {
    auto grid = makeGrid(GO::goHeader, 40);
    auto* edit = new TDgEdit();
    grid->ScrollToRow(30);
    const int top = grid->TopRow();
    grid->openEditor(edit, 0, 2);
    QVERIFY(grid->GetRowTop(2) < grid->GetCellsRect().Top);
    QVERIFY(edit->isHidden());
    grid->openEditor(edit, 0, top + 1);
    QVERIFY(!edit->isHidden());
    QCOMPARE(edit->geometry(), QRect(1, 18 + 16 + 1, 80 - 1 - 2, 14));
    // A row far below the page has no place either; its top is not searched for beyond the page.
    grid->openEditor(edit, 1, 39);
    QVERIFY(edit->isHidden());
    QVERIFY(grid->GetRowTop(39) >= grid->GetCellsRect().Bottom);
    grid->SetRowHeight(2, 40);
    QCOMPARE(grid->TopRow(), top);
    QCOMPARE(grid->VertScrollBar()->Position(), top);
}

void TestDgGridLayout::freeingGridWithSortedColumnAndOpenEditor() {
    auto grid = makeGrid(GO::goHeader | GO::goFooter | GO::goInput, 5);
    grid->Columns()->ColumnItem(2)->SetSorted(true);
    auto* column = static_cast<TDgTextColumn*>(grid->Columns()->ColumnItem(2));
    TDgCustomEdit* own = column->Editor();
    QVERIFY(own);
    grid->openEditor(own, 2, 1);
    QCOMPARE(grid->InplaceEditor(), own);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    QVERIFY(!grid->grab().isNull());
    // The address sanitizer watches the teardown: columns, their editor, the rows.
    grid.reset();
}

void TestDgGridLayout::freedEditorAndColumnLeaveNoDanglingReference() {
    auto grid = makeGrid(GO::goHeader, 5);
    auto* form = new TDgEdit();
    grid->Columns()->ColumnItem(0)->SetInplaceEdit(form);
    grid->openEditor(form, 0, 1);
    delete form;
    QCOMPARE(grid->InplaceEditor(), nullptr);
    QCOMPARE(grid->Columns()->ColumnItem(0)->InplaceEdit(), nullptr);
    grid->PlaceInplaceEdit();
    TDgCustomColumn* column = grid->Columns()->ColumnItem(1);
    grid->openEditor(static_cast<TDgTextColumn*>(column)->Editor(), 1, 0);
    delete column;
    QCOMPARE(grid->InplaceEditor(), nullptr);
    QVERIFY(!grid->CellEditing());
    QVERIFY(!grid->grab().isNull());
}

void TestDgGridLayout::autoSizeColumnMeasuresHeaderAndCells() {
    SetThemeActive(false);
    auto grid = makeGrid(GO::goHeader, 3);
    grid->rows[1].texts[0] = u"a much longer text than the others"_s;
    grid->setRowShown(2, false);
    int colorings = 0;
    grid->OnCellColoring = [&](QObject*, int, int, TColor&, TColor&, TCellState) { ++colorings; };
    TDgCustomColumn* column = grid->Columns()->ColumnItem(0);
    const int textWidth = grid->Canvas.TextWidth(u"a much longer text than the others"_s);
    grid->AutoSizeColumn(0, 1, 5);
    QCOMPARE(column->Width(), textWidth + 5);
    QCOMPARE(colorings, 2);
    // Only the header: the caption's width.
    grid->AutoSizeColumn(0, 2, 0);
    QCOMPARE(column->Width(),
             std::max(grid->StyleDisplay()->GetHeaderContentWidth(*column), column->MinWidth()));
    QVERIFY(column->Width() < textWidth);
    grid->rows[0].texts[1] = u"two\nlines"_s;
    grid->Columns()->ColumnItem(1)->SetWrapKind(TWrapKind::wkWordWrap);
    int height = 0;
    grid->OnChangeRowHeight = [&](QObject*, int, int h) { height = h; };
    grid->AutoRowHeight(0);
    QCOMPARE(height, grid->MeasureCellHeight(1, 0));
    QVERIFY(height > 16);
    grid->AutoRowHeight(1);
    QCOMPARE(height, 16);
    SetThemeActive(true);
}

namespace {

/// Collects the regions the viewport is asked to paint.
class PaintRegions : public QObject {
public:
    QRegion region;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

} // namespace

void TestDgGridLayout::invalidationsAreNarrow_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<QRect>>("rects");
    // Indicator 12, header 0..18, input 18..41, cells 41..177 (rows of 16 and a line), footer 177..200.
    QTest::newRow("row") << u"row 2"_s << QList<QRect>{{0, 75, 252, 17}};
    QTest::newRow("row frame") << u"frame 2"_s
                               << QList<QRect>{
                                      {0, 75, 252, 1}, {0, 91, 252, 1}, {0, 76, 1, 15}, {251, 76, 1, 15}};
    QTest::newRow("row off the page") << u"row 9"_s << QList<QRect>{};
    QTest::newRow("row indicator") << u"indicator 2"_s << QList<QRect>{{0, 75, 12, 17}};
    QTest::newRow("row line") << u"line 2"_s << QList<QRect>{{0, 90, 252, 2}};
    QTest::newRow("rows") << u"rows 4 2"_s << QList<QRect>{{0, 75, 252, 51}};
    QTest::newRow("rows to the bottom") << u"from 7 9"_s << QList<QRect>{{0, 160, 252, 17}};
    QTest::newRow("cell") << u"cell 1 2"_s << QList<QRect>{{92, 75, 81, 17}};
    QTest::newRow("cell outside") << u"cell 3 2"_s << QList<QRect>{};
    QTest::newRow("footer") << u"area 2"_s << QList<QRect>{{12, 177, 240, 23}};
    QTest::newRow("input band") << u"area 5"_s << QList<QRect>{{12, 18, 240, 23}};
    QTest::newRow("header of a column") << u"part 1 3"_s << QList<QRect>{{92, 0, 80, 18}};
    QTest::newRow("cells of a column") << u"part 1 1"_s << QList<QRect>{{92, 41, 80, 136}};
    QTest::newRow("input value") << u"input 1"_s << QList<QRect>{{92, 18, 80, 23}};
}

void TestDgGridLayout::invalidationsAreNarrow() {
    QFETCH(QString, action);
    QFETCH(QList<QRect>, rects);
    auto grid = makeGrid(GO::goHeader | GO::goGrid | GO::goIndicator | GO::goFooter | GO::goInput, 10);
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    QCoreApplication::processEvents();
    QCOMPARE(grid->GetCellsRect(), TRect(12, 41, 252, 177));
    PaintRegions regions;
    grid->viewport()->installEventFilter(&regions);
    const QStringList words = action.split(u' ');
    const int a = words.value(1).toInt();
    const int b = words.value(2).toInt();
    if (words[0] == u"row"_s)
        grid->RefreshRow(a, false);
    else if (words[0] == u"frame"_s)
        grid->RefreshRow(a, true);
    else if (words[0] == u"indicator"_s)
        grid->RefreshRowIndicator(a);
    else if (words[0] == u"line"_s)
        grid->RefreshRowLine(a);
    else if (words[0] == u"rows"_s)
        grid->RefreshRows(a, b);
    else if (words[0] == u"from"_s)
        grid->RefreshRowsFrom(a, b);
    else if (words[0] == u"cell"_s)
        grid->RefreshCell(a, b);
    else if (words[0] == u"area"_s)
        grid->RefreshArea(static_cast<TGridArea>(a));
    else if (words[0] == u"part"_s)
        grid->RefreshColumnPart(grid->Columns()->ColumnItem(a), static_cast<ColumnBand>(b));
    else
        grid->Columns()->ColumnItem(a)->SetInputValue(u"neu"_s);
    QCoreApplication::processEvents();
    QRegion expected;
    for (const QRect& r : rects)
        expected += r;
    QCOMPARE(regions.region, expected);
}

QTEST_MAIN(TestDgGridLayout)
#include "tst_dggridlayout.moc"
