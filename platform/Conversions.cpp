#include "platform/Conversions.h"

#include "platform/Exceptions.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace platform {

QChar DecimalSeparator() {
    const QString sep = QLocale().decimalPoint();
    return sep.isEmpty() ? QLatin1Char('.') : sep.at(0);
}

QString IntToStr(long long value) { return QString::number(value); }

namespace {

bool parseInt(const QString& text, int& out) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text.at(i) == QLatin1Char('0') &&
               (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    long long value = 0;
    for (; i < n; ++i) {
        int d = -1;
        const char16_t c = text.at(i).unicode();
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        if (d < 0)
            return false;
        value = value * base + d;
        if (value > 0x100000000LL)
            return false;
    }
    if (negative)
        value = -value;
    if (base == 10 && (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()))
        return false;
    if (base == 16 && value > 0xFFFFFFFFLL)
        return false;
    // "$FFFFFFFF" is -1, as the class library reads hex.
    out = base == 10 ? static_cast<int>(value) : static_cast<int>(static_cast<std::uint32_t>(value));
    return true;
}

} // namespace

int StrToInt(const QString& text) {
    int value = 0;
    if (!parseInt(text, value))
        throw EConvertError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
    return value;
}

int StrToIntDef(const QString& text, int fallback) {
    int value = 0;
    return parseInt(text, value) ? value : fallback;
}

bool TryStrToFloat(const QString& text, double& value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    const QChar sep = DecimalSeparator();
    // Only digits, one separator, sign and exponent are allowed: no group separators.
    QString plain;
    plain.reserve(trimmed.size());
    bool seenSep = false;
    for (QChar c : trimmed) {
        if (c == sep) {
            if (seenSep)
                return false;
            seenSep = true;
            plain.append(QLatin1Char('.'));
        } else if (c.isDigit() && c.unicode() < 128) {
            plain.append(c);
        } else if (c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('e') ||
                   c == QLatin1Char('E')) {
            plain.append(c);
        } else {
            return false;
        }
    }
    bool ok = false;
    const double parsed = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

double StrToFloat(const QString& text) {
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError(QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
    return value;
}

QString FloatToStr(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    // buf: [-]d.dddddddddddddde[+-]xx
    QString s = QString::fromLatin1(buf);
    const qsizetype ePos = s.indexOf(QLatin1Char('e'));
    const int exponent = s.mid(ePos + 1).toInt();
    QString mantissa = s.left(ePos);
    const bool negative = mantissa.startsWith(QLatin1Char('-'));
    if (negative)
        mantissa.remove(0, 1);
    QString digits = mantissa;
    digits.remove(QLatin1Char('.'));
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    const QChar sep = DecimalSeparator();
    QString out;
    if (exponent >= 15 || exponent < -5) {
        out = digits.left(1);
        if (digits.size() > 1)
            out += sep + digits.mid(1);
        out += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent < 0) {
        out = QStringLiteral("0") + sep + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else {
        const qsizetype intDigits = exponent + 1;
        if (digits.size() <= intDigits) {
            out = digits + QString(intDigits - digits.size(), QLatin1Char('0'));
        } else {
            out = digits.left(intDigits) + sep + digits.mid(intDigits);
        }
    }
    return negative ? QLatin1Char('-') + out : out;
}

} // namespace platform
