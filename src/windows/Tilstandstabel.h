#pragma once
// The work window's modes: the captions of its buttons (NavTekster), the mode table
// and the mode switch that applies one row of it.
#include <string>
#include <vector>

// NavTekster(1..11), the captions of the bottom and navigation buttons and the keys
// by which a navigation button acts. Filled once, when the program starts.
void DefinerNavTekster();

// Which bottom button carries the default mark in a mode.
enum class Standardknap {
    Ingen,
    EfterKalkligevaegt,  // BotKey(0) with forced calcite equilibrium in force, else BotKey(1)
};

// One row of the mode table. Buttons are given by their NavTekster index.
struct Tilstandsraekke {
    std::string noegle;
    std::string captionDel;  // after "Akvifer v 2.0 - "
    std::vector<int> botKeys;
    std::vector<int> navKeys;
    Standardknap standard = Standardknap::Ingen;
    std::vector<int> synligeFaner;  // none: the visibility stays as the reset left it
    int aktuelFane = -1;            // -1: not set
    // The tabs and the current tab are applied only when the switch resets the tabs:
    // the quality-control mode laid out again keeps the tab the user is on.
    bool fanerKunVedNulstilling = false;
};

const std::vector<Tilstandsraekke>& Tilstandstabel();

// Configures the work window for the mode with this key: buttons reset, the row's
// caption, buttons, tabs and current tab, the focus on the mode's default button (or
// the first grid of the current tab) while the window is shown, the mode key written
// last, so that a tab notification raised on the way is judged against the mode
// being left. A key outside the table is a programming fault (std::out_of_range).
void SkiftTilstand(const std::string& mode, bool resetTabs);

// The bottom button that carries the default mark by the variant in force:
// BotKey(0) with forced calcite equilibrium, BotKey(1) without.
void MarkerModelleringsknap();
