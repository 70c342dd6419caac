#pragma once
// The calculation state: the program-wide arrays and scalars on which the engine
// computes. The runs copy cells into it, call the engine and copy rounded results
// back out. Every bound below starts at 0 and is inclusive, so an array indexed
// 0..5 has six elements and element i of a per-position array is borehole i
// (element 0 the modelled water).
#include <array>
#include <cassert>
#include <cstdint>
#include <string>
#include "celler/Variant.h"

// 16-bit Booleans of the state: true is -1, false 0.
inline constexpr std::int16_t Sand = -1;
inline constexpr std::int16_t Falsk = 0;

// One-dimensional array with bounds 0..Sidste.
template <typename T, int Sidste>
using Raekke = std::array<T, Sidste + 1>;

// Two-dimensional array with bounds (0..SidsteRaekke, 0..SidsteSoejle), read and
// written as a(r, c). A fresh one holds 0 (numbers) or Empty (variants).
template <typename T, int SidsteRaekke, int SidsteSoejle>
class Tabel2 {
public:
    static constexpr int sidsteRaekke = SidsteRaekke;
    static constexpr int sidsteSoejle = SidsteSoejle;

    T& operator()(int r, int c) { return celler_[indeks(r, c)]; }
    const T& operator()(int r, int c) const { return celler_[indeks(r, c)]; }

private:
    static std::size_t indeks(int r, int c) {
        assert(r >= 0 && r <= SidsteRaekke && c >= 0 && c <= SidsteSoejle);
        return static_cast<std::size_t>(r) * (SidsteSoejle + 1) + static_cast<std::size_t>(c);
    }
    std::array<T, (SidsteRaekke + 1) * (SidsteSoejle + 1)> celler_{};
};

using PositionsTal = Raekke<double, 5>;      // per analyte / per position, 0..5
using PositionsVaerdier = Raekke<Variant, 5>;
using RedoxZoneTabel = Tabel2<Variant, 5, 4>;

inline constexpr int AntalAnalytter = 18;
inline constexpr int AntalProcesser = 17;

struct Beregningstilstand {
    // Per-analyte arrays, in the order of the rows of AnalyseData.
    PositionsTal Temperatur{};   // °C
    PositionsTal PH{};
    PositionsTal KoncCa{};       // mg Ca/l
    PositionsTal KoncMg{};       // mg Mg/l
    PositionsTal KoncNa{};       // mg Na/l
    PositionsTal KoncK{};        // mg K/l
    PositionsTal KoncNH4{};      // mg NH4/l
    PositionsTal KoncFe{};       // mg Fe/l
    PositionsTal KoncMn{};       // mg Mn/l
    PositionsTal KoncHCO3{};     // mg HCO3/l
    PositionsTal KoncCl{};       // mg Cl/l
    PositionsTal KoncSO4{};      // mg SO4/l
    PositionsTal KoncNO3{};      // mg NO3/l
    PositionsTal KoncF{};        // mg F/l
    PositionsTal KoncP{};        // mg P/l
    PositionsTal KoncNVOC{};     // mg C/l
    PositionsTal KoncO2{};       // mg O2/l
    PositionsTal KoncCH4{};      // mg CH4/l

    // Per-position results.
    PositionsTal Ionstyrke{};         // mol/l
    PositionsTal Kationer{};          // meq/l
    PositionsTal Anioner{};           // meq/l
    PositionsTal Ladningsbalance{};   // %
    PositionsTal Alkalinitet{};       // mol/l as HCO3
    PositionsTal PHVedKalkligevaegt{};
    PositionsTal OploestCO2{};        // mol/l
    PositionsTal CO2Tryk{};           // atm
    PositionsTal TUC{};               // mol/l
    PositionsTal MaetnIndeksCaCO3{};
    PositionsVaerdier MaetnIndeksFeCO3{};  // a double or "N/A"
    PositionsVaerdier Blandingsforhold{};  // % in 0..100, or empty

    // Redox ranking and naming.
    Raekke<std::int16_t, 5> RedoxRang{};
    PositionsVaerdier RedoxRangSum{};
    PositionsVaerdier PositionsNavne{};
    Tabel2<Variant, 2, 5> PositionsTabel{};
    Tabel2<Variant, 18, 5> DiagramPHKalk{};

    // Redox-zone criteria.
    RedoxZoneTabel RedoxKriterier{};
    RedoxZoneTabel RedoxZoneMatrix1{};
    RedoxZoneTabel RedoxZoneMatrix2{};
    RedoxZoneTabel RedoxZoneMatrix3{};
    RedoxZoneTabel RedoxZoneMatrix4{};
    RedoxZoneTabel RedoxZoneMatrix5{};

    // Process model tables.
    Tabel2<Variant, 6, 2> ProcesTabel{};
    Tabel2<Variant, 11, 3> RedoxTabel{};
    Tabel2<Variant, 19, 4> Mellemregninger{};
    Tabel2<Variant, 23, 3> NedstroemModel{};

    // First-order model.
    PositionsVaerdier Afstande{};
    Tabel2<double, 5, 5> KulbrinteKonc{};    // (component, borehole), mg/l
    std::int16_t HotspotNr = 0;
    Raekke<std::int16_t, 3> FilterNr{};
    Tabel2<Variant, 5, 6> Nedbrydningskonstanter{};

    // The seventeen process amounts, mg/l of each one's reference species.
    Variant ProcCO2;
    Variant ProcKalk;
    Variant ProcSalt;
    Variant ProcIonbytning;
    Variant ProcSiderit;
    Variant ProcAmmonium;
    Variant ProcIltreduktion;
    Variant ProcMethanogenese;
    Variant ProcManganreduktion;
    Variant ProcJernreduktion;
    Variant ProcSulfatreduktion;
    Variant ProcDenitrifikation;
    Variant ProcNitrifikation;
    Variant ProcPyritIlt;
    Variant ProcPyritNitrat;
    Variant ProcDelvisPyritIlt;
    Variant ProcDelvisPyritNitrat;

    // Shared scalars.
    std::int16_t BeregnIndeks = 0;
    std::int16_t AntalBoringer = 0;
    std::int16_t FraPosition = 0;
    std::int16_t TilPosition = 0;
    Variant ModelstofNavn;
    Variant KulstofValens;
    Variant KulstofIndhold;
    Variant BrugerKulstofValens;
    Variant BrugerKulstofIndhold;
    std::int16_t TvungenKalkligevaegt = Falsk;
    std::int16_t ProcesdataAendret = Falsk;
    // An input value accepted since the last accepted quality control: its results
    // (and the groundwater type and adjusted pH drawn from them) are stale.
    std::int16_t InddataAendret = Falsk;

    // Path of the current data file; lives here but is no part of the calculation
    // state, so OpretDataStrukturer leaves it alone.
    std::string FilNavn;

    // Process amount n = 1..17 (also its row in Mellemregninger).
    Variant& ProcesMaengde(int n);
    const Variant& ProcesMaengde(int n) const;

    // Per-analyte array of AnalyseData row 1..18.
    PositionsTal& Analyt(int raekke);
    const PositionsTal& Analyt(int raekke) const;

    // RedoxZoneMatrix1 .. RedoxZoneMatrix5 by number.
    RedoxZoneTabel& RedoxZoneMatrix(int n);
    const RedoxZoneTabel& RedoxZoneMatrix(int n) const;
};

// The one program-wide instance.
Beregningstilstand& tilstand();

// Creates the whole calculation state empty: every double and 16-bit integer 0,
// every variant Empty. FilNavn is kept.
void OpretDataStrukturer();

// Process data edited since the last successful modelling: set by the work window on
// an accepted process edit or a new model substance, cleared by a successful model run.
void SaetProcesdataAendret(bool aendret);
bool HentProcesdataAendret();

// Input accepted since the last accepted quality control: set by the work window's
// input grids on an accepted value, cleared by an accepted quality-control run and
// by the load of the work window.
void SaetInddataAendret(bool aendret);
bool HentInddataAendret();
