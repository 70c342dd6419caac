// "Printmenu" ends the edits in progress before the print window opens: an accepted
// edit reaches the report, a refused one keeps the work window with the check's message.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "datamodel/InputKontroller.h"
#include "platform/InddataKontroller.h"
#include "support/BeregnetLokalitet.h"
#include "support/RecordingBeskeder.h"
#include "support/RecordingPrintvindue.h"
#include "windows/Printmenu.h"

namespace {

class PrintmenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(BeregnLokalitet());
        grids = std::make_unique<RecordingInddataGrids>();
        Grid& g = inddataGrids().TDBGrid(4);
        g.beforeColUpdate = [&g](int col, Variant&, bool& cancel) {
            cancel = !KontrolLokalitet(g.columnValue(col), g.currentTableRow(), true);
        };
        ForbindPrintmenu();
    }
    void TearDown() override {
        inddataGrids().TDBGrid(4).beforeColUpdate = nullptr;
        inddataKontroller().Printmenu.onClick = nullptr;
    }
    bool hoved(const std::string& lokalitet) const {
        const auto& k = vinduer.aabninger.at(0).udskrift;
        return std::find(k.begin(), k.end(), "setHeader(\"\n\nAnalyseoplysninger for " + lokalitet + "\")") != k.end();
    }

    RecordingBeskeder beskeder;
    RecordingPrintvinduer vinduer;
    std::unique_ptr<RecordingInddataGrids> grids;
};

TEST_F(PrintmenuTest, UdenAabneRedigeringerAabnesPrintvinduet) {
    ASSERT_TRUE(inddataKontroller().Printmenu.userClick());
    ASSERT_EQ(vinduer.aabninger.size(), 1u);
    EXPECT_EQ(vinduer.aabninger[0].vindue, std::vector<std::string>{"showModal"});
    EXPECT_TRUE(hoved("Gammel tankstation"));
    EXPECT_TRUE(beskeder.vist.empty());
}

TEST_F(PrintmenuTest, EnGodkendtRedigeringKommerMedIRapporten) {
    ASSERT_TRUE((*grids)("TDBGrid4").type(0, 1, "Ny tankstation"));
    inddataKontroller().Printmenu.userClick();
    ASSERT_EQ(vinduer.aabninger.size(), 1u);
    EXPECT_TRUE(hoved("Ny tankstation"));
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), Variant("Ny tankstation"));
}

TEST_F(PrintmenuTest, EnAfvistRedigeringHolderArbejdsvinduetAabent) {
    const std::string lang(51, 'x');
    ASSERT_TRUE((*grids)("TDBGrid4").type(0, 1, lang));
    inddataKontroller().Printmenu.userClick();
    EXPECT_TRUE(vinduer.aabninger.empty());
    ASSERT_EQ(beskeder.vist.size(), 1u);
    EXPECT_EQ(beskeder.vist[0].tekst.rfind("Den indtastede værdi: " + lang, 0), 0u);
    EXPECT_EQ(beskeder.vist[0].titel, "Inddatakontrol");
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), Variant("Gammel tankstation"));
    EXPECT_TRUE(inddataGrids().TDBGrid(4).hasFocus());
}

}  // namespace
