#include <gtest/gtest.h>

#include "platform/Beskeder.h"
#include "support/RecordingBeskeder.h"

namespace {

TEST(Beskeder, WithoutAServiceBoxesAreAnsweredQuietly) {
    saetBeskedService(nullptr);
    EXPECT_EQ(visBesked("x"), BeskedSvar::OK);
    EXPECT_EQ(visBesked("Gem?", BeskedIkon::Spoergsmaal, BeskedKnapper::JaNej, "Gem Data"), BeskedSvar::Nej);
}

TEST(Beskeder, TheRecordingServiceKeepsEveryBoxInOrderAndAnswersFromItsQueue) {
    {
        RecordingBeskeder b;
        b.svar = {BeskedSvar::Nej};
        EXPECT_EQ(visBesked("Gem?", BeskedIkon::Spoergsmaal, BeskedKnapper::JaNej, "Gem Data"), BeskedSvar::Nej);
        EXPECT_EQ(visBesked("Gem?", BeskedIkon::Spoergsmaal, BeskedKnapper::JaNej, "Gem Data"), BeskedSvar::Ja);
        EXPECT_EQ(visBesked("Log10(0) kan ikke beregnes"), BeskedSvar::OK);
        ASSERT_EQ(b.vist.size(), 3u);
        EXPECT_EQ(b.vist[2].tekst, "Log10(0) kan ikke beregnes");
        EXPECT_EQ(b.vist[2].ikon, BeskedIkon::Ingen);
        EXPECT_EQ(b.vist[2].knapper, BeskedKnapper::OK);
        EXPECT_EQ(b.vist[2].titel, "");
        EXPECT_EQ(b.vist[0].titel, "Gem Data");
    }
    // Gone with the recorder: the quiet default is back.
    EXPECT_EQ(visBesked("Gem?", BeskedIkon::Spoergsmaal, BeskedKnapper::JaNej), BeskedSvar::Nej);
}

}  // namespace
