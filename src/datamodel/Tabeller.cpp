#include "Tabeller.h"

#include <string>

#include "platform/Chart.h"

Tabeller& tabeller() {
    static Tabeller t;
    return t;
}

namespace {

struct Tekstraekke {
    int raekke;
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
    const Tekstraekke* raekker;
    int antal;
};

constexpr Tekstraekke lokalitet[] = {
    {1, "Lokalitet", nullptr},     {2, "Forureningstype", nullptr}, {3, "Akvifer bruger", nullptr},
    {4, "Dato", nullptr},          {5, "Bemærkninger", nullptr},
};
constexpr Tekstraekke boring[] = {
    {1, "Boringsnavn", nullptr}, {2, "Hydraulisk placering", nullptr}, {3, "Dato for analyse", nullptr},
};
constexpr Tekstraekke analyse[] = {
    {1, "Temperatur", "°C"},       {2, "pH", ""},                   {3, "Calcium", "mg Ca/l"},
    {4, "Magnesium", "mg Mg/l"},   {5, "Natrium", "mg Na/l"},       {6, "Kalium", "mg K/l"},
    {7, "Ammonium", "mg NH4/l"},   {8, "Jern", "mg Fe/l"},          {9, "Mangan", "mg Mn/l"},
    {10, "Bikarbonat", "mg HCO3/l"}, {11, "Klorid", "mg Cl/l"},     {12, "Sulfat", "mg SO4/l"},
    {13, "Nitrat", "mg NO3/l"},    {14, "Fluorid", "mg F/l"},       {15, "Fosfat -fosfor", "mg P/l"},
    {16, "NVOC", "mg C/l"},        {17, "Ilt", "mg O2/l"},          {18, "Metan", "mg CH4/l"},
};
// The downstream analyses: the date row, then the analytes one row further down.
constexpr Tekstraekke nedstroemAnalyse[] = {
    {1, "Dato for analyse", ""},
    {2, "Temperatur", "°C"},       {3, "pH", ""},                   {4, "Calcium", "mg Ca/l"},
    {5, "Magnesium", "mg Mg/l"},   {6, "Natrium", "mg Na/l"},       {7, "Kalium", "mg K/l"},
    {8, "Ammonium", "mg NH4/l"},   {9, "Jern", "mg Fe/l"},          {10, "Mangan", "mg Mn/l"},
    {11, "Bikarbonat", "mg HCO3/l"}, {12, "Klorid", "mg Cl/l"},     {13, "Sulfat", "mg SO4/l"},
    {14, "Nitrat", "mg NO3/l"},    {15, "Fluorid", "mg F/l"},       {16, "Fosfat -fosfor", "mg P/l"},
    {17, "NVOC", "mg C/l"},        {18, "Ilt", "mg O2/l"},          {19, "Metan", "mg CH4/l"},
};
constexpr Tekstraekke kvalitetskontrol[] = {
    {1, "Ionstyrke", "Ekv/l"},
    {2, "Kationer", "mekv/l"},
    {3, "Anioner", "mekv/l"},
    {4, "Ladningsbalance", "%"},
    {5, "pH ved kalkligevægt", ""},
    {6, "Opløst CO2", "mg CO2/l"},
    {7, "CO2 -tryk", "atm"},
    {8, "Tot. uorg. kulstof (TUC)", "mmol/l"},
    {9, "Mætn.indeks CaCO3", "Log(IAPc/Kc)"},
    {10, "Mætn.indeks FeCO3", "Log(IAPs/Ks)"},
};
constexpr Tekstraekke afstand[] = {{1, "Afstand/opholdstid", nullptr}};
constexpr Tekstraekke blanding[] = {
    {1, "Blandingsforhold hotspot/Baggrund (%)", nullptr},
    {2, "Grundvandskemisk karakterisering", nullptr},
};
constexpr Tekstraekke placering[] = {{1, "Hydraulisk placering", nullptr}};
constexpr Tekstraekke karakterisering[] = {{1, "Grundvandskemisk karakterisering", nullptr}};
constexpr Tekstraekke nedstroemKarbonat[] = {
    {1, "Opløst CO2", "mg CO2/l"},
    {2, "CO2-tryk", "atm"},
    {3, "Tot. uorg. kulstof (TUC)", "mmol/l"},
    {4, "Mætn.index CaCO3", "log(IAPc/Kc)"},
    {5, "Mætn.index FeCO3", "log(IAPs/Ks)"},
};
constexpr Tekstraekke modelstof[] = {{1, "Vælg navn", nullptr}};
constexpr Tekstraekke kulstof[] = {
    {1, "Kulstof iltningstrin", nullptr},
    {2, "Indhold af kulstof (%)", nullptr},
};
constexpr Tekstraekke oploesning[] = {
    {1, "CO2 opløst fra redoxprocesser", "mg CO2/l"},
    {2, "CaCO3 opløst", "mg CaCO3/l"},
};
constexpr Tekstraekke ionbytning[] = {
    {1, "Salt (NaCl) tilsat", "mg Na/l"},
    {2, "Ionbytning Na for Ca", "mg Na/l"},
    {3, "FeCO3 opløsning", "mg Fe/l"},
    {4, "NH4 opløsning", "mg NH4/l"},
};
constexpr Tekstraekke redox[] = {
    {1, "Iltreduktion", "mg O2/l"},
    {2, "Methanogenese", "mg CH4/l"},
    {3, "Manganreduktion", "mg Mn/l"},
    {4, "Jernreduktion", "mg Fe/l"},
    {5, "Sulfatreduktion med pyritudfældning", "mg SO4/l"},
    {6, "Denitrifikation", "mg NO3/l"},
    {7, "Nitrifikation", "mg NH4/l"},
    {8, "Pyritoxidation m. ilt", "mg SO4/l"},
    {9, "Pyritoxidation m. nitrat", "mg SO4/l"},
    {10, "Delvis pyritoxidation med ilt", "mg SO4/l"},
    {11, "Delvis pyritoxidation med nitrat", "mg SO4/l"},
};
constexpr Tekstraekke mellemregning[] = {
    {1, "CO2 opløst fra redoxproc.", "mg CO2/l"},
    {2, "CaCO3 opløst", "mg CaCO3/l"},
    {3, "salt (NaCl) tilsat", "mg Na/l"},
    {4, "ionbytning Na - Ca", "mg Na/l"},
    {5, "FeCO3 udfældning", "mg Fe/l"},
    {6, "NH4 frigivelse", "mg NH4/l"},
    {7, "Iltreduktion", "mg O2/l"},
    {8, "Methanogenese", "mg CH4/l"},
    {9, "manganreduktion", "mg Mn2+/l"},
    {10, "Jernreduktion", "mg Fe2+/l"},
    {11, "Sulfatred. med pyritudf.", "mg SO4/l"},
    {12, "Denitrifikation", "mg NO3/l"},
    {13, "Nitrifikation", "mg NH4/l"},
    {14, "Pyritoxid. m. ilt", "mg SO4/l"},
    {15, "Pyritoxid. m. nitrat", "mg SO4/l"},
    {16, "Delv. pyritoxid. m. ilt", "mg SO4/l"},
    {17, "Delv. pyritoxid. m. nitrat", "mg SO4/l"},
};
constexpr Tekstraekke redoxSum[] = {{1, "Sum af ændringer", nullptr}, {2, "Målte ændringer", nullptr}};
constexpr Tekstraekke nedbrydning[] = {{1, "Vælg fra liste", nullptr}};
constexpr Tekstraekke fortynding[] = {{1, "Fortynding", "%"}, {2, "Afstand/tid", "dage"}};
constexpr Tekstraekke grundvandstype[] = {
    {1, "O2", nullptr}, {2, "NO3", nullptr}, {3, "Fe2+", nullptr}, {4, "SO4", nullptr}, {5, "CH4", nullptr},
};

constexpr const char* KomponentEnhed = "mg/l";
constexpr const char* standardKomponentNavne[] = {
    "Kulbrinte 1", "Kulbrinte 2", "Kulbrinte 3", "Kulbrinte 4", "Kulbrinte 5",
};

// Some tables get one column more here than their grid shows; the set-ups trim them.
constexpr Dimension d10x7{10, 0, 7}, d2x6{2, 0, 6}, d1x4{1, 0, 4}, d19x6{19, 0, 6}, d5x6{5, 0, 6},
    d1x2{1, 0, 2}, d2x2{2, 0, 2}, d2x3{2, 0, 3}, d4x3{4, 0, 3}, d11x4{11, 0, 4}, d17x6{17, 0, 6},
    d2x5{2, 0, 5};

template <std::size_t N>
constexpr Standardtekster trin(GridTabel Tabeller::*t, const Dimension* d, const Tekstraekke (&r)[N]) {
    return {t, d, r, static_cast<int>(N)};
}

// Steps 1 to 19, in the order they are written.
const Standardtekster standardtekster[] = {
    trin(&Tabeller::LokalitetData, nullptr, lokalitet),
    trin(&Tabeller::BoringData, nullptr, boring),
    trin(&Tabeller::AnalyseData, nullptr, analyse),
    trin(&Tabeller::KvalitetskontrolData, &d10x7, kvalitetskontrol),
    trin(&Tabeller::AfstandData, nullptr, afstand),
    trin(&Tabeller::BlandingData, &d2x6, blanding),
    trin(&Tabeller::PlaceringData, &d1x4, placering),
    trin(&Tabeller::KarakteriseringData, &d1x4, karakterisering),
    trin(&Tabeller::NedstroemAnalyseData, &d19x6, nedstroemAnalyse),
    trin(&Tabeller::NedstroemKarbonatData, &d5x6, nedstroemKarbonat),
    trin(&Tabeller::ModelstofData, &d1x2, modelstof),
    trin(&Tabeller::KulstofData, &d2x2, kulstof),
    trin(&Tabeller::OploesningData, &d2x3, oploesning),
    trin(&Tabeller::IonbytningData, &d4x3, ionbytning),
    trin(&Tabeller::RedoxData, &d11x4, redox),
    trin(&Tabeller::MellemregningData, &d17x6, mellemregning),
    trin(&Tabeller::RedoxSumData, &d2x5, redoxSum),
    trin(&Tabeller::NedbrydningData, &d1x4, nedbrydning),
    trin(&Tabeller::FortyndingData, &d2x5, fortynding),
};

void skrivTekster(GridTabel& tabel, const Dimension* d, const Tekstraekke* raekker, int antal) {
    if (d) tabel.redimensioner(1, d->sidsteRaekke, d->foersteSoejle, d->sidsteSoejle);
    for (int i = 0; i < antal; ++i) {
        tabel.saet(raekker[i].raekke, 0, raekker[i].etiket);
        if (raekker[i].enhed) tabel.saet(raekker[i].raekke, 1, raekker[i].enhed);
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
    for (const auto& s : standardtekster) skrivTekster(t.*s.tabel, s.dimension, s.raekker, s.antal);

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
    for (auto& g : t.GrundvandstypeData) skrivTekster(g, &d5x5, grundvandstype, static_cast<int>(std::size(grundvandstype)));
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
        for (int r = 1; r <= 5; ++r)
            for (int c = 0; c <= 5; ++c) g.saet(r, c, std::string());
    for (auto tabel : ryddes) (t.*tabel).ryd();
    // The charts keep their own copy of the chart data: empty them with their tables,
    // so the budget of the previous site is never shown for this one.
    inddataCharts().restoreDesign();
}
