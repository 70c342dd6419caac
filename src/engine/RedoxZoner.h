#pragma once
// The groundwater type of each ranked borehole against the redox-zone criteria.

// Writes the criteria texts into RedoxKriterier and fills RedoxZoneMatrix1 (the most
// oxidised borehole), RedoxZoneMatrix2 (the hotspot) and RedoxZoneMatrix3..5 (ranks
// 2..4) for the boreholes in use; every other matrix ends up empty.
void VurderRedoxZoner();
