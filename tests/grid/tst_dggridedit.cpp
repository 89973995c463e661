// In-place editing with event recorders: vetoes, the text an edit starts with, the keys that take or drop
// the value, the focus loss, the input line and the cases where handlers change the rows underneath.
#include "InteractGrid.h"

#include <QLineEdit>
#include <QtTest>
#include <memory>

using namespace grid;
using namespace platform;
using namespace Qt::StringLiterals;

namespace {

using GO = TGridOption;
using CO = TColumnOption;

/// A shown, active window holding the grid (three editable text columns, five rows) and a line edit to
/// take the focus away.
struct Form : InteractForm {
    explicit Form(TGridOptions options = GO::goHeader) : InteractForm(options, 5, 80, 3, CO::coEditing) {}
    TDgCustomEdit* editor() const { return grid->InplaceEditor(); }
    /// Leaves the open edit by "enter", "tab", "esc", "focus" (to the line edit) or "select" (row 3).
    void leaveBy(const QString& how) {
        if (how == u"enter" || how == u"tab" || how == u"esc")
            QTest::keyClick(editor(), how == u"enter" ? Qt::Key_Return
                                      : how == u"tab" ? Qt::Key_Tab
                                                      : Qt::Key_Escape);
        else if (how == u"focus")
            other->setFocus();
        else
            grid->SetSelectedRow(3);
    }
};

} // namespace

class TestDgGridEdit : public QObject {
    Q_OBJECT
private slots:
    void beforeEditVeto();
    void startText_data();
    void startText();
    void leaveKeys_data();
    void leaveKeys();
    void keysReachTheGridOnce();
    void escClearEdit();
    void editAcceptVeto();
    void editTextShapesTheValueWritten();
    void refusedEdits();
    void newEditTakesThePrevious();
    void handlersDeleteRows();
    void handlerTakingTheFocusAppliesOnce_data();
    void handlerTakingTheFocusAppliesOnce();
    void inputLine();
    void acceptInputValues();
    void acceptInputIntoAddedRow();
    void numberColumnByKey();
};

void TestDgGridEdit::beforeEditVeto() {
    Form form;
    form.grid->OnBeforeEdit = [&](QObject*, int, int, bool& Accept) {
        form.grid->log << u"beforeedit"_s;
        Accept = false;
    };
    form.grid->EditCell(0, 1, QString());
    form.grid->EditCellByKey(0, 1, u'x');
    QCOMPARE(form.grid->take(), (QStringList{u"beforeedit"_s, u"beforeedit"_s}));
    QVERIFY(!form.grid->CellEditing());
    QVERIFY(!form.editor());
}

void TestDgGridEdit::startText_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("cell text, no OnEdit")
        << u"cell"_s << u"0,1"_s << QStringList{u"beforeedit 0 1"_s, u"applytext 0 1 0,1"_s};
    QTest::newRow("given text fires OnEdit")
        << u"text"_s << u"abc"_s
        << QStringList{u"beforeedit 0 1"_s, u"applytext 0 1 abc"_s, u"edit 0 1 abc"_s};
    QTest::newRow("typed key") << u"key"_s << u"x"_s << QStringList{u"beforeedit 0 1"_s, u"edit 0 1 x"_s};
}

void TestDgGridEdit::startText() {
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QStringList, events);
    Form form;
    if (how == u"key")
        form.grid->EditCellByKey(0, 1, u'x');
    else
        form.grid->EditCell(0, 1, how == u"text" ? u"abc"_s : QString());
    QVERIFY(form.grid->CellEditing());
    QCOMPARE(form.grid->EditingColumn(), 0);
    QCOMPARE(form.grid->EditingRow(), 1);
    QVERIFY(form.editor() && form.editor()->isVisible());
    QCOMPARE(form.editor()->Text(), text);
    QCOMPARE(form.editor()->cursorPosition(), text.size());
    QCOMPARE(form.grid->take(), events);
    // Typing goes on from there.
    QTest::keyClick(form.editor(), Qt::Key_Y);
    QCOMPARE(form.grid->take(), QStringList{u"edit 0 1 %1y"_s.arg(text)});
}

void TestDgGridEdit::leaveKeys_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("cell");
    const QStringList written{u"accept 1 2 new"_s, u"edittext 1 2 new"_s, u"afteredit 1 2 new"_s, u"exit"_s};
    QTest::newRow("Enter") << u"enter"_s << written << u"new"_s;
    QTest::newRow("Tab") << u"tab"_s << written << u"new"_s;
    QTest::newRow("focus loss") << u"focus"_s << written << u"new"_s;
    QTest::newRow("Esc") << u"esc"_s << QStringList{u"exit"_s} << u"1,2"_s;
    QTest::newRow("selection moved") << u"select"_s << QStringList{u"exit"_s} << u"1,2"_s;
}

void TestDgGridEdit::leaveKeys() {
    QFETCH(QString, how);
    QFETCH(QStringList, events);
    QFETCH(QString, cell);
    Form form;
    form.grid->SetWantTabs(true);
    form.grid->SetSelectedRow(2);
    form.grid->SetSelectedColumn(1);
    form.grid->EditCell(1, 2, u"new"_s);
    QVERIFY(form.editor()->hasFocus());
    form.grid->take();
    TDgCustomEdit* editor = form.editor();
    form.leaveBy(how);
    QStringList log = form.grid->take();
    log.removeIf([](const QString& line) {
        return !line.startsWith(u"accept") && !line.startsWith(u"edit") && !line.startsWith(u"afteredit") &&
               line != u"exit";
    });
    QCOMPARE(log, events);
    QCOMPARE(form.grid->text(1, 2), cell);
    QVERIFY(!form.grid->CellEditing());
    QVERIFY(!editor->isVisible());
    // Leaving an edit by a key gives the focus back to the grid.
    if (how != u"focus")
        QVERIFY(form.grid->hasFocus());
}

void TestDgGridEdit::keysReachTheGridOnce() {
    Form form;
    form.grid->OnKeyDown = [&](QObject*, int& Key, TShiftState) { form.grid->log << u"down %1"_s.arg(Key); };
    form.grid->OnKeyPress = [&](QObject*, QChar& Key) { form.grid->log << u"press "_s + Key; };
    form.grid->SetSelectedRow(1);
    form.grid->take();
    // The key that starts an edit is typed into the editor without reaching the grid a second time.
    QTest::keyClick(form.grid, Qt::Key_Q);
    QCOMPARE(form.editor()->Text(), u"q"_s);
    QCOMPARE(form.grid->take(),
             (QStringList{u"down 81"_s, u"press q"_s, u"beforeedit 0 1"_s, u"edit 0 1 q"_s}));
    QTest::keyClick(form.editor(), Qt::Key_W);
    QCOMPARE(form.grid->take(), (QStringList{u"down 87"_s, u"press w"_s, u"edit 0 1 qw"_s}));
    QTest::keyClick(form.editor(), Qt::Key_Escape);
    QCOMPARE(form.grid->take(), (QStringList{u"exit"_s, u"down 27"_s, u"press "_s + QChar(27)}));
}

void TestDgGridEdit::escClearEdit() {
    Form form(GO::goHeader | GO::goEscClearEdit);
    form.grid->EditCell(0, 0, u"abc"_s);
    QTest::keyClick(form.editor(), Qt::Key_Escape);
    QVERIFY(form.grid->CellEditing());
    QCOMPARE(form.editor()->Text(), u""_s);
    QCOMPARE(form.grid->text(0, 0), u"0,0"_s);
}

void TestDgGridEdit::editAcceptVeto() {
    Form form;
    form.grid->OnEditAccept = [&](QObject*, int, int, const QString& Value, bool& Accept) {
        form.grid->log << u"accept "_s + Value;
        Accept = false;
    };
    form.grid->EditCell(2, 4, u"refused"_s);
    form.grid->take();
    QTest::keyClick(form.editor(), Qt::Key_Return);
    QCOMPARE(form.grid->take(), (QStringList{u"accept refused"_s, u"exit"_s}));
    QCOMPARE(form.grid->text(2, 4), u"2,4"_s);
    QVERIFY(!form.grid->CellEditing());
}

void TestDgGridEdit::editTextShapesTheValueWritten() {
    Form form;
    form.grid->OnEditText = [&](QObject*, int, int, QString& Value) { Value = Value.toUpper(); };
    form.grid->EditCell(1, 2, u"new"_s);
    form.grid->take();
    QVERIFY(form.grid->ApplyEdit());
    QCOMPARE(form.grid->text(1, 2), u"NEW"_s);
    QCOMPARE(form.grid->take(), (QStringList{u"accept 1 2 new"_s, u"afteredit 1 2 NEW"_s}));
}

void TestDgGridEdit::refusedEdits() {
    Form form;
    auto* plain = form.grid->addText(u"plain"_s);
    plain->SetOptions(plain->Options() & ~TColumnOptions(CO::coEditing));
    form.grid->EditCell(3, 0, QString());
    form.grid->EditCell(0, 5, QString());
    form.grid->EditCell(7, 0, QString());
    form.grid->Columns()->ColumnItem(1)->SetEnabled(false);
    form.grid->EditCell(1, 0, QString());
    form.grid->SetReadOnly(true);
    form.grid->EditCell(0, 0, QString());
    form.grid->EditCellByKey(0, 0, u'a');
    QVERIFY(!form.grid->CellEditing());
    QCOMPARE(form.grid->take(), QStringList());
    // The cell already edited is left alone.
    form.grid->SetReadOnly(false);
    form.grid->EditCell(0, 0, u"a"_s);
    form.grid->take();
    form.grid->EditCell(0, 0, u"b"_s);
    QCOMPARE(form.grid->take(), QStringList());
    QCOMPARE(form.editor()->Text(), u"a"_s);
}

void TestDgGridEdit::newEditTakesThePrevious() {
    Form form;
    form.grid->EditCell(0, 0, u"first"_s);
    form.grid->take();
    form.grid->EditCell(1, 1, QString());
    QCOMPARE(form.grid->take(),
             (QStringList{u"beforeedit 1 1"_s, u"accept 0 0 first"_s, u"edittext 0 0 first"_s,
                          u"afteredit 0 0 first"_s, u"exit"_s, u"applytext 1 1 1,1"_s}));
    QCOMPARE(form.grid->text(0, 0), u"first"_s);
    QCOMPARE(form.editor()->Text(), u"1,1"_s);
}

void TestDgGridEdit::handlerTakingTheFocusAppliesOnce_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter") << u"enter"_s;
    QTest::newRow("Tab") << u"tab"_s;
    QTest::newRow("focus loss") << u"focus"_s;
}

// A handler that shows a message box moves the focus away from the editor while the value is being
// taken; the value is taken (and the handler asks) exactly once.
void TestDgGridEdit::handlerTakingTheFocusAppliesOnce() {
    QFETCH(QString, how);
    Form form;
    form.grid->SetWantTabs(true);
    QLineEdit box(&form.window); // stands in for the message box
    box.setGeometry(200, 250, 100, 20);
    box.show();
    int calls = 0;
    form.grid->OnEditText = [&](QObject*, int, int, QString&) {
        ++calls;
        QWidget* before = QApplication::focusWidget();
        box.setFocus();
        QVERIFY(box.hasFocus());
        if (before)
            before->setFocus(); // the box closes and gives the focus back
    };
    form.grid->SetSelectedRow(2);
    form.grid->EditCell(1, 2, u"new"_s);
    form.leaveBy(how);
    QCOMPARE(calls, 1);
    QCOMPARE(form.grid->text(1, 2), u"new"_s);
    QVERIFY(!form.grid->CellEditing());
}

void TestDgGridEdit::handlersDeleteRows() {
    Form form;
    // The handler of the edit being taken deletes every row below the first: the new target is gone.
    form.grid->EditCell(0, 0, u"x"_s);
    form.grid->OnAfterEdit = [&](QObject*, int, int, const QString&) {
        while (form.grid->RowCount() > 1)
            form.grid->DeleteRow(form.grid->RowCount() - 1);
    };
    form.grid->EditCell(0, 3, QString());
    QVERIFY(!form.grid->CellEditing());
    QCOMPARE(form.grid->text(0, 0), u"x"_s);
    // Rows deleted under an open editor: nothing is taken and nobody is asked.
    form.grid->OnAfterEdit = nullptr;
    form.grid->setRows(5);
    form.grid->EditCell(1, 4, u"y"_s);
    form.grid->take();
    form.grid->rows.resize(2);
    QVERIFY(!form.grid->ApplyEdit());
    QCOMPARE(form.grid->take(), QStringList());
    QCOMPARE(form.grid->outsideReads, 0);
}

void TestDgGridEdit::inputLine() {
    Form form(GO::goHeader | GO::goInput);
    auto* column = form.grid->Columns()->ColumnItem(1);
    form.grid->Columns()->ColumnItem(2)->SetDefaultValue(u"dflt"_s);
    form.grid->EditInput(column, QString());
    QVERIFY(form.grid->InputEditing());
    QVERIFY(form.grid->InputSelected());
    QCOMPARE(form.grid->InputColumn(), 1);
    QCOMPARE(form.grid->EditingColumn(), -1);
    QVERIFY(column->Editing());
    QVERIFY(form.editor()->isVisible());
    QCOMPARE(form.grid->take(),
             (QStringList{u"beforeselect 1 -1"_s, u"inputselect 1"_s, u"inputselect 1"_s}));
    QTest::keyClicks(form.editor(), u"ab"_s);
    QCOMPARE(form.grid->take(), (QStringList{u"edit -1 -1 a"_s, u"edit -1 -1 ab"_s}));
    // Enter adds the row and leaves the editor open on the emptied input cell.
    QTest::keyClick(form.editor(), Qt::Key_Return);
    QCOMPARE(form.grid->RowCount(), 6);
    QCOMPARE(form.grid->rows[5].texts, (QStringList{u""_s, u"ab"_s, u"dflt"_s}));
    QVERIFY(form.grid->InputEditing());
    QVERIFY(form.editor()->isVisible());
    QCOMPARE(form.editor()->Text(), u""_s);
    QCOMPARE(column->InputValue(), u""_s);
    QStringList log = form.grid->take();
    QVERIFY(log.contains(u"inputaccept"_s) && log.contains(u"inputadded"_s));
    // A second input cell keeps what was typed into the first.
    QTest::keyClicks(form.editor(), u"q"_s);
    form.grid->EditInput(form.grid->Columns()->ColumnItem(0), QString());
    QCOMPARE(column->InputValue(), u"q"_s);
    QCOMPARE(form.grid->InputColumn(), 0);
    QTest::keyClick(form.editor(), Qt::Key_Escape);
    QVERIFY(!form.grid->InputEditing());
    QCOMPARE(form.grid->InputColumn(), -1);
    QVERIFY(!column->Editing());
    QCOMPARE(form.grid->RowCount(), 6);
}

void TestDgGridEdit::acceptInputValues() {
    Form form(GO::goHeader | GO::goInput);
    auto* columns = form.grid->Columns();
    columns->ColumnItem(0)->SetInputValue(u"typed"_s);
    columns->ColumnItem(1)->SetDefaultValue(u"dflt"_s);
    columns->ColumnItem(2)->SetInputValue(u"two"_s);
    columns->ColumnItem(2)->SetDefaultValue(u"unused"_s);
    form.grid->rows[0].texts = QStringList{u"keep"_s, u"keep"_s, u"keep"_s};
    form.grid->AcceptInput();
    QCOMPARE(form.grid->RowCount(), 6);
    QCOMPARE(form.grid->rows[5].texts, (QStringList{u"typed"_s, u"dflt"_s, u"two"_s}));
    QCOMPARE(form.grid->rows[0].texts, (QStringList{u"keep"_s, u"keep"_s, u"keep"_s}));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(columns->ColumnItem(i)->InputValue(), u""_s);
    QCOMPARE(form.grid->take(), (QStringList{u"inputaccept"_s, u"inputadded"_s}));
    form.grid->OnInputAccept = [](QObject*, bool& Accept) { Accept = false; };
    form.grid->AcceptInput();
    QCOMPARE(form.grid->RowCount(), 6);
}

void TestDgGridEdit::acceptInputIntoAddedRow() {
    // A storage that keeps its rows in order puts a new row where it belongs, not always last.
    struct FirstRowGrid : InteractGrid {
        int AddRow(int) override {
            rows.insert(rows.begin(), Row{QStringList{QString(), QString(), QString()}});
            return 0;
        }
    };
    FirstRowGrid grid;
    for (int i = 0; i < 3; ++i)
        grid.addText(u"C%1"_s.arg(i));
    grid.setRows(3);
    grid.Columns()->ColumnItem(1)->SetInputValue(u"new"_s);
    grid.AcceptInput();
    QCOMPARE(grid.rows[0].texts, (QStringList{u""_s, u"new"_s, u""_s}));
    QCOMPARE(grid.rows[3].texts, (QStringList{u"0,2"_s, u"1,2"_s, u"2,2"_s}));
}

void TestDgGridEdit::numberColumnByKey() {
    Form form;
    auto* number = new TDgNumberColumn();
    number->SetOptions(number->Options() | CO::coEditing);
    form.grid->Columns()->AddColumn(number);
    form.grid->rows[0].texts[3] = u"12"_s;
    // The number editor's own key filter applies to the key that starts the edit.
    form.grid->EditCellByKey(3, 0, u'a');
    QVERIFY(!form.editor()->Text().contains(u'a'));
    form.grid->EndEditing();
    form.grid->EditCellByKey(3, 0, u'7');
    QCOMPARE(form.editor()->Text(), u"7"_s);
    QTest::keyClick(form.editor(), Qt::Key_Return);
    QCOMPARE(form.grid->text(3, 0), u"7"_s);
}

QTEST_MAIN(TestDgGridEdit)
#include "tst_dggridedit.moc"
