// The dragging modes on the real widget (offscreen) with mouse events: moving a column with the drag box,
// resizing a column and a row with their guide lines, moving a row with its marker, focus loss in the
// middle of each, and freeing the grid while a drag runs.
#include "DataGridCheck.h"
#include "GridWindow.h"

#include <QLineEdit>
#include <QtTest>
#include <memory>

using namespace grid;
using namespace platform;
using namespace datagridcheck;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(grid::TGridOptions)

namespace {

using GO = TGridOption;

constexpr int kHeader = 18;

/// A shown, active window with a grid of four 60-pixel text columns C0..C3 and ten rows r0..r9, and a line
/// edit that can take the focus.
struct Form : GridWindow<TDataGrid> {
    QStringList log;

    explicit Form(TGridOptions options) {
        for (int i = 0; i < 4; ++i)
            addText(*grid, u"C%1"_s.arg(i));
        grid->SetOptions(options);
        addRows(*grid, 10);
        open();
        grid->OnColumnMove = [this](QObject*, int c, int from, int to) {
            log << u"move %1 %2 %3"_s.arg(c).arg(from).arg(to);
        };
        grid->OnColumnResize = [this](QObject*, int c) { log << u"resize %1"_s.arg(c); };
        grid->OnChangeRowHeight = [this](QObject*, int r, int h) { log << u"height %1 %2"_s.arg(r).arg(h); };
        grid->OnRowMove = [this](QObject*, int from, int to, bool&) {
            log << u"rowmove %1 %2"_s.arg(from).arg(to);
        };
        grid->OnAfterRowMove = [this](QObject*, int from, int to) {
            log << u"after %1 %2"_s.arg(from).arg(to);
        };
    }
    QWidget* view() const { return grid->viewport(); }
    void send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        const QPoint global = view()->mapToGlobal(at);
        QMouseEvent event(type, target->mapFromGlobal(global), global,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    void press(QPoint at) { send(view(), QEvent::MouseButtonPress, at, Qt::LeftButton); }
    void drag(QPoint at) { send(view(), QEvent::MouseMove, at, Qt::LeftButton); }
    void release(QPoint at) { send(view(), QEvent::MouseButtonRelease, at, Qt::NoButton); }
    /// Positions on screen, left to right.
    QString order() const {
        QStringList out;
        for (int pos = 0; pos < grid->Columns()->ColumnCount(); ++pos) {
            const TDgCustomColumn* column = grid->Columns()->PositionItem(pos);
            out << (column->Visible() ? u""_s : u"-"_s) + column->Header()->Caption();
        }
        return out.join(u' ');
    }
    /// Presses the header of a column and drags it 10 pixels: the drag box takes over.
    void startColumnDrag(int col) {
        const int x = grid->Columns()->ColumnItem(col)->ClientLeft() + 30;
        press(QPoint(x, kHeader / 2));
        drag(QPoint(x + 10, kHeader / 2));
    }
    QPoint rowPoint(int row, int dy) const { return QPoint(30, grid->GetRowTop(row) + dy); }
};

} // namespace

class TestDgDragging : public QObject {
    Q_OBJECT
private slots:
    void dropColumn_data();
    void dropColumn();
    void dropArrows();
    void dropPositionScrolled_data();
    void dropPositionScrolled();
    void resizeColumn();
    void fixedSizeColumnOffersNoBorder();
    void resizeRow();
    void moveRow_data();
    void moveRow();
    void focusLossEndsModes();
    void deactivationHidesBoxAndArrows();
    void freeWhileDragging_data();
    void freeWhileDragging();
};

void TestDgDragging::dropColumn_data() {
    QTest::addColumn<TGridOptions>("options");
    QTest::addColumn<int>("fixed");
    QTest::addColumn<int>("col");
    QTest::addColumn<QPoint>("drop");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("events");
    const TGridOptions base = GO::goHeader | GO::goGrid;
    QTest::newRow("right half of C2")
        << base << 0 << 0 << QPoint(170, 9) << u"C1 C2 C0 C3"_s << u"move 0 0 2"_s;
    QTest::newRow("left half of C2") << base << 0 << 0 << QPoint(130, 9) << u"C1 C0 C2 C3"_s
                                     << u"move 0 0 1"_s;
    QTest::newRow("C3 on left half of C1")
        << base << 0 << 3 << QPoint(70, 9) << u"C0 C3 C1 C2"_s << u"move 3 3 1"_s;
    QTest::newRow("C3 on right half of C1")
        << base << 0 << 3 << QPoint(110, 9) << u"C0 C1 C3 C2"_s << u"move 3 3 2"_s;
    QTest::newRow("on itself") << base << 0 << 1 << QPoint(75, 9) << u"C0 C1 C2 C3"_s << QString();
    QTest::newRow("outside, no hiding") << base << 0 << 1 << QPoint(75, 100) << u"C0 C1 C2 C3"_s << QString();
    QTest::newRow("outside, hiding") << (base | GO::goCanHideColumn) << 0 << 1 << QPoint(75, 100)
                                     << u"C0 -C1 C2 C3"_s << QString();
    QTest::newRow("locked: onto the fixed column")
        << (base | GO::goLockFixedCols) << 1 << 2 << QPoint(20, 9) << u"C0 C1 C2 C3"_s << QString();
    QTest::newRow("locked: the fixed column")
        << (base | GO::goLockFixedCols) << 1 << 0 << QPoint(170, 9) << u"C0 C1 C2 C3"_s << QString();
    QTest::newRow("unlocked fixed") << base << 1 << 2 << QPoint(20, 9) << u"C2 C0 C1 C3"_s << u"move 2 2 0"_s;
}

void TestDgDragging::dropColumn() {
    QFETCH(TGridOptions, options);
    QFETCH(int, fixed);
    QFETCH(int, col);
    QFETCH(QPoint, drop);
    QFETCH(QString, order);
    QFETCH(QString, events);
    Form form(options);
    form.grid->SetFixedCols(fixed);
    form.startColumnDrag(col);
    QVERIFY(form.grid->ColumnDragging());
    TColumnDragBox* box = form.grid->DragBox();
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->Column(), form.grid->Columns()->ColumnItem(col));
    QCOMPARE(QWidget::mouseGrabber(), box);
    form.send(box, QEvent::MouseMove, drop, Qt::LeftButton);
    const bool refused = order == u"C0 C1 C2 C3"_s && drop.y() < kHeader && drop.x() / 60 != col;
    QCOMPARE(form.grid->DragCursor(), refused || drop.y() >= kHeader ? crColumnNoDrag : crDefault);
    // The box follows with the mouse in the middle of its width and 4 pixels above its bottom.
    const QPoint global = form.view()->mapToGlobal(drop);
    QCOMPARE(box->x() + box->width() / 2, global.x());
    QCOMPARE(box->geometry().y() + box->height(), global.y() + 4);
    form.send(box, QEvent::MouseButtonRelease, drop, Qt::NoButton);
    QVERIFY(!box->isVisible());
    QVERIFY(QWidget::mouseGrabber() != box);
    QVERIFY(!form.grid->ColumnDragging());
    QVERIFY(!form.grid->TopArrow()->isVisible());
    QCOMPARE(form.grid->DragCursor(), crDefault);
    QCOMPARE(form.order(), order);
    QCOMPARE(form.log.join(u", "_s), events);
}

void TestDgDragging::dropArrows() {
    Form form(GO::goHeader | GO::goGrid);
    form.startColumnDrag(0);
    TColumnDragBox* box = form.grid->DragBox();
    // The box shows the header with a black line along its bottom and right edges.
    QCOMPARE(box->size(), QSize(60, kHeader));
    const QImage picture = box->grab().toImage();
    QCOMPARE(QColor(picture.pixel(59, 9)), QColor(Qt::black));
    QCOMPARE(QColor(picture.pixel(30, kHeader - 1)), QColor(Qt::black));
    QVERIFY(QColor(picture.pixel(30, 2)) != QColor(Qt::black));
    const QPoint origin = form.view()->mapToGlobal(QPoint(0, 0));
    // Moving right: the arrows stand on C2's right edge; moving left of C3: on its left edge.
    form.send(box, QEvent::MouseMove, QPoint(170, 9), Qt::LeftButton);
    QVERIFY(form.grid->TopArrow()->isVisible() && form.grid->BottomArrow()->isVisible());
    QCOMPARE(form.grid->TopArrow()->geometry(), QRect(origin.x() + 180 - 4, origin.y() - 12, 9, 9));
    QCOMPARE(form.grid->BottomArrow()->geometry(),
             QRect(origin.x() + 180 - 4, origin.y() + kHeader - 1, 9, 9));
    // Over its own place and outside the header the arrows go.
    form.send(box, QEvent::MouseMove, QPoint(20, 9), Qt::LeftButton);
    QVERIFY(!form.grid->TopArrow()->isVisible());
    form.send(box, QEvent::MouseMove, QPoint(130, 60), Qt::LeftButton);
    QVERIFY(!form.grid->BottomArrow()->isVisible());
    QCOMPARE(form.grid->DragCursor(), crColumnNoDrag);
    form.send(box, QEvent::MouseButtonRelease, QPoint(130, 60), Qt::NoButton);
    // The arrows' shapes: red, with a window region.
    QCOMPARE(form.grid->TopArrow()->Shape(), 2);
    QCOMPARE(form.grid->BottomArrow()->Shape(), 1);
    QVERIFY(!form.grid->HeaderPressed());
    QCOMPARE(form.grid->DownColumn(), nullptr);
    QVERIFY(!form.grid->TopArrow()->mask().isEmpty());
    QVERIFY(form.grid->TopArrow()->mask() != form.grid->BottomArrow()->mask());
}

void TestDgDragging::dropPositionScrolled_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("expected");
    // Eight 60-pixel columns, C0 fixed, scrolled by 90: C2 at 30..90 lies partly under C0, C3 at 90..150.
    QTest::newRow("left half of C3") << 5 << 100 << 3;
    QTest::newRow("right half of C3") << 5 << 140 << 4;
    QTest::newRow("over C2 under the fixed column") << 5 << 70 << 5;
    QTest::newRow("onto the fixed column") << 5 << 20 << 0;
    QTest::newRow("the fixed column to the left of C3") << 0 << 100 << 2;
    QTest::newRow("over itself") << 3 << 120 << 3;
    QTest::newRow("C2 to the left half of C6") << 2 << 299 << 5;
}

void TestDgDragging::dropPositionScrolled() {
    QFETCH(int, col);
    QFETCH(int, x);
    QFETCH(int, expected);
    Form form(GO::goHeader | GO::goGrid);
    for (int i = 4; i < 8; ++i)
        addText(*form.grid, u"C%1"_s.arg(i));
    form.grid->SetFixedCols(1);
    form.grid->HorzScrollBar()->SetPosition(90);
    QCOMPARE(form.grid->HorzScrollPosition(), 90);
    QCOMPARE(form.grid->ColumnDropPosition(form.grid->Columns()->ColumnItem(col), x), expected);
}

void TestDgDragging::resizeColumn() {
    Form form(GO::goHeader | GO::goGrid);
    TDgCustomColumn* c1 = form.grid->Columns()->ColumnItem(1);
    c1->SetMinWidth(20);
    form.press(QPoint(119, 9));
    QVERIFY(form.grid->ColumnResizing());
    QCOMPARE(form.grid->ResizeGuideLeft().Left, 59);
    QCOMPARE(form.grid->ResizeGuideRight().Left, 119);
    form.drag(QPoint(150, 9));
    QCOMPARE(form.grid->ResizeGuideRight().Left, 149);
    // Guide lines are painted inverted over the white cells; nothing is resized meanwhile.
    QImage picture = form.view()->grab().toImage();
    QCOMPARE(QColor(picture.pixel(149, 150)), QColor(Qt::black));
    QCOMPARE(c1->Width(), 60);
    // To the left it stops at MinWidth.
    form.drag(QPoint(20, 9));
    QCOMPARE(form.grid->ResizeGuideRight().Left, 60 + 20 - 1);
    form.release(QPoint(20, 9));
    QCOMPARE(c1->Width(), 20);
    QVERIFY(!form.grid->ColumnResizing());
    QVERIFY(form.grid->ResizeGuideRight().IsEmpty());
    QCOMPARE(form.log, QStringList{u"resize 1"_s});
    picture = form.view()->grab().toImage();
    QVERIFY(QColor(picture.pixel(79, 150)) != QColor(Qt::black));
}

void TestDgDragging::fixedSizeColumnOffersNoBorder() {
    Form form(GO::goHeader | GO::goGrid);
    TDgCustomColumn* c0 = form.grid->Columns()->ColumnItem(0);
    c0->SetOptions(c0->Options() | TColumnOption::coFixedSize);
    form.press(QPoint(59, 9));
    QVERIFY(!form.grid->ColumnResizing());
    QVERIFY(form.grid->ResizeGuideLeft().IsEmpty());
    form.drag(QPoint(100, 9));
    form.release(QPoint(100, 9));
    QCOMPARE(c0->Width(), 60);
    QVERIFY(!form.log.contains(u"resize 0"_s));
}

void TestDgDragging::resizeRow() {
    Form form(GO::goHeader | GO::goGrid | GO::goIndicator | GO::goRowResizing);
    const int top = form.grid->GetRowTop(0);
    const int border = top + 16;
    // A press and a release on the border without a move keep the height.
    form.press(QPoint(5, border));
    QCOMPARE(form.grid->RowResizeRow(), 0);
    QCOMPARE(form.grid->RowResizeGuide().Top, border);
    form.release(QPoint(5, border));
    QCOMPARE(form.grid->RowHeight(0), 16);
    QVERIFY(form.grid->RowResizeGuide().IsEmpty());
    // Upwards it stops 8 pixels below the row's top.
    form.press(QPoint(5, border));
    form.drag(QPoint(5, top + 2));
    QCOMPARE(form.grid->RowResizeGuide().Top, top + 8);
    QCOMPARE(form.grid->RowHeight(0), 16);
    form.release(QPoint(5, top + 2));
    QCOMPARE(form.grid->RowHeight(0), 8);
    // Downwards the row takes the line's place.
    const int border1 = form.grid->GetRowTop(1) + 16;
    form.press(QPoint(5, border1));
    form.drag(QPoint(5, border1 + 14));
    form.release(QPoint(5, border1 + 14));
    QCOMPARE(form.grid->RowHeight(1), 30);
    QCOMPARE(form.log, (QStringList{u"height 0 8"_s, u"height 1 30"_s}));
    CHECK_ROW_MARKS(*form.grid);
}

void TestDgDragging::moveRow_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("overRow");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("ids");
    QTest::addColumn<int>("selected");
    QTest::newRow("lower half of row 3")
        << 1 << 3 << 12 << true << u"rowmove 1 3, after 1 3"_s << u"r0 r2 r3 r1 r4"_s << 3;
    QTest::newRow("upper half of row 3")
        << 1 << 3 << 4 << true << u"rowmove 1 2, after 1 2"_s << u"r0 r2 r1 r3 r4"_s << 2;
    QTest::newRow("upwards") << 4 << 1 << 4 << true << u"rowmove 4 1, after 4 1"_s << u"r0 r4 r1 r2 r3"_s
                             << 1;
    QTest::newRow("own place") << 1 << 1 << 4 << true << u"rowmove 1 1, after 1 1"_s << u"r0 r1 r2 r3 r4"_s
                               << 1;
    QTest::newRow("refused") << 1 << 3 << 12 << false << u"rowmove 1 3"_s << u"r0 r1 r2 r3 r4"_s << 1;
}

void TestDgDragging::moveRow() {
    QFETCH(int, from);
    QFETCH(int, overRow);
    QFETCH(int, dy);
    QFETCH(bool, accept);
    QFETCH(QString, events);
    QFETCH(QString, ids);
    QFETCH(int, selected);
    Form form(GO::goHeader | GO::goGrid | GO::goRowMoving | GO::goSelectFullRow);
    for (int r = 9; r >= 5; --r)
        form.grid->DeleteRow(r);
    form.grid->OnRowMove = [&](QObject*, int f, int t, bool& ok) {
        form.log << u"rowmove %1 %2"_s.arg(f).arg(t);
        ok = accept;
    };
    form.press(form.rowPoint(from, 8));
    // Away and to the target, so that the drag distance is passed also for the own place.
    form.drag(form.rowPoint(from == 4 ? 3 : from + 1, 8));
    form.drag(form.rowPoint(overRow, dy));
    QVERIFY(form.grid->RowMoving());
    QVERIFY(form.grid->RowMoveMarkerShown());
    QCOMPARE(form.grid->DropRow(), dy > 8 ? overRow + 1 : overRow);
    // The marker is painted red at the drop row's top edge.
    const QImage picture = form.view()->grab().toImage();
    const int y = form.grid->GetRowTop(form.grid->DropRow()) - 1;
    QCOMPARE(QColor(picture.pixel(100, y)), QColor(Qt::red));
    form.release(form.rowPoint(overRow, dy));
    QVERIFY(!form.grid->RowMoving());
    QVERIFY(!form.grid->RowMoveMarkerShown());
    QCOMPARE(form.grid->MoveRowFrom(), -1);
    QCOMPARE(form.log.join(u", "_s), events);
    QCOMPARE(datagridcheck::ids(*form.grid).join(u' '), ids);
    QCOMPARE(form.grid->SelectedRow(), selected);
    CHECK_ROW_MARKS(*form.grid);
}

void TestDgDragging::focusLossEndsModes() {
    Form form(GO::goHeader | GO::goGrid | GO::goIndicator | GO::goRowResizing | GO::goRowMoving);
    // Row resizing: the guide goes, the release sets nothing.
    const int border = form.grid->GetRowTop(0) + 16;
    form.press(QPoint(5, border));
    form.drag(QPoint(5, border + 20));
    form.other->setFocus();
    QCOMPARE(form.grid->RowResizeRow(), -1);
    QVERIFY(form.grid->RowResizeGuide().IsEmpty());
    form.release(QPoint(5, border + 20));
    QCOMPARE(form.grid->RowHeight(0), 16);
    // Column resizing.
    form.grid->setFocus();
    form.press(QPoint(59, 9));
    form.drag(QPoint(90, 9));
    form.other->setFocus();
    QVERIFY(!form.grid->ColumnResizing());
    QVERIFY(form.grid->ResizeGuideLeft().IsEmpty() && form.grid->ResizeGuideRight().IsEmpty());
    form.release(QPoint(90, 9));
    QCOMPARE(form.grid->Columns()->ColumnItem(0)->Width(), 60);
    // Row moving: the marker goes.
    form.grid->setFocus();
    form.press(form.rowPoint(1, 8));
    form.drag(form.rowPoint(3, 12));
    QVERIFY(form.grid->RowMoveMarkerShown());
    form.other->setFocus();
    QVERIFY(!form.grid->RowMoving());
    QVERIFY(!form.grid->RowMoveMarkerShown());
    form.release(form.rowPoint(3, 12));
    QCOMPARE(idAt(*form.grid, 1), u"r1"_s);
    // Column dragging: the box lets the mouse go.
    form.grid->setFocus();
    form.startColumnDrag(1);
    TColumnDragBox* box = form.grid->DragBox();
    QVERIFY(box->isVisible());
    form.send(box, QEvent::MouseMove, QPoint(170, 9), Qt::LeftButton);
    form.other->setFocus();
    QVERIFY(!box->isVisible());
    QVERIFY(QWidget::mouseGrabber() != box);
    QVERIFY(!form.grid->ColumnDragging());
    QVERIFY(!form.grid->TopArrow()->isVisible());
    QCOMPARE(form.order(), u"C0 C1 C2 C3"_s);
    QVERIFY(form.log.isEmpty());
}

namespace {
/// Lets the test deactivate the application as the window system would.
class DeactivatedGrid : public TDataGrid {
public:
    using TDataGrid::TDataGrid;
    using TDgCustomGrid::ApplicationDeactivated;
};
} // namespace

void TestDgDragging::deactivationHidesBoxAndArrows() {
    Form form(GO::goHeader | GO::goGrid);
    delete form.grid;
    auto* grid = new DeactivatedGrid(&form.window);
    form.grid = grid;
    grid->setGeometry(0, 0, 300, 200);
    for (int i = 0; i < 4; ++i)
        addText(*grid, u"C%1"_s.arg(i));
    grid->SetOptions(GO::goHeader | GO::goGrid);
    grid->show();
    form.startColumnDrag(0);
    TColumnDragBox* box = grid->DragBox();
    form.send(box, QEvent::MouseMove, QPoint(170, 9), Qt::LeftButton);
    QVERIFY(grid->TopArrow()->isVisible());
    grid->ApplicationDeactivated();
    QVERIFY(!box->isVisible());
    QVERIFY(!grid->TopArrow()->isVisible() && !grid->BottomArrow()->isVisible());
    QVERIFY(QWidget::mouseGrabber() != box);
    QVERIFY(!grid->ColumnDragging());
    QCOMPARE(form.order(), u"C0 C1 C2 C3"_s);
}

void TestDgDragging::freeWhileDragging_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("column drag") << 0;
    QTest::newRow("column resize") << 1;
    QTest::newRow("row move") << 2;
    QTest::newRow("editing") << 3;
}

void TestDgDragging::freeWhileDragging() {
    QFETCH(int, mode);
    Form form(GO::goHeader | GO::goGrid | GO::goRowMoving);
    switch (mode) {
    case 0:
        form.startColumnDrag(2);
        QVERIFY(form.grid->DragBox()->isVisible());
        break;
    case 1:
        form.press(QPoint(59, 9));
        form.drag(QPoint(80, 9));
        break;
    case 2:
        form.press(form.rowPoint(1, 8));
        form.drag(form.rowPoint(3, 12));
        QVERIFY(form.grid->RowMoving());
        break;
    default:
        form.grid->EditCell(1, 2, u"x"_s);
        QVERIFY(form.grid->CellEditing());
        break;
    }
    delete form.grid;
    QVERIFY(QWidget::mouseGrabber() == nullptr);
}

QTEST_MAIN(TestDgDragging)
#include "tst_dgdragging.moc"
