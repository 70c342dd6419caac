#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "celler/Talformat.h"
#include "datamodel/Tabeller.h"
#include "report/Analyseoplysninger.h"
#include "support/KendtLokalitet.h"
#include "support/RecordingUdskrift.h"

namespace {

using Kald = std::vector<std::string>;

class Analyseoplysninger : public ::testing::Test {
protected:
    void SetUp() override {
        KendtLokalitet();
        vp.pageStarted = [this] { vp.setFontSize(10); };
    }
    void udskriv() {
        vp.startDoc();
        vp.setFontSize(20);
        UdskrivAnalyseoplysninger(vp);
        vp.endDoc();
    }
    Udskrift vp;
    RecordingUdskrift rec{vp};
};

struct Lokale {
    Talformat format;
    std::string kroppe[3];
};

TEST_F(Analyseoplysninger, KropteksterneIBeggeLokaler) {
    const std::string fast1 = "Analyseoplysninger|;Lokalitet|Grusgrav Nord;Forureningstype|;Akvifer bruger|;";
    const std::string boring =
        "Boringskontrol;Parameter|Enhed|B1|B2|||;Boringsnavn||B1|B2|||;Hydraulisk placering||1||||;"
        "Dato for analyse||||||;";
    const std::string resten =
        "Magnesium|mg Mg/l|||||;Natrium|mg Na/l|||||;Kalium|mg K/l|||||;Ammonium|mg NH4/l|||||;"
        "Jern|mg Fe/l|||||;Mangan|mg Mn/l|||||;Bikarbonat|mg HCO3/l|||||;Klorid|mg Cl/l|||||;"
        "Sulfat|mg SO4/l|||||;Nitrat|mg NO3/l|||||;Fluorid|mg F/l|||||;Fosfat -fosfor|mg P/l|||||;"
        "NVOC|mg C/l|||||;Ilt|mg O2/l|||||;Metan|mg CH4/l|||||;";
    const std::string komp = "Kulbrinte 2|mg/l|||||;Kulbrinte 3|mg/l|||||;Kulbrinte 4|mg/l|||||;"
                             "Kulbrinte 5|mg/l|||||;";
    const std::vector<Lokale> lokaler = {
        {Talformat::dansk(),
         {fast1 + "Dato|12-05-2024;Bemærkninger|;",
          boring + "Temperatur|°C|10,5||||;pH||7,25|7|||;Calcium|mg Ca/l||112|||;" + resten,
          "Forurenings komponenter;Afstand/opholdstid|m||35,5|||;Benzen|mg/l|0,012||||;" + komp}},
        {Talformat::engelsk(),
         {fast1 + "Dato|12-05-2024;Bemærkninger|;",
          boring + "Temperatur|°C|10.5||||;pH||7.25|7|||;Calcium|mg Ca/l||112|||;" + resten,
          "Forurenings komponenter;Afstand/opholdstid|m||35.5|||;Benzen|mg/l|0.012||||;" + komp}},
    };
    for (const auto& l : lokaler) {
        TalformatScope scope(l.format);
        udskriv();
        const auto kroppe = rec.kroppe();
        ASSERT_EQ(kroppe.size(), 3u);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(kroppe[i], l.kroppe[i]) << "table " << i + 1 << ", decimal sign " << l.format.decimaltegn();
    }
}

TEST_F(Analyseoplysninger, KaldeneIOrden) {
    udskriv();
    const std::string boringFormat = "\"<+2000|<+1600|<+1400|<+1400|<+1400|<+1400|<+1400;\"";
    Kald forventet = {"startDoc", "setFontSize(20)", "setSettingA(1)", "setSettingB(false)", "setBackColor(&HFFFFFF)",
                      "setCurrentY(2300)", "setSettingE(3000)", "setSettingC(0)", "setSettingD(7)", "startTable"};
    const Kald tabel1 = {"tableCell(Raekkehoejde, 0, 1, 0, 8, 290)", "tableCell(Fed, 1, 1, true)",
                         "tableCell(Fed, 1, 2, true)", "tableCell(Spaend, 1, 1, 2)", "tableCell(Spaend, 1, 2, 2)",
                         "tableCell(Baggrundsfarve, 1, 1, &H80000004)", "tableCell(Baggrundsfarve, 1, 3, &H80000004)",
                         "endTable", "setFontSize(10)", "paragraph(\"\")"};
    const int y2 = 2300 + 6 * 290 + 230 + 100;  // after table 1 and the empty line at 10 pt
    const Kald tabel2 = {"startTable", "setSettingA(1)", "setSettingB(false)", "setBackColor(&HFFFFFF)",
                         "setCurrentY(" + std::to_string(y2) + ")", "setSettingC(0)", "setSettingD(7)"};
    const Kald tabel2slut = {"tableCell(Raekkehoejde, 0, 1, 0, 8, 290)", "tableCell(Fed, 1, 1, true)",
                             "tableCell(Spaend, 1, 1, 7)", "tableCell(Baggrundsfarve, 1, 1, &H80000004)",
                             "tableCell(Baggrundsfarve, 1, 3, &H80000004)", "tableCell(Fed, 2, 1, true)",
                             "tableCell(Fed, 2, 2, true)", "tableCell(Fed, 2, 3, true)", "tableCell(Fed, 2, 4, true)",
                             "tableCell(Fed, 2, 5, true)", "tableCell(Fed, 2, 6, true)", "tableCell(Fed, 2, 7, true)",
                             "setSettingB(false)", "endTable"};
    const int y3 = y2 + 23 * 290 + 290;
    const Kald tabel3 = {"startTable", "setSettingA(1)", "setSettingB(false)", "setBackColor(&HFFFFFF)",
                         "setCurrentY(" + std::to_string(y3) + ")", "setSettingC(0)", "setSettingD(7)"};
    const Kald tabel3slut = {"tableCell(Raekkehoejde, 0, 1, 0, 8, 290)", "tableCell(Fed, 1, 1, true)",
                             "tableCell(Spaend, 1, 1, 7)", "tableCell(Baggrundsfarve, 1, 1, &H80000004)",
                             "tableCell(Baggrundsfarve, 1, 3, &H80000004)", "setSettingB(false)", "endTable", "endDoc"};
    const auto kroppe = rec.kroppe();
    ASSERT_EQ(kroppe.size(), 3u);
    auto add = [](const std::string& format, const std::string& krop) {
        return "addTable(" + format + ", \"\", \"" + krop + "\", &H8000000C, 0, false)";
    };
    forventet.push_back(add("\"<+3600|<+7000;\"", kroppe[0]));
    forventet.insert(forventet.end(), tabel1.begin(), tabel1.end());
    forventet.insert(forventet.end(), tabel2.begin(), tabel2.end());
    forventet.push_back(add(boringFormat, kroppe[1]));
    forventet.insert(forventet.end(), tabel2slut.begin(), tabel2slut.end());
    forventet.insert(forventet.end(), tabel3.begin(), tabel3.end());
    forventet.push_back(add(boringFormat, kroppe[2]));
    forventet.insert(forventet.end(), tabel3slut.begin(), tabel3slut.end());
    EXPECT_EQ(rec.kald, forventet);
}

TEST_F(Analyseoplysninger, KolonnerneStaarUnderHinandenPaaEnSide) {
    udskriv();
    ASSERT_EQ(vp.pageCount(), 1);
    const auto& celler = vp.sider()[0].celler;
    const int x0 = vp.layout().sidemaal().venstre;
    // Every cell starts on one of the borehole tables' column edges.
    const std::vector<int> kanter = {x0, x0 + 2000, x0 + 3600, x0 + 5000, x0 + 6400, x0 + 7800, x0 + 9200};
    for (const auto& c : celler) {
        EXPECT_NE(std::find(kanter.begin(), kanter.end(), c.x), kanter.end()) << c.x;
        EXPECT_LE(c.x + c.bredde, x0 + 10600);
        EXPECT_EQ(c.punkter, 10);
    }
    // The site table's value column starts where the first borehole column does.
    EXPECT_EQ(celler.at(1).x, x0);
    EXPECT_EQ(celler.at(2).x, x0 + 3600);
}

TEST_F(Analyseoplysninger, SkilletegnITeksterUdskrivesSomTastet) {
    tabeller().LokalitetData.saet(1, 1, "Grus|grav; Nord");
    tabeller().KomponentData.saet(2, 0, "A;B|C");
    udskriv();
    const auto& tab = vp.tilfoejedeTabeller();
    ASSERT_EQ(tab.size(), 3u);
    EXPECT_EQ(tab[0].raekker.at(1), (Tabelraekke{"Lokalitet", "Grus|grav; Nord"}));
    EXPECT_EQ(tab[2].raekker.at(3).at(0), "A;B|C");
    EXPECT_EQ(tab[2].raekker.at(3).size(), 7u);
    // On the page the name stands whole in the value cell, the row keeps its cells.
    const auto& celler = vp.sider()[0].celler;
    EXPECT_EQ(celler.at(2).linjer, std::vector<std::string>{"Grus|grav; Nord"});
    EXPECT_EQ(celler.at(2).x, vp.layout().sidemaal().venstre + 3600);
}

}  // namespace
