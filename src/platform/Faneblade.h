#pragma once
// The tab control of the work window (SSTab1): captions, a visible flag per tab and
// the current tab. Like the grid, the control keeps its state and raises its event;
// a view (Qt, or the recording double) only shows it and passes the user's clicks in.
//
// The change notification carries the previous tab and is raised synchronously,
// inside the call that changed the current tab, whether the user or the program
// made the change. Asking for the tab that is already current, or for a hidden or
// unknown tab, changes nothing and raises nothing. Hiding the current tab keeps it
// current: the program always sets the current tab itself after changing the
// visibility, and no notification may come from a hide.
#include <functional>
#include <string>
#include <vector>

class FanebladVisning {
public:
    virtual ~FanebladVisning() = default;
    virtual void aendret() {}  // captions, visibility or the current tab changed
    // Every program call as text, "setVisible(2, true)", "setCurrent(4)".
    virtual void programKald(const std::string& /*kald*/) {}
};

class Faneblade {
public:
    explicit Faneblade(int antal = 0);

    std::function<void(int forrigeFane)> onClick;

    int antal() const { return static_cast<int>(faner_.size()); }
    const std::string& caption(int fane) const;
    void setCaption(int fane, std::string caption);
    bool visible(int fane) const;
    void setVisible(int fane, bool v);
    int current() const { return current_; }
    // False (and no notification) when nothing changed.
    bool setCurrent(int fane);

    // The user clicked a tab.
    bool userSelect(int fane) { return skift(fane); }
    // The keyboard: the next (tilbage: the previous) visible tab, round from the last
    // to the first, or the first (sidste: the last) visible tab; changed as by a click.
    // The mouse wheel steps the same way but stops at the outermost visible tab, so a
    // long turn of the wheel does not come round to the start again.
    bool userNaeste(bool tilbage, bool rundt = true);
    bool userYderste(bool sidste);

    // All tabs visible, tab 0 current, captions kept; no notification.
    void restoreDesign();

    void setVisning(FanebladVisning* v) { visning_ = v; }
    FanebladVisning* visning() const { return visning_; }

private:
    struct Fane {
        std::string caption;
        bool visible = true;
    };
    bool skift(int fane);
    // The first visible tab from fra on, stepping by skridt round the tabs; -1 none.
    int synligFra(int fra, int skridt) const;
    void kald(const std::string& k);
    bool gyldig(int fane) const { return fane >= 0 && fane < antal(); }

    std::vector<Fane> faner_;
    int current_ = 0;
    FanebladVisning* visning_ = nullptr;
};
