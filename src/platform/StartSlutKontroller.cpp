#include "StartSlutKontroller.h"

#include <utility>

StartKontroller::StartKontroller() {
    frmStart.setCaption("Akvifer v. 2.0 Start menu");
    const std::array<std::pair<Knap*, const char*>, 3> knapper{{
        {&EksisterendeData, "Eksisterende data"},
        {&NyeData, "Nye data"},
        {&FortrydOgAfslut, "Fortryd og afslut"},
    }};
    for (auto [k, caption] : knapper) {
        k->setCaption(caption);
        frmStart.addKnap(*k);
    }
}

SlutKontroller::SlutKontroller() {
    // Three blanks before "Afslut" and one at the end, as the window has always shown it.
    frmSlut.setCaption("Akvifer v. 2.04   Afslut redigering ");
    const std::array<std::pair<Knap*, const char*>, 6> knapper{{
        {&NyeData, "Opret nye data"},
        {&SaveContinue, "Gem alt og fortsæt redigering"},
        {&EksisterendeData, "Indlæs eksisterende data"},
        {&Fortryd, "Fortsæt Redigering"},
        {&AfslutUdenAtGemme, "Afslut uden at gemme"},
        {&GemAlt, "Gem alt og afslut"},
    }};
    for (auto [k, caption] : knapper) {
        k->setCaption(caption);
        frmSlut.addKnap(*k);
    }
}

StartKontroller& startKontroller() {
    static StartKontroller k;
    return k;
}

SlutKontroller& slutKontroller() {
    static SlutKontroller k;
    return k;
}
