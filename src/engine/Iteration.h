#pragma once
// The two Newton solvers of the model water: the pH alone (no calcite), and the pH
// together with the calcite dissolved. Both leave their solution in PH(0) and
// ProcKalk and show their own message when they give up.
#include <functional>
#include <string>

inline constexpr const char* IterationsbeskedUdenKalk =
    " Programmets iterationsprocedure  kunne ikke beregne en løsning ";
inline constexpr const char* IterationsbeskedMedKalk =
    "Programmets iterationsprocedure kunne ikke beregne en løsning";

// pH of the model water with no calcite dissolved (ProcKalk := 0); hands over to
// ItererMedKalkligevaegt when the result is supersaturated in calcite.
void ItererUdenKalkligevaegt();

// pH and ProcKalk (mg CaCO3/l) together, so that the model water is saturated.
void ItererMedKalkligevaegt();

// The evaluation the solvers call after each change of PH(0) or ProcKalk; normally
// BeregnModelVand. Tests put in a model water of their own; an empty function
// restores the normal one.
void SaetModelevaluering(std::function<void()> evaluering);
