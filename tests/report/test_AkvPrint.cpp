// The print window on a computed site: the toolbar as designed, the report's calls
// with header, footer and the four page groups, the page tools with their page text,
// the zoom, printing whole and by the page, a failing printer, and
// every opening built afresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "datamodel/Tabeller.h"
#include "report/AkvPrint.h"
#include "support/BeregnetLokalitet.h"
#include "support/RecordingBeskeder.h"
#include "support/RecordingPrintvindue.h"

namespace {

using Kald = std::vector<std::string>;

class AkvPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(BeregnLokalitet());
        aabn();
    }
    void TearDown() override { luk(); }
    void aabn() {
        luk();
        print = std::make_unique<AkvPrint>();
        vp = std::make_unique<RecordingPrinter>(print->vp());
        status = std::make_unique<RecordingStatuslinje>(print->Status());
    }
    void luk() {
        status.reset();
        vp.reset();
        print.reset();
    }
    std::string sidetekst() const { return print->Status().panelText(1); }
    int sider() const { return print->vp().pageCount(); }

    RecordingBeskeder beskeder;
    RecordingVentemarkoer markoer;
    std::unique_ptr<AkvPrint> print;
    std::unique_ptr<RecordingPrinter> vp;
    std::unique_ptr<RecordingStatuslinje> status;
};

TEST(AkvPrintDesign, CaptionOgDeOtteVaerktoejerMedSeparatorer) {
    AkvPrint p;
    EXPECT_EQ(p.vindue().caption(), "Print");
    EXPECT_EQ(p.tb().navn(), "print");
    std::vector<std::string> linje;
    for (const auto& v : p.tb().elementer()) linje.push_back(v.separator ? "|" : v.noegle + " " + v.tekst);
    EXPECT_EQ(linje, (std::vector<std::string>{"ID_FØRSTE Første side", "ID_PREV Foregående post",
                                               "ID_NEXT Næste Post", "ID_SIDSTE Sidste side", "|",
                                               "ID_PRINT Print dokumentet", "ID_PAGE Print nuværende side", "|",
                                               "ID_ZOOM_IND Zoom ind", "ID_ZOOM_UD Zoom ud"}));
    EXPECT_EQ(p.vp().zoom(), 100);
    EXPECT_EQ(p.vp().zoomStep(), 25);
}

TEST(AkvPrintDesign, SidehovedOgSidefod) {
    EXPECT_EQ(Sidehovedtekst(""), "\n\nAnalyseoplysninger for ");
    EXPECT_EQ(Sidetekst(3, 12), "Side 3 af 12");
    const std::pair<std::string, std::array<std::string, 3>> fod[] = {
        {"Grusgrav", {"Grusgrav", "", "Side %d"}},
        {"", {"", "", "Side %d"}},
        {"A|B %d", {"A|B %d", "", "Side %d"}},
    };
    for (const auto& [navn, dele] : fod) EXPECT_EQ(Sidefoddele(navn), dele) << navn;
}

TEST_F(AkvPrintTest, IndlaesningByggerRapportenIFireSidegrupper) {
    print->Form_Load();
    const Kald start(vp->kald.begin(), vp->kald.begin() + 8);
    EXPECT_EQ(start, (Kald{"setDisplaySetting(1)", "setPreview(true)", "setDisplaySetting(0)",
                           "setDocumentSetting(1000)", "startDoc", "setFontSize(20)",
                           "setHeader(\"\n\nAnalyseoplysninger for Gammel tankstation\")",
                           "setFooter(\"Gammel tankstation\", \"\", \"Side %d\")"}));
    EXPECT_EQ(vp->kald.back(), "endDoc");
    EXPECT_EQ(vp->antal("newPage"), 3);
    EXPECT_EQ(vp->antal("setFontSize(10)"), sider());  // each page's start event
    EXPECT_EQ(vp->dokumenterVist, 1);
    EXPECT_EQ(markoer.kald, (Kald{"start", "slut"}));
    ASSERT_GE(sider(), 4);
    EXPECT_EQ(status->kald, Kald{"setPanelText(1, \"" + Sidetekst(1, sider()) + "\")"});

    // Each group's first title stands at the top of a page of its own, after the group before.
    const auto& s = print->vp().sider();
    int forrige = 0;
    for (const std::string titel : {"Kvalitetskontrol og simulering", "Modellering af nedstrøm vandkvalitet",
                                    "Redox processer"}) {
        int side = 0, y = 0;
        for (const auto& sd : s)
            for (const auto& c : sd.celler)
                if (side == 0 && !c.linjer.empty() && c.linjer[0] == titel) side = sd.nummer, y = c.y;
        ASSERT_GT(side, forrige) << titel;
        for (const auto& c : s[static_cast<std::size_t>(side - 1)].celler) EXPECT_GE(c.y, y) << titel;
        forrige = side;
    }
    for (const auto& sd : s) {
        EXPECT_EQ(sd.hoved, "\n\nAnalyseoplysninger for Gammel tankstation");
        EXPECT_EQ(sd.fodVenstre, "Gammel tankstation");
        EXPECT_EQ(sd.fodHoejre, "Side " + std::to_string(sd.nummer));
    }
}

TEST_F(AkvPrintTest, SidevaerktoejerHolderSidenIndenforDokumentet) {
    print->Form_Load();
    const int n = sider();
    struct Trin {
        const char* noegle;
        int side;  // the page text's page; 0: the text is not written
        double zoom;
    };
    const Trin trin[] = {
        {"ID_SIDSTE", n, 100}, {"ID_NEXT", n, 100},   {"ID_FØRSTE", 1, 100},  {"ID_PREV", 1, 100},
        {"ID_NEXT", 2, 100},   {"ID_ZOOM_IND", 0, 125}, {"ID_ZOOM_UD", 0, 100}, {"id_next", 0, 100},
        {"ID_PAGE", 0, 100},
    };
    for (const auto& t : trin) {
        status->kald.clear();
        const std::string foer = sidetekst();
        print->tb_ButtonClick(t.noegle);
        if (t.side)
            EXPECT_EQ(status->kald, Kald{"setPanelText(1, \"" + Sidetekst(t.side, n) + "\")"}) << t.noegle;
        else
            EXPECT_TRUE(status->kald.empty()) << t.noegle;
        EXPECT_EQ(print->vp().zoom(), t.zoom) << t.noegle;
    }
    EXPECT_EQ(vp->sideudskrifter, (std::vector<std::pair<int, int>>{{2, 2}}));
    EXPECT_EQ(vp->dialoger, 1);
    EXPECT_TRUE(beskeder.vist.empty());
}

TEST_F(AkvPrintTest, SidetekstenFoelgerBrugerensRulning) {
    print->Form_Load();
    const int n = sider();
    status->kald.clear();
    print->vp().userPreviewPage(3);
    print->vp().userPreviewPage(3);  // still page 3: written once
    print->tb_ButtonClick("ID_NEXT");
    EXPECT_EQ(status->kald, (Kald{"setPanelText(1, \"" + Sidetekst(3, n) + "\")",
                                  "setPanelText(1, \"" + Sidetekst(4, n) + "\")"}));
}

TEST_F(AkvPrintTest, ZoomHoldesMellemTiOgFirehundrede) {
    print->Form_Load();
    for (int i = 0; i < 20; ++i) print->tb().userClick("ID_ZOOM_IND");
    EXPECT_EQ(print->vp().zoom(), 400);
    print->tb().userClick("ID_ZOOM_UD");
    EXPECT_EQ(print->vp().zoom(), 375);
    for (int i = 0; i < 20; ++i) print->tb().userClick("ID_ZOOM_UD");
    EXPECT_EQ(print->vp().zoom(), 10);
    print->tb().userClick("ID_ZOOM_IND");
    EXPECT_EQ(print->vp().zoom(), 35);
}

TEST_F(AkvPrintTest, UdskrivHeleRapportenOgTilbageTilForhaandsvisningen) {
    print->Form_Load();
    print->tb().userClick("ID_ZOOM_IND");
    print->tb().userClick("ID_SIDSTE");
    vp->glem();
    markoer.kald.clear();
    print->tb().userClick("ID_PRINT");
    const Kald start(vp->kald.begin(), vp->kald.begin() + 5);
    EXPECT_EQ(start, (Kald{"setZoom(-1)", "setDisplaySetting(1)", "setPreview(false)", "setDisplaySetting(0)",
                           "setDocumentSetting(1000)"}));
    const Kald slut(vp->kald.end() - 3, vp->kald.end());
    EXPECT_EQ(slut, (Kald{"endDoc", "setPreview(true)", "setZoom(125)"}));
    EXPECT_EQ(vp->dokumenterUdskrevet, 1);
    EXPECT_EQ(markoer.kald, (Kald{"start", "slut"}));
    EXPECT_EQ(sidetekst(), Sidetekst(1, sider()));
    EXPECT_TRUE(print->vp().preview());
    EXPECT_TRUE(beskeder.vist.empty());
}

// A printer that cannot be opened: the message, and the preview as it was.
TEST_F(AkvPrintTest, UdskrivningsfejlMeldesOgForhaandsvisningenBestaar) {
    for (const char* noegle : {"ID_PRINT", "ID_PAGE"}) {
        aabn();
        print->Form_Load();
        print->tb().userClick("ID_ZOOM_IND");
        print->tb().userClick("ID_NEXT");
        print->tb().userClick("ID_NEXT");
        beskeder.vist.clear();
        vp->glem();
        vp->udfald = RecordingPrinter::Udfald::Fejl;
        print->tb().userClick(noegle);
        ASSERT_EQ(beskeder.vist.size(), 1u) << noegle;
        EXPECT_EQ(beskeder.vist[0].tekst, "Der skete en fejl i forbindelse med udskrivning");
        EXPECT_EQ(beskeder.vist[0].ikon, BeskedIkon::Kritisk);
        EXPECT_EQ(beskeder.vist[0].titel, "");
        EXPECT_TRUE(print->vp().preview()) << noegle;
        EXPECT_EQ(print->vp().zoom(), 125) << noegle;
        EXPECT_EQ(print->vp().previewPage(), 3) << noegle;
        EXPECT_EQ(sidetekst(), Sidetekst(3, sider())) << noegle;
        EXPECT_EQ(vp->dokumenterUdskrevet, 0);
        // Still usable afterwards.
        vp->udfald = RecordingPrinter::Udfald::Udskrevet;
        print->tb().userClick("ID_PAGE");
        EXPECT_EQ(vp->sideudskrifter.back(), (std::pair<int, int>{3, 3}));
    }
}

// Each opening is a new window: zoom 100 and the tables as they are at that moment.
TEST(VisPrintmenu, HverAabningByggesPaany) {
    ASSERT_NO_FATAL_FAILURE(BeregnLokalitet());
    RecordingPrintvinduer vinduer;
    std::vector<double> zoomVedStart;
    vinduer.imens = [&zoomVedStart](Printvindue& w) {
        zoomVedStart.push_back(w.vp.zoom());
        w.tb.userClick("ID_ZOOM_IND");
        w.tb.userClick("ID_SIDSTE");
    };
    VisPrintmenu();
    tabeller().LokalitetData.saet(1, 1, "Ny grusgrav");
    VisPrintmenu();
    ASSERT_EQ(vinduer.aabninger.size(), 2u);
    EXPECT_EQ(zoomVedStart, (std::vector<double>{100, 100}));
    for (const auto& a : vinduer.aabninger) {
        EXPECT_EQ(std::count(a.udskrift.begin(), a.udskrift.end(), "startDoc"), 1);
        EXPECT_EQ(a.vindue, Kald{"showModal"});
        EXPECT_EQ(a.status.size(), 2u);
        EXPECT_EQ(a.dokumenterVist, 1);
    }
    EXPECT_NE(std::find(vinduer.aabninger[1].udskrift.begin(), vinduer.aabninger[1].udskrift.end(),
                        "setHeader(\"\n\nAnalyseoplysninger for Ny grusgrav\")"),
              vinduer.aabninger[1].udskrift.end());
}

}  // namespace
