#include "engine/GeokemiskModellering.h"

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Modelstoffer.h"
#include "engine/Ionbytningsprocesser.h"
#include "engine/Iteration.h"
#include "engine/NedstroemModel.h"
#include "engine/Redoxprocesser.h"

std::string OpslagModelstof() {
    Beregningstilstand& t = tilstand();
    if (t.ModelstofNavn.isText()) {
        for (const Modelstof& stof : ModelstofTabel) {
            if (t.ModelstofNavn.text() != stof.navn) continue;
            if (stof.brugerensVaerdier) {
                // As the user typed them, type and all.
                t.KulstofValens = t.BrugerKulstofValens;
                t.KulstofIndhold = t.BrugerKulstofIndhold;
            } else {
                t.KulstofValens = Variant(stof.kulstofValens);
                t.KulstofIndhold = Variant(stof.kulstofIndhold);
            }
            break;
        }
    }
    if (t.KulstofValens.isEmpty() || t.KulstofIndhold.isEmpty()) return ManglerKulstofvaerdier;
    return {};
}

std::string GeokemiskModellering() {
    for (auto trin : {OpslagModelstof, BeregnRedoxprocesser, BeregnIonbytningsprocesser}) {
        std::string besked = trin();
        if (!besked.empty()) return besked;
    }
    if (tilstand().TvungenKalkligevaegt != Falsk) ItererMedKalkligevaegt();
    else ItererUdenKalkligevaegt();
    UdfyldNedstroemModel();
    return {};
}
