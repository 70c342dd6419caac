// The work window's grid handlers driven through the recording grids: the eight
// before-update handlers (accept, refuse with one message in its order, the state
// cell and the flag), the drop-down picks, the chart coupling both ways, the
// pending-input test and the ending of open edits.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "celler/Talformat.h"
#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "platform/InddataKontroller.h"
#include "runs/Kvalitetskontrol.h"
#include "support/KoerselFixture.h"
#include "support/RecordingBeskeder.h"
#include "support/VariantUdskrift.h"
#include "windows/Gridhandlere.h"
#include "windows/Redigering.h"
#include "windows/frmInddata.h"

namespace {

// The message boxes and the tab changes in one list, in the order they came.
struct Forloeb : RecordingBeskeder {
    std::vector<std::string> log;
    BeskedSvar vis(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                   const std::string& titel) override {
        log.push_back("besked");
        return RecordingBeskeder::vis(tekst, ikon, knapper, titel);
    }
};

const std::string DecimalHint =
    "Vær opmærksom på, at decimalpunktum på \n\rcomputere med dansk tegnopsætning har betydning\n\r"
    "som separator, mens komma benyttes som decimaltegn.";

class GridhandlereTest : public KoerselTest {
protected:
    void SetUp() override {
        KoerselTest::SetUp();
        inddataKontroller().restoreDesign();
        ForbindGridHandlere();
        inddataKontroller().SSTab1.onClick = [this](int forrige) {
            beskeder.log.push_back("fane " + std::to_string(forrige) + " -> " +
                                   std::to_string(inddataKontroller().SSTab1.current()));
        };
    }
    void TearDown() override { inddataKontroller().SSTab1.onClick = nullptr; }

    RecordingGrid& grid(const std::string& navn) { return (*grids)(navn); }

    // Two boreholes the quality control accepts, typed as a user would.
    void toBoringer() {
        const double opstroem[18] = {9, 7.2, 95, 12, 22, 3, 0.05, 0.05, 0.02, 290, 40, 60, 12, 0.3, 0.05, 2.5, 6, 0.01};
        const double nedstroem[18] = {10, 6.9, 110, 12, 24, 3.1, 0.4, 3.5, 0.4, 340, 41, 45, 0.5, 0.3, 0.08, 8, 0.3, 0.8};
        for (int b = 1; b <= 2; ++b) {
            ASSERT_TRUE(grid("TDBGrid22").typeAndEnter(0, b + 1, "B" + std::to_string(b)));
            ASSERT_TRUE(grid("TDBGrid22").typeAndEnter(1, b + 1, b == 1 ? "opstrøm" : "hotspot"));
            ASSERT_TRUE(grid("TDBGrid22").typeAndEnter(2, b + 1, "0" + std::to_string(b) + "-06-2004"));
            for (int k = 0; k < 18; ++k)
                ASSERT_TRUE(grid("TDBGrid1").typeAndEnter(k, b + 1, Talformat::aktuel().formater(
                                                                       (b == 1 ? opstroem : nedstroem)[k])));
        }
    }
    void kvalitetskontrol() {
        std::string besked;
        ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;
        grids->glem();
    }

    TalformatScope dansk{Talformat::dansk()};
    Forloeb beskeder;
};

// ---- The eight before-update handlers

struct Redigering {
    const char* grid;
    int raekke;  // grid row, from 0
    int soejle;
    std::string godkendt;
    std::string afvist;
    std::string afvisning;  // what the refusal names: the interval or the length
    GridTabel Tabeller::*tabel;
    bool proces;  // tab 5: the handler shows the check's text
    Variant* (*tilstandscelle)();
    const char* gemt = nullptr;  // what the accepted value is stored as, where not as typed
};

// The refusal of a character the data file cannot hold: the message's whole second line.
std::string Unavngivet(const std::string& navn) {
    return "indeholder tegnet " + navn + ", som ikke kan gemmes i datafilen.";
}
std::string Utegn(const std::string& tegn, const std::string& kode) {
    return Unavngivet("\"" + tegn + "\" (U+" + kode + ")");
}

Variant* Salt() { return &tilstand().ProcesTabel(3, 2); }
Variant* Ammonium() { return &tilstand().ProcesTabel(6, 2); }
Variant* Denitrifikation() { return &tilstand().RedoxTabel(6, 2); }

const std::vector<Redigering> Redigeringer{
    {"TDBGrid4", 0, 1, "Gammel tankstation", std::string(51, 'x'), "er længere end 50 tegn",
     &Tabeller::LokalitetData, false, nullptr},
    {"TDBGrid22", 0, 2, "B101", std::string(21, 'x'), "er længere end 20 tegn", &Tabeller::BoringData, false,
     nullptr},
    {"TDBGrid1", 1, 2, "7,2", "10", " 5 < PH < 10", &Tabeller::AnalyseData, false, nullptr},
    {"TDBGrid6", 0, 3, "150", "-1", " 0 <= Afstand / tid < 1000000", &Tabeller::AfstandData, false, nullptr},
    {"TDBGrid2", 2, 0, "Benzen", std::string(21, 'x'), "er længere end 20 tegn", &Tabeller::KomponentData,
     false, nullptr},
    {"TDBGrid2", 0, 4, "2,5", "-1", " 0 <= kulbrinte < 1000000", &Tabeller::KomponentData, false, nullptr},
    {"TDBGrid11", 1, 1, "55", "100", " 1 < Kulstof % < 100", &Tabeller::KulstofData, true, nullptr},
    {"TDBGrid15", 0, 3, "12,5", "-1", " 0 <= Salt < 5000", &Tabeller::IonbytningData, true, Salt},
    {"TDBGrid15", 3, 3, "20", "0", " 0 < NH4 < 500", &Tabeller::IonbytningData, true, Ammonium},
    {"TDBGrid16", 5, 3, "12,5", "500", " 0 <= Detrinifikation < 500", &Tabeller::RedoxData, true,
     Denitrifikation},
    // A text cell of each grid: what the data file holds is kept, ";" and all; the
    // first character it cannot hold is named, also before the cell's own rule.
    {"TDBGrid4", 4, 1, "Pris 5 € – „Ålborg“; µg/l ‰", "Pris 5 € – Łódź", Utegn("Ł", "0141"),
     &Tabeller::LokalitetData, false, nullptr},
    {"TDBGrid4", 2, 1, "Vandværk", "Linje 1\r\nLinje 2", Unavngivet("vognretur (U+000D)"), &Tabeller::LokalitetData,
     false, nullptr},
    // A letter pasted with a combining accent is stored as the one letter; an
    // invisible character is named in words, or by its code point alone.
    {"TDBGrid4", 3, 1, "Cafe\u0301", "Linje 1\nLinje 2", Unavngivet("linjeskift (U+000A)"), &Tabeller::LokalitetData,
     false, nullptr, "Café"},
    {"TDBGrid22", 1, 4, "A\u030Arhus", "q\u0301", Unavngivet("U+0301"), &Tabeller::BoringData, false, nullptr,
     "Århus"},
    {"TDBGrid22", 1, 3, "nedstrøm ‘Øst’ • 2", "µg/l ≥ 2", Utegn("≥", "2265"), &Tabeller::BoringData, false,
     nullptr},
    // "ð" stands for ";" in the file and would come back as one.
    {"TDBGrid22", 0, 4, "Tórshavn", "Suðuroy", Utegn("ð", "00F0"), &Tabeller::BoringData, false, nullptr},
    {"TDBGrid1", 0, 2, "9,5", "9,5\u2009", Unavngivet("U+2009"), &Tabeller::AnalyseData, false, nullptr},
    {"TDBGrid6", 0, 2, "150", "150 m⁻¹", Utegn("⁻", "207B"), &Tabeller::AfstandData, false, nullptr},
    {"TDBGrid2", 3, 0, "Benzen; “ren”", "α-HCH", Utegn("α", "03B1"), &Tabeller::KomponentData, false, nullptr},
    {"TDBGrid11", 0, 1, "2", "\u22122", Utegn("\u2212", "2212"), &Tabeller::KulstofData, true, nullptr},
    {"TDBGrid15", 1, 3, "-12", "\u221212", Utegn("\u2212", "2212"), &Tabeller::IonbytningData, true, nullptr},
    {"TDBGrid16", 0, 3, "12,5", "12,5 😀", Utegn("😀", "1F600"), &Tabeller::RedoxData, true, nullptr},
};

class FoerOpdateringTest : public GridhandlereTest, public ::testing::WithParamInterface<Redigering> {
protected:
    void SetUp() override {
        GridhandlereTest::SetUp();
        // The carbon cells open for "Andet".
        inddataGrids().TDBGrid(11).column(1).setLocked(false);
        grids->glem();
    }
    Variant celle() const {
        const Redigering& r = GetParam();
        return (tabeller().*r.tabel).hent(r.raekke + 1, r.soejle);
    }
};

TEST_P(FoerOpdateringTest, GodkendtVaerdiITabelTilstandOgFlag) {
    const Redigering& r = GetParam();
    RecordingGrid& g = grid(r.grid);
    ASSERT_TRUE(g.typeAndEnter(r.raekke, r.soejle, r.godkendt));
    EXPECT_TRUE(beskeder.vist.empty());
    const Variant gemt(r.gemt ? r.gemt : r.godkendt);
    EXPECT_EQ(celle(), gemt);
    EXPECT_EQ(g.grid().cellText(r.raekke, r.soejle), gemt.text());
    if (r.tilstandscelle) {
        EXPECT_EQ(*r.tilstandscelle(), gemt);
    }
    EXPECT_EQ(HentProcesdataAendret(), r.proces);
    EXPECT_EQ(HentInddataAendret(), !r.proces);
    EXPECT_EQ(g.antal("update"), r.proces ? 1 : 0);
    EXPECT_EQ(inddataKontroller().SSTab1.current(), 0);
}

TEST_P(FoerOpdateringTest, AfvistVaerdiEnBeskedSaaGamleVaerdiIAktuelCelleMedFokus) {
    const Redigering& r = GetParam();
    RecordingGrid& g = grid(r.grid);
    const Variant foer = celle();
    ASSERT_FALSE(g.typeAndEnter(r.raekke, r.soejle, r.afvist));

    // Tab 5 comes first for the process grids, then the one message.
    const std::vector<std::string> forventet =
        r.proces ? std::vector<std::string>{"fane 0 -> 5", "besked"} : std::vector<std::string>{"besked"};
    EXPECT_EQ(beskeder.log, forventet);
    ASSERT_EQ(beskeder.vist.size(), 1u);
    const VistBesked& b = beskeder.vist[0];
    EXPECT_EQ(b.tekst.rfind("Den indtastede værdi: " + r.afvist + "\n\r", 0), 0u) << b.tekst;
    EXPECT_NE(b.tekst.find(r.afvisning), std::string::npos) << b.tekst;
    if (r.afvisning.starts_with("indeholder tegnet")) {
        EXPECT_EQ(b.tekst, "Den indtastede værdi: " + r.afvist + "\n\r" + r.afvisning);
    }
    EXPECT_EQ(b.ikon, BeskedIkon::Udraab);
    EXPECT_EQ(b.knapper, BeskedKnapper::OK);
    EXPECT_EQ(b.titel, "Inddatakontrol");

    EXPECT_EQ(celle(), foer);
    EXPECT_FALSE(g.grid().editing());
    EXPECT_EQ(g.grid().cellText(r.raekke, r.soejle), TekstForm(foer));
    EXPECT_EQ(std::make_pair(g.grid().row(), g.grid().col()), std::make_pair(r.raekke, r.soejle));
    EXPECT_EQ(g.focusRequests, 1);
    if (r.tilstandscelle) {
        EXPECT_TRUE(r.tilstandscelle()->isEmpty());
    }
    EXPECT_FALSE(HentProcesdataAendret());
    EXPECT_FALSE(HentInddataAendret());
    EXPECT_EQ(g.antal("update"), 0);
}

INSTANTIATE_TEST_SUITE_P(Grids, FoerOpdateringTest, ::testing::ValuesIn(Redigeringer),
                         [](const ::testing::TestParamInfo<Redigering>& i) {
                             return std::string(i.param.grid) + "_" + std::to_string(i.param.raekke) + "_" +
                                    std::to_string(i.param.soejle) + "_" + std::to_string(i.index);
                         });

TEST_F(GridhandlereTest, ProcesgridViserKontrollensTekstUaendret) {
    ASSERT_FALSE(grid("TDBGrid15").typeAndEnter(1, 3, "-5000"));
    ASSERT_EQ(beskeder.vist.size(), 1u);
    EXPECT_EQ(beskeder.vist[0].tekst, "Den indtastede værdi: -5000\n\rer udenfor intervalet\n\n\r"
                                      " -5000 < IonBytning < 5000\r\n\n" + DecimalHint);
}

TEST_F(GridhandlereTest, TomtForslagTraekkerForslagetTilbageOgMarkererAendring) {
    for (const auto& [navn, celle] : std::vector<std::pair<std::string, Variant*>>{
             {"TDBGrid15", &tilstand().ProcesTabel(4, 2)}, {"TDBGrid16", &tilstand().RedoxTabel(2, 2)}}) {
        SCOPED_TRACE(navn);
        ASSERT_TRUE(grid(navn).typeAndEnter(1, 3, "10"));
        EXPECT_EQ(*celle, Variant("10"));
        SaetProcesdataAendret(false);
        ASSERT_TRUE(grid(navn).typeAndEnter(1, 3, ""));
        EXPECT_TRUE(celle->isEmpty());
        const GridTabel& tabel = navn == "TDBGrid15" ? tabeller().IonbytningData : tabeller().RedoxData;
        EXPECT_EQ(tabel.hent(2, 3), Variant(""));
        EXPECT_TRUE(HentProcesdataAendret());
    }
}

// ---- Pending input and the ending of open edits

TEST_F(GridhandlereTest, InddataGridsAendretEfterAabenOgGodkendtRedigering) {
    ASSERT_NO_FATAL_FAILURE(toBoringer());
    EXPECT_TRUE(InddataGridsAendret());  // typed, no quality control yet
    ASSERT_NO_FATAL_FAILURE(kvalitetskontrol());
    EXPECT_FALSE(InddataGridsAendret());

    // An open edit counts while it differs from the cell.
    RecordingGrid& analyse = grid("TDBGrid1");
    ASSERT_TRUE(analyse.type(2, 2, "96"));
    EXPECT_TRUE(InddataGridsAendret());
    ASSERT_TRUE(analyse.type(2, 2, "95"));
    EXPECT_FALSE(InddataGridsAendret());
    analyse.escape();

    // A committed value keeps counting until a quality control accepts the input.
    ASSERT_TRUE(analyse.typeAndEnter(2, 2, "96"));
    EXPECT_TRUE(InddataGridsAendret());
    ASSERT_NO_FATAL_FAILURE(kvalitetskontrol());
    EXPECT_FALSE(InddataGridsAendret());

    // A refused quality control leaves it standing.
    ASSERT_TRUE(grid("TDBGrid22").typeAndEnter(0, 3, "B1"));
    std::string besked;
    EXPECT_FALSE(BeregnKvalitetskontrol(besked));
    EXPECT_TRUE(InddataGridsAendret());

    // Process data and a new load do not count.
    frmInddata_Load();
    EXPECT_FALSE(InddataGridsAendret());
    ASSERT_TRUE(grid("TDBGrid16").typeAndEnter(0, 3, "5"));
    EXPECT_FALSE(InddataGridsAendret());
}

TEST_F(GridhandlereTest, AfslutRedigeringerStopperVedFoersteAfvisning) {
    ASSERT_TRUE(grid("TDBGrid2").type(0, 2, "5"));
    ASSERT_TRUE(grid("TDBGrid1").type(0, 2, "80"));
    ASSERT_TRUE(grid("TDBGrid4").type(0, 1, "Grube"));
    ASSERT_TRUE(grid("TDBGrid15").type(0, 3, "7"));

    EXPECT_EQ(AfslutRedigeringer(InddataGridNavne()), "TDBGrid1");
    EXPECT_EQ(beskeder.vist.size(), 1u);
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), Variant("Grube"));  // before TDBGrid1 in the order
    EXPECT_TRUE(inddataGrids().TDBGrid(2).editing());                   // after it: still open
    EXPECT_FALSE(ErUdfyldt(tabeller().KomponentData.hent(1, 2)));

    ASSERT_TRUE(grid("TDBGrid1").type(0, 2, "12"));
    ASSERT_TRUE(grid("TDBGrid16").type(0, 3, "1000"));
    beskeder.log.clear();
    EXPECT_EQ(AfslutRedigeringer(RedigerbareGridNavne()), "TDBGrid16");
    EXPECT_EQ(tabeller().KomponentData.hent(1, 2), Variant("5"));
    EXPECT_EQ(tilstand().ProcesTabel(3, 2), Variant("7"));
    EXPECT_EQ(beskeder.log, (std::vector<std::string>{"fane 0 -> 5", "besked"}));
    EXPECT_EQ(AfslutRedigeringer(InddataGridNavne()), "");
}

// ---- Drop-down picks

TEST_F(GridhandlereTest, PlaceringVaelgesOgNedstroemskoerslenStartes) {
    ASSERT_NO_FATAL_FAILURE(toBoringer());
    ASSERT_NO_FATAL_FAILURE(kvalitetskontrol());

    // The same borehole in both columns is passed on as it is.
    ASSERT_TRUE(grid("TDBGrid7").pick(0, 1, 1));
    ASSERT_TRUE(grid("TDBGrid7").pick(0, 2, 1));
    EXPECT_EQ(tilstand().FraPosition, 2);
    EXPECT_EQ(tilstand().TilPosition, 2);
    EXPECT_EQ(tabeller().PlaceringData.hent(1, 1), Variant(2));
    EXPECT_EQ(tabeller().PlaceringData.hent(1, 2), Variant(2));
    EXPECT_EQ(grid("TDBGrid12").antal("refresh"), 2);
    EXPECT_EQ(tabeller().NedstroemAnalyseData.hent(1, 2), Variant("02-06-2004"));
    EXPECT_EQ(tabeller().NedstroemAnalyseData.hent(1, 3), Variant("02-06-2004"));

    // Column 0 starts nothing.
    grids->glem();
    inddataGrids().TDBGrid(7).comboSelect(0);
    EXPECT_TRUE(grid("TDBGrid12").kald.empty());
    EXPECT_EQ(tilstand().FraPosition, 2);
}

TEST_F(GridhandlereTest, NedbrydningsvalgStarterFoersteOrdensModellen) {
    ASSERT_NO_FATAL_FAILURE(toBoringer());
    ASSERT_NO_FATAL_FAILURE(kvalitetskontrol());
    ASSERT_TRUE(grid("TDBGrid17").pick(0, 3, 0));
    EXPECT_EQ(TekstForm(tabeller().NedbrydningData.hent(1, 3)), "1");
    EXPECT_EQ(grid("TDBGrid18").antal("refresh"), 1);
    EXPECT_EQ(grid("TDBGrid19").antal("refresh"), 1);
}

TEST_F(GridhandlereTest, ModelstofMarkererProcesdataOgsaaForSammeStof) {
    for (int gang = 0; gang < 2; ++gang) {
        SaetProcesdataAendret(false);
        ASSERT_TRUE(grid("TDBGrid10").pickShown(0, 1, "Benzen C6H6"));
        EXPECT_EQ(tabeller().ModelstofData.hent(1, 1), Variant("Benzen"));
        EXPECT_EQ(tabeller().KulstofData.hent(1, 1), Variant(-1.0));
        EXPECT_TRUE(HentProcesdataAendret()) << gang;
    }
    EXPECT_TRUE(beskeder.vist.empty());
}

// ---- Chart coupling

class DiagramkoblingTest : public GridhandlereTest {
protected:
    void SetUp() override {
        GridhandlereTest::SetUp();
        const std::vector<std::vector<Variant>> data(11, std::vector<Variant>(4, Variant(1.0)));
        inddataCharts().MSChart23().setChartData(data);
        inddataCharts().MSChart24().setChartData(
            std::vector<std::vector<Variant>>(14, std::vector<Variant>(4, Variant(1.0))));
        grids->glem();
        tuc->glem();
        alk->glem();
    }
};

TEST_F(DiagramkoblingTest, RaekkeIGriddetVaelgerSerienIDiagrammet) {
    for (auto [navn, diagram] : {std::pair{"TDBGrid23", tuc.get()}, std::pair{"TDBGrid24", alk.get()}}) {
        SCOPED_TRACE(navn);
        ASSERT_TRUE(grid(navn).click(4, 1));
        EXPECT_EQ(diagram->kald, (std::vector<std::string>{"setFocus", "selectSeries(5)"}));
        EXPECT_EQ(diagram->chart().selectedSeries(), 5);
    }
}

TEST_F(DiagramkoblingTest, SerieValgtIKulstofdiagrammetFlytterGriddetUdenSloejfe) {
    tuc->select(7);
    EXPECT_EQ(grid("TDBGrid23").kald, (std::vector<std::string>{"setMarqueeStyle(3)", "setRow(6)"}));
    EXPECT_EQ(inddataGrids().TDBGrid(23).row(), 6);
    // The grid's row change selects the same series once more, from the program.
    EXPECT_EQ(tuc->kald, (std::vector<std::string>{"setFocus", "selectSeries(7)"}));

    // The series of the current row: the row stays, nothing more happens.
    grids->glem();
    tuc->glem();
    tuc->select(7);
    EXPECT_EQ(grid("TDBGrid23").kald, (std::vector<std::string>{"setMarqueeStyle(3)", "setRow(6)"}));
    EXPECT_TRUE(tuc->kald.empty());

    // The alkalinity chart does not lead its grid.
    alk->select(3);
    EXPECT_TRUE(grid("TDBGrid24").kald.empty());
}

TEST_F(DiagramkoblingTest, DiagramgridsVisningVedFokus) {
    for (const char* navn : {"TDBGrid23", "TDBGrid24"}) {
        grid(navn).focus();
        EXPECT_EQ(grid(navn).kald, (std::vector<std::string>{"setMarqueeStyle(3)", "setRowSelection(true)"}))
            << navn;
    }
}

}  // namespace
