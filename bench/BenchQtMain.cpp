// main of the Qt benchmarks: Google Benchmark's own, inside a Qt application.
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application sets the process locale from the environment, where a decimal
    // comma would make "--benchmark_min_time=0.05" unreadable: the benchmark's flags
    // are read first, in the C locale the process starts in, and taken out of argv.
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
