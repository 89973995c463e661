#include "platform/FixedText.h"

#include "platform/Conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace platform {

QString FloatToStrFixed(double Value, int Digits) {
    Digits = std::clamp(Digits, 0, 18);
    if (!std::isfinite(Value) || std::fabs(Value) >= 1e18)
        return FloatToStr(Value);
    const bool negative = std::signbit(Value);
    // 18 significant digits: d.ddddddddddddddddde[+-]xx
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17e", std::fabs(Value));
    const QString s = QString::fromLatin1(buf);
    const qsizetype ePos = s.indexOf(QLatin1Char('e'));
    const int exponent = s.mid(ePos + 1).toInt();
    QString digits = s.left(ePos);
    digits.remove(QLatin1Char('.'));
    // Place the digits around the decimal point: intPart holds exponent + 1 digits (at least "0").
    QString intPart;
    QString fraction;
    if (exponent >= 0) {
        intPart = digits.left(exponent + 1);
        fraction = digits.mid(exponent + 1);
    } else {
        intPart = QStringLiteral("0");
        fraction = QString(-exponent - 1, QLatin1Char('0')) + digits;
    }
    // Round half away from zero at the wanted decimal.
    QString kept = intPart + fraction.left(Digits).leftJustified(Digits, QLatin1Char('0'));
    if (fraction.size() > Digits && fraction.at(Digits) >= QLatin1Char('5')) {
        qsizetype i = kept.size() - 1;
        for (; i >= 0; --i) {
            if (kept.at(i) == QLatin1Char('9')) {
                kept[i] = QLatin1Char('0');
            } else {
                kept[i] = QChar(kept.at(i).unicode() + 1);
                break;
            }
        }
        if (i < 0)
            kept.prepend(QLatin1Char('1'));
    }
    QString whole = kept.left(kept.size() - Digits);
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    QString out = whole;
    if (Digits > 0)
        out += DecimalSeparator() + kept.right(Digits);
    const bool zero = std::all_of(kept.cbegin(), kept.cend(), [](QChar c) { return c == QLatin1Char('0'); });
    return negative && !zero ? QLatin1Char('-') + out : out;
}

} // namespace platform
