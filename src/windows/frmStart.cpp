#include "windows/frmStart.h"

#include <string>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/HentSkrivFil.h"
#include "datamodel/InputKontroller.h"
#include "datamodel/Tabeller.h"
#include "platform/ProgramSlut.h"
#include "platform/StartSlutKontroller.h"
#include "windows/Livscyklus.h"
#include "windows/Tilstandstabel.h"

void frmStart_Load() { DefinerNavTekster(); }

void frmStart_EksisterendeData_Click() {
    const std::string navn = VaelgDatafilTilAabning("Åben eksisterende data");
    if (navn.empty()) return;
    // Both have shown their own messages; the start window stays with no data.
    if (!HentFil(navn) || !KontrolAfInputfil(navn)) {
        NulstilAlleData();
        return;
    }
    tilstand().FilNavn = navn;
    startKontroller().frmStart.hide();
    IndlaesOgVisInddata();
}

void frmStart_NyeData_Click() {
    NulstilAlleData();
    tilstand().FilNavn = "";
    startKontroller().frmStart.hide();
    IndlaesOgVisInddata();
}

void frmStart_FortrydOgAfslut_Click() { AfslutProgrammet(); }

bool frmStart_Unload() {
    AfslutProgrammet();
    return true;
}
