#include "windows/Printmenu.h"

#include <string>

#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "report/AkvPrint.h"
#include "windows/Redigering.h"

void frmInddata_Printmenu_Click() {
    // A refused value keeps the work window, with the focus where the value waits.
    const std::string afvist = AfslutRedigeringer(RedigerbareGridNavne());
    if (!afvist.empty()) {
        inddataGrids().grid(afvist).setFocus();
        return;
    }
    VisPrintmenu();
}

void KoblPrintmenu() { inddataKontroller().Printmenu.onClick = frmInddata_Printmenu_Click; }
