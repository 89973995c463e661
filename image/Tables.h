#pragma once

#include "image/Layout.h"
#include "image/Records.h"

#include <array>

namespace image {

/// A fixed-capacity, 1-based table. Every access is checked: an index read from a damaged file can
/// never reach memory outside the table (it raises the list index error instead).
template <typename T, int N> class Table {
public:
    static constexpr int Capacity = N;

    T& operator[](int index) {
        check(index);
        return m_items[static_cast<std::size_t>(index - 1)];
    }
    const T& operator[](int index) const {
        check(index);
        return m_items[static_cast<std::size_t>(index - 1)];
    }
    /// True when index names a slot of the table (1..N).
    static constexpr bool inRange(int index) { return index >= 1 && index <= N; }
    void clear() { m_items.fill(T{}); }
    bool operator==(const Table&) const = default;

private:
    static void check(int index);
    std::array<T, N> m_items{};
};

[[noreturn]] void throwTableIndexError(int index);

template <typename T, int N> void Table<T, N>::check(int index) {
    if (!inRange(index))
        throwTableIndexError(index);
}

/// The receiver's settings as the program holds them: every table and counter of the image.
struct SettingsImage {
    Table<TImageHeaderBlock, layout::kHeaderBlockCount> HeaderBlocks;
    TChannelCounts ImageCounts;
    Table<TSatelliteRecord, layout::kMaxSatellitesInMemory> Satellites;
    Table<Byte, layout::kMaxSatellitesInMemory> SatelliteUsed;
    Table<TChannelRecord, layout::kMaxChannels> Channels;
    Table<TFavGroupRecord, layout::kFavGroupCount> FavGroups;
    Table<std::array<Byte, layout::kFavGroupRecordSize>, layout::kFavGroupCount> FavEntryMarks;
    Table<TTransponderRecord, layout::kMaxTransponders> Transponders;
    Table<Byte, layout::kMaxTransponders> TransponderUsed;
    Table<TProviderRecord, layout::kMaxProvidersInMemory> Providers;

    int SatelliteCount = 0;
    int ChannelCount = 0;
    int TvCount = 0;
    int RadioCount = 0;
    int TransponderCount = 0;
    int ProviderCount = 0;
    int FavGroupCount = 0;

    /// Empties every table and counter, as at program start.
    void clear();
};

/// The one set of tables the whole program reads and edits in place.
SettingsImage& Image();

} // namespace image
