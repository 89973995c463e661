// The cell store with the channel list's size (20000 rows by 23 columns: a number column, 13 text
// columns, 9 check-box columns): filling, sorting by a text, a number and a check-box column, and
// reversing a sort; beside the same work on Qt's QStandardItemModel.
#include "grid/DgCells.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kRows = 20000;
constexpr int kColumns = 23;
constexpr int kNumberColumn = 0;
constexpr int kTextColumn = 1;      // 1 .. 13
constexpr int kCheckBoxColumn = 14; // 14 .. 22

std::uint8_t kindOf(int column) {
    return column == kNumberColumn ? 4 : (column < kCheckBoxColumn ? 8 : 1);
}

class BenchColumn final : public grid::CellColumn {
public:
    explicit BenchColumn(std::uint8_t kind) : m_kind(kind) {}
    std::uint8_t cellKind() const override { return m_kind; }
    platform::TFontStyles cellFontStyle() const override { return {}; }
    platform::TColor cellColor() const override { return platform::clWindow; }

private:
    std::uint8_t m_kind;
};

class BenchColumns final : public grid::CellColumnList {
public:
    int cellColumnCount() const override { return static_cast<int>(items.size()); }
    grid::CellColumn* cellColumn(int Index) const override { return items.at(Index).get(); }
    std::vector<std::unique_ptr<BenchColumn>> items;
};

// The same values for both sides, made once.
struct Table {
    Table() {
        QRandomGenerator random(20000);
        const QString letters =
            QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ äöüß0123456789");
        for (int r = 0; r < kRows; ++r) {
            numbers.push_back(random.bounded(100000) / 10.0);
            for (int c = 0; c < kCheckBoxColumn - kTextColumn; ++c) {
                QString text;
                const int length = 3 + static_cast<int>(random.bounded(14));
                for (int i = 0; i < length; ++i)
                    text += letters.at(random.bounded(static_cast<int>(letters.size())));
                texts.push_back(text);
            }
            for (int c = kCheckBoxColumn; c < kColumns; ++c)
                flags.push_back(random.bounded(2) == 1);
        }
    }
    const QString& text(int row, int column) const { return texts[row * 13 + column - kTextColumn]; }
    bool flag(int row, int column) const { return flags[row * 9 + column - kCheckBoxColumn]; }

    std::vector<double> numbers;
    std::vector<QString> texts;
    std::vector<bool> flags;
};

const Table& table() {
    static const Table t;
    return t;
}

// ---- the cell store ----

struct CellStore {
    CellStore() {
        for (int c = 0; c < kColumns; ++c) {
            columns.items.push_back(std::make_unique<BenchColumn>(kindOf(c)));
            cells.ColumnNotify(grid::TCells::coAdd, -1, -1);
        }
        cells.SetDefaultRowHeight(16);
        cells.SetRandomSeed(1);
        // As the channel grid is filled: rows first, then every cell through its accessor.
        cells.AddRows(kRows);
        const Table& t = table();
        for (int r = 0; r < kRows; ++r) {
            cells.GetCell(kNumberColumn, r)->SetAsFloat(t.numbers[r]);
            for (int c = kTextColumn; c < kCheckBoxColumn; ++c)
                cells.GetCell(c, r)->SetAsString(t.text(r, c));
            for (int c = kCheckBoxColumn; c < kColumns; ++c)
                cells.GetCell(c, r)->SetAsBoolean(t.flag(r, c));
        }
    }
    BenchColumns columns;
    grid::TCells cells{nullptr, &columns};
};

void CellsFill(benchmark::State& state) {
    table();
    for (auto _ : state) {
        CellStore store;
        benchmark::DoNotOptimize(store.cells.RowCount());
    }
}

// Each sort starts from the order of another text column, so that it always meets unsorted rows.
void cellsSort(benchmark::State& state, int column, grid::TSortType type) {
    CellStore store;
    for (auto _ : state) {
        state.PauseTiming();
        store.cells.Sort(kTextColumn + 1, grid::TSortType::stAlphabetic, true, grid::TSortKind::skAscending);
        state.ResumeTiming();
        store.cells.Sort(column, type, true, grid::TSortKind::skAscending);
    }
}

void CellsSortText(benchmark::State& state) {
    cellsSort(state, kTextColumn, grid::TSortType::stAlphabetic);
}
void CellsSortNumber(benchmark::State& state) {
    cellsSort(state, kNumberColumn, grid::TSortType::stNumeric);
}
void CellsSortCheckBox(benchmark::State& state) {
    cellsSort(state, kCheckBoxColumn, grid::TSortType::stBoolean);
}

void CellsReverse(benchmark::State& state) {
    CellStore store;
    store.cells.Sort(kTextColumn, grid::TSortType::stAlphabetic, false, grid::TSortKind::skAscending);
    bool descending = false;
    for (auto _ : state) {
        descending = !descending;
        store.cells.Sort(kTextColumn, grid::TSortType::stAlphabetic, false,
                         descending ? grid::TSortKind::skDescending : grid::TSortKind::skAscending);
    }
}

// ---- QStandardItemModel ----

std::unique_ptr<QStandardItemModel> filledModel() {
    auto model = std::make_unique<QStandardItemModel>(kRows, kColumns);
    const Table& t = table();
    for (int r = 0; r < kRows; ++r) {
        model->setItem(r, kNumberColumn, new QStandardItem);
        model->item(r, kNumberColumn)->setData(t.numbers[r], Qt::DisplayRole);
        for (int c = kTextColumn; c < kCheckBoxColumn; ++c)
            model->setItem(r, c, new QStandardItem(t.text(r, c)));
        for (int c = kCheckBoxColumn; c < kColumns; ++c) {
            auto* item = new QStandardItem;
            item->setCheckable(true);
            item->setCheckState(t.flag(r, c) ? Qt::Checked : Qt::Unchecked);
            model->setItem(r, c, item);
        }
    }
    return model;
}

// A sorted model is never destroyed here: Qt looks every item up in its parent's stale list while it
// tears the items down, which takes minutes for 460000 items. The process ends instead.
QStandardItemModel* keptModel() {
    return filledModel().release();
}

void ModelFill(benchmark::State& state) {
    table();
    for (auto _ : state) {
        auto model = filledModel();
        benchmark::DoNotOptimize(model->rowCount());
    }
}

void modelSort(benchmark::State& state, int column, int role) {
    QStandardItemModel* model = keptModel();
    for (auto _ : state) {
        state.PauseTiming();
        model->setSortRole(Qt::DisplayRole);
        model->sort(kTextColumn + 1, Qt::AscendingOrder);
        model->setSortRole(role);
        state.ResumeTiming();
        model->sort(column, Qt::AscendingOrder);
    }
}

void ModelSortText(benchmark::State& state) {
    modelSort(state, kTextColumn, Qt::DisplayRole);
}
void ModelSortNumber(benchmark::State& state) {
    modelSort(state, kNumberColumn, Qt::DisplayRole);
}
void ModelSortCheckBox(benchmark::State& state) {
    modelSort(state, kCheckBoxColumn, Qt::CheckStateRole);
}

void ModelReverse(benchmark::State& state) {
    QStandardItemModel* model = keptModel();
    model->sort(kTextColumn, Qt::AscendingOrder);
    bool descending = false;
    for (auto _ : state) {
        descending = !descending;
        model->sort(kTextColumn, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
}

} // namespace

BENCHMARK(CellsFill)->Unit(benchmark::kMillisecond);
BENCHMARK(ModelFill)->Unit(benchmark::kMillisecond);
BENCHMARK(CellsSortText)->Unit(benchmark::kMillisecond);
BENCHMARK(ModelSortText)->Unit(benchmark::kMillisecond);
BENCHMARK(CellsSortNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(ModelSortNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(CellsSortCheckBox)->Unit(benchmark::kMillisecond);
BENCHMARK(ModelSortCheckBox)->Unit(benchmark::kMillisecond);
BENCHMARK(CellsReverse)->Unit(benchmark::kMillisecond);
BENCHMARK(ModelReverse)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
