#pragma once
// The model water: the upstream water changed by the process amounts, in element 0.

// Builds element 0 from the upstream borehole and the process amounts, then evaluates
// its carbonate equilibrium at the pH that stands in PH(0).
void BeregnModelVand();
