#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "platform/Sidelayout.h"
#include "platform/Udskrift.h"
#include "support/RecordingUdskrift.h"

namespace {

using V = VandretJustering;

struct FormatTilfaelde {
    const char* format;
    std::vector<Kolonne> kolonner;
};

TEST(Sidelayout, FortolkFormat) {
    const std::vector<FormatTilfaelde> tilfaelde = {
        {"<+3600|<+7000;", {{V::Venstre, 3600}, {V::Venstre, 7000}}},
        {"<+2000|^+1600", {{V::Venstre, 2000}, {V::Centreret, 1600}}},  // without the closing ";"
        {"^1400;", {{V::Centreret, 1400}}},
        {"<+abc|<+100;", {{V::Venstre, 100}}},  // a spec that cannot be read is skipped
        {"", {}},
        {";", {}},
    };
    for (const auto& t : tilfaelde) EXPECT_EQ(FortolkFormat(t.format), t.kolonner) << t.format;

    const auto boring = FortolkFormat("<+2000|<+1600|<+1400|<+1400|<+1400|<+1400|<+1400;");
    EXPECT_EQ(std::accumulate(boring.begin(), boring.end(), 0, [](int s, const Kolonne& k) { return s + k.bredde; }),
              10600);
}

TEST(Sidelayout, KropFramOgTilbage) {
    const std::vector<std::pair<std::string, Tabelraekker>> tilfaelde = {
        {"Analyseoplysninger|;Lokalitet|Grusgrav;", {{"Analyseoplysninger", ""}, {"Lokalitet", "Grusgrav"}}},
        {"Boringskontrol;Parameter|Enhed|B1;", {{"Boringskontrol"}, {"Parameter", "Enhed", "B1"}}},
        {"pH|7,25;;", {{"pH", "7,25"}, {""}}},
    };
    for (const auto& [krop, raekker] : tilfaelde) {
        EXPECT_EQ(FortolkKrop(krop), raekker) << krop;
        EXPECT_EQ(SammensaetKrop(raekker), krop);
    }
}

TEST(Sidelayout, KunHoejreDelAfFodenFaarSidenummer) {
    EXPECT_EQ(MedSidenummer("Side %d", 12), "Side 12");
    EXPECT_EQ(MedSidenummer("%d/%d", 3), "3/3");
    EXPECT_EQ(MedSidenummer("100 %", 3), "100 %");
}

// A document as the report starts it: the page event sets 10 pt, the build 20 pt.
class UdskriftTest : public ::testing::Test {
protected:
    void SetUp() override {
        u.pageStarted = [this] {
            ++sidestarter;
            u.setFontSize(10);
        };
        u.startDoc();
        u.setFontSize(20);
        u.setHeader("\n\nAnalyseoplysninger for Grus|grav %d");
        u.setFooter("Grus|grav %d", "", "Side %d");
    }

    void tabel(const std::string& format, const Tabelraekker& raekker, double y) {
        u.setBackColor(FarveHvid);
        u.setCurrentY(y);
        u.startTable();
        u.addTable(format, "", raekker, SystemfarveArbejdsflade, 0, false);
        u.tableCell(Celleindstilling::Raekkehoejde, AlleRaekker, 1, AlleRaekker, 8, 290);
    }

    static Tabelraekker raekker(int n) {
        Tabelraekker r;
        for (int i = 1; i <= n; ++i) r.push_back({"Række " + std::to_string(i), "x"});
        return r;
    }

    Udskrift u;
    RecordingUdskrift rec{u};
    int sidestarter = 0;
};

TEST_F(UdskriftTest, TabelLoeberVidereTilNaesteSideVedRetteRaekke) {
    tabel("<+3600|<+7000;", raekker(60), 2300);
    u.endTable();
    u.endDoc();

    const auto& s = u.sider();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(sidestarter, 2);
    const Sidemaal& m = u.layout().sidemaal();
    const int paaSide1 = (m.kropBund - 2300) / 290;  // 46 whole rows fit
    ASSERT_EQ(s[0].celler.size(), 2u * paaSide1);
    EXPECT_EQ(s[0].celler.front().y, 2300);
    EXPECT_EQ(s[0].celler.back().linjer, std::vector<std::string>{"x"});
    EXPECT_LE(s[0].celler.back().y + s[0].celler.back().hoejde, m.kropBund);
    ASSERT_EQ(s[1].celler.size(), 2u * (60 - paaSide1));
    EXPECT_EQ(s[1].celler.front().linjer, std::vector<std::string>{"Række " + std::to_string(paaSide1 + 1)});
    EXPECT_EQ(s[1].celler.front().y, m.kropTop);
    EXPECT_EQ(u.currentY(), m.kropTop + (60 - paaSide1) * 290);

    for (const Side& side : s) {
        EXPECT_EQ(side.hoved, "\n\nAnalyseoplysninger for Grus|grav %d");
        EXPECT_EQ(side.fodVenstre, "Grus|grav %d");  // printed as typed
        EXPECT_EQ(side.fodMidte, "");
        EXPECT_EQ(side.fodHoejre, "Side " + std::to_string(side.nummer));
        for (const Sidecelle& c : side.celler) {
            EXPECT_EQ(c.punkter, 10);  // the page event's size, not the 20 set before
            EXPECT_EQ(c.hoejde, 290);
        }
    }
    EXPECT_EQ(u.pageCount(), 2);
}

TEST_F(UdskriftTest, NySideOgAfsnit) {
    tabel("<+10600;", raekker(2), 2300);
    u.endTable();
    u.paragraph("");
    EXPECT_EQ(u.currentY(), 2300 + 2 * 290 + 230);  // one empty line of 10 pt
    u.newPage();
    EXPECT_EQ(u.currentY(), u.layout().sidemaal().kropTop);
    tabel("<+10600;", raekker(1), u.currentY() + 100);
    u.endTable();
    u.endDoc();
    ASSERT_EQ(u.pageCount(), 2);
    EXPECT_EQ(u.sider()[1].celler.at(0).y, u.layout().sidemaal().kropTop + 100);
    EXPECT_EQ(rec.dokumenterVist, 1);
}

TEST_F(UdskriftTest, SpaendFedFarveOgJustering) {
    tabel("<+3600|<+7000;", {{"Analyseoplysninger", ""}, {"Lokalitet", "Grusgrav"}}, 2300);
    u.tableCell(Celleindstilling::Fed, 1, 1, 1);
    u.tableCell(Celleindstilling::Spaend, 1, 1, 2);
    u.tableCell(Celleindstilling::Spaend, 1, 2, 2);  // covered by (1,1): changes nothing
    u.tableCell(Celleindstilling::Baggrundsfarve, 1, 1, SystemfarveMenu);
    u.tableCell(Celleindstilling::Baggrundsfarve, 1, 3, SystemfarveMenu);  // beyond the columns
    u.tableCell(Celleindstilling::Justering, 2, 2, 7);
    u.tableCell(Celleindstilling::Fed, 9, 9, 1);
    u.tableCell(Celleindstilling::Spaend, AlleRaekker, 5, AlleRaekker, 9, 3);
    u.endTable();
    u.endDoc();

    const auto& c = u.sider().at(0).celler;
    ASSERT_EQ(c.size(), 3u);
    const int x0 = u.layout().sidemaal().venstre;
    EXPECT_EQ(c[0].x, x0);
    EXPECT_EQ(c[0].bredde, 10600);
    EXPECT_TRUE(c[0].fed);
    EXPECT_EQ(c[0].baggrund, SystemfarveMenu);
    EXPECT_EQ(c[1].x, x0);
    EXPECT_EQ(c[1].bredde, 3600);
    EXPECT_FALSE(c[1].fed);
    EXPECT_EQ(c[1].baggrund, FarveHvid);
    EXPECT_EQ(c[2].x, x0 + 3600);
    EXPECT_EQ(c[2].vandret, VandretJustering::Centreret);
    EXPECT_EQ(c[2].lodret, LodretJustering::Bund);
}

// Two one-row tables (a caption, a heading) at the foot of page 1 over a table whose
// first row does not fit: bold rows standing right above it go to page 2 with it.
TEST_F(UdskriftTest, OverskrifterAfSlutterAldrigEnSide) {
    struct Tilfaelde {
        const char* navn;
        bool fyld;         // a plain row above the headings on page 1
        bool overskriftFed;  // the second heading bold
        double mellemrum;  // above the data table
        const char* side2; // the first text on page 2
    };
    for (const Tilfaelde& t : {Tilfaelde{"direkte under", true, true, 0, "Titel"},
                               Tilfaelde{"med mellemrum", true, true, 100, "Række 1"},
                               Tilfaelde{"almindelig raekke imellem", true, false, 0, "Række 1"},
                               Tilfaelde{"kun overskrifter paa siden", false, true, 0, "Række 1"}}) {
        SCOPED_TRACE(t.navn);
        SetUp();
        const int bund = u.layout().sidemaal().kropBund;
        if (t.fyld) {
            tabel("<+10600;", {{"fyld"}}, bund - 4 * 290 + 190);
            u.endTable();
        }
        const double y = t.fyld ? u.currentY() : bund - 3 * 290 + 190;
        tabel("<+5300|<+5300;", {{"Titel", ""}}, y);
        u.tableCell(Celleindstilling::Fed, 1, 1, 1);
        u.endTable();
        tabel("<+5300|<+5300;", {{"Overskrift", "B101"}}, u.currentY());
        if (t.overskriftFed) u.tableCell(Celleindstilling::Fed, AlleRaekker, 1, AlleRaekker, 2, 1);
        u.endTable();
        tabel("<+10600;", raekker(3), u.currentY() + t.mellemrum);
        u.endTable();
        u.endDoc();

        ASSERT_EQ(u.pageCount(), 2);
        const auto& s2 = u.sider()[1].celler;
        ASSERT_FALSE(s2.empty());
        EXPECT_EQ(s2.front().linjer.at(0), t.side2);
        EXPECT_EQ(s2.front().y, u.layout().sidemaal().kropTop);
        // Page 2 holds the rows moved and the three data rows, one under the other.
        EXPECT_EQ(u.currentY(), s2.back().y + 290);
        for (const Sidecelle& c : u.sider()[0].celler) EXPECT_LE(c.y + c.hoejde, bund);
    }
}

TEST_F(UdskriftTest, SystemfarvenMedTabellenMalerIntet) {
    u.setBackColor(SystemfarveArbejdsflade);
    u.startTable();
    u.addTable("<+10600;", "", {{"a"}}, SystemfarveArbejdsflade, 0, false);
    u.endTable();
    u.endDoc();
    EXPECT_FALSE(u.sider().at(0).celler.at(0).baggrund.has_value());
}

TEST_F(UdskriftTest, LangTekstOmbrydesICellenOgRaekkenVokser) {
    const std::string lang = "Tetrachlorethylen og restprodukter fra det tidligere renseri";
    tabel("<+2000|<+1600|<+1400;", {{lang, "µg/l", "12"}, {"næste", "", ""}}, 2300);
    u.endTable();
    u.endDoc();

    const auto& c = u.sider().at(0).celler;
    ASSERT_EQ(c.size(), 6u);
    ASSERT_GT(c[0].linjer.size(), 1u);
    std::string samlet;
    for (const auto& l : c[0].linjer) samlet += (samlet.empty() ? "" : " ") + l;
    EXPECT_EQ(samlet, lang);  // nothing lost
    StandardTekstmaal maal;
    for (const auto& l : c[0].linjer) EXPECT_LE(maal.bredde(l, 10, false), 2000 - 2 * 60) << l;
    EXPECT_GT(c[0].hoejde, 290);
    EXPECT_EQ(c[1].hoejde, c[0].hoejde);  // the whole row grows
    EXPECT_EQ(c[3].y, c[0].y + c[0].hoejde);  // the next row below it
    EXPECT_EQ(c[1].x, c[0].x + 2000);
}

TEST_F(UdskriftTest, SkaevtInputGaarHverkenNedEllerUdenforSiden) {
    u.tableCell(Celleindstilling::Fed, 1, 1, 1);  // before any table
    u.tableCell(Celleindstilling::Spaend, 5);
    u.endTable();
    const std::string ord(400, 'W');  // one word far wider than any cell
    tabel("<+1400|<+1400;", {{"a", "b", "c", "d"}, {ord}}, -500);
    u.tableCell(Celleindstilling::Raekkehoejde, AlleRaekker, 1, AlleRaekker, 8, 1000000);
    u.endTable();
    tabel("<+9000|<+9000;", {{"bred", "bredere"}}, 99999);  // below the page and wider than it
    u.endTable();
    u.endDoc();

    const Sidemaal& m = u.layout().sidemaal();
    for (const Side& s : u.sider())
        for (const Sidecelle& c : s.celler) {
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            EXPECT_LE(c.x + c.bredde, m.bredde - m.venstre);
            EXPECT_LE(c.y + c.hoejde, m.kropBund);
        }
    ASSERT_EQ(u.pageCount(), 3);  // the two tall rows, then the table set below the page
    EXPECT_EQ(u.sider()[0].celler.size(), 2u);  // "c" and "d" have no column
}

TEST_F(UdskriftTest, ForhaandsvisningOgUdskrift) {
    tabel("<+10600;", raekker(60), 2300);
    u.endTable();
    u.endDoc();
    u.setPreviewPage(2);
    EXPECT_EQ(u.previewPage(), 2);
    u.setPreviewPage(3);  // past the last page: the preview stays on the last
    EXPECT_EQ(u.previewPage(), 2);
    u.setPreviewPage(0);
    EXPECT_EQ(u.previewPage(), 1);
    u.printPages(true, 1, 1);
    u.setPreview(false);
    u.startDoc();
    EXPECT_EQ(u.pageCount(), 0);
    u.endDoc();  // an empty document is one empty page, and goes to the printer
    EXPECT_EQ(u.pageCount(), 1);
    EXPECT_EQ(rec.dokumenterUdskrevet, 1);
    EXPECT_EQ(rec.sideudskrifter, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(rec.dialoger, 1);
}

}  // namespace
