#include "Redigering.h"

#include "datamodel/Beregningstilstand.h"
#include "platform/InddataGrids.h"

const std::vector<std::string>& InddataGridNavne() {
    static const std::vector<std::string> navne = {"TDBGrid22", "TDBGrid4", "TDBGrid1", "TDBGrid6",
                                                   "TDBGrid2"};
    return navne;
}

const std::vector<std::string>& RedigerbareGridNavne() {
    static const std::vector<std::string> navne = [] {
        std::vector<std::string> n = InddataGridNavne();
        n.insert(n.end(), {"TDBGrid11", "TDBGrid15", "TDBGrid16"});
        return n;
    }();
    return navne;
}

bool InddataGridsAendret() {
    bool aendret = HentInddataAendret();
    for (const auto& navn : InddataGridNavne())
        if (inddataGrids().grid(navn).dataChanged()) aendret = true;
    return aendret;
}

std::string AfslutRedigeringer(const std::vector<std::string>& grids) {
    for (const auto& navn : grids) {
        Grid& g = inddataGrids().grid(navn);
        if (g.editing() && !g.endEdit()) return navn;
    }
    return "";
}

bool AfslutAabneRedigeringer() { return AfslutRedigeringer(RedigerbareGridNavne()).empty(); }
