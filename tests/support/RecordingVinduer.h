#pragma once
// Test doubles of the window controls' views: each plays the user on its control
// (click a tab, press a button, close the window, press Enter) and records every
// call the program makes on it, in order, as the texts the control reports
// ("setCurrent(4)", "setCaption(\"Afslut\")", "setDefault(true)", "show").
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Faneblade.h"
#include "platform/InddataKontroller.h"
#include "platform/Vindue.h"
#include "support/RecordingVisning.h"

class RecordingFaneblade : public RecordingVisning<Faneblade, FanebladVisning> {
public:
    explicit RecordingFaneblade(Faneblade& f) : RecordingVisning(f), f_(f) {}

    Faneblade& faneblade() { return f_; }
    // The user clicks a tab: true when it became current.
    bool klik(int fane) { return f_.userSelect(fane); }
    // The visible tabs, in index order.
    std::vector<int> synlige() const {
        std::vector<int> r;
        for (int i = 0; i < f_.antal(); ++i)
            if (f_.visible(i)) r.push_back(i);
        return r;
    }

private:
    Faneblade& f_;
};

class RecordingKnap : public RecordingVisning<Knap, KnapVisning> {
public:
    explicit RecordingKnap(Knap& k) : RecordingVisning(k), k_(k) {}

    Knap& knap() { return k_; }
    bool klik() { return k_.userClick(); }

private:
    Knap& k_;
};

class RecordingVindue : public RecordingVisning<Vindue, VindueVisning> {
public:
    explicit RecordingVindue(Vindue& v) : RecordingVisning(v), v_(v) {}

    Vindue& vindue() { return v_; }
    // The close box: true when the window closed.
    bool luk() { return v_.userClose(); }
    // Enter in the window: true when it pressed a button.
    bool enter(bool gridEditorAaben = false) { return v_.userEnter(gridEditorAaben); }

    // What the user does while the window is shown modally (the real view waits
    // there); without it the modal window just stays shown.
    std::function<void()> iModal;
    int modaleVisninger = 0;
    void visModalt() override {
        ++modaleVisninger;
        if (iModal) iModal();
    }

private:
    Vindue& v_;
};

// The work window's own controls recorded: the window, SSTab1, BotKey(0..5),
// NavKey(0..1), Afslut and Printmenu.
class RecordingInddataKontroller {
public:
    explicit RecordingInddataKontroller(InddataKontroller& k = inddataKontroller())
        : frmInddata(k.frmInddata), SSTab1(k.SSTab1), Afslut(k.Afslut), Printmenu(k.Printmenu) {
        for (int i = 0; i < InddataKontroller::AntalBotKeys; ++i)
            BotKey[static_cast<std::size_t>(i)] = std::make_unique<RecordingKnap>(k.BotKey[static_cast<std::size_t>(i)]);
        for (int i = 0; i < InddataKontroller::AntalNavKeys; ++i)
            NavKey[static_cast<std::size_t>(i)] = std::make_unique<RecordingKnap>(k.NavKey[static_cast<std::size_t>(i)]);
    }

    RecordingKnap& botKey(int i) { return *BotKey.at(static_cast<std::size_t>(i)); }
    RecordingKnap& navKey(int i) { return *NavKey.at(static_cast<std::size_t>(i)); }
    void glem() {
        frmInddata.kald.clear();
        SSTab1.kald.clear();
        Afslut.kald.clear();
        Printmenu.kald.clear();
        for (auto& k : BotKey) k->kald.clear();
        for (auto& k : NavKey) k->kald.clear();
    }

    RecordingVindue frmInddata;
    RecordingFaneblade SSTab1;
    std::array<std::unique_ptr<RecordingKnap>, InddataKontroller::AntalBotKeys> BotKey;
    std::array<std::unique_ptr<RecordingKnap>, InddataKontroller::AntalNavKeys> NavKey;
    RecordingKnap Afslut;
    RecordingKnap Printmenu;
};
