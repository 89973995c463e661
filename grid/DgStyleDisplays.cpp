#include "grid/DgStyleDisplays.h"

#include "grid/ColumnLinks.h"
#include "grid/DgClasses.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgSharedCommon.h"
#include "grid/DgSharedDraw.h"
#include "platform/Conversions.h"
#include "platform/FormatFloat.h"
#include "platform/FormatMaskText.h"
#include "platform/Themes.h"
#include "platform/ValueText.h"

#include <algorithm>

namespace grid {

using namespace platform;

namespace {

/// Vista's header colours.
constexpr TColor kVistaFace = RGB(240, 240, 240);
constexpr TColor kVistaSortTop = RGB(175, 220, 240);

/// Where header and footer content starts: the text alone, or the glyph followed by the text.
struct ContentPlace {
    int textX = 0;
    int glyphX = 0;
    int glyphY = 0;
    bool glyph = false;
};

/// Places a content of text width W (and the part's glyph unless it shows text only) in Rect by the
/// alignment; right-aligned content of a sorted column leaves 31 pixels for the sort arrow.
ContentPlace placeContent(const TColumnPart& part, TAlignment alignment, bool sorted, int w, const TRect& r) {
    ContentPlace place;
    const TBitmap& glyph = part.Glyph();
    const int arrowRoom = sorted ? 31 : 0;
    if (glyph.Empty() || part.DisplayMode() == TDisplayMode::dmTextOnly) {
        switch (alignment) {
        case TAlignment::taLeftJustify:
            place.textX = r.Left + 2;
            break;
        case TAlignment::taRightJustify:
            place.textX = r.Right - w - arrowRoom;
            break;
        case TAlignment::taCenter:
            place.textX = r.Left + (r.Right - r.Left) / 2 - w / 2;
            break;
        }
        return place;
    }
    const int gw = glyph.Width();
    const int gh = glyph.Height();
    place.glyph = true;
    place.glyphY = r.Top + (r.Bottom - r.Top) / 2 - gh / 2;
    switch (alignment) {
    case TAlignment::taLeftJustify:
        place.glyphX = r.Left + 3;
        break;
    case TAlignment::taRightJustify:
        place.glyphX = r.Right - gw - w - 2 - arrowRoom;
        break;
    case TAlignment::taCenter:
        place.glyphX = r.Left + (r.Right - r.Left) / 2 - (gw + w) / 2;
        break;
    }
    place.textX = place.glyphX + gw + 2;
    return place;
}

/// Draws the part's glyph with its transparent colour left out.
void drawGlyph(TCanvas& canvas, const TColumnPart& part, int x, int y) {
    TBitmap glyph = part.Glyph();
    glyph.Transparent = true;
    canvas.Draw(x, y, glyph);
}

} // namespace

// ---- TStyleDisplay ----

TStyleDisplay::TStyleDisplay(ColumnsGrid* AOwner) : m_grid(AOwner) {}

TColor TStyleDisplay::GridColor() const {
    return m_grid ? m_grid->GridColor() : clWindow;
}

QWidget* TStyleDisplay::ThemeWidget() const {
    return m_grid ? m_grid->GridWidget() : nullptr;
}

TCanvas& TStyleDisplay::Surface() {
    if (Canvas)
        return *Canvas;
    if (m_grid)
        m_measureCanvas.Font = m_grid->GridFont();
    return m_measureCanvas;
}

void TStyleDisplay::DrawThemedHeader(const TRect& Rect, int Part, int State) {
    if (Canvas)
        DrawThemedBackground(ThemeWidget(), *Canvas, Rect, QStringLiteral("header"), Part, State);
}

void TStyleDisplay::Line(int X1, int Y1, int X2, int Y2, TColor Color) {
    Canvas->Pen.Color = Color;
    Canvas->Pen.Style = TPenStyle::psSolid;
    Canvas->Pen.Mode = TPenMode::pmCopy;
    Canvas->Pen.Width = 1;
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

void TStyleDisplay::Fill(const TRect& Rect, TColor Color) {
    Canvas->Brush.Style = TBrushStyle::bsSolid;
    Canvas->Brush.Color = Color;
    Canvas->FillRect(Rect);
}

void TStyleDisplay::DrawHeaderText(const QString& Text, const TRect& Rect, bool MultiLine) {
    unsigned flags = DT_VCENTER | DT_EXTERNALLEADING | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (!MultiLine)
        flags |= DT_SINGLELINE;
    Canvas->Brush.Style = TBrushStyle::bsClear;
    Canvas->DrawText(Text, Rect, flags);
    Canvas->Brush.Style = TBrushStyle::bsSolid;
}

int TStyleDisplay::GetHeaderIndent(const TDgCustomColumn& Column) const {
    if (!ShowSortArrow || !PaintBackground)
        return 0;
    return Themed && Column.Header()->DisplayMode() == TDisplayMode::dmTextOnly ? 11 : 2;
}

unsigned TStyleDisplay::GetStyleFlags() const {
    return 0;
}

void TStyleDisplay::AdjustTextRect(TRect&) const {}

void TStyleDisplay::DrawSortArrow(int X, int Y, bool Ascending) {
    if (!Canvas)
        return;
    if (Themed) {
        Canvas->Pen.Color = clGrayText;
        Canvas->Pen.Mode = TPenMode::pmCopy;
        Canvas->Pen.Style = TPenStyle::psSolid;
        Canvas->Brush.Style = TBrushStyle::bsSolid;
        Canvas->Brush.Color = clGrayText;
        if (Ascending)
            Canvas->Polygon({TPoint(X, Y + 4), TPoint(X + 4, Y), TPoint(X + 8, Y + 4)});
        else
            Canvas->Polygon({TPoint(X, Y), TPoint(X + 4, Y + 4), TPoint(X + 8, Y)});
        return;
    }
    // A 3-D outline: the shadow side first, then the lit side.
    Canvas->Pen.Mode = TPenMode::pmCopy;
    Canvas->Pen.Style = TPenStyle::psSolid;
    Canvas->Pen.Width = 1;
    if (Ascending) {
        Canvas->Pen.Color = clBtnShadow;
        Canvas->Polyline({TPoint(X + 7, Y + 6), TPoint(X, Y + 6), TPoint(X, Y + 5), TPoint(X + 1, Y + 5),
                          TPoint(X + 1, Y + 3), TPoint(X + 2, Y + 3), TPoint(X + 2, Y + 1),
                          TPoint(X + 3, Y + 1), TPoint(X + 3, Y - 1)});
        Canvas->Pen.Color = clBtnHighlight;
        Canvas->Polyline({TPoint(X + 7, Y + 5), TPoint(X + 6, Y + 5), TPoint(X + 6, Y + 3),
                          TPoint(X + 5, Y + 3), TPoint(X + 5, Y + 1), TPoint(X + 4, Y + 1),
                          TPoint(X + 4, Y - 1)});
    } else {
        Canvas->Pen.Color = clBtnShadow;
        Canvas->Polyline({TPoint(X + 7, Y), TPoint(X, Y), TPoint(X, Y + 1), TPoint(X + 1, Y + 1),
                          TPoint(X + 1, Y + 3), TPoint(X + 2, Y + 3), TPoint(X + 2, Y + 5),
                          TPoint(X + 3, Y + 5), TPoint(X + 3, Y + 7)});
        Canvas->Pen.Color = clBtnHighlight;
        Canvas->Polyline({TPoint(X + 7, Y + 1), TPoint(X + 6, Y + 1), TPoint(X + 6, Y + 3),
                          TPoint(X + 5, Y + 3), TPoint(X + 5, Y + 5), TPoint(X + 4, Y + 5),
                          TPoint(X + 4, Y + 7)});
    }
}

QString TStyleDisplay::FooterText(const TDgCustomColumn& Column) {
    const TColumnFooter& footer = *Column.Footer();
    QString value = footer.Caption();
    if (!footer.FormatMask().isEmpty()) {
        if (footer.FormatMaskKind() == TFormatMaskKind::mkText) {
            value = FormatMaskText(footer.FormatMask(), SystemText(value));
        } else {
            double number = 0;
            if (!TryStrToFloat(value, number))
                number = 0;
            value = FormatFloat(footer.FormatMask(), number);
        }
    }
    return footer.TextBefore() + value + footer.TextAfter();
}

void TStyleDisplay::DrawFooterContent(const TDgCustomColumn& Column, const TRect& Rect) {
    if (!Canvas)
        return;
    const TColumnFooter& footer = *Column.Footer();
    const QString text = FooterText(Column);
    const bool imageOnly = footer.DisplayMode() == TDisplayMode::dmImageOnly;
    const int w = imageOnly ? 0 : Canvas->TextWidth(SystemText(text));
    const ContentPlace place = placeContent(footer, footer.Alignment(), Column.Sorted(), w, Rect);
    if (place.glyph)
        drawGlyph(*Canvas, footer, place.glyphX, place.glyphY);
    if (imageOnly)
        return;
    DrawHeaderText(text, TRect(std::max(place.textX, Rect.Left), Rect.Top, Rect.Right, Rect.Bottom), false);
}

void TStyleDisplay::DrawHeaderContent(const TDgCustomColumn& Column, const TRect& Rect) {
    if (!Canvas)
        return;
    const TColumnHeader& header = *Column.Header();
    const QString& caption = header.Caption();
    const bool imageOnly = header.DisplayMode() == TDisplayMode::dmImageOnly;
    const bool vertical = header.Orientation() == THeaderOrientation::hoVertical;
    int w = 0;
    if (!imageOnly) {
        if (vertical) {
            w = TextHeightW(*Canvas, caption) + 2;
        } else if (header.MultiLine()) {
            TRect extent;
            Canvas->DrawText(caption, extent, DT_CALCRECT | DT_NOPREFIX);
            w = extent.Width() + 2;
        } else {
            w = TextWidthW(*Canvas, caption) + 2;
        }
    }
    const ContentPlace place = placeContent(header, header.Alignment(), Column.Sorted(), w, Rect);
    if (place.glyph)
        drawGlyph(*Canvas, header, place.glyphX, place.glyphY);
    // A caption wider than a right-aligned or centred cell still starts at the cell's left edge, as the
    // footer's does, instead of running over the neighbour.
    const int textX = std::max(place.textX, Rect.Left);
    if (!imageOnly) {
        TRect textRect(textX, Rect.Top, Rect.Right, Rect.Bottom);
        AdjustTextRect(textRect);
        if (vertical)
            DrawVerticalText(*Canvas, textRect, caption);
        else
            DrawHeaderText(caption, textRect, header.MultiLine());
    }
    if (!ShowSortArrow)
        return;
    const unsigned flags = GetStyleFlags();
    if (Column.Sorted()) {
        const int arrowX = textX + w + 19;
        const int arrowY = Rect.Top + (Rect.Bottom - Rect.Top) / 2 - 4;
        const bool tooNarrow = arrowX + 8 >= Rect.Right && header.HideArrow();
        if (!tooNarrow && !(flags & styleflag::NoContentArrow))
            DrawSortArrow(arrowX, arrowY, Column.SortKind() == TSortKind::skAscending);
    }
    if (Column.IsDownColumn() && (flags & styleflag::InvertPressed)) {
        if (Column.IsOnlyVisibleColumn())
            Canvas->InvertRect(TRect(Rect.Left - 1, Rect.Top - 1, Rect.Right, Rect.Bottom));
        else
            Canvas->InvertRect(TRect(Rect.Left, Rect.Top, Rect.Right - 1, Rect.Bottom));
    }
}

void TStyleDisplay::PaintBandFiller(const TRect& Rect) {
    PaintIndicatorCorner(Rect, 0);
}

void TStyleDisplay::PaintIndicatorCorner(const TRect& Rect, int) {
    if (Canvas)
        Fill(Rect, GridColor());
}

void TStyleDisplay::PaintFooter(const TDgCustomColumn& Column, const TRect& Rect, bool Divider) {
    if (!Canvas)
        return;
    Canvas->Font = Column.Font();
    Fill(Divider ? OffsetRectBy(Rect, 0, 0, -1, -1) : Rect, Column.Footer()->Color());
    if (Divider) {
        Line(Rect.Left, Rect.Bottom - 1, Rect.Right - 1, Rect.Bottom - 1, clBtnFace);
        Line(Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom + 1, clBtnFace);
    }
    // Within whatever the grid clipped to (the scrolling area), so a column scrolled under the fixed
    // columns does not paint over theirs.
    Canvas->SaveClip();
    Canvas->IntersectClipRect(Rect);
    DrawFooterContent(Column, Rect);
    Canvas->RestoreClip();
}

void TStyleDisplay::PaintColumnHeader(const TDgCustomColumn& Column, const TRect& Rect) {
    if (!Canvas)
        return;
    Canvas->SaveClip();
    Canvas->IntersectClipRect(Rect);
    if (PaintBackground)
        PaintHeaderBackground(Column, Rect);
    DrawHeaderContent(Column, Rect);
    Canvas->RestoreClip();
}

void TStyleDisplay::PaintHeaderBackground(const TDgCustomColumn&, const TRect&) {}

void TStyleDisplay::PaintIndicatorCell(const TRect& Rect, int Index) {
    if (!Canvas)
        return;
    const int x = Rect.Left; // the indicator column starts at the client's left edge
    const int top = Rect.Top;
    const int right = Rect.Right;
    const int bottom = Rect.Bottom;
    Fill(TRect(x + 1, top + 1, right - 1, bottom), clBtnFace);
    Line(x, top, x, bottom + 1, clBtnHighlight);
    if (Index < 1) {
        Line(x + 1, top, right - 1, top, clBtnHighlight);
    } else {
        Canvas->SetPixel(x + 1, top, clBtnFace);
        Canvas->SetPixel(right - 2, top, clBtnFace);
        Line(x + 2, top, right - 2, top, clBtnHighlight);
    }
    Canvas->SetPixel(x + 1, bottom - 1, clBtnFace);
    Canvas->SetPixel(right - 2, bottom - 1, clBtnFace);
    Line(right - 1, top, right - 1, bottom, clBtnShadow);
    Line(x + 2, bottom - 1, right - 2, bottom - 1, clBtnShadow);
}

void TStyleDisplay::DrawIndicatorMark(const TRect& Rect, bool Marked, bool Inverted) {
    if (!Canvas)
        return;
    if (Marked) {
        const TPoint at = AlignBoxInRect(6, 11, 2, 2, Rect, 0);
        const int x = at.x();
        const int y = at.y();
        Canvas->Pen.Color = clWindowText;
        Canvas->Pen.Mode = TPenMode::pmCopy;
        Canvas->Pen.Style = TPenStyle::psSolid;
        Canvas->Brush.Style = TBrushStyle::bsSolid;
        Canvas->Brush.Color = clWindowText;
        Canvas->Polygon({TPoint(x, y), TPoint(x + 5, y + 5), TPoint(x, y + 10)});
    }
    if (Inverted)
        Canvas->InvertRect(Rect);
}

void TStyleDisplay::PaintInputCell(const TDgCustomColumn& Column, const TRect& Rect, bool Focused,
                                   bool Active, bool Current) {
    if (!Canvas)
        return;
    const bool marked = Current && Active;
    const int d = marked ? -1 : 0;
    const TRect textRect(Rect.Left + 2, Rect.Top, Rect.Right - 1, Rect.Bottom - 1);
    const TRect backRect(Rect.Left, Rect.Top, Rect.Right + d, Rect.Bottom + d);
    Canvas->Font = Column.Font();
    Canvas->Font.SetStyle({});
    TColor brush = Column.Color();
    if (!Active || Column.Editing()) {
        Canvas->Font.Color = clGrayText;
    } else if (Column.IsSelectedColumn()) {
        Canvas->Font.Color = clGrayText;
    } else {
        Canvas->Font.Color = clHighlightText;
        brush = Focused ? clHighlight : clBtnFace;
    }
    Canvas->Brush.Style = TBrushStyle::bsSolid;
    Canvas->Brush.Color = brush;
    // The editor stands in the cell while its column is edited: only its frame is drawn.
    if (Column.Editing())
        Canvas->FrameRect(backRect);
    else
        Canvas->FillRect(backRect);
    if (marked) {
        Line(Rect.Left, Rect.Bottom - 1, Rect.Right - 1, Rect.Bottom - 1, clHighlight);
        Line(Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom + 1, clHighlight);
    }
    if (!Column.InputValue().isEmpty()) {
        QString value;
        Column.GetInputValue(value);
        DrawTextRect(*Canvas, textRect, value, Column.Alignment(), false);
    } else {
        DrawTextRect(*Canvas, textRect, Column.InputCaption(), TAlignment::taCenter, false);
    }
}

void TStyleDisplay::PaintHeaderFiller(const TRect& Rect) {
    if (Canvas)
        Fill(Rect, GridColor());
}

int TStyleDisplay::GetHeaderContentWidth(const TDgCustomColumn& Column) {
    const TColumnHeader& header = *Column.Header();
    const TCanvas& canvas = Surface();
    const int glyphWidth = header.Glyph().Empty() ? 0 : header.Glyph().Width();
    auto textWidth = [&] {
        return header.Orientation() == THeaderOrientation::hoVertical
                   ? canvas.TextHeight(header.Caption())
                   : canvas.TextWidth(SystemText(header.Caption()));
    };
    switch (header.DisplayMode()) {
    case TDisplayMode::dmImageOnly:
        return glyphWidth;
    case TDisplayMode::dmTextAndImage:
        return glyphWidth + textWidth() + 2;
    case TDisplayMode::dmTextOnly:
        break;
    }
    return textWidth();
}

// ---- TDefaultStyleDisplay ----

unsigned TDefaultStyleDisplay::GetStyleFlags() const {
    return Themed ? styleflag::HoverRepaint : styleflag::InvertPressed;
}

void TDefaultStyleDisplay::PaintIndicatorCorner(const TRect& Rect, int Kind) {
    if (!Canvas)
        return;
    if (Kind != 1) {
        if (Themed)
            DrawThemedHeader(Rect, theme::HP_HEADERITEM, theme::HIS_NORMAL);
        else
            DrawButtonFace(*Canvas, Rect, false);
        return;
    }
    // The footer band's corner: raised, with its top edge one pixel lower than the cell's.
    const int x = Rect.Left;
    Fill(TRect(x + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom), clBtnFace);
    Line(x, Rect.Top, x, Rect.Bottom, clBtnHighlight);
    Canvas->SetPixel(x + 1, Rect.Top + 1, clBtnFace);
    Canvas->SetPixel(Rect.Right - 2, Rect.Top + 1, clBtnFace);
    Line(x + 2, Rect.Top + 1, Rect.Right - 2, Rect.Top + 1, clBtnHighlight);
    Canvas->SetPixel(x + 1, Rect.Top, clBtnFace);
    Canvas->SetPixel(Rect.Right - 2, Rect.Top, clBtnFace);
    Canvas->Pen.Color = clBtnShadow;
    Canvas->Polyline({TPoint(Rect.Right - 1, Rect.Top), TPoint(Rect.Right - 1, Rect.Bottom - 1),
                      TPoint(x - 1, Rect.Bottom - 1)});
    Line(x + 2, Rect.Top, Rect.Right - 2, Rect.Top, clBtnShadow);
}

void TDefaultStyleDisplay::PaintHeaderBackground(const TDgCustomColumn& Column, const TRect& Rect) {
    if (Themed)
        PaintThemedHeader(Column, Rect);
    else
        PaintClassicHeader(Column, Rect);
}

void TDefaultStyleDisplay::PaintHeaderFiller(const TRect& Rect) {
    if (Themed)
        DrawThemedHeader(Rect, theme::HP_HEADERITEMLEFT, theme::HIS_NORMAL);
    else
        TStyleDisplay::PaintHeaderFiller(Rect);
}

void TDefaultStyleDisplay::PaintClassicHeader(const TDgCustomColumn& Column, const TRect& Rect) {
    if (!Canvas)
        return;
    const TColor face = Column.Header()->Color();
    Fill(InflateRect(Rect, -1, -1), face);
    const int location = Column.ColumnLocation();
    if (location == 0) {
        Frame3D(*Canvas, Rect, clBtnHighlight, clBtnShadow);
        return;
    }
    const int l = Rect.Left;
    const int t = Rect.Top;
    const int r = Rect.Right;
    const int b = Rect.Bottom;
    // Neighbouring headers share a notched separator: the edges stop two pixels short of the corners.
    Line(l, t, r, t, clBtnHighlight);
    if (location == 1) {
        Line(l, t + 1, l, b - 1, clBtnHighlight);
    } else {
        Line(l, t + 2, l, b - 2, clBtnHighlight);
        Canvas->SetPixel(l, t + 1, face);
        Canvas->SetPixel(l, b - 2, face);
    }
    Line(l, b - 1, r, b - 1, clBtnShadow);
    if (location == 3) {
        Line(r - 1, t, r - 1, b - 1, clBtnShadow);
    } else {
        Line(r - 1, t + 2, r - 1, b - 2, clBtnShadow);
        Canvas->SetPixel(r - 1, t + 1, face);
        Canvas->SetPixel(r - 1, b - 2, face);
    }
}

void TDefaultStyleDisplay::PaintThemedHeader(const TDgCustomColumn& Column, const TRect& Rect) {
    int state = theme::HIS_NORMAL;
    if (Column.IsDownColumn())
        state = theme::HIS_PRESSED;
    else if (Column.IsHoverColumn())
        state = theme::HIS_HOT;
    DrawThemedHeader(Rect, theme::HP_HEADERITEM, state);
}

// ---- TFlatStyleDisplay ----

namespace {

/// A flat cell: filled, with a grey line down the right edge and along the bottom.
void flatCell(TCanvas& canvas, const TRect& r, TColor face) {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = face;
    canvas.FillRect(r);
    canvas.Pen.Color = clGrayText;
    canvas.Pen.Mode = TPenMode::pmCopy;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Polyline(
        {TPoint(r.Right - 1, r.Top), TPoint(r.Right - 1, r.Bottom - 1), TPoint(r.Left - 1, r.Bottom - 1)});
}

} // namespace

void TFlatStyleDisplay::PaintBandFiller(const TRect& Rect) {
    if (Canvas)
        Fill(Rect, clBtnFace);
}

void TFlatStyleDisplay::PaintIndicatorCorner(const TRect& Rect, int) {
    if (Canvas)
        flatCell(*Canvas, Rect, clBtnFace);
}

void TFlatStyleDisplay::PaintHeaderBackground(const TDgCustomColumn& Column, const TRect& Rect) {
    PaintClassicHeader(Column, Rect);
}

void TFlatStyleDisplay::PaintIndicatorCell(const TRect& Rect, int) {
    if (Canvas)
        flatCell(*Canvas, Rect, clBtnFace);
}

void TFlatStyleDisplay::PaintClassicHeader(const TDgCustomColumn& Column, const TRect& Rect) {
    if (Canvas)
        flatCell(*Canvas, Rect, Column.Header()->Color());
}

// ---- TOldStyleDisplay ----

unsigned TOldStyleDisplay::GetStyleFlags() const {
    return styleflag::InvertPressed;
}

void TOldStyleDisplay::PaintIndicatorCorner(const TRect& Rect, int) {
    if (Canvas)
        DrawButtonFace(*Canvas, Rect, true);
}

void TOldStyleDisplay::PaintHeaderBackground(const TDgCustomColumn&, const TRect& Rect) {
    if (Canvas)
        DrawButtonFace(*Canvas, Rect, true);
}

void TOldStyleDisplay::PaintIndicatorCell(const TRect& Rect, int) {
    if (Canvas)
        DrawButtonFace(*Canvas, Rect, true);
}

// ---- TOutlookStyleDisplay ----

namespace {

/// The three lines of Outlook's shaded bottom edge: the button shadow blended into Face, darker
/// towards the bottom.
void outlookShade(TCanvas& canvas, const TRect& r, TColor face) {
    canvas.Pen.Mode = TPenMode::pmCopy;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Pen.Width = 1;
    const int alphas[] = {50, 100, 150};
    for (int i = 0; i < 3; ++i) {
        canvas.Pen.Color = BlendColor(clBtnShadow, face, alphas[i]);
        canvas.MoveTo(r.Left, r.Bottom - 3 + i);
        canvas.LineTo(r.Right, r.Bottom - 3 + i);
    }
}

} // namespace

unsigned TOutlookStyleDisplay::GetStyleFlags() const {
    return styleflag::InvertPressed;
}

void TOutlookStyleDisplay::AdjustTextRect(TRect& Rect) const {
    Rect.Bottom -= 3;
}

void TOutlookStyleDisplay::PaintBandFiller(const TRect& Rect) {
    if (Canvas)
        DrawButtonFace(*Canvas, Rect, false);
}

void TOutlookStyleDisplay::PaintIndicatorCorner(const TRect& Rect, int) {
    if (!Canvas)
        return;
    Fill(TRect(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom - 3), clBtnFace);
    Line(Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom - 1, clBtnShadow);
    outlookShade(*Canvas, Rect, clBtnFace);
}

void TOutlookStyleDisplay::PaintHeaderBackground(const TDgCustomColumn& Column, const TRect& Rect) {
    PaintClassicHeader(Column, Rect);
}

void TOutlookStyleDisplay::PaintClassicHeader(const TDgCustomColumn& Column, const TRect& Rect) {
    if (!Canvas)
        return;
    const TColor face = Column.Header()->Color();
    const int l = Rect.Left;
    const int t = Rect.Top;
    const int r = Rect.Right;
    const int b = Rect.Bottom;
    const int location = Column.ColumnLocation();
    Fill(TRect(l, t, r, b - 3), face);
    // Separators: full height at the outer edges of the header row, shortened between columns.
    if (location == 0 || location == 1)
        Line(l, t, l, b - 3, clBtnHighlight);
    else
        Line(l, t + 2, l, b - 4, clBtnHighlight);
    if (location == 0 || location == 3)
        Line(r - 1, t, r - 1, b - 1, clBtnShadow);
    else
        Line(r - 1, t + 2, r - 1, b - 4, clBtnShadow);
    outlookShade(*Canvas, Rect, face);
}

// ---- TVistaStyleDisplay ----

unsigned TVistaStyleDisplay::GetStyleFlags() const {
    return styleflag::NoContentArrow;
}

void TVistaStyleDisplay::AdjustTextRect(TRect& Rect) const {
    Rect.Left += 2;
}

void TVistaStyleDisplay::PaintHeaderBackground(const TDgCustomColumn& Column, const TRect& Rect) {
    PaintClassicHeader(Column, Rect);
}

void TVistaStyleDisplay::PaintIndicatorCell(const TRect& Rect, int) {
    if (!Canvas)
        return;
    Line(Rect.Left, Rect.Top, Rect.Left, Rect.Bottom, clWhite);
    Line(Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom, clBtnFace);
    Fill(TRect(Rect.Left + 1, Rect.Top, Rect.Right - 1, Rect.Bottom), kVistaFace);
}

void TVistaStyleDisplay::PaintClassicHeader(const TDgCustomColumn& Column, const TRect& Rect) {
    if (!Canvas)
        return;
    const TRect inner(Rect.Left + 1, Rect.Top, Rect.Right - 1, Rect.Bottom);
    Line(Rect.Left, Rect.Top, Rect.Left, Rect.Bottom, clWhite);
    Line(Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom, clBtnFace);
    if (!Column.Sorted()) {
        Fill(inner, kVistaFace);
        return;
    }
    GradientFillVertical(*Canvas, TRect(inner.Left, Rect.Top, inner.Right, Rect.Top + 6), kVistaSortTop,
                         clWhite);
    Fill(TRect(inner.Left, Rect.Top + 6, inner.Right, inner.Bottom), clWhite);
    // The sort arrow stands in the fade at the top, centred over the column.
    const int x = Rect.Left + (Rect.Right - Rect.Left) / 2 - 3;
    const int y = Rect.Top;
    Canvas->Pen.Color = clWhite;
    Canvas->Pen.Mode = TPenMode::pmCopy;
    Canvas->Pen.Style = TPenStyle::psSolid;
    Canvas->Brush.Style = TBrushStyle::bsSolid;
    Canvas->Brush.Color = clWhite;
    if (Column.SortKind() == TSortKind::skAscending)
        Canvas->Polygon({TPoint(x + 3, y), TPoint(x + 6, y + 3), TPoint(x, y + 3)});
    else
        Canvas->Polygon({TPoint(x, y), TPoint(x + 3, y + 3), TPoint(x + 6, y)});
}

} // namespace grid
