#pragma once
// Checks of the values the user types into the editable grids, and of the input
// tables after a data file was read. A check picks its rule (a length limit or a
// numeric interval) by the row or column of the cell; an empty value passes. Before
// its rule, every cell refuses a text with a character that a save would not give
// back as typed, naming the first such character.
#include <string>
#include "celler/Tegnsaet.h"
#include "celler/Variant.h"

// The five input grids of "Prøveoplysninger". When visBesked is true a refused value
// is shown in a box with an exclamation icon, titled "Inddatakontrol".
bool KontrolLokalitet(const Variant& vaerdi, int raekke, bool visBesked);
bool KontrolBoring(const Variant& vaerdi, int raekke, bool visBesked);
bool KontrolAnalyse(const Variant& vaerdi, int raekke, bool visBesked);
bool KontrolAfstand(const Variant& vaerdi, int soejle, bool visBesked);
bool KontrolKomponent(const Variant& vaerdi, int soejle, bool visBesked);

// The three process grids: a refused value sets meddelelse (left alone otherwise)
// and nothing is shown; the work window shows it.
bool KontrolIonbytning(const Variant& vaerdi, int raekke, std::string& meddelelse);
bool KontrolKulstof(const Variant& vaerdi, int raekke, std::string& meddelelse);
bool KontrolRedox(const Variant& vaerdi, int raekke, std::string& meddelelse);

// The refusal of a character the data file cannot hold, after what holds it: "indeholder
// tegnet "≥" (U+2265), som ikke kan gemmes i datafilen."
std::string IkkeGemmeligtTegn(const Tegn& tegn);

// Message builders, one per check, for a value their check refused.
void MeddelelseLokalitet(int raekke, const Variant& vaerdi, bool visBesked);
void MeddelelseBoring(int raekke, const Variant& vaerdi, bool visBesked);
void MeddelelseAnalyse(int raekke, const Variant& vaerdi, bool visBesked);
void MeddelelseAfstand(int soejle, const Variant& vaerdi, bool visBesked);
void MeddelelseKomponent(int soejle, const Variant& vaerdi, bool visBesked);
void MeddelelseIonbytning(int raekke, const Variant& vaerdi, std::string& meddelelse);
void MeddelelseKulstof(int raekke, const Variant& vaerdi, std::string& meddelelse);
void MeddelelseRedox(int raekke, const Variant& vaerdi, std::string& meddelelse);

// Runs the five input checks silently over every entered cell of the input tables;
// when any fails, shows one critical box titled "Kontrol af inputfil" naming the
// file and returns false.
bool KontrolAfInputfil(const std::string& sti);
