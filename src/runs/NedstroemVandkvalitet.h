#pragma once
// The downstream water-quality run of tab "Modellering af nedstrøm vandkvalitet",
// and the choice of model substance.
#include "celler/Variant.h"

// The waters of FraPosition ("b/f 1") and TilPosition ("b/f 2") beside the modelled
// downstream water ("Nedstrøm", rounded per row); the default substance "Acetone"
// when none is chosen; then the intermediate results, both budget tables and both
// charts. Returns at once when either position lies outside 0..5.
void BeregnNedstroemVandkvalitet();

// The substance just picked into ModelstofData(1, 1): "Andet" without both carbon
// values shows "Udfyld kulstofvalens og kulstofindhold " and opens the carbon cells;
// otherwise the substance is looked up, its carbon values shown, and the carbon
// cells are editable exactly while it is "Andet".
void VaelgModelstof();

// True for the substance cell's "Andet", the substance with the user's own carbon values.
bool ErAndet(const Variant& stof);

// The carbon cells of KulstofData into BrugerKulstofValens and BrugerKulstofIndhold:
// a blank cell counts as 0; a text that is no number stays Empty, so the substance
// lookup asks for the value instead of modelling with 0.
void HentBrugerensKulstofvaerdier();

// The default substance's name.
inline constexpr const char* StandardModelstof = "Acetone";
// The refusal of "Andet" without both carbon values (trailing blank included).
inline constexpr const char* UdfyldKulstofvaerdier = "Udfyld kulstofvalens og kulstofindhold ";
