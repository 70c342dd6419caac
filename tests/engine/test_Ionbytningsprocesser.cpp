#include <gtest/gtest.h>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "datamodel/Tabeller.h"
#include "engine/Ionbytningsprocesser.h"
#include "engine/ModelVand.h"
#include "engine/Stoekiometri.h"
#include "support/RecordingBeskeder.h"
#include "support/Standardvand.h"

namespace {

std::string Negativ(const char* navn) {
    return std::string("iteration kan ikke udføres fordi [") + navn +
           "] < 0; Undersøg dine forslag til geokemiske processer";
}

// Upstream borehole 2, downstream borehole 4; every analyte entered for both.
class IonbytningTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpretDataStrukturer();
        AlleAnalyserIndtastet(2, 4);
        StandardOpstroemsvand(2);
        Beregningstilstand& t = tilstand();
        t.KulstofValens = 0.0;
        t.KulstofIndhold = 40.0;
        t.KoncNa[4] = 30;
        t.KoncCl[4] = 40;
    }
    static Variant& PT(int r, int c) { return tilstand().ProcesTabel(r, c); }
};

TEST_F(IonbytningTest, SaltStandardGulvVedNul) {
    Beregningstilstand& t = tilstand();
    t.KoncCl[4] = 30;
    EXPECT_EQ(BeregnIonbytningsprocesser(), "");
    EXPECT_EQ(t.ProcSalt, Variant(0.0));
    EXPECT_EQ(PT(3, 1), Variant(0.0));
    t.KoncCl[4] = 75.5;
    EXPECT_EQ(BeregnIonbytningsprocesser(), "");
    EXPECT_EQ(t.ProcSalt, Variant(35.5));
}

// Ion exchange default: the sodium gain less the salt's sodium, capped at
// 0.95 × 23 / 20 × upstream calcium; never floored.
struct IonbytningTilfaelde {
    const char* navn;
    double naNed, clNed, caOp;
    Variant saltForslag;
    double forventet;
};

class IonbytningStandard : public IonbytningTest, public ::testing::WithParamInterface<IonbytningTilfaelde> {};

TEST_P(IonbytningStandard, Standard) {
    const IonbytningTilfaelde& c = GetParam();
    Beregningstilstand& t = tilstand();
    t.KoncNa[4] = c.naNed;
    t.KoncCl[4] = c.clNed;
    t.KoncCa[2] = c.caOp;
    PT(3, 2) = c.saltForslag;
    BeregnIonbytningsprocesser();
    ASSERT_TRUE(PT(4, 1).isDouble());
    EXPECT_NEAR(PT(4, 1).dbl(), c.forventet, 1e-12);
    EXPECT_EQ(t.ProcIonbytning, PT(4, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Tilfaelde, IonbytningStandard,
    ::testing::Values(IonbytningTilfaelde{"UdenSalt", 50, 40, 100, Variant(), 20},
                      IonbytningTilfaelde{"SaltForklarerEnDel", 60, 75.5, 100, Variant(), 7},        // 30 − 23
                      IonbytningTilfaelde{"NegativBrugesSomDen", 40, 75.5, 100, Variant(), -13},     // 10 − 23
                      IonbytningTilfaelde{"Loft", 330, 40, 100, Variant(), 109.25},                  // 300 > 109.25
                      IonbytningTilfaelde{"LigeUnderLoft", 139.25, 40, 100, Variant(), 109.25},
                      IonbytningTilfaelde{"SaltforslagBruges", 60, 40, 100, Variant(71.0), -16}),    // 30 − 46
    [](const auto& info) { return std::string(info.param.navn); });

TEST_F(IonbytningTest, LoftetErPraecistGraensen) {
    tilstand().KoncNa[4] = 1000;
    BeregnIonbytningsprocesser();
    EXPECT_EQ(PT(4, 1), Variant((0.95 * 23 / 20) * 100));
    EXPECT_EQ(Afrund(PT(4, 1), 5), Variant(109.25));
}

TEST_F(IonbytningTest, ForslagErstatterStandard) {
    Beregningstilstand& t = tilstand();
    PT(3, 1) = 1.0;
    PT(3, 2) = Variant(std::int64_t{5});
    PT(4, 2) = 2.5;
    PT(5, 2) = 0.0;
    PT(6, 2) = 1.0;
    PT(5, 1) = "gammel";
    EXPECT_EQ(BeregnIonbytningsprocesser(), "");
    EXPECT_EQ(t.ProcSalt, Variant(std::int64_t{5}));
    EXPECT_EQ(t.ProcIonbytning, Variant(2.5));
    EXPECT_EQ(t.ProcSiderit, Variant(0.0));
    EXPECT_EQ(t.ProcAmmonium, Variant(1.0));
    for (int r = 3; r <= 6; ++r) EXPECT_TRUE(PT(r, 1).isEmpty()) << r;
}

TEST_F(IonbytningTest, SideritOgAmmoniumUdenForslagErNul) {
    Beregningstilstand& t = tilstand();
    t.ProcSiderit = 4.0;
    t.ProcAmmonium = 4.0;
    EXPECT_EQ(BeregnIonbytningsprocesser(), "");
    EXPECT_EQ(t.ProcSiderit, Variant(0.0));
    EXPECT_EQ(t.ProcAmmonium, Variant(0.0));
}

struct Afvisning {
    int raekke;
    int analyt;
    int soejle;
    const char* besked;
};

class IonbytningAfvisning : public IonbytningTest, public ::testing::WithParamInterface<Afvisning> {};

TEST_P(IonbytningAfvisning, BeskedSletningOgNul) {
    const Afvisning& c = GetParam();
    tabeller().AnalyseData.saet(c.analyt, c.soejle, Variant());
    PT(c.raekke, 1) = 3.0;
    PT(c.raekke, 2) = 1.0;
    EXPECT_EQ(BeregnIonbytningsprocesser(), c.besked);
    EXPECT_TRUE(PT(c.raekke, 1).isEmpty());
    EXPECT_TRUE(PT(c.raekke, 2).isEmpty());
    EXPECT_EQ(tilstand().ProcesMaengde(c.raekke), Variant(0.0));
}

INSTANTIATE_TEST_SUITE_P(
    Raekker, IonbytningAfvisning,
    ::testing::Values(
        Afvisning{3, 11, 3, "Der skal være  defineret input værdier for klorid opstrøm og nedstrøm for at indtaste et gæt på saltudvaskning"},
        Afvisning{4, 5, 5, "Der skal være  defineret input værdier for natrium opstrøm og nedstrøm for at indtaste et gæt på Na/Ca ionbytning"},
        Afvisning{5, 8, 5, "Der skal være  defineret input værdier for jern opstrøm og nedstrøm for at indtaste et gæt på siderit (FeCO3) opløsning"},
        Afvisning{6, 7, 3, "Der skal være  defineret input værdier for ammonium opstrøm og nedstrøm for at indtaste et gæt på ammonium (NH4) opløsning"}));

TEST_F(IonbytningTest, ManglendeInputUdenForslagErIngenFejl) {
    Beregningstilstand& t = tilstand();
    tabeller().AnalyseData.saet(11, 5, Variant());
    tabeller().AnalyseData.saet(5, 3, Variant());
    PT(3, 1) = 2.0;
    EXPECT_EQ(BeregnIonbytningsprocesser(), "");
    EXPECT_EQ(t.ProcSalt, Variant(0.0));
    EXPECT_EQ(t.ProcIonbytning, Variant(0.0));
    EXPECT_TRUE(PT(3, 1).isEmpty());
    EXPECT_TRUE(PT(4, 1).isEmpty());
}

// The carbon of the substance oxidised by each redox process alone, for an oxidation
// state of 0: mmol C/l worked by hand, ProcCO2 = 44 × that.
struct CO2Tilfaelde {
    int proces;
    double maengde;
    double mmolC;
};

class CO2Led : public IonbytningTest, public ::testing::WithParamInterface<CO2Tilfaelde> {};

TEST_P(CO2Led, ProcCO2) {
    const CO2Tilfaelde& c = GetParam();
    Beregningstilstand& t = tilstand();
    for (int p = proces::Iltreduktion; p <= proces::DelvisPyritNitrat; ++p) t.ProcesMaengde(p) = 7.0;
    for (int p = proces::Iltreduktion; p <= proces::Denitrifikation; ++p) t.ProcesMaengde(p) = Variant();
    t.ProcesMaengde(c.proces) = c.maengde;
    BeregnIonbytningsprocesser();
    ASSERT_TRUE(t.ProcCO2.isDouble());
    EXPECT_NEAR(t.ProcCO2.dbl(), 44 * c.mmolC, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Processer, CO2Led,
                         ::testing::Values(CO2Tilfaelde{proces::Iltreduktion, 32, 1},
                                           CO2Tilfaelde{proces::Methanogenese, 16, 1},  // one CO2 per CH4
                                           CO2Tilfaelde{proces::Jernreduktion, 55.8, 0.25},
                                           CO2Tilfaelde{proces::Manganreduktion, 54.9, 0.5},
                                           CO2Tilfaelde{proces::Sulfatreduktion, 96, 2},
                                           CO2Tilfaelde{proces::Denitrifikation, 62, 1.25},
                                           CO2Tilfaelde{proces::Nitrifikation, 100, 0}));

TEST_F(IonbytningTest, ProcCO2AcetoneRegneeksempel) {
    Beregningstilstand& t = tilstand();
    t.KulstofValens = -1.333;
    t.KulstofIndhold = 62.1;
    t.ProcIltreduktion = 6.0;
    EXPECT_EQ(BeregnIonbytningsprocesser(), "");
    EXPECT_EQ(Afrund(t.ProcCO2, 5), Variant(6.18789));
}

TEST_F(IonbytningTest, ProcCO2SummeresIRaekkefoelgen) {
    Beregningstilstand& t = tilstand();
    t.KulstofValens = -1.333;
    t.ProcIltreduktion = 6.1;
    t.ProcMethanogenese = 0.7;
    t.ProcManganreduktion = 0.3;
    t.ProcJernreduktion = 3.3;
    t.ProcSulfatreduktion = 17.0;
    t.ProcDenitrifikation = 11.0;
    BeregnIonbytningsprocesser();
    const double ox = -1.333;
    const double T1 = 6.1 * 4 / (4 - ox) / 32, T2 = 0.7 * (8 / (4 - ox) - 1) / 16, T3 = 3.3 * 1 / (4 - ox) / 55.8,
                 T4 = 0.3 * 2 / (4 - ox) / 54.9, T5 = 17.0 * 8 / (4 - ox) / 96, T6 = 11.0 * 5 / (4 - ox) / 62;
    EXPECT_EQ(t.ProcCO2, Variant(44 * (T1 + T2 + T3 + T4 + T5 + T6)));
}

// Each check alone: the value made negative in both waters (so that no default
// makes up for it) fails only that species.
struct NegativTilfaelde {
    PositionsTal Beregningstilstand::* opstroem;
    const char* navn;
};

class NegativKontrol : public IonbytningTest, public ::testing::WithParamInterface<NegativTilfaelde> {};

TEST_P(NegativKontrol, Besked) {
    const NegativTilfaelde& c = GetParam();
    (tilstand().*c.opstroem)[2] = -0.001;
    (tilstand().*c.opstroem)[4] = -0.001;
    EXPECT_EQ(BeregnIonbytningsprocesser(), Negativ(c.navn));
}

INSTANTIATE_TEST_SUITE_P(Ni, NegativKontrol,
                         ::testing::Values(NegativTilfaelde{&Beregningstilstand::KoncNa, "Natrium"},
                                           NegativTilfaelde{&Beregningstilstand::KoncCl, "Klorid"},
                                           NegativTilfaelde{&Beregningstilstand::KoncFe, "Jern"},
                                           NegativTilfaelde{&Beregningstilstand::KoncNH4, "Ammonium"},
                                           NegativTilfaelde{&Beregningstilstand::KoncHCO3, "Alkalinitet"},
                                           NegativTilfaelde{&Beregningstilstand::KoncCa, "Calcium"},
                                           NegativTilfaelde{&Beregningstilstand::KoncMn, "Mangan"},
                                           NegativTilfaelde{&Beregningstilstand::KoncSO4, "Sulfat"},
                                           NegativTilfaelde{&Beregningstilstand::KoncNO3, "Nitrat"}));

TEST_F(IonbytningTest, SidsteFejlendeKontrolVinder) {
    Beregningstilstand& t = tilstand();
    // Neighbouring pairs in the order of the checks: the later one is returned.
    const std::array<std::pair<PositionsTal Beregningstilstand::*, const char*>, 9> orden{{
        {&Beregningstilstand::KoncNa, "Natrium"}, {&Beregningstilstand::KoncCl, "Klorid"},
        {&Beregningstilstand::KoncFe, "Jern"}, {&Beregningstilstand::KoncNH4, "Ammonium"},
        {&Beregningstilstand::KoncHCO3, "Alkalinitet"}, {&Beregningstilstand::KoncCa, "Calcium"},
        {&Beregningstilstand::KoncMn, "Mangan"}, {&Beregningstilstand::KoncSO4, "Sulfat"},
        {&Beregningstilstand::KoncNO3, "Nitrat"}}};
    for (std::size_t i = 0; i + 1 < orden.size(); ++i) {
        SetUp();
        for (std::size_t j : {i, i + 1}) {
            (t.*orden[j].first)[2] = -1;
            (t.*orden[j].first)[4] = -1;
        }
        EXPECT_EQ(BeregnIonbytningsprocesser(), Negativ(orden[i + 1].second)) << i;
    }
    SetUp();
    t.KoncNa[2] = t.KoncNa[4] = -1;
    t.KoncNO3[2] = -1;
    EXPECT_EQ(BeregnIonbytningsprocesser(), Negativ("Nitrat"));
}

TEST_F(IonbytningTest, NulErIkkeNegativ) {
    Beregningstilstand& t = tilstand();
    t.KoncNa[2] = 0;
    t.KoncNa[4] = 0;
    t.KoncSO4[2] = 0;
    t.ProcSulfatreduktion = 0.0;
    t.KoncNO3[2] = 0;
    EXPECT_EQ(BeregnIonbytningsprocesser(), "");
    EXPECT_EQ(t.KoncNa[0], 0);
}

TEST_F(IonbytningTest, StortIonbytningsforslagGiverCalciumUnderNul) {
    PT(4, 2) = 116.0;  // removes 116 × 20/23 = 100.87 mg Ca/l
    EXPECT_EQ(BeregnIonbytningsprocesser(), Negativ("Calcium"));
}

TEST_F(IonbytningTest, DelvisPyritoxidationMedNitratBrugerForMegetNitrat) {
    tilstand().ProcDelvisPyritNitrat = 23.0;  // 23 × 868/960 = 20.8 mg NO3/l > 20
    EXPECT_EQ(BeregnIonbytningsprocesser(), Negativ("Nitrat"));
}

TEST_F(IonbytningTest, KontrolErstatterAfvisning) {
    tabeller().AnalyseData.saet(8, 5, Variant());
    PT(5, 2) = 1.0;
    tilstand().KoncCa[2] = -1;
    EXPECT_EQ(BeregnIonbytningsprocesser(), Negativ("Calcium"));
    EXPECT_TRUE(PT(5, 2).isEmpty());  // the refusal's erasure stands
}

TEST_F(IonbytningTest, SidsteAfvisningVinderUdenKontrolfejl) {
    tabeller().AnalyseData.saet(11, 3, Variant());
    tabeller().AnalyseData.saet(7, 5, Variant());
    PT(3, 2) = 1.0;
    PT(6, 2) = 1.0;
    EXPECT_EQ(BeregnIonbytningsprocesser(),
              "Der skal være  defineret input værdier for ammonium opstrøm og nedstrøm "
              "for at indtaste et gæt på ammonium (NH4) opløsning");
    EXPECT_TRUE(PT(3, 2).isEmpty());
    EXPECT_TRUE(PT(6, 2).isEmpty());
}

// The provisional water is the model water's stoichiometry, without the presence
// rule, with the calcite of the previous modelling, and nothing else of element 0.
TEST_F(IonbytningTest, ForeloebigtModelvandSomModelvandet) {
    Beregningstilstand& t = tilstand();
    t.ProcKalk = 12.5;
    t.ProcManganreduktion = 0.2;
    t.ProcJernreduktion = 1.1;
    t.ProcSulfatreduktion = 5.0;
    t.ProcDenitrifikation = 3.0;
    t.ProcNitrifikation = 0.1;
    t.ProcPyritIlt = 1.0;
    t.ProcPyritNitrat = 2.0;
    t.ProcDelvisPyritIlt = 0.5;
    t.ProcDelvisPyritNitrat = 0.25;
    PT(3, 2) = 3.0;
    PT(4, 2) = 4.0;
    PT(5, 2) = 0.7;
    PT(6, 2) = 0.3;
    t.Temperatur[0] = -5;
    t.KoncHCO3[0] = -5;
    t.Ionstyrke[0] = -5;
    t.TUC[0] = -5;
    ASSERT_EQ(BeregnIonbytningsprocesser(), "");
    EXPECT_EQ(t.Temperatur[0], -5);
    EXPECT_EQ(t.KoncHCO3[0], -5);
    EXPECT_EQ(t.Ionstyrke[0], -5);
    EXPECT_EQ(t.TUC[0], -5);

    const Beregningstilstand foreloebig = t;
    RecordingBeskeder beskeder;
    t.PH[0] = 7;
    t.Temperatur[2] = 10;
    BeregnModelVand();
    for (auto a : {&Beregningstilstand::KoncNa, &Beregningstilstand::KoncCl, &Beregningstilstand::KoncFe,
                   &Beregningstilstand::KoncNH4, &Beregningstilstand::Alkalinitet, &Beregningstilstand::KoncCa,
                   &Beregningstilstand::KoncMn, &Beregningstilstand::KoncSO4, &Beregningstilstand::KoncNO3})
        EXPECT_EQ((foreloebig.*a)[0], (t.*a)[0]);
    EXPECT_NEAR(foreloebig.KoncCa[0], 100 + 5 - 4 * 20.0 / 23, 1e-12);
}

TEST_F(IonbytningTest, ForeloebigtModelvandUdenTilstedevaerelsesregel) {
    Beregningstilstand& t = tilstand();
    tabeller().AnalyseData.saet(9, 5, Variant());
    t.ProcManganreduktion = 0.2;
    EXPECT_EQ(BeregnIonbytningsprocesser(), "");
    EXPECT_NEAR(t.KoncMn[0], 0.5, 1e-15);
}

TEST_F(IonbytningTest, KulstofAfvisesFoerNogenAendring) {
    Beregningstilstand& t = tilstand();
    t.KulstofValens = 4.0;
    t.ProcSalt = "før";
    t.ProcCO2 = "før";
    t.KoncCa[0] = -7;
    EXPECT_EQ(BeregnIonbytningsprocesser(),
              "Modelleringen kan ikke udføres fordi 'Kulstof iltningstrin' er 4; "
              "Kulstof på iltningstrin 4 kan ikke oxideres yderligere");
    EXPECT_EQ(t.ProcSalt, Variant("før"));
    EXPECT_EQ(t.ProcCO2, Variant("før"));
    EXPECT_EQ(t.KoncCa[0], -7);
    t.KulstofValens = 1.0;
    t.KulstofIndhold = Variant();
    EXPECT_EQ(BeregnIonbytningsprocesser(),
              "Modelleringen kan ikke udføres fordi 'Indhold af kulstof (%)' er 0; "
              "Angiv modelstoffets indhold af kulstof");
}

}  // namespace
