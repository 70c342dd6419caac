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

constexpr RedoxZoneTabel B::* zoneMatricer[6] = {
    nullptr,
    &B::RedoxZoneMatrix1, &B::RedoxZoneMatrix2, &B::RedoxZoneMatrix3, &B::RedoxZoneMatrix4,
    &B::RedoxZoneMatrix5,
};

// An index outside the table is a programming error, never a user's input.
void kraevIndenfor(int n, int foerste, int sidste, const char* hvad) {
    if (n < foerste || n > sidste) throw std::out_of_range(hvad);
}

}  // namespace

Variant& Beregningstilstand::ProcesMaengde(int n) {
    kraevIndenfor(n, 1, AntalProcesser, "ProcesMaengde");
    return this->*procesMaengder[n];
}

const Variant& Beregningstilstand::ProcesMaengde(int n) const {
    kraevIndenfor(n, 1, AntalProcesser, "ProcesMaengde");
    return this->*procesMaengder[n];
}

PositionsTal& Beregningstilstand::Analyt(int raekke) {
    kraevIndenfor(raekke, 1, AntalAnalytter, "Analyt");
    return this->*analytter[raekke];
}

const PositionsTal& Beregningstilstand::Analyt(int raekke) const {
    kraevIndenfor(raekke, 1, AntalAnalytter, "Analyt");
    return this->*analytter[raekke];
}

RedoxZoneTabel& Beregningstilstand::RedoxZoneMatrix(int n) {
    kraevIndenfor(n, 1, 5, "RedoxZoneMatrix");
    return this->*zoneMatricer[n];
}

const RedoxZoneTabel& Beregningstilstand::RedoxZoneMatrix(int n) const {
    kraevIndenfor(n, 1, 5, "RedoxZoneMatrix");
    return this->*zoneMatricer[n];
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
