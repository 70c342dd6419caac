#include <gtest/gtest.h>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "engine/Redoxprocesser.h"
#include "engine/Stoekiometri.h"
#include "support/Standardvand.h"

namespace {

// Upstream borehole 1, downstream borehole 3; every analyte entered for both.
class RedoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpretDataStrukturer();
        AlleAnalyserIndtastet(1, 3, "2,0");  // downstream as typed text
        Beregningstilstand& t = tilstand();
        saetVand(1, 8, 0.1, 0.3, 2, 50, 20);
        saetVand(3, 2, 0.5, 0.8, 7, 30, 5);
        t.KulstofValens = 0.0;  // "Organisk stof"
        t.KulstofIndhold = 40.0;
    }
    static void saetVand(int i, double o2, double ch4, double mn, double fe, double so4, double no3) {
        Beregningstilstand& t = tilstand();
        t.KoncO2[i] = o2;
        t.KoncCH4[i] = ch4;
        t.KoncMn[i] = mn;
        t.KoncFe[i] = fe;
        t.KoncSO4[i] = so4;
        t.KoncNO3[i] = no3;
    }
    static Variant& maengde(int r) { return tilstand().ProcesMaengde(r + 6); }
    static Variant& RT(int r, int c) { return tilstand().RedoxTabel(r, c); }
};

// Defaults of rows 1..6 and the substance consumed, worked by hand for
// "Organisk stof" (oxidation state 0, 40 % carbon): amount / M × e / 4 × 30.
struct StandardTilfaelde {
    int raekke;
    double standard;
    double forbrug;  // mg/l of substance
};

class RedoxStandard : public RedoxTest, public ::testing::WithParamInterface<StandardTilfaelde> {};

TEST_P(RedoxStandard, StandardOgStofforbrug) {
    const StandardTilfaelde& c = GetParam();
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    ASSERT_TRUE(RT(c.raekke, 1).isDouble());
    EXPECT_NEAR(RT(c.raekke, 1).dbl(), c.standard, 1e-12);
    EXPECT_EQ(maengde(c.raekke), RT(c.raekke, 1));
    EXPECT_NEAR(TalEllerNul(RT(c.raekke, 3)), c.forbrug, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Raekker, RedoxStandard,
                         ::testing::Values(StandardTilfaelde{1, 6, 5.625},            // O2 8 -> 2, consumed
                                           StandardTilfaelde{2, 0.4, 1.5},            // CH4 0.1 -> 0.5, formed
                                           StandardTilfaelde{3, 0.5, 0.1366120218579235},
                                           StandardTilfaelde{4, 5, 0.6720430107526881},
                                           StandardTilfaelde{5, 20, 12.5},
                                           StandardTilfaelde{6, 15, 9.07258064516129}));

TEST_F(RedoxTest, OmvendtRetningGiverNulIkkeNegativ) {
    Beregningstilstand& t = tilstand();
    std::swap(t.FraPosition, t.TilPosition);
    tabeller().AnalyseData.saet(17, 2, 1.0);
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(RT(r, 1), Variant(0.0)) << r;
        EXPECT_EQ(maengde(r), Variant(0.0)) << r;
        EXPECT_EQ(RT(r, 3), Variant(0.0)) << r;
    }
}

TEST_F(RedoxTest, SammeBoringGiverNul) {
    tilstand().TilPosition = 1;
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(RT(r, 1), Variant(0.0)) << r;
}

TEST_F(RedoxTest, AcetoneRegneeksempel) {
    Beregningstilstand& t = tilstand();
    t.KulstofValens = -1.333;
    t.KulstofIndhold = 62.1;
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    EXPECT_EQ(TalEllerNul(t.ProcIltreduktion), 6.0);
    EXPECT_EQ(Afrund(RT(1, 3), 5), Variant(2.71756));
    // The other five rows, worked by hand for acetone.
    EXPECT_NEAR(RT(2, 3).dbl(), 0.7246829738452857, 1e-13);
    EXPECT_NEAR(RT(3, 3).dbl(), 0.06600027084201145, 1e-13);
    EXPECT_NEAR(RT(4, 3).dbl(), 0.32467875172279825, 1e-13);
    EXPECT_NEAR(RT(5, 3).dbl(), 6.039024782044047, 1e-12);
    EXPECT_NEAR(RT(6, 3).dbl(), 4.3831631482577755, 1e-12);
}

TEST_F(RedoxTest, MetanHarDivisor8) {
    Beregningstilstand& t = tilstand();
    t.KulstofValens = -4.0;
    t.KulstofIndhold = 75.0;
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    // 6 / 32 × 4 / 8 × 1200 / 75
    EXPECT_DOUBLE_EQ(RT(1, 3).dbl(), 1.5);
}

TEST_F(RedoxTest, ForslagErstatterStandard) {
    for (int r = 7; r <= 11; ++r) {
        RT(r, 1) = "urørt";
        RT(r, 3) = "urørt";
    }
    for (int r = 1; r <= 11; ++r) RT(r, 2) = Variant(static_cast<std::int64_t>(r));
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    for (int r = 1; r <= 11; ++r) {
        EXPECT_EQ(maengde(r), Variant(static_cast<std::int64_t>(r))) << r;  // as stored
        EXPECT_EQ(RT(r, 2), Variant(static_cast<std::int64_t>(r))) << r;
    }
    for (int r = 1; r <= 6; ++r) EXPECT_TRUE(RT(r, 1).isEmpty()) << r;
    for (int r = 7; r <= 11; ++r) {
        EXPECT_EQ(RT(r, 1), Variant("urørt")) << r;
        EXPECT_EQ(RT(r, 3), Variant("urørt")) << r;
    }
    // The substance consumed follows the proposal: 4 mg Fe/l / 55.8 × 1 / 4 × 30.
    EXPECT_NEAR(RT(4, 3).dbl(), 0.5376344086021505, 1e-13);
}

TEST_F(RedoxTest, ForslagPaaNulErEtForslag) {
    RT(4, 2) = 0.0;
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    EXPECT_EQ(tilstand().ProcJernreduktion, Variant(0.0));
    EXPECT_TRUE(RT(4, 1).isEmpty());
    EXPECT_EQ(RT(4, 3), Variant(0.0));
}

TEST_F(RedoxTest, ForslagSomTekstBrugesSomGemt) {
    TalformatScope dansk(Talformat::dansk());
    RT(1, 2) = "3,2";
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    EXPECT_EQ(tilstand().ProcIltreduktion, Variant("3,2"));
    EXPECT_DOUBLE_EQ(RT(1, 3).dbl(), 3.0);  // 3.2 / 32 × 4 / 4 × 30
}

TEST_F(RedoxTest, ProcesserUdenForslagTagerIkkeDel) {
    for (int r = 7; r <= 11; ++r) maengde(r) = 99.0;
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    for (int r = 7; r <= 11; ++r) EXPECT_EQ(maengde(r), Variant(0.0)) << r;
}

TEST_F(RedoxTest, ManglendeInputUdenForslagErIngenFejl) {
    tabeller().AnalyseData.saet(17, 2, Variant());
    RT(1, 1) = 5.0;
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    EXPECT_EQ(tilstand().ProcIltreduktion, Variant(0.0));
    EXPECT_TRUE(RT(1, 1).isEmpty());
    EXPECT_EQ(RT(1, 3), Variant(0.0));
}

// A proposal whose analyses are missing: the message of its row, erased, amount 0.
struct Afvisning {
    int raekke;
    int analyt;     // the analyte left blank
    int soejle;     // in this column of AnalyseData
    const char* besked;
};

class RedoxAfvisning : public RedoxTest, public ::testing::WithParamInterface<Afvisning> {};

TEST_P(RedoxAfvisning, BeskedSletningOgNul) {
    const Afvisning& c = GetParam();
    tabeller().AnalyseData.saet(c.analyt, c.soejle, Variant(std::string()));
    RT(c.raekke, 2) = 1.5;
    if (c.raekke <= 6) RT(c.raekke, 1) = 7.0;
    EXPECT_EQ(BeregnRedoxprocesser(), c.besked);
    EXPECT_TRUE(RT(c.raekke, 2).isEmpty());
    if (c.raekke <= 6) {
        EXPECT_TRUE(RT(c.raekke, 1).isEmpty());
    }
    EXPECT_EQ(maengde(c.raekke), Variant(0.0));
}

INSTANTIATE_TEST_SUITE_P(
    Raekker, RedoxAfvisning,
    ::testing::Values(
        Afvisning{1, 17, 2, "Der skal være  defineret input værdier for ilt opstrøm og nedstrøm for at indtaste et gæt på iltreduktion"},
        Afvisning{2, 18, 4, "Der skal være  defineret input værdier for metan opstrøm og nedstrøm for at indtaste et gæt på methanogenese"},
        Afvisning{3, 9, 2, "Der skal være  defineret input værdier for mangan opstrøm og nedstrøm for at indtaste et gæt på manganreduktion"},
        Afvisning{4, 8, 4, "Der skal være  defineret input værdier for jern opstrøm og nedstrøm for at indtaste et gæt på jernreduktion"},
        Afvisning{5, 12, 2, "Der skal være  defineret input værdier for sulfat opstrøm og nedstrøm for at indtaste et gæt på sulfatreduktion"},
        Afvisning{6, 13, 4, "Der skal være  defineret input værdier for nitrat opstrøm og nedstrøm for at indtaste et gæt på denitrifikation"},
        Afvisning{7, 7, 2, "Der skal være  defineret input værdier for ammonium opstrøm og nedstrøm for at indtaste et gæt på nitrifikation"},
        Afvisning{8, 12, 4, "Der skal være  defineret input værdier for sulfat opstrøm og nedstrøm for at indtaste et gæt på pyritoxidation med iltreduktion"},
        Afvisning{9, 12, 2, "Der skal være  defineret input værdier for sulfat og nitrat opstrøm og nedstrøm for at indtaste et gæt på pyritoxidation med nitratreduktion"},
        Afvisning{9, 13, 4, "Der skal være  defineret input værdier for sulfat og nitrat opstrøm og nedstrøm for at indtaste et gæt på pyritoxidation med nitratreduktion"},
        Afvisning{10, 12, 4, "Der skal være  defineret input værdier for sulfat og jern opstrøm og nedstrøm for at indtaste et gæt på delvis pyritoxidation med iltreduktion"},
        Afvisning{10, 8, 2, "Der skal være  defineret input værdier for sulfat og jern opstrøm og nedstrøm for at indtaste et gæt på delvis pyritoxidation med iltreduktion"},
        Afvisning{11, 12, 2, "Der skal være  defineret input værdier for sulfat, nitrat og jern opstrøm og nedstrøm for at indtaste et gæt på delvis pyritoxidation med nitratreduktion"},
        Afvisning{11, 13, 2, "Der skal være  defineret input værdier for sulfat, nitrat og jern opstrøm og nedstrøm for at indtaste et gæt på delvis pyritoxidation med nitratreduktion"},
        Afvisning{11, 8, 4, "Der skal være  defineret input værdier for sulfat, nitrat og jern opstrøm og nedstrøm for at indtaste et gæt på delvis pyritoxidation med nitratreduktion"}));

TEST_F(RedoxTest, SidsteAfvisningVinder) {
    GridTabel& a = tabeller().AnalyseData;
    a.saet(18, 4, Variant());  // methane missing downstream
    a.saet(13, 2, Variant());  // nitrate missing upstream
    RT(2, 2) = 1.0;
    RT(9, 2) = 2.0;
    RT(11, 2) = 3.0;  // also refused (nitrate), and last
    RT(10, 2) = 4.0;  // accepted
    EXPECT_EQ(BeregnRedoxprocesser(),
              "Der skal være  defineret input værdier for sulfat, nitrat og jern opstrøm og nedstrøm "
              "for at indtaste et gæt på delvis pyritoxidation med nitratreduktion");
    EXPECT_TRUE(RT(2, 2).isEmpty());
    EXPECT_TRUE(RT(9, 2).isEmpty());
    EXPECT_TRUE(RT(11, 2).isEmpty());
    EXPECT_EQ(tilstand().ProcDelvisPyritIlt, Variant(4.0));
    // The defaults of the rows that could be computed still stand.
    EXPECT_NEAR(TalEllerNul(tilstand().ProcIltreduktion), 6, 1e-12);
}

TEST_F(RedoxTest, Raekke2Og9AfvistGiverRaekke9) {
    GridTabel& a = tabeller().AnalyseData;
    a.saet(18, 4, Variant());
    a.saet(13, 4, Variant());
    RT(2, 2) = 1.0;
    RT(9, 2) = 2.0;
    EXPECT_EQ(BeregnRedoxprocesser(),
              "Der skal være  defineret input værdier for sulfat og nitrat opstrøm og nedstrøm "
              "for at indtaste et gæt på pyritoxidation med nitratreduktion");
    EXPECT_TRUE(RT(2, 2).isEmpty());
    EXPECT_TRUE(RT(9, 2).isEmpty());
}

TEST_F(RedoxTest, AfvistForslagForbliverSlettet) {
    tabeller().AnalyseData.saet(8, 4, Variant());
    RT(4, 2) = 1.0;
    EXPECT_NE(BeregnRedoxprocesser(), "");
    tabeller().AnalyseData.saet(8, 4, 7.0);
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    EXPECT_NEAR(TalEllerNul(tilstand().ProcJernreduktion), 5, 1e-12);  // the default again
}

// Carbon values that would divide by zero are refused before anything changes.
struct KulstofTilfaelde {
    const char* navn;
    Variant valens;
    Variant indhold;
    const char* besked;
};

const char* const Iltningstrin4 =
    "Modelleringen kan ikke udføres fordi 'Kulstof iltningstrin' er 4; Kulstof på iltningstrin 4 kan ikke oxideres yderligere";
const char* const Indhold0 =
    "Modelleringen kan ikke udføres fordi 'Indhold af kulstof (%)' er 0; Angiv modelstoffets indhold af kulstof";

class Kulstof : public RedoxTest, public ::testing::WithParamInterface<KulstofTilfaelde> {};

TEST_P(Kulstof, AfvisesFoerNogenAendring) {
    const KulstofTilfaelde& c = GetParam();
    Beregningstilstand& t = tilstand();
    t.KulstofValens = c.valens;
    t.KulstofIndhold = c.indhold;
    tabeller().AnalyseData.saet(8, 4, Variant());
    RT(4, 2) = 1.0;  // would be refused and erased
    for (int r = 1; r <= 11; ++r) maengde(r) = "før";
    RT(1, 3) = "før";
    EXPECT_EQ(BeregnRedoxprocesser(), c.besked);
    EXPECT_EQ(RT(4, 2), Variant(1.0));
    EXPECT_EQ(RT(1, 3), Variant("før"));
    EXPECT_TRUE(RT(1, 1).isEmpty());
    for (int r = 1; r <= 11; ++r) EXPECT_EQ(maengde(r), Variant("før")) << r;
}

INSTANTIATE_TEST_SUITE_P(
    Tilfaelde, Kulstof,
    ::testing::Values(KulstofTilfaelde{"Iltningstrin4", 4.0, 40.0, Iltningstrin4},
                      KulstofTilfaelde{"Iltningstrin4Heltal", Variant(4), 40.0, Iltningstrin4},
                      KulstofTilfaelde{"Indhold0", 0.0, Variant(0), Indhold0},
                      KulstofTilfaelde{"IndholdTomt", 0.0, Variant(), Indhold0},
                      KulstofTilfaelde{"IndholdIkkeEtTal", 0.0, "x", Indhold0},
                      KulstofTilfaelde{"BeggeIltningstrinVinder", 4.0, 0.0, Iltningstrin4}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST_F(RedoxTest, IltningstrinTaetPaa4ErTilladt) {
    tilstand().KulstofValens = 3.999;
    EXPECT_EQ(BeregnRedoxprocesser(), "");
    EXPECT_NEAR(RT(1, 3).dbl(), 6.0 / 32 * 4 / (4 - 3.999) * 30, 1e-6);
}

}  // namespace
