#include "engine/Redoxprocesser.h"

#include <array>
#include "datamodel/Beregningstilstand.h"
#include "engine/Stoekiometri.h"
#include "engine/Tilstedevaerelse.h"

namespace {

struct RedoxProces {
    int proces;                          // process amount 7..17
    // AnalyseData rows needed upstream and downstream; in rows 1..6 the first is
    // also the measured analyte of the default.
    std::array<int, 3> analytter;
    int antalAnalytter;
    bool forbruges;                      // consumed (upstream − downstream) or formed
    double molmasse;                     // reference species, g/mol
    double elektroner;                   // per mole of reference species
    const char* besked1;
    const char* besked2;
};

// Rows 1..11 of RedoxTabel; the first six have a default and oxidise the substance.
constexpr std::array<RedoxProces, 11> Processer{{
    {proces::Iltreduktion, {analyt::Ilt}, 1, true, 32, 4,
     "Der skal være  defineret input værdier for ilt opstrøm og nedstrøm ",
     "for at indtaste et gæt på iltreduktion"},
    {proces::Methanogenese, {analyt::Metan}, 1, false, 16, 8,
     "Der skal være  defineret input værdier for metan opstrøm og nedstrøm ",
     "for at indtaste et gæt på methanogenese"},
    {proces::Manganreduktion, {analyt::Mangan}, 1, false, 54.9, 2,
     "Der skal være  defineret input værdier for mangan opstrøm og nedstrøm ",
     "for at indtaste et gæt på manganreduktion"},
    {proces::Jernreduktion, {analyt::Jern}, 1, false, 55.8, 1,
     "Der skal være  defineret input værdier for jern opstrøm og nedstrøm ",
     "for at indtaste et gæt på jernreduktion"},
    {proces::Sulfatreduktion, {analyt::Sulfat}, 1, true, 96, 8,
     "Der skal være  defineret input værdier for sulfat opstrøm og nedstrøm ",
     "for at indtaste et gæt på sulfatreduktion"},
    {proces::Denitrifikation, {analyt::Nitrat}, 1, true, 62, 5,
     "Der skal være  defineret input værdier for nitrat opstrøm og nedstrøm ",
     "for at indtaste et gæt på denitrifikation"},
    {proces::Nitrifikation, {analyt::Ammonium}, 1, false, 0, 0,
     "Der skal være  defineret input værdier for ammonium opstrøm og nedstrøm ",
     "for at indtaste et gæt på nitrifikation"},
    {proces::PyritIlt, {analyt::Sulfat}, 1, false, 0, 0,
     "Der skal være  defineret input værdier for sulfat opstrøm og nedstrøm ",
     "for at indtaste et gæt på pyritoxidation med iltreduktion"},
    {proces::PyritNitrat, {analyt::Sulfat, analyt::Nitrat}, 2, false, 0, 0,
     "Der skal være  defineret input værdier for sulfat og nitrat ",
     "opstrøm og nedstrøm for at indtaste et gæt på pyritoxidation med nitratreduktion"},
    {proces::DelvisPyritIlt, {analyt::Sulfat, analyt::Jern}, 2, false, 0, 0,
     "Der skal være  defineret input værdier for sulfat og jern ",
     "opstrøm og nedstrøm for at indtaste et gæt på delvis pyritoxidation med iltreduktion"},
    {proces::DelvisPyritNitrat, {analyt::Sulfat, analyt::Nitrat, analyt::Jern}, 3, false, 0, 0,
     "Der skal være  defineret input værdier for sulfat, nitrat og jern ",
     "opstrøm og nedstrøm for at indtaste et gæt på delvis pyritoxidation med nitratreduktion"},
}};

constexpr int AntalMedDefault = 6;

bool InputTilstede(const RedoxProces& p) {
    for (int i = 0; i < p.antalAnalytter; ++i)
        if (!AnalytTilstede(p.analytter[static_cast<std::size_t>(i)])) return false;
    return true;
}

std::string Besked(const RedoxProces& p) {
    return std::string(p.besked1) + p.besked2;
}

}  // namespace

std::string KontrollerModelstofKulstof() {
    const Beregningstilstand& t = tilstand();
    // The oxidation state is tested last so that its message wins when both fail.
    std::string besked;
    if (TalEllerNul(t.KulstofIndhold) == 0.0)
        besked = "Modelleringen kan ikke udføres fordi 'Indhold af kulstof (%)' er 0; "
                 "Angiv modelstoffets indhold af kulstof";
    if (TalEllerNul(t.KulstofValens) == 4.0)
        besked = "Modelleringen kan ikke udføres fordi 'Kulstof iltningstrin' er 4; "
                 "Kulstof på iltningstrin 4 kan ikke oxideres yderligere";
    return besked;
}

double KulstofTilCO2(int redoxRaekke, const Variant& maengde, double ox) {
    const RedoxProces& p = Processer[static_cast<std::size_t>(redoxRaekke - 1)];
    const double P = TalEllerNul(maengde);
    // Methanogenesis splits the substance carbon between CH4 and CO2: per CH4,
    // 8/(4 - ox) carbon converted, one of which is the CH4 itself.
    if (p.proces == proces::Methanogenese) return P * (8 / (4 - ox) - 1) / 16;
    return P * p.elektroner / (4 - ox) / p.molmasse;
}

std::string BeregnRedoxprocesser() {
    std::string besked = KontrollerModelstofKulstof();
    if (!besked.empty()) return besked;

    Beregningstilstand& t = tilstand();
    const auto fra = static_cast<std::size_t>(t.FraPosition);
    const auto til = static_cast<std::size_t>(t.TilPosition);

    for (int r = 1; r <= AntalMedDefault; ++r) {
        const RedoxProces& p = Processer[static_cast<std::size_t>(r - 1)];
        Variant& maengde = t.ProcesMaengde(p.proces);
        if (InputTilstede(p)) {
            if (!ForslagIKraft(t.RedoxTabel(r, 2))) {
                const PositionsTal& maalt = t.Analyt(p.analytter[0]);
                double standard = p.forbruges ? maalt[fra] - maalt[til] : maalt[til] - maalt[fra];
                if (standard < 0) standard = 0.0;
                t.RedoxTabel(r, 1) = standard;
                maengde = t.RedoxTabel(r, 1);
            } else {
                maengde = t.RedoxTabel(r, 2);
                t.RedoxTabel(r, 1) = Variant();
            }
        } else {
            if (ForslagIKraft(t.RedoxTabel(r, 2))) besked = Besked(p);
            t.RedoxTabel(r, 1) = Variant();
            t.RedoxTabel(r, 2) = Variant();
            maengde = 0.0;
        }
    }

    // Substance consumed, mg/l: mmol reference species × electrons / electrons per
    // carbon = mmol C; × 12 mg C/mmol / (carbon content / 100).
    const double ox = TalEllerNul(t.KulstofValens);
    const double indhold = TalEllerNul(t.KulstofIndhold);
    for (int r = 1; r <= AntalMedDefault; ++r) {
        const RedoxProces& p = Processer[static_cast<std::size_t>(r - 1)];
        const double maengde = TalEllerNul(t.ProcesMaengde(p.proces));
        t.RedoxTabel(r, 3) = maengde / p.molmasse * p.elektroner / (4 - ox) * (1200 / indhold);
    }

    for (int r = AntalMedDefault + 1; r <= 11; ++r) {
        const RedoxProces& p = Processer[static_cast<std::size_t>(r - 1)];
        Variant& maengde = t.ProcesMaengde(p.proces);
        maengde = 0.0;
        if (ForslagIKraft(t.RedoxTabel(r, 2))) {
            if (InputTilstede(p)) {
                maengde = t.RedoxTabel(r, 2);
            } else {
                besked = Besked(p);
                t.RedoxTabel(r, 2) = Variant();
            }
        }
    }
    return besked;
}
