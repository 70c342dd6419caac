#pragma once
// The work window's grid and chart handlers: the before-update handlers that check
// an edited cell and store it, the drop-down picks that start their runs, and the
// coupling of the two chart-data grids with their charts.

// Attaches every handler to the work window's grids (inddataGrids()) and charts
// (inddataCharts()). The controls keep their handlers when the window is rebuilt
// (restoreDesign), so once at program start is enough; a second call attaches the
// same handlers again and changes nothing.
void ForbindGridHandlere();
