#pragma once
// The work window frmInddata: its load and its mode switch.
#include <string>

// The work window's load: TilladLuk := false, the mode "OpenNoCalculations", then the
// grids set up on their tables. The grids, the charts and the window's controls are
// brought back to their design first, as a newly made window has them.
void frmInddata_Load();

// Configures the work window for a mode of the mode table (caption, buttons, tabs)
// and writes the mode key last.
void SkiftTilstand(const std::string& mode, bool resetTabs);
