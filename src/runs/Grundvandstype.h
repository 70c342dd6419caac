#pragma once
// The groundwater-type view, the caption of a position, and the intermediate-results view.
#include <cstdint>
#include <string>

// Criteria and zone values of the five positions into GrundvandstypeData(0..5);
// each position's grid is captioned with its position and borehole where one exists.
void VisGrundvandstype();

// Code 1..5 ("opstrøm", "hotspot", "nedstr.1", "nedstr.2", "nedstr.3") -> the
// characterisation as stored in BlandingData row 2 and, in parentheses, the name of
// the first borehole carrying it: "Hotspot (B3)". "" when no borehole carries it.
std::string PlaceringsEtiket(std::int16_t kode);

// Amounts and changes of the seventeen processes into MellemregningData, their sums
// and the measured changes into RedoxSumData.
void VisMellemregning();
