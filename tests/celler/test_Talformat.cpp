#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <tuple>

#include "celler/Talformat.h"

namespace {

struct Skrivning {
    double v;
    const char* dansk;
};

class FormaterTest : public ::testing::TestWithParam<Skrivning> {};

TEST_P(FormaterTest, DanishAndEnglish) {
    const auto& t = GetParam();
    EXPECT_EQ(Talformat::dansk().formater(t.v), t.dansk);
    std::string engelsk = t.dansk;
    for (char& c : engelsk)
        if (c == ',') c = '.';
    EXPECT_EQ(Talformat::engelsk().formater(t.v), engelsk);
}

INSTANTIATE_TEST_SUITE_P(
    Talformat, FormaterTest,
    ::testing::Values(
        Skrivning{0.0, "0"}, Skrivning{-0.0, "0"}, Skrivning{1.0, "1"}, Skrivning{-1.5, "-1,5"},
        Skrivning{0.1, "0,1"}, Skrivning{100.0, "100"}, Skrivning{123456.789, "123456,789"},
        Skrivning{1234567.0, "1234567"},                        // never grouped
        Skrivning{1.0 / 3.0, "0,333333333333333"},              // fifteen digits at most
        Skrivning{2.0 / 3.0, "0,666666666666667"},              // rounded at the fifteenth
        Skrivning{0.1 + 0.2, "0,3"},                            // the zeros after it dropped
        Skrivning{123456789.12345679, "123456789,123457"},
        Skrivning{171.60000000000002, "171,6"},                 // 718,7 - 547,1
        Skrivning{-0.14196582253175072, "-0,141965822531751"},
        Skrivning{7.25, "7,25"}, Skrivning{150.0, "150"},
        Skrivning{123456789012345678.0, "1,23456789012346E+17"},
        Skrivning{0.0001, "0,0001"},                            // the smallest fixed form
        Skrivning{-0.00012, "-0,00012"},
        Skrivning{0.00001, "1E-05"}, Skrivning{0.000099, "9,9E-05"}, Skrivning{-2.5e-7, "-2,5E-07"},
        Skrivning{1e-300, "1E-300"}, Skrivning{5e-324, "4,94065645841247E-324"},
        Skrivning{0.000099999999999999999, "0,0001"},           // rounds up into the fixed form
        Skrivning{999999999999999.0, "999999999999999"},        // the largest fixed form
        Skrivning{999999999999999.9, "1E+15"},                  // rounds up out of it
        Skrivning{1e14, "100000000000000"},
        Skrivning{1e15, "1E+15"}, Skrivning{1.5e15, "1,5E+15"}, Skrivning{-1.25e20, "-1,25E+20"},
        Skrivning{1e100, "1E+100"}, Skrivning{-1.79769313486231e308, "-1,79769313486231E+308"},
        // The largest double rounds to "1,79769313486232E+308", which would not read back.
        Skrivning{std::numeric_limits<double>::max(), "1,79769313486231E+308"},
        Skrivning{9007199254740993.0, "9,00719925474099E+15"}));

TEST(Talformat, WholeNumbers) {
    EXPECT_EQ(Talformat::dansk().formater(0LL), "0");
    EXPECT_EQ(Talformat::dansk().formater(-42LL), "-42");
    EXPECT_EQ(Talformat::dansk().formater(1234567LL), "1234567");
    EXPECT_EQ(Talformat::engelsk().formater(std::numeric_limits<long long>::min()), "-9223372036854775808");
}

struct Laesning {
    const char* tekst;
    std::optional<double> dansk;
    std::optional<double> engelsk;
};

class FortolkTest : public ::testing::TestWithParam<Laesning> {};

TEST_P(FortolkTest, DanishAndEnglish) {
    const auto& t = GetParam();
    EXPECT_EQ(Talformat::dansk().fortolk(t.tekst), t.dansk) << '"' << t.tekst << '"';
    EXPECT_EQ(Talformat::engelsk().fortolk(t.tekst), t.engelsk) << '"' << t.tekst << '"';
}

constexpr std::nullopt_t ingen = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Talformat, FortolkTest,
    ::testing::Values(
        Laesning{"12.5", ingen, 12.5}, Laesning{"12,5", 12.5, ingen},
        Laesning{"1.234,5", 1234.5, ingen}, Laesning{"1,234.5", ingen, 1234.5},
        Laesning{"12.345.678", 12345678.0, ingen}, Laesning{"0.005", ingen, 0.005},
        Laesning{"1.2.3", ingen, ingen}, Laesning{"1,2,3", ingen, ingen},
        Laesning{"1234.567", ingen, 1234.567}, Laesning{".123", ingen, 0.123}, Laesning{"1.234.", ingen, ingen},
        Laesning{"  7 ", 7.0, 7.0}, Laesning{"\t7", 7.0, 7.0}, Laesning{"+3", 3.0, 3.0},
        Laesning{"-0,5", -0.5, ingen}, Laesning{",5", 0.5, ingen}, Laesning{"5,", 5.0, ingen},
        Laesning{"1E-05", 1e-5, 1e-5}, Laesning{"1,5E+15", 1.5e15, ingen}, Laesning{"2e3", 2000.0, 2000.0},
        Laesning{"007", 7.0, 7.0}, Laesning{"0", 0.0, 0.0},
        Laesning{"", ingen, ingen}, Laesning{"   ", ingen, ingen}, Laesning{"N/A", ingen, ingen},
        Laesning{".", ingen, ingen}, Laesning{",", ingen, ingen}, Laesning{"-", ingen, ingen},
        Laesning{"--1", ingen, ingen}, Laesning{"1 2", ingen, ingen}, Laesning{"12abc", ingen, ingen},
        Laesning{"1E", ingen, ingen}, Laesning{"1E+", ingen, ingen}, Laesning{"E5", ingen, ingen},
        Laesning{"1E5x", ingen, ingen}, Laesning{"inf", ingen, ingen}, Laesning{"nan", ingen, ingen},
        Laesning{"0x10", ingen, ingen}, Laesning{"1e400", ingen, ingen}));

// A number's text in another format keeps its digits, so it reads as the very same
// double; a text that is no number in its own format is left alone.
TEST(Talformat, OmskrivTilAndetFormat) {
    const Talformat dk = Talformat::dansk(), en = Talformat::engelsk(), sv(',', ' ');
    const std::tuple<Talformat, const char*, Talformat, std::optional<std::string>> tilfaelde[] = {
        {en, "120.5", dk, "120,5"},       {dk, "1.234,5", en, "1,234.5"},   {en, " 1,234.5 ", sv, " 1 234,5 "},
        {en, "-2.5E-03", dk, "-2,5E-03"}, {en, "7", dk, "7"},               {dk, "2.5", en, std::nullopt},
        {en, "N/A", dk, std::nullopt},    {en, "0.12345678901234567", dk, "0,12345678901234567"},
    };
    for (const auto& [fra, tekst, til, ud] : tilfaelde) EXPECT_EQ(fra.omskriv(tekst, til), ud) << tekst;
    EXPECT_EQ(dk.modsat().decimaltegn(), '.');
    EXPECT_EQ(sv.modsat().decimaltegn(), '.');
    EXPECT_EQ(en.modsat().tusindtegn(), '.');
}

// Writing a number and reading it back gives a double within the fifteenth digit,
// which is written as the very same text again: a saved file saves to the same bytes.
void rundtur(const Talformat& f, double v) {
    const std::string s = f.formater(v);
    const std::optional<double> tilbage = f.fortolk(s);
    ASSERT_TRUE(tilbage) << s;
    if (std::fabs(v) >= std::numeric_limits<double>::min()) {
        ASSERT_LE(std::fabs(*tilbage - v), 5.2e-15 * std::fabs(v)) << s;
    }
    ASSERT_EQ(f.formater(*tilbage), s);
}

TEST(Talformat, RandomDoublesWriteTheSameTextAgain) {
    std::mt19937_64 rnd(20240611);
    std::uniform_real_distribution<double> lige(-1000.0, 1000.0);
    std::uniform_int_distribution<int> eksponent(-30, 30);
    std::uniform_int_distribution<std::uint64_t> subnormal(1, (1ull << 52) - 1);
    for (const Talformat& f : {Talformat::dansk(), Talformat::engelsk()}) {
        for (int i = 0; i < 50000; ++i) {
            const double bits = std::bit_cast<double>(rnd());
            if (std::isfinite(bits)) rundtur(f, bits);
            rundtur(f, lige(rnd));
            rundtur(f, lige(rnd) * std::pow(10.0, eksponent(rnd)));
            rundtur(f, std::bit_cast<double>(subnormal(rnd)));  // fewer than fifteen digits of their own
        }
        for (double v : {std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
                         std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min()})
            rundtur(f, v);
    }
}

// Sets or unsets one environment variable for the lifetime of the object.
class Miljoe {
public:
    Miljoe(const char* navn, const char* vaerdi) : navn_(navn) {
        if (const char* g = std::getenv(navn)) gammel_ = g;
        if (vaerdi) setenv(navn, vaerdi, 1);
        else unsetenv(navn);
    }
    ~Miljoe() {
        if (gammel_) setenv(navn_, gammel_->c_str(), 1);
        else unsetenv(navn_);
    }
private:
    const char* navn_;
    std::optional<std::string> gammel_;
};

struct SystemTilfaelde {
    const char* lcAll;
    const char* lcNumeric;
    const char* lang;
    char decimal;
    char tusind;
};

class FraSystemTest : public ::testing::TestWithParam<SystemTilfaelde> {};

TEST_P(FraSystemTest, ReadsTheEnvironment) {
    const auto& t = GetParam();
    Miljoe a("LC_ALL", t.lcAll), b("LC_NUMERIC", t.lcNumeric), c("LANG", t.lang);
    const Talformat f = Talformat::fraSystem();
    EXPECT_EQ(f.decimaltegn(), t.decimal);
    EXPECT_EQ(f.tusindtegn(), t.tusind);
}

INSTANTIATE_TEST_SUITE_P(
    Talformat, FraSystemTest,
    ::testing::Values(SystemTilfaelde{nullptr, nullptr, nullptr, ',', '.'},
                      SystemTilfaelde{"C", "en_US.UTF-8", "en_US.UTF-8", ',', '.'},
                      SystemTilfaelde{"C.UTF-8", nullptr, nullptr, ',', '.'},
                      SystemTilfaelde{nullptr, "POSIX", "en_GB.UTF-8", ',', '.'},
                      SystemTilfaelde{"", "en_US.UTF-8", "da_DK.UTF-8", '.', ','},
                      SystemTilfaelde{nullptr, nullptr, "en_GB.UTF-8", '.', ','},
                      SystemTilfaelde{nullptr, nullptr, "da_DK.UTF-8", ',', '.'},
                      SystemTilfaelde{nullptr, "", "de_DE@euro", ',', '.'},
                      SystemTilfaelde{"sv_SE.UTF-8", nullptr, nullptr, ',', ' '}));

TEST(Talformat, ScopeRestoresTheFormerFormat) {
    TalformatScope ydre(Talformat::dansk());
    {
        TalformatScope indre(Talformat::engelsk());
        EXPECT_EQ(Talformat::aktuel().decimaltegn(), '.');
    }
    EXPECT_EQ(Talformat::aktuel().decimaltegn(), ',');
    EXPECT_EQ(Talformat::aktuel().tusindtegn(), '.');
}

}  // namespace
