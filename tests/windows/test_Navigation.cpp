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
#include "support/RecordingNavigation.h"
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

// Stand-ins for the work window's edit handlers: the check, the refusal, and for the
// process grids the proposal into the state and the flag.
void KoblHandlere() {
    auto tab0 = [](int nummer, bool (*kontrol)(const Variant&, int, bool), bool efterSoejle) {
        Grid& g = G(nummer);
        g.beforeColUpdate = [&g, kontrol, efterSoejle](int col, Variant&, bool& cancel) {
            cancel = !kontrol(g.columnValue(col), efterSoejle ? col : g.currentTableRow(), true);
        };
    };
    tab0(4, KontrolLokalitet, false);
    tab0(22, KontrolBoring, false);
    tab0(1, KontrolAnalyse, false);
    tab0(6, KontrolAfstand, true);
    tab0(2, KontrolKomponent, true);
    auto tab5 = [](int nummer, bool (*kontrol)(const Variant&, int, std::string&), Variant* (*tilstandscelle)(int)) {
        Grid& g = G(nummer);
        g.beforeColUpdate = [&g, kontrol, tilstandscelle](int col, Variant&, bool& cancel) {
            const Variant v = g.columnValue(col);
            std::string besked;
            cancel = !kontrol(v, g.currentTableRow(), besked);
            if (cancel) {
                inddataKontroller().SSTab1.setCurrent(5);
                visBesked(besked, BeskedIkon::Udraab, BeskedKnapper::OK, "Inddatakontrol");
                return;
            }
            if (Variant* c = tilstandscelle ? tilstandscelle(g.currentTableRow()) : nullptr) {
                const auto tal = SomTal(v);
                *c = tal ? Variant(*tal) : Variant();
            }
            SaetProcesdataAendret(true);
        };
    };
    tab5(11, KontrolKulstof, nullptr);
    tab5(15, KontrolIonbytning, [](int r) { return &tilstand().ProcesTabel(r + 2, 2); });
    tab5(16, KontrolRedox, [](int r) { return &tilstand().RedoxTabel(r, 2); });
}

const std::vector<std::vector<double>> Analyser{
    {9.5, 7.25, 95, 12, 22, 3, 0.05, 0.05, 0.02, 290, 40, 60, 12, 0.3, 0.05, 2.5, 6.5, 0.01},
    {10.5, 6.85, 120, 13, 25, 3.2, 0.6, 6.5, 0.6, 380, 42, 30, 0.2, 0.3, 0.1, 15, 0.2, 2.5},
    {10, 6.95, 110, 12, 24, 3.1, 0.4, 3.5, 0.4, 340, 41, 45, 0.5, 0.3, 0.08, 8, 0.3, 0.8},
    {9.8, 7.05, 100, 12, 23, 3, 0.2, 1.2, 0.2, 310, 40, 52, 3, 0.3, 0.06, 4, 2.5, 0.1},
};

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
        KoblHandlere();
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

}  // namespace
