// Painting one 800 x 600 grid viewport offscreen for a grid of 23 columns with 20000 rows and with 100
// rows, beside QTableView over QStandardItemModel with the same columns and texts; then scrolling each by a
// page and repainting what the scroll uncovered. The grid's paint must not grow with its rows.
#include "WidgetBench.h"

#include "grid/DgColumnClasses.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kColumns = 23;
constexpr int kWidth = 800;
constexpr int kHeight = 600;

QString cellText(int col, int row) {
    if (col == 0)
        return QString::number(row + 1);
    if (col < 14)
        return QStringLiteral("Sender %1 / %2").arg(row).arg(col);
    return (row + col) % 3 == 0 ? QStringLiteral("1") : QStringLiteral("0");
}

std::unique_ptr<grid::TDataGrid> makeGrid(int rows) {
    auto grid = std::make_unique<grid::TDataGrid>();
    grid->resize(kWidth, kHeight);
    for (int c = 0; c < kColumns; ++c) {
        auto* column = new grid::TDgTextColumn();
        column->Header()->SetCaption(QStringLiteral("Spalte %1").arg(c));
        column->SetWidth(c == 0 ? 50 : 70);
        grid->Columns()->AddColumn(column);
    }
    grid->SetOptions(grid::TGridOption::goHeader | grid::TGridOption::goGrid |
                     grid::TGridOption::goSelectFullRow);
    grid->BeginUpdate();
    for (int r = 0; r < rows; ++r) {
        const int row = grid->AddRow(1);
        for (int c = 0; c < kColumns; ++c)
            grid->Cell(c, row)->SetAsString(cellText(c, r));
    }
    grid->EndUpdate();
    grid->SetSelectedRow(rows - 1);
    return grid;
}

std::unique_ptr<QTableView> makeTable(QStandardItemModel& model, int rows) {
    model.setColumnCount(kColumns);
    model.setRowCount(rows);
    for (int c = 0; c < kColumns; ++c)
        model.setHorizontalHeaderItem(c, new QStandardItem(QStringLiteral("Spalte %1").arg(c)));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kColumns; ++c)
            model.setItem(r, c, new QStandardItem(cellText(c, r)));
    auto view = std::make_unique<QTableView>();
    view->setModel(&model);
    view->resize(kWidth, kHeight);
    view->verticalHeader()->setDefaultSectionSize(16);
    view->verticalHeader()->hide();
    for (int c = 0; c < kColumns; ++c)
        view->setColumnWidth(c, c == 0 ? 50 : 70);
    view->selectRow(rows - 1);
    return view;
}

void GridPaint(benchmark::State& state) {
    auto grid = makeGrid(static_cast<int>(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        grid->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void TablePaint(benchmark::State& state) {
    QStandardItemModel model;
    auto view = makeTable(model, static_cast<int>(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        view->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The window shows the widget; a page down moves the pixels and the uncovered strip is painted.
void GridScrollPage(benchmark::State& state) {
    auto grid = makeGrid(static_cast<int>(state.range(0)));
    grid->show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        if (grid->VertScrollBar()->IsLast())
            grid->VertScrollBar()->First();
        grid->VertScrollBar()->PageDown();
        QCoreApplication::processEvents();
    }
}

void TableScrollPage(benchmark::State& state) {
    QStandardItemModel model;
    auto view = makeTable(model, static_cast<int>(state.range(0)));
    view->show();
    QCoreApplication::processEvents();
    QScrollBar* bar = view->verticalScrollBar();
    for (auto _ : state) {
        if (bar->value() == bar->maximum())
            bar->setValue(0);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK(GridPaint)->Arg(20000)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(TablePaint)->Arg(20000)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(GridScrollPage)->Arg(20000)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(TableScrollPage)->Arg(20000)->Arg(100)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
