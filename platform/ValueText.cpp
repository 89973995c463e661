#include "platform/ValueText.h"

#include "platform/Conversions.h"
#include "platform/Cp1252.h"
#include "platform/Exceptions.h"

#include <cmath>

namespace platform {

QString BoolToStr(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool TryStrToBool(const QString& text, bool& value) {
    double number = 0;
    if (TryStrToFloat(text, number)) {
        value = number != 0;
        return true;
    }
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        value = true;
        return true;
    }
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        value = false;
        return true;
    }
    return false;
}

bool StrToBool(const QString& text) {
    bool value = false;
    if (!TryStrToBool(text, value))
        throw EConvertError(QStringLiteral("'%1' ist kein gültiger boolescher Wert").arg(text));
    return value;
}

int RoundToInt(double value) {
    const double rounded = std::nearbyint(value);
    // NaN fails both comparisons.
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw ERangeError(QStringLiteral("Fehler bei Bereichsprüfung"));
    return static_cast<int>(rounded);
}

QString SystemText(const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() >= 0x80)
            return fromCp1252(toCp1252(text));
    }
    return text;
}

} // namespace platform
