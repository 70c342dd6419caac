// The lookup of the model substance: the table, exact names, "Andet" and the check of
// the carbon values afterwards.
#include <gtest/gtest.h>

#include <string>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Modelstoffer.h"
#include "engine/GeokemiskModellering.h"

namespace {

class Modelstof : public ::testing::Test {
protected:
    void SetUp() override { OpretDataStrukturer(); }
    void TearDown() override { OpretDataStrukturer(); }
};

struct Stof {
    const char* navn;
    double valens;
    double indhold;
};

class NavngivetStof : public Modelstof, public ::testing::WithParamInterface<Stof> {};

TEST_P(NavngivetStof, SetsItsCarbonValuesAsDoubles) {
    const Stof s = GetParam();
    Beregningstilstand& t = tilstand();
    t.ModelstofNavn = Variant(s.navn);
    t.KulstofValens = Variant(99);
    t.KulstofIndhold = Variant("gammel");
    EXPECT_EQ(OpslagModelstof(), "");
    EXPECT_EQ(t.KulstofValens, Variant(s.valens));
    EXPECT_EQ(t.KulstofIndhold, Variant(s.indhold));
}

INSTANTIATE_TEST_SUITE_P(Tabel, NavngivetStof,
                         ::testing::Values(Stof{"Acetone", -1.333, 62.1}, Stof{"Benzen", -1.0, 92.3},
                                           Stof{"Dieselolie1", -1.85, 86.6}, Stof{"Dieselolie2", -1.5, 88.9},
                                           Stof{"Ethanol", -2.0, 52.2}, Stof{"Ethylbenzen", -1.25, 90.6},
                                           Stof{"Laktat", 0.0, 40.4}, Stof{"Metan", -4.0, 75.0},
                                           Stof{"MTBE", -2.0, 68.2}, Stof{"Organisk stof", 0.0, 40.0},
                                           Stof{"Phenol", -0.667, 76.6}, Stof{"Toluen", -1.143, 91.3},
                                           Stof{"Xylener", -1.25, 90.6}));

TEST_F(Modelstof, TableHoldsFourteenNamesOnceEachWithAndetFirst) {
    ASSERT_EQ(ModelstofTabel.size(), 14u);
    EXPECT_EQ(ModelstofTabel[0].navn, "Andet");
    EXPECT_TRUE(ModelstofTabel[0].brugerensVaerdier);
    for (std::size_t i = 1; i < ModelstofTabel.size(); ++i) {
        EXPECT_FALSE(ModelstofTabel[i].brugerensVaerdier) << ModelstofTabel[i].navn;
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(ModelstofTabel[i].navn, ModelstofTabel[j].navn);
    }
}

TEST_F(Modelstof, AndetCopiesTheUsersValuesTypeAndAll) {
    Beregningstilstand& t = tilstand();
    t.ModelstofNavn = Variant("Andet");
    t.BrugerKulstofValens = Variant(0);   // the start values of the work window
    t.BrugerKulstofIndhold = Variant(2);
    EXPECT_EQ(OpslagModelstof(), "");
    EXPECT_EQ(t.KulstofValens, Variant(0));
    EXPECT_EQ(t.KulstofIndhold, Variant(2));

    t.BrugerKulstofValens = Variant(-0.5);
    t.BrugerKulstofIndhold = Variant("45,5");
    EXPECT_EQ(OpslagModelstof(), "");
    EXPECT_EQ(t.KulstofValens, Variant(-0.5));
    EXPECT_EQ(t.KulstofIndhold, Variant("45,5"));
}

TEST_F(Modelstof, AndetWithAUserValueMissingIsRefused) {
    Beregningstilstand& t = tilstand();
    t.ModelstofNavn = Variant("Andet");
    t.KulstofValens = Variant(-1.333);
    t.KulstofIndhold = Variant(62.1);
    t.BrugerKulstofValens = Variant(-1.0);
    EXPECT_EQ(OpslagModelstof(),
              "Både feltet 'Kulstof iltningstrin' og feltet 'Indhold af kulstof (%)' skal indeholde en værdi");
    EXPECT_EQ(t.KulstofValens, Variant(-1.0));
    EXPECT_TRUE(t.KulstofIndhold.isEmpty());
}

// Names that match nothing leave the carbon values as they were.
class UkendtNavn : public Modelstof, public ::testing::WithParamInterface<Variant> {};

TEST_P(UkendtNavn, ChangesNothing) {
    Beregningstilstand& t = tilstand();
    t.ModelstofNavn = GetParam();
    t.KulstofValens = Variant(-1.85);
    t.KulstofIndhold = Variant(86.6);
    EXPECT_EQ(OpslagModelstof(), "");
    EXPECT_EQ(t.KulstofValens, Variant(-1.85));
    EXPECT_EQ(t.KulstofIndhold, Variant(86.6));
}

TEST_P(UkendtNavn, WithTheValuesStillEmptyIsRefused) {
    tilstand().ModelstofNavn = GetParam();
    EXPECT_EQ(OpslagModelstof(), ManglerKulstofvaerdier);
    EXPECT_TRUE(tilstand().KulstofValens.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Navne, UkendtNavn,
                         ::testing::Values(Variant("acetone"), Variant("ACETONE"), Variant("Acetone "),
                                           Variant("andet"), Variant("Organisk  stof"), Variant("Benzin"),
                                           Variant(""), Variant(), Variant(3)));

TEST_F(Modelstof, OneValueEmptyIsEnoughToRefuse) {
    Beregningstilstand& t = tilstand();
    t.ModelstofNavn = Variant("Ukendt");
    t.KulstofValens = Variant(-1.0);
    EXPECT_EQ(OpslagModelstof(), ManglerKulstofvaerdier);
    t.KulstofValens = Variant();
    t.KulstofIndhold = Variant(50.0);
    EXPECT_EQ(OpslagModelstof(), ManglerKulstofvaerdier);
    t.KulstofValens = Variant::null();  // only Empty counts as missing
    EXPECT_EQ(OpslagModelstof(), "");
}

}  // namespace
