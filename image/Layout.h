#pragma once

#include <cstdint>

// Where each table of the receiver's settings image stands in the file.
namespace image::layout {

constexpr std::int64_t kImageSize = 722992;

constexpr std::int64_t kHeaderOffset = 0x000000;
constexpr int kHeaderBlockCount = 661;
constexpr std::int64_t kCountsOffset = 0x002950;
constexpr std::int64_t kSatelliteOffset = 0x00295C;
constexpr int kSatelliteSlotCount = 154;
constexpr std::int64_t kSatelliteGapOffset = 0x00463C; // 2208 bytes, not interpreted
constexpr std::int64_t kChannelOffset = 0x004EDC;
constexpr std::int64_t kFavGroupOffset = 0x0A12DC;
constexpr int kFavGroupCount = 9;
constexpr std::int64_t kTransponderOffset = 0x0A2FB0;
constexpr int kTransponderReadLimit = 2645; // the load never reads past this record
constexpr std::int64_t kProviderOffset = 0x0AEB30;
constexpr int kProviderSlotCount = 463;
constexpr std::int64_t kTailOffset = 0x0B0820; // 16 bytes, not interpreted

constexpr int kHeaderBlockSize = 16;
constexpr int kCountsSize = 12;
constexpr int kSatelliteRecordSize = 48;
constexpr int kChannelRecordSize = 32;
constexpr int kFavGroupRecordSize = 820;
constexpr int kTransponderRecordSize = 16;
constexpr int kProviderRecordSize = 16;

// Capacities of the in-memory tables and of the file's regions.
constexpr int kMaxChannels = 20000;
constexpr int kMaxTransponders = 3000;
constexpr int kMaxProvidersInMemory = 500;
constexpr int kMaxSatellitesInMemory = 160;
constexpr int kMaxFavEntries = 400;
constexpr int kMaxFavMembers = 255;

static_assert(kHeaderOffset + kHeaderBlockCount * kHeaderBlockSize == kCountsOffset);
static_assert(kCountsOffset + kCountsSize == kSatelliteOffset);
static_assert(kSatelliteOffset + kSatelliteSlotCount * kSatelliteRecordSize == kSatelliteGapOffset);
static_assert(kSatelliteGapOffset + 2208 == kChannelOffset);
static_assert(kChannelOffset + kMaxChannels * kChannelRecordSize == kFavGroupOffset);
static_assert(kFavGroupOffset + kFavGroupCount * kFavGroupRecordSize == kTransponderOffset);
static_assert(kTransponderOffset + kMaxTransponders * kTransponderRecordSize == kProviderOffset);
static_assert(kProviderOffset + kProviderSlotCount * kProviderRecordSize == kTailOffset);
static_assert(kTailOffset + 16 == kImageSize);
static_assert(kTransponderOffset + kTransponderReadLimit * kTransponderRecordSize == 0x0AD500);

} // namespace image::layout
