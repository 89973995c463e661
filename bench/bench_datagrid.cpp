// Filling a TDataGrid with 20000 x 23 cells (one number, 13 text and 9 check-box columns) inside one
// update bracket, then sorting it by a click on a text and on a number header (repaint included), beside
// QTableWidget filled with the same items and sorted by a click on its header. A fill without the bracket
// must stay linear in the rows. The heap each side takes is reported as a counter.
#include "WidgetBench.h"

#include "grid/DgColumnClasses.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kTexts = 13;
constexpr int kChecks = 9;
constexpr int kWidth = 800;
constexpr int kHeight = 600;

QString text(int col, int row) {
    // Not in row order, so that a sort moves rows.
    return QStringLiteral("Sender %1 %2").arg((row * 7919) % 20011).arg(col);
}

double number(int row) {
    return (row * 104729) % 30011;
}

std::unique_ptr<grid::TDataGrid> makeGrid() {
    auto grid = std::make_unique<grid::TDataGrid>();
    grid->resize(kWidth, kHeight);
    grid->SetOptions(grid::TGridOption::goHeader | grid::TGridOption::goGrid |
                     grid::TGridOption::goSelectFullRow);
    auto* nr = new grid::TDgNumberColumn();
    nr->Header()->SetCaption(QStringLiteral("Nr"));
    nr->SetWidth(50);
    grid->Columns()->AddColumn(nr);
    for (int c = 0; c < kTexts; ++c) {
        auto* column = new grid::TDgTextColumn();
        column->Header()->SetCaption(QStringLiteral("Text %1").arg(c));
        column->SetWidth(70);
        grid->Columns()->AddColumn(column);
    }
    for (int c = 0; c < kChecks; ++c) {
        auto* column = new grid::TDgCheckBoxColumn();
        column->Header()->SetCaption(QStringLiteral("F%1").arg(c));
        column->SetWidth(24);
        grid->Columns()->AddColumn(column);
    }
    return grid;
}

void fillGrid(grid::TDataGrid& grid, int rows) {
    for (int r = 0; r < rows; ++r) {
        const int row = grid.AddRow(1);
        grid.Cell(0, row)->SetAsFloat(number(r));
        for (int c = 1; c <= kTexts; ++c)
            grid.Cell(c, row)->SetAsString(text(c, r));
        for (int c = 0; c < kChecks; ++c)
            grid.Cell(kTexts + 1 + c, row)->SetAsBoolean((r + c) % 3 == 0);
    }
}

std::unique_ptr<QTableWidget> makeTable(int rows) {
    auto table = std::make_unique<QTableWidget>(rows, 1 + kTexts + kChecks);
    table->resize(kWidth, kHeight);
    table->verticalHeader()->setDefaultSectionSize(16);
    for (int r = 0; r < rows; ++r) {
        auto* nr = new QTableWidgetItem();
        nr->setData(Qt::DisplayRole, number(r));
        table->setItem(r, 0, nr);
        for (int c = 1; c <= kTexts; ++c)
            table->setItem(r, c, new QTableWidgetItem(text(c, r)));
        for (int c = 0; c < kChecks; ++c) {
            auto* check = new QTableWidgetItem();
            check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            check->setCheckState((r + c) % 3 == 0 ? Qt::Checked : Qt::Unchecked);
            table->setItem(r, kTexts + 1 + c, check);
        }
    }
    table->setSortingEnabled(true);
    table->sortByColumn(kTexts + 1, Qt::AscendingOrder);
    return table;
}

void click(QWidget* target, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    QCoreApplication::processEvents();
}

void DataGridFill(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const bool bracket = state.range(1) != 0;
    for (auto _ : state) {
        const long before = heapInUse();
        auto grid = makeGrid();
        grid->show();
        QCoreApplication::processEvents();
        if (bracket)
            grid->BeginUpdate();
        fillGrid(*grid, rows);
        if (bracket)
            grid->EndUpdate();
        QCoreApplication::processEvents();
        state.counters["heap_MB"] = static_cast<double>(heapInUse() - before) / (1 << 20);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}

void TableFill(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const long before = heapInUse();
        auto table = makeTable(rows);
        table->show();
        QCoreApplication::processEvents();
        state.counters["heap_MB"] = static_cast<double>(heapInUse() - before) / (1 << 20);
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}

// A click on the header of column Arg (1: a text column, 0: the number column), then the repaint.
void DataGridSortClick(benchmark::State& state) {
    const int col = static_cast<int>(state.range(0));
    auto grid = makeGrid();
    grid->show();
    grid->BeginUpdate();
    fillGrid(*grid, 20000);
    grid->EndUpdate();
    grid->SetSelectedRow(100);
    QCoreApplication::processEvents();
    const grid::TDgCustomColumn* column = grid->Columns()->ColumnItem(col);
    const QPoint at(column->ClientLeft() + column->Width() / 2, grid->HeaderSize() / 2);
    for (auto _ : state)
        click(grid->viewport(), at);
    if (!column->Sorted())
        state.SkipWithError("the header click did not sort");
}

void TableSortClick(benchmark::State& state) {
    const int col = static_cast<int>(state.range(0));
    auto table = makeTable(20000);
    table->show();
    table->selectRow(100);
    QCoreApplication::processEvents();
    QHeaderView* header = table->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(col) + header->sectionSize(col) / 2,
                    header->height() / 2);
    for (auto _ : state)
        click(header->viewport(), at);
    if (header->sortIndicatorSection() != col)
        state.SkipWithError("the header click did not sort");
}

} // namespace

BENCHMARK(DataGridFill)->Args({20000, 1})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(TableFill)->Arg(20000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DataGridSortClick)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(TableSortClick)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);
// Without the bracket (as the provider view fills): four times the rows take about four times as long.
BENCHMARK(DataGridFill)->Args({5000, 0})->Args({20000, 0})->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
