#pragma once
// "Geokemisk modellering": the engine's process model without or with forced calcite
// equilibrium, its amounts into the three process tables, then the downstream run.
// A failure shows the engine's message (critical, no title of its own), puts the
// variant flag back and changes no table.

void ModellerUdenKalkligevaegt();
void ModellerMedKalkligevaegt();

// Process data edited since the last successful modelling (kept in the shared state).
void SaetProcesdataAendret(bool aendret);
bool HentProcesdataAendret();
