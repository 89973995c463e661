#include "image/TransponderMatch.h"

#include "image/Fields.h"

#include <cstdlib>

namespace image {

namespace {

QString sideText(const TSatelliteRecord& satellite) {
    return satellite.EastWest == 0x45 ? QStringLiteral(u"°E") : QStringLiteral(u"°W");
}

/// The letter the search compares; empty for a polarisation byte outside H, V, L, R.
QString polarisationLetter(const TTransponderRecord& transponder) {
    static const char16_t letters[] = u"HVLR";
    if (transponder.Polarisation > 3)
        return {};
    return QString(QChar(letters[transponder.Polarisation]));
}

constexpr int kNearListRange = 50;
constexpr int kBandLimit = 8000;

} // namespace

QString CommaPositionText(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('.'), QLatin1Char(','));
    return out;
}

QString SatellitePositionText(const TSatelliteRecord& satellite) {
    const int pos = satellite.OrbitalPosition;
    return QString::number(pos / 10) + QLatin1Char(',') + QString::number(pos % 10) + sideText(satellite);
}

QString SatelliteShortPositionText(const TSatelliteRecord& satellite) {
    const int pos = satellite.OrbitalPosition;
    QString text = QString::number(pos / 10);
    if (pos % 10 != 0)
        text += QLatin1Char(',') + QString::number(pos % 10);
    return text + sideText(satellite);
}

bool SatellitePositionMatches(const QString& recordText, const QString& pageText) {
    if (recordText == pageText)
        return true;
    return (pageText == QStringLiteral(u"0,8°W") && recordText == QStringLiteral(u"1,0°W")) ||
           (pageText == QStringLiteral(u"28,2°E") && recordText == QStringLiteral(u"28,5°E"));
}

bool BandGuardPasses(int webFrequency, int lofLow) {
    return !((webFrequency > kBandLimit && lofLow < kBandLimit) ||
             (webFrequency < kBandLimit && lofLow > kBandLimit));
}

QString NearListLine(const TTransponderRecord& transponder) {
    QString letter = polarisationLetter(transponder);
    if (letter.isEmpty())
        letter = QStringLiteral("?");
    return QString(14, QLatin1Char(' ')) + QString::number(transponder.Frequency) + QStringLiteral(" Mhz  ") +
           letter + QStringLiteral("   SR: ") + QString::number(transponder.SymbolRate) +
           QString(7, QLatin1Char(' ')) + QStringLiteral("\r\n");
}

TransponderSearchResult FindWebTransponder(const SettingsImage& img, const WebTransponderKey& key) {
    TransponderSearchResult result;
    const QString page = CommaPositionText(key.positionText);
    const QString webLetter = key.polarisation.left(1);
    // Many transponders share a satellite: its verdict is worked out once per satellite, not per transponder.
    int lastSatellite = 0;
    bool lastPasses = false;
    for (int t = 1; t <= img.TransponderCount; ++t) {
        const TTransponderRecord& transponder = img.Transponders[t];
        const int s = TransponderSatellite(transponder) + 1;
        if (s != lastSatellite) {
            lastSatellite = s;
            // An index read from a damaged file may name no satellite: such a transponder is on none.
            lastPasses = s <= img.SatelliteCount && img.Satellites.inRange(s) &&
                         SatellitePositionMatches(SatellitePositionText(img.Satellites[s]), page) &&
                         BandGuardPasses(key.frequency, img.Satellites[s].LofLow);
        }
        if (!lastPasses)
            continue;
        result.satellite = s;
        const int d = std::abs(transponder.Frequency - key.frequency);
        if (d <= kNearListRange)
            result.nearList += NearListLine(transponder);
        if (d > key.toleranceMhz)
            continue;
        const QString letter = polarisationLetter(transponder);
        if (!letter.isEmpty() && letter == webLetter) {
            result.matchedTransponder = t;
            result.distance = d;
            result.polarisationMismatch = false;
            break;
        }
        result.polarisationMismatch = true;
    }
    return result;
}

bool MatchedTransponderHolds(const SettingsImage& img, const WebTransponderKey& key, int matched) {
    return matched >= 1 && matched <= img.TransponderCount &&
           FindWebTransponder(img, key).matchedTransponder == matched;
}

QString TransponderFoundCaption() {
    return QStringLiteral("Transponder gefunden");
}

QString TransponderNotFoundMark() {
    return QStringLiteral("Transponder nicht gefunden");
}

QString TransponderNotFoundCaption(const QString& frequencyText) {
    return TransponderNotFoundMark() + QStringLiteral(" (") + frequencyText + QLatin1Char(')');
}

QString FoundFrequencyCaption(int frequency) {
    return QStringLiteral("Frequenz: ") + QString::number(frequency);
}

QString FoundSymbolRateCaption(int symbolRate) {
    return QStringLiteral("SR: ") + QString::number(symbolRate);
}

QString PolarisationMismatchMessage(const QString& nearList) {
    return QStringLiteral("Es wurde ein Transponder auf diesem Sat mit passender Frequenz gefunden.\r\n"
                          "Aber die Polarisation stimmt nicht.\r\n") +
           nearList;
}

QString NewTransponderQuestion(const QString& nearList) {
    return QStringLiteral("Transponder nicht gefunden !\r\n\r\nvorhanden:\r\n\r\n") + nearList +
           QStringLiteral("\r\n\r\nNeuen Transponder erstellen ?");
}

QString StaleMatchMessage() {
    return QStringLiteral(
        "Die Transponderliste hat sich seit der Auswahl geändert: der gefundene Transponder "
        "passt nicht mehr.\r\nBitte den Transponder in der Liste neu auswählen.");
}

} // namespace image
