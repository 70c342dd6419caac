#pragma once
// The controls of the start window frmStart and the end window frmSlut: each window
// with its fixed labels and its command buttons, captioned as the windows' design
// gives them. One instance of each for the whole run.
#include <array>
#include <string>

#include "platform/Vindue.h"

class StartKontroller {
public:
    StartKontroller();
    StartKontroller(const StartKontroller&) = delete;
    StartKontroller& operator=(const StartKontroller&) = delete;

    Vindue frmStart{"frmStart"};
    // Label2(0) the version, Label2(1) what the program is for.
    const std::array<std::string, 2> Label2{
        "AKVIFER Version 2.04",
        "Geokemisk og grundvandskemisk vurdering af forurenede lokaliteter",
    };
    Knap EksisterendeData{"EksisterendeData"};
    Knap NyeData{"NyeData"};
    Knap FortrydOgAfslut{"FortrydOgAfslut"};
};

class SlutKontroller {
public:
    SlutKontroller();
    SlutKontroller(const SlutKontroller&) = delete;
    SlutKontroller& operator=(const SlutKontroller&) = delete;

    Vindue frmSlut{"frmSlut"};
    // Label2(0); the window has no other label.
    const std::string Label2{"AKVIFER Version 2.04"};
    Knap NyeData{"NyeData"};
    Knap SaveContinue{"SaveContinue"};
    Knap EksisterendeData{"EksisterendeData"};
    Knap Fortryd{"Fortryd"};
    Knap AfslutUdenAtGemme{"AfslutUdenAtGemme"};
    Knap GemAlt{"GemAlt"};
};

StartKontroller& startKontroller();
SlutKontroller& slutKontroller();
