// Selection of cells and rows, keyboard navigation steps and the row operations' shared upkeep.
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgCustomGridControl.h"

#include <algorithm>
#include <cstdlib>

using namespace platform;

namespace grid {

namespace {
bool HasCtrl(TShiftState Shift) {
    return Shift.testFlag(TShiftStateItem::ssCtrl);
}
bool HasShift(TShiftState Shift) {
    return Shift.testFlag(TShiftStateItem::ssShift);
}
} // namespace

TDgCustomColumn* TDgCustomGridControl::ColumnAt(int Index) const {
    return Columns()->IsValidColumnIndex(Index) ? Columns()->ColumnItem(Index) : nullptr;
}

bool TDgCustomGridControl::IsValidCell(int ACol, int ARow) const {
    return Columns()->IsValidColumnIndex(ACol) && ARow >= 0 && ARow < RowCount();
}

void TDgCustomGridControl::SelectCell(int ACol, int ARow, TShiftState Shift, bool ResetRange) {
    // A row index the storage does not have would make every later read of the selection fail.
    if (ARow < -1 || ARow >= RowCount())
        return;
    if (!CanSelectCell(ACol, ARow))
        return;
    if (m_rangeSelecting && !HasShift(Shift) && !HasCtrl(Shift) && ResetRange)
        ClearMultiSelection();
    TDgCustomColumn* column = ColumnAt(ACol);
    if (!column || !column->Enabled())
        return;

    const int oldCol = m_selectedColumn;
    const int oldRow = m_selectedRow;
    m_selectedColumn = ACol;
    m_selectedRow = ARow;
    const bool cellChanged = oldCol != ACol || oldRow != ARow;
    const bool rowChanged = oldRow != ARow;
    if (cellChanged) {
        if (OnDeselectCell && IsValidCell(oldCol, oldRow))
            OnDeselectCell(this, oldCol, oldRow);
        // Moving away from the edited cell drops the edit; an edit in the input line stays until the
        // input line takes it.
        if (m_cellEditing)
            EndEditing();
    }
    if (m_autoScroll && ARow >= 0 && ARow < RowCount())
        ScrollToRow(ARow);

    if (m_inputSelected) {
        if (oldCol != ACol) {
            if (OnInputSelectCell)
                OnInputSelectCell(this, ACol);
            RefreshColumnPart(column, ColumnBand::Input);
            if (TDgCustomColumn* old = ColumnAt(oldCol))
                RefreshColumnPart(old, ColumnBand::Input);
        }
        return;
    }
    if (RowCount() == 0)
        return;

    const bool report = GridStyle() == TGridStyle::gsReport;
    const bool fullRow = Options().testFlag(TGridOption::goSelectFullRow);
    const bool multi = fullRow && Options().testFlag(TGridOption::goMultiSelect);
    const bool rowValid = ARow >= 0;
    auto refreshRowOrSlide = [&](int Row) {
        if (report)
            RefreshRow(Row, false);
        else
            RefreshSlide(Row, false);
    };

    if (multi && rowValid && HasCtrl(Shift) && !HasShift(Shift)) {
        m_selectionAnchor = ARow;
        m_rangeSelecting = true;
        SetSelected(ARow, !Selected(ARow));
        if (rowChanged && oldRow >= 0)
            refreshRowOrSlide(oldRow);
        if (OnSelectCell)
            OnSelectCell(this, ACol, ARow);
        return;
    }
    if (multi && rowValid && HasShift(Shift)) {
        m_rangeSelecting = true;
        // Without an anchor of the current rows the clicked row anchors the range.
        if (m_selectionAnchor < 0 || m_selectionAnchor >= RowCount())
            m_selectionAnchor = ARow;
        const int low = std::min(m_selectionAnchor, ARow);
        const int high = std::max(m_selectionAnchor, ARow);
        if (!HasCtrl(Shift)) {
            for (int row = 0; row < RowCount(); ++row)
                if ((row < low || row > high) && Selected(row))
                    SetSelected(row, false);
        }
        SelectRange(low, high, true);
        if (rowChanged) {
            refreshRowOrSlide(ARow);
            if (oldRow >= 0 && oldRow < RowCount())
                refreshRowOrSlide(oldRow);
        }
        if (OnSelectCell)
            OnSelectCell(this, ACol, ARow);
        return;
    }

    if (fullRow) {
        if (rowChanged && !m_rangeSelecting && oldRow >= 0 && oldRow < RowCount())
            SetSelected(oldRow, false);
        if (!rowChanged && oldCol != ACol &&
            AppearanceOptions().testFlag(TAppearanceOption::aoIndicateSelectedCell)) {
            RefreshCell(ACol, ARow);
            RefreshCell(oldCol, oldRow);
        }
        if (rowValid)
            SetSelected(ARow, true);
        m_selectionAnchor = ARow;
        if (m_updateCount == 0 && rowValid) {
            refreshRowOrSlide(ARow);
            if (rowChanged && oldRow >= 0 && oldRow < RowCount())
                refreshRowOrSlide(oldRow);
        }
    } else if (cellChanged) {
        if (rowChanged) {
            for (int row : {ARow, oldRow}) {
                if (row < 0 || row >= RowCount())
                    continue;
                if (report)
                    RefreshRowIndicator(row);
                else
                    RefreshSlide(row, true);
            }
        }
        RefreshCell(ACol, ARow);
        RefreshCell(oldCol, oldRow);
    }
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow);
}

void TDgCustomGridControl::SetSelectedRow(int Value) {
    if (RowCount() == 0 || Value < -1 || Value >= RowCount())
        return;
    SetInputSelected(false);
    SelectCell(m_selectedColumn, Value, {}, true);
}

void TDgCustomGridControl::SetSelectedColumn(int Value) {
    if (!Columns()->IsValidColumnIndex(Value))
        return;
    SelectCell(Value, m_selectedRow, {}, true);
}

void TDgCustomGridControl::ClearMultiSelection() {
    BeginUpdate();
    ClearSelection();
    EndUpdate();
    m_rangeSelecting = false;
    m_selectedRow = -1;
    m_selectedColumn = 0;
}

void TDgCustomGridControl::SetInputSelected(bool Value) {
    if (m_inputSelected == Value)
        return;
    if (Value) {
        if (m_selectedRow >= 0 && m_selectedRow < RowCount())
            SetSelected(m_selectedRow, false);
    } else {
        EndEditing();
    }
    m_inputSelected = Value;
    RefreshArea(TGridArea::Input);
    RefreshArea(TGridArea::Indicator);
    RefreshSelection();
}

// ---- navigation ----

void TDgCustomGridControl::SelectNextRow(TShiftState Shift, bool Wrap) {
    if (RowCount() == 0 || GetVisibleRowCount() == 0)
        return;
    int target = -1;
    if (m_inputSelected) {
        SetInputSelected(false);
        target = GetFirstVisibleRow();
    } else {
        if (m_selectedRow < 0)
            return;
        if (m_selectedRow >= RowCount() - 1) {
            if (Wrap) {
                PostTabToParent();
                SelectFirstRow({});
            }
            return;
        }
        for (int row = m_selectedRow + 1; row < RowCount(); ++row) {
            if (RowVisible(row) && CanSelectCell(m_selectedColumn, row)) {
                target = row;
                break;
            }
        }
        if (target < 0)
            return;
    }
    SelectCell(m_selectedColumn, target, Shift, true);
    if (m_selectedRow < 0)
        return;
    platform::TRect rect;
    if (GridStyle() == TGridStyle::gsReport)
        GetCellRect(m_selectedColumn, m_selectedRow, rect);
    else
        rect = GetSlideRect(m_selectedRow);
    if (rect.Bottom > GetCellsRect().Bottom)
        VertScrollBar()->LineDown();
}

void TDgCustomGridControl::SelectPreviousRow(TShiftState Shift) {
    if (m_selectedRow < 0 || GetVisibleRowCount() == 0)
        return;
    if (m_selectedRow == GetFirstVisibleRow() && Options().testFlag(TGridOption::goInput) &&
        GridStyle() == TGridStyle::gsReport) {
        SetInputSelected(true);
        return;
    }
    if (m_inputSelected || RowCount() == 0)
        return;
    for (int row = std::min(m_selectedRow, RowCount()) - 1; row >= 0; --row) {
        if (RowVisible(row) && CanSelectCell(m_selectedColumn, row)) {
            SelectCell(m_selectedColumn, row, Shift, true);
            if (row < m_topRow)
                VertScrollBar()->LineUp();
            return;
        }
    }
}

void TDgCustomGridControl::SelectFirstRow(TShiftState Shift) {
    if (RowCount() == 0 || GetVisibleRowCount() == 0)
        return;
    SetInputSelected(false);
    SelectCell(m_selectedColumn, GetFirstVisibleRow(), Shift, true);
    VertScrollBar()->First();
}

void TDgCustomGridControl::SelectLastRow(TShiftState Shift) {
    if (RowCount() == 0 || GetVisibleRowCount() == 0)
        return;
    SetInputSelected(false);
    SelectCell(m_selectedColumn, GetLastVisibleRow(), Shift, true);
    VertScrollBar()->Last();
}

void TDgCustomGridControl::MoveSelection(int Delta) {
    if (Delta == 0 || RowCount() == 0 || GetVisibleRowCount() == 0)
        return;
    int row = m_selectedRow;
    int steps = std::abs(Delta);
    if (Delta > 0) {
        const int last = std::min(GetLastVisibleRow(), RowCount() - 1);
        for (int i = row + 1; i <= last && steps > 0; ++i)
            if (RowVisible(i)) {
                row = i;
                --steps;
            }
    } else {
        const int first = std::max(GetFirstVisibleRow(), 0);
        for (int i = std::min(row, RowCount()) - 1; i >= first && steps > 0; --i)
            if (RowVisible(i)) {
                row = i;
                --steps;
            }
    }
    SetSelectedRow(row);
}

void TDgCustomGridControl::SelectNextColumn() {
    TDgCustomColumn* column = ColumnAt(m_selectedColumn);
    if (!column)
        return;
    TDgCustomColumn* next = Columns()->NextColumn(column);
    SelectCell(next->Index(), m_selectedRow, {}, true);
    if (GridStyle() == TGridStyle::gsReport)
        ScrollToColumn(next);
}

void TDgCustomGridControl::SelectPreviousColumn() {
    TDgCustomColumn* column = ColumnAt(m_selectedColumn);
    if (!column)
        return;
    TDgCustomColumn* previous = Columns()->PreviousColumn(column);
    SelectCell(previous->Index(), m_selectedRow, {}, true);
    if (GridStyle() == TGridStyle::gsReport)
        ScrollToColumn(previous);
}

void TDgCustomGridControl::SelectNextCell(bool Wrap) {
    TDgCustomColumn* column = ColumnAt(m_selectedColumn);
    if (!column)
        return;
    if (column == Columns()->LastVisibleColumn()) {
        if (m_inputSelected) {
            PostTabToParent();
            return;
        }
        SelectNextRow({}, Wrap);
        if (TDgCustomColumn* first = Columns()->FirstVisibleColumn())
            SetSelectedColumn(first->Index());
        return;
    }
    SelectNextColumn();
}

void TDgCustomGridControl::SelectPreviousCell() {
    TDgCustomColumn* column = ColumnAt(m_selectedColumn);
    if (!column)
        return;
    if (column == Columns()->FirstVisibleColumn()) {
        if (m_inputSelected)
            return;
        SelectPreviousRow({});
        if (TDgCustomColumn* last = Columns()->LastVisibleColumn())
            SetSelectedColumn(last->Index());
        return;
    }
    SelectPreviousColumn();
}

bool TDgCustomGridControl::DoRowMove(int FromPos, int ToPos) {
    bool accept = true;
    if (OnRowMove)
        OnRowMove(this, FromPos, ToPos, accept);
    return accept;
}

} // namespace grid
