#pragma once
// The grids of the work window frmInddata by name: TDBGrid1 .. TDBGrid24, of which
// TDBGrid5 is a set of six grids with the indexes 0 to 5.
//
// Every grid starts in the window's design state: two columns (0 and 1), unbound;
// column 1 of TDBGrid6 (the unit of the distance row) carries the list "meter"
// shown "meter", "dage" shown "dag", "år" shown "år". restoreDesign() brings every
// grid back to that state, as a rebuild of the window does, so set-ups run on a
// rebuilt window never stack columns.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Grid.h"

class InddataGrids {
public:
    static constexpr int AntalGrids = 24;       // TDBGrid1 .. TDBGrid24
    static constexpr int AntalGrundvandstype = 6;  // TDBGrid5(0) .. TDBGrid5(5)

    InddataGrids();
    InddataGrids(const InddataGrids&) = delete;
    InddataGrids& operator=(const InddataGrids&) = delete;

    // A grid by its name and, for TDBGrid5, its index ("TDBGrid5", 3). Index 0 for
    // every other grid. An unknown name or index is a programming fault: throws
    // std::out_of_range.
    Grid& grid(std::string_view navn, int indeks = 0);
    Grid* find(std::string_view navn, int indeks = 0);  // nullptr when unknown

    Grid& TDBGrid(int nummer) { return grid("TDBGrid" + std::to_string(nummer)); }
    Grid& TDBGrid5(int indeks) { return grid("TDBGrid5", indeks); }

    // Every grid with its name and index, TDBGrid1 first, TDBGrid5(0..5) in place.
    std::vector<std::pair<std::string, int>> navne() const;
    int antal() const { return static_cast<int>(grids_.size()); }

    void restoreDesign();

private:
    struct Indgang {
        std::string navn;
        int indeks;
        std::unique_ptr<Grid> grid;
    };
    void designTilstand(Grid& g, std::string_view navn);
    std::vector<Indgang> grids_;
};

// The work window's grids for the whole run (the window is one instance).
InddataGrids& inddataGrids();
