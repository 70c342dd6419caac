// The budget tables of the two charts: keys, labels, the calcite switch on ProcKalk,
// the fixed column of every process, decimals with halves to the even neighbour,
// and Null, Empty and "" kept apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "platform/InddataGrids.h"
#include "runs/Diagramdata.h"
#include "support/KoerselFixture.h"
#include "support/VariantUdskrift.h"

namespace {

class DiagramdataTest : public KoerselTest {
protected:
    // Every process row k of Mellemregninger gets k + 0.0625 in the column read and
    // 999 in the other one, so a value from the wrong column shows at once.
    static void mellemregninger(int kildeSoejle) {
        const int anden = kildeSoejle == 3 ? 2 : 3;
        for (int k = 1; k <= 19; ++k) {
            tilstand().Mellemregninger(k, kildeSoejle) = Variant(k + 0.0625);
            tilstand().Mellemregninger(k, anden) = Variant(999.0);
        }
    }
};

// One expected row: label, then columns 1..4 (nullptr = Null).
struct Forventet {
    const char* etiket;
    std::vector<std::optional<double>> vaerdier;
};

constexpr std::nullopt_t N = std::nullopt;

// k + 0.0625 to 3 decimals: the half of the last digit goes to the even neighbour
// (7.0625 -> 7.062); the calcite row 2.0625 to 2 decimals -> 2.06, to 3 -> 2.062.
const std::vector<Forventet> TUCOploesning{
    {"Kalkopløsning", {2.06, N, N, N}},
    {"Iltreduktion", {7.062, N, N, N}},
    {"Methanogenese", {8.062, N, N, N}},
    {"Manganreduktion", {9.062, N, N, N}},
    {"Jernreduktion", {10.062, N, N, N}},
    {"Sulfatreduktion", {11.062, N, N, N}},
    {"Denitrifikation", {12.062, N, N, N}},
    {"Kalkudfældning", {N, N, N, N}},
    {"Sideritudfældning", {N, 5.062, N, N}},
    {"", {N, N, 18.062, N}},
    {"", {N, N, N, 19.062}},
};

const std::vector<Forventet> AlkalinitetUdfaeldning{
    {"Kalkopløsning", {N, N, N, N}},
    {"Manganreduktion", {9.062, N, N, N}},
    {"Jernreduktion", {10.062, N, N, N}},
    {"Sulfatreduktion", {11.062, N, N, N}},
    {"Denitrifikation", {12.062, N, N, N}},
    {"Kalkudfældning", {N, 2.062, N, N}},
    {"Sideritudfældning", {N, 5.062, N, N}},
    {"Nitrifikation", {N, 13.062, N, N}},
    {"Pyritoxidation ilt", {N, 14.062, N, N}},
    {"Pyritoxidation nitrat", {N, 15.062, N, N}},
    {"Delvis pyritoxidation ilt", {N, 16.062, N, N}},
    {"Delvis pyritoxidation nitrat", {N, 17.062, N, N}},
    {"", {N, N, 18.062, N}},
    {"", {N, N, N, 19.062}},
};

void forventTabel(const GridTabel& t, const std::vector<Forventet>& f) {
    const int n = static_cast<int>(f.size());
    EXPECT_EQ(t.foersteRaekke(), 1);
    EXPECT_EQ(t.sidsteRaekke(), n);
    EXPECT_EQ(t.foersteSoejle(), -1);
    EXPECT_EQ(t.sidsteSoejle(), 4);
    for (int r = 1; r <= n; ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        const Forventet& raekke = f[static_cast<std::size_t>(r - 1)];
        EXPECT_EQ(t.hent(r, -1), Variant("R" + std::to_string(r)));
        EXPECT_EQ(t.hent(r, 0), Variant(raekke.etiket));
        for (int c = 1; c <= 4; ++c) {
            const auto& v = raekke.vaerdier[static_cast<std::size_t>(c - 1)];
            if (v) EXPECT_EQ(t.hent(r, c), Variant(*v)) << "column " << c;
            else EXPECT_TRUE(t.hent(r, c).isNull()) << "column " << c;
        }
    }
}

TEST_F(DiagramdataTest, TUCOploesningLaeserSoejle3) {
    mellemregninger(3);
    tilstand().ProcKalk = Variant(0.0001);
    UdfyldDiagramTUC();
    forventTabel(tabeller().DiagramTUCData, TUCOploesning);
}

TEST_F(DiagramdataTest, AlkalinitetUdfaeldningLaeserSoejle2) {
    mellemregninger(2);
    tilstand().ProcKalk = Variant(-3.0);
    UdfyldDiagramAlkalinitet();
    forventTabel(tabeller().DiagramAlkalinitetData, AlkalinitetUdfaeldning);
}

// ProcKalk decides alone, strictly above 0; the calcite value is 0.125 (2 decimals:
// 0.12, 3 decimals: 0.125) or 0.375 (0.38 / 0.375).
struct Kalktilfaelde {
    const char* navn;
    Variant procKalk;
    double kalk;
    std::optional<double> oploesning;   // row 1, column 1
    std::optional<double> udfaeldning;  // "Kalkudfældning", column 2
};

class Kalk : public DiagramdataTest, public ::testing::WithParamInterface<Kalktilfaelde> {};

TEST_P(Kalk, SkifterRaekke) {
    const Kalktilfaelde& k = GetParam();
    tilstand().ProcKalk = k.procKalk;
    tilstand().Mellemregninger(2, 3) = Variant(k.kalk);
    tilstand().Mellemregninger(2, 2) = Variant(k.kalk);
    UdfyldDiagramTUC();
    UdfyldDiagramAlkalinitet();
    struct { const GridTabel& t; int udfaeldningsRaekke; } tabeller_[] = {
        {tabeller().DiagramTUCData, 8}, {tabeller().DiagramAlkalinitetData, 6}};
    for (const auto& [t, ur] : tabeller_) {
        const Variant oploest = t.hent(1, 1);
        const Variant udfaeldet = t.hent(ur, 2);
        if (k.oploesning) EXPECT_EQ(oploest, Variant(*k.oploesning));
        else EXPECT_TRUE(oploest.isNull());
        if (k.udfaeldning) EXPECT_EQ(udfaeldet, Variant(*k.udfaeldning));
        else EXPECT_TRUE(udfaeldet.isNull());
        // The unused cells of both calcite rows stay Null.
        for (int c : {2, 3, 4}) EXPECT_TRUE(t.hent(1, c).isNull());
        for (int c : {1, 3, 4}) EXPECT_TRUE(t.hent(ur, c).isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tilfaelde, Kalk,
    ::testing::Values(Kalktilfaelde{"IngenModellering", Variant(), 0.125, N, 0.125},
                      Kalktilfaelde{"Nul", Variant(0.0), 0.125, N, 0.125},
                      Kalktilfaelde{"NulHeltal", Variant(0), 0.375, N, 0.375},
                      Kalktilfaelde{"Negativ", Variant(-12.5), -0.375, N, -0.375},
                      Kalktilfaelde{"LidtOverNul", Variant(0.0001), 0.125, 0.12, N},
                      Kalktilfaelde{"Positiv", Variant(40.0), 0.375, 0.38, N},
                      Kalktilfaelde{"PositivHeltal", Variant(1), 0.125, 0.12, N}),
    [](const ::testing::TestParamInfo<Kalktilfaelde>& i) { return std::string(i.param.navn); });

TEST_F(DiagramdataTest, OploesningEfterfulgtAfUdfaeldningEfterladerIntetFraFoer) {
    tilstand().Mellemregninger(2, 3) = Variant(0.5);
    tilstand().ProcKalk = Variant(10.0);
    UdfyldDiagramTUC();
    ASSERT_EQ(tabeller().DiagramTUCData.hent(1, 1), Variant(0.5));
    tilstand().ProcKalk = Variant(-10.0);
    tilstand().Mellemregninger(2, 3) = Variant(-0.25);
    UdfyldDiagramTUC();
    EXPECT_TRUE(tabeller().DiagramTUCData.hent(1, 1).isNull());
    EXPECT_EQ(tabeller().DiagramTUCData.hent(8, 2), Variant(-0.25));
}

TEST_F(DiagramdataTest, TomCelleGiverTomCelleIkkeNullOgIkkeNul) {
    // A fresh state: every cell of Mellemregninger is Empty.
    UdfyldDiagramTUC();
    const GridTabel& t = tabeller().DiagramTUCData;
    EXPECT_TRUE(t.hent(2, 1).isEmpty());   // oxygen reduction
    EXPECT_TRUE(t.hent(9, 2).isEmpty());   // siderite
    EXPECT_TRUE(t.hent(10, 3).isEmpty());  // sum
    EXPECT_TRUE(t.hent(11, 4).isEmpty());  // measured
    EXPECT_TRUE(t.hent(2, 2).isNull());
    // The last two labels are the empty text.
    EXPECT_TRUE(t.hent(10, 0).isText());
    EXPECT_EQ(t.hent(11, 0), Variant(std::string()));
}

TEST_F(DiagramdataTest, NegativVaerdiBeholderFortegnOgSoejle) {
    tilstand().Mellemregninger(5, 3) = Variant(-0.5);
    tilstand().Mellemregninger(12, 3) = Variant(-0.0625);
    tilstand().Mellemregninger(12, 2) = Variant(0.0625);
    UdfyldDiagramTUC();
    UdfyldDiagramAlkalinitet();
    EXPECT_EQ(tabeller().DiagramTUCData.hent(9, 2), Variant(-0.5));
    EXPECT_EQ(tabeller().DiagramTUCData.hent(7, 1), Variant(-0.062));
    EXPECT_EQ(tabeller().DiagramAlkalinitetData.hent(5, 1), Variant(0.062));
}

TEST_F(DiagramdataTest, NoeglerUdenForanstilletNul) {
    UdfyldDiagramAlkalinitet();
    const GridTabel& t = tabeller().DiagramAlkalinitetData;
    EXPECT_EQ(t.hent(1, -1), Variant("R1"));
    EXPECT_EQ(t.hent(10, -1), Variant("R10"));
    EXPECT_EQ(t.hent(14, -1), Variant("R14"));
}

TEST_F(DiagramdataTest, GammelFormOgIndholdOverskrives) {
    // A table of another shape with leftovers in every cell.
    GridTabel& t = tabeller().DiagramTUCData;
    t.redimensioner(0, 20, -2, 6);
    for (int r = 0; r <= 20; ++r)
        for (int c = -2; c <= 6; ++c) t.saet(r, c, Variant("gammel"));
    UdfyldDiagramTUC();
    EXPECT_EQ(t.antalRaekker(), 11);
    EXPECT_EQ(t.antalSoejler(), 6);
    for (int r = 1; r <= 11; ++r)
        for (int c = -1; c <= 4; ++c) EXPECT_NE(t.hent(r, c), Variant("gammel")) << r << "," << c;
}

TEST_F(DiagramdataTest, GriddeneBindesIgenOgOpfriskes) {
    grids->glem();
    UdfyldDiagramTUC();
    UdfyldDiagramAlkalinitet();
    EXPECT_EQ((*grids)("TDBGrid23").kald, (std::vector<std::string>{"bind", "rebind", "refresh"}));
    EXPECT_EQ((*grids)("TDBGrid24").kald, (std::vector<std::string>{"bind", "rebind", "refresh"}));
    EXPECT_EQ(inddataGrids().TDBGrid(23).tabel(), &tabeller().DiagramTUCData);
    EXPECT_EQ(inddataGrids().TDBGrid(24).tabel(), &tabeller().DiagramAlkalinitetData);
    EXPECT_EQ(inddataGrids().TDBGrid(23).rowCount(), 11);
    EXPECT_EQ(inddataGrids().TDBGrid(24).rowCount(), 14);
    // Grid column 0 shows the key, column 1 the label.
    EXPECT_EQ(inddataGrids().TDBGrid(24).cellText(9, 0), "R10");
    EXPECT_EQ(inddataGrids().TDBGrid(24).cellText(7, 1), "Nitrifikation");
}

TEST_F(DiagramdataTest, RoerIngenAndenTilstand) {
    mellemregninger(3);
    tilstand().ProcKalk = Variant(1.0);
    tilstand().ProcesdataAendret = Sand;
    UdfyldDiagramTUC();
    EXPECT_EQ(tilstand().ProcKalk, Variant(1.0));
    EXPECT_EQ(tilstand().Mellemregninger(2, 3), Variant(2.0625));
    EXPECT_EQ(tilstand().ProcesdataAendret, Sand);
    EXPECT_TRUE(tabeller().DiagramAlkalinitetData.hent(1, 1).isEmpty());
}

}  // namespace
