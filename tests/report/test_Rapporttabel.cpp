#include <gtest/gtest.h>

#include "celler/Talformat.h"
#include "report/Rapporttabel.h"
#include "support/RecordingUdskrift.h"

namespace {

using Kald = std::vector<std::string>;

TEST(Rapporttabel, SkriverForudindstillingerTabelIndstillingerOgSlutIOrden) {
    Udskrift u;
    RecordingUdskrift rec(u);
    u.startDoc();
    u.setCurrentY(1000);
    rec.glem();

    Rapporttabel t;
    t.format = "<+2000|<+8600;";
    t.raekker = {{"Titel"}, {"a", "b"}};
    t.forudindstillinger = Forudindstillinger::under(290, true);
    t.indstillinger = {RaekkehoejdeAlle(), Fed(1, 1), Spaend(1, 1, 2), BFalsk(), Titelfarve(1, 1)};
    UdskrivTabel(u, t);

    EXPECT_EQ(rec.kald, (Kald{"startTable", "setSettingA(1)", "setSettingB(true)", "setBackColor(&HFFFFFF)",
                              "setCurrentY(1290)", "setSettingC(0)", "setSettingD(7)",
                              "addTable(\"<+2000|<+8600;\", \"\", \"Titel;a|b;\", &H8000000C, 0, false)",
                              "tableCell(Raekkehoejde, 0, 1, 0, 8, 290)", "tableCell(Fed, 1, 1, true)",
                              "tableCell(Spaend, 1, 1, 2)", "setSettingB(false)",
                              "tableCell(Baggrundsfarve, 1, 1, &H80000004)", "endTable"}));
    EXPECT_EQ(u.currentY(), 1290 + 2 * 290);
}

TEST(Rapporttabel, LodretEfterDOgStartEfterForudindstillinger) {
    Udskrift u;
    RecordingUdskrift rec(u);
    u.startDoc();
    rec.glem();
    Rapporttabel t;
    t.format = "<+10600;";
    t.raekker = {{"x"}};
    t.forudindstillinger = Forudindstillinger::fast(2300);
    t.forudindstillinger->lodretEfterD = true;
    t.forudindstillinger->E = 3000;
    t.startEfterForudindstillinger = true;
    UdskrivTabel(u, t);
    EXPECT_EQ(rec.kald, (Kald{"setSettingA(1)", "setSettingB(false)", "setBackColor(&HFFFFFF)", "setSettingE(3000)",
                              "setSettingC(0)", "setSettingD(7)", "setCurrentY(2300)", "startTable",
                              "addTable(\"<+10600;\", \"\", \"x;\", &H8000000C, 0, false)", "endTable"}));
}

TEST(Rapporttabel, CelletekstSomHoldtILokalet) {
    GridTabel g;
    g.redimensioner(1, 1, 0, 4);
    g.saet(1, 0, "pH");
    g.saet(1, 1, 7.25);
    g.saet(1, 2, 12);
    g.saet(1, 3, "7.250");
    {
        TalformatScope dk(Talformat::dansk());
        EXPECT_EQ(RaekkeFraTabel(g, 1, 0, 4), (Tabelraekke{"pH", "7,25", "12", "7.250", ""}));
    }
    TalformatScope en(Talformat::engelsk());
    EXPECT_EQ(RaekkeFraTabel(g, 1, 0, 4), (Tabelraekke{"pH", "7.25", "12", "7.250", ""}));
}

}  // namespace
