#pragma once

#include "grid/DgCells.h"
#include "grid/DgColumnDragBox.h"
#include "grid/DgCustomGrid.h"
#include "platform/FontStyles.h"

#include <QPointer>
#include <functional>
#include <memory>

// The grid of every list: the interaction layer over one cell store. It answers the engine's questions
// about rows and cells from the store, keeps the engine's row marks (top, first and last shown, selected,
// anchor, edited row) on their rows through every row operation, and adds child rows, footer formulas and
// the dragging modes (DgGridDragging.cpp). Row operations live in DgGridRows.cpp.
namespace grid {

/// (Sender, ACol, ARow, TextColor, FontStyle, CellState): the last word on a painted cell's text.
using TCellFormatingEvent =
    std::function<void(QObject* Sender, int ACol, int ARow, platform::TColor& TextColor,
                       platform::TFontStyles& FontStyle, TCellState CellState)>;
/// (Sender, Cell1, Cell2, Compare): the comparison of a column sorted with stCustom.
using TCompareEvent = std::function<void(QObject* Sender, TCell* Cell1, TCell* Cell2, int& Compare)>;
/// (Sender, ARow): a row was expanded or collapsed.
using TDgRowExpandEvent = std::function<void(QObject* Sender, int ARow)>;

class TDataGrid : public TDgCustomGrid, public CellGrid {
    Q_OBJECT
public:
    explicit TDataGrid(QWidget* parent = nullptr);
    /// Frees the columns while the store exists, then the store.
    ~TDataGrid() override;

    TCells* Cells() const { return m_cells.get(); }
    /// The row added last by AddRow, AppendRows, AddChildRow or InsertRow.
    int LastAddedRow() const { return m_lastAddedRow; }

    /// The cell straight from the store (no check of its own: the list index error outside it).
    virtual TCell* Cell(int ACol, int ARow);
    /// Adds a child row after row Index, or with AsLastChild after all its descendants; ends an edit.
    virtual void AddChildRow(int Index, bool AsLastChild);
    /// Appends Count rows without default values and repaints the control.
    virtual void AppendRows(int Count);
    /// The row's record (no check of its own).
    TRow* GetRowRecord(int Index) const;

    bool Expanded(int Index) const;
    /// Shows or hides the row's descendants; nothing for a row without children or an unchanged value.
    void SetExpanded(int Index, bool Value);

    // ---- the storage the engine asks for ----

    bool PrepareCellCanvas(int ACol, int ARow, TCellState CellState) override;
    platform::TColor GetCellColor(int ACol, int ARow) override;
    void GetCellHint(int ACol, int ARow, QString& Value) override;
    void GetCellValue(int ACol, int ARow, TCellInfo& Value) override;
    /// "Cell out of bounds (c, r)" outside the grid.
    QString GetCellText(int ACol, int ARow) override;
    QString GetCellDisplayText(int ACol, int ARow) override;
    int GetFirstVisibleRow() override { return m_firstShownRow; }
    int GetLastVisibleRow() override { return m_lastShownRow; }
    int RowCount() const override;
    /// The row's height as OnMeasuringRowHeight leaves it (below 1 it keeps the stored height).
    int RowHeight(int Index) override;
    int RowLevel(int Index) override;
    /// Visible and not hidden by a collapsed ancestor.
    bool RowVisible(int Index) override;
    bool Selected(int Index) override;
    int GetVisibleRowCount() override;
    void FormatCell(int ACol, int ARow, TCellState CellState) override;
    void ColumnsChanged(ColumnsChange Kind, int Constant, int Index, int Param) override;
    bool IsEmptyCell(int ACol, int ARow) override;
    /// "Cell out of bounds (c, r)" outside the grid; nothing is written then.
    void SetCellText(int ACol, int ARow, const QString& Value) override;
    void GetRowInfo(int ACol, int ARow, TVirtualColElement& Info) override;
    /// Values below 1 are ignored.
    void SetRowHeight(int Index, int Value) override;
    void SetRowSize(int Value) override;
    void SetRowVisible(int Index, bool Value) override;
    void SetSelected(int Index, bool Value) override;
    /// Sorts the rows by the column; the selected row stays selected and in view.
    void SortColumn(TDgCustomColumn* Column) override;
    int AddRow(int Count) override;
    void CalculateFooters() override { CalculateFooters(false); }
    /// The footer formulas over every row, or over the shown rows only.
    void CalculateFooters(bool VisibleOnly);
    void ClearRows() override;
    void DeleteRow(int Index) override;
    void InsertRow(int Index) override;
    void MoveRow(int FromPos, int ToPos) override;
    void SelectRange(int FromRow, int ToRow, bool Value) override;
    void ExchangeRows(int Index1, int Index2) override;
    void GetCellInfo(TColumnPlay* Play) override;
    /// A check box of the play was toggled: OnEditAccept may refuse the value, else it is written.
    void CellPlayClick(TColumnPlay* Play) override;
    void ToggleExpanded(TColumnPlay* Play) override;

    // CellGrid
    platform::TColor cellDrawColor(int ACol, int ARow) override { return GetCellDrawColor(ACol, ARow); }
    platform::TColor cellTextColor(int ACol, int ARow) override { return GetCellTextColor(ACol, ARow); }

    // ---- dragging state, for the owner and tests ----

    TColumnDragBox* DragBox() const { return m_dragBox; }
    TDragArrow* TopArrow() const { return m_topArrow; }
    TDragArrow* BottomArrow() const { return m_bottomArrow; }
    int DropRow() const { return m_dropRow; }
    /// The guide lines and the row-move marker painted now (client co-ordinates); empty when none.
    platform::TRect ResizeGuideLeft() const;
    platform::TRect ResizeGuideRight() const;
    platform::TRect RowResizeGuide() const;
    bool RowMoveMarkerShown() const { return m_markerRow >= 0; }
    /// The cursor column dragging shows now.
    platform::TCursor DragCursor() const { return m_dragCursor; }
    /// The drop position of the dragged column for a client x.
    int ColumnDropPosition(TDgCustomColumn* Column, int X) const;
    /// The row a dragged row would be put before for a client y; Default without a hit.
    int RowDropPosition(int Y, int Default);

    TCellFormatingEvent OnCellFormating;
    TCompareEvent OnCompare;
    TDgRowExpandEvent OnExpand;

protected:
    /// Keeps the picture in step with a row that came into view or left it (the store has changed).
    void RowShownChanged(int Index, int Height, bool Shown);

    // The dragging and resizing modes.
    void BeginColumnResize(int X) override;
    void ColumnResizeMove(int X) override;
    void EndColumnResize(int X) override;
    void BeginRowResize(int Row, int X, int Y) override;
    void RowResizeMove(int X, int Y) override;
    void EndRowResize(int X, int Y) override;
    void BeginColumnDrag(int X, int Y) override;
    void RowMoveStep(int Y) override;
    void RowMoveDrop(int Y) override;
    void HideDragMarks() override;
    void Paint() override;
    /// The dotted focus frame is drawn by pixel parity: once moved by an odd distance it is painted again.
    void AfterScroll(TScrollBarKind Kind) override;

private:
    /// The cell-changed and compare handlers bound to the store.
    void CellChanged(int ACol, int ARow);
    void CellCompare(TCell* Cell1, TCell* Cell2, int& Compare);
    void CheckCell(int ACol, int ARow) const;
    bool ShownAt(int Index) const;
    int FirstShownFrom(int Index) const;
    int LastShownUpTo(int Index) const;
    /// Shown rows in 0 .. Index - 1.
    int ShownBefore(int Index) const;
    /// The row that follows the first Count shown rows.
    int RowAfterShown(int Count) const;
    /// First and last shown row from the store; TopRow := the first shown row at or after Candidate (else
    /// the last shown row, else 0) with the scroll position following it; then the scroll range.
    void Resync(int TopCandidate);
    /// The scroll range and Position (the shown rows above TopRow) without moving the picture; when every
    /// row fits, the page starts at the first shown row.
    void SettleScroll(int Position);
    /// Rows from First on were appended to the store: they are the last added and shown ones, and when
    /// NoneShown was true before, the first shown ones at the top as well.
    void NoteAppendedRows(int First, bool NoneShown);
    /// The vertical position without scrolling the picture.
    void SetVertPositionQuiet(int Position);
    /// A row whose selection was deleted: the first shown row at or after Index, else the last shown one.
    int ReplacementRow(int Index) const;
    /// In single full-row selection the selected row carries the Selected flag.
    void MarkSelectedRow();
    int SeparatorHeight() const;
    int ShownRowHeight(int Index);
    /// The row move marker's three pieces at a drop row.
    void InvalidateMarker(int Row);
    void ColumnDragMove(int X, int Y);
    void ColumnDrop(int X, int Y);
    void PlaceArrows(int FromPos, int ToPos);
    /// Forgets the guide lines, marker, box and arrows of modes that have ended without their final action.
    void DropStaleMarks();
    void FocusMoved();
    int MarkerY(int Row);
    void SetDragCursor(platform::TCursor Cursor);

    std::unique_ptr<TCells> m_cells;
    int m_lastAddedRow = 0;
    QPointer<TColumnDragBox> m_dragBox;
    QPointer<TDragArrow> m_topArrow;
    QPointer<TDragArrow> m_bottomArrow;
    /// Guide lines of the resizing modes, painted in inverting mode (x, or y for the row line).
    int m_guideLeft = -1;
    int m_guideRight = -1;
    int m_rowGuide = -1;
    /// The drop row the marker is painted at; -1 when none.
    int m_markerRow = -1;
    /// The row border was dragged since the press.
    bool m_rowResizeMoved = false;
    /// Rows were exchanged or added as children since the last sort: the store's order is no longer the
    /// sorted one, so the next sort must not merely reverse it.
    bool m_orderDisturbed = false;
    platform::TCursor m_dragCursor = platform::crDefault;
};

} // namespace grid
