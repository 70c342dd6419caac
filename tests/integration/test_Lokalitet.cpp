// A whole site end to end, in a Danish and an English locale: typed through the
// recording grids with the work window's handlers, quality control, the downstream
// run, the substance choice ("Andet" refused, then completed), both model runs,
// save, clear, load and rerun. Every stored cell comes back and the reruns give
// the same tables.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/HentSkrivFil.h"
#include "datamodel/InputKontroller.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "celler/Tegnsaet.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "runs/Kvalitetskontrol.h"
#include "runs/Modelkoersel.h"
#include "runs/NedstroemVandkvalitet.h"
#include "support/RecordingBeskeder.h"
#include "support/RecordingChart.h"
#include "support/RecordingGrid.h"
#include "support/BeregnetLokalitet.h"
#include "support/TempDir.h"
#include "windows/Gridhandlere.h"

namespace {

void NytVindue() {
    inddataGrids().restoreDesign();
    inddataCharts().restoreDesign();
    InitierGrids();
}

// Four boreholes: upstream, hotspot and two downstream, in the locale's own format.
struct Sted {
    std::vector<std::vector<double>> analyser;  // per borehole, 18 analytes
};

const std::vector<std::vector<double>>& Analyser = BeregnetLokalitetsAnalyser();

std::string Tal(double v) { return Talformat::aktuel().formater(v); }

class LokalitetTest : public ::testing::TestWithParam<char> {
protected:
    static void SetUpTestSuite() { ForbindGridHandlere(); }

    void SetUp() override {
        format = std::make_unique<TalformatScope>(GetParam() == ',' ? Talformat::dansk() : Talformat::engelsk());
        NulstilAlleData();
        tilstand().FilNavn.clear();
        NytVindue();
        grids = std::make_unique<RecordingInddataGrids>();
        tuc = std::make_unique<RecordingChart>(inddataCharts().MSChart23());
        alk = std::make_unique<RecordingChart>(inddataCharts().MSChart24());
        tuc->placer(120, 9000, 6000);
        alk->placer(120, 9000, 6000);
        sti = dir / "lokalitet.akv";
    }

    RecordingGrid& grid(int n) { return (*grids)("TDBGrid" + std::to_string(n)); }

    void skrivSted() {
        ASSERT_TRUE(grid(4).typeAndEnter(0, 1, "Gammel tankstation"));
        const char* navne[] = {"B101", "B102", "B103", "B104"};
        const char* placeringer[] = {"opstrøm", "hotspot", "nedstr.1", "nedstr.2"};
        for (int b = 1; b <= 4; ++b) {
            ASSERT_TRUE(grid(22).typeAndEnter(0, b + 1, navne[b - 1]));
            ASSERT_TRUE(grid(22).typeAndEnter(1, b + 1, placeringer[b - 1]));
            ASSERT_TRUE(grid(22).typeAndEnter(2, b + 1, "0" + std::to_string(b) + "-06-2004"));
            for (int i = 1; i <= 18; ++i)
                ASSERT_TRUE(grid(1).typeAndEnter(i - 1, b + 1, Tal(Analyser[static_cast<std::size_t>(b - 1)]
                                                                           [static_cast<std::size_t>(i - 1)])))
                    << b << "," << i;
            ASSERT_TRUE(grid(6).typeAndEnter(0, b + 1, Tal(100.0 * (b - 1))));
            ASSERT_TRUE(grid(2).typeAndEnter(0, b + 1, Tal(b == 2 ? 12.5 : 5.0 / b)));
        }
        ASSERT_TRUE(grid(2).typeAndEnter(0, 0, "Benzen"));
    }

    // The tables the data file holds, cell by cell as text.
    static std::map<std::string, std::string> gemteCeller() {
        std::map<std::string, std::string> r;
        Tabeller& t = tabeller();
        std::vector<std::pair<std::string, const GridTabel*>> tabs{
            {"Lokalitet", &t.LokalitetData},  {"Boring", &t.BoringData},   {"Analyse", &t.AnalyseData},
            {"Afstand", &t.AfstandData},      {"Komponent", &t.KomponentData}, {"Kvalitet", &t.KvalitetskontrolData},
            {"Blanding", &t.BlandingData}};
        for (int k = 0; k < 6; ++k)
            tabs.emplace_back("Type" + std::to_string(k), &t.GrundvandstypeData[static_cast<std::size_t>(k)]);
        for (const auto& [navn, g] : tabs)
            for (int rr = g->foersteRaekke(); rr <= g->sidsteRaekke(); ++rr)
                for (int c = g->foersteSoejle(); c <= g->sidsteSoejle(); ++c)
                    r[navn + "(" + std::to_string(rr) + "," + std::to_string(c) + ")"] = TekstForm(g->hent(rr, c));
        return r;
    }

    static std::vector<std::string> resultater() {
        std::vector<std::string> r;
        Tabeller& t = tabeller();
        for (const GridTabel* g : {&t.OploesningData, &t.IonbytningData, &t.RedoxData, &t.NedstroemAnalyseData,
                                   &t.NedstroemKarbonatData, &t.MellemregningData, &t.RedoxSumData,
                                   &t.DiagramTUCData, &t.DiagramAlkalinitetData})
            for (int rr = g->foersteRaekke(); rr <= g->sidsteRaekke(); ++rr)
                for (int c = g->foersteSoejle(); c <= g->sidsteSoejle(); ++c) {
                    const Variant v = g->hent(rr, c);
                    r.push_back(v.isNull() ? "Null" : TekstForm(v));
                }
        return r;
    }

    // Quality control, then "Andet" refused, the carbon values typed, both model runs.
    void koer() {
        std::string besked;
        ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;
        EXPECT_EQ(tilstand().AntalBoringer, 4);
        BeregnNedstroemVandkvalitet();
        EXPECT_EQ(tabeller().ModelstofData.hent(1, 1), Variant("Acetone"));

        // Pick "Andet stof" while the carbon cells hold Acetone's values: accepted and opened.
        tabeller().KulstofData.saet(1, 1, Variant());
        beskeder.vist.clear();
        ASSERT_TRUE(grid(10).pickShown(0, 1, "Andet stof"));
        ASSERT_EQ(beskeder.tekster(), std::vector<std::string>{"Udfyld kulstofvalens og kulstofindhold "});
        EXPECT_FALSE(inddataGrids().TDBGrid(11).column(1).locked());
        ASSERT_TRUE(grid(11).typeAndEnter(0, 1, Tal(-0.5)));
        ASSERT_TRUE(grid(11).typeAndEnter(1, 1, Tal(70)));
        EXPECT_TRUE(HentProcesdataAendret());

        beskeder.vist.clear();
        ModellerUdenKalkligevaegt();
        ASSERT_TRUE(beskeder.vist.empty()) << beskeder.vist[0].tekst;
        EXPECT_EQ(tilstand().ModelstofNavn, Variant("Andet"));
        EXPECT_EQ(tilstand().KulstofValens, Variant(-0.5));
        EXPECT_EQ(tilstand().KulstofIndhold, Variant(70.0));
        EXPECT_FALSE(HentProcesdataAendret());
        ModellerMedKalkligevaegt();
        ASSERT_TRUE(beskeder.vist.empty()) << beskeder.vist[0].tekst;
        EXPECT_EQ(tilstand().TvungenKalkligevaegt, Sand);
    }

    std::unique_ptr<TalformatScope> format;
    RecordingBeskeder beskeder;
    std::unique_ptr<RecordingInddataGrids> grids;
    std::unique_ptr<RecordingChart> tuc;
    std::unique_ptr<RecordingChart> alk;
    TempDir dir;
    std::string sti;
};

TEST_P(LokalitetTest, SkrivKoerGemRydHentOgKoerIgen) {
    ASSERT_NO_FATAL_FAILURE(skrivSted());
    // A refused cell leaves its table alone and shows the check's message once.
    ASSERT_FALSE(grid(1).typeAndEnter(1, 2, Tal(11)));
    ASSERT_EQ(beskeder.vist.size(), 1u);
    EXPECT_EQ(beskeder.vist[0].titel, "Inddatakontrol");
    EXPECT_EQ(beskeder.vist[0].tekst.rfind("Den indtastede værdi: 11", 0), 0u);
    grid(1).escape();
    EXPECT_EQ(TekstForm(tabeller().AnalyseData.hent(2, 2)), Tal(7.25));

    ASSERT_NO_FATAL_FAILURE(koer());
    // Both downstream columns and the modelled one, the budget in both charts.
    EXPECT_EQ(tabeller().NedstroemAnalyseData.hent(1, 4), Variant("N/A"));
    EXPECT_TRUE(tabeller().NedstroemAnalyseData.hent(3, 4).isDouble());
    EXPECT_EQ(inddataCharts().MSChart23().seriesCount(), 11);
    EXPECT_EQ(inddataCharts().MSChart24().seriesCount(), 14);
    EXPECT_EQ(inddataCharts().MSChart24().seriesFill(14), Farve::hvid());
    // Picking the hotspot as the from-borehole reruns the downstream model.
    tuc->glem();
    ASSERT_TRUE(grid(7).pick(0, 1, 1));
    EXPECT_EQ(tilstand().FraPosition, 2);
    EXPECT_EQ(tabeller().NedstroemAnalyseData.hent(1, 2), Variant("02-06-2004"));
    EXPECT_EQ(tuc->antal("setChartData(11x4)"), 1);
    ASSERT_TRUE(grid(7).pick(0, 1, 0));
    EXPECT_EQ(tilstand().FraPosition, 1);

    const auto celler = gemteCeller();
    // What the runs wrote is saved as it is: no character the file cannot hold.
    for (const auto& [noegle, tekst] : celler) EXPECT_FALSE(FoersteTegnUdenforWindows1252(tekst)) << noegle;
    const auto foer = resultater();
    ASSERT_TRUE(SkrivFil(sti));

    // New data: nothing of the site is left, the budget included.
    NulstilAlleData();
    NytVindue();
    EXPECT_EQ(inddataCharts().MSChart23().seriesCount(), 0);
    EXPECT_EQ(inddataCharts().MSChart24().seriesCount(), 0);
    EXPECT_TRUE(tabeller().DiagramTUCData.hent(1, 1).isEmpty());
    EXPECT_FALSE(ErUdfyldt(tabeller().AnalyseData.hent(1, 2)));

    ASSERT_TRUE(HentFil(sti));
    ASSERT_TRUE(KontrolAfInputfil(sti));
    NytVindue();
    const auto igen = gemteCeller();
    for (const auto& [noegle, tekst] : celler) EXPECT_EQ(igen.at(noegle), tekst) << noegle;

    ASSERT_NO_FATAL_FAILURE(koer());
    EXPECT_EQ(resultater(), foer);
}

INSTANTIATE_TEST_SUITE_P(Sprog, LokalitetTest, ::testing::Values(',', '.'),
                         [](const ::testing::TestParamInfo<char>& i) {
                             return std::string(i.param == ',' ? "Dansk" : "Engelsk");
                         });

}  // namespace
