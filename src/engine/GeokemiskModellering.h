#pragma once
// One geochemical modelling of the water between FraPosition and TilPosition, and
// the lookup of the model substance's carbon values.
#include <string>

inline constexpr const char* ManglerKulstofvaerdier =
    "Både feltet 'Kulstof iltningstrin' og feltet 'Indhold af kulstof (%)' skal indeholde en værdi";

// Substance lookup, redox processes, other processes, solver, modelled column; stops
// at the first step that returns a message and returns it. "" is success, also when
// a solver gave up (it has shown its own message).
std::string GeokemiskModellering();

// Sets KulstofValens and KulstofIndhold from ModelstofNavn (exact name, case
// included; another name changes nothing). Returns the message above when either
// value is Empty afterwards, else "".
std::string OpslagModelstof();
