// The toolbar and the status bar of the print window: tools and separators in order,
// a click only on a tool that exists, the panel texts, the calls the views see.
#include <gtest/gtest.h>

#include "platform/Statuslinje.h"
#include "platform/Vaerktoejslinje.h"
#include "support/RecordingPrintvindue.h"

namespace {

TEST(Vaerktoejslinje, KlikKunPaaEtVaerktoejDerFindes) {
    Vaerktoejslinje tb("print");
    RecordingVaerktoejslinje rec(tb);
    tb.addTool("ID_NEXT", "Næste Post");
    tb.addSeparator();
    tb.addTool("ID_PREV", "Foregående post");
    EXPECT_EQ(rec.kald, (std::vector<std::string>{"addTool(\"ID_NEXT\", \"Næste Post\")", "addSeparator",
                                                  "addTool(\"ID_PREV\", \"Foregående post\")"}));
    EXPECT_EQ(tb.elementer().size(), 3u);
    ASSERT_EQ(tb.tools().size(), 2u);
    EXPECT_EQ(tb.tools()[1].tekst, "Foregående post");

    std::vector<std::string> klik;
    tb.onToolClick = [&klik](const std::string& n) { klik.push_back(n); };
    EXPECT_TRUE(tb.userClick("ID_PREV"));
    EXPECT_FALSE(tb.userClick(""));  // the separator
    EXPECT_FALSE(tb.userClick("id_prev"));
    EXPECT_EQ(klik, std::vector<std::string>{"ID_PREV"});
    tb.clear();
    EXPECT_FALSE(tb.userClick("ID_PREV"));
}

TEST(Statuslinje, PanelteksterFraEt) {
    Statuslinje s(1, "Status");
    RecordingStatuslinje rec(s);
    s.setPanelText(1, "Side 1 af 4");
    s.setPanelText(3, "x");
    s.setPanelText(0, "ingen");
    EXPECT_EQ(s.panelText(1), "Side 1 af 4");
    EXPECT_EQ(s.panelText(2), "");
    EXPECT_EQ(s.panelText(3), "x");
    EXPECT_EQ(s.panelText(0), "");
    EXPECT_EQ(s.antalPaneler(), 3);
    EXPECT_EQ(rec.kald.front(), "setPanelText(1, \"Side 1 af 4\")");
}

}  // namespace
