#include "datamodel/InputKontroller.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "celler/Talformat.h"
#include "support/RecordingBeskeder.h"

namespace {

enum class K { Lokalitet, Boring, Analyse, Afstand, Komponent, Ionbytning, Kulstof, Redox };

const char* navn(K k) {
    switch (k) {
    case K::Lokalitet: return "Lokalitet";
    case K::Boring: return "Boring";
    case K::Analyse: return "Analyse";
    case K::Afstand: return "Afstand";
    case K::Komponent: return "Komponent";
    case K::Ionbytning: return "Ionbytning";
    case K::Kulstof: return "Kulstof";
    case K::Redox: return "Redox";
    }
    return "";
}

// Runs a check silently; returns its result and the text it would show.
bool Koer(K k, const Variant& v, int indeks, std::string* tekst = nullptr) {
    RecordingBeskeder b;
    std::string m = "uændret";
    bool ok = false;
    switch (k) {
    case K::Lokalitet: ok = KontrolLokalitet(v, indeks, true); break;
    case K::Boring: ok = KontrolBoring(v, indeks, true); break;
    case K::Analyse: ok = KontrolAnalyse(v, indeks, true); break;
    case K::Afstand: ok = KontrolAfstand(v, indeks, true); break;
    case K::Komponent: ok = KontrolKomponent(v, indeks, true); break;
    case K::Ionbytning: ok = KontrolIonbytning(v, indeks, m); break;
    case K::Kulstof: ok = KontrolKulstof(v, indeks, m); break;
    case K::Redox: ok = KontrolRedox(v, indeks, m); break;
    }
    const bool proces = k == K::Ionbytning || k == K::Kulstof || k == K::Redox;
    if (proces) {
        EXPECT_TRUE(b.vist.empty());
        if (ok) { EXPECT_EQ(m, "uændret"); }
        if (tekst) *tekst = ok ? "" : m;
    } else {
        EXPECT_EQ(b.vist.size(), ok ? 0u : 1u);
        if (!b.vist.empty()) {
            EXPECT_EQ(b.vist[0].ikon, BeskedIkon::Udraab);
            EXPECT_EQ(b.vist[0].knapper, BeskedKnapper::OK);
            EXPECT_EQ(b.vist[0].titel, "Inddatakontrol");
        }
        if (tekst) *tekst = b.vist.empty() ? "" : b.vist[0].tekst;
    }
    return ok;
}

const std::string Hint =
    "Vær opmærksom på, at decimalpunktum på \n\r"
    "computere med dansk tegnopsætning har betydning\n\r"
    "som separator, mens komma benyttes som decimaltegn.";

std::string Laengde(const std::string& vaerdi, int graense) {
    return "Den indtastede værdi: " + vaerdi + "\n\r" + "er længere end " +
           (graense == 50 ? "50" : "20") + " tegn" + "\n\n\r\r\n\n";
}

std::string Interval(const std::string& vaerdi, const std::string& interval, bool hale) {
    return "Den indtastede værdi: " + vaerdi + "\n\r" + "er udenfor intervalet" + "\n\n\r" + interval +
           "\r\n\n" + Hint + (hale ? "\r\n\n" : "");
}

std::string Gentag(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

struct Graense {
    K kontrol;
    int indeks;
    double vaerdi;
    bool godkendt;
};

class Graenser : public ::testing::TestWithParam<Graense> {};

}  // namespace

TEST_P(Graenser, Tal) {
    const Graense& g = GetParam();
    EXPECT_EQ(Koer(g.kontrol, Variant(g.vaerdi), g.indeks), g.godkendt)
        << navn(g.kontrol) << " " << g.indeks << " " << g.vaerdi;
}

// Each interval at its ends and just inside or outside them.
INSTANTIATE_TEST_SUITE_P(
    Intervaller, Graenser,
    ::testing::Values(
        Graense{K::Analyse, 1, 0, false}, Graense{K::Analyse, 1, 0.001, true},
        Graense{K::Analyse, 1, 79.999, true}, Graense{K::Analyse, 1, 80, false},
        Graense{K::Analyse, 2, 5, false}, Graense{K::Analyse, 2, 5.001, true},
        Graense{K::Analyse, 2, 9.999, true}, Graense{K::Analyse, 2, 10, false},
        Graense{K::Analyse, 3, 5, true}, Graense{K::Analyse, 3, 4.99, false},
        Graense{K::Analyse, 3, 999.99, true}, Graense{K::Analyse, 3, 1000, false},
        Graense{K::Analyse, 4, 0, true}, Graense{K::Analyse, 4, -0.001, false},
        Graense{K::Analyse, 4, 1000, false}, Graense{K::Analyse, 5, 4999.9, true},
        Graense{K::Analyse, 5, 5000, false}, Graense{K::Analyse, 6, 1000, false},
        Graense{K::Analyse, 6, 999.9, true}, Graense{K::Analyse, 7, 100, false},
        Graense{K::Analyse, 7, 0, true}, Graense{K::Analyse, 8, 100, false},
        Graense{K::Analyse, 8, 99.99, true}, Graense{K::Analyse, 9, 100, false},
        Graense{K::Analyse, 9, -1, false}, Graense{K::Analyse, 10, 8, true},
        Graense{K::Analyse, 10, 7.99, false}, Graense{K::Analyse, 10, 1500, false},
        Graense{K::Analyse, 10, 1499.99, true}, Graense{K::Analyse, 11, 7000, false},
        Graense{K::Analyse, 11, 6999.9, true}, Graense{K::Analyse, 12, 1500, false},
        Graense{K::Analyse, 12, 0, true}, Graense{K::Analyse, 13, 500, false},
        Graense{K::Analyse, 13, 499.9, true}, Graense{K::Analyse, 14, 50, false},
        Graense{K::Analyse, 14, 49.9, true}, Graense{K::Analyse, 15, 10, false},
        Graense{K::Analyse, 15, 9.99, true}, Graense{K::Analyse, 16, 500, false},
        Graense{K::Analyse, 16, 0, true}, Graense{K::Analyse, 17, 20, false},
        Graense{K::Analyse, 17, 19.9, true}, Graense{K::Analyse, 18, 50, false},
        Graense{K::Analyse, 18, -0.0001, false}, Graense{K::Analyse, 18, 0, true},
        Graense{K::Analyse, 0, -99, true}, Graense{K::Analyse, 19, -99, true},
        Graense{K::Afstand, 2, 0, true}, Graense{K::Afstand, 2, -0.1, false},
        Graense{K::Afstand, 4, 999999.9, true}, Graense{K::Afstand, 6, 1000000, false},
        Graense{K::Afstand, 0, -5, true}, Graense{K::Afstand, 7, -5, true},
        Graense{K::Komponent, 2, 0, true}, Graense{K::Komponent, 3, -0.1, false},
        Graense{K::Komponent, 5, 999999.9, true}, Graense{K::Komponent, 6, 1000000, false},
        Graense{K::Komponent, 1, -5, true},
        Graense{K::Ionbytning, 1, 0, true}, Graense{K::Ionbytning, 1, -0.1, false},
        Graense{K::Ionbytning, 1, 5000, false}, Graense{K::Ionbytning, 2, -5000, false},
        Graense{K::Ionbytning, 2, -4999, true}, Graense{K::Ionbytning, 2, 4999.9, true},
        Graense{K::Ionbytning, 2, 5000, false}, Graense{K::Ionbytning, 3, -500, false},
        Graense{K::Ionbytning, 3, -499.9, true}, Graense{K::Ionbytning, 3, 500, false},
        Graense{K::Ionbytning, 4, 0, false}, Graense{K::Ionbytning, 4, 0.01, true},
        Graense{K::Ionbytning, 4, 500, false}, Graense{K::Ionbytning, 5, -1e9, true},
        Graense{K::Kulstof, 1, -4, true}, Graense{K::Kulstof, 1, -4.01, false},
        Graense{K::Kulstof, 1, 3.99, true}, Graense{K::Kulstof, 1, 4, false},
        Graense{K::Kulstof, 2, 1, false}, Graense{K::Kulstof, 2, 1.01, true},
        Graense{K::Kulstof, 2, 99.9, true}, Graense{K::Kulstof, 2, 100, false},
        Graense{K::Redox, 1, 0, true}, Graense{K::Redox, 1, -0.01, false},
        Graense{K::Redox, 1, 999.9, true}, Graense{K::Redox, 1, 1000, false},
        Graense{K::Redox, 2, 100, false}, Graense{K::Redox, 3, 100, false},
        Graense{K::Redox, 3, 99.9, true}, Graense{K::Redox, 4, 500, false},
        Graense{K::Redox, 5, 1500, false}, Graense{K::Redox, 5, 1499.9, true},
        Graense{K::Redox, 6, 500, false}, Graense{K::Redox, 7, 499.9, true},
        Graense{K::Redox, 8, 500, false}, Graense{K::Redox, 9, -1, false},
        Graense{K::Redox, 10, 500, false}, Graense{K::Redox, 11, 500, false},
        Graense{K::Redox, 11, 0, true}, Graense{K::Redox, 12, -1, true}));

struct IntervalTekst {
    K kontrol;
    int indeks;
    const char* interval;
};

class IntervalTekster : public ::testing::TestWithParam<IntervalTekst> {};

// Every cell with an interval, refused at its upper bound, with its message.
TEST_P(IntervalTekster, HeleMeddelelsen) {
    TalformatScope dansk(Talformat::dansk());
    const IntervalTekst& t = GetParam();
    std::string tekst;
    EXPECT_FALSE(Koer(t.kontrol, Variant("1000000"), t.indeks, &tekst));
    const bool hale = t.kontrol == K::Afstand || t.kontrol == K::Komponent;
    EXPECT_EQ(tekst, Interval("1000000", t.interval, hale));
}

INSTANTIATE_TEST_SUITE_P(
    AlleCeller, IntervalTekster,
    ::testing::Values(
        IntervalTekst{K::Analyse, 1, " 0 < Temperatur < 80"}, IntervalTekst{K::Analyse, 2, " 5 < PH < 10"},
        IntervalTekst{K::Analyse, 3, " 5 <= Calcium < 1000"},
        IntervalTekst{K::Analyse, 4, " 0 <= Magnesium < 1000"},
        IntervalTekst{K::Analyse, 5, " 0 <= Natrium < 5000"},
        IntervalTekst{K::Analyse, 6, " 0 <= Kalium < 1000"},
        IntervalTekst{K::Analyse, 7, " 0 <= Ammonium < 100"},
        IntervalTekst{K::Analyse, 8, " 0 <= Jern < 100"}, IntervalTekst{K::Analyse, 9, " 0 <= Mangan < 100"},
        IntervalTekst{K::Analyse, 10, " 8 <= Bikarbonat < 1500"},
        IntervalTekst{K::Analyse, 11, " 0 <= Klorid < 7000"},
        IntervalTekst{K::Analyse, 12, " 0 <= Sulfat < 1500"},
        IntervalTekst{K::Analyse, 13, " 0 <= Nitrat < 500"},
        IntervalTekst{K::Analyse, 14, " 0 <= Fluorid < 50"},
        IntervalTekst{K::Analyse, 15, " 0 <= Fosfat < 10"}, IntervalTekst{K::Analyse, 16, " 0 <= NVOC < 500"},
        IntervalTekst{K::Analyse, 17, " 0 <= Ilt < 20"}, IntervalTekst{K::Analyse, 18, " 0 <= Metan < 50"},
        IntervalTekst{K::Afstand, 2, " 0 <= Afstand / tid < 1000000"},
        IntervalTekst{K::Afstand, 6, " 0 <= Afstand / tid < 1000000"},
        IntervalTekst{K::Komponent, 2, " 0 <= kulbrinte < 1000000"},
        IntervalTekst{K::Komponent, 6, " 0 <= kulbrinte < 1000000"},
        IntervalTekst{K::Ionbytning, 1, " 0 <= Salt < 5000"},
        IntervalTekst{K::Ionbytning, 2, " -5000 < IonBytning < 5000"},
        IntervalTekst{K::Ionbytning, 3, " -500 < FeCO3 < 500"}, IntervalTekst{K::Ionbytning, 4, " 0 < NH4 < 500"},
        IntervalTekst{K::Kulstof, 1, " -4 <= Kulstofs iltningstrin < 4"},
        IntervalTekst{K::Kulstof, 2, " 1 < Kulstof % < 100"},
        IntervalTekst{K::Redox, 1, " 0 <= Iltreduktion < 1000"},
        IntervalTekst{K::Redox, 2, " 0 <= Methanogenese < 100"},
        IntervalTekst{K::Redox, 3, " 0 <= Manganreduktion < 100"},
        IntervalTekst{K::Redox, 4, " 0 <= Jernreduktion < 500"},
        IntervalTekst{K::Redox, 5, " 0 <= Sulfatreduktion < 1500"},
        IntervalTekst{K::Redox, 6, " 0 <= Detrinifikation < 500"},
        IntervalTekst{K::Redox, 7, " 0 <= Nitrifikation < 500"},
        IntervalTekst{K::Redox, 8, " 0 <= Pyritoxidation m. ilt < 500"},
        IntervalTekst{K::Redox, 9, " 0 <= Pyritoxidation m. nitrat < 500"},
        IntervalTekst{K::Redox, 10, " 0 <= Delvis Pyritoxidation m. ilt < 500"},
        IntervalTekst{K::Redox, 11, " 0 <= Delvis Pyritoxidation m. nitrat < 500"}));

TEST(InputKontroller, LaengdeGraenserITegn) {
    struct Tilfaelde {
        K kontrol;
        int indeks;
        int graense;
    };
    const Tilfaelde tilfaelde[] = {
        {K::Lokalitet, 1, 50}, {K::Lokalitet, 5, 50}, {K::Boring, 1, 20}, {K::Boring, 2, 20},
        {K::Boring, 3, 20},    {K::Afstand, 1, 20},   {K::Komponent, 0, 20},
    };
    for (const auto& t : tilfaelde) {
        for (const std::string tegn : {"x", "æ"}) {  // æ is two bytes but one character
            SCOPED_TRACE(std::string(navn(t.kontrol)) + " " + std::to_string(t.indeks) + " " + tegn);
            EXPECT_TRUE(Koer(t.kontrol, Variant(Gentag(tegn, t.graense)), t.indeks));
            std::string tekst;
            const std::string for_lang = Gentag(tegn, t.graense + 1);
            EXPECT_FALSE(Koer(t.kontrol, Variant(for_lang), t.indeks, &tekst));
            EXPECT_EQ(tekst, Laengde(for_lang, t.graense));
        }
    }
    // No rule: the unit of a component, a label column, rows beyond the table.
    EXPECT_TRUE(Koer(K::Komponent, Variant(Gentag("x", 200)), 1));
    EXPECT_TRUE(Koer(K::Afstand, Variant(Gentag("x", 200)), 0));
    EXPECT_TRUE(Koer(K::Lokalitet, Variant(Gentag("x", 200)), 6));
    EXPECT_TRUE(Koer(K::Boring, Variant(Gentag("x", 200)), 4));
}

TEST(InputKontroller, TomtOgNullPasserAlt) {
    for (K k : {K::Lokalitet, K::Boring, K::Analyse, K::Afstand, K::Komponent, K::Ionbytning, K::Kulstof,
                K::Redox})
        for (int indeks = 0; indeks <= 18; ++indeks) {
            EXPECT_TRUE(Koer(k, Variant(), indeks));
            EXPECT_TRUE(Koer(k, Variant(""), indeks));
            EXPECT_TRUE(Koer(k, Variant::null(), indeks));
        }
}

// A typed text reads in the user's settings, its grouping signs only between groups
// of three; any other text is refused with the cell's interval message. tal is the
// number an accepted text counts as in the calculations.
TEST(InputKontroller, TekstLaesesITalformatet) {
    struct Tilfaelde {
        Talformat format;
        const char* tekst;
        int raekke;  // 3 Calcium: 5 <= x < 1000, 5 Natrium: 0 <= x < 5000
        std::optional<double> tal;  // nullopt: refused
    };
    const auto D = Talformat::dansk(), E = Talformat::engelsk();
    const Tilfaelde tilfaelde[] = {
        {D, "5", 3, 5.0},          {D, "5,0", 3, 5.0},       {D, "4,99", 3, {}},   {D, "999,9", 3, 999.9},
        {D, "1.000", 3, {}},       // one thousand
        {D, "7.5", 3, {}},         {D, "abc", 3, {}},        {D, " ", 3, {}},      {D, "12abc", 3, {}},
        {E, "4.99", 3, {}},        {E, "7.5", 3, 7.5},       {E, "7,5", 3, {}},    {E, "1,000", 3, {}},
        {D, "2.5", 5, {}},         {D, "2,5", 5, 2.5},       {E, "2.5", 5, 2.5},   {E, "2,5", 5, {}},
        {D, "1.234,5", 5, 1234.5}, {E, "1,234.5", 5, 1234.5}, {D, "0.005", 5, {}}, {E, "0,005", 5, {}},
        {D, "1.23.4", 5, {}},      {E, "1,23,4", 5, {}},     {D, "1.2345", 5, {}}, {D, "4.999,9", 5, 4999.9},
    };
    for (const auto& t : tilfaelde) {
        TalformatScope scope(t.format);
        SCOPED_TRACE(std::string(t.tekst) + (t.format.decimaltegn() == ',' ? " dansk" : " engelsk"));
        std::string tekst;
        EXPECT_EQ(Koer(K::Analyse, Variant(t.tekst), t.raekke, &tekst), t.tal.has_value());
        if (t.tal) {
            EXPECT_EQ(SomTal(Variant(t.tekst)), t.tal);
        } else {
            EXPECT_EQ(tekst, Interval(t.tekst, t.raekke == 3 ? " 5 <= Calcium < 1000" : " 0 <= Natrium < 5000",
                                      false));
        }
    }
}

TEST(InputKontroller, TalIMeddelelsenSkrivesITalformatet) {
    std::string tekst;
    {
        TalformatScope dansk(Talformat::dansk());
        EXPECT_FALSE(Koer(K::Analyse, Variant(4.99), 3, &tekst));
        EXPECT_EQ(tekst, Interval("4,99", " 5 <= Calcium < 1000", false));
        EXPECT_TRUE(Koer(K::Analyse, Variant(5), 3));  // an integer from a file
    }
    TalformatScope engelsk(Talformat::engelsk());
    EXPECT_FALSE(Koer(K::Redox, Variant(-0.5), 6, &tekst));
    EXPECT_EQ(tekst, Interval("-0.5", " 0 <= Detrinifikation < 500", false));
}

TEST(InputKontroller, NaarBeskedIkkeOenskesVisesIntet) {
    RecordingBeskeder b;
    EXPECT_FALSE(KontrolLokalitet(Variant(Gentag("x", 51)), 1, false));
    EXPECT_FALSE(KontrolBoring(Variant(Gentag("x", 21)), 2, false));
    EXPECT_FALSE(KontrolAnalyse(Variant(10.0), 2, false));
    EXPECT_FALSE(KontrolAfstand(Variant(1e6), 2, false));
    EXPECT_FALSE(KontrolKomponent(Variant("abc"), 2, false));
    MeddelelseAnalyse(2, Variant(10.0), false);
    EXPECT_TRUE(b.vist.empty());
    MeddelelseKomponent(0, Variant("x"), true);
    ASSERT_EQ(b.vist.size(), 1u);
    EXPECT_EQ(b.vist[0].tekst, Laengde("x", 20));
}

TEST(InputKontroller, ProcesMeddelelseSaettesKunVedAfvisning) {
    std::string m = "før";
    EXPECT_TRUE(KontrolKulstof(Variant(2.0), 2, m));
    EXPECT_EQ(m, "før");
    EXPECT_FALSE(KontrolKulstof(Variant(100.0), 2, m));
    EXPECT_EQ(m, Interval("100", " 1 < Kulstof % < 100", false));
    std::string n;
    MeddelelseIonbytning(4, Variant("0"), n);
    EXPECT_EQ(n, Interval("0", " 0 < NH4 < 500", false));
}
