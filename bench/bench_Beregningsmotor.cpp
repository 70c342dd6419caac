// The engine's costs: evaluating the measured waters, one modelling without and with
// forced calcite equilibrium, and the first-order constants, on a typical site.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchLokalitet.h"
#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "engine/Analyseresultater.h"
#include "engine/GeokemiskModellering.h"
#include "engine/Nedbrydningskonstanter.h"

namespace {

using bench::Analyse;

// A hard upstream water, supersaturated in calcite: without forced equilibrium the
// pH solve hands over to the joint solve.
constexpr Analyse HaardtVand{10, 7.6, 120, 10, 20, 3, 0.05, 0.2, 0.05, 350, 30, 40, 2, 0.2, 0.02, 2, 4, 0.01};

void lavLokalitet(const Analyse* opstroems = nullptr) {
    OpretDataStrukturer();
    Beregningstilstand& t = tilstand();
    GridTabel& a = tabeller().AnalyseData;
    a.redimensioner(1, 18, 0, 6);
    for (int b = 1; b <= 5; ++b) {
        const Analyse& v = b == 1 && opstroems ? *opstroems : bench::FemVande[static_cast<std::size_t>(b - 1)];
        bench::skrivAnalyse(b, v);
        for (int r = 1; r <= 18; ++r) t.Analyt(r)[static_cast<std::size_t>(b)] = v[static_cast<std::size_t>(r - 1)];
    }
    t.AntalBoringer = 5;
    t.FraPosition = 1;
    t.TilPosition = 2;
    BeregnAnalyseResultater();
    for (int r = 1; r <= 18; ++r) {
        t.NedstroemModel(r, 1) = a.hent(r, 2);
        t.NedstroemModel(r, 2) = a.hent(r, 3);
    }
    t.ModelstofNavn = Variant("Toluen");
}

void BM_EvalueringAfFemVande(benchmark::State& state) {
    lavLokalitet();
    for (auto _ : state) {
        BeregnAnalyseResultater();
        benchmark::DoNotOptimize(tilstand().TUC.data());
    }
}
BENCHMARK(BM_EvalueringAfFemVande);

void modellering(benchmark::State& state, std::int16_t tvungen, const Analyse* opstroems) {
    lavLokalitet(opstroems);
    tilstand().TvungenKalkligevaegt = tvungen;
    if (const std::string besked = GeokemiskModellering(); !besked.empty()) {
        state.SkipWithError(besked.c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(GeokemiskModellering());
    }
    state.counters["pH"] = tilstand().PH[0];
    state.counters["ProcKalk"] = TalEllerNul(tilstand().ProcKalk);
}

void BM_ModelleringUdenKalkligevaegt(benchmark::State& state) { modellering(state, Falsk, nullptr); }
BENCHMARK(BM_ModelleringUdenKalkligevaegt);

void BM_ModelleringUdenKalkligevaegtOverdraget(benchmark::State& state) {
    modellering(state, Falsk, &HaardtVand);
}
BENCHMARK(BM_ModelleringUdenKalkligevaegtOverdraget);

void BM_ModelleringMedKalkligevaegt(benchmark::State& state) { modellering(state, Sand, nullptr); }
BENCHMARK(BM_ModelleringMedKalkligevaegt);

void BM_Nedbrydningskonstanter(benchmark::State& state) {
    lavLokalitet();
    Beregningstilstand& t = tilstand();
    t.HotspotNr = 2;
    t.FilterNr = {0, 3, 4, 5};
    for (int i = 1; i <= 5; ++i) {
        t.Afstande[static_cast<std::size_t>(i)] = Variant(10.0 * i);
        for (int j = 1; j <= 5; ++j) t.KulbrinteKonc(j, i) = 1000.0 / (i * i) + j;
    }
    for (auto _ : state) {
        BeregnNedbrydningskonstanter();
        benchmark::DoNotOptimize(&t.Nedbrydningskonstanter);
    }
}
BENCHMARK(BM_Nedbrydningskonstanter);

}  // namespace
