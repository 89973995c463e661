// Finding a web transponder in a full image, listing its channels for comparison, and inserting a
// full page of ticked channel rows.
#include "../tests/support/ImageFixture.h"
#include "image/ChannelFromWeb.h"
#include "image/ComparisonRow.h"
#include "image/ImageFile.h"
#include "image/TableOps.h"
#include "image/TransponderMatch.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace image;

const SettingsImage& fullImage() {
    static const std::unique_ptr<SettingsImage> img = [] {
        auto out = std::make_unique<SettingsImage>();
        parseImage(ImageFixture::full().build(), *out);
        return out;
    }();
    return *img;
}

// The last transponder of the full image, on its last satellite: the search walks the whole table.
WebTransponderKey lastTransponderKey() {
    return {11344, QStringLiteral("H"), QStringLiteral(u"153.0°E"), 2};
}

void BM_FindWebTransponder(benchmark::State& state) {
    const SettingsImage& img = fullImage();
    const WebTransponderKey key = lastTransponderKey();
    if (FindWebTransponder(img, key).matchedTransponder != 2645)
        state.SkipWithError("the last transponder is not found");
    for (auto _ : state) {
        const TransponderSearchResult r = FindWebTransponder(img, key);
        benchmark::DoNotOptimize(r.matchedTransponder);
    }
}
BENCHMARK(BM_FindWebTransponder);

void BM_FindWebTransponderNotFound(benchmark::State& state) {
    const SettingsImage& img = fullImage();
    const WebTransponderKey key{11999, QStringLiteral("V"), QStringLiteral(u"153.0°E"), 5};
    for (auto _ : state) {
        const TransponderSearchResult r = FindWebTransponder(img, key);
        benchmark::DoNotOptimize(r.nearList.size());
    }
}
BENCHMARK(BM_FindWebTransponderNotFound);

// What a selection does in image terms: the search, then one pass over the channels for the comparison rows.
void BM_SelectionWithComparisonRows(benchmark::State& state) {
    const SettingsImage& img = fullImage();
    const WebTransponderKey key = lastTransponderKey();
    for (auto _ : state) {
        const TransponderSearchResult r = FindWebTransponder(img, key);
        std::size_t rows = 0;
        for (int c : ChannelsOnTransponder(img, r.matchedTransponder))
            rows += static_cast<std::size_t>(MakeComparisonRow(img, c).channel.size());
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_SelectionWithComparisonRows);

class CountingObserver final : public TableObserver {
public:
    void channelCountsChanged(int, int, int) override {}
    void rebuildChannelView() override { ++rebuilds; }
    int rebuilds = 0;
};

// 255 ticked rows (TV and radio mixed) into an image with room for them; the view is rebuilt once.
void BM_Insert255WebChannels(benchmark::State& state) {
    auto base = std::make_unique<SettingsImage>(fullImage());
    base->ChannelCount -= 255;
    base->RadioCount -= 255;
    base->ImageCounts.NumChannels = static_cast<std::uint16_t>(base->ChannelCount);
    std::vector<WebChannelRow> rows;
    for (int i = 0; i < 255; ++i)
        rows.push_back({true,
                        i % 3 ? QString() : QStringLiteral("N3"),
                        QString::number(20000 + i),
                        QStringLiteral("Web Kanal %1").arg(i),
                        i % 4 ? QStringLiteral("TV") : QStringLiteral("R"),
                        {}});
    auto img = std::make_unique<SettingsImage>();
    CountingObserver observer;
    setTableObserver(&observer);
    for (auto _ : state) {
        state.PauseTiming();
        *img = *base;
        state.ResumeTiming();
        const WebChannelInsertion r = InsertWebChannels(rows, 0, 2645, false, *img);
        if (r.inserted != 255) {
            state.SkipWithError("rows were refused");
            break;
        }
    }
    setTableObserver(nullptr);
    state.counters["rebuilds_per_insertion"] =
        benchmark::Counter(observer.rebuilds, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Insert255WebChannels)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
