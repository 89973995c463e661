#pragma once

#include "platform/Canvas.h"
#include "platform/Rect.h"
#include "platform/TColor.h"

#include <QString>

class QWidget;

// The header styles: everything the grid paints outside its data cells (column headers and footers, the
// indicator column and its corners, the input line's cells and the band fillers) goes through one style
// display. Five classes differ in backgrounds, frames, the sort arrow and their style flags; captions,
// glyphs, footers and input cells are painted by the base class for all of them.
//
// What the owner grid provides (through grid::ColumnsGrid):
// - GridColor(): its Color, filling the base indicator corner and header filler;
// - GridWidget(): the widget themed parts are drawn for;
// - DownColumn(), HoverColumn(), SelectedColumn(): read through each column's IsDownColumn,
//   IsHoverColumn and IsSelectedColumn.
// Before painting, the grid stores its canvas in Canvas (giving it the grid font for the headers) and sets
// Themed (its EnableVisualStyles and IsThemed()). The input cells read the column's InputValue,
// InputCaption and Editing; the grid passes Focused, Active and Current.
namespace grid {

class ColumnsGrid;
class TDgCustomColumn;

/// The bits of TStyleDisplay::GetStyleFlags.
namespace styleflag {
constexpr unsigned HoverRepaint = 1u << 0;   ///< the grid repaints the old and new hover header
constexpr unsigned InvertPressed = 1u << 1;  ///< the pressed column's header is drawn inverted
constexpr unsigned NoContentArrow = 1u << 2; ///< the background draws its own sort arrow
} // namespace styleflag

class TStyleDisplay {
public:
    /// AOwner: the grid whose colour and widget the display uses (nullptr: the window colour and the
    /// application's style).
    explicit TStyleDisplay(ColumnsGrid* AOwner);
    virtual ~TStyleDisplay() = default;
    TStyleDisplay(const TStyleDisplay&) = delete;
    TStyleDisplay& operator=(const TStyleDisplay&) = delete;

    /// Where to paint; the grid stores its canvas here whenever it selects or uses the display.
    platform::TCanvas* Canvas = nullptr;
    /// The header content draws the sort arrow and the inverted pressed state (off for a drag image).
    bool ShowSortArrow = true;
    /// PaintColumnHeader paints the header background before the content.
    bool PaintBackground = true;
    /// Set by the grid before painting: visual styles are enabled for it and active.
    bool Themed = false;

    ColumnsGrid* Grid() const { return m_grid; }

    // ---- virtual operations, in slot order ----

    /// 0 unless ShowSortArrow and PaintBackground; then 11 when Themed and the header shows text only,
    /// else 2.
    virtual int GetHeaderIndent(const TDgCustomColumn& Column) const;
    /// The styleflag bits of the class.
    virtual unsigned GetStyleFlags() const;
    /// Narrows the rectangle a header caption is drawn in.
    virtual void AdjustTextRect(platform::TRect& Rect) const;
    /// The sort arrow with its top-left corner at (X, Y).
    virtual void DrawSortArrow(int X, int Y, bool Ascending);
    /// The footer's text (before, value, after) placed by the footer's alignment.
    virtual void DrawFooterContent(const TDgCustomColumn& Column, const platform::TRect& Rect);
    /// Glyph, caption, sort arrow and the pressed inversion of a header.
    virtual void DrawHeaderContent(const TDgCustomColumn& Column, const platform::TRect& Rect);
    /// The part of the input-line or footer band beyond the columns.
    virtual void PaintBandFiller(const platform::TRect& Rect);
    /// The indicator column's piece of the header and input bands (Kind 0) or the footer band (Kind 1).
    virtual void PaintIndicatorCorner(const platform::TRect& Rect, int Kind);
    /// A footer cell; with Divider it is framed by a clBtnFace line at the bottom and right. The text is
    /// kept inside Rect and the canvas's clip.
    virtual void PaintFooter(const TDgCustomColumn& Column, const platform::TRect& Rect, bool Divider);
    /// The background (when PaintBackground) and then the content of a header cell, both kept inside
    /// Rect and the canvas's clip.
    virtual void PaintColumnHeader(const TDgCustomColumn& Column, const platform::TRect& Rect);
    /// The base paints no background.
    virtual void PaintHeaderBackground(const TDgCustomColumn& Column, const platform::TRect& Rect);
    /// The background of one cell of the indicator column (Index: the row; the first has no top gap).
    virtual void PaintIndicatorCell(const platform::TRect& Rect, int Index);
    /// The current-row triangle (Marked) and the inversion of a selected row's cell (Inverted).
    virtual void DrawIndicatorMark(const platform::TRect& Rect, bool Marked, bool Inverted);
    /// A cell of the input line: Focused the grid has the focus, Active the input line is selected,
    /// Current the cell is the selected input cell.
    virtual void PaintInputCell(const TDgCustomColumn& Column, const platform::TRect& Rect, bool Focused,
                                bool Active, bool Current);
    /// The header band right of the last column.
    virtual void PaintHeaderFiller(const platform::TRect& Rect);

    /// The width the header's content needs: the glyph, the caption (its 8-bit width, or its height when
    /// vertical) or both with 2 pixels between, measured on Canvas.
    int GetHeaderContentWidth(const TDgCustomColumn& Column);

protected:
    /// The grid's Color (clWindow without a grid).
    platform::TColor GridColor() const;
    /// The widget themed parts are drawn for.
    QWidget* ThemeWidget() const;
    /// The themed "header" class part in State over Rect.
    void DrawThemedHeader(const platform::TRect& Rect, int Part, int State);
    /// Draws Text in Rect with the header text flags (single line unless MultiLine), clear brush.
    void DrawHeaderText(const QString& Text, const platform::TRect& Rect, bool MultiLine);
    /// A one-pixel line from (X1, Y1) to (X2, Y2), leaving out the last point.
    void Line(int X1, int Y1, int X2, int Y2, platform::TColor Color);
    /// Fills the rectangle with a solid brush of the colour.
    void Fill(const platform::TRect& Rect, platform::TColor Color);
    /// The footer's text: TextBefore, the caption (formatted by the footer's mask) and TextAfter.
    static QString FooterText(const TDgCustomColumn& Column);
    /// The canvas the display paints on, or a measuring one with the grid font when none is stored.
    platform::TCanvas& Surface();

private:
    ColumnsGrid* m_grid;
    platform::TCanvas m_measureCanvas;
};

/// hsAuto: the themed header items when visual styles are on, the classic 3-D look otherwise.
class TDefaultStyleDisplay : public TStyleDisplay {
public:
    using TStyleDisplay::TStyleDisplay;
    unsigned GetStyleFlags() const override;
    void PaintIndicatorCorner(const platform::TRect& Rect, int Kind) override;
    void PaintHeaderBackground(const TDgCustomColumn& Column, const platform::TRect& Rect) override;
    void PaintHeaderFiller(const platform::TRect& Rect) override;
    virtual void PaintClassicHeader(const TDgCustomColumn& Column, const platform::TRect& Rect);
    virtual void PaintThemedHeader(const TDgCustomColumn& Column, const platform::TRect& Rect);
};

/// hsFlatBorders: flat cells with a grey right and bottom edge.
class TFlatStyleDisplay : public TStyleDisplay {
public:
    using TStyleDisplay::TStyleDisplay;
    void PaintBandFiller(const platform::TRect& Rect) override;
    void PaintIndicatorCorner(const platform::TRect& Rect, int Kind) override;
    void PaintHeaderBackground(const TDgCustomColumn& Column, const platform::TRect& Rect) override;
    void PaintIndicatorCell(const platform::TRect& Rect, int Index) override;
    virtual void PaintClassicHeader(const TDgCustomColumn& Column, const platform::TRect& Rect);
};

/// hsOldStyle: button-face cells with a dark 3-D frame.
class TOldStyleDisplay : public TStyleDisplay {
public:
    using TStyleDisplay::TStyleDisplay;
    unsigned GetStyleFlags() const override;
    void PaintIndicatorCorner(const platform::TRect& Rect, int Kind) override;
    void PaintHeaderBackground(const TDgCustomColumn& Column, const platform::TRect& Rect) override;
    void PaintIndicatorCell(const platform::TRect& Rect, int Index) override;
};

/// hsOutlook: separators and a three-line shaded bottom edge.
class TOutlookStyleDisplay : public TStyleDisplay {
public:
    using TStyleDisplay::TStyleDisplay;
    unsigned GetStyleFlags() const override;
    void AdjustTextRect(platform::TRect& Rect) const override;
    void PaintBandFiller(const platform::TRect& Rect) override;
    void PaintIndicatorCorner(const platform::TRect& Rect, int Kind) override;
    void PaintHeaderBackground(const TDgCustomColumn& Column, const platform::TRect& Rect) override;
    virtual void PaintClassicHeader(const TDgCustomColumn& Column, const platform::TRect& Rect);
};

/// hsVista: light grey cells; the sorted column gets a light-blue fade with a white arrow at its top.
class TVistaStyleDisplay : public TStyleDisplay {
public:
    using TStyleDisplay::TStyleDisplay;
    unsigned GetStyleFlags() const override;
    void AdjustTextRect(platform::TRect& Rect) const override;
    void PaintHeaderBackground(const TDgCustomColumn& Column, const platform::TRect& Rect) override;
    void PaintIndicatorCell(const platform::TRect& Rect, int Index) override;
    virtual void PaintClassicHeader(const TDgCustomColumn& Column, const platform::TRect& Rect);
};

} // namespace grid
