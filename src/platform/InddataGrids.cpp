#include "platform/InddataGrids.h"

#include <stdexcept>

InddataGrids::InddataGrids() {
    for (int n = 1; n <= AntalGrids; ++n) {
        const std::string navn = "TDBGrid" + std::to_string(n);
        const int antal = n == 5 ? AntalGrundvandstype : 1;
        for (int i = 0; i < antal; ++i) {
            const std::string fuldtNavn = n == 5 ? navn + "(" + std::to_string(i) + ")" : navn;
            grids_.push_back({navn, i, std::make_unique<Grid>(fuldtNavn)});
        }
    }
    restoreDesign();
}

Grid* InddataGrids::find(std::string_view navn, int indeks) {
    for (auto& g : grids_)
        if (g.navn == navn && g.indeks == indeks) return g.grid.get();
    return nullptr;
}

Grid& InddataGrids::grid(std::string_view navn, int indeks) {
    if (Grid* g = find(navn, indeks)) return *g;
    throw std::out_of_range("frmInddata has no grid " + std::string(navn) + "(" + std::to_string(indeks) + ")");
}

std::vector<std::pair<std::string, int>> InddataGrids::navne() const {
    std::vector<std::pair<std::string, int>> r;
    for (const auto& g : grids_) r.emplace_back(g.navn, g.indeks);
    return r;
}

void InddataGrids::designTilstand(Grid& g, std::string_view navn) {
    g.restoreDesign();
    if (navn == "TDBGrid6") {
        // The unit of the distance row: the cell holds the value, the grid shows the text.
        ValueList& l = g.column(1).valueList();
        l.setPresentation(ListePraesentationRulleliste);
        l.add("meter", "meter");
        l.add("dage", "dag");
        l.add("år", "år");
    }
}

void InddataGrids::restoreDesign() {
    for (auto& g : grids_) {
        // The design is not a program call: keep it out of a recording view's log.
        GridVisning* v = g.grid->visning();
        g.grid->setVisning(nullptr);
        designTilstand(*g.grid, g.navn);
        g.grid->setVisning(v);
        if (v) {
            v->tabelSkiftet();
            v->layoutAendret();
        }
    }
}

InddataGrids& inddataGrids() {
    static InddataGrids grids;
    return grids;
}
