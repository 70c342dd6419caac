// The first-order run: choices, distances and concentrations in; dilution, distance
// from the hotspot and rounded rate constants out. Expected constants are worked out
// by hand from ln(C_H / C_F) / (X_H - X_F).
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "platform/InddataGrids.h"
#include "runs/Nedbrydningsmodel.h"
#include "support/KoerselFixture.h"

namespace {

class NedbrydningsmodelTest : public VisningTest {
protected:
    static GridTabel& fortynding() { return tabeller().FortyndingData; }
    static GridTabel& korr() { return tabeller().KorrKoncentrationData; }

    // Hotspot and filters as the quality-control run leaves them (Empty for none).
    static void vaelg(Variant hotspot, Variant f1, Variant f2, Variant f3) {
        GridTabel& n = tabeller().NedbrydningData;
        n.saet(1, 1, hotspot);
        n.saet(1, 2, f1);
        n.saet(1, 3, f2);
        n.saet(1, 4, f3);
    }
    static void afstande(const char* enhed, Variant a1, Variant a2, Variant a3, Variant a4, Variant a5) {
        GridTabel& a = tabeller().AfstandData;
        a.saet(1, 1, enhed);
        a.saet(1, 2, a1);
        a.saet(1, 3, a2);
        a.saet(1, 4, a3);
        a.saet(1, 5, a4);
        a.saet(1, 6, a5);
    }
    static void koncentration(int komponent, int boring, Variant v) {
        tabeller().KomponentData.saet(komponent, boring + 1, v);
    }
    static void blanding(int boring, Variant v) { tilstand().Blandingsforhold[static_cast<std::size_t>(boring)] = v; }
};

// Hotspot 1 and filters 2, 3, 4 at 0, 150, 400, 900 metres; component 1 falls from
// 10 to 5, 2.5 and 1 mg/l; mixing ratios 100, 50, 37.5 and 38.5 %.
TEST_F(NedbrydningsmodelTest, FireBoringerIMeter) {
    vaelg(1, 2, 3, 4);
    afstande("meter", 0.0, 150.0, 400.0, 900.0, Variant(std::string()));
    koncentration(1, 1, 10.0);
    koncentration(1, 2, 5.0);
    koncentration(1, 3, 2.5);
    koncentration(1, 4, 1.0);
    blanding(1, 100.0);
    blanding(2, 50.0);
    blanding(3, 37.5);
    blanding(4, 38.5);

    BeregnNedbrydningsmodel();

    // Dilution in whole percent, halves to even: 37.5 -> 38, 38.5 -> 38.
    EXPECT_EQ(fortynding().hent(1, 1), Variant("%"));
    EXPECT_EQ(fortynding().hent(1, 2), Variant(50));
    EXPECT_EQ(fortynding().hent(1, 3), Variant(38));
    EXPECT_EQ(fortynding().hent(1, 4), Variant(38));
    // Filter minus hotspot, not rounded, under the distance unit.
    EXPECT_EQ(fortynding().hent(2, 1), Variant("meter"));
    EXPECT_EQ(fortynding().hent(2, 2), Variant(150.0));
    EXPECT_EQ(fortynding().hent(2, 3), Variant(400.0));
    EXPECT_EQ(fortynding().hent(2, 4), Variant(900.0));

    // ln 2 / -150 = -0.0046210; ln 1 / -150 = 0
    // ln 4 / -400 = -0.0034657; ln(4 / (100/37.5)) / -400 = -0.0010137
    // ln 10 / -900 = -0.0025584; ln(10 / (100/38.5)) / -900 = -0.0014979
    const double forventet[] = {-0.0046, 0.0, -0.0035, -0.001, -0.0026, -0.0015};
    for (int c = 2; c <= 7; ++c) {
        SCOPED_TRACE(c);
        const Variant v = korr().hent(1, c);
        ASSERT_TRUE(v.isDouble());
        EXPECT_EQ(v.dbl(), forventet[c - 2]);
    }
    for (int j = 1; j <= 5; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(korr().hent(j, 0), Variant("Kulbrinte " + std::to_string(j)));
        EXPECT_EQ(korr().hent(j, 1), Variant("l/meter"));
    }
    // Components without concentrations have no constants.
    for (int j = 2; j <= 5; ++j)
        for (int c = 2; c <= 7; ++c) EXPECT_TRUE(korr().hent(j, c).isEmpty()) << j << "," << c;

    EXPECT_EQ((*grids)("TDBGrid18").antal("refresh"), 1);
    EXPECT_EQ((*grids)("TDBGrid19").antal("refresh"), 1);
}

TEST_F(NedbrydningsmodelTest, FilterTaettereEndHotspotGiverNegativAfstand) {
    vaelg(1, 2, Variant(), Variant());
    afstande("meter", 200.0, 50.0, Variant(), Variant(), Variant());
    BeregnNedbrydningsmodel();
    EXPECT_EQ(fortynding().hent(2, 2), Variant(-150.0));
}

// Distances and concentrations typed as Danish text: the worked example
// C_H = 10, C_F = 2,5, X 0 and 100 days, mixing ratios 100 and 50.
TEST_F(NedbrydningsmodelTest, TalSomTekstIBrugerensFormat) {
    TalformatScope dansk(Talformat::dansk());
    vaelg(1, 2, Variant(), Variant());
    afstande("dage", "0", "100", Variant(), Variant(), Variant());
    koncentration(1, 1, "10");
    koncentration(1, 2, "2,5");
    blanding(1, 100.0);
    blanding(2, 50.0);

    BeregnNedbrydningsmodel();

    EXPECT_EQ(tilstand().KulbrinteKonc(1, 2), 2.5);
    EXPECT_EQ(tilstand().Afstande[2], Variant("100"));  // the cell as it stands
    EXPECT_EQ(fortynding().hent(2, 2), Variant(100.0));
    EXPECT_EQ(fortynding().hent(2, 1), Variant("dage"));
    EXPECT_EQ(korr().hent(1, 1), Variant("l/dag"));
    EXPECT_EQ(korr().hent(1, 2), Variant(-0.0139));  // ln 4 / -100
    EXPECT_EQ(korr().hent(1, 3), Variant(-0.0069));  // ln 2 / -100
}

TEST_F(NedbrydningsmodelTest, FilterLigHotspotOgTomtFilterGiverTommeCeller) {
    vaelg(2, 2, Variant(), Variant(std::string()));
    afstande("meter", 0.0, 100.0, 200.0, Variant(), Variant());
    blanding(2, 60.0);
    fortynding().saet(1, 2, 99.0);  // from an earlier run
    fortynding().saet(2, 3, 99.0);
    BeregnNedbrydningsmodel();
    for (int c = 2; c <= 4; ++c) {
        EXPECT_TRUE(fortynding().hent(1, c).isEmpty()) << c;
        EXPECT_TRUE(fortynding().hent(2, c).isEmpty()) << c;
    }
}

TEST_F(NedbrydningsmodelTest, BlankAfstandVedHotspotEllerFilter) {
    vaelg(1, 2, 3, Variant());
    afstande("meter", Variant(std::string()), 100.0, 200.0, Variant(), Variant());
    blanding(2, 40.0);
    blanding(3, 20.0);
    BeregnNedbrydningsmodel();
    // Hotspot without a distance: no distance cell, the dilution still shown.
    EXPECT_TRUE(fortynding().hent(2, 2).isEmpty());
    EXPECT_TRUE(fortynding().hent(2, 3).isEmpty());
    EXPECT_EQ(fortynding().hent(1, 2), Variant(40));
    EXPECT_EQ(fortynding().hent(1, 3), Variant(20));
    EXPECT_TRUE(tilstand().Afstande[1].isEmpty());

    // Filter without a distance while the hotspot has one: an empty cell.
    afstande("meter", 0.0, 100.0, Variant(std::string()), Variant(), Variant());
    BeregnNedbrydningsmodel();
    EXPECT_EQ(fortynding().hent(2, 2), Variant(100.0));
    EXPECT_TRUE(fortynding().hent(2, 3).isEmpty());
}

TEST_F(NedbrydningsmodelTest, UdefineretBlandingsforholdGiverTomCelle) {
    vaelg(1, 2, Variant(), Variant());
    afstande("meter", 0.0, 100.0, Variant(), Variant(), Variant());
    BeregnNedbrydningsmodel();
    EXPECT_TRUE(fortynding().hent(1, 2).isEmpty());
}

TEST_F(NedbrydningsmodelTest, BlankKoncentrationTaellerSomNul) {
    vaelg(1, 2, Variant(), Variant());
    afstande("meter", 0.0, 100.0, Variant(), Variant(), Variant());
    tilstand().KulbrinteKonc(1, 1) = 7.0;  // an earlier run's value
    koncentration(1, 1, Variant(std::string()));
    koncentration(1, 2, 4.0);
    BeregnNedbrydningsmodel();
    EXPECT_EQ(tilstand().KulbrinteKonc(1, 1), 0.0);
    EXPECT_EQ(tilstand().KulbrinteKonc(1, 2), 4.0);
    EXPECT_TRUE(korr().hent(1, 2).isEmpty());
}

struct Enhedstilfaelde {
    const char* afstandsenhed;
    const char* rateenhed;  // the cell afterwards
};
void PrintTo(const Enhedstilfaelde& e, std::ostream* os) { *os << '"' << e.afstandsenhed << '"'; }

class Rateenheder : public NedbrydningsmodelTest, public ::testing::WithParamInterface<Enhedstilfaelde> {};

TEST_P(Rateenheder, EnhedForHverKomponent) {
    afstande(GetParam().afstandsenhed, Variant(), Variant(), Variant(), Variant(), Variant());
    BeregnNedbrydningsmodel();
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(korr().hent(j, 1), Variant(GetParam().rateenhed)) << j;
    EXPECT_EQ(fortynding().hent(2, 1), Variant(GetParam().afstandsenhed));
}

// Any other unit (the comparison is exact) leaves the set-up's "mg/l".
INSTANTIATE_TEST_SUITE_P(Afstandsenheder, Rateenheder,
                         ::testing::Values(Enhedstilfaelde{"meter", "l/meter"}, Enhedstilfaelde{"år", "l/år"},
                                           Enhedstilfaelde{"dage", "l/dag"}, Enhedstilfaelde{"Meter", "mg/l"},
                                           Enhedstilfaelde{"dag", "mg/l"}, Enhedstilfaelde{"", "mg/l"}));

TEST_F(NedbrydningsmodelTest, NytKomponentnavnVisesEfterKoersel) {
    tabeller().KomponentData.saet(3, 0, "Benzen");
    BeregnNedbrydningsmodel();
    EXPECT_EQ(korr().hent(3, 0), Variant("Benzen"));
}

TEST_F(NedbrydningsmodelTest, CellerUdenforKoerslenRoeresIkke) {
    fortynding().saet(1, 5, "x");
    korr().saet(2, 8, "y");
    BeregnNedbrydningsmodel();
    EXPECT_EQ(fortynding().hent(1, 1), Variant("%"));
    EXPECT_EQ(fortynding().hent(1, 5), Variant("x"));
    EXPECT_EQ(korr().hent(2, 8), Variant("y"));
}

struct Valgtilfaelde {
    Variant celle;
    std::int16_t nummer;
};
void PrintTo(const Valgtilfaelde& v, std::ostream* os) { *os << '"' << TekstForm(v.celle) << "\" -> " << v.nummer; }

class Boringsvalg : public NedbrydningsmodelTest, public ::testing::WithParamInterface<Valgtilfaelde> {};

// A choice cell that is not a borehole 1..5 stands for no borehole.
TEST_P(Boringsvalg, CelleTilBoringsnummer) {
    TalformatScope dansk(Talformat::dansk());
    vaelg(GetParam().celle, GetParam().celle, Variant(), Variant(std::string()));
    BeregnNedbrydningsmodel();
    EXPECT_EQ(tilstand().HotspotNr, GetParam().nummer);
    EXPECT_EQ(tilstand().FilterNr[1], GetParam().nummer);
    EXPECT_EQ(tilstand().FilterNr[2], 0);
    EXPECT_EQ(tilstand().FilterNr[3], 0);
}

INSTANTIATE_TEST_SUITE_P(Celler, Boringsvalg,
                         ::testing::Values(Valgtilfaelde{Variant(3), 3}, Valgtilfaelde{Variant(5.0), 5},
                                           Valgtilfaelde{Variant("2"), 2}, Valgtilfaelde{Variant(), 0},
                                           Valgtilfaelde{Variant(std::string()), 0}, Valgtilfaelde{Variant(0), 0},
                                           Valgtilfaelde{Variant(6), 0}, Valgtilfaelde{Variant(-1), 0},
                                           Valgtilfaelde{Variant("B1"), 0}, Valgtilfaelde{Variant::null(), 0}));

// A hotspot cell holding something else counts as none: no distance is taken from
// the unit cell, and nothing is indexed past the arrays.
TEST_F(NedbrydningsmodelTest, UgyldigHotspotGiverIngenAfstand) {
    vaelg(9, 2, Variant(), Variant());
    afstande("meter", 0.0, 100.0, Variant(), Variant(), Variant());
    blanding(2, 30.0);
    BeregnNedbrydningsmodel();
    EXPECT_EQ(fortynding().hent(1, 2), Variant(30));
    EXPECT_TRUE(fortynding().hent(2, 2).isEmpty());
}

}  // namespace
