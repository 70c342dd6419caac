#pragma once
// The model substances: carbon oxidation state and carbon content (% by mass) of
// each, looked up by exact name in this order. "Andet" takes the user's values.
#include <array>
#include <string_view>

struct Modelstof {
    std::string_view navn;
    double kulstofValens;
    double kulstofIndhold;   // %
    bool brugerensVaerdier;  // the user's BrugerKulstofValens/-Indhold instead
};

inline constexpr std::array<Modelstof, 14> ModelstofTabel{{
    {"Andet", 0.0, 0.0, true},
    {"Acetone", -1.333, 62.1, false},
    {"Benzen", -1.0, 92.3, false},
    {"Dieselolie1", -1.85, 86.6, false},
    {"Dieselolie2", -1.5, 88.9, false},
    {"Ethanol", -2.0, 52.2, false},
    {"Ethylbenzen", -1.25, 90.6, false},
    {"Laktat", 0.0, 40.4, false},
    {"Metan", -4.0, 75.0, false},
    {"MTBE", -2.0, 68.2, false},
    {"Organisk stof", 0.0, 40.0, false},
    {"Phenol", -0.667, 76.6, false},
    {"Toluen", -1.143, 91.3, false},
    {"Xylener", -1.25, 90.6, false},
}};
