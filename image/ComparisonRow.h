#pragma once

#include "image/Tables.h"

#include <QString>
#include <array>
#include <vector>

// What the comparison list shows of the image's channels on a found transponder.
namespace image {

/// The values of one comparison row, column by column.
struct ComparisonRow {
    QString channel;   // channel name
    QString sat;       // "13°E", "19,2°E"; empty when the channel's transponder or satellite is missing
    int frequency = 0; // of the channel's transponder; 0 when it is missing
    QString pol;       // "H", "V", "L", "R"; "?" when the transponder is missing
    QString type;      // "TV" or "R", then " S", " SCPC", " HD" or " HD S"
    QString tuner;     // "1" or "2"
    QString serviceId; // decimal
    QString videoPid;  // empty for none
    QString audioPid;
    QString pcrPid;
    int transponder = 0;       // TransponderIndex + 1
    int number = 0;            // 1-based channel number
    int provider = 0;          // ProviderIndex
    std::array<bool, 9> fav{}; // member of favourite group 1 to 9
    bool sMark = false;        // bit 2 of ServiceType
};

/// The 1-based numbers of the channels on transponder t (1-based), in table order.
std::vector<int> ChannelsOnTransponder(const SettingsImage& img, int t);

/// The row of channel c (1-based; must name a channel).
ComparisonRow MakeComparisonRow(const SettingsImage& img, int c);

} // namespace image
