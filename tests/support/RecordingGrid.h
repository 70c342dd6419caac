#pragma once
// Test double of a grid's view: plays the user on a Grid (click, type, enter, pick,
// escape, focus) and records every call the program makes on it, in order, as the
// texts Grid reports ("bind", "refresh", "column(2).setLocked(true)", ...).
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Grid.h"
#include "platform/InddataGrids.h"
#include "support/RecordingVisning.h"

class RecordingGrid : public RecordingVisning<Grid, GridVisning> {
public:
    explicit RecordingGrid(Grid& g) : RecordingVisning(g), g_(g) {}

    Grid& grid() { return g_; }

    // ---- The user ----
    bool click(int row, int col) { return g_.userKlik(row, col); }
    // Types the whole text into the cell, without committing.
    bool type(int row, int col, const std::string& text) {
        return click(row, col) && g_.userType(text);
    }
    bool enter() { return g_.userEnter(); }
    // Types and presses Enter: true when the value was committed.
    bool typeAndEnter(int row, int col, const std::string& text) {
        return type(row, col, text) && enter();
    }
    bool pick(int row, int col, int itemIndex) { return click(row, col) && g_.userPick(itemIndex); }
    // Picks the item that shows this display text; false when the list has none.
    bool pickShown(int row, int col, const std::string& displayText) {
        if (col < 0 || col >= g_.columnCount()) return false;
        const ValueList& l = g_.column(col).valueList();
        for (int i = 0; i < l.count(); ++i)
            if (l.item(i).displayText == displayText) return pick(row, col, i);
        return false;
    }
    void escape() { g_.userEscape(); }
    TastSvar key(GridTast t) { return g_.userTast(t); }
    bool clickHeader(int col) { return g_.userKlikPaaOverskrift(col); }
    bool clickBeside() { return g_.userKlikUdenforCeller(); }
    void focus() { g_.userFocusIn(); }
    void leave() { g_.userFocusOut(); }

    // ---- What the program did (besides the calls) ----
    int editorsClosed = 0;
    int focusRequests = 0;

    void glem() { kald.clear(); editorsClosed = 0; focusRequests = 0; }

    // ---- The layout as it stands ----
    std::vector<std::string> captions() const {
        std::vector<std::string> r;
        for (int i = 0; i < g_.columnCount(); ++i) r.push_back(g_.column(i).caption());
        return r;
    }
    std::vector<std::string> shownRow(int row) const {
        std::vector<std::string> r;
        for (int i = 0; i < g_.columnCount(); ++i) r.push_back(g_.cellText(row, i));
        return r;
    }
    std::vector<std::string> items(int col) const {
        std::vector<std::string> r;
        const ValueList& l = g_.column(col).valueList();
        for (int i = 0; i < l.count(); ++i) r.push_back(l.item(i).displayText);
        return r;
    }

    // GridVisning
    void redigeringSlut() override { ++editorsClosed; }
    void fokusOenskes() override { ++focusRequests; }

private:
    Grid& g_;
};

// One RecordingGrid on every grid of the work window, for the duration of a test.
class RecordingInddataGrids {
public:
    explicit RecordingInddataGrids(InddataGrids& grids = inddataGrids()) {
        for (const auto& [navn, indeks] : grids.navne())
            alle_[{navn, indeks}] = std::make_unique<RecordingGrid>(grids.grid(navn, indeks));
    }
    RecordingGrid& operator()(const std::string& navn, int indeks = 0) {
        return *alle_.at({navn, indeks});
    }
    void glem() {
        for (auto& [k, r] : alle_) r->glem();
    }

private:
    std::map<std::pair<std::string, int>, std::unique_ptr<RecordingGrid>> alle_;
};
