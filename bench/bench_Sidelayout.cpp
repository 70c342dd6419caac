// The print document's page layout: a 20-page report of borehole tables, built by
// the report-table convention and laid out without a font (target: under 10 ms).
#include <benchmark/benchmark.h>

#include "BenchDokument.h"

namespace {

// Tables of 23 rows like the borehole table, one under the other, until 20 pages.
void ByggDokument(Udskrift& vp) {
    Rapporttabel t = bench::boringstabel();
    t.indstillinger = {RaekkehoejdeAlle(), Fed(1, 1), Spaend(1, 1, 7), Titelfarve(1, 1), Titelfarve(1, 3)};
    FedRaekke(t.indstillinger, 2, 1, 7);
    t.indstillinger.push_back(BFalsk());
    bench::byggTyveSider(vp, t, 20);
}

void BM_Layout20Sider(benchmark::State& state) {
    Udskrift vp;
    bench::tiPunktPaaHverSide(vp);
    for (auto _ : state) {
        ByggDokument(vp);
        benchmark::DoNotOptimize(vp.sider().data());
    }
    state.counters["sider"] = vp.pageCount();
}
BENCHMARK(BM_Layout20Sider)->Unit(benchmark::kMillisecond);

}  // namespace
