#pragma once
// Test double of the work window's own controls: records in one log, in order, every
// call the program makes on the window, the tabs, BotKey(0..5) and NavKey(0..1), the
// refreshes, edit ends and focus of the grids, each tab notification with the mode
// key it met, and every message box; and plays the user on buttons, tabs and grids.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Faneblade.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "platform/Vindue.h"
#include "support/RecordingBeskeder.h"
#include "support/RecordingVisning.h"
#include "windows/Vinduestilstand.h"

template <class Kontrol, class Visning>
class LogVisning : public RecordingVisning<Kontrol, Visning> {
public:
    using Filter = bool (*)(const std::string&);
    LogVisning(Kontrol& k, std::string prefix, std::vector<std::string>& log, Filter filter = nullptr)
        : RecordingVisning<Kontrol, Visning>(k), prefix_(std::move(prefix)), log_(log), filter_(filter) {}
    void programKald(const std::string& k) override {
        RecordingVisning<Kontrol, Visning>::programKald(k);
        if (!filter_ || filter_(k)) log_.push_back(prefix_ + "." + k);
    }

private:
    std::string prefix_;
    std::vector<std::string>& log_;
    Filter filter_;
};

class RecordingNavigation : public RecordingBeskeder {
public:
    explicit RecordingNavigation(InddataKontroller& k = inddataKontroller()) : k_(k) {
        vindue_ = std::make_unique<LogVisning<Vindue, VindueVisning>>(k.frmInddata, "frmInddata", log);
        faner_ = std::make_unique<LogVisning<Faneblade, FanebladVisning>>(k.SSTab1, "SSTab1", log);
        for (std::size_t i = 0; i < k.BotKey.size(); ++i)
            knapper_.push_back(std::make_unique<LogVisning<Knap, KnapVisning>>(
                k.BotKey[i], "BotKey(" + std::to_string(i) + ")", log));
        for (std::size_t i = 0; i < k.NavKey.size(); ++i)
            knapper_.push_back(std::make_unique<LogVisning<Knap, KnapVisning>>(
                k.NavKey[i], "NavKey(" + std::to_string(i) + ")", log));
        InddataGrids& g = inddataGrids();
        for (const auto& [navn, indeks] : g.navne())
            grids_.push_back(std::make_unique<LogVisning<Grid, GridVisning>>(
                g.grid(navn, indeks), indeks ? navn + "(" + std::to_string(indeks) + ")" : navn, log,
                [](const std::string& c) { return c == "refresh" || c == "endEdit" || c == "setFocus"; }));
        // The tab notification, with the mode key it is judged against.
        forrigeKlik_ = k.SSTab1.onClick;
        k.SSTab1.onClick = [this](int forrige) {
            log.push_back("SSTab1_Click(" + std::to_string(forrige) + ") i " + vinduer().TilstandsNoegle);
            if (forrigeKlik_) forrigeKlik_(forrige);
        };
    }
    ~RecordingNavigation() override { k_.SSTab1.onClick = forrigeKlik_; }

    BeskedSvar vis(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                   const std::string& titel) override {
        log.push_back("besked: " + tekst);
        return RecordingBeskeder::vis(tekst, ikon, knapper, titel);
    }

    std::vector<std::string> log;

    std::vector<std::string> logMed(const std::string& prefix) const {
        std::vector<std::string> r;
        for (const auto& l : log)
            if (l.rfind(prefix, 0) == 0) r.push_back(l);
        return r;
    }
    void glem() {
        log.clear();
        vist.clear();
    }

    // ---- The user ----
    // Clicks the shown bottom or navigation button with this caption; false when none.
    bool klik(const std::string& caption) {
        for (Knap& b : k_.BotKey)
            if (b.visible() && b.caption() == caption) return b.userClick();
        for (Knap& n : k_.NavKey)
            if (n.visible() && n.caption() == caption) return n.userClick();
        return false;
    }
    bool vaelgFane(int fane) { return k_.SSTab1.userSelect(fane); }
    // Types into a grid's cell without committing: the edit stays open.
    static bool skriv(const std::string& grid, int row, int col, const std::string& tekst) {
        Grid& g = inddataGrids().grid(grid);
        return g.userKlik(row, col) && g.userType(tekst);
    }

    // ---- The window as it stands ----
    // The shown bottom buttons' captions, "*" after the default one.
    std::vector<std::string> botKeys() const { return vist_(k_.BotKey); }
    std::vector<std::string> navKeys() const { return vist_(k_.NavKey); }
    std::vector<int> synligeFaner() const {
        std::vector<int> r;
        for (int f = 0; f < k_.SSTab1.antal(); ++f)
            if (k_.SSTab1.visible(f)) r.push_back(f);
        return r;
    }

private:
    template <class Knapper>
    static std::vector<std::string> vist_(const Knapper& knapper) {
        std::vector<std::string> r;
        for (const Knap& b : knapper)
            if (b.visible()) r.push_back(b.caption() + (b.isDefault() ? "*" : ""));
        return r;
    }

    InddataKontroller& k_;
    std::unique_ptr<LogVisning<Vindue, VindueVisning>> vindue_;
    std::unique_ptr<LogVisning<Faneblade, FanebladVisning>> faner_;
    std::vector<std::unique_ptr<LogVisning<Knap, KnapVisning>>> knapper_;
    std::vector<std::unique_ptr<LogVisning<Grid, GridVisning>>> grids_;
    std::function<void(int)> forrigeKlik_;
};
