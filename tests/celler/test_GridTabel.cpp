#include <gtest/gtest.h>

#include <string>

#include "celler/GridTabel.h"

namespace {

// A value that tells which cell it came from.
Variant merke(int r, int c) { return Variant(std::to_string(r) + "/" + std::to_string(c)); }

void fyld(GridTabel& t) {
    for (int r = t.foersteRaekke(); r <= t.sidsteRaekke(); ++r)
        for (int c = t.foersteSoejle(); c <= t.sidsteSoejle(); ++c) t.saet(r, c, merke(r, c));
}

TEST(GridTabel, ANewTableHasNoCells) {
    GridTabel t;
    EXPECT_EQ(t.antalRaekker(), 0);
    EXPECT_EQ(t.antalSoejler(), 0);
    t.saet(1, 0, Variant("x"));
    EXPECT_TRUE(t.hent(1, 0).isEmpty());
}

TEST(GridTabel, CellsNeverWrittenReadAsEmptyNotAsEmptyText) {
    GridTabel t;
    t.redimensioner(1, 3, 0, 2);
    EXPECT_EQ(t.antalRaekker(), 3);
    EXPECT_EQ(t.antalSoejler(), 3);
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c <= 2; ++c) EXPECT_EQ(t.hent(r, c), Variant()) << r << "," << c;
}

TEST(GridTabel, EveryKindOfValueIsStoredAsItIs) {
    GridTabel t;
    t.redimensioner(1, 1, 0, 4);
    const Variant vaerdier[] = {Variant::null(), Variant(""), Variant(0), Variant(0.0), Variant("N/A")};
    for (int c = 0; c <= 4; ++c) t.saet(1, c, vaerdier[c]);
    for (int c = 0; c <= 4; ++c) EXPECT_EQ(t.hent(1, c), vaerdier[c]);
}

struct Redim {
    int r0, r1, c0, c1;  // the old bounds
    int n0, n1, m0, m1;  // the new bounds
};

class RedimensionerTest : public ::testing::TestWithParam<Redim> {};

// A cell keeps its value exactly when it lies inside both the old and the new bounds.
TEST_P(RedimensionerTest, KeepsCellsByPosition) {
    const auto& d = GetParam();
    GridTabel t;
    t.redimensioner(d.r0, d.r1, d.c0, d.c1);
    fyld(t);
    t.redimensioner(d.n0, d.n1, d.m0, d.m1);
    EXPECT_EQ(t.foersteRaekke(), d.n0);
    EXPECT_EQ(t.sidsteRaekke(), d.n1);
    EXPECT_EQ(t.foersteSoejle(), d.m0);
    EXPECT_EQ(t.sidsteSoejle(), d.m1);
    for (int r = d.n0 - 1; r <= d.n1 + 1; ++r) {
        for (int c = d.m0 - 1; c <= d.m1 + 1; ++c) {
            const bool ny = r >= d.n0 && r <= d.n1 && c >= d.m0 && c <= d.m1;
            const bool gammel = r >= d.r0 && r <= d.r1 && c >= d.c0 && c <= d.c1;
            EXPECT_EQ(t.hent(r, c), ny && gammel ? merke(r, c) : Variant()) << r << "," << c;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    GridTabel, RedimensionerTest,
    ::testing::Values(Redim{1, 19, 0, 6, 1, 19, 0, 5},    // drops column 6
                      Redim{1, 10, 0, 7, 1, 10, 0, 6},
                      Redim{1, 5, 0, 6, 1, 8, 0, 6},      // more rows: labels kept, new rows empty
                      Redim{1, 11, -1, 4, 1, 11, -1, 4},  // same bounds: nothing changes
                      Redim{1, 11, -1, 4, 1, 14, 0, 6},   // from column -1
                      Redim{1, 5, 0, 2, 1, 5, -1, 2},     // to column -1
                      Redim{1, 5, 0, 6, 3, 7, -2, 2},     // both lower bounds move
                      Redim{1, 5, 0, 6, 7, 9, 0, 6},      // no overlap at all
                      Redim{1, 2, 0, 1, 1, 0, 0, -1}));   // to nothing

TEST(GridTabel, OutsideTheBoundsReadsAreEmptyAndWritesIgnored) {
    GridTabel t;
    t.redimensioner(1, 2, -1, 1);
    fyld(t);
    for (auto [r, c] : {std::pair{0, 0}, {3, 0}, {1, -2}, {1, 2}, {-1, -1}}) {
        t.saet(r, c, Variant("ude"));
        EXPECT_TRUE(t.hent(r, c).isEmpty());
        EXPECT_FALSE(t.indenfor(r, c));
    }
    t.redimensioner(0, 3, -2, 2);
    for (int r = 0; r <= 3; ++r)
        for (int c = -2; c <= 2; ++c)
            EXPECT_EQ(t.hent(r, c), t.indenfor(r, c) && r >= 1 && r <= 2 && c >= -1 && c <= 1 ? merke(r, c) : Variant());
}

TEST(GridTabel, ClearEmptiesEveryCellAndKeepsTheBounds) {
    GridTabel t;
    t.redimensioner(1, 5, 0, 6);
    fyld(t);
    t.ryd();
    EXPECT_EQ(t.foersteRaekke(), 1);
    EXPECT_EQ(t.sidsteRaekke(), 5);
    EXPECT_EQ(t.foersteSoejle(), 0);
    EXPECT_EQ(t.sidsteSoejle(), 6);
    for (int r = 1; r <= 5; ++r)
        for (int c = 0; c <= 6; ++c) EXPECT_TRUE(t.hent(r, c).isEmpty());
    t.saet(5, 6, Variant(1.5));  // still writable without a new re-dimension
    EXPECT_EQ(t.hent(5, 6), Variant(1.5));
}

}  // namespace
