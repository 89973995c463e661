// The listing import on a satellite page of 300 transponders (about 1 MB) and on one ten times as
// large: the scan of the whole page, and the channel list of every transponder row. Both must grow
// linearly with the page.
#include "../tests/support/ListingPages.h"
#include "import/ChannelRows.h"
#include "import/SatellitePage.h"

#include <benchmark/benchmark.h>

namespace {

const QString& pageText(int factor) {
    static QHash<int, QString> pages;
    if (!pages.contains(factor))
        pages.insert(factor, listingpages::largePage(300 * factor));
    return pages[factor];
}

void BM_ScanSatellitePage(benchmark::State& state) {
    const QString& text = pageText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const webimport::ListingPage page(text);
        const webimport::SatellitePageScan scan = webimport::ScanSatellitePage(page, true);
        benchmark::DoNotOptimize(scan.rows.size());
    }
    state.SetBytesProcessed(state.iterations() * text.size());
    state.counters["transponders"] = 300.0 * static_cast<double>(state.range(0));
}
BENCHMARK(BM_ScanSatellitePage)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// Every row's channel list, as selecting each transponder in turn would parse it.
void BM_ChannelRowsOfEveryTransponder(benchmark::State& state) {
    const webimport::ListingPage page(pageText(static_cast<int>(state.range(0))));
    const QList<webimport::TransponderRow> rows = webimport::ScanSatellitePage(page, false).rows;
    qsizetype channels = 0;
    for (auto _ : state) {
        channels = 0;
        for (const webimport::TransponderRow& row : rows)
            channels += webimport::ParseChannelRows(page, row, false).rows.size();
        benchmark::DoNotOptimize(channels);
    }
    state.counters["rows"] = static_cast<double>(rows.size());
    state.counters["channels"] = static_cast<double>(channels);
    state.counters["per_row"] =
        benchmark::Counter(static_cast<double>(rows.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ChannelRowsOfEveryTransponder)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
