#include "grid/DgColumnClasses.h"

#include "grid/DgDisplays.h"
#include "platform/Conversions.h"
#include "platform/Exceptions.h"
#include "platform/FormatFloat.h"

namespace grid {

using namespace platform;

namespace {
constexpr unsigned kTextualTraits =
    trait::EditableWithoutInplace | trait::SizeToContentOnBorder | trait::TextValues;
constexpr unsigned kCheckBoxTraits = trait::EditableWithoutInplace | trait::SizeToContentOnBorder;
} // namespace

// ---- TDgTextColumn ----

TDgTextColumn::TDgTextColumn() {
    SetDefaultValue(QString());
    SetOptions(Options() | TColumnOption::coShowTextFitHint);
}

void TDgTextColumn::Assign(const TDgCustomColumn& Source) {
    TDgCustomColumn::Assign(Source);
    const auto* text = dynamic_cast<const TDgTextColumn*>(&Source);
    if (!text)
        return;
    SetMaxLength(text->MaxLength());
    SetMultiLine(text->MultiLine());
    SetPasswordChar(text->PasswordChar());
    SetTextAfter(text->TextAfter());
    SetTextBefore(text->TextBefore());
}

unsigned TDgTextColumn::GetColumnTraits() const {
    return kTextualTraits;
}

int TDgTextColumn::GetTextWidth(const QString& Text) {
    return Display()->MeasureCanvas().TextWidth(Text) + 5;
}

void TDgTextColumn::FormatValue(const TCellInfo& Info, QString& Text) const {
    TDgCustomColumn::FormatValue(Info, Text);
    Text = m_textBefore + Text + m_textAfter;
    if (!m_passwordChar.isNull())
        Text = QString(Text.size(), m_passwordChar);
}

bool TDgTextColumn::IsValidKey(QChar Key) const {
    return Key.unicode() > 32;
}

void TDgTextColumn::SetMaxLength(int Value) {
    m_maxLength = Value;
    RefreshPart(ColumnBand::Cells);
}

void TDgTextColumn::SetMultiLine(bool Value) {
    m_multiLine = Value;
    RefreshPart(ColumnBand::Cells);
}

void TDgTextColumn::SetTextAfter(const QString& Value) {
    m_textAfter = Value;
    RefreshPart(ColumnBand::Cells);
}

void TDgTextColumn::SetTextBefore(const QString& Value) {
    m_textBefore = Value;
    RefreshPart(ColumnBand::Cells);
}

void TDgTextColumn::SetPasswordChar(QChar Value) {
    m_passwordChar = Value;
    RefreshPart(ColumnBand::Cells);
}

TDgCustomEdit* TDgTextColumn::CreateEditor() {
    return new TDgEdit;
}

void TDgTextColumn::PrepareEditor() {
    TDgCustomColumn::PrepareEditor();
    TDgCustomEdit* editor = Editor();
    editor->SetMaxLength(m_maxLength);
    editor->SetPasswordChar(m_passwordChar);
}

std::unique_ptr<TColumnDisplay> TDgTextColumn::CreateDisplay() {
    return std::make_unique<TTextColumnDisplay>(this);
}

// ---- number columns ----

bool IsValidNumberKey(QChar Key, TDgNumberEditOptions EditOptions) {
    if (Key >= QLatin1Char('0') && Key <= QLatin1Char('9'))
        return true;
    if (Key == QLatin1Char('+') || Key == QLatin1Char('-'))
        return EditOptions.testFlag(TDgNumberEditOption::eoAllowSigns);
    if (Key == DecimalSeparator())
        return EditOptions.testFlag(TDgNumberEditOption::eoAllowFloat);
    return false;
}

TDgCustomNumberColumn::TDgCustomNumberColumn() {
    SetDefaultValue(QStringLiteral("0"));
    SetSortType(TSortType::stNumeric);
    SetColumnKind(4);
}

void TDgCustomNumberColumn::Assign(const TDgCustomColumn& Source) {
    TDgCustomColumn::Assign(Source);
    const auto* number = dynamic_cast<const TDgCustomNumberColumn*>(&Source);
    if (!number)
        return;
    SetEmptyCaption(number->EmptyCaption());
    SetFormatMask(number->FormatMask());
    SetHideWhenEmpty(number->HideWhenEmpty());
    SetMax(number->Max());
    SetMin(number->Min());
    SetTextAfter(number->TextAfter());
    SetTextBefore(number->TextBefore());
}

unsigned TDgCustomNumberColumn::GetColumnTraits() const {
    return kTextualTraits;
}

void TDgCustomNumberColumn::FormatValue(const TCellInfo& Info, QString& Text) const {
    // -0 counts as empty as well.
    if (m_hideWhenEmpty && Info.AsFloat == 0) {
        Text = m_emptyCaption;
        return;
    }
    const QString number =
        m_formatMask.isEmpty() ? FloatToStr(Info.AsFloat) : FormatFloat(m_formatMask, Info.AsFloat);
    Text = m_textBefore + number + m_textAfter;
}

void TDgCustomNumberColumn::SetHideWhenEmpty(bool Value) {
    m_hideWhenEmpty = Value;
    RefreshPart(ColumnBand::Cells);
}

void TDgCustomNumberColumn::SetFormatMask(const QString& Value) {
    m_formatMask = Value;
    RefreshPart(ColumnBand::Cells);
}

void TDgCustomNumberColumn::SetEmptyCaption(const QString& Value) {
    m_emptyCaption = Value;
    RefreshPart(ColumnBand::Cells);
}

void TDgCustomNumberColumn::SetTextAfter(const QString& Value) {
    m_textAfter = Value;
    RefreshPart(ColumnBand::Cells);
}

void TDgCustomNumberColumn::SetTextBefore(const QString& Value) {
    m_textBefore = Value;
    RefreshPart(ColumnBand::Cells);
}

std::unique_ptr<TColumnDisplay> TDgCustomNumberColumn::CreateDisplay() {
    return std::make_unique<TNumberColumnDisplay>(this);
}

TDgNumberColumn::TDgNumberColumn() {
    SetAlignment(TAlignment::taRightJustify);
}

void TDgNumberColumn::Assign(const TDgCustomColumn& Source) {
    TDgCustomNumberColumn::Assign(Source);
    const auto* number = dynamic_cast<const TDgNumberColumn*>(&Source);
    if (!number)
        return;
    SetIncrement(number->Increment());
    SetSpinButtons(number->SpinButtons());
}

TDgCustomEdit* TDgNumberColumn::CreateEditor() {
    return new TDgSpinEdit;
}

TDgSpinEdit* TDgNumberColumn::SpinEditor() {
    auto* spin = qobject_cast<TDgSpinEdit*>(Editor());
    if (!spin)
        throw Exception(QStringLiteral("Ungültige Typumwandlung"));
    return spin;
}

void TDgNumberColumn::PrepareEditor() {
    TDgCustomNumberColumn::PrepareEditor();
    TDgSpinEdit* spin = SpinEditor();
    spin->SetOptions(EditOptions());
    spin->SetIncrement(m_increment);
    spin->SetSpinButtons(m_spinButtons);
    spin->SetMax(Max());
    spin->SetMin(Min());
}

void TDgNumberColumn::UpdateEditor() {
    SpinEditor()->SetPrecision(m_precision);
}

// ---- TDgCheckBoxColumn ----

TDgCheckBoxColumn::TDgCheckBoxColumn() {
    SetDefaultValue(QString());
    SetColumnKind(1);
    SetSortType(TSortType::stBoolean);
}

unsigned TDgCheckBoxColumn::GetColumnTraits() const {
    return kCheckBoxTraits;
}

std::unique_ptr<TColumnDisplay> TDgCheckBoxColumn::CreateDisplay() {
    return std::make_unique<TCheckBoxColumnDisplay>(this);
}

std::unique_ptr<TColumnPlay> TDgCheckBoxColumn::CreatePlay() {
    return std::make_unique<TCheckBoxColumnPlay>(this);
}

} // namespace grid
