#pragma once

#include "image/Records.h"
#include "image/Tables.h"

#include <QString>

// Field decoders: how the record fields read as text. None of them changes anything.
namespace image {

/// Every byte of the first n that is 32 or more (zero bytes are skipped, not an end).
QString ProviderName(const Name16& record, int n = 16);

/// True when all 16 bytes are zero.
bool IsEmptyRecord(const std::array<Byte, 16>& record);

/// "2" when bit 7 of TunerFlags is set, else "1".
QString ChannelTuner(const TChannelRecord& channel);

/// Byte 16 only when it is 27 or more, then bytes 17..30 up to the first zero; byte 31 never.
QString ChannelName(const TChannelRecord& channel);

int ChannelServiceId(const TChannelRecord& channel);
/// The PID in decimal, or the empty text for 0x7FFF.
QString ChannelVideoPid(const TChannelRecord& channel);
QString ChannelAudioPid(const TChannelRecord& channel);
QString ChannelPcrPid(const TChannelRecord& channel);

/// TransponderIndex + 1.
int ChannelTransponder(const TChannelRecord& channel);

/// SatelliteIndex (0-based).
int TransponderSatellite(const TTransponderRecord& transponder);

/// Frequency of transponder t (1-based) of the image; 0 when t names no transponder.
int TransponderFrequency(const SettingsImage& img, int t);

/// "H", "V", "L", "R" for polarisation 0..3, "?" otherwise (also when t names no transponder).
QString TransponderPolLetter(const SettingsImage& img, int t);

/// "11836 H S 27500": frequency, polarisation, DVB type and symbol rate.
QString TransponderText(const TTransponderRecord& transponder);

/// Satellite name: bytes up to the first zero, leaving out every byte below 32.
QString SatelliteDisplayName(const TSatelliteRecord& satellite);

/// Favourite group name: bytes up to the first zero, leaving out every byte of 25 or below.
QString FavGroupDisplayName(const TFavGroupRecord& group);

/// Stores text one byte per character (Windows-1252) from the first byte on, at most 16, zero-filled.
void StoreName(Name16& field, const QString& text);

/// True when StoreName would write 16 zero bytes: an empty text, or one of NUL characters only.
bool StoresAsEmptyName(const QString& text);

/// Stores a favourite group name: characters with codes of 25 or below become 0 bytes.
void StoreFavGroupName(Name16& field, const QString& text);

/// The type text suffix of a ServiceType (" S", " SCPC", " HD", " HD S" or none).
QString ServiceTypeSuffix(Byte serviceType);

} // namespace image
