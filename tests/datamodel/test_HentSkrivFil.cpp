#include "datamodel/HentSkrivFil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <tuple>
#include <utility>
#include <vector>

#include "datamodel/InputKontroller.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "celler/Tegnsaet.h"
#include "support/RecordingBeskeder.h"
#include "support/TempDir.h"
#include "support/VariantUdskrift.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> DelVedSemikolon(const std::string& s) {
    std::vector<std::string> felter;
    std::string felt;
    for (char ch : s) {
        if (ch == ';') {
            felter.push_back(felt);
            felt.clear();
        } else {
            felt += ch;
        }
    }
    EXPECT_EQ(felt, "") << "text after the last separator";
    return felter;
}

// The fields of a saved file's one line, its line break left off.
std::vector<std::string> FelterILinjen(const std::string& bytes) {
    return DelVedSemikolon(bytes.substr(0, bytes.size() - 2));
}

std::string Linje(const std::vector<std::string>& felter) {
    std::string s;
    for (const auto& f : felter) s += f + ";";
    return s + "\r\n";
}

// A whole line of the file: these fields filled in, the other of the 326 empty.
std::string LinjeMed(std::initializer_list<std::pair<std::size_t, std::string>> felter) {
    std::vector<std::string> f(326);
    for (const auto& [i, v] : felter) f[i] = v;
    return Linje(f);
}

const std::string LaesFejl =
    "Filen kunne ikke læses, sikkert fordi filen enten ikke kunne findes eller fordi det ikke er en Akvifer data fil";
const std::string GemFejl = "Der skete en fejl i forbindelse med at gemme data";

// Every stored cell with its field number, worked out from the layout of the file.
struct Lagret {
    GridTabel* tabel;
    int raekke;
    int soejle;
    int felt;
    int blok;
};

std::vector<Lagret> LagredeCeller() {
    Tabeller& t = tabeller();
    std::vector<Lagret> v;
    for (int r = 1; r <= 5; ++r) v.push_back({&t.LokalitetData, r, 1, r - 1, 1});
    for (int b = 1; b <= 5; ++b)
        for (int r = 1; r <= 3; ++r) v.push_back({&t.BoringData, r, b + 1, 5 + 3 * (b - 1) + (r - 1), 2});
    for (int b = 1; b <= 5; ++b)
        for (int k = 1; k <= 18; ++k) v.push_back({&t.AnalyseData, k, b + 1, 20 + 18 * (b - 1) + (k - 1), 3});
    for (int c = 1; c <= 6; ++c) v.push_back({&t.AfstandData, 1, c, 110 + (c - 1), 4});
    for (int r = 1; r <= 5; ++r) v.push_back({&t.KomponentData, r, 0, 116 + (r - 1), 5});
    for (int b = 1; b <= 5; ++b)
        for (int r = 1; r <= 5; ++r) v.push_back({&t.KomponentData, r, b + 1, 121 + 5 * (b - 1) + (r - 1), 5});
    for (int b = 1; b <= 5; ++b)
        for (int q = 1; q <= 10; ++q)
            v.push_back({&t.KvalitetskontrolData, q, b + 1, 146 + 10 * (b - 1) + (q - 1), 6});
    for (int b = 1; b <= 5; ++b) {
        v.push_back({&t.BlandingData, 1, b, 196 + 2 * (b - 1), 7});
        v.push_back({&t.BlandingData, 2, b, 197 + 2 * (b - 1), 7});
    }
    for (int g = 0; g <= 5; ++g)
        for (int r = 1; r <= 5; ++r)
            for (int z = 1; z <= 4; ++z)
                v.push_back({&t.GrundvandstypeData[static_cast<std::size_t>(g)], r, z,
                             206 + 20 * g + 4 * (r - 1) + (z - 1), 8});
    return v;
}

class HentSkrivFil : public ::testing::Test {
protected:
    void SetUp() override {
        NulstilAlleData();
        UdfyldStandardtekster();
    }
    TempDir dir;
};

}  // namespace

TEST(KodSemikolon, Tabel) {
    TalformatScope dansk(Talformat::dansk());
    const std::pair<Variant, std::string> kod[] = {
        {Variant("a;b"), "aðb"},   {Variant("  a;b  "), "aðb"}, {Variant(" ; "), "ð"},
        {Variant(""), ""},         {Variant(), ""},             {Variant::null(), ""},
        {Variant(7.5), "7,5"},     {Variant(3), "3"},           {Variant("a\r\nb"), "a  b"},
        {Variant("\ta "), "\ta"},  {Variant("æ;ø"), "æðø"},     {Variant("Ærø\n"), "Ærø"},
    };
    for (const auto& [ind, ud] : kod) EXPECT_EQ(KodSemikolon(ind), ud) << ud;
    const std::pair<Variant, std::string> afkod[] = {
        {Variant("aðb"), "a;b"}, {Variant("  ð  "), ";"}, {Variant("ðð"), ";;"},
        {Variant(""), ""},       {Variant(), ""},          {Variant("a;b "), "a;b"},
    };
    for (const auto& [ind, ud] : afkod) EXPECT_EQ(AfkodSemikolon(ind), ud) << ud;
}

TEST(DelLinje, Felter) {
    std::int16_t antal = -1;
    RunError fejl = RunError::None;
    ASSERT_TRUE(DelLinje("a;b;;c", antal, fejl));
    EXPECT_EQ(antal, 3);
    const auto& f = FeltTabel();
    EXPECT_EQ(f[0], Variant("a"));
    EXPECT_EQ(f[1], Variant("b"));
    EXPECT_EQ(f[2], Variant(""));
    EXPECT_EQ(f[3], Variant());  // text after the last separator is dropped
    EXPECT_EQ(f[1000], Variant());

    ASSERT_TRUE(DelLinje(";", antal, fejl));
    EXPECT_EQ(antal, 1);
    EXPECT_EQ(f[0], Variant(""));
    EXPECT_EQ(f[1], Variant());

    ASSERT_TRUE(DelLinje(std::string(1000, ';'), antal, fejl));
    EXPECT_EQ(antal, 1000);
    EXPECT_EQ(f[999], Variant(""));
    EXPECT_EQ(f[1000], Variant());
    EXPECT_EQ(fejl, RunError::None);

    EXPECT_FALSE(DelLinje(std::string(1001, ';'), antal, fejl));
    EXPECT_EQ(fejl, RunError::SubscriptOutOfRange);
    fejl = RunError::None;
    EXPECT_FALSE(DelLinje("ingen separator", antal, fejl));
    EXPECT_EQ(fejl, RunError::SubscriptOutOfRange);
    fejl = RunError::None;
    EXPECT_FALSE(DelLinje("", antal, fejl));
    EXPECT_EQ(fejl, RunError::SubscriptOutOfRange);
}

TEST(DelLinje, IngenGraenseForSeparatorensPlads) {
    // A long text must not push the later separators out of reach.
    std::int16_t antal = 0;
    RunError fejl = RunError::None;
    ASSERT_TRUE(DelLinje(std::string(40000, 'x') + ";y;", antal, fejl));
    EXPECT_EQ(antal, 2);
    EXPECT_EQ(FeltTabel()[1], Variant("y"));
}

TEST(LagredeCeller, DaekkerHverFeltEnGang) {
    std::set<int> felter;
    for (const auto& c : LagredeCeller()) felter.insert(c.felt);
    EXPECT_EQ(felter.size(), 326u);
    EXPECT_EQ(*felter.begin(), 0);
    EXPECT_EQ(*felter.rbegin(), 325);
}

// A value of its own in every field: each lands at its place and comes back.
class HvertFelt : public HentSkrivFil, public ::testing::WithParamInterface<bool> {};

TEST_P(HvertFelt, PladsOgTilbagelaesning) {
    const bool dansk = GetParam();
    TalformatScope format(dansk ? Talformat::dansk() : Talformat::engelsk());
    const std::string d = dansk ? "," : ".";
    std::vector<std::string> forventetFelt(326);
    std::vector<Variant> forventetCelle;
    for (const auto& c : LagredeCeller()) {
        const std::string n = std::to_string(c.felt);
        Variant v;
        Variant tilbage;
        std::string felt;
        if (c.blok == 3) {
            v = Variant(c.felt + 0.5);
            felt = n + d + "5";
            tilbage = v;
        } else if (c.blok == 6 && c.felt % 2 == 0) {
            v = Variant(-c.felt - 0.125);
            felt = "-" + n + d + "125";
            tilbage = v;
        } else if (c.blok == 7 && c.raekke == 1) {
            v = Variant(c.felt);  // an integer comes back as a double
            felt = n;
            tilbage = Variant(static_cast<double>(c.felt));
        } else if (c.blok <= 2) {
            v = Variant("  F" + n + ";æ ");
            felt = "F" + n + "\xF0\xE6";
            tilbage = Variant("F" + n + ";æ");
        } else {
            v = Variant(" F" + n + ";ø ");
            felt = " F" + n + "\xF0\xF8 ";
            tilbage = v;
        }
        c.tabel->saet(c.raekke, c.soejle, v);
        forventetFelt[static_cast<std::size_t>(c.felt)] = felt;
        forventetCelle.push_back(tilbage);
    }
    RecordingBeskeder b;
    ASSERT_TRUE(SkrivFil(dir / "site.akv"));
    const std::string bytes = LaesBytes(dir / "site.akv");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find('\n'), bytes.size() - 1);
    const auto felter = FelterILinjen(bytes);
    ASSERT_EQ(felter.size(), 326u);
    for (std::size_t i = 0; i < 326; ++i) EXPECT_EQ(felter[i], forventetFelt[i]) << "field " << i;

    NulstilAlleData();
    ASSERT_TRUE(HentFil(dir / "site.akv"));
    EXPECT_TRUE(b.vist.empty());
    const auto celler = LagredeCeller();
    for (std::size_t i = 0; i < celler.size(); ++i)
        EXPECT_EQ(celler[i].tabel->hent(celler[i].raekke, celler[i].soejle), forventetCelle[i])
            << "field " << celler[i].felt;
}

INSTANTIATE_TEST_SUITE_P(Talformater, HvertFelt, ::testing::Values(true, false),
                         [](const auto& info) { return std::string(info.param ? "dansk" : "engelsk"); });

TEST_F(HentSkrivFil, KendtLilleFilByteForByte) {
    TalformatScope dansk(Talformat::dansk());
    Tabeller& t = tabeller();
    t.LokalitetData.saet(1, 1, " Ærø;Å ");
    t.BoringData.saet(1, 2, "B1 – øst");
    t.AnalyseData.saet(2, 2, 7.5);
    t.AnalyseData.saet(1, 3, 10);
    t.AfstandData.saet(1, 1, "år");
    t.KomponentData.saet(1, 0, "Benzen;toluen");
    t.KvalitetskontrolData.saet(10, 2, "N/A");
    t.KvalitetskontrolData.saet(1, 2, 0.00001);
    t.BlandingData.saet(1, 1, 100.0);
    t.BlandingData.saet(2, 1, "Opstrøm");
    t.GrundvandstypeData[0].saet(1, 1, "> 1");
    RecordingBeskeder b;
    ASSERT_TRUE(SkrivFil(dir / "lille.akv"));
    EXPECT_TRUE(b.vist.empty());

    std::vector<std::string> f(326);
    f[0] = "\xC6r\xF8\xF0\xC5";
    f[5] = "B1 \x96 \xF8st";
    f[21] = "7,5";
    f[38] = "10";
    f[110] = "\xE5r";
    f[116] = "Benzen\xF0toluen";
    for (int r = 2; r <= 5; ++r) f[static_cast<std::size_t>(115 + r)] = "Kulbrinte " + std::to_string(r);
    f[146] = "1E-05";
    f[155] = "N/A";
    f[196] = "100";
    f[197] = "Opstr\xF8m";
    f[206] = "> 1";
    EXPECT_EQ(LaesBytes(dir / "lille.akv"), Linje(f));

    ASSERT_TRUE(HentFil(dir / "lille.akv"));
    EXPECT_EQ(t.LokalitetData.hent(1, 1), Variant("Ærø;Å"));
    EXPECT_EQ(t.LokalitetData.hent(2, 1), Variant(""));
    EXPECT_EQ(t.BoringData.hent(1, 2), Variant("B1 – øst"));
    EXPECT_EQ(t.AnalyseData.hent(2, 2), Variant(7.5));
    EXPECT_EQ(t.AnalyseData.hent(1, 3), Variant(10.0));
    EXPECT_EQ(t.AnalyseData.hent(1, 2), Variant(""));  // empty field: the cleared cell stays
    EXPECT_EQ(t.AfstandData.hent(1, 1), Variant("år"));
    EXPECT_EQ(t.AfstandData.hent(1, 2), Variant(""));
    EXPECT_EQ(t.KomponentData.hent(1, 0), Variant("Benzen;toluen"));
    EXPECT_EQ(t.KomponentData.hent(1, 2), Variant(""));
    EXPECT_EQ(t.KomponentData.hent(5, 0), Variant("Kulbrinte 5"));
    EXPECT_EQ(t.KomponentData.hent(5, 1), Variant());  // the unit is not stored
    EXPECT_EQ(t.KvalitetskontrolData.hent(10, 2), Variant("N/A"));
    EXPECT_EQ(t.KvalitetskontrolData.hent(1, 2), Variant(0.00001));
    EXPECT_EQ(t.KvalitetskontrolData.hent(2, 2), Variant());  // emptied, field empty
    EXPECT_EQ(t.BlandingData.hent(1, 1), Variant(100.0));
    EXPECT_EQ(t.BlandingData.hent(1, 2), Variant());
    EXPECT_EQ(t.BlandingData.hent(2, 1), Variant("Opstrøm"));
    EXPECT_EQ(t.BlandingData.hent(2, 2), Variant(""));
    EXPECT_EQ(t.GrundvandstypeData[0].hent(1, 1), Variant("> 1"));
    EXPECT_EQ(t.GrundvandstypeData[5].hent(5, 4), Variant(""));
    // Labels the clearing kept survive the reading.
    EXPECT_EQ(t.AnalyseData.hent(1, 0), Variant("Temperatur"));
    EXPECT_TRUE(b.vist.empty());
}

// Values that need sixteen or seventeen digits to read back exactly are saved with
// fifteen, and the file they read back as saves to the same bytes.
TEST_F(HentSkrivFil, FemtenCifreOgSammeBytesVedNaesteGemning) {
    TalformatScope dansk(Talformat::dansk());
    Tabeller& t = tabeller();
    t.AnalyseData.saet(1, 2, 0.1 + 0.2);
    t.AnalyseData.saet(2, 2, 718.7 - 547.1);
    t.AnalyseData.saet(3, 2, 1.0 / 3.0);
    t.AnalyseData.saet(4, 2, 9007199254740993.0);
    t.KvalitetskontrolData.saet(1, 2, -0.14196582253175072);
    t.KvalitetskontrolData.saet(2, 2, 5e-324);
    ASSERT_TRUE(SkrivFil(dir / "a.akv"));
    const std::string a = LaesBytes(dir / "a.akv");
    const auto felter = FelterILinjen(a);
    ASSERT_EQ(felter.size(), 326u);
    EXPECT_EQ(felter[20], "0,3");
    EXPECT_EQ(felter[21], "171,6");
    EXPECT_EQ(felter[22], "0,333333333333333");
    EXPECT_EQ(felter[23], "9,00719925474099E+15");
    EXPECT_EQ(felter[146], "-0,141965822531751");
    EXPECT_EQ(felter[147], "4,94065645841247E-324");

    RecordingBeskeder b;
    ASSERT_TRUE(HentFil(dir / "a.akv"));
    ASSERT_TRUE(SkrivFil(dir / "b.akv"));
    EXPECT_EQ(LaesBytes(dir / "b.akv"), a);
    EXPECT_TRUE(b.vist.empty());
}

TEST_F(HentSkrivFil, TegnSomTegnsaettetIkkeHarOgLinjeskift) {
    Tabeller& t = tabeller();
    t.LokalitetData.saet(5, 1, "linje 1\r\nlinje 2");
    t.BlandingData.saet(2, 3, "中\n");
    ASSERT_TRUE(SkrivFil(dir / "f.akv"));
    const std::string bytes = LaesBytes(dir / "f.akv");
    const auto felter = FelterILinjen(bytes);
    ASSERT_EQ(felter.size(), 326u);
    EXPECT_EQ(felter[4], "linje 1  linje 2");
    EXPECT_EQ(felter[201], "? ");
    ASSERT_TRUE(HentFil(dir / "f.akv"));
    EXPECT_EQ(t.BlandingData.hent(2, 3), Variant("? "));
}

TEST_F(HentSkrivFil, DanskFilLaestPaaEngelskLaesesMedDecimalkomma) {
    {
        TalformatScope dansk(Talformat::dansk());
        tabeller().AnalyseData.saet(2, 2, 7.5);
        tabeller().KvalitetskontrolData.saet(5, 2, 7.25);
        ASSERT_TRUE(SkrivFil(dir / "f.akv"));
    }
    TalformatScope engelsk(Talformat::engelsk());
    RecordingBeskeder b;
    ASSERT_TRUE(HentFil(dir / "f.akv"));
    EXPECT_EQ(tabeller().AnalyseData.hent(2, 2), Variant(7.5));
    EXPECT_EQ(tabeller().KvalitetskontrolData.hent(5, 2), Variant(7.25));
    EXPECT_TRUE(b.vist.empty());
}

enum class Slags { Decimaler, HeleTal, Gruppering, TekstDecimaler };

// A site as typed in the format f, or as a reader makes of it (indlaest): the
// analyses doubles, the groundwater-type values texts. Decimals everywhere, whole
// numbers only, whole numbers and two texts typed with grouping, or decimals only in
// the distances and concentrations, which the file keeps as text.
void Lokalitet(Slags slags, const Talformat& f, bool indlaest) {
    constexpr int analyser[18] = {950, 729, 8850, 1230, 2540, 315, 5, 2, 1, 24050, 4520, 5580, 2240, 25, 1, 250, 840, 1};
    auto tal = [slags](int hundrededele) {
        return slags == Slags::Decimaler ? hundrededele / 100.0 : static_cast<double>(hundrededele / 100);
    };
    auto tekstTal = [slags, &tal](int hundrededele) {
        return slags == Slags::TekstDecimaler ? hundrededele / 100.0 : tal(hundrededele);
    };
    auto tastet = [&](double v) { return indlaest ? Variant(v) : Variant(f.formater(v)); };
    Tabeller& t = tabeller();
    t.AfstandData.saet(1, 1, "m");
    for (int b = 1; b <= 5; ++b) {
        for (int r = 1; r <= 18; ++r) t.AnalyseData.saet(r, b + 1, tastet(tal(analyser[r - 1] + 7 * b)));
        t.AfstandData.saet(1, b + 1, f.formater(tekstTal(12050 * (b - 1))));
        for (int r = 1; r <= 5; ++r) t.KomponentData.saet(r, b + 1, f.formater(tekstTal(1000 * b + 37 * r)));
        for (int q = 1; q <= 10; ++q) t.KvalitetskontrolData.saet(q, b + 1, (q % 2 ? -1 : 1) * tal(100 * q + b));
        t.BlandingData.saet(1, b, indlaest ? Variant(11.0 * b) : Variant(std::to_string(11 * b)));
        t.BlandingData.saet(2, b, "Nedstr." + std::to_string(b));
        for (int r = 1; r <= 5; ++r) {  // as the run computed it, and copied from the analyses as typed
            const double v = tal(100 * b + r);
            t.GrundvandstypeData[static_cast<std::size_t>(b)].saet(r, 1, indlaest ? Variant(f.formater(v)) : Variant(v));
            t.GrundvandstypeData[static_cast<std::size_t>(b)].saet(r, 3, f.formater(tal(10 * b + r)));
        }
    }
    t.KvalitetskontrolData.saet(10, 3, "N/A");
    t.GrundvandstypeData[0].saet(1, 1, ">  1,0");
    if (slags != Slags::Gruppering) return;
    const std::string g(1, f.tusindtegn()), d(1, f.decimaltegn());
    t.AnalyseData.saet(11, 2, indlaest ? Variant(1234.5) : Variant("1" + g + "234" + d + "5"));
    t.AfstandData.saet(1, 3, "2" + g + "345" + d + "5");
}

std::vector<Variant> LagredeVaerdier() {
    std::vector<Variant> v;
    for (const auto& c : LagredeCeller()) v.push_back(c.tabel->hent(c.raekke, c.soejle));
    return v;
}

class Udvekslinger : public HentSkrivFil, public ::testing::WithParamInterface<std::tuple<Slags, bool, bool>> {};

// A colleague's file reads as the reader's own copy of the site: every value as
// saved, the numbers kept as text in the reader's format, and the check passes.
TEST_P(Udvekslinger, LaesesSomEgenKopi) {
    const auto [slags, skrevetDansk, laestDansk] = GetParam();
    auto format = [](bool dansk) { return dansk ? Talformat::dansk() : Talformat::engelsk(); };
    {
        TalformatScope s(format(skrevetDansk));
        Lokalitet(slags, format(skrevetDansk), false);
        ASSERT_TRUE(SkrivFil(dir / "kollega.akv"));
    }
    TalformatScope s(format(laestDansk));
    NulstilAlleData();
    UdfyldStandardtekster();
    Lokalitet(slags, format(laestDansk), true);
    const std::vector<Variant> gemt = LagredeVaerdier();
    RecordingBeskeder b;
    ASSERT_TRUE(SkrivFil(dir / "egen.akv") && HentFil(dir / "egen.akv"));
    const std::vector<Variant> egen = LagredeVaerdier();
    ASSERT_TRUE(HentFil(dir / "kollega.akv"));
    EXPECT_TRUE(KontrolAfInputfil(dir / "kollega.akv"));
    EXPECT_TRUE(b.vist.empty());
    const std::vector<Variant> kollegas = LagredeVaerdier();
    for (std::size_t i = 0; i < gemt.size(); ++i) {
        if (ErUdfyldt(gemt[i])) { EXPECT_EQ(egen[i], gemt[i]) << "field " << LagredeCeller()[i].felt; }
        EXPECT_EQ(kollegas[i], egen[i]) << "field " << LagredeCeller()[i].felt;
    }
}

INSTANTIATE_TEST_SUITE_P(Talformater, Udvekslinger,
                         ::testing::Combine(::testing::Values(Slags::Decimaler, Slags::HeleTal, Slags::Gruppering, Slags::TekstDecimaler),
                                            ::testing::Bool(), ::testing::Bool()),
                         [](const auto& info) {
                             const Slags slags = std::get<0>(info.param);
                             return std::string(slags == Slags::Decimaler ? "decimaler"
                                                : slags == Slags::HeleTal ? "heleTal"
                                                : slags == Slags::Gruppering ? "gruppering" : "tekstDecimaler") +
                                    (std::get<1>(info.param) ? "_dansk" : "_engelsk") +
                                    (std::get<2>(info.param) ? "_tilDansk" : "_tilEngelsk");
                         });

// Lines edited by hand, each read under both settings: every number in the format
// it shows, one that could be either in the format most of its line shows (the
// user's on a tie), one that is neither read with the grouping signs ignored. The
// distance kept as text comes back in the reader's format.
struct Haandrettet {
    const char* navn;
    std::vector<std::pair<std::size_t, std::string>> felter;
    std::vector<std::pair<int, double>> analyser;  // row of borehole 1, value under both settings
    double tvetydig[2];                            // Natrium (field 24) read under Danish, English
    const char* afstand[2];                        // distance of borehole 1 (field 111)
    double resultat;                               // first quality-control result (field 146)
};

void PrintTo(const Haandrettet& h, std::ostream* os) { *os << h.navn; }

class HaandrettedeLinjer : public HentSkrivFil, public ::testing::WithParamInterface<Haandrettet> {};

// Under Swedish settings (decimal comma, grouping blank) a line reads as under
// Danish; the distance kept as text comes back in the Swedish format.
TEST_P(HaandrettedeLinjer, HvertTalSomMent) {
    const Haandrettet& h = GetParam();
    std::vector<std::string> felter(326);
    for (const auto& [i, v] : h.felter) felter[i] = v;
    SkrivBytes(dir / "f.akv", Linje(felter));
    for (const Talformat& f : {Talformat::dansk(), Talformat::engelsk(), Talformat(',', ' ')}) {
        TalformatScope s(f);
        const int i = f.decimaltegn() == ',' ? 0 : 1;
        std::string afstand = h.afstand[i];
        for (char& ch : afstand) ch = f.tusindtegn() == ' ' && ch == '.' ? ' ' : ch;
        const std::string navn(1, f.tusindtegn());
        RecordingBeskeder b;
        ASSERT_TRUE(HentFil(dir / "f.akv"));
        const Tabeller& t = tabeller();
        for (const auto& [r, v] : h.analyser) EXPECT_EQ(t.AnalyseData.hent(r, 2), Variant(v)) << "row " << r << " " << navn;
        EXPECT_EQ(t.AnalyseData.hent(5, 2), Variant(h.tvetydig[i])) << navn;
        EXPECT_EQ(t.AfstandData.hent(1, 2), Variant(afstand)) << navn;
        EXPECT_EQ(t.KvalitetskontrolData.hent(1, 2), Variant(h.resultat)) << navn;
        EXPECT_TRUE(KontrolAfInputfil("f.akv"));
        EXPECT_TRUE(b.vist.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Felter, HaandrettedeLinjer,
    ::testing::Values(
        Haandrettet{"danskMedEtEngelskTal", {{21, "7,25"}, {22, "95,5"}, {24, "12,5"}, {26, "0.05"}, {111, "37,5"}, {146, "48,767"}},
                    {{2, 7.25}, {3, 95.5}, {7, 0.05}}, {12.5, 12.5}, {"37,5", "37.5"}, 48.767},
        Haandrettet{"engelskMedEtDanskTal", {{21, "7.25"}, {22, "95.5"}, {23, "1,5"}, {24, "12.5"}, {111, "37.5"}, {146, "48.767"}},
                    {{2, 7.25}, {3, 95.5}, {4, 1.5}}, {12.5, 12.5}, {"37,5", "37.5"}, 48.767},
        // Three fields tell English, one Danish: the Natrium that could be either is English.
        Haandrettet{"flertalAfgoer", {{24, "1.125"}, {22, "95.5"}, {23, "1,5"}, {111, "37.5"}, {146, "0.5"}},
                    {{3, 95.5}, {4, 1.5}}, {1.125, 1.125}, {"37,5", "37.5"}, 0.5},
        // Nothing tells, or as much of each: the user's format.
        Haandrettet{"kunTvetydige", {{24, "1.125"}, {111, "1.250"}, {146, "1"}}, {}, {1125, 1.125}, {"1.250", "1.250"}, 1},
        Haandrettet{"lige", {{24, "1.125"}, {22, "95.5"}, {23, "1,5"}, {111, "1.250"}, {146, "2"}},
                    {{3, 95.5}, {4, 1.5}}, {1125, 1.125}, {"1.250", "1.250"}, 2},
        // A value in neither format: read as files always were, in the line's format.
        Haandrettet{"hverken", {{21, "7,25"}, {22, "1.2.3"}, {24, "12,5"}, {111, "37,5"}, {146, "48,767"}}, {{3, 123}},
                    {12.5, 12.5}, {"37,5", "37.5"}, 48.767},
        // A Danish colleague's grouped Klorid in a line that shows a decimal comma.
        Haandrettet{"grupperetKlorid", {{21, "7,25"}, {22, "95,5"}, {30, "1.500"}, {24, "12"}, {111, "1.250"}, {146, "1"}},
                    {{2, 7.25}, {3, 95.5}, {11, 1500}}, {12, 12}, {"1.250", "1,250"}, 1},
        // Results are written from doubles, never grouped: an English file of whole
        // numbers whose one decimal is a result.
        Haandrettet{"resultatetViserFormatet", {{21, "7"}, {24, "12"}, {111, "100"}, {146, "48.767"}}, {{2, 7}},
                    {12, 12}, {"100", "100"}, 48.767}),
    [](const auto& info) { return std::string(info.param.navn); });

// A site saved by the program in Windows-1252, then by an editor in another form:
// each reads as the original, or is refused naming the character, and the tables
// stay as the clearing left them.
struct Omkodning {
    const char* navn;
    std::string (*bytes)(const std::string& utf8);  // from the original re-encoded to UTF-8
    const char* afvisning;  // the first message, or nullptr: read as the original
};

class Omkodninger : public HentSkrivFil, public ::testing::WithParamInterface<Omkodning> {};

TEST_P(Omkodninger, LaesesSomOriginalenEllerAfvises) {
    TalformatScope dansk(Talformat::dansk());
    NulstilAlleData();
    const std::vector<Variant> ryddet = LagredeVaerdier();  // as the reader's clearing leaves them
    UdfyldStandardtekster();
    Lokalitet(Slags::Gruppering, Talformat::dansk(), false);
    tabeller().LokalitetData.saet(1, 1, "Grønnegade 12, Ørsted");
    tabeller().LokalitetData.saet(2, 1, "Åse Ærø; “ren” – 5 € ‰ Ã©");  // "Ã©" alone is valid UTF-8
    tabeller().BoringData.saet(2, 2, "opstrøm ‘Š’");
    ASSERT_TRUE(SkrivFil(dir / "original.akv") && HentFil(dir / "original.akv"));
    const std::vector<Variant> original = LagredeVaerdier();

    SkrivBytes(dir / "f.akv", GetParam().bytes(FraWindows1252(LaesBytes(dir / "original.akv"))));
    RecordingBeskeder b;
    EXPECT_EQ(HentFil(dir / "f.akv"), !GetParam().afvisning);
    EXPECT_EQ(LagredeVaerdier(), GetParam().afvisning ? ryddet : original);
    std::vector<std::string> vist;
    for (const auto& v : b.vist) vist.push_back(v.tekst);
    EXPECT_EQ(vist, (GetParam().afvisning ? std::vector<std::string>{GetParam().afvisning, LaesFejl}
                                          : std::vector<std::string>()));
}

INSTANTIATE_TEST_SUITE_P(
    Filer, Omkodninger,
    ::testing::Values(
        // Its Danish letters are no UTF-8, so the one valid sequence reads as before.
        Omkodning{"windows1252", [](const std::string& u) { return TilWindows1252(u); }, nullptr},
        Omkodning{"utf8", [](const std::string& u) { return u; }, nullptr},
        Omkodning{"utf8MedBom", [](const std::string& u) { return std::string(Utf8Bom) + u; }, nullptr},
        // The mark, then letters in Windows-1252 and in UTF-8 ("Ã©"), as a program that
        // kept the mark as "ï»¿" saved it with letters typed since.
        Omkodning{"bomOgBlandedeBogstaver",
                  [](const std::string& u) {
                      return std::string(Utf8Bom) + std::regex_replace(TilWindows1252(u), std::regex("\xC3\xA9"), "Ã©");
                  },
                  nullptr},
        // "Åse" as a letter and an accent, as some editors save it.
        Omkodning{"utf8Nedbrudt", [](const std::string& u) { return std::regex_replace(u, std::regex("Å"), "A\u030A"); },
                  nullptr},
        Omkodning{"utf8MedTegnUdenforWindows1252",
                  [](const std::string& u) { return std::regex_replace(u, std::regex("Ørsted"), "Ørsted ≥ 2"); },
                  "Filen indeholder tegnet \"≥\" (U+2265), som ikke kan gemmes i datafilen."}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST_F(HentSkrivFil, LangTekstKanGemmesIgen) {
    tabeller().GrundvandstypeData[0].saet(1, 1, std::string(32000, 'x'));
    tabeller().GrundvandstypeData[5].saet(5, 4, "sidst");
    ASSERT_TRUE(SkrivFil(dir / "a.akv"));
    ASSERT_TRUE(HentFil(dir / "a.akv"));
    EXPECT_EQ(tabeller().GrundvandstypeData[5].hent(5, 4), Variant("sidst"));
    ASSERT_TRUE(SkrivFil(dir / "b.akv"));
    EXPECT_EQ(LaesBytes(dir / "a.akv"), LaesBytes(dir / "b.akv"));
}

// Files written by hand: what the reader makes of them.
struct Laesning {
    const char* navn;
    std::string bytes;
};

class GodeFiler : public HentSkrivFil, public ::testing::WithParamInterface<Laesning> {};

TEST_P(GodeFiler, LaesesUdenBesked) {
    TalformatScope dansk(Talformat::dansk());
    SkrivBytes(dir / "f.akv", GetParam().bytes);
    RecordingBeskeder b;
    EXPECT_TRUE(HentFil(dir / "f.akv"));
    EXPECT_TRUE(b.vist.empty());
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), Variant("Grube"));
    EXPECT_EQ(tabeller().AnalyseData.hent(1, 2), Variant(10.5));
}

std::string Data(const std::string& ende) {
    const std::string linje = LinjeMed({{0, "Grube"}, {20, "10,5"}});
    return linje.substr(0, linje.size() - 2) + ende;
}

INSTANTIATE_TEST_SUITE_P(
    Linjer, GodeFiler,
    ::testing::Values(Laesning{"crlf", Data("\r\n")}, Laesning{"lf", Data("\n")},
                      Laesning{"noEnd", Data("")},
                      Laesning{"oneEmptyLineAfter", Data("\r\n\r\n")},
                      Laesning{"oneEmptyLfLineAfter", Data("\n\n")},
                      Laesning{"extraFields", Data(std::string(600, ';') + "\r\n")},
                      Laesning{"twoLines", "x;;;;;;;;;;;;;;;;;;;;1;\r\n" + Data("\r\n")}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST_F(HentSkrivFil, TomFilGiverRyddedeTabeller) {
    SkrivBytes(dir / "tom.akv", "");
    tabeller().LokalitetData.saet(1, 1, "gammel");
    RecordingBeskeder b;
    EXPECT_TRUE(HentFil(dir / "tom.akv"));
    EXPECT_TRUE(b.vist.empty());
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), Variant(""));
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 0), Variant("Lokalitet"));
}

TEST_F(HentSkrivFil, FlereLinjerSidsteVinderUndtagenTommeAnalyser) {
    TalformatScope dansk(Talformat::dansk());
    SkrivBytes(dir / "f.akv", LinjeMed({{0, "første"}, {20, "1"}, {21, "7"}, {146, "3"}}) +
                                  LinjeMed({{0, "anden"}, {21, "8"}}));
    ASSERT_TRUE(HentFil(dir / "f.akv"));
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), Variant("anden"));
    EXPECT_EQ(tabeller().AnalyseData.hent(1, 2), Variant(1.0));  // kept from line 1
    EXPECT_EQ(tabeller().AnalyseData.hent(2, 2), Variant(8.0));
    EXPECT_EQ(tabeller().KvalitetskontrolData.hent(1, 2), Variant());  // emptied by line 2
}

TEST_F(HentSkrivFil, KortLinjeOgLinjeUdenSidsteSemikolon) {
    SkrivBytes(dir / "f.akv", "a;b;c\r\n");
    ASSERT_TRUE(HentFil(dir / "f.akv"));
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), Variant("a"));
    EXPECT_EQ(tabeller().LokalitetData.hent(2, 1), Variant("b"));
    EXPECT_EQ(tabeller().LokalitetData.hent(3, 1), Variant(""));  // "c" lost, restored text of nothing
    EXPECT_EQ(tabeller().AfstandData.hent(1, 1), Variant());       // beyond the line: empty
    EXPECT_EQ(tabeller().KomponentData.hent(1, 0), Variant());
    EXPECT_EQ(tabeller().GrundvandstypeData[2].hent(1, 1), Variant());
}

TEST_F(HentSkrivFil, AeldreFilUdenKodningLaesesSomFoer) {
    // A file from before every free text was escaped: nothing in it changes meaning.
    SkrivBytes(dir / "gammel.akv", LinjeMed({{0, "Grube\xF0nord "},
                                             {5, " B1 "},
                                             {110, "meter"},
                                             {116, " Benzen "},
                                             {197, "Opstr\xF8m"},
                                             {206, "< 1 mg/l"}}));
    ASSERT_TRUE(HentFil(dir / "gammel.akv"));
    Tabeller& t = tabeller();
    EXPECT_EQ(t.LokalitetData.hent(1, 1), Variant("Grube;nord"));
    EXPECT_EQ(t.BoringData.hent(1, 2), Variant("B1"));
    EXPECT_EQ(t.AfstandData.hent(1, 1), Variant("meter"));
    EXPECT_EQ(t.KomponentData.hent(1, 0), Variant(" Benzen "));
    EXPECT_EQ(t.BlandingData.hent(2, 1), Variant("Opstrøm"));
    EXPECT_EQ(t.GrundvandstypeData[0].hent(1, 1), Variant("< 1 mg/l"));
}

// Every way a read can fail: two boxes, false, and the tables as far as it got.
struct Fejllaesning {
    const char* navn;
    std::string bytes;
    const char* beskrivelse;
    Variant lokalitet;  // LokalitetData(1, 1) afterwards
    Variant analyse;    // AnalyseData(1, 2) afterwards
};

class DaarligeFiler : public HentSkrivFil, public ::testing::WithParamInterface<Fejllaesning> {};

TEST_P(DaarligeFiler, ToBeskederOgFalsk) {
    TalformatScope dansk(Talformat::dansk());
    SkrivBytes(dir / "f.akv", GetParam().bytes);
    tabeller().LokalitetData.saet(1, 1, "gammel");
    tabeller().AnalyseData.saet(1, 2, 99.0);
    RecordingBeskeder b;
    EXPECT_FALSE(HentFil(dir / "f.akv"));
    ASSERT_EQ(b.vist.size(), 2u);
    EXPECT_EQ(b.vist[0].tekst, GetParam().beskrivelse);
    EXPECT_EQ(b.vist[1].tekst, LaesFejl);
    for (const auto& v : b.vist) {
        EXPECT_EQ(v.ikon, BeskedIkon::Ingen);
        EXPECT_EQ(v.knapper, BeskedKnapper::OK);
        EXPECT_EQ(v.titel, "");
    }
    // Cleared first, then whatever the lines before the error and the failing line
    // up to its bad field set.
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), GetParam().lokalitet);
    EXPECT_EQ(tabeller().AnalyseData.hent(1, 2), GetParam().analyse);
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 0), Variant("Lokalitet"));
}

// A line with "Grube" and the first analysis 10,5, and v in field i.
std::string MedFelt(std::size_t i, const std::string& v) { return LinjeMed({{0, "Grube"}, {20, "10,5"}, {i, v}}); }

const Variant Ryddet("");   // as the clearing leaves a cell of the input tables
const Variant Grube("Grube");

INSTANTIATE_TEST_SUITE_P(
    Fejl, DaarligeFiler,
    ::testing::Values(
        Fejllaesning{"emptyFirstLine", "\r\n" + Data("\r\n"), "Indeks uden for område", Ryddet, Ryddet},
        Fejllaesning{"onlyEmptyLine", "\r\n", "Indeks uden for område", Ryddet, Ryddet},
        Fejllaesning{"noSeparator", "Dette er ikke en datafil\r\n", "Indeks uden for område", Ryddet, Ryddet},
        Fejllaesning{"tooManySeparators", std::string(1001, ';') + "\r\n", "Indeks uden for område", Ryddet,
                     Ryddet},
        Fejllaesning{"twoEmptyLinesAfter", Data("\r\n\r\n\r\n"), "Indeks uden for område", Grube, 10.5},
        Fejllaesning{"emptyLineBetween", Data("\r\n\r\n") + Data("\r\n"), "Indeks uden for område", Grube,
                     10.5},
        Fejllaesning{"garbageLineAfter", Data("\r\nslut\r\n"), "Indeks uden for område", Grube, 10.5},
        Fejllaesning{"textInAnalyses", MedFelt(21, "abc"), "Typen stemmer ikke overens", Grube, 10.5},
        Fejllaesning{"lastAnalysis", MedFelt(109, "1,2,3"), "Typen stemmer ikke overens", Grube, 10.5},
        Fejllaesning{"blankAnalysis", MedFelt(50, " "), "Typen stemmer ikke overens", Grube, 10.5},
        Fejllaesning{"hugeNumber", MedFelt(20, "1E400"), "Typen stemmer ikke overens", Grube, Ryddet}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST_F(HentSkrivFil, FejlIAnalyserStopperMidtILinjen) {
    TalformatScope dansk(Talformat::dansk());
    SkrivBytes(dir / "f.akv", LinjeMed({{0, "Grube"},
                                        {5, "B1"},
                                        {20, "12"},
                                        {21, "7,x"},
                                        {22, "30"},
                                        {110, "meter"},
                                        {146, "5"}}));
    RecordingBeskeder b;
    EXPECT_FALSE(HentFil(dir / "f.akv"));
    Tabeller& t = tabeller();
    EXPECT_EQ(t.LokalitetData.hent(1, 1), Variant("Grube"));
    EXPECT_EQ(t.BoringData.hent(1, 2), Variant("B1"));
    EXPECT_EQ(t.AnalyseData.hent(1, 2), Variant(12.0));
    EXPECT_EQ(t.AnalyseData.hent(2, 2), Variant(""));  // as the clearing left it
    EXPECT_EQ(t.AnalyseData.hent(3, 2), Variant(""));
    EXPECT_EQ(t.AfstandData.hent(1, 1), Variant(""));
    EXPECT_EQ(t.KvalitetskontrolData.hent(1, 2), Variant(""));
}

TEST_F(HentSkrivFil, FilSomIkkeKanAabnes) {
    struct Tilfaelde {
        std::string sti;
        const char* beskrivelse;
    };
    fs::create_directory(dir / "mappe");
    const Tilfaelde tilfaelde[] = {
        {dir / "findes.ikke.akv", "Filen blev ikke fundet"},
        {dir / "ingen/mappe.akv", "Stien blev ikke fundet"},
        {dir / "mappe", "Fejl ved adgang til sti/fil"},
        {"/proc/self/mem", "I/O-fejl på enheden"},  // the read fails; it is no end of file
    };
    for (const auto& t : tilfaelde) {
        tabeller().LokalitetData.saet(1, 1, "gammel");
        RecordingBeskeder b;
        EXPECT_FALSE(HentFil(t.sti)) << t.sti;
        ASSERT_EQ(b.vist.size(), 2u);
        EXPECT_EQ(b.vist[0].tekst, t.beskrivelse);
        EXPECT_EQ(b.vist[1].tekst, LaesFejl);
        EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), Variant(""));  // cleared first
    }
}

TEST_F(HentSkrivFil, GemmerOgMeldesIkkeFejl) {
    RecordingBeskeder b;
    EXPECT_TRUE(SkrivFil(dir / "ok.akv"));
    EXPECT_TRUE(b.vist.empty());
    std::vector<std::string> f(326);
    for (int r = 1; r <= 5; ++r) f[static_cast<std::size_t>(115 + r)] = "Kulbrinte " + std::to_string(r);
    EXPECT_EQ(LaesBytes(dir / "ok.akv"), Linje(f));
}

TEST_F(HentSkrivFil, MislykketGemningEnBeskedGammelFilUroert) {
    SkrivBytes(dir / "ro.akv", "gammel");
    ::chmod((dir / "ro.akv").c_str(), 0444);
    SkrivBytes(dir / "fuld.akv", "gammel");
    SkrivBytes(dir / "nan.akv", "gammel");
    tabeller().LokalitetData.saet(1, 1, "ny");

    struct rlimit gammelGraense {};
    ::getrlimit(RLIMIT_FSIZE, &gammelGraense);
    const std::string stier[] = {dir / "ingen/mappe.akv", dir / "ro.akv", dir / "fuld.akv", dir / "nan.akv"};
    for (const auto& sti : stier) {
        RecordingBeskeder b;
        bool ok;
        if (sti == dir / "fuld.akv") {
            // The write itself fails: a file-size limit, which holds for the super-user too.
            auto gammel = std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit lille = gammelGraense;
            lille.rlim_cur = 100;
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lille), 0);
            ok = SkrivFil(sti);
            ::setrlimit(RLIMIT_FSIZE, &gammelGraense);
            std::signal(SIGXFSZ, gammel);
        } else if (sti == dir / "nan.akv") {
            tabeller().AnalyseData.saet(1, 2, std::nan(""));  // would be saved as a text no reader takes
            ok = SkrivFil(sti);
            tabeller().AnalyseData.saet(1, 2, Variant());
        } else {
            ok = SkrivFil(sti);
        }
        EXPECT_FALSE(ok) << sti;
        ASSERT_EQ(b.vist.size(), 1u) << sti;
        EXPECT_EQ(b.vist[0].tekst, GemFejl);
        EXPECT_EQ(b.vist[0].ikon, BeskedIkon::Kritisk);
        EXPECT_EQ(b.vist[0].knapper, BeskedKnapper::OK);
        EXPECT_EQ(b.vist[0].titel, "");
    }
    EXPECT_EQ(LaesBytes(dir / "ro.akv"), "gammel");
    EXPECT_EQ(LaesBytes(dir / "fuld.akv"), "gammel");
    EXPECT_EQ(LaesBytes(dir / "nan.akv"), "gammel");
    EXPECT_EQ(dir.entries().size(), 3u);  // no temporary file left behind
}

// A folder that no new file can be made in, with the old file in it: false, one
// message, the old file as it was. A folder without write permission stops only
// other users than the super-user; no process can make a file in /proc/<pid>.
TEST_F(HentSkrivFil, GemningIMappeDerIkkeKanSkrivesI) {
    std::vector<std::string> stier = {"/proc/self/comm"};
    fs::create_directory(dir / "laast");
    SkrivBytes(dir / "laast/f.akv", "gammel");
    ::chmod((dir / "laast").c_str(), 0555);
    if (::access((dir / "laast").c_str(), W_OK) != 0) stier.push_back(dir / "laast/f.akv");
    for (const auto& sti : stier) {
        const std::string foer = LaesBytes(sti);
        RecordingBeskeder b;
        EXPECT_FALSE(SkrivFil(sti)) << sti;
        ASSERT_EQ(b.vist.size(), 1u) << sti;
        EXPECT_EQ(b.vist[0].tekst, GemFejl);
        EXPECT_EQ(b.vist[0].ikon, BeskedIkon::Kritisk);
        EXPECT_EQ(LaesBytes(sti), foer) << sti;
    }
    ::chmod((dir / "laast").c_str(), 0755);
    EXPECT_EQ(LaesBytes(dir / "laast/f.akv"), "gammel");
    // No temporary file left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "laast"), fs::directory_iterator{}), 1);
}

// Damaged files of every kind: the reader never crashes, and what it accepts saves
// to a file that reads back and saves again to the same bytes.
TEST_F(HentSkrivFil, BeskadigedeFilerGemmesStabilt) {
    TalformatScope dansk(Talformat::dansk());
    for (const auto& c : LagredeCeller()) {
        const std::string n = std::to_string(c.felt);
        if (c.blok == 3) c.tabel->saet(c.raekke, c.soejle, Variant(c.felt / 7.0));
        else if (c.blok == 6) c.tabel->saet(c.raekke, c.soejle, c.felt % 3 ? Variant(-c.felt * 1e-7) : Variant("N/A"));
        else c.tabel->saet(c.raekke, c.soejle, Variant("æ;" + n + " "));
    }
    ASSERT_TRUE(SkrivFil(dir / "kilde.akv"));
    const std::string kilde = LaesBytes(dir / "kilde.akv");

    std::mt19937 tilfaeldig(20240611);
    auto tal = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(tilfaeldig); };
    const std::string stumper[] = {";", "\r\n", "\n", "\r", "\xF0", " ", "abc", "7,5", "1E400", ";;;;", "\x81",
                                   std::string(1, '\0'), "-", "1.000.000"};
    int laest = 0;
    for (int runde = 0; runde < 250; ++runde) {
        std::string bytes = kilde;
        const std::size_t antalAendringer = 1 + tal(4);
        for (std::size_t k = 0; k < antalAendringer && !bytes.empty(); ++k) {
            const std::size_t p = tal(bytes.size());
            switch (tal(4)) {
            case 0: bytes[p] = static_cast<char>(tal(256)); break;
            case 1: bytes.insert(p, stumper[tal(std::size(stumper))]); break;
            case 2: bytes.erase(p, 1 + tal(40)); break;
            case 3: bytes.insert(p, bytes.substr(tal(bytes.size()), 1 + tal(60))); break;
            }
        }
        SkrivBytes(dir / "f.akv", bytes);
        RecordingBeskeder b;
        if (!HentFil(dir / "f.akv")) {
            EXPECT_EQ(b.vist.size(), 2u);
            continue;
        }
        ++laest;
        EXPECT_TRUE(b.vist.empty());
        // The first save may still change a text (a CR becomes a blank, " 77" among the
        // results reads back as a number); from then on the file stays the same.
        ASSERT_TRUE(SkrivFil(dir / "c.akv"));
        ASSERT_TRUE(HentFil(dir / "c.akv"));
        ASSERT_TRUE(SkrivFil(dir / "a.akv"));
        ASSERT_TRUE(HentFil(dir / "a.akv"));
        ASSERT_TRUE(SkrivFil(dir / "b.akv"));
        ASSERT_EQ(LaesBytes(dir / "a.akv"), LaesBytes(dir / "b.akv")) << "round " << runde;
    }
    EXPECT_GT(laest, 40);  // the damage must leave enough readable files to test the saving
}
