#pragma once
// The report's first section: the site information, the boreholes with their water
// analyses, and the distances with the contaminant components, as three tables.
#include "platform/Udskrift.h"

// Appends the three tables to the open document; the first stands at 2300 twips.
void UdskrivAnalyseoplysninger(Udskrift& vp);
