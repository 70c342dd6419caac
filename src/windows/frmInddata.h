#pragma once
// The work window frmInddata: its load, the handlers of its buttons and tabs, and
// their wiring.
#include <string>

#include "windows/Tilstandstabel.h"

// The work window's load: TilladLuk := false, the mode "OpenNoCalculations", then the
// grids set up on their tables. The grids, the charts and the window's controls are
// brought back to their design first, as a newly made window has them.
void frmInddata_Load();

void frmInddata_BotKey_Click(int Index);
void frmInddata_NavKey_Click(int Index);
// The tab control's notification after its current tab changed, by the user or by
// the program; judged by the mode key as it stands.
void frmInddata_SSTab1_Click(int PreviousTab);

// Attaches the clicks of BotKey(0..5), NavKey(0..1) and SSTab1 to the handlers
// above. Once, when the program starts; the window's rebuilds keep them.
void ForbindNavigation();
