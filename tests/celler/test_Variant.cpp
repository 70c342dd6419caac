#include <gtest/gtest.h>

#include "celler/Talformat.h"
#include "celler/Variant.h"

namespace {

TEST(Variant, FourEmptyLikeStatesAreKeptApart) {
    const Variant tom;
    const Variant nul = Variant::null();
    const Variant tomTekst("");
    const Variant nulTal(0);
    EXPECT_EQ(tom.type(), Variant::Type::Empty);
    EXPECT_EQ(nul.type(), Variant::Type::Null);
    EXPECT_EQ(tomTekst.type(), Variant::Type::Text);
    EXPECT_EQ(nulTal.type(), Variant::Type::Integer);
    const Variant alle[] = {tom, nul, tomTekst, nulTal, Variant(0.0)};
    for (std::size_t i = 0; i < std::size(alle); ++i)
        for (std::size_t j = 0; j < std::size(alle); ++j)
            EXPECT_EQ(alle[i] == alle[j], i == j) << i << " vs " << j;
}

TEST(Variant, NumberWidensIntegersAndRefusesTheRest) {
    EXPECT_EQ(Variant(std::int64_t{-7}).number(), -7.0);
    EXPECT_EQ(Variant(2.5).number(), 2.5);
    EXPECT_FALSE(Variant("2,5").number());
    EXPECT_FALSE(Variant().number());
    EXPECT_FALSE(Variant::null().number());
}

struct TekstTilfaelde {
    Variant v;
    const char* dansk;
    const char* engelsk;
    bool udfyldt;
};

class TekstFormTest : public ::testing::TestWithParam<TekstTilfaelde> {};

TEST_P(TekstFormTest, InTheUsersLocale) {
    const auto& t = GetParam();
    {
        TalformatScope s(Talformat::dansk());
        EXPECT_EQ(TekstForm(t.v), t.dansk);
    }
    {
        TalformatScope s(Talformat::engelsk());
        EXPECT_EQ(TekstForm(t.v), t.engelsk);
    }
    EXPECT_EQ(ErUdfyldt(t.v), t.udfyldt);
}

INSTANTIATE_TEST_SUITE_P(
    Variant, TekstFormTest,
    ::testing::Values(TekstTilfaelde{Variant(), "", "", false}, TekstTilfaelde{Variant::null(), "", "", false},
                      TekstTilfaelde{Variant(""), "", "", false}, TekstTilfaelde{Variant(" "), " ", " ", true},
                      TekstTilfaelde{Variant(0), "0", "0", true}, TekstTilfaelde{Variant(0.0), "0", "0", true},
                      TekstTilfaelde{Variant(-0.5), "-0,5", "-0.5", true},
                      TekstTilfaelde{Variant(1234.5), "1234,5", "1234.5", true},
                      TekstTilfaelde{Variant(std::int64_t{-2147483648LL}), "-2147483648", "-2147483648", true},
                      TekstTilfaelde{Variant(1e-5), "1E-05", "1E-05", true},
                      TekstTilfaelde{Variant("N/A"), "N/A", "N/A", true},
                      TekstTilfaelde{Variant("7,1"), "7,1", "7,1", true}));

TEST(Variant, SomTalReadsTextsInTheUsersLocale) {
    TalformatScope s(Talformat::dansk());
    EXPECT_FALSE(SomTal(Variant("12.5")));  // a grouping sign between no groups of three
    EXPECT_EQ(SomTal(Variant("1.234,5")), 1234.5);
    EXPECT_EQ(SomTal(Variant("12,5")), 12.5);
    EXPECT_EQ(SomTal(Variant(std::int64_t{3})), 3.0);
    EXPECT_FALSE(SomTal(Variant("N/A")));
    EXPECT_FALSE(SomTal(Variant("")));
    EXPECT_FALSE(SomTal(Variant()));
    EXPECT_FALSE(SomTal(Variant::null()));
    TalformatScope e(Talformat::engelsk());
    EXPECT_EQ(SomTal(Variant("12.5")), 12.5);
    EXPECT_FALSE(SomTal(Variant("12,5")));
}

TEST(Variant, TalEllerNulCountsEverythingWithoutANumberAsZero) {
    TalformatScope s(Talformat::dansk());
    EXPECT_EQ(TalEllerNul(Variant()), 0.0);
    EXPECT_EQ(TalEllerNul(Variant::null()), 0.0);
    EXPECT_EQ(TalEllerNul(Variant("")), 0.0);
    EXPECT_EQ(TalEllerNul(Variant("N/A")), 0.0);
    EXPECT_EQ(TalEllerNul(Variant("-3,25")), -3.25);
    EXPECT_EQ(TalEllerNul(Variant(4.75)), 4.75);
}

}  // namespace
