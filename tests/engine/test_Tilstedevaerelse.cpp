#include <gtest/gtest.h>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "engine/Tilstedevaerelse.h"
#include "support/Standardvand.h"

namespace {

struct Celler {
    const char* navn;
    Variant opstroem;
    Variant nedstroem;
    bool tilstede;
};

class AnalytTilstedeTest : public ::testing::TestWithParam<Celler> {
protected:
    void SetUp() override {
        OpretDataStrukturer();
        TommeAnalyser();
        tilstand().FraPosition = 4;
        tilstand().TilPosition = 1;
    }
};

TEST_P(AnalytTilstedeTest, BeggeCellerSkalHaveTekst) {
    const Celler& c = GetParam();
    GridTabel& a = tabeller().AnalyseData;
    a.saet(12, 5, c.opstroem);   // column FraPosition + 1
    a.saet(12, 2, c.nedstroem);  // column TilPosition + 1
    // Neighbouring rows and columns filled, so only the right cells can decide.
    for (int k : {11, 13})
        for (int s = 0; s <= 6; ++s) a.saet(k, s, 1.0);
    for (int s : {0, 1, 3, 4, 6}) a.saet(12, s, 1.0);
    EXPECT_EQ(AnalytTilstede(12), c.tilstede);
}

INSTANTIATE_TEST_SUITE_P(
    Tilfaelde, AnalytTilstedeTest,
    ::testing::Values(Celler{"BeggeTal", 1.5, Variant(std::int64_t{0}), true},
                      Celler{"NulErEnVaerdi", 0.0, 0.0, true},
                      Celler{"TekstTaeller", "ikke målt", "<0,1", true},
                      Celler{"MellemrumTaeller", " ", 2.0, true},
                      Celler{"TomOpstroem", Variant(), 2.0, false},
                      Celler{"TomNedstroem", 2.0, Variant(), false},
                      Celler{"TomTekstOpstroem", Variant(std::string()), 2.0, false},
                      Celler{"TomTekstNedstroem", 2.0, Variant(std::string()), false},
                      Celler{"Null", Variant::null(), 2.0, false},
                      Celler{"BeggeTomme", Variant(), Variant(), false}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(ForslagIKraftTest, KunEnTomCelleErIntetForslag) {
    EXPECT_FALSE(ForslagIKraft(Variant()));
    EXPECT_TRUE(ForslagIKraft(Variant(0.0)));
    EXPECT_TRUE(ForslagIKraft(Variant(std::int64_t{0})));
    EXPECT_TRUE(ForslagIKraft(Variant(-3.5)));
    EXPECT_TRUE(ForslagIKraft(Variant("2,5")));
}

}  // namespace
