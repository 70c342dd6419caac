#include "Beregningstilstand.h"

#include <stdexcept>
#include <utility>

namespace {

using B = Beregningstilstand;

// Process number n at index n.
constexpr Variant B::* procesMaengder[AntalProcesser + 1] = {
    nullptr,
    &B::ProcCO2, &B::ProcKalk, &B::ProcSalt, &B::ProcIonbytning, &B::ProcSiderit,
    &B::ProcAmmonium, &B::ProcIltreduktion, &B::ProcMethanogenese, &B::ProcManganreduktion,
    &B::ProcJernreduktion, &B::ProcSulfatreduktion, &B::ProcDenitrifikation,
    &B::ProcNitrifikation, &B::ProcPyritIlt, &B::ProcPyritNitrat, &B::ProcDelvisPyritIlt,
    &B::ProcDelvisPyritNitrat,
};

// AnalyseData row r at index r.
constexpr PositionsTal B::* analytter[AntalAnalytter + 1] = {
    nullptr,
    &B::Temperatur, &B::PH, &B::KoncCa, &B::KoncMg, &B::KoncNa, &B::KoncK, &B::KoncNH4,
    &B::KoncFe, &B::KoncMn, &B::KoncHCO3, &B::KoncCl, &B::KoncSO4, &B::KoncNO3, &B::KoncF,
    &B::KoncP, &B::KoncNVOC, &B::KoncO2, &B::KoncCH4,
};

// Matrix n at index n.
constexpr RedoxZoneTabel B::* zoneMatricer[] = {
    nullptr,
    &B::RedoxZoneMatrix1, &B::RedoxZoneMatrix2, &B::RedoxZoneMatrix3, &B::RedoxZoneMatrix4,
    &B::RedoxZoneMatrix5,
};

// Member n of a table whose element 0 is unused. An index outside the table is a
// programming error, never a user's input.
template <typename T, std::size_t N>
T B::* medlem(T B::* const (&tabel)[N], int n, const char* hvad) {
    if (n < 1 || n >= static_cast<int>(N)) throw std::out_of_range(hvad);
    return tabel[n];
}

}  // namespace

Variant& Beregningstilstand::ProcesMaengde(int n) { return this->*medlem(procesMaengder, n, "ProcesMaengde"); }
const Variant& Beregningstilstand::ProcesMaengde(int n) const {
    return this->*medlem(procesMaengder, n, "ProcesMaengde");
}

PositionsTal& Beregningstilstand::Analyt(int raekke) { return this->*medlem(analytter, raekke, "Analyt"); }
const PositionsTal& Beregningstilstand::Analyt(int raekke) const {
    return this->*medlem(analytter, raekke, "Analyt");
}

RedoxZoneTabel& Beregningstilstand::RedoxZoneMatrix(int n) {
    return this->*medlem(zoneMatricer, n, "RedoxZoneMatrix");
}
const RedoxZoneTabel& Beregningstilstand::RedoxZoneMatrix(int n) const {
    return this->*medlem(zoneMatricer, n, "RedoxZoneMatrix");
}

Beregningstilstand& tilstand() {
    static Beregningstilstand t;
    return t;
}

void OpretDataStrukturer() {
    Beregningstilstand& t = tilstand();
    std::string filNavn = std::move(t.FilNavn);
    t = Beregningstilstand{};
    t.FilNavn = std::move(filNavn);
}

void SaetProcesdataAendret(bool aendret) { tilstand().ProcesdataAendret = aendret ? Sand : Falsk; }

bool HentProcesdataAendret() { return tilstand().ProcesdataAendret != Falsk; }

void SaetInddataAendret(bool aendret) { tilstand().InddataAendret = aendret ? Sand : Falsk; }

bool HentInddataAendret() { return tilstand().InddataAendret != Falsk; }
