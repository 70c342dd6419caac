#pragma once
// Intermediate results of the process model.

// Rebuilds Mellemregninger rows 1..19 from the last modelling and the measured waters.
void BeregnMellemregninger();
