#include "import/ListingPage.h"

#include <QStringMatcher>
#include <algorithm>

namespace webimport {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// An anchor "dddd x" or "ddddd x" as one number: digits, their count and the letter after the blank.
qint64 anchorKey(qint64 value, qsizetype digits, QChar letter) {
    return ((value * 8 + digits) << 16) | letter.unicode();
}

} // namespace

const QString& markerText(Marker marker) {
    static const std::array<QString, static_cast<std::size_t>(Marker::Count)> texts = {
        QStringLiteral("homewin"),    QStringLiteral("DVB"),
        QStringLiteral("<i>"),        QStringLiteral("</i>"),
        QStringLiteral("<b>"),        QStringLiteral("</b>"),
        QStringLiteral("\u00AE"),     QStringLiteral("bgcolor=\"#ffffff\""),
        QStringLiteral("font size"),  QStringLiteral("font size=2"),
        QStringLiteral("td bgcolor"), QStringLiteral("darkgreen"),
        QStringLiteral("</tr"),       QStringLiteral("<"),
        QStringLiteral(">"),          QStringLiteral("@")};
    return texts.at(static_cast<std::size_t>(marker));
}

ListingPage::ListingPage(QString text) : m_lines(std::move(text)) {}

const std::vector<qint32>& ListingPage::positions(Marker marker) const {
    auto& slot = m_markers[static_cast<std::size_t>(marker)];
    if (!slot) {
        std::vector<qint32> found;
        const QString needle = markerText(marker);
        const QString& t = text();
        if (needle.size() == 1) {
            const QChar c = needle.at(0);
            for (qsizetype i = 0; i < t.size(); ++i) {
                if (t.at(i) == c)
                    found.push_back(static_cast<qint32>(i));
            }
        } else {
            const QStringMatcher matcher(needle);
            for (qsizetype i = matcher.indexIn(t, 0); i >= 0; i = matcher.indexIn(t, i + 1))
                found.push_back(static_cast<qint32>(i));
        }
        slot = std::move(found);
    }
    return *slot;
}

qsizetype ListingPage::next(Marker marker, qsizetype from) const {
    const auto& list = positions(marker);
    const auto it = std::lower_bound(list.begin(), list.end(), std::max<qsizetype>(from, 0));
    return it == list.end() ? -1 : *it;
}

qsizetype ListingPage::nextWithin(Marker marker, qsizetype from, qsizetype end) const {
    const qsizetype at = next(marker, from);
    if (at < 0 || at + markerText(marker).size() > end)
        return -1;
    return at;
}

qsizetype ListingPage::anchor(const QString& key) const {
    // Keys the scan makes ("11034 V", "3840 H") come from the index; anything else is searched for.
    const qsizetype digits = key.size() - 2;
    const bool indexed = (digits == 4 || digits == 5) && key.at(digits) == QLatin1Char(' ') &&
                         std::all_of(key.begin(), key.begin() + digits, isDigit);
    if (!indexed)
        return key.isEmpty() ? -1 : text().indexOf(key);
    if (!m_anchors) {
        QHash<qint64, qint32> first;
        const QString& t = text();
        for (qsizetype blank = 4; blank + 1 < t.size(); ++blank) {
            if (t.at(blank) != QLatin1Char(' '))
                continue;
            qint64 value = 0;
            qint64 scale = 1;
            for (qsizetype n = 1; n <= 5 && blank - n >= 0 && isDigit(t.at(blank - n)); ++n) {
                value += (t.at(blank - n).unicode() - '0') * scale;
                scale *= 10;
                const qint64 k = anchorKey(value, n, t.at(blank + 1));
                if (n >= 4 && !first.contains(k))
                    first.insert(k, static_cast<qint32>(blank - n));
            }
        }
        m_anchors = std::move(first);
    }
    qint64 value = 0;
    for (qsizetype i = 0; i < digits; ++i)
        value = value * 10 + (key.at(i).unicode() - '0');
    return m_anchors->value(anchorKey(value, digits, key.at(digits + 1)), -1);
}

} // namespace webimport
