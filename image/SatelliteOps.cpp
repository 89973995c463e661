#include "image/SatelliteOps.h"

#include "image/TableOps.h"
#include "image/TransponderTable.h"

#include <vector>

namespace image {

bool MoveSatellite(int from, int to, SettingsImage& img) {
    const int n = img.SatelliteCount;
    if (from == to || from < 0 || to < 0 || from >= n || to >= n)
        return false;

    // The new 0-based place of every satellite: the dragged one goes to `to`, those between shift by one.
    std::vector<int> place(static_cast<std::size_t>(n));
    for (int s = 0; s < n; ++s) {
        int p = s;
        if (s == from)
            p = to;
        else if (to < from && s >= to && s < from)
            p = s + 1;
        else if (to > from && s > from && s <= to)
            p = s - 1;
        place[static_cast<std::size_t>(s)] = p;
    }

    std::vector<TSatelliteRecord> records(static_cast<std::size_t>(n));
    std::vector<Byte> used(static_cast<std::size_t>(n));
    for (int s = 0; s < n; ++s) {
        const auto p = static_cast<std::size_t>(place[static_cast<std::size_t>(s)]);
        records[p] = img.Satellites[s + 1];
        used[p] = img.SatelliteUsed[s + 1];
        if (static_cast<int>(p) != s)
            records[p].SatelliteNumber = static_cast<Byte>(p);
    }
    for (int s = 0; s < n; ++s) {
        img.Satellites[s + 1] = records[static_cast<std::size_t>(s)];
        img.SatelliteUsed[s + 1] = used[static_cast<std::size_t>(s)];
    }

    // A transponder that names no satellite keeps its index.
    for (int t = 1; t <= img.TransponderCount; ++t) {
        Byte& index = img.Transponders[t].SatelliteIndex;
        if (index < n)
            index = static_cast<Byte>(place[index]);
    }
    OrderTranspondersBySatellite(img);
    return true;
}

namespace {

/// The 0-based index of the last transponder of satellite s, -1 when it has none.
int lastTransponderOf(int s, const SettingsImage& img) {
    for (int t = img.TransponderCount; t >= 1; --t) {
        if (img.Transponders[t].SatelliteIndex == s)
            return t - 1;
    }
    return -1;
}

} // namespace

int DeleteSatellite(int s, SettingsImage& img) {
    const int n = img.SatelliteCount;
    // An image always holds a satellite: the reader takes the first slot as one whatever it holds.
    if (s < 0 || s >= n || n == 1)
        return -1;

    // One at a time from the end: DeleteTransponder may reorder the table to keep it loadable, so the
    // next one is looked up afresh. Transponders of s anywhere in the table go, not only its first run.
    int deleted = 0;
    for (int t = lastTransponderOf(s, img); t >= 0; t = lastTransponderOf(s, img)) {
        DeleteTransponder(t, img);
        ++deleted;
    }

    for (int t = 1; t <= img.TransponderCount; ++t) {
        Byte& index = img.Transponders[t].SatelliteIndex;
        if (index > s && index < n)
            --index;
    }
    for (int k = s + 1; k < n; ++k) {
        img.Satellites[k] = img.Satellites[k + 1];
        img.Satellites[k].SatelliteNumber = static_cast<Byte>(k - 1);
        img.SatelliteUsed[k] = img.SatelliteUsed[k + 1];
    }
    img.Satellites[n] = TSatelliteRecord{};
    img.SatelliteUsed[n] = 0;
    img.SatelliteCount = n - 1;
    if (img.ImageCounts.NumSatellites == n)
        img.ImageCounts.NumSatellites = static_cast<Byte>(n - 1);
    if (!TransponderTableProblem(img).isEmpty())
        OrderTranspondersBySatellite(img);
    return deleted;
}

} // namespace image
