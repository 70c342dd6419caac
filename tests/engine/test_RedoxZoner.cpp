#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "engine/RedoxZoner.h"
#include "support/Standardvand.h"

namespace {

constexpr int RaekkeIlt = 17, RaekkeNitrat = 13, RaekkeJern = 8, RaekkeSulfat = 12,
              RaekkeMetan = 18;

class RedoxZonerTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpretDataStrukturer();
        TommeAnalyser();
    }
    // Ranks equal to borehole numbers.
    void SaetBoringer(int n) {
        Beregningstilstand& t = tilstand();
        t.AntalBoringer = static_cast<std::int16_t>(n);
        for (int r = 1; r <= 5; ++r) t.RedoxRang[r] = static_cast<std::int16_t>(r <= n ? r : 0);
    }
};

TEST_F(RedoxZonerTest, KriterieteksterTegnForTegn) {
    VurderRedoxZoner();
    const std::vector<std::vector<std::string>> ventet = {
        {">  1,0", "<  1,0", "<  1,0", "<  1,0"},
        {">  1,0", ">  1,0", "<  1,0", "<  1,0"},
        {"<  0,2", "<  0,2", ">  0,2", ">  0,2"},
        {"> 20  ", "> 20  ", "> 20  ", "< 20  "},
        {"<  0,1", "<  0,1", "<  0,1", ">  0,1"},
    };
    const Beregningstilstand& t = tilstand();
    for (int p = 1; p <= 5; ++p)
        for (int z = 1; z <= 4; ++z)
            EXPECT_EQ(t.RedoxKriterier(p, z), Variant(ventet[p - 1][z - 1])) << p << "," << z;
    for (int p = 0; p <= 5; ++p) EXPECT_TRUE(t.RedoxKriterier(p, 0).isEmpty());
    for (int z = 0; z <= 4; ++z) EXPECT_TRUE(t.RedoxKriterier(0, z).isEmpty());
}

// One parameter of borehole 1 at, below or above its threshold. The per-analyte
// value and the typed cell differ, so the test sees which one a zone received.
struct GraenseTilfaelde {
    int p;              // parameter row of the matrix
    int analyseRaekke;
    PositionsTal Beregningstilstand::*koncentration;
    double v;
    const char* zoner;  // per zone: 'v' the value, 'c' the typed cell, '-' empty
};

class Graenser : public RedoxZonerTest, public ::testing::WithParamInterface<GraenseTilfaelde> {};

TEST_P(Graenser, ZoneCellerne) {
    const GraenseTilfaelde& c = GetParam();
    SaetBoringer(2);
    Beregningstilstand& t = tilstand();
    (t.*c.koncentration)[1] = c.v;
    const Variant celle("indtastet");
    tabeller().AnalyseData.saet(c.analyseRaekke, 2, celle);
    VurderRedoxZoner();
    // Borehole 1 is the hotspot: matrix 2.
    for (int z = 1; z <= 4; ++z) {
        const Variant& m = t.RedoxZoneMatrix2(c.p, z);
        switch (c.zoner[z - 1]) {
            case 'v': EXPECT_EQ(m, Variant(c.v)) << "zone " << z; break;
            case 'c': EXPECT_EQ(m, celle) << "zone " << z; break;
            default: EXPECT_TRUE(m.isEmpty()) << "zone " << z;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tilfaelde, Graenser,
    ::testing::Values(
        GraenseTilfaelde{1, RaekkeIlt, &Beregningstilstand::KoncO2, 1.0, "-ccc"},
        GraenseTilfaelde{1, RaekkeIlt, &Beregningstilstand::KoncO2, 0.999, "-ccc"},
        GraenseTilfaelde{1, RaekkeIlt, &Beregningstilstand::KoncO2, 1.001, "v---"},
        GraenseTilfaelde{1, RaekkeIlt, &Beregningstilstand::KoncO2, 1.5, "v---"},
        GraenseTilfaelde{2, RaekkeNitrat, &Beregningstilstand::KoncNO3, 1.0, "--cc"},
        GraenseTilfaelde{2, RaekkeNitrat, &Beregningstilstand::KoncNO3, 0.999, "--cc"},
        GraenseTilfaelde{2, RaekkeNitrat, &Beregningstilstand::KoncNO3, 1.001, "vv--"},
        GraenseTilfaelde{3, RaekkeJern, &Beregningstilstand::KoncFe, 0.2, "--vv"},
        GraenseTilfaelde{3, RaekkeJern, &Beregningstilstand::KoncFe, 0.19, "cc--"},
        GraenseTilfaelde{3, RaekkeJern, &Beregningstilstand::KoncFe, 0.21, "--vv"},
        GraenseTilfaelde{4, RaekkeSulfat, &Beregningstilstand::KoncSO4, 20.0, "---c"},
        GraenseTilfaelde{4, RaekkeSulfat, &Beregningstilstand::KoncSO4, 19.99, "---c"},
        GraenseTilfaelde{4, RaekkeSulfat, &Beregningstilstand::KoncSO4, 20.01, "vvv-"},
        GraenseTilfaelde{4, RaekkeSulfat, &Beregningstilstand::KoncSO4, 25.0, "vvv-"},
        GraenseTilfaelde{5, RaekkeMetan, &Beregningstilstand::KoncCH4, 0.1, "---v"},
        GraenseTilfaelde{5, RaekkeMetan, &Beregningstilstand::KoncCH4, 0.05, "ccc-"},
        GraenseTilfaelde{5, RaekkeMetan, &Beregningstilstand::KoncCH4, 0.11, "---v"}));

TEST_F(RedoxZonerTest, NedreZonerFaarCellensIndholdUaendret) {
    SaetBoringer(2);
    // Oxygen below: the stored number, not the per-analyte value.
    tilstand().KoncO2[2] = 0.5;
    tabeller().AnalyseData.saet(RaekkeIlt, 3, Variant(0.25));
    // A blank cell with 0 in the state: every lower zone gets the blank cell.
    VurderRedoxZoner();
    const RedoxZoneTabel& opstroem = tilstand().RedoxZoneMatrix1;  // borehole 2
    EXPECT_TRUE(opstroem(1, 1).isEmpty());
    for (int z = 2; z <= 4; ++z) EXPECT_EQ(opstroem(1, z), Variant(0.25));
    // Iron, sulfate, methane and nitrate blank: blank throughout (cells Empty).
    for (int p = 2; p <= 5; ++p)
        for (int z = 1; z <= 4; ++z) EXPECT_TRUE(opstroem(p, z).isEmpty()) << p << "," << z;
    // Upper zones carry the unrounded value.
    tilstand().KoncO2[2] = 1.23456789;
    VurderRedoxZoner();
    EXPECT_EQ(tilstand().RedoxZoneMatrix1(1, 1), Variant(1.23456789));
}

TEST_F(RedoxZonerTest, FaerreEndToBoringerTaemmerMatricerne) {
    Beregningstilstand& t = tilstand();
    SaetBoringer(5);
    for (int i = 1; i <= 5; ++i) t.KoncO2[i] = 5;
    VurderRedoxZoner();
    for (int n : {0, 1}) {
        SaetBoringer(5);
        VurderRedoxZoner();
        ASSERT_FALSE(t.RedoxZoneMatrix5(1, 1).isEmpty());
        t.AntalBoringer = static_cast<std::int16_t>(n);
        VurderRedoxZoner();
        for (int m = 1; m <= 5; ++m)
            for (int p = 0; p <= 5; ++p)
                for (int z = 0; z <= 4; ++z)
                    EXPECT_TRUE(t.RedoxZoneMatrix(m)(p, z).isEmpty()) << n << ":" << m;
        EXPECT_EQ(t.RedoxKriterier(1, 1), Variant(">  1,0"));
    }
}

// Each matrix from its own rank: 1 the most oxidised, 2 the hotspot, 3..5 ranks 2..4.
TEST_F(RedoxZonerTest, MatricerEfterRang) {
    Beregningstilstand& t = tilstand();
    for (int N = 2; N <= 5; ++N) {
        // Ranks in reverse order of the boreholes, so rank and borehole differ.
        t.AntalBoringer = static_cast<std::int16_t>(N);
        for (int r = 1; r <= 5; ++r) t.RedoxRang[r] = static_cast<std::int16_t>(r <= N ? N + 1 - r : 0);
        for (int i = 1; i <= 5; ++i) {
            t.KoncO2[i] = 10.0 + i;   // upper side: the value itself
            t.KoncSO4[i] = 100.0 + i;
        }
        VurderRedoxZoner();
        const int position[6] = {0, t.RedoxRang[N], t.RedoxRang[1], t.RedoxRang[2], t.RedoxRang[3],
                                 t.RedoxRang[4]};
        for (int m = 1; m <= 5; ++m) {
            const bool fyldt = m <= 2 || m <= N;
            const RedoxZoneTabel& M = t.RedoxZoneMatrix(m);
            if (!fyldt) {
                EXPECT_TRUE(M(1, 1).isEmpty()) << N << ":" << m;
                continue;
            }
            EXPECT_EQ(M(1, 1), Variant(10.0 + position[m])) << N << ":" << m;
            EXPECT_EQ(M(4, 3), Variant(100.0 + position[m])) << N << ":" << m;
            for (int p = 0; p <= 5; ++p) EXPECT_TRUE(M(p, 0).isEmpty());
            for (int z = 0; z <= 4; ++z) EXPECT_TRUE(M(0, z).isEmpty());
        }
    }
}

}  // namespace
