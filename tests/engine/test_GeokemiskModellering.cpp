// One geochemical modelling on real sites: the order of the steps, where it stops,
// the solvers on real model waters, and a property over many random sites.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "engine/Analyseresultater.h"
#include "engine/GeokemiskModellering.h"
#include "engine/Iteration.h"
#include "engine/ModelVand.h"
#include "support/RecordingBeskeder.h"
#include "support/Standardvand.h"

namespace {

using Analyse = std::array<double, 18>;  // AnalyseData rows 1..18; NaN = blank
const double Blank = std::nan("");

// A modest groundwater, undersaturated in calcite.
constexpr Analyse Undermaettet{10, 6.5, 40, 5, 15, 2, 0.05, 0.1, 0.02, 100, 25, 30, 5, 0.2, 0.02, 2, 6, 0.01};
// A hard water, supersaturated in calcite.
constexpr Analyse Overmaettet{10, 7.6, 120, 10, 20, 3, 0.05, 0.2, 0.05, 350, 30, 40, 2, 0.2, 0.02, 2, 4, 0.01};

// Boreholes 1 (upstream) and 2 (downstream) entered, evaluated, and the downstream
// run's columns 1 and 2 of NedstroemModel written, as the runs leave them.
void lavLokalitet(const Analyse& op, const Analyse& ned) {
    OpretDataStrukturer();
    Beregningstilstand& t = tilstand();
    GridTabel& a = TommeAnalyser();
    for (int b = 1; b <= 2; ++b) {
        const Analyse& v = b == 1 ? op : ned;
        for (int r = 1; r <= 18; ++r) {
            const double x = v[static_cast<std::size_t>(r - 1)];
            if (std::isnan(x)) continue;
            a.saet(r, b + 1, Variant(x));
            t.Analyt(r)[static_cast<std::size_t>(b)] = x;
        }
    }
    t.AntalBoringer = 2;
    t.FraPosition = 1;
    t.TilPosition = 2;
    BeregnAnalyseResultater();
    for (int r = 1; r <= 18; ++r) {
        t.NedstroemModel(r, 1) = a.hent(r, 2);
        t.NedstroemModel(r, 2) = a.hent(r, 3);
    }
    t.ModelstofNavn = Variant("Acetone");
    t.BrugerKulstofValens = Variant(0);
    t.BrugerKulstofIndhold = Variant(2);
}

// The residuals of the model water at the solution, from a fresh evaluation.
struct Balance {
    double r1, si;
};

Balance balanceVedLoesningen() {
    BeregnModelVand();
    const Beregningstilstand& t = tilstand();
    const double r1 = (1000 * t.TUC[0] - (TalEllerNul(t.ProcCO2) / 44 + TalEllerNul(t.ProcKalk) / 100 +
                                          TalEllerNul(t.ProcSiderit) / 55.8)) /
                      (1000 * t.TUC[t.FraPosition]);
    return {r1, t.MaetnIndeksCaCO3[0]};
}

class Modellering : public ::testing::Test {
protected:
    void TearDown() override {
        SaetModelevaluering({});
        OpretDataStrukturer();
        tabeller().AnalyseData.ryd();
    }
    RecordingBeskeder beskeder;
};

// ---- the chain -------------------------------------------------------------------

// Sentinels that show whether the solver and the column fill ran.
void saetVagtposter() {
    tilstand().PH[0] = -99;
    tilstand().NedstroemModel(2, 3) = Variant("urørt");
}

void forventUroerteSidsteTrin() {
    EXPECT_EQ(tilstand().PH[0], -99);
    EXPECT_EQ(tilstand().NedstroemModel(2, 3), Variant("urørt"));
}

TEST_F(Modellering, UnknownSubstanceWithNoCarbonValuesStopsAtTheLookup) {
    lavLokalitet(Undermaettet, Undermaettet);
    tilstand().ModelstofNavn = Variant("acetone");
    saetVagtposter();
    EXPECT_EQ(GeokemiskModellering(), ManglerKulstofvaerdier);
    EXPECT_TRUE(tilstand().ProcIltreduktion.isEmpty());
    EXPECT_TRUE(tilstand().RedoxTabel(1, 1).isEmpty());
    EXPECT_TRUE(tilstand().ProcSalt.isEmpty());
    forventUroerteSidsteTrin();
    EXPECT_TRUE(beskeder.vist.empty());
}

TEST_F(Modellering, RedoxMessageStopsBeforeTheOtherProcesses) {
    Analyse ned = Undermaettet;
    ned[16] = Blank;  // no oxygen downstream
    lavLokalitet(Undermaettet, ned);
    tilstand().RedoxTabel(1, 2) = Variant(2.0);  // a proposal for the oxygen reduction
    saetVagtposter();
    EXPECT_EQ(GeokemiskModellering(),
              "Der skal være  defineret input værdier for ilt opstrøm og nedstrøm "
              "for at indtaste et gæt på iltreduktion");
    EXPECT_EQ(tilstand().KulstofValens, Variant(-1.333));  // the lookup ran
    EXPECT_TRUE(tilstand().ProcSalt.isEmpty());
    EXPECT_TRUE(tilstand().ProcCO2.isEmpty());
    forventUroerteSidsteTrin();
    EXPECT_TRUE(beskeder.vist.empty());
}

TEST_F(Modellering, NegativeModelWaterStopsBeforeTheSolver) {
    lavLokalitet(Undermaettet, Undermaettet);
    tilstand().ProcesTabel(4, 2) = Variant(500.0);  // 500 mg Na/l would take 434.8 mg Ca/l
    saetVagtposter();
    EXPECT_EQ(GeokemiskModellering(),
              "iteration kan ikke udføres fordi [Calcium] < 0; Undersøg dine forslag til geokemiske processer");
    EXPECT_FALSE(tilstand().ProcSalt.isEmpty());  // what ran before the stop stays
    forventUroerteSidsteTrin();
}

TEST_F(Modellering, SolverFailureStillGivesSuccessAndAFilledColumn) {
    lavLokalitet(Undermaettet, Undermaettet);
    // A model water whose carbon never moves: the slope is 0 and so is the residual.
    SaetModelevaluering([] {
        Beregningstilstand& t = tilstand();
        t.TUC[0] = t.TUC[1];
        t.MaetnIndeksCaCO3[0] = -1;
    });
    saetVagtposter();
    EXPECT_EQ(GeokemiskModellering(), "");
    EXPECT_EQ(beskeder.tekster(), std::vector<std::string>{IterationsbeskedUdenKalk});
    EXPECT_EQ(tilstand().NedstroemModel(2, 3), Variant(6.5));
}

TEST_F(Modellering, ForcedCalciteEquilibriumPicksTheJointSolver) {
    lavLokalitet(Undermaettet, Undermaettet);
    int evalueringer = 0;
    SaetModelevaluering([&] {
        ++evalueringer;
        Beregningstilstand& t = tilstand();
        t.TUC[0] = t.TUC[1] * (1 + (t.PH[0] - 6.5)) + TalEllerNul(t.ProcKalk) / 100000;
        t.MaetnIndeksCaCO3[0] = std::log10(1 - 0.01 * TalEllerNul(t.ProcKalk) - 0.001 * (t.PH[0] - 6.5));
    });
    tilstand().TvungenKalkligevaegt = Sand;
    EXPECT_EQ(GeokemiskModellering(), "");
    EXPECT_EQ(evalueringer, 3);  // in balance and saturated at once: one joint iteration
    tilstand().TvungenKalkligevaegt = Falsk;
    evalueringer = 0;
    EXPECT_EQ(GeokemiskModellering(), "");
    EXPECT_EQ(evalueringer, 2);
    EXPECT_TRUE(beskeder.vist.empty());
}

// ---- the solvers on real model waters --------------------------------------------

TEST_F(Modellering, UndersaturatedWaterDissolvesCalciteUnderForcedEquilibrium) {
    lavLokalitet(Undermaettet, Undermaettet);
    ASSERT_LT(tilstand().MaetnIndeksCaCO3[1], 0);
    tilstand().TvungenKalkligevaegt = Sand;
    EXPECT_EQ(GeokemiskModellering(), "");
    EXPECT_TRUE(beskeder.vist.empty());
    const double kalk = TalEllerNul(tilstand().ProcKalk);
    const double ph = tilstand().PH[0];
    EXPECT_GT(kalk, 0);
    EXPECT_GT(ph, 6.5);
    const Balance b = balanceVedLoesningen();
    EXPECT_NEAR(b.r1, 1, 1e-5);
    EXPECT_NEAR(b.si, 0, 1e-5);
}

TEST_F(Modellering, SupersaturatedWaterPrecipitatesCalciteUnderForcedEquilibrium) {
    lavLokalitet(Overmaettet, Overmaettet);
    ASSERT_GT(tilstand().MaetnIndeksCaCO3[1], 0);
    tilstand().TvungenKalkligevaegt = Sand;
    EXPECT_EQ(GeokemiskModellering(), "");
    EXPECT_TRUE(beskeder.vist.empty());
    EXPECT_LT(TalEllerNul(tilstand().ProcKalk), 0);
    EXPECT_LT(tilstand().PH[0], 7.6);
    const Balance b = balanceVedLoesningen();
    EXPECT_NEAR(b.r1, 1, 1e-5);
    EXPECT_NEAR(b.si, 0, 1e-5);
}

TEST_F(Modellering, WithoutForcingTheUndersaturatedWaterKeepsItsCalcite) {
    lavLokalitet(Undermaettet, Undermaettet);
    tilstand().TvungenKalkligevaegt = Falsk;
    EXPECT_EQ(GeokemiskModellering(), "");
    EXPECT_EQ(tilstand().ProcKalk, Variant(0));
    EXPECT_NEAR(tilstand().PH[0], 6.5, 0.01);
    EXPECT_NEAR(balanceVedLoesningen().r1, 1, 1e-5);
}

TEST_F(Modellering, WithoutForcingTheSupersaturatedWaterIsHandedOverAndEndsAsUnderForcing) {
    lavLokalitet(Overmaettet, Overmaettet);
    tilstand().TvungenKalkligevaegt = Sand;
    ASSERT_EQ(GeokemiskModellering(), "");
    const double phTvungen = tilstand().PH[0];
    const Variant kalkTvungen = tilstand().ProcKalk;
    tilstand().TvungenKalkligevaegt = Falsk;
    ASSERT_EQ(GeokemiskModellering(), "");
    // The joint solve starts afresh from the upstream pH, so it ends exactly alike.
    EXPECT_EQ(tilstand().PH[0], phTvungen);
    EXPECT_EQ(tilstand().ProcKalk, kalkTvungen);
    EXPECT_TRUE(beskeder.vist.empty());
}

TEST_F(Modellering, CarbonDioxideOfTheOxidisedSubstanceLowersThePH) {
    Analyse ned = Undermaettet;
    ned[16] = 1;  // 5 mg O2/l consumed
    lavLokalitet(Undermaettet, ned);
    tilstand().TvungenKalkligevaegt = Falsk;
    ASSERT_EQ(GeokemiskModellering(), "");
    EXPECT_GT(TalEllerNul(tilstand().ProcCO2), 0);
    const double ph = tilstand().PH[0];
    EXPECT_LT(ph, 6.5);
    // An independent solution by bisection of the carbon balance over the pH.
    auto r1 = [](double p) {
        tilstand().PH[0] = p;
        return balanceVedLoesningen().r1 - 1;
    };
    double lav = 5.0, hoej = 6.5;
    ASSERT_LT(r1(lav) * r1(hoej), 0);
    for (int i = 0; i < 60; ++i) {
        const double midt = (lav + hoej) / 2;
        (r1(lav) * r1(midt) <= 0 ? hoej : lav) = midt;
    }
    EXPECT_NEAR(ph, lav, 1e-4);
    // The modelled oxygen is the upstream oxygen less the reduction.
    EXPECT_EQ(tilstand().NedstroemModel(17, 3), Variant(6.0 - 5.0));
}

// ---- many random sites inside the input limits ------------------------------------

TEST_F(Modellering, RandomSitesNeverCrashNorLeaveNaNAndShowAtMostOneMessagePerSolve) {
    // Ranges inside the accepted ones of the analyses (lower, upper).
    constexpr std::array<std::array<double, 2>, 18> graenser{{{0.5, 30}, {5.5, 9.5}, {5, 400},
        {0, 100}, {0, 500}, {0, 50}, {0, 10}, {0, 20}, {0, 5}, {8, 1000}, {0, 700}, {0, 500},
        {0, 100}, {0, 5}, {0, 2}, {0, 50}, {0, 15}, {0, 20}}};
    std::mt19937 tilfaeldig(20240611);
    std::uniform_real_distribution<double> enhed(0, 1);
    int loesninger = 0, fejlbeskeder = 0, stoppet = 0;
    for (int lokalitet = 0; lokalitet < 300; ++lokalitet) {
        Analyse op{}, ned{};
        for (Analyse* a : {&op, &ned})
            for (std::size_t r = 0; r < 18; ++r) {
                const auto [lo, hi] = graenser[r];
                const bool vital = r <= 2 || r == 9;  // Temperatur, pH, Calcium, Bikarbonat
                (*a)[r] = !vital && enhed(tilfaeldig) < 0.15 ? Blank : lo + (hi - lo) * enhed(tilfaeldig);
            }
        ned[0] = op[0];
        for (const bool tvungen : {true, false}) {
            lavLokalitet(op, ned);
            tilstand().TvungenKalkligevaegt = tvungen ? Sand : Falsk;
            beskeder.vist.clear();
            const std::string resultat = GeokemiskModellering();
            if (!resultat.empty()) {
                ++stoppet;
                EXPECT_TRUE(beskeder.vist.empty()) << lokalitet;
                continue;
            }
            ++loesninger;
            int uden = 0, med = 0, log10 = 0;
            for (const auto& b : beskeder.vist) {
                uden += b.tekst == IterationsbeskedUdenKalk;
                med += b.tekst == IterationsbeskedMedKalk;
                log10 += b.tekst.rfind("Log10(", 0) == 0;
            }
            EXPECT_EQ(uden + med + log10, static_cast<int>(beskeder.vist.size())) << lokalitet;
            EXPECT_LE(med, 1) << lokalitet;
            EXPECT_LE(uden, tvungen ? 0 : 1) << lokalitet;
            EXPECT_LE(log10, tvungen ? 1 : 2) << lokalitet;
            fejlbeskeder += uden + med > 0;
            EXPECT_TRUE(std::isfinite(tilstand().PH[0])) << lokalitet;
            EXPECT_TRUE(std::isfinite(TalEllerNul(tilstand().ProcKalk))) << lokalitet;
            for (int r = 1; r <= 23; ++r) {
                const Variant v = tilstand().NedstroemModel(r, 3);
                if (v.isDouble()) {
                    EXPECT_TRUE(std::isfinite(v.dbl())) << lokalitet << " row " << r;
                }
            }
            // A solve that showed no message has converged.
            if (uden + med == 0) {
                const Balance b = balanceVedLoesningen();
                EXPECT_NEAR(b.r1, 1, 1e-4) << lokalitet;
                if (TalEllerNul(tilstand().ProcKalk) != 0) {
                    EXPECT_NEAR(b.si, 0, 1e-4) << lokalitet;
                }
            }
        }
    }
    EXPECT_GT(loesninger, 300);
    RecordProperty("loesninger", loesninger);
    RecordProperty("fejlbeskeder", fejlbeskeder);
    RecordProperty("stoppet", stoppet);
    std::printf("random sites: %d solved (%d with a solver message), %d stopped by a step\n",
                loesninger, fejlbeskeder, stoppet);
}

}  // namespace
