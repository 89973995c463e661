// The grid's keyboard and wheel: navigation keys, typing that starts an edit, check boxes by the space
// bar, type-ahead search in the search column and wheel scrolling.
#include "grid/DgColumnElements.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgCustomGrid.h"
#include "grid/DgEdit.h"

#include <QTimer>
#include <algorithm>

using namespace platform;

namespace grid {

namespace {
/// The bar has positions to move between.
/// The position that shows the last full page.
int LastPagePosition(const TDgScrollBar* Bar) {
    return Bar->Max() - Bar->PageSize() + 1;
}
bool HasRange(const TDgScrollBar* Bar) {
    return LastPagePosition(Bar) > 0;
}
bool AtEnd(const TDgScrollBar* Bar) {
    return Bar->Position() >= LastPagePosition(Bar);
}
} // namespace

void TDgCustomGrid::KeyDown(int& Key, TShiftState Shift) {
    TDgCustomGridControl::KeyDown(Key, Shift);
    const bool editing = CellEditing() || InputEditing();
    // An open editor keeps the keys that move its caret.
    if (editing && (Key == VK_END || Key == VK_HOME || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP ||
                    Key == VK_DOWN))
        return;
    const bool validColumn = Columns()->IsValidColumnIndex(SelectedColumn());
    switch (Key) {
    case VK_TAB:
        if (Shift.testFlag(TShiftStateItem::ssShift))
            SelectPreviousCell();
        else
            SelectNextCell(true);
        break;
    case VK_PRIOR: {
        const int page = GetPageRowCount(false);
        if (SelectedRow() > TopRow()) {
            SetSelectedRow(TopRow());
        } else {
            MoveSelection(-page);
            VertScrollBar()->MoveBy(-page);
        }
        break;
    }
    case VK_NEXT: {
        const int page = GetPageRowCount(false);
        if (SelectedRow() < TopRow() + page - 1) {
            SetSelectedRow(RowAtDistance(page));
        } else if (SelectedRow() + page > RowCount()) {
            SelectLastRow(Shift);
        } else {
            MoveSelection(page);
            // The bar takes positions up to Max; past the last full page the rows would end above the
            // page's bottom.
            TDgScrollBar* bar = VertScrollBar();
            bar->MoveBy(std::clamp(LastPagePosition(bar) - bar->Position(), 0, page));
        }
        break;
    }
    case VK_END:
        if (validColumn)
            SelectLastRow(Shift);
        break;
    case VK_HOME:
        if (validColumn)
            SelectFirstRow(Shift);
        break;
    case VK_LEFT:
    case VK_RIGHT: {
        const bool scrollOnly = Options().testFlag(TGridOption::goSelectFullRow) && !InputSelected() &&
                                !AppearanceOptions().testFlag(TAppearanceOption::aoIndicateSelectedCell);
        if (scrollOnly) {
            if (Key == VK_LEFT)
                HorzScrollBar()->LineUp();
            else
                HorzScrollBar()->LineDown();
        } else if (Key == VK_LEFT) {
            SelectPreviousColumn();
        } else {
            SelectNextColumn();
        }
        break;
    }
    case VK_UP:
        SelectPreviousRow(Shift);
        break;
    case VK_DOWN:
        SelectNextRow(Shift, false);
        break;
    default:
        break;
    }
}

void TDgCustomGrid::KeyPress(QChar& Key) {
    TDgCustomGridControl::KeyPress(Key);
    if (Key.isNull() || CellEditing() || InputEditing() || Key.unicode() == 27)
        return;
    const bool enter = Key.unicode() == 13;
    if (enter && WantReturns()) {
        if (!InputSelected()) {
            switch (SelectionMoveDirection()) {
            case TSelectionMoveDirection::mdUp:
                SelectPreviousRow({});
                break;
            case TSelectionMoveDirection::mdDown:
                SelectNextRow({}, false);
                break;
            case TSelectionMoveDirection::mdLeft:
                SelectPreviousColumn();
                break;
            case TSelectionMoveDirection::mdRight:
                SelectNextColumn();
                break;
            case TSelectionMoveDirection::mdNone:
                break;
            }
        } else if (InputEnterMode() == TInputEnterMode::imAllways) {
            ApplyEdit();
            // Nothing is edited here, so there may be no editor to empty; the row is added all the same.
            TDgCustomEdit* editor = InplaceEditor();
            if (editor)
                editor->SetText(QString());
            AcceptInput();
            if (editor && InplaceEditor() == editor && InputColumn() >= 0) {
                editor->SetText(ColumnAt(InputColumn())->InputValue());
                editor->selectAll();
            }
        }
    }
    const int col = SelectedColumn();
    TDgCustomColumn* column = ColumnAt(col);
    if (!column || (!InputSelected() && !IsValidCell(col, SelectedRow())))
        return;
    if (!InputSelected() && column->PlayTakesInput(ReadOnly())) {
        TRect rect;
        if (PlayTakes(col, SelectedRow(), rect))
            column->Play()->KeyPress(Key);
    }
    if (Key.isNull())
        return;
    if (enter || Key.unicode() == 9) {
        Key = QChar();
        return;
    }
    if (column->IsValidKey(Key)) {
        if (InputSelected())
            EditInputByKey(col, Key);
        else
            EditCellByKey(col, SelectedRow(), Key);
    }
    if (!InputSelected())
        IncrementalSearch(Key);
}

void TDgCustomGrid::IncrementalSearch(QChar Key) {
    TDgCustomColumn* selected = ColumnAt(SelectedColumn());
    if (!selected || selected->Options().testFlag(TColumnOption::coEditing) || RowCount() == 0)
        return;
    int searchColumn = -1;
    for (int i = 0; i < Columns()->ColumnCount(); ++i)
        if (Columns()->ColumnItem(i)->Options().testFlag(TColumnOption::coSearchColumn)) {
            searchColumn = i;
            break;
        }
    if (searchColumn < 0)
        return;
    m_searchTimer->start();
    m_searchText += Key;
    const int length = static_cast<int>(m_searchText.size());
    const auto matches = [&](int row) {
        return RowVisible(row) &&
               GetCellText(searchColumn, row).left(length).compare(m_searchText, Qt::CaseInsensitive) == 0;
    };
    const int start = SelectedRow();
    int found = -1;
    for (int row = start + 1; row < RowCount() && found < 0; ++row)
        if (matches(row))
            found = row;
    for (int row = 0; row <= start && row < RowCount() && found < 0; ++row)
        if (matches(row))
            found = row;
    if (found < 0)
        return;
    SetSelectedRow(found);
    if (UpdateCount() == 0)
        ScrollToRow(found);
}

void TDgCustomGrid::SearchTimerTick() {
    m_searchText.clear();
    m_searchTimer->stop();
}

bool TDgCustomGrid::DoMouseWheelDown(TShiftState Shift, const TPoint& MousePos) {
    const bool handled = TDgCustomGridControl::DoMouseWheelDown(Shift, MousePos);
    if (!handled || CellEditing() || InputEditing())
        return handled;
    const bool page = Shift.testFlag(TShiftStateItem::ssCtrl);
    TDgScrollBar* vert = VertScrollBar();
    TDgScrollBar* horz = HorzScrollBar();
    if (HasRange(vert) && !AtEnd(vert)) {
        page ? vert->PageDown() : vert->LineDown();
    } else if (GridStyle() == TGridStyle::gsReport && HasRange(horz) && !vert->BarShown()) {
        page ? horz->PageDown() : horz->LineDown();
    }
    return handled;
}

bool TDgCustomGrid::DoMouseWheelUp(TShiftState Shift, const TPoint& MousePos) {
    const bool handled = TDgCustomGridControl::DoMouseWheelUp(Shift, MousePos);
    if (!handled || CellEditing() || InputEditing())
        return handled;
    const bool page = Shift.testFlag(TShiftStateItem::ssCtrl);
    TDgScrollBar* vert = VertScrollBar();
    TDgScrollBar* horz = HorzScrollBar();
    if (HasRange(vert)) {
        page ? vert->PageUp() : vert->LineUp();
    } else if (GridStyle() == TGridStyle::gsReport && HasRange(horz)) {
        page ? horz->PageUp() : horz->LineUp();
    }
    return handled;
}

} // namespace grid
