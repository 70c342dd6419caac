#include "datamodel/GridLayouts.h"

#include <array>

#include "datamodel/Tabeller.h"

namespace {

using S = Soejleopsaetning;
using J = VandretJustering;

// Table getters; the index only matters for the six groundwater-type tables.
template <GridTabel Tabeller::*Tabel>
GridTabel& tabel(int) { return tabeller().*Tabel; }
GridTabel& grundvandstypeTabel(int k) { return tabeller().GrundvandstypeData[k]; }

// The two leading columns of most grids.
S parameter(int bredde) { return {.overskrift = "Parameter", .bredde = bredde}; }
S enhed(int bredde) { return {.overskrift = "Enhed", .bredde = bredde}; }

std::string bor(int k) { return "Bor.(" + std::to_string(k) + ")"; }

// The five editable borehole columns of the analysis, distance and component grids:
// right-aligned, white, "Bor.(2)" in the number format "General Number" and without
// ColumnOptionA.
void indtastningsboringer(std::vector<S>& s) {
    for (int k = 1; k <= 5; ++k) {
        S c{.overskrift = bor(k), .bredde = 847, .laast = false, .justering = J::Hoejre,
            .hvidBaggrund = true, .optionA = true};
        if (k == 2) {
            c.talformat = "General Number";
            c.optionA = std::nullopt;
        }
        s.push_back(c);
    }
}

constexpr Rullelisteopsaetning placeringsliste{.listOptionA = true, .listOptionB = true,
                                               .listOptionC = false,
                                               .indhold = ListeIndhold::BoringerPlacering};
constexpr Rullelisteopsaetning boringsnavneliste{.listOptionA = true, .listOptionB = false,
                                                 .listOptionC = true,
                                                 .indhold = ListeIndhold::BoringerNavn};
constexpr Rullelisteopsaetning modelstofliste{.listOptionA = true, .listOptionB = false,
                                              .listOptionC = true,
                                              .indhold = ListeIndhold::Modelstoffer};

// An editable white drop-down column.
S rulleliste(std::optional<std::string> overskrift, int bredde, std::optional<J> justering,
             Rullelisteopsaetning liste) {
    return {.overskrift = std::move(overskrift), .bredde = bredde, .laast = false,
            .justering = justering, .hvidBaggrund = true, .optionA = true, .liste = liste};
}

std::vector<Gridopsaetning> lokalitet() {
    return {{.grid = "TDBGrid4", .tabel = &tabel<&Tabeller::LokalitetData>,
             .fontstoerrelse = std::nullopt,
             .bindFoer = BindFoerSoejler::Nej,
             .afslutning = Afslutning::OptionerFoerRebind,
             .soejler = {parameter(3500),
                         {.overskrift = "Enhed", .bredde = 4000, .laast = false,
                          .hvidBaggrund = true, .optionA = true}}}};
}

std::vector<Gridopsaetning> boringskontrol() {
    Gridopsaetning g{.grid = "TDBGrid22", .tabel = &tabel<&Tabeller::BoringData>,
                     .graenser = Tabelgraenser{1, 3, 0, 6}, .overskrift = "Boringskontrol"};
    S p = parameter(2000);
    p.optionC = false;
    g.soejler = {p, enhed(1500)};
    for (int k = 1; k <= 5; ++k)
        g.soejler.push_back({.overskrift = bor(k), .bredde = 847, .laast = false,
                             .hvidBaggrund = true, .optionA = true});
    return {g};
}

std::vector<Gridopsaetning> analyser() {
    Gridopsaetning g{.grid = "TDBGrid1", .tabel = &tabel<&Tabeller::AnalyseData>,
                     .graenser = Tabelgraenser{1, 18, 0, 6}};
    g.soejler = {parameter(2000), enhed(1500)};
    indtastningsboringer(g.soejler);
    return {g};
}

std::vector<Gridopsaetning> afstandOpholdstid() {
    // The unit column keeps the value list that the window's design gives it.
    Gridopsaetning g{.grid = "TDBGrid6", .tabel = &tabel<&Tabeller::AfstandData>,
                     .graenser = Tabelgraenser{1, 1, 0, 6}, .fontstoerrelse = std::nullopt};
    g.soejler = {parameter(2000),
                 {.overskrift = "Enhed", .bredde = 1500, .laast = false, .hvidBaggrund = true,
                  .optionA = true}};
    indtastningsboringer(g.soejler);
    return {g};
}

std::vector<Gridopsaetning> forureningskomponenter() {
    // The components are named by the user: the label column is editable.
    Gridopsaetning g{.grid = "TDBGrid2", .tabel = &tabel<&Tabeller::KomponentData>,
                     .graenser = Tabelgraenser{1, 5, 0, 6},
                     .overskrift = "Forurenings komponenter", .fontstoerrelse = std::nullopt};
    g.soejler = {{.overskrift = "Parameter", .bredde = 2000, .laast = false, .hvidBaggrund = true,
                  .optionA = true},
                 enhed(1500)};
    indtastningsboringer(g.soejler);
    return {g};
}

std::vector<Gridopsaetning> kvalitetskontrol() {
    Gridopsaetning kontrol{.grid = "TDBGrid3", .tabel = &tabel<&Tabeller::KvalitetskontrolData>,
                           .graenser = Tabelgraenser{1, 10, 0, 6},
                           .overskrift = "Kvalitetskontrol og simulering"};
    kontrol.soejler = {parameter(2300), enhed(1300)};
    for (int k = 1; k <= 5; ++k)
        kontrol.soejler.push_back({.overskrift = bor(k), .bredde = 831, .justering = J::Hoejre});

    // Borehole k in column k, no unit column. Every column locked: the table holds
    // results that the data file stores, and no edit check guards them.
    Gridopsaetning blanding{.grid = "TDBGrid9", .tabel = &tabel<&Tabeller::BlandingData>,
                            .graenser = Tabelgraenser{1, 2, 0, 6}};
    blanding.soejler = {parameter(3600)};
    for (int k = 1; k <= 5; ++k) {
        S c{.overskrift = bor(k), .bredde = 831, .justering = J::Hoejre};
        if (k == 2) c.talformat = "General Number";
        blanding.soejler.push_back(c);
    }
    return {kontrol, blanding};
}

std::vector<Gridopsaetning> grundvandstype() {
    std::vector<Gridopsaetning> grids;
    for (int i = 0; i <= 5; ++i) {
        // Grids 1..5 keep their captions; the groundwater-type run names them.
        Gridopsaetning g{.grid = "TDBGrid5", .indeks = i, .tabel = &grundvandstypeTabel,
                         .graenser = Tabelgraenser{1, 5, 0, 5},
                         .overskrift = i == 0 ? std::optional<std::string>("Kriterier") : std::nullopt,
                         .bindFoer = BindFoerSoejler::Nej};
        g.soejler = {{.overskrift = "Redox", .bredde = 1000, .justering = J::Venstre},
                     {.overskrift = "Ilt", .bredde = 700, .justering = J::Centreret},
                     {.overskrift = "Nitrat", .bredde = 700, .justering = J::Centreret},
                     {.overskrift = "Jern/ Sulfat", .bredde = 700, .justering = J::Centreret},
                     {.overskrift = "Metan", .bredde = 700, .justering = J::Centreret}};
        grids.push_back(std::move(g));
    }
    return grids;
}

std::vector<Gridopsaetning> hydrauliskPlacering() {
    // No re-dimension: the table keeps the shape the default texts gave it.
    return {{.grid = "TDBGrid7", .tabel = &tabel<&Tabeller::PlaceringData>,
             .fjernSoejlerFoerst = true,
             .bindFoer = BindFoerSoejler::Nej,
             .soejler = {parameter(3400),
                         rulleliste("Enhed", 1500, std::nullopt, placeringsliste),
                         rulleliste(bor(1), 1500, J::Venstre, placeringsliste)}}};
}

std::vector<Gridopsaetning> karakterisering() {
    // Column 2 is a result of the downstream run with no edit check: locked.
    return {{.grid = "TDBGrid8", .tabel = &tabel<&Tabeller::KarakteriseringData>,
             .graenser = Tabelgraenser{1, 1, 0, 3},
             .soejler = {parameter(3400),
                         {.overskrift = "Enhed", .bredde = 1500, .optionA = true},
                         {.overskrift = bor(1), .bredde = 1500, .justering = J::Venstre,
                          .optionA = true}}}};
}

std::vector<S> nedstroemSoejler() {
    return {parameter(2200),
            enhed(1200),
            {.overskrift = "b/f 1", .bredde = 1400, .justering = J::Hoejre, .optionA = true},
            {.overskrift = "b/f 2", .bredde = 1400, .justering = J::Hoejre},
            {.overskrift = "Nedstrøm", .bredde = 1400, .justering = J::Hoejre}};
}

std::vector<Gridopsaetning> nedstroemAnalyser() {
    return {{.grid = "TDBGrid12", .tabel = &tabel<&Tabeller::NedstroemAnalyseData>,
             .graenser = Tabelgraenser{1, 19, 0, 5}, .soejler = nedstroemSoejler()}};
}

std::vector<Gridopsaetning> nedstroemKarbonat() {
    return {{.grid = "TDBGrid13", .tabel = &tabel<&Tabeller::NedstroemKarbonatData>,
             .graenser = Tabelgraenser{1, 5, 0, 5}, .soejler = nedstroemSoejler()}};
}

std::vector<Gridopsaetning> modelstof() {
    // Both columns keep the headers of the window's design.
    return {{.grid = "TDBGrid10", .tabel = &tabel<&Tabeller::ModelstofData>,
             .graenser = Tabelgraenser{1, 1, 0, 2}, .overskrift = "Egenskaber for modelstof",
             .soejler = {{.bredde = 2000},
                         rulleliste(std::nullopt, 2400, std::nullopt, modelstofliste)}}};
}

std::vector<Gridopsaetning> kulstof() {
    // Column 1 is white though locked: choosing "Andet" unlocks it.
    return {{.grid = "TDBGrid11", .tabel = &tabel<&Tabeller::KulstofData>,
             .graenser = Tabelgraenser{1, 2, 0, 2},
             .soejler = {parameter(2000),
                         {.overskrift = "Enhed", .bredde = 1200, .justering = J::Hoejre,
                          .hvidBaggrund = true, .optionA = true}}}};
}

// The three process grids: label, unit, "Default" and "Nyt forslag".
std::vector<S> procesSoejler(const char* foersteOverskrift, bool forslagRedigerbart) {
    S forslag{.overskrift = "Nyt forslag", .bredde = 1200, .justering = J::Hoejre};
    if (forslagRedigerbart) {
        forslag.laast = false;
        forslag.hvidBaggrund = true;
        forslag.optionA = true;
    }
    return {{.overskrift = foersteOverskrift, .bredde = 3200},
            enhed(1200),
            {.overskrift = "Default", .bredde = 1200, .justering = J::Hoejre},
            forslag};
}

std::vector<Gridopsaetning> oploesningUdfaeldning() {
    return {{.grid = "TDBGrid14", .tabel = &tabel<&Tabeller::OploesningData>,
             .graenser = Tabelgraenser{1, 2, 0, 3}, .overskrift = "Opløsning og udfældning",
             .soejler = procesSoejler("Reaktion", false)}};
}

std::vector<Gridopsaetning> ionbytning() {
    return {{.grid = "TDBGrid15", .tabel = &tabel<&Tabeller::IonbytningData>,
             .graenser = Tabelgraenser{1, 4, 0, 3}, .soejler = procesSoejler("Parameter", true)}};
}

std::vector<Gridopsaetning> redoxprocesser() {
    return {{.grid = "TDBGrid16", .tabel = &tabel<&Tabeller::RedoxData>,
             .graenser = Tabelgraenser{1, 11, 0, 3}, .overskrift = "Redox processer",
             .soejler = procesSoejler("Redox proces", true)}};
}

std::vector<Gridopsaetning> nedbrydningsmodel() {
    Gridopsaetning g{.grid = "TDBGrid17", .tabel = &tabel<&Tabeller::NedbrydningData>,
                     .graenser = Tabelgraenser{1, 1, 0, 4},
                     .overskrift = "1. ordens model for naturlig nedbrydning",
                     .fjernSoejlerFoerst = true,
                     .bindFoer = BindFoerSoejler::MedRebind};
    g.soejler = {{.bredde = 1500},
                 rulleliste("Hotspot", 1000, J::Hoejre, boringsnavneliste)};
    for (int f = 1; f <= 3; ++f)
        g.soejler.push_back(rulleliste("Filter/ boring", 1600, J::Hoejre, boringsnavneliste));
    return {g};
}

std::vector<Gridopsaetning> fortynding() {
    Gridopsaetning g{.grid = "TDBGrid18", .tabel = &tabel<&Tabeller::FortyndingData>,
                     .graenser = Tabelgraenser{1, 2, 0, 5}};
    g.soejler = {parameter(1500), enhed(1000)};
    for (int f = 1; f <= 3; ++f)
        g.soejler.push_back({.overskrift = "Værdi", .bredde = 1600, .justering = J::Centreret});
    return {g};
}

std::vector<Gridopsaetning> korrigeretKoncentration() {
    Gridopsaetning g{.grid = "TDBGrid19", .tabel = &tabel<&Tabeller::KorrKoncentrationData>,
                     .graenser = Tabelgraenser{1, 5, 0, 8}};
    g.soejler = {parameter(1500), enhed(1000)};
    for (int f = 1; f <= 3; ++f) {
        g.soejler.push_back({.overskrift = "Tils. værdi", .bredde = 800, .justering = J::Hoejre});
        g.soejler.push_back({.overskrift = "Korr. fortynd.", .bredde = 800, .justering = J::Hoejre});
    }
    return {g};
}

std::vector<Gridopsaetning> mellemregninger() {
    return {{.grid = "TDBGrid20", .tabel = &tabel<&Tabeller::MellemregningData>,
             .graenser = Tabelgraenser{1, 17, 0, 6},
             .overskrift = "Mellemregninger til geokemiske processer",
             .soejler = {{.overskrift = "Geokemisk proces", .bredde = 2400},
                         enhed(1200),
                         {.overskrift = "Anvendt værdi", .bredde = 1000, .justering = J::Hoejre},
                         {.overskrift = "Ændring i alkal. (mekv/l)", .bredde = 1000,
                          .justering = J::Hoejre},
                         {.overskrift = "Ændring i TUC (mmol/l)", .bredde = 1000,
                          .justering = J::Hoejre},
                         {.overskrift = "ekvival. stof omsat (mg/l)", .bredde = 1000,
                          .justering = J::Hoejre}}}};
}

std::vector<Gridopsaetning> redoxSum() {
    return {{.grid = "TDBGrid21", .tabel = &tabel<&Tabeller::RedoxSumData>,
             .graenser = Tabelgraenser{1, 2, 0, 5},
             .soejler = {{.overskrift = "Redox proces", .bredde = 3600, .fed = true},
                         {.overskrift = "Enhed", .bredde = 1000, .justering = J::Hoejre},
                         {.overskrift = "Dif. indhold", .bredde = 1000, .justering = J::Hoejre},
                         {.overskrift = "Nyt forslag", .bredde = 1000, .justering = J::Hoejre},
                         {.overskrift = "Dif. indhold", .bredde = 1000, .justering = J::Hoejre}}}};
}

// The budget-table grids: grid column 0 shows the key column -1.
Gridopsaetning diagram(const char* grid, GridTabel& (*tabel)(int), int sidsteRaekke,
                       const char* produktion, const char* forbrug) {
    return {.grid = grid, .tabel = tabel,
            .graenser = Tabelgraenser{1, sidsteRaekke, -1, 4},
            .overskrift = "Beregninger til brug for diagram",
            .afslutning = Afslutning::BindOpdater,
            .soejler = {{.overskrift = "", .bredde = 400},
                        {.overskrift = "Kategoriakse etiketter", .bredde = 2400},
                        {.overskrift = produktion, .bredde = 1100, .justering = J::Hoejre},
                        {.overskrift = forbrug, .bredde = 1050, .justering = J::Hoejre},
                        {.overskrift = "Beregnet ændring", .bredde = 1000, .justering = J::Hoejre},
                        {.overskrift = "Målt ændring", .bredde = 850, .justering = J::Hoejre,
                         .optionB = true}}};
}

std::vector<Gridopsaetning> byg(Opsaetning o) {
    switch (o) {
    case Opsaetning::Lokalitet: return lokalitet();
    case Opsaetning::Boringskontrol: return boringskontrol();
    case Opsaetning::Analyser: return analyser();
    case Opsaetning::AfstandOpholdstid: return afstandOpholdstid();
    case Opsaetning::Forureningskomponenter: return forureningskomponenter();
    case Opsaetning::Kvalitetskontrol: return kvalitetskontrol();
    case Opsaetning::Grundvandstype: return grundvandstype();
    case Opsaetning::HydrauliskPlacering: return hydrauliskPlacering();
    case Opsaetning::Karakterisering: return karakterisering();
    case Opsaetning::NedstroemAnalyser: return nedstroemAnalyser();
    case Opsaetning::NedstroemKarbonat: return nedstroemKarbonat();
    case Opsaetning::Modelstof: return modelstof();
    case Opsaetning::Kulstof: return kulstof();
    case Opsaetning::OploesningUdfaeldning: return oploesningUdfaeldning();
    case Opsaetning::Ionbytning: return ionbytning();
    case Opsaetning::Redoxprocesser: return redoxprocesser();
    case Opsaetning::Nedbrydningsmodel: return nedbrydningsmodel();
    case Opsaetning::Fortynding: return fortynding();
    case Opsaetning::KorrigeretKoncentration: return korrigeretKoncentration();
    case Opsaetning::Mellemregninger: return mellemregninger();
    case Opsaetning::RedoxSum: return redoxSum();
    case Opsaetning::DiagramTUC:
        return {diagram("TDBGrid23", &tabel<&Tabeller::DiagramTUCData>, 11, "TUC produktion",
                        "TUC forbrug")};
    case Opsaetning::DiagramAlkalinitet:
        return {diagram("TDBGrid24", &tabel<&Tabeller::DiagramAlkalinitetData>, 14,
                        "Alkalinitets produktion", "Alkalinitets forbrug")};
    }
    return {};
}

constexpr int AntalOpsaetninger = static_cast<int>(Opsaetning::DiagramAlkalinitet) + 1;

}  // namespace

const std::vector<Gridopsaetning>& Gridlayouts(Opsaetning opsaetning) {
    static const std::array<std::vector<Gridopsaetning>, AntalOpsaetninger> alle = [] {
        std::array<std::vector<Gridopsaetning>, AntalOpsaetninger> a;
        for (int i = 0; i < AntalOpsaetninger; ++i) a[i] = byg(static_cast<Opsaetning>(i));
        return a;
    }();
    return alle[static_cast<int>(opsaetning)];
}

const std::vector<Opsaetning>& InitierGridsRaekkefoelge() {
    static const std::vector<Opsaetning> raekkefoelge = {
        Opsaetning::Lokalitet,           Opsaetning::Boringskontrol,
        Opsaetning::Analyser,            Opsaetning::AfstandOpholdstid,
        Opsaetning::Forureningskomponenter, Opsaetning::Kvalitetskontrol,
        Opsaetning::Grundvandstype,      Opsaetning::HydrauliskPlacering,
        Opsaetning::Karakterisering,     Opsaetning::NedstroemAnalyser,
        Opsaetning::NedstroemKarbonat,   Opsaetning::Modelstof,
        Opsaetning::Kulstof,             Opsaetning::OploesningUdfaeldning,
        Opsaetning::Ionbytning,          Opsaetning::Redoxprocesser,
        Opsaetning::Fortynding,          Opsaetning::KorrigeretKoncentration,
        Opsaetning::Mellemregninger,     Opsaetning::RedoxSum,
        Opsaetning::DiagramTUC,          Opsaetning::DiagramAlkalinitet,
    };
    return raekkefoelge;
}
