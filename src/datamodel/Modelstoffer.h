#pragma once
// The fourteen model substances, once for the whole program: the name that the
// substance cell stores and the engine looks up (exactly, in this order), the text
// the substance list shows, and the carbon oxidation state and carbon content (% by
// mass) of each. "Andet" takes the user's own values instead.
#include <array>
#include <string_view>

struct Modelstof {
    std::string_view navn;
    std::string_view visning;
    double kulstofValens;
    double kulstofIndhold;   // %
    bool brugerensVaerdier;  // BrugerKulstofValens/-Indhold instead of the two above
};

inline constexpr std::array<Modelstof, 14> ModelstofTabel{{
    {"Andet", "Andet stof", 0.0, 0.0, true},
    {"Acetone", "Acetone C3H6O", -1.333, 62.1, false},
    {"Benzen", "Benzen C6H6", -1.0, 92.3, false},
    {"Dieselolie1", "Dieselolie1 CH1.85", -1.85, 86.6, false},
    {"Dieselolie2", "Dieselolie2 CH1.5", -1.5, 88.9, false},
    {"Ethanol", "Ethanol C2H6O", -2.0, 52.2, false},
    {"Ethylbenzen", "Ethylbenzen C8H10", -1.25, 90.6, false},
    {"Laktat", "Laktat C3H5O3-", 0.0, 40.4, false},
    {"Metan", "Metan CH4", -4.0, 75.0, false},
    {"MTBE", "MTBE C5H12O", -2.0, 68.2, false},
    {"Organisk stof", "Organisk stof CH2O", 0.0, 40.0, false},
    {"Phenol", "Phenol C6H6O", -0.667, 76.6, false},
    {"Toluen", "Toluen C7H8", -1.143, 91.3, false},
    {"Xylener", "Xylener C8H10", -1.25, 90.6, false},
}};
