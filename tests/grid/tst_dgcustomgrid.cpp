// The grid on screen (offscreen platform) driven by real mouse, key and wheel events: header clicks and
// sorting, cell clicks that edit, the keyboard table, Enter with WantReturns, the wheel, type-ahead
// search, check boxes, the four hints, and a grid without rows or columns that must ignore everything.
#include "InteractGrid.h"
#include "grid/DgDisplays.h"
#include "platform/HintWindow.h"

#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>

using namespace grid;
using namespace platform;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(grid::TGridOptions)
Q_DECLARE_METATYPE(grid::TSelectionMoveDirection)

namespace {

using GO = TGridOption;
using CO = TColumnOption;

constexpr int kHeader = 18;
constexpr int kRow = 16;

struct Form : InteractForm {
    using InteractForm::InteractForm;
    QWidget* view() const { return grid->viewport(); }
    /// The middle of a cell, for the grid's column widths.
    QPoint cell(int col, int row) const {
        const TDgCustomColumn* column = grid->Columns()->ColumnItem(col);
        return QPoint(column->ClientLeft() + column->Width() / 2, grid->GetRowTop(row) + kRow / 2);
    }
    QPoint header(int col) const { return QPoint(cell(col, 0).x(), kHeader / 2); }
    /// Adds or removes a column option.
    TDgCustomColumn* setOption(int col, TColumnOption option, bool on = true) {
        TDgCustomColumn* column = grid->Columns()->ColumnItem(col);
        column->SetOptions(on ? column->Options() | option : column->Options() & ~TColumnOptions(option));
        return column;
    }
    void click(QPoint at, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(view(), Qt::LeftButton, mods, at);
    }
    void doubleClick(QPoint at) {
        // As the window system delivers it: press, release, double click, release.
        click(at);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, view()->mapToGlobal(at), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view(), &dbl);
        QMouseEvent up(QEvent::MouseButtonRelease, at, view()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(view(), &up);
    }
    void wheel(int delta, Qt::KeyboardModifiers mods = {}) {
        const QPoint at(40, 40);
        QWheelEvent event(at, view()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &event);
    }
    void move(QPoint at) {
        QMouseEvent event(QEvent::MouseMove, at, view()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view(), &event);
    }
};

} // namespace

class TestDgCustomGrid : public QObject {
    Q_OBJECT
private slots:
    void headerClicks();
    void headerPressReleasedElsewhere();
    void headerDoubleClick();
    void borderDoubleClick();
    void modesAbandoned();
    void headerWithoutClick();
    void columnFreedByHeaderClick();
    void clickEdits_data();
    void clickEdits();
    void cellClicksAndRanges();
    void pressOnSelectedRowsForDrag();
    void keys_data();
    void keys();
    void pageDownScrollsNoFurtherThanTheLastFullPage_data();
    void pageDownScrollsNoFurtherThanTheLastFullPage();
    void tabLeavesWithoutWantTabs();
    void tabWrapsToNextControl();
    void enterMoves_data();
    void enterMoves();
    void inputLineEnter();
    void wheel();
    void typeAhead();
    void checkBoxes();
    void hints();
    void nothingWithoutRows_data();
    void nothingWithoutRows();
    void positions();
};

void TestDgCustomGrid::headerClicks() {
    Form form(GO::goHeader, 5);
    auto* columns = form.grid->Columns();
    form.click(form.header(0));
    QCOMPARE(form.grid->take(), (QStringList{u"headerclick 0"_s, u"sort 0 asc"_s}));
    form.click(form.header(0));
    QCOMPARE(form.grid->take(), (QStringList{u"headerclick 0"_s, u"sort 0 desc"_s}));
    QCOMPARE(columns->ColumnItem(0)->SortKind(), TSortKind::skDescending);
    form.click(form.header(0));
    QCOMPARE(form.grid->take(), (QStringList{u"headerclick 0"_s, u"sort 0 asc"_s}));
    columns->ColumnItem(1)->SetSortKind(TSortKind::skDescending);
    form.click(form.header(1));
    QCOMPARE(form.grid->take(), (QStringList{u"headerclick 1"_s, u"sort 1 desc"_s}));
    QVERIFY(!columns->ColumnItem(0)->Sorted());
    QVERIFY(columns->ColumnItem(1)->Sorted());
    QVERIFY(!form.grid->DownColumn());
    QVERIFY(!form.grid->HeaderPressed());
    // A column without coCanSort is clicked but not sorted.
    form.setOption(2, CO::coCanSort, false);
    form.click(form.header(2));
    QCOMPARE(form.grid->take(), QStringList{u"headerclick 2"_s});
}

void TestDgCustomGrid::headerPressReleasedElsewhere() {
    Form form(GO::goHeader, 5);
    form.setOption(0, CO::coEditing);
    QTest::mousePress(form.view(), Qt::LeftButton, {}, form.header(0));
    QCOMPARE(form.grid->DownColumn(), form.grid->Columns()->ColumnItem(0));
    QVERIFY(form.grid->HeaderPressed());
    // Released over the top row: the header click fires, but no sort, no cell click and no edit.
    QTest::mouseRelease(form.view(), Qt::LeftButton, {}, form.cell(0, 0));
    QCOMPARE(form.grid->take(), QStringList{u"headerclick 0"_s});
    QVERIFY(!form.grid->CellEditing());
    // Released over another header: no sort either.
    QTest::mousePress(form.view(), Qt::LeftButton, {}, form.header(0));
    QTest::mouseRelease(form.view(), Qt::LeftButton, {}, form.header(1));
    QCOMPARE(form.grid->take(), QStringList{u"headerclick 0"_s});
}

void TestDgCustomGrid::headerDoubleClick() {
    Form form(GO::goHeader, 5);
    form.doubleClick(form.header(1));
    QCOMPARE(form.grid->take(), (QStringList{u"headerclick 1"_s, u"sort 1 asc"_s, u"headerdblclick 1"_s}));
    QCOMPARE(form.grid->Columns()->ColumnItem(1)->SortKind(), TSortKind::skAscending);
    form.doubleClick(form.cell(2, 3));
    QStringList log = form.grid->take();
    QVERIFY(log.contains(u"dblclick 2 3"_s));
}

void TestDgCustomGrid::borderDoubleClick() {
    Form form(GO::goHeader, 5);
    form.grid->rows[2].texts[0] = u"a text much wider than eighty pixels"_s;
    const int edge = form.grid->Columns()->ColumnItem(0)->Width();
    QTest::mousePress(form.view(), Qt::LeftButton, {}, QPoint(edge - 1, 9));
    QVERIFY(form.grid->ColumnResizing());
    QCOMPARE(form.grid->ResizingColumn(), form.grid->Columns()->ColumnItem(0));
    QTest::mouseRelease(form.view(), Qt::LeftButton, {}, QPoint(edge - 1, 9));
    QVERIFY(!form.grid->ColumnResizing());
    QVERIFY(!form.grid->ResizingColumn());
    form.doubleClick(QPoint(edge - 1, 9));
    QVERIFY(form.grid->Columns()->ColumnItem(0)->Width() > 80);
    QCOMPARE(form.grid->take(), QStringList());
}

void TestDgCustomGrid::modesAbandoned() {
    Form form(GO::goHeader, 5);
    QTest::mousePress(form.view(), Qt::LeftButton, {}, form.header(1));
    QVERIFY(form.grid->HeaderPressed());
    form.other->setFocus();
    QVERIFY(!form.grid->HeaderPressed());
    QVERIFY(!form.grid->DownColumn());
    QVERIFY(!form.grid->ClickColumn());
    QTest::mouseRelease(form.view(), Qt::LeftButton, {}, form.header(1));
    QCOMPARE(form.grid->take(), QStringList());
    // The application's deactivation forgets the press as well.
    form.grid->setFocus();
    QTest::mousePress(form.view(), Qt::LeftButton, {}, form.header(1));
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    QVERIFY(!form.grid->DownColumn());
    QCOMPARE(form.grid->MouseDownPoint(), TPoint(-1, -1));
    QTest::mouseRelease(form.view(), Qt::LeftButton, {}, form.header(1));
    QCOMPARE(form.grid->take(), QStringList());
}

void TestDgCustomGrid::headerWithoutClick() {
    Form form(GO::goHeader, 5);
    auto* column = form.setOption(1, CO::coCanClick, false);
    QTest::mousePress(form.view(), Qt::LeftButton, {}, form.header(1));
    QVERIFY(!form.grid->ClickColumn());
    QVERIFY(!form.grid->DownColumn());
    QTest::mouseRelease(form.view(), Qt::LeftButton, {}, form.header(1));
    QCOMPARE(form.grid->take(), QStringList());
    QVERIFY(!column->Sorted());
}

void TestDgCustomGrid::columnFreedByHeaderClick() {
    Form form(GO::goHeader, 5);
    form.grid->OnHeaderClick = [&](QObject*, int ACol) { delete form.grid->Columns()->ColumnItem(ACol); };
    form.click(form.header(1));
    QCOMPARE(form.grid->Columns()->ColumnCount(), 2);
    QVERIFY(!form.grid->ClickColumn());
    QVERIFY(!form.grid->DownColumn());
    QVERIFY(!form.grid->HoverColumn());
}

void TestDgCustomGrid::clickEdits_data() {
    QTest::addColumn<TGridOptions>("options");
    QTest::addColumn<bool>("firstClickEdits");
    QTest::newRow("one click") << TGridOptions(GO::goHeader) << true;
    QTest::newRow("second click") << (GO::goHeader | GO::goSecondClickEdit) << false;
}

void TestDgCustomGrid::clickEdits() {
    QFETCH(TGridOptions, options);
    QFETCH(bool, firstClickEdits);
    Form form(options, 5);
    form.setOption(1, CO::coEditing);
    form.click(form.cell(1, 2));
    QCOMPARE(form.grid->GetSelectedCell(), TPoint(1, 2));
    QCOMPARE(form.grid->CellEditing(), firstClickEdits);
    QVERIFY(form.grid->take().contains(u"click 1 2"_s));
    form.grid->EndEditing();
    // Clicks far apart in time, so that they are no double click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    form.click(form.cell(1, 2));
    QVERIFY(form.grid->CellEditing());
    QCOMPARE(form.grid->InplaceEditor()->Text(), u"1,2"_s);
    // A press on another cell takes the edit.
    form.grid->InplaceEditor()->SetText(u"typed"_s);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    form.click(form.cell(0, 4));
    QCOMPARE(form.grid->text(1, 2), u"typed"_s);
}

void TestDgCustomGrid::cellClicksAndRanges() {
    Form form(GO::goHeader | GO::goSelectFullRow | GO::goMultiSelect, 8);
    form.click(form.cell(0, 1));
    form.click(form.cell(0, 3), Qt::ControlModifier);
    form.click(form.cell(0, 5), Qt::ShiftModifier);
    QCOMPARE(form.grid->selectedRows(), u"3 4 5"_s);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    // Below the rows, a release while range selecting clears the selection.
    const QPoint below(40, form.grid->GetRowTop(8) + 30);
    QTest::mousePress(form.view(), Qt::LeftButton, Qt::ControlModifier, below);
    QTest::mouseRelease(form.view(), Qt::LeftButton, Qt::ControlModifier, below);
    QCOMPARE(form.grid->selectedRows(), u""_s);
    QCOMPARE(form.grid->outsideReads, 0);
}

void TestDgCustomGrid::pressOnSelectedRowsForDrag() {
    Form form(GO::goHeader | GO::goSelectFullRow | GO::goMultiSelect, 8);
    form.grid->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) {
        form.grid->BeginDrag(false);
    };
    form.click(form.cell(0, 1));
    form.click(form.cell(0, 3), Qt::ControlModifier);
    QCOMPARE(form.grid->selectedRows(), u"1 3"_s);
    // A press on a selected row keeps the selection for the drag; a release without a drag selects.
    QTest::mousePress(form.view(), Qt::LeftButton, {}, form.cell(0, 1));
    QCOMPARE(form.grid->selectedRows(), u"1 3"_s);
    QCOMPARE(form.grid->SelectedRow(), 1);
    QTest::mouseRelease(form.view(), Qt::LeftButton, {}, form.cell(0, 1));
    QVERIFY(!form.grid->Dragging());
    QCOMPARE(form.grid->selectedRows(), u"1"_s);
}

void TestDgCustomGrid::keys_data() {
    QTest::addColumn<TGridOptions>("options");
    QTest::addColumn<TPoint>("start");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("indicateCell");
    QTest::addColumn<TPoint>("cell");
    QTest::addColumn<int>("horzPosition");
    const TGridOptions plain = GO::goHeader;
    const TGridOptions full = GO::goHeader | GO::goSelectFullRow;
    // 30 rows; three columns of 120 pixels, wider than the client, so 10 rows fit above the bar.
    QTest::newRow("Down") << plain << TPoint(0, 0) << Qt::Key_Down << false << TPoint(0, 1) << 0;
    QTest::newRow("Up") << plain << TPoint(0, 3) << Qt::Key_Up << false << TPoint(0, 2) << 0;
    QTest::newRow("Home") << plain << TPoint(1, 5) << Qt::Key_Home << false << TPoint(1, 0) << 0;
    QTest::newRow("End") << plain << TPoint(1, 5) << Qt::Key_End << false << TPoint(1, 29) << 0;
    QTest::newRow("PageDown to page end")
        << plain << TPoint(0, 0) << Qt::Key_PageDown << false << TPoint(0, 9) << 0;
    QTest::newRow("PageDown a page") << plain << TPoint(0, 9) << Qt::Key_PageDown << false << TPoint(0, 19)
                                     << 0;
    QTest::newRow("PageDown past the end")
        << plain << TPoint(0, 25) << Qt::Key_PageDown << false << TPoint(0, 29) << 0;
    QTest::newRow("PageUp to top row")
        << plain << TPoint(0, 5) << Qt::Key_PageUp << false << TPoint(0, 0) << 0;
    QTest::newRow("PageUp at top") << plain << TPoint(0, 0) << Qt::Key_PageUp << false << TPoint(0, 0) << 0;
    QTest::newRow("Right") << plain << TPoint(0, 2) << Qt::Key_Right << false << TPoint(1, 2) << 0;
    QTest::newRow("Left") << plain << TPoint(1, 2) << Qt::Key_Left << false << TPoint(0, 2) << 0;
    QTest::newRow("Right scrolls full rows")
        << full << TPoint(0, 2) << Qt::Key_Right << false << TPoint(0, 2) << 10;
    QTest::newRow("Right with indicated cell")
        << full << TPoint(0, 2) << Qt::Key_Right << true << TPoint(1, 2) << -1;
    QTest::newRow("Tab") << plain << TPoint(2, 3) << Qt::Key_Tab << false << TPoint(0, 4) << -1;
    QTest::newRow("Shift+Tab") << plain << TPoint(0, 3) << Qt::Key_Backtab << false << TPoint(2, 2) << -1;
}

void TestDgCustomGrid::keys() {
    QFETCH(TGridOptions, options);
    QFETCH(TPoint, start);
    QFETCH(Qt::Key, key);
    QFETCH(bool, indicateCell);
    QFETCH(TPoint, cell);
    QFETCH(int, horzPosition);
    Form form(options, 30, 120);
    form.grid->SetWantTabs(true);
    if (indicateCell)
        form.grid->SetAppearanceOptions(form.grid->AppearanceOptions() |
                                        TAppearanceOption::aoIndicateSelectedCell);
    form.grid->SetSelectedRow(start.y());
    form.grid->SetSelectedColumn(start.x());
    form.grid->HorzScrollBar()->SetPosition(0);
    QTest::keyClick(form.grid, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(form.grid->GetSelectedCell(), cell);
    if (horzPosition >= 0)
        QCOMPARE(form.grid->HorzScrollBar()->Position(), horzPosition);
    QVERIFY(form.grid->hasFocus());
    // The selected row stays in view.
    QVERIFY(cell.y() >= form.grid->TopRow());
    QVERIFY(cell.y() < form.grid->TopRow() + form.grid->GetPageRowCount(false));
}

void TestDgCustomGrid::pageDownScrollsNoFurtherThanTheLastFullPage_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<TPoint>("start"); // TopRow, SelectedRow
    QTest::addColumn<TPoint>("end");
    const QList<int> none;
    // 100 rows, six to a page.
    QTest::newRow("Down at the page's last row scrolls one row")
        << Qt::Key_Down << none << TPoint(10, 15) << TPoint(11, 16);
    QTest::newRow("a whole page") << Qt::Key_PageDown << none << TPoint(84, 89) << TPoint(90, 95);
    QTest::newRow("short of a page") << Qt::Key_PageDown << none << TPoint(89, 94) << TPoint(94, 99);
    QTest::newRow("rows hidden above") << Qt::Key_PageDown << QList<int>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14}
                                       << TPoint(89, 94) << TPoint(94, 99);
    QTest::newRow("rows hidden at the end")
        << Qt::Key_PageDown << QList<int>{97, 98, 99} << TPoint(86, 91) << TPoint(91, 96);
}

void TestDgCustomGrid::pageDownScrollsNoFurtherThanTheLastFullPage() {
    QFETCH(Qt::Key, key);
    QFETCH(QList<int>, hidden);
    QFETCH(TPoint, start);
    QFETCH(TPoint, end);
    Form form(GO::goHeader, 100);
    form.grid->resize(300, kHeader + 6 * kRow + 8);
    for (const int row : hidden)
        form.grid->hideRow(row);
    QCOMPARE(form.grid->GetPageRowCount(false), 6);
    TDgScrollBar* bar = form.grid->VertScrollBar();
    const auto shownAbove = [&](int row) {
        return row - int(std::count_if(hidden.begin(), hidden.end(), [row](int h) { return h < row; }));
    };
    form.grid->SetSelectedRow(start.y());
    bar->SetPosition(shownAbove(start.x()));
    QCOMPARE(TPoint(form.grid->TopRow(), form.grid->SelectedRow()), start);
    QTest::keyClick(form.grid, key);
    QCOMPARE(TPoint(form.grid->TopRow(), form.grid->SelectedRow()), end);
    QCOMPARE(bar->Position(), shownAbove(end.x()));
    QVERIFY(bar->Position() <= bar->Max() - bar->PageSize() + 1);
}

void TestDgCustomGrid::tabLeavesWithoutWantTabs() {
    Form form(GO::goHeader, 5);
    form.grid->SetSelectedRow(1);
    QTest::keyClick(form.grid, Qt::Key_Tab);
    QVERIFY(form.other->hasFocus());
    QCOMPARE(form.grid->GetSelectedCell(), TPoint(0, 1));
    // With WantTabs but nothing to step to, Tab leaves as well.
    Form empty(GO::goHeader, 0);
    empty.grid->SetWantTabs(true);
    QTest::keyClick(empty.grid, Qt::Key_Tab);
    QVERIFY(empty.other->hasFocus());
}

void TestDgCustomGrid::tabWrapsToNextControl() {
    Form form(GO::goHeader, 5);
    form.grid->SetWantTabs(true);
    form.grid->SetSelectedRow(4);
    form.grid->SetSelectedColumn(2);
    QTest::keyClick(form.grid, Qt::Key_Tab);
    QCOMPARE(form.grid->GetSelectedCell(), TPoint(0, 0));
    QTRY_VERIFY(form.other->hasFocus());
}

void TestDgCustomGrid::enterMoves_data() {
    QTest::addColumn<bool>("wantReturns");
    QTest::addColumn<TSelectionMoveDirection>("direction");
    QTest::addColumn<TPoint>("cell");
    using D = TSelectionMoveDirection;
    QTest::newRow("without WantReturns") << false << D::mdDown << TPoint(1, 3);
    QTest::newRow("none") << true << D::mdNone << TPoint(1, 3);
    QTest::newRow("up") << true << D::mdUp << TPoint(1, 2);
    QTest::newRow("down") << true << D::mdDown << TPoint(1, 4);
    QTest::newRow("left") << true << D::mdLeft << TPoint(0, 3);
    QTest::newRow("right") << true << D::mdRight << TPoint(2, 3);
}

void TestDgCustomGrid::enterMoves() {
    QFETCH(bool, wantReturns);
    QFETCH(TSelectionMoveDirection, direction);
    QFETCH(TPoint, cell);
    Form form(GO::goHeader, 8);
    // An editable column: Enter moves and never starts an edit.
    form.setOption(1, CO::coEditing);
    form.grid->SetWantReturns(wantReturns);
    form.grid->SetSelectionMoveDirection(direction);
    form.grid->SetSelectedRow(3);
    form.grid->SetSelectedColumn(1);
    QTest::keyClick(form.grid, Qt::Key_Return);
    QCOMPARE(form.grid->GetSelectedCell(), cell);
    QVERIFY(!form.grid->CellEditing());
    // Typing a character starts the edit with just that character.
    QTest::keyClick(form.grid, Qt::Key_Z);
    QCOMPARE(form.grid->CellEditing(), cell.x() == 1);
}

void TestDgCustomGrid::inputLineEnter() {
    Form form(GO::goHeader | GO::goInput, 2);
    form.grid->SetWantReturns(true);
    form.grid->SetInputEnterMode(TInputEnterMode::imAllways);
    form.grid->Columns()->ColumnItem(0)->SetDefaultValue(u"new"_s);
    form.grid->SetInputSelected(true);
    // Nothing is edited: no editor to empty, but the row is added.
    QTest::keyClick(form.grid, Qt::Key_Return);
    QCOMPARE(form.grid->RowCount(), 3);
    QCOMPARE(form.grid->text(0, 2), u"new"_s);
    // Typing in the input line edits its cell.
    form.setOption(1, CO::coEditing);
    form.grid->SetSelectedColumn(1);
    QTest::keyClick(form.grid, Qt::Key_K);
    QVERIFY(form.grid->InputEditing());
    QCOMPARE(form.grid->InplaceEditor()->Text(), u"k"_s);
}

void TestDgCustomGrid::wheel() {
    Form form(GO::goHeader, 30);
    auto* bar = form.grid->VertScrollBar();
    form.wheel(-120);
    QCOMPARE(bar->Position(), 1);
    QCOMPARE(form.grid->TopRow(), 1);
    form.wheel(-120, Qt::ControlModifier);
    QCOMPARE(bar->Position(), 1 + bar->LargeChange());
    form.wheel(120, Qt::ControlModifier);
    QCOMPARE(bar->Position(), 1);
    form.wheel(120);
    QCOMPARE(bar->Position(), 0);
    for (int i = 0; i < 40; ++i)
        form.wheel(-120);
    QCOMPARE(bar->Position(), bar->Max() - bar->PageSize() + 1);
    QCOMPARE(form.grid->TopRow(), bar->Position());
    // An open editor keeps the wheel from scrolling.
    form.setOption(0, CO::coEditing);
    form.grid->EditCell(0, 25, QString());
    form.wheel(120);
    QCOMPARE(bar->Position(), bar->Max() - bar->PageSize() + 1);
    // Columns wider than the client and no vertical range: the wheel scrolls sideways.
    Form wide(GO::goHeader, 3, 150);
    wide.wheel(-120);
    QCOMPARE(wide.grid->HorzScrollBar()->Position(), 10);
    wide.wheel(120);
    QCOMPARE(wide.grid->HorzScrollBar()->Position(), 0);
}

void TestDgCustomGrid::typeAhead() {
    const QStringList names{u"alpha"_s, u"ABC"_s, u"bravo"_s, u"abd"_s, u"charlie"_s, u"Abx"_s};
    Form form(GO::goHeader, 6);
    for (int r = 0; r < 6; ++r)
        form.grid->rows[size_t(r)].texts[1] = names[r];
    form.setOption(1, CO::coSearchColumn);
    form.grid->SetSelectedRow(0);
    QTest::keyClick(form.grid, Qt::Key_A);
    QCOMPARE(form.grid->SelectedRow(), 1);
    QVERIFY(form.grid->SearchTimer()->isActive());
    QCOMPARE(form.grid->SearchTimer()->interval(), 500);
    // "ab" is searched from the row after the one "a" found: row 1 itself is passed over.
    QTest::keyClick(form.grid, Qt::Key_B);
    QCOMPARE(form.grid->SearchText(), u"ab"_s);
    QCOMPARE(form.grid->SelectedRow(), 3);
    QTest::keyClick(form.grid, Qt::Key_X);
    QCOMPARE(form.grid->SelectedRow(), 5);
    // The pause ends the word: "b" starts a new search, which wraps round to the top.
    form.grid->SearchTimer()->start(1);
    QTRY_COMPARE(form.grid->SearchText(), u""_s);
    QVERIFY(!form.grid->SearchTimer()->isActive());
    QTest::keyClick(form.grid, Qt::Key_B);
    QCOMPARE(form.grid->SelectedRow(), 2);
    // No match leaves the selection.
    QTest::keyClick(form.grid, Qt::Key_Q);
    QCOMPARE(form.grid->SelectedRow(), 2);
    // A selected column that edits takes the key instead.
    form.grid->SearchTimerTick();
    form.setOption(0, CO::coEditing);
    form.grid->SetSelectedColumn(0);
    QTest::keyClick(form.grid, Qt::Key_A);
    QCOMPARE(form.grid->SelectedRow(), 2);
    QVERIFY(form.grid->CellEditing());
}

void TestDgCustomGrid::checkBoxes() {
    Form form(GO::goHeader, 4, 60);
    auto* check = form.grid->addCheck(u"X"_s);
    for (auto& row : form.grid->rows)
        row.texts[3] = u"False"_s;
    TRect cell;
    form.grid->GetCellRect(3, 1, cell);
    const TRect box = CheckBoxHitRect(*check, cell);
    const QPoint inBox(cell.Left + box.Left + box.Width() / 2, cell.Top + box.Top + box.Height() / 2);
    form.click(inBox);
    QCOMPARE(form.grid->text(3, 1), u"True"_s);
    QVERIFY(form.grid->take().contains(u"toggle 3 1 True"_s));
    QTest::keyClick(form.grid, Qt::Key_Space);
    QCOMPARE(form.grid->text(3, 1), u"False"_s);
    // Read-only: neither the mouse nor the space bar toggles.
    form.grid->SetReadOnly(true);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    form.click(inBox);
    QTest::keyClick(form.grid, Qt::Key_Space);
    QCOMPARE(form.grid->text(3, 1), u"False"_s);
    // Outside the box the click only selects.
    form.grid->SetReadOnly(false);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    form.click(QPoint(cell.Right - 2, cell.Top + 2));
    QCOMPARE(form.grid->text(3, 1), u"False"_s);
}

void TestDgCustomGrid::hints() {
    Form form(GO::goHeader | GO::goFooter, 5);
    auto* columns = form.grid->Columns();
    columns->ColumnItem(0)->SetWidth(30);
    form.grid->rows[1].texts[0] = u"a text far too long for thirty pixels"_s;
    columns->ColumnItem(1)->Header()->SetHint(u"header hint"_s);
    columns->ColumnItem(2)->Footer()->SetHint(u"footer hint"_s);
    form.grid->OnCellHint = [](QObject*, int ACol, int ARow, QString& Value) {
        if (ACol == 1)
            Value = u"hint %1"_s.arg(ARow);
    };
    QString applied;
    form.grid->OnApplyCell = [&](QObject*, int, int, QString& Value) { applied = Value; };

    const auto hintAt = [&]() { return form.grid->HintWindow()->geometry().topLeft(); };
    TRect cell;
    // Text-fit hint: the full text at the cell's top-left corner.
    form.move(form.cell(0, 1));
    QCOMPARE(form.grid->HintKind(), hkTextFit);
    QVERIFY(form.grid->HintWindow() && form.grid->HintWindow()->isVisible());
    QCOMPARE(form.grid->HintWindow()->Caption(), form.grid->rows[1].texts[0]);
    QCOMPARE(applied, form.grid->rows[1].texts[0]);
    form.grid->GetCellRect(0, 1, cell);
    QCOMPARE(hintAt(), form.view()->mapToGlobal(cell.TopLeft()));
    // A cell whose text fits shows no text-fit hint.
    form.move(form.cell(0, 2));
    QVERIFY(!form.grid->HintWindow());
    // Cell hint: at the cell's right edge, 20 pixels above it, at most 250 pixels wide.
    form.move(form.cell(1, 3));
    QCOMPARE(form.grid->HintKind(), hkCell);
    QCOMPARE(form.grid->HintWindow()->Caption(), u"hint 3"_s);
    form.grid->GetCellRect(1, 3, cell);
    QCOMPARE(hintAt(), form.view()->mapToGlobal(QPoint(cell.Left + 80, cell.Top - 20)));
    QVERIFY(form.grid->HintWindow()->width() <= 250 + 6);
    form.move(form.cell(2, 3));
    QVERIFY(!form.grid->HintWindow());
    // Header hint, 2 pixels below the header.
    form.move(form.header(1));
    QCOMPARE(form.grid->HintKind(), hkHeader);
    QCOMPARE(form.grid->HeaderHintColumn(), columns->ColumnItem(1));
    QCOMPARE(hintAt(), form.view()->mapToGlobal(QPoint(columns->ColumnItem(1)->ClientLeft(), kHeader + 2)));
    form.move(form.header(2));
    QVERIFY(!form.grid->HintWindow());
    // Footer hint, below the client area.
    const QPoint footer(form.cell(2, 0).x(), form.grid->GetFooterRect().Top + 8);
    form.move(footer);
    QCOMPARE(form.grid->HintKind(), hkFooter);
    QCOMPARE(form.grid->HintWindow()->Caption(), u"footer hint"_s);
    QCOMPARE(hintAt().y(), form.view()->mapToGlobal(QPoint(0, form.grid->ClientHeight() + 2)).y());
    // Leaving the control frees the hint.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(form.grid, &leave);
    QVERIFY(!form.grid->HintWindow());
    QCOMPARE(form.grid->HintKind(), hkNone);
    // Without the application's hints nothing shows.
    SetShowHints(false);
    form.move(form.cell(1, 2));
    QVERIFY(!form.grid->HintWindow());
    SetShowHints(true);
}

void TestDgCustomGrid::nothingWithoutRows_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<TGridOptions>("options");
    const TGridOptions all = GO::goHeader | GO::goIndicator | GO::goFooter | GO::goSelectFullRow |
                             GO::goMultiSelect | GO::goRowResizing | GO::goRowMoving;
    QTest::newRow("no rows") << 3 << all;
    QTest::newRow("no rows, input line") << 3 << (all | GO::goInput);
    QTest::newRow("no columns") << 0 << all;
}

void TestDgCustomGrid::nothingWithoutRows() {
    QFETCH(int, columns);
    QFETCH(TGridOptions, options);
    Form form(options, 0, 80, columns);
    form.grid->SetWantTabs(true);
    form.grid->SetWantReturns(true);
    form.grid->OnSelectCell = [](QObject*, int, int) { QFAIL("no cell to select"); };
    for (int key :
         {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Left,
          Qt::Key_Right, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_A}) {
        form.grid->setFocus();
        QTest::keyClick(form.grid, Qt::Key(key));
    }
    for (QPoint at : {QPoint(5, 5), QPoint(5, 60), QPoint(40, 9), QPoint(40, 30), QPoint(40, 190),
                      QPoint(290, 100), QPoint(40, 60)}) {
        form.click(at);
        form.move(at);
        form.doubleClick(at);
    }
    for (auto mods : {Qt::NoModifier, Qt::ControlModifier}) {
        form.wheel(-120, mods);
        form.wheel(120, mods);
    }
    QCOMPARE(form.grid->SelectedRow(), -1);
    QCOMPARE(form.grid->RowCount(), 0);
    QCOMPARE(form.grid->outsideReads, 0);
    QCOMPARE(form.grid->VertScrollBar()->Position(), 0);
}

void TestDgCustomGrid::positions() {
    Form form(GO::goHeader | GO::goIndicator | GO::goGrid | GO::goRowResizing, 6);
    form.grid->SetGridLinesStyle(TGridLinesStyle::lsHorizontalOnly);
    form.grid->rows[1].height = 30;
    // Row borders lie where the rows end, whatever the line style.
    for (int row = 0; row < 5; ++row) {
        const int bottom = form.grid->GetRowTop(row + 1) - 1;
        QCOMPARE(form.grid->RowBorderAtPos(5, bottom), row);
        QCOMPARE(form.grid->RowBorderAtPos(20, bottom), -1);
        QCOMPARE(form.grid->GetRowAtPos(0, form.grid->GetRowTop(row) + 1), row);
        QCOMPARE(form.grid->GetRowAtPos(0, bottom), row);
    }
    QCOMPARE(form.grid->GetRowAtPos(0, 2), form.grid->TopRow());
    QCOMPARE(form.grid->GetRowAtPos(0, 190), -1);
    QCOMPARE(form.grid->HitTest(5, 40), TGridHitPart::Indicator);
    QCOMPARE(form.grid->HitTest(40, 5), TGridHitPart::Header);
    QCOMPARE(form.grid->HitTest(40, 40), TGridHitPart::Cells);
    QCOMPARE(form.grid->HitTest(290, 40), TGridHitPart::None);
    // Column borders: 3 pixels left, 2 right of the right edge.
    const int edge = form.grid->Columns()->ColumnItem(0)->Left() + 80;
    QCOMPARE(form.grid->ColumnBorderAtPos(edge - 4), nullptr);
    QCOMPARE(form.grid->ColumnBorderAtPos(edge - 3), form.grid->Columns()->ColumnItem(0));
    QCOMPARE(form.grid->ColumnBorderAtPos(edge + 2), form.grid->Columns()->ColumnItem(0));
    QCOMPARE(form.grid->ColumnAtPos(edge), form.grid->Columns()->ColumnItem(1));
    QCOMPARE(form.grid->CellAtPos(edge + 1, form.grid->GetRowTop(2) + 3), (TGridCoord{1, 2}));
}

QTEST_MAIN(TestDgCustomGrid)
#include "tst_dgcustomgrid.moc"
