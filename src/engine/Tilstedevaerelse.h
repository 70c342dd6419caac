#pragma once
// Which analytes the model carries and which proposals count.
#include "celler/Variant.h"

// True when analyte row k of AnalyseData is filled (text form of at least one
// character) for both FraPosition and TilPosition.
bool AnalytTilstede(int analytRaekke);

// A proposal ("Nyt forslag") is in force when its cell is not empty; 0 is a proposal.
bool ForslagIKraft(const Variant& forslag);
