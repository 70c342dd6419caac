#include "InputKontroller.h"

#include <algorithm>
#include <optional>
#include <span>

#include "HentSkrivFil.h"
#include "Tabeller.h"
#include "celler/Tegnsaet.h"
#include "platform/Beskeder.h"

namespace {

// One rule: a length limit (laengdeTekst set) or a numeric interval (interval set);
// neither means the cell is not tested. The upper bound is always exclusive.
struct Regel {
    int laengde = 0;
    const char* laengdeTekst = nullptr;
    double nedre = 0;
    bool nedreMedtaget = false;
    double oevre = 0;
    const char* interval = nullptr;
};

constexpr Regel Ingen{};
constexpr Regel L50{50, "er længere end 50 tegn"};
constexpr Regel L20{20, "er længere end 20 tegn"};
constexpr Regel Over(double nedre, double oevre, const char* tekst) { return {0, nullptr, nedre, false, oevre, tekst}; }
constexpr Regel Fra(double nedre, double oevre, const char* tekst) { return {0, nullptr, nedre, true, oevre, tekst}; }

// The rules of each check, indexed from foersteIndeks; an index outside passes.
struct Kontroltabel {
    int foersteIndeks;
    std::span<const Regel> regler;
    bool haleEfterHint;  // the interval message ends with CR LF LF after the hint

    const Regel& regel(int indeks) const {
        const int i = indeks - foersteIndeks;
        if (i < 0 || i >= static_cast<int>(regler.size())) return Ingen;
        return regler[static_cast<std::size_t>(i)];
    }
};

constexpr Regel LokalitetRegler[] = {L50, L50, L50, L50, L50};
// A too-long hydraulic position (row 2) gets the length message like the other rows.
constexpr Regel BoringRegler[] = {L20, L20, L20};

constexpr Regel AnalyseRegler[] = {
    Over(0, 80, " 0 < Temperatur < 80"),
    Over(5, 10, " 5 < PH < 10"),
    Fra(5, 1000, " 5 <= Calcium < 1000"),
    Fra(0, 1000, " 0 <= Magnesium < 1000"),
    Fra(0, 5000, " 0 <= Natrium < 5000"),
    Fra(0, 1000, " 0 <= Kalium < 1000"),
    Fra(0, 100, " 0 <= Ammonium < 100"),
    Fra(0, 100, " 0 <= Jern < 100"),
    Fra(0, 100, " 0 <= Mangan < 100"),
    Fra(8, 1500, " 8 <= Bikarbonat < 1500"),
    Fra(0, 7000, " 0 <= Klorid < 7000"),
    Fra(0, 1500, " 0 <= Sulfat < 1500"),
    Fra(0, 500, " 0 <= Nitrat < 500"),
    Fra(0, 50, " 0 <= Fluorid < 50"),
    Fra(0, 10, " 0 <= Fosfat < 10"),
    Fra(0, 500, " 0 <= NVOC < 500"),
    Fra(0, 20, " 0 <= Ilt < 20"),
    Fra(0, 50, " 0 <= Metan < 50"),
};

// Indexed by the column: 0 the label, 1 the unit, 2..6 the boreholes.
constexpr Regel AfstandInterval = Fra(0, 1000000, " 0 <= Afstand / tid < 1000000");
constexpr Regel AfstandRegler[] = {Ingen, L20, AfstandInterval, AfstandInterval, AfstandInterval,
                                   AfstandInterval, AfstandInterval};
// Column 0 the component's name, 1 its unit (not tested), 2..6 the boreholes.
constexpr Regel KomponentInterval = Fra(0, 1000000, " 0 <= kulbrinte < 1000000");
constexpr Regel KomponentRegler[] = {L20, Ingen, KomponentInterval, KomponentInterval,
                                     KomponentInterval, KomponentInterval, KomponentInterval};

constexpr Regel IonbytningRegler[] = {
    Fra(0, 5000, " 0 <= Salt < 5000"),
    Over(-5000, 5000, " -5000 < IonBytning < 5000"),
    Over(-500, 500, " -500 < FeCO3 < 500"),
    Over(0, 500, " 0 < NH4 < 500"),
};

constexpr Regel KulstofRegler[] = {
    Fra(-4, 4, " -4 <= Kulstofs iltningstrin < 4"),
    Over(1, 100, " 1 < Kulstof % < 100"),
};

constexpr Regel RedoxRegler[] = {
    Fra(0, 1000, " 0 <= Iltreduktion < 1000"),
    Fra(0, 100, " 0 <= Methanogenese < 100"),
    Fra(0, 100, " 0 <= Manganreduktion < 100"),
    Fra(0, 500, " 0 <= Jernreduktion < 500"),
    Fra(0, 1500, " 0 <= Sulfatreduktion < 1500"),
    Fra(0, 500, " 0 <= Detrinifikation < 500"),
    Fra(0, 500, " 0 <= Nitrifikation < 500"),
    Fra(0, 500, " 0 <= Pyritoxidation m. ilt < 500"),
    Fra(0, 500, " 0 <= Pyritoxidation m. nitrat < 500"),
    Fra(0, 500, " 0 <= Delvis Pyritoxidation m. ilt < 500"),
    Fra(0, 500, " 0 <= Delvis Pyritoxidation m. nitrat < 500"),
};

constexpr Kontroltabel Lokalitet{1, LokalitetRegler, false};
constexpr Kontroltabel Boring{1, BoringRegler, false};
constexpr Kontroltabel Analyse{1, AnalyseRegler, false};
constexpr Kontroltabel Afstand{0, AfstandRegler, true};
constexpr Kontroltabel Komponent{0, KomponentRegler, true};
constexpr Kontroltabel Ionbytning{1, IonbytningRegler, false};
constexpr Kontroltabel Kulstof{1, KulstofRegler, false};
constexpr Kontroltabel Redox{1, RedoxRegler, false};

// Message lines are broken by LF followed by CR.
constexpr const char* Decimalhint =
    "Vær opmærksom på, at decimalpunktum på \n\r"
    "computere med dansk tegnopsætning har betydning\n\r"
    "som separator, mens komma benyttes som decimaltegn.";

// The first character of a text that a save would not give back as typed: one
// Windows-1252 has no byte for (it would be saved as "?"), the file's stand-in for
// ";" (it would come back as ";"), or a line break, pasted (it would end the file's
// line, so it is saved as a blank). Every cell refuses it, before its own rule.
std::optional<Tegn> UgemmeligtTegn(const std::string& tekst) {
    const std::size_t p = std::min(tekst.find(SemikolonIFilen), tekst.find_first_of("\r\n"));
    if (auto tegn = FoersteTegnUdenforWindows1252(std::string_view(tekst).substr(0, p))) return tegn;
    if (p == std::string::npos) return std::nullopt;
    if (tekst[p] == '\r' || tekst[p] == '\n') return Tegn{std::string(1, tekst[p]), static_cast<char32_t>(tekst[p])};
    return Tegn{std::string(SemikolonIFilen), U'\u00F0'};
}

bool Godkendt(const Kontroltabel& tabel, const Variant& vaerdi, int indeks) {
    const std::string tekst = TekstForm(vaerdi);  // Null and Empty give ""
    if (tekst.empty()) return true;
    if (UgemmeligtTegn(tekst)) return false;
    const Regel& r = tabel.regel(indeks);
    if (r.laengdeTekst) return AntalTegn(tekst) <= static_cast<std::size_t>(r.laengde);
    if (!r.interval) return true;
    // A text that is no number is refused with the interval message; its hint names
    // the commonest cause, the other decimal sign typed ("2.5" in a Danish locale
    // has no groups of three, so it is no number rather than 25).
    const std::optional<double> x = SomTal(vaerdi);
    if (!x) return false;
    const bool overNedre = r.nedreMedtaget ? *x >= r.nedre : *x > r.nedre;
    return overNedre && *x < r.oevre;
}

std::string Meddelelse(const Kontroltabel& tabel, int indeks, const Variant& vaerdi) {
    std::string m = "Den indtastede værdi: " + TekstForm(vaerdi) + "\n\r";
    if (const auto tegn = UgemmeligtTegn(TekstForm(vaerdi))) return m + IkkeGemmeligtTegn(*tegn);
    const Regel& r = tabel.regel(indeks);
    if (r.laengdeTekst) return m + r.laengdeTekst + "\n\n\r\r\n\n";
    if (!r.interval) return m;  // no rule, so no check refuses here
    m += "er udenfor intervalet\n\n\r";
    m += r.interval;
    m += "\r\n\n";
    m += Decimalhint;
    if (tabel.haleEfterHint) m += "\r\n\n";
    return m;
}

void VisHvis(bool vis, const std::string& tekst) {
    if (vis) visBesked(tekst, BeskedIkon::Udraab, BeskedKnapper::OK, "Inddatakontrol");
}

// A refused value shows its message (when asked to) or hands it back; the message
// is left alone when the value passes.
bool Kontroller(const Kontroltabel& tabel, const Variant& vaerdi, int indeks, bool vis) {
    if (Godkendt(tabel, vaerdi, indeks)) return true;
    VisHvis(vis, Meddelelse(tabel, indeks, vaerdi));
    return false;
}

bool Kontroller(const Kontroltabel& tabel, const Variant& vaerdi, int indeks, std::string& meddelelse) {
    if (Godkendt(tabel, vaerdi, indeks)) return true;
    meddelelse = Meddelelse(tabel, indeks, vaerdi);
    return false;
}

}  // namespace

std::string IkkeGemmeligtTegn(const Tegn& tegn) {
    return "indeholder tegnet " + TegnetsNavn(tegn) + ", som ikke kan gemmes i datafilen.";
}

void MeddelelseLokalitet(int raekke, const Variant& vaerdi, bool vis) { VisHvis(vis, Meddelelse(Lokalitet, raekke, vaerdi)); }
void MeddelelseBoring(int raekke, const Variant& vaerdi, bool vis) { VisHvis(vis, Meddelelse(Boring, raekke, vaerdi)); }
void MeddelelseAnalyse(int raekke, const Variant& vaerdi, bool vis) { VisHvis(vis, Meddelelse(Analyse, raekke, vaerdi)); }
void MeddelelseAfstand(int soejle, const Variant& vaerdi, bool vis) { VisHvis(vis, Meddelelse(Afstand, soejle, vaerdi)); }
void MeddelelseKomponent(int soejle, const Variant& vaerdi, bool vis) { VisHvis(vis, Meddelelse(Komponent, soejle, vaerdi)); }

void MeddelelseIonbytning(int raekke, const Variant& vaerdi, std::string& meddelelse) {
    meddelelse = Meddelelse(Ionbytning, raekke, vaerdi);
}
void MeddelelseKulstof(int raekke, const Variant& vaerdi, std::string& meddelelse) {
    meddelelse = Meddelelse(Kulstof, raekke, vaerdi);
}
void MeddelelseRedox(int raekke, const Variant& vaerdi, std::string& meddelelse) {
    meddelelse = Meddelelse(Redox, raekke, vaerdi);
}

bool KontrolLokalitet(const Variant& vaerdi, int raekke, bool vis) { return Kontroller(Lokalitet, vaerdi, raekke, vis); }
bool KontrolBoring(const Variant& vaerdi, int raekke, bool vis) { return Kontroller(Boring, vaerdi, raekke, vis); }
bool KontrolAnalyse(const Variant& vaerdi, int raekke, bool vis) { return Kontroller(Analyse, vaerdi, raekke, vis); }
bool KontrolAfstand(const Variant& vaerdi, int soejle, bool vis) { return Kontroller(Afstand, vaerdi, soejle, vis); }
bool KontrolKomponent(const Variant& vaerdi, int soejle, bool vis) { return Kontroller(Komponent, vaerdi, soejle, vis); }

bool KontrolIonbytning(const Variant& vaerdi, int raekke, std::string& meddelelse) {
    return Kontroller(Ionbytning, vaerdi, raekke, meddelelse);
}
bool KontrolKulstof(const Variant& vaerdi, int raekke, std::string& meddelelse) {
    return Kontroller(Kulstof, vaerdi, raekke, meddelelse);
}
bool KontrolRedox(const Variant& vaerdi, int raekke, std::string& meddelelse) {
    return Kontroller(Redox, vaerdi, raekke, meddelelse);
}

bool KontrolAfInputfil(const std::string& sti) {
    Tabeller& t = tabeller();
    // Every cell is checked, even after a failure; the user hears of the file once.
    bool fejl = false;
    for (int r = 1; r <= 5; ++r)
        if (!KontrolLokalitet(t.LokalitetData.hent(r, 1), r, false)) fejl = true;
    for (int c = 2; c <= 6; ++c)
        for (int r = 1; r <= 3; ++r)
            if (!KontrolBoring(t.BoringData.hent(r, c), r, false)) fejl = true;
    for (int c = 2; c <= 6; ++c)
        for (int r = 1; r <= 18; ++r)
            if (!KontrolAnalyse(t.AnalyseData.hent(r, c), r, false)) fejl = true;
    for (int c = 1; c <= 6; ++c)
        if (!KontrolAfstand(t.AfstandData.hent(1, c), c, false)) fejl = true;
    for (int c : {0, 2, 3, 4, 5, 6})
        for (int r = 1; r <= 5; ++r)
            if (!KontrolKomponent(t.KomponentData.hent(r, c), c, false)) fejl = true;
    if (!fejl) return true;
    visBesked("Filen " + sti + " er enten beskadiget \n\reller ikke en gyldig AKV fil.", BeskedIkon::Kritisk,
              BeskedKnapper::OK, "Kontrol af inputfil");
    return false;
}
