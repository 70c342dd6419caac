#pragma once
// The work window frmInddata's own controls besides its grids and charts: the
// window, the tab control SSTab1 with its ten tabs, the bottom buttons BotKey(0..5),
// the navigation buttons NavKey(0..1), "Afslut" and "Printmenu".
#include <array>
#include <string>

#include "platform/Faneblade.h"
#include "platform/Vindue.h"

class InddataKontroller {
public:
    static constexpr int AntalFaner = 10;
    static constexpr int AntalBotKeys = 6;
    static constexpr int AntalNavKeys = 2;

    InddataKontroller();
    InddataKontroller(const InddataKontroller&) = delete;
    InddataKontroller& operator=(const InddataKontroller&) = delete;

    Vindue frmInddata{"frmInddata"};
    Faneblade SSTab1{AntalFaner};
    std::array<Knap, AntalBotKeys> BotKey;
    std::array<Knap, AntalNavKeys> NavKey;
    Knap Afslut{"Afslut"};
    Knap Printmenu{"Printmenu"};

    // Back to the window's design: the tab captions, every tab visible, tab 0
    // current, the bottom and navigation buttons without captions, shown, enabled
    // and unmarked; no notification is raised. Event handlers stay attached.
    void restoreDesign();
};

// The tabs' captions by index, as the window's design gives them.
const std::array<std::string, InddataKontroller::AntalFaner>& FanebladTekster();

// The work window's controls for the whole run (the window is one instance).
InddataKontroller& inddataKontroller();
