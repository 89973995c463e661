// TDataGrid's row operations. The engine's row marks (TopRow, first and last shown row, the selected row,
// the selection anchor) stay on their rows: every operation checks its indexes first, ends an edit before
// rows move, maps the marks through the change and recomputes the scroll position from TopRow.
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgGrid.h"
#include "platform/Exceptions.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace grid {

using namespace platform;

// ---- shown rows ----

int TDataGrid::FirstShownFrom(int Index) const {
    for (int i = std::max(Index, 0), n = RowCount(); i < n; ++i)
        if (ShownAt(i))
            return i;
    return -1;
}

int TDataGrid::LastShownUpTo(int Index) const {
    for (int i = std::min(Index, RowCount() - 1); i >= 0; --i)
        if (ShownAt(i))
            return i;
    return -1;
}

int TDataGrid::ShownBefore(int Index) const {
    int count = 0;
    for (int i = 0, end = std::min(Index, RowCount()); i < end; ++i)
        if (ShownAt(i))
            ++count;
    return count;
}

int TDataGrid::RowAfterShown(int Count) const {
    int seen = 0;
    for (int i = 0, n = RowCount(); i < n; ++i) {
        if (!ShownAt(i))
            continue;
        if (seen == Count)
            return i;
        ++seen;
    }
    return -1;
}

int TDataGrid::ReplacementRow(int Index) const {
    const int next = FirstShownFrom(Index);
    return next >= 0 ? next : LastShownUpTo(Index - 1);
}

int TDataGrid::SeparatorHeight() const {
    return LineSizes()[3] + LineSizes()[1];
}

int TDataGrid::ShownRowHeight(int Index) {
    return GridStyle() == TGridStyle::gsSlides ? SlideSize() : RowHeight(Index);
}

void TDataGrid::SetVertPositionQuiet(int Position) {
    TDgScrollBar* bar = VertScrollBar();
    bar->BeginUpdate();
    bar->SetPosition(Position);
    bar->EndUpdate();
}

void TDataGrid::Resync(int TopCandidate) {
    m_firstShownRow = FirstShownFrom(0);
    m_lastShownRow = LastShownUpTo(RowCount() - 1);
    int top = 0;
    if (m_firstShownRow >= 0) {
        top = TopCandidate >= 0 ? FirstShownFrom(TopCandidate) : -1;
        if (top < 0)
            top = m_lastShownRow;
    }
    m_topRow = top;
    SettleScroll(m_firstShownRow >= 0 ? ShownBefore(top) : 0);
}

void TDataGrid::SettleScroll(int Position) {
    // The range first, then the position, both without moving the picture. A range update that moves
    // TopRow itself (to fill the page from the bottom) also sets the position that goes with it.
    TDgScrollBar* bar = VertScrollBar();
    const int top = m_topRow;
    bar->BeginUpdate();
    UpdateVertScrollBar();
    if (m_topRow == top)
        bar->SetPosition(Position);
    else
        Position = ShownBefore(m_topRow);
    bar->EndUpdate();
    if (bar->Position() != Position) {
        // Every row fits: the page starts at the first shown row.
        m_topRow = std::max(RowAfterShown(bar->Position()), 0);
        RefreshArea(TGridArea::Cells);
        RefreshArea(TGridArea::Indicator);
    }
}

void TDataGrid::MarkSelectedRow() {
    const int row = SelectedRow();
    if (row < 0 || !Options().testFlag(TGridOption::goSelectFullRow) || RangeSelecting())
        return;
    m_cells->GetRow(row)->SetSelected(true);
}

void TDataGrid::RowShownChanged(int Index, int Height, bool Shown) {
    if (UpdateCount() > 0 || IsGridDestroying())
        return;
    if (GridStyle() == TGridStyle::gsSlides) {
        RefreshArea(TGridArea::Cells);
        return;
    }
    // The caption of a grid without shown rows comes or goes.
    if (GetVisibleRowCount() == 0 || (Shown && GetVisibleRowCount() == 1)) {
        RefreshArea(TGridArea::Cells);
        RefreshArea(TGridArea::Indicator);
        return;
    }
    // A row above the page changes nothing on it.
    if (Index < TopRow())
        return;
    const TRect cells = GetCellsRect();
    const int top = std::max(GetRowTop(Index) - LineSizes()[1], cells.Top);
    if (top >= cells.Bottom)
        return;
    const int step = Height + SeparatorHeight();
    const TRect moved(0, top, cells.Right, cells.Bottom);
    if (!moved.IsEmpty())
        viewport()->scroll(0, Shown ? step : -step, moved.toQRect());
    // The dotted focus frame does not survive a move by an odd distance.
    if (SelectedRow() >= Index)
        RefreshSelection();
}

void TDataGrid::AfterScroll(TScrollBarKind Kind) {
    TDgCustomGrid::AfterScroll(Kind);
    if (Kind == TScrollBarKind::sbVertical && !IsGridDestroying())
        RefreshSelection();
}

// ---- adding ----

int TDataGrid::AddRow(int Count) {
    if (Count < 1)
        return m_lastAddedRow;
    const int first = RowCount();
    const bool noneShown = GetVisibleRowCount() == 0;
    m_cells->AddRows(Count);
    const auto noteRows = [&] {
        NoteAppendedRows(first, noneShown);
        if (UpdateCount() == 0) {
            if (noneShown)
                RefreshArea(TGridArea::Cells);
            if (GridLinesStyle() == TGridLinesStyle::lsFramed && Options().testFlag(TGridOption::goGrid) &&
                RowCount() >= 2 && first > 0)
                RefreshRowLine(first - 1);
            RefreshRowLine(m_lastAddedRow);
            RefreshRowsFrom(first, -1);
        }
        UpdateVertScrollBar();
    };
    // The defaults are written while LastAddedRow still holds the previous row, as the change handlers
    // expect. A default that its cell kind refuses (or a handler's error) leaves the rows added: they
    // are counted and reachable before the error goes on.
    try {
        if (Options().testFlag(TGridOption::goUseDefaultValues)) {
            for (int row = first; row < RowCount(); ++row)
                for (int col = 0; col < Columns()->ColumnCount(); ++col)
                    if (const QString& value = Columns()->ColumnItem(col)->DefaultValue(); !value.isEmpty())
                        SetCellText(col, row, value);
        }
    } catch (...) {
        noteRows();
        throw;
    }
    noteRows();
    return m_lastAddedRow;
}

void TDataGrid::NoteAppendedRows(int First, bool NoneShown) {
    if (NoneShown) {
        m_firstShownRow = First;
        m_topRow = First;
        SetVertPositionQuiet(0);
    }
    m_lastAddedRow = RowCount() - 1;
    m_lastShownRow = m_lastAddedRow;
}

void TDataGrid::AppendRows(int Count) {
    if (Count < 1)
        return;
    const int first = RowCount();
    const bool noneShown = GetVisibleRowCount() == 0;
    m_cells->AddRows(Count);
    NoteAppendedRows(first, noneShown);
    Invalidate();
    PlaceInplaceEdit();
    UpdateVertScrollBar();
}

void TDataGrid::InsertRow(int Index) {
    checkListIndex(Index, RowCount() + 1);
    EndEditing();
    const bool atTop = VertScrollBar()->Position() == 0 || GetVisibleRowCount() == 0;
    const bool hadRows = RowCount() > 0;
    m_cells->InsertRow(Index);
    m_lastAddedRow = Index;
    for (int* mark : {&m_selectedRow, &m_selectionAnchor})
        if (*mark >= Index)
            ++*mark;
    int top = hadRows && m_topRow >= Index ? m_topRow + 1 : m_topRow;
    // At the first position the page keeps starting at the first row, so a row put in at the top shows.
    if (atTop)
        top = 0;
    Resync(top);
    RowShownChanged(Index, GridStyle() == TGridStyle::gsSlides ? SlideSize() : RowSize(), true);
    if (SelectedRow() < 0)
        SetSelectedRow(0);
    else if (SelectedRow() > Index && OnSelectCell)
        // The selected row keeps its selection under a new number, which its handlers learn.
        OnSelectCell(this, SelectedColumn(), SelectedRow());
}

void TDataGrid::AddChildRow(int Index, bool AsLastChild) {
    checkListIndex(Index, RowCount());
    EndEditing();
    TRow* parent = m_cells->GetRow(Index);
    const int place = Index + 1 + (AsLastChild ? m_cells->GetDescendantCount(Index) : 0);
    const bool atTop = VertScrollBar()->Position() == 0 || GetVisibleRowCount() == 0;
    m_cells->AddChildRow(Index, place);
    m_orderDisturbed = true;
    // A child of a row that a collapsed ancestor hides is hidden as well.
    if (!parent->Shown() && m_cells->GetRow(place)->Shown())
        m_cells->SetRowShown(place, false);
    for (int* mark : {&m_selectedRow, &m_selectionAnchor})
        if (*mark >= place)
            ++*mark;
    m_lastAddedRow = place;
    Resync(atTop ? 0 : (m_topRow >= place ? m_topRow + 1 : m_topRow));
    if (ShownAt(place))
        RowShownChanged(place, RowSize(), true);
    if (parent->ChildCount() == 1)
        RefreshRow(Index, false);
}

// ---- removing and reordering ----

void TDataGrid::DeleteRow(int Index) {
    checkListIndex(Index, RowCount());
    EndEditing();
    const TRow* target = m_cells->GetRow(Index);
    // The row and every row whose parent chain leads to it, wherever moves and sorts have put them.
    std::vector<int> doomed{Index};
    std::unordered_set<const TRow*> subtree{target};
    if (target->ChildCount() > 0) {
        for (int i = 0, n = RowCount(); i < n; ++i) {
            const TRow* row = m_cells->GetRow(i);
            for (const TRow* up = row->ParentRow(); up; up = up->ParentRow()) {
                if (up == target) {
                    doomed.push_back(i);
                    subtree.insert(row);
                    break;
                }
            }
        }
        std::sort(doomed.begin(), doomed.end());
    }
    const bool wasShown = ShownAt(Index);
    const int height = ShownRowHeight(Index);
    const bool topGone = std::binary_search(doomed.begin(), doomed.end(), m_topRow);
    struct Mark {
        int index;
        bool gone = false;
    };
    Mark top{m_topRow};
    Mark selected{m_selectedRow};
    Mark anchor{m_selectionAnchor};
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
        const int d = *it;
        if (TRow* parent = m_cells->GetRow(d)->ParentRow(); parent && !subtree.count(parent))
            parent->DecChildCount();
        m_cells->DeleteRow(d);
        for (Mark* mark : {&top, &selected, &anchor}) {
            if (mark->index > d)
                --mark->index;
            else if (mark->index == d)
                mark->gone = true;
        }
    }
    Resync(top.index);
    // A deleted selection goes to the row taking its place; a deleted anchor leaves none.
    m_selectedRow = selected.gone ? ReplacementRow(selected.index) : selected.index;
    if (selected.gone)
        MarkSelectedRow();
    m_selectionAnchor = anchor.gone ? -1 : anchor.index;
    if (UpdateCount() == 0) {
        if (doomed.size() > 1 || topGone) {
            RefreshArea(TGridArea::Cells);
            RefreshArea(TGridArea::Indicator);
        } else if (wasShown) {
            RowShownChanged(Index, height, false);
        }
        RefreshSelection();
    }
}

void TDataGrid::MoveRow(int FromPos, int ToPos) {
    checkListIndex(FromPos, RowCount());
    checkListIndex(ToPos, RowCount());
    Invalidate();
    EndEditing();
    if (FromPos == ToPos)
        return;
    const auto map = [FromPos, ToPos](int i) {
        if (i < 0)
            return i;
        if (i == FromPos)
            return ToPos;
        if (FromPos < ToPos && i > FromPos && i <= ToPos)
            return i - 1;
        if (ToPos < FromPos && i >= ToPos && i < FromPos)
            return i + 1;
        return i;
    };
    // The page stays where it is when its top row is the one that moves.
    const int top = m_topRow == FromPos ? FromPos : map(m_topRow);
    m_cells->MoveRow(FromPos, ToPos);
    m_selectedRow = map(m_selectedRow);
    m_selectionAnchor = map(m_selectionAnchor);
    Resync(top);
}

void TDataGrid::ExchangeRows(int Index1, int Index2) {
    checkListIndex(Index1, RowCount());
    checkListIndex(Index2, RowCount());
    EndEditing();
    if (Index1 == Index2)
        return;
    const bool sameLayout =
        ShownAt(Index1) == ShownAt(Index2) && (!ShownAt(Index1) || RowHeight(Index1) == RowHeight(Index2));
    m_cells->ExchangeRows(Index1, Index2);
    m_orderDisturbed = true;
    for (int* mark : {&m_selectedRow, &m_selectionAnchor}) {
        if (*mark == Index1)
            *mark = Index2;
        else if (*mark == Index2)
            *mark = Index1;
    }
    Resync(m_topRow);
    if (UpdateCount() > 0)
        return;
    if (sameLayout) {
        RefreshRow(Index1, false);
        RefreshRow(Index2, false);
    } else {
        RefreshArea(TGridArea::Cells);
        RefreshArea(TGridArea::Indicator);
    }
}

void TDataGrid::ClearRows() {
    TDgCustomGrid::ClearRows();
    m_selectionAnchor = -1;
    m_cells->ClearRows();
    m_topRow = 0;
    m_firstShownRow = -1;
    m_lastShownRow = -1;
    RefreshArea(TGridArea::Cells);
    RefreshArea(TGridArea::Indicator);
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
}

// ---- showing and hiding ----

void TDataGrid::SetRowVisible(int Index, bool Value) {
    checkListIndex(Index, RowCount());
    if (Value == RowVisible(Index))
        return;
    if (!Value && CellEditing() && EditingRow() == Index)
        EndEditing();
    const int oldTop = m_topRow;
    int position = VertScrollBar()->Position();
    m_cells->SetRowVisible(Index, Value);
    // The marks move by this one row, without a walk over all rows: windows hide rows in loops.
    if (GetVisibleRowCount() == 0) {
        m_firstShownRow = m_lastShownRow = -1;
        m_topRow = 0;
        position = 0;
    } else if (Value) {
        if (m_firstShownRow < 0) {
            m_firstShownRow = m_lastShownRow = m_topRow = Index;
            position = 0;
        } else {
            m_firstShownRow = std::min(m_firstShownRow, Index);
            m_lastShownRow = std::max(m_lastShownRow, Index);
            // At the first position a row shown above the page becomes its top.
            if (Index < m_topRow && position == 0)
                m_topRow = Index;
            else if (Index < m_topRow)
                ++position;
        }
    } else {
        if (Index == m_firstShownRow)
            m_firstShownRow = FirstShownFrom(Index + 1);
        if (Index == m_lastShownRow)
            m_lastShownRow = LastShownUpTo(Index - 1);
        if (Index < m_topRow) {
            --position;
        } else if (Index == m_topRow) {
            const int next = FirstShownFrom(Index + 1);
            // Past the last shown row the page starts at the row before, which the position counted.
            m_topRow = next >= 0 ? next : LastShownUpTo(Index - 1);
            if (next < 0)
                --position;
        }
    }
    SettleScroll(position);
    if (m_topRow != oldTop) {
        RefreshArea(TGridArea::Cells);
        RefreshArea(TGridArea::Indicator);
    } else {
        RowShownChanged(Index, ShownRowHeight(Index), Value);
    }
    PlaceInplaceEdit();
}

void TDataGrid::SetExpanded(int Index, bool Value) {
    if (Index < 0 || Index >= RowCount())
        return;
    TRow* row = m_cells->GetRow(Index);
    if (row->ChildCount() == 0 || row->Expanded() == Value)
        return;
    const int level = row->Level();
    const int rows = RowCount();
    int i = Index + 1;
    if (!Value) {
        for (; i < rows && m_cells->GetRow(i)->Level() > level; ++i)
            if (m_cells->GetRow(i)->Shown())
                m_cells->SetRowShown(i, false);
    } else if (row->Shown()) {
        // Under a collapsed ancestor the descendants stay hidden until that ancestor expands.
        while (i < rows && m_cells->GetRow(i)->Level() > level) {
            const TRow* child = m_cells->GetRow(i);
            m_cells->SetRowShown(i, true);
            ++i;
            // The descendants of a collapsed row stay hidden.
            if (!child->Expanded())
                while (i < rows && m_cells->GetRow(i)->Level() > child->Level())
                    ++i;
        }
    }
    row->SetExpanded(Value);
    const int oldTop = m_topRow;
    Resync(oldTop);
    if (UpdateCount() == 0) {
        if (m_topRow != oldTop) {
            RefreshArea(TGridArea::Cells);
            RefreshArea(TGridArea::Indicator);
        } else {
            RefreshRowsFrom(Index, -1);
        }
    }
    if (CellEditing() && !RowVisible(EditingRow()))
        EndEditing();
    else
        PlaceInplaceEdit();
    if (OnExpand)
        OnExpand(this, Index);
}

void TDataGrid::SetRowHeight(int Index, int Value) {
    checkListIndex(Index, RowCount());
    if (Value < 1)
        return;
    const int old = RowHeight(Index);
    if (Value == old)
        return;
    m_cells->GetRow(Index)->SetHeight(Value);
    TDgCustomGrid::SetRowHeight(Index, Value);
    if (UpdateCount() == 0 && GridStyle() == TGridStyle::gsReport && Index < RowCount() && ShownAt(Index) &&
        Index >= TopRow()) {
        const TRect cells = GetCellsRect();
        const int top = GetRowTop(Index);
        if (top < cells.Bottom) {
            // What lies below the row moves by the difference; the row itself is painted again.
            const TRect moved(0, top + std::min(old, Value), cells.Right, cells.Bottom);
            if (!moved.IsEmpty())
                viewport()->scroll(0, Value - old, moved.toQRect());
            RefreshRow(Index, false);
            if (SelectedRow() > Index)
                RefreshSelection();
        }
    }
    SettleScroll(VertScrollBar()->Position());
    PlaceInplaceEdit();
}

// ---- selection flags ----

void TDataGrid::SetSelected(int Index, bool Value) {
    if (Index < 0 || Index >= RowCount())
        return;
    TRow* row = m_cells->GetRow(Index);
    if (row->Selected() == Value)
        return;
    row->SetSelected(Value);
    if (GridStyle() == TGridStyle::gsReport)
        RefreshRow(Index, false);
    else
        RefreshSlide(Index, SlidesOptions().testFlag(TSlidesOption::soHideSelection));
}

void TDataGrid::SelectRange(int FromRow, int ToRow, bool Value) {
    const int rows = RowCount();
    if (FromRow < 0 || FromRow >= rows || ToRow < 0 || ToRow >= rows)
        return;
    for (int i = FromRow; i <= ToRow; ++i)
        m_cells->GetRow(i)->SetSelected(Value);
    if (GridStyle() == TGridStyle::gsReport)
        RefreshRows(FromRow, ToRow);
    else
        RefreshArea(TGridArea::Cells);
}

} // namespace grid
