// The quality-control run: acceptance test, evaluation into the result tables, the
// redox ranking offered to the first-order model, and the pH adjustment. Ion sums,
// ionic strength and charge balance are worked out by hand from the formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <ostream>
#include <string>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "platform/InddataGrids.h"
#include "runs/Kvalitetskontrol.h"
#include "support/KoerselFixture.h"

namespace {

using Analyse = std::map<int, Variant>;  // AnalyseData row -> cell

// Ca 50, Mg 12, Na 30, K 3, HCO3 250, Cl 40, SO4 60, NO3 15, O2 6; no iron.
// Ionic strength 0.0081617, cations 4.86873, anions 6.71706, balance -15.9534 %.
const Analyse Vand1{{1, 10.0}, {2, 7.2},  {3, 50.0},  {4, 12.0},  {5, 30.0}, {6, 3.0},
                    {10, 250.0}, {11, 40.0}, {12, 60.0}, {13, 15.0}, {17, 6.0}};
// Ca 80, Mg 8, Fe 2, Mn 0.5, Na 25, K 2, NH4 1, HCO3 350, Cl 30, SO4 20, F 0.3, P 0.1.
// Ionic strength 0.0090647, cations 5.94200, anions 7.02007, balance -8.31713 %.
// Its redox sum (8.0) is far below that of Vand1 (83.5): the hotspot.
const Analyse Vand2{{1, 10.0}, {2, 6.9},  {3, 80.0},  {4, 8.0},   {5, 25.0},  {6, 2.0},  {7, 1.0},
                    {8, 2.0},  {9, 0.5},  {10, 350.0}, {11, 30.0}, {12, 20.0}, {14, 0.3}, {15, 0.1}};

Analyse Vital(double ilt, double hco3) {
    return {{1, 10.0}, {2, 7.0}, {3, 60.0}, {10, hco3}, {17, ilt}};
}

double Rund(double x, int decimaler) {
    const double s = std::pow(10.0, decimaler);
    return std::nearbyint(x * s) / s;
}

// Name, hydraulic position and analysis of borehole b, as the user typed them.
void Boring(int b, Variant navn, Variant placering, const Analyse& analyse) {
    tabeller().BoringData.saet(1, b + 1, navn);
    tabeller().BoringData.saet(2, b + 1, placering);
    for (const auto& [raekke, v] : analyse) tabeller().AnalyseData.saet(raekke, b + 1, v);
}

void TomSoejle(int b) {
    for (int k = 1; k <= 18; ++k) tabeller().AnalyseData.saet(k, b + 1, std::string());
}

class KvalitetskontrolTest : public KoerselTest {
protected:
    void SetUp() override {
        KoerselTest::SetUp();
        tabeller().AfstandData.saet(1, 1, "meter");
    }

    static Variant kontrol(int r, int b) { return tabeller().KvalitetskontrolData.hent(r, b + 1); }
};

// ---- Acceptance test ----

struct Afvisning {
    const char* navn;
    std::function<void()> data;
    const char* besked;           // "" for accepted
    std::int16_t antalBoringer;   // afterwards (AntalBoringer is 9 before)
};
void PrintTo(const Afvisning& a, std::ostream* os) { *os << a.navn; }

class Acceptancetest : public KvalitetskontrolTest, public ::testing::WithParamInterface<Afvisning> {};

TEST_P(Acceptancetest, BeskedOgAntal) {
    tilstand().AntalBoringer = 9;
    GetParam().data();
    std::string besked = "uændret";
    const bool ok = KontrollerBeregningsInddata(besked);
    EXPECT_EQ(ok, std::string(GetParam().besked).empty());
    EXPECT_EQ(besked, ok ? std::string("uændret") : std::string(GetParam().besked));
    EXPECT_EQ(tilstand().AntalBoringer, GetParam().antalBoringer);
}

auto Tre(const char* p1, const char* p2, const char* p3, const char* n1, const char* n2, const char* n3) {
    return [=] {
        Boring(1, n1, p1, Vital(1, 100));
        Boring(2, n2, p2, Vital(2, 100));
        Boring(3, n3, p3, Vital(3, 100));
    };
}

INSTANTIATE_TEST_SUITE_P(
    Tilfaelde, Acceptancetest,
    ::testing::Values(
        Afvisning{"IngenData", [] {}, " Der er udfyldt data for mindre end 2 boringer", 0},
        Afvisning{"KunBor1", [] { Boring(1, "B1", "A", Vital(1, 100)); },
                  " Der er udfyldt data for mindre end 2 boringer", 1},
        Afvisning{"Bor2KunMagnesium",
                  [] {
                      Boring(1, "B1", "A", Vital(1, 100));
                      Boring(2, "B2", "B", {{4, 3.0}});
                      Boring(3, "B3", "C", Vital(3, 100));
                  },
                  " Der mangler vitale data for at beregningen kan udføres", 9},
        Afvisning{"ManglendePhSomTomTekst",
                  [] {
                      Boring(1, "B1", "A", Vital(1, 100));
                      Boring(2, "B2", "B", Vital(2, 100));
                      tabeller().AnalyseData.saet(2, 3, std::string());
                  },
                  " Der mangler vitale data for at beregningen kan udføres", 9},
        Afvisning{"TomSoejleImellem",
                  [] {
                      Boring(1, "B1", "A", Vital(1, 100));
                      Boring(3, "B3", "C", Vital(3, 100));
                  },
                  "Der mangler analysedata for søjle 2. Boringerne skal udfyldes fra søjle 1 uden tomme "
                  "søjler imellem",
                  9},
        // Missing vital data anywhere is reported before the gap.
        Afvisning{"VitalFoerHul",
                  [] {
                      Boring(1, "B1", "A", Vital(1, 100));
                      Boring(3, "B3", "C", {{1, 10.0}});
                  },
                  " Der mangler vitale data for at beregningen kan udføres", 9},
        Afvisning{"SammePlaceringEtOgTre", Tre("A", "B", "A", "B1", "B2", "B3"),
                  "Der er valgt samme hydraulisk plac. identifikation for søjle 1 og 3", 3},
        Afvisning{"FoersteParRapporteres", Tre("A", "A", "A", "B1", "B2", "B3"),
                  "Der er valgt samme hydraulisk plac. identifikation for søjle 1 og 2", 3},
        Afvisning{"ManglendePlaceringFoerNavne", Tre("A", "", "C", "B1", "B2", "B1"),
                  "Der mangler en hydraulisk plac. identifikation for søjle 2", 3},
        Afvisning{"PlaceringFoerManglendeNavn", Tre("A", "B", "B", "", "B2", "B3"),
                  "Der er valgt samme hydraulisk plac. identifikation for søjle 2 og 3", 3},
        Afvisning{"ManglendeNavn", Tre("A", "B", "C", "B1", "B2", ""), "Der mangler boringsnavn for søjle 3", 3},
        Afvisning{"SammeNavn", Tre("A", "B", "C", "B1", "B2", "B2"),
                  "Der er valgt samme boringsnavn for søjle 2 og 3", 3},
        // Exact comparison: case and blanks count.
        Afvisning{"StoreOgSmaa", Tre("A", "a", "A ", "B1", "b1", "B1 "), "", 3},
        // Columns beyond the boreholes in use are not examined.
        Afvisning{"UbrugteSoejlerUdenNavn",
                  [] {
                      Boring(1, "B1", "A", Vital(1, 100));
                      Boring(2, "B2", "B", Vital(2, 100));
                      Boring(4, "", "", {});
                  },
                  "", 2}),
    [](const ::testing::TestParamInfo<Afvisning>& i) { return std::string(i.param.navn); });

struct Valgtilfaelde {
    std::int16_t fraFoer, tilFoer;
    int antal;
    std::int16_t fraEfter, tilEfter;
};
void PrintTo(const Valgtilfaelde& v, std::ostream* os) {
    *os << v.fraFoer << "," << v.tilFoer << " N=" << v.antal << " -> " << v.fraEfter << "," << v.tilEfter;
}

class StandardValg : public KvalitetskontrolTest, public ::testing::WithParamInterface<Valgtilfaelde> {};

// Defaults only while 0; a pick beyond a smaller number of boreholes goes back to
// its default.
TEST_P(StandardValg, FraOgTilPosition) {
    const Valgtilfaelde& v = GetParam();
    for (int b = 1; b <= v.antal; ++b)
        Boring(b, "B" + std::to_string(b), "P" + std::to_string(b), Vital(b, 100));
    tilstand().FraPosition = v.fraFoer;
    tilstand().TilPosition = v.tilFoer;
    std::string besked;
    ASSERT_TRUE(KontrollerBeregningsInddata(besked)) << besked;
    EXPECT_EQ(tilstand().FraPosition, v.fraEfter);
    EXPECT_EQ(tilstand().TilPosition, v.tilEfter);
}

INSTANTIATE_TEST_SUITE_P(Tilfaelde, StandardValg,
                         ::testing::Values(Valgtilfaelde{0, 0, 3, 1, 2}, Valgtilfaelde{3, 0, 3, 3, 2},
                                           Valgtilfaelde{3, 1, 3, 3, 1}, Valgtilfaelde{5, 4, 3, 1, 2},
                                           Valgtilfaelde{2, 3, 2, 2, 2}, Valgtilfaelde{4, 5, 5, 4, 5}));

// ---- LaesTalHvisUdfyldt ----

TEST(LaesTalHvisUdfyldt, BlankCelleRoererIkkeMaalet) {
    TalformatScope dansk(Talformat::dansk());
    double maal = 3.0;
    EXPECT_FALSE(LaesTalHvisUdfyldt(maal, Variant()));
    EXPECT_FALSE(LaesTalHvisUdfyldt(maal, Variant(std::string())));
    EXPECT_FALSE(LaesTalHvisUdfyldt(maal, Variant::null()));
    EXPECT_EQ(maal, 3.0);
    EXPECT_TRUE(LaesTalHvisUdfyldt(maal, Variant("7,25")));
    EXPECT_EQ(maal, 7.25);
    EXPECT_TRUE(LaesTalHvisUdfyldt(maal, Variant(12)));
    EXPECT_EQ(maal, 12.0);
    EXPECT_TRUE(LaesTalHvisUdfyldt(maal, Variant("abc")));
    EXPECT_EQ(maal, 0.0);
}

// ---- The run ----

TEST_F(KvalitetskontrolTest, ToBoringerGiverAfrundedeResultater) {
    Boring(1, "B1", "Opstrøms", Vand1);
    Boring(2, "B2", "Kilde", Vand2);
    grids->glem();

    std::string besked;
    ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;
    EXPECT_TRUE(besked.empty());
    const Beregningstilstand& t = tilstand();
    EXPECT_EQ(t.AntalBoringer, 2);

    // Rows 1-4 by hand.
    EXPECT_EQ(kontrol(1, 1), Variant(0.008));
    EXPECT_EQ(kontrol(2, 1), Variant(4.87));
    EXPECT_EQ(kontrol(3, 1), Variant(6.72));
    EXPECT_EQ(kontrol(4, 1), Variant(-15.95));
    EXPECT_EQ(kontrol(1, 2), Variant(0.009));
    EXPECT_EQ(kontrol(2, 2), Variant(5.94));
    EXPECT_EQ(kontrol(3, 2), Variant(7.02));
    EXPECT_EQ(kontrol(4, 2), Variant(-8.32));
    // Rows 5-10: the engine's values with their factors and decimals.
    for (int i = 1; i <= 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kontrol(5, i), Variant(Rund(t.PHVedKalkligevaegt[i], 2)));
        EXPECT_EQ(kontrol(6, i), Variant(Rund(t.OploestCO2[i] * 44000, 1)));
        EXPECT_EQ(kontrol(7, i), Variant(Rund(t.CO2Tryk[i], 3)));
        EXPECT_EQ(kontrol(8, i), Variant(Rund(t.TUC[i] * 1000, 2)));
        EXPECT_EQ(kontrol(9, i), Variant(Rund(t.MaetnIndeksCaCO3[i], 2)));
    }
    EXPECT_GT(kontrol(6, 1).dbl(), 1.0);  // mg CO2/l, not mol/l
    EXPECT_GT(kontrol(8, 1).dbl(), 1.0);  // mmol/l
    // No iron: "N/A" passed through; with iron a number at 2 decimals.
    EXPECT_EQ(kontrol(10, 1), Variant("N/A"));
    ASSERT_TRUE(t.MaetnIndeksFeCO3[2].isDouble());
    EXPECT_EQ(kontrol(10, 2), Variant(Rund(t.MaetnIndeksFeCO3[2].dbl(), 2)));
    // Unused columns stay empty.
    for (int b = 3; b <= 5; ++b)
        for (int r = 1; r <= 10; ++r) EXPECT_TRUE(kontrol(r, b).isEmpty()) << r << "," << b;

    // Ranking: borehole 2 is the hotspot.
    const GridTabel& bl = tabeller().BlandingData;
    EXPECT_EQ(TekstForm(bl.hent(1, 1)), "0");
    EXPECT_EQ(bl.hent(2, 1), Variant("Opstrøm"));
    EXPECT_EQ(TekstForm(bl.hent(1, 2)), "100");
    EXPECT_EQ(bl.hent(2, 2), Variant("Hotspot"));
    EXPECT_EQ(bl.hent(1, 2), t.PositionsTabel(1, 2));  // copied unchanged

    // Ranks 1 and 2 offered to the first-order model, nothing beyond.
    const GridTabel& n = tabeller().NedbrydningData;
    EXPECT_EQ(n.hent(1, 1), Variant(2));
    EXPECT_EQ(n.hent(1, 2), Variant(1));
    EXPECT_TRUE(n.hent(1, 3).isEmpty());
    EXPECT_TRUE(n.hent(1, 4).isEmpty());

    // Captions of TDBGrid3: the names, blank for unused columns.
    const Grid& g3 = inddataGrids().TDBGrid(3);
    EXPECT_EQ(g3.column(2).caption(), "B1");
    EXPECT_EQ(g3.column(3).caption(), "B2");
    for (int c = 4; c <= 6; ++c) EXPECT_EQ(g3.column(c).caption(), "") << c;
    EXPECT_EQ((*grids)("TDBGrid3").antal("refresh"), 1);
    EXPECT_EQ((*grids)("TDBGrid9").antal("refresh"), 1);
    EXPECT_GE((*grids)("TDBGrid17").antal("refresh"), 1);

    // Borehole lists rebuilt for two boreholes.
    EXPECT_EQ((*grids)("TDBGrid7").items(1), (std::vector<std::string>{"Opstrøms", "Kilde"}));
    EXPECT_EQ((*grids)("TDBGrid17").items(1), (std::vector<std::string>{"B1", "B2"}));

    // Then the first-order run and the groundwater-type view.
    EXPECT_EQ(tabeller().FortyndingData.hent(2, 1), Variant("meter"));
    EXPECT_EQ(tabeller().FortyndingData.hent(1, 2), Variant(0));  // "Opstrøm" dilutes fully
    EXPECT_EQ(tabeller().GrundvandstypeData[0].hent(1, 1), Variant(">  1,0"));
    EXPECT_EQ(inddataGrids().TDBGrid5(1).caption(), "Opstrøm (B1)");
    EXPECT_EQ(inddataGrids().TDBGrid5(2).caption(), "Hotspot (B2)");
}

// Five boreholes ranked by oxygen alone: 2 (0), 4 (2), 3 (4), 5 (6), 1 (8).
TEST_F(KvalitetskontrolTest, FemBoringer) {
    const double ilt[] = {8, 0, 4, 2, 6};
    const double hco3[] = {100, 300, 200, 250, 400};
    for (int b = 1; b <= 5; ++b) Boring(b, "B" + std::to_string(b), "P" + std::to_string(b), Vital(ilt[b - 1], hco3[b - 1]));
    std::string besked;
    ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;

    const GridTabel& n = tabeller().NedbrydningData;
    EXPECT_EQ(n.hent(1, 1), Variant(2));
    EXPECT_EQ(n.hent(1, 2), Variant(4));
    EXPECT_EQ(n.hent(1, 3), Variant(3));
    EXPECT_EQ(n.hent(1, 4), Variant(5));  // rank 5 (borehole 1) is not offered

    const GridTabel& bl = tabeller().BlandingData;
    const char* navne[] = {"Opstrøm", "Hotspot", "Nedstr.2", "Nedstr.1", "Nedstr.3"};
    // (HCO3 - 100) * 100 / (300 - 100); 150 % lies outside 0..100.
    const char* forhold[] = {"0", "100", "50", "75", "N/A"};
    for (int b = 1; b <= 5; ++b) {
        EXPECT_EQ(bl.hent(2, b), Variant(navne[b - 1])) << b;
        EXPECT_EQ(TekstForm(bl.hent(1, b)), forhold[b - 1]) << b;
    }
    EXPECT_EQ(inddataGrids().TDBGrid5(5).caption(), "Nedstr.3 (B5)");
    EXPECT_EQ((*grids)("TDBGrid17").items(2).size(), 5u);
}

TEST_F(KvalitetskontrolTest, AfvisningAendrerIngenTabel) {
    Boring(1, "B1", "A", Vand1);
    Boring(2, "B2", "B", Vand2);
    std::string besked;
    ASSERT_TRUE(BeregnKvalitetskontrol(besked));
    const Variant foer = kontrol(2, 1);
    const Variant blandingFoer = tabeller().BlandingData.hent(2, 2);
    tabeller().BoringData.saet(1, 3, "B1");
    tabeller().AnalyseData.saet(3, 2, 100.0);
    grids->glem();

    EXPECT_FALSE(BeregnKvalitetskontrol(besked));
    EXPECT_EQ(besked, "Der er valgt samme boringsnavn for søjle 1 og 2");
    EXPECT_EQ(kontrol(2, 1), foer);
    EXPECT_EQ(tabeller().BlandingData.hent(2, 2), blandingFoer);
    EXPECT_EQ(tilstand().KoncCa[1], 50.0);
    EXPECT_EQ((*grids)("TDBGrid3").antal("refresh"), 0);
}

// A later run with fewer boreholes leaves no result, caption or name of the earlier one.
TEST_F(KvalitetskontrolTest, FaerreBoringerRydderGamleKolonner) {
    const double ilt[] = {8, 0, 4, 2};
    for (int b = 1; b <= 4; ++b) Boring(b, "B" + std::to_string(b), "P" + std::to_string(b), Vital(ilt[b - 1], 100 + 50 * b));
    std::string besked;
    ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;
    ASSERT_FALSE(kontrol(1, 4).isEmpty());
    ASSERT_FALSE(tabeller().BlandingData.hent(2, 4).isEmpty());

    TomSoejle(4);
    tabeller().BoringData.saet(1, 5, std::string());
    ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;
    EXPECT_EQ(tilstand().AntalBoringer, 3);
    for (int r = 1; r <= 10; ++r) EXPECT_TRUE(kontrol(r, 4).isEmpty()) << r;
    EXPECT_TRUE(tabeller().BlandingData.hent(1, 4).isEmpty());
    EXPECT_TRUE(tabeller().BlandingData.hent(2, 4).isEmpty());
    EXPECT_EQ(inddataGrids().TDBGrid(3).column(5).caption(), "");
    EXPECT_EQ((*grids)("TDBGrid7").items(1).size(), 3u);
}

// A value the user deleted must not live on from the earlier run.
TEST_F(KvalitetskontrolTest, SlettetAnalyseTaellerSomNul) {
    Boring(1, "B1", "A", Vand1);
    Boring(2, "B2", "B", Vand2);
    std::string besked;
    ASSERT_TRUE(BeregnKvalitetskontrol(besked));
    EXPECT_EQ(tilstand().KoncMg[1], 12.0);

    tabeller().AnalyseData.saet(4, 2, std::string());  // Mg of borehole 1
    ASSERT_TRUE(BeregnKvalitetskontrol(besked));
    EXPECT_EQ(tilstand().KoncMg[1], 0.0);
    // Cations without Mg: 2 * 50/40 + 30/23 + 3/39.1 = 3.88105
    EXPECT_EQ(kontrol(2, 1), Variant(3.88));
}

TEST_F(KvalitetskontrolTest, TalSomDanskTekst) {
    TalformatScope dansk(Talformat::dansk());
    Analyse v1 = Vand1;
    v1[4] = "12,0";
    v1[2] = "7,2";
    Boring(1, "Bøgevej", "OPSTRØM", v1);
    Boring(2, "Åvej", "Kilde", Vand2);
    std::string besked;
    ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;
    EXPECT_EQ(tilstand().KoncMg[1], 12.0);
    EXPECT_EQ(tilstand().PH[1], 7.2);
    EXPECT_EQ(kontrol(2, 1), Variant(4.87));
    EXPECT_EQ(inddataGrids().TDBGrid(3).column(2).caption(), "Bøgevej");
    EXPECT_EQ(inddataGrids().TDBGrid5(1).caption(), "Opstrøm (Bøgevej)");
}

// ---- pH adjustment ----

struct PhTilfaelde {
    Variant kontrolcelle;  // KvalitetskontrolData row 5
    Variant efter;         // AnalyseData row 2 afterwards (7.0 entered)
};
void PrintTo(const PhTilfaelde& p, std::ostream* os) {
    *os << '"' << TekstForm(p.kontrolcelle) << "\" -> \"" << TekstForm(p.efter) << '"';
}

class PhJustering : public KvalitetskontrolTest, public ::testing::WithParamInterface<PhTilfaelde> {};

// Copied only where the pH cell check (5 < pH < 10) accepts it.
TEST_P(PhJustering, KopieresKunGyldigPh) {
    for (int c = 2; c <= 6; ++c) {
        tabeller().AnalyseData.saet(2, c, 7.0);
        tabeller().KvalitetskontrolData.saet(5, c, GetParam().kontrolcelle);
    }
    JusterPhTilKalkligevaegt();
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(tabeller().AnalyseData.hent(2, c), GetParam().efter) << c;
    EXPECT_EQ((*grids)("TDBGrid1").antal("refresh"), 1);
}

INSTANTIATE_TEST_SUITE_P(Tilfaelde, PhJustering,
                         ::testing::Values(PhTilfaelde{7.35, 7.35}, PhTilfaelde{9.99, 9.99},
                                           PhTilfaelde{5.01, 5.01}, PhTilfaelde{10.0, 7.0},
                                           PhTilfaelde{10.42, 7.0}, PhTilfaelde{5.0, 7.0},
                                           PhTilfaelde{Variant("N/A"), 7.0},
                                           PhTilfaelde{Variant(), Variant()},
                                           PhTilfaelde{Variant(std::string()), Variant(std::string())}));

TEST_F(KvalitetskontrolTest, PhJusteringOgNyKontrol) {
    for (int b = 1; b <= 3; ++b) Boring(b, "B" + std::to_string(b), "P" + std::to_string(b), Vital(2.0 * b, 100.0 + 40 * b));
    std::string besked;
    ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;
    const Variant ph1 = kontrol(5, 1);

    JusterPhTilKalkligevaegt();
    EXPECT_EQ(tabeller().AnalyseData.hent(2, 2), ph1);
    // Columns not in use were emptied by the run and get a blank pH.
    EXPECT_TRUE(tabeller().AnalyseData.hent(2, 5).isEmpty());

    ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;
    EXPECT_EQ(tilstand().AntalBoringer, 3);
    EXPECT_EQ(tilstand().PH[1], ph1.dbl());
    // At calcite equilibrium the saturation index is near 0.
    EXPECT_NEAR(kontrol(9, 1).dbl(), 0.0, 0.1);
}

}  // namespace
