#include "celler/Tegnsaet.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(Tegnsaet, EveryByteSurvivesTheRoundTrip) {
    std::string alle;
    for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
    const std::string utf8 = FraWindows1252(alle);
    EXPECT_EQ(TilWindows1252(utf8), alle);
    EXPECT_EQ(AntalTegn(utf8), 256u);
}

struct Par {
    const char* utf8;
    const char* bytes;
};

class TegnsaetPar : public ::testing::TestWithParam<Par> {};

TEST_P(TegnsaetPar, BeggeVeje) {
    EXPECT_EQ(TilWindows1252(GetParam().utf8), GetParam().bytes);
    EXPECT_EQ(FraWindows1252(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    KendteTegn, TegnsaetPar,
    ::testing::Values(Par{"abc;", "abc;"}, Par{"æøåÆØÅ", "\xE6\xF8\xE5\xC6\xD8\xC5"}, Par{"ð", "\xF0"},
                      Par{"°C", "\xB0" "C"}, Par{"€", "\x80"}, Par{"–—", "\x96\x97"},
                      Par{"Ÿ", "\x9F"}, Par{"ž", "\x9E"}, Par{"\xC2\x81", "\x81"},
                      Par{"\xC2\x9D", "\x9D"}, Par{"ÿ", "\xFF"}, Par{"\xC2\xA0", "\xA0"}));

TEST(Tegnsaet, WhatTheCodePageCannotHoldBecomesQuestionMark) {
    const std::pair<std::string, std::string> cases[] = {
        {"中", "?"},
        {"a😀b", "a?b"},
        {"Ł", "?"},
        {"\xC2\x80", "?"},          // U+0080 has no byte; 0x80 is the euro sign
        {"\xC3", "?"},              // cut short
        {"\xC3(", "?("},
        {"\xC0\xAF", "??"},         // overlong
        {"\xED\xA0\x80", "???"},    // surrogate
        {"\xF4\x90\x80\x80", "????"},  // beyond U+10FFFF
        {"\x80x", "?x"},            // stray continuation byte
    };
    for (const auto& [ind, ud] : cases) EXPECT_EQ(TilWindows1252(ind), ud) << ind;
}

TEST(Tegnsaet, AntalTegn) {
    EXPECT_EQ(AntalTegn(""), 0u);
    EXPECT_EQ(AntalTegn("abc"), 3u);
    EXPECT_EQ(AntalTegn("æøå"), 3u);
    EXPECT_EQ(AntalTegn("a€😀"), 3u);
    EXPECT_EQ(AntalTegn("\xC3(x"), 3u);
}

// The composed form agrees with Unicode NFC wherever the result is Windows-1252 text.
TEST(Tegnsaet, SammensatForm) {
    const std::pair<std::string, std::string> cases[] = {
        {"Cafe\u0301 A\u030Arhus C\u0327a S\u030C Y\u0308", "Café Århus Ça Š Ÿ"},
        {"\u212B \u212A \u037E e\u0341", "Å K ; é"},  // replaced by NFC in any context
        {"q\u0301 \u0301e e\u0301\u0301", "q\u0301 \u0301e é\u0301"},  // no such letter; one accent a letter
        {"æøå ≥ \xC3(e\u0301", "æøå ≥ \xC3(é"},  // broken UTF-8 kept
    };
    for (const auto& [ind, ud] : cases) EXPECT_EQ(SammensatForm(ind), ud) << ind;
    EXPECT_EQ(FraUtf8("Ã©\xF8 \xC3"), "Ã©ø Ã");  // what is no UTF-8 read as Windows-1252
}
