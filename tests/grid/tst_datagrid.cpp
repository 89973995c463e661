// TDataGrid over its cell store: row operations against a reference list with the row marks checked after
// every step, the edge cases of adding, deleting, inserting, sorting and expanding, cell access and its
// events, the check-box click and the footer formulas.
#include "DataGridCheck.h"
#include "grid/DgDisplays.h"

#include "platform/Conversions.h"
#include "platform/Exceptions.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <memory>

using namespace grid;
using namespace platform;
using namespace datagridcheck;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(grid::TGridOptions)
Q_DECLARE_METATYPE(grid::TFormulaKind)

namespace {

using GO = TGridOption;

/// A 300 x 120 grid (about six rows a page) with an identity, a number and a check-box column.
std::unique_ptr<TDataGrid> makeGrid(int rows,
                                    TGridOptions options = GO::goHeader | GO::goGrid | GO::goSelectFullRow) {
    auto grid = std::make_unique<TDataGrid>();
    grid->SetBorderStyle(TBorderStyle::bsNone);
    grid->resize(300, 120);
    addText(*grid, u"Id"_s);
    addNumber(*grid, u"Key"_s);
    addCheck(*grid, u"On"_s);
    grid->SetOptions(options);
    addRows(*grid, rows);
    return grid;
}

/// The reference list of the random sequences: identities in order with their parents.
struct Reference {
    struct Row {
        QString id;
        QString parent;
        int level = 0;
    };
    std::vector<Row> rows;
    int index(const QString& id) const {
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].id == id)
                return int(i);
        return -1;
    }
    bool descends(const Row& row, const QString& ancestor) const {
        for (QString up = row.parent; !up.isEmpty(); up = rows[size_t(index(up))].parent)
            if (up == ancestor)
                return true;
        return false;
    }
    QStringList ids() const {
        QStringList out;
        for (const Row& row : rows)
            out << row.id;
        return out;
    }
};

/// Logs OnSelectCell and OnDeselectCell as "select c r" and "deselect c r".
void recordSelection(TDataGrid& grid, QStringList& log) {
    grid.OnSelectCell = [&log](QObject*, int c, int r) { log << u"select %1 %2"_s.arg(c).arg(r); };
    grid.OnDeselectCell = [&log](QObject*, int c, int r) { log << u"deselect %1 %2"_s.arg(c).arg(r); };
}

/// True when the number column (1) is in the order of the sort kind.
bool keysInOrder(TDataGrid& grid, TSortKind kind) {
    for (int r = 1; r < grid.RowCount(); ++r) {
        const int prev = grid.Cell(1, r - 1)->AsInteger();
        const int here = grid.Cell(1, r)->AsInteger();
        if (kind == TSortKind::skAscending ? prev > here : prev < here)
            return false;
    }
    return true;
}

} // namespace

class TestDataGrid : public QObject {
    Q_OBJECT
private slots:
    void randomSequences_data();
    void randomSequences();
    void addRowResults();
    void cellOutOfBounds_data();
    void cellOutOfBounds();
    void deleteKeepsSelectionOnItsRow_data();
    void deleteKeepsSelectionOnItsRow();
    void deleteOnlyRowFiresNothing();
    void deleteSubtreeAfterMove();
    void insertRowShiftsMarks();
    void moveRowOntoItself();
    void sortKeepsSelectedRowInView();
    void sortEventsAndWithoutCanSort();
    void sortAfterExchangeIsNoReversal();
    void largeGridSortsByHeaderClick();
    void sortFailingHalfWayKeepsRowMarks();
    void addRowWithRefusedDefaultKeepsRowMarks();
    void applyEditAfterHandlerRemovedRows_data();
    void applyEditAfterHandlerRemovedRows();
    void changeEventsAndUpdateBracket();
    void expandAndCollapse();
    void childOfCollapsedRowIsHidden();
    void rowHeightBelowOne();
    void clearRowsLeavesNoShownRow();
    void checkBoxClick_data();
    void checkBoxClick();
    void checkBoxByMouseAndKey();
    void footers_data();
    void footers();
    void customFooterReadsRowZeroOnly();
    void cellFormatingAndDisplayText();
    void customSortHintsColoursAndRanges();
    void freeWhileEditing();
    void pictureFollowsRowOperations_data();
    void pictureFollowsRowOperations();
};

void TestDataGrid::randomSequences_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<TGridOptions>("options");
    const TGridOptions single = GO::goHeader | GO::goGrid | GO::goSelectFullRow;
    const TGridOptions multi = single | GO::goMultiSelect;
    for (quint32 seed = 1; seed <= 6; ++seed)
        QTest::addRow("full row, seed %u", seed) << seed << single;
    for (quint32 seed = 7; seed <= 9; ++seed)
        QTest::addRow("cells, seed %u", seed) << seed << (GO::goHeader | GO::goGrid);
    QTest::addRow("multi, seed 10") << 10u << multi;
}

void TestDataGrid::randomSequences() {
    QFETCH(quint32, seed);
    QFETCH(TGridOptions, options);
    auto grid = makeGrid(0, options);
    // Shown, so that the page holds about six rows and scrolling matters.
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    TDgCustomColumn* key = grid->Columns()->ColumnItem(1);
    grid->Cells()->SetRandomSeed(seed);
    QRandomGenerator random(seed);
    Reference ref;
    int next = 0;
    QString selectedId;
    QString editId;
    const auto add = [&](int at, const QString& parent, int level) {
        const QString id = u"n%1"_s.arg(next++);
        ref.rows.insert(ref.rows.begin() + at, Reference::Row{id, parent, level});
        grid->Cell(0, at)->SetAsString(id);
        grid->Cell(1, at)->SetAsInteger(int(random.bounded(20)));
    };
    for (int step = 0; step < 400; ++step) {
        const int rows = grid->RowCount();
        const int op = int(random.bounded(rows > 40 ? 16 : 14));
        const int a = rows > 0 ? int(random.bounded(rows)) : 0;
        const int b = rows > 0 ? int(random.bounded(rows)) : 0;
        if (rows == 0 && op >= 2 && op <= 7) // these need a row
            continue;
        bool rowsMove = true;
        QString what;
        switch (op) {
        case 0:
            what = u"add"_s;
            add(grid->AddRow(1), {}, 0);
            rowsMove = false;
            break;
        case 1:
            what = u"insert %1"_s.arg(a);
            grid->InsertRow(a);
            add(a, {}, 0);
            break;
        case 2:
        case 14:
        case 15: {
            what = u"delete %1"_s.arg(a);
            const QString gone = ref.rows[size_t(a)].id;
            grid->DeleteRow(a);
            std::vector<Reference::Row> kept;
            for (const Reference::Row& row : ref.rows)
                if (row.id != gone && !ref.descends(row, gone))
                    kept.push_back(row);
            ref.rows = kept;
            break;
        }
        case 3:
            what = u"move %1 %2"_s.arg(a).arg(b);
            grid->MoveRow(a, b);
            {
                const Reference::Row row = ref.rows[size_t(a)];
                ref.rows.erase(ref.rows.begin() + a);
                ref.rows.insert(ref.rows.begin() + b, row);
            }
            break;
        case 4:
            what = u"exchange %1 %2"_s.arg(a).arg(b);
            grid->ExchangeRows(a, b);
            std::swap(ref.rows[size_t(a)], ref.rows[size_t(b)]);
            break;
        case 5:
            what = u"visible %1"_s.arg(a);
            grid->SetRowVisible(a, !grid->GetRowRecord(a)->Visible());
            rowsMove = false;
            break;
        case 6: {
            const bool last = random.bounded(2) == 1;
            what = u"child of %1"_s.arg(a);
            int place = a + 1;
            if (last)
                while (place < int(ref.rows.size()) &&
                       ref.rows[size_t(place)].level > ref.rows[size_t(a)].level)
                    ++place;
            grid->AddChildRow(a, last);
            QCOMPARE(grid->LastAddedRow(), place);
            add(place, ref.rows[size_t(a)].id, ref.rows[size_t(a)].level + 1);
            break;
        }
        case 7:
            what = u"expand %1"_s.arg(a);
            grid->SetExpanded(a, !grid->Expanded(a));
            rowsMove = false;
            break;
        case 8: {
            what = u"sort"_s;
            if (!key->Sorted())
                key->SetSorted(true);
            else
                key->SetSortKind(key->SortKind() == TSortKind::skAscending ? TSortKind::skDescending
                                                                           : TSortKind::skAscending);
            QStringList sortedIds = ids(*grid);
            QStringList before = ref.ids();
            QStringList after = sortedIds;
            std::sort(before.begin(), before.end());
            std::sort(after.begin(), after.end());
            QCOMPARE(after, before);
            QVERIFY(keysInOrder(*grid, key->SortKind()));
            std::vector<Reference::Row> order;
            for (const QString& id : sortedIds)
                order.push_back(ref.rows[size_t(ref.index(id))]);
            ref.rows = order;
            if (grid->SelectedRow() >= 0 && grid->RowVisible(grid->SelectedRow())) {
                // In view: between TopRow and the last row of the page.
                QVERIFY(grid->SelectedRow() >= grid->TopRow());
                QVERIFY(grid->SelectedRow() <=
                        grid->RowAtDistance(std::max(grid->GetPageRowCount(false), 1)));
            }
            break;
        }
        case 9:
            what = u"select %1"_s.arg(a);
            grid->SetSelectedRow(rows > 0 ? a : -1);
            selectedId = idAt(*grid, grid->SelectedRow());
            rowsMove = false;
            break;
        case 10:
            what = u"scroll to %1"_s.arg(a);
            if (rows > 0)
                grid->ScrollToRow(a);
            rowsMove = false;
            break;
        case 12:
        case 13:
            if (op == 13 || rows <= 40) {
                // Keys and the wheel between the row operations.
                static const Qt::Key keys[] = {Qt::Key_Down,   Qt::Key_Up,   Qt::Key_PageDown,
                                               Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
                const Qt::Key key = keys[random.bounded(6)];
                what = u"key %1"_s.arg(int(key));
                if (random.bounded(3) == 0) {
                    const QPoint at(40, 60);
                    QWheelEvent wheel(at, grid->viewport()->mapToGlobal(at), QPoint(),
                                      QPoint(0, random.bounded(2) ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                                      Qt::NoScrollPhase, false);
                    QApplication::sendEvent(grid->viewport(), &wheel);
                } else {
                    QTest::keyClick(grid.get(), key);
                }
                if (grid->CellEditing())
                    editId = idAt(*grid, grid->EditingRow());
                selectedId = idAt(*grid, grid->SelectedRow());
                rowsMove = false;
                break;
            }
            [[fallthrough]];
        case 11:
            if (rows == 0 || !grid->RowVisible(a))
                continue;
            what = u"edit %1"_s.arg(a);
            grid->EditCell(0, a, QString());
            if (grid->CellEditing())
                editId = idAt(*grid, grid->EditingRow());
            rowsMove = false;
            break;
        default:
            break;
        }
        if (random.bounded(60) == 0) {
            what += u", clear"_s;
            grid->ClearRows();
            ref.rows.clear();
        }
        const QByteArray where = u"step %1: %2"_s.arg(step).arg(what).toUtf8();
        const QString problem = problems(*grid);
        QVERIFY2(problem.isEmpty(), (where + ": " + problem.toUtf8()).constData());
        QVERIFY2(ids(*grid) == ref.ids(), where.constData());
        if (rowsMove)
            QVERIFY2(!grid->CellEditing(), where.constData());
        else if (grid->CellEditing())
            QVERIFY2(idAt(*grid, grid->EditingRow()) == editId, where.constData());
        const QString nowSelected = idAt(*grid, grid->SelectedRow());
        if (selectedId.isEmpty() || selectedId == u"-"_s || ref.index(selectedId) < 0) {
            // A deleted selection went to a shown row, or to none when none is shown.
            if (grid->SelectedRow() >= 0 && !selectedId.isEmpty() && selectedId != u"-"_s)
                QVERIFY2(grid->RowVisible(grid->SelectedRow()), where.constData());
            selectedId = nowSelected;
        } else {
            QVERIFY2(nowSelected == selectedId, (where + " selected " + nowSelected.toUtf8()).constData());
        }
    }
}

void TestDataGrid::addRowResults() {
    auto grid = makeGrid(0);
    QCOMPARE(grid->LastAddedRow(), 0);
    QCOMPARE(grid->AddRow(1), 0);
    QCOMPARE(grid->AddRow(3), 3);
    QCOMPARE(grid->AddRow(0), 3);
    QCOMPARE(grid->AddRow(-2), 3);
    QCOMPARE(grid->RowCount(), 4);
    QCOMPARE(grid->SelectedRow(), -1);
    CHECK_ROW_MARKS(*grid);
    // Default values are written into every new row, and AppendRows writes none.
    grid->Columns()->ColumnItem(0)->SetDefaultValue(u"neu"_s);
    grid->SetOptions(grid->Options() | GO::goUseDefaultValues);
    QCOMPARE(grid->AddRow(2), 5);
    QCOMPARE(grid->GetCellText(0, 4), u"neu"_s);
    QCOMPARE(grid->GetCellText(0, 5), u"neu"_s);
    grid->AppendRows(2);
    QCOMPARE(grid->LastAddedRow(), 7);
    QCOMPARE(grid->GetCellText(0, 7), QString());
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::cellOutOfBounds_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("write");
    QTest::newRow("set row -1") << 3 << -1 << true;
    QTest::newRow("get column count") << 3 << 0 << false;
    QTest::newRow("get row count") << 0 << 2 << false;
    QTest::newRow("set column -1") << -1 << 1 << true;
}

void TestDataGrid::cellOutOfBounds() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, write);
    auto grid = makeGrid(2);
    const QStringList before = ids(*grid);
    try {
        if (write)
            grid->SetCellText(col, row, u"x"_s);
        else
            grid->GetCellText(col, row);
        QFAIL("no exception");
    } catch (const Exception& e) {
        QCOMPARE(e.Message(), u"Cell out of bounds (%1, %2)"_s.arg(col).arg(row));
    }
    QCOMPARE(ids(*grid), before);
    // Cell itself makes no check of its own: the store's list index error.
    QVERIFY_THROWS_EXCEPTION(EListError, grid->Cell(0, 2));
}

void TestDataGrid::deleteKeepsSelectionOnItsRow_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("expectedId");
    QTest::newRow("row above the selection") << 5 << 2 << QString() << 4 << u"r5"_s;
    QTest::newRow("row below the selection") << 2 << 5 << QString() << 2 << u"r2"_s;
    QTest::newRow("the selection: the next row") << 5 << 5 << QString() << 5 << u"r6"_s;
    QTest::newRow("the selection, next hidden") << 5 << 5 << u"6"_s << 6 << u"r7"_s;
    QTest::newRow("the last row: the row before") << 9 << 9 << QString() << 8 << u"r8"_s;
    QTest::newRow("the last, before hidden") << 9 << 9 << u"8"_s << 7 << u"r7"_s;
    QTest::newRow("a hidden row above") << 5 << 1 << u"1"_s << 4 << u"r5"_s;
    QTest::newRow("the first shown row") << 5 << 0 << QString() << 4 << u"r5"_s;
}

void TestDataGrid::deleteKeepsSelectionOnItsRow() {
    QFETCH(int, selected);
    QFETCH(int, deleted);
    QFETCH(QString, hidden);
    QFETCH(int, expected);
    QFETCH(QString, expectedId);
    auto grid = makeGrid(10);
    for (const QString& row : hidden.split(u' ', Qt::SkipEmptyParts))
        grid->SetRowVisible(row.toInt(), false);
    grid->SetSelectedRow(selected);
    grid->ScrollToRow(9);
    CHECK_ROW_MARKS(*grid);
    QStringList events;
    recordSelection(*grid, events);
    grid->DeleteRow(deleted);
    QCOMPARE(grid->SelectedRow(), expected);
    QCOMPARE(idAt(*grid, grid->SelectedRow()), expectedId);
    QCOMPARE(selectedRows(*grid), QString::number(expected));
    QCOMPARE(events, QStringList());
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::deleteOnlyRowFiresNothing() {
    auto grid = makeGrid(1);
    grid->SetSelectedRow(0);
    QStringList events;
    recordSelection(*grid, events);
    grid->DeleteRow(0);
    QCOMPARE(grid->RowCount(), 0);
    QCOMPARE(grid->LastShownRow(), -1);
    QCOMPARE(grid->FirstShownRow(), -1);
    QCOMPARE(grid->SelectedRow(), -1);
    QCOMPARE(events, QStringList());
    CHECK_ROW_MARKS(*grid);
    // Indexes are checked before anything changes.
    QVERIFY_THROWS_EXCEPTION(EListError, grid->DeleteRow(0));
    QVERIFY_THROWS_EXCEPTION(EListError, grid->MoveRow(0, 0));
    QVERIFY_THROWS_EXCEPTION(EListError, grid->InsertRow(1));
    QVERIFY_THROWS_EXCEPTION(EListError, grid->ExchangeRows(0, 1));
    QVERIFY_THROWS_EXCEPTION(EListError, grid->AddChildRow(0, false));
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::deleteSubtreeAfterMove() {
    // r0 with children c1 and c2 (c2 with its own child g), then r1 and r2.
    auto grid = makeGrid(0);
    addRows(*grid, 1);
    grid->AddChildRow(0, true);
    grid->Cell(0, grid->LastAddedRow())->SetAsString(u"c1"_s);
    grid->AddChildRow(0, true);
    grid->Cell(0, grid->LastAddedRow())->SetAsString(u"c2"_s);
    grid->AddChildRow(2, true);
    grid->Cell(0, grid->LastAddedRow())->SetAsString(u"g"_s);
    addRows(*grid, 2);
    QCOMPARE(ids(*grid), (QStringList{u"r0"_s, u"c1"_s, u"c2"_s, u"g"_s, u"r4"_s, u"r5"_s}));
    // c1 is moved away; the rows after r0 are no longer its family.
    grid->MoveRow(1, 5);
    QCOMPARE(ids(*grid), (QStringList{u"r0"_s, u"c2"_s, u"g"_s, u"r4"_s, u"r5"_s, u"c1"_s}));
    grid->SetSelectedRow(3);
    grid->DeleteRow(0);
    QCOMPARE(ids(*grid), (QStringList{u"r4"_s, u"r5"_s}));
    QCOMPARE(idAt(*grid, grid->SelectedRow()), u"r4"_s);
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::insertRowShiftsMarks() {
    auto grid = makeGrid(0, GO::goHeader | GO::goSelectFullRow | GO::goMultiSelect);
    addRows(*grid, 20);
    QStringList events;
    recordSelection(*grid, events);
    // From none the insertion selects row 0, with its event.
    grid->InsertRow(3);
    QCOMPARE(grid->SelectedRow(), 0);
    QCOMPARE(events, QStringList{u"select 0 0"_s});
    events.clear();
    // A multi-row selection survives insertions before, between and after its rows.
    grid->SelectCell(0, 5, TShiftStateItem::ssCtrl, true);
    grid->SelectCell(0, 8, TShiftStateItem::ssCtrl, true);
    events.clear();
    grid->InsertRow(9);
    grid->InsertRow(6);
    grid->InsertRow(0);
    QCOMPARE(selectedRows(*grid), u"1 6 10"_s);
    QCOMPARE(grid->SelectedRow(), 10);
    QCOMPARE(grid->SelectionAnchor(), 10);
    // Only the selected row's new numbers are reported; nothing is deselected.
    QCOMPARE(events, (QStringList{u"select 0 9"_s, u"select 0 10"_s}));
    // Scrolled down, the page keeps its top row when a row goes in above it.
    grid->ScrollToRow(grid->RowCount() - 1);
    const QString top = idAt(*grid, grid->TopRow());
    grid->InsertRow(1);
    QCOMPARE(idAt(*grid, grid->TopRow()), top);
    CHECK_ROW_MARKS(*grid);
    // At the first position a row put in at the top is the new top row.
    grid->VertScrollBar()->SetPosition(0);
    CHECK_ROW_MARKS(*grid);
    grid->InsertRow(0);
    QCOMPARE(grid->TopRow(), 0);
    QCOMPARE(grid->LastAddedRow(), 0);
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::moveRowOntoItself() {
    auto grid = makeGrid(4);
    grid->EditCell(0, 1, QString());
    QVERIFY(grid->CellEditing());
    grid->MoveRow(1, 1);
    QVERIFY(!grid->CellEditing());
    QCOMPARE(ids(*grid), (QStringList{u"r0"_s, u"r1"_s, u"r2"_s, u"r3"_s}));
    // Exchanging and adding a child end the edit as well.
    grid->EditCell(0, 2, QString());
    grid->ExchangeRows(0, 3);
    QVERIFY(!grid->CellEditing());
    grid->EditCell(0, 2, QString());
    grid->AddChildRow(0, false);
    QVERIFY(!grid->CellEditing());
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::sortKeepsSelectedRowInView() {
    auto grid = makeGrid(40);
    for (int r = 0; r < 40; ++r)
        grid->Cell(1, r)->SetAsInteger(40 - r);
    for (int r = 0; r < 40; r += 3)
        grid->SetRowVisible(r, false);
    grid->SetSelectedRow(1);
    QCOMPARE(grid->TopRow(), 1);
    QStringList events;
    recordSelection(*grid, events);
    grid->OnBeforeSelect = [&](QObject*, int, int, bool& accept) { accept = false; };
    grid->Columns()->ColumnItem(1)->SetSorted(true);
    // The handlers learn the new number; nothing can refuse it or deselect another row.
    QCOMPARE(events, QStringList{u"select 0 38"_s});
    // Row r1 (key 39) is now near the end, still selected, on the page, with hidden rows on the way.
    QCOMPARE(idAt(*grid, grid->SelectedRow()), u"r1"_s);
    QCOMPARE(grid->SelectedRow(), 38);
    QVERIFY(grid->TopRow() <= 38);
    QVERIFY(grid->RowAtDistance(grid->GetPageRowCount(false)) >= 38);
    QCOMPARE(selectedRows(*grid), u"38"_s);
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::sortEventsAndWithoutCanSort() {
    auto grid = makeGrid(5);
    for (int r = 0; r < 5; ++r)
        grid->Cell(1, r)->SetAsInteger(r % 2 ? r : 10 - r);
    QStringList log;
    grid->OnSortColumn = [&](QObject*, int c, bool asc) {
        log << u"sort %1 %2 %3"_s.arg(c).arg(asc).arg(ids(*grid).join(u','));
    };
    grid->OnAfterSort = [&](QObject*, int c) { log << u"after %1 %2"_s.arg(c).arg(ids(*grid).join(u',')); };
    TDgCustomColumn* key = grid->Columns()->ColumnItem(1);
    key->SetOptions(key->Options() & ~TColumnOptions(TColumnOption::coCanSort));
    key->SetSorted(true);
    QCOMPARE(log, QStringList());
    QCOMPARE(ids(*grid), (QStringList{u"r0"_s, u"r1"_s, u"r2"_s, u"r3"_s, u"r4"_s}));
    key->SetSorted(false);
    key->SetOptions(key->Options() | TColumnOption::coCanSort);
    key->SetSorted(true);
    // Without a selection nothing is selected or scrolled.
    QCOMPARE(log, (QStringList{u"sort 1 1 r0,r1,r2,r3,r4"_s, u"after 1 r1,r3,r4,r2,r0"_s}));
    QCOMPARE(grid->SelectedRow(), -1);
    QCOMPARE(grid->TopRow(), 0);
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::sortAfterExchangeIsNoReversal() {
    // The store reverses a column sorted again in the other direction; rows exchanged or added as children
    // since make that reversal wrong.
    for (const bool child : {false, true}) {
        auto grid = makeGrid(4);
        for (int r = 0; r < 4; ++r)
            grid->Cell(1, r)->SetAsInteger(r + 1);
        TDgCustomColumn* key = grid->Columns()->ColumnItem(1);
        key->SetSorted(true);
        if (child)
            grid->AddChildRow(3, false);
        else
            grid->ExchangeRows(0, 3);
        key->SetSortKind(TSortKind::skDescending);
        QStringList keys;
        for (int r = 0; r < grid->RowCount(); ++r)
            keys << grid->Cell(1, r)->AsString();
        QCOMPARE(keys.join(u' '), child ? u"4 3 2 1 0"_s : u"4 3 2 1"_s);
    }
}

void TestDataGrid::largeGridSortsByHeaderClick() {
    auto grid = makeGrid(0);
    grid->BeginUpdate();
    for (int r = 0; r < 20000; ++r) {
        const int row = grid->AddRow(1);
        grid->Cell(0, row)->SetAsString(u"r%1"_s.arg(row));
        grid->Cell(1, row)->SetAsInteger((r * 7919) % 20011);
    }
    grid->EndUpdate();
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    grid->SetSelectedRow(12345);
    CHECK_ROW_MARKS(*grid);
    const TDgCustomColumn* key = grid->Columns()->ColumnItem(1);
    const QPoint header(key->ClientLeft() + key->Width() / 2, grid->HeaderSize() / 2);
    for (const TSortKind kind : {TSortKind::skAscending, TSortKind::skDescending}) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, header);
        QTest::qWait(QApplication::doubleClickInterval() + 20);
        QCOMPARE(key->SortKind(), kind);
        QVERIFY(keysInOrder(*grid, kind));
        QCOMPARE(idAt(*grid, grid->SelectedRow()), u"r12345"_s);
        QVERIFY(grid->SelectedRow() >= grid->TopRow());
        QVERIFY(grid->SelectedRow() <= grid->RowAtDistance(grid->GetPageRowCount(false)));
        CHECK_ROW_MARKS(*grid);
    }
    grid.reset();
}

void TestDataGrid::sortFailingHalfWayKeepsRowMarks() {
    // The sort picks random pivots: try until the interrupted sort has moved the selected row.
    for (int attempt = 0; attempt < 50; ++attempt) {
        auto grid = makeGrid(40);
        for (int r = 0; r < 40; ++r)
            grid->Cell(1, r)->SetAsInteger(40 - r);
        for (int r = 0; r < 40; r += 3)
            grid->SetRowVisible(r, false);
        grid->SetSelectedRow(10);
        grid->VertScrollBar()->SetPosition(8);
        TDgCustomColumn* key = grid->Columns()->ColumnItem(1);
        key->SetSortType(TSortType::stCustom);
        int compared = 0;
        grid->OnCompare = [&](QObject*, TCell* a, TCell* b, int& result) {
            if (++compared > 100)
                throw EConvertError(u"'x' ist kein gültiger Integerwert"_s);
            result = a->AsInteger() - b->AsInteger();
        };
        QVERIFY_THROWS_EXCEPTION(EConvertError, key->SetSorted(true));
        if (idAt(*grid, 10) == u"r10"_s)
            continue;
        QCOMPARE(idAt(*grid, grid->SelectedRow()), u"r10"_s);
        CHECK_ROW_MARKS(*grid);
        return;
    }
    QFAIL("no interrupted sort moved the selected row");
}

void TestDataGrid::addRowWithRefusedDefaultKeepsRowMarks() {
    auto grid = makeGrid(3, GO::goHeader | GO::goSelectFullRow | GO::goUseDefaultValues);
    grid->Columns()->ColumnItem(1)->SetDefaultValue(u"abc"_s);
    QVERIFY_THROWS_EXCEPTION(EConvertError, grid->AddRow(1));
    QCOMPARE(grid->RowCount(), 4);
    QCOMPARE(grid->LastAddedRow(), 3);
    CHECK_ROW_MARKS(*grid);
    QTest::keyClick(grid.get(), Qt::Key_End);
    QCOMPARE(grid->SelectedRow(), 3);
}

void TestDataGrid::applyEditAfterHandlerRemovedRows_data() {
    QTest::addColumn<bool>("inAccept"); // else in OnEditText
    QTest::addColumn<bool>("clear");    // else row 0 deleted
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("rows");
    const QStringList rest{u"r1"_s, u"r2"_s};
    QTest::newRow("accept clears") << true << true << QStringList{u"accept"_s} << QStringList();
    QTest::newRow("accept deletes") << true << false << QStringList{u"accept"_s} << rest;
    QTest::newRow("text clears") << false << true << QStringList{u"accept"_s, u"text"_s} << QStringList();
    QTest::newRow("text deletes") << false << false << QStringList{u"accept"_s, u"text"_s} << rest;
}

void TestDataGrid::applyEditAfterHandlerRemovedRows() {
    QFETCH(bool, inAccept);
    QFETCH(bool, clear);
    auto grid = makeGrid(3);
    grid->EditCell(0, 1, u"new"_s);
    QVERIFY(grid->CellEditing());
    QStringList log;
    const auto remove = [&] { clear ? grid->ClearRows() : grid->DeleteRow(0); };
    grid->OnEditAccept = [&](QObject*, int, int, const QString&, bool&) {
        log << u"accept"_s;
        if (inAccept)
            remove();
    };
    grid->OnEditText = [&](QObject*, int, int, QString&) {
        log << u"text"_s;
        if (!inAccept)
            remove();
    };
    grid->OnAfterEdit = [&](QObject*, int, int, const QString&) { log << u"after"_s; };
    QVERIFY(!grid->ApplyEdit());
    QTEST(log, "log");
    QTEST(ids(*grid), "rows");
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::changeEventsAndUpdateBracket() {
    auto grid = makeGrid(3);
    QStringList log;
    grid->OnChange = [&](QObject*, int c, int r) { log << u"change %1 %2"_s.arg(c).arg(r); };
    grid->BeginUpdate();
    grid->Cell(0, 1)->SetAsString(u"a"_s);
    grid->SetCellText(1, 2, u"5"_s);
    grid->AddRow(1);
    QCOMPARE(log, QStringList());
    grid->EndUpdate();
    QCOMPARE(log, QStringList());
    grid->Cell(1, 2)->SetAsFloat(2.5);
    grid->SetCellText(0, 3, u"b"_s);
    QCOMPARE(log, (QStringList{u"change 1 2"_s, u"change 0 3"_s}));
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::expandAndCollapse() {
    // p with child c, c with child g; c collapsed.
    auto grid = makeGrid(0);
    addRows(*grid, 1);
    grid->AddChildRow(0, false);
    grid->AddChildRow(1, false);
    addRows(*grid, 1);
    QCOMPARE(grid->RowCount(), 4);
    QStringList log;
    grid->OnExpand = [&](QObject*, int r) { log << QString::number(r); };
    grid->SetExpanded(1, false);
    QVERIFY(!grid->RowVisible(2));
    grid->SetExpanded(0, false);
    QVERIFY(!grid->RowVisible(1));
    QCOMPARE(grid->GetVisibleRowCount(), 2);
    CHECK_ROW_MARKS(*grid);
    // Expanding c while p is collapsed shows nothing yet.
    grid->SetExpanded(1, true);
    QVERIFY(!grid->RowVisible(2));
    grid->SetExpanded(1, false);
    grid->SetExpanded(0, true);
    QVERIFY(grid->RowVisible(1));
    QVERIFY(!grid->RowVisible(2));
    QCOMPARE(log, (QStringList{u"1"_s, u"0"_s, u"1"_s, u"1"_s, u"0"_s}));
    // Rows without children, unchanged values and indexes outside do nothing.
    grid->SetExpanded(3, false);
    grid->SetExpanded(0, true);
    grid->SetExpanded(9, false);
    QCOMPARE(log.size(), 5);
    // Collapsing the top row's parent moves the page to the next shown row.
    grid->SetExpanded(1, true);
    grid->ScrollToRow(1);
    CHECK_ROW_MARKS(*grid);
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::childOfCollapsedRowIsHidden() {
    auto grid = makeGrid(0);
    addRows(*grid, 1);
    grid->AddChildRow(0, false);
    grid->SetExpanded(0, false);
    // The child row 1 is hidden by its collapsed parent; its own new child must be hidden too.
    grid->AddChildRow(1, false);
    QVERIFY(!grid->RowVisible(2));
    QCOMPARE(grid->GetVisibleRowCount(), 1);
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::rowHeightBelowOne() {
    auto grid = makeGrid(3);
    QStringList log;
    grid->OnChangeRowHeight = [&](QObject*, int r, int h) { log << u"%1 %2"_s.arg(r).arg(h); };
    grid->SetRowHeight(1, 0);
    grid->SetRowHeight(1, -5);
    QCOMPARE(grid->RowHeight(1), 16);
    grid->SetRowHeight(1, 30);
    QCOMPARE(grid->RowHeight(1), 30);
    QCOMPARE(log, QStringList{u"1 30"_s});
    grid->OnMeasuringRowHeight = [](QObject*, int, int& h) { h = 0; };
    QCOMPARE(grid->RowHeight(1), 30);
    grid->SetRowSize(0);
    QCOMPARE(grid->RowSize(), 16);
    QCOMPARE(grid->Cells()->DefaultRowHeight(), 16);
}

void TestDataGrid::clearRowsLeavesNoShownRow() {
    auto grid = makeGrid(30);
    grid->SetSelectedRow(20);
    grid->ScrollToRow(25);
    grid->ClearRows();
    QCOMPARE(grid->TopRow(), 0);
    QCOMPARE(grid->SelectedRow(), -1);
    QCOMPARE(grid->LastAddedRow(), 29);
    CHECK_ROW_MARKS(*grid);
    QCOMPARE(grid->AddRow(1), 0);
    CHECK_ROW_MARKS(*grid);
}

void TestDataGrid::checkBoxClick_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("value");
    QTest::newRow("accepted") << true << QStringList{u"accept 2 1"_s, u"change 2 1"_s, u"after 2 1 True"_s}
                              << true;
    QTest::newRow("refused") << false << QStringList{u"accept 2 1"_s} << false;
}

void TestDataGrid::checkBoxClick() {
    QFETCH(bool, accept);
    QFETCH(QStringList, events);
    QFETCH(bool, value);
    auto grid = makeGrid(3);
    QStringList log;
    grid->OnEditAccept = [&](QObject*, int c, int r, const QString&, bool& ok) {
        log << u"accept %1 %2"_s.arg(c).arg(r);
        ok = accept;
    };
    grid->OnChange = [&](QObject*, int c, int r) { log << u"change %1 %2"_s.arg(c).arg(r); };
    grid->OnAfterEdit = [&](QObject*, int c, int r, const QString& v) {
        log << u"after %1 %2 %3"_s.arg(c).arg(r).arg(v);
    };
    TColumnPlay* play = grid->Columns()->ColumnItem(2)->Play();
    QVERIFY(play);
    play->SetCol(2);
    play->SetRow(1);
    play->AsBoolean = true;
    grid->CellPlayClick(play);
    QCOMPARE(log, events);
    QCOMPARE(grid->Cell(2, 1)->AsBoolean(), value);
    // A play left on a row since deleted writes nothing.
    play->SetRow(7);
    grid->CellPlayClick(play);
    QCOMPARE(log, events);
}

void TestDataGrid::checkBoxByMouseAndKey() {
    auto grid = makeGrid(3);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    QStringList log;
    grid->OnChange = [&](QObject*, int c, int r) { log << u"change %1 %2"_s.arg(c).arg(r); };
    TRect cell;
    grid->GetCellRect(2, 1, cell);
    const TRect box = CheckBoxHitRect(*grid->Columns()->ColumnItem(2), cell);
    const QPoint at(cell.Left + box.Left + box.Width() / 2, cell.Top + box.Top + box.Height() / 2);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(grid->Cell(2, 1)->AsBoolean());
    QCOMPARE(log, QStringList{u"change 2 1"_s});
    // The selected check box toggles with the space key as well.
    QCOMPARE(grid->SelectedRow(), 1);
    QCOMPARE(grid->SelectedColumn(), 2);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    QVERIFY(!grid->Cell(2, 1)->AsBoolean());
    grid->SetReadOnly(true);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(!grid->Cell(2, 1)->AsBoolean());
}

void TestDataGrid::footers_data() {
    QTest::addColumn<TFormulaKind>("kind");
    QTest::addColumn<bool>("visibleOnly");
    QTest::addColumn<QString>("caption");
    // Keys 5, -3, 10, 10, 2 with rows 0 and 2 hidden.
    QTest::newRow("sum") << TFormulaKind::fkSum << false << u"24"_s;
    QTest::newRow("sum shown") << TFormulaKind::fkSum << true << u"9"_s;
    QTest::newRow("average") << TFormulaKind::fkAverage << false << u"4.8"_s;
    QTest::newRow("average shown") << TFormulaKind::fkAverage << true << u"3"_s;
    QTest::newRow("count shown") << TFormulaKind::fkCount << true << u"3"_s;
    QTest::newRow("count") << TFormulaKind::fkCount << false << u"5"_s;
    QTest::newRow("minimum shown") << TFormulaKind::fkMinimum << true << u"-3"_s;
    QTest::newRow("maximum shown") << TFormulaKind::fkMaximum << true << u"10"_s;
    QTest::newRow("maximum of negatives") << TFormulaKind::fkMaximum << false << u"10"_s;
    QTest::newRow("distinct") << TFormulaKind::fkDistinct << false << u"4"_s;
    // The custom value starts from row 0 alone, and from 0 when row 0 does not count.
    QTest::newRow("custom") << TFormulaKind::fkCustom << false << u"6"_s;
    QTest::newRow("custom shown") << TFormulaKind::fkCustom << true << u"1"_s;
}

void TestDataGrid::footers() {
    QFETCH(TFormulaKind, kind);
    QFETCH(bool, visibleOnly);
    QFETCH(QString, caption);
    auto grid = makeGrid(0);
    TDgCustomColumn* key = grid->Columns()->ColumnItem(1);
    key->Footer()->SetFormulaKind(kind);
    grid->CalculateFooters(visibleOnly);
    QCOMPARE(key->Footer()->Caption(), u"0"_s);
    addRows(*grid, 5);
    const int keys[] = {5, -3, 10, 10, 2};
    for (int r = 0; r < 5; ++r)
        grid->Cell(1, r)->SetAsInteger(keys[r]);
    grid->SetRowVisible(0, false);
    grid->SetRowVisible(2, false);
    QStringList log;
    grid->OnColumnFooterValue = [&](QObject*, int c, double& v) {
        log << u"value %1 %2"_s.arg(c).arg(v);
        v += 1;
    };
    grid->OnFooterCalculate = [&](QObject*, int c, double&) { log << u"calculate %1"_s.arg(c); };
    grid->CalculateFooters(visibleOnly);
    QCOMPARE(key->Footer()->Caption(), caption);
    QCOMPARE(log.last(), u"calculate 1"_s);
    if (kind == TFormulaKind::fkCustom)
        QCOMPARE(log.first(), u"value 1 %1"_s.arg(caption.toInt() - 1));
}

void TestDataGrid::customFooterReadsRowZeroOnly() {
    auto grid = makeGrid(2);
    grid->Cell(0, 0)->SetAsString(u"1"_s);
    grid->Cell(0, 1)->SetAsString(u"abc"_s);
    grid->Columns()->ColumnItem(0)->Footer()->SetFormulaKind(TFormulaKind::fkCustom);
    grid->CalculateFooters(false);
    QCOMPARE(grid->Columns()->ColumnItem(0)->Footer()->Caption(), u"1"_s);
}

void TestDataGrid::cellFormatingAndDisplayText() {
    auto grid = makeGrid(2);
    grid->Cell(1, 1)->SetAsFloat(2.5);
    grid->Cell(0, 1)->SetFontStyle(TFontStyle::fsItalic);
    QCOMPARE(grid->GetCellDisplayText(1, 1), FloatToStr(2.5));
    QCOMPARE(grid->GetCellDisplayText(0, 1), u"r1"_s);
    QStringList log;
    grid->OnCellFormating = [&](QObject*, int c, int r, TColor& color, TFontStyles& style, TCellState state) {
        log << u"%1 %2 %3 %4"_s.arg(c).arg(r).arg(style.testFlag(TFontStyle::fsBold)).arg(int(state));
        if (r == 1 && c == 0)
            color = clRed;
        style |= TFontStyle::fsUnderline;
    };
    grid->FormatCell(0, 1, TCellStateItem::csBoldTextSelection);
    QCOMPARE(log, QStringList{u"0 1 1 1"_s});
    QCOMPARE(grid->Canvas.Font.Color, clRed);
    QCOMPARE(grid->Canvas.Font.Style(), TFontStyle::fsItalic | TFontStyle::fsBold | TFontStyle::fsUnderline);
    // A paint of the whole grid reads only rows that exist.
    grid->SetSelectedRow(1);
    const QImage picture = grid->grab().toImage();
    QVERIFY(!picture.isNull());
    QVERIFY(log.size() > 1);
}

void TestDataGrid::customSortHintsColoursAndRanges() {
    auto grid = makeGrid(4);
    // stCustom asks OnCompare; here by the last character, descending.
    TDgCustomColumn* id = grid->Columns()->ColumnItem(0);
    id->SetSortType(TSortType::stCustom);
    int asked = 0;
    grid->OnCompare = [&](QObject*, TCell* a, TCell* b, int& result) {
        ++asked;
        result = b->AsString().right(1).compare(a->AsString().right(1));
    };
    id->SetSorted(true);
    QVERIFY(asked > 0);
    QCOMPARE(ids(*grid), (QStringList{u"r3"_s, u"r2"_s, u"r1"_s, u"r0"_s}));
    // Hints: the cell's own text, then OnCellHint.
    grid->Cell(1, 2)->SetHint(u"eigen"_s);
    QString hint;
    grid->GetCellHint(1, 2, hint);
    QCOMPARE(hint, u"eigen"_s);
    grid->OnCellHint = [](QObject*, int, int, QString& value) { value += u"!"_s; };
    grid->GetCellHint(1, 2, hint);
    QCOMPARE(hint, u"eigen!"_s);
    // Colours: the cell's own, or the column's with ParentCellColor.
    grid->Cell(1, 2)->SetColor(clRed);
    QCOMPARE(grid->GetCellColor(1, 2), clRed);
    grid->Columns()->ColumnItem(1)->SetParentCellColor(true);
    QCOMPARE(grid->GetCellColor(1, 2), grid->Columns()->ColumnItem(1)->Color());
    // Empty cells paint no content.
    QVERIFY(!grid->IsEmptyCell(1, 2));
    grid->Cell(1, 2)->SetEmpty(true);
    QVERIFY(grid->IsEmptyCell(1, 2));
    // Ranges: outside the rows nothing happens; reversed bounds select nothing.
    grid->SelectRange(1, 4, true);
    grid->SelectRange(-1, 2, true);
    grid->SelectRange(3, 1, true);
    QCOMPARE(selectedRows(*grid), QString());
    grid->SelectRange(1, 2, true);
    QCOMPARE(selectedRows(*grid), u"1 2"_s);
    grid->SetSelected(7, true);
    grid->SetSelected(2, false);
    QCOMPARE(selectedRows(*grid), u"1"_s);
}

void TestDataGrid::freeWhileEditing() {
    auto grid = makeGrid(50);
    grid->Columns()->ColumnItem(1)->SetSorted(true);
    grid->EditCell(0, 3, u"abc"_s);
    QVERIFY(grid->CellEditing());
    QVERIFY(grid->InplaceEditor());
    grid.reset();
}

void TestDataGrid::pictureFollowsRowOperations_data() {
    QTest::addColumn<QString>("script");
    // Operations as letter, row and value: d delete, i insert, h hide, s show, c collapse, e expand,
    // t height, a add rows, x exchange with value, m move to value, v scroll by value, k add a child.
    QTest::newRow("delete on the page") << u"d3"_s;
    QTest::newRow("delete the top row, scrolled") << u"v4 d4"_s;
    QTest::newRow("delete above the page") << u"v6 d1"_s;
    QTest::newRow("delete the selected row") << u"d5"_s;
    QTest::newRow("insert on the page") << u"i2"_s;
    QTest::newRow("insert at the top") << u"i0"_s;
    QTest::newRow("insert above the page") << u"v5 i1"_s;
    QTest::newRow("hide and show") << u"h2 h4 s2"_s;
    QTest::newRow("hide the top row") << u"v3 h3"_s;
    QTest::newRow("show above the page at the first position") << u"h0 h1 s0"_s;
    QTest::newRow("taller and lower rows") << u"t1 30 t3 9"_s;
    QTest::newRow("add rows") << u"a3"_s;
    QTest::newRow("exchange and move") << u"x1 4 m0 6"_s;
    QTest::newRow("children collapsed and expanded") << u"k1 k1 c1 e1"_s;
    QTest::newRow("everything hidden") << u"h0 h1 h2 h3 h4 h5 h6 h7 h8 h9 h10 h11"_s;
    QTest::newRow("caption when the last row goes") << u"C h0 h1 h2 h3 h4 h5 h6 h7 h8 h9 h10 h11"_s;
    QTest::newRow("caption and a row again") << u"C h0 h1 h2 h3 h4 h5 h6 h7 h8 h9 h10 h11 s4"_s;
    QTest::newRow("caption, rows deleted and added") << u"C d0 d0 d0 d0 d0 d0 d0 d0 d0 d0 d0 d0 a1"_s;
    QTest::newRow("caption, everything deleted") << u"C d0 d0 d0 d0 d0 d0 d0 d0 d0 d0 d0 d0"_s;
}

void TestDataGrid::pictureFollowsRowOperations() {
    QFETCH(QString, script);
    auto grid = makeGrid(12);
    grid->resize(200, 130);
    grid->SetSelectedRow(5);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    QCoreApplication::processEvents();
    // t, x and m take the word after them as their value.
    const QStringList words = script.split(u' ');
    for (int i = 0; i < words.size(); ++i) {
        const int row = words[i].mid(1).toInt();
        switch (words[i].at(0).unicode()) {
        case 'd':
            grid->DeleteRow(row);
            break;
        case 'i':
            grid->InsertRow(row);
            break;
        case 'h':
        case 's':
            grid->SetRowVisible(row, words[i].at(0) == u's');
            break;
        case 'c':
        case 'e':
            grid->SetExpanded(row, words[i].at(0) == u'e');
            break;
        case 'a':
            grid->AddRow(row);
            break;
        case 'v':
            grid->VertScrollBar()->MoveBy(row);
            break;
        case 'k':
            grid->AddChildRow(row, true);
            break;
        case 'C':
            grid->SetCaption(u"Keine Zeilen"_s);
            break;
        case 't':
            grid->SetRowHeight(row, words[++i].toInt());
            break;
        case 'x':
            grid->ExchangeRows(row, words[++i].toInt());
            break;
        case 'm':
            grid->MoveRow(row, words[++i].toInt());
            break;
        default:
            break;
        }
        QCoreApplication::processEvents();
    }
    CHECK_ROW_MARKS(*grid);
    // What the window shows after moving pixels is what a full repaint shows.
    QWindow* window = grid->windowHandle();
    const QImage shown =
        window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage fresh = grid->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.copy(0, 0, grid->ClientWidth(), grid->ClientHeight()),
             fresh.copy(0, 0, grid->ClientWidth(), grid->ClientHeight()));
}

QTEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"
