#pragma once
// The windows' program-wide state: the work window's mode key, the captions of its
// buttons, and the two flags of the life cycle. Kept apart from the calculation
// state (tilstand()), which the runs own; the mode key is named TilstandsNoegle
// here so that the two cannot be confused.
#include <array>
#include <string>

struct Vinduestilstand {
    // The key of the work window's mode ("OpenNoCalculations", "Kvalitetskontrol", ...);
    // written only by SkiftTilstand, as its last step.
    std::string TilstandsNoegle;
    // NavTekster(1..11); element 0 is unused.
    std::array<std::string, 12> NavTekster;
    // The work window may unload (false: its close box acts as "Afslut").
    bool TilladLuk = false;
    // The end window is the user's to leave: "Gem alt og afslut" ends the program
    // and its close box goes back to the work window. False around an internal
    // unload of the end window and around a save that must not end the program.
    bool AfslutVedLuk = false;
};

Vinduestilstand& vinduer();
