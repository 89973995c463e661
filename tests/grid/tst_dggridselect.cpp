// Selection of cells and rows (single, full row, Ctrl and Shift), its events and vetoes, and the keyboard
// navigation steps, on the interaction layer over a vector of rows.
#include "InteractGrid.h"

#include <QtTest>
#include <memory>

using namespace grid;
using namespace platform;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(grid::TGridOptions)

namespace {

using GO = TGridOption;

std::unique_ptr<InteractGrid> makeGrid(TGridOptions options, int rows = 10) {
    auto grid = std::make_unique<InteractGrid>();
    grid->SetBorderStyle(TBorderStyle::bsNone);
    grid->resize(300, 200);
    for (int i = 0; i < 3; ++i)
        grid->addText(u"C%1"_s.arg(i));
    grid->SetOptions(options);
    grid->setRows(rows);
    return grid;
}

/// Runs clicks written as a letter and a row: c plain, C Ctrl, S Shift, X Ctrl+Shift, r a press that
/// keeps a multi-row selection (no range reset).
void runClicks(InteractGrid& grid, const QString& script) {
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
        const QChar op = step.at(0);
        TShiftState shift;
        if (op == u'C' || op == u'X')
            shift |= TShiftStateItem::ssCtrl;
        if (op == u'S' || op == u'X')
            shift |= TShiftStateItem::ssShift;
        grid.SelectCell(1, step.mid(1).toInt(), shift, op != u'r');
    }
}

} // namespace

class TestDgGridSelect : public QObject {
    Q_OBJECT
private slots:
    void clicks_data();
    void clicks();
    void selectedRowLimits();
    void eventsAndVeto();
    void anchorAfterRowsChange();
    void inputLine();
    void navigation_data();
    void navigation();
    void nextAndPreviousCell_data();
    void nextAndPreviousCell();
    void emptyGridNavigation();
};

void TestDgGridSelect::clicks_data() {
    QTest::addColumn<TGridOptions>("options");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("row");
    const TGridOptions multi = GO::goSelectFullRow | GO::goMultiSelect;
    QTest::newRow("plain") << multi << u"c3"_s << u"3"_s << 3;
    QTest::newRow("plain moves") << multi << u"c3 c5"_s << u"5"_s << 5;
    QTest::newRow("ctrl adds") << multi << u"c3 C5"_s << u"3 5"_s << 5;
    QTest::newRow("ctrl deselects") << multi << u"c3 C5 C3"_s << u"5"_s << 3;
    QTest::newRow("shift range down") << multi << u"c3 S6"_s << u"3 4 5 6"_s << 6;
    QTest::newRow("shift range up") << multi << u"c6 S3"_s << u"3 4 5 6"_s << 3;
    QTest::newRow("shift replaces range") << multi << u"c3 S6 S1"_s << u"1 2 3"_s << 1;
    QTest::newRow("ctrl anchors shift") << multi << u"c1 C5 S7"_s << u"5 6 7"_s << 7;
    QTest::newRow("ctrl shift adds") << multi << u"c1 C5 X7"_s << u"1 5 6 7"_s << 7;
    QTest::newRow("plain clears") << multi << u"c1 C5 X7 c2"_s << u"2"_s << 2;
    QTest::newRow("shift without anchor") << multi << u"S4"_s << u"4"_s << 4;
    QTest::newRow("press keeps range") << multi << u"c1 C3 r5"_s << u"1 3 5"_s << 5;
    QTest::newRow("no multi select") << TGridOptions(GO::goSelectFullRow) << u"c3 C5 S7"_s << u"7"_s << 7;
    QTest::newRow("cells only") << TGridOptions(GO::goMultiSelect) << u"c3 C5"_s << u""_s << 5;
}

void TestDgGridSelect::clicks() {
    QFETCH(TGridOptions, options);
    QFETCH(QString, script);
    auto grid = makeGrid(options | GO::goHeader);
    runClicks(*grid, script);
    QFETCH(QString, selected);
    QFETCH(int, row);
    QCOMPARE(grid->selectedRows(), selected);
    QCOMPARE(grid->SelectedRow(), row);
    QCOMPARE(grid->SelectedColumn(), 1);
    QCOMPARE(grid->SelectedCount(), grid->selectedRows().split(u' ', Qt::SkipEmptyParts).size());
    QCOMPARE(grid->outsideReads, 0);
}

void TestDgGridSelect::selectedRowLimits() {
    auto grid = makeGrid(GO::goHeader | GO::goSelectFullRow, 5);
    grid->SetSelectedColumn(2);
    grid->SetSelectedRow(3);
    grid->recordEvents();
    // No clamping: a row past the data changes nothing and asks nobody.
    for (int row : {5, 100, -2}) {
        grid->SetSelectedRow(row);
        grid->SelectCell(2, row, {}, true);
    }
    QCOMPARE(grid->SelectedRow(), 3);
    QCOMPARE(grid->take(), QStringList());
    grid->SetSelectedRow(-1);
    QCOMPARE(grid->SelectedColumn(), 2);
    QCOMPARE(grid->SelectedRow(), -1);
    QCOMPARE(grid->take(), (QStringList{u"beforeselect 2 -1"_s, u"deselect 2 3"_s, u"select 2 -1"_s}));
    QCOMPARE(grid->selectedRows(), u""_s);
    // Columns outside the collection and disabled columns are refused after the veto question.
    grid->SetSelectedColumn(3);
    grid->Columns()->ColumnItem(0)->SetEnabled(false);
    grid->SelectCell(0, 1, {}, true);
    QCOMPARE(grid->take(), QStringList{u"beforeselect 0 1"_s});
    QCOMPARE(grid->GetSelectedCell(), TPoint(2, -1));
}

void TestDgGridSelect::eventsAndVeto() {
    auto grid = makeGrid(GO::goHeader);
    grid->recordEvents();
    grid->SelectCell(1, 2, {}, true);
    grid->SelectCell(1, 2, {}, true);
    grid->SelectCell(0, 2, {}, true);
    QCOMPARE(grid->take(),
             (QStringList{u"beforeselect 1 2"_s, u"select 1 2"_s, u"beforeselect 1 2"_s, u"select 1 2"_s,
                          u"beforeselect 0 2"_s, u"deselect 1 2"_s, u"select 0 2"_s}));
    grid->OnBeforeSelect = [](QObject*, int, int Row, bool& Accept) { Accept = Row != 4; };
    grid->SelectCell(0, 4, {}, true);
    QCOMPARE(grid->GetSelectedCell(), TPoint(0, 2));
    QCOMPARE(grid->take(), QStringList());
    // Navigation passes over rows that refuse the selection.
    grid->SetSelectedRow(3);
    grid->SelectNextRow({}, false);
    QCOMPARE(grid->SelectedRow(), 5);
    grid->SelectPreviousRow({});
    QCOMPARE(grid->SelectedRow(), 3);
}

void TestDgGridSelect::anchorAfterRowsChange() {
    auto grid = makeGrid(GO::goHeader | GO::goSelectFullRow | GO::goMultiSelect);
    runClicks(*grid, u"c6"_s);
    grid->DeleteRow(2);
    QCOMPARE(grid->SelectionAnchor(), 5);
    runClicks(*grid, u"S7"_s);
    QCOMPARE(grid->selectedRows(), u"5 6 7"_s);
    grid->DeleteRow(5);
    QCOMPARE(grid->SelectionAnchor(), -1);
    runClicks(*grid, u"c1 S3"_s);
    QCOMPARE(grid->selectedRows(), u"1 2 3"_s);
    grid->ClearRows();
    QCOMPARE(grid->SelectionAnchor(), -1);
    QVERIFY(!grid->RangeSelecting());
    grid->setRows(8);
    runClicks(*grid, u"S4"_s);
    QCOMPARE(grid->selectedRows(), u"4"_s);
}

void TestDgGridSelect::inputLine() {
    auto grid = makeGrid(GO::goHeader | GO::goInput | GO::goSelectFullRow, 5);
    grid->recordEvents();
    grid->SetSelectedRow(0);
    grid->take();
    grid->SelectPreviousRow({});
    QVERIFY(grid->InputSelected());
    QCOMPARE(grid->selectedRows(), u""_s);
    // In the input line only the column moves, and OnSelectCell stays silent.
    grid->SetSelectedColumn(2);
    QCOMPARE(grid->take(), (QStringList{u"beforeselect 2 0"_s, u"deselect 0 0"_s, u"inputselect 2"_s}));
    grid->SelectNextRow({}, false);
    QVERIFY(!grid->InputSelected());
    QCOMPARE(grid->GetSelectedCell(), TPoint(2, 0));
    QCOMPARE(grid->selectedRows(), u"0"_s);
}

void TestDgGridSelect::navigation_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("row");
    // Rows 0..9 with 2 and 5 hidden.
    QTest::newRow("next skips hidden") << 1 << u"next"_s << 3;
    QTest::newRow("previous skips hidden") << 6 << u"previous"_s << 4;
    QTest::newRow("next at last stays") << 9 << u"next"_s << 9;
    QTest::newRow("next without selection") << -1 << u"next"_s << -1;
    QTest::newRow("previous at first") << 0 << u"previous"_s << 0;
    QTest::newRow("first") << 7 << u"first"_s << 0;
    QTest::newRow("last") << 1 << u"last"_s << 9;
    QTest::newRow("move +3 counts shown") << 0 << u"move 3"_s << 4;
    QTest::newRow("move -2 counts shown") << 6 << u"move -2"_s << 3;
    QTest::newRow("move past end") << 8 << u"move 10"_s << 9;
    QTest::newRow("move past start") << 3 << u"move -10"_s << 0;
    QTest::newRow("move 0") << 3 << u"move 0"_s << 3;
    QTest::newRow("move from none") << -1 << u"move 2"_s << 1;
}

void TestDgGridSelect::navigation() {
    QFETCH(int, start);
    QFETCH(QString, step);
    auto grid = makeGrid(GO::goHeader);
    grid->hideRow(2);
    grid->hideRow(5);
    grid->SetSelectedRow(start);
    const QStringList words = step.split(u' ');
    if (words[0] == u"next")
        grid->SelectNextRow({}, false);
    else if (words[0] == u"previous")
        grid->SelectPreviousRow({});
    else if (words[0] == u"first")
        grid->SelectFirstRow({});
    else if (words[0] == u"last")
        grid->SelectLastRow({});
    else
        grid->MoveSelection(words[1].toInt());
    QFETCH(int, row);
    QCOMPARE(grid->SelectedRow(), row);
    QCOMPARE(grid->outsideReads, 0);
}

void TestDgGridSelect::nextAndPreviousCell_data() {
    QTest::addColumn<bool>("hideColumn2");
    QTest::addColumn<TPoint>("start");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<TPoint>("cell");
    // Screen order: column 0, column 2, column 1.
    QTest::newRow("next by position") << false << TPoint(0, 3) << true << TPoint(2, 3);
    QTest::newRow("next to the last") << false << TPoint(2, 3) << true << TPoint(1, 3);
    QTest::newRow("past the last column") << false << TPoint(1, 3) << true << TPoint(0, 4);
    QTest::newRow("previous by position") << false << TPoint(1, 3) << false << TPoint(2, 3);
    QTest::newRow("before the first column") << false << TPoint(0, 3) << false << TPoint(1, 2);
    QTest::newRow("past the last cell") << false << TPoint(1, 9) << true << TPoint(0, 9);
    QTest::newRow("before the first cell") << false << TPoint(0, 0) << false << TPoint(1, 0);
    QTest::newRow("hidden column passed") << true << TPoint(0, 3) << true << TPoint(1, 3);
    QTest::newRow("hidden column passed back") << true << TPoint(1, 3) << false << TPoint(0, 3);
}

void TestDgGridSelect::nextAndPreviousCell() {
    QFETCH(TPoint, start);
    QFETCH(bool, hideColumn2);
    QFETCH(bool, forward);
    QFETCH(TPoint, cell);
    auto grid = makeGrid(GO::goHeader);
    grid->Columns()->ColumnItem(1)->SetPosition(2);
    if (hideColumn2)
        grid->Columns()->ColumnItem(2)->SetVisible(false);
    grid->SetSelectedRow(start.y());
    grid->SetSelectedColumn(start.x());
    if (forward)
        grid->SelectNextCell(false);
    else
        grid->SelectPreviousCell();
    QCOMPARE(grid->GetSelectedCell(), cell);
}

void TestDgGridSelect::emptyGridNavigation() {
    auto grid = makeGrid(GO::goHeader | GO::goSelectFullRow | GO::goInput, 0);
    grid->recordEvents();
    grid->SelectFirstRow({});
    grid->SelectLastRow({});
    grid->SelectNextRow({}, true);
    grid->SelectPreviousRow({});
    grid->MoveSelection(3);
    grid->SelectNextCell(true);
    grid->SetSelectedRow(0);
    QCOMPARE(grid->SelectedRow(), -1);
    QCOMPARE(grid->outsideReads, 0);
    // Hidden rows only: nothing to go to either.
    grid->setRows(3);
    for (int i = 0; i < 3; ++i)
        grid->hideRow(i);
    grid->SelectFirstRow({});
    grid->SelectLastRow({});
    grid->MoveSelection(1);
    QCOMPARE(grid->SelectedRow(), -1);
    QCOMPARE(grid->outsideReads, 0);
}

QTEST_MAIN(TestDgGridSelect)
#include "tst_dggridselect.moc"
