#pragma once
// The two budget charts drawn from their tables: MSChart23 from DiagramTUCData and
// MSChart24 from DiagramAlkalinitetData. Series n is table row n.

void TegnDiagramTUC();
void TegnDiagramAlkalinitet();

// Each chart drawn again from its table when its control gets a new size (a pane
// resized, or its tab shown for the first time), as long as it shows a drawing: a
// chart drawn on a hidden tab took its rectangles from a size it never had on the
// screen. A chart back at its design stays empty, even though the chart tables
// keep the last site's budget.
void TilknytDiagramgentegning();
