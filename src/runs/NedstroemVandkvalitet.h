#pragma once
// The downstream water-quality run of tab "Modellering af nedstrøm vandkvalitet",
// and the choice of model substance.

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

// The default substance's name.
inline constexpr const char* StandardModelstof = "Acetone";
// The refusal of "Andet" without both carbon values (trailing blank included).
inline constexpr const char* UdfyldKulstofvaerdier = "Udfyld kulstofvalens og kulstofindhold ";
