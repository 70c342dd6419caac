#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "datamodel/Diverse.h"
#include "celler/Talformat.h"
#include "support/RecordingBeskeder.h"

namespace {

Variant heltal(long long v) { return Variant(static_cast<std::int64_t>(v)); }

struct AfrundTilfaelde {
    Variant vaerdi;
    int decimaler;
    Variant forventet;
};

void PrintTo(const AfrundTilfaelde& t, std::ostream* os) {
    *os << TekstForm(t.vaerdi) << " med " << t.decimaler << " decimaler";
}

class AfrundTest : public ::testing::TestWithParam<AfrundTilfaelde> {};

TEST_P(AfrundTest, GivesTheExpectedValueAndType) {
    TalformatScope s(Talformat::dansk());
    RecordingBeskeder beskeder;
    const auto& t = GetParam();
    const Variant v = Afrund(t.vaerdi, t.decimaler);
    EXPECT_EQ(v.type(), t.forventet.type());
    EXPECT_EQ(v, t.forventet) << TekstForm(v);
    EXPECT_TRUE(beskeder.vist.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Halvdele, AfrundTest,
    ::testing::Values(AfrundTilfaelde{2.5, 0, heltal(2)}, AfrundTilfaelde{3.5, 0, heltal(4)},
                      AfrundTilfaelde{-2.5, 0, heltal(-2)}, AfrundTilfaelde{-3.5, 0, heltal(-4)},
                      AfrundTilfaelde{0.5, 0, heltal(0)}, AfrundTilfaelde{-0.5, 0, heltal(0)},
                      AfrundTilfaelde{1.5, 0, heltal(2)}, AfrundTilfaelde{2.4999, 0, heltal(2)},
                      AfrundTilfaelde{7.25, 1, 7.2}, AfrundTilfaelde{7.35, 1, 7.4},
                      AfrundTilfaelde{-7.35, 1, -7.4}, AfrundTilfaelde{1.15, 1, 1.2},
                      AfrundTilfaelde{0.125, 2, 0.12}, AfrundTilfaelde{0.375, 2, 0.38},
                      AfrundTilfaelde{-0.125, 2, -0.12},
                      // The product as computed, not the decimal notation, decides.
                      AfrundTilfaelde{1.005, 2, 1.0}, AfrundTilfaelde{0.285, 2, 0.28},
                      AfrundTilfaelde{2.675, 2, 2.68},
                      AfrundTilfaelde{0.123456, 5, 0.12346}, AfrundTilfaelde{1.23456789, 3, 1.235},
                      AfrundTilfaelde{heltal(7), 2, 7.0}, AfrundTilfaelde{heltal(7), 0, heltal(7)}));

INSTANTIATE_TEST_SUITE_P(
    Graenser, AfrundTest,
    ::testing::Values(AfrundTilfaelde{2147483647.0, 0, heltal(2147483647)},
                      AfrundTilfaelde{2147483647.4, 0, heltal(2147483647)},
                      AfrundTilfaelde{2147483647.5, 0, 2147483647.5},   // rounds to 2^31: unchanged
                      AfrundTilfaelde{-2147483648.0, 0, heltal(-2147483648LL)},
                      AfrundTilfaelde{-2147483648.5, 0, heltal(-2147483648LL)},  // even neighbour is inside
                      AfrundTilfaelde{-2147483648.6, 0, -2147483648.6},
                      AfrundTilfaelde{21474.83647, 5, 21474.83647},
                      AfrundTilfaelde{21474.836475, 5, 21474.836475},   // product 2147483647.5
                      AfrundTilfaelde{30000.0, 5, 30000.0}, AfrundTilfaelde{30000.0, 4, 30000.0},
                      AfrundTilfaelde{heltal(30000), 5, heltal(30000)},  // unchanged keeps its type
                      AfrundTilfaelde{heltal(30000), 4, 30000.0},
                      AfrundTilfaelde{1e300, 0, 1e300},
                      AfrundTilfaelde{std::numeric_limits<double>::infinity(), 2,
                                      std::numeric_limits<double>::infinity()}));

INSTANTIATE_TEST_SUITE_P(
    IkkeTal, AfrundTest,
    ::testing::Values(AfrundTilfaelde{Variant(), 0, Variant()}, AfrundTilfaelde{Variant(), 3, Variant()},
                      AfrundTilfaelde{Variant(), -1, Variant()}, AfrundTilfaelde{Variant(), 6, Variant()},
                      AfrundTilfaelde{2.5, 6, Variant()}, AfrundTilfaelde{2.5, -1, Variant()},
                      AfrundTilfaelde{"N/A", 6, Variant()},
                      AfrundTilfaelde{"N/A", 0, "N/A"}, AfrundTilfaelde{"N/A", 1, "N/A"},
                      AfrundTilfaelde{"N/A", 2, "N/A"}, AfrundTilfaelde{"N/A", 3, "N/A"},
                      AfrundTilfaelde{"N/A", 4, "N/A"}, AfrundTilfaelde{"N/A", 5, "N/A"},
                      AfrundTilfaelde{"", 2, ""},
                      AfrundTilfaelde{"2,5", 0, heltal(2)}, AfrundTilfaelde{"7,25", 1, 7.2},
                      AfrundTilfaelde{"1.234,5", 0, heltal(1234)},
                      AfrundTilfaelde{Variant::null(), 0, Variant::null()},
                      AfrundTilfaelde{Variant::null(), 5, Variant::null()}));

TEST(Afrund, ANaNComesBackUnchanged) {
    const Variant v = Afrund(std::nan(""), 2);
    ASSERT_TRUE(v.isDouble());
    EXPECT_TRUE(std::isnan(v.dbl()));
}

TEST(Afrund, ReadsATextInTheUsersLocale) {
    TalformatScope s(Talformat::engelsk());
    EXPECT_EQ(Afrund(Variant("2.5"), 0), heltal(2));
    EXPECT_EQ(Afrund(Variant("2,5"), 0), Variant("2,5"));  // no number there, so unchanged
}

TEST(Log10, PositiveValuesGiveLnOverLn10WithoutAMessage) {
    RecordingBeskeder beskeder;
    TalformatScope s(Talformat::dansk());
    EXPECT_EQ(Log10(100.0), 2.0);
    EXPECT_EQ(Log10(heltal(1)), 0.0);
    EXPECT_EQ(Log10(1e-5), -5.0);
    EXPECT_EQ(Log10(Variant("100")), 2.0);
    // ln(1000)/ln(10) in double arithmetic, one unit below 3.
    EXPECT_EQ(Log10(1000.0), 2.9999999999999996);
    EXPECT_EQ(Log10(2.0), 0.30102999566398114);
    EXPECT_TRUE(beskeder.vist.empty());
}

struct Log10Besked {
    Variant x;
    bool dansk;
    const char* tekst;
};

class Log10BeskedTest : public ::testing::TestWithParam<Log10Besked> {};

TEST_P(Log10BeskedTest, ShowsTheMessageOnceAndGivesZero) {
    const auto& t = GetParam();
    TalformatScope s(t.dansk ? Talformat::dansk() : Talformat::engelsk());
    RecordingBeskeder beskeder;
    EXPECT_EQ(Log10(t.x), 0.0);
    ASSERT_EQ(beskeder.vist.size(), 1u);
    EXPECT_EQ(beskeder.vist[0].tekst, t.tekst);
    EXPECT_EQ(beskeder.vist[0].ikon, BeskedIkon::Ingen);
    EXPECT_EQ(beskeder.vist[0].knapper, BeskedKnapper::OK);
    EXPECT_EQ(beskeder.vist[0].titel, "");
}

INSTANTIATE_TEST_SUITE_P(
    Log10, Log10BeskedTest,
    ::testing::Values(Log10Besked{0.0, true, "Log10(0) kan ikke beregnes"},
                      Log10Besked{heltal(0), true, "Log10(0) kan ikke beregnes"},
                      Log10Besked{-0.5, true, "Log10(-0,5) kan ikke beregnes"},
                      Log10Besked{-0.5, false, "Log10(-0.5) kan ikke beregnes"},
                      Log10Besked{heltal(-3), true, "Log10(-3) kan ikke beregnes"},
                      Log10Besked{-1e-5, true, "Log10(-1E-05) kan ikke beregnes"},
                      Log10Besked{-0.14196582253175072, true, "Log10(-0,141965822531751) kan ikke beregnes"},
                      Log10Besked{Variant(), true, "Log10() kan ikke beregnes"},
                      Log10Besked{Variant::null(), true, "Log10() kan ikke beregnes"},
                      Log10Besked{"N/A", true, "Log10(N/A) kan ikke beregnes"}));

}  // namespace
