#pragma once
// Evaluation of the measured waters of the boreholes in use, their redox ranking,
// mixing ratios and names.

struct Beregningstilstand;

// Boreholes in use: AntalBoringer, a count above the five columns taken as five.
int AntalIBrug(const Beregningstilstand& t);

// Ranks boreholes 1..AntalBoringer by redox state, then per borehole computes the
// ionic strength, ion sums, charge balance, alkalinity and carbonate equilibrium,
// the mixing ratio (Blandingsforhold, PositionsTabel row 1) and the name
// (PositionsTabel row 2). BeregnIndeks is left at AntalBoringer. With fewer than two
// boreholes the waters are evaluated but ratios and names are left as they were.
void BeregnAnalyseResultater();

// Redox sums of boreholes 1..AntalBoringer into RedoxRangSum, and RedoxRang sorted by
// them, most reduced first. With one borehole or none it changes nothing.
void RangordnRedox();

// The pH at calcite equilibrium of boreholes 1..AntalBoringer into DiagramPHKalk row 2.
void FyldDiagramPHKalk();
