// The downstream water-quality run and the choice of model substance: the measured
// columns copied as they stand, the modelled column rounded per row (halves to the
// even neighbour), captions, refreshes, the default substance, the chain to the
// intermediate results and charts; the three paths of the substance choice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "runs/NedstroemVandkvalitet.h"
#include "support/RecordingBeskeder.h"
#include "support/KoerselFixture.h"
#include "support/VariantUdskrift.h"

namespace {

class NedstroemTest : public KoerselTest {
protected:
    void SetUp() override {
        KoerselTest::SetUp();
        Tabeller& tab = tabeller();
        for (int b = 1; b <= 5; ++b) {
            tab.BoringData.saet(1, b + 1, Variant("B" + std::to_string(b)));
            tab.BoringData.saet(2, b + 1, Variant("P" + std::to_string(b)));
            tab.BoringData.saet(3, b + 1, Variant("0" + std::to_string(b) + "-05-2003"));
            tilstand().PositionsTabel(2, b) = Variant("Pos" + std::to_string(b));
            // Analyte row i of borehole b: 100 b + i, as the user typed it.
            for (int i = 1; i <= 18; ++i) tab.AnalyseData.saet(i, b + 1, Variant(100.0 * b + i));
            for (int i = 6; i <= 10; ++i) tab.KvalitetskontrolData.saet(i, b + 1, Variant(1000.0 * b + i));
        }
        tilstand().FraPosition = 2;
        tilstand().TilPosition = 4;
        grids->glem();
    }

    static GridTabel& analyse() { return tabeller().NedstroemAnalyseData; }
    static GridTabel& karbonat() { return tabeller().NedstroemKarbonatData; }

    RecordingBeskeder beskeder;
};

TEST_F(NedstroemTest, MaaltVandKopieresUaendret) {
    TalformatScope dansk(Talformat::dansk());
    Tabeller& tab = tabeller();
    tab.AnalyseData.saet(7, 3, Variant());                 // blank ammonium at borehole 2
    tab.AnalyseData.saet(8, 5, Variant(std::string()));    // "" iron at borehole 4
    tab.AnalyseData.saet(2, 3, Variant("7,1"));            // text as typed
    tab.KvalitetskontrolData.saet(10, 3, Variant("N/A"));
    BeregnNedstroemVandkvalitet();

    const Beregningstilstand& t = tilstand();
    EXPECT_EQ(tab.PlaceringData.hent(1, 1), Variant(2));
    EXPECT_EQ(tab.PlaceringData.hent(1, 2), Variant(4));
    EXPECT_EQ(tab.KarakteriseringData.hent(1, 1), Variant("Pos2"));
    EXPECT_EQ(tab.KarakteriseringData.hent(1, 2), Variant("Pos4"));
    EXPECT_EQ(analyse().hent(1, 2), Variant("02-05-2003"));
    EXPECT_EQ(analyse().hent(1, 3), Variant("04-05-2003"));
    EXPECT_EQ(analyse().hent(1, 4), Variant("N/A"));
    for (int i = 1; i <= 18; ++i) {
        SCOPED_TRACE("analyte " + std::to_string(i));
        EXPECT_EQ(analyse().hent(i + 1, 2), tab.AnalyseData.hent(i, 3));
        EXPECT_EQ(analyse().hent(i + 1, 3), tab.AnalyseData.hent(i, 5));
        EXPECT_EQ(t.NedstroemModel(i, 1), tab.AnalyseData.hent(i, 3));
        EXPECT_EQ(t.NedstroemModel(i, 2), tab.AnalyseData.hent(i, 5));
    }
    EXPECT_EQ(analyse().hent(3, 2), Variant("7,1"));
    EXPECT_TRUE(t.NedstroemModel(7, 1).isEmpty());
    EXPECT_EQ(t.NedstroemModel(8, 2), Variant(std::string()));
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE("carbonate " + std::to_string(i));
        EXPECT_EQ(karbonat().hent(i, 2), tab.KvalitetskontrolData.hent(i + 5, 3));
        EXPECT_EQ(karbonat().hent(i, 3), tab.KvalitetskontrolData.hent(i + 5, 5));
        EXPECT_EQ(t.NedstroemModel(i + 18, 1), karbonat().hent(i, 2));
        EXPECT_EQ(t.NedstroemModel(i + 18, 2), karbonat().hent(i, 3));
    }
    EXPECT_EQ(karbonat().hent(5, 2), Variant("N/A"));
    EXPECT_EQ(karbonat().hent(1, 3), Variant(4006.0));
}

TEST_F(NedstroemTest, SammeBoringIBeggeSoejler) {
    tilstand().TilPosition = 2;
    BeregnNedstroemVandkvalitet();
    for (int i = 1; i <= 19; ++i) EXPECT_EQ(analyse().hent(i, 2), analyse().hent(i, 3)) << i;
    EXPECT_EQ(tabeller().PlaceringData.hent(1, 2), Variant(2));
}

// The modelled water of element 0, with values whose last shown digit is a half.
struct Modelraekke {
    int raekke;         // of NedstroemModel
    Variant vist;       // expected in column 4
};

TEST_F(NedstroemTest, ModelleretSoejleAfrundesPrRaekke) {
    Beregningstilstand& t = tilstand();
    t.PH[0] = 7.125;           // 2 decimals -> 7.12
    t.KoncCa[0] = 42.5;        // 0 -> 42
    t.KoncNa[0] = 12.5;        // 0 -> 12
    t.KoncNH4[0] = 0.125;      // 2 -> 0.12
    t.KoncFe[0] = 0.375;       // 2 -> 0.38
    t.KoncMn[0] = 1.625;       // 2 -> 1.62
    t.KoncHCO3[0] = 250.5;     // 0 -> 250
    t.KoncCl[0] = 33.5;        // 0 -> 34
    t.KoncSO4[0] = 64.5;       // 0 -> 64
    t.KoncNO3[0] = 2.5;        // 0 -> 2
    t.OploestCO2[0] = 10.25 / 44000;  // x 44000 = 10.25, 1 decimal -> 10.2
    t.CO2Tryk[0] = 0.0125;     // 3 -> 0.012
    t.TUC[0] = 0.005125;       // x 1000 = 5.125, 2 -> 5.12
    t.MaetnIndeksCaCO3[0] = 0.125;  // 2 -> 0.12
    t.MaetnIndeksFeCO3[0] = Variant(-0.375);  // 2 -> -0.38
    // Oxygen: borehole 2's 217 less 3.25 = 213.75 -> 1 decimal 213.8 (no tie); methane
    // 218 + 0.25 = 218.25 -> 218.2 (tie to even).
    t.ProcIltreduktion = Variant(3.25);
    t.ProcMethanogenese = Variant(0.25);
    BeregnNedstroemVandkvalitet();

    const std::vector<Modelraekke> forventet{
        {1, Variant()},        {2, Variant(7.12)},   {3, Variant(42)},     {4, Variant()},
        {5, Variant(12)},      {6, Variant()},       {7, Variant(0.12)},   {8, Variant(0.38)},
        {9, Variant(1.62)},    {10, Variant(250)},   {11, Variant(34)},    {12, Variant(64)},
        {13, Variant(2)},      {14, Variant()},      {15, Variant()},      {16, Variant()},
        {17, Variant(213.8)},  {18, Variant(218.2)}, {19, Variant(10.2)},  {20, Variant(0.012)},
        {21, Variant(5.12)},   {22, Variant(0.12)},  {23, Variant(-0.38)},
    };
    for (const Modelraekke& m : forventet) {
        SCOPED_TRACE("row " + std::to_string(m.raekke));
        const Variant vist = m.raekke <= 18 ? analyse().hent(m.raekke + 1, 4) : karbonat().hent(m.raekke - 18, 4);
        EXPECT_EQ(vist, m.vist);
    }
    // The state keeps the unrounded value.
    EXPECT_EQ(t.NedstroemModel(2, 3), Variant(7.125));
}

TEST_F(NedstroemTest, HalvtHeltalCalciumGaarTilLigeNabo) {
    tilstand().KoncCa[0] = 41.5;
    BeregnNedstroemVandkvalitet();
    EXPECT_EQ(analyse().hent(4, 4), Variant(42));
    tilstand().KoncCa[0] = 42.5;
    BeregnNedstroemVandkvalitet();
    EXPECT_EQ(analyse().hent(4, 4), Variant(42));
}

TEST_F(NedstroemTest, TomOgNAVisesSomDeEr) {
    tilstand().MaetnIndeksFeCO3[0] = Variant("N/A");
    tabeller().AnalyseData.saet(5, 5, Variant());  // sodium missing at borehole 4
    BeregnNedstroemVandkvalitet();
    EXPECT_EQ(karbonat().hent(5, 4), Variant("N/A"));
    EXPECT_TRUE(analyse().hent(6, 4).isEmpty());
    EXPECT_TRUE(analyse().hent(2, 4).isEmpty());  // temperature is never modelled
}

TEST_F(NedstroemTest, OverskrifterOgOpfriskning) {
    BeregnNedstroemVandkvalitet();
    EXPECT_EQ(inddataGrids().TDBGrid(12).column(2).caption(), "B2");
    EXPECT_EQ(inddataGrids().TDBGrid(12).column(3).caption(), "B4");
    EXPECT_EQ(inddataGrids().TDBGrid(13).column(2).caption(), "b/f 1");
    EXPECT_EQ(inddataGrids().TDBGrid(13).column(3).caption(), "b/f 2");
    EXPECT_EQ((*grids)("TDBGrid12").kald,
              (std::vector<std::string>{"column(2).setCaption(\"B2\")", "column(3).setCaption(\"B4\")", "refresh"}));
    for (const char* g : {"TDBGrid7", "TDBGrid8", "TDBGrid13"})
        EXPECT_EQ((*grids)(g).kald, std::vector<std::string>{"refresh"}) << g;
    EXPECT_TRUE(tabeller().PlaceringData.hent(1, 1).isInteger());
}

TEST_F(NedstroemTest, StandardstofNaarCellenErBlank) {
    for (Variant blank : {Variant(), Variant(std::string())}) {
        tabeller().ModelstofData.saet(1, 1, blank);
        tabeller().KulstofData.saet(1, 1, Variant());
        tabeller().KulstofData.saet(2, 1, Variant());
        tilstand().ModelstofNavn = Variant();
        tilstand().KulstofValens = Variant();
        tilstand().KulstofIndhold = Variant();
        grids->glem();
        BeregnNedstroemVandkvalitet();
        EXPECT_EQ(tabeller().ModelstofData.hent(1, 1), Variant("Acetone"));
        EXPECT_EQ(tabeller().KulstofData.hent(1, 1), Variant(-1.333));
        EXPECT_EQ(tabeller().KulstofData.hent(2, 1), Variant(62.1));
        EXPECT_EQ(tilstand().KulstofValens, Variant(-1.333));
        EXPECT_EQ(tilstand().KulstofIndhold, Variant(62.1));
        EXPECT_TRUE(tilstand().ModelstofNavn.isEmpty());
        EXPECT_EQ((*grids)("TDBGrid10").kald, std::vector<std::string>{"refresh"});
        EXPECT_EQ((*grids)("TDBGrid11").kald, std::vector<std::string>{"refresh"});  // no lock change
    }
}

TEST_F(NedstroemTest, ValgtStofRoeresIkke) {
    tabeller().ModelstofData.saet(1, 1, Variant("Benzen"));
    tabeller().KulstofData.saet(1, 1, Variant(-1.0));
    tabeller().KulstofData.saet(2, 1, Variant(92.3));
    tilstand().KulstofValens = Variant(-1.0);
    BeregnNedstroemVandkvalitet();
    EXPECT_EQ(tabeller().ModelstofData.hent(1, 1), Variant("Benzen"));
    EXPECT_EQ(tabeller().KulstofData.hent(2, 1), Variant(92.3));
    EXPECT_EQ(tilstand().KulstofValens, Variant(-1.0));
    EXPECT_TRUE((*grids)("TDBGrid10").kald.empty());
    EXPECT_TRUE((*grids)("TDBGrid11").kald.empty());
}

TEST_F(NedstroemTest, SlutterMedMellemregningerTabellerOgDiagrammer) {
    tilstand().KoncHCO3[2] = 210;
    tilstand().KoncHCO3[4] = 410;
    BeregnNedstroemVandkvalitet();
    // The intermediate-results view ran: its grids were refreshed and the measured
    // change of bicarbonate ((410 - 210) / 61 = 3.2787) is in place.
    EXPECT_EQ((*grids)("TDBGrid20").antal("refresh"), 1);
    EXPECT_EQ((*grids)("TDBGrid21").antal("refresh"), 1);
    EXPECT_EQ(tabeller().RedoxSumData.hent(2, 2), Variant(3.28));
    EXPECT_EQ(tabeller().DiagramTUCData.hent(11, -1), Variant("R11"));
    EXPECT_EQ(tabeller().DiagramAlkalinitetData.hent(14, 4), Variant(3.279));
    EXPECT_EQ(tuc->antal("setChartData(11x4)"), 1);
    EXPECT_EQ(alk->antal("setChartData(14x4)"), 1);
    EXPECT_EQ(inddataCharts().MSChart24().value(14, 4), Variant(3.279));
    EXPECT_EQ((*grids)("TDBGrid23").kald, (std::vector<std::string>{"bind", "rebind", "refresh"}));
}

// Each chart is drawn from the table just filled from the recomputed intermediate
// results: measured TUC change (0.0065 - 0.004) x 1000 = 2.5 mmol/l, alkalinity
// (250 - 189) / 61 = 1 meq/l.
TEST_F(NedstroemTest, HvertDiagramTegnesEfterSinTabel) {
    tilstand().TUC[2] = 0.004;
    tilstand().TUC[4] = 0.0065;
    tilstand().KoncHCO3[2] = 189;
    tilstand().KoncHCO3[4] = 250;
    BeregnNedstroemVandkvalitet();
    EXPECT_EQ(tabeller().DiagramTUCData.hent(11, 4), Variant(2.5));
    EXPECT_EQ(inddataCharts().MSChart23().value(11, 4), Variant(2.5));
    EXPECT_EQ(inddataCharts().MSChart24().value(14, 4), Variant(1.0));
}

TEST_F(NedstroemTest, PositionUdenforStopperKoerslen) {
    for (auto [fra, til] : {std::pair{6, 2}, std::pair{2, -1}}) {
        tilstand().FraPosition = static_cast<std::int16_t>(fra);
        tilstand().TilPosition = static_cast<std::int16_t>(til);
        BeregnNedstroemVandkvalitet();
        EXPECT_TRUE(tabeller().PlaceringData.hent(1, 1).isEmpty());
        EXPECT_TRUE(analyse().hent(2, 2).isEmpty());
        EXPECT_TRUE(tuc->kald.empty());
    }
}

// ---- VaelgModelstof ----

class ModelstofTest : public NedstroemTest {
protected:
    static void vaelg(Variant stof, Variant valens, Variant indhold) {
        tabeller().ModelstofData.saet(1, 1, std::move(stof));
        tabeller().KulstofData.saet(1, 1, std::move(valens));
        tabeller().KulstofData.saet(2, 1, std::move(indhold));
        VaelgModelstof();
    }
    static bool laast() { return inddataGrids().TDBGrid(11).column(1).locked(); }
};

TEST_F(ModelstofTest, NavngivetStofSlaasOpOgLaases) {
    vaelg("Benzen", Variant(), Variant());
    EXPECT_TRUE(beskeder.vist.empty());
    EXPECT_EQ(tilstand().ModelstofNavn, Variant("Benzen"));
    EXPECT_EQ(tabeller().KulstofData.hent(1, 1), Variant(-1.0));
    EXPECT_EQ(tabeller().KulstofData.hent(2, 1), Variant(92.3));
    EXPECT_TRUE(laast());
    EXPECT_EQ((*grids)("TDBGrid11").kald,
              (std::vector<std::string>{"refresh", "column(1).setLocked(true)"}));
    vaelg("Phenol", Variant(1.0), Variant(2.0));
    EXPECT_EQ(tabeller().KulstofData.hent(1, 1), Variant(-0.667));
    EXPECT_EQ(tabeller().KulstofData.hent(2, 1), Variant(76.6));
}

TEST_F(ModelstofTest, AndetMedBeggeVaerdierAabnesForRettelser) {
    TalformatScope dansk(Talformat::dansk());
    vaelg("Benzen", Variant(), Variant());
    vaelg("Andet", Variant("2,5"), Variant(40));
    EXPECT_TRUE(beskeder.vist.empty());
    EXPECT_EQ(tilstand().BrugerKulstofValens, Variant(2.5));
    EXPECT_EQ(tilstand().BrugerKulstofIndhold, Variant(40.0));
    EXPECT_EQ(tilstand().ModelstofNavn, Variant("Andet"));
    EXPECT_EQ(tabeller().KulstofData.hent(1, 1), Variant(2.5));
    EXPECT_EQ(tabeller().KulstofData.hent(2, 1), Variant(40.0));
    EXPECT_FALSE(laast());
}

TEST_F(ModelstofTest, AndetUdenVaerdierAfvisesMedBesked) {
    vaelg("Benzen", Variant(), Variant());
    for (auto [valens, indhold] : {std::pair{Variant(), Variant(40.0)}, std::pair{Variant(2.5), Variant(std::string())},
                                   std::pair{Variant(), Variant()}}) {
        beskeder.vist.clear();
        vaelg("Andet", valens, indhold);
        ASSERT_EQ(beskeder.vist.size(), 1u);
        EXPECT_EQ(beskeder.vist[0].tekst, "Udfyld kulstofvalens og kulstofindhold ");
        EXPECT_EQ(beskeder.vist[0].ikon, BeskedIkon::Udraab);
        EXPECT_EQ(beskeder.vist[0].knapper, BeskedKnapper::OK);
        EXPECT_EQ(beskeder.vist[0].titel, "");
        EXPECT_FALSE(laast());
        EXPECT_EQ(tilstand().ModelstofNavn, Variant("Benzen"));
        EXPECT_EQ(tilstand().KulstofValens, Variant(-1.0));
        EXPECT_EQ(tabeller().KulstofData.hent(1, 1), valens);
        EXPECT_EQ(tabeller().KulstofData.hent(2, 1), indhold);
        EXPECT_EQ(tabeller().ModelstofData.hent(1, 1), Variant("Andet"));
    }
}

TEST_F(ModelstofTest, AndetSammenlignesPaaStoreOgSmaaBogstaver) {
    vaelg("Benzen", Variant(), Variant());
    vaelg("andet", Variant(), Variant());
    EXPECT_TRUE(beskeder.vist.empty());
    EXPECT_EQ(tilstand().ModelstofNavn, Variant("andet"));
    // An unknown name leaves the values in use as they were.
    EXPECT_EQ(tabeller().KulstofData.hent(1, 1), Variant(-1.0));
    EXPECT_TRUE(laast());
}

TEST_F(ModelstofTest, TekstDerIkkeErEtTalBliverTom) {
    vaelg("Andet", Variant("x"), Variant(40.0));
    EXPECT_TRUE(beskeder.vist.empty());
    EXPECT_TRUE(tilstand().BrugerKulstofValens.isEmpty());
    EXPECT_TRUE(tabeller().KulstofData.hent(1, 1).isEmpty());
}

}  // namespace
