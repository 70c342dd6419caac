// The work window on Qt, offscreen: building it with every grid laid out on its
// table, and one quality-control run with every grid it writes refreshed on the Qt
// grids.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "BenchLokalitet.h"
#include "BenchQt.h"
#include "datamodel/Tabeller.h"
#include "platform/qt/QtInddataVindue.h"
#include "runs/Kvalitetskontrol.h"
#include "windows/frmInddata.h"

namespace {

void vis(QtInddataVindue& v) {
    v.resize(1366, 740);
    v.show();
    QApplication::processEvents();
}

void BM_ByggerArbejdsvinduet(benchmark::State& state) {
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

void BM_KvalitetskontrolPaaQtGrids(benchmark::State& state) {
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
        bench::skrivAnalyse(b, bench::FemVande[static_cast<std::size_t>(b - 1)]);
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
