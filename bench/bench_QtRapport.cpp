// Each opening of the print window on Qt: the report of a computed site laid out
// with Liberation Serif's widths, and then also drawn into the preview widget, as the
// user waits for it (target for the build: under 50 ms).
#include <benchmark/benchmark.h>

#include <QPrintPreviewWidget>

#include "BenchLokalitet.h"
#include "BenchQt.h"
#include "platform/qt/QtUdskrift.h"
#include "report/AkvPrint.h"

namespace {

// The layout alone, measured in the real font.
void BM_RapportLiberationSerif(benchmark::State& state) {
    bench::beregnLokalitet();
    QtTekstmaal maal;
    int sider = 0;
    for (auto _ : state) {
        AkvPrint print;
        print.vp().setTekstmaal(&maal);
        print.Form_Load();
        sider = print.vp().pageCount();
        benchmark::DoNotOptimize(sider);
    }
    state.counters["sider"] = sider;
}
BENCHMARK(BM_RapportLiberationSerif)->Unit(benchmark::kMillisecond);

// The layout and the preview widget painting every page, as the window opens.
void BM_RapportIForhaandsvisningen(benchmark::State& state) {
    bench::beregnLokalitet();
    int sider = 0;
    for (auto _ : state) {
        AkvPrint print;
        QtUdskrift vis(print.vp());
        print.Form_Load();
        sider = vis.widget()->pageCount();
        benchmark::DoNotOptimize(sider);
    }
    state.counters["sider"] = sider;
}
BENCHMARK(BM_RapportIForhaandsvisningen)->Unit(benchmark::kMillisecond);

}  // namespace
