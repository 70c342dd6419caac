// The work window's buttons and tabs on a typed site with the real runs: every
// button action and transition, the two tab rules, the notice of changed process
// data, the default marks, and the open edits ended before an action.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "celler/Talformat.h"
#include "datamodel/Beregningstilstand.h"
#include "datamodel/InputKontroller.h"
#include "datamodel/Tabeller.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "support/BeregnetLokalitet.h"
#include "support/RecordingNavigation.h"
#include "windows/Gridhandlere.h"
#include "windows/Navigation.h"
#include "windows/frmInddata.h"

namespace {

using Tekster = std::vector<std::string>;

const std::string KK = "Kvalitetskontrol af data", Proeve = "Prøveoplysninger",
                  Juster = "Justering af inddata pH til kalkligevægt", Grundvand = "Vis grundvandstype",
                  Geo = "Geokemisk modellering", Inddata = "Inddata og kvalitetskontrol",
                  Foerste = "1. ordens model for nedbrydning",
                  Med = "Geokemisk modellering med tvungen kalkligevægt",
                  Uden = "Geokemisk modellering uden tvungen kalkligevægt", Grafisk = "Grafisk afbildning",
                  Mellem = "Mellemregning";

Grid& G(int nummer) { return inddataGrids().TDBGrid(nummer); }

const std::vector<std::vector<double>>& Analyser = BeregnetLokalitetsAnalyser();

std::string Tal(double v) { return Talformat::aktuel().formater(v); }

// Types and commits one cell, as the user does with Enter.
bool Indtast(int grid, int row, int col, const std::string& tekst) {
    return RecordingNavigation::skriv("TDBGrid" + std::to_string(grid), row, col, tekst) && G(grid).userEnter();
}

class NavigationTest : public ::testing::Test {
protected:
    void SetUp() override {
        DefinerNavTekster();
        NulstilAlleData();
        tilstand().FilNavn.clear();
        frmInddata_Load();
        ForbindNavigation();
        ForbindGridHandlere();
        nav = std::make_unique<RecordingNavigation>();
        ASSERT_NO_FATAL_FAILURE(skrivSted());
        nav->glem();
    }
    void TearDown() override {
        for (int n : {1, 2, 4, 6, 11, 15, 16, 22}) G(n).beforeColUpdate = nullptr;
    }

    // Four boreholes: upstream, hotspot and two downstream.
    static void skrivSted() {
        ASSERT_TRUE(Indtast(4, 0, 1, "Gammel tankstation"));
        const char* navne[] = {"B101", "B102", "B103", "B104"};
        const char* placeringer[] = {"opstrøm", "hotspot", "nedstr.1", "nedstr.2"};
        for (std::size_t b = 0; b < 4; ++b) {
            const int soejle = static_cast<int>(b) + 2;
            ASSERT_TRUE(Indtast(22, 0, soejle, navne[b]));
            ASSERT_TRUE(Indtast(22, 1, soejle, placeringer[b]));
            for (std::size_t i = 0; i < 18; ++i)
                ASSERT_TRUE(Indtast(1, static_cast<int>(i), soejle, Tal(Analyser[b][i])));
            ASSERT_TRUE(Indtast(6, 0, soejle, Tal(100.0 * static_cast<double>(b))));
            ASSERT_TRUE(Indtast(2, 0, soejle, Tal(b == 1 ? 12.5 : 5.0 / static_cast<double>(b + 1))));
        }
    }

    // From the opened window to the mode by the buttons.
    void gaaTil(const std::string& mode) {
        const std::vector<std::pair<std::string, Tekster>> veje{
            {"OpenNoCalculations", {}},
            {"Kvalitetskontrol", {KK}},
            {"AkvModelling", {KK, Geo}},
            {"1stOrder", {KK, Foerste}},
            {"Grundvand", {KK, Grundvand}},
            {"GraficModelling", {KK, Geo, Grafisk}},
            {"Mellemregning", {KK, Geo, Mellem}},
        };
        for (const auto& [maal, klik] : veje) {
            if (maal != mode) continue;
            for (const auto& c : klik) ASSERT_TRUE(nav->klik(c)) << c;
        }
        ASSERT_EQ(vinduer().TilstandsNoegle, mode);
        ASSERT_TRUE(nav->vist.empty()) << nav->vist[0].tekst;
        nav->glem();
    }

    // The runs a user action started, in order, told by the grid each run refreshes first.
    Tekster koersler() const {
        const std::vector<std::pair<std::string, std::string>> vidner{
            {"TDBGrid1.refresh", "pH"},          {"TDBGrid3.refresh", "Kvalitetskontrol"},
            {"TDBGrid18.refresh", "1. orden"},   {"TDBGrid5.refresh", "Grundvandstype"},
            {"TDBGrid14.refresh", "Modellering"}, {"TDBGrid20.refresh", "Mellemregning"},
        };
        Tekster r;
        for (const auto& l : nav->log)
            for (const auto& [kald, navn] : vidner)
                if (l == kald) r.push_back(navn);
        return r;
    }

    // "Andet" with a carbon value that is no number: the engine refuses to model.
    static void UmuligModellering() {
        tabeller().ModelstofData.saet(1, 1, Variant("Andet"));
        tabeller().KulstofData.saet(1, 1, Variant("x"));
    }
    static constexpr const char* ManglerKulstof =
        "Både feltet 'Kulstof iltningstrin' og feltet 'Indhold af kulstof (%)' skal indeholde en værdi";

    TalformatScope format{Talformat::dansk()};
    std::unique_ptr<RecordingNavigation> nav;
};

// ---- Every button action from the mode it belongs to.

struct Handling {
    std::string fra;
    std::string knap;
    std::string til;
    int fane;
    Tekster koersler;
    std::string standard;  // the caption of the marked bottom button afterwards, "" none
};

const Tekster KvalitetskontrolKoersel{"Kvalitetskontrol", "1. orden", "Grundvandstype"};
const Tekster Modelkoersel{"Modellering", "Mellemregning"};

class KnapTest : public NavigationTest, public ::testing::WithParamInterface<Handling> {};

TEST_P(KnapTest, HandlingOgOvergang) {
    const Handling& h = GetParam();
    ASSERT_NO_FATAL_FAILURE(gaaTil(h.fra));
    ASSERT_TRUE(nav->klik(h.knap));
    EXPECT_EQ(vinduer().TilstandsNoegle, h.til);
    EXPECT_EQ(inddataKontroller().SSTab1.current(), h.fane);
    EXPECT_EQ(koersler(), h.koersler);
    const Knap* d = inddataKontroller().frmInddata.defaultKnap();
    EXPECT_EQ(d ? d->caption() : "", h.standard);
    EXPECT_TRUE(nav->vist.empty()) << nav->vist[0].tekst;
}

INSTANTIATE_TEST_SUITE_P(
    Knapper, KnapTest,
    ::testing::Values(
        // The bottom buttons.
        Handling{"OpenNoCalculations", KK, "Kvalitetskontrol", 2, KvalitetskontrolKoersel, ""},
        Handling{"Kvalitetskontrol", KK, "Kvalitetskontrol", 2, KvalitetskontrolKoersel, ""},
        Handling{"Kvalitetskontrol", Proeve, "Kvalitetskontrol", 0, {}, ""},
        Handling{"Kvalitetskontrol", Juster, "Kvalitetskontrol", 0,
                 {"pH", "Kvalitetskontrol", "1. orden", "Grundvandstype"}, ""},
        Handling{"Kvalitetskontrol", Grundvand, "Grundvand", 3, {"Grundvandstype"}, ""},
        Handling{"AkvModelling", Med, "AkvModelling", 4, Modelkoersel, Med},
        Handling{"AkvModelling", Uden, "AkvModelling", 4, Modelkoersel, Uden},
        Handling{"AkvModelling", Grafisk, "GraficModelling", 6, {}, ""},
        Handling{"AkvModelling", Mellem, "Mellemregning", 7, {"Mellemregning"}, ""},
        Handling{"1stOrder", Foerste, "1stOrder", 9, {"1. orden"}, ""},
        // The navigation buttons, from every mode that shows them.
        Handling{"Kvalitetskontrol", Geo, "AkvModelling", 4, Modelkoersel, Med},
        Handling{"1stOrder", Geo, "AkvModelling", 4, Modelkoersel, Med},
        Handling{"GraficModelling", Geo, "AkvModelling", 4, Modelkoersel, Med},
        Handling{"Grundvand", Geo, "AkvModelling", 4, Modelkoersel, Med},
        Handling{"Mellemregning", Geo, "AkvModelling", 4, Modelkoersel, Med},
        Handling{"1stOrder", Inddata, "Kvalitetskontrol", 2, {}, ""},
        Handling{"AkvModelling", Inddata, "Kvalitetskontrol", 2, {}, ""},
        Handling{"GraficModelling", Inddata, "Kvalitetskontrol", 2, {}, ""},
        Handling{"Grundvand", Inddata, "Kvalitetskontrol", 2, {}, ""},
        Handling{"Mellemregning", Inddata, "Kvalitetskontrol", 2, {}, ""},
        Handling{"Kvalitetskontrol", Foerste, "1stOrder", 9, {"1. orden"}, ""},
        Handling{"AkvModelling", Foerste, "1stOrder", 9, {"1. orden"}, ""}));

// ---- A refused quality control stops every action that runs it, and changes nothing.

const std::string SammeNavn = "Der er valgt samme boringsnavn for søjle 1 og 2";

TEST_F(NavigationTest, AfvistKvalitetskontrolStopperHandlingen) {
    const std::vector<std::pair<std::string, std::string>> tilfaelde{
        {"OpenNoCalculations", KK}, {"Kvalitetskontrol", KK},      {"Kvalitetskontrol", Juster},
        {"Kvalitetskontrol", Grundvand}, {"Kvalitetskontrol", Geo}, {"Kvalitetskontrol", Foerste}};
    for (const auto& [fra, knap] : tilfaelde) {
        SCOPED_TRACE(fra + ": " + knap);
        nav->glem();
        frmInddata_Load();
        ASSERT_NO_FATAL_FAILURE(gaaTil(fra));
        const int fane = inddataKontroller().SSTab1.current();
        // Typed, not committed: the button commits it, and the quality control refuses.
        ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid22", 0, 3, "B101"));
        ASSERT_TRUE(nav->klik(knap));
        EXPECT_EQ(vinduer().TilstandsNoegle, fra);
        ASSERT_EQ(nav->vist.size(), 1u);
        EXPECT_EQ(nav->vist[0].tekst, SammeNavn);
        EXPECT_EQ(nav->vist[0].ikon, BeskedIkon::Kritisk);
        EXPECT_EQ(nav->vist[0].knapper, BeskedKnapper::OK);
        EXPECT_EQ(nav->vist[0].titel, "");
        EXPECT_TRUE(koersler().empty());
        EXPECT_EQ(inddataKontroller().SSTab1.current(), knap == Juster ? 0 : fane);
        // The name stays typed in for the user to mend.
        EXPECT_EQ(tabeller().BoringData.hent(1, 3), Variant("B101"));
        ASSERT_TRUE(Indtast(22, 0, 3, "B102"));
    }
}

// A value the check refuses stops the action before anything else happens; the two
// buttons that show the input still show it.
TEST_F(NavigationTest, AfvistRedigeringStopperKnappen) {
    ASSERT_NO_FATAL_FAILURE(gaaTil("Kvalitetskontrol"));
    for (const std::string& knap : {Grundvand, Geo, Foerste, Juster}) {
        SCOPED_TRACE(knap);
        ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid1", 1, 2, "11"));
        nav->glem();
        ASSERT_TRUE(nav->klik(knap));
        ASSERT_EQ(nav->vist.size(), 1u);
        EXPECT_EQ(nav->vist[0].titel, "Inddatakontrol");
        EXPECT_EQ(nav->vist[0].tekst.rfind("Den indtastede værdi: 11", 0), 0u);
        EXPECT_EQ(vinduer().TilstandsNoegle, "Kvalitetskontrol");
        EXPECT_TRUE(koersler().empty());
        EXPECT_TRUE(nav->logMed("BotKey").empty());
        EXPECT_EQ(inddataKontroller().SSTab1.current(), knap == Juster ? 0 : 2);
        G(1).userEscape();
        inddataKontroller().SSTab1.userSelect(2);
    }
}

// A value typed but not committed takes part in the run the button starts.
TEST_F(NavigationTest, KnappenAfslutterAabneRedigeringerFoerKoerslen) {
    ASSERT_NO_FATAL_FAILURE(gaaTil("Kvalitetskontrol"));
    ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid1", 1, 2, Tal(7.4)));
    ASSERT_TRUE(nav->klik(Foerste));
    EXPECT_EQ(vinduer().TilstandsNoegle, "1stOrder");
    EXPECT_EQ(koersler(), (Tekster{"Kvalitetskontrol", "1. orden", "Grundvandstype", "1. orden"}));
    EXPECT_EQ(tabeller().AnalyseData.hent(2, 2), Variant(Tal(7.4)));

    ASSERT_TRUE(nav->klik(Geo));
    ASSERT_TRUE(nav->vaelgFane(5));
    ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid15", 0, 3, Tal(12.5)));
    nav->glem();
    ASSERT_TRUE(nav->klik(Uden));
    EXPECT_TRUE(nav->vist.empty());
    EXPECT_EQ(nav->logMed("TDBGrid1"),
              (Tekster{"TDBGrid15.endEdit", "TDBGrid14.refresh", "TDBGrid15.refresh", "TDBGrid16.refresh",
                       "TDBGrid12.refresh", "TDBGrid13.refresh"}));
    EXPECT_EQ(tilstand().ProcesTabel(3, 2), Variant(Tal(12.5)));  // the proposal as typed
    // Shown rounded to the even neighbour; the model used 12.5.
    EXPECT_EQ(TekstForm(tabeller().IonbytningData.hent(1, 3)), "12");
    EXPECT_FALSE(HentProcesdataAendret());
}

TEST_F(NavigationTest, UkendtNavigationscaptionGoerIntet) {
    ASSERT_NO_FATAL_FAILURE(gaaTil("Kvalitetskontrol"));
    ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid1", 1, 2, Tal(7.4)));
    Knap& n = inddataKontroller().NavKey[0];
    for (const std::string caption : {"Geokemisk modellering ", "geokemisk modellering", "Grundvand", ""}) {
        SCOPED_TRACE("\"" + caption + "\"");
        n.setCaption(caption);
        nav->glem();
        EXPECT_TRUE(n.userClick());
        EXPECT_TRUE(nav->log.empty()) << nav->log[0];
        EXPECT_EQ(vinduer().TilstandsNoegle, "Kvalitetskontrol");
        EXPECT_TRUE(G(1).editing());
    }
}

// ---- The default mark follows the variant in force, also after a failed run.

TEST_F(NavigationTest, StandardknapEfterMislykketKoerselMedTvungenKalkligevaegt) {
    ASSERT_NO_FATAL_FAILURE(gaaTil("AkvModelling"));
    ASSERT_TRUE(nav->klik(Uden));
    ASSERT_EQ(nav->botKeys()[1], Uden + "*");
    UmuligModellering();
    nav->glem();
    ASSERT_TRUE(nav->klik(Med));
    EXPECT_EQ(tilstand().TvungenKalkligevaegt, Falsk);
    std::vector<std::string> knapperOgBeskeder;
    for (const auto& l : nav->log)
        if (l.rfind("BotKey", 0) == 0 || l.rfind("besked", 0) == 0) knapperOgBeskeder.push_back(l);
    EXPECT_EQ(knapperOgBeskeder, (Tekster{"BotKey(0).setDefault(false)", "BotKey(1).setDefault(false)",
                                          std::string("besked: ") + ManglerKulstof, "BotKey(1).setDefault(true)"}));
    EXPECT_EQ(nav->vist[0].ikon, BeskedIkon::Kritisk);
    EXPECT_EQ(nav->botKeys(), (Tekster{Med, Uden + "*", Grafisk, Mellem}));
}

TEST_F(NavigationTest, GeokemiskModelleringSkifterOgsaaNaarKoerslenFejler) {
    ASSERT_NO_FATAL_FAILURE(gaaTil("Kvalitetskontrol"));
    UmuligModellering();
    ASSERT_TRUE(nav->klik(Geo));
    EXPECT_EQ(nav->tekster(), Tekster{ManglerKulstof});
    EXPECT_EQ(vinduer().TilstandsNoegle, "AkvModelling");
    EXPECT_EQ(nav->botKeys(), (Tekster{Med + "*", Uden, Grafisk, Mellem}));
    EXPECT_TRUE(koersler().empty());
}

// ---- The tab rule of mode "Kvalitetskontrol".

TEST_F(NavigationTest, Fane0Til2KoererKvalitetskontrolKunVedAfventendeRedigering) {
    ASSERT_NO_FATAL_FAILURE(gaaTil("Kvalitetskontrol"));
    ASSERT_TRUE(nav->vaelgFane(0));
    nav->glem();
    ASSERT_TRUE(nav->vaelgFane(2));
    EXPECT_EQ(nav->log, Tekster{"SSTab1_Click(0) i Kvalitetskontrol"});
    ASSERT_TRUE(nav->vaelgFane(0));
    // Open edits in two grids, neither of them the borehole grid: both are committed.
    ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid1", 1, 2, Tal(7.4)));
    ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid6", 0, 5, Tal(350)));
    nav->glem();
    ASSERT_TRUE(nav->vaelgFane(2));
    EXPECT_EQ(tabeller().AnalyseData.hent(2, 2), Variant(Tal(7.4)));
    EXPECT_EQ(tabeller().AfstandData.hent(1, 5), Variant(Tal(350)));
    EXPECT_EQ(koersler(), KvalitetskontrolKoersel);
    EXPECT_EQ(nav->logMed("TDBGrid1.endEdit").size(), 1u);
    // Laid out again without a reset: no tab is hidden, shown or made current.
    EXPECT_EQ(nav->logMed("SSTab1"), Tekster{"SSTab1_Click(0) i Kvalitetskontrol"});
    EXPECT_EQ(nav->logMed("BotKey(0).setCaption").size(), 1u);
    EXPECT_EQ(inddataKontroller().SSTab1.current(), 2);
    EXPECT_EQ(nav->synligeFaner(), (std::vector<int>{0, 2}));
    EXPECT_TRUE(nav->vist.empty());
}

TEST_F(NavigationTest, Fane0Til2AfvistKvalitetskontrolViserFane0Igen) {
    ASSERT_NO_FATAL_FAILURE(gaaTil("Kvalitetskontrol"));
    ASSERT_TRUE(nav->vaelgFane(0));
    ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid22", 0, 3, "B101"));
    nav->glem();
    ASSERT_TRUE(nav->vaelgFane(2));
    EXPECT_EQ(nav->log, (Tekster{"SSTab1_Click(0) i Kvalitetskontrol", "TDBGrid22.endEdit", "SSTab1.setCurrent(0)",
                                 "SSTab1_Click(2) i Kvalitetskontrol", "TDBGrid22.setFocus",
                                 "besked: " + SammeNavn}));
    EXPECT_EQ(nav->vist[0].ikon, BeskedIkon::Kritisk);
    EXPECT_EQ(nav->vist[0].titel, "");
    EXPECT_EQ(inddataKontroller().SSTab1.current(), 0);
    EXPECT_TRUE(G(22).hasFocus());
    EXPECT_EQ(vinduer().TilstandsNoegle, "Kvalitetskontrol");
}

TEST_F(NavigationTest, Fane0Til2AfvistVaerdiGaarTilbageTilSitGrid) {
    ASSERT_NO_FATAL_FAILURE(gaaTil("Kvalitetskontrol"));
    ASSERT_TRUE(nav->vaelgFane(0));
    const std::string foer = G(1).cellText(1, 2);
    ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid1", 1, 2, "11"));
    nav->glem();
    ASSERT_TRUE(nav->vaelgFane(2));
    ASSERT_EQ(nav->log.size(), 6u);
    EXPECT_EQ(nav->log[2].rfind("besked: Den indtastede værdi: 11", 0), 0u);
    nav->log[2] = "besked";
    EXPECT_EQ(nav->log, (Tekster{"SSTab1_Click(0) i Kvalitetskontrol", "TDBGrid1.endEdit", "besked",
                                 "SSTab1.setCurrent(0)", "SSTab1_Click(2) i Kvalitetskontrol", "TDBGrid1.setFocus"}));
    EXPECT_FALSE(G(1).editing());
    EXPECT_EQ(G(1).cellText(1, 2), foer);
    EXPECT_TRUE(koersler().empty());
}

// ---- The tab rule of mode "AkvModelling": the notice of changed process data.

TEST_F(NavigationTest, BeskedVedHvertSkiftFraFane5Til4IndtilEnModelleringLykkes) {
    ASSERT_NO_FATAL_FAILURE(gaaTil("AkvModelling"));
    auto skift = [this](int fane) {
        nav->glem();
        EXPECT_TRUE(nav->vaelgFane(fane));
        return nav->tekster();
    };
    const Tekster besked{ProcesdataAendretBesked};
    EXPECT_TRUE(skift(5).empty());
    EXPECT_TRUE(skift(4).empty());
    ASSERT_TRUE(nav->vaelgFane(5));
    ASSERT_TRUE(Indtast(15, 0, 3, Tal(20)));
    EXPECT_EQ(skift(4), besked);
    EXPECT_EQ(nav->vist[0].ikon, BeskedIkon::Information);
    EXPECT_EQ(nav->vist[0].knapper, BeskedKnapper::OK);
    EXPECT_EQ(nav->vist[0].titel, "");
    EXPECT_TRUE(skift(5).empty());
    EXPECT_EQ(skift(4), besked);
    ASSERT_TRUE(nav->klik(Med));
    EXPECT_TRUE(skift(5).empty());
    EXPECT_TRUE(skift(4).empty());
}

// The three process grids' edits are all ended, a refusal in one included; the
// notice may follow the refusal's message.
TEST_F(NavigationTest, Fane5Til4AfslutterAlleTreProcesgrids) {
    ASSERT_NO_FATAL_FAILURE(gaaTil("AkvModelling"));
    ASSERT_TRUE(nav->vaelgFane(5));
    ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid15", 0, 3, Tal(12.5)));
    ASSERT_TRUE(RecordingNavigation::skriv("TDBGrid16", 0, 3, "-5"));
    std::string afvisning;
    ASSERT_FALSE(KontrolRedox(Variant("-5"), 1, afvisning));
    nav->glem();
    ASSERT_TRUE(nav->vaelgFane(4));
    EXPECT_EQ(nav->log, (Tekster{"SSTab1_Click(5) i AkvModelling", "TDBGrid15.endEdit", "TDBGrid16.endEdit",
                                 "SSTab1.setCurrent(5)", "SSTab1_Click(4) i AkvModelling", "besked: " + afvisning,
                                 std::string("besked: ") + ProcesdataAendretBesked}));
    EXPECT_EQ(tilstand().ProcesTabel(3, 2), Variant(Tal(12.5)));  // the proposal as typed
    EXPECT_FALSE(G(16).editing());
    EXPECT_EQ(G(16).cellText(0, 3), "");
    EXPECT_EQ(inddataKontroller().SSTab1.current(), 5);
}

}  // namespace
