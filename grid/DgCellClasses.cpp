#include "grid/DgCellClasses.h"

#include "platform/Conversions.h"
#include "platform/DateTimeText.h"
#include "platform/ValueText.h"

namespace grid {

using platform::SystemText;

namespace {

// "true" with its ASCII letters lowered; other letters keep their case.
bool isTrueText(const QString& text) {
    static constexpr char16_t kTrue[] = u"true";
    if (text.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        char16_t c = text.at(i).unicode();
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + (u'a' - u'A'));
        if (c != kTrue[i])
            return false;
    }
    return true;
}

} // namespace

// ---- TBooleanCell ----

bool TBooleanCell::GetAsBoolean() const {
    return m_value;
}
TDateTime TBooleanCell::GetAsDateTime() const {
    return 0;
}
double TBooleanCell::GetAsFloat() const {
    return m_value ? 1.0 : 0.0;
}
int TBooleanCell::GetAsInteger() const {
    return m_value ? 1 : 0;
}
QString TBooleanCell::GetAsString() const {
    return platform::BoolToStr(m_value);
}

void TBooleanCell::SetAsBoolean(bool Value) {
    m_value = Value;
    Changed();
}

void TBooleanCell::SetAsDateTime(TDateTime) {
    m_value = false;
    Changed();
}

void TBooleanCell::SetAsFloat(double Value) {
    m_value = Value != 0;
    Changed();
}

void TBooleanCell::SetAsInteger(int Value) {
    m_value = Value != 0;
    Changed();
}

void TBooleanCell::SetAsString(const QString& Value) {
    m_value = Value == QLatin1String("1") || isTrueText(Value);
    Changed();
}

void TBooleanCell::Clear() {
    m_value = false;
    TCell::Clear();
}

// ---- TDateTimeCell ----

bool TDateTimeCell::GetAsBoolean() const {
    return false;
}
TDateTime TDateTimeCell::GetAsDateTime() const {
    return m_value;
}
double TDateTimeCell::GetAsFloat() const {
    return m_value;
}
int TDateTimeCell::GetAsInteger() const {
    return platform::RoundToInt(m_value);
}
QString TDateTimeCell::GetAsString() const {
    return platform::DateTimeToStr(m_value);
}

void TDateTimeCell::SetAsBoolean(bool) {
    // Any boolean stands for today.
    m_value = platform::Date();
    Changed();
}

void TDateTimeCell::SetAsDateTime(TDateTime Value) {
    m_value = Value;
    Changed();
}

void TDateTimeCell::SetAsFloat(double Value) {
    m_value = Value;
    Changed();
}

void TDateTimeCell::SetAsInteger(int Value) {
    m_value = Value;
    Changed();
}

void TDateTimeCell::SetAsString(const QString& Value) {
    // Unreadable text is taken as 0, not refused.
    m_value = Value.isEmpty() ? 0 : platform::StrToDateTimeDef(Value, 0);
    Changed();
}

void TDateTimeCell::Clear() {
    m_value = 0;
    TCell::Clear();
}

// ---- TFloatCell ----

bool TFloatCell::GetAsBoolean() const {
    return false;
}
TDateTime TFloatCell::GetAsDateTime() const {
    return m_value;
}
double TFloatCell::GetAsFloat() const {
    return m_value;
}
int TFloatCell::GetAsInteger() const {
    return platform::RoundToInt(m_value);
}
QString TFloatCell::GetAsString() const {
    return platform::FloatToStr(m_value);
}

void TFloatCell::SetAsBoolean(bool) {
    m_value = 0;
    Changed();
}

void TFloatCell::SetAsDateTime(TDateTime Value) {
    m_value = Value;
    Changed();
}

void TFloatCell::SetAsFloat(double Value) {
    m_value = Value;
    Changed();
}

void TFloatCell::SetAsInteger(int Value) {
    m_value = Value;
    Changed();
}

void TFloatCell::SetAsString(const QString& Value) {
    // No empty case: the empty text is no number either.
    m_value = platform::StrToFloat(SystemText(Value));
    Changed();
}

void TFloatCell::Clear() {
    m_value = 0;
    TCell::Clear();
}

// ---- TIntegerCell ----

bool TIntegerCell::GetAsBoolean() const {
    return m_value > 0;
}
TDateTime TIntegerCell::GetAsDateTime() const {
    return 0;
}
double TIntegerCell::GetAsFloat() const {
    return m_value;
}
int TIntegerCell::GetAsInteger() const {
    return m_value;
}
QString TIntegerCell::GetAsString() const {
    return platform::IntToStr(m_value);
}

void TIntegerCell::SetAsBoolean(bool Value) {
    m_value = Value ? 1 : 0;
    Changed();
}

void TIntegerCell::SetAsDateTime(TDateTime) {
    m_value = 0;
    Changed();
}

void TIntegerCell::SetAsFloat(double Value) {
    m_value = platform::RoundToInt(Value);
    Changed();
}

void TIntegerCell::SetAsInteger(int Value) {
    m_value = Value;
    Changed();
}

void TIntegerCell::SetAsString(const QString& Value) {
    m_value = Value.isEmpty() ? 0 : platform::StrToInt(SystemText(Value));
    Changed();
}

void TIntegerCell::Clear() {
    m_value = 0;
    TCell::Clear();
}

// ---- TStringCell ----

bool TStringCell::GetAsBoolean() const {
    return platform::StrToBool(SystemText(m_value));
}

TDateTime TStringCell::GetAsDateTime() const {
    return m_value.isEmpty() ? 0 : platform::StrToDateTime(m_value);
}

double TStringCell::GetAsFloat() const {
    return platform::StrToFloat(SystemText(m_value));
}
int TStringCell::GetAsInteger() const {
    return platform::StrToInt(SystemText(m_value));
}
QString TStringCell::GetAsString() const {
    return m_value;
}

void TStringCell::SetAsBoolean(bool Value) {
    m_value = platform::BoolToStr(Value);
    Changed();
}

void TStringCell::SetAsDateTime(TDateTime Value) {
    m_value = platform::DateTimeToStr(Value);
    Changed();
}

void TStringCell::SetAsFloat(double Value) {
    m_value = platform::FloatToStr(Value);
    Changed();
}

void TStringCell::SetAsInteger(int Value) {
    m_value = platform::IntToStr(Value);
    Changed();
}

void TStringCell::SetAsString(const QString& Value) {
    m_value = Value;
    Changed();
}

void TStringCell::Clear() {
    m_value.clear();
    TCell::Clear();
}

// ---- TIncrementCell ----

bool TIncrementCell::GetAsBoolean() const {
    return false;
}
TDateTime TIncrementCell::GetAsDateTime() const {
    return 0;
}
double TIncrementCell::GetAsFloat() const {
    return CurrentRow() + 1;
}
int TIncrementCell::GetAsInteger() const {
    return CurrentRow() + 1;
}
QString TIncrementCell::GetAsString() const {
    return platform::IntToStr(CurrentRow() + 1);
}

void TIncrementCell::Clear() {}

} // namespace grid
