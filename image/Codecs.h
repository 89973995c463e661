#pragma once

#include "image/Records.h"

#include <cstddef>
#include <span>

// Byte codecs of the records: little-endian, field by field, in file order.
namespace image {

void decode(std::span<const Byte, 16> in, TImageHeaderBlock& out);
void decode(std::span<const Byte, 12> in, TChannelCounts& out);
void decode(std::span<const Byte, 48> in, TSatelliteRecord& out);
void decode(std::span<const Byte, 32> in, TChannelRecord& out);
void decode(std::span<const Byte, 820> in, TFavGroupRecord& out);
void decode(std::span<const Byte, 16> in, TTransponderRecord& out);
void decode(std::span<const Byte, 16> in, TProviderRecord& out);

void encode(const TImageHeaderBlock& in, std::span<Byte, 16> out);
void encode(const TChannelCounts& in, std::span<Byte, 12> out);
void encode(const TSatelliteRecord& in, std::span<Byte, 48> out);
void encode(const TChannelRecord& in, std::span<Byte, 32> out);
void encode(const TFavGroupRecord& in, std::span<Byte, 820> out);
void encode(const TTransponderRecord& in, std::span<Byte, 16> out);
void encode(const TProviderRecord& in, std::span<Byte, 16> out);

} // namespace image
