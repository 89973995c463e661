// In-place editing of cells and of the input line, and the input line's new rows.
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgCustomGridControl.h"
#include "grid/DgEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <algorithm>

using namespace platform;

namespace grid {

void TDgCustomGridControl::SetInplaceEdit(TDgCustomEdit* Editor) {
    SetInplaceEditor(Editor);
    if (!Editor)
        return;
    Editor->OnChange = nullptr;
    if (Editor->parentWidget() != viewport())
        Editor->setParent(viewport());
    Editor->SetText(QString());
    Editor->SetWantTabs(WantTabs());
    Editor->setLayoutDirection(layoutDirection());
}

void TDgCustomGridControl::ConnectInplaceEdit() {
    TDgCustomEdit* editor = InplaceEditor();
    if (!editor)
        return;
    editor->OnChange = [this](QObject*) { InplaceEditChange(); };
    editor->OnEnter = [this](QObject*) { InplaceEditEnterExit(); };
    editor->OnExit = [this](QObject*) { InplaceEditEnterExit(); };
    editor->OnKeyDown = [this](QObject*, int& Key, TShiftState Shift) { InplaceEditKeyDown(Key, Shift); };
    editor->OnKeyPress = [this](QObject*, QChar& Key) { InplaceEditKeyPress(Key); };
    editor->OnKeyUp = [this](QObject*, int& Key, TShiftState Shift) { InplaceEditKeyUp(Key, Shift); };
}

TDgCustomEdit* TDgCustomGridControl::ChooseEditor(TDgCustomColumn* Column, bool Input, int ACol, int ARow) {
    if (TDgCustomEdit* inplace = Column->InplaceEdit()) {
        SetInplaceEdit(inplace);
        if (!Options().testFlag(TGridOption::goInplaceEditEvents))
            ConnectInplaceEdit();
        return inplace;
    }
    TDgCustomEdit* editor = Column->Editor();
    SetInplaceEdit(editor);
    if (!editor)
        return nullptr;
    ConnectInplaceEdit();
    Column->PrepareEditor();
    if (Input) {
        editor->SetColor(Column->Color());
        platform::TFont font = editor->Font();
        font.Color = Column->Font().Color;
        editor->SetFont(font);
    } else {
        editor->SetColor(GetCellColor(ACol, ARow));
        editor->SetFont(Column->Font());
    }
    return editor;
}

void TDgCustomGridControl::PlaceCaret(TDgCustomColumn* Column) {
    TDgCustomEdit* editor = InplaceEditor();
    if (!editor)
        return;
    if (Column && Column->Options().testFlag(TColumnOption::coEditorAutoSelect))
        editor->selectAll();
    else
        editor->setCursorPosition(static_cast<int>(editor->text().size()));
}

void TDgCustomGridControl::TypeIntoEditor(QChar Key) {
    TDgCustomEdit* editor = InplaceEditor();
    if (!editor)
        return;
    // The key reaches the editor as typing does, so its own key filter applies; the grid has already seen
    // this key, so the editor does not pass it on again.
    QScopedValueRollback<bool> typing(m_typingIntoEditor, true);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(Key));
    QCoreApplication::sendEvent(editor, &press);
}

namespace {
/// Whether the column can edit its cells in place: flags, an editor of some kind.
bool ColumnEdits(TDgCustomColumn* Column) {
    return Column && Column->GetColumnFlags().testFlag(TColumnFlag::cfEditing) &&
           (Column->InplaceEdit() || Column->Editor());
}
} // namespace

TDgCustomColumn* TDgCustomGridControl::OpenCellEditing(int ACol, int ARow) {
    if (m_cellEditing && m_editingColumn == ACol && m_editingRow == ARow)
        return nullptr;
    TDgCustomColumn* column = ColumnAt(ACol);
    if (!ColumnEdits(column) || ReadOnly() || !CanEdit() || !IsValidCell(ACol, ARow))
        return nullptr;
    bool accept = true;
    if (OnBeforeEdit)
        OnBeforeEdit(this, ACol, ARow, accept);
    if (!accept)
        return nullptr;
    ApplyEdit();
    EndEditing();
    // The handlers of the edit just taken may have deleted rows or columns.
    column = ColumnAt(ACol);
    if (!ColumnEdits(column) || !IsValidCell(ACol, ARow))
        return nullptr;
    m_cellEditing = true;
    m_editingColumn = ACol;
    m_editingRow = ARow;
    return column;
}

void TDgCustomGridControl::EditCell(int ACol, int ARow, const QString& Text) {
    TDgCustomColumn* column = OpenCellEditing(ACol, ARow);
    if (!column)
        return;
    QString value = Text.isEmpty() ? GetCellText(ACol, ARow) : Text;
    TDgCustomEdit* editor = ChooseEditor(column, false, ACol, ARow);
    if (!editor) {
        EndEditing();
        return;
    }
    if (Text.isEmpty())
        m_ignoreEditorChange = true;
    if (OnApplyEditText)
        OnApplyEditText(this, ACol, ARow, value);
    {
        QScopedValueRollback<bool> lock(editor->FormatLock, true);
        editor->SetText(value);
        EditorTextSet();
        column->UpdateEditor();
    }
    m_ignoreEditorChange = false;
    PlaceInplaceEdit();
    PlaceCaret(column);
}

bool TDgCustomGridControl::TypeFirstKey(TDgCustomColumn* Column, TDgCustomEdit* Editor, QChar Key) {
    {
        // The column's settings (a number column's precision) apply to the typed value as well.
        QScopedValueRollback<bool> lock(Editor->FormatLock, true);
        Column->UpdateEditor();
        // Preparing a number editor may have re-formatted its text; the typed key starts from nothing.
        Editor->SetText(QString());
    }
    TypeIntoEditor(Key);
    return InplaceEditor() == Editor;
}

void TDgCustomGridControl::EditCellByKey(int ACol, int ARow, QChar Key) {
    TDgCustomColumn* column = OpenCellEditing(ACol, ARow);
    if (!column)
        return;
    TDgCustomEdit* editor = ChooseEditor(column, false, ACol, ARow);
    if (!editor) {
        EndEditing();
        return;
    }
    if (!TypeFirstKey(column, editor, Key))
        return;
    EditorTextSet();
    m_ignoreEditorChange = false;
    PlaceInplaceEdit();
    editor->setCursorPosition(static_cast<int>(editor->text().size()));
}

TDgCustomEdit* TDgCustomGridControl::OpenInputEditing(TDgCustomColumn* Column) {
    const int index = Column->Index();
    SetInputSelected(true);
    SetSelectedColumn(index);
    ApplyEdit();
    EndEditing();
    if (ColumnAt(index) != Column || !(Column->InplaceEdit() || Column->Editor()))
        return nullptr;
    if (!Column->GetColumnFlags().testFlag(TColumnFlag::cfInput) || ReadOnly())
        return nullptr;
    m_inputEditing = true;
    TDgCustomEdit* editor = ChooseEditor(Column, true, -1, -1);
    if (!editor) {
        EndEditing();
        return nullptr;
    }
    m_inputColumn = index;
    Column->SetEditing(true);
    return editor;
}

void TDgCustomGridControl::EditInput(TDgCustomColumn* Column, const QString& Text) {
    if (!Column || Column->Columns() != Columns())
        return;
    const int index = Column->Index();
    TDgCustomEdit* editor = OpenInputEditing(Column);
    if (!editor)
        return;
    m_ignoreEditorChange = true;
    {
        QScopedValueRollback<bool> lock(editor->FormatLock, true);
        editor->SetText(Text.isEmpty() ? Column->InputValue() : Text);
        Column->UpdateEditor();
    }
    m_ignoreEditorChange = false;
    m_editingColumn = -1;
    m_editingRow = -1;
    PlaceInplaceEdit();
    PlaceCaret(Column);
    if (OnInputSelectCell)
        OnInputSelectCell(this, index);
}

void TDgCustomGridControl::EditInputByKey(int ACol, QChar Key) {
    TDgCustomColumn* column = ColumnAt(ACol);
    if (!column)
        return;
    TDgCustomEdit* editor = OpenInputEditing(column);
    if (!editor)
        return;
    if (!TypeFirstKey(column, editor, Key))
        return;
    m_ignoreEditorChange = false;
    m_editingColumn = -1;
    m_editingRow = -1;
    PlaceInplaceEdit();
    editor->setCursorPosition(static_cast<int>(editor->text().size()));
    if (OnInputSelectCell)
        OnInputSelectCell(this, ACol);
}

bool TDgCustomGridControl::ApplyEdit() {
    TDgCustomEdit* editor = InplaceEditor();
    // A handler's message box takes the focus from the editor; that focus change must not take the
    // same value a second time (and ask a second time) while the first apply is still running.
    if (m_applyingEdit)
        return false;
    QScopedValueRollback<bool> applying(m_applyingEdit, true);
    if (m_cellEditing) {
        const int col = m_editingColumn;
        const int row = m_editingRow;
        // A cell that no longer exists (rows deleted meanwhile) takes nothing and asks nobody.
        // Handlers may end the edit or remove rows (a row operation ends the edit): the cell is checked
        // again after each of them, so nothing is written to a cell that is gone or is another one now.
        const auto stillThere = [&] {
            return m_cellEditing && m_editingColumn == col && m_editingRow == row && RowCount() > 0 &&
                   IsValidCell(col, row);
        };
        if (!editor || !stillThere())
            return false;
        editor->RefreshValueText();
        QString value = editor->Text();
        ColumnAt(col)->FilterEditText(value);
        bool accept = true;
        if (OnEditAccept)
            OnEditAccept(this, col, row, value, accept);
        if (!accept || !stillThere())
            return false;
        if (OnEditText)
            OnEditText(this, col, row, value);
        if (!stillThere())
            return false;
        SetEditingCellText(value);
        if (OnAfterEdit)
            OnAfterEdit(this, col, row, value);
        return true;
    }
    if (m_inputEditing) {
        TDgCustomColumn* column = ColumnAt(m_inputColumn);
        if (!editor || !column)
            return false;
        editor->RefreshValueText();
        column->SetInputValue(editor->Text());
        column->SetEditing(false);
        return true;
    }
    return false;
}

void TDgCustomGridControl::EndEditing() {
    TDgCustomEdit* editor = InplaceEditor();
    const bool wasCell = m_cellEditing;
    const bool wasInput = m_inputEditing;
    const int col = m_editingColumn;
    const int row = m_editingRow;
    const int inputCol = m_inputColumn;
    // The state goes first: hiding the focused editor moves the focus, and a focus change must find no
    // edit left to take.
    m_cellEditing = false;
    m_inputEditing = false;
    m_editingColumn = -1;
    m_editingRow = -1;
    m_inputColumn = -1;
    TDgCustomColumn* inputColumn = ColumnAt(inputCol);
    if (inputColumn)
        inputColumn->SetEditing(false);
    SetInplaceEditor(nullptr);
    if (editor) {
        if (editor->hasFocus() || editor->isAncestorOf(QApplication::focusWidget()))
            setFocus(Qt::OtherFocusReason);
        editor->hide();
    }
    if (wasCell)
        RefreshCell(col, row);
    else if (wasInput && inputColumn)
        RefreshColumnPart(inputColumn, ColumnBand::Input);
    if (wasCell && OnEditExit)
        OnEditExit(this);
}

void TDgCustomGridControl::PlaceInplaceEdit() {
    TDgCustomEdit* editor = InplaceEditor();
    if (!editor || IsGridDestroying() || (!m_cellEditing && !m_inputEditing))
        return;
    platform::TRect rect;
    const platform::TRect cells = GetCellsRect();
    if (m_cellEditing) {
        TDgCustomColumn* column = ColumnAt(m_editingColumn);
        if (!column || !IsValidCell(m_editingColumn, m_editingRow))
            return;
        GetCellRect(m_editingColumn, m_editingRow, rect);
        column->AdjustLevelRect(RowLevel(m_editingRow), rect);
        rect.Left += LineSizes()[0];
        rect.Right -= LineSizes()[2];
        if (!Options().testFlag(TGridOption::goGrid))
            rect.Right -= 1;
        // A cell outside the cells area (above the top row, or below the page) shows no editor.
        if (rect.Top < cells.Top || rect.Top >= cells.Bottom) {
            editor->hide();
            return;
        }
    } else {
        TDgCustomColumn* column = ColumnAt(m_inputColumn);
        if (!column)
            return;
        rect = GetInputCellRect(column);
    }
    rect = InflateRect(rect, -1, -1);
    rect.Left = std::max({rect.Left, 0, cells.Left});
    editor->setGeometry(rect.toQRect());
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
    editor->update();
}

void TDgCustomGridControl::AcceptInput() {
    bool accept = true;
    if (OnInputAccept)
        OnInputAccept(this, accept);
    if (!accept)
        return;
    const int row = AddRow(1);
    for (int i = 0; i < Columns()->ColumnCount(); ++i) {
        TDgCustomColumn* column = Columns()->ColumnItem(i);
        const QString value = column->InputValue().isEmpty() ? column->DefaultValue() : column->InputValue();
        if (!value.isEmpty())
            SetCellText(i, row, value);
    }
    for (int i = 0; i < Columns()->ColumnCount(); ++i)
        Columns()->ColumnItem(i)->SetInputValue(QString());
    if (OnInputAdded)
        OnInputAdded(this);
}

// ---- the editor's events ----

void TDgCustomGridControl::InplaceEditChange() {
    TDgCustomEdit* editor = InplaceEditor();
    if (m_ignoreEditorChange || !editor)
        return;
    if (OnEdit)
        OnEdit(this, m_editingColumn, m_editingRow, editor->Text());
}

void TDgCustomGridControl::InplaceEditEnterExit() {
    if (!Focused())
        viewport()->update();
}

void TDgCustomGridControl::InplaceEditKeyDown(int& Key, TShiftState Shift) {
    // A key the grid typed into its editor has been through the grid's handlers already.
    if (m_typingIntoEditor || Key == 0)
        return;
    if (Key == VK_TAB) {
        ApplyEdit();
        EndEditing();
    } else if (Key == VK_RETURN && !Shift.testFlag(TShiftStateItem::ssCtrl)) {
        if (m_cellEditing) {
            TDgCustomColumn* column = ColumnAt(m_editingColumn);
            if (!column || !(column->GetColumnTraits() & trait::EnterKeepsEditing)) {
                ApplyEdit();
                EndEditing();
                setFocus(Qt::OtherFocusReason);
            }
        } else if (m_inputEditing) {
            TDgCustomEdit* editor = InplaceEditor();
            ApplyEdit();
            if (editor)
                editor->SetText(QString());
            AcceptInput();
            if (editor && InplaceEditor() == editor && m_inputEditing) {
                if (TDgCustomColumn* column = ColumnAt(m_inputColumn)) {
                    editor->SetText(column->InputValue());
                    editor->selectAll();
                }
            }
        }
    } else if (Key == VK_ESCAPE) {
        if (Options().testFlag(TGridOption::goEscClearEdit)) {
            if (TDgCustomEdit* editor = InplaceEditor())
                editor->SetText(QString());
        } else {
            EndEditing();
            setFocus(Qt::OtherFocusReason);
        }
    }
    KeyDown(Key, Shift);
}

void TDgCustomGridControl::InplaceEditKeyPress(QChar& Key) {
    if (m_typingIntoEditor)
        return;
    KeyPress(Key);
}

void TDgCustomGridControl::InplaceEditKeyUp(int& Key, TShiftState Shift) {
    KeyUp(Key, Shift);
}

} // namespace grid
