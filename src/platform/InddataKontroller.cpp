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

namespace {

// Runs the changes with the control's view detached, so they are not reported as
// program calls (a rebuild is not a user-visible step), then lets the view show the
// result once.
template <typename Kontrol, typename F>
void stille(Kontrol& k, F aendringer) {
    auto* v = k.visning();
    k.setVisning(nullptr);
    aendringer();
    k.setVisning(v);
    if (v) v->aendret();
}

}  // namespace

void InddataKontroller::restoreDesign() {
    stille(SSTab1, [this] {
        SSTab1.restoreDesign();
        for (int i = 0; i < AntalFaner; ++i) SSTab1.setCaption(i, FanebladTekster()[static_cast<std::size_t>(i)]);
    });
    auto design = [](Knap& k, const std::string& caption) {
        stille(k, [&] {
            k.setCaption(caption);
            k.setVisible(true);
            k.setEnabled(true);
            k.setDefault(false);
        });
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
