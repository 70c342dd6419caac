// The modelled column of NedstroemModel: which rows are written, from what, and the
// presence rule.
#include <gtest/gtest.h>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "engine/NedstroemModel.h"
#include "support/Standardvand.h"

namespace {

constexpr int Fra = 2;
constexpr int Til = 4;

class NedstroemModel : public ::testing::Test {
protected:
    void SetUp() override {
        OpretDataStrukturer();
        Beregningstilstand& t = tilstand();
        t.FraPosition = Fra;
        t.TilPosition = Til;
        GridTabel& a = TommeAnalyser();
        // Every analyte filled for both boreholes (as text, the way cells are typed),
        // and for a third borehole in between, which must not matter.
        for (int r = 1; r <= 18; ++r) {
            a.saet(r, Fra + 1, Variant("1"));
            a.saet(r, Til + 1, Variant(2.5));
        }
        // A model water with a different value in every array.
        for (int r = 1; r <= 18; ++r) t.Analyt(r)[0] = 100 + r;
        t.OploestCO2[0] = 0.0015;
        t.CO2Tryk[0] = 0.031;
        t.TUC[0] = 0.0062;
        t.MaetnIndeksCaCO3[0] = -0.25;
        t.MaetnIndeksFeCO3[0] = Variant(-0.5);
        t.NedstroemModel(17, 1) = Variant(8.0);
        t.NedstroemModel(18, 1) = Variant(0.5);
        t.ProcIltreduktion = Variant(3.0);
        t.ProcMethanogenese = Variant(1.25);
        // Column 3 of an earlier call, to be overwritten everywhere.
        for (int r = 0; r <= 23; ++r) t.NedstroemModel(r, 3) = Variant("gammel");
    }
    void TearDown() override {
        OpretDataStrukturer();
        tabeller().AnalyseData.ryd();
    }

    static Variant kolonne3(int r) { return tilstand().NedstroemModel(r, 3); }
};

TEST_F(NedstroemModel, EveryRowWithAllAnalytesPresent) {
    UdfyldNedstroemModel();
    const Variant forventet[24] = {
        Variant("gammel"),  // row 0 is not used
        Variant(),          // 1 Temperatur
        Variant(102.0),     // 2 pH
        Variant(103.0),     // 3 Calcium
        Variant(),          // 4 Magnesium
        Variant(105.0),     // 5 Natrium
        Variant(),          // 6 Kalium
        Variant(107.0),     // 7 Ammonium
        Variant(108.0),     // 8 Jern
        Variant(109.0),     // 9 Mangan
        Variant(110.0),     // 10 Bikarbonat
        Variant(111.0),     // 11 Klorid
        Variant(112.0),     // 12 Sulfat
        Variant(113.0),     // 13 Nitrat
        Variant(),          // 14 Fluorid
        Variant(),          // 15 Fosfat -fosfor
        Variant(),          // 16 NVOC
        Variant(5.0),       // 17 8 - 3
        Variant(1.75),      // 18 0.5 + 1.25
        Variant(0.0015 * 44000),
        Variant(0.031),
        Variant(0.0062 * 1000),
        Variant(-0.25),
        Variant(-0.5),
    };
    for (int r = 0; r <= 23; ++r) EXPECT_EQ(kolonne3(r), forventet[r]) << "row " << r;
    // Columns 1 and 2 are the downstream run's.
    EXPECT_EQ(tilstand().NedstroemModel(17, 1), Variant(8.0));
    EXPECT_TRUE(tilstand().NedstroemModel(5, 2).isEmpty());
}

// Each tested row is Empty when its analyte is blank upstream or downstream.
struct Testet {
    int raekke;
    int soejle;  // the blank cell's column
};

class Tilstedevaerelse : public NedstroemModel, public ::testing::WithParamInterface<Testet> {};

TEST_P(Tilstedevaerelse, BlankCellEmptiesOnlyItsRow) {
    const Testet p = GetParam();
    tabeller().AnalyseData.saet(p.raekke, p.soejle, Variant(""));
    UdfyldNedstroemModel();
    EXPECT_TRUE(kolonne3(p.raekke).isEmpty()) << "row " << p.raekke;
    for (int r : {2, 3, 5, 7, 8, 9, 10, 11, 12, 13, 17, 18, 19, 20, 21, 22, 23}) {
        if (r == p.raekke) continue;
        EXPECT_FALSE(kolonne3(r).isEmpty()) << "row " << r;
    }
}

INSTANTIATE_TEST_SUITE_P(Raekker, Tilstedevaerelse,
                         ::testing::Values(Testet{5, Fra + 1}, Testet{7, Til + 1}, Testet{8, Fra + 1},
                                           Testet{9, Til + 1}, Testet{11, Fra + 1}, Testet{12, Til + 1},
                                           Testet{13, Fra + 1}, Testet{17, Til + 1}, Testet{18, Fra + 1}));

TEST_F(NedstroemModel, RowsAlwaysWrittenDoNotNeedTheDownstreamAnalysis) {
    GridTabel& a = tabeller().AnalyseData;
    for (int r = 1; r <= 18; ++r) a.saet(r, Til + 1, Variant());
    tilstand().MaetnIndeksFeCO3[0] = Variant("N/A");
    UdfyldNedstroemModel();
    for (int r : {2, 3, 10, 19, 20, 21, 22}) EXPECT_TRUE(kolonne3(r).isDouble()) << "row " << r;
    EXPECT_EQ(kolonne3(23), Variant("N/A"));
    for (int r : {5, 7, 8, 9, 11, 12, 13, 17, 18}) EXPECT_TRUE(kolonne3(r).isEmpty()) << "row " << r;
}

TEST_F(NedstroemModel, OtherBoreholesDoNotDecidePresence) {
    GridTabel& a = tabeller().AnalyseData;
    for (int c : {2, 4, 6}) a.saet(8, c, Variant());
    UdfyldNedstroemModel();
    EXPECT_EQ(kolonne3(8), Variant(108.0));
}

TEST_F(NedstroemModel, NoOxygenReductionOrMethanogenesisLeavesColumn1) {
    tilstand().ProcIltreduktion = Variant();
    tilstand().ProcMethanogenese = Variant(0);
    UdfyldNedstroemModel();
    EXPECT_EQ(kolonne3(17), Variant(8.0));
    EXPECT_EQ(kolonne3(18), Variant(0.5));
}

TEST_F(NedstroemModel, OxygenIsNotClampedAndTypedCellsCountAsTheirNumber) {
    TalformatScope dansk(Talformat::dansk());
    tilstand().NedstroemModel(17, 1) = Variant("2,5");
    tilstand().NedstroemModel(18, 1) = Variant("0,75");
    UdfyldNedstroemModel();
    EXPECT_EQ(kolonne3(17), Variant(-0.5));
    EXPECT_EQ(kolonne3(18), Variant(2.0));
}

}  // namespace
