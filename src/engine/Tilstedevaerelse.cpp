#include "engine/Tilstedevaerelse.h"

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"

bool AnalytTilstede(int analytRaekke) {
    const Beregningstilstand& t = tilstand();
    const GridTabel& analyser = tabeller().AnalyseData;
    return ErUdfyldt(analyser.hent(analytRaekke, t.FraPosition + 1)) &&
           ErUdfyldt(analyser.hent(analytRaekke, t.TilPosition + 1));
}

bool ForslagIKraft(const Variant& forslag) {
    return !forslag.isEmpty();
}
