#include "engine/NedstroemModel.h"

#include <array>

#include "datamodel/Beregningstilstand.h"
#include "engine/Tilstedevaerelse.h"

namespace {

using B = Beregningstilstand;

enum class Kilde {
    Tom,       // never modelled
    Model,     // element 0 of an array, times a factor
    Testet,    // the same, under the presence rule
    Ilt,       // column 1 less the oxygen reduction, under the presence rule
    Metan,     // column 1 plus the methanogenesis, under the presence rule
    Siderit,   // the siderite index as it stands: a number or "N/A"
};

struct ModelRaekke {
    Kilde kilde;
    PositionsTal B::* array;
    double faktor;
};

// Rows 1..23 at index 0..22.
constexpr std::array<ModelRaekke, 23> raekker{{
    {Kilde::Tom, nullptr, 1},                     // 1 Temperatur
    {Kilde::Model, &B::PH, 1},                    // 2 pH
    {Kilde::Model, &B::KoncCa, 1},                // 3 Calcium
    {Kilde::Tom, nullptr, 1},                     // 4 Magnesium
    {Kilde::Testet, &B::KoncNa, 1},               // 5 Natrium
    {Kilde::Tom, nullptr, 1},                     // 6 Kalium
    {Kilde::Testet, &B::KoncNH4, 1},              // 7 Ammonium
    {Kilde::Testet, &B::KoncFe, 1},               // 8 Jern
    {Kilde::Testet, &B::KoncMn, 1},               // 9 Mangan
    {Kilde::Model, &B::KoncHCO3, 1},              // 10 Bikarbonat
    {Kilde::Testet, &B::KoncCl, 1},               // 11 Klorid
    {Kilde::Testet, &B::KoncSO4, 1},              // 12 Sulfat
    {Kilde::Testet, &B::KoncNO3, 1},              // 13 Nitrat
    {Kilde::Tom, nullptr, 1},                     // 14 Fluorid
    {Kilde::Tom, nullptr, 1},                     // 15 Fosfat -fosfor
    {Kilde::Tom, nullptr, 1},                     // 16 NVOC
    {Kilde::Ilt, nullptr, 1},                     // 17 Ilt
    {Kilde::Metan, nullptr, 1},                   // 18 Metan
    {Kilde::Model, &B::OploestCO2, 44000},        // 19 mg CO2/l
    {Kilde::Model, &B::CO2Tryk, 1},               // 20 atm
    {Kilde::Model, &B::TUC, 1000},                // 21 mmol/l
    {Kilde::Model, &B::MaetnIndeksCaCO3, 1},      // 22
    {Kilde::Siderit, nullptr, 1},                 // 23
}};

}  // namespace

void UdfyldNedstroemModel() {
    Beregningstilstand& t = tilstand();
    auto& model = t.NedstroemModel;
    for (int r = 1; r <= 23; ++r) {
        const ModelRaekke& raekke = raekker[r - 1];
        Variant v;
        switch (raekke.kilde) {
        case Kilde::Tom:
            break;
        case Kilde::Model:
            v = Variant((t.*raekke.array)[0] * raekke.faktor);
            break;
        case Kilde::Testet:
            if (AnalytTilstede(r)) v = Variant((t.*raekke.array)[0]);
            break;
        case Kilde::Ilt:
            if (AnalytTilstede(r)) v = Variant(TalEllerNul(model(17, 1)) - TalEllerNul(t.ProcIltreduktion));
            break;
        case Kilde::Metan:
            if (AnalytTilstede(r)) v = Variant(TalEllerNul(model(18, 1)) + TalEllerNul(t.ProcMethanogenese));
            break;
        case Kilde::Siderit:
            v = t.MaetnIndeksFeCO3[0];
            break;
        }
        model(r, 3) = std::move(v);
    }
}
