#include "frmInddata.h"

#include "datamodel/DivGrids.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "runs/Diagrammer.h"
#include "windows/Vinduestilstand.h"

Vinduestilstand& vinduer() {
    static Vinduestilstand v;
    return v;
}

void frmInddata_Load() {
    inddataGrids().restoreDesign();
    inddataCharts().restoreDesign();
    inddataKontroller().restoreDesign();
    TilknytDiagramgentegning();
    vinduer().TilladLuk = false;
    SkiftTilstand("OpenNoCalculations", true);
    InitierGrids();
}

void SkiftTilstand(const std::string& mode, bool /*resetTabs*/) {
    // The mode table comes with the modes and navigation.
    vinduer().TilstandsNoegle = mode;
}
