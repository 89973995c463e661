#include "grid/DgVirtualColumn.h"

#include "platform/Conversions.h"
#include "platform/DateTimeText.h"
#include "platform/Exceptions.h"
#include "platform/ValueText.h"

namespace grid {

using platform::SystemText;

// ---- TextValueCell ----

bool TextValueCell::GetAsBoolean() const {
    return platform::StrToBool(SystemText(AsString()));
}
TDateTime TextValueCell::GetAsDateTime() const {
    return platform::StrToDateTime(AsString());
}
double TextValueCell::GetAsFloat() const {
    return platform::StrToFloat(SystemText(AsString()));
}
int TextValueCell::GetAsInteger() const {
    return platform::StrToInt(SystemText(AsString()));
}

void TextValueCell::SetAsBoolean(bool Value) {
    SetAsString(platform::BoolToStr(Value));
    Changed();
}

void TextValueCell::SetAsDateTime(TDateTime Value) {
    SetAsString(platform::DateTimeToStr(Value));
    Changed();
}

void TextValueCell::SetAsFloat(double Value) {
    SetAsString(platform::FloatToStr(Value));
    Changed();
}

void TextValueCell::SetAsInteger(int Value) {
    SetAsString(platform::IntToStr(Value));
    Changed();
}

// ---- TGuidCell ----

TGuidCell::TGuidCell(TCells* AOwner) : TextValueCell(AOwner), m_value(QUuid::createUuid()) {}

QString TGuidCell::GetAsString() const {
    return GUIDToString(m_value);
}

void TGuidCell::SetAsString(const QString& Value) {
    m_value = StringToGUID(Value);
    Changed();
}

// ---- TVirtualCell ----

TVirtualCell::TVirtualCell(TCells* AOwner, CellColumn* AColumn) : TextValueCell(AOwner), m_column(AColumn) {}

QString TVirtualCell::GetAsString() const {
    return m_column ? m_column->virtualCellText(CurrentColumn(), CurrentRow()) : QString();
}

void TVirtualCell::SetAsString(const QString& Value) {
    if (m_column)
        m_column->setVirtualCellText(CurrentColumn(), CurrentRow(), Value);
    Changed();
}

// ---- GUID text ----

QString GUIDToString(const QUuid& Guid) {
    return Guid.toString(QUuid::WithBraces).toUpper();
}

QUuid StringToGUID(const QString& Text) {
    bool ok = Text.size() == 38 && Text.at(0) == QLatin1Char('{') && Text.at(37) == QLatin1Char('}');
    for (int i = 1; ok && i < 37; ++i) {
        const char16_t c = Text.at(i).unicode();
        if (i == 9 || i == 14 || i == 19 || i == 24)
            ok = c == u'-';
        else
            ok = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    }
    if (!ok)
        throw platform::EConvertError(QStringLiteral("'%1' kein gültiger Wert für GUID").arg(Text));
    return QUuid::fromString(Text);
}

} // namespace grid
