#include "frmInddata.h"

#include <cstddef>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "runs/Diagrammer.h"
#include "windows/Navigation.h"
#include "windows/Vinduestilstand.h"

void frmInddata_Load() {
    inddataGrids().restoreDesign();
    inddataCharts().restoreDesign();
    inddataKontroller().restoreDesign();
    TilknytDiagramgentegning();
    vinduer().TilladLuk = false;
    SkiftTilstand("OpenNoCalculations", true);
    InitierGrids();
    // A new start asks for a quality control first; nothing before it is pending.
    SaetInddataAendret(false);
}

void frmInddata_BotKey_Click(int Index) { UdfoerBotKey(Index); }

void frmInddata_NavKey_Click(int Index) { UdfoerNavKey(Index); }

void frmInddata_SSTab1_Click(int PreviousTab) {
    const std::string& mode = vinduer().TilstandsNoegle;
    if (mode == "Kvalitetskontrol")
        KvalitetskontrolFaneregel(PreviousTab);
    else if (mode == "AkvModelling")
        ModelleringFaneregel(PreviousTab);
}

void ForbindNavigation() {
    InddataKontroller& k = inddataKontroller();
    for (std::size_t i = 0; i < k.BotKey.size(); ++i)
        k.BotKey[i].onClick = [i] { frmInddata_BotKey_Click(static_cast<int>(i)); };
    for (std::size_t i = 0; i < k.NavKey.size(); ++i)
        k.NavKey[i].onClick = [i] { frmInddata_NavKey_Click(static_cast<int>(i)); };
    k.SSTab1.onClick = frmInddata_SSTab1_Click;
}
