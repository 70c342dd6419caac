// The print window's toolbar: a click reaches the handler only for a tool that
// exists, by its exact key; a separator is no tool.
#include <gtest/gtest.h>

#include "platform/Vaerktoejslinje.h"

namespace {

TEST(Vaerktoejslinje, KlikKunPaaEtVaerktoejDerFindes) {
    Vaerktoejslinje tb("print");
    tb.addTool("ID_NEXT", "Næste Post");
    tb.addSeparator();
    tb.addTool("ID_PREV", "Foregående post");
    ASSERT_EQ(tb.tools().size(), 2u);
    std::vector<std::string> klik;
    tb.onToolClick = [&klik](const std::string& n) { klik.push_back(n); };
    EXPECT_TRUE(tb.userClick("ID_PREV"));
    EXPECT_FALSE(tb.userClick(""));
    EXPECT_FALSE(tb.userClick("id_prev"));
    EXPECT_EQ(klik, std::vector<std::string>{"ID_PREV"});
}

}  // namespace
