// The two Newton solvers against model waters of the tests' own, whose residuals are
// known in closed form, so every trial point, clamp and tightening can be checked.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "celler/Talformat.h"
#include "engine/Iteration.h"
#include "support/RecordingBeskeder.h"

namespace {

constexpr double PHOpstroems = 7.0;
constexpr double TUCOpstroems = 0.005;  // mol/l

struct Punkt {
    double ph;
    double kalk;
};

struct Residualer {
    double r1;  // carbon balance ratio wanted
    double si;  // calcite saturation index
};

// A model water given by its residuals at (pH, calcite) and the number of the
// evaluation; it writes TUC(0) so that the solver's carbon balance comes out as r1.
class Testvand {
public:
    using Funktion = std::function<Residualer(double ph, double kalk, int n)>;

    explicit Testvand(Funktion f) : f_(std::move(f)) {
        SaetModelevaluering([this] { evaluer(); });
    }
    ~Testvand() { SaetModelevaluering({}); }

    std::vector<Punkt> punkter;
    std::function<void()> ekstra;  // run inside every evaluation

private:
    void evaluer() {
        Beregningstilstand& t = tilstand();
        const double ph = t.PH[0];
        const double kalk = TalEllerNul(t.ProcKalk);
        const Residualer r = f_(ph, kalk, static_cast<int>(punkter.size()));
        punkter.push_back({ph, kalk});
        const double tilfoert = TalEllerNul(t.ProcCO2) / 44 + kalk / 100 + TalEllerNul(t.ProcSiderit) / 55.8;
        t.TUC[0] = (r.r1 * 1000 * t.TUC[t.FraPosition] + tilfoert) / 1000;
        t.MaetnIndeksCaCO3[0] = r.si;
        if (ekstra) ekstra();
    }
    Funktion f_;
};

class Iteration : public ::testing::Test {
protected:
    void SetUp() override {
        OpretDataStrukturer();
        Beregningstilstand& t = tilstand();
        t.FraPosition = 2;
        t.TilPosition = 3;
        t.PH[2] = PHOpstroems;
        t.TUC[2] = TUCOpstroems;
    }
    void TearDown() override { OpretDataStrukturer(); }

    int antal(const std::string& tekst) const {
        int n = 0;
        for (const auto& b : beskeder.vist) n += b.tekst == tekst;
        return n;
    }

    RecordingBeskeder beskeder;
};

// ---- pH solver -------------------------------------------------------------------

TEST_F(Iteration, MessagesHaveTheirExactBlanks) {
    EXPECT_STREQ(IterationsbeskedUdenKalk, " Programmets iterationsprocedure  kunne ikke beregne en løsning ");
    EXPECT_STREQ(IterationsbeskedMedKalk, "Programmets iterationsprocedure kunne ikke beregne en løsning");
}

TEST_F(Iteration, BalancedWaterConvergesInTheFirstIterationWithAStepOfZero) {
    Testvand vand([](double ph, double, int) { return Residualer{1 + (ph - PHOpstroems), -1}; });
    tilstand().PH[0] = 9.9;  // a pH of an earlier solve is not the start
    ItererUdenKalkligevaegt();
    ASSERT_EQ(vand.punkter.size(), 2u);
    EXPECT_EQ(vand.punkter[0].ph, PHOpstroems);
    EXPECT_EQ(vand.punkter[1].ph, PHOpstroems + 0.01);
    EXPECT_EQ(tilstand().PH[0], PHOpstroems);
    EXPECT_EQ(tilstand().ProcKalk, Variant(0));
    EXPECT_TRUE(beskeder.vist.empty());
}

// The carbon balance takes the added carbon in mmol/l: CO2/44, calcite/100 and
// siderite/55.8, against 1000 times the upstream TUC.
struct Kulstofbalance {
    double co2, siderit, tucOpstroems, tucModel;
};

class KulstofbalanceTest : public Iteration, public ::testing::WithParamInterface<Kulstofbalance> {};

TEST_P(KulstofbalanceTest, AWaterInBalanceNeedsOneIteration) {
    const Kulstofbalance k = GetParam();
    Beregningstilstand& t = tilstand();
    t.ProcCO2 = Variant(k.co2);
    t.ProcSiderit = Variant(k.siderit);
    t.TUC[2] = k.tucOpstroems;
    int evalueringer = 0;
    SaetModelevaluering([&] {
        ++evalueringer;
        t.TUC[0] = k.tucModel + 0.001 * (t.PH[0] - PHOpstroems);
        t.MaetnIndeksCaCO3[0] = -1;
    });
    ItererUdenKalkligevaegt();
    SaetModelevaluering({});
    EXPECT_EQ(evalueringer, 2);
    EXPECT_NEAR(t.PH[0], PHOpstroems, 1e-12);
    EXPECT_TRUE(beskeder.vist.empty());
}

// (6 - 44/44 - 55.8/55.8) / 4 = 1; (5 - 88/44) / 3 = 1; (3 - 27.9/55.8) / 2.5 = 1.
INSTANTIATE_TEST_SUITE_P(Enheder, KulstofbalanceTest,
                         ::testing::Values(Kulstofbalance{44, 55.8, 0.004, 0.006},
                                           Kulstofbalance{88, 0, 0.003, 0.005},
                                           Kulstofbalance{0, 27.9, 0.0025, 0.003}));

TEST_F(Iteration, PHStepOfHalfAUnitIsCutToTwoTenthsAndTheStepTightens) {
    // r1 = 1 + (pH - 7.5): Newton would go straight to 7.5.
    Testvand vand([](double ph, double, int) { return Residualer{1 + (ph - 7.5), -1}; });
    ItererUdenKalkligevaegt();
    // Iteration 1: e = 0.25, no band, h1 stays 0.01; iteration 2 at 7.2: e = 0.09 < 0.1
    // gives 0.001; iteration 3 at 7.4: e = 0.01 keeps 0.001; iteration 4 at 7.5 converges.
    const std::vector<double> forventet{7.0, 7.01, 7.2, 7.21, 7.4, 7.401, 7.5, 7.501};
    ASSERT_EQ(vand.punkter.size(), forventet.size());
    for (std::size_t i = 0; i < forventet.size(); ++i)
        EXPECT_NEAR(vand.punkter[i].ph, forventet[i], 1e-9) << i;
    EXPECT_NEAR(tilstand().PH[0], 7.5, 1e-9);
    EXPECT_TRUE(beskeder.vist.empty());
}

TEST_F(Iteration, NegativeStepIsCutToMinusTwoTenths) {
    Testvand vand([](double ph, double, int) { return Residualer{1 + (ph - 6.0), -1}; });
    ItererUdenKalkligevaegt();
    ASSERT_GE(vand.punkter.size(), 4u);
    EXPECT_NEAR(vand.punkter[2].ph, 6.8, 1e-9);
    EXPECT_NEAR(tilstand().PH[0], 6.0, 1e-9);
}

// The step of the next iteration by the first residual r1 = 1 - d: e = d².
struct Stramning {
    double d;
    double h1;
};

class PHStramning : public Iteration, public ::testing::WithParamInterface<Stramning> {};

TEST_P(PHStramning, LastBandThatHoldsSetsTheStep) {
    const Stramning s = GetParam();
    Testvand vand([&](double ph, double, int) { return Residualer{1 + (ph - (PHOpstroems + s.d)), -1}; });
    ItererUdenKalkligevaegt();
    ASSERT_GE(vand.punkter.size(), 4u);
    EXPECT_NEAR(vand.punkter[3].ph - vand.punkter[2].ph, s.h1, s.h1 * 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Baand, PHStramning,
                         ::testing::Values(Stramning{0.5, 0.01},      // e = 0.25
                                           Stramning{0.33, 0.01},     // e = 0.1089
                                           Stramning{0.035, 0.001},   // e = 1.225e-3
                                           Stramning{0.0035, 1e-4},   // e = 1.225e-5
                                           Stramning{3.5e-4, 1e-5},   // e = 1.225e-7
                                           Stramning{0.3, 0.001},     // e = 0.09
                                           Stramning{0.02, 1e-4},     // e = 4e-4
                                           Stramning{0.002, 1e-5},    // e = 4e-6
                                           Stramning{2e-4, 1e-6}));   // e = 4e-8

TEST_F(Iteration, TightenedStepIsLoosenedAgainByALargerResidual) {
    // Iteration 1 close (e = 1e-8), iteration 2 far again (e = 0.04): h1 goes from 1e-6
    // to 0.001; iteration 3 is then in balance.
    Testvand vand([](double, double, int n) {
        const int iteration = n / 2 + 1;
        const bool hævet = n % 2 == 1;
        const double r = iteration == 1 ? 1 - 1e-4 : iteration == 2 ? 0.8 : 1.0;
        return Residualer{r + (hævet ? 0.01 : 0.0), -1};
    });
    ItererUdenKalkligevaegt();
    ASSERT_EQ(vand.punkter.size(), 6u);
    EXPECT_NEAR(vand.punkter[3].ph - vand.punkter[2].ph, 1e-6, 1e-12);
    EXPECT_NEAR(vand.punkter[5].ph - vand.punkter[4].ph, 0.001, 1e-12);
}

// The limit is tested before the stopping rule: converging in iteration 201 is too late.
struct Graense {
    int konvergererI;
    std::size_t evalueringer;
    int beskeder;
};

class PHGraense : public Iteration, public ::testing::WithParamInterface<Graense> {};

TEST_P(PHGraense, MessageOnlyWhenTheCounterPasses200) {
    const Graense g = GetParam();
    Testvand vand([&](double, double, int n) {
        const int iteration = n / 2 + 1;
        const double r = iteration < g.konvergererI ? 0.5 : 1.0;
        return Residualer{r + (n % 2 == 1 ? 0.001 : 0.0), -1};
    });
    ItererUdenKalkligevaegt();
    EXPECT_EQ(vand.punkter.size(), g.evalueringer);
    EXPECT_EQ(antal(IterationsbeskedUdenKalk), g.beskeder);
    EXPECT_EQ(beskeder.vist.size(), static_cast<std::size_t>(g.beskeder));
    if (!beskeder.vist.empty()) {
        EXPECT_EQ(beskeder.vist[0].ikon, BeskedIkon::Kritisk);
        EXPECT_EQ(beskeder.vist[0].knapper, BeskedKnapper::OK);
        EXPECT_EQ(beskeder.vist[0].titel, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Iterationer, PHGraense,
                         ::testing::Values(Graense{1, 2, 0}, Graense{200, 400, 0},
                                           Graense{201, 402, 1}, Graense{1000, 402, 1}));

TEST_F(Iteration, AfterTheLimitTheLastStepStaysInPlace) {
    // Never in balance, and every step cut to +0.2.
    Testvand vand([](double, double, int n) { return Residualer{0.5 + (n % 2 == 1 ? 0.001 : 0.0), -1}; });
    ItererUdenKalkligevaegt();
    EXPECT_NEAR(tilstand().PH[0], PHOpstroems + 201 * 0.2, 1e-9);
    EXPECT_EQ(antal(IterationsbeskedUdenKalk), 1);
}

// A zero slope with a residual of 0 gives 0/0: the solve stops with its message
// instead of carrying a pH that is no number.
TEST_F(Iteration, StepThatIsNoNumberEndsTheSolveWithItsMessage) {
    Testvand vand([](double, double, int) { return Residualer{1.0, -1}; });
    ItererUdenKalkligevaegt();
    EXPECT_EQ(vand.punkter.size(), 2u);
    EXPECT_EQ(tilstand().PH[0], PHOpstroems);
    EXPECT_EQ(beskeder.tekster(), std::vector<std::string>{IterationsbeskedUdenKalk});
}

TEST_F(Iteration, NoUpstreamCarbonEndsTheSolveWithItsMessage) {
    tilstand().TUC[2] = 0;
    SaetModelevaluering([] {
        tilstand().TUC[0] = 0.004 + 0.001 * tilstand().PH[0];
        tilstand().MaetnIndeksCaCO3[0] = -1;
    });
    ItererUdenKalkligevaegt();
    SaetModelevaluering({});
    EXPECT_TRUE(std::isfinite(tilstand().PH[0]));
    EXPECT_EQ(beskeder.tekster(), std::vector<std::string>{IterationsbeskedUdenKalk});
}

TEST_F(Iteration, FailedLogarithmsShowOneMessageAndTheSolveDoesNotPassForConverged) {
    // Balanced at once, but every evaluation takes the logarithm of 0.
    Testvand vand([](double ph, double, int) { return Residualer{1 + (ph - PHOpstroems), 0}; });
    vand.ekstra = [] { Log10(Variant(0)); };
    ItererUdenKalkligevaegt();
    EXPECT_EQ(beskeder.tekster(),
              (std::vector<std::string>{"Log10(0) kan ikke beregnes", IterationsbeskedUdenKalk}));
    EXPECT_TRUE(std::isfinite(tilstand().PH[0]));
    // Outside a solve every failure shows its message again.
    Log10(Variant(0));
    EXPECT_EQ(antal("Log10(0) kan ikke beregnes"), 2);
}

// ---- hand-over -------------------------------------------------------------------

class Overdragelse : public Iteration, public ::testing::WithParamInterface<double> {};

TEST_P(Overdragelse, OnlyAPositiveIndexStartsTheJointSolveFromTheUpstreamPH) {
    const double si = GetParam();
    // pH solver: balanced at 7.0 whatever the calcite; joint solver: carbon falls with
    // calcite, saturation at 100·si mg/l.
    Testvand vand([&](double ph, double kalk, int) {
        return Residualer{1 + (ph - 7.3) - 0.001 * kalk, si - 0.01 * kalk};
    });
    ItererUdenKalkligevaegt();
    const bool overdraget = si > 0;
    // The pH solver needs 3 iterations (7.0 -> 7.2 -> 7.3).
    ASSERT_GE(vand.punkter.size(), 6u);
    EXPECT_EQ(vand.punkter.size() > 6, overdraget);
    if (overdraget) {
        EXPECT_EQ(vand.punkter[6].ph, PHOpstroems);
        EXPECT_EQ(vand.punkter[6].kalk, 0.0);
        EXPECT_EQ(vand.punkter[8].kalk, 0.1);  // the first calcite trial
        EXPECT_NEAR(TalEllerNul(tilstand().ProcKalk), 100 * si, 1e-6);
        EXPECT_NEAR(tilstand().PH[0], 7.3 + 0.1 * si, 1e-6);
    } else {
        EXPECT_EQ(tilstand().ProcKalk, Variant(0));
        EXPECT_NEAR(tilstand().PH[0], 7.3, 1e-9);
    }
    EXPECT_TRUE(beskeder.vist.empty());
}

INSTANTIATE_TEST_SUITE_P(Indeks, Overdragelse, ::testing::Values(-0.5, 0.0, 1e-9, 0.3));

TEST_F(Iteration, HandOverAlsoAfterTheMessage) {
    Testvand vand([](double ph, double kalk, int n) {
        if (kalk == 0 && n < 402) return Residualer{0.5 + (n % 2 == 1 ? 0.001 : 0.0), 0.2};
        return Residualer{1 + (ph - 7.1) - 0.001 * kalk, 0.2 - 0.01 * kalk};
    });
    ItererUdenKalkligevaegt();
    EXPECT_EQ(antal(IterationsbeskedUdenKalk), 1);
    EXPECT_EQ(antal(IterationsbeskedMedKalk), 0);
    ASSERT_GT(vand.punkter.size(), 402u);
    EXPECT_EQ(vand.punkter[402].ph, PHOpstroems);
    EXPECT_NEAR(TalEllerNul(tilstand().ProcKalk), 20, 1e-6);
}

// ---- pH-plus-calcite solver ------------------------------------------------------

// Linear residuals r1 = 1 + a(pH - p) + b(calcite - k), r2 = 1 + c(pH - p) + d(calcite - k),
// whatever the number of the evaluation.
struct Lineaer {
    double a, b, c, d, p, k;
    Residualer operator()(double ph, double kalk, int) const {
        return {1 + a * (ph - p) + b * (kalk - k), std::log10(1 + c * (ph - p) + d * (kalk - k))};
    }
};

TEST_F(Iteration, JointSolveStartsFromTheUpstreamPHWithNoCalcite) {
    Testvand vand(Lineaer{0.5, -0.002, 0.3, -0.01, 7.1, 5});
    tilstand().PH[0] = 8.5;
    tilstand().ProcKalk = Variant(40.0);
    ItererMedKalkligevaegt();
    ASSERT_GE(vand.punkter.size(), 6u);
    // Three evaluations: as it stands, pH raised by h1, calcite raised by h2.
    EXPECT_EQ(vand.punkter[0].ph, PHOpstroems);
    EXPECT_EQ(vand.punkter[0].kalk, 0.0);
    EXPECT_EQ(vand.punkter[1].ph, PHOpstroems + 0.01);
    EXPECT_EQ(vand.punkter[1].kalk, 0.0);
    EXPECT_EQ(vand.punkter[2].ph, PHOpstroems);
    EXPECT_EQ(vand.punkter[2].kalk, 0.1);
    EXPECT_NEAR(tilstand().PH[0], 7.1, 1e-7);
    EXPECT_NEAR(TalEllerNul(tilstand().ProcKalk), 5, 1e-5);
    EXPECT_TRUE(beskeder.vist.empty());
}

TEST_F(Iteration, CutPHStepIsUsedForTheCalciteStep) {
    // The Newton step would be +0.5 pH, -3 mg/l; the pH step is cut to 0.2 and the
    // calcite step follows from the carbon balance: -0.025/0.01 - (0.01/0.01)·0.2 = -2.7.
    Testvand vand(Lineaer{0.01, 0.01, 0.5, -0.02, 7.5, -3});
    ItererMedKalkligevaegt();
    ASSERT_GE(vand.punkter.size(), 4u);
    EXPECT_NEAR(vand.punkter[3].ph, 7.2, 1e-9);
    EXPECT_NEAR(vand.punkter[3].kalk, -2.7, 1e-9);
}

TEST_F(Iteration, CalciteStepOfMinus30IsCutToMinus10) {
    Testvand vand(Lineaer{0.5, 0.01, 0.2, -0.02, 7.0, -30});
    ItererMedKalkligevaegt();
    ASSERT_GE(vand.punkter.size(), 10u);
    EXPECT_NEAR(vand.punkter[3].ph, 7.0, 1e-9);
    EXPECT_NEAR(vand.punkter[3].kalk, -10, 1e-9);
    EXPECT_NEAR(vand.punkter[6].kalk, -20, 1e-9);
    EXPECT_NEAR(vand.punkter[9].kalk, -30, 1e-9);
    EXPECT_NEAR(TalEllerNul(tilstand().ProcKalk), -30, 1e-6);
}

TEST_F(Iteration, CalciteStepAbove10IsCutTo10) {
    Testvand vand(Lineaer{0.5, 0.01, 0.2, -0.02, 7.0, 25});
    ItererMedKalkligevaegt();
    ASSERT_GE(vand.punkter.size(), 4u);
    EXPECT_NEAR(vand.punkter[3].kalk, 10, 1e-9);
    EXPECT_NEAR(TalEllerNul(tilstand().ProcKalk), 25, 1e-6);
}

// Both squared residuals must lie below a band's threshold for its steps.
struct FaellesStramning {
    double d1, d2;  // first residuals 1 - d1, 1 - d2
    double h1, h2;
};

class JointStramning : public Iteration, public ::testing::WithParamInterface<FaellesStramning> {};

TEST_P(JointStramning, BothResidualsDecideTheSteps) {
    const FaellesStramning s = GetParam();
    // Residuals that depend on the iteration only (plus a slope), so iteration 2's
    // trial points show the steps chosen after iteration 1.
    Testvand vand([&](double ph, double kalk, int n) {
        const int iteration = n / 3 + 1;
        const double r1 = iteration == 1 ? 1 - s.d1 : 1.0;
        const double r2 = iteration == 1 ? 1 - s.d2 : 1.0;
        return Residualer{r1 + 0.1 * (ph - PHOpstroems) + 0.01 * kalk,
                          std::log10(r2 + 0.05 * (ph - PHOpstroems) - 0.02 * kalk)};
    });
    ItererMedKalkligevaegt();
    ASSERT_GE(vand.punkter.size(), 6u);
    EXPECT_NEAR(vand.punkter[4].ph - vand.punkter[3].ph, s.h1, s.h1 * 1e-6);
    EXPECT_NEAR(vand.punkter[5].kalk - vand.punkter[3].kalk, s.h2, s.h2 * 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Baand, JointStramning,
                         ::testing::Values(FaellesStramning{0.5, 0.5, 0.01, 0.1},
                                           FaellesStramning{0.2, 0.5, 0.01, 0.1},
                                           FaellesStramning{0.2, 0.2, 0.001, 0.1},
                                           FaellesStramning{0.02, 0.2, 0.001, 0.1},
                                           FaellesStramning{0.02, 0.02, 1e-4, 0.01},
                                           FaellesStramning{0.002, 0.002, 1e-5, 0.001},
                                           FaellesStramning{2e-4, 0.002, 1e-5, 0.001},
                                           FaellesStramning{2e-4, 2e-4, 1e-6, 1e-4}));

class JointGraense : public Iteration, public ::testing::WithParamInterface<Graense> {};

TEST_P(JointGraense, MessageOnlyWhenTheCounterPasses200) {
    const Graense g = GetParam();
    Testvand vand([&](double, double, int n) {
        const int iteration = n / 3 + 1;
        const double r = iteration < g.konvergererI ? 0.5 : 1.0;
        const int hvilken = n % 3;  // 0 as it stands, 1 pH raised, 2 calcite raised
        return Residualer{r + (hvilken == 1 ? 0.001 : 0.0) + (hvilken == 2 ? 0.002 : 0.0),
                          std::log10(r + (hvilken == 2 ? -0.001 : 0.0) + (hvilken == 1 ? 0.0005 : 0.0))};
    });
    ItererMedKalkligevaegt();
    EXPECT_EQ(vand.punkter.size(), g.evalueringer);
    EXPECT_EQ(antal(IterationsbeskedMedKalk), g.beskeder);
    EXPECT_EQ(beskeder.vist.size(), static_cast<std::size_t>(g.beskeder));
    EXPECT_TRUE(std::isfinite(tilstand().PH[0]));
    EXPECT_TRUE(std::isfinite(TalEllerNul(tilstand().ProcKalk)));
}

INSTANTIATE_TEST_SUITE_P(Iterationer, JointGraense,
                         ::testing::Values(Graense{1, 3, 0}, Graense{200, 600, 0},
                                           Graense{201, 603, 1}));

TEST_F(Iteration, JointSolveWithAFlatSaturationStopsWithItsMessage) {
    // The calcite never changes the saturation: J22 = 0 and the steps are no numbers.
    Testvand vand([](double ph, double kalk, int) { return Residualer{1 + (ph - 7.2) - 0.001 * kalk, -0.3}; });
    ItererMedKalkligevaegt();
    EXPECT_EQ(beskeder.tekster(), std::vector<std::string>{IterationsbeskedMedKalk});
    EXPECT_EQ(vand.punkter.size(), 3u);
    EXPECT_TRUE(std::isfinite(tilstand().PH[0]));
    EXPECT_TRUE(std::isfinite(TalEllerNul(tilstand().ProcKalk)));
}

TEST_F(Iteration, JointSolveShowsOneLogarithmMessageAndItsOwn) {
    Testvand vand(Lineaer{0.5, -0.002, 0.3, -0.01, 7.1, 5});
    vand.ekstra = [] { Log10(Variant(-0.5)); };
    TalformatScope dansk(Talformat::dansk());
    ItererMedKalkligevaegt();
    EXPECT_EQ(beskeder.tekster(),
              (std::vector<std::string>{"Log10(-0,5) kan ikke beregnes", IterationsbeskedMedKalk}));
}

}  // namespace
