#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "celler/Talformat.h"
#include "engine/Karbonatsystem.h"
#include "support/RecordingBeskeder.h"

namespace {

struct Vand {
    double temperatur, pH, Ca, Fe, SO4, ionstyrke, alkalinitet;
};

struct Resultat {
    double TUC, OploestCO2, CO2Tryk, SICaCO3;
    double SIFeCO3;  // NaN: "N/A"
    double PHVedKalk;
};

void SaetVand(int i, const Vand& v) {
    Beregningstilstand& t = tilstand();
    t.Temperatur[i] = v.temperatur;
    t.PH[i] = v.pH;
    t.KoncCa[i] = v.Ca;
    t.KoncFe[i] = v.Fe;
    t.KoncSO4[i] = v.SO4;
    t.Ionstyrke[i] = v.ionstyrke;
    t.Alkalinitet[i] = v.alkalinitet;
}

void Beregn(int i) {
    tilstand().BeregnIndeks = static_cast<std::int16_t>(i);
    BeregnKarbonatsystem();
}

class KarbonatsystemTest : public ::testing::Test {
protected:
    void SetUp() override { OpretDataStrukturer(); }
    TalformatScope dansk_{Talformat::dansk()};
    RecordingBeskeder beskeder_;
};

// The two worked waters, to every digit quoted for them.
TEST_F(KarbonatsystemTest, RegneeksempelVed10Grader) {
    SaetVand(1, {10, 7.0, 100, 1, 50, 0.01, 300.0 / 61000});
    Beregn(1);
    const Beregningstilstand& t = tilstand();
    EXPECT_NEAR(t.TUC[1], 0.00620350, 5e-9);
    EXPECT_NEAR(t.OploestCO2[1], 0.00128758, 5e-9);
    EXPECT_NEAR(t.CO2Tryk[1], 0.0238187, 5e-8);
    EXPECT_NEAR(t.MaetnIndeksCaCO3[1], -0.25116, 5e-6);
    ASSERT_TRUE(t.MaetnIndeksFeCO3[1].isDouble());
    EXPECT_NEAR(t.MaetnIndeksFeCO3[1].dbl(), -0.55340, 5e-6);
    EXPECT_NEAR(t.PHVedKalkligevaegt[1], 7.25078, 5e-6);
    EXPECT_TRUE(beskeder_.vist.empty());
}

TEST_F(KarbonatsystemTest, RegneeksempelVed25GraderUdenJernOgIonstyrke) {
    SaetVand(2, {25, 7.0, 100, 0, 50, 0, 300.0 / 61000});
    Beregn(2);
    const Beregningstilstand& t = tilstand();
    EXPECT_NEAR(t.TUC[2], 0.00602250, 5e-9);
    EXPECT_NEAR(t.MaetnIndeksCaCO3[2], 0.17125, 5e-6);
    EXPECT_EQ(t.MaetnIndeksFeCO3[2], Variant("N/A"));
    EXPECT_NEAR(t.PHVedKalkligevaegt[2], 6.82834, 5e-6);
}

// Worked out independently from the formulas in 40-digit arithmetic.
struct HaandberegnetTilfaelde {
    Vand vand;
    Resultat ventet;
};

class KarbonatsystemHaandberegnet : public KarbonatsystemTest,
                                    public ::testing::WithParamInterface<HaandberegnetTilfaelde> {};

void ForventRelativt(double faktisk, double ventet, const char* hvad) {
    EXPECT_NEAR(faktisk, ventet, std::abs(ventet) * 1e-9) << hvad;
}

TEST_P(KarbonatsystemHaandberegnet, AlleSeksResultater) {
    const HaandberegnetTilfaelde& c = GetParam();
    SaetVand(0, c.vand);
    Beregn(0);
    const Beregningstilstand& t = tilstand();
    ForventRelativt(t.TUC[0], c.ventet.TUC, "TUC");
    ForventRelativt(t.OploestCO2[0], c.ventet.OploestCO2, "OploestCO2");
    ForventRelativt(t.CO2Tryk[0], c.ventet.CO2Tryk, "CO2Tryk");
    ForventRelativt(t.MaetnIndeksCaCO3[0], c.ventet.SICaCO3, "MaetnIndeksCaCO3");
    if (std::isnan(c.ventet.SIFeCO3)) {
        EXPECT_EQ(t.MaetnIndeksFeCO3[0], Variant("N/A"));
    } else {
        ASSERT_TRUE(t.MaetnIndeksFeCO3[0].isDouble());
        ForventRelativt(t.MaetnIndeksFeCO3[0].dbl(), c.ventet.SIFeCO3, "MaetnIndeksFeCO3");
    }
    ForventRelativt(t.PHVedKalkligevaegt[0], c.ventet.PHVedKalk, "PHVedKalkligevaegt");
    EXPECT_TRUE(beskeder_.vist.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Vande, KarbonatsystemHaandberegnet,
    ::testing::Values(
        HaandberegnetTilfaelde{{10, 7.0, 100, 1, 50, 0.01, 300.0 / 61000},
                               {0.0062035015857415054, 0.0012875822575290764,
                                0.023818725921140338, -0.25115752318034394,
                                -0.55339633449442198, 7.2507771015746401}},
        HaandberegnetTilfaelde{{25, 7.0, 100, 0, 50, 0, 300.0 / 61000},
                               {0.0060225016487509739, 0.0011067651267265858,
                                0.032376647398023781, 0.17125080695018313, NAN,
                                6.828343362797741}},
        HaandberegnetTilfaelde{{10, 6.5, 40, 0.5, 30, 0.005, 150.0 / 61000},
                               {0.0045549069801697164, 0.0020958770634932587,
                                0.038771209410380562, -1.3790869321771726,
                                -1.5430850279918224, 7.8790330312443149}},
        HaandberegnetTilfaelde{{10, 7.8, 120, 3, 80, 0.02, 400.0 / 61000},
                               {0.0067976296076709593, 0.00026091530403027636,
                                0.0048266198753424613, 0.6664766537510322,
                                0.74980854325388496, 7.1307904939031802}}));

TEST_F(KarbonatsystemTest, RoererKunDetValgteElement) {
    const Vand vand{10, 7.0, 100, 1, 50, 0.01, 300.0 / 61000};
    for (int i = 0; i <= 5; ++i) SaetVand(i, vand);
    Beregningstilstand& t = tilstand();
    for (int i = 0; i <= 5; ++i) {
        t.TUC[i] = t.OploestCO2[i] = t.CO2Tryk[i] = -7;
        t.MaetnIndeksCaCO3[i] = t.PHVedKalkligevaegt[i] = -7;
        t.MaetnIndeksFeCO3[i] = "x";
    }
    for (int valgt : {0, 3}) {
        Beregn(valgt);
        EXPECT_EQ(t.BeregnIndeks, valgt);
        for (int i = 0; i <= 5; ++i) {
            if (i == valgt) {
                EXPECT_NE(t.TUC[i], -7);
                continue;
            }
            EXPECT_EQ(t.TUC[i], -7) << i;
            EXPECT_EQ(t.OploestCO2[i], -7) << i;
            EXPECT_EQ(t.CO2Tryk[i], -7) << i;
            EXPECT_EQ(t.MaetnIndeksCaCO3[i], -7) << i;
            EXPECT_EQ(t.PHVedKalkligevaegt[i], -7) << i;
            EXPECT_EQ(t.MaetnIndeksFeCO3[i], Variant("x")) << i;
        }
        t.TUC[valgt] = t.OploestCO2[valgt] = t.CO2Tryk[valgt] = -7;
        t.MaetnIndeksCaCO3[valgt] = t.PHVedKalkligevaegt[valgt] = -7;
        t.MaetnIndeksFeCO3[valgt] = "x";
    }
}

TEST_F(KarbonatsystemTest, JernNulEllerNegativGiverNA) {
    for (double fe : {0.0, -1.0}) {
        SaetVand(1, {10, 7.0, 100, fe, 50, 0.01, 300.0 / 61000});
        tilstand().MaetnIndeksFeCO3[1] = 1.0;
        Beregn(1);
        EXPECT_EQ(tilstand().MaetnIndeksFeCO3[1], Variant("N/A")) << fe;
    }
    EXPECT_TRUE(beskeder_.vist.empty());
}

TEST_F(KarbonatsystemTest, CalciumNulGiverToLogaritmeBeskederOgNul) {
    SaetVand(0, {10, 7.0, 0, 1, 50, 0.01, 300.0 / 61000});
    Beregn(0);
    const Beregningstilstand& t = tilstand();
    ASSERT_EQ(beskeder_.vist.size(), 2u);
    for (const VistBesked& b : beskeder_.vist) {
        EXPECT_EQ(b.tekst, "Log10(0) kan ikke beregnes");
        EXPECT_EQ(b.ikon, BeskedIkon::Ingen);
        EXPECT_EQ(b.titel, "");
    }
    EXPECT_EQ(t.MaetnIndeksCaCO3[0], 0.0);
    EXPECT_EQ(t.PHVedKalkligevaegt[0], 0.0);
    EXPECT_FALSE(std::signbit(t.PHVedKalkligevaegt[0]));  // never shown as "-0"
    EXPECT_TRUE(t.MaetnIndeksFeCO3[0].isDouble());        // iron is still evaluated
}

TEST_F(KarbonatsystemTest, AlkalinitetNulRammerKunPHVedKalkligevaegt) {
    // pH 4: the carbon that the hydrogen ions leave is still positive.
    SaetVand(0, {10, 4.0, 100, 0, 50, 0.01, 0});
    Beregn(0);
    ASSERT_EQ(beskeder_.tekster(), std::vector<std::string>{"Log10(0) kan ikke beregnes"});
    EXPECT_EQ(tilstand().PHVedKalkligevaegt[0], 0.0);
    EXPECT_GT(tilstand().TUC[0], 0.0);
}

TEST_F(KarbonatsystemTest, NegativtTUCGiverBeskederForMaetningsindeks) {
    // Alkalinity far below the hydroxide of a pH 11 water: TUC < 0.
    SaetVand(0, {10, 11.0, 100, 1, 50, 0.01, 1e-6});
    Beregn(0);
    const Beregningstilstand& t = tilstand();
    EXPECT_LT(t.TUC[0], 0.0);
    ASSERT_EQ(beskeder_.vist.size(), 2u);
    EXPECT_EQ(beskeder_.vist[0].tekst.rfind("Log10(-", 0), 0u) << beskeder_.vist[0].tekst;
    EXPECT_EQ(t.MaetnIndeksCaCO3[0], 0.0);
    EXPECT_EQ(t.MaetnIndeksFeCO3[0], Variant(0.0));
}

// Outside the admitted inputs: nothing that is not finite reaches the state.
TEST_F(KarbonatsystemTest, UgyldigeInddataGiverIngenNaN) {
    for (const Vand& v : {Vand{-273, 7.0, 100, 1, 50, 0.01, 0.005},
                          Vand{10, 7.0, 100, 1, 50, -0.5, 0.005},
                          Vand{10, 1e308, 100, 1, 50, 0.01, 0.005}}) {
        SaetVand(0, v);
        Beregn(0);
        const Beregningstilstand& t = tilstand();
        for (double x : {t.TUC[0], t.OploestCO2[0], t.CO2Tryk[0], t.MaetnIndeksCaCO3[0],
                         t.PHVedKalkligevaegt[0]})
            EXPECT_TRUE(std::isfinite(x)) << v.temperatur << " " << v.ionstyrke;
        const Variant& fe = t.MaetnIndeksFeCO3[0];
        EXPECT_TRUE(fe.isText() || std::isfinite(fe.dbl()));
    }
}

// A solver must learn that such an evaluation failed, though no box is shown for it.
TEST_F(KarbonatsystemTest, IkkeEndeligLogaritmeTaellerSomFejlUnderOpsamling) {
    SaetVand(0, {10, 1e308, 100, 1, 50, 0.01, 0.005});
    {
        Log10Opsamling opsamling;
        Beregn(0);
        EXPECT_GT(opsamling.antalFejl(), 0);
    }
    EXPECT_LE(beskeder_.vist.size(), 1u);
    SaetVand(0, {10, 7.0, 100, 1, 50, 0.01, 0.005});
    Log10Opsamling opsamling;
    Beregn(0);
    EXPECT_EQ(opsamling.antalFejl(), 0);
}

TEST_F(KarbonatsystemTest, BeregnIndeksUdenforGoerIntet) {
    SaetVand(0, {10, 7.0, 100, 1, 50, 0.01, 0.005});
    tilstand().TUC[0] = -7;
    for (int i : {-1, 6}) Beregn(i);
    EXPECT_EQ(tilstand().TUC[0], -7);
}

}  // namespace
