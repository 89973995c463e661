#include "image/Tables.h"

#include "platform/Exceptions.h"

#include <memory>

namespace image {

void throwTableIndexError(int index) { platform::throwListIndexError(index); }

void SettingsImage::clear() {
    HeaderBlocks.clear();
    ImageCounts = {};
    Satellites.clear();
    SatelliteUsed.clear();
    Channels.clear();
    FavGroups.clear();
    FavEntryMarks.clear();
    Transponders.clear();
    TransponderUsed.clear();
    Providers.clear();
    SatelliteCount = ChannelCount = TvCount = RadioCount = 0;
    TransponderCount = ProviderCount = FavGroupCount = 0;
}

SettingsImage& Image() {
    // On the heap: the tables are about 1 MB.
    static const std::unique_ptr<SettingsImage> instance = std::make_unique<SettingsImage>();
    return *instance;
}

} // namespace image
