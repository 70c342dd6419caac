// The mode table row by row as the window shows it (the opened window is the first
// row), and the order of the calls and notifications one mode switch makes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "support/RecordingNavigation.h"
#include "windows/frmInddata.h"

namespace {

using Tekster = std::vector<std::string>;

class TilstandstabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        DefinerNavTekster();
        NulstilAlleData();
        frmInddata_Load();
        ForbindNavigation();
        nav = std::make_unique<RecordingNavigation>();
    }
    std::unique_ptr<RecordingNavigation> nav;
};

struct Raekke {
    std::string noegle;
    bool resetTabs;
    bool tvungen;
    std::string caption;
    Tekster botKeys;  // "*" marks the default button
    Tekster navKeys;
    std::vector<int> faner;
    int aktuel;  // -1: not set, the tab current before stays
};

TEST_F(TilstandstabelTest, HverRaekkeSomVinduetViserDen) {
    const std::string kk = "Kvalitetskontrol af data", geo = "Geokemisk modellering",
                      foerste = "1. ordens model for nedbrydning", inddata = "Inddata og kvalitetskontrol";
    const Tekster kkKnapper{kk, "Prøveoplysninger", "Justering af inddata pH til kalkligevægt", "Vis grundvandstype"};
    const std::string med = "Geokemisk modellering med tvungen kalkligevægt",
                      uden = "Geokemisk modellering uden tvungen kalkligevægt";
    // Each switch starts from "AkvModelling" with BotKey(0) marked, tabs 4 and 5 shown
    // and tab 4 current, so every row must take the mark away and set its own tabs.
    const std::vector<Raekke> tabel{
        {"OpenNoCalculations", true, true, "Inddata og Kvalitetskontrol", {kk}, {}, {0}, -1},
        {"Kvalitetskontrol", true, true, "Inddata og Kvalitetskontrol", kkKnapper, {geo, foerste}, {0, 2}, 2},
        // Laid out again without a reset: the tabs stay as they were.
        {"Kvalitetskontrol", false, true, "Inddata og Kvalitetskontrol", kkKnapper, {geo, foerste}, {4, 5}, 4},
        {"1stOrder", true, true, "1. ordens model for naturlig nedbrydning", {foerste}, {inddata, geo}, {9}, 9},
        {"AkvModelling", true, true, "Geokemisk modellering", {med + "*", uden, "Grafisk afbildning", "Mellemregning"},
         {inddata, foerste}, {4, 5}, 4},
        {"AkvModelling", true, false, "Geokemisk modellering", {med, uden + "*", "Grafisk afbildning", "Mellemregning"},
         {inddata, foerste}, {4, 5}, 4},
        {"GraficModelling", true, true, "Grafisk fremstilling", {}, {inddata, geo}, {1, 6}, 6},
        {"Grundvand", true, true, "Grundvand", {}, {inddata, geo}, {3}, 3},
        {"Mellemregning", true, true, "Mellemregning", {}, {inddata, geo}, {7}, 7},
    };
    InddataKontroller& k = inddataKontroller();
    for (const auto& r : tabel) {
        SCOPED_TRACE(r.noegle + (r.resetTabs ? "" : " uden nulstilling") + (r.tvungen ? "" : " uden tvungen"));
        tilstand().TvungenKalkligevaegt = Sand;
        SkiftTilstand("AkvModelling", true);
        const int foer = k.SSTab1.current();
        tilstand().TvungenKalkligevaegt = r.tvungen ? Sand : Falsk;
        SkiftTilstand(r.noegle, r.resetTabs);

        EXPECT_EQ(vinduer().TilstandsNoegle, r.noegle);
        EXPECT_EQ(k.frmInddata.caption(), "Akvifer v 2.0 - " + r.caption);
        EXPECT_EQ(nav->botKeys(), r.botKeys);
        EXPECT_EQ(nav->navKeys(), r.navKeys);
        EXPECT_EQ(nav->synligeFaner(), r.faner);
        EXPECT_EQ(k.SSTab1.current(), r.aktuel < 0 ? foer : r.aktuel);
        for (const Knap& b : k.BotKey) EXPECT_TRUE(b.enabled());
        for (const Knap& b : k.NavKey) EXPECT_TRUE(b.enabled());
    }
}

TEST_F(TilstandstabelTest, SkiftetsTrinIRaekkefoelgeOgTilstandenSkrevetSidst) {
    SkiftTilstand("Kvalitetskontrol", true);
    tilstand().TvungenKalkligevaegt = Falsk;
    nav->glem();
    SkiftTilstand("AkvModelling", true);

    Tekster forventet;
    for (const char* knap : {"BotKey(0)", "BotKey(1)", "BotKey(2)", "BotKey(3)", "BotKey(4)", "BotKey(5)", "NavKey(0)",
                             "NavKey(1)"}) {
        forventet.push_back(std::string(knap) + ".setEnabled(true)");
        forventet.push_back(std::string(knap) + ".setVisible(false)");
    }
    for (int f = 0; f < 10; ++f) forventet.push_back("SSTab1.setVisible(" + std::to_string(f) + ", false)");
    const Tekster resten{
        "BotKey(0).setDefault(false)",
        "frmInddata.setCaption(\"Akvifer v 2.0 - Geokemisk modellering\")",
        "BotKey(0).setCaption(\"Geokemisk modellering med tvungen kalkligevægt\")",
        "BotKey(1).setCaption(\"Geokemisk modellering uden tvungen kalkligevægt\")",
        "BotKey(1).setDefault(true)",
        "BotKey(2).setCaption(\"Grafisk afbildning\")",
        "BotKey(3).setCaption(\"Mellemregning\")",
        "SSTab1.setVisible(4, true)",
        "SSTab1.setVisible(5, true)",
        "BotKey(0).setVisible(true)",
        "BotKey(1).setVisible(true)",
        "BotKey(2).setVisible(true)",
        "BotKey(3).setVisible(true)",
        "NavKey(0).setCaption(\"Inddata og kvalitetskontrol\")",
        "NavKey(1).setCaption(\"1. ordens model for nedbrydning\")",
        "NavKey(0).setVisible(true)",
        "NavKey(1).setVisible(true)",
        "SSTab1.setCurrent(4)",
        // Raised inside the switch: judged against the mode being left.
        "SSTab1_Click(2) i Kvalitetskontrol",
    };
    forventet.insert(forventet.end(), resten.begin(), resten.end());
    EXPECT_EQ(nav->log, forventet);
    EXPECT_EQ(vinduer().TilstandsNoegle, "AkvModelling");
}

}  // namespace
