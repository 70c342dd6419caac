// The borehole lists of the position and first-order grids, the order of the calls
// that each kind of set-up makes, and the cells that survive the set-ups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "platform/InddataGrids.h"
#include "support/RecordingGrid.h"

namespace {

using Tekster = std::vector<std::string>;

class DivGridsListerTest : public ::testing::Test {
protected:
    void SetUp() override {
        tabeller() = Tabeller{};
        tilstand() = Beregningstilstand{};
        inddataGrids().restoreDesign();
        NulstilAlleData();
        InitierGrids();
        GridTabel& b = tabeller().BoringData;
        const char* navne[] = {"B101", "B102", "B103", "B104", "B105"};
        const char* placeringer[] = {"Opstrøm", "", "Hotspot", "Nedstrøm", "Sidestrøm"};
        for (int k = 1; k <= 5; ++k) {
            b.saet(1, k + 1, navne[k - 1]);
            b.saet(2, k + 1, placeringer[k - 1]);
        }
    }

    // What the quality-control run does with the lists once it has counted the boreholes.
    static void kvalitetskontrol(int antalBoringer) {
        tilstand().AntalBoringer = static_cast<std::int16_t>(antalBoringer);
        OpsaetGridHydrauliskPlacering();
        OpsaetGridNedbrydningsmodel();
    }

    static std::vector<Variant> vaerdier(const Grid& g, int col) {
        std::vector<Variant> r;
        const ValueList& l = g.column(col).valueList();
        for (int i = 0; i < l.count(); ++i) r.push_back(l.item(i).value);
        return r;
    }
};

TEST_F(DivGridsListerTest, PositionListsFollowTheBoreholesOfEachRun) {
    RecordingGrid g(inddataGrids().grid("TDBGrid7"));
    for (int col : {1, 2}) EXPECT_TRUE(g.items(col).empty());

    kvalitetskontrol(3);
    ASSERT_EQ(g.grid().columnCount(), 3);
    EXPECT_EQ(g.captions(), (Tekster{"Parameter", "Enhed", "Bor.(1)"}));
    for (int col : {1, 2}) {
        SCOPED_TRACE(col);
        // The second borehole has no position entered: its item shows an empty text.
        EXPECT_EQ(g.items(col), (Tekster{"Opstrøm", "", "Hotspot"}));
        EXPECT_EQ(vaerdier(g.grid(), col), (std::vector<Variant>{Variant(1), Variant(2), Variant(3)}));
        const ValueList& l = g.grid().column(col).valueList();
        EXPECT_EQ(l.presentation(), 2);
        EXPECT_EQ(l.listOptionA(), std::optional<bool>(true));
        EXPECT_EQ(l.listOptionB(), std::optional<bool>(true));
        EXPECT_EQ(l.listOptionC(), std::optional<bool>(false));
    }

    ASSERT_TRUE(g.pickShown(0, 2, "Hotspot"));
    EXPECT_EQ(tabeller().PlaceringData.hent(1, 2), Variant(3));
    EXPECT_EQ(g.grid().cellText(0, 2), "Hotspot");

    // A later run with fewer boreholes: two items, no stacking, the picked number kept.
    kvalitetskontrol(2);
    ASSERT_EQ(g.grid().columnCount(), 3);
    for (int col : {1, 2}) EXPECT_EQ(g.items(col), (Tekster{"Opstrøm", ""})) << col;
    EXPECT_EQ(tabeller().PlaceringData.hent(1, 2), Variant(3));
    EXPECT_EQ(tabeller().PlaceringData.foersteSoejle(), 0);
    EXPECT_EQ(tabeller().PlaceringData.sidsteSoejle(), 4);
}

TEST_F(DivGridsListerTest, FirstOrderGridListsTheBoreholeNamesInFiveColumns) {
    RecordingGrid g(inddataGrids().grid("TDBGrid17"));
    tabeller().NedbrydningData.saet(1, 1, Variant(2));

    kvalitetskontrol(4);
    const Grid& grid = g.grid();
    EXPECT_EQ(grid.caption(), "1. ordens model for naturlig nedbrydning");
    EXPECT_EQ(grid.fontSize(), std::optional<int>(8));
    EXPECT_EQ(grid.tabel(), &tabeller().NedbrydningData);
    ASSERT_EQ(grid.columnCount(), 5);
    EXPECT_EQ(g.captions(), (Tekster{"", "Hotspot", "Filter/ boring", "Filter/ boring", "Filter/ boring"}));
    const int bredder[] = {1500, 1000, 1600, 1600, 1600};
    for (int col = 0; col < 5; ++col) {
        SCOPED_TRACE(col);
        EXPECT_EQ(grid.column(col).width(), bredder[col]);
        EXPECT_EQ(grid.column(col).locked(), col == 0);
        if (col == 0) continue;
        EXPECT_EQ(grid.column(col).alignment(), std::optional<VandretJustering>(VandretJustering::Hoejre));
        EXPECT_EQ(grid.column(col).backColor(), std::optional<Farve>(Farve::hvid()));
        EXPECT_EQ(g.items(col), (Tekster{"B101", "B102", "B103", "B104"}));
        const ValueList& l = grid.column(col).valueList();
        EXPECT_EQ(l.listOptionA(), std::optional<bool>(true));
        EXPECT_EQ(l.listOptionB(), std::optional<bool>(false));
        EXPECT_EQ(l.listOptionC(), std::optional<bool>(true));
    }
    // The number stored before the run is kept and shown by its name.
    EXPECT_EQ(grid.cellText(0, 1), "B102");
    EXPECT_EQ(grid.cellText(0, 0), "Vælg fra liste");

    ASSERT_TRUE(g.pickShown(0, 3, "B103"));
    EXPECT_EQ(tabeller().NedbrydningData.hent(1, 3), Variant(3));

    kvalitetskontrol(2);
    ASSERT_EQ(grid.columnCount(), 5);
    for (int col = 1; col < 5; ++col) EXPECT_EQ(g.items(col), (Tekster{"B101", "B102"})) << col;
}

TEST_F(DivGridsListerTest, ABoreholeListWithoutBoreholesIsEmpty) {
    kvalitetskontrol(0);
    const Grid& g = inddataGrids().grid("TDBGrid17");
    ASSERT_EQ(g.columnCount(), 5);
    for (int col = 1; col < 5; ++col) EXPECT_EQ(g.column(col).valueList().count(), 0);
}

// The grid-level calls of each kind of set-up, in order (column settings left out).
Tekster gridKald(const RecordingGrid& r) {
    Tekster t;
    for (const auto& k : r.kald)
        if (k.rfind("column(", 0) != 0) t.push_back(k);
    return t;
}

const Tekster Optioner = {"setGridOptionA(0)", "setGridOptionB(false)", "setGridOptionC(false)"};

Tekster plus(Tekster a, const Tekster& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(DivGridsListerTest, EachKindOfSetUpBindsAndRefreshesInItsOrder) {
    RecordingInddataGrids r;
    inddataGrids().restoreDesign();

    OpsaetGridKvalitetskontrol();
    EXPECT_EQ(gridKald(r("TDBGrid3")),
              plus({"bind", "setCaption(\"Kvalitetskontrol og simulering\")", "setFontSize(8)", "addColumn(2)",
                    "addColumn(3)", "addColumn(4)", "addColumn(5)", "addColumn(6)", "bind", "rebind", "refresh"},
                   Optioner));
    // Repeated on a laid-out window, the added columns go first and come back.
    r.glem();
    OpsaetGridKvalitetskontrol();
    EXPECT_EQ(gridKald(r("TDBGrid9")),
              plus({"bind", "setFontSize(8)", "removeColumn(5)", "removeColumn(4)", "removeColumn(3)",
                    "removeColumn(2)", "addColumn(2)", "addColumn(3)", "addColumn(4)", "addColumn(5)", "bind",
                    "rebind", "refresh"},
                   Optioner));

    r.glem();
    inddataGrids().restoreDesign();
    OpsaetGridLokalitet();
    EXPECT_EQ(gridKald(r("TDBGrid4")), (Tekster{"bind", "setGridOptionB(false)", "setGridOptionC(false)",
                                                "setGridOptionA(0)", "rebind", "refresh"}));

    OpsaetGridForureningskomponenter();
    EXPECT_EQ(gridKald(r("TDBGrid2")),
              plus({"bind", "setCaption(\"Forurenings komponenter\")", "addColumn(2)", "addColumn(3)",
                    "addColumn(4)", "addColumn(5)", "addColumn(6)", "bind", "rebind", "refresh"},
                   Optioner));

    OpsaetGridGrundvandstype();
    EXPECT_EQ(gridKald(r("TDBGrid5", 0)),
              plus({"setCaption(\"Kriterier\")", "setFontSize(8)", "addColumn(2)", "addColumn(3)", "addColumn(4)",
                    "bind", "rebind", "refresh"},
                   Optioner));
    EXPECT_EQ(gridKald(r("TDBGrid5", 4)),
              plus({"setFontSize(8)", "addColumn(2)", "addColumn(3)", "addColumn(4)", "bind", "rebind", "refresh"},
                   Optioner));

    OpsaetGridHydrauliskPlacering();
    EXPECT_EQ(gridKald(r("TDBGrid7")),
              plus({"removeColumn(0)", "removeColumn(0)", "setFontSize(8)", "addColumn(0)", "addColumn(1)",
                    "addColumn(2)", "bind", "rebind", "refresh"},
                   Optioner));

    OpsaetGridNedbrydningsmodel();
    EXPECT_EQ(gridKald(r("TDBGrid17")),
              plus({"removeColumn(0)", "removeColumn(0)", "bind", "rebind",
                    "setCaption(\"1. ordens model for naturlig nedbrydning\")", "setFontSize(8)", "addColumn(0)",
                    "addColumn(1)", "addColumn(2)", "addColumn(3)", "addColumn(4)", "bind", "rebind", "refresh"},
                   Optioner));

    // The budget-table grids are rebound by their runs, not here.
    OpsaetGridDiagramTUC();
    EXPECT_EQ(gridKald(r("TDBGrid23")),
              plus({"bind", "setCaption(\"Beregninger til brug for diagram\")", "setFontSize(8)", "addColumn(2)",
                    "addColumn(3)", "addColumn(4)", "addColumn(5)", "bind", "refresh"},
                   Optioner));
}

TEST_F(DivGridsListerTest, ColumnSettingsAndListsAreSetInOrder) {
    RecordingInddataGrids r;
    OpsaetGridRedoxSum();
    EXPECT_EQ(r("TDBGrid21").kaldMed("column(0)."),
              (Tekster{"column(0).setVisible(true)", "column(0).setLocked(true)", "column(0).setBold(true)",
                       "column(0).setWidth(3600)", "column(0).setCaption(\"Redox proces\")",
                       "column(0).setColumnOptionA(false)", "column(0).setColumnOptionB(false)"}));

    tilstand().AntalBoringer = 2;
    OpsaetGridHydrauliskPlacering();
    r.glem();
    tilstand().AntalBoringer = 1;
    OpsaetGridHydrauliskPlacering();
    // Fresh columns: nothing to empty; a list of one borehole.
    EXPECT_EQ(r("TDBGrid7").kaldMed("column(2)."),
              (Tekster{"column(2).setVisible(true)", "column(2).setLocked(false)", "column(2).setWidth(1500)",
                       "column(2).setCaption(\"Bor.(1)\")", "column(2).setAlignment(0)",
                       "column(2).setBackColor(16777215)", "column(2).setColumnOptionA(true)",
                       "column(2).setColumnOptionB(false)", "column(2).setColumnOptionD(true)",
                       "column(2).setColumnOptionE(true)", "column(2).valueList().setPresentation(2)",
                       "column(2).valueList().setListOptionA(true)", "column(2).valueList().setListOptionB(true)",
                       "column(2).valueList().setListOptionC(false)", "column(2).valueList().add(1, \"Opstrøm\")"}));

    // The substance list taken from the design column is emptied last to first before it is filled again.
    r.glem();
    OpsaetGridModelstof();
    const Tekster liste = r("TDBGrid10").kaldMed("column(1).valueList().");
    ASSERT_EQ(liste.size(), 4u + 14u + 14u);
    EXPECT_EQ(liste[4], "column(1).valueList().remove(13)");
    EXPECT_EQ(liste[17], "column(1).valueList().remove(0)");
    EXPECT_EQ(liste[18], "column(1).valueList().add(\"Andet\", \"Andet stof\")");
    EXPECT_EQ(inddataGrids().grid("TDBGrid10").column(1).valueList().count(), 14);
}

TEST_F(DivGridsListerTest, LabelsAndLoadedValuesSurviveAndCellsOutsideTheBoundsGo) {
    inddataGrids().restoreDesign();
    tabeller() = Tabeller{};
    NulstilAlleData();
    // As a data file leaves them: a value per input table, the site table one column wider.
    tabeller().LokalitetData.redimensioner(1, 5, 0, 2);
    tabeller().LokalitetData.saet(1, 1, "Grusgraven");
    tabeller().LokalitetData.saet(1, 2, "ekstra");
    tabeller().AnalyseData.saet(2, 3, "7,1");
    tabeller().KomponentData.saet(1, 0, "Benzen");
    tabeller().KvalitetskontrolData.saet(10, 6, "N/A");
    tabeller().NedstroemAnalyseData.redimensioner(1, 19, 0, 6);
    tabeller().NedstroemAnalyseData.saet(3, 5, "beholdt");
    tabeller().NedstroemAnalyseData.saet(3, 6, "tabt");
    tabeller().DiagramTUCData.redimensioner(1, 11, -1, 4);
    tabeller().DiagramTUCData.saet(3, -1, "K3");
    tabeller().DiagramTUCData.saet(3, 0, "Iltreduktion");
    tabeller().MellemregningData.redimensioner(1, 17, 0, 6);
    tabeller().MellemregningData.saet(1, 6, "skjult");

    InitierGrids();

    const Tabeller& t = tabeller();
    EXPECT_EQ(t.LokalitetData.sidsteSoejle(), 2);
    EXPECT_EQ(t.LokalitetData.hent(1, 2), Variant("ekstra"));
    EXPECT_EQ(inddataGrids().grid("TDBGrid4").cellText(0, 1), "Grusgraven");
    EXPECT_EQ(inddataGrids().grid("TDBGrid4").cellText(0, 0), "Lokalitet");
    EXPECT_EQ(t.AnalyseData.hent(2, 3), Variant("7,1"));
    EXPECT_EQ(t.AnalyseData.hent(2, 0), Variant("pH"));
    EXPECT_EQ(t.AnalyseData.hent(2, 1), Variant(""));
    EXPECT_EQ(inddataGrids().grid("TDBGrid1").cellText(1, 3), "7,1");
    EXPECT_EQ(t.KomponentData.hent(1, 0), Variant("Benzen"));
    EXPECT_EQ(t.KvalitetskontrolData.hent(10, 6), Variant("N/A"));
    EXPECT_EQ(t.KvalitetskontrolData.sidsteSoejle(), 6);
    EXPECT_EQ(t.NedstroemAnalyseData.sidsteSoejle(), 5);
    EXPECT_EQ(t.NedstroemAnalyseData.hent(3, 5), Variant("beholdt"));
    EXPECT_EQ(t.NedstroemAnalyseData.hent(3, 0), Variant("pH"));
    EXPECT_EQ(t.NedstroemAnalyseData.hent(1, 1), Variant(""));
    EXPECT_EQ(t.RedoxData.sidsteSoejle(), 3);
    EXPECT_EQ(t.RedoxData.hent(11, 0), Variant("Delvis pyritoxidation med nitrat"));
    EXPECT_EQ(t.GrundvandstypeData[5].hent(5, 0), Variant("CH4"));

    // The chart grid shows the key column -1 as its column 0.
    const Grid& diagram = inddataGrids().grid("TDBGrid23");
    EXPECT_EQ(t.DiagramTUCData.foersteSoejle(), -1);
    EXPECT_EQ(diagram.cellValue(2, 0), Variant("K3"));
    EXPECT_EQ(diagram.cellText(2, 1), "Iltreduktion");

    // Table column 6 of the intermediate results stays in the table, never in the grid.
    const Grid& mellem = inddataGrids().grid("TDBGrid20");
    ASSERT_EQ(mellem.columnCount(), 6);
    for (int col = 0; col < mellem.columnCount(); ++col) EXPECT_NE(mellem.cellText(0, col), "skjult");
    EXPECT_EQ(t.MellemregningData.hent(1, 6), Variant("skjult"));
}

TEST_F(DivGridsListerTest, ASetUpGivesATableNeverShapedExactlyItsBounds) {
    tabeller().RedoxSumData = GridTabel{};
    OpsaetGridRedoxSum();
    const GridTabel& t = tabeller().RedoxSumData;
    EXPECT_EQ(t.foersteRaekke(), 1);
    EXPECT_EQ(t.sidsteRaekke(), 2);
    EXPECT_EQ(t.foersteSoejle(), 0);
    EXPECT_EQ(t.sidsteSoejle(), 5);
    EXPECT_TRUE(t.hent(1, 0).isEmpty());
    EXPECT_EQ(inddataGrids().grid("TDBGrid21").rowCount(), 2);
}

TEST_F(DivGridsListerTest, OnlyTheCriteriaGridGetsACaption) {
    inddataGrids().grid("TDBGrid5", 2).setCaption("Hotspot (B103)");
    OpsaetGridGrundvandstype();
    EXPECT_EQ(inddataGrids().grid("TDBGrid5", 0).caption(), "Kriterier");
    EXPECT_EQ(inddataGrids().grid("TDBGrid5", 2).caption(), "Hotspot (B103)");
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(inddataGrids().grid("TDBGrid5", i).tabel(), &tabeller().GrundvandstypeData[i]);
}

}  // namespace
