// A mode switch of the work window on Qt, offscreen: SkiftTilstand from one mode to
// the next of the mode table, with the tab notifications handled as in the program;
// once the switch alone, once with the whole window laid out and drawn afterwards.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "BenchQt.h"
#include "datamodel/Tabeller.h"
#include "platform/InddataKontroller.h"
#include "platform/qt/QtInddataVindue.h"
#include "windows/Tilstandstabel.h"
#include "windows/frmInddata.h"

namespace {

void Tilstandsskift(benchmark::State& state, bool tegn) {
    bench::qtApp("bench");
    QtInddataVindue v;
    DefinerNavTekster();
    ForbindNavigation();
    NulstilAlleData();
    frmInddata_Load();
    v.resize(1366, 740);
    // Through its control: a caption change re-applies the control's shown state.
    inddataKontroller().frmInddata.show();
    QApplication::processEvents();
    const auto& tabel = Tilstandstabel();
    std::size_t i = 0;
    if (!v.isVisible()) {
        state.SkipWithError("the work window is not shown");
        return;
    }
    for (auto _ : state) {
        SkiftTilstand(tabel[i].noegle, true);
        // What the switch changed, laid out and drawn as the event loop does it.
        if (tegn) QApplication::processEvents();
        i = (i + 1) % tabel.size();
    }
}

void BM_Tilstandsskift(benchmark::State& state) { Tilstandsskift(state, false); }
void BM_TilstandsskiftTegnet(benchmark::State& state) { Tilstandsskift(state, true); }
BENCHMARK(BM_Tilstandsskift)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TilstandsskiftTegnet)->Unit(benchmark::kMillisecond);

}  // namespace
