#include "Navigation.h"

#include <cstddef>
#include <string>
#include <vector>

#include "celler/Variant.h"
#include "datamodel/Beregningstilstand.h"
#include "platform/Beskeder.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "runs/Grundvandstype.h"
#include "runs/Kvalitetskontrol.h"
#include "runs/Modelkoersel.h"
#include "runs/Nedbrydningsmodel.h"
#include "runs/NedstroemVandkvalitet.h"
#include "windows/Redigering.h"
#include "windows/Tilstandstabel.h"
#include "windows/Vinduestilstand.h"

namespace {

// A refused quality control: its text in a critical box, OK, no title of its own.
void VisAfvisning(const std::string& besked) { visBesked(besked, BeskedIkon::Kritisk, BeskedKnapper::OK, ""); }

// Runs the quality control when an input grid held an uncommitted edit at the start
// of the action (afventende, read before the edits were ended). False when it
// refused; the refusal has then been shown.
bool KvalitetskontrolHvisAfventende(bool afventende) {
    if (!afventende) return true;
    std::string besked;
    if (BeregnKvalitetskontrol(besked)) return true;
    VisAfvisning(besked);
    return false;
}

// ---- The bottom buttons' actions. afventende: an input grid held an uncommitted
// edit when the button was pressed.

void KoerKvalitetskontrol(bool) {
    std::string besked;
    if (BeregnKvalitetskontrol(besked))
        SkiftTilstand("Kvalitetskontrol", true);
    else
        VisAfvisning(besked);
}

void Proeveoplysninger(bool) {}  // tab 0 is made current before the action

void JusterPh(bool afventende) {
    if (!KvalitetskontrolHvisAfventende(afventende)) return;
    JusterPhTilKalkligevaegt();
    std::string besked;
    if (!BeregnKvalitetskontrol(besked)) VisAfvisning(besked);
}

void Grundvandstype(bool afventende) {
    if (!KvalitetskontrolHvisAfventende(afventende)) return;
    VisGrundvandstype();
    SkiftTilstand("Grundvand", true);
}

void MedKalkligevaegt(bool) {
    ModellerMedKalkligevaegt();
    // The flag as the run left it: back at the earlier variant after a failure.
    MarkerModelleringsknap();
}

void UdenKalkligevaegt(bool) {
    ModellerUdenKalkligevaegt();
    MarkerModelleringsknap();
}

void GrafiskAfbildning(bool) { SkiftTilstand("GraficModelling", true); }

void Mellemregning(bool) {
    SkiftTilstand("Mellemregning", true);
    VisMellemregning();
}

// The first-order button only repeats what entering the mode computed, so that the
// one button of the mode is not dead.
void FoersteOrdensModel(bool) { BeregnNedbrydningsmodel(); }

struct BotKeyHandling {
    const char* tilstand;
    int index;
    bool fane0Foerst;  // tab 0 current before anything else, whatever the outcome
    void (*handling)(bool afventende);
};

const BotKeyHandling BotKeyHandlinger[] = {
    {"OpenNoCalculations", 0, false, KoerKvalitetskontrol},
    {"Kvalitetskontrol", 0, false, KoerKvalitetskontrol},
    {"Kvalitetskontrol", 1, true, Proeveoplysninger},
    {"Kvalitetskontrol", 2, true, JusterPh},
    {"Kvalitetskontrol", 3, false, Grundvandstype},
    {"AkvModelling", 0, false, MedKalkligevaegt},
    {"AkvModelling", 1, false, UdenKalkligevaegt},
    {"AkvModelling", 2, false, GrafiskAfbildning},
    {"AkvModelling", 3, false, Mellemregning},
    {"1stOrder", 0, false, FoersteOrdensModel},
};

// ---- The navigation buttons' actions, by the NavTekster index of their caption.

void GeokemiskModellering(bool afventende) {
    if (!KvalitetskontrolHvisAfventende(afventende)) return;
    Beregningstilstand& t = tilstand();
    if (!ErUdfyldt(t.ModelstofNavn)) t.ModelstofNavn = Variant(StandardModelstof);
    if (t.TvungenKalkligevaegt != Falsk)
        ModellerMedKalkligevaegt();
    else
        ModellerUdenKalkligevaegt();
    // Also after a failed run, which has shown its own message.
    SkiftTilstand("AkvModelling", true);
}

void InddataOgKvalitetskontrol(bool) { SkiftTilstand("Kvalitetskontrol", true); }

void FoersteOrdensNavigation(bool afventende) {
    if (!KvalitetskontrolHvisAfventende(afventende)) return;
    BeregnNedbrydningsmodel();
    SkiftTilstand("1stOrder", true);
}

struct NavKeyHandling {
    int navTekst;
    void (*handling)(bool afventende);
};

// Compared in this order.
const NavKeyHandling NavKeyHandlinger[] = {
    {5, GeokemiskModellering},
    {6, InddataOgKvalitetskontrol},
    {3, FoersteOrdensNavigation},
};

}  // namespace

void UdfoerBotKey(int Index) {
    InddataKontroller& k = inddataKontroller();
    const BotKeyHandling* h = nullptr;
    for (const auto& b : BotKeyHandlinger)
        if (b.tilstand == vinduer().TilstandsNoegle && b.index == Index) h = &b;

    if (h && h->fane0Foerst) k.SSTab1.setCurrent(0);
    // Read before the edits are ended, which would clear it.
    const bool afventende = InddataGridsAendret();
    if (!AfslutAabneRedigeringer()) return;

    k.BotKey[0].setDefault(false);
    k.BotKey[1].setDefault(false);
    if (h) h->handling(afventende);
}

void UdfoerNavKey(int Index) {
    if (Index < 0 || Index >= InddataKontroller::AntalNavKeys) return;
    const std::string& caption = inddataKontroller().NavKey[static_cast<std::size_t>(Index)].caption();
    const NavKeyHandling* h = nullptr;
    for (const auto& n : NavKeyHandlinger)
        if (caption == vinduer().NavTekster[static_cast<std::size_t>(n.navTekst)]) {
            h = &n;
            break;
        }
    if (!h) return;

    const bool afventende = InddataGridsAendret();
    if (!AfslutAabneRedigeringer()) return;
    h->handling(afventende);
}

void KvalitetskontrolFaneregel(int PreviousTab) {
    Faneblade& faner = inddataKontroller().SSTab1;
    if (!InddataGridsAendret() || !faner.visible(0) || !faner.visible(2) || faner.current() != 2 || PreviousTab != 0)
        return;

    // All five input grids, not only the borehole grid: the quality control must see
    // every value typed on tab 0.
    const std::string afvist = AfslutRedigeringer(InddataGridNavne());
    if (!afvist.empty()) {
        // The check has shown its message; back to the grid that holds the value.
        faner.setCurrent(PreviousTab);
        inddataGrids().grid(afvist).setFocus();
        return;
    }

    std::string besked;
    if (BeregnKvalitetskontrol(besked)) {
        SkiftTilstand("Kvalitetskontrol", false);
        return;
    }
    faner.setCurrent(PreviousTab);
    inddataGrids().grid("TDBGrid22").setFocus();
    VisAfvisning(besked);
}

void ModelleringFaneregel(int PreviousTab) {
    Faneblade& faner = inddataKontroller().SSTab1;
    if (faner.current() != 4 || PreviousTab != 5 || !faner.visible(4) || !faner.visible(5)) return;

    // Each grid on its own: a refusal in one does not keep the others' edits open.
    for (const char* grid : {"TDBGrid11", "TDBGrid15", "TDBGrid16"}) AfslutRedigeringer({grid});
    if (HentProcesdataAendret())
        visBesked(ProcesdataAendretBesked, BeskedIkon::Information, BeskedKnapper::OK, "");
}
