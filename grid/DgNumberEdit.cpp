#include "grid/DgNumberEdit.h"

#include "platform/Conversions.h"
#include "platform/FixedText.h"
#include "platform/Keys.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>

namespace grid {

using namespace platform;

QString FilterNumberText(const QString& S, bool AllowFloat, bool AllowSigns) {
    const QChar sep = DecimalSeparator();
    QString out;
    bool sepSeen = false;
    for (const QChar c : S) {
        if (c == sep) {
            if (AllowFloat && !sepSeen)
                out.append(c);
            sepSeen = true;
        } else if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
            if (AllowSigns && out.isEmpty())
                out.append(c);
        } else if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c.unicode() == 8) {
            out.append(c);
        }
    }
    if (out.isEmpty() || out == QLatin1String("-") || out == QLatin1String("+"))
        return QStringLiteral("0");
    return out;
}

TDgCustomNumberEdit::TDgCustomNumberEdit(QWidget* parent) : TDgEdit(parent) {}

TDgCustomNumberEdit::TDgCustomNumberEdit(QWidget* parent, int DefaultPrecision)
    : TDgEdit(parent), m_precision(DefaultPrecision) {}

double TDgCustomNumberEdit::ClampValue(double V) const {
    if (!Clamping())
        return V;
    if (V > m_max)
        V = m_max;
    if (V < m_min)
        V = m_min;
    return V;
}

QString TDgCustomNumberEdit::NormalizeNumberText(const QString& S, bool AllowFloat, bool AllowSigns) const {
    double value = 0;
    // What is left may still be no number ("," or "-,"): that is no error here.
    if (!TryStrToFloat(FilterNumberText(S, AllowFloat, AllowSigns), value))
        return QString();
    return FloatToStr(ClampValue(value));
}

QString TDgCustomNumberEdit::FormatNumberValue(double V) const {
    if (V == 0 && !m_nullText.isEmpty())
        return m_nullText;
    if (!(m_options & TDgNumberEditOption::eoAllowFloat))
        return FloatToStrFixed(V, 0) + m_textAfter;
    if (m_precision < 1)
        return FloatToStr(V) + m_textAfter;
    return FloatToStrFixed(V, m_precision) + m_textAfter;
}

double TDgCustomNumberEdit::Value() const {
    const QString t = text();
    if (t.isEmpty())
        return m_min;
    const QString s = NormalizeNumberText(t, m_options.testFlag(TDgNumberEditOption::eoAllowFloat),
                                          m_options.testFlag(TDgNumberEditOption::eoAllowSigns));
    double value = 0;
    if (!s.isEmpty() && TryStrToFloat(s, value)) {
        m_lastGood = ClampValue(value);
        return m_lastGood;
    }
    return m_lastGood;
}

void TDgCustomNumberEdit::SetValue(double Value) {
    if (!FormatLock)
        SetText(FormatNumberValue(Value));
}

void TDgCustomNumberEdit::SetPrecision(int Value) {
    m_precision = Value;
    SetValue(this->Value());
}

void TDgCustomNumberEdit::SetNullText(const QString& Value) {
    // The text of the value 0 changes; a text standing for another value stays.
    const bool zero = this->Value() == 0;
    m_nullText = Value;
    if (zero)
        SetValue(0);
}

void TDgCustomNumberEdit::SetTextAfter(const QString& Value) {
    // The value is read with the old suffix, then written with the new one.
    const double v = this->Value();
    m_textAfter = Value;
    if (!(m_options & TDgNumberEditOption::eoAllowAll))
        SetValue(v);
}

double TDgCustomNumberEdit::GetAsFloat() const {
    return Value();
}

void TDgCustomNumberEdit::SetAsFloat(double Value) {
    SetText(FloatToStr(Value));
    SetValue(Value);
}

void TDgCustomNumberEdit::RefreshValueText() {
    if (!(m_options & TDgNumberEditOption::eoAllowAll))
        SetValue(Value());
}

void TDgCustomNumberEdit::Assign(const TDgCustomNumberEdit& Source) {
    m_max = Source.m_max;
    m_min = Source.m_min;
    m_nullText = Source.m_nullText;
    m_options = Source.m_options;
    m_precision = Source.m_precision;
    SetValue(Source.Value());
}

void TDgCustomNumberEdit::CreateWnd() {
    TDgEdit::CreateWnd();
    SetValue(Value());
}

void TDgCustomNumberEdit::focusOutEvent(QFocusEvent* event) {
    if (IsRealFocusChange(event) && !(m_options & TDgNumberEditOption::eoAllowAll))
        SetValue(Value());
    TDgEdit::focusOutEvent(event);
}

bool TDgCustomNumberEdit::IsDeletionKey(int& Key) {
    if (Key == VK_BACK || Key == VK_CLEAR || Key == VK_DELETE) {
        Key = 0;
        return false;
    }
    return true;
}

void TDgCustomNumberEdit::KeyDown(int& Key, TShiftState Shift) {
    if (m_options & TDgNumberEditOption::eoDisableTyping)
        IsDeletionKey(Key);
    TDgEdit::KeyDown(Key, Shift);
}

void TDgCustomNumberEdit::KeyPress(QChar& Key) {
    const ushort k = Key.unicode();
    if (m_options & TDgNumberEditOption::eoDisableTyping) {
        Key = QChar();
        return;
    }
    const bool control = k == 3 || k == 9 || k == 22 || k == 24;
    if (!(m_options & TDgNumberEditOption::eoAllowAll) && !control) {
        const QChar sep = DecimalSeparator();
        const QString t = text();
        const QString selected = selectedText();
        bool accept = false;
        if (Key == sep) {
            accept = m_options.testFlag(TDgNumberEditOption::eoAllowFloat) &&
                     (!t.contains(sep) || selected.contains(sep));
        } else if (Key == QLatin1Char('+') || Key == QLatin1Char('-')) {
            const auto hasSign = [](const QString& s) {
                return s.contains(QLatin1Char('+')) || s.contains(QLatin1Char('-'));
            };
            accept = m_options.testFlag(TDgNumberEditOption::eoAllowSigns) &&
                     ((SelStart() == 0 && !hasSign(t)) || hasSign(selected));
        } else {
            accept = k == 8 || (Key >= QLatin1Char('0') && Key <= QLatin1Char('9'));
        }
        if (!accept) {
            Key = QChar();
            return;
        }
    }
    TDgEdit::KeyPress(Key);
}

void TDgCustomNumberEdit::Paste() {
    if (m_options & TDgNumberEditOption::eoDisablePaste)
        return;
    const int start = SelStart();
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString pasted = clipboard ? clipboard->text() : QString();
    QString rest = text();
    rest.remove(start, SelLength());
    const QString inserted = NormalizeNumberText(
        pasted, m_options.testFlag(TDgNumberEditOption::eoAllowFloat) && !rest.contains(DecimalSeparator()),
        m_options.testFlag(TDgNumberEditOption::eoAllowSigns) && start == 0);
    rest.insert(start, inserted);
    SetText(rest);
    SetSelStart(start);
}

} // namespace grid
