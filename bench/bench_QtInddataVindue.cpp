// The work window on Qt, offscreen: building it with every grid laid out on its
// table, and one quality-control run with every grid it writes refreshed on the Qt
// grids.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <array>
#include <memory>
#include <string>

#include "datamodel/Tabeller.h"
#include "platform/qt/QtInddataVindue.h"
#include "runs/Kvalitetskontrol.h"
#include "windows/frmInddata.h"

namespace {

QApplication& app() {
    static int argc = 1;
    static char navn[] = "bench";
    static char* argv[] = {navn, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication a(argc, argv);
    return a;
}

void vis(QtInddataVindue& v) {
    v.resize(1366, 740);
    v.show();
    QApplication::processEvents();
}

void BM_ByggerArbejdsvinduet(benchmark::State& state) {
    app();
    for (auto _ : state) {
        auto v = std::make_unique<QtInddataVindue>();
        NulstilAlleData();
        frmInddata_Load();
        vis(*v);
        benchmark::DoNotOptimize(v.get());
        state.PauseTiming();
        v.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ByggerArbejdsvinduet)->Unit(benchmark::kMillisecond);

using Analyse = std::array<double, 18>;  // AnalyseData rows 1..18

// An upstream, oxic water (borehole 1), a reduced hotspot (2) and three waters between.
constexpr std::array<Analyse, 5> Boringer{{
    {9, 7.0, 90, 10, 20, 3, 0.05, 0.05, 0.01, 250, 35, 60, 20, 0.2, 0.02, 2, 8, 0.01},
    {9, 6.7, 110, 11, 25, 3, 1.0, 8, 0.8, 380, 40, 35, 0.5, 0.2, 0.03, 12, 0.3, 2},
    {9, 6.8, 104, 10, 23, 3, 0.6, 5, 0.5, 330, 38, 45, 3, 0.2, 0.03, 8, 1, 0.8},
    {9, 6.9, 98, 10, 22, 3, 0.3, 2, 0.2, 300, 37, 52, 8, 0.2, 0.02, 5, 3, 0.2},
    {9, 7.0, 94, 10, 21, 3, 0.1, 0.5, 0.05, 270, 36, 57, 14, 0.2, 0.02, 3, 6, 0.05},
}};

void BM_KvalitetskontrolPaaQtGrids(benchmark::State& state) {
    app();
    QtInddataVindue v;
    NulstilAlleData();
    frmInddata_Load();
    vis(v);
    Tabeller& t = tabeller();
    t.AfstandData.saet(1, 1, "meter");
    for (int b = 1; b <= 5; ++b) {
        t.BoringData.saet(1, b + 1, "B" + std::to_string(b));
        t.BoringData.saet(2, b + 1, "P" + std::to_string(b));
        t.AfstandData.saet(1, b + 1, Variant(10.0 * b));
        t.KomponentData.saet(1, b + 1, Variant(1.0 / b));
        for (int r = 1; r <= 18; ++r) t.AnalyseData.saet(r, b + 1, Variant(Boringer[b - 1][r - 1]));
    }
    std::string besked;
    if (!BeregnKvalitetskontrol(besked)) {
        state.SkipWithError(besked.c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(BeregnKvalitetskontrol(besked));
        // The refreshed grids drawn as the event loop would.
        QApplication::processEvents();
    }
}
BENCHMARK(BM_KvalitetskontrolPaaQtGrids)->Unit(benchmark::kMillisecond);

}  // namespace
