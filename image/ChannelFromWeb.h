#pragma once

#include "image/Records.h"
#include "image/Tables.h"

#include <QString>
#include <optional>
#include <vector>

// Channel records made from the channel rows of the listing site, and their insertion at the end of the
// TV or radio part. Everything is checked before the first record goes in, so a refusal changes nothing.
namespace image {

/// The values of one channel row of the web transponder's channel list.
struct WebChannelRow {
    bool ticked = false;
    QString cr;        // CA codes; empty for a free channel
    QString serviceId; // decimal text
    QString name;      // "Sendername", any length
    QString tvR;       // "TV" or "R"
    QString hd;        // "ja" or empty
};

/// The service ID of a row: decimal digits only, 0 to 65535 (70000 is no ID, not 70000 - 65536).
std::optional<std::uint16_t> WebServiceId(const QString& text);

/// 0x10, plus 0x01 for CA codes, plus 0x08 when the row or its transponder is HD.
Byte WebServiceType(const WebChannelRow& row, bool transponderHd);

/// The 32-byte record of a row on transponder matched (1-based) with provider providerIndex (0-based):
/// no PIDs, first 16 characters of the name as Windows-1252 bytes. nullopt when the service ID is no
/// number of 0..65535 or an index names no record of img.
std::optional<TChannelRecord> ChannelFromWebRow(const WebChannelRow& row, int providerIndex, int matched,
                                                bool transponderHd, const SettingsImage& img);

/// Checks every ticked row before anything is asked or changed: at least one ticked, each with a valid
/// service ID and "TV" or "R", and room in the channel table for all. Empty when all is well, else one
/// message that names the first bad row.
QString CheckWebChannelRows(const std::vector<WebChannelRow>& rows, const SettingsImage& img);

/// Outcome of an insertion: how many records went in, or why none did.
struct WebChannelInsertion {
    int inserted = 0;
    QString error; // empty when every ticked row went in
};

/// Inserts every ticked row, top to bottom: TV rows behind the last TV channel, radio rows behind the
/// last radio channel. The channel view is rebuilt once, after the last row. Refused as a whole (nothing
/// changes) when a row fails CheckWebChannelRows or an index names no record.
WebChannelInsertion InsertWebChannels(const std::vector<WebChannelRow>& rows, int providerIndex, int matched,
                                      bool transponderHd, SettingsImage& img = Image());

/// The provider choice's "Neu": appends a provider record holding the first 16 characters of name as
/// Windows-1252 bytes and answers its 0-based index; the provider list must show ProviderName of the
/// record, not the longer text. Refused (nullopt, nothing changes) for a name that stores as 16 zero
/// bytes (empty, or NUL characters only) and when all 463
/// provider blocks of the image are in use (a 464th would not fit into the file).
std::optional<int> AddProvider(const QString& name, SettingsImage& img = Image());

/// Shown when "Neu" finds every provider block in use.
QString providerTableFullMessage();

/// "1 Channel eingefügt." or "<n> Channels eingefügt."
QString ChannelsInsertedMessage(int count);

} // namespace image
