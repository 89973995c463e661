#pragma once

#include "grid/ColumnTypes.h"
#include "platform/Bitmap.h"
#include "platform/TColor.h"

#include <QString>
#include <functional>

// The parts a column owns besides its cells: header, footer and the bounds of its cell in a slide.
namespace grid {

class TDgCustomColumn;

/// A header or footer of a column.
class TColumnPart {
public:
    explicit TColumnPart(TDgCustomColumn* AOwner);
    virtual ~TColumnPart() = default;
    TColumnPart(const TColumnPart&) = delete;
    TColumnPart& operator=(const TColumnPart&) = delete;

    /// Takes Caption, Color, DisplayMode and the glyph of any part.
    virtual void Assign(const TColumnPart& Source);

    TDgCustomColumn* Owner() const { return m_owner; }

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& Value);
    platform::TColor Color() const { return m_color; }
    void SetColor(platform::TColor Value);
    TDisplayMode DisplayMode() const { return m_displayMode; }
    void SetDisplayMode(TDisplayMode Value);
    /// The picture; its bottom-left pixel is the transparent colour.
    const platform::TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const platform::TBitmap& Value);
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& Value) { m_hint = Value; }

    /// Fires when the display mode, the glyph or (for footers) the formula settings change.
    std::function<void(TColumnPart* Sender)> OnChange;

protected:
    void DoChange();
    /// Repaints a band of the owner column.
    void RefreshOwner(ColumnBand Band);

    platform::TColor m_color = platform::clWindow;

private:
    TDgCustomColumn* m_owner;
    QString m_caption;
    TDisplayMode m_displayMode = TDisplayMode::dmTextOnly;
    platform::TBitmap m_glyph;
    QString m_hint;
};

class TColumnHeader : public TColumnPart {
public:
    explicit TColumnHeader(TDgCustomColumn* AOwner);
    /// From a header: Alignment, Caption, Color, DisplayMode, the glyph, Hint, MultiLine and Orientation
    /// (not HideArrow); from another part as TColumnPart.
    void Assign(const TColumnPart& Source) override;

    THeaderOrientation Orientation() const { return m_orientation; }
    void SetOrientation(THeaderOrientation Value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool Value);
    bool HideArrow() const { return m_hideArrow; }
    void SetHideArrow(bool Value);

private:
    THeaderOrientation m_orientation = THeaderOrientation::hoHorizontal;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    bool m_multiLine = false;
    bool m_hideArrow = true;
};

class TColumnFooter : public TColumnPart {
public:
    explicit TColumnFooter(TDgCustomColumn* AOwner);
    /// From a footer: Alignment, FormulaKind, FormatMask, TextAfter and TextBefore; from another part as
    /// TColumnPart.
    void Assign(const TColumnPart& Source) override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    TFormulaKind FormulaKind() const { return m_formulaKind; }
    void SetFormulaKind(TFormulaKind Value);
    /// The value of the formula, zero at creation.
    double Value() const { return m_value; }
    void SetValue(double Value) { m_value = Value; }
    const QString& FormatMask() const { return m_formatMask; }
    void SetFormatMask(const QString& Value);
    const QString& TextAfter() const { return m_textAfter; }
    void SetTextAfter(const QString& Value);
    const QString& TextBefore() const { return m_textBefore; }
    void SetTextBefore(const QString& Value);
    TFormatMaskKind FormatMaskKind() const { return m_formatMaskKind; }
    void SetFormatMaskKind(TFormatMaskKind Value);

private:
    TAlignment m_alignment = TAlignment::taLeftJustify;
    TFormulaKind m_formulaKind = TFormulaKind::fkNone;
    double m_value = 0;
    QString m_formatMask;
    QString m_textAfter;
    QString m_textBefore;
    TFormatMaskKind m_formatMaskKind = TFormatMaskKind::mkText;
};

/// Where a column's cell lies inside a slide.
class TDgSlideBounds {
public:
    explicit TDgSlideBounds(TDgCustomColumn* AOwner) : m_owner(AOwner) {}
    TDgSlideBounds(const TDgSlideBounds&) = delete;
    TDgSlideBounds& operator=(const TDgSlideBounds&) = delete;

    /// Takes Height, Left, Top and Width through the setters.
    void Assign(const TDgSlideBounds& Source);

    int Left() const { return m_left; }
    void SetLeft(int Value);
    int Top() const { return m_top; }
    void SetTop(int Value);
    int Width() const { return m_width; }
    void SetWidth(int Value);
    int Height() const { return m_height; }
    void SetHeight(int Value);
    int Right() const { return m_left + m_width; }
    int Bottom() const { return m_top + m_height; }

private:
    void OwnerChanged();

    TDgCustomColumn* m_owner;
    int m_left = 8;
    int m_top = 8;
    int m_width = 80;
    int m_height = 16;
};

} // namespace grid
