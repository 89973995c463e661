#include "platform/FormatMaskText.h"

#include "platform/DateTimeText.h"

#include <QStringList>
#include <vector>

namespace platform {

namespace {

enum class Case { Keep, Upper, Lower };

/// One position of the picture: a literal character or a place for one data character.
struct Slot {
    bool literal = false;
    QChar ch;                     ///< the literal
    Case letterCase = Case::Keep; ///< how a data character is shown
};

struct Mask {
    std::vector<Slot> positions;
    bool leadingBlanks = false;
    bool valueHasLiterals = true;
    QChar blank = QLatin1Char(' ');
};

/// The first character of a date or time format that is not a field letter.
QChar separatorOf(const QString& format, QChar fallback) {
    for (const QChar c : format)
        if (!c.isLetter())
            return c;
    return fallback;
}

bool isPlaceholder(QChar c) {
    switch (c.unicode()) {
    case 'L':
    case 'l':
    case 'A':
    case 'a':
    case 'C':
    case 'c':
    case '0':
    case '9':
    case '#':
        return true;
    default:
        return false;
    }
}

Mask parseMask(const QString& editMask) {
    Mask mask;
    Case current = Case::Keep;
    qsizetype i = 0;
    const qsizetype n = editMask.size();
    for (; i < n; ++i) {
        const QChar c = editMask.at(i);
        if (c == QLatin1Char(';'))
            break;
        if (c == QLatin1Char('\\')) {
            if (i + 1 < n)
                mask.positions.push_back({true, editMask.at(++i), Case::Keep});
            continue;
        }
        if (c == QLatin1Char('!')) {
            mask.leadingBlanks = true;
        } else if (c == QLatin1Char('<')) {
            if (i + 1 < n && editMask.at(i + 1) == QLatin1Char('>')) {
                current = Case::Keep;
                ++i;
            } else {
                current = Case::Lower;
            }
        } else if (c == QLatin1Char('>')) {
            current = Case::Upper;
        } else if (isPlaceholder(c)) {
            mask.positions.push_back({false, QChar(), current});
        } else if (c == QLatin1Char(':')) {
            mask.positions.push_back({true, separatorOf(LongTimeFormat(), c), Case::Keep});
        } else if (c == QLatin1Char('/')) {
            mask.positions.push_back({true, separatorOf(ShortDateFormat(), c), Case::Keep});
        } else if (c == QLatin1Char('_')) {
            mask.positions.push_back({true, QLatin1Char(' '), Case::Keep});
        } else {
            mask.positions.push_back({true, c, Case::Keep});
        }
    }
    // The second field: whether the value carries the literals; the third: the blank character.
    const QStringList rest = editMask.mid(i + 1).split(QLatin1Char(';'));
    if (i < n && !rest.isEmpty() && !rest.at(0).isEmpty())
        mask.valueHasLiterals = rest.at(0).at(0) != QLatin1Char('0');
    if (i < n && rest.size() > 1 && !rest.at(1).isEmpty())
        mask.blank = rest.at(1).at(0);
    return mask;
}

QChar applyCase(QChar c, Case letterCase) {
    switch (letterCase) {
    case Case::Upper:
        return c.toUpper();
    case Case::Lower:
        return c.toLower();
    case Case::Keep:
        break;
    }
    return c;
}

} // namespace

QString FormatMaskText(const QString& editMask, const QString& value) {
    const Mask mask = parseMask(editMask);
    qsizetype places = 0;
    for (const Slot& slot : mask.positions)
        places += slot.literal ? 0 : 1;
    if (places == 0)
        return value;

    // The data characters: the whole value, or the value without the literals it carries in their places.
    QString data;
    if (mask.valueHasLiterals) {
        qsizetype v = 0;
        for (const Slot& slot : mask.positions) {
            if (v >= value.size())
                break;
            if (!slot.literal)
                data += value.at(v++);
            else if (value.at(v) == slot.ch)
                ++v;
        }
    } else {
        data = value.left(places);
    }

    // A short value fills the last places with '!', the first ones without.
    qsizetype skip = mask.leadingBlanks ? places - data.size() : 0;
    qsizetype d = 0;
    QString out;
    out.reserve(mask.positions.size());
    for (const Slot& slot : mask.positions) {
        if (slot.literal) {
            out += slot.ch;
        } else if (skip > 0) {
            out += mask.blank;
            --skip;
        } else if (d < data.size()) {
            out += applyCase(data.at(d++), slot.letterCase);
        } else {
            out += mask.blank;
        }
    }
    return out;
}

} // namespace platform
