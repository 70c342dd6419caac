#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "celler/Talformat.h"
#include "engine/Analyseresultater.h"
#include "support/RecordingBeskeder.h"

namespace {

// A plain admissible water; tests vary what they look at.
void SaetGrundvand(int i) {
    Beregningstilstand& t = tilstand();
    t.Temperatur[i] = 10;
    t.PH[i] = 7.0;
    t.KoncCa[i] = 80;
    t.KoncHCO3[i] = 250;
    t.KoncCl[i] = 30;
    t.KoncSO4[i] = 40;
}

class AnalyseresultaterTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpretDataStrukturer();
        for (int i = 1; i <= 5; ++i) SaetGrundvand(i);
    }
    // Oxygen alone decides the redox sum here: 29.9·4/32 per mg O2/l.
    void SaetIlt(const std::vector<double>& ilt) {
        tilstand().AntalBoringer = static_cast<std::int16_t>(ilt.size());
        for (std::size_t i = 0; i < ilt.size(); ++i) tilstand().KoncO2[i + 1] = ilt[i];
    }
    std::vector<int> Rang() const {
        std::vector<int> r;
        for (int k = 1; k <= 5; ++k) r.push_back(tilstand().RedoxRang[k]);
        return r;
    }
    TalformatScope dansk_{Talformat::dansk()};
    RecordingBeskeder beskeder_;
};

TEST_F(AnalyseresultaterTest, IonstyrkeIonsummerOgRedoxsumMedHaandregnedeVaerdier) {
    Beregningstilstand& t = tilstand();
    const int i = 2;
    t.KoncCa[i] = 85.3; t.KoncMg[i] = 12.1; t.KoncNa[i] = 25.6; t.KoncK[i] = 3.2;
    t.KoncNH4[i] = 0.45; t.KoncFe[i] = 2.7; t.KoncMn[i] = 0.31; t.KoncHCO3[i] = 274.5;
    t.KoncCl[i] = 41.0; t.KoncSO4[i] = 58.2; t.KoncNO3[i] = 0.8; t.KoncF[i] = 0.22;
    t.KoncP[i] = 0.05; t.KoncO2[i] = 0.6; t.KoncCH4[i] = 0.03;
    t.AntalBoringer = 2;
    BeregnAnalyseResultater();

    EXPECT_NEAR(t.Ionstyrke[i], 0.010032915074376357, 1e-12 * 0.01);
    EXPECT_NEAR(t.Kationer[i], 6.5888371381704604, 1e-12 * 6.6);
    EXPECT_NEAR(t.Anioner[i], 6.8943311054783711, 1e-12 * 6.9);
    EXPECT_NEAR(t.Ladningsbalance[i], -2.2657431976480147, 1e-11);
    EXPECT_NEAR(t.Alkalinitet[i], 0.0045, 1e-18);
    ASSERT_TRUE(t.RedoxRangSum[i].isDouble());
    EXPECT_NEAR(t.RedoxRangSum[i].dbl(), 29.000272674905739, 1e-12);
    // The carbonate evaluation ran on every borehole, leaving BeregnIndeks at N.
    EXPECT_GT(t.TUC[1], 0);
    EXPECT_GT(t.TUC[2], 0);
    EXPECT_EQ(t.BeregnIndeks, 2);
    EXPECT_TRUE(beskeder_.vist.empty());
}

TEST_F(AnalyseresultaterTest, NulKoncentrationerBidragerIntet) {
    Beregningstilstand& t = tilstand();
    OpretDataStrukturer();
    t.KoncCa[1] = 40; t.KoncHCO3[1] = 61;  // 1 mmol Ca, 1 mmol HCO3
    t.KoncCa[2] = 40; t.KoncHCO3[2] = 61;
    t.PH[1] = t.PH[2] = 7;
    t.AntalBoringer = 2;
    BeregnAnalyseResultater();
    EXPECT_DOUBLE_EQ(t.Kationer[1], 2.0);
    EXPECT_DOUBLE_EQ(t.Anioner[1], 1.0);
    EXPECT_DOUBLE_EQ(t.Ionstyrke[1], 0.0005 * (4 * 1.0 + 1.0));
    EXPECT_DOUBLE_EQ(t.Ladningsbalance[1], 100.0 / 3);
    EXPECT_EQ(t.RedoxRangSum[1], Variant(0.0));
}

struct RangTilfaelde {
    std::vector<double> ilt;      // per borehole 1..N
    std::vector<int> ventetRang;  // RedoxRang(1..5)
};

class Rangordning : public AnalyseresultaterTest,
                    public ::testing::WithParamInterface<RangTilfaelde> {};

TEST_P(Rangordning, UdvekslingsSortering) {
    SaetIlt(GetParam().ilt);
    RangordnRedox();
    EXPECT_EQ(Rang(), GetParam().ventetRang);
}

INSTANTIATE_TEST_SUITE_P(
    Tilfaelde, Rangordning,
    ::testing::Values(
        RangTilfaelde{{5, 1}, {2, 1, 0, 0, 0}},
        RangTilfaelde{{1, 5}, {1, 2, 0, 0, 0}},
        // Ties: sums 3, 3, 1 give the ranks 3, 2, 1.
        RangTilfaelde{{3, 3, 1}, {3, 2, 1, 0, 0}},
        // Where a stable sort would give 5, 2, 4, 1, 3.
        RangTilfaelde{{2, 1, 2, 1, 0}, {5, 4, 2, 1, 3}},
        RangTilfaelde{{4, 4, 4, 4}, {1, 2, 3, 4, 0}},
        RangTilfaelde{{9, 7, 5, 3, 1}, {5, 4, 3, 2, 1}}));

TEST_F(AnalyseresultaterTest, RangordningNulstillerRangeOverN) {
    Beregningstilstand& t = tilstand();
    SaetIlt({5, 4, 3, 2, 1});
    RangordnRedox();
    SaetIlt({1, 2});
    RangordnRedox();
    EXPECT_EQ(Rang(), (std::vector<int>{1, 2, 0, 0, 0}));
    for (int i = 3; i <= 5; ++i) EXPECT_TRUE(t.RedoxRangSum[i].isEmpty()) << i;
}

TEST_F(AnalyseresultaterTest, RangordningMedHoejstEnBoringAendrerIntet) {
    Beregningstilstand& t = tilstand();
    for (int n : {0, 1}) {
        t.RedoxRang = {0, 4, 3, 2, 1, 5};
        for (int i = 0; i <= 5; ++i) t.RedoxRangSum[i] = 7.5;
        t.AntalBoringer = static_cast<std::int16_t>(n);
        RangordnRedox();
        EXPECT_EQ(Rang(), (std::vector<int>{4, 3, 2, 1, 5}));
        for (int i = 0; i <= 5; ++i) EXPECT_EQ(t.RedoxRangSum[i], Variant(7.5));
    }
}

struct NavneTilfaelde {
    int N;
    std::vector<std::string> navne;  // by borehole 1..N, ranked 1..N
};

class Navngivning : public AnalyseresultaterTest,
                    public ::testing::WithParamInterface<NavneTilfaelde> {};

TEST_P(Navngivning, EfterRedoxRang) {
    std::vector<double> ilt;
    for (int i = 1; i <= GetParam().N; ++i) ilt.push_back(i);  // borehole i has rank i
    SaetIlt(ilt);
    BeregnAnalyseResultater();
    const Beregningstilstand& t = tilstand();
    for (int i = 1; i <= GetParam().N; ++i)
        EXPECT_EQ(t.PositionsTabel(2, i), Variant(GetParam().navne[i - 1])) << i;
    const char* alle[] = {"Hotspot", "Nedstr.1", "Nedstr.2", "Nedstr.3", "Opstrøm"};
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(t.PositionsNavne[r], Variant(alle[r - 1]));
}

INSTANTIATE_TEST_SUITE_P(
    AntalBoringer, Navngivning,
    ::testing::Values(
        NavneTilfaelde{2, {"Hotspot", "Opstrøm"}},
        NavneTilfaelde{3, {"Hotspot", "Nedstr.1", "Opstrøm"}},
        NavneTilfaelde{4, {"Hotspot", "Nedstr.1", "Nedstr.2", "Opstrøm"}},
        NavneTilfaelde{5, {"Hotspot", "Nedstr.1", "Nedstr.2", "Nedstr.3", "Opstrøm"}}));

TEST_F(AnalyseresultaterTest, NavneFoelgerRangIkkeBoringsnummer) {
    SaetIlt({3, 9, 1});  // ranks: borehole 3, 1, 2
    BeregnAnalyseResultater();
    const Beregningstilstand& t = tilstand();
    EXPECT_EQ(t.PositionsTabel(2, 3), Variant("Hotspot"));
    EXPECT_EQ(t.PositionsTabel(2, 1), Variant("Nedstr.1"));
    EXPECT_EQ(t.PositionsTabel(2, 2), Variant("Opstrøm"));
    EXPECT_TRUE(t.PositionsTabel(2, 4).isEmpty());
    EXPECT_TRUE(t.PositionsTabel(0, 3).isEmpty());
}

// Hotspot = borehole 1, Opstrøm = borehole 3 (lowest and highest oxygen).
struct BlandingsTilfaelde {
    double hco3Hotspot, hco3Midt, hco3Opstroem;
    double ventetMidt;      // Blandingsforhold(2); NaN: empty
    std::string tekstMidt;  // PositionsTabel(1, 2)
};

class Blandingsforhold : public AnalyseresultaterTest,
                         public ::testing::WithParamInterface<BlandingsTilfaelde> {};

TEST_P(Blandingsforhold, TekstOgVaerdi) {
    const BlandingsTilfaelde& c = GetParam();
    SaetIlt({0.1, 0.5, 9});
    Beregningstilstand& t = tilstand();
    t.KoncHCO3[1] = c.hco3Hotspot;
    t.KoncHCO3[2] = c.hco3Midt;
    t.KoncHCO3[3] = c.hco3Opstroem;
    BeregnAnalyseResultater();
    if (std::isnan(c.ventetMidt)) {
        EXPECT_TRUE(t.Blandingsforhold[2].isEmpty());
    } else {
        ASSERT_TRUE(t.Blandingsforhold[2].isDouble());
        EXPECT_NEAR(t.Blandingsforhold[2].dbl(), c.ventetMidt, 1e-12);
        // Equal to the hotspot's or Opstrøm's alkalinity: exactly 100 or 0.
        if (c.ventetMidt == 0 || c.ventetMidt == 100) {
            EXPECT_EQ(t.Blandingsforhold[2].dbl(), c.ventetMidt);
        }
    }
    EXPECT_EQ(t.PositionsTabel(1, 2), Variant(c.tekstMidt));
    if (c.hco3Hotspot != c.hco3Opstroem) {
        EXPECT_EQ(t.Blandingsforhold[1], Variant(100.0));
        EXPECT_EQ(t.Blandingsforhold[3], Variant(0.0));
        EXPECT_EQ(t.PositionsTabel(1, 1), Variant("100"));
        EXPECT_EQ(t.PositionsTabel(1, 3), Variant("0"));
    }
    EXPECT_TRUE(t.Blandingsforhold[0].isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Tilfaelde, Blandingsforhold,
    ::testing::Values(
        // 12.5 and 13.5 exactly in doubles: halves to the even neighbour.
        BlandingsTilfaelde{72, 16, 8, 12.5, "12"},
        BlandingsTilfaelde{40, 12.32, 8, 13.5, "14"},
        BlandingsTilfaelde{8, 113, 113, 0.0, "0"},
        BlandingsTilfaelde{113, 113, 8, 100.0, "100"},
        BlandingsTilfaelde{300, 200, 100, 50.0, "50"},
        // Outside the interval on either side, also when the hotspot is the lower.
        BlandingsTilfaelde{300, 400, 100, NAN, "N/A"},
        BlandingsTilfaelde{300, 50, 100, NAN, "N/A"},
        BlandingsTilfaelde{100, 400, 300, NAN, "N/A"},
        BlandingsTilfaelde{100, 250, 300, 25.0, "25"},
        // Equal hotspot and Opstrøm: undefined everywhere.
        BlandingsTilfaelde{200, 200, 200, NAN, "N/A"}));

TEST_F(AnalyseresultaterTest, LigeAlkalinitetGiverNAOveralt) {
    SaetIlt({0.1, 0.5, 9});
    for (int i = 1; i <= 3; ++i) tilstand().KoncHCO3[i] = 150;
    BeregnAnalyseResultater();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(tilstand().Blandingsforhold[i].isEmpty()) << i;
        EXPECT_EQ(tilstand().PositionsTabel(1, i), Variant("N/A")) << i;
    }
}

// The quotient of two equal differences as written misses 100 for many pairs
// (8 and 113 mg/l among them); the hotspot must still be exactly 100.
TEST_F(AnalyseresultaterTest, HotspotPraecis100OgOpstroemPraecis0) {
    std::mt19937 gen(20240611);
    std::uniform_real_distribution<double> hco3(8, 1000);
    Beregningstilstand& t = tilstand();
    for (int k = 0; k < 2000; ++k) {
        SaetIlt({0.1, 9});
        t.KoncHCO3[1] = k == 0 ? 8 : hco3(gen);
        t.KoncHCO3[2] = k == 0 ? 113 : hco3(gen);
        BeregnAnalyseResultater();
        if (t.KoncHCO3[1] == t.KoncHCO3[2]) continue;
        ASSERT_EQ(t.Blandingsforhold[1], Variant(100.0)) << t.KoncHCO3[1] << " " << t.KoncHCO3[2];
        ASSERT_EQ(t.Blandingsforhold[2], Variant(0.0)) << t.KoncHCO3[1] << " " << t.KoncHCO3[2];
        ASSERT_EQ(t.PositionsTabel(1, 1), Variant("100"));
        ASSERT_EQ(t.PositionsTabel(1, 2), Variant("0"));
    }
}

TEST_F(AnalyseresultaterTest, BoringerOverNBeholderTidligereResultater) {
    Beregningstilstand& t = tilstand();
    SaetIlt({1, 2, 3, 4});
    BeregnAnalyseResultater();
    const double tuc4 = t.TUC[4];
    const Variant navn4 = t.PositionsTabel(2, 4);
    t.KoncHCO3[4] = 500;
    SaetIlt({1, 2});
    BeregnAnalyseResultater();
    EXPECT_EQ(t.TUC[4], tuc4);
    EXPECT_EQ(t.PositionsTabel(2, 4), navn4);
    EXPECT_EQ(t.RedoxRang[3], 0);
    EXPECT_EQ(t.BeregnIndeks, 2);
}

TEST_F(AnalyseresultaterTest, FyldDiagramPHKalkKopiererRaekke2) {
    Beregningstilstand& t = tilstand();
    SaetIlt({1, 2, 3});
    BeregnAnalyseResultater();
    FyldDiagramPHKalk();
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(t.DiagramPHKalk(2, i), Variant(t.PHVedKalkligevaegt[i]));
    EXPECT_TRUE(t.DiagramPHKalk(2, 4).isEmpty());
    EXPECT_TRUE(t.DiagramPHKalk(1, 1).isEmpty());
}

// Random waters inside the limits of the input checks: nothing that is not finite,
// and pH - SI close to the pH at calcite equilibrium (they differ by the log of
// bicarbonate's share of the alkalinity, small below pH 7.5).
TEST_F(AnalyseresultaterTest, TilfaeldigeVandeGiverEndeligeResultater) {
    std::mt19937 gen(7);
    auto u = [&gen](double a, double b) { return std::uniform_real_distribution<double>(a, b)(gen); };
    Beregningstilstand& t = tilstand();
    for (int k = 0; k < 3000; ++k) {
        const int N = 2 + k % 4;
        t.AntalBoringer = static_cast<std::int16_t>(N);
        for (int i = 1; i <= N; ++i) {
            t.Temperatur[i] = u(0, 30); t.PH[i] = u(5, 9); t.KoncCa[i] = u(5, 400);
            t.KoncMg[i] = u(0, 100); t.KoncNa[i] = u(0, 500); t.KoncK[i] = u(0, 50);
            t.KoncNH4[i] = u(0, 10); t.KoncFe[i] = k % 3 ? u(0, 20) : 0; t.KoncMn[i] = u(0, 5);
            t.KoncHCO3[i] = u(8, 1000); t.KoncCl[i] = u(0, 500); t.KoncSO4[i] = u(0, 500);
            t.KoncNO3[i] = u(0, 100); t.KoncF[i] = u(0, 5); t.KoncP[i] = u(0, 2);
            t.KoncO2[i] = u(0, 12); t.KoncCH4[i] = u(0, 10);
        }
        BeregnAnalyseResultater();
        for (int i = 1; i <= N; ++i) {
            for (double x : {t.Ionstyrke[i], t.Kationer[i], t.Anioner[i], t.Ladningsbalance[i],
                             t.Alkalinitet[i], t.PHVedKalkligevaegt[i], t.OploestCO2[i],
                             t.CO2Tryk[i], t.TUC[i], t.MaetnIndeksCaCO3[i]})
                ASSERT_TRUE(std::isfinite(x)) << k << " " << i;
            const Variant& fe = t.MaetnIndeksFeCO3[i];
            ASSERT_TRUE(fe == Variant("N/A") || (fe.isDouble() && std::isfinite(fe.dbl())));
            ASSERT_EQ(t.KoncFe[i] > 0, fe.isDouble());
            const Variant& b = t.Blandingsforhold[i];
            ASSERT_TRUE(b.isEmpty() || (b.isDouble() && b.dbl() >= 0 && b.dbl() <= 100));
            if (t.PH[i] < 7.5) {
                EXPECT_NEAR(t.PH[i] - t.MaetnIndeksCaCO3[i], t.PHVedKalkligevaegt[i], 0.1)
                    << k << " " << i;
            }
        }
        ASSERT_EQ(t.Blandingsforhold[t.RedoxRang[1]].isEmpty(),
                  t.Alkalinitet[t.RedoxRang[1]] == t.Alkalinitet[t.RedoxRang[N]]);
    }
    EXPECT_TRUE(beskeder_.vist.empty());
}

}  // namespace
