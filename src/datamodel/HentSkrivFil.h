#pragma once
// The data file "*.akv": one line of 326 fields, each followed by ";", then CR LF,
// in a fixed order of eight blocks (site, boreholes, analyses, distances,
// components, quality-control results, mixing ratios and characterisations,
// groundwater types). Windows-1252 characters, numbers in the number format of
// whoever saved it. A file an editor saved again in UTF-8 is read as such.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include "celler/Variant.h"
#include "platform/TextFile.h"

inline constexpr int AntalFelter = 326;

// "ð", the character of the byte 240 in Windows-1252, stands for ";" in the file;
// every text field gives it back as ";".
inline constexpr std::string_view SemikolonIFilen = "\xC3\xB0";

// Writes the site's tables to the file at sti. The file is replaced only once the
// whole line is safely on disk; on any failure the old file stays as it was, the
// user is told once ("Der skete en fejl i forbindelse med at gemme data") and the
// result is false.
bool SkrivFil(const std::string& sti);

// Clears all data, then reads the file into the tables. Each number is read in
// the decimal sign it shows, a number that could be either in the one most of its
// line shows, so a file saved under the other decimal sign, or edited by hand in
// it, reads as meant; numbers kept as text are rewritten in the user's format. A
// file that is valid UTF-8 with letters of more than one byte, or that begins with
// the byte-order mark, is read as UTF-8, its letters composed (after the mark, a
// byte that is no UTF-8 as Windows-1252); every other as Windows-1252. On a failure it shows the error's description (for a UTF-8 text
// Windows-1252 cannot hold, the character's refusal) and "Filen kunne ikke læses,
// ..." and returns false; the tables keep what was read up to the failure.
bool HentFil(const std::string& sti);

// Splits a line at its ";" into FeltTabel: field i is the text between separator i
// and i + 1, field 0 the text before the first; text after the last separator is
// dropped, the elements beyond stay Empty. antal gets the number of separators.
// A line without ";" or with more than 1000 of them fails (fejl says why).
bool DelLinje(const std::string& linje, std::int16_t& antal, RunError& fejl);

// The fields of the line read last, elements 0..1000.
const std::array<Variant, 1001>& FeltTabel();

// Hide and restore the separator in a free text: ";" is written as "ð" (the byte
// 240 in the file), CR and LF as a blank; leading and trailing blanks are removed.
std::string KodSemikolon(const Variant& tekst);
std::string AfkodSemikolon(const Variant& tekst);
