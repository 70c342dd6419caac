#include "windows/frmSlut.h"

#include <string>

#include "celler/MidlertidigVaerdi.h"
#include "datamodel/Beregningstilstand.h"
#include "datamodel/HentSkrivFil.h"
#include "datamodel/InputKontroller.h"
#include "datamodel/Tabeller.h"
#include "platform/Beskeder.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "platform/ProgramSlut.h"
#include "platform/StartSlutKontroller.h"
#include "runs/Diagrammer.h"
#include "windows/Livscyklus.h"
#include "windows/Vinduestilstand.h"

namespace {

// The end window's dialogs carry no title of their own: the system's titles show.
constexpr const char* IngenTitel = "";

Vindue& frmSlut() { return slutKontroller().frmSlut; }

// A save offered before other data replaces the current; true when the action may go
// on. A user who answered "Ja" wants the site kept: a cancelled dialog or a failed
// write stops the action, so the site is never replaced unsaved.
bool TilbydGem(const std::string& spoergsmaal) {
    if (visBesked(spoergsmaal, BeskedIkon::Spoergsmaal, BeskedKnapper::JaNej, "Gem Data") != BeskedSvar::Ja)
        return true;
    const MidlertidigVaerdi indenAfslutning(vinduer().AfslutVedLuk, false, true);
    return frmSlut_GemAlt_Click() == GemUdfald::Gemt;
}

// The site as it was before a read: every table, and which budget charts showed a
// drawing (their tables outlive a clearing, so a table with data is no sign of one).
struct Foer {
    Tabeller tabeller;
    bool tucTegnet;
    bool alkalinitetTegnet;
};

Foer GemData() {
    return {tabeller(), inddataCharts().MSChart23().seriesCount() > 0,
            inddataCharts().MSChart24().seriesCount() > 0};
}

// The data as it was before a failed read: every table, what the grids show, and the
// charts as they were drawn.
void GenskabData(const Foer& foer) {
    tabeller() = foer.tabeller;
    InddataGrids& grids = inddataGrids();
    for (const auto& [navn, indeks] : grids.navne()) grids.grid(navn, indeks).refresh();
    inddataCharts().restoreDesign();
    if (foer.tucTegnet) TegnDiagramTUC();
    if (foer.alkalinitetTegnet) TegnDiagramAlkalinitet();
}

}  // namespace

void frmSlut_Load() { vinduer().AfslutVedLuk = true; }

bool frmSlut_Unload() {
    // The close box (and Alt+F4) goes back as "Fortsæt Redigering" does: ending here
    // would lose every edit since the last save without a question, and the buttons
    // already offer every way out.
    if (vinduer().AfslutVedLuk) VisInddata();
    return true;
}

void UnloadFrmSlut() {
    const MidlertidigVaerdi indenAfslutning(vinduer().AfslutVedLuk, false, true);
    if (frmSlut_Unload()) frmSlut().hide();
}

GemUdfald frmSlut_GemAlt_Click() {
    const std::string navn = VaelgDatafilTilGem(IngenTitel);
    if (navn.empty()) return GemUdfald::Fortrudt;
    // SkrivFil has reported a failure; the end window stays so the data is not lost.
    if (!SkrivFil(navn)) return GemUdfald::Fejlet;
    if (vinduer().AfslutVedLuk) {
        AfslutProgrammet();
        return GemUdfald::Gemt;
    }
    tilstand().FilNavn = navn;
    return GemUdfald::Gemt;
}

void frmSlut_SaveContinue_Click() {
    // A cancel writes nothing: there is no name the user chose to write to.
    const std::string navn = VaelgDatafilTilGem(IngenTitel);
    if (!navn.empty()) {
        tilstand().FilNavn = navn;
        SkrivFil(tilstand().FilNavn);
    }
    VisInddata();
    UnloadFrmSlut();
}

void frmSlut_EksisterendeData_Click() {
    if (!TilbydGem("Skal data gemmes inden nye data hentes fra disk?")) return;
    const std::string navn = VaelgDatafilTilAabning(IngenTitel);
    if (navn.empty()) return;
    // The reader clears the tables before it reads: keep them, so a file that cannot
    // be read leaves the site as it was, and FilNavn still names its file.
    const Foer foer = GemData();
    if (!HentFil(navn)) {
        GenskabData(foer);
        return;
    }
    GenopbygInddata();
    if (KontrolAfInputfil(navn)) {
        tilstand().FilNavn = navn;
    } else {
        visBesked("Der er fejl i filens indhold. Akvifer fortætter derfor som var det en ny data.");
        GenopbygInddata();
        // Another site's data: a later save must not offer the previous site's file.
        tilstand().FilNavn = "";
    }
    VisNyeInddata();
    UnloadFrmSlut();
}

void frmSlut_NyeData_Click() {
    if (!TilbydGem("Skal data gemmes inden nye data oprettes?")) return;
    tilstand().FilNavn = "";
    NulstilAlleData();
    GenopbygInddata();
    UnloadFrmSlut();
    VisNyeInddata();
}

void frmSlut_Fortryd_Click() {
    VisInddata();
    UnloadFrmSlut();
}

void frmSlut_AfslutUdenAtGemme_Click() { AfslutProgrammet(); }
