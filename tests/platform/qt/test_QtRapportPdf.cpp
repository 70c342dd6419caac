// The whole report written to a PDF, measured in the real font, and read back with
// poppler's tools: the page count, every section's title, the four page groups each
// at the top of a new page, the header and footer on every page and the Danish
// letters as extracted text. A computed site, and new data whose tables hold only
// their labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "celler/Talformat.h"
#include "platform/qt/QtUdskrift.h"
#include "report/AkvPrint.h"
#include "support/BeregnetLokalitet.h"
#include "support/Poppler.h"
#include "support/QtTestMiljoe.h"
#include "support/TempDir.h"

namespace {

// The first title of each page group: each begins a page, under the header.
const std::vector<std::string> Gruppetitler{"Analyseoplysninger", "Kvalitetskontrol og simulering",
                                           "Modellering af nedstrøm vandkvalitet", "Redox processer"};

const std::vector<std::string> Sektionstitler{
    "Boringskontrol", "Forurenings komponenter", "1. ordens model for naturlig nedbrydning", "Grundvand",
    "Egenskaber for modelstof", "Opløsning og udfældning", "Mellemregninger til Geokemiske processer"};

struct Lokalitet {
    const char* navn;
    std::function<void()> byg;
    std::string lokalitet;
    std::vector<std::string> tekster;  // found somewhere in the report
};

void PrintTo(const Lokalitet& l, std::ostream* os) { *os << l.navn; }

class QtRapportPdf : public ::testing::TestWithParam<Lokalitet> {
protected:
    TalformatScope dansk{Talformat::dansk()};
    TempDir dir;
};

TEST_P(QtRapportPdf, SiderTitlerGrupperHovedOgFod) {
    if (!PopplerFindes()) GTEST_SKIP() << "pdfinfo/pdftotext (poppler-utils) are not installed";
    ASSERT_NO_FATAL_FAILURE(GetParam().byg());
    const std::string sti = dir / "rapport.pdf";
    int antal = 0;
    {
        AkvPrint print;
        QtUdskrift vis(print.vp());  // the layout measures Liberation Serif
        print.Form_Load();
        antal = print.vp().pageCount();
        EXPECT_EQ(print.Status().panelText(1), Sidetekst(1, antal));
        ASSERT_TRUE(SkrivPdf(print.vp(), sti));
    }
    ASSERT_EQ(PdfSider(sti), antal);
    EXPECT_EQ(antal, 5);  // 1, 2, 1 and 1 pages

    const std::string& navn = GetParam().lokalitet;
    const std::string hoved = navn.empty() ? "Analyseoplysninger for" : "Analyseoplysninger for " + navn;
    std::vector<int> gruppeside;
    std::string alt;
    std::vector<std::string> alleLinjer;
    for (int s = 1; s <= antal; ++s) {
        const std::string tekst = PdfTekst(sti, s);
        alt += tekst;
        const auto linjer = TekstLinjer(tekst);
        alleLinjer.insert(alleLinjer.end(), linjer.begin(), linjer.end());
        ASSERT_GE(linjer.size(), 3u) << "side " << s;
        EXPECT_EQ(linjer.front(), hoved) << "side " << s;
        // The footer: the name on the left, the page number on the right.
        const std::string& fod = linjer.back();
        const std::string nummer = "Side " + std::to_string(s);
        EXPECT_EQ(fod.substr(0, navn.size()), navn) << fod;
        EXPECT_TRUE(fod.size() >= nummer.size() && fod.substr(fod.size() - nummer.size()) == nummer) << fod;
        for (const std::string& t : Gruppetitler)
            if (linjer[1] == t) gruppeside.push_back(s);
    }
    ASSERT_EQ(gruppeside.size(), Gruppetitler.size()) << alt;
    EXPECT_EQ(gruppeside.front(), 1);
    for (std::size_t g = 1; g < gruppeside.size(); ++g) EXPECT_GT(gruppeside[g], gruppeside[g - 1]);
    // A title spans its table, so it stands alone on its line.
    for (const std::string& t : Sektionstitler)
        EXPECT_NE(std::find(alleLinjer.begin(), alleLinjer.end(), t), alleLinjer.end()) << t;
    for (const std::string& t : GetParam().tekster) EXPECT_NE(alt.find(t), std::string::npos) << t;
}

// Texts with æ, ø, å, Æ and ° that both reports print, read back as typed.
const std::vector<std::string> Faelles{"Hydraulisk placering", "°C", "Mætn.indeks CaCO3", "Ækv. stof",
                                       "Sum af ændringer", "Målte ændringer", "Sulfatreduktion med pyritudfældning",
                                       "Kriterier", "Jern/sulfat", "Kulstoffets iltningstrin", "Nedstrøm"};

std::vector<std::string> med(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Rapport, QtRapportPdf,
    ::testing::Values(Lokalitet{"Beregnet", [] { BeregnLokalitet(); }, "Gammel tankstation",
                                med(Faelles, {"opstrøm", "Opstrøm (B101)", "7,25", "Benzen", "Valgt hotspot"})},
                      Lokalitet{"NyeData", [] { NyLokalitetMedGrids(); }, "", med(Faelles, {"Kulbrinte 5"})}),
    [](const auto& i) { return std::string(i.param.navn); });

}  // namespace
