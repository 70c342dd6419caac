// Writing a 20-page report to PDF on Qt (target: under 200 ms), and its layout with
// the real font's widths (target: under 10 ms).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>
#include <string>

#include "BenchDokument.h"
#include "BenchQt.h"
#include "platform/qt/QtUdskrift.h"

namespace {

void ByggDokument(Udskrift& vp) {
    Rapporttabel t = bench::boringstabel();
    t.indstillinger = {RaekkehoejdeAlle(), Fed(1, 1), Spaend(1, 1, 7), Titelfarve(1, 1)};
    bench::byggTyveSider(vp, t);
}

// The document measured with Liberation Serif, as the program lays it out.
struct QtDokument {
    QtDokument() {
        bench::tiPunktPaaHverSide(vp);
        vp.setTekstmaal(&maal);
    }
    Udskrift vp;
    QtTekstmaal maal;
};

void BM_Pdf20Sider(benchmark::State& state) {
    QtDokument d;
    ByggDokument(d.vp);
    const std::string sti = "/tmp/bench_QtPdf_" + std::to_string(::getpid()) + ".pdf";
    for (auto _ : state) benchmark::DoNotOptimize(SkrivPdf(d.vp, sti));
    std::remove(sti.c_str());
    state.counters["sider"] = d.vp.pageCount();
}
BENCHMARK(BM_Pdf20Sider)->Unit(benchmark::kMillisecond);

// The same layout with the font's real widths, as the program does it.
void BM_Layout20SiderLiberationSerif(benchmark::State& state) {
    QtDokument d;
    for (auto _ : state) ByggDokument(d.vp);
    state.counters["sider"] = d.vp.pageCount();
}
BENCHMARK(BM_Layout20SiderLiberationSerif)->Unit(benchmark::kMillisecond);

}  // namespace
