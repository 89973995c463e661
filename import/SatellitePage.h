#pragma once

#include "import/ListingPage.h"

#include <QList>
#include <QString>
#include <functional>

namespace webimport {

/// One transponder of a satellite page: the cells of a row of the web transponder grid.
struct TransponderRow {
    QString crypt;        // CA codes joined by "/"
    QString provider;     // "Anbieter"
    QString tid;          // "ID": the number after the dash of the ID pair
    QString onid;         // "ONID": the number before the dash
    QString frequency;    // 5 digits, 4 for C band
    QString symbolRate;   // "SR"
    QString fec;          // "FEC"
    QString polarisation; // "H", "V", for C band also "L", "R"
    QString dvbS2;        // "DVB-S2" or empty
    QString hd;           // "ja" or empty
};

/// What the lines after a frequency tell about its transponder.
struct TransponderCell {
    bool fecFound = false;
    QString tid;
    QString onid;
    QString fec;
    QString symbolRate;
    QString dvbS2;
    QString caText;
    bool hd = false;
};

/// The rows of one scanned satellite page and the orbital position its title writes.
struct SatellitePageScan {
    QList<TransponderRow> rows;
    QString PagePositionText; // empty when the page has no title line or its title no "°"
};

/// Called before each line is scanned with the line index and the number of lines.
using ScanProgress = std::function<void(int line, int lines)>;

/// The transponder row after frequency line i (lines i + 1 to i + 14, up to "</tr" or the FEC line).
TransponderCell ParseTransponderCell(const PageLines& lines, int i);

/// The provider or package name written after the first "frequency letter" of the page.
QString ParseProviderName(const ListingPage& page, const QString& frequency, QChar letter);

/// The orbital position in a title: the number before the first "°", "°" and the character after it.
QString PositionFromTitle(QStringView title);

/// Scans every line for transponder frequencies (C band too when cBand) and lists their rows.
SatellitePageScan ScanSatellitePage(const ListingPage& page, bool cBand, const ScanProgress& progress = {});

/// The progress bar's position before line of lines: Round(line * 100 / lines - 1), never below 0.
int ScanProgressPercent(int line, int lines);

} // namespace webimport
