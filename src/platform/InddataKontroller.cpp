#include "InddataKontroller.h"

const std::array<std::string, InddataKontroller::AntalFaner>& FanebladTekster() {
    static const std::array<std::string, InddataKontroller::AntalFaner> tekster = {
        "Prøveoplysninger",
        "Alkalinitet",
        "Kvalitetskontrol og simulering",
        "Grundvandstype",
        "Modellering af nedstrøm vandkvalitet",
        "Geokemiske processer",
        "Total uorganisk kulstof",
        "Mellemregning",
        "Tab 8",
        "1. ordens model for nedbrydning",
    };
    return tekster;
}

InddataKontroller::InddataKontroller() {
    for (Knap& k : BotKey) frmInddata.addKnap(k);
    for (Knap& k : NavKey) frmInddata.addKnap(k);
    frmInddata.addKnap(Afslut);
    frmInddata.addKnap(Printmenu);
    restoreDesign();
}

void InddataKontroller::restoreDesign() {
    // Straight to the state, without program calls: a rebuild is not a user-visible step.
    SSTab1.restoreDesign();
    for (int i = 0; i < AntalFaner; ++i) {
        auto* v = SSTab1.visning();
        SSTab1.setVisning(nullptr);
        SSTab1.setCaption(i, FanebladTekster()[static_cast<std::size_t>(i)]);
        SSTab1.setVisning(v);
    }
    if (SSTab1.visning()) SSTab1.visning()->aendret();
    auto design = [](Knap& k, const std::string& caption) {
        auto* v = k.visning();
        k.setVisning(nullptr);
        k.setCaption(caption);
        k.setVisible(true);
        k.setEnabled(true);
        k.setDefault(false);
        k.setVisning(v);
        if (v) v->aendret();
    };
    for (Knap& k : BotKey) design(k, "");
    for (Knap& k : NavKey) design(k, "");
    design(Afslut, "Afslut");
    design(Printmenu, "Printmenu");
}

InddataKontroller& inddataKontroller() {
    static InddataKontroller k;
    return k;
}
