#pragma once
// Salt, Na/Ca ion exchange, siderite, ammonium, the CO2 of the oxidised substance and
// the check of the provisional model water.
#include <string>

// Sets ProcSalt, ProcIonbytning, ProcSiderit, ProcAmmonium, ProcCO2, rows 3..6 of
// ProcesTabel and nine element-0 values. Returns "" or the last message set.
std::string BeregnIonbytningsprocesser();
