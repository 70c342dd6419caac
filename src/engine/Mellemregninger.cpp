#include "engine/Mellemregninger.h"

#include "datamodel/Beregningstilstand.h"
#include "engine/Redoxprocesser.h"
#include "engine/Stoekiometri.h"

namespace {

// Change of alkalinity in meq/l for an amount, as the rows write it: (P / M) × n.
double Alkalinitet(const Variant& maengde, double molmasse, double n) { return TalEllerNul(maengde) / molmasse * n; }

}  // namespace

void BeregnMellemregninger() {
    Beregningstilstand& t = tilstand();
    auto& m = t.Mellemregninger;

    for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 4; ++c) m(r, c) = Variant();

    // 1: the substance's CO2; its carbon is counted in rows 7..12, so not summed.
    m(1, 1) = t.ProcCO2;
    m(1, 3) = TalEllerNul(t.ProcCO2) / 44;
    // 2: calcite, 2 meq alkalinity and 1 mmol C per mmol.
    m(2, 1) = t.ProcKalk;
    m(2, 2) = Alkalinitet(t.ProcKalk, 100, 2);
    m(2, 3) = TalEllerNul(t.ProcKalk) / 100;
    // 3: the salt shown as the sodium it brings.
    m(3, 1) = TalEllerNul(t.ProcSalt) * 23 / 35.5;
    m(4, 1) = t.ProcIonbytning;
    // 5: siderite.
    m(5, 1) = t.ProcSiderit;
    m(5, 2) = Alkalinitet(t.ProcSiderit, 55.8, 2);
    m(5, 3) = TalEllerNul(t.ProcSiderit) / 55.8;
    m(6, 1) = t.ProcAmmonium;

    // 7..12: the substance-oxidising redox processes. With an oxidation state of 4
    // nothing can be oxidised and the carbon cells stay empty.
    const double ox = TalEllerNul(t.KulstofValens);
    for (int r = 1; r <= 6; ++r) {
        const int raekke = r + 6;
        const Variant& maengde = t.ProcesMaengde(proces::Iltreduktion + r - 1);
        m(raekke, 1) = maengde;
        if (ox != 4.0) m(raekke, 3) = KulstofTilCO2(r, maengde, ox);
        m(raekke, 4) = t.RedoxTabel(r, 3);
    }
    m(9, 2) = Alkalinitet(t.ProcManganreduktion, 54.9, 2);
    m(10, 2) = Alkalinitet(t.ProcJernreduktion, 55.8, 2);
    m(11, 2) = Alkalinitet(t.ProcSulfatreduktion, 96, 2);
    m(12, 2) = TalEllerNul(t.ProcDenitrifikation) / 62;

    // 13..17: proposals only, as RedoxTabel holds them after the modelling. The
    // negation is written 0 − x so that no amount gives −0.
    const auto RT = [&](int r) { return TalEllerNul(t.RedoxTabel(r, 2)); };
    for (int r = 7; r <= 11; ++r) m(r + 6, 1) = t.RedoxTabel(r, 2);
    m(13, 2) = (0.0 - RT(7)) / 18 * 2;
    m(14, 2) = (0.0 - RT(8)) / 96 * 2;
    m(15, 2) = (0.0 - RT(9)) / 96 * 0.5;
    m(16, 2) = (0.0 - RT(10)) / 96;
    m(17, 2) = RT(11) / 96 * 0.4;

    // 18: the modelled changes of rows 2..17; an empty cell adds 0.
    for (int c = 2; c <= 4; ++c) {
        double sum = 0.0;
        for (int r = 2; r <= 17; ++r) sum = sum + TalEllerNul(m(r, c));
        m(18, c) = sum;
    }

    // 19: the measured changes from the upstream to the downstream borehole.
    const auto fra = static_cast<std::size_t>(t.FraPosition);
    const auto til = static_cast<std::size_t>(t.TilPosition);
    m(19, 2) = (t.KoncHCO3[til] - t.KoncHCO3[fra]) / 61;
    m(19, 3) = (t.TUC[til] - t.TUC[fra]) * 1000;
}
