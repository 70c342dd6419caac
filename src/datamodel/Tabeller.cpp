#include "Tabeller.h"

#include <span>
#include <string>

#include "platform/Chart.h"

Tabeller& tabeller() {
    static Tabeller t;
    return t;
}

namespace {

// Rows are written in order, from the step's first row.
struct Tekstraekke {
    const char* etiket;  // column 0
    const char* enhed;   // column 1; nullptr: the unit cell is not written
};

struct Dimension {
    int sidsteRaekke;
    int foersteSoejle;
    int sidsteSoejle;
};

struct Standardtekster {
    GridTabel Tabeller::*tabel;
    // nullptr bounds: the table already has its shape (the input tables).
    const Dimension* dimension;
    std::span<const Tekstraekke> raekker;
    int foersteRaekke = 1;
};

constexpr Tekstraekke lokalitet[] = {
    {"Lokalitet", nullptr}, {"Forureningstype", nullptr}, {"Akvifer bruger", nullptr},
    {"Dato", nullptr},      {"Bemærkninger", nullptr},
};
constexpr Tekstraekke boring[] = {
    {"Boringsnavn", nullptr}, {"Hydraulisk placering", nullptr}, {"Dato for analyse", nullptr},
};
constexpr Tekstraekke analyse[] = {
    {"Temperatur", "°C"},        {"pH", ""},             {"Calcium", "mg Ca/l"},
    {"Magnesium", "mg Mg/l"},    {"Natrium", "mg Na/l"}, {"Kalium", "mg K/l"},
    {"Ammonium", "mg NH4/l"},    {"Jern", "mg Fe/l"},    {"Mangan", "mg Mn/l"},
    {"Bikarbonat", "mg HCO3/l"}, {"Klorid", "mg Cl/l"},  {"Sulfat", "mg SO4/l"},
    {"Nitrat", "mg NO3/l"},      {"Fluorid", "mg F/l"},  {"Fosfat -fosfor", "mg P/l"},
    {"NVOC", "mg C/l"},          {"Ilt", "mg O2/l"},     {"Metan", "mg CH4/l"},
};
// The downstream analyses: the date row, then the analytes one row further down.
constexpr Tekstraekke nedstroemDato[] = {{"Dato for analyse", ""}};
constexpr Tekstraekke kvalitetskontrol[] = {
    {"Ionstyrke", "Ekv/l"},
    {"Kationer", "mekv/l"},
    {"Anioner", "mekv/l"},
    {"Ladningsbalance", "%"},
    {"pH ved kalkligevægt", ""},
    {"Opløst CO2", "mg CO2/l"},
    {"CO2 -tryk", "atm"},
    {"Tot. uorg. kulstof (TUC)", "mmol/l"},
    {"Mætn.indeks CaCO3", "Log(IAPc/Kc)"},
    {"Mætn.indeks FeCO3", "Log(IAPs/Ks)"},
};
constexpr Tekstraekke afstand[] = {{"Afstand/opholdstid", nullptr}};
constexpr Tekstraekke blanding[] = {
    {"Blandingsforhold hotspot/Baggrund (%)", nullptr},
    {"Grundvandskemisk karakterisering", nullptr},
};
constexpr Tekstraekke placering[] = {{"Hydraulisk placering", nullptr}};
constexpr Tekstraekke karakterisering[] = {{"Grundvandskemisk karakterisering", nullptr}};
constexpr Tekstraekke nedstroemKarbonat[] = {
    {"Opløst CO2", "mg CO2/l"},
    {"CO2-tryk", "atm"},
    {"Tot. uorg. kulstof (TUC)", "mmol/l"},
    {"Mætn.index CaCO3", "log(IAPc/Kc)"},
    {"Mætn.index FeCO3", "log(IAPs/Ks)"},
};
constexpr Tekstraekke modelstof[] = {{"Vælg navn", nullptr}};
constexpr Tekstraekke kulstof[] = {
    {"Kulstof iltningstrin", nullptr},
    {"Indhold af kulstof (%)", nullptr},
};
constexpr Tekstraekke oploesning[] = {
    {"CO2 opløst fra redoxprocesser", "mg CO2/l"},
    {"CaCO3 opløst", "mg CaCO3/l"},
};
constexpr Tekstraekke ionbytning[] = {
    {"Salt (NaCl) tilsat", "mg Na/l"},
    {"Ionbytning Na for Ca", "mg Na/l"},
    {"FeCO3 opløsning", "mg Fe/l"},
    {"NH4 opløsning", "mg NH4/l"},
};
constexpr Tekstraekke redox[] = {
    {"Iltreduktion", "mg O2/l"},
    {"Methanogenese", "mg CH4/l"},
    {"Manganreduktion", "mg Mn/l"},
    {"Jernreduktion", "mg Fe/l"},
    {"Sulfatreduktion med pyritudfældning", "mg SO4/l"},
    {"Denitrifikation", "mg NO3/l"},
    {"Nitrifikation", "mg NH4/l"},
    {"Pyritoxidation m. ilt", "mg SO4/l"},
    {"Pyritoxidation m. nitrat", "mg SO4/l"},
    {"Delvis pyritoxidation med ilt", "mg SO4/l"},
    {"Delvis pyritoxidation med nitrat", "mg SO4/l"},
};
constexpr Tekstraekke mellemregning[] = {
    {"CO2 opløst fra redoxproc.", "mg CO2/l"},
    {"CaCO3 opløst", "mg CaCO3/l"},
    {"salt (NaCl) tilsat", "mg Na/l"},
    {"ionbytning Na - Ca", "mg Na/l"},
    {"FeCO3 udfældning", "mg Fe/l"},
    {"NH4 frigivelse", "mg NH4/l"},
    {"Iltreduktion", "mg O2/l"},
    {"Methanogenese", "mg CH4/l"},
    {"manganreduktion", "mg Mn2+/l"},
    {"Jernreduktion", "mg Fe2+/l"},
    {"Sulfatred. med pyritudf.", "mg SO4/l"},
    {"Denitrifikation", "mg NO3/l"},
    {"Nitrifikation", "mg NH4/l"},
    {"Pyritoxid. m. ilt", "mg SO4/l"},
    {"Pyritoxid. m. nitrat", "mg SO4/l"},
    {"Delv. pyritoxid. m. ilt", "mg SO4/l"},
    {"Delv. pyritoxid. m. nitrat", "mg SO4/l"},
};
constexpr Tekstraekke redoxSum[] = {{"Sum af ændringer", nullptr}, {"Målte ændringer", nullptr}};
constexpr Tekstraekke nedbrydning[] = {{"Vælg fra liste", nullptr}};
constexpr Tekstraekke fortynding[] = {{"Fortynding", "%"}, {"Afstand/tid", "dage"}};
constexpr Tekstraekke grundvandstype[] = {
    {"O2", nullptr}, {"NO3", nullptr}, {"Fe2+", nullptr}, {"SO4", nullptr}, {"CH4", nullptr},
};

constexpr const char* KomponentEnhed = "mg/l";
constexpr const char* standardKomponentNavne[] = {
    "Kulbrinte 1", "Kulbrinte 2", "Kulbrinte 3", "Kulbrinte 4", "Kulbrinte 5",
};

// Some tables get one column more here than their grid shows; the set-ups trim them.
constexpr Dimension d10x7{10, 0, 7}, d2x6{2, 0, 6}, d1x4{1, 0, 4}, d19x6{19, 0, 6}, d5x6{5, 0, 6},
    d1x2{1, 0, 2}, d2x2{2, 0, 2}, d2x3{2, 0, 3}, d4x3{4, 0, 3}, d11x4{11, 0, 4}, d17x6{17, 0, 6},
    d2x5{2, 0, 5};

// The steps in the order they are written; the downstream analyses take two.
const Standardtekster standardtekster[] = {
    {&Tabeller::LokalitetData, nullptr, lokalitet},
    {&Tabeller::BoringData, nullptr, boring},
    {&Tabeller::AnalyseData, nullptr, analyse},
    {&Tabeller::KvalitetskontrolData, &d10x7, kvalitetskontrol},
    {&Tabeller::AfstandData, nullptr, afstand},
    {&Tabeller::BlandingData, &d2x6, blanding},
    {&Tabeller::PlaceringData, &d1x4, placering},
    {&Tabeller::KarakteriseringData, &d1x4, karakterisering},
    {&Tabeller::NedstroemAnalyseData, &d19x6, nedstroemDato},
    {&Tabeller::NedstroemAnalyseData, nullptr, analyse, 2},
    {&Tabeller::NedstroemKarbonatData, &d5x6, nedstroemKarbonat},
    {&Tabeller::ModelstofData, &d1x2, modelstof},
    {&Tabeller::KulstofData, &d2x2, kulstof},
    {&Tabeller::OploesningData, &d2x3, oploesning},
    {&Tabeller::IonbytningData, &d4x3, ionbytning},
    {&Tabeller::RedoxData, &d11x4, redox},
    {&Tabeller::MellemregningData, &d17x6, mellemregning},
    {&Tabeller::RedoxSumData, &d2x5, redoxSum},
    {&Tabeller::NedbrydningData, &d1x4, nedbrydning},
    {&Tabeller::FortyndingData, &d2x5, fortynding},
};

void skrivTekster(GridTabel& tabel, const Dimension* d, std::span<const Tekstraekke> raekker,
                  int foersteRaekke = 1) {
    if (d) tabel.redimensioner(1, d->sidsteRaekke, d->foersteSoejle, d->sidsteSoejle);
    int r = foersteRaekke;
    for (const Tekstraekke& t : raekker) {
        tabel.saet(r, 0, t.etiket);
        if (t.enhed) tabel.saet(r, 1, t.enhed);
        ++r;
    }
}

// One table of the clearing: its shape and the columns whose cells become "".
struct Blanking {
    GridTabel Tabeller::*tabel;
    int sidsteRaekke;
    int sidsteSoejle;
    bool soejle0;        // also the label column
    int fraSoejle, tilSoejle;
};

const Blanking blankinger[] = {
    {&Tabeller::LokalitetData, 5, 1, false, 1, 1},
    {&Tabeller::BoringData, 3, 6, false, 2, 6},
    {&Tabeller::AnalyseData, 18, 6, false, 2, 6},
    {&Tabeller::AfstandData, 1, 6, false, 1, 6},
    {&Tabeller::KomponentData, 5, 6, true, 2, 6},
    {&Tabeller::KvalitetskontrolData, 10, 6, true, 1, 6},
    {&Tabeller::BlandingData, 2, 6, true, 1, 6},
};

GridTabel Tabeller::* const ryddes[] = {
    &Tabeller::PlaceringData,   &Tabeller::KarakteriseringData, &Tabeller::NedstroemAnalyseData,
    &Tabeller::NedstroemKarbonatData, &Tabeller::ModelstofData, &Tabeller::KulstofData,
    &Tabeller::OploesningData,  &Tabeller::IonbytningData,      &Tabeller::RedoxData,
    &Tabeller::MellemregningData, &Tabeller::RedoxSumData,      &Tabeller::NedbrydningData,
    &Tabeller::FortyndingData,  &Tabeller::KomponentData,       &Tabeller::KorrKoncentrationData,
    // A new or loaded site must never show the budget of the previous one.
    &Tabeller::DiagramTUCData,  &Tabeller::DiagramAlkalinitetData,
};

void blank(GridTabel& t, int sidsteRaekke, int soejle) {
    for (int r = 1; r <= sidsteRaekke; ++r) t.saet(r, soejle, std::string());
}

}  // namespace

void UdfyldStandardtekster() {
    Tabeller& t = tabeller();
    for (const auto& s : standardtekster) skrivTekster(t.*s.tabel, s.dimension, s.raekker, s.foersteRaekke);

    for (int r = 1; r <= 5; ++r) t.KomponentData.saet(r, 1, KomponentEnhed);

    t.KorrKoncentrationData.redimensioner(1, 5, 0, 8);
    if (!ErUdfyldt(t.KomponentData.hent(1, 0))) {
        // The first name being blank marks a site without names, but a name the user
        // typed for another component is kept rather than overwritten.
        for (int r = 1; r <= 5; ++r) {
            if (!ErUdfyldt(t.KomponentData.hent(r, 0))) t.KomponentData.saet(r, 0, standardKomponentNavne[r - 1]);
            t.KorrKoncentrationData.saet(r, 0, t.KomponentData.hent(r, 0));
            t.KorrKoncentrationData.saet(r, 1, KomponentEnhed);
        }
    }

    static constexpr Dimension d5x5{5, 0, 5};
    for (auto& g : t.GrundvandstypeData) skrivTekster(g, &d5x5, grundvandstype);
}

void NulstilAlleData() {
    Tabeller& t = tabeller();
    for (const auto& b : blankinger) {
        GridTabel& tabel = t.*b.tabel;
        tabel.redimensioner(1, b.sidsteRaekke, 0, b.sidsteSoejle);
        if (b.soejle0) blank(tabel, b.sidsteRaekke, 0);
        for (int c = b.fraSoejle; c <= b.tilSoejle; ++c) blank(tabel, b.sidsteRaekke, c);
    }
    for (auto& g : t.GrundvandstypeData) g.redimensioner(1, 5, 0, 5);
    for (auto& g : t.GrundvandstypeData)
        for (int c = 0; c <= 5; ++c) blank(g, 5, c);
    for (auto tabel : ryddes) (t.*tabel).ryd();
    // The charts keep their own copy of the chart data: empty them with their tables,
    // so the budget of the previous site is never shown for this one.
    inddataCharts().restoreDesign();
}
