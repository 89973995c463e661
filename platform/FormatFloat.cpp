#include "platform/FormatFloat.h"

#include "platform/Conversions.h"

#include <QLocale>
#include <QStringList>
#include <cmath>
#include <cstdio>

namespace platform {

namespace {

/// A non-negative decimal: 0.d1d2d3... times 10 to the power Point; no digits means zero.
struct Decimal {
    QString digits;
    int point = 0;

    bool isZero() const { return digits.isEmpty(); }
};

Decimal toDecimal(double magnitude) {
    Decimal d;
    if (magnitude == 0)
        return d;
    char buf[40];
    // 18 significant digits, as the class library converts before it rounds.
    std::snprintf(buf, sizeof buf, "%.17e", magnitude);
    const QString s = QString::fromLatin1(buf);
    const qsizetype ePos = s.indexOf(QLatin1Char('e'));
    d.digits = s.left(ePos).remove(QLatin1Char('.'));
    d.point = s.mid(ePos + 1).toInt() + 1;
    while (d.digits.endsWith(QLatin1Char('0')))
        d.digits.chop(1);
    return d;
}

/// Keeps Keep leading digits, rounding half away from zero; trailing zeros are dropped.
void roundDigits(Decimal& d, int keep) {
    if (keep >= d.digits.size())
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits.at(keep) >= QLatin1Char('5');
    d.digits.truncate(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits.at(i) == QLatin1Char('9')) {
            d.digits[i] = QLatin1Char('0');
            --i;
        }
        if (i >= 0) {
            d.digits[i] = QChar(d.digits.at(i).unicode() + 1);
        } else {
            d.digits.prepend(QLatin1Char('1'));
            ++d.point;
        }
    }
    while (d.digits.endsWith(QLatin1Char('0')))
        d.digits.chop(1);
}

/// The sections of a picture, split at the semicolons outside quotes.
QStringList splitSections(const QString& format) {
    QStringList sections(1);
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections.append(QString());
            continue;
        }
        sections.last().append(c);
    }
    return sections;
}

/// What a section asks for.
struct Picture {
    int intPlaceholders = 0;
    int minIntDigits = 0;
    int fracPlaceholders = 0;
    int minFracDigits = 0;
    bool thousands = false;
    bool scientific = false;
};

bool isExponentAt(const QString& s, qsizetype i) {
    return (s.at(i) == QLatin1Char('E') || s.at(i) == QLatin1Char('e')) && i + 1 < s.size() &&
           (s.at(i + 1) == QLatin1Char('+') || s.at(i + 1) == QLatin1Char('-'));
}

Picture scan(const QString& section) {
    Picture p;
    bool inFraction = false;
    bool seenIntZero = false;
    QChar quote;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (isExponentAt(section, i)) {
            p.scientific = true;
            break;
        } else if (c == QLatin1Char('.')) {
            inFraction = true;
        } else if (c == QLatin1Char(',') && !inFraction) {
            p.thousands = true;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (inFraction) {
                ++p.fracPlaceholders;
                if (c == QLatin1Char('0'))
                    p.minFracDigits = p.fracPlaceholders;
            } else {
                ++p.intPlaceholders;
                seenIntZero = seenIntZero || c == QLatin1Char('0');
                if (seenIntZero)
                    ++p.minIntDigits;
            }
        }
    }
    return p;
}

/// Lays the digits into the section's placeholders and copies its literal text.
QString render(const QString& section, const Picture& p, const QString& intDigits, const QString& fracDigits,
               int exponent) {
    const QLocale locale;
    const QChar decimalSep = DecimalSeparator();
    const QString groupSep = locale.groupSeparator();
    QString out;
    int intIndex = 0;
    int fracIndex = 0;
    bool inFraction = false;
    bool pointDone = false;
    const int lead = static_cast<int>(intDigits.size()) - p.intPlaceholders;

    auto emitIntDigit = [&](int at) {
        out.append(intDigits.at(at));
        const int fromRight = static_cast<int>(intDigits.size()) - 1 - at;
        if (p.thousands && fromRight > 0 && fromRight % 3 == 0)
            out.append(groupSep);
    };

    QChar quote;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out.append(c);
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (p.scientific && isExponentAt(section, i)) {
            out.append(c);
            const bool plus = section.at(i + 1) == QLatin1Char('+');
            i += 2;
            int width = 0;
            while (i < section.size() && section.at(i) == QLatin1Char('0')) {
                ++width;
                ++i;
            }
            --i;
            if (exponent < 0)
                out.append(QLatin1Char('-'));
            else if (plus)
                out.append(QLatin1Char('+'));
            out.append(QString::number(std::abs(exponent)).rightJustified(width, QLatin1Char('0')));
        } else if (c == QLatin1Char('.')) {
            if (!pointDone && p.intPlaceholders == 0)
                for (int k = 0; k < intDigits.size(); ++k)
                    emitIntDigit(k);
            if (!pointDone && !fracDigits.isEmpty())
                out.append(decimalSep);
            pointDone = true;
            inFraction = true;
        } else if (c == QLatin1Char(',') && !inFraction) {
            // a flag for grouping, not a character of the result
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (inFraction) {
                if (fracIndex < fracDigits.size())
                    out.append(fracDigits.at(fracIndex));
                ++fracIndex;
            } else {
                // Digits beyond the placeholders all go to the first one.
                if (intIndex == 0)
                    for (int k = 0; k < lead; ++k)
                        emitIntDigit(k);
                // A placeholder after the exponent's digits has no digit left to show.
                const int at = lead + intIndex;
                if (at >= 0 && at < intDigits.size())
                    emitIntDigit(at);
                ++intIndex;
            }
        } else {
            out.append(c);
        }
    }
    return out;
}

/// Formats a magnitude by one section; Zero tells whether it rounded to nothing.
QString formatSection(const QString& section, double magnitude, bool& zero) {
    const Picture p = scan(section);
    Decimal d = toDecimal(magnitude);
    QString intDigits;
    QString fracDigits;
    int exponent = 0;
    if (p.scientific) {
        const int intCount = std::max(p.intPlaceholders, 1);
        roundDigits(d, intCount + p.fracPlaceholders);
        if (!d.isZero())
            exponent = d.point - intCount;
        QString all = d.digits.leftJustified(intCount + p.fracPlaceholders, QLatin1Char('0'));
        intDigits = all.left(intCount);
        fracDigits = all.mid(intCount);
    } else {
        roundDigits(d, d.point + p.fracPlaceholders);
        if (d.point > 0)
            intDigits = d.digits.left(d.point).leftJustified(d.point, QLatin1Char('0'));
        fracDigits = d.point < 0 ? QString(-d.point, QLatin1Char('0')) + d.digits : d.digits.mid(d.point);
        fracDigits = fracDigits.left(p.fracPlaceholders).leftJustified(p.fracPlaceholders, QLatin1Char('0'));
        if (intDigits.size() < p.minIntDigits)
            intDigits = intDigits.rightJustified(p.minIntDigits, QLatin1Char('0'));
    }
    while (fracDigits.size() > p.minFracDigits && fracDigits.endsWith(QLatin1Char('0')))
        fracDigits.chop(1);
    zero = d.isZero();
    return render(section, p, intDigits, fracDigits, exponent);
}

} // namespace

QString FormatFloat(const QString& format, double value) {
    if (format.isEmpty() || !std::isfinite(value))
        return FloatToStr(value);
    const QStringList sections = splitSections(format);
    const bool negative = std::signbit(value) && value != 0;
    const double magnitude = std::fabs(value);
    const bool hasNegative = sections.size() > 1 && !sections.at(1).isEmpty();
    const bool hasZero = sections.size() > 2 && !sections.at(2).isEmpty();

    bool zero = false;
    const QString& main = negative && hasNegative ? sections.at(1) : sections.at(0);
    const QString text = formatSection(main, magnitude, zero);
    if (zero && hasZero)
        return formatSection(sections.at(2), 0, zero);
    if (negative && !hasNegative && !zero)
        return QLatin1Char('-') + text;
    return text;
}

} // namespace platform
