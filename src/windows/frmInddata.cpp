#include "frmInddata.h"

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "windows/Vinduestilstand.h"

Vinduestilstand& vinduer() {
    static Vinduestilstand v;
    return v;
}

void frmInddata_Load() {
    inddataGrids().restoreDesign();
    inddataCharts().restoreDesign();
    inddataKontroller().restoreDesign();
    vinduer().TilladLuk = false;
    SkiftTilstand("OpenNoCalculations", true);
    InitierGrids();
    // A new start asks for a quality control first; nothing before it is pending.
    SaetInddataAendret(false);
}

void SkiftTilstand(const std::string& mode, bool /*resetTabs*/) {
    // The mode table comes with the modes and navigation.
    vinduer().TilstandsNoegle = mode;
}
