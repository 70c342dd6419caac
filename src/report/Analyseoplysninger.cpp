#include "report/Analyseoplysninger.h"

#include "datamodel/Tabeller.h"
#include "report/Rapporttabel.h"

namespace {

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
    Rapporttabel t = Boringstabel("Boringskontrol", 100, true);
    TilfoejRaekker(t.raekker, tb.BoringData, 1, 3, 0, 6);
    TilfoejRaekker(t.raekker, tb.AnalyseData, 1, 18, 0, 6);
    return t;
}

Rapporttabel komponenter() {
    const Tabeller& tb = tabeller();
    Rapporttabel t = Boringstabel("Forurenings komponenter", 290, false);
    TilfoejRaekker(t.raekker, tb.AfstandData, 1, 1, 0, 6);
    TilfoejRaekker(t.raekker, tb.KomponentData, 1, 5, 0, 6);
    return t;
}

}  // namespace

void UdskrivAnalyseoplysninger(Udskrift& vp) {
    UdskrivTabel(vp, lokalitet());
    vp.paragraph("");
    UdskrivTabel(vp, boringer());
    UdskrivTabel(vp, komponenter());
}
