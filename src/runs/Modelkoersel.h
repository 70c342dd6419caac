#pragma once
// "Geokemisk modellering": the engine's process model without or with forced calcite
// equilibrium, its amounts into the three process tables, then the downstream run.
// A failure shows the engine's message (critical, no title of its own), puts the
// variant flag back and changes no table but the "Nyt forslag" cells of the
// proposals the engine withdrew, which are blanked. A success clears the flag of changed
// process data (SaetProcesdataAendret, with the shared state).

void ModellerUdenKalkligevaegt();
void ModellerMedKalkligevaegt();
