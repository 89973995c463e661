#include "image/TransponderTable.h"

#include "image/Layout.h"

#include <algorithm>
#include <numeric>

namespace image {

namespace {

// The satellite index after which a satellite index 0 ends the table when it is read.
constexpr int kLastSlotIndex = layout::kSatelliteSlotCount - 1;

bool allZero(const TTransponderRecord& record) {
    return record == TTransponderRecord{};
}

} // namespace

QString TransponderTableProblem(const SettingsImage& img) {
    if (img.TransponderCount > layout::kTransponderReadLimit)
        return QStringLiteral("Es gibt %1 Transponder; beim Laden werden nur die ersten %2 gelesen.")
            .arg(img.TransponderCount)
            .arg(layout::kTransponderReadLimit);
    for (int t = 1; t <= img.TransponderCount; ++t) {
        if (allZero(img.Transponders[t]))
            return QStringLiteral("Transponder %1 besteht nur aus Nullbytes; beim Laden endet die "
                                  "Transponderliste dort.")
                .arg(t);
        if (t > 1 && img.Transponders[t].SatelliteIndex == 0 &&
            img.Transponders[t - 1].SatelliteIndex == kLastSlotIndex)
            return QStringLiteral(
                       "Transponder %1 gehört zum ersten Satelliten und folgt auf einen Transponder "
                       "des Satelliten %2; beim Laden endet die Transponderliste dort.")
                .arg(t)
                .arg(kLastSlotIndex + 1);
    }
    return {};
}

void ReorderTransponders(const std::vector<int>& order, SettingsImage& img) {
    const int n = img.TransponderCount;
    std::vector<TTransponderRecord> records(static_cast<std::size_t>(n));
    std::vector<Byte> used(static_cast<std::size_t>(n));
    std::vector<int> newIndex(static_cast<std::size_t>(n)); // by old 0-based index
    for (int i = 0; i < n; ++i) {
        const int old = order[static_cast<std::size_t>(i)];
        records[static_cast<std::size_t>(i)] = img.Transponders[old];
        used[static_cast<std::size_t>(i)] = img.TransponderUsed[old];
        newIndex[static_cast<std::size_t>(old - 1)] = i;
    }
    for (int i = 0; i < n; ++i) {
        img.Transponders[i + 1] = records[static_cast<std::size_t>(i)];
        img.TransponderUsed[i + 1] = used[static_cast<std::size_t>(i)];
    }
    // A channel that names no transponder keeps naming none.
    for (int c = 1; c <= img.ChannelCount; ++c) {
        auto& index = img.Channels[c].TransponderIndex;
        if (index < n)
            index = static_cast<std::uint16_t>(newIndex[index]);
    }
}

bool OrderTranspondersBySatellite(SettingsImage& img) {
    std::vector<int> order(static_cast<std::size_t>(img.TransponderCount));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&img](int a, int b) {
        return img.Transponders[a].SatelliteIndex < img.Transponders[b].SatelliteIndex;
    });
    if (std::is_sorted(order.begin(), order.end()))
        return false;
    ReorderTransponders(order, img);
    return true;
}

int TransponderInsertPosition(int s, int frequency, const SettingsImage& img) {
    for (int i = 1; i <= img.TransponderCount; ++i) {
        const TTransponderRecord& t = img.Transponders[i];
        if ((t.SatelliteIndex == s && t.Frequency > frequency) || t.SatelliteIndex > s)
            return i;
    }
    return img.TransponderCount + 1;
}

QString transponderInsertionMessage(TransponderInsertion result) {
    switch (result) {
    case TransponderInsertion::Inserted:
        return {};
    case TransponderInsertion::NoSatellite:
        return QStringLiteral("Bitte einen Satelliten für den neuen Transponder wählen.");
    case TransponderInsertion::TableFull:
        return QStringLiteral("Zuviele Transponder ! ");
    case TransponderInsertion::SatelliteFull:
        return QStringLiteral("Der Satellit hat schon 255 Transponder; mehr kann die Datei für einen "
                              "Satelliten nicht zählen.");
    case TransponderInsertion::AllZero:
        return allZeroTransponderMessage();
    }
    return {};
}

QString allZeroTransponderMessage() {
    return QStringLiteral("Ein Transponder, dessen Werte alle 0 sind, beendet beim Laden die "
                          "Transponderliste. Bitte Frequenz oder Symbolrate eingeben.");
}

TransponderInsertion InsertTransponder(const TTransponderRecord& record, SettingsImage& img, int* position) {
    const int s = record.SatelliteIndex;
    if (s >= img.SatelliteCount)
        return TransponderInsertion::NoSatellite;
    if (img.TransponderCount >= layout::kTransponderReadLimit)
        return TransponderInsertion::TableFull;
    TSatelliteRecord& satellite = img.Satellites[s + 1];
    if (satellite.NumTransponders >= 255)
        return TransponderInsertion::SatelliteFull;
    if (allZero(record))
        return TransponderInsertion::AllZero;

    const int p = TransponderInsertPosition(s, record.Frequency, img);
    for (int k = img.TransponderCount; k >= p; --k) {
        img.Transponders[k + 1] = img.Transponders[k];
        img.TransponderUsed[k + 1] = img.TransponderUsed[k];
    }
    img.Transponders[p] = record;
    img.TransponderUsed[p] = 0;
    ++img.TransponderCount;
    ++satellite.NumTransponders;
    // 0xFFFF names no transponder and must not wrap round to the first one.
    for (int c = 1; c <= img.ChannelCount; ++c) {
        auto& index = img.Channels[c].TransponderIndex;
        if (index >= p - 1 && index < 0xFFFF)
            ++index;
    }
    if (position)
        *position = p;
    return TransponderInsertion::Inserted;
}

} // namespace image
