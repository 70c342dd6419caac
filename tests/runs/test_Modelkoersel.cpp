// The two geochemical model runs: the variant flag set and restored on failure, the
// engine's message shown critical without a title, the user's carbon values and the
// substance taken from the grid, the process tables rounded per column, the
// downstream run started, the changed-process-data flag cleared.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "engine/GeokemiskModellering.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "runs/Kvalitetskontrol.h"
#include "runs/Modelkoersel.h"
#include "support/RecordingBeskeder.h"
#include "support/KoerselFixture.h"
#include "support/VariantUdskrift.h"

namespace {

// An aerobic upstream water and a reduced downstream one (mg/l; temperature in °C).
constexpr double Opstroem[18] = {9.0, 7.2, 95.0, 12.0, 22.0, 3.0, 0.05, 0.05, 0.02, 290.0,
                                 40.0, 60.0, 12.0, 0.3, 0.05, 2.5, 6.0, 0.01};
constexpr double Nedstroem[18] = {10.0, 6.9, 110.0, 12.0, 24.0, 3.1, 0.4, 3.5, 0.4, 340.0,
                                  41.0, 45.0, 0.5, 0.3, 0.08, 8.0, 0.3, 0.8};

class ModelkoerselTest : public KoerselTest {
protected:
    void SetUp() override {
        KoerselTest::SetUp();
        Tabeller& tab = tabeller();
        tab.BoringData.saet(1, 2, Variant("B1"));
        tab.BoringData.saet(1, 3, Variant("B2"));
        tab.BoringData.saet(2, 2, Variant("opstrøm"));
        tab.BoringData.saet(2, 3, Variant("nedstrøm"));
        for (int i = 1; i <= 18; ++i) {
            tab.AnalyseData.saet(i, 2, Variant(Opstroem[i - 1]));
            tab.AnalyseData.saet(i, 3, Variant(Nedstroem[i - 1]));
        }
        std::string besked;
        ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;
        grids->glem();
        tuc->glem();
    }

    static void stof(Variant navn, Variant valens = Variant(), Variant indhold = Variant()) {
        tabeller().ModelstofData.saet(1, 1, std::move(navn));
        tabeller().KulstofData.saet(1, 1, std::move(valens));
        tabeller().KulstofData.saet(2, 1, std::move(indhold));
    }

    // The value rounded to d decimals, halves to the even neighbour.
    static Variant afrundet(const Variant& v, int d) {
        if (!v.isNumber()) return v;
        const double s = std::pow(10.0, d);
        const double r = std::nearbyint(*v.number() * s);
        return d == 0 ? Variant(static_cast<std::int64_t>(r)) : Variant(r / s);
    }

    RecordingBeskeder beskeder;
};

TEST_F(ModelkoerselTest, UdenKalkligevaegtFyldesTabellerne) {
    stof("Benzen");
    tilstand().TvungenKalkligevaegt = Sand;
    SaetProcesdataAendret(true);
    ModellerUdenKalkligevaegt();
    ASSERT_TRUE(beskeder.vist.empty()) << beskeder.vist[0].tekst;

    const Beregningstilstand& t = tilstand();
    EXPECT_EQ(t.TvungenKalkligevaegt, Falsk);
    EXPECT_FALSE(HentProcesdataAendret());
    EXPECT_EQ(t.ModelstofNavn, Variant("Benzen"));

    const Tabeller& tab = tabeller();
    EXPECT_EQ(tab.OploesningData.hent(1, 2), afrundet(t.ProcCO2, 0));
    EXPECT_EQ(tab.OploesningData.hent(2, 2), afrundet(t.ProcKalk, 0));
    EXPECT_TRUE(tab.OploesningData.hent(1, 2).isInteger());
    EXPECT_TRUE(tab.OploesningData.hent(1, 3).isEmpty());
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(tab.IonbytningData.hent(r, 2), afrundet(t.ProcesTabel(r + 2, 1), 0)) << r;
        EXPECT_TRUE(tab.IonbytningData.hent(r, 3).isEmpty()) << r;
    }
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(tab.RedoxData.hent(r, 2), afrundet(t.RedoxTabel(r, 1), 1)) << r;
    // Oxygen reduction is computed here: 6.0 - 0.3 mg O2/l.
    EXPECT_EQ(tab.RedoxData.hent(1, 2), Variant(5.7));
    for (int r = 7; r <= 11; ++r) EXPECT_TRUE(tab.RedoxData.hent(r, 2).isEmpty()) << r;

    // Each grid refreshed once, then the downstream run.
    for (const char* g : {"TDBGrid14", "TDBGrid15", "TDBGrid16", "TDBGrid7", "TDBGrid12", "TDBGrid20"})
        EXPECT_EQ((*grids)(g).antal("refresh"), 1) << g;
    EXPECT_EQ(tab.NedstroemAnalyseData.hent(1, 4), Variant("N/A"));
    EXPECT_TRUE(tab.NedstroemAnalyseData.hent(3, 4).isDouble());  // modelled pH
    EXPECT_EQ(tuc->antal("setChartData(11x4)"), 1);
}

TEST_F(ModelkoerselTest, MedKalkligevaegtSaetterFlaget) {
    stof("Toluen");
    tilstand().TvungenKalkligevaegt = Falsk;
    ModellerMedKalkligevaegt();
    ASSERT_TRUE(beskeder.vist.empty()) << beskeder.vist[0].tekst;
    EXPECT_EQ(tilstand().TvungenKalkligevaegt, Sand);
    // At calcite equilibrium the modelled calcite index is 0 to two decimals.
    EXPECT_EQ(tabeller().NedstroemKarbonatData.hent(4, 4), Variant(0.0));
}

TEST_F(ModelkoerselTest, ForslagVisesAfrundetMenBrugesSomIndtastet) {
    stof("Benzen");
    tilstand().ProcesTabel(3, 2) = Variant(12.5);  // salt
    ModellerUdenKalkligevaegt();
    ASSERT_TRUE(beskeder.vist.empty()) << beskeder.vist[0].tekst;
    EXPECT_EQ(tabeller().IonbytningData.hent(1, 3), Variant(12));
    EXPECT_EQ(tilstand().ProcesTabel(3, 2), Variant(12.5));
    EXPECT_EQ(tilstand().ProcSalt, Variant(12.5));
}

TEST_F(ModelkoerselTest, FejlGiverKritiskBeskedUdenTitelOgGenskaberFlaget) {
    // No substance chosen and no carbon values in use: the lookup refuses.
    tilstand().TvungenKalkligevaegt = Falsk;
    SaetProcesdataAendret(true);
    tabeller().OploesningData.saet(1, 2, Variant(77));
    ModellerMedKalkligevaegt();
    ASSERT_EQ(beskeder.vist.size(), 1u);
    EXPECT_EQ(beskeder.vist[0].tekst,
              "Både feltet 'Kulstof iltningstrin' og feltet 'Indhold af kulstof (%)' skal indeholde en værdi");
    EXPECT_EQ(beskeder.vist[0].ikon, BeskedIkon::Kritisk);
    EXPECT_EQ(beskeder.vist[0].knapper, BeskedKnapper::OK);
    EXPECT_EQ(beskeder.vist[0].titel, "");
    EXPECT_EQ(tilstand().TvungenKalkligevaegt, Falsk);
    EXPECT_TRUE(HentProcesdataAendret());
    EXPECT_EQ(tabeller().OploesningData.hent(1, 2), Variant(77));
    EXPECT_TRUE(tabeller().NedstroemAnalyseData.hent(1, 4).isEmpty());
    for (const char* g : {"TDBGrid14", "TDBGrid15", "TDBGrid16", "TDBGrid12"})
        EXPECT_TRUE((*grids)(g).kald.empty()) << g;
    EXPECT_TRUE(tuc->kald.empty());
}

TEST_F(ModelkoerselTest, FejletTvungenKoerselEfterVellykketUdenEfterladerDenForrige) {
    stof("Benzen");
    ModellerUdenKalkligevaegt();
    ASSERT_TRUE(beskeder.vist.empty());
    const Variant kalk = tabeller().OploesningData.hent(2, 2);
    const Variant ph = tabeller().NedstroemAnalyseData.hent(3, 4);
    // Carbon content 0 is refused by the engine.
    stof("Andet", Variant(0.0), Variant(0.0));
    SaetProcesdataAendret(true);
    ModellerMedKalkligevaegt();
    ASSERT_EQ(beskeder.vist.size(), 1u);
    EXPECT_EQ(beskeder.vist[0].ikon, BeskedIkon::Kritisk);
    EXPECT_EQ(tilstand().TvungenKalkligevaegt, Falsk);
    EXPECT_EQ(tabeller().OploesningData.hent(2, 2), kalk);
    EXPECT_EQ(tabeller().NedstroemAnalyseData.hent(3, 4), ph);
    EXPECT_TRUE(HentProcesdataAendret());
}

TEST_F(ModelkoerselTest, AndetTagerKulstofcellerneMedIndenMotoren) {
    TalformatScope dansk(Talformat::dansk());
    stof("Andet", Variant("2,5"), Variant(40));
    ModellerUdenKalkligevaegt();
    EXPECT_EQ(tilstand().BrugerKulstofValens, Variant(2.5));
    EXPECT_EQ(tilstand().BrugerKulstofIndhold, Variant(40.0));
    EXPECT_EQ(tilstand().KulstofValens, Variant(2.5));
    EXPECT_EQ(tilstand().KulstofIndhold, Variant(40.0));
}

TEST_F(ModelkoerselTest, AndetMedTomCelleGiverNul) {
    stof("Andet", Variant(std::string()), Variant(40.0));
    ModellerUdenKalkligevaegt();
    EXPECT_EQ(tilstand().BrugerKulstofValens, Variant(0.0));
    EXPECT_EQ(tilstand().BrugerKulstofIndhold, Variant(40.0));
}

TEST_F(ModelkoerselTest, AndetMedTekstDerIkkeErEtTalAfvisesAfMotoren) {
    stof("Andet", Variant("x"), Variant(40.0));
    ModellerUdenKalkligevaegt();
    EXPECT_TRUE(tilstand().BrugerKulstofValens.isEmpty());
    ASSERT_EQ(beskeder.vist.size(), 1u);
    EXPECT_EQ(beskeder.vist[0].tekst, ManglerKulstofvaerdier);
}

TEST_F(ModelkoerselTest, AndreStofferRoererIkkeBrugerensVaerdier) {
    stof("Benzen", Variant(3.0), Variant(50.0));
    tilstand().BrugerKulstofValens = Variant(0);
    tilstand().BrugerKulstofIndhold = Variant(2);
    ModellerUdenKalkligevaegt();
    EXPECT_EQ(tilstand().BrugerKulstofValens, Variant(0));
    EXPECT_EQ(tilstand().BrugerKulstofIndhold, Variant(2));
    EXPECT_EQ(tilstand().KulstofValens, Variant(-1.0));
}

// "Andet" refused for missing carbon values keeps the older substance in the state;
// once the user has typed the values, the run models "Andet" with them.
TEST_F(ModelkoerselTest, StoffetTagesFraGriddetIkkeEtAeldreValg) {
    tilstand().ModelstofNavn = Variant("Benzen");
    stof("Andet", Variant(-2.0), Variant(55.0));
    ModellerUdenKalkligevaegt();
    ASSERT_TRUE(beskeder.vist.empty()) << beskeder.vist[0].tekst;
    EXPECT_EQ(tilstand().ModelstofNavn, Variant("Andet"));
    EXPECT_EQ(tilstand().KulstofValens, Variant(-2.0));
    EXPECT_EQ(tilstand().KulstofIndhold, Variant(55.0));
}

TEST_F(ModelkoerselTest, StandardstoffetFraNedstroemskoerslenModelleres) {
    // The downstream run put "Acetone" in the blank cell without naming it in the state.
    tabeller().ModelstofData.saet(1, 1, Variant("Acetone"));
    tilstand().ModelstofNavn = Variant();
    ModellerUdenKalkligevaegt();
    ASSERT_TRUE(beskeder.vist.empty()) << beskeder.vist[0].tekst;
    EXPECT_EQ(tilstand().KulstofValens, Variant(-1.333));
    EXPECT_EQ(tilstand().KulstofIndhold, Variant(62.1));
}

// A failed run blanks exactly the "Nyt forslag" cells whose proposals the engine
// withdrew for want of analyses; the redox processes are computed first, so their
// failure leaves the other proposals alone.
struct TruknetForslag {
    const char* navn;
    int analyt;  // AnalyseData row emptied downstream
    std::vector<int> blanke15, blanke16;
};

class TruknetForslagTest : public ModelkoerselTest, public ::testing::WithParamInterface<TruknetForslag> {};

TEST_P(TruknetForslagTest, FejletKoerselBlankerDeTrukneForslag) {
    const TruknetForslag& f = GetParam();
    stof("Benzen");
    tabeller().AnalyseData.saet(f.analyt, 3, Variant(""));
    // Salt (Cl), siderite (Fe), ammonium solution (NH4); oxygen (O2), iron (Fe) reduction.
    Tabeller& tab = tabeller();
    for (int r : {1, 3, 4}) {
        tab.IonbytningData.saet(r, 3, Variant("2"));
        tilstand().ProcesTabel(r + 2, 2) = Variant("2");
    }
    for (int r : {1, 4}) {
        tab.RedoxData.saet(r, 3, Variant("2"));
        tilstand().RedoxTabel(r, 2) = Variant("2");
    }
    ModellerMedKalkligevaegt();
    ASSERT_EQ(beskeder.vist.size(), 1u);
    EXPECT_EQ(beskeder.vist[0].ikon, BeskedIkon::Kritisk);

    const auto blanke = [](const GridTabel& t, std::vector<int> raekker) {
        std::vector<int> r;
        for (int i : raekker)
            if (t.hent(i, 3) == Variant("")) r.push_back(i);
        return r;
    };
    EXPECT_EQ(blanke(tab.IonbytningData, {1, 3, 4}), f.blanke15);
    EXPECT_EQ(blanke(tab.RedoxData, {1, 4}), f.blanke16);
    EXPECT_EQ((*grids)("TDBGrid15").antal("refresh"), f.blanke15.empty() ? 0 : 1);
    EXPECT_EQ((*grids)("TDBGrid16").antal("refresh"), f.blanke16.empty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Analyser, TruknetForslagTest,
                         ::testing::Values(TruknetForslag{"Jern", 8, {}, {4}},
                                           TruknetForslag{"Ammonium", 7, {4}, {}},
                                           TruknetForslag{"Klorid", 11, {1}, {}}),
                         [](const ::testing::TestParamInfo<TruknetForslag>& i) { return std::string(i.param.navn); });

TEST_F(ModelkoerselTest, ProcesdataFlag) {
    SaetProcesdataAendret(true);
    EXPECT_TRUE(HentProcesdataAendret());
    EXPECT_EQ(tilstand().ProcesdataAendret, Sand);
    SaetProcesdataAendret(false);
    EXPECT_FALSE(HentProcesdataAendret());
    EXPECT_EQ(tilstand().ProcesdataAendret, Falsk);
}

}  // namespace
