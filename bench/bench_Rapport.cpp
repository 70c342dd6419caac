// The report of a computed site built for the preview, as each opening of the print
// window builds it: the window's controls made, the whole document laid out with the
// fixed widths of the layout (no font; bench_QtRapport measures the real one).
#include <benchmark/benchmark.h>

#include "BenchLokalitet.h"
#include "report/AkvPrint.h"

namespace {

void BM_RapportTilForhaandsvisning(benchmark::State& state) {
    bench::beregnLokalitet();
    int sider = 0;
    for (auto _ : state) {
        AkvPrint print;
        print.Form_Load();
        sider = print.vp().pageCount();
        benchmark::DoNotOptimize(sider);
    }
    state.counters["sider"] = sider;
}
BENCHMARK(BM_RapportTilForhaandsvisning)->Unit(benchmark::kMillisecond);

}  // namespace
