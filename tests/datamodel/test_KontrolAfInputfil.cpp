#include "datamodel/InputKontroller.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "support/RecordingBeskeder.h"

namespace {

const std::string Sti = "/home/bruger/Ærø;grube.akv";
const std::string Besked = "Filen /home/bruger/Ærø;grube.akv er enten beskadiget \n\reller ikke en gyldig AKV fil.";

// A site as it comes out of the reader: texts, and doubles for the analyses.
void GyldigLokalitet() {
    NulstilAlleData();
    Tabeller& t = tabeller();
    t.LokalitetData.saet(1, 1, "Grube");
    t.LokalitetData.saet(5, 1, std::string(50, 'x'));
    for (int c = 2; c <= 6; ++c) {
        t.BoringData.saet(1, c, std::string(20, 'b'));
        t.BoringData.saet(2, c, "Opstrøm");
        t.AnalyseData.saet(1, c, 10.0);
        t.AnalyseData.saet(2, c, 7.0);
        t.AnalyseData.saet(3, c, 5.0);
        t.AnalyseData.saet(10, c, 8.0);
        t.AfstandData.saet(1, c, "999999,9");
        t.KomponentData.saet(1, c, "0");
    }
    t.AfstandData.saet(1, 1, "meter");
    t.KomponentData.saet(1, 0, std::string(20, 'k'));
    t.KomponentData.saet(1, 1, std::string(80, 'u'));  // the unit is not checked
    // Blocks 6 to 8 are not checked.
    t.KvalitetskontrolData.saet(1, 2, -1e300);
    t.BlandingData.saet(1, 1, std::string(500, 'z'));
    t.GrundvandstypeData[3].saet(1, 1, std::string(500, 'z'));
}

bool KoerKontrol(RecordingBeskeder& b) {
    const bool ok = KontrolAfInputfil(Sti);
    if (ok) {
        EXPECT_TRUE(b.vist.empty());
    } else {
        EXPECT_EQ(b.vist.size(), 1u);
        if (!b.vist.empty()) {
            EXPECT_EQ(b.vist[0].tekst, Besked);
            EXPECT_EQ(b.vist[0].ikon, BeskedIkon::Kritisk);
            EXPECT_EQ(b.vist[0].knapper, BeskedKnapper::OK);
            EXPECT_EQ(b.vist[0].titel, "Kontrol af inputfil");
        }
    }
    return ok;
}

struct Fejl {
    const char* navn;
    std::function<void(Tabeller&)> saet;
};

class EnFejl : public ::testing::TestWithParam<Fejl> {};

}  // namespace

TEST(KontrolAfInputfil, TommeTabellerPasserer) {
    TalformatScope dansk(Talformat::dansk());
    NulstilAlleData();
    RecordingBeskeder b;
    EXPECT_TRUE(KoerKontrol(b));
}

TEST(KontrolAfInputfil, GyldigLokalitetPasserer) {
    TalformatScope dansk(Talformat::dansk());
    GyldigLokalitet();
    RecordingBeskeder b;
    EXPECT_TRUE(KoerKontrol(b));
}

TEST_P(EnFejl, GiverEnBesked) {
    TalformatScope dansk(Talformat::dansk());
    GyldigLokalitet();
    GetParam().saet(tabeller());
    RecordingBeskeder b;
    EXPECT_FALSE(KoerKontrol(b));
}

INSTANTIATE_TEST_SUITE_P(
    Celler, EnFejl,
    ::testing::Values(
        Fejl{"site51", [](Tabeller& t) { t.LokalitetData.saet(3, 1, std::string(51, 'x')); }},
        Fejl{"name21", [](Tabeller& t) { t.BoringData.saet(1, 6, std::string(21, 'x')); }},
        Fejl{"position21", [](Tabeller& t) { t.BoringData.saet(2, 2, std::string(21, 'x')); }},
        Fejl{"date21", [](Tabeller& t) { t.BoringData.saet(3, 4, std::string(21, 'x')); }},
        Fejl{"pH10", [](Tabeller& t) { t.AnalyseData.saet(2, 3, 10.0); }},
        Fejl{"metanLast", [](Tabeller& t) { t.AnalyseData.saet(18, 6, 50.0); }},
        Fejl{"unit21", [](Tabeller& t) { t.AfstandData.saet(1, 1, std::string(21, 'x')); }},
        Fejl{"distance1e6", [](Tabeller& t) { t.AfstandData.saet(1, 6, "1000000"); }},
        Fejl{"distanceText", [](Tabeller& t) { t.AfstandData.saet(1, 2, "langt"); }},
        Fejl{"componentName21", [](Tabeller& t) { t.KomponentData.saet(5, 0, std::string(21, 'x')); }},
        Fejl{"concentrationNegative", [](Tabeller& t) { t.KomponentData.saet(5, 6, "-1"); }},
        Fejl{"concentrationText", [](Tabeller& t) { t.KomponentData.saet(2, 2, "n.d."); }},
        Fejl{"threeCells",
             [](Tabeller& t) {
                 t.LokalitetData.saet(1, 1, std::string(51, 'x'));
                 t.AnalyseData.saet(1, 2, 80.0);
                 t.KomponentData.saet(1, 3, "1000000");
             }}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(KontrolAfInputfil, LaderTabellerneUroerte) {
    TalformatScope dansk(Talformat::dansk());
    GyldigLokalitet();
    tabeller().AnalyseData.saet(2, 2, 10.0);
    RecordingBeskeder b;
    EXPECT_FALSE(KontrolAfInputfil(Sti));
    EXPECT_EQ(tabeller().AnalyseData.hent(2, 2), Variant(10.0));
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), Variant("Grube"));
}
