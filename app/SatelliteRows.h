#pragma once

#include "image/Records.h"

#include <QStringList>

/// The columns of the satellite grid.
enum SatelliteColumn {
    scName = 0,          // "Satellit"
    scPosition = 1,      // "Position"
    scEastWest = 2,      // "W/O"
    scLofLow = 3,        // "LNB low"
    scLofHigh = 4,       // "LNB high"
    scDiseqcMode = 5,    // "Diseq Mode"
    scDiseqc11 = 6,      // "Diseq 1.1"
    scDiseqc12 = 7,      // "Diseq 1.2"
    scPositioner = 8,    // "Positioner"
    scTone22kHz = 9,     // "Tone 22 Khz"
    scNumber = 10,       // "Sat-Nr"
    scTransponders = 11, // "Transponderzahl"
    scColumnCount = 12
};

/// The DiSEqC mode texts by record value.
QStringList diseqcModeTexts();
/// The 22 kHz texts by record value.
QStringList tone22kHzTexts();

/// The texts of the satellite grid's row for a satellite record, one per column, as its cells read them:
/// the position in degrees in the locale's notation ("19,2"), "O" for east and "W" otherwise, unknown
/// DiSEqC and 22 kHz values as empty texts, the DiSEqC 1.2 tick as "True" or "False".
QStringList satelliteRowTexts(const image::TSatelliteRecord& satellite);
