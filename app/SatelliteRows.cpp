#include "app/SatelliteRows.h"

#include "image/Fields.h"
#include "platform/Conversions.h"

QStringList diseqcModeTexts() {
    return {QStringLiteral("OFF"),        QStringLiteral("A"), QStringLiteral("B"),
            QStringLiteral("C"),          QStringLiteral("D"), QStringLiteral("Toneburst A"),
            QStringLiteral("Toneburst B")};
}

QStringList tone22kHzTexts() {
    return {QStringLiteral("AUTO"), QStringLiteral("ON"), QStringLiteral("OFF")};
}

QStringList satelliteRowTexts(const image::TSatelliteRecord& satellite) {
    QStringList texts(scColumnCount);
    texts[scName] = image::SatelliteDisplayName(satellite);
    texts[scPosition] = platform::FloatToStr(satellite.OrbitalPosition / 10.0);
    texts[scEastWest] = satellite.EastWest == 'E' ? QStringLiteral("O") : QStringLiteral("W");
    texts[scLofLow] = QString::number(satellite.LofLow);
    texts[scLofHigh] = QString::number(satellite.LofHigh);
    texts[scDiseqcMode] = diseqcModeTexts().value(satellite.DiseqcMode);
    texts[scDiseqc11] =
        satellite.Diseqc11Port == 0 ? QStringLiteral("OFF") : QString::number(satellite.Diseqc11Port);
    texts[scDiseqc12] = satellite.Diseqc12 == 1 ? QStringLiteral("True") : QStringLiteral("False");
    texts[scPositioner] = QString::number(satellite.Positioner);
    texts[scTone22kHz] = tone22kHzTexts().value(satellite.Tone22kHz);
    texts[scNumber] = QString::number(satellite.SatelliteNumber);
    texts[scTransponders] = QString::number(satellite.NumTransponders);
    return texts;
}
