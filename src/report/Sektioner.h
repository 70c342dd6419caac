#pragma once
// The nine section printers of the report. Each appends its tables to the open
// print document at the current vertical position, reading the grid tables as the
// last runs left them; none computes, rounds or shows anything.
#include <string>

#include "celler/Variant.h"
#include "platform/Udskrift.h"
// Page group 1: site, boreholes with their analyses, distances and components.
#include "report/Analyseoplysninger.h"

// Page group 2.
void UdskrivKvalitetskontrol(Udskrift& vp);
void UdskrivNedbrydningsmodel(Udskrift& vp);
void UdskrivGrundvand(Udskrift& vp);
// Page group 3.
void UdskrivNedstroemVandkvalitet(Udskrift& vp);
void UdskrivModelstof(Udskrift& vp);
void UdskrivOploesningUdfaeldning(Udskrift& vp);
// Page group 4.
void UdskrivRedoxprocesser(Udskrift& vp);
void UdskrivMellemregninger(Udskrift& vp);

// The text of BoringData(raekke, n + 1) for the borehole number n held in a cell: the
// cell read as a number in the user's locale ("3" and 3 alike). Anything but a whole
// number from 1 to 5 (an empty cell included) names no borehole and gives "".
std::string BoringsTekst(int raekke, const Variant& nummer);
