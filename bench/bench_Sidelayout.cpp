// The print document's page layout: a 20-page report of borehole tables, built by
// the report-table convention and laid out without a font (target: under 10 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "platform/Udskrift.h"
#include "report/Rapporttabel.h"

namespace {

// Tables of 23 rows like the borehole table, one under the other, until 20 pages.
void ByggDokument(Udskrift& vp) {
    vp.startDoc();
    vp.setFontSize(20);
    vp.setHeader("\n\nAnalyseoplysninger for Grusgrav Nord");
    vp.setFooter("Grusgrav Nord", "", "Side %d");
    Rapporttabel t;
    t.format = "<+2000|<+1600|<+1400|<+1400|<+1400|<+1400|<+1400;";
    t.raekker = {{"Boringskontrol"}, {"Parameter", "Enhed", "B1", "B2", "B3", "B4", "B5"}};
    for (int r = 1; r <= 21; ++r)
        t.raekker.push_back({"Analyse " + std::to_string(r), "mg/l", "7,25", "112", "0,012", "35,5", "Opstrøm af kilden"});
    t.forudindstillinger = Forudindstillinger::under(290);
    t.indstillinger = {RaekkehoejdeAlle(), Fed(1, 1), Spaend(1, 1, 7), Titelfarve(1, 1), Titelfarve(1, 3)};
    FedRaekke(t.indstillinger, 2, 1, 7);
    t.indstillinger.push_back(BFalsk());
    while (vp.pageCount() < 20) UdskrivTabel(vp, t);
    vp.endDoc();
}

void BM_Layout20Sider(benchmark::State& state) {
    Udskrift vp;
    vp.pageStarted = [&vp] { vp.setFontSize(10); };
    for (auto _ : state) {
        ByggDokument(vp);
        benchmark::DoNotOptimize(vp.sider().data());
    }
    state.counters["sider"] = vp.pageCount();
}
BENCHMARK(BM_Layout20Sider)->Unit(benchmark::kMillisecond);

}  // namespace
