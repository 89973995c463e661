#include "import/SatellitePage.h"

#include "import/CaSystems.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <optional>

namespace webimport {

namespace {

constexpr qsizetype kMaxText = 255;
constexpr int kCellLines = 14;

// A position outside the text reads as no character, which is neither a digit nor any letter.
QChar charAt(QStringView s, qsizetype i) {
    return (i >= 0 && i < s.size()) ? s.at(i) : QChar();
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

const std::array<QStringView, 6> kFecTexts = {u"1/2", u"2/3", u"3/4", u"4/5", u"5/6", u"7/8"};

bool fecAt(QStringView line, qsizetype p) {
    const QStringView three = line.mid(p, 3);
    if (std::find(kFecTexts.begin(), kFecTexts.end(), three) != kFecTexts.end())
        return true;
    return line.mid(p, 4) == u"9/10";
}

// Digits from the end of the line before the FEC line, put in front of the symbol rate.
void prependDigits(QString& symbolRate, QStringView previous, qsizetype skip) {
    for (qsizetype m = skip; m < 9; ++m) {
        const QChar c = charAt(previous, previous.size() - 1 - m);
        if (!isDigit(c))
            break;
        symbolRate.prepend(c);
    }
}

// The symbol rate around a FEC text at 1-based position p of line.
void takeSymbolRate(QString& symbolRate, QStringView line, QStringView previous, qsizetype p) {
    if (p >= 8) {
        qsizetype i = p - 7;
        while (i < line.size() && !isDigit(line.at(i)))
            ++i;
        while (i < line.size() && isDigit(line.at(i)))
            symbolRate += line.at(i++);
    } else if (p >= 5) {
        symbolRate = line.left(p - 4).toString();
        prependDigits(symbolRate, previous, 0);
    } else if (p == 4) {
        prependDigits(symbolRate, previous, 0);
    } else {
        prependDigits(symbolRate, previous, 4 - p);
    }
}

// One pass over the lines of a possible ID pair "onid-tid"; true when it found one.
bool takeIdPair(TransponderCell& cell, const PageLines& lines, int first, bool secondDash) {
    for (int k = first; k <= first + 1; ++k) {
        const QStringView m = lines.line(k);
        if (m.contains(u"updated"))
            return false;
        qsizetype d = m.indexOf(QLatin1Char('-'));
        if (secondDash && d >= 0) {
            const qsizetype again = m.indexOf(QLatin1Char('-'), d + 1);
            if (again >= 0 && again - d <= 300)
                d = again;
        }
        if (d < 1 || !isDigit(m.at(d - 1)) || charAt(m, d + 2) == QLatin1Char('_'))
            continue;
        qsizetype start = d - 1;
        while (start > 0 && isDigit(m.at(start - 1)))
            --start;
        cell.onid = m.mid(start, d - start).toString();
        qsizetype end = d + 2;
        while (end < m.size() && isDigit(m.at(end)))
            ++end;
        cell.tid = m.mid(d + 1, end - d - 1).toString();
        return true;
    }
    return false;
}

bool kuAt(QStringView w, qsizetype j) {
    return w.at(j) == QLatin1Char('1') && isDigit(w.at(j + 1)) && isDigit(w.at(j + 2)) &&
           isDigit(w.at(j + 3)) && isDigit(w.at(j + 4)) && !isDigit(w.at(j + 5)) &&
           (w.at(j + 6) == QLatin1Char('H') || w.at(j + 6) == QLatin1Char('V'));
}

bool cBandAt(QStringView w, qsizetype j) {
    const QChar first = w.at(j);
    const QChar pol = w.at(j + 5);
    return (first == QLatin1Char('3') || first == QLatin1Char('4') || first == QLatin1Char('5')) &&
           isDigit(w.at(j + 1)) && isDigit(w.at(j + 2)) && isDigit(w.at(j + 3)) && !isDigit(w.at(j + 4)) &&
           (pol == QLatin1Char('H') || pol == QLatin1Char('L') || pol == QLatin1Char('R') ||
            pol == QLatin1Char('V'));
}

} // namespace

TransponderCell ParseTransponderCell(const PageLines& lines, int i) {
    TransponderCell cell;
    int fecLine = -1;
    for (int k = i + 1; k <= i + kCellLines && !cell.fecFound; ++k) {
        const QStringView line = lines.line(k);
        if (line.contains(u"</tr"))
            break;
        if (line.contains(u"DVB-S2"))
            cell.dvbS2 = QStringLiteral("DVB-S2");
        if (line.contains(u"MPEG-4/HD"))
            cell.hd = true;
        AppendLineCaSystems(cell.caText, line);
        for (qsizetype p = 0; p + 7 <= line.size(); ++p) {
            if (!fecAt(line, p))
                continue;
            cell.fecFound = true;
            fecLine = k;
            takeSymbolRate(cell.symbolRate, line, lines.line(k - 1), p + 1);
            cell.fec = line.mid(p, 3).toString();
            if (cell.fec.startsWith(QLatin1Char('9')))
                cell.fec += QLatin1Char('0');
        }
    }
    if (!cell.fecFound)
        return cell;
    const int e = fecLine + 1;
    if (!takeIdPair(cell, lines, e, false) && !takeIdPair(cell, lines, e - 1, true))
        takeIdPair(cell, lines, e - 2, false);
    if (cell.symbolRate == cell.onid) {
        cell.onid.clear();
        if (cell.tid == cell.fec.left(1))
            cell.tid.clear();
    }
    return cell;
}

QString ParseProviderName(const ListingPage& page, const QString& frequency, QChar letter) {
    const QString& t = page.text();
    const qsizetype p = std::max<qsizetype>(page.anchor(frequency + QLatin1Char(' ') + letter), 0);
    const qsizetype a = page.next(Marker::Homewin, p);
    const qsizetype b = page.next(Marker::Dvb, p);
    const qsizetype c = page.next(Marker::ItalicOpen, p);
    QString name;
    if (a >= 0 && b >= 0 && a < b) {
        // After "homewin" the page writes a quote and ">" before the name.
        const qsizetype from = a + 9;
        const qsizetype end = page.next(Marker::Less, a + 1);
        if (end >= from)
            name = t.mid(from, end - from);
    } else if (c >= 0 && b >= 0 && c < b) {
        const qsizetype from = c + 3;
        const qsizetype end = page.next(Marker::ItalicClose, p);
        if (end >= from)
            name = t.mid(from, end - from);
    }
    if (name == u"<br>")
        name.clear();
    // Control characters (a NUL byte of the page among them) belong to no name.
    name.removeIf([](QChar ch) { return ch.unicode() < 0x20; });
    name.truncate(kMaxText);
    return name;
}

QString PositionFromTitle(QStringView title) {
    const qsizetype k = title.indexOf(QChar(0x00B0));
    if (k < 0)
        return {};
    qsizetype j = k - 1;
    while (j >= 0 && title.at(j) == QLatin1Char(' '))
        --j;
    while (j >= 0 && title.at(j) != QLatin1Char(' '))
        --j;
    const qsizetype end = std::min(k + 2, title.size());
    return title.mid(j + 1, end - j - 1).toString();
}

SatellitePageScan ScanSatellitePage(const ListingPage& page, bool cBand, const ScanProgress& progress) {
    SatellitePageScan scan;
    const PageLines& lines = page.lines();
    const int n = lines.count();
    bool titleSeen = false;
    for (int i = 0; i < n; ++i) {
        if (progress)
            progress(i, n);
        const QStringView line = lines.line(i);
        if (!titleSeen) {
            const qsizetype t = line.indexOf(u"title");
            if (t >= 0) {
                titleSeen = true;
                scan.PagePositionText = PositionFromTitle(line.mid(std::min(t + 10, line.size()), 50));
            }
        }
        // A frequency may end this line while its letter starts the next one.
        const QString w = line.toString() + lines.line(i + 1).left(5).toString();
        // Every hit on a line reads the same lines after it.
        std::optional<TransponderCell> cell;
        for (qsizetype j = 0; j + 7 <= w.size(); ++j) {
            qsizetype digits = 0;
            if (kuAt(w, j))
                digits = 5;
            else if (cBand && cBandAt(w, j))
                digits = 4;
            else
                continue;
            if (!cell)
                cell = ParseTransponderCell(lines, i);
            if (!cell->fecFound)
                continue;
            TransponderRow row;
            row.frequency = w.mid(j, digits);
            row.polarisation = w.mid(j + digits + 1, 1);
            row.provider = ParseProviderName(page, row.frequency, row.polarisation.at(0));
            row.crypt = cell->caText;
            row.tid = cell->tid;
            row.onid = cell->onid;
            row.symbolRate = cell->symbolRate;
            row.fec = cell->fec;
            row.dvbS2 = cell->dvbS2;
            row.hd = cell->hd ? QStringLiteral("ja") : QString();
            scan.rows.append(row);
        }
    }
    return scan;
}

int ScanProgressPercent(int line, int lines) {
    if (lines <= 0)
        return 0;
    return static_cast<int>(std::max<std::int64_t>(0, platform::Round(line * 100.0 / lines - 1)));
}

} // namespace webimport
