#include "image/Fields.h"

#include "platform/Cp1252.h"

namespace image {

using platform::cp1252ToChar;

QString ProviderName(const Name16& record, int n) {
    QString text;
    for (int i = 0; i < n && i < 16; ++i) {
        if (record[static_cast<std::size_t>(i)] >= 32)
            text.append(cp1252ToChar(record[static_cast<std::size_t>(i)]));
    }
    return text;
}

bool IsEmptyRecord(const std::array<Byte, 16>& record) {
    for (Byte b : record) {
        if (b != 0)
            return false;
    }
    return true;
}

QString ChannelTuner(const TChannelRecord& channel) {
    return (channel.TunerFlags & 0x80) ? QStringLiteral("2") : QStringLiteral("1");
}

QString ChannelName(const TChannelRecord& channel) {
    QString text;
    // A first byte below 27 selects a code table; it is no character of the name.
    if (channel.ServiceName[0] >= 27)
        text.append(cp1252ToChar(channel.ServiceName[0]));
    for (std::size_t i = 1; i < 15; ++i) {
        if (channel.ServiceName[i] == 0)
            break;
        text.append(cp1252ToChar(channel.ServiceName[i]));
    }
    return text;
}

int ChannelServiceId(const TChannelRecord& channel) { return channel.ServiceId; }

namespace {
QString pidText(std::uint16_t pid) { return pid == kNoPid ? QString() : QString::number(pid); }
} // namespace

QString ChannelVideoPid(const TChannelRecord& channel) { return pidText(channel.VideoPid); }
QString ChannelAudioPid(const TChannelRecord& channel) { return pidText(channel.AudioPid); }
QString ChannelPcrPid(const TChannelRecord& channel) { return pidText(channel.PcrPid); }

int ChannelTransponder(const TChannelRecord& channel) { return channel.TransponderIndex + 1; }

int TransponderSatellite(const TTransponderRecord& transponder) { return transponder.SatelliteIndex; }

int TransponderFrequency(const SettingsImage& img, int t) {
    return img.Transponders.inRange(t) ? img.Transponders[t].Frequency : 0;
}

QString TransponderPolLetter(const SettingsImage& img, int t) {
    if (!img.Transponders.inRange(t))
        return QStringLiteral("?");
    switch (img.Transponders[t].Polarisation) {
    case 0:
        return QStringLiteral("H");
    case 1:
        return QStringLiteral("V");
    case 2:
        return QStringLiteral("L");
    case 3:
        return QStringLiteral("R");
    default:
        return QStringLiteral("?");
    }
}

QString TransponderText(const TTransponderRecord& transponder) {
    static const char* const pol[] = {" H", " V", " L", " R"};
    static const char* const dvb[] = {" S", " S2"};
    QString text = QString::number(transponder.Frequency);
    if (transponder.Polarisation < 4)
        text += QLatin1String(pol[transponder.Polarisation]);
    if (transponder.DvbType < 2)
        text += QLatin1String(dvb[transponder.DvbType]);
    text += QLatin1Char(' ') + QString::number(transponder.SymbolRate);
    return text;
}

namespace {
QString nameUpToZero(const Name16& field, Byte lowestShown) {
    QString text;
    for (Byte b : field) {
        if (b == 0)
            break;
        if (b >= lowestShown)
            text.append(cp1252ToChar(b));
    }
    return text;
}
} // namespace

QString SatelliteDisplayName(const TSatelliteRecord& satellite) { return nameUpToZero(satellite.SatelliteName, 32); }

QString FavGroupDisplayName(const TFavGroupRecord& group) { return nameUpToZero(group.GroupName, 26); }

void StoreName(Name16& field, const QString& text) {
    field.fill(0);
    for (qsizetype i = 0; i < text.size() && i < 16; ++i)
        field[static_cast<std::size_t>(i)] = platform::charToCp1252(text.at(i));
}

bool StoresAsEmptyName(const QString& text) {
    Name16 field;
    StoreName(field, text);
    return IsEmptyRecord(field);
}

void StoreFavGroupName(Name16& field, const QString& text) {
    StoreName(field, text);
    for (qsizetype i = 0; i < text.size() && i < 16; ++i) {
        if (text.at(i).unicode() <= 25)
            field[static_cast<std::size_t>(i)] = 0;
    }
}

QString ServiceTypeSuffix(Byte serviceType) {
    switch (serviceType) {
    case 0x11:
        return QStringLiteral(" S");
    case 0x12:
        return QStringLiteral(" SCPC");
    case 0x18:
        return QStringLiteral(" HD");
    case 0x19:
        return QStringLiteral(" HD S");
    default:
        return {};
    }
}

} // namespace image
