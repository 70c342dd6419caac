#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datamodel/Tabeller.h"

namespace {

// The texts as the user sees them, typed once more here so that a slip in either
// copy shows.
struct Tekst {
    int raekke;
    const char* etiket;
    const char* enhed;  // nullptr: no unit is written
};

struct Katalog {
    const char* navn;
    GridTabel Tabeller::*tabel;
    std::vector<Tekst> tekster;
};

const std::vector<Tekst> analyser = {
    {1, "Temperatur", "°C"},      {2, "pH", ""},                   {3, "Calcium", "mg Ca/l"},
    {4, "Magnesium", "mg Mg/l"},  {5, "Natrium", "mg Na/l"},       {6, "Kalium", "mg K/l"},
    {7, "Ammonium", "mg NH4/l"},  {8, "Jern", "mg Fe/l"},          {9, "Mangan", "mg Mn/l"},
    {10, "Bikarbonat", "mg HCO3/l"}, {11, "Klorid", "mg Cl/l"},    {12, "Sulfat", "mg SO4/l"},
    {13, "Nitrat", "mg NO3/l"},   {14, "Fluorid", "mg F/l"},       {15, "Fosfat -fosfor", "mg P/l"},
    {16, "NVOC", "mg C/l"},       {17, "Ilt", "mg O2/l"},          {18, "Metan", "mg CH4/l"},
};

std::vector<Tekst> nedstroemAnalyser() {
    std::vector<Tekst> t = {{1, "Dato for analyse", ""}};
    for (const auto& a : analyser) t.push_back({a.raekke + 1, a.etiket, a.enhed});
    return t;
}

const std::vector<Katalog>& katalog() {
    static const std::vector<Katalog> k = {
        {"LokalitetData", &Tabeller::LokalitetData,
         {{1, "Lokalitet", nullptr}, {2, "Forureningstype", nullptr}, {3, "Akvifer bruger", nullptr},
          {4, "Dato", nullptr}, {5, "Bemærkninger", nullptr}}},
        {"BoringData", &Tabeller::BoringData,
         {{1, "Boringsnavn", nullptr}, {2, "Hydraulisk placering", nullptr}, {3, "Dato for analyse", nullptr}}},
        {"AnalyseData", &Tabeller::AnalyseData, analyser},
        {"AfstandData", &Tabeller::AfstandData, {{1, "Afstand/opholdstid", nullptr}}},
        {"KvalitetskontrolData", &Tabeller::KvalitetskontrolData,
         {{1, "Ionstyrke", "Ekv/l"}, {2, "Kationer", "mekv/l"}, {3, "Anioner", "mekv/l"},
          {4, "Ladningsbalance", "%"}, {5, "pH ved kalkligevægt", ""}, {6, "Opløst CO2", "mg CO2/l"},
          {7, "CO2 -tryk", "atm"}, {8, "Tot. uorg. kulstof (TUC)", "mmol/l"},
          {9, "Mætn.indeks CaCO3", "Log(IAPc/Kc)"}, {10, "Mætn.indeks FeCO3", "Log(IAPs/Ks)"}}},
        {"BlandingData", &Tabeller::BlandingData,
         {{1, "Blandingsforhold hotspot/Baggrund (%)", nullptr}, {2, "Grundvandskemisk karakterisering", nullptr}}},
        {"PlaceringData", &Tabeller::PlaceringData, {{1, "Hydraulisk placering", nullptr}}},
        {"KarakteriseringData", &Tabeller::KarakteriseringData, {{1, "Grundvandskemisk karakterisering", nullptr}}},
        {"NedstroemAnalyseData", &Tabeller::NedstroemAnalyseData, nedstroemAnalyser()},
        {"NedstroemKarbonatData", &Tabeller::NedstroemKarbonatData,
         {{1, "Opløst CO2", "mg CO2/l"}, {2, "CO2-tryk", "atm"}, {3, "Tot. uorg. kulstof (TUC)", "mmol/l"},
          {4, "Mætn.index CaCO3", "log(IAPc/Kc)"}, {5, "Mætn.index FeCO3", "log(IAPs/Ks)"}}},
        {"ModelstofData", &Tabeller::ModelstofData, {{1, "Vælg navn", nullptr}}},
        {"KulstofData", &Tabeller::KulstofData,
         {{1, "Kulstof iltningstrin", nullptr}, {2, "Indhold af kulstof (%)", nullptr}}},
        {"OploesningData", &Tabeller::OploesningData,
         {{1, "CO2 opløst fra redoxprocesser", "mg CO2/l"}, {2, "CaCO3 opløst", "mg CaCO3/l"}}},
        {"IonbytningData", &Tabeller::IonbytningData,
         {{1, "Salt (NaCl) tilsat", "mg Na/l"}, {2, "Ionbytning Na for Ca", "mg Na/l"},
          {3, "FeCO3 opløsning", "mg Fe/l"}, {4, "NH4 opløsning", "mg NH4/l"}}},
        {"RedoxData", &Tabeller::RedoxData,
         {{1, "Iltreduktion", "mg O2/l"}, {2, "Methanogenese", "mg CH4/l"}, {3, "Manganreduktion", "mg Mn/l"},
          {4, "Jernreduktion", "mg Fe/l"}, {5, "Sulfatreduktion med pyritudfældning", "mg SO4/l"},
          {6, "Denitrifikation", "mg NO3/l"}, {7, "Nitrifikation", "mg NH4/l"},
          {8, "Pyritoxidation m. ilt", "mg SO4/l"}, {9, "Pyritoxidation m. nitrat", "mg SO4/l"},
          {10, "Delvis pyritoxidation med ilt", "mg SO4/l"}, {11, "Delvis pyritoxidation med nitrat", "mg SO4/l"}}},
        {"MellemregningData", &Tabeller::MellemregningData,
         {{1, "CO2 opløst fra redoxproc.", "mg CO2/l"}, {2, "CaCO3 opløst", "mg CaCO3/l"},
          {3, "salt (NaCl) tilsat", "mg Na/l"}, {4, "ionbytning Na - Ca", "mg Na/l"},
          {5, "FeCO3 udfældning", "mg Fe/l"}, {6, "NH4 frigivelse", "mg NH4/l"}, {7, "Iltreduktion", "mg O2/l"},
          {8, "Methanogenese", "mg CH4/l"}, {9, "manganreduktion", "mg Mn2+/l"},
          {10, "Jernreduktion", "mg Fe2+/l"}, {11, "Sulfatred. med pyritudf.", "mg SO4/l"},
          {12, "Denitrifikation", "mg NO3/l"}, {13, "Nitrifikation", "mg NH4/l"},
          {14, "Pyritoxid. m. ilt", "mg SO4/l"}, {15, "Pyritoxid. m. nitrat", "mg SO4/l"},
          {16, "Delv. pyritoxid. m. ilt", "mg SO4/l"}, {17, "Delv. pyritoxid. m. nitrat", "mg SO4/l"}}},
        {"RedoxSumData", &Tabeller::RedoxSumData, {{1, "Sum af ændringer", nullptr}, {2, "Målte ændringer", nullptr}}},
        {"NedbrydningData", &Tabeller::NedbrydningData, {{1, "Vælg fra liste", nullptr}}},
        {"FortyndingData", &Tabeller::FortyndingData, {{1, "Fortynding", "%"}, {2, "Afstand/tid", "dage"}}},
    };
    return k;
}

struct Form {
    int sidsteRaekke, foersteSoejle, sidsteSoejle;
};

void forventForm(const GridTabel& t, Form f, const std::string& navn) {
    EXPECT_EQ(t.foersteRaekke(), 1) << navn;
    EXPECT_EQ(t.sidsteRaekke(), f.sidsteRaekke) << navn;
    EXPECT_EQ(t.foersteSoejle(), f.foersteSoejle) << navn;
    EXPECT_EQ(t.sidsteSoejle(), f.sidsteSoejle) << navn;
}

bool ens(const GridTabel& a, const GridTabel& b) {
    if (a.foersteRaekke() != b.foersteRaekke() || a.sidsteRaekke() != b.sidsteRaekke() ||
        a.foersteSoejle() != b.foersteSoejle() || a.sidsteSoejle() != b.sidsteSoejle())
        return false;
    for (int r = a.foersteRaekke(); r <= a.sidsteRaekke(); ++r)
        for (int c = a.foersteSoejle(); c <= a.sidsteSoejle(); ++c)
            if (!(a.hent(r, c) == b.hent(r, c))) return false;
    return true;
}

std::vector<const GridTabel*> alleTabeller(const Tabeller& t) {
    std::vector<const GridTabel*> v = {
        &t.LokalitetData, &t.BoringData, &t.AnalyseData, &t.AfstandData, &t.KomponentData,
        &t.KvalitetskontrolData, &t.BlandingData, &t.PlaceringData, &t.KarakteriseringData,
        &t.NedstroemAnalyseData, &t.NedstroemKarbonatData, &t.ModelstofData, &t.KulstofData,
        &t.OploesningData, &t.IonbytningData, &t.RedoxData, &t.NedbrydningData, &t.FortyndingData,
        &t.KorrKoncentrationData, &t.MellemregningData, &t.RedoxSumData, &t.DiagramTUCData,
        &t.DiagramAlkalinitetData};
    for (const auto& g : t.GrundvandstypeData) v.push_back(&g);
    return v;
}

// Fills every cell of every table, so that what the procedures leave shows.
void fyldAlt() {
    NulstilAlleData();
    UdfyldStandardtekster();
    Tabeller& t = tabeller();
    t.DiagramTUCData.redimensioner(1, 11, -1, 4);
    t.DiagramAlkalinitetData.redimensioner(1, 14, -1, 4);
    for (const GridTabel* c : alleTabeller(t)) {
        auto* g = const_cast<GridTabel*>(c);
        if (g->antalRaekker() == 0) g->redimensioner(1, 3, 0, 3);
        for (int r = g->foersteRaekke(); r <= g->sidsteRaekke(); ++r)
            for (int s = g->foersteSoejle(); s <= g->sidsteSoejle(); ++s) g->saet(r, s, Variant(r * 10 + s));
    }
}

class TabellerTest : public ::testing::Test {
protected:
    void SetUp() override { tabeller() = Tabeller(); }
    void TearDown() override { tabeller() = Tabeller(); }
};

TEST_F(TabellerTest, NewDataGetsEveryDefaultTextLetterByLetter) {
    NulstilAlleData();
    UdfyldStandardtekster();
    for (const auto& k : katalog()) {
        const GridTabel& g = tabeller().*k.tabel;
        for (const auto& t : k.tekster) {
            EXPECT_EQ(g.hent(t.raekke, 0), Variant(t.etiket)) << k.navn << " row " << t.raekke;
            if (t.enhed) {
                EXPECT_EQ(g.hent(t.raekke, 1), Variant(t.enhed)) << k.navn << " row " << t.raekke;
            }
        }
    }
    const char* redox[] = {"O2", "NO3", "Fe2+", "SO4", "CH4"};
    for (int k = 0; k < 6; ++k)
        for (int r = 1; r <= 5; ++r) EXPECT_EQ(tabeller().GrundvandstypeData[k].hent(r, 0), Variant(redox[r - 1]));
    for (int r = 1; r <= 5; ++r) {
        const Variant navn("Kulbrinte " + std::to_string(r));
        EXPECT_EQ(tabeller().KomponentData.hent(r, 0), navn);
        EXPECT_EQ(tabeller().KomponentData.hent(r, 1), Variant("mg/l"));
        EXPECT_EQ(tabeller().KorrKoncentrationData.hent(r, 0), navn);
        EXPECT_EQ(tabeller().KorrKoncentrationData.hent(r, 1), Variant("mg/l"));
    }
}

TEST_F(TabellerTest, EmptyUnitsAreEmptyTextsNotEmptyCells) {
    NulstilAlleData();
    UdfyldStandardtekster();
    const Tabeller& t = tabeller();
    for (const Variant& v : {t.AnalyseData.hent(2, 1), t.NedstroemAnalyseData.hent(3, 1),
                             t.NedstroemAnalyseData.hent(1, 1), t.KvalitetskontrolData.hent(5, 1)}) {
        EXPECT_TRUE(v.isText());
        EXPECT_EQ(v, Variant(""));
    }
    // Where no unit is written the cell stays as clearing left it.
    EXPECT_TRUE(t.ModelstofData.hent(1, 1).isEmpty());
    EXPECT_EQ(t.AfstandData.hent(1, 1), Variant(""));
}

TEST_F(TabellerTest, DefaultTextsReshapeTheTablesTheyOwn) {
    NulstilAlleData();
    UdfyldStandardtekster();
    const Tabeller& t = tabeller();
    forventForm(t.LokalitetData, {5, 0, 1}, "LokalitetData");
    forventForm(t.BoringData, {3, 0, 6}, "BoringData");
    forventForm(t.AnalyseData, {18, 0, 6}, "AnalyseData");
    forventForm(t.AfstandData, {1, 0, 6}, "AfstandData");
    forventForm(t.KomponentData, {5, 0, 6}, "KomponentData");
    forventForm(t.KvalitetskontrolData, {10, 0, 7}, "KvalitetskontrolData");
    forventForm(t.BlandingData, {2, 0, 6}, "BlandingData");
    forventForm(t.PlaceringData, {1, 0, 4}, "PlaceringData");
    forventForm(t.KarakteriseringData, {1, 0, 4}, "KarakteriseringData");
    forventForm(t.NedstroemAnalyseData, {19, 0, 6}, "NedstroemAnalyseData");
    forventForm(t.NedstroemKarbonatData, {5, 0, 6}, "NedstroemKarbonatData");
    forventForm(t.ModelstofData, {1, 0, 2}, "ModelstofData");
    forventForm(t.KulstofData, {2, 0, 2}, "KulstofData");
    forventForm(t.OploesningData, {2, 0, 3}, "OploesningData");
    forventForm(t.IonbytningData, {4, 0, 3}, "IonbytningData");
    forventForm(t.RedoxData, {11, 0, 4}, "RedoxData");
    forventForm(t.MellemregningData, {17, 0, 6}, "MellemregningData");
    forventForm(t.RedoxSumData, {2, 0, 5}, "RedoxSumData");
    forventForm(t.NedbrydningData, {1, 0, 4}, "NedbrydningData");
    forventForm(t.FortyndingData, {2, 0, 5}, "FortyndingData");
    forventForm(t.KorrKoncentrationData, {5, 0, 8}, "KorrKoncentrationData");
    for (const auto& g : t.GrundvandstypeData) forventForm(g, {5, 0, 5}, "GrundvandstypeData");
}

TEST_F(TabellerTest, DefaultTextsKeepTheValuesAndAreWrittenAgainAlike) {
    NulstilAlleData();
    tabeller().AnalyseData.saet(2, 3, Variant(7.1));
    tabeller().BoringData.saet(1, 2, Variant("B1"));
    tabeller().LokalitetData.saet(1, 1, Variant("Grenaa"));
    UdfyldStandardtekster();
    const Tabeller foerste = tabeller();
    UdfyldStandardtekster();
    for (std::size_t i = 0; i < alleTabeller(foerste).size(); ++i)
        EXPECT_TRUE(ens(*alleTabeller(foerste)[i], *alleTabeller(tabeller())[i])) << i;
    EXPECT_EQ(tabeller().AnalyseData.hent(2, 3), Variant(7.1));
    EXPECT_EQ(tabeller().BoringData.hent(1, 2), Variant("B1"));
    EXPECT_EQ(tabeller().LokalitetData.hent(1, 1), Variant("Grenaa"));
}

struct Navne {
    const char* beskrivelse;
    std::vector<Variant> indlaest;    // names of components 1..5 as loaded
    std::vector<Variant> forventet;   // after the default texts
    bool korrUdfyldt;                 // KorrKoncentrationData gets names and units
};

class KomponentNavneTest : public TabellerTest, public ::testing::WithParamInterface<Navne> {};

TEST_P(KomponentNavneTest, OnlyABlankFirstNameBringsDefaults) {
    const auto& n = GetParam();
    NulstilAlleData();
    for (int r = 1; r <= 5; ++r) tabeller().KomponentData.saet(r, 0, n.indlaest[r - 1]);
    UdfyldStandardtekster();
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(tabeller().KomponentData.hent(r, 0), n.forventet[r - 1]) << n.beskrivelse << " row " << r;
        EXPECT_EQ(tabeller().KorrKoncentrationData.hent(r, 0), n.korrUdfyldt ? n.forventet[r - 1] : Variant())
            << n.beskrivelse << " row " << r;
        EXPECT_EQ(tabeller().KorrKoncentrationData.hent(r, 1), n.korrUdfyldt ? Variant("mg/l") : Variant())
            << n.beskrivelse << " row " << r;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabeller, KomponentNavneTest,
    ::testing::Values(
        Navne{"first name set: all five kept, blanks included",
              {"Benzen", Variant(), "", "Toluen", Variant::null()},
              {"Benzen", Variant(), "", "Toluen", Variant::null()}, false},
        Navne{"first name empty: defaults only into blank names",
              {Variant(), "Toluen", "", Variant::null(), "Xylen"},
              {"Kulbrinte 1", "Toluen", "Kulbrinte 3", "Kulbrinte 4", "Xylen"}, true},
        Navne{"first name an empty text counts as blank",
              {"", Variant(), Variant(), Variant(), Variant()},
              {"Kulbrinte 1", "Kulbrinte 2", "Kulbrinte 3", "Kulbrinte 4", "Kulbrinte 5"}, true},
        Navne{"first name null counts as blank",
              {Variant::null(), "Benzen", Variant(), Variant(), Variant()},
              {"Kulbrinte 1", "Benzen", "Kulbrinte 3", "Kulbrinte 4", "Kulbrinte 5"}, true},
        Navne{"a number is a name", {Variant(0), Variant(), Variant(), Variant(), Variant()},
              {Variant(0), Variant(), Variant(), Variant(), Variant()}, false}));

TEST_F(TabellerTest, GroundwaterTypeTablesAreSeparate) {
    NulstilAlleData();
    UdfyldStandardtekster();
    tabeller().GrundvandstypeData[3].redimensioner(1, 2, 0, 1);
    tabeller().GrundvandstypeData[2].saet(1, 0, Variant("x"));
    for (int k = 0; k < 6; ++k) {
        const GridTabel& g = tabeller().GrundvandstypeData[k];
        EXPECT_EQ(g.sidsteRaekke(), k == 3 ? 2 : 5) << k;
        EXPECT_EQ(g.hent(1, 0), Variant(k == 2 ? "x" : "O2")) << k;
    }
}

TEST_F(TabellerTest, ClearingBlanksInputAndEmptiesResults) {
    fyldAlt();
    NulstilAlleData();
    const Tabeller& t = tabeller();

    // Kept labels (and the units of the analyses) of the input tables; blanked values.
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(t.LokalitetData.hent(r, 0), Variant(r * 10));
        EXPECT_EQ(t.LokalitetData.hent(r, 1), Variant(""));
    }
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(t.BoringData.hent(r, 0), Variant(r * 10));
        EXPECT_EQ(t.BoringData.hent(r, 1), Variant(r * 10 + 1));
        for (int c = 2; c <= 6; ++c) EXPECT_EQ(t.BoringData.hent(r, c), Variant(""));
    }
    for (int r = 1; r <= 18; ++r) {
        EXPECT_EQ(t.AnalyseData.hent(r, 0), Variant(r * 10));
        EXPECT_EQ(t.AnalyseData.hent(r, 1), Variant(r * 10 + 1));
        for (int c = 2; c <= 6; ++c) EXPECT_EQ(t.AnalyseData.hent(r, c), Variant(""));
    }
    EXPECT_EQ(t.AfstandData.hent(1, 0), Variant(10));
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(t.AfstandData.hent(1, c), Variant(""));

    // Every cell blanked with the empty text.
    for (int r = 1; r <= 10; ++r)
        for (int c = 0; c <= 6; ++c) EXPECT_EQ(t.KvalitetskontrolData.hent(r, c), Variant(""));
    for (int r = 1; r <= 2; ++r)
        for (int c = 0; c <= 6; ++c) EXPECT_EQ(t.BlandingData.hent(r, c), Variant(""));
    for (const auto& g : t.GrundvandstypeData)
        for (int r = 1; r <= 5; ++r)
            for (int c = 0; c <= 5; ++c) EXPECT_EQ(g.hent(r, c), Variant(""));

    // Cleared whole, bounds kept: the results, the components and the chart data.
    const GridTabel* ryddede[] = {&t.PlaceringData, &t.KarakteriseringData, &t.NedstroemAnalyseData,
                                  &t.NedstroemKarbonatData, &t.ModelstofData, &t.KulstofData,
                                  &t.OploesningData, &t.IonbytningData, &t.RedoxData,
                                  &t.MellemregningData, &t.RedoxSumData, &t.NedbrydningData,
                                  &t.FortyndingData, &t.KomponentData, &t.KorrKoncentrationData,
                                  &t.DiagramTUCData, &t.DiagramAlkalinitetData};
    for (const GridTabel* g : ryddede) {
        EXPECT_GT(g->antalRaekker(), 0);
        for (int r = g->foersteRaekke(); r <= g->sidsteRaekke(); ++r)
            for (int c = g->foersteSoejle(); c <= g->sidsteSoejle(); ++c) EXPECT_TRUE(g->hent(r, c).isEmpty());
    }
    forventForm(t.KomponentData, {5, 0, 6}, "KomponentData");
    forventForm(t.DiagramTUCData, {11, -1, 4}, "DiagramTUCData");
    forventForm(t.DiagramAlkalinitetData, {14, -1, 4}, "DiagramAlkalinitetData");
}

TEST_F(TabellerTest, ClearingTwiceEqualsClearingOnce) {
    fyldAlt();
    NulstilAlleData();
    const Tabeller en = tabeller();
    NulstilAlleData();
    const auto a = alleTabeller(en), b = alleTabeller(tabeller());
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(ens(*a[i], *b[i])) << i;
}

TEST_F(TabellerTest, ATypedComponentNameIsGoneAfterClearingAndDefaultsReturn) {
    NulstilAlleData();
    UdfyldStandardtekster();
    tabeller().KomponentData.saet(1, 0, Variant("Benzen"));
    tabeller().KomponentData.saet(1, 2, Variant(3.5));
    NulstilAlleData();
    UdfyldStandardtekster();
    EXPECT_EQ(tabeller().KomponentData.hent(1, 0), Variant("Kulbrinte 1"));
    EXPECT_TRUE(tabeller().KomponentData.hent(1, 2).isEmpty());
    // The labels that clearing blanked come back with the default texts.
    EXPECT_EQ(tabeller().KvalitetskontrolData.hent(1, 0), Variant("Ionstyrke"));
    EXPECT_EQ(tabeller().BlandingData.hent(2, 0), Variant("Grundvandskemisk karakterisering"));
    EXPECT_EQ(tabeller().GrundvandstypeData[5].hent(3, 0), Variant("Fe2+"));
}

}  // namespace
