// The "alle" rebuild of the channel list with the largest image (20000 channels, nine full groups), as the
// main window runs it: rows from the records, membership, progress bar and message pumping, beside filling
// a QTableWidget with the same 20000 x 23 texts and check states. The heap each side holds afterwards is
// reported as a counter.
#include "ImageFixture.h"
#include "WidgetBench.h"

#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "grid/DgGrid.h"
#include "image/ChannelView.h"
#include "image/ImageFile.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

bool loadFullImage() {
    static bool loaded = false;
    if (!loaded) {
        auto img = std::make_unique<image::SettingsImage>();
        if (image::parseImage(ImageFixture::full().build(), *img))
            return false;
        image::Image() = *img;
        loaded = true;
    }
    return true;
}

void ChannelListRebuild(benchmark::State& state) {
    if (!loadFullImage()) {
        state.SkipWithError("the full image does not load");
        return;
    }
    const long before = heapInUse();
    auto form = std::make_unique<TForm1>();
    form->show();
    QCoreApplication::processEvents();
    const long empty = heapInUse();
    for (auto _ : state)
        form->radiogroup_favclick();
    state.counters["rows"] = form->DataGrid_channels->RowCount();
    state.counters["heap_MB"] = static_cast<double>(heapInUse() - empty) / (1 << 20);
    state.counters["window_MB"] = static_cast<double>(empty - before) / (1 << 20);
    if (form->DataGrid_channels->RowCount() != image::Image().ChannelCount)
        state.SkipWithError("the rebuild did not list every channel");
}

void TableWidgetFill(benchmark::State& state) {
    if (!loadFullImage()) {
        state.SkipWithError("the full image does not load");
        return;
    }
    // The same cells, worked out before the clock runs.
    const image::SettingsImage& img = image::Image();
    const image::FavMembership membership(img);
    std::vector<image::ChannelRowCells> rows;
    rows.reserve(static_cast<std::size_t>(img.ChannelCount));
    for (int c = 1; c <= img.ChannelCount; ++c)
        rows.push_back(image::MakeChannelRow(img, c, membership));
    double heap = 0;
    for (auto _ : state) {
        const long before = heapInUse();
        auto table = std::make_unique<QTableWidget>(0, image::ccColumnCount);
        table->resize(945, 673);
        table->verticalHeader()->setDefaultSectionSize(16);
        table->show();
        table->setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < table->rowCount(); ++r) {
            const image::ChannelRowCells& row = rows[static_cast<std::size_t>(r)];
            for (int c = 0; c < image::ccFav1; ++c)
                table->setItem(r, c, new QTableWidgetItem(row.texts[static_cast<std::size_t>(c)]));
            for (int c = image::ccFav1; c < image::ccColumnCount; ++c) {
                auto* check = new QTableWidgetItem();
                check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
                const bool ticked =
                    c == image::ccMark ? row.mark : row.fav[static_cast<std::size_t>(c - image::ccFav1)];
                check->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
                table->setItem(r, c, check);
            }
        }
        QCoreApplication::processEvents();
        heap = static_cast<double>(heapInUse() - before) / (1 << 20);
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    state.counters["heap_MB"] = heap;
}

} // namespace

BENCHMARK(ChannelListRebuild)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(TableWidgetFill)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
