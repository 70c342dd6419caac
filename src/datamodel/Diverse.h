#pragma once
// Number helpers shared by the runs and the engine.
#include "Variant.h"

// Rounds to 0..5 decimals, halves to the even neighbour on the double product;
// Empty stays Empty, another number of decimals gives Empty, a value that cannot be
// rounded (outside 32 bits once scaled, a text that is no number, Null) comes back
// unchanged. 0 decimals gives an Integer, 1..5 a Double.
Variant Afrund(const Variant& vaerdi, int decimaler);

// Base-10 logarithm; for x <= 0 (or no number) it shows "Log10(<x>) kan ikke beregnes"
// and yields 0.
double Log10(const Variant& x);
