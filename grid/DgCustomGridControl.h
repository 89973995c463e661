#pragma once

#include "grid/ColumnLinks.h"
#include "grid/ColumnTypes.h"
#include "grid/DgEdit.h"
#include "grid/DgScrollControl.h"
#include "grid/GridEvents.h"
#include "grid/GridTypes.h"
#include "platform/Canvas.h"
#include "platform/ControlTypes.h"
#include "platform/Rect.h"
#include "platform/TColor.h"

#include <QPointer>
#include <QString>
#include <array>
#include <climits>
#include <memory>
#include <vector>

// The grid engine without storage: the column collection and the five style displays, the bands of the
// control (header, input line, cells, footer, indicator column), the scroll ranges, invalidation, the update
// bracket and all painting. Every question about rows and cells goes through virtual operations that a
// storage class implements. Painting lives in DgGridPaint.cpp, geometry and scrolling in DgGridLayout.cpp.
namespace grid {

class TColumnDisplay;
class TDgColumns;
class TDgCustomColumn;
class TDgCustomEdit;
class TStyleDisplay;
class TVirtualColElement;

/// Makes a grid's column collection.
using TColumnsClass = TDgColumns* (*)(ColumnsGrid* Grid);

/// Width of the indicator column.
constexpr int IndicatorWidth = 12;

/// The bands RefreshArea knows; they are also the column parts of RefreshColumnPart.
enum class TGridArea { Cells = 1, Footer = 2, Header = 3, Indicator = 4, Input = 5 };

class TDgCustomGridControl : public TDgScrollControl, public ColumnsGrid {
    Q_OBJECT
public:
    explicit TDgCustomGridControl(QWidget* parent = nullptr);
    /// Marks the grid as being destroyed and frees the columns, then the displays.
    ~TDgCustomGridControl() override;

    TDgColumns* Columns() const { return m_columns.get(); }
    /// The display of the current HeaderStyle.
    TStyleDisplay* StyleDisplay() const { return m_styleDisplay; }
    /// The display of a header style.
    TStyleDisplay* StyleDisplayOf(THeaderStyle Style) const;

    // ---- properties ----

    TAppearanceOptions AppearanceOptions() const { return m_appearanceOptions; }
    void SetAppearanceOptions(TAppearanceOptions Value);
    bool AutoScroll() const { return m_autoScroll; }
    void SetAutoScroll(bool Value) { m_autoScroll = Value; }
    platform::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(platform::TBorderStyle Value);
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& Value);
    platform::TColor Color() const { return m_color; }
    void SetColor(platform::TColor Value);
    const platform::TFont& Font() const { return m_font; }
    /// Copies the font; the columns that follow the grid font take it.
    void SetFont(const platform::TFont& Value);
    bool EnableVisualStyles() const { return m_enableVisualStyles; }
    void SetEnableVisualStyles(bool Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    int FooterSize() const { return m_footerSize; }
    void SetFooterSize(int Value);
    platform::TColor GridLinesColor() const { return m_gridLinesColor; }
    void SetGridLinesColor(platform::TColor Value);
    TGridLinesStyle GridLinesStyle() const { return m_gridLinesStyle; }
    void SetGridLinesStyle(TGridLinesStyle Value);
    TGridStyle GridStyle() const { return m_gridStyle; }
    void SetGridStyle(TGridStyle Value);
    int HeaderSize() const { return m_headerSize; }
    void SetHeaderSize(int Value);
    THeaderStyle HeaderStyle() const { return m_headerStyle; }
    void SetHeaderStyle(THeaderStyle Value);
    bool HideScrollBar() const { return m_hideScrollBar; }
    void SetHideScrollBar(bool Value);
    platform::TColor HighlightedTextColor() const { return m_highlightedTextColor; }
    void SetHighlightedTextColor(platform::TColor Value);
    platform::TColor InactiveSelectionColor() const { return m_inactiveSelectionColor; }
    void SetInactiveSelectionColor(platform::TColor Value);
    TInputEnterMode InputEnterMode() const { return m_inputEnterMode; }
    void SetInputEnterMode(TInputEnterMode Value) { m_inputEnterMode = Value; }
    int InputSize() const { return m_inputSize; }
    void SetInputSize(int Value);
    TGridOptions Options() const { return m_options; }
    void SetOptions(TGridOptions Value);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value) { m_readOnly = Value; }
    int RowSize() const { return m_rowSize; }
    platform::TColor SelectionColor() const { return m_selectionColor; }
    void SetSelectionColor(platform::TColor Value) { m_selectionColor = Value; }
    TSelectionMoveDirection SelectionMoveDirection() const { return m_selectionMoveDirection; }
    void SetSelectionMoveDirection(TSelectionMoveDirection Value) { m_selectionMoveDirection = Value; }
    TSlidesOptions SlidesOptions() const { return m_slidesOptions; }
    void SetSlidesOptions(TSlidesOptions Value);
    platform::TColor SlideSelectionColor() const { return m_slideSelectionColor; }
    void SetSlideSelectionColor(platform::TColor Value);
    int SlideSize() const { return m_slideSize; }
    void SetSlideSize(int Value);
    TSortedStyle SortedStyle() const { return m_sortedStyle; }
    void SetSortedStyle(TSortedStyle Value);
    const QString& Version() const { return m_version; }
    /// Any assignment keeps the engine's version.
    void SetVersion(const QString&) {}
    bool WantReturns() const { return m_wantReturns; }
    void SetWantReturns(bool Value) { m_wantReturns = Value; }
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool Value) { m_wantTabs = Value; }

    // ---- state ----

    int TopRow() const { return m_topRow; }
    int SelectedColumn() const override { return m_selectedColumn; }
    int SelectionAnchor() const { return m_selectionAnchor; }
    int EditingColumn() const { return m_editingColumn; }
    int EditingRow() const { return m_editingRow; }
    int InputColumn() const { return m_inputColumn; }
    bool InputSelected() const { return m_inputSelected; }
    bool CellEditing() const { return m_cellEditing; }
    bool InputEditing() const { return m_inputEditing; }
    bool RangeSelecting() const { return m_rangeSelecting; }
    int UpdateCount() const { return m_updateCount; }
    int FirstShownRow() const { return m_firstShownRow; }
    int LastShownRow() const { return m_lastShownRow; }
    /// The row after the last row or slide the last paint reached: the end of the page.
    int LastPaintedRow() const { return m_lastPaintedRow; }
    /// The column sorted last; nullptr once it is freed or unsorted.
    TDgCustomColumn* LastSortedColumn() const { return m_lastSortedColumn; }
    platform::TColor SlideCaptionColor() const { return m_slideCaptionColor; }
    /// The in-place editor in use; nullptr when none or once it is freed.
    TDgCustomEdit* InplaceEditor() const { return m_inplaceEdit; }
    /// Left light line, top light line, vertical line, horizontal line, row gap (pixels).
    const std::array<int, 5>& LineSizes() const { return m_lineSizes; }
    /// The grid has the keyboard focus itself or its in-place editor has it.
    bool Focused() const;

    // ---- virtual operations ----

    virtual void RowsScrolled(int Count);
    virtual void SetEditingCellText(const QString& Value);
    virtual bool CanEdit();
    /// Fires OnBeforeSelect with Accept preset true.
    virtual bool CanSelectCell(int ACol, int ARow);
    /// Canvas font and text colour for a cell; returns whether the display is to paint the content.
    virtual bool PrepareCellCanvas(int ACol, int ARow, TCellState CellState);
    virtual platform::TColor GetCellColor(int ACol, int ARow);
    virtual void GetCellHint(int ACol, int ARow, QString& Value);
    virtual void GetCellValue(int ACol, int ARow, TCellInfo& Value) = 0;
    virtual QString GetCellText(int ACol, int ARow) = 0;
    virtual TColumnsClass GetColumnsClass() const;
    virtual QString GetCellDisplayText(int ACol, int ARow) = 0;
    virtual int GetFirstVisibleRow() = 0;
    /// How far the columns reach past the client (0 when they fit).
    virtual int GetHorzScrollMax();
    virtual int GetLastVisibleRow() = 0;
    virtual int RowCount() const = 0;
    virtual int RowHeight(int Index);
    virtual int RowLevel(int Index);
    virtual bool RowVisible(int Index);
    virtual bool Selected(int Index) = 0;
    virtual int SelectedCount();
    virtual int SelectedRow() const { return m_selectedRow; }
    /// Every cell's text followed by CR LF, row by row, columns in index order.
    virtual QString GetGridText();
    virtual int GetVertScrollMax();
    virtual int GetVisibleRowCount() = 0;
    /// Rows cut by the bottom edge are painted empty.
    virtual bool WholeRowsOnly();
    virtual void FormatCell(int ACol, int ARow, TCellState CellState);
    /// The collection added or deleted a column.
    void ColumnsChanged(ColumnsChange Kind, int Constant, int Index, int Param) override;
    void ColumnChanged(TDgCustomColumn* Column, ColumnChange Code, int Param) override;
    /// A display detail of a column changed: the editor is placed again (unless only the footer
    /// changed) and the column's band repaints.
    void ColumnPartChanged(TDgCustomColumn* Column, ColumnBand Part) override;
    virtual void PaintCell(int ACol, int ARow);
    virtual void PaintIndicatorCell(int Row, bool Current, bool IsSelected);
    virtual bool IsEmptyCell(int ACol, int ARow);
    virtual void GridStyleChanged();
    virtual void PaintReport();
    virtual void PaintColumnParts();
    virtual void PaintRows();
    virtual void PaintSlideView();
    virtual void PaintHeader();
    virtual void PaintSlides();
    virtual void EditorTextSet();
    virtual void RefreshCell(int ACol, int ARow);
    virtual void EmptyHook();
    virtual void SetCellText(int ACol, int ARow, const QString& Value) = 0;
    /// Lets the storage fill in a cell's data for a display or play.
    virtual void GetRowInfo(int ACol, int ARow, TVirtualColElement& Info);
    /// Fires OnChangeRowHeight.
    virtual void SetRowHeight(int Index, int Value);
    /// Values below 1 are ignored.
    virtual void SetRowSize(int Value);
    virtual void SetRowVisible(int Index, bool Value);
    virtual void SetSelected(int Index, bool Value) = 0;
    /// Only for a column with coCanSort: ends editing, remembers the column, fires OnSortColumn.
    virtual void SortColumn(TDgCustomColumn* Column);
    virtual void UpdateHorzScrollBar();
    virtual void UpdateVertScrollBar();
    virtual platform::TColor GetCellDrawColor(int ACol, int ARow);
    virtual platform::TColor GetCellTextColor(int ACol, int ARow);
    virtual void GetCellRect(int ACol, int ARow, platform::TRect& Rect);
    /// Appends Count rows; returns the index of the last.
    virtual int AddRow(int Count) = 0;
    virtual void CalculateFooters() = 0;
    virtual void ClearRows();
    virtual void ClearSelection();
    virtual void DeleteRow(int Index);
    /// Hides the editor, repaints its cell and forgets it; never writes the value.
    virtual void EndEditing();
    virtual void InsertRow(int Index);
    virtual void MoveRow(int FromPos, int ToPos);
    void RefreshColumnPart(TDgCustomColumn* Column, ColumnBand Part) override;
    virtual void RefreshAll();
    virtual void SelectRange(int FromRow, int ToRow, bool Value) = 0;
    virtual void ExchangeRows(int Index1, int Index2) = 0;

    // ---- update bracket ----

    void BeginUpdate();
    /// Never below 0; at 0 the bands repaint and the vertical range is recomputed.
    void EndUpdate();

    // ---- geometry ----

    platform::TRect GetCellsRect() const;
    platform::TRect GetHeaderRect() const override;
    platform::TRect GetInputRect() const override;
    platform::TRect GetFooterRect() const override;
    platform::TRect GetIndicatorRect() const;
    platform::TRect GetInputCellRect(const TDgCustomColumn* Column) const;
    platform::TRect GetScrollableRect() const;
    platform::TRect GetRowRect(int Row);
    /// Rows above TopRow lie above the cells area; the walk to a row below the page stops at its bottom.
    int GetRowTop(int Row);
    int GetRowExtent(int Row);
    platform::TRect GetSlideRect(int Row);
    int GetSlideTop(int Row);
    platform::TRect GetEmptyCaptionRect();
    /// The number of shown rows from TopRow that fit the cells area; with FillUp, when all of them fit,
    /// also the rows above TopRow that still fit.
    int GetPageRowCount(bool FillUp);
    /// The Distance-th shown row from TopRow (1 is the first); the last row when fewer are shown.
    int RowAtDistance(int Distance);
    int GetColumnsAreaWidth() const override;
    /// The horizontal scroll position.
    int HorzScrollPosition() const override;
    int CellsBandLeft() const override;
    /// Width of the visible columns.
    int TotalColumnsWidth() const;

    // ---- scrolling ----

    int GetHorzScrollDelta(int OldPos, int NewPos) override;
    /// Moves TopRow by the shown rows between the positions; returns the pixel distance.
    int GetVertScrollDelta(int OldPos, int NewPos) override;
    void BeforeScroll(TScrollBarKind Kind) override;
    void AfterScroll(TScrollBarKind Kind) override;
    void ScrollToRow(int Row);
    void ScrollToColumn(TDgCustomColumn* Column);
    /// Invalidates the column's strip and scrolls what lies right of it by Delta.
    void ScrollColumnResize(TDgCustomColumn* Column, int Delta);
    /// Kind 1: from 8 pixels over the cells; 2: the header only; else header and cells.
    void AutoSizeColumn(int ACol, int Kind, int Extra);
    void AutoRowHeight(int Row);
    /// The height a cell's text needs in its column.
    int MeasureCellHeight(int ACol, int ARow);
    /// The column's display holding the cell's formatted text, ready to measure (it paints nowhere).
    TColumnDisplay* MeasuringDisplay(int ACol, int ARow);

    // ---- invalidation ----

    /// The rectangle of a band into Rect; false when the options switch the band off. A value outside the
    /// enumeration (a column's whole part) is the client area.
    bool AreaRect(TGridArea Kind, platform::TRect& Rect) const;
    void RefreshArea(TGridArea Kind);
    void RefreshRect(const platform::TRect& Rect);
    /// Rect, or with FrameOnly its frame: strips Thick pixels high along the top and bottom and Wide pixels
    /// wide along the sides.
    void RefreshFrameOrRect(const platform::TRect& Rect, bool FrameOnly, int Thick, int Wide);
    void RefreshRow(int Row, bool FrameOnly);
    void RefreshSlide(int Row, bool FrameOnly);
    void RefreshRowIndicator(int Row);
    void RefreshRowLine(int Row);
    void RefreshRows(int A, int B);
    void RefreshRowsFrom(int Row, int ToRow);
    void RefreshSelection();
    void RefreshSelectedSlides();

    // ---- selection and editing used by the engine ----

    /// Sets the selected cell without events or repainting.
    void AssignSelectedCell(int ACol, int ARow);
    platform::TPoint GetSelectedCell() const { return platform::TPoint(m_selectedColumn, m_selectedRow); }
    /// Puts the open editor over its cell again (after a layout change).
    void PlaceInplaceEdit();
    /// The cell's state as painting builds it; fires OnCellColoring.
    TCellState GetCellState(int ACol, int ARow);
    bool IsCellHighlighted(int ACol, int ARow);

    // ---- painting helpers ----

    void PaintEmptyCell(int ACol, int ARow);
    void PaintFocusFrame();
    void PaintGridLines(int ACol, int ARow, platform::TColor GridColor, const platform::TRect& Rect);
    void PaintHeaderCells();
    void PaintSlideCaption(int ACol, int ARow);
    void SetCellClip(const platform::TRect& Rect, bool Fixed);
    void PaintThemedBorder();
    void SelectStyleDisplay();

    // ---- ColumnsGrid ----

    void ColumnsRelayout(ColumnsChange Kind, int Constant, int Index, int Param) override;
    const TDgCustomColumn* DownColumn() const override { return m_downColumn; }
    const TDgCustomColumn* HoverColumn() const override { return m_hoverColumn; }
    const platform::TFont& GridFont() const override { return m_font; }
    platform::TColor GridColor() const override { return m_color; }
    QWidget* GridWidget() const override;
    bool IsGridLoading() const override { return m_loading; }
    bool IsGridDestroying() const override { return m_destroying; }

    // ---- selection and editing ----
    // The selection, navigation, in-place editing, input line and row operations of the engine
    // (DgGridSelection.cpp and DgGridEditing.cpp).

    /// Column and row inside the grid.
    bool IsValidCell(int ACol, int ARow) const;
    /// The column at Index, nullptr outside the collection.
    TDgCustomColumn* ColumnAt(int Index) const;
    /// Selects a cell: OnBeforeSelect may refuse it; Ctrl and Shift make multi-row selections with
    /// goSelectFullRow and goMultiSelect; a plain selection with ResetRange ends a multi-row one. A row
    /// outside -1 .. RowCount - 1 is ignored.
    virtual void SelectCell(int ACol, int ARow, platform::TShiftState Shift, bool ResetRange);
    /// Nothing without rows or outside -1 .. RowCount - 1 (no clamping); leaves the input line.
    virtual void SetSelectedRow(int Value);
    /// Nothing without columns or outside them.
    void SetSelectedColumn(int Value);
    /// Deselects every row, ends range selecting; the selected cell becomes (0, -1).
    void ClearMultiSelection();
    /// Moves the selection into the input line (deselecting the selected row) or out of it (ending an
    /// edit).
    void SetInputSelected(bool Value);
    virtual void SelectNextRow(platform::TShiftState Shift, bool Wrap);
    virtual void SelectPreviousRow(platform::TShiftState Shift);
    virtual void SelectFirstRow(platform::TShiftState Shift);
    virtual void SelectLastRow(platform::TShiftState Shift);
    /// |Delta| shown rows down (up for a negative Delta), within the first and last shown row.
    void MoveSelection(int Delta);
    void SelectNextColumn();
    void SelectPreviousColumn();
    /// The next cell in reading order; past the last column the first column of the next row.
    void SelectNextCell(bool Wrap);
    void SelectPreviousCell();
    /// Fires OnRowMove; returns its Accept.
    bool DoRowMove(int FromPos, int ToPos);

    /// Opens the column's editor on the cell with Text, or the cell's text when Text is empty.
    virtual void EditCell(int ACol, int ARow, const QString& Text);
    /// Opens the editor on the cell and types Key into it.
    void EditCellByKey(int ACol, int ARow, QChar Key);
    /// Selects the column's input cell and opens the editor on it with Text, or its InputValue.
    void EditInput(TDgCustomColumn* Column, const QString& Text);
    void EditInputByKey(int ACol, QChar Key);
    /// Takes the editor's value: into the cell (OnEditAccept may refuse it) or into the column's
    /// InputValue. Returns whether a value was taken. The editor stays open.
    virtual bool ApplyEdit();
    /// Turns the input line into a new row (OnInputAccept may refuse it).
    virtual void AcceptInput();
    /// Points the editor's change, focus and key events at the grid.
    virtual void ConnectInplaceEdit();
    /// Makes Editor the grid's editor: its OnChange cleared, the grid as parent, an empty text, the
    /// grid's WantTabs.
    void SetInplaceEdit(TDgCustomEdit* Editor);
    bool IgnoreEditorChange() const { return m_ignoreEditorChange; }
    /// True while ApplyEdit hands a value to the handlers (which may open a message box).
    bool ApplyingEdit() const { return m_applyingEdit; }

protected:
    // The editor's events while it is connected to the grid.
    void InplaceEditChange();
    void InplaceEditEnterExit();
    void InplaceEditKeyDown(int& Key, platform::TShiftState Shift);
    void InplaceEditKeyPress(QChar& Key);
    void InplaceEditKeyUp(int& Key, platform::TShiftState Shift);
    /// Types Key into the editor as a key event, without passing it to the grid's key handlers again.
    void TypeIntoEditor(QChar Key);
    /// The column's own editor or InplaceEdit made the grid's editor, as EditCell and EditInput choose it.
    TDgCustomEdit* ChooseEditor(TDgCustomColumn* Column, bool Input, int ACol, int ARow);
    /// Takes the pending edit and marks the cell as the one being edited. The cell's column, or nullptr when
    /// the cell is being edited already, cannot be edited, or a handler refuses.
    TDgCustomColumn* OpenCellEditing(int ACol, int ARow);
    /// Takes the pending edit, selects the column's input cell and opens the column's editor on it. The
    /// editor, or nullptr when the column has none, takes no input, or the grid is read-only.
    TDgCustomEdit* OpenInputEditing(TDgCustomColumn* Column);
    /// Prepares the just opened editor for the column and types Key into it as its whole text; false when
    /// the handlers of the typing closed the editor.
    bool TypeFirstKey(TDgCustomColumn* Column, TDgCustomEdit* Editor, QChar Key);
    /// The editor's text finished: caret to the end or, with coEditorAutoSelect, all text selected.
    void PlaceCaret(TDgCustomColumn* Column);
    /// Set while a key the grid already handled is typed into the editor.
    bool m_typingIntoEditor = false;

public:
    // ---- events ----

    TEditEvent OnAfterEdit;
    TAfterRowMoveEvent OnAfterRowMove;
    TColumnEvent OnAfterSort;
    TApplyCellEvent OnApplyCell;
    TApplyEditText OnApplyEditText;
    TBeforeEditEvent OnBeforeEdit;
    TBeforeEditEvent OnBeforeSelect;
    TCellEvent OnCellClick;
    TCellColoringEvent OnCellColoring;
    TCellEvent OnCellDblClick;
    TCellHintEvent OnCellHint;
    TChangeEvent OnChange;
    TChangeRowHeightEvent OnChangeRowHeight;
    TColumnFooterValueEvent OnColumnFooterValue;
    TColumnMoveEvent OnColumnMove;
    TColumnResizeEvent OnColumnResize;
    TCustomDrawCellEvent OnCustomDrawCell;
    TCellEvent OnDeselectCell;
    TDrawCellBackgroundEvent OnDrawCellBackground;
    TEditEvent OnEdit;
    TEditAcceptEvent OnEditAccept;
    platform::TNotifyEvent OnEditExit;
    TEditTextEvent OnEditText;
    TFooterCalculateEvent OnFooterCalculate;
    THeaderClickEvent OnFooterClick;
    THeaderClickEvent OnHeaderClick;
    THeaderClickEvent OnHeaderDblClick;
    TInputAcceptEvent OnInputAccept;
    platform::TNotifyEvent OnInputAdded;
    TColumnEvent OnInputSelectCell;
    TMeasuringRowHeightEvent OnMeasuringRowHeight;
    platform::TNotifyEvent OnPostDraw;
    TRowMoveEvent OnRowMove;
    TCellEvent OnSelectCell;
    TColumnEvent OnSlideChange;
    TSlideColoringEvent OnSlideColoring;
    TSortColumnEvent OnSortColumn;

protected:
    void Paint() override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

    /// Frees the columns while the grid still answers for its storage: a storage class calls it first in
    /// its destructor, so that departing columns reach a whole grid. Marks the grid as being destroyed
    /// first; later calls do nothing.
    void DestroyColumns();
    /// The grid is built from a description: the columns are not re-placed meanwhile.
    void SetLoading(bool Value) { m_loading = Value; }
    /// Recomputes LineSizes from Options, GridLinesStyle and AppearanceOptions.
    void UpdateLineSizes();
    /// Makes Editor the grid's in-place editor (not owned).
    void SetInplaceEditor(TDgCustomEdit* Editor) { m_inplaceEdit = Editor; }
    /// Repaints every band and the clip rectangles' owner.
    void Invalidate();
    /// Whether the grid is not being destroyed: the column notifications are heard only then.
    bool WindowExists() const { return !m_destroying; }

    // Selection and editing state (the interaction layer drives it).
    int m_topRow = 0;
    int m_selectedColumn = 0;
    int m_selectedRow = -1;
    int m_selectionAnchor = -1;
    int m_editingColumn = -1;
    int m_editingRow = -1;
    int m_inputColumn = -1;
    bool m_inputSelected = false;
    bool m_cellEditing = false;
    bool m_inputEditing = false;
    bool m_rangeSelecting = false;
    bool m_ignoreEditorChange = false;
    bool m_applyingEdit = false;
    int m_updateCount = 0;
    int m_firstShownRow = 0;
    int m_lastShownRow = 0;
    int m_lastPaintedRow = 0;
    /// Pressed and hovered header columns.
    TDgCustomColumn* m_downColumn = nullptr;
    TDgCustomColumn* m_hoverColumn = nullptr;
    std::array<int, 5> m_lineSizes{};

private:
    /// The row top of the row painted now, so that painting a row's cells needs no walk.
    struct RowTopCache {
        int row = INT_MIN;
        int top = 0;
    };
    /// Columns in position order that lie in the horizontal window.
    std::vector<TDgCustomColumn*> PaintableColumns() const;
    /// Sorted-column shading of a cell colour (the indicated and the SortedStyle shading).
    platform::TColor SortedShade(const TDgCustomColumn* Column, platform::TColor Color,
                                 bool Highlighted) const;
    /// What BeginCell finds out about the cell it prepares.
    struct CellFrame {
        platform::TRect Rect;
        platform::TRect Interior; // inside the vertical grid lines
        TCellState State;
        bool DefaultDrawing = true;
        platform::TColor Color = platform::clWindow;
    };
    /// One cell's rectangle, lines, events and background: shared by PaintCell and PaintEmptyCell.
    bool BeginCell(int ACol, int ARow, bool Empty, CellFrame& Cell);
    void FocusFrameRect(platform::TRect& Rect, platform::TRect& Clip);
    /// The number of shown rows in From .. To - 1.
    int ShownRowsBetween(int From, int To);
    int FixedColumnsWidthOf() const;
    void InvalidateFocusFrame();
    /// When rows left the page from under TopRow, moves TopRow up so that the page ends at the last shown
    /// row; returns whether it moved.
    bool FillPageFromBottom();

    std::unique_ptr<TDgColumns> m_columns;
    std::array<std::unique_ptr<TStyleDisplay>, 5> m_displays;
    TStyleDisplay* m_styleDisplay = nullptr;
    QPointer<TDgCustomEdit> m_inplaceEdit;
    /// Guarded through the collection: cleared when the column leaves it or stops being sorted.
    TDgCustomColumn* m_lastSortedColumn = nullptr;
    RowTopCache m_rowTopCache;
    bool m_destroying = false;
    bool m_loading = false;

    TAppearanceOptions m_appearanceOptions =
        TAppearanceOption::aoHideSelection | TAppearanceOption::aoHighlightSlideCells;
    bool m_autoScroll = false;
    platform::TBorderStyle m_borderStyle = platform::TBorderStyle::bsSingle;
    QString m_caption;
    platform::TColor m_color = platform::clWindow;
    platform::TFont m_font;
    bool m_enableVisualStyles = true;
    int m_footerSize = 18;
    platform::TColor m_gridLinesColor = platform::clBtnFace;
    TGridLinesStyle m_gridLinesStyle = TGridLinesStyle::lsNormal;
    TGridStyle m_gridStyle = TGridStyle::gsReport;
    int m_headerSize = 18;
    THeaderStyle m_headerStyle = THeaderStyle::hsAuto;
    bool m_hideScrollBar = true;
    platform::TColor m_highlightedTextColor = platform::clHighlightText;
    platform::TColor m_inactiveSelectionColor = platform::clBtnFace;
    TInputEnterMode m_inputEnterMode = TInputEnterMode::imEditing;
    int m_inputSize = 16;
    TGridOptions m_options = TGridOption::goHeader;
    bool m_readOnly = false;
    int m_rowSize = 16;
    platform::TColor m_selectionColor = platform::clHighlight;
    TSelectionMoveDirection m_selectionMoveDirection = TSelectionMoveDirection::mdDown;
    TSlidesOptions m_slidesOptions = TSlidesOption::soFrame | TSlidesOption::soHideSelection;
    platform::TColor m_slideSelectionColor = platform::clWindow;
    int m_slideSize = 80;
    TSortedStyle m_sortedStyle = TSortedStyle::soDefault;
    QString m_version = QStringLiteral("4.5");
    bool m_wantReturns = false;
    bool m_wantTabs = false;
    platform::TColor m_slideCaptionColor = platform::clGrayText;
};

} // namespace grid
