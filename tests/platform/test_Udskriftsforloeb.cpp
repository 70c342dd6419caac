// The print progress display: a quick job shows nothing; a slow one shows the
// design's texts from the page that makes it slow, and Cancel stops the job there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Udskriftsforloeb.h"
#include "support/RecordingUdskriftsforloeb.h"

namespace {

struct Job {
    const char* navn;
    long long msPrSide;
    int annullerVedSide;
    std::vector<std::string> vist;
    int sidstePaabegyndte;  // the job's pages 2..6 that went out
};

std::string Tekst(int side) {
    return "Now printing Page " + std::to_string(side) +
           " of\nAnalyseoplysninger for Grusgrav\non the HP_LaserJet on Kontoret";
}

const Job Jobs[] = {
    {"Hurtig", 90, 0, {}, 6},
    {"Langsom", 300, 0,
     {"vis " + Tekst(3), "opdater " + Tekst(4), "opdater " + Tekst(5), "opdater " + Tekst(6), "skjul"}, 6},
    {"Annulleret", 300, 4, {"vis " + Tekst(3), "opdater " + Tekst(4), "skjul"}, 3},
};

class Udskriftsforloebstest : public ::testing::TestWithParam<Job> {};

TEST_P(Udskriftsforloebstest, ViserTeksterneNaarJobbetErLangsomtOgAnnullerStopperDet) {
    const Job& j = GetParam();
    Udskriftsforloeb f;
    RecordingUdskriftsforloeb d(f);
    d.trin = j.msPrSide;
    d.annullerVedSide = j.annullerVedSide;
    int sidste = 0;
    {
        Udskriftsforloeb::Job job(f, "Analyseoplysninger for Grusgrav", "HP_LaserJet", "Kontoret", 5);
        for (int side = 2; side <= 6 && job.side(side); ++side) sidste = side;
    }
    EXPECT_EQ(d.vist, j.vist);
    EXPECT_EQ(sidste, j.sidstePaabegyndte);
    EXPECT_EQ(f.afbrudt(), j.annullerVedSide != 0);
    EXPECT_FALSE(f.synlig());
}

INSTANTIATE_TEST_SUITE_P(Udskriftsforloeb, Udskriftsforloebstest, ::testing::ValuesIn(Jobs),
                         [](const auto& info) { return std::string(info.param.navn); });

}  // namespace
