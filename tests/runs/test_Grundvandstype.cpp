// The groundwater-type view, the position captions and the intermediate-results view.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "platform/InddataGrids.h"
#include "runs/Grundvandstype.h"
#include "support/KoerselFixture.h"

namespace {

class GrundvandstypeTest : public VisningTest {
protected:
    static void karakterisering(int boring, Variant v) { tabeller().BlandingData.saet(2, boring, v); }
    static void navn(int boring, Variant v) { tabeller().BoringData.saet(1, boring + 1, v); }
};

// ---- PlaceringsEtiket ----

struct Etikettilfaelde {
    const char* navn;
    std::array<const char*, 5> karakteriseringer;  // BlandingData row 2, columns 1..5
    std::int16_t kode;
    const char* etiket;
};
void PrintTo(const Etikettilfaelde& e, std::ostream* os) { *os << e.navn; }

class Etiketter : public GrundvandstypeTest, public ::testing::WithParamInterface<Etikettilfaelde> {};

TEST_P(Etiketter, Etiket) {
    const Etikettilfaelde& t = GetParam();
    for (int j = 1; j <= 5; ++j) {
        karakterisering(j, t.karakteriseringer[static_cast<std::size_t>(j - 1)]);
        navn(j, "B" + std::to_string(j));
    }
    EXPECT_EQ(PlaceringsEtiket(t.kode), t.etiket);
}

INSTANTIATE_TEST_SUITE_P(
    Tilfaelde, Etiketter,
    ::testing::Values(
        Etikettilfaelde{"Opstroem", {"Hotspot", "Opstrøm", "", "", ""}, 1, "Opstrøm (B2)"},
        Etikettilfaelde{"Hotspot", {"Hotspot", "Opstrøm", "", "", ""}, 2, "Hotspot (B1)"},
        Etikettilfaelde{"Nedstr1", {"Nedstr.2", "Hotspot", "Nedstr.1", "Opstrøm", ""}, 3, "Nedstr.1 (B3)"},
        Etikettilfaelde{"Nedstr2", {"Nedstr.2", "Hotspot", "Nedstr.1", "Opstrøm", ""}, 4, "Nedstr.2 (B1)"},
        Etikettilfaelde{"Nedstr3", {"Nedstr.2", "Hotspot", "Nedstr.1", "Nedstr.3", "Opstrøm"}, 5, "Nedstr.3 (B4)"},
        // Capitals of the cell, Danish letters included, match; the stored text is shown.
        Etikettilfaelde{"StoreBogstaver", {"Hotspot", "OPSTRØM", "", "", ""}, 1, "OPSTRØM (B2)"},
        Etikettilfaelde{"Blandet", {"HotSpot", "Opstrøm", "", "", ""}, 2, "HotSpot (B1)"},
        Etikettilfaelde{"NEDSTR", {"Hotspot", "NEDSTR.1", "Opstrøm", "", ""}, 3, "NEDSTR.1 (B2)"},
        // The lower column number wins.
        Etikettilfaelde{"ToHotspots", {"Opstrøm", "Nedstr.1", "Hotspot", "Hotspot", ""}, 2, "Hotspot (B3)"},
        // Exact comparison otherwise.
        Etikettilfaelde{"UdenOe", {"Hotspot", "Opstrom", "", "", ""}, 1, ""},
        Etikettilfaelde{"Mellemrum", {"Hotspot ", "Opstrøm", "", "", ""}, 2, ""},
        Etikettilfaelde{"IngenNedstr", {"Hotspot", "Opstrøm", "", "", ""}, 3, ""},
        Etikettilfaelde{"KodeNul", {"Hotspot", "Opstrøm", "", "", ""}, 0, ""},
        Etikettilfaelde{"KodeSeks", {"Hotspot", "Opstrøm", "", "", ""}, 6, ""}),
    [](const ::testing::TestParamInfo<Etikettilfaelde>& i) { return std::string(i.param.navn); });

TEST_F(GrundvandstypeTest, BlanktBoringsnavnGiverTommeParenteser) {
    karakterisering(1, "Hotspot");
    navn(1, Variant(std::string()));
    EXPECT_EQ(PlaceringsEtiket(2), "Hotspot ()");
}

TEST_F(GrundvandstypeTest, BoringsnavnSomTalVisesIBrugerensFormat) {
    TalformatScope dansk(Talformat::dansk());
    karakterisering(1, "Hotspot");
    navn(1, 12.5);
    EXPECT_EQ(PlaceringsEtiket(2), "Hotspot (12,5)");
}

// ---- VisGrundvandstype ----

// Three boreholes ranked 2 (hotspot), 3 (Nedstr.1), 1 (Opstrøm).
TEST_F(GrundvandstypeTest, TreBoringer) {
    TalformatScope dansk(Talformat::dansk());
    Beregningstilstand& t = tilstand();
    t.AntalBoringer = 3;
    t.RedoxRang = {0, 2, 3, 1, 0, 0};
    GridTabel& a = tabeller().AnalyseData;
    // Borehole 1: oxygen 8 (upper), nitrate typed "12,5" (upper), iron blank (lower),
    // sulfate 20 exactly (lower), methane 0,05 (lower).
    t.KoncO2[1] = 8.0;     a.saet(17, 2, "8");
    t.KoncNO3[1] = 12.5;   a.saet(13, 2, "12,5");
    t.KoncFe[1] = 0.0;     a.saet(8, 2, std::string());
    t.KoncSO4[1] = 20.0;   a.saet(12, 2, 20.0);
    t.KoncCH4[1] = 0.05;   a.saet(18, 2, "0,05");
    // Borehole 2: methane 3 (upper) -> only "Metan".
    t.KoncCH4[2] = 3.0;    a.saet(18, 3, "3");
    // Borehole 3: iron 0,2 exactly -> upper.
    t.KoncFe[3] = 0.2;     a.saet(8, 4, "0,2");
    for (int j = 1; j <= 3; ++j) navn(j, "B" + std::to_string(j));
    karakterisering(1, "Opstrøm");
    karakterisering(2, "Hotspot");
    karakterisering(3, "Nedstr.1");
    // An earlier run with five boreholes left captions and values behind.
    inddataGrids().TDBGrid5(4).setCaption("Nedstr.2 (B9)");
    inddataGrids().TDBGrid5(5).setCaption("Nedstr.3 (B8)");
    tabeller().GrundvandstypeData[4].saet(1, 1, 5.0);
    tabeller().GrundvandstypeData[5].saet(5, 4, 2.0);
    grids->glem();

    VisGrundvandstype();

    auto& g = tabeller().GrundvandstypeData;
    // Criteria, as texts with their blanks.
    const char* kriterier[5][4] = {{">  1,0", "<  1,0", "<  1,0", "<  1,0"},
                                   {">  1,0", ">  1,0", "<  1,0", "<  1,0"},
                                   {"<  0,2", "<  0,2", ">  0,2", ">  0,2"},
                                   {"> 20  ", "> 20  ", "> 20  ", "< 20  "},
                                   {"<  0,1", "<  0,1", "<  0,1", ">  0,1"}};
    for (int r = 1; r <= 5; ++r)
        for (int z = 1; z <= 4; ++z) EXPECT_EQ(g[0].hent(r, z), Variant(kriterier[r - 1][z - 1])) << r << "," << z;

    // Position 1 (Opstrøm) in table 1: upper zones the number, lower zones the cell as stored.
    const Variant tom;
    const Variant blank{std::string()};
    const Variant forventet1[5][4] = {{8.0, tom, tom, tom},
                                      {12.5, 12.5, tom, tom},
                                      {blank, blank, tom, tom},
                                      {tom, tom, tom, 20.0},
                                      {"0,05", "0,05", "0,05", tom}};
    for (int r = 1; r <= 5; ++r)
        for (int z = 1; z <= 4; ++z) EXPECT_EQ(g[1].hent(r, z), forventet1[r - 1][z - 1]) << r << "," << z;
    EXPECT_EQ(g[2].hent(5, 4), Variant(3.0));   // hotspot: borehole 2
    EXPECT_TRUE(g[2].hent(5, 1).isEmpty());
    EXPECT_EQ(g[3].hent(3, 3), Variant(0.2));   // Nedstr.1: borehole 3
    EXPECT_EQ(g[3].hent(3, 4), Variant(0.2));
    // No fourth or fifth position: all Empty.
    for (int k = 4; k <= 5; ++k)
        for (int r = 1; r <= 5; ++r)
            for (int z = 1; z <= 4; ++z) EXPECT_TRUE(g[static_cast<std::size_t>(k)].hent(r, z).isEmpty());
    // Labels and column 5 untouched.
    EXPECT_EQ(g[1].hent(1, 0), Variant("O2"));
    EXPECT_EQ(g[1].hent(1, 5), blank);

    // Captions only where a borehole carries the position.
    EXPECT_EQ(inddataGrids().TDBGrid5(1).caption(), "Opstrøm (B1)");
    EXPECT_EQ(inddataGrids().TDBGrid5(2).caption(), "Hotspot (B2)");
    EXPECT_EQ(inddataGrids().TDBGrid5(3).caption(), "Nedstr.1 (B3)");
    EXPECT_EQ(inddataGrids().TDBGrid5(4).caption(), "Nedstr.2 (B9)");
    EXPECT_EQ(inddataGrids().TDBGrid5(5).caption(), "Nedstr.3 (B8)");
    EXPECT_TRUE((*grids)("TDBGrid5", 4).kaldMed("setCaption").empty());
    EXPECT_TRUE((*grids)("TDBGrid5", 0).kaldMed("setCaption").empty());
    for (int k = 0; k <= 5; ++k) EXPECT_EQ((*grids)("TDBGrid5", k).antal("refresh"), 1) << k;
}

// ---- VisMellemregning ----

// Organic matter (oxidation state 0), CO2 12,6 mg/l, calcite 12,5 mg/l, oxygen
// reduction 32 mg/l with 7,6 mg/l substance; upstream 1 and downstream 2.
TEST_F(GrundvandstypeTest, MellemregningAfrundesPrKolonne) {
    Beregningstilstand& t = tilstand();
    t.KulstofValens = 0.0;
    t.ProcCO2 = 12.6;
    t.ProcKalk = 12.5;
    t.ProcIltreduktion = 32.0;
    t.RedoxTabel(1, 3) = 7.6;
    t.FraPosition = 1;
    t.TilPosition = 2;
    t.KoncHCO3[1] = 122.0;
    t.KoncHCO3[2] = 183.0;
    t.TUC[1] = 0.002;
    t.TUC[2] = 0.0035;
    GridTabel& m = tabeller().MellemregningData;
    GridTabel& s = tabeller().RedoxSumData;
    m.saet(1, 6, "x");
    s.saet(2, 4, "behold");

    VisMellemregning();

    // Row 1: 12.6 -> 13 (whole number); carbon 12.6 / 44 = 0.2864 -> 0.29.
    EXPECT_EQ(m.hent(1, 2), Variant(13));
    EXPECT_TRUE(m.hent(1, 3).isEmpty());
    EXPECT_EQ(m.hent(1, 4), Variant(0.29));
    EXPECT_TRUE(m.hent(1, 5).isEmpty());
    // Row 2: 12.5 -> 12 (halves to even); alkalinity 0.25; carbon 0.125 -> 0.12.
    EXPECT_EQ(m.hent(2, 2), Variant(12));
    EXPECT_EQ(m.hent(2, 3), Variant(0.25));
    EXPECT_EQ(m.hent(2, 4), Variant(0.12));
    // Row 7: carbon 32 * 4 / 4 / 32 = 1; substance 7.6 -> 8.
    EXPECT_EQ(m.hent(7, 2), Variant(32));
    EXPECT_EQ(m.hent(7, 4), Variant(1.0));
    EXPECT_EQ(m.hent(7, 5), Variant(8));
    // An empty amount stays empty; its changes are 0.
    EXPECT_TRUE(m.hent(5, 2).isEmpty());
    EXPECT_EQ(m.hent(5, 3), Variant(0.0));
    EXPECT_TRUE(m.hent(13, 2).isEmpty());
    EXPECT_EQ(m.hent(13, 3), Variant(0.0));
    // Labels, units and column 6 untouched.
    EXPECT_EQ(m.hent(1, 6), Variant("x"));
    EXPECT_FALSE(m.hent(1, 0).isEmpty());

    // Sums of rows 2..17: alkalinity 0.25, carbon 1.125 -> 1.12, substance 7.6 -> 8.
    EXPECT_EQ(s.hent(1, 2), Variant(0.25));
    EXPECT_EQ(s.hent(1, 3), Variant(1.12));
    EXPECT_EQ(s.hent(1, 4), Variant(8));
    // Measured: (183 - 122) / 61 = 1 meq/l; (0.0035 - 0.002) * 1000 = 1.5 mmol/l.
    EXPECT_EQ(s.hent(2, 2), Variant(1.0));
    EXPECT_EQ(s.hent(2, 3), Variant(1.5));
    EXPECT_EQ(s.hent(2, 4), Variant("behold"));

    EXPECT_EQ((*grids)("TDBGrid20").antal("refresh"), 1);
    EXPECT_EQ((*grids)("TDBGrid21").antal("refresh"), 1);
}

// Values with more digits than shown, so each column's and sum's own decimals tell:
// calcite 12.34 mg/l -> alkalinity 12.34 / 50 = 0.2468, carbon 12.34 / 100 = 0.1234;
// measured (200 - 122) / 61 = 1.278689 meq/l and (0.0034567 - 0.002) x 1000 = 1.4567 mmol/l.
TEST_F(GrundvandstypeTest, HverKolonneSineDecimaler) {
    Beregningstilstand& t = tilstand();
    t.KulstofValens = 0.0;
    t.ProcKalk = 12.34;
    t.FraPosition = 1;
    t.TilPosition = 2;
    t.KoncHCO3[1] = 122.0;
    t.KoncHCO3[2] = 200.0;
    t.TUC[1] = 0.002;
    t.TUC[2] = 0.0034567;

    VisMellemregning();

    const GridTabel& m = tabeller().MellemregningData;
    const GridTabel& s = tabeller().RedoxSumData;
    EXPECT_EQ(m.hent(2, 2), Variant(12));
    EXPECT_EQ(m.hent(2, 3), Variant(0.25));
    EXPECT_EQ(m.hent(2, 4), Variant(0.12));
    EXPECT_EQ(s.hent(1, 2), Variant(0.25));
    EXPECT_EQ(s.hent(1, 3), Variant(0.12));
    EXPECT_EQ(s.hent(2, 2), Variant(1.28));
    EXPECT_EQ(s.hent(2, 3), Variant(1.46));
}

}  // namespace
