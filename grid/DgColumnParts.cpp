#include "grid/DgColumnParts.h"

#include "grid/DgCustomColumn.h"

namespace grid {

// ---- TColumnPart ----

TColumnPart::TColumnPart(TDgCustomColumn* AOwner) : m_owner(AOwner) {}

void TColumnPart::Assign(const TColumnPart& Source) {
    SetCaption(Source.Caption());
    SetColor(Source.Color());
    SetDisplayMode(Source.DisplayMode());
    SetGlyph(Source.Glyph());
}

void TColumnPart::SetCaption(const QString& Value) {
    m_caption = Value;
    if (m_owner) {
        m_owner->NotifySubscribers(ColumnNotice::Caption);
        m_owner->RefreshPart(ColumnBand::Whole);
    }
}

void TColumnPart::SetColor(platform::TColor Value) {
    m_color = Value;
    RefreshOwner(ColumnBand::Whole);
}

void TColumnPart::SetDisplayMode(TDisplayMode Value) {
    m_displayMode = Value;
    DoChange();
}

void TColumnPart::SetGlyph(const platform::TBitmap& Value) {
    m_glyph = Value;
    // The bottom-left pixel is the colour left out when drawing.
    m_glyph.Transparent = true;
    DoChange();
}

void TColumnPart::DoChange() {
    if (OnChange)
        OnChange(this);
}

void TColumnPart::RefreshOwner(ColumnBand Band) {
    if (m_owner)
        m_owner->RefreshPart(Band);
}

// ---- TColumnHeader ----

TColumnHeader::TColumnHeader(TDgCustomColumn* AOwner) : TColumnPart(AOwner) {
    m_color = platform::clBtnFace;
}

void TColumnHeader::Assign(const TColumnPart& Source) {
    const auto* header = dynamic_cast<const TColumnHeader*>(&Source);
    if (!header) {
        TColumnPart::Assign(Source);
        return;
    }
    SetAlignment(header->Alignment());
    SetCaption(header->Caption());
    SetColor(header->Color());
    SetDisplayMode(header->DisplayMode());
    SetGlyph(header->Glyph());
    SetHint(header->Hint());
    SetMultiLine(header->MultiLine());
    SetOrientation(header->Orientation());
}

void TColumnHeader::SetOrientation(THeaderOrientation Value) {
    m_orientation = Value;
    RefreshOwner(ColumnBand::Header);
}

void TColumnHeader::SetAlignment(TAlignment Value) {
    m_alignment = Value;
    RefreshOwner(ColumnBand::Header);
}

void TColumnHeader::SetMultiLine(bool Value) {
    m_multiLine = Value;
    RefreshOwner(ColumnBand::Header);
}

void TColumnHeader::SetHideArrow(bool Value) {
    m_hideArrow = Value;
    RefreshOwner(ColumnBand::Header);
}

// ---- TColumnFooter ----

TColumnFooter::TColumnFooter(TDgCustomColumn* AOwner) : TColumnPart(AOwner) {
    m_color = platform::clWindow;
}

void TColumnFooter::Assign(const TColumnPart& Source) {
    const auto* footer = dynamic_cast<const TColumnFooter*>(&Source);
    if (!footer) {
        TColumnPart::Assign(Source);
        return;
    }
    SetAlignment(footer->Alignment());
    SetFormulaKind(footer->FormulaKind());
    SetFormatMask(footer->FormatMask());
    SetTextAfter(footer->TextAfter());
    SetTextBefore(footer->TextBefore());
}

void TColumnFooter::SetAlignment(TAlignment Value) {
    m_alignment = Value;
    RefreshOwner(ColumnBand::Footer);
}

void TColumnFooter::SetFormulaKind(TFormulaKind Value) {
    m_formulaKind = Value;
    DoChange();
}

void TColumnFooter::SetFormatMask(const QString& Value) {
    m_formatMask = Value;
    DoChange();
}

void TColumnFooter::SetTextAfter(const QString& Value) {
    m_textAfter = Value;
    DoChange();
}

void TColumnFooter::SetTextBefore(const QString& Value) {
    m_textBefore = Value;
    DoChange();
}

void TColumnFooter::SetFormatMaskKind(TFormatMaskKind Value) {
    m_formatMaskKind = Value;
    DoChange();
}

// ---- TDgSlideBounds ----

void TDgSlideBounds::Assign(const TDgSlideBounds& Source) {
    SetHeight(Source.Height());
    SetLeft(Source.Left());
    SetTop(Source.Top());
    SetWidth(Source.Width());
}

void TDgSlideBounds::SetLeft(int Value) {
    m_left = Value;
    OwnerChanged();
}

void TDgSlideBounds::SetTop(int Value) {
    m_top = Value;
    OwnerChanged();
}

void TDgSlideBounds::SetWidth(int Value) {
    if (Value == m_width)
        return;
    m_width = Value;
    OwnerChanged();
}

void TDgSlideBounds::SetHeight(int Value) {
    if (Value == m_height)
        return;
    m_height = Value;
    OwnerChanged();
}

void TDgSlideBounds::OwnerChanged() {
    if (m_owner)
        m_owner->Changed(ColumnChange::SlideBounds);
}

} // namespace grid
