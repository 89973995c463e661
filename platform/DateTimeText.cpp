#include "platform/DateTimeText.h"

#include "platform/Conversions.h"
#include "platform/Exceptions.h"
#include "platform/ValueText.h"

#include <QDate>
#include <QLocale>
#include <QTime>
#include <cmath>

namespace platform {

namespace {

constexpr double kMinDateTime = -693593.0; // 0001-01-01
constexpr double kMaxDateTime = 2958466.0; // 10000-01-01, excluded
constexpr qint64 kMsecsPerDay = 86400000;

QDate epoch() {
    return QDate(1899, 12, 30);
}

enum class DateOrder { DMY, MDY, YMD };

// The locale's formats reduced to what the class library offers: numeric fields only.
struct Formats {
    QString date;
    QString time;
    QChar dateSeparator = QLatin1Char('.');
    QChar timeSeparator = QLatin1Char(':');
    DateOrder order = DateOrder::DMY;
    QString amText;
    QString pmText;
};

QChar firstSeparator(const QString& pattern, qsizetype from, QChar fallback) {
    for (qsizetype i = from; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (!c.isLetter() && c != QLatin1Char('\'') && c != QLatin1Char(' '))
            return c;
    }
    return fallback;
}

Formats formats() {
    const QLocale locale;
    Formats f;
    QString shortDate = locale.language() == QLocale::C ? QStringLiteral("yyyy-MM-dd")
                                                        : locale.dateFormat(QLocale::ShortFormat);
    qsizetype d = shortDate.indexOf(QLatin1Char('d'));
    qsizetype m = shortDate.indexOf(QLatin1Char('M'));
    qsizetype y = shortDate.indexOf(QLatin1Char('y'));
    if (d < 0 || m < 0 || y < 0) {
        shortDate = QStringLiteral("yyyy-MM-dd");
        d = 8;
        m = 5;
        y = 0;
    }
    f.order = y < m && y < d ? DateOrder::YMD : (m < d ? DateOrder::MDY : DateOrder::DMY);
    f.dateSeparator = firstSeparator(shortDate, 0, QLatin1Char('/'));
    const QString day = shortDate.contains(QLatin1String("dd")) ? QStringLiteral("dd") : QStringLiteral("d");
    const QString month =
        shortDate.contains(QLatin1String("MM")) ? QStringLiteral("MM") : QStringLiteral("M");
    const QString year = QStringLiteral("yyyy");
    const QString sep(f.dateSeparator);
    switch (f.order) {
    case DateOrder::DMY:
        f.date = day + sep + month + sep + year;
        break;
    case DateOrder::MDY:
        f.date = month + sep + day + sep + year;
        break;
    case DateOrder::YMD:
        f.date = year + sep + month + sep + day;
        break;
    }

    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    QString hour = QStringLiteral("HH");
    qsizetype h = shortTime.indexOf(QLatin1Char('H'));
    if (h < 0)
        h = shortTime.indexOf(QLatin1Char('h'));
    if (h >= 0) {
        const QChar letter = shortTime.at(h);
        hour = shortTime.mid(h, h + 1 < shortTime.size() && shortTime.at(h + 1) == letter ? 2 : 1);
    }
    f.timeSeparator = firstSeparator(shortTime, h < 0 ? 0 : h, QLatin1Char(':'));
    const QString tsep(f.timeSeparator);
    f.time = hour + tsep + QStringLiteral("mm") + tsep + QStringLiteral("ss");
    if (shortTime.contains(QLatin1String("AP"), Qt::CaseInsensitive))
        f.time += QStringLiteral(" AP");
    f.amText = locale.amText();
    f.pmText = locale.pmText();
    return f;
}

// A cursor over the text with the class library's scanning rules: blanks before every item.
class Scanner {
public:
    explicit Scanner(const QString& text) : m_text(text) {}

    bool atEnd() {
        skipBlanks();
        return m_pos >= m_text.size();
    }
    qsizetype pos() const { return m_pos; }
    void reset() { m_pos = 0; }

    // At most four digits; digits tells how many were read.
    bool number(int& value, int& digits) {
        skipBlanks();
        value = 0;
        digits = 0;
        while (m_pos < m_text.size() && digits < 4) {
            const char16_t c = m_text.at(m_pos).unicode();
            if (c < u'0' || c > u'9')
                break;
            value = value * 10 + (c - u'0');
            ++digits;
            ++m_pos;
        }
        return digits > 0;
    }

    bool character(QChar c) {
        skipBlanks();
        if (m_pos < m_text.size() && m_text.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    bool word(const QString& w) {
        skipBlanks();
        if (w.isEmpty() || m_pos + w.size() > m_text.size())
            return false;
        if (QStringView(m_text).mid(m_pos, w.size()).compare(w, Qt::CaseInsensitive) != 0)
            return false;
        m_pos += w.size();
        return true;
    }

private:
    void skipBlanks() {
        while (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char(' '))
            ++m_pos;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
};

bool scanDate(Scanner& in, const Formats& f, TDateTime& value) {
    int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
    if (!in.number(n1, l1) || !in.character(f.dateSeparator) || !in.number(n2, l2))
        return false;
    int year = 0, month = 0, day = 0, yearDigits = 4;
    const int currentYear = epoch().addDays(static_cast<qint64>(Date())).year();
    if (in.character(f.dateSeparator)) {
        if (!in.number(n3, l3))
            return false;
        switch (f.order) {
        case DateOrder::DMY:
            day = n1, month = n2, year = n3, yearDigits = l3;
            break;
        case DateOrder::MDY:
            month = n1, day = n2, year = n3, yearDigits = l3;
            break;
        case DateOrder::YMD:
            year = n1, month = n2, day = n3, yearDigits = l1;
            break;
        }
        if (yearDigits <= 2) {
            // Two-digit years fall within 50 years before or after today's year.
            const int centuryBase = currentYear - 50;
            year += centuryBase / 100 * 100;
            if (year < centuryBase)
                year += 100;
        }
    } else {
        year = currentYear;
        if (f.order == DateOrder::DMY)
            day = n1, month = n2;
        else
            month = n1, day = n2;
    }
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return false;
    value = static_cast<double>(epoch().daysTo(QDate(year, month, day)));
    return true;
}

bool scanTime(Scanner& in, const Formats& f, TDateTime& value) {
    int hour = 0, minute = 0, second = 0, msec = 0, digits = 0;
    if (!in.number(hour, digits))
        return false;
    if (in.character(f.timeSeparator)) {
        if (!in.number(minute, digits))
            return false;
        if (in.character(f.timeSeparator)) {
            if (!in.number(second, digits))
                return false;
            if (in.character(QLatin1Char('.')) && !in.number(msec, digits))
                return false;
        }
    }
    int baseHour = -1;
    if (in.word(f.amText) || in.word(QStringLiteral("AM")))
        baseHour = 0;
    else if (in.word(f.pmText) || in.word(QStringLiteral("PM")))
        baseHour = 12;
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12)
            return false;
        if (hour == 12)
            hour = 0;
        hour += baseHour;
    }
    if (hour > 23 || minute > 59 || second > 59 || msec > 999)
        return false;
    value = static_cast<double>(((hour * 60 + minute) * 60 + second) * 1000 + msec) / kMsecsPerDay;
    return true;
}

} // namespace

TDateTime Date() {
    return std::trunc(Now());
}

QString ShortDateFormat() {
    return formats().date;
}

QString LongTimeFormat() {
    return formats().time;
}

QString DateTimeToStr(TDateTime value) {
    // The lower limit is a whole day: 1 January of year 1 with a time of day lies below it as a number.
    if (!(std::trunc(value) >= kMinDateTime && value < kMaxDateTime))
        throw EConvertError(
            QStringLiteral("'%1' ist keine gültige Datums- und Uhrzeitangabe").arg(FloatToStr(value)));
    const Formats f = formats();
    const QLocale locale;
    const double days = std::trunc(value);
    qint64 msecs = static_cast<qint64>(std::nearbyint(std::fabs(value - days) * kMsecsPerDay));
    if (msecs >= kMsecsPerDay)
        msecs = kMsecsPerDay - 1;
    QString text = locale.toString(epoch().addDays(static_cast<qint64>(days)), f.date);
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs));
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += QLatin1Char(' ') + locale.toString(time, f.time);
    return text;
}

bool TryStrToDateTime(const QString& text, TDateTime& value) {
    const Formats f = formats();
    const QString plain = SystemText(text);
    Scanner in(plain);
    TDateTime date = 0;
    TDateTime time = 0;
    if (scanDate(in, f, date)) {
        if (in.atEnd()) {
            value = date;
            return true;
        }
        if (scanTime(in, f, time) && in.atEnd()) {
            value = date >= 0 ? date + time : date - time;
            return true;
        }
    }
    in.reset();
    if (scanTime(in, f, time) && in.atEnd()) {
        value = time;
        return true;
    }
    return false;
}

TDateTime StrToDateTime(const QString& text) {
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value))
        throw EConvertError(QStringLiteral("'%1' ist keine gültige Datums- und Uhrzeitangabe").arg(text));
    return value;
}

TDateTime StrToDateTimeDef(const QString& text, TDateTime fallback) {
    TDateTime value = 0;
    return TryStrToDateTime(text, value) ? value : fallback;
}

} // namespace platform
