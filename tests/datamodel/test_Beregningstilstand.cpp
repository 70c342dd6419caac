#include <gtest/gtest.h>

#include <string>

#include "datamodel/Beregningstilstand.h"

namespace {

// Puts a non-reset value into every item of the state.
void fyldAlt(Beregningstilstand& t) {
    for (int r = 1; r <= AntalAnalytter; ++r)
        for (int i = 0; i <= 5; ++i) t.Analyt(r)[i] = 100.0 * r + i;
    for (PositionsTal* a : {&t.Ionstyrke, &t.Kationer, &t.Anioner, &t.Ladningsbalance,
                            &t.Alkalinitet, &t.PHVedKalkligevaegt, &t.OploestCO2, &t.CO2Tryk,
                            &t.TUC, &t.MaetnIndeksCaCO3})
        a->fill(1.5);
    for (PositionsVaerdier* a : {&t.MaetnIndeksFeCO3, &t.Blandingsforhold, &t.RedoxRangSum,
                                 &t.PositionsNavne, &t.Afstande})
        a->fill(Variant("x"));
    t.RedoxRang.fill(3);
    t.FilterNr.fill(2);
    t.HotspotNr = 4;
    t.PositionsTabel(2, 5) = "Opstrøm";
    t.DiagramPHKalk(18, 5) = 7.0;
    t.RedoxKriterier(5, 4) = "z";
    for (int n = 1; n <= 5; ++n) t.RedoxZoneMatrix(n)(5, 4) = n;
    t.ProcesTabel(6, 2) = 1.0;
    t.RedoxTabel(11, 3) = 1.0;
    t.Mellemregninger(19, 4) = 1.0;
    t.NedstroemModel(23, 3) = 1.0;
    t.KulbrinteKonc(5, 5) = 9.0;
    t.Nedbrydningskonstanter(5, 6) = 0.1;
    for (int n = 1; n <= AntalProcesser; ++n) t.ProcesMaengde(n) = n;
    t.BeregnIndeks = 3;
    t.AntalBoringer = 5;
    t.FraPosition = 1;
    t.TilPosition = 2;
    t.ModelstofNavn = "Toluen";
    t.KulstofValens = -1.333;
    t.KulstofIndhold = 62.1;
    t.BrugerKulstofValens = 0;
    t.BrugerKulstofIndhold = 2;
    t.TvungenKalkligevaegt = Sand;
    t.ProcesdataAendret = Sand;
}

template <typename T, int R, int C>
bool tom(const Tabel2<T, R, C>& a) {
    for (int r = 0; r <= R; ++r)
        for (int c = 0; c <= C; ++c)
            if (!(a(r, c) == T{})) return false;
    return true;
}

void forventNulstillet(const Beregningstilstand& t) {
    for (int r = 1; r <= AntalAnalytter; ++r)
        for (double v : t.Analyt(r)) EXPECT_EQ(v, 0.0) << "analyt " << r;
    for (double v : t.TUC) EXPECT_EQ(v, 0.0);
    for (double v : t.MaetnIndeksCaCO3) EXPECT_EQ(v, 0.0);
    for (const Variant& v : t.MaetnIndeksFeCO3) EXPECT_TRUE(v.isEmpty());
    for (const Variant& v : t.Blandingsforhold) EXPECT_TRUE(v.isEmpty());
    for (const Variant& v : t.Afstande) EXPECT_TRUE(v.isEmpty());
    for (auto v : t.RedoxRang) EXPECT_EQ(v, 0);
    for (auto v : t.FilterNr) EXPECT_EQ(v, 0);
    EXPECT_TRUE(tom(t.PositionsTabel));
    EXPECT_TRUE(tom(t.DiagramPHKalk));
    EXPECT_TRUE(tom(t.RedoxKriterier));
    for (int n = 1; n <= 5; ++n) EXPECT_TRUE(tom(t.RedoxZoneMatrix(n))) << n;
    EXPECT_TRUE(tom(t.ProcesTabel));
    EXPECT_TRUE(tom(t.RedoxTabel));
    EXPECT_TRUE(tom(t.Mellemregninger));
    EXPECT_TRUE(tom(t.NedstroemModel));
    EXPECT_TRUE(tom(t.KulbrinteKonc));
    EXPECT_TRUE(tom(t.Nedbrydningskonstanter));
    for (int n = 1; n <= AntalProcesser; ++n) EXPECT_TRUE(t.ProcesMaengde(n).isEmpty()) << n;
    EXPECT_EQ(t.HotspotNr, 0);
    EXPECT_EQ(t.BeregnIndeks, 0);
    EXPECT_EQ(t.AntalBoringer, 0);
    EXPECT_EQ(t.FraPosition, 0);
    EXPECT_EQ(t.TilPosition, 0);
    EXPECT_EQ(t.TvungenKalkligevaegt, Falsk);
    EXPECT_EQ(t.ProcesdataAendret, Falsk);
    for (const Variant* v : {&t.ModelstofNavn, &t.KulstofValens, &t.KulstofIndhold,
                             &t.BrugerKulstofValens, &t.BrugerKulstofIndhold})
        EXPECT_TRUE(v->isEmpty());
}

TEST(Beregningstilstand, OpretDataStrukturerNulstillerAltUndtagenFilNavn) {
    Beregningstilstand& t = tilstand();
    fyldAlt(t);
    t.FilNavn = "/data/grund.akv";
    OpretDataStrukturer();
    forventNulstillet(t);
    EXPECT_EQ(t.FilNavn, "/data/grund.akv");
    // Twice in a row gives the same state.
    fyldAlt(t);
    OpretDataStrukturer();
    forventNulstillet(t);
    EXPECT_EQ(t.FilNavn, "/data/grund.akv");
}

// The flag of process data changed since the last modelling lives with the state:
// set and read by the windows and the model runs, cleared with a new state.
TEST(Beregningstilstand, FlagForAendredeProcesdataFoelgerTilstanden) {
    SaetProcesdataAendret(true);
    EXPECT_EQ(tilstand().ProcesdataAendret, Sand);
    EXPECT_TRUE(HentProcesdataAendret());
    OpretDataStrukturer();
    EXPECT_FALSE(HentProcesdataAendret());
    tilstand().ProcesdataAendret = Sand;
    EXPECT_TRUE(HentProcesdataAendret());
    SaetProcesdataAendret(false);
    EXPECT_EQ(tilstand().ProcesdataAendret, Falsk);
}

TEST(Beregningstilstand, ProcesserEfterNummer) {
    Beregningstilstand t;
    const Variant* ventet[] = {&t.ProcCO2, &t.ProcKalk, &t.ProcSalt, &t.ProcIonbytning,
                               &t.ProcSiderit, &t.ProcAmmonium, &t.ProcIltreduktion,
                               &t.ProcMethanogenese, &t.ProcManganreduktion,
                               &t.ProcJernreduktion, &t.ProcSulfatreduktion,
                               &t.ProcDenitrifikation, &t.ProcNitrifikation, &t.ProcPyritIlt,
                               &t.ProcPyritNitrat, &t.ProcDelvisPyritIlt,
                               &t.ProcDelvisPyritNitrat};
    for (int n = 1; n <= AntalProcesser; ++n) EXPECT_EQ(&t.ProcesMaengde(n), ventet[n - 1]) << n;
    EXPECT_THROW(t.ProcesMaengde(0), std::out_of_range);
    EXPECT_THROW(t.ProcesMaengde(18), std::out_of_range);
}

TEST(Beregningstilstand, AnalytterIAnalyseDatasRaekkefoelge) {
    Beregningstilstand t;
    const PositionsTal* ventet[] = {&t.Temperatur, &t.PH, &t.KoncCa, &t.KoncMg, &t.KoncNa,
                                    &t.KoncK, &t.KoncNH4, &t.KoncFe, &t.KoncMn, &t.KoncHCO3,
                                    &t.KoncCl, &t.KoncSO4, &t.KoncNO3, &t.KoncF, &t.KoncP,
                                    &t.KoncNVOC, &t.KoncO2, &t.KoncCH4};
    for (int r = 1; r <= AntalAnalytter; ++r) EXPECT_EQ(&t.Analyt(r), ventet[r - 1]) << r;
    const RedoxZoneTabel* zoner[] = {&t.RedoxZoneMatrix1, &t.RedoxZoneMatrix2,
                                     &t.RedoxZoneMatrix3, &t.RedoxZoneMatrix4,
                                     &t.RedoxZoneMatrix5};
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(&t.RedoxZoneMatrix(n), zoner[n - 1]) << n;
    EXPECT_THROW(t.Analyt(19), std::out_of_range);
    EXPECT_THROW(t.RedoxZoneMatrix(0), std::out_of_range);
}

TEST(Beregningstilstand, Tabel2HolderHverCelleForSig) {
    Tabel2<Variant, 19, 4> m;
    for (int r = 0; r <= 19; ++r)
        for (int c = 0; c <= 4; ++c) m(r, c) = r * 10 + c;
    for (int r = 0; r <= 19; ++r)
        for (int c = 0; c <= 4; ++c) EXPECT_EQ(m(r, c), Variant(r * 10 + c));
}

}  // namespace
