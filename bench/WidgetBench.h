// What the widget benchmarks share: the heap figure they report and a main that runs them offscreen.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>

/// The bytes the heap has handed out and not yet taken back.
inline long heapInUse() {
    return static_cast<long>(mallinfo2().uordblks);
}

/// Runs the registered benchmarks in an application on the offscreen platform: they need no display.
inline int runWidgetBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
