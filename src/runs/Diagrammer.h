#pragma once
// The two budget charts drawn from their tables: MSChart23 from DiagramTUCData and
// MSChart24 from DiagramAlkalinitetData. Series n is table row n.

void TegnDiagramTUC();
void TegnDiagramAlkalinitet();
