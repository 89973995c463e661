#pragma once

#include "grid/DgCustomGridControl.h"
#include "platform/Cursors.h"
#include "platform/HintWindow.h"

#include <QPointer>
#include <QString>

class QTimer;

// The grid layer that talks to the user: mouse, keyboard, wheel, type-ahead search, the four kinds of
// hint and the reactions to focus, activation and size changes. Mouse and keyboard run through
// DgGridMouse.cpp and DgGridKeys.cpp; each interaction mode starts at a press and returns to idle at the
// release. The modes that drag something (column moving, column and row resizing, row moving) are
// entered and left through the virtual hooks below; their guide lines, drag box and drop marks are
// filled in by the storage-backed grid.
namespace grid {

class TColumnPlay;

/// The grid's own cursors.
constexpr platform::TCursor crHorzSplit = 3000;
constexpr platform::TCursor crColumnNoDrag = 3001;
constexpr platform::TCursor crVertSplit = 3003;
constexpr platform::TCursor crIndicatorSelect = 3006;

/// The part of the grid a client point lies in.
enum class TGridHitPart { None, Header, Input, Cells, Footer, Indicator };

/// What the hint window shows (HintKind).
enum : unsigned char { hkNone = 0, hkFooter = 1, hkHeader = 2, hkTextFit = 3, hkCell = 4 };

/// A cell as column index and row; -1 where nothing was hit.
struct TGridCoord {
    int X = -1;
    int Y = -1;
    constexpr bool operator==(const TGridCoord&) const = default;
};

class TDgCustomGrid : public TDgCustomGridControl {
    Q_OBJECT
public:
    explicit TDgCustomGrid(QWidget* parent = nullptr);
    ~TDgCustomGrid() override;

    // ---- positions under the mouse (client co-ordinates) ----

    TGridHitPart HitTest(int X, int Y);
    /// The first visible column in position order whose scrolled span contains X; nullptr when none.
    TDgCustomColumn* ColumnAtPos(int X) const;
    /// Column index and row under the point; -1 for what hits nothing.
    TGridCoord CellAtPos(int X, int Y);
    /// The column whose right header border lies within 3 pixels left and 2 right of X.
    TDgCustomColumn* ColumnBorderAtPos(int X) const;
    /// The row whose lower border lies under the point in the indicator column; -1 when none.
    int RowBorderAtPos(int X, int Y);
    /// The shown row under Y (X is not used): TopRow above the cells area, -1 below the rows.
    int GetRowAtPos(int X, int Y);

    // ---- interaction state ----

    const QString& SearchText() const { return m_searchText; }
    QTimer* SearchTimer() const { return m_searchTimer; }
    platform::THintWindow* HintWindow() const { return m_hintWindow; }
    unsigned char HintKind() const { return m_hintKind; }
    TDgCustomColumn* HeaderHintColumn() const { return m_headerHintColumn; }
    TDgCustomColumn* FooterHintColumn() const { return m_footerHintColumn; }
    TDgCustomColumn* ClickColumn() const { return m_clickColumn; }
    TDgCustomColumn* BorderColumn() const { return m_borderColumn; }
    TDgCustomColumn* ResizingColumn() const { return m_resizingColumn; }
    platform::TPoint MouseDownPoint() const { return m_mouseDownPoint; }
    TGridCoord MouseDownCell() const { return m_mouseDownCell; }
    TGridCoord HoverCell() const { return m_hoverCell; }
    int MoveRowFrom() const { return m_moveRowFrom; }
    int RowResizeRow() const { return m_rowResizeRow; }
    bool SecondClick() const { return m_secondClick; }
    bool ColumnResizing() const { return m_columnResizing; }
    bool HeaderPressed() const { return m_headerPressed; }
    bool ColumnDragging() const { return m_columnDragging; }
    bool RowMoving() const { return m_rowMoving; }

    // ---- virtual operations ----

    /// Readies the column's play for one cell: place, canvas, values (GetCellInfo) and its callbacks.
    virtual bool PrepareCellDisplay(int ACol, int ARow, const platform::TRect& Rect);
    /// Fills the play with the cell's values; the storage knows them.
    virtual void GetCellInfo(TColumnPlay* Play) = 0;
    /// The play changed its cell's value (a check box was toggled); the storage writes it.
    virtual void CellPlayClick(TColumnPlay* Play);
    /// The play asks to expand or collapse its row; the storage knows rows with children.
    virtual void ToggleExpanded(TColumnPlay* Play);
    /// Keeps the hint window, or makes one coloured with the application's hint colour.
    virtual void CreateHintWindow();

    /// The collection removed a column: the mouse state forgets it before anything reads it again.
    void ColumnsChanged(ColumnsChange Kind, int Constant, int Index, int Param) override;
    /// Ends the search word: the typed text is forgotten and the timer stops.
    void SearchTimerTick();

protected:
    // Input, as the scroll control hands it on.
    void MouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    void MouseMove(platform::TShiftState Shift, int X, int Y) override;
    void MouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    void KeyDown(int& Key, platform::TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    bool DoMouseWheelDown(platform::TShiftState Shift, const platform::TPoint& MousePos) override;
    bool DoMouseWheelUp(platform::TShiftState Shift, const platform::TPoint& MousePos) override;
    /// A drag of the grid ended: a selection held back for it is made now.
    void EndDrag(QWidget* Target, int X, int Y) override;

    // The dragging and resizing modes. The hooks keep the mode state; drawing guide lines and marks,
    // the drag box and the final size or move are added by the grid that stores rows.

    /// A left press on ResizingColumn's header border: the column resizing mode begins.
    virtual void BeginColumnResize(int X);
    virtual void ColumnResizeMove(int X);
    /// The release of a column resize: the mode ends.
    virtual void EndColumnResize(int X);
    /// A press on a row border in the indicator column: the row resizing mode begins.
    virtual void BeginRowResize(int Row, int X, int Y);
    virtual void RowResizeMove(int X, int Y);
    /// The release of a row resize: the mode ends.
    virtual void EndRowResize(int X, int Y);
    /// The held header of ClickColumn was dragged past the drag distance.
    virtual void BeginColumnDrag(int X, int Y);
    /// The mouse moved while a row is being moved.
    virtual void RowMoveStep(int Y);
    /// The release of a row move.
    virtual void RowMoveDrop(int Y);
    /// The drag box and the drop arrows are hidden (the application was deactivated).
    virtual void HideDragMarks();

    // Qt's messages.
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    /// Tab stays in the grid only as the dialog code allows (WantTabs, a visible column, rows or the
    /// input line); otherwise it moves the focus on.
    bool focusNextPrevChild(bool next) override;
    void WMHScroll(int ScrollCode) override;
    void WMVScroll(int ScrollCode) override;

    /// The focus moved from Old to Now (either may be nullptr): leaving the grid and its editor
    /// abandons the modes and, unless the window was only deactivated or a pop-up opened, takes a running
    /// edit.
    void FocusChanged(QWidget* Old, QWidget* Now);
    /// The widget is the grid, its viewport or inside them (its in-place editor).
    bool OwnsWidget(const QWidget* Widget) const;
    /// The application was deactivated.
    void ApplicationDeactivated();
    /// The mouse left the control.
    void MouseLeft();

    /// The last row a walk over the shown rows from TopRow needs to visit.
    int LastWalkedRow();

    // Hints.
    bool CanShowHints() const;
    /// Shows Text in the hint window at the client point, sized for MaxWidth.
    void ShowHintAt(int X, int Y, int MaxWidth, const QString& Text);
    void FreeHintWindow();
    /// The cell's display text as painted (after OnApplyCell) and whether it fits its column.
    bool CellTextFits(int ACol, int ARow, QString& Text);
    void CellHintMove(int X, int Y);

    // The mouse-down and move steps by the part under the mouse.
    void CellPress(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    void HeaderPress(platform::TMouseButton Button, platform::TShiftState Shift, int X);
    void IndicatorPress(int X, int Y);
    void DoubleClickDown(int X, int Y);
    void HeaderMove(platform::TShiftState Shift, int X, int Y);
    void FooterMove(int X);
    void IndicatorMove(int X, int Y);
    void CellMove(platform::TShiftState Shift, int X, int Y);
    void CellRelease(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    void HeaderSortRelease(TDgCustomColumn* Remembered, int X);
    /// Leaving a part hides its hint and, for the header, the hover and border columns.
    void LeavePart(TGridHitPart Part);
    void SetHoverColumn(TDgCustomColumn* Column);
    void SetDownColumn(TDgCustomColumn* Column);
    /// Hands a mouse event to the play of the cell's column, relative to the cell.
    bool PlayTakes(int ACol, int ARow, platform::TRect& Rect);
    void IncrementalSearch(QChar Key);
    /// Sets the mouse cursor over the client area.
    void SetGridCursor(platform::TCursor Cursor);

    // State of the interaction modes. The dragging modes' own fields are here so that their hooks
    // can use them.
    QTimer* m_searchTimer = nullptr;
    QString m_searchText;
    QPointer<platform::THintWindow> m_hintWindow;
    unsigned char m_hintKind = hkNone;
    TDgCustomColumn* m_headerHintColumn = nullptr;
    TDgCustomColumn* m_footerHintColumn = nullptr;
    TDgCustomColumn* m_clickColumn = nullptr;
    TDgCustomColumn* m_borderColumn = nullptr;
    TDgCustomColumn* m_resizingColumn = nullptr;
    platform::TPoint m_mouseDownPoint{-1, -1};
    TGridCoord m_mouseDownCell;
    TGridCoord m_hoverCell;
    int m_resizeDelta = 0;
    int m_resizeLineLeft = 0;
    int m_resizeLineRight = 0;
    int m_rowResizeRow = -1;
    platform::TPoint m_rowResizeLine;
    int m_moveRowFrom = -1;
    int m_dropRow = -1;
    int m_priorDropRow = -1;
    bool m_selectOnDragCancel = false;
    bool m_secondClick = false;
    int m_lastClientHeight = 0;
    int m_lastClientWidth = 0;
    bool m_columnResizing = false;
    bool m_headerPressed = false;
    bool m_columnDragging = false;
    bool m_rowMoving = false;
    /// The part the mouse was last over, to hide its hints when it leaves.
    TGridHitPart m_lastPart = TGridHitPart::None;
    /// The part of the grid the last press was in (a cell click needs its press in the cells area).
    TGridHitPart m_pressPart = TGridHitPart::None;
};

} // namespace grid
