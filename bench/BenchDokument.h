#pragma once
// The 20-page print document of the layout benchmarks: tables of 23 rows like the
// borehole table, one under the other, built by the report-table convention.
#include <string>

#include "platform/Udskrift.h"
#include "report/Rapporttabel.h"

namespace bench {

// Every page started in 10 points, as the report's pages are.
inline void tiPunktPaaHverSide(Udskrift& vp) {
    vp.pageStarted = [&vp] { vp.setFontSize(10); };
}

// The borehole table: a title row, a header row and 21 analyses; its settings are
// the caller's.
inline Rapporttabel boringstabel() {
    Rapporttabel t;
    t.format = "<+2000|<+1600|<+1400|<+1400|<+1400|<+1400|<+1400;";
    t.raekker = {{"Boringskontrol"}, {"Parameter", "Enhed", "B1", "B2", "B3", "B4", "B5"}};
    for (int r = 1; r <= 21; ++r)
        t.raekker.push_back({"Analyse " + std::to_string(r), "mg/l", "7,25", "112", "0,012", "35,5", "Opstrøm af kilden"});
    t.forudindstillinger = Forudindstillinger::under(290);
    return t;
}

// The document from its start to its end: t printed until there are 20 pages, in
// skriftstoerrelse points from the start when it is given (not 0).
inline void byggTyveSider(Udskrift& vp, const Rapporttabel& t, int skriftstoerrelse = 0) {
    vp.startDoc();
    if (skriftstoerrelse != 0) vp.setFontSize(skriftstoerrelse);
    vp.setHeader("\n\nAnalyseoplysninger for Grusgrav Nord");
    vp.setFooter("Grusgrav Nord", "", "Side %d");
    while (vp.pageCount() < 20) UdskrivTabel(vp, t);
    vp.endDoc();
}

}  // namespace bench
