#include "report/Analyseoplysninger.h"

#include "datamodel/Tabeller.h"
#include "report/Rapporttabel.h"

namespace {

// Label 2000 and unit 1600 make the 3600 of the site table's label column, and the
// five boreholes of 1400 its value column of 7000, so the columns stand under one another.
constexpr const char* BoringFormat = "<+2000|<+1600|<+1400|<+1400|<+1400|<+1400|<+1400;";

void tilfoejRaekker(Tabelraekker& til, const GridTabel& t, int fra, int tilRaekke) {
    for (int r = fra; r <= tilRaekke; ++r) til.push_back(RaekkeFraTabel(t, r, 0, 6));
}

// The titled borehole tables: the title across all seven columns on the menu colour.
std::vector<Efterindstilling> titelindstillinger() {
    return {RaekkehoejdeAlle(), Fed(1, 1), Spaend(1, 1, 7), Titelfarve(1, 1), Titelfarve(1, 3)};
}

Rapporttabel lokalitet() {
    const Tabeller& tb = tabeller();
    Rapporttabel t;
    t.format = "<+3600|<+7000;";
    t.raekker = {{"Analyseoplysninger", ""}};
    for (int r = 1; r <= 5; ++r) t.raekker.push_back(RaekkeFraTabel(tb.LokalitetData, r, 0, 1));
    t.forudindstillinger = Forudindstillinger::fast(2300);
    t.forudindstillinger->E = 3000;
    t.startEfterForudindstillinger = true;
    t.indstillinger = {RaekkehoejdeAlle(), Fed(1, 1),        Fed(1, 2),       Spaend(1, 1, 2),
                       Spaend(1, 2, 2),    Titelfarve(1, 1), Titelfarve(1, 3)};
    return t;
}

Rapporttabel boringer() {
    const Tabeller& tb = tabeller();
    Rapporttabel t;
    t.format = BoringFormat;
    t.raekker = {{"Boringskontrol"}, {"Parameter", "Enhed"}};
    for (int k = 2; k <= 6; ++k) t.raekker[1].push_back(Celletekst(tb.BoringData.hent(1, k)));
    tilfoejRaekker(t.raekker, tb.BoringData, 1, 3);
    tilfoejRaekker(t.raekker, tb.AnalyseData, 1, 18);
    t.forudindstillinger = Forudindstillinger::under(100);
    t.indstillinger = titelindstillinger();
    FedRaekke(t.indstillinger, 2, 1, 7);
    t.indstillinger.push_back(BFalsk());
    return t;
}

Rapporttabel komponenter() {
    const Tabeller& tb = tabeller();
    Rapporttabel t;
    t.format = BoringFormat;
    t.raekker = {{"Forurenings komponenter"}};
    tilfoejRaekker(t.raekker, tb.AfstandData, 1, 1);
    tilfoejRaekker(t.raekker, tb.KomponentData, 1, 5);
    t.forudindstillinger = Forudindstillinger::under(290);
    t.indstillinger = titelindstillinger();
    t.indstillinger.push_back(BFalsk());
    return t;
}

}  // namespace

void UdskrivAnalyseoplysninger(Udskrift& vp) {
    UdskrivTabel(vp, lokalitet());
    vp.paragraph("");
    UdskrivTabel(vp, boringer());
    UdskrivTabel(vp, komponenter());
}
