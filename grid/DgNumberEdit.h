#pragma once

#include "grid/DgEdit.h"

#include <QFlags>

namespace grid {

/// Options of a number edit.
enum class TDgNumberEditOption : unsigned {
    eoAllowAll = 0x01,      ///< any character may be typed; the text is not re-formatted
    eoAllowFloat = 0x02,    ///< a decimal separator is allowed
    eoAllowSigns = 0x04,    ///< a leading '+' or '-' is allowed
    eoDisablePaste = 0x08,  ///< pasting does nothing
    eoDisableTyping = 0x10, ///< typing and deleting do nothing
};
using TDgNumberEditOptions = QFlags<TDgNumberEditOption>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TDgNumberEditOptions)

/// The number text S reduced to what a number may hold: digits, a first decimal separator (AllowFloat),
/// a leading sign (AllowSigns) and backspaces are kept, the rest deleted; nothing left, "-" or "+" is
/// "0". An empty result stands for a text that still is no number (a lone separator).
QString FilterNumberText(const QString& S, bool AllowFloat, bool AllowSigns);

/// A numeric edit that filters typed keys and pasted text, clamps its value to Min .. Max (unless both are
/// 0) and writes it formatted with Precision decimals, NullText for 0 and TextAfter as a suffix. Its own
/// text never raises a conversion error: a text that is no number reads as the last good value.
class TDgCustomNumberEdit : public TDgEdit {
    Q_OBJECT
public:
    explicit TDgCustomNumberEdit(QWidget* parent = nullptr);

    /// Read: Min for an empty text; else the normalised text clamped, or the last good value when the
    /// text is no number. Write: the formatted value becomes the text, unless FormatLock is set.
    double Value() const;
    void SetValue(double Value);
    double Max() const { return m_max; }
    void SetMax(double Value) { m_max = Value; }
    double Min() const { return m_min; }
    void SetMin(double Value) { m_min = Value; }
    int Precision() const { return m_precision; }
    /// Stores and re-formats the text from Value.
    void SetPrecision(int Value);
    const QString& NullText() const { return m_nullText; }
    /// Stores; while the value is 0 the text becomes the new text of 0.
    void SetNullText(const QString& Value);
    const QString& TextAfter() const { return m_textAfter; }
    /// Stores and, unless eoAllowAll, re-formats the text from Value.
    void SetTextAfter(const QString& Value);
    TDgNumberEditOptions Options() const { return m_options; }
    void SetOptions(TDgNumberEditOptions Value) { m_options = Value; }
    /// The value of the last text that read as a number (0 at first).
    double LastGoodValue() const { return m_lastGood; }

    /// The text of a value: NullText for 0 (when set); else fixed with 0 decimals (no eoAllowFloat), as
    /// FloatToStr (Precision below 1) or fixed with Precision decimals; then TextAfter.
    QString FormatNumberValue(double V) const;
    /// S filtered (FilterNumberText), read as a number, clamped and written back with FloatToStr; an empty
    /// text when what is left is no number.
    QString NormalizeNumberText(const QString& S, bool AllowFloat, bool AllowSigns) const;
    /// V within Max and Min, only while one of them is not 0.
    double ClampValue(double V) const;
    /// True while Max or Min is not 0.
    bool Clamping() const { return m_max != 0 || m_min != 0; }

    double GetAsFloat() const override;
    /// Text := FloatToStr(Value), then Value := Value (which re-formats it unless FormatLock).
    void SetAsFloat(double Value) override;
    /// Unless eoAllowAll, Value := Value.
    void RefreshValueText() override;
    /// Copies Max, Min, NullText, Options, Precision and Value.
    void Assign(const TDgCustomNumberEdit& Source);

    /// The paste of a number edit: the clipboard text normalised (a separator only when the rest of the
    /// text has none, a sign only at the start) replaces the selection; the caret stays at its start.
    void Paste() override;
    /// Backspace, Clear and Delete become 0 and give False; any other key gives True.
    static bool IsDeletionKey(int& Key);

protected:
    /// For derived edits with another default Precision.
    TDgCustomNumberEdit(QWidget* parent, int DefaultPrecision);
    void CreateWnd() override;
    void KeyDown(int& Key, platform::TShiftState Shift) override;
    /// The key filter of a number edit (a refused key becomes #0 and goes no further).
    void KeyPress(QChar& Key) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    double m_max = 0;
    double m_min = 0;
    int m_precision = 2;
    QString m_nullText;
    QString m_textAfter;
    TDgNumberEditOptions m_options = TDgNumberEditOption::eoAllowFloat | TDgNumberEditOption::eoAllowSigns;
    mutable double m_lastGood = 0;
};

} // namespace grid
