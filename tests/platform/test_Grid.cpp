// The grid's own rules, without a screen: which cell a value lands in, when the
// events run, what a pick stores, what drops an edit, and the window's design state.
#include <gtest/gtest.h>

#include <stdexcept>

#include "celler/Talformat.h"
#include "platform/Grid.h"
#include "platform/InddataGrids.h"
#include "support/RecordingGrid.h"

namespace {

class GridTest : public ::testing::Test {
protected:
    GridTest() : format(Talformat::dansk()) {
        tabel.redimensioner(1, 3, 0, 3);
        tabel.saet(1, 0, "pH");
        tabel.saet(2, 0, "Calcium");
        tabel.saet(3, 0, "Jern");
        tabel.saet(2, 2, 5);
        grid.restoreDesign();
        grid.addColumn(2);
        grid.bind(&tabel);
        grid.column(0).setLocked(true);
        grid.beforeColUpdate = [this](int col, Variant& old, bool& cancel) {
            hændelser.push_back({col, old, grid.currentTableRow(), grid.columnValue(col)});
            cancel = afvis;
        };
        r.glem();
    }

    struct BeforeUpdate {
        int col;
        Variant old;
        int tabelRaekke;
        Variant vaerdi;
    };

    TalformatScope format;
    GridTabel tabel;
    Grid grid{"TDBGridTest"};
    RecordingGrid r{grid};
    std::vector<BeforeUpdate> hændelser;
    bool afvis = false;
};

TEST_F(GridTest, AcceptedEditReachesTheEditedCellAsTypedText) {
    ASSERT_TRUE(r.typeAndEnter(1, 2, "7,25"));
    ASSERT_EQ(hændelser.size(), 1u);
    EXPECT_EQ(hændelser[0].col, 2);
    EXPECT_EQ(hændelser[0].old, Variant(5));
    EXPECT_EQ(hændelser[0].tabelRaekke, 2);
    EXPECT_EQ(hændelser[0].vaerdi, Variant("7,25"));
    EXPECT_EQ(tabel.hent(2, 2), Variant("7,25"));
    EXPECT_FALSE(grid.editing());
    EXPECT_FALSE(grid.dataChanged());
}

TEST_F(GridTest, RefusedEditDropsBackToTheOldValueAndKeepsCellAndFocus) {
    afvis = true;
    EXPECT_FALSE(r.typeAndEnter(1, 2, "abc"));
    EXPECT_EQ(tabel.hent(2, 2), Variant(5));
    EXPECT_FALSE(grid.editing());
    EXPECT_FALSE(grid.dataChanged());
    EXPECT_EQ(grid.cellText(1, 2), "5");
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(1, 2));
    EXPECT_EQ(r.focusRequests, 1);
    EXPECT_TRUE(grid.hasFocus());
    // Typed again and accepted: Enter then makes the cell below current.
    afvis = false;
    ASSERT_TRUE(grid.userType("6"));
    EXPECT_TRUE(r.enter());
    EXPECT_EQ(tabel.hent(2, 2), Variant("6"));
    EXPECT_EQ(hændelser.size(), 2u);
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(2, 2));
}

// Enter moves down (not from the last row), Tab to the next editable cell in
// reading order, past the locked column 0; from the last one the grid is left.
TEST_F(GridTest, EnterMovesDownTabMovesToTheNextEditableCell) {
    struct Trin { int row, col; bool tilbage; bool bliver; int nyRow, nyCol; };
    for (const Trin& t : {Trin{2, 1, false, true, 2, 2}, Trin{0, 2, false, true, 1, 1}, Trin{1, 1, true, true, 0, 2},
                          Trin{2, 2, false, false, 2, 2}, Trin{0, 1, true, false, 0, 1}}) {
        ASSERT_TRUE(r.type(t.row, t.col, "1"));
        EXPECT_EQ(grid.userTab(t.tilbage), t.bliver) << t.row << "," << t.col;
        EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(t.nyRow, t.nyCol));
    }
    ASSERT_TRUE(r.typeAndEnter(2, 1, "2"));
    EXPECT_EQ(grid.row(), 2);  // the last row
    ASSERT_TRUE(r.click(0, 2));
    EXPECT_TRUE(r.enter());  // without an edit: on to the cell below
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(1, 2));
    afvis = true;
    ASSERT_TRUE(r.type(0, 1, "3"));
    EXPECT_TRUE(grid.userTab(false));  // refused: stays in the grid, in its cell
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(0, 1));
}

// ---------------------------------------------------------------- the editing model

// Every state of the editing model against every key and click, on a grid with a
// locked column between two editable ones and locked columns at both edges:
//   col 0 label (locked) | 1 value | 2 unit (locked) | 3 value | 4 remark (locked)
// Each editable cell holds "0"; the edit, where there is one, is "7" typed at (1, 1).
enum class Ind { Tast, Tegn, Klik, Dobbelt, IEditor, Overskrift, Tomt, Udenfor };

struct Model {
    const char* navn;
    Redigering foer;
    int row, col;  // the current cell before
    Ind ind;
    GridTast tast = GridTast::Enter;
    int r = 0, c = 0;  // the clicked cell, or the caption's column
    Redigering efter = Redigering::Ingen;
    int nyRow = 0, nyCol = 0;
    const char* celle = "0";  // the cell the editor was on (or the current one), afterwards
    TastSvar svar = TastSvar::Taget;
    bool afvis = false;
};

void PrintTo(const Model& m, std::ostream* os) { *os << m.navn; }

class Redigeringsmodel : public ::testing::TestWithParam<Model> {
protected:
    Redigeringsmodel() : format(Talformat::dansk()) {
        tabel.redimensioner(1, 3, 0, 4);
        grid.restoreDesign();
        for (int c = 2; c <= 4; ++c) grid.addColumn(c);
        grid.bind(&tabel);
        for (int c : {0, 2, 4}) grid.column(c).setLocked(true);
        for (int r = 1; r <= 3; ++r)
            for (int c : {1, 3}) tabel.saet(r, c, "0");
    }
    TalformatScope format;
    GridTabel tabel;
    Grid grid{"TDBGridModel"};
    RecordingGrid rec{grid};
    int bip = 0;
};

TEST_P(Redigeringsmodel, TilstandModInput) {
    const Model& m = GetParam();
    struct Bip : GridVisning {
        int* n;
        void bip() override { ++*n; }
    } lyd;
    lyd.n = &bip;
    bool afvis = m.afvis;
    grid.beforeColUpdate = [&](int, Variant&, bool& cancel) { cancel = afvis; };
    ASSERT_TRUE(grid.userKlik(m.row, m.col));
    const int r0 = m.row, c0 = m.col;
    if (m.foer != Redigering::Ingen) {
        ASSERT_TRUE(grid.userType("7"));
    }
    if (m.foer == Redigering::Markoer) grid.userKlikIEditor();
    ASSERT_EQ(grid.redigering(), m.foer);
    grid.setVisning(&lyd);
    TastSvar svar = TastSvar::Taget;
    switch (m.ind) {
    case Ind::Tast: svar = grid.userTast(m.tast, 2); break;
    case Ind::Tegn: grid.userTegn("x"); break;
    case Ind::Klik: grid.userKlik(m.r, m.c); break;
    case Ind::Dobbelt: grid.userDobbeltKlik(m.r, m.c); break;
    case Ind::IEditor: grid.userKlikIEditor(); break;
    case Ind::Overskrift: grid.userKlikPaaOverskrift(m.c); break;
    case Ind::Tomt: grid.userKlikUdenforCeller(); break;
    case Ind::Udenfor: grid.userKlikUdenforGrid(); break;
    }
    grid.setVisning(nullptr);
    EXPECT_EQ(svar, m.svar);
    EXPECT_EQ(grid.redigering(), m.efter);
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(m.nyRow, m.nyCol));
    EXPECT_EQ(TekstForm(tabel.hent(r0 + 1, c0)), m.celle);
    if (m.efter == Redigering::Tastet && m.foer == Redigering::Ingen) {
        EXPECT_EQ(grid.editText(), m.ind == Ind::Tegn ? "x" : "");
    }
    EXPECT_EQ(bip, 0);
}

using R = Redigering;
using T = GridTast;
INSTANTIATE_TEST_SUITE_P(
    Grid, Redigeringsmodel,
    ::testing::Values(
        // Without an editor the arrows pass the locked unit and stop at the edges.
        Model{"HoejreOverEnheden", R::Ingen, 1, 1, Ind::Tast, T::Hoejre, 0, 0, R::Ingen, 1, 3},
        Model{"HoejreVedKanten", R::Ingen, 1, 3, Ind::Tast, T::Hoejre, 0, 0, R::Ingen, 1, 3},
        Model{"VenstreVedKanten", R::Ingen, 1, 1, Ind::Tast, T::Venstre, 0, 0, R::Ingen, 1, 1},
        Model{"OpVedKanten", R::Ingen, 0, 3, Ind::Tast, T::Op, 0, 0, R::Ingen, 0, 3},
        Model{"SideNed", R::Ingen, 0, 1, Ind::Tast, T::SideNed, 0, 0, R::Ingen, 2, 1},
        Model{"EnterSidsteRaekke", R::Ingen, 2, 1, Ind::Tast, T::Enter, 0, 0, R::Ingen, 2, 1},
        Model{"HjemOgSlut", R::Ingen, 1, 3, Ind::Tast, T::Hjem, 0, 0, R::Ingen, 1, 1},
        Model{"CtrlSlut", R::Ingen, 0, 1, Ind::Tast, T::GridSlut, 0, 0, R::Ingen, 2, 3},
        Model{"TabForbiSidste", R::Ingen, 2, 3, Ind::Tast, T::Tab, 0, 0, R::Ingen, 2, 3, "0", TastSvar::Forlad},
        Model{"ShiftTabTilForrigeRaekke", R::Ingen, 1, 1, Ind::Tast, T::ShiftTab, 0, 0, R::Ingen, 0, 3},
        Model{"TegnErstatter", R::Ingen, 1, 3, Ind::Tegn, T::Enter, 0, 0, R::Tastet, 1, 3},
        Model{"TilbageBegynderTomt", R::Ingen, 1, 1, Ind::Tast, T::Tilbage, 0, 0, R::Tastet, 1, 1},
        Model{"SletToemmer", R::Ingen, 1, 1, Ind::Tast, T::Slet, 0, 0, R::Ingen, 1, 1, ""},
        Model{"F2", R::Ingen, 1, 1, Ind::Tast, T::F2, 0, 0, R::Markoer, 1, 1},
        Model{"EscUdenEditor", R::Ingen, 1, 1, Ind::Tast, T::Esc, 0, 0, R::Ingen, 1, 1},
        // A typed value: every commit key commits, also at the grid's edges.
        Model{"TastetHoejre", R::Tastet, 1, 1, Ind::Tast, T::Hoejre, 0, 0, R::Ingen, 1, 3, "7"},
        Model{"TastetHoejreVedKanten", R::Tastet, 1, 3, Ind::Tast, T::Hoejre, 0, 0, R::Ingen, 1, 3, "7"},
        Model{"TastetVenstreVedKanten", R::Tastet, 1, 1, Ind::Tast, T::Venstre, 0, 0, R::Ingen, 1, 1, "7"},
        Model{"TastetOpVedKanten", R::Tastet, 0, 1, Ind::Tast, T::Op, 0, 0, R::Ingen, 0, 1, "7"},
        Model{"TastetNedVedKanten", R::Tastet, 2, 3, Ind::Tast, T::Ned, 0, 0, R::Ingen, 2, 3, "7"},
        Model{"TastetTab", R::Tastet, 1, 3, Ind::Tast, T::Tab, 0, 0, R::Ingen, 2, 1, "7"},
        Model{"TastetCtrlTab", R::Tastet, 1, 3, Ind::Tast, T::CtrlTab, 0, 0, R::Ingen, 1, 3, "7", TastSvar::Forlad},
        Model{"TastetHjemErEditorens", R::Tastet, 1, 3, Ind::Tast, T::Hjem, 0, 0, R::Tastet, 1, 3, "0",
              TastSvar::Editorens},
        Model{"TastetF2", R::Tastet, 1, 1, Ind::Tast, T::F2, 0, 0, R::Markoer, 1, 1},
        Model{"TastetEsc", R::Tastet, 1, 1, Ind::Tast, T::Esc, 0, 0, R::Ingen, 1, 1},
        Model{"TastetAfvistHoejre", R::Tastet, 1, 1, Ind::Tast, T::Hoejre, 0, 0, R::Ingen, 1, 1, "0",
              TastSvar::Afvist, true},
        // The caret editor keeps Left and Right; the other commit keys still commit.
        Model{"MarkoerHoejre", R::Markoer, 1, 1, Ind::Tast, T::Hoejre, 0, 0, R::Markoer, 1, 1, "0",
              TastSvar::Editorens},
        Model{"MarkoerNed", R::Markoer, 1, 1, Ind::Tast, T::Ned, 0, 0, R::Ingen, 2, 1, "7"},
        Model{"MarkoerEnter", R::Markoer, 2, 1, Ind::Tast, T::Enter, 0, 0, R::Ingen, 2, 1, "7"},
        // Clicks: a cell that takes no keys gives way to the nearest of its row.
        Model{"KlikPaaEtiket", R::Ingen, 0, 3, Ind::Klik, T::Enter, 2, 0, R::Ingen, 2, 1},
        Model{"KlikPaaEnhed", R::Ingen, 0, 1, Ind::Klik, T::Enter, 2, 2, R::Ingen, 2, 3},
        Model{"KlikPaaKanten", R::Ingen, 0, 1, Ind::Klik, T::Enter, 1, 4, R::Ingen, 1, 3},
        Model{"KlikPaaAktuelle", R::Ingen, 1, 1, Ind::Klik, T::Enter, 1, 1, R::Ingen, 1, 1},
        Model{"KlikPaaEditorensCelle", R::Tastet, 1, 1, Ind::Klik, T::Enter, 1, 1, R::Markoer, 1, 1},
        Model{"TastetKlikAfvist", R::Tastet, 1, 1, Ind::Klik, T::Enter, 2, 3, R::Ingen, 1, 1, "0", TastSvar::Taget,
              true},
        Model{"Dobbeltklik", R::Ingen, 0, 1, Ind::Dobbelt, T::Enter, 2, 2, R::Markoer, 2, 3},
        Model{"KlikIEditoren", R::Tastet, 1, 1, Ind::IEditor, T::Enter, 0, 0, R::Markoer, 1, 1},
        Model{"OverskriftLaast", R::Tastet, 1, 1, Ind::Overskrift, T::Enter, 0, 2, R::Tastet, 1, 1},
        Model{"Overskrift", R::Tastet, 1, 1, Ind::Overskrift, T::Enter, 0, 3, R::Ingen, 0, 3, "7"},
        Model{"TomtOmraade", R::Markoer, 1, 3, Ind::Tomt, T::Enter, 0, 0, R::Ingen, 1, 3, "7"},
        Model{"KlikUdenforGriddet", R::Tastet, 1, 3, Ind::Udenfor, T::Enter, 0, 0, R::Ingen, 1, 3, "7"}),
    [](const auto& info) { return std::string(info.param.navn); });

// A drop-down cell takes picks: a character picks the item it begins, Backspace and
// Delete do nothing, F2 opens the list; in a grid of results only a character beeps
// and Home and End go to the first and last cells.
TEST_F(GridTest, DropDownCellsAndAGridOfResultsOnly) {
    int bip = 0;
    struct Bip : GridVisning {
        int* n;
        void bip() override { ++*n; }
    } lyd;
    lyd.n = &bip;
    tabel.saet(3, 1, "B1");
    grid.column(1).valueList().setPresentation(ListePraesentationRulleliste);
    grid.column(1).valueList().add("B1", "Boring 1");
    grid.column(1).valueList().add("B2", "Boring 2");
    ASSERT_TRUE(r.click(2, 1));
    for (GridTast t : {GridTast::Tilbage, GridTast::Slet}) EXPECT_EQ(r.key(t), TastSvar::Taget);
    EXPECT_FALSE(grid.editing());
    EXPECT_TRUE(hændelser.empty());
    EXPECT_EQ(r.key(GridTast::F2), TastSvar::Taget);
    EXPECT_EQ(grid.redigering(), Redigering::Liste);
    EXPECT_EQ(r.key(GridTast::Ned), TastSvar::Editorens);
    r.escape();
    EXPECT_TRUE(grid.userTegn("b"));
    EXPECT_EQ(tabel.hent(3, 1), Variant("B1"));
    EXPECT_EQ(hændelser.size(), 1u);
    for (int c : {1, 2}) grid.column(c).setLocked(true);
    grid.setVisning(&lyd);
    EXPECT_FALSE(grid.userTegn("5"));
    EXPECT_EQ(bip, 1);
    EXPECT_EQ(r.key(GridTast::Hjem), TastSvar::Taget);
    EXPECT_EQ(grid.col(), 0);
    r.key(GridTast::GridSlut);
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(2, 2));
    grid.setVisning(nullptr);
}

// What each way of leaving an edit does to the event and the table.
struct Afslutning {
    const char* navn;
    bool afvis;
    int raekke, kolonne;  // where the user goes next, or -1 for Enter/Escape/endEdit
    bool escape;
    bool programmet;       // endEdit instead of the user's Enter
    int forventetHaendelser;
    bool forventetSkrevet;
    int forventetRaekke;   // the current row afterwards
};

class GridAfslutning : public GridTest, public ::testing::WithParamInterface<Afslutning> {};

TEST_P(GridAfslutning, EventAndTable) {
    const Afslutning& a = GetParam();
    afvis = a.afvis;
    ASSERT_TRUE(r.type(0, 1, "x"));
    if (a.escape) r.escape();
    else if (a.raekke >= 0) r.click(a.raekke, a.kolonne);
    else if (a.programmet) grid.endEdit();
    else r.enter();
    EXPECT_EQ(static_cast<int>(hændelser.size()), a.forventetHaendelser);
    EXPECT_EQ(tabel.hent(1, 1) == Variant("x"), a.forventetSkrevet);
    EXPECT_TRUE(tabel.hent(3, 2).isEmpty());  // never into the clicked cell
    EXPECT_EQ(grid.row(), a.forventetRaekke);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridAfslutning,
    ::testing::Values(
        Afslutning{"Enter", false, -1, -1, false, false, 1, true, 1},
        Afslutning{"EndEdit", false, -1, -1, false, true, 1, true, 0},
        Afslutning{"ClickElsewhere", false, 2, 2, false, false, 1, true, 2},
        Afslutning{"ClickElsewhereRefused", true, 2, 2, false, false, 1, false, 0},
        Afslutning{"ClickSameCell", false, 0, 1, false, false, 0, false, 0},
        Afslutning{"Escape", false, -1, -1, true, false, 0, false, 0},
        Afslutning{"EnterRefused", true, -1, -1, false, false, 1, false, 0}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST_F(GridTest, UnchangedTextCommitsWithoutEvent) {
    ASSERT_TRUE(grid.userKlik(1, 2));
    ASSERT_TRUE(grid.userType("5"));  // the text form of the cell's 5
    EXPECT_FALSE(grid.dataChanged());
    EXPECT_TRUE(grid.endEdit());
    EXPECT_TRUE(hændelser.empty());
    EXPECT_EQ(tabel.hent(2, 2), Variant(5));
}

TEST_F(GridTest, LockedColumnAndCellsOutsideTheTableCannotBeEdited) {
    EXPECT_FALSE(grid.cellEditable(0, 0));
    grid.column(2).setLocked(true);
    EXPECT_FALSE(grid.cellEditable(0, 2));
    tabel.redimensioner(1, 3, 0, 2);
    grid.addColumn(3);  // beyond the table's last column
    EXPECT_FALSE(grid.cellEditable(0, 3));
    EXPECT_TRUE(grid.cellText(0, 3).empty());
    // Typed on there, the value goes to the nearest cell that takes it.
    ASSERT_TRUE(r.type(0, 3, "x"));
    EXPECT_EQ(grid.editCol(), 1);
}

TEST_F(GridTest, EndEditFromInsideItsOwnEventDoesNotCommitTwice) {
    grid.beforeColUpdate = [this](int, Variant&, bool&) {
        hændelser.push_back({});
        EXPECT_FALSE(grid.endEdit());  // a message box letting the view ask again
    };
    ASSERT_TRUE(r.typeAndEnter(0, 1, "x"));
    EXPECT_EQ(hændelser.size(), 1u);
    EXPECT_EQ(tabel.hent(1, 1), Variant("x"));
}

TEST_F(GridTest, AfterColUpdateFollowsOnlyACommit) {
    int efter = 0;
    grid.afterColUpdate = [&] { ++efter; };
    afvis = true;
    r.typeAndEnter(0, 1, "x");
    EXPECT_EQ(efter, 0);
    afvis = false;
    r.typeAndEnter(0, 1, "x");
    EXPECT_EQ(efter, 1);
}

TEST_F(GridTest, ColumnChangesAndARefreshWithoutTheRowDropTheEdit) {
    ASSERT_TRUE(r.type(2, 1, "x"));
    grid.refresh();  // the row is still there
    EXPECT_TRUE(grid.editing());
    tabel.redimensioner(1, 2, 0, 3);
    grid.refresh();
    EXPECT_FALSE(grid.editing());
    EXPECT_EQ(grid.row(), 1);

    ASSERT_TRUE(r.type(0, 1, "y"));
    grid.addColumn(1);
    EXPECT_FALSE(grid.editing());
    ASSERT_TRUE(r.type(0, 2, "z"));
    grid.removeColumn(0);
    EXPECT_FALSE(grid.editing());
    EXPECT_TRUE(hændelser.empty());
    EXPECT_GE(r.editorsClosed, 3);
}

// The choice of a model substance writes the carbon values and locks their column
// while an edit may still be open there: that edit must never commit afterwards.
TEST_F(GridTest, LockingTheEditedColumnDropsTheEditOthersStay) {
    ASSERT_TRUE(r.type(0, 1, "x"));
    grid.column(2).setLocked(true);  // another column
    EXPECT_TRUE(grid.editing());
    grid.column(1).setLocked(false);
    EXPECT_TRUE(grid.editing());
    tabel.saet(1, 1, "-1,333");
    grid.column(1).setLocked(true);
    EXPECT_FALSE(grid.editing());
    EXPECT_FALSE(grid.dataChanged());
    EXPECT_TRUE(grid.endEdit());
    EXPECT_TRUE(hændelser.empty());
    EXPECT_EQ(tabel.hent(1, 1), Variant("-1,333"));
    EXPECT_EQ(r.editorsClosed, 1);
}

TEST_F(GridTest, RebindDropsTheEdit) {
    ASSERT_TRUE(r.type(0, 1, "x"));
    grid.rebind();
    EXPECT_FALSE(grid.editing());
    EXPECT_TRUE(tabel.hent(1, 1).isEmpty());
}

TEST_F(GridTest, PickRaisesComboSelectThenCommitsTheItemValue) {
    ValueList& l = grid.column(1).valueList();
    l.setPresentation(ListePraesentationRulleliste);
    l.add(1, "Opstrøm");
    l.add(2, "");
    l.add(3, "Nedstr.1");
    std::vector<std::string> forloeb;
    grid.comboSelect = [&](int col) {
        forloeb.push_back("pick " + TekstForm(grid.columnValue(col)) + " row " + std::to_string(grid.currentTableRow()));
    };
    grid.beforeColUpdate = [&](int col, Variant&, bool&) {
        forloeb.push_back("before " + TekstForm(grid.columnValue(col)));
    };
    ASSERT_TRUE(r.pickShown(1, 1, "Nedstr.1"));
    EXPECT_EQ(tabel.hent(2, 1), Variant(3));
    EXPECT_EQ(grid.cellText(1, 1), "Nedstr.1");
    // The same item again is still a pick and still a commit.
    ASSERT_TRUE(r.pick(1, 1, 2));
    // An item with an empty display text shows empty and stores its number.
    ASSERT_TRUE(r.pick(2, 1, 1));
    EXPECT_EQ(tabel.hent(3, 1), Variant(2));
    EXPECT_EQ(grid.cellText(2, 1), "");
    EXPECT_EQ(forloeb, (std::vector<std::string>{"pick 3 row 2", "before 3", "pick 3 row 2", "before 3",
                                                 "pick 2 row 3", "before 2"}));
}

TEST_F(GridTest, PickHandlerThatRebuildsTheColumnsCommitsNothing) {
    ValueList& l = grid.column(1).valueList();
    l.add("a", "A");
    grid.comboSelect = [&](int) {
        while (grid.columnCount() > 0) grid.removeColumn(0);
        for (int i = 0; i < 3; ++i) grid.addColumn(i);
    };
    EXPECT_TRUE(r.pick(0, 1, 0));
    EXPECT_TRUE(hændelser.empty());
    EXPECT_TRUE(tabel.hent(1, 1).isEmpty());
    EXPECT_FALSE(grid.editing());
}

TEST_F(GridTest, PickOutsideTheListOrOnALockedColumnDoesNothing) {
    grid.column(1).valueList().add(1, "B1");
    int picks = 0;
    grid.comboSelect = [&](int) { ++picks; };
    EXPECT_FALSE(r.pick(0, 1, 1));
    EXPECT_FALSE(r.pick(0, 1, -1));
    grid.column(1).setLocked(true);
    EXPECT_FALSE(r.pick(0, 1, 0));
    EXPECT_EQ(picks, 0);
}

struct ListeOpslag {
    Variant celle;
    const char* vist;
};

class GridListeVisning : public GridTest, public ::testing::WithParamInterface<ListeOpslag> {};

// The cell holds a value; the grid shows the item of the same text form, so a
// number read back from a data file as text still shows its name.
TEST_P(GridListeVisning, ShowsTheItemByTextForm) {
    ValueList& l = grid.column(1).valueList();
    l.add(3, "B3");
    l.add(1.5, "halvanden");
    l.add("dage", "dag");
    tabel.saet(1, 1, GetParam().celle);
    EXPECT_EQ(grid.cellText(0, 1), GetParam().vist);
    EXPECT_EQ(grid.cellValue(0, 1), GetParam().celle);
}

INSTANTIATE_TEST_SUITE_P(Grid, GridListeVisning,
                         ::testing::Values(ListeOpslag{3, "B3"}, ListeOpslag{"3", "B3"},
                                           ListeOpslag{3.0, "B3"}, ListeOpslag{"1,5", "halvanden"},
                                           ListeOpslag{"dage", "dag"}, ListeOpslag{"Dage", "Dage"},
                                           ListeOpslag{4, "4"}, ListeOpslag{Variant(), ""},
                                           ListeOpslag{Variant::null(), ""}));

TEST_F(GridTest, TableFromColumnMinusOneShowsItAsGridColumnZero) {
    GridTabel diagram;
    diagram.redimensioner(1, 11, -1, 4);
    diagram.saet(1, -1, "R1");
    diagram.saet(1, 0, "Iltreduktion");
    diagram.saet(11, 4, -0.5);
    for (int i = 3; i < 6; ++i) grid.addColumn(i);
    grid.bind(&diagram);
    EXPECT_EQ(grid.rowCount(), 11);
    EXPECT_EQ(grid.tableColumn(0), -1);
    EXPECT_EQ(r.shownRow(0), (std::vector<std::string>{"R1", "Iltreduktion", "", "", "", ""}));
    EXPECT_EQ(grid.cellText(10, 5), "-0,5");
    grid.column(0).setLocked(false);
    EXPECT_TRUE(r.typeAndEnter(10, 0, "R11"));
    EXPECT_EQ(diagram.hent(11, -1), Variant("R11"));
}

TEST_F(GridTest, TableColumnsBeyondTheGridAreNotShown) {
    tabel.saet(1, 3, "skjult");
    grid.removeColumn(2);
    EXPECT_EQ(r.shownRow(0), (std::vector<std::string>{"pH", ""}));
}

TEST_F(GridTest, CurrentRowInBothReadingsAndRowColChange) {
    std::vector<std::pair<int, int>> flyt;
    grid.rowColChange = [&](int r0, int c0) { flyt.emplace_back(r0, c0); };
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.currentTableRow(), 1);
    EXPECT_TRUE(grid.setRow(2));
    EXPECT_EQ(grid.currentTableRow(), 3);
    EXPECT_TRUE(grid.setRow(2));  // no move, no event
    EXPECT_FALSE(grid.setRow(3));
    EXPECT_FALSE(grid.setRow(-1));
    EXPECT_TRUE(r.click(0, 2));
    EXPECT_EQ(flyt, (std::vector<std::pair<int, int>>{{1, 0}, {3, 0}}));
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.col(), 2);
}

TEST_F(GridTest, SetRowCommitsAnEditFirstAndStaysWhenRefused) {
    afvis = true;
    ASSERT_TRUE(r.type(0, 1, "x"));
    EXPECT_FALSE(grid.setRow(2));
    EXPECT_EQ(grid.row(), 0);
    afvis = false;
    ASSERT_TRUE(r.type(0, 1, "x"));
    EXPECT_TRUE(grid.setRow(2));
    EXPECT_EQ(tabel.hent(1, 1), Variant("x"));
}

TEST_F(GridTest, FocusRaisesGotFocusOncePerArrival) {
    int fokus = 0;
    grid.gotFocus = [&] { ++fokus; };
    grid.setFocus();
    grid.setFocus();
    r.focus();
    EXPECT_EQ(fokus, 1);
    EXPECT_EQ(r.focusRequests, 2);
    r.leave();
    r.focus();
    EXPECT_EQ(fokus, 2);
}

// A grid is entered on a cell that takes keys: the current one, else the one last
// edited, else the first.
TEST_F(GridTest, FocusArrivesOnACellThatTakesKeys) {
    auto aktuel = [&] { return std::make_pair(grid.row(), grid.col()); };
    grid.userFocusIn();
    EXPECT_EQ(aktuel(), std::make_pair(0, 1));
    ASSERT_TRUE(r.typeAndEnter(2, 2, "9"));
    r.leave();
    ASSERT_TRUE(grid.setCol(0));  // the program's move onto a label
    grid.setFocus();  // the program's, with the focus in the grid already
    EXPECT_EQ(aktuel(), std::make_pair(2, 2));
    grid.rebind();
    ASSERT_TRUE(grid.setCol(0));
    grid.setFocus();
    EXPECT_EQ(aktuel(), std::make_pair(0, 1));
}

TEST_F(GridTest, ProgramCallsAreRecordedInOrder) {
    grid.bind(&tabel);
    grid.setCaption("Boringskontrol");
    grid.setFontSize(8);
    GridColumn& c = grid.addColumn(3);
    c.setCaption("Bor.(2)");
    c.setLocked(false);
    c.setWidth(847);
    c.setAlignment(VandretJustering::Hoejre);
    c.setNumberFormat("General Number");
    c.setBackColor(Farve::hvid());
    c.setColumnOptionA(true);
    c.valueList().setPresentation(2);
    c.valueList().add(1, "B1");
    c.valueList().remove(0);
    grid.rebind();
    grid.refresh();
    grid.setGridOptionA(0);
    grid.setGridOptionB(false);
    grid.setGridOptionC(false);
    EXPECT_EQ(r.kald, (std::vector<std::string>{
                          "bind", "setCaption(\"Boringskontrol\")", "setFontSize(8)", "addColumn(3)",
                          "column(3).setCaption(\"Bor.(2)\")", "column(3).setLocked(false)",
                          "column(3).setWidth(847)", "column(3).setAlignment(1)",
                          "column(3).setNumberFormat(\"General Number\")", "column(3).setBackColor(16777215)",
                          "column(3).setColumnOptionA(true)", "column(3).valueList().setPresentation(2)",
                          "column(3).valueList().add(1, \"B1\")", "column(3).valueList().remove(0)", "rebind",
                          "refresh", "setGridOptionA(0)", "setGridOptionB(false)", "setGridOptionC(false)"}));
    EXPECT_EQ(grid.gridOptionA(), 0);
    EXPECT_EQ(c.columnOptionA(), true);
    EXPECT_EQ(c.columnOptionB(), std::nullopt);
    EXPECT_EQ(c.backColor(), Farve::hvid());
}

TEST_F(GridTest, AddAndRemoveColumnsAtAnIndex) {
    grid.column(0).setCaption("a");
    grid.column(1).setCaption("b");
    grid.column(2).setCaption("c");
    grid.addColumn(1).setCaption("ny");
    grid.addColumn(99).setCaption("sidst");
    EXPECT_EQ(r.captions(), (std::vector<std::string>{"a", "ny", "b", "c", "sidst"}));
    EXPECT_EQ(grid.column(2).index(), 2);
    grid.removeColumn(0);
    grid.removeColumn(7);
    EXPECT_EQ(r.captions(), (std::vector<std::string>{"ny", "b", "c", "sidst"}));
    EXPECT_THROW(grid.column(4), std::out_of_range);
}

TEST(Farve, PackedFormIsRedPlus256GreenPlus65536Blue) {
    EXPECT_EQ(Farve::hvid().somTal(), 0xFFFFFF);
    EXPECT_EQ((Farve{1, 2, 3}.somTal()), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(Farve::fraTal(0x0000FF), (Farve{255, 0, 0}));
}

// ---------------------------------------------------------------- the work window's grids

TEST(InddataGrids, EveryGridByNameAndTDBGrid5ByIndex) {
    InddataGrids g;
    EXPECT_EQ(g.antal(), 29);
    const auto navne = g.navne();
    EXPECT_EQ(navne.front(), std::make_pair(std::string("TDBGrid1"), 0));
    EXPECT_EQ(navne.back(), std::make_pair(std::string("TDBGrid24"), 0));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(&g.grid("TDBGrid5", i), &g.TDBGrid5(i));
    EXPECT_NE(&g.TDBGrid5(0), &g.TDBGrid5(5));
    EXPECT_EQ(&g.grid("TDBGrid24"), &g.TDBGrid(24));
    EXPECT_EQ(g.find("TDBGrid5", 6), nullptr);
    EXPECT_EQ(g.find("TDBGrid25"), nullptr);
    EXPECT_EQ(g.find("TDBGrid1", 1), nullptr);
    EXPECT_THROW(g.grid("TDBGrid0"), std::out_of_range);
}

TEST(InddataGrids, DesignStateTwoColumnsAndTheUnitListOfTDBGrid6) {
    InddataGrids g;
    for (const auto& [navn, indeks] : g.navne()) {
        Grid& grid = g.grid(navn, indeks);
        EXPECT_EQ(grid.columnCount(), 2) << navn;
        EXPECT_EQ(grid.tabel(), nullptr) << navn;
        EXPECT_EQ(grid.fontSize(), std::nullopt) << navn;
        if (navn != "TDBGrid6") {
            EXPECT_EQ(grid.column(1).valueList().count(), 0) << navn;
        }
    }
    RecordingGrid r(g.grid("TDBGrid6"));
    const ValueList& l = g.grid("TDBGrid6").column(1).valueList();
    EXPECT_TRUE(l.isDropDown());
    ASSERT_EQ(l.count(), 3);
    EXPECT_EQ(l.item(0).value, Variant("meter"));
    EXPECT_EQ(l.item(1).value, Variant("dage"));
    EXPECT_EQ(l.item(2).value, Variant("år"));
    EXPECT_EQ(r.items(1), (std::vector<std::string>{"meter", "dag", "år"}));
}

TEST(InddataGrids, RestoreDesignUndoesASetUpWithoutStacking) {
    InddataGrids g;
    GridTabel afstand;
    afstand.redimensioner(1, 1, 0, 6);
    Grid& g6 = g.grid("TDBGrid6");
    RecordingGrid r(g6);
    for (int runde = 0; runde < 2; ++runde) {
        g.restoreDesign();
        g6.bind(&afstand);
        g6.setCaption("Forurenings komponenter");
        for (int i = 2; i <= 6; ++i) g6.addColumn(i);
        g6.column(0).setLocked(true);
        g6.column(1).valueList().add("x", "x");
    }
    EXPECT_EQ(g6.columnCount(), 7);
    EXPECT_EQ(g6.column(1).valueList().count(), 4);
    EXPECT_FALSE(g6.column(1).locked());
    g.restoreDesign();
    EXPECT_EQ(g6.columnCount(), 2);
    EXPECT_EQ(g6.caption(), "");
    EXPECT_FALSE(g6.column(0).locked());
    EXPECT_EQ(g6.column(1).valueList().count(), 3);
    EXPECT_EQ(g6.tabel(), nullptr);
    // The design is no program call.
    EXPECT_EQ(r.kaldMed("column(1).valueList().add(\"meter\"").size(), 0u);
}

TEST(InddataGrids, RecordingOnEveryGrid) {
    InddataGrids g;
    RecordingInddataGrids alle(g);
    g.TDBGrid5(3).setCaption("Opstrøm (B1)");
    g.TDBGrid(22).setFocus();
    EXPECT_EQ(alle("TDBGrid5", 3).kald, std::vector<std::string>{"setCaption(\"Opstrøm (B1)\")"});
    EXPECT_TRUE(alle("TDBGrid5", 2).kald.empty());
    EXPECT_EQ(alle("TDBGrid22").antal("setFocus"), 1);
}

}  // namespace
