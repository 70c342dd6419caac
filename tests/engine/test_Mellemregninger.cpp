#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "datamodel/Tabeller.h"
#include "engine/Ionbytningsprocesser.h"
#include "engine/Mellemregninger.h"
#include "engine/Redoxprocesser.h"
#include "support/Standardvand.h"

namespace {

constexpr double T = std::numeric_limits<double>::quiet_NaN();  // the cell stays empty

class MellemregningTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpretDataStrukturer();
        Beregningstilstand& t = tilstand();
        t.FraPosition = 1;
        t.TilPosition = 2;
        t.KoncHCO3[1] = 300;
        t.KoncHCO3[2] = 361;
        t.TUC[1] = 0.005;
        t.TUC[2] = 0.0065;
        t.KulstofValens = 0.0;
    }
    static Variant& M(int r, int c) { return tilstand().Mellemregninger(r, c); }

    static void forventTabel(const std::array<std::array<double, 4>, 19>& forventet) {
        for (int r = 1; r <= 19; ++r)
            for (int c = 1; c <= 4; ++c) {
                const double f = forventet[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
                if (std::isnan(f)) {
                    EXPECT_TRUE(M(r, c).isEmpty()) << r << "," << c;
                } else {
                    ASSERT_TRUE(M(r, c).isNumber()) << r << "," << c;
                    EXPECT_NEAR(*M(r, c).number(), f, 1e-12) << r << "," << c;
                }
            }
    }
};

// Every cell worked out by hand for "Organisk stof" (oxidation state 0).
TEST_F(MellemregningTest, HeleTabellen) {
    Beregningstilstand& t = tilstand();
    t.ProcCO2 = 88.0;
    t.ProcKalk = -50.0;
    t.ProcSalt = 35.5;
    t.ProcIonbytning = 4.0;
    t.ProcSiderit = 5.58;
    t.ProcAmmonium = 1.0;
    t.ProcIltreduktion = 32.0;
    t.ProcMethanogenese = 16.0;
    t.ProcManganreduktion = 54.9;
    t.ProcJernreduktion = 55.8;
    t.ProcSulfatreduktion = 96.0;
    t.ProcDenitrifikation = 62.0;
    const double forbrug[] = {30, 15, 7.5, 3.75, 60, 37.5};
    for (int r = 1; r <= 6; ++r) t.RedoxTabel(r, 3) = forbrug[r - 1];
    t.RedoxTabel(7, 2) = 18.0;
    t.RedoxTabel(8, 2) = 96.0;
    t.RedoxTabel(9, 2) = 192.0;
    t.RedoxTabel(10, 2) = 96.0;
    t.RedoxTabel(11, 2) = 96.0;
    // Amounts 13..17 come from RedoxTabel, not from the process amounts.
    t.ProcNitrifikation = 1000.0;

    BeregnMellemregninger();
    forventTabel({{
        {88, T, 2, T},
        {-50, -1, -0.5, T},
        {23, T, T, T},
        {4, T, T, T},
        {5.58, 0.2, 0.1, T},
        {1, T, T, T},
        {32, T, 1, 30},
        {16, T, 1, 15},
        {54.9, 2, 0.5, 7.5},
        {55.8, 2, 0.25, 3.75},
        {96, 2, 2, 60},
        {62, 1, 1.25, 37.5},
        {18, -2, T, T},
        {96, -2, T, T},
        {192, -1, T, T},
        {96, -1, T, T},
        {96, 0.4, T, T},
        {T, 0.6, 5.6, 153.75},
        {T, 1, 1.5, T},
    }});
}

TEST_F(MellemregningTest, IngenModelleringEndnu) {
    BeregnMellemregninger();
    forventTabel({{
        {T, T, 0, T},
        {T, 0, 0, T},
        {0, T, T, T},
        {T, T, T, T},
        {T, 0, 0, T},
        {T, T, T, T},
        {T, T, 0, T},
        {T, T, 0, T},
        {T, 0, 0, T},
        {T, 0, 0, T},
        {T, 0, 0, T},
        {T, 0, 0, T},
        {T, 0, T, T},
        {T, 0, T, T},
        {T, 0, T, T},
        {T, 0, T, T},
        {T, 0, T, T},
        {T, 0, 0, 0},
        {T, 1, 1.5, T},
    }});
    // No amount gives a negative zero.
    EXPECT_FALSE(std::signbit(M(13, 2).dbl()));
    EXPECT_FALSE(std::signbit(M(16, 2).dbl()));
}

TEST_F(MellemregningTest, AltGammeltSlettes) {
    for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 4; ++c) M(r, c) = "gammel";
    BeregnMellemregninger();
    EXPECT_TRUE(M(4, 1).isEmpty());
    EXPECT_TRUE(M(18, 1).isEmpty());
    EXPECT_TRUE(M(19, 4).isEmpty());
}

TEST_F(MellemregningTest, ForslagSomTekstKopieresOgTaellerSomTal) {
    tilstand().RedoxTabel(11, 2) = "x";
    tilstand().RedoxTabel(7, 2) = Variant(std::int64_t{9});
    BeregnMellemregninger();
    EXPECT_EQ(M(17, 1), Variant("x"));
    EXPECT_EQ(M(17, 2), Variant(0.0));
    EXPECT_EQ(M(13, 1), Variant(std::int64_t{9}));
    EXPECT_EQ(M(13, 2), Variant(-1.0));
}

TEST_F(MellemregningTest, SammeBoringGiverNulMaalt) {
    tilstand().TilPosition = 1;
    BeregnMellemregninger();
    EXPECT_EQ(M(19, 2), Variant(0.0));
    EXPECT_EQ(M(19, 3), Variant(0.0));
}

TEST_F(MellemregningTest, Iltningstrin4GiverTommeKulstofceller) {
    Beregningstilstand& t = tilstand();
    t.KulstofValens = 4.0;
    t.ProcIltreduktion = 5.0;
    t.ProcMethanogenese = 1.0;
    t.ProcKalk = 100.0;
    BeregnMellemregninger();
    for (int r = 7; r <= 12; ++r) EXPECT_TRUE(M(r, 3).isEmpty()) << r;
    EXPECT_EQ(M(18, 3), Variant(1.0));
}

// The chain of the modelling: the carbon of row 1 equals rows 7..12, the substance
// column copies what the redox step computed.
class KaedeTest : public MellemregningTest {
protected:
    void SetUp() override {
        MellemregningTest::SetUp();
        AlleAnalyserIndtastet(1, 2);
        Beregningstilstand& t = tilstand();
        t.KoncCa[1] = 100;
        t.KoncNa[1] = t.KoncNa[2] = 20;
        t.KoncCl[1] = t.KoncCl[2] = 30;
        t.KoncSO4[1] = t.KoncSO4[2] = 50;
        t.KoncNO3[1] = t.KoncNO3[2] = 20;
        t.KoncO2[1] = 8;
        t.KoncO2[2] = 2;
    }
};

TEST_F(KaedeTest, AcetoneRegneeksempel) {
    Beregningstilstand& t = tilstand();
    t.KulstofValens = -1.333;
    t.KulstofIndhold = 62.1;
    ASSERT_EQ(BeregnRedoxprocesser(), "");
    ASSERT_EQ(BeregnIonbytningsprocesser(), "");
    BeregnMellemregninger();
    EXPECT_EQ(Afrund(M(7, 3), 5), Variant(0.14063));
    EXPECT_EQ(Afrund(M(1, 1), 5), Variant(6.18789));
    EXPECT_EQ(Afrund(M(1, 3), 5), Variant(0.14063));
    EXPECT_EQ(Afrund(M(7, 4), 5), Variant(2.71756));
}

TEST_F(KaedeTest, OrganiskStofKulstofOgSummer) {
    Beregningstilstand& t = tilstand();
    t.KulstofIndhold = 40.0;
    t.KoncO2[1] = 34;  // 32 mg O2/l reduced
    t.KoncCH4[2] = 0.7;
    t.KoncMn[2] = 0.4;
    t.KoncFe[2] = 3.1;
    t.KoncSO4[2] = 41;
    t.KoncNO3[2] = 12;
    t.RedoxTabel(8, 2) = 2.0;
    t.RedoxTabel(11, 2) = 1.5;
    t.ProcKalk = 25.0;
    ASSERT_EQ(BeregnRedoxprocesser(), "");
    ASSERT_EQ(BeregnIonbytningsprocesser(), "");
    BeregnMellemregninger();
    EXPECT_NEAR(M(7, 3).dbl(), 1.0, 1e-15);

    double kulstof = 0;
    for (int r = 7; r <= 12; ++r) {
        kulstof += M(r, 3).dbl();
        EXPECT_EQ(M(r, 4), t.RedoxTabel(r - 6, 3)) << r;
    }
    EXPECT_NEAR(M(1, 3).dbl(), kulstof, 1e-13);

    for (int c = 2; c <= 4; ++c) {
        double sum = 0;
        for (int r = 2; r <= 17; ++r) sum += TalEllerNul(M(r, c));
        EXPECT_NEAR(M(18, c).dbl(), sum, 1e-12) << c;
    }
    EXPECT_DOUBLE_EQ(M(19, 2).dbl(), (t.KoncHCO3[2] - t.KoncHCO3[1]) / 61);
    EXPECT_DOUBLE_EQ(M(19, 3).dbl(), (t.TUC[2] - t.TUC[1]) * 1000);
}

}  // namespace
