#include "windows/Printmenu.h"

#include "platform/InddataKontroller.h"
#include "report/AkvPrint.h"
#include "windows/Redigering.h"

void frmInddata_Printmenu_Click() {
    if (AfslutAabneRedigeringer()) VisPrintmenu();
}

void ForbindPrintmenu() { inddataKontroller().Printmenu.onClick = frmInddata_Printmenu_Click; }
