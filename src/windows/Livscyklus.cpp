#include "windows/Livscyklus.h"

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "platform/StartSlutKontroller.h"
#include "platform/Tjenester.h"
#include "windows/Redigering.h"
#include "windows/Vinduestilstand.h"
#include "windows/frmInddata.h"
#include "windows/frmSlut.h"
#include "windows/frmStart.h"

namespace {

std::vector<FilFilter> DatafilFiltre() {
    return {{"Akvifer filer (*.akv)", "*.akv"}, {"Alle filer (*)", "*"}};
}

std::string Valgt(const std::optional<std::string>& navn) { return navn.value_or(""); }

Vindue& frmInddata() { return inddataKontroller().frmInddata; }

}  // namespace

std::string VaelgDatafilTilAabning(const std::string& titel) {
    return Valgt(fildialoger().aaben({titel, DatafilFiltre(), "", ""}));
}

std::string VaelgDatafilTilGem(const std::string& titel) {
    return Valgt(fildialoger().gem({titel, DatafilFiltre(), tilstand().FilNavn, "akv"}));
}

void IndlaesOgVisInddata() {
    frmInddata_Load();
    VisNyeInddata();
}

void VisInddata() { frmInddata().show(); }

void VisNyeInddata() {
    VisInddata();
    // A site is typed from its top, the site's name: the grid, just bound to its
    // table, makes its first editable cell current as it takes the keyboard.
    inddataGrids().grid("TDBGrid4").setFocus();
}

void GenopbygInddata() {
    vinduer().TilladLuk = true;
    if (frmInddata_Unload() && frmInddata().shown()) frmInddata().hide();
    frmInddata_Load();
}

bool frmInddata_Unload() {
    if (vinduer().TilladLuk) return true;
    frmInddata_Afslut_Click();
    return false;
}

void frmInddata_Afslut_Click() {
    if (!AfslutAabneRedigeringer()) return;
    frmInddata().hide();
    frmSlut_Load();
    slutKontroller().frmSlut.show();
}

void ForbindLivscyklus() {
    StartKontroller& s = startKontroller();
    SlutKontroller& e = slutKontroller();
    InddataKontroller& w = inddataKontroller();
    const std::array<std::pair<Knap*, std::function<void()>>, 10> knapper{{
        {&s.EksisterendeData, frmStart_EksisterendeData_Click},
        {&s.NyeData, frmStart_NyeData_Click},
        {&s.FortrydOgAfslut, frmStart_FortrydOgAfslut_Click},
        {&e.NyeData, frmSlut_NyeData_Click},
        {&e.SaveContinue, frmSlut_SaveContinue_Click},
        {&e.EksisterendeData, frmSlut_EksisterendeData_Click},
        {&e.Fortryd, frmSlut_Fortryd_Click},
        {&e.AfslutUdenAtGemme, frmSlut_AfslutUdenAtGemme_Click},
        {&e.GemAlt, [] { frmSlut_GemAlt_Click(); }},
        {&w.Afslut, frmInddata_Afslut_Click},
    }};
    for (const auto& [knap, handler] : knapper) knap->onClick = handler;
    s.frmStart.onCloseRequest = frmStart_Unload;
    e.frmSlut.onCloseRequest = frmSlut_Unload;
    w.frmInddata.onCloseRequest = frmInddata_Unload;
}

void StartProgram() {
    frmStart_Load();
    startKontroller().frmStart.show();
}
