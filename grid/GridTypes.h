#pragma once

#include <QFlags>

// The option sets and enumerations of the grid engine, shared by the grid, its displays and its users.
namespace grid {

/// Behaviour options of a grid; the bit order is the stored one.
enum class TGridOption : unsigned {
    goCanHideColumn = 1u << 0,
    goDisableColumnMoving = 1u << 1,
    goEscClearEdit = 1u << 2,
    goFooter = 1u << 3,
    goGrid = 1u << 4,
    goHeader = 1u << 5,
    goIndicator = 1u << 6,
    goInput = 1u << 7,
    goLockFixedCols = 1u << 8,
    goMultiSelect = 1u << 9,
    goRowResizing = 1u << 10,
    goRowMoving = 1u << 11,
    goSecondClickEdit = 1u << 12,
    goSelectFullRow = 1u << 13,
    goUseDefaultValues = 1u << 14,
    goInplaceEditEvents = 1u << 15,
};
using TGridOptions = QFlags<TGridOption>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

/// Look options of a grid; the bit order is the stored one.
enum class TAppearanceOption : unsigned {
    ao3DGridLines = 1u << 0,
    aoAlphaBlendedSelection = 1u << 1,
    aoBoldTextSelection = 1u << 2,
    aoDontFillCells = 1u << 3,
    aoHideFocus = 1u << 4,
    aoHideSelection = 1u << 5,
    aoHighlightSlideCells = 1u << 6,
    aoHintMarks = 1u << 7,
    aoIndicateSelectedCell = 1u << 8,
    aoIndicateSortedColumn = 1u << 9,
};
using TAppearanceOptions = QFlags<TAppearanceOption>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TAppearanceOptions)

/// Which grid lines are drawn.
enum class TGridLinesStyle {
    lsNormal,
    lsActiveHorzOnly,
    lsActiveRows,
    lsFramed,
    lsHorizontalOnly,
    lsVerticalOnly
};

/// Rows as a table (report) or each row as a slide of freely placed cells.
enum class TGridStyle { gsReport, gsSlides };

/// The look of the headers; each style has its own style display.
enum class THeaderStyle { hsAuto, hsFlatBorders, hsOldStyle, hsOutlook, hsVista };

/// When typing in the input line starts an edit.
enum class TInputEnterMode { imAllways, imEditing };

/// Where the selection goes after an edit is taken with Enter.
enum class TSelectionMoveDirection { mdNone, mdUp, mdDown, mdLeft, mdRight };

/// Slide options: frame the selected slide, do not colour selected slides.
enum class TSlidesOption : unsigned {
    soFrame = 1u << 0,
    soHideSelection = 1u << 1,
};
using TSlidesOptions = QFlags<TSlidesOption>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TSlidesOptions)

/// How the cells of the sorted column are shaded.
enum class TSortedStyle { soDefault, soDarker, soWhite };

/// The state a cell is painted in; the bit values are fixed.
enum class TCellStateItem : unsigned {
    csBoldTextSelection = 1,
    csEmpty = 2,
    csFocused = 4,
    csSelected = 8,
};
using TCellState = QFlags<TCellStateItem>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TCellState)

/// The state a slide is painted in.
enum class TSlideStateItem : unsigned {
    stFocused = 1u << 0,
    stSelected = 1u << 1,
};
using TSlideState = QFlags<TSlideStateItem>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TSlideState)

} // namespace grid
