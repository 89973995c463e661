// The column collection: positions, Left values, moves, auto-size, removal and teardown with a cell store.
#include "ColumnsGridFake.h"
#include "grid/DgCells.h"
#include "grid/DgColumnClasses.h"
#include "grid/DgColumns.h"
#include "platform/Exceptions.h"

#include <QtTest>
#include <memory>

using namespace grid;
using namespace Qt::StringLiterals;
using namespace platform;

namespace {

TDgTextColumn* addText(TDgColumns& columns, int width = 80) {
    auto* column = new TDgTextColumn;
    column->SetWidth(width);
    columns.AddColumn(column);
    return column;
}

QList<int> lefts(const TDgColumns& columns) {
    QList<int> out;
    for (int i = 0; i < columns.ColumnCount(); ++i)
        out << columns.ColumnItem(i)->Left();
    return out;
}

QList<int> visibleIndexes(const TDgColumns& columns) {
    QList<int> out;
    for (int i = 0; i < columns.ColumnCount(); ++i)
        out << columns.ColumnItem(i)->VisibleIndex();
    return out;
}

/// Index order of the columns at the positions 0, 1, 2 ...
QList<int> screenOrder(const TDgColumns& columns) {
    QList<int> out;
    for (int p = 0; p < columns.ColumnCount(); ++p)
        out << columns.PositionItem(p)->Index();
    return out;
}

/// Every column's Position is its place in the position order, and both lists hold the same columns.
void checkInvariants(const TDgColumns& columns) {
    for (int p = 0; p < columns.ColumnCount(); ++p) {
        TDgCustomColumn* c = columns.PositionItem(p);
        QCOMPARE(c->Position(), p);
        QVERIFY(c->Index() >= 0);
        QCOMPARE(c->Columns(), &columns);
    }
}

/// A grid as the engine will hold its store and columns: the store is declared first, so the columns
/// go first and the store still hears every departure.
struct GridWithStore : ColumnsGridFake {
    TCells store{nullptr, &columns};
    TDgColumns columns{this};

    GridWithStore() {
        onColumnsChanged = [this](ColumnsChange kind, int index) {
            store.ColumnNotify(static_cast<int>(kind), index, -1);
        };
    }
    ~GridWithStore() { destroying = true; }
};

} // namespace

class TestDgColumns : public QObject {
    Q_OBJECT
private slots:
    void placesColumns_data();
    void placesColumns();
    void fixedColumnsAndClientLeft();
    void columnLocation();
    void addNotifiesStoreThenLayout();
    void moveFiresOneChange_data();
    void moveFiresOneChange();
    void badIndexesRaiseListIndexError_data();
    void badIndexesRaiseListIndexError();
    void autoSize_data();
    void autoSize();
    void autoSizeWithZeroTotalSkipsThePass();
    void autoSizeAfterWidthChange();
    void nextAndPreviousSkipDisabledAndHidden();
    void deletingAColumnRenumbers();
    void destroyFreesLastIndexFirst_data();
    void destroyFreesLastIndexFirst();
    void storeFollowsAddsAndDeletes();
    void teardownFreesColumnsBeforeStore();
    void detachedGridHearsNothing();
    void storeRefusingAColumnLeavesCollectionUnchanged();
    void loadedColumnsJoinByStoredPosition();
};

void TestDgColumns::placesColumns_data() {
    QTest::addColumn<bool>("indicator");
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<QList<int>>("leftMiddleHidden");
    QTest::newRow("no indicator") << false << QList<int>{0, 80, 160} << QList<int>{0, 80, 80};
    QTest::newRow("indicator") << true << QList<int>{12, 92, 172} << QList<int>{12, 92, 92};
}

void TestDgColumns::placesColumns() {
    QFETCH(bool, indicator);
    QFETCH(QList<int>, left);
    QFETCH(QList<int>, leftMiddleHidden);
    ColumnsGridFake grid;
    grid.indicator = indicator;
    TDgColumns columns(&grid);
    for (int i = 0; i < 3; ++i)
        addText(columns);
    QCOMPARE(lefts(columns), left);
    QCOMPARE(visibleIndexes(columns), (QList<int>{0, 1, 2}));
    QCOMPARE(columns.ColumnsWidth(), 240);
    QCOMPARE(columns.VisibleCount(), 3);
    checkInvariants(columns);

    columns[1]->SetVisible(false);
    QCOMPARE(columns[2]->Left(), leftMiddleHidden[2]);
    QCOMPARE(visibleIndexes(columns), (QList<int>{0, -1, 1}));
    QCOMPARE(columns.ColumnsWidth(), 160);
    QCOMPARE(columns.LastVisibleColumn(), columns[2]);
    checkInvariants(columns);
}

void TestDgColumns::fixedColumnsAndClientLeft() {
    ColumnsGridFake grid;
    grid.horzScroll = 30;
    TDgColumns columns(&grid);
    addText(columns, 50);
    addText(columns, 70);
    addText(columns, 90);
    columns.SetFixedCols(2);
    QCOMPARE(columns.FixedColumnsWidth(), 120);
    columns[1]->SetVisible(false);
    QCOMPARE(columns.FixedColumnsWidth(), 50);
    columns.SetFixedCols(1);
    QCOMPARE(columns[0]->ClientLeft(), 0);
    QCOMPARE(columns[2]->ClientLeft(), 50 - 30);

    TRect rect(1, 2, 3, 4);
    columns[2]->GetPartRect(ColumnPartRect::Header, rect);
    QCOMPARE(rect, TRect(20, 0, 110, 18));
    columns[2]->GetPartRect(ColumnPartRect::Footer, rect);
    QCOMPARE(rect, TRect(20, 184, 110, 202));
    columns[2]->GetPartRect(ColumnPartRect::Input, rect);
    QCOMPARE(rect, TRect(20, 18, 110, 34));
}

void TestDgColumns::columnLocation() {
    ColumnsGridFake grid;
    TDgColumns columns(&grid);
    for (int i = 0; i < 3; ++i)
        addText(columns);
    QCOMPARE(columns[0]->ColumnLocation(), 1);
    QCOMPARE(columns[1]->ColumnLocation(), 2);
    QCOMPARE(columns[2]->ColumnLocation(), 3);
    columns[0]->SetVisible(false);
    columns[2]->SetVisible(false);
    QVERIFY(columns[1]->IsOnlyVisibleColumn());
    QCOMPARE(columns[1]->ColumnLocation(), 0);
}

void TestDgColumns::addNotifiesStoreThenLayout() {
    ColumnsGridFake grid;
    TDgColumns columns(&grid);
    columns.AddColumn(new TDgTextColumn);
    QCOMPARE(grid.take(), (QStringList{u"columns 0 2 -1"_s, u"relayout 0 -1"_s}));
    QCOMPARE(columns[0]->Position(), 0);
}

void TestDgColumns::moveFiresOneChange_data() {
    QTest::addColumn<bool>("throughPosition");
    QTest::newRow("MoveColumn") << false;
    QTest::newRow("Position setter") << true;
}

void TestDgColumns::moveFiresOneChange() {
    QFETCH(bool, throughPosition);
    ColumnsGridFake grid;
    TDgColumns columns(&grid);
    for (int i = 0; i < 3; ++i)
        addText(columns, 10 * (i + 1));
    grid.take();
    if (throughPosition)
        columns[0]->SetPosition(2);
    else
        columns.MoveColumn(0, 2);
    // One report of the move, naming the former position; never a second one with -1.
    QCOMPARE(grid.take(), QStringList{u"change 0 2 0"_s});
    QCOMPARE(screenOrder(columns), (QList<int>{1, 2, 0}));
    QCOMPARE(lefts(columns), (QList<int>{50, 0, 20}));
    // The index order, and with it the cell store's column order, stays.
    QCOMPARE(columns[0]->Width(), 10);
    checkInvariants(columns);

    columns[0]->SetPosition(2);
    QVERIFY(grid.take().isEmpty());
}

void TestDgColumns::badIndexesRaiseListIndexError_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("index");
    QTest::newRow("ColumnItem -1") << 0 << -1;
    QTest::newRow("ColumnItem 3") << 0 << 3;
    QTest::newRow("PositionItem 3") << 1 << 3;
    QTest::newRow("MoveColumn to 3") << 2 << 3;
    QTest::newRow("MoveColumn from -1") << 3 << -1;
    QTest::newRow("Position 7") << 4 << 7;
    QTest::newRow("store column 3") << 5 << 3;
}

void TestDgColumns::badIndexesRaiseListIndexError() {
    QFETCH(int, operation);
    QFETCH(int, index);
    ColumnsGridFake grid;
    TDgColumns columns(&grid);
    for (int i = 0; i < 3; ++i)
        addText(columns);
    grid.take();
    try {
        switch (operation) {
        case 0:
            columns.ColumnItem(index);
            break;
        case 1:
            columns.PositionItem(index);
            break;
        case 2:
            columns.MoveColumn(0, index);
            break;
        case 3:
            columns.MoveColumn(index, 0);
            break;
        case 4:
            columns[1]->SetPosition(index);
            break;
        case 5:
            columns.cellColumn(index);
            break;
        }
        QFAIL("no error");
    } catch (const EListError& e) {
        QCOMPARE(e.Message(), QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(index));
    }
    QVERIFY(grid.take().isEmpty());
    QCOMPARE(screenOrder(columns), (QList<int>{0, 1, 2}));
}

void TestDgColumns::autoSize_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<bool>("indicator");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<bool>>("autoSize");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("600 shared 1:3") << 600 << false << QList<int>{100, 300} << QList<bool>{true, true}
                                    << QList<int>{150, 450};
    QTest::newRow("601: halves to even")
        << 601 << false << QList<int>{100, 300} << QList<bool>{true, true} << QList<int>{150, 451};
    QTest::newRow("602: 150.5 and 451.5")
        << 602 << false << QList<int>{100, 300} << QList<bool>{true, true} << QList<int>{150, 452};
    QTest::newRow("fixed column first") << 600 << false << QList<int>{100, 100, 300}
                                        << QList<bool>{false, true, true} << QList<int>{100, 125, 375};
    QTest::newRow("too narrow: MinWidth") << 100 << false << QList<int>{100, 100, 300}
                                          << QList<bool>{false, true, true} << QList<int>{100, 8, 8};
    QTest::newRow("no auto column") << 600 << false << QList<int>{100, 300} << QList<bool>{false, false}
                                    << QList<int>{100, 300};
}

void TestDgColumns::autoSize() {
    QFETCH(int, area);
    QFETCH(bool, indicator);
    QFETCH(QList<int>, widths);
    QFETCH(QList<bool>, autoSize);
    QFETCH(QList<int>, expected);
    ColumnsGridFake grid;
    grid.areaWidth = area;
    grid.indicator = indicator;
    grid.loading = true; // the columns are set up first, then shared in one pass
    TDgColumns columns(&grid);
    for (int i = 0; i < widths.size(); ++i) {
        TDgTextColumn* c = addText(columns, widths[i]);
        c->SetOptions(c->Options().setFlag(TColumnOption::coAutoSize, autoSize[i]));
    }
    grid.loading = false;
    columns.AutoSizeColumns(nullptr, false);
    QList<int> actual;
    for (int i = 0; i < columns.ColumnCount(); ++i)
        actual << columns[i]->Width();
    QCOMPARE(actual, expected);
}

void TestDgColumns::autoSizeWithZeroTotalSkipsThePass() {
    ColumnsGridFake grid;
    grid.loading = true;
    TDgColumns columns(&grid);
    for (int i = 0; i < 2; ++i) {
        TDgTextColumn* c = addText(columns);
        c->SetMinWidth(0);
        c->SetWidth(0);
        c->SetOptions(c->Options() | TColumnOption::coAutoSize);
    }
    grid.loading = false;
    grid.take();
    columns.AutoSizeColumns(nullptr, false);
    QCOMPARE(columns[0]->Width(), 0);
    QCOMPARE(columns[1]->Width(), 0);
    QVERIFY(grid.take().isEmpty());
}

void TestDgColumns::autoSizeAfterWidthChange() {
    ColumnsGridFake grid;
    TDgColumns columns(&grid);
    TDgTextColumn* fixed = addText(columns, 100);
    TDgTextColumn* a = addText(columns, 100);
    a->SetOptions(a->Options() | TColumnOption::coAutoSize);
    TDgTextColumn* b = addText(columns, 300);
    b->SetOptions(b->Options() | TColumnOption::coAutoSize);
    // b joined as auto-size: a and b share the 500 pixels right of the fixed column by their widths.
    QCOMPARE(a->Width() + b->Width(), 500);
    a->SetWidth(125);
    b->SetWidth(375);
    QCOMPARE(b->Width(), 375);
    grid.take();
    fixed->SetWidth(200);
    // Only the columns right of the changed one are shared again: 400 by 125:375.
    QCOMPARE(a->Width(), 100);
    QCOMPARE(b->Width(), 300);
    QCOMPARE(grid.take(), (QStringList{u"change 0 9 100"_s, u"change 1 9 -25"_s, u"change 2 9 -75"_s}));
    QCOMPARE(lefts(columns), (QList<int>{0, 200, 300}));
}

void TestDgColumns::nextAndPreviousSkipDisabledAndHidden() {
    ColumnsGridFake grid;
    TDgColumns columns(&grid);
    for (int i = 0; i < 4; ++i)
        addText(columns);
    columns[1]->SetEnabled(false);
    columns[2]->SetVisible(false);
    QCOMPARE(columns[0]->NextColumn(), columns[3]);
    QCOMPARE(columns[3]->NextColumn(), columns[3]);
    QCOMPARE(columns[3]->PreviousColumn(), columns[0]);
    QCOMPARE(columns[0]->PreviousColumn(), columns[0]);
    QCOMPARE(columns.FirstVisibleColumn(), columns[0]);
}

void TestDgColumns::deletingAColumnRenumbers() {
    ColumnsGridFake grid;
    TDgColumns columns(&grid);
    for (int i = 0; i < 3; ++i)
        addText(columns, 50);
    columns.MoveColumn(2, 0);
    grid.take();
    delete columns[1];
    QCOMPARE(grid.take(), (QStringList{u"columns 1 2 1"_s, u"relayout 1 1"_s}));
    QCOMPARE(columns.ColumnCount(), 2);
    QCOMPARE(screenOrder(columns), (QList<int>{1, 0}));
    QCOMPARE(lefts(columns), (QList<int>{50, 0}));
    checkInvariants(columns);
}

void TestDgColumns::destroyFreesLastIndexFirst_data() {
    QTest::addColumn<bool>("gridDestroying");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("collection alone")
        << false << QStringList{u"columns 1 2 2"_s, u"relayout 1 2"_s,  u"columns 1 2 1"_s,
                                u"relayout 1 1"_s,  u"columns 1 2 0"_s, u"relayout 1 0"_s};
    QTest::newRow("grid being freed")
        << true << QStringList{u"columns 1 2 2"_s, u"columns 1 2 1"_s, u"columns 1 2 0"_s};
}

void TestDgColumns::destroyFreesLastIndexFirst() {
    QFETCH(bool, gridDestroying);
    QFETCH(QStringList, expected);
    ColumnsGridFake grid;
    {
        TDgColumns columns(&grid);
        for (int i = 0; i < 3; ++i)
            addText(columns);
        grid.take();
        grid.destroying = gridDestroying;
    }
    QCOMPARE(grid.take(), expected);
}

void TestDgColumns::storeFollowsAddsAndDeletes() {
    GridWithStore grid;
    TDgCheckBoxColumn* check = new TDgCheckBoxColumn;
    grid.columns.AddColumn(new TDgTextColumn);
    grid.columns.AddColumn(check);
    grid.columns.AddColumn(new TDgNumberColumn);
    grid.store.AddRows(2);
    QCOMPARE(grid.store.ColumnCount(), 3);
    grid.store.GetCell(1, 0)->SetAsBoolean(true);
    QCOMPARE(grid.store.GetCell(1, 0)->AsString(), QStringLiteral("True"));
    QCOMPARE(grid.store.GetCell(2, 1)->AsString(), QStringLiteral("0"));
    delete check;
    QCOMPARE(grid.store.ColumnCount(), 2);
    // The number column's cells moved down with it.
    QCOMPARE(grid.store.GetCell(1, 1)->AsString(), QStringLiteral("0"));
}

void TestDgColumns::teardownFreesColumnsBeforeStore() {
    // Run under AddressSanitizer: any departure reaching a freed store would be reported.
    auto grid = std::make_unique<GridWithStore>();
    for (int i = 0; i < 4; ++i)
        grid->columns.AddColumn(new TDgTextColumn);
    grid->store.AddRows(3);
    int deletes = 0;
    grid->onColumnsChanged = [&deletes, store = &grid->store](ColumnsChange kind, int index) {
        store->ColumnNotify(static_cast<int>(kind), index, -1);
        ++deletes;
        QCOMPARE(store->ColumnCount(), index);
    };
    grid.reset();
    QCOMPARE(deletes, 4);
}

void TestDgColumns::detachedGridHearsNothing() {
    ColumnsGridFake grid;
    auto columns = std::make_unique<TDgColumns>(&grid);
    for (int i = 0; i < 3; ++i)
        addText(*columns);
    grid.take();
    columns->DetachGrid();
    delete columns->ColumnItem(0);
    columns.reset();
    QVERIFY(grid.take().isEmpty());
}

void TestDgColumns::storeRefusingAColumnLeavesCollectionUnchanged() {
    ColumnsGridFake grid;
    TDgColumns columns(&grid);
    addText(columns, 50);
    grid.onColumnsChanged = [](ColumnsChange, int) { throwListIndexError(1025); };
    auto refused = std::make_unique<TDgTextColumn>();
    QVERIFY_THROWS_EXCEPTION(EListError, columns.AddColumn(refused.get()));
    QCOMPARE(columns.ColumnCount(), 1);
    QCOMPARE(refused->Columns(), nullptr);
    QCOMPARE(refused->Position(), -1);
    grid.onColumnsChanged = nullptr;
    checkInvariants(columns);
}

void TestDgColumns::loadedColumnsJoinByStoredPosition() {
    ColumnsGridFake grid;
    grid.loading = true;
    TDgColumns columns(&grid);
    const QList<int> stored{2, 0, 1};
    for (int i = 0; i < 3; ++i) {
        auto* column = new TDgTextColumn;
        column->SetParentComponent(&columns);
        column->ReadState([&](TDgCustomColumn& c) {
            QVERIFY(c.IsLoading());
            c.SetWidth(10 * (i + 1));
            c.SetPosition(stored[i]);
        });
        QVERIFY(!column->IsLoading());
    }
    grid.loading = false;
    QCOMPARE(grid.take().filter(QStringLiteral("columns")).size(), 3);
    QCOMPARE(screenOrder(columns), (QList<int>{1, 2, 0}));
    QCOMPARE(lefts(columns), (QList<int>{50, 0, 20}));
    checkInvariants(columns);
}

QTEST_MAIN(TestDgColumns)
#include "tst_dgcolumns.moc"
