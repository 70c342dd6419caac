#pragma once
// The work window's "Printmenu" button.

// Ends the edits in progress first, so the report shows what the grids show; a grid
// whose check refuses its edit keeps the work window open (the check has shown its
// message). Otherwise the print window opens modally over the work window.
void frmInddata_Printmenu_Click();

// Attaches the handler to the work window's button.
void ForbindPrintmenu();
