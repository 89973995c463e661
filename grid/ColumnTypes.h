#pragma once

#include "platform/Environment.h"

#include <QFlags>
#include <QString>
#include <QVariant>

// The value types of the grid's columns, their parts and their change reports.
namespace grid {

/// Horizontal text alignment; the codes are those AlignBoxInRect takes.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

/// Vertical text alignment; the codes are those AlignBoxInRect takes.
enum class TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };

/// Reading order of a column's text.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

/// How the grid combines a column's display with the custom-draw events.
enum class TDrawingOptions { doNormal, doBackgroundOnly, doCustom, doCustomOnly };

/// How a cell's text is cut or wrapped when it does not fit.
enum class TWrapKind { wkNone, wkEllipsis, wkPathEllipsis, wkWordWrap };

/// Where a column's caption stands inside a slide.
enum class TSlideCatpionLocation { clLeft, clTop };

/// What a header or footer shows.
enum class TDisplayMode { dmImageOnly, dmTextAndImage, dmTextOnly };

enum class THeaderOrientation { hoHorizontal, hoVertical };

/// The calculation a footer shows.
enum class TFormulaKind { fkNone, fkAverage, fkCount, fkDistinct, fkMaximum, fkMinimum, fkSum, fkCustom };

/// Whether a footer's mask formats text or a number.
enum class TFormatMaskKind { mkText, mkFloat };

/// Column options, bit order as stored.
enum class TColumnOption : unsigned {
    coAutoSize = 1u << 0,
    coCanClick = 1u << 1,
    coCanInput = 1u << 2,
    coCanSort = 1u << 3,
    coDisableMoving = 1u << 4,
    coDontHighlight = 1u << 5,
    coEditing = 1u << 6,
    coEditorAutoSelect = 1u << 7,
    coFixedSize = 1u << 8,
    coImageForIcon = 1u << 9,
    coPublicUsing = 1u << 10,
    coFullResort = 1u << 11,
    coSearchColumn = 1u << 12,
    coShowTextFitHint = 1u << 13,
    coTextForCaption = 1u << 14,
};
using TColumnOptions = QFlags<TColumnOption>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TColumnOptions)

/// The editing flags a column answers (GetColumnFlags).
enum class TColumnFlag : unsigned {
    cfEditing = 1u << 0, ///< cells can be edited in place
    cfInput = 1u << 1,   ///< the input-line cell can be edited
};
using TColumnFlags = QFlags<TColumnFlag>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TColumnFlags)

/// Trait bits of a column class (GetColumnTraits).
namespace trait {
constexpr unsigned PlayWithoutEditing = 1u << 0;     ///< clicks reach the play without coEditing
constexpr unsigned EditableWithoutInplace = 1u << 1; ///< editable without an InplaceEdit
constexpr unsigned NoSorting = 1u << 2;              ///< Sorted cannot be set
constexpr unsigned SizeToContentOnBorder = 1u << 3;  ///< double click on the right border sizes to content
constexpr unsigned EditorWithoutRedraw = 1u << 4;    ///< the editor window is shown without redrawing
constexpr unsigned TextValues = 1u << 5;             ///< carried by text and number columns
constexpr unsigned EnterKeepsEditing = 1u << 6;      ///< Enter in the editor does not end editing
} // namespace trait

/// What a column reports to its collection and grid (ColumnChanged); the numbers are the stored codes.
enum class ColumnChange {
    InputValue = 1,
    Position = 2, ///< the parameter is the former position
    SlideBounds = 3,
    SortedOn = 4,
    SortOrder = 5, ///< sort kind or sort type
    Appearance = 6,
    Visibility = 7,
    SortedOff = 8,
    Width = 9, ///< the parameter is the new width minus the old
};

/// The bands a column asks its grid to repaint (RefreshColumnPart); anything else is the whole client
/// height.
enum class ColumnBand { Whole = 0, Cells = 1, Footer = 2, Header = 3, Indicator = 4, Input = 5 };

/// The bands of GetPartRect.
enum class ColumnPartRect { Footer = 0, Header = 1, Input = 4 };

/// What a column tells its subscribers.
enum class ColumnNotice { Alignment = 0, Caption = 1, Color = 2, DrawingOptions = 3, Visibility = 6 };

/// Kinds of the collection's list notifications; they are the store's column operations.
enum class ColumnsChange { Added = 0, Deleted = 1 };

/// The constant the collection passes with its list notifications; its meaning is the grid's.
constexpr int ColumnsChangeConstant = 2;

/// The value of one cell as the grid hands it to FormatValue and to a display; the member that matches
/// the column kind is filled.
struct TCellInfo {
    bool AsBoolean = false;
    platform::TDateTime AsDateTime = 0;
    double AsFloat = 0;
    int AsInteger = 0;
    QString AsString;
    QVariant Variant;
    void* Object = nullptr;
};

} // namespace grid
