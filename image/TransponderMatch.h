#pragma once

#include "image/Records.h"
#include "image/Tables.h"

#include <QString>

// Finding a transponder of the listing site in the image. Pure functions of the tables and the values
// of the selected web transponder: they change nothing, and the windows show what they answer.
namespace image {

/// What the search reads of the selected web transponder.
struct WebTransponderKey {
    int frequency = 0;    // MHz, the row's "Frequenz"
    QString polarisation; // the row's "Pol"; only its first character counts
    QString positionText; // orbital position from the page title, "28.2°E"; "." reads as ","
    int toleranceMhz = 0; // 0 to 5
};

/// What the search found.
struct TransponderSearchResult {
    int matchedTransponder = 0; // 1-based; 0 when none was found
    int distance = 0;           // |Frequency - web frequency| of the match
    bool polarisationMismatch = false;
    int satellite = 0; // 1-based satellite of the last transponder on a matching satellite; 0 for none
    QString nearList;  // one line per transponder of a matching satellite within 50 MHz
    bool found() const { return matchedTransponder != 0; }
};

/// The position text with every "." replaced by ",".
QString CommaPositionText(const QString& text);

/// "13,0°E", "359,5°W": tenths always written, as the search compares it.
QString SatellitePositionText(const TSatelliteRecord& satellite);

/// "13°E", "19,2°E": tenths only when they are not 0, as the comparison list shows it.
QString SatelliteShortPositionText(const TSatelliteRecord& satellite);

/// The record position text matches the page's: equal, or the page's 0,8°W takes 1,0°W and its
/// 28,2°E takes 28,5°E (the site lists those satellites together).
bool SatellitePositionMatches(const QString& recordText, const QString& pageText);

/// False when the web frequency and the LNB's low oscillator lie on different sides of 8000 MHz.
bool BandGuardPasses(int webFrequency, int lofLow);

/// One line of the near list: 14 blanks, frequency, " Mhz  ", letter, "   SR: ", symbol rate, 7 blanks, CR
/// LF.
QString NearListLine(const TTransponderRecord& transponder);

/// Walks the transponders in table order; the first on a matching satellite within the tolerance and
/// with the web polarisation wins. A transponder whose satellite index names no satellite is passed by.
TransponderSearchResult FindWebTransponder(const SettingsImage& img, const WebTransponderKey& key);

/// True when matched (1-based) is still the transponder the search finds for key: no transponder was
/// created, deleted or moved in between so that the number names another record.
bool MatchedTransponderHolds(const SettingsImage& img, const WebTransponderKey& key, int matched);

/// "Transponder gefunden"
QString TransponderFoundCaption();
/// "Transponder nicht gefunden (" + frequency text + ")"
QString TransponderNotFoundCaption(const QString& frequencyText);
/// Substring of the not-found caption that tells the insertion there is no match.
QString TransponderNotFoundMark();
/// "Frequenz: 11779"
QString FoundFrequencyCaption(int frequency);
/// "SR: 27500"
QString FoundSymbolRateCaption(int symbolRate);
/// The message when only the polarisation differs, followed by the near list.
QString PolarisationMismatchMessage(const QString& nearList);
/// The question that offers to create the transponder, with the near list.
QString NewTransponderQuestion(const QString& nearList);
/// Shown when the transponder found at the selection no longer is the one the search finds.
QString StaleMatchMessage();

} // namespace image
