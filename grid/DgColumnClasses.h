#pragma once

#include "grid/DgCustomColumn.h"
#include "grid/DgEdit.h"
#include "grid/DgNumberEdit.h"
#include "grid/DgSpinEdit.h"

// The column classes the program's grids use: text, number and check-box columns.
namespace grid {

/// Text cells, edited with a TDgEdit.
class TDgTextColumn : public TDgCustomColumn {
public:
    TDgTextColumn();

    /// Also takes MaxLength, MultiLine, PasswordChar, TextAfter and TextBefore of another text column.
    void Assign(const TDgCustomColumn& Source) override;
    unsigned GetColumnTraits() const override;
    int GetTextWidth(const QString& Text) override;
    bool IsMultiLine() const override { return m_multiLine; }
    /// TextBefore + value + TextAfter, all masked when PasswordChar is set.
    void FormatValue(const TCellInfo& Info, QString& Text) const override;
    /// Any character above the space starts editing.
    bool IsValidKey(QChar Key) const override;
    void PrepareEditor() override;

    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int Value);
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool Value);
    const QString& TextAfter() const { return m_textAfter; }
    void SetTextAfter(const QString& Value);
    const QString& TextBefore() const { return m_textBefore; }
    void SetTextBefore(const QString& Value);
    /// The character every text character is shown as; a null character shows the text.
    QChar PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(QChar Value);

protected:
    TDgCustomEdit* CreateEditor() override;
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;

private:
    int m_maxLength = 0;
    bool m_multiLine = false;
    QString m_textAfter;
    QString m_textBefore;
    QChar m_passwordChar;
};

/// Whether a typed character may start editing a number: digits; '+' and '-' with eoAllowSigns; the
/// locale's decimal separator with eoAllowFloat.
bool IsValidNumberKey(QChar Key, TDgNumberEditOptions EditOptions);

/// The common part of number columns: floating-point cells and their formatting.
class TDgCustomNumberColumn : public TDgCustomColumn {
public:
    /// Also takes EmptyCaption, FormatMask, HideWhenEmpty, Max, Min, TextAfter and TextBefore of another
    /// number column.
    void Assign(const TDgCustomColumn& Source) override;
    unsigned GetColumnTraits() const override;
    /// EmptyCaption for 0 with HideWhenEmpty; else TextBefore + the number (by FormatMask) + TextAfter.
    void FormatValue(const TCellInfo& Info, QString& Text) const override;
    bool IsValidKey(QChar Key) const override { return IsValidNumberKey(Key, m_editOptions); }

    TDgNumberEditOptions EditOptions() const { return m_editOptions; }
    void SetEditOptions(TDgNumberEditOptions Value) { m_editOptions = Value; }
    bool HideWhenEmpty() const { return m_hideWhenEmpty; }
    void SetHideWhenEmpty(bool Value);
    double Min() const { return m_min; }
    void SetMin(double Value) { m_min = Value; }
    double Max() const { return m_max; }
    void SetMax(double Value) { m_max = Value; }
    const QString& FormatMask() const { return m_formatMask; }
    void SetFormatMask(const QString& Value);
    const QString& EmptyCaption() const { return m_emptyCaption; }
    void SetEmptyCaption(const QString& Value);
    const QString& TextAfter() const { return m_textAfter; }
    void SetTextAfter(const QString& Value);
    const QString& TextBefore() const { return m_textBefore; }
    void SetTextBefore(const QString& Value);

protected:
    TDgCustomNumberColumn();
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;

private:
    TDgNumberEditOptions m_editOptions = TDgNumberEditOption::eoAllowFloat;
    bool m_hideWhenEmpty = false;
    double m_min = 0;
    double m_max = 0;
    QString m_formatMask;
    QString m_emptyCaption;
    QString m_textAfter;
    QString m_textBefore;
};

/// Number cells, edited with a TDgSpinEdit; right-aligned.
class TDgNumberColumn : public TDgCustomNumberColumn {
public:
    TDgNumberColumn();

    /// Also takes Increment and SpinButtons of another number column.
    void Assign(const TDgCustomColumn& Source) override;
    /// Hands the edit options, step, bounds and buttons to the spin editor.
    void PrepareEditor() override;
    /// Hands the precision to the spin editor.
    void UpdateEditor() override;

    double Increment() const { return m_increment; }
    void SetIncrement(double Value) { m_increment = Value; }
    bool SpinButtons() const { return m_spinButtons; }
    void SetSpinButtons(bool Value) { m_spinButtons = Value; }
    int Precision() const { return m_precision; }
    void SetPrecision(int Value) { m_precision = Value; }

protected:
    TDgCustomEdit* CreateEditor() override;

private:
    /// The built-in editor as the spin edit it must be; the invalid-cast error otherwise.
    TDgSpinEdit* SpinEditor();

    double m_increment = 1.0;
    bool m_spinButtons = true;
    int m_precision = 0;
};

/// Check-box cells, toggled by a click in the box or the space bar.
class TDgCheckBoxColumn : public TDgCustomColumn {
public:
    TDgCheckBoxColumn();
    unsigned GetColumnTraits() const override;

protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;
    std::unique_ptr<TColumnPlay> CreatePlay() override;
};

} // namespace grid
