#pragma once
// First-order natural-degradation constants between a hotspot and up to three filters.

// For filter f = 1..3 and component j = 1..5: Nedbrydningskonstanter(j, 2f-1) the plain
// constant ln(C_H/C_F)/(X_H - X_F), (j, 2f) the same with the concentration ratio first
// divided by the ratio of the mixing ratios; empty where it cannot be computed.
void BeregnNedbrydningskonstanter();
