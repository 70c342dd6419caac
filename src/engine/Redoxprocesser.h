#pragma once
// The eleven redox processes: defaults, the user's proposals and the substance consumed.
#include <string>
#include "celler/Variant.h"

// Sets ProcIltreduktion .. ProcDelvisPyritNitrat and RedoxTabel. Returns "" or the
// message of the last refused proposal (or of a carbon value that cannot be used).
std::string BeregnRedoxprocesser();

// "" when the model substance's carbon can be balanced; otherwise the refusal. An
// oxidation state of 4 or a carbon content of 0 would divide by zero further on.
std::string KontrollerModelstofKulstof();

// Substance carbon oxidised to CO2 by redox process r (1..6 of RedoxTabel), mmol C/l,
// for the amount given (empty counts 0) and the carbon oxidation state ox.
double KulstofTilCO2(int redoxRaekke, const Variant& maengde, double ox);
