#pragma once
// The quality-control run: which boreholes are in use, their waters evaluated and
// ranked, the rounded results in the quality-control tables; and the adjustment of
// the entered pH to the pH at calcite equilibrium.
#include <string>

#include "celler/Variant.h"

// The acceptance test of the input. True: AntalBoringer is set and FraPosition /
// TilPosition hold boreholes in use (1 and 2 by default); besked untouched. False:
// besked holds the reason.
bool KontrollerBeregningsInddata(std::string& besked);

// When the cell is not blank: maal := the cell as a number in the user's locale (0
// for a text that is no number) and true. A blank cell leaves maal and gives false.
bool LaesTalHvisUdfyldt(double& maal, const Variant& celle);

// The whole quality-control run, ending with the first-order run and the
// groundwater-type view; an accepted run clears the flag of changed input
// (SaetInddataAendret). False with the refusal in besked; shows no message itself.
bool BeregnKvalitetskontrol(std::string& besked);

// Copies the pH at calcite equilibrium of the last quality-control run into the
// entered pH of every borehole column, where the pH cell check accepts it.
void JusterPhTilKalkligevaegt();
