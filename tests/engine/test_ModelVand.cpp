#include <gtest/gtest.h>

#include <random>
#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "engine/Karbonatsystem.h"
#include "engine/ModelVand.h"
#include "engine/Stoekiometri.h"
#include "support/RecordingBeskeder.h"
#include "support/Standardvand.h"

namespace {

// Upstream borehole 1, downstream borehole 2; every analyte entered for both.
class ModelVandTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpretDataStrukturer();
        AlleAnalyserIndtastet(1, 2);
        StandardOpstroemsvand(1);
        Beregningstilstand& t = tilstand();
        t.PH[1] = 7.0;
        t.KoncMg[1] = 10;
        t.KoncK[1] = 3;
        t.KoncF[1] = 0.2;
        t.KoncP[1] = 0.1;
        t.KoncNVOC[1] = 5;
        t.KoncO2[1] = 8;
        t.KoncCH4[1] = 0.1;
        t.PH[0] = 7.0;
    }
    RecordingBeskeder beskeder;
};

TEST_F(ModelVandTest, UdenProcesserErModelvandetOpstroemsvandet) {
    Beregningstilstand& t = tilstand();
    t.Temperatur[0] = 99;
    BeregnModelVand();
    EXPECT_EQ(t.BeregnIndeks, 0);
    EXPECT_EQ(t.Temperatur[0], 10);
    EXPECT_EQ(t.KoncCa[0], 100);
    EXPECT_EQ(t.KoncNa[0], 30);
    EXPECT_EQ(t.KoncCl[0], 40);
    EXPECT_EQ(t.KoncFe[0], 2);
    EXPECT_EQ(t.KoncNH4[0], 0.5);
    EXPECT_EQ(t.KoncMn[0], 0.3);
    EXPECT_EQ(t.KoncSO4[0], 50);
    EXPECT_EQ(t.KoncNO3[0], 20);
    EXPECT_DOUBLE_EQ(t.Alkalinitet[0], 300.0 / 61000);
    EXPECT_NEAR(t.KoncHCO3[0], 300, 1e-12);
    // Worked by hand from the ionic-strength formula with the upstream water.
    EXPECT_NEAR(t.Ionstyrke[0], 0.01084433064487271, 1e-17);
    // Not part of the model water.
    EXPECT_EQ(t.PH[0], 7.0);
    EXPECT_EQ(t.KoncMg[0], 0);
    EXPECT_EQ(t.KoncK[0], 0);
    EXPECT_EQ(t.KoncNVOC[0], 0);
    EXPECT_EQ(t.KoncO2[0], 0);
    EXPECT_TRUE(beskeder.vist.empty());
}

// One row per process: the amount and the change it makes to every species, worked
// out by hand from the contributions per mg/l (alkalinity change in meq/l).
struct ProcesTilfaelde {
    const char* navn;
    int proces;
    double maengde;
    double dCa, dNa, dCl, dFe, dNH4, dMn, dSO4, dNO3, dAlk;
};

class ProcesBidrag : public ModelVandTest, public ::testing::WithParamInterface<ProcesTilfaelde> {};

TEST_P(ProcesBidrag, AendrerHverArtEfterStoekiometrien) {
    const ProcesTilfaelde& c = GetParam();
    Beregningstilstand& t = tilstand();
    t.ProcesMaengde(c.proces) = c.maengde;
    BeregnModelVand();
    const double tol = 1e-9;
    EXPECT_NEAR(t.KoncCa[0], 100 + c.dCa, tol);
    EXPECT_NEAR(t.KoncNa[0], 30 + c.dNa, tol);
    EXPECT_NEAR(t.KoncCl[0], 40 + c.dCl, tol);
    EXPECT_NEAR(t.KoncFe[0], 2 + c.dFe, tol);
    EXPECT_NEAR(t.KoncNH4[0], 0.5 + c.dNH4, tol);
    EXPECT_NEAR(t.KoncMn[0], 0.3 + c.dMn, tol);
    EXPECT_NEAR(t.KoncSO4[0], 50 + c.dSO4, tol);
    EXPECT_NEAR(t.KoncNO3[0], 20 + c.dNO3, tol);
    EXPECT_NEAR(t.Alkalinitet[0], 300.0 / 61000 + c.dAlk / 1000, 1e-15);
    EXPECT_NEAR(t.KoncHCO3[0], 300 + c.dAlk * 61, tol);
}

INSTANTIATE_TEST_SUITE_P(
    Processer, ProcesBidrag,
    ::testing::Values(
        //                 name, process, amount, Ca, Na, Cl, Fe, NH4, Mn, SO4, NO3, alk
        ProcesTilfaelde{"Kalk", proces::Kalk, 50, 20, 0, 0, 0, 0, 0, 0, 0, 1},
        ProcesTilfaelde{"KalkUdfaeldet", proces::Kalk, -50, -20, 0, 0, 0, 0, 0, 0, 0, -1},
        ProcesTilfaelde{"Salt", proces::Salt, 35.5, 0, 23, 35.5, 0, 0, 0, 0, 0, 0},
        ProcesTilfaelde{"Ionbytning", proces::Ionbytning, 23, -20, 23, 0, 0, 0, 0, 0, 0, 0},
        ProcesTilfaelde{"Siderit", proces::Siderit, 55.8, 0, 0, 0, 55.8, 0, 0, 0, 0, 2},
        ProcesTilfaelde{"Ammonium", proces::Ammonium, 18, 0, 0, 0, 0, 18, 0, 0, 0, 0},
        ProcesTilfaelde{"Manganreduktion", proces::Manganreduktion, 54.9, 0, 0, 0, 0, 0, 54.9, 0, 0, 2},
        ProcesTilfaelde{"Jernreduktion", proces::Jernreduktion, 55.8, 0, 0, 0, 55.8, 0, 0, 0, 0, 2},
        ProcesTilfaelde{"Sulfatreduktion", proces::Sulfatreduktion, 96, 0, 0, 0, 0, 0, 0, -96, 0, 2},
        ProcesTilfaelde{"Denitrifikation", proces::Denitrifikation, 62, 0, 0, 0, 0, 0, 0, 0, -62, 1},
        ProcesTilfaelde{"Nitrifikation", proces::Nitrifikation, 18, 0, 0, 0, 0, -18, 0, 0, 62, -2},
        ProcesTilfaelde{"PyritIlt", proces::PyritIlt, 96, 0, 0, 0, 0, 0, 0, 96, 0, -2},
        ProcesTilfaelde{"PyritNitrat", proces::PyritNitrat, 192, 0, 0, 0, 0, 0, 0, 192, -186, -1},
        ProcesTilfaelde{"DelvisPyritIlt", proces::DelvisPyritIlt, 96, 0, 0, 0, 55.8, 0, 0, 96, 0, -1},
        ProcesTilfaelde{"DelvisPyritNitrat", proces::DelvisPyritNitrat, 960, 0, 0, 0, 558, 0, 0, 960, -868, 4},
        // These enter the solvers and the modelled column, not the model water.
        ProcesTilfaelde{"CO2", proces::CO2, 44, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        ProcesTilfaelde{"Iltreduktion", proces::Iltreduktion, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        ProcesTilfaelde{"Methanogenese", proces::Methanogenese, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.navn); });

// The seven presence-tested species: blank upstream or downstream gives 0, also in
// the ionic strength.
struct Tilstede {
    int analytRaekke;
    PositionsTal Beregningstilstand::* art;
};

class Tilstedevaerelse : public ModelVandTest,
                         public ::testing::WithParamInterface<std::tuple<Tilstede, int>> {};

TEST_P(Tilstedevaerelse, BlankICenAfBoringerneGiverNul) {
    const auto [art, soejle] = GetParam();
    Beregningstilstand& t = tilstand();
    t.ProcSalt = 35.5;  // touches Na and Cl
    t.ProcJernreduktion = 1.0;
    t.ProcNitrifikation = 1.0;
    t.ProcPyritIlt = 1.0;
    t.ProcManganreduktion = 1.0;
    tabeller().AnalyseData.saet(art.analytRaekke, soejle, Variant(std::string()));
    BeregnModelVand();
    EXPECT_EQ((t.*art.art)[0], 0.0);
    const double ionstyrke = (0.5 / 1000) *
        (4 * (t.KoncMg[1] / 24.3 + t.KoncCa[0] / 40 + t.KoncFe[0] / 55.8 + t.KoncMn[0] / 54.9) + t.KoncNa[0] / 23 +
         t.KoncK[1] / 39.1 + t.KoncNH4[0] / 18 + t.KoncHCO3[0] / 61 + t.KoncCl[0] / 35.5 + 4 * t.KoncSO4[0] / 96 +
         t.KoncNO3[0] / 62 + t.KoncF[1] / 19 + 2.25 * t.KoncP[1] / 31);
    EXPECT_EQ(t.Ionstyrke[0], ionstyrke);
}

INSTANTIATE_TEST_SUITE_P(
    SyvArter, Tilstedevaerelse,
    ::testing::Combine(::testing::Values(Tilstede{5, &Beregningstilstand::KoncNa}, Tilstede{11, &Beregningstilstand::KoncCl},
                                         Tilstede{8, &Beregningstilstand::KoncFe}, Tilstede{7, &Beregningstilstand::KoncNH4},
                                         Tilstede{9, &Beregningstilstand::KoncMn}, Tilstede{12, &Beregningstilstand::KoncSO4},
                                         Tilstede{13, &Beregningstilstand::KoncNO3}),
                       ::testing::Values(2, 3)));

TEST_F(ModelVandTest, CalciumOgAlkalinitetBeregnesSelvOmNedstroemErBlank) {
    Beregningstilstand& t = tilstand();
    GridTabel& a = tabeller().AnalyseData;
    a.saet(3, 3, Variant());
    a.saet(10, 3, Variant());
    t.ProcKalk = 50.0;
    BeregnModelVand();
    EXPECT_NEAR(t.KoncCa[0], 120, 1e-12);
    EXPECT_NEAR(t.KoncHCO3[0], 361, 1e-9);
}

TEST_F(ModelVandTest, EnFyldtCelleErEnHvilkenSomHelstTekst) {
    // Presence asks only for a text form: a text that is no number still counts;
    // an empty text does not.
    Beregningstilstand& t = tilstand();
    GridTabel& a = tabeller().AnalyseData;
    a.saet(11, 2, "ikke målt");
    a.saet(5, 3, Variant(std::string()));
    BeregnModelVand();
    EXPECT_EQ(t.KoncCl[0], 40);
    EXPECT_EQ(t.KoncNa[0], 0);
}

TEST_F(ModelVandTest, TekstIProcesmaengdeTaellerSomTallet) {
    TalformatScope dansk(Talformat::dansk());
    Beregningstilstand& t = tilstand();
    t.ProcSalt = "35,5";
    t.ProcKalk = Variant();  // empty counts 0
    BeregnModelVand();
    EXPECT_NEAR(t.KoncNa[0], 53, 1e-12);
    EXPECT_EQ(t.KoncCl[0], 75.5);
    EXPECT_EQ(t.KoncCa[0], 100);
}

TEST_F(ModelVandTest, KarbonatsystemetEvalueresForElement0) {
    Beregningstilstand& t = tilstand();
    t.ProcKalk = 20.0;
    t.ProcJernreduktion = 3.0;
    BeregnModelVand();
    // The same water evaluated in element 4 must give the same carbonate results.
    for (auto a : {&Beregningstilstand::Temperatur, &Beregningstilstand::PH, &Beregningstilstand::KoncCa,
                   &Beregningstilstand::KoncFe, &Beregningstilstand::KoncSO4, &Beregningstilstand::Ionstyrke,
                   &Beregningstilstand::Alkalinitet})
        (t.*a)[4] = (t.*a)[0];
    t.BeregnIndeks = 4;
    BeregnKarbonatsystem();
    EXPECT_GT(t.TUC[0], 0);
    EXPECT_EQ(t.TUC[0], t.TUC[4]);
    EXPECT_EQ(t.OploestCO2[0], t.OploestCO2[4]);
    EXPECT_EQ(t.CO2Tryk[0], t.CO2Tryk[4]);
    EXPECT_EQ(t.MaetnIndeksCaCO3[0], t.MaetnIndeksCaCO3[4]);
    EXPECT_EQ(t.MaetnIndeksFeCO3[0], t.MaetnIndeksFeCO3[4]);
    EXPECT_EQ(t.PHVedKalkligevaegt[0], t.PHVedKalkligevaegt[4]);
}

TEST_F(ModelVandTest, GammeltElement0OverlevesIkke) {
    Beregningstilstand& t = tilstand();
    t.ProcSulfatreduktion = 10.0;
    BeregnModelVand();
    tabeller().AnalyseData.saet(12, 3, Variant());
    t.ProcSulfatreduktion = Variant();
    BeregnModelVand();
    EXPECT_EQ(t.KoncSO4[0], 0);
}

// Every formula written out as it stands, for random amounts and waters: the table
// of the model water must agree with it to the last bit.
TEST_F(ModelVandTest, FormlerneSomSkrevetBitForBit) {
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> u(-200, 400);
    Beregningstilstand& t = tilstand();
    for (int n = 0; n < 200; ++n) {
        for (auto a : {&Beregningstilstand::KoncCa, &Beregningstilstand::KoncNa, &Beregningstilstand::KoncCl,
                       &Beregningstilstand::KoncFe, &Beregningstilstand::KoncNH4, &Beregningstilstand::KoncMn,
                       &Beregningstilstand::KoncSO4, &Beregningstilstand::KoncNO3, &Beregningstilstand::KoncHCO3,
                       &Beregningstilstand::KoncMg, &Beregningstilstand::KoncK, &Beregningstilstand::KoncF,
                       &Beregningstilstand::KoncP})
            (t.*a)[1] = std::abs(u(gen));
        for (int p = 1; p <= 17; ++p) t.ProcesMaengde(p) = u(gen);
        BeregnModelVand();
        const double a = TalEllerNul(t.ProcKalk), s = TalEllerNul(t.ProcSalt), x = TalEllerNul(t.ProcIonbytning),
                     f = TalEllerNul(t.ProcSiderit), nn = TalEllerNul(t.ProcAmmonium),
                     m = TalEllerNul(t.ProcManganreduktion), j = TalEllerNul(t.ProcJernreduktion),
                     r = TalEllerNul(t.ProcSulfatreduktion), d = TalEllerNul(t.ProcDenitrifikation),
                     tt = TalEllerNul(t.ProcNitrifikation), p1 = TalEllerNul(t.ProcPyritIlt),
                     p2 = TalEllerNul(t.ProcPyritNitrat), p3 = TalEllerNul(t.ProcDelvisPyritIlt),
                     p4 = TalEllerNul(t.ProcDelvisPyritNitrat);
        const double ca = t.KoncCa[1] + (40.0 / 100) * a - (20.0 / 23) * x;
        const double na = t.KoncNa[1] + s * 23 / 35.5 + x;
        const double cl = t.KoncCl[1] + s;
        const double fe = t.KoncFe[1] + j + f + ((p3 + p4) / 96) * 55.8;
        const double nh4 = t.KoncNH4[1] + nn - tt;
        const double dA = 2 * a / 100 + 2 * (j + f) / 55.8 + 2 * m / 54.9 + 2 * r / 96 + d / 62 - 2 * tt / 18 -
                          (2 * p1 + 0.5 * p2 + p3 - 0.4 * p4) / 96;
        const double alk = t.KoncHCO3[1] / 61000 + dA / 1000;
        const double mn = t.KoncMn[1] + m;
        const double so4 = t.KoncSO4[1] + p1 + p2 + p3 + p4 - r;
        const double no3 = t.KoncNO3[1] + (62.0 / 18) * tt - d - (186.0 / 192) * p2 - (868.0 / 960) * p4;
        const double hco3 = alk * 61000;
        const double is = (0.5 / 1000) *
            (4 * (t.KoncMg[1] / 24.3 + ca / 40 + fe / 55.8 + mn / 54.9) + na / 23 + t.KoncK[1] / 39.1 + nh4 / 18 +
             hco3 / 61 + cl / 35.5 + 4 * so4 / 96 + no3 / 62 + t.KoncF[1] / 19 + 2.25 * t.KoncP[1] / 31);
        ASSERT_EQ(t.KoncCa[0], ca) << n;
        ASSERT_EQ(t.KoncNa[0], na) << n;
        ASSERT_EQ(t.KoncCl[0], cl) << n;
        ASSERT_EQ(t.KoncFe[0], fe) << n;
        ASSERT_EQ(t.KoncNH4[0], nh4) << n;
        ASSERT_EQ(t.Alkalinitet[0], alk) << n;
        ASSERT_EQ(t.KoncMn[0], mn) << n;
        ASSERT_EQ(t.KoncSO4[0], so4) << n;
        ASSERT_EQ(t.KoncNO3[0], no3) << n;
        ASSERT_EQ(t.KoncHCO3[0], hco3) << n;
        ASSERT_EQ(t.Ionstyrke[0], is) << n;
    }
}

}  // namespace
