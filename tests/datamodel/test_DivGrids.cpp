// The final layout of every grid after InitierGrids, written out from the layout
// tables of the work window column by column, and the cells it leaves editable.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "platform/InddataGrids.h"

namespace {

constexpr int Ingen = -1;  // alignment or ColumnOptionA not set

struct Soejle {
    std::string caption;
    int width;
    bool locked;
    int align;           // 0 left, 1 right, 2 centre, Ingen
    std::string format;  // "" not set
    bool white;
    int optA;            // 0, 1 or Ingen
};

struct ForventetGrid {
    std::string navn;
    int indeks;
    GridTabel& (*tabel)();
    int sidsteRaekke, foersteSoejle, sidsteSoejle;
    std::string caption;           // "" the design's (none)
    std::optional<int> fontSize;   // nullopt not set
    std::vector<Soejle> soejler;
};

template <GridTabel Tabeller::*T>
GridTabel& t() { return tabeller().*T; }
template <int K>
GridTabel& gv() { return tabeller().GrundvandstypeData[K]; }

const Soejle P2000{"Parameter", 2000, true, Ingen, "", false, 0};
const Soejle E1500{"Enhed", 1500, true, Ingen, "", false, 0};

// The five borehole columns of TDBGrid1, TDBGrid6 and TDBGrid2.
std::vector<Soejle> medBoringer(std::vector<Soejle> s) {
    s.push_back({"Bor.(1)", 847, false, 1, "", true, 1});
    s.push_back({"Bor.(2)", 847, false, 1, "General Number", true, Ingen});
    s.push_back({"Bor.(3)", 847, false, 1, "", true, 1});
    s.push_back({"Bor.(4)", 847, false, 1, "", true, 1});
    s.push_back({"Bor.(5)", 847, false, 1, "", true, 1});
    return s;
}

std::vector<Soejle> grundvand() {
    return {{"Redox", 1000, true, 0, "", false, 0},
            {"Ilt", 700, true, 2, "", false, 0},
            {"Nitrat", 700, true, 2, "", false, 0},
            {"Jern/ Sulfat", 700, true, 2, "", false, 0},
            {"Metan", 700, true, 2, "", false, 0}};
}

std::vector<Soejle> nedstroem() {
    return {{"Parameter", 2200, true, Ingen, "", false, 0},
            {"Enhed", 1200, true, Ingen, "", false, 0},
            {"b/f 1", 1400, true, 1, "", false, 1},
            {"b/f 2", 1400, true, 1, "", false, 0},
            {"Nedstrøm", 1400, true, 1, "", false, 0}};
}

std::vector<Soejle> proces(const std::string& foerste, bool forslagAaben) {
    return {{foerste, 3200, true, Ingen, "", false, 0},
            {"Enhed", 1200, true, Ingen, "", false, 0},
            {"Default", 1200, true, 1, "", false, 0},
            {"Nyt forslag", 1200, !forslagAaben, 1, "", forslagAaben, forslagAaben ? 1 : 0}};
}

std::vector<Soejle> diagram(const std::string& produktion, const std::string& forbrug) {
    return {{"", 400, true, Ingen, "", false, 0},
            {"Kategoriakse etiketter", 2400, true, Ingen, "", false, 0},
            {produktion, 1100, true, 1, "", false, 0},
            {forbrug, 1050, true, 1, "", false, 0},
            {"Beregnet ændring", 1000, true, 1, "", false, 0},
            {"Målt ændring", 850, true, 1, "", false, 0}};
}

std::vector<ForventetGrid> forventet() {
    std::vector<ForventetGrid> g = {
        {"TDBGrid4", 0, &t<&Tabeller::LokalitetData>, 5, 0, 1, "", std::nullopt,
         {{"Parameter", 3500, true, Ingen, "", false, 0}, {"Enhed", 4000, false, Ingen, "", true, 1}}},
        {"TDBGrid22", 0, &t<&Tabeller::BoringData>, 3, 0, 6, "Boringskontrol", 8,
         {P2000, E1500,
          {"Bor.(1)", 847, false, Ingen, "", true, 1}, {"Bor.(2)", 847, false, Ingen, "", true, 1},
          {"Bor.(3)", 847, false, Ingen, "", true, 1}, {"Bor.(4)", 847, false, Ingen, "", true, 1},
          {"Bor.(5)", 847, false, Ingen, "", true, 1}}},
        {"TDBGrid1", 0, &t<&Tabeller::AnalyseData>, 18, 0, 6, "", 8, medBoringer({P2000, E1500})},
        {"TDBGrid6", 0, &t<&Tabeller::AfstandData>, 1, 0, 6, "", std::nullopt,
         medBoringer({P2000, {"Enhed", 1500, false, Ingen, "", true, 1}})},
        {"TDBGrid2", 0, &t<&Tabeller::KomponentData>, 5, 0, 6, "Forurenings komponenter", std::nullopt,
         medBoringer({{"Parameter", 2000, false, Ingen, "", true, 1}, E1500})},
        {"TDBGrid3", 0, &t<&Tabeller::KvalitetskontrolData>, 10, 0, 6, "Kvalitetskontrol og simulering", 8,
         {{"Parameter", 2300, true, Ingen, "", false, 0}, {"Enhed", 1300, true, Ingen, "", false, 0},
          {"Bor.(1)", 831, true, 1, "", false, 0}, {"Bor.(2)", 831, true, 1, "", false, 0},
          {"Bor.(3)", 831, true, 1, "", false, 0}, {"Bor.(4)", 831, true, 1, "", false, 0},
          {"Bor.(5)", 831, true, 1, "", false, 0}}},
        {"TDBGrid9", 0, &t<&Tabeller::BlandingData>, 2, 0, 6, "", 8,
         {{"Parameter", 3600, true, Ingen, "", false, 0}, {"Bor.(1)", 831, true, 1, "", false, 0},
          {"Bor.(2)", 831, true, 1, "General Number", false, 0}, {"Bor.(3)", 831, true, 1, "", false, 0},
          {"Bor.(4)", 831, true, 1, "", false, 0}, {"Bor.(5)", 831, true, 1, "", false, 0}}},
        {"TDBGrid5", 0, &gv<0>, 5, 0, 5, "Kriterier", 8, grundvand()},
        {"TDBGrid5", 1, &gv<1>, 5, 0, 5, "", 8, grundvand()},
        {"TDBGrid5", 2, &gv<2>, 5, 0, 5, "", 8, grundvand()},
        {"TDBGrid5", 3, &gv<3>, 5, 0, 5, "", 8, grundvand()},
        {"TDBGrid5", 4, &gv<4>, 5, 0, 5, "", 8, grundvand()},
        {"TDBGrid5", 5, &gv<5>, 5, 0, 5, "", 8, grundvand()},
        {"TDBGrid7", 0, &t<&Tabeller::PlaceringData>, 1, 0, 4, "", 8,
         {{"Parameter", 3400, true, Ingen, "", false, 0}, {"Enhed", 1500, false, Ingen, "", true, 1},
          {"Bor.(1)", 1500, false, 0, "", true, 1}}},
        {"TDBGrid8", 0, &t<&Tabeller::KarakteriseringData>, 1, 0, 3, "", 8,
         {{"Parameter", 3400, true, Ingen, "", false, 0}, {"Enhed", 1500, true, Ingen, "", false, 1},
          {"Bor.(1)", 1500, true, 0, "", false, 1}}},
        {"TDBGrid12", 0, &t<&Tabeller::NedstroemAnalyseData>, 19, 0, 5, "", 8, nedstroem()},
        {"TDBGrid13", 0, &t<&Tabeller::NedstroemKarbonatData>, 5, 0, 5, "", 8, nedstroem()},
        {"TDBGrid10", 0, &t<&Tabeller::ModelstofData>, 1, 0, 2, "Egenskaber for modelstof", 8,
         {{"", 2000, true, Ingen, "", false, 0}, {"", 2400, false, Ingen, "", true, 1}}},
        {"TDBGrid11", 0, &t<&Tabeller::KulstofData>, 2, 0, 2, "", 8,
         {P2000, {"Enhed", 1200, true, 1, "", true, 1}}},
        {"TDBGrid14", 0, &t<&Tabeller::OploesningData>, 2, 0, 3, "Opløsning og udfældning", 8,
         proces("Reaktion", false)},
        {"TDBGrid15", 0, &t<&Tabeller::IonbytningData>, 4, 0, 3, "", 8, proces("Parameter", true)},
        {"TDBGrid16", 0, &t<&Tabeller::RedoxData>, 11, 0, 3, "Redox processer", 8, proces("Redox proces", true)},
        {"TDBGrid18", 0, &t<&Tabeller::FortyndingData>, 2, 0, 5, "", 8,
         {{"Parameter", 1500, true, Ingen, "", false, 0}, {"Enhed", 1000, true, Ingen, "", false, 0},
          {"Værdi", 1600, true, 2, "", false, 0}, {"Værdi", 1600, true, 2, "", false, 0},
          {"Værdi", 1600, true, 2, "", false, 0}}},
        {"TDBGrid19", 0, &t<&Tabeller::KorrKoncentrationData>, 5, 0, 8, "", 8,
         {{"Parameter", 1500, true, Ingen, "", false, 0}, {"Enhed", 1000, true, Ingen, "", false, 0},
          {"Tils. værdi", 800, true, 1, "", false, 0}, {"Korr. fortynd.", 800, true, 1, "", false, 0},
          {"Tils. værdi", 800, true, 1, "", false, 0}, {"Korr. fortynd.", 800, true, 1, "", false, 0},
          {"Tils. værdi", 800, true, 1, "", false, 0}, {"Korr. fortynd.", 800, true, 1, "", false, 0}}},
        {"TDBGrid20", 0, &t<&Tabeller::MellemregningData>, 17, 0, 6,
         "Mellemregninger til geokemiske processer", 8,
         {{"Geokemisk proces", 2400, true, Ingen, "", false, 0}, {"Enhed", 1200, true, Ingen, "", false, 0},
          {"Anvendt værdi", 1000, true, 1, "", false, 0},
          {"Ændring i alkal. (mekv/l)", 1000, true, 1, "", false, 0},
          {"Ændring i TUC (mmol/l)", 1000, true, 1, "", false, 0},
          {"ekvival. stof omsat (mg/l)", 1000, true, 1, "", false, 0}}},
        {"TDBGrid21", 0, &t<&Tabeller::RedoxSumData>, 2, 0, 5, "", 8,
         {{"Redox proces", 3600, true, Ingen, "", false, 0}, {"Enhed", 1000, true, 1, "", false, 0},
          {"Dif. indhold", 1000, true, 1, "", false, 0}, {"Nyt forslag", 1000, true, 1, "", false, 0},
          {"Dif. indhold", 1000, true, 1, "", false, 0}}},
        {"TDBGrid23", 0, &t<&Tabeller::DiagramTUCData>, 11, -1, 4, "Beregninger til brug for diagram", 8,
         diagram("TUC produktion", "TUC forbrug")},
        {"TDBGrid24", 0, &t<&Tabeller::DiagramAlkalinitetData>, 14, -1, 4,
         "Beregninger til brug for diagram", 8, diagram("Alkalinitets produktion", "Alkalinitets forbrug")},
    };
    return g;
}

class DivGridsTest : public ::testing::Test {
protected:
    void SetUp() override {
        tabeller() = Tabeller{};
        tilstand() = Beregningstilstand{};
        inddataGrids().restoreDesign();
        NulstilAlleData();  // new data: the input tables get their shapes
    }
};

std::string navnPaa(const ForventetGrid& f) {
    return f.navn == "TDBGrid5" ? f.navn + "(" + std::to_string(f.indeks) + ")" : f.navn;
}

TEST_F(DivGridsTest, EveryGridHasItsLayoutColumnByColumn) {
    InitierGrids();
    for (const ForventetGrid& f : forventet()) {
        SCOPED_TRACE(navnPaa(f));
        const Grid& g = inddataGrids().grid(f.navn, f.indeks);
        EXPECT_EQ(g.caption(), f.caption);
        EXPECT_EQ(g.fontSize(), f.fontSize);
        EXPECT_EQ(g.gridOptionA(), std::optional<int>(0));
        EXPECT_EQ(g.gridOptionB(), std::optional<bool>(false));
        EXPECT_EQ(g.gridOptionC(), std::optional<bool>(false));

        GridTabel& tabel = f.tabel();
        EXPECT_EQ(g.tabel(), &tabel);
        EXPECT_EQ(tabel.foersteRaekke(), 1);
        EXPECT_EQ(tabel.sidsteRaekke(), f.sidsteRaekke);
        EXPECT_EQ(tabel.foersteSoejle(), f.foersteSoejle);
        EXPECT_EQ(tabel.sidsteSoejle(), f.sidsteSoejle);

        ASSERT_EQ(g.columnCount(), static_cast<int>(f.soejler.size()));
        for (int i = 0; i < g.columnCount(); ++i) {
            SCOPED_TRACE("column " + std::to_string(i));
            const GridColumn& c = g.column(i);
            const Soejle& s = f.soejler[static_cast<std::size_t>(i)];
            EXPECT_EQ(c.caption(), s.caption);
            EXPECT_EQ(c.width(), s.width);
            EXPECT_TRUE(c.visible());
            EXPECT_EQ(c.locked(), s.locked);
            EXPECT_EQ(c.alignment() ? static_cast<int>(*c.alignment()) : Ingen, s.align);
            EXPECT_EQ(c.numberFormat(), s.format);
            EXPECT_EQ(c.backColor(), s.white ? std::optional<Farve>(Farve::hvid()) : std::nullopt);
            EXPECT_EQ(c.columnOptionA() ? (*c.columnOptionA() ? 1 : 0) : Ingen, s.optA);
        }
    }
}

TEST_F(DivGridsTest, TheRareColumnSettingsStandOnlyWhereTheyBelong) {
    InitierGrids();
    const std::set<std::pair<std::string, int>> fed = {{"TDBGrid21", 0}};
    const std::set<std::pair<std::string, int>> optionBSand = {{"TDBGrid23", 5}, {"TDBGrid24", 5}};
    const std::set<std::pair<std::string, int>> rullelister = {
        {"TDBGrid7", 1}, {"TDBGrid7", 2}, {"TDBGrid10", 1}};
    for (const ForventetGrid& f : forventet()) {
        const Grid& g = inddataGrids().grid(f.navn, f.indeks);
        for (int i = 0; i < g.columnCount(); ++i) {
            SCOPED_TRACE(navnPaa(f) + " column " + std::to_string(i));
            const GridColumn& c = g.column(i);
            const std::pair<std::string, int> k{f.navn, i};
            EXPECT_EQ(c.bold(), fed.count(k) == 1);
            EXPECT_EQ(c.columnOptionB(), std::optional<bool>(optionBSand.count(k) == 1));
            const bool liste = rullelister.count(k) == 1;
            EXPECT_EQ(c.columnOptionD(), liste ? std::optional<bool>(true) : std::nullopt);
            EXPECT_EQ(c.columnOptionE(), liste ? std::optional<bool>(true) : std::nullopt);
            using K = std::pair<std::string, int>;
            const bool designListe = k == K{"TDBGrid6", 1};
            EXPECT_EQ(c.valueList().isDropDown(), liste || designListe);
            const bool optionC = k == K{"TDBGrid22", 0};
            EXPECT_EQ(c.columnOptionC(), optionC ? std::optional<bool>(false) : std::nullopt);
        }
    }
}

// Which (grid, column) pairs the user may type into, over every grid that
// InitierGrids lays out; the result cells of TDBGrid9 and TDBGrid8 are locked.
TEST_F(DivGridsTest, ExactlyTheseColumnsAreEditable) {
    InitierGrids();
    std::set<std::string> aabne;
    for (const ForventetGrid& f : forventet()) {
        const Grid& g = inddataGrids().grid(f.navn, f.indeks);
        for (int i = 0; i < g.columnCount(); ++i)
            if (!g.column(i).locked()) aabne.insert(navnPaa(f) + ":" + std::to_string(i));
    }
    const std::set<std::string> forventede = {
        "TDBGrid4:1",
        "TDBGrid22:2", "TDBGrid22:3", "TDBGrid22:4", "TDBGrid22:5", "TDBGrid22:6",
        "TDBGrid1:2", "TDBGrid1:3", "TDBGrid1:4", "TDBGrid1:5", "TDBGrid1:6",
        "TDBGrid6:1", "TDBGrid6:2", "TDBGrid6:3", "TDBGrid6:4", "TDBGrid6:5", "TDBGrid6:6",
        "TDBGrid2:0", "TDBGrid2:2", "TDBGrid2:3", "TDBGrid2:4", "TDBGrid2:5", "TDBGrid2:6",
        "TDBGrid7:1", "TDBGrid7:2",
        "TDBGrid10:1",
        "TDBGrid15:3",
        "TDBGrid16:3",
    };
    EXPECT_EQ(aabne, forventede);
}

TEST_F(DivGridsTest, ResultCellsOfTheMixingAndCharacterisationGridsRefuseTyping) {
    InitierGrids();
    tabeller().BlandingData.saet(1, 2, "40");
    tabeller().KarakteriseringData.saet(1, 2, "Hotspot");
    for (auto [navn, col] : {std::pair<const char*, int>{"TDBGrid9", 2}, {"TDBGrid9", 4}, {"TDBGrid8", 2}}) {
        SCOPED_TRACE(std::string(navn) + " column " + std::to_string(col));
        Grid& g = inddataGrids().grid(navn);
        EXPECT_TRUE(g.userKlik(0, col));
        EXPECT_FALSE(g.userType("abc"));
    }
    EXPECT_EQ(tabeller().BlandingData.hent(1, 2), Variant("40"));
    EXPECT_EQ(tabeller().KarakteriseringData.hent(1, 2), Variant("Hotspot"));
    // The proposal column of the dissolution grid is locked; that of the redox grid is open.
    EXPECT_FALSE(inddataGrids().grid("TDBGrid14").cellEditable(0, 3));
    EXPECT_TRUE(inddataGrids().grid("TDBGrid16").cellEditable(10, 3));
}

TEST_F(DivGridsTest, TheFourteenModelSubstancesAreValueAndDisplayPairs) {
    InitierGrids();
    const ValueList& l = inddataGrids().grid("TDBGrid10").column(1).valueList();
    EXPECT_EQ(l.presentation(), 2);
    EXPECT_EQ(l.listOptionA(), std::optional<bool>(true));
    EXPECT_EQ(l.listOptionB(), std::optional<bool>(false));
    EXPECT_EQ(l.listOptionC(), std::optional<bool>(true));
    const std::vector<std::pair<std::string, std::string>> forventede = {
        {"Andet", "Andet stof"},         {"Acetone", "Acetone C3H6O"},
        {"Benzen", "Benzen C6H6"},       {"Dieselolie1", "Dieselolie1 CH1.85"},
        {"Dieselolie2", "Dieselolie2 CH1.5"}, {"Ethanol", "Ethanol C2H6O"},
        {"Ethylbenzen", "Ethylbenzen C8H10"}, {"Laktat", "Laktat C3H5O3-"},
        {"Metan", "Metan CH4"},          {"MTBE", "MTBE C5H12O"},
        {"Organisk stof", "Organisk stof CH2O"}, {"Phenol", "Phenol C6H6O"},
        {"Toluen", "Toluen C7H8"},       {"Xylener", "Xylener C8H10"},
    };
    ASSERT_EQ(l.count(), 14);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(l.item(i).value, Variant(forventede[static_cast<std::size_t>(i)].first)) << i;
        EXPECT_EQ(l.item(i).displayText, forventede[static_cast<std::size_t>(i)].second) << i;
    }
}

TEST_F(DivGridsTest, PickingASubstanceStoresItsNameAndShowsItsFormula) {
    InitierGrids();
    Grid& g = inddataGrids().grid("TDBGrid10");
    ASSERT_TRUE(g.userKlik(0, 1));
    ASSERT_TRUE(g.userPick(1));
    EXPECT_EQ(tabeller().ModelstofData.hent(1, 1), Variant("Acetone"));
    EXPECT_EQ(g.cellText(0, 1), "Acetone C3H6O");
    EXPECT_EQ(g.cellText(0, 0), "Vælg navn");
}

TEST_F(DivGridsTest, TheDistanceUnitKeepsTheListOfTheDesign) {
    InitierGrids();
    InitierGrids();
    const ValueList& l = inddataGrids().grid("TDBGrid6").column(1).valueList();
    ASSERT_EQ(l.count(), 3);
    EXPECT_EQ(l.item(0).value, Variant("meter"));
    EXPECT_EQ(l.item(0).displayText, "meter");
    EXPECT_EQ(l.item(1).value, Variant("dage"));
    EXPECT_EQ(l.item(1).displayText, "dag");
    EXPECT_EQ(l.item(2).value, Variant("år"));
    EXPECT_EQ(l.item(2).displayText, "år");
    tabeller().AfstandData.saet(1, 1, "dage");
    EXPECT_EQ(inddataGrids().grid("TDBGrid6").cellText(0, 1), "dag");
}

// Everything a grid shows and is set to, as one text, to compare two layouts.
std::string aftryk(const Grid& g) {
    std::ostringstream o;
    auto opt = [&](const auto& v) {
        if (v) o << *v; else o << "-";
        o << ",";
    };
    o << g.caption() << "|";
    opt(g.fontSize());
    opt(g.gridOptionA());
    opt(g.gridOptionB());
    opt(g.gridOptionC());
    o << g.tabel() << "|" << g.rowCount() << "\n";
    for (int i = 0; i < g.columnCount(); ++i) {
        const GridColumn& c = g.column(i);
        o << c.caption() << "," << c.width() << "," << c.visible() << "," << c.locked() << ","
          << (c.alignment() ? static_cast<int>(*c.alignment()) : -1) << "," << c.numberFormat() << ","
          << (c.backColor() ? c.backColor()->somTal() : -1) << "," << c.bold() << ",";
        opt(c.columnOptionA());
        opt(c.columnOptionB());
        opt(c.columnOptionC());
        opt(c.columnOptionD());
        opt(c.columnOptionE());
        const ValueList& l = c.valueList();
        o << l.presentation() << ",";
        opt(l.listOptionA());
        opt(l.listOptionB());
        opt(l.listOptionC());
        for (int k = 0; k < l.count(); ++k) o << TekstForm(l.item(k).value) << "=" << l.item(k).displayText << ";";
        o << "\n";
        for (int r = 0; r < g.rowCount(); ++r) o << g.cellText(r, i) << ";";
        o << "\n";
    }
    return o.str();
}

std::string aftrykAfAlle() {
    std::string s;
    for (const auto& [navn, indeks] : inddataGrids().navne())
        s += navn + "(" + std::to_string(indeks) + ")\n" + aftryk(inddataGrids().grid(navn, indeks));
    return s;
}

TEST_F(DivGridsTest, RunningInitierGridsTwiceGivesTheSameLayoutAndTables) {
    tilstand().AntalBoringer = 3;
    InitierGrids();
    const std::string foerste = aftrykAfAlle();
    const Tabeller tabellerFoer = tabeller();
    InitierGrids();
    EXPECT_EQ(aftrykAfAlle(), foerste);
    EXPECT_EQ(inddataGrids().grid("TDBGrid1").columnCount(), 7);
    EXPECT_EQ(inddataGrids().grid("TDBGrid7").columnCount(), 3);
    const Tabeller& efter = tabeller();
    for (int r = 1; r <= 18; ++r)
        for (int c = 0; c <= 6; ++c) EXPECT_EQ(efter.AnalyseData.hent(r, c), tabellerFoer.AnalyseData.hent(r, c));
}

TEST_F(DivGridsTest, InitierGridsResetsTheStateAndSetsItsThreeValues) {
    tilstand().AntalBoringer = 4;
    tilstand().FraPosition = 2;
    tilstand().TvungenKalkligevaegt = Falsk;
    tilstand().BrugerKulstofValens = Variant(-1.5);
    tilstand().BrugerKulstofIndhold = Variant("50");
    tilstand().ModelstofNavn = Variant("Benzen");
    tilstand().FilNavn = "C:\\data\\site.akv";
    InitierGrids();
    EXPECT_EQ(tilstand().AntalBoringer, 0);
    EXPECT_EQ(tilstand().FraPosition, 0);
    EXPECT_EQ(tilstand().TvungenKalkligevaegt, Sand);
    EXPECT_EQ(tilstand().BrugerKulstofValens, Variant(0));
    EXPECT_EQ(tilstand().BrugerKulstofIndhold, Variant(2));
    EXPECT_TRUE(tilstand().ModelstofNavn.isEmpty());
    EXPECT_EQ(tilstand().FilNavn, "C:\\data\\site.akv");
    // With no boreholes counted the two position lists are empty.
    EXPECT_EQ(inddataGrids().grid("TDBGrid7").column(1).valueList().count(), 0);
    EXPECT_EQ(inddataGrids().grid("TDBGrid7").column(2).valueList().count(), 0);
}

TEST_F(DivGridsTest, TheFirstOrderGridKeepsItsDesignUntilTheQualityControlRun) {
    InitierGrids();
    const Grid& g = inddataGrids().grid("TDBGrid17");
    EXPECT_EQ(g.tabel(), nullptr);
    EXPECT_EQ(g.columnCount(), 2);
    EXPECT_EQ(g.caption(), "");
    EXPECT_FALSE(g.fontSize().has_value());
}

}  // namespace
