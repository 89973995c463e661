#include "image/Codecs.h"

#include <algorithm>

namespace image {

namespace {

// Reads fields one after the other from a record's bytes.
class FieldReader {
public:
    explicit FieldReader(std::span<const Byte> bytes) : m_bytes(bytes) {}
    Byte u8() { return m_bytes[m_pos++]; }
    std::uint16_t u16() {
        const std::uint16_t v = static_cast<std::uint16_t>(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
        m_pos += 2;
        return v;
    }
    template <std::size_t N> void bytes(std::array<Byte, N>& out) {
        std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos), N, out.begin());
        m_pos += N;
    }

private:
    std::span<const Byte> m_bytes;
    std::size_t m_pos = 0;
};

// Writes fields one after the other into a record's bytes.
class FieldWriter {
public:
    explicit FieldWriter(std::span<Byte> bytes) : m_bytes(bytes) {}
    void u8(Byte v) { m_bytes[m_pos++] = v; }
    void u16(std::uint16_t v) {
        m_bytes[m_pos++] = static_cast<Byte>(v & 0xFF);
        m_bytes[m_pos++] = static_cast<Byte>(v >> 8);
    }
    template <std::size_t N> void bytes(const std::array<Byte, N>& in) {
        std::copy_n(in.begin(), N, m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos));
        m_pos += N;
    }

private:
    std::span<Byte> m_bytes;
    std::size_t m_pos = 0;
};

} // namespace

void decode(std::span<const Byte, 16> in, TImageHeaderBlock& out) { FieldReader(in).bytes(out.Bytes); }

void encode(const TImageHeaderBlock& in, std::span<Byte, 16> out) { FieldWriter(out).bytes(in.Bytes); }

void decode(std::span<const Byte, 12> in, TChannelCounts& out) {
    FieldReader r(in);
    out.NumSatellites = r.u8();
    out.Reserved1 = r.u8();
    out.NumChannels = r.u16();
    out.NumTvChannels = r.u16();
    r.bytes(out.Reserved6);
}

void encode(const TChannelCounts& in, std::span<Byte, 12> out) {
    FieldWriter w(out);
    w.u8(in.NumSatellites);
    w.u8(in.Reserved1);
    w.u16(in.NumChannels);
    w.u16(in.NumTvChannels);
    w.bytes(in.Reserved6);
}

void decode(std::span<const Byte, 48> in, TSatelliteRecord& out) {
    FieldReader r(in);
    out.SatelliteNumber = r.u8();
    out.Reserved1 = r.u8();
    out.OrbitalPosition = r.u16();
    r.bytes(out.SatelliteName);
    out.NumTransponders = r.u8();
    out.Reserved21 = r.u8();
    out.Tone22kHz = r.u8();
    r.bytes(out.Reserved23);
    out.LofLow = r.u16();
    out.LofHigh = r.u16();
    r.bytes(out.Reserved30);
    out.DiseqcMode = r.u8();
    out.Reserved33 = r.u8();
    out.Diseqc12 = r.u8();
    out.Reserved35 = r.u8();
    out.Positioner = r.u8();
    r.bytes(out.Reserved37);
    out.Diseqc11Port = r.u8();
    r.bytes(out.Reserved41);
    out.EastWest = r.u8();
    r.bytes(out.Reserved45);
}

void encode(const TSatelliteRecord& in, std::span<Byte, 48> out) {
    FieldWriter w(out);
    w.u8(in.SatelliteNumber);
    w.u8(in.Reserved1);
    w.u16(in.OrbitalPosition);
    w.bytes(in.SatelliteName);
    w.u8(in.NumTransponders);
    w.u8(in.Reserved21);
    w.u8(in.Tone22kHz);
    w.bytes(in.Reserved23);
    w.u16(in.LofLow);
    w.u16(in.LofHigh);
    w.bytes(in.Reserved30);
    w.u8(in.DiseqcMode);
    w.u8(in.Reserved33);
    w.u8(in.Diseqc12);
    w.u8(in.Reserved35);
    w.u8(in.Positioner);
    w.bytes(in.Reserved37);
    w.u8(in.Diseqc11Port);
    w.bytes(in.Reserved41);
    w.u8(in.EastWest);
    w.bytes(in.Reserved45);
}

void decode(std::span<const Byte, 32> in, TChannelRecord& out) {
    FieldReader r(in);
    out.ServiceId = r.u16();
    out.ProviderIndex = r.u16();
    out.TransponderIndex = r.u16();
    out.VideoPid = r.u16();
    out.AudioPid = r.u16();
    out.PcrPid = r.u16();
    out.Reserved12 = r.u8();
    out.TunerFlags = r.u8();
    out.ServiceType = r.u8();
    out.Reserved15 = r.u8();
    r.bytes(out.ServiceName);
}

void encode(const TChannelRecord& in, std::span<Byte, 32> out) {
    FieldWriter w(out);
    w.u16(in.ServiceId);
    w.u16(in.ProviderIndex);
    w.u16(in.TransponderIndex);
    w.u16(in.VideoPid);
    w.u16(in.AudioPid);
    w.u16(in.PcrPid);
    w.u8(in.Reserved12);
    w.u8(in.TunerFlags);
    w.u8(in.ServiceType);
    w.u8(in.Reserved15);
    w.bytes(in.ServiceName);
}

void decode(std::span<const Byte, 820> in, TFavGroupRecord& out) {
    FieldReader r(in);
    r.bytes(out.GroupName);
    for (auto& e : out.Entries)
        e = r.u16();
    out.NumMembersCopy = r.u8();
    out.Reserved817 = r.u8();
    out.NumMembers = r.u8();
    out.Reserved819 = r.u8();
}

void encode(const TFavGroupRecord& in, std::span<Byte, 820> out) {
    FieldWriter w(out);
    w.bytes(in.GroupName);
    for (auto e : in.Entries)
        w.u16(e);
    w.u8(in.NumMembersCopy);
    w.u8(in.Reserved817);
    w.u8(in.NumMembers);
    w.u8(in.Reserved819);
}

void decode(std::span<const Byte, 16> in, TTransponderRecord& out) {
    FieldReader r(in);
    out.SatelliteIndex = r.u8();
    out.Reserved1 = r.u8();
    out.Polarisation = r.u8();
    out.DvbType = r.u8();
    out.Tid = r.u16();
    out.Reserved6 = r.u16();
    out.Onid = r.u16();
    out.Frequency = r.u16();
    out.SymbolRate = r.u16();
    out.Reserved14 = r.u16();
}

void encode(const TTransponderRecord& in, std::span<Byte, 16> out) {
    FieldWriter w(out);
    w.u8(in.SatelliteIndex);
    w.u8(in.Reserved1);
    w.u8(in.Polarisation);
    w.u8(in.DvbType);
    w.u16(in.Tid);
    w.u16(in.Reserved6);
    w.u16(in.Onid);
    w.u16(in.Frequency);
    w.u16(in.SymbolRate);
    w.u16(in.Reserved14);
}

void decode(std::span<const Byte, 16> in, TProviderRecord& out) { FieldReader(in).bytes(out.ProviderLabel); }

void encode(const TProviderRecord& in, std::span<Byte, 16> out) { FieldWriter(out).bytes(in.ProviderLabel); }

} // namespace image
