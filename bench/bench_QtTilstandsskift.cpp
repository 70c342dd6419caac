// A mode switch of the work window on Qt: SkiftTilstand into each mode of the mode
// table from the row before it, with the tab notifications handled as in the
// program; once the switch alone, once with the whole window laid out and drawn
// afterwards. On new data, where the charts are empty, and on a computed site,
// whose charts were drawn by the model run while their tabs were hidden, as they
// are when the user first asks for "Grafisk afbildning".
#include <benchmark/benchmark.h>

#include <cstddef>

#include "BenchLokalitet.h"
#include "BenchQt.h"
#include "datamodel/Tabeller.h"
#include "platform/Chart.h"
#include "platform/InddataKontroller.h"
#include "platform/qt/QtInddataVindue.h"
#include "runs/Diagrammer.h"
#include "windows/Tilstandstabel.h"
#include "windows/frmInddata.h"

namespace {

void Tilstandsskift(benchmark::State& state, bool beregnet, bool tegn) {
    QtInddataVindue v;
    DefinerNavTekster();
    ForbindNavigation();
    NulstilAlleData();
    frmInddata_Load();
    if (beregnet) bench::beregnLokalitet();
    v.resize(1366, 740);
    // Through its control: a caption change re-applies the control's shown state.
    inddataKontroller().frmInddata.show();
    QApplication::processEvents();
    if (!v.isVisible()) {
        state.SkipWithError("the work window is not shown");
        return;
    }
    const auto& tabel = Tilstandstabel();
    const auto til = static_cast<std::size_t>(state.range(0));
    const auto fra = (til + tabel.size() - 1) % tabel.size();
    state.SetLabel(tabel[til].noegle);
    for (auto _ : state) {
        state.PauseTiming();
        SkiftTilstand(tabel[fra].noegle, true);
        // The charts as the first model run leaves them: drawn from their tables on
        // charts that showed nothing.
        if (beregnet) {
            inddataCharts().restoreDesign();
            TegnDiagramTUC();
            TegnDiagramAlkalinitet();
        }
        QApplication::processEvents();
        state.ResumeTiming();
        SkiftTilstand(tabel[til].noegle, true);
        // What the switch changed, laid out and drawn as the event loop does it.
        if (tegn) QApplication::processEvents();
    }
}

void Tilstande(benchmark::internal::Benchmark* b) {
    for (std::size_t i = 0; i < Tilstandstabel().size(); ++i) b->Arg(static_cast<int>(i));
    b->Unit(benchmark::kMillisecond);
}

void BM_Tilstandsskift(benchmark::State& state) { Tilstandsskift(state, false, false); }
void BM_TilstandsskiftTegnet(benchmark::State& state) { Tilstandsskift(state, false, true); }
void BM_TilstandsskiftBeregnet(benchmark::State& state) { Tilstandsskift(state, true, false); }
void BM_TilstandsskiftBeregnetTegnet(benchmark::State& state) { Tilstandsskift(state, true, true); }
BENCHMARK(BM_Tilstandsskift)->Apply(Tilstande);
BENCHMARK(BM_TilstandsskiftTegnet)->Apply(Tilstande);
BENCHMARK(BM_TilstandsskiftBeregnet)->Apply(Tilstande);
BENCHMARK(BM_TilstandsskiftBeregnetTegnet)->Apply(Tilstande);

}  // namespace
