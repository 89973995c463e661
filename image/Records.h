#pragma once

#include <array>
#include <cstdint>

namespace image {

using Byte = std::uint8_t;
using Name16 = std::array<Byte, 16>;

/// PID value meaning "no such PID".
constexpr std::uint16_t kNoPid = 0x7FFF;

/// References beyond every satellite slot and provider block: they name no record, also after a save
/// and a reload.
constexpr Byte kNoSatellite = 0xFF;
constexpr std::uint16_t kNoProvider = 0xFFFF;

/// 16 opaque bytes of the header area, written back unchanged.
struct TImageHeaderBlock {
    std::array<Byte, 16> Bytes{};
    bool operator==(const TImageHeaderBlock&) const = default;
};

/// The 12-byte counts record.
struct TChannelCounts {
    Byte NumSatellites = 0;         // shown in the satellite counter, written back as read
    Byte Reserved1 = 0;             // kept
    std::uint16_t NumChannels = 0;  // TV and radio channels
    std::uint16_t NumTvChannels = 0; // channels 1..NumTvChannels are TV
    std::array<Byte, 6> Reserved6{}; // kept
    bool operator==(const TChannelCounts&) const = default;
};

/// The 48-byte satellite record, one per satellite slot.
struct TSatelliteRecord {
    Byte SatelliteNumber = 0;        // 0-based place; 0 in a later slot marks it empty
    Byte Reserved1 = 0;              // kept
    std::uint16_t OrbitalPosition = 0; // tenths of a degree
    Name16 SatelliteName{};          // zero-padded
    Byte NumTransponders = 0;        // transponder records of this satellite
    Byte Reserved21 = 0;             // kept
    Byte Tone22kHz = 0;              // 0 AUTO, 1 ON, 2 OFF
    std::array<Byte, 3> Reserved23{}; // kept
    std::uint16_t LofLow = 0;        // LNB low band, MHz
    std::uint16_t LofHigh = 0;       // LNB high band, MHz
    std::array<Byte, 2> Reserved30{}; // kept
    Byte DiseqcMode = 0;             // 0 OFF, 1..4 A..D, 5/6 Toneburst A/B
    Byte Reserved33 = 0;             // kept
    Byte Diseqc12 = 0;               // 1 = DiSEqC 1.2 on
    Byte Reserved35 = 0;             // kept
    Byte Positioner = 0;             // positioner number
    std::array<Byte, 3> Reserved37{}; // kept
    Byte Diseqc11Port = 0;           // 0 OFF, else port 1..16
    std::array<Byte, 3> Reserved41{}; // kept
    Byte EastWest = 0;               // 0x45 'E' east, anything else west
    std::array<Byte, 3> Reserved45{}; // kept
    bool operator==(const TSatelliteRecord&) const = default;
};

/// The 32-byte channel record.
struct TChannelRecord {
    std::uint16_t ServiceId = 0;
    std::uint16_t ProviderIndex = 0;    // 0-based into Providers
    std::uint16_t TransponderIndex = 0; // 0-based into Transponders
    std::uint16_t VideoPid = kNoPid;
    std::uint16_t AudioPid = kNoPid;
    std::uint16_t PcrPid = kNoPid;
    Byte Reserved12 = 0;  // kept
    Byte TunerFlags = 0;  // bit 7 = tuner 2; other bits kept
    Byte ServiceType = 0; // bit 0 scrambled, bit 2 "S" mark, bit 3 HD
    Byte Reserved15 = 0;  // kept
    Name16 ServiceName{}; // first byte < 27 is a code-table selector
    bool operator==(const TChannelRecord&) const = default;
};

/// The 820-byte favourite group record.
struct TFavGroupRecord {
    Name16 GroupName{};
    std::array<std::uint16_t, 400> Entries{}; // channel number - 1, in group order
    Byte NumMembersCopy = 0; // second copy of the member count
    Byte Reserved817 = 0;    // kept
    Byte NumMembers = 0;     // the count every reader uses; at most 255
    Byte Reserved819 = 0;    // kept
    bool operator==(const TFavGroupRecord&) const = default;
};

/// The 16-byte transponder record.
struct TTransponderRecord {
    Byte SatelliteIndex = 0; // 0-based into Satellites
    Byte Reserved1 = 0;      // kept
    Byte Polarisation = 0;   // 0 H, 1 V, 2 L, 3 R
    Byte DvbType = 0;        // 0 DVB-S, 1 DVB-S2 (also read as the FEC code)
    std::uint16_t Tid = 0;
    std::uint16_t Reserved6 = 0; // kept
    std::uint16_t Onid = 0;
    std::uint16_t Frequency = 0;  // MHz
    std::uint16_t SymbolRate = 0; // kS/s
    std::uint16_t Reserved14 = 0; // kept
    bool operator==(const TTransponderRecord&) const = default;
};

/// The 16-byte provider name record.
struct TProviderRecord {
    Name16 ProviderLabel{};
    bool operator==(const TProviderRecord&) const = default;
};

} // namespace image
