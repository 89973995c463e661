#pragma once

#include "image/Records.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

/// Builds 722992-byte settings images from records, as a receiver would write them.
/// Header blocks and reserved bytes carry a pattern so that a round trip shows every lost byte.
struct ImageFixture {
    /// Satellite slots in file order; a slot with SatelliteNumber 0 after the first is an empty slot.
    std::vector<image::TSatelliteRecord> satelliteSlots;
    std::vector<image::TChannelRecord> channels;
    int tvCount = 0;
    std::vector<image::TFavGroupRecord> favGroups; // up to 9; the rest stay zero
    /// Transponder records as they stand in the file; nothing is appended after them.
    std::vector<image::TTransponderRecord> transponders;
    /// Provider blocks in file order; nullopt is an all-zero block.
    std::vector<std::optional<image::TProviderRecord>> providerBlocks;
    /// Written instead of the counts derived from channels and tvCount.
    std::optional<image::TChannelCounts> countsOverride;
    /// Fills the header area with a pattern (else zeros).
    bool patternedHeader = true;
    /// Fills the regions that are not interpreted (gap, tail, unused records) with 0xEE.
    bool dirtyUnusedRegions = false;

    QByteArray build() const;
    /// Writes build() to path; returns false on failure.
    bool writeTo(const QString& path) const;

    static image::TSatelliteRecord satellite(int number, const QString& name, int orbitalPosition);
    static image::TChannelRecord channel(const QString& name, int transponderIndex, int providerIndex,
                                         int serviceId = 100);
    static image::TTransponderRecord transponder(int satelliteIndex, int frequency, int polarisation = 0,
                                                 int symbolRate = 27500);
    static image::TProviderRecord provider(const QString& name);
    static image::TFavGroupRecord favGroup(const QString& name, const std::vector<int>& channelIndexes);

    /// A typical image: 3 satellites, 6 transponders, 10 channels (7 TV), 3 providers, 9 groups.
    static ImageFixture typical();
    /// The channel list's image: satellites "Ost" (19,2 E) and "West" (5,0 W) with two transponders each,
    /// providers "A", "B", "C", eight TV then four radio channels (service IDs 100..111) of mixed types,
    /// tuners, transponders and providers, and no groups.
    static ImageFixture mixedChannels();
    /// The largest image: 20000 channels, 2645 transponders, 463 providers, 154 satellites.
    static ImageFixture full();
};

namespace image {
struct SettingsImage;
struct ImageError;
} // namespace image

using ImagePtr = std::unique_ptr<image::SettingsImage>;

/// The fixture's image as the editor loads it; a fixture that does not load ends the test run.
ImagePtr loadFixture(const ImageFixture& fixture);
/// The image's file bytes; an image that does not serialise ends the test run.
QByteArray imageBytes(const image::SettingsImage& img);
/// The entries of favourite group g (0-based) as the record lists them.
QList<int> groupEntries(const image::SettingsImage& img, int g);
/// The service IDs of the channels in table order.
QList<int> serviceIds(const image::SettingsImage& img);
/// Writes the image over a file that holds "old"; left receives what the file holds afterwards.
image::ImageError writeOverOldFile(const image::SettingsImage& img, QByteArray& left);
