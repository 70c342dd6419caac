#include "StartSlutKontroller.h"

#include <initializer_list>

namespace {

struct KnapTekst {
    Knap* knap;
    const char* caption;
};

// Each button gets its caption and joins the window, in the order given.
void tilfoejKnapper(Vindue& vindue, std::initializer_list<KnapTekst> knapper) {
    for (const KnapTekst& k : knapper) {
        k.knap->setCaption(k.caption);
        vindue.addKnap(*k.knap);
    }
}

}  // namespace

StartKontroller::StartKontroller() {
    frmStart.setCaption("Akvifer v. 2.0 Start menu");
    tilfoejKnapper(frmStart, {{&EksisterendeData, "Eksisterende data"},
                              {&NyeData, "Nye data"},
                              {&FortrydOgAfslut, "Fortryd og afslut"}});
}

SlutKontroller::SlutKontroller() {
    // Three blanks before "Afslut" and one at the end, as the window has always shown it.
    frmSlut.setCaption("Akvifer v. 2.04   Afslut redigering ");
    tilfoejKnapper(frmSlut, {{&NyeData, "Opret nye data"},
                             {&SaveContinue, "Gem alt og fortsæt redigering"},
                             {&EksisterendeData, "Indlæs eksisterende data"},
                             {&Fortryd, "Fortsæt Redigering"},
                             {&AfslutUdenAtGemme, "Afslut uden at gemme"},
                             {&GemAlt, "Gem alt og afslut"}});
}

StartKontroller& startKontroller() {
    static StartKontroller k;
    return k;
}

SlutKontroller& slutKontroller() {
    static SlutKontroller k;
    return k;
}
