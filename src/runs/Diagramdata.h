#pragma once
// The budget tables of the two charts, from the intermediate results of the last
// modelling: total inorganic carbon (DiagramTUCData, mmol/l) and alkalinity
// (DiagramAlkalinitetData, meq/l). Row n is series n of its chart; columns 1..4
// production, consumption, calculated change, measured change; every cell without
// a value holds Null (no bar).

void UdfyldDiagramTUC();
void UdfyldDiagramAlkalinitet();
