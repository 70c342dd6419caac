#include "HentSkrivFil.h"

#include <cmath>
#include <optional>
#include <vector>

#include "InputKontroller.h"
#include "Tabeller.h"
#include "celler/Talformat.h"
#include "celler/Tegnsaet.h"
#include "platform/Beskeder.h"

namespace {

constexpr std::string_view Erstatning = SemikolonIFilen;

// How a field is written and read back.
enum class Form {
    Kodet,          // free text of blocks 1 and 2: escaped, blanks trimmed
    Tal,            // analyses: a number in the file's format, or nothing
    Tekst,          // as read: names, units, characterisations
    TalSomTekst,    // distances, concentrations, groundwater-type values: as read,
                    // except that a number in another format than the user's is
                    // rewritten in the user's
    TalEllerTekst,  // results: a number where it reads as one, else the text; an
                    // empty field empties the cell, so an earlier line's result goes
};

struct Celle {
    int raekke;
    int soejle;
    Form form;
};

// One block as the reader meets it: re-dimension, then take the fields cell by cell.
struct Blok {
    GridTabel* tabel;
    int sidsteRaekke;
    bool medSoejler;  // also set the columns 0..sidsteSoejle
    int sidsteSoejle;
    std::vector<Celle> celler;
};

std::vector<Blok> LavBlokke() {
    Tabeller& t = tabeller();
    std::vector<Blok> b;

    Blok lokalitet{&t.LokalitetData, 5, false, 1, {}};
    for (int r = 1; r <= 5; ++r) lokalitet.celler.push_back({r, 1, Form::Kodet});
    b.push_back(std::move(lokalitet));

    Blok boring{&t.BoringData, 3, true, 6, {}};
    for (int c = 2; c <= 6; ++c)
        for (int r = 1; r <= 3; ++r) boring.celler.push_back({r, c, Form::Kodet});
    b.push_back(std::move(boring));

    Blok analyse{&t.AnalyseData, 18, true, 6, {}};
    for (int c = 2; c <= 6; ++c)
        for (int r = 1; r <= 18; ++r) analyse.celler.push_back({r, c, Form::Tal});
    b.push_back(std::move(analyse));

    // Distances and concentrations are numbers as typed: they tell the format too.
    Blok afstand{&t.AfstandData, 1, true, 6, {}};
    afstand.celler.push_back({1, 1, Form::Tekst});
    for (int c = 2; c <= 6; ++c) afstand.celler.push_back({1, c, Form::TalSomTekst});
    b.push_back(std::move(afstand));

    Blok komponent{&t.KomponentData, 5, true, 6, {}};
    for (int c : {0, 2, 3, 4, 5, 6})
        for (int r = 1; r <= 5; ++r) komponent.celler.push_back({r, c, c == 0 ? Form::Tekst : Form::TalSomTekst});
    b.push_back(std::move(komponent));

    Blok kvalitet{&t.KvalitetskontrolData, 10, true, 6, {}};
    for (int c = 2; c <= 6; ++c)
        for (int r = 1; r <= 10; ++r) kvalitet.celler.push_back({r, c, Form::TalEllerTekst});
    b.push_back(std::move(kvalitet));

    Blok blanding{&t.BlandingData, 2, true, 6, {}};
    for (int c = 1; c <= 5; ++c) {
        blanding.celler.push_back({1, c, Form::TalEllerTekst});
        blanding.celler.push_back({2, c, Form::Tekst});
    }
    b.push_back(std::move(blanding));

    for (auto& g : t.GrundvandstypeData) {
        // The criteria texts (">  1,0") are no numbers in any format; the values
        // of the positions are numbers or copies of the analyses as typed.
        Blok type{&g, 5, true, 5, {}};
        for (int r = 1; r <= 5; ++r)
            for (int z = 1; z <= 4; ++z) type.celler.push_back({r, z, Form::TalSomTekst});
        b.push_back(std::move(type));
    }
    return b;
}

// The tables live as long as the program, so the layout is made once.
const std::vector<Blok>& Blokke() {
    static const std::vector<Blok> b = LavBlokke();
    return b;
}

std::string Erstat(std::string_view tekst, std::string_view fra, std::string_view til) {
    std::string ud;
    ud.reserve(tekst.size());
    std::size_t i = 0;
    while (i < tekst.size()) {
        if (tekst.substr(i, fra.size()) == fra) {
            ud += til;
            i += fra.size();
        } else {
            ud += tekst[i++];
        }
    }
    return ud;
}

// ";" as "ð"; a CR or LF would end the line in the file, so it becomes a blank.
std::string Kod(std::string_view tekst) {
    std::string ud;
    ud.reserve(tekst.size());
    for (char ch : tekst) {
        if (ch == ';') ud += Erstatning;
        else if (ch == '\r' || ch == '\n') ud += ' ';
        else ud += ch;
    }
    return ud;
}

std::string Afkod(std::string_view tekst) { return Erstat(tekst, Erstatning, ";"); }

std::string TrimBlanke(std::string_view s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    const auto z = s.find_last_not_of(' ');
    return std::string(s.substr(a, z - a + 1));
}

std::string SomFelt(const Variant& v, Form form) {
    if (form == Form::Kodet) return KodSemikolon(v);
    // Every free text is escaped, not only those of blocks 1 and 2, so a ";" typed
    // anywhere cannot shift the fields; these keep their blanks.
    if (v.isText()) return Kod(v.text());
    return TekstForm(v);
}

std::array<Variant, 1001>& felter() {
    static std::array<Variant, 1001> f;
    return f;
}

// The formats a number field is weighed in: the user's and the other decimal sign's
// and, for a user who writes a decimal comma with another grouping sign, the Danish
// one beside the user's (Talformat::danskVedSiden): a Danish colleague's "1.500"
// then reads as under Danish settings, not as the English 1.5, the only reading the
// user's own format would leave it.
struct Talformater {
    const Talformat& bruger;
    Talformat andet;
    std::optional<Talformat> dansk;
};

// A number field as the two sides read it, each once.
struct Talfelt {
    Talformat::Laesning bruger;  // in the user's format, or in the Danish beside it
    Talformat::Laesning andet;
    bool afgjort = false;  // the field itself shows its format
    bool iAndet = false;   // read in the other format
    bool iDansk = false;   // the user's side read in the Danish format
};

// Numbers the program writes from doubles (the results) hold no grouping sign, so
// there a text with a grouping sign is no number of that format: "48.767" among
// the results is an English decimal, where typed it could be a Danish thousand.
bool SomSkrevet(const Talformat::Laesning& l, Form form) {
    return l.streng() && !(form == Form::TalEllerTekst && l.grupperet());
}

// Whole numbers, the most common fields, read alike in both formats: the second
// reading is spared.
bool UdenTegn(std::string_view s, const Talformat& a, const Talformat& b) {
    for (const char ch : s)
        if (ch == a.decimaltegn() || ch == a.tusindtegn() || ch == b.decimaltegn() || ch == b.tusindtegn())
            return false;
    return true;
}

// Reads every number field of the line in both formats and sets out, per field,
// the format it is read in: the one it reads in where only one reads it; where
// both do, the format most of the line's telling fields show, the user's on a tie.
// Typed numbers were accepted in their writer's format, so a hand-edited value in
// the other format tells its own. A field that reads in neither is read in the
// line's format with the grouping signs ignored, as files always were read.
void LaesTalfelter(const std::vector<Blok>& blokke, const Talformater& formater, std::vector<Talfelt>& talfelter) {
    const auto& felt = felter();
    talfelter.resize(AntalFelter);
    int brugerens = 0, andets = 0;
    std::size_t i = 0;
    for (const Blok& b : blokke)
        for (const Celle& c : b.celler) {
            const Variant& f = felt[i];
            Talfelt& t = talfelter[i++];
            if (c.form == Form::Kodet || c.form == Form::Tekst || !f.isText() || f.text().empty()) {
                t = Talfelt{};
                continue;
            }
            t.bruger = formater.bruger.laes(f.text());
            t.iDansk = false;
            if (formater.dansk && !t.bruger.streng()) {
                const Talformat::Laesning dansk = formater.dansk->laes(f.text());
                t.iDansk = dansk.streng() || (dansk.tal() && !t.bruger.tal());
                if (t.iDansk) t.bruger = dansk;
            }
            const bool udenTegn = UdenTegn(f.text(), formater.bruger, formater.andet);
            t.andet = udenTegn ? t.bruger : formater.andet.laes(f.text());
            const bool iBrugerens = SomSkrevet(t.bruger, c.form);
            t.iAndet = SomSkrevet(t.andet, c.form);
            t.afgjort = iBrugerens != t.iAndet;
            if (t.afgjort) ++(t.iAndet ? andets : brugerens);
        }
    const bool andetFormat = andets > brugerens;
    for (Talfelt& t : talfelter)
        if (!t.afgjort) t.iAndet = andetFormat;
}

// Takes the fields of FeltTabel into the blocks; stops at the first field that
// cannot be taken, the cells before it set.
bool FyldBlokke(RunError& fejl) {
    const auto& felt = felter();
    const std::vector<Blok>& blokke = Blokke();
    static std::vector<Talfelt> talfelter;  // kept, so a load allocates it once
    const Talformat& bruger = Talformat::aktuel();
    const Talformater formater{bruger, bruger.modsat(), bruger.danskVedSiden()};
    LaesTalfelter(blokke, formater, talfelter);
    std::size_t i = 0;
    for (const Blok& b : blokke) {
        GridTabel& tabel = *b.tabel;
        tabel.redimensioner(1, b.sidsteRaekke, b.medSoejler ? 0 : tabel.foersteSoejle(),
                            b.medSoejler ? b.sidsteSoejle : tabel.sidsteSoejle());
        for (const Celle& c : b.celler) {
            const Talfelt& t = talfelter[i];
            const Variant& f = felt[i++];
            const Talformat::Laesning& laest = t.iAndet ? t.andet : t.bruger;
            switch (c.form) {
            case Form::Kodet:
                tabel.saet(c.raekke, c.soejle, AfkodSemikolon(f));
                break;
            case Form::Tal:
                if (f.isText() && !f.text().empty()) {
                    // Only a finite number is taken, so what is read saves again.
                    const std::optional<double> x = laest.vaerdi();
                    if (!x || !std::isfinite(*x)) {
                        fejl = x ? RunError::Overflow : RunError::TypeMismatch;
                        return false;
                    }
                    tabel.saet(c.raekke, c.soejle, *x);
                }
                break;
            case Form::Tekst:
                tabel.saet(c.raekke, c.soejle, f.isText() ? Variant(Afkod(f.text())) : f);
                break;
            case Form::TalSomTekst:
                if (!f.isText()) {
                    tabel.saet(c.raekke, c.soejle, f);
                } else if ((t.iAndet || t.iDansk) && laest.streng()) {
                    // Rewritten sign for sign, not through the double, so the text
                    // keeps its digits and every run reads the number that was saved.
                    const Talformat& fra = t.iAndet ? formater.andet : *formater.dansk;
                    tabel.saet(c.raekke, c.soejle, fra.medTegnFra(f.text(), bruger));
                } else {
                    tabel.saet(c.raekke, c.soejle, Afkod(f.text()));
                }
                break;
            case Form::TalEllerTekst:
                if (!f.isText() || f.text().empty())
                    tabel.saet(c.raekke, c.soejle, Variant());
                else if (const std::optional<double> x = laest.vaerdi(); x && std::isfinite(*x))
                    tabel.saet(c.raekke, c.soejle, *x);
                else
                    tabel.saet(c.raekke, c.soejle, Afkod(f.text()));
                break;
            }
        }
    }
    return true;
}

// Whether a file is read as UTF-8: an editor that saved it again in UTF-8 made it
// valid UTF-8 throughout with letters of more than one byte, or began it with the
// byte-order mark. Windows-1252 text with a Danish letter in it is never valid
// UTF-8, so every file the program wrote reads as it always did. The whole file
// decides, so it is read through once before its lines are taken; a file that
// cannot be read is left to the reading proper to report.
bool ErUtf8(const std::string& sti) {
    TextFileIn fil;
    if (!fil.open(sti)) return false;
    bool flerbyte = false;
    std::string linje;
    for (bool foerste = true; fil.readLine(linje); foerste = false) {
        if (foerste && linje.starts_with(Utf8Bom)) return true;
        const Utf8Indhold indhold = SomUtf8(linje);
        if (indhold == Utf8Indhold::Ugyldig) return false;
        flerbyte = flerbyte || indhold == Utf8Indhold::Flerbyte;
    }
    return flerbyte;
}

}  // namespace

std::string KodSemikolon(const Variant& tekst) { return TrimBlanke(Kod(TekstForm(tekst))); }

std::string AfkodSemikolon(const Variant& tekst) { return TrimBlanke(Afkod(TekstForm(tekst))); }

const std::array<Variant, 1001>& FeltTabel() { return felter(); }

bool DelLinje(const std::string& linje, std::int16_t& antal, RunError& fejl) {
    std::vector<std::size_t> separatorer;
    std::size_t start = 0;
    while (start < linje.size()) {
        const std::size_t p = linje.find(';', start);
        if (p == std::string::npos) break;
        if (separatorer.size() == 1000) {
            fejl = RunError::SubscriptOutOfRange;
            return false;
        }
        separatorer.push_back(p);
        start = p + 1;
    }
    auto& felt = felter();
    felt.fill(Variant());
    antal = static_cast<std::int16_t>(separatorer.size());
    if (separatorer.empty()) {
        fejl = RunError::SubscriptOutOfRange;
        return false;
    }
    felt[0] = linje.substr(0, separatorer[0]);
    for (std::size_t k = 1; k < separatorer.size(); ++k)
        felt[k] = linje.substr(separatorer[k - 1] + 1, separatorer[k] - separatorer[k - 1] - 1);
    return true;
}

bool SkrivFil(const std::string& sti) {
    std::string linje;
    // A number that is not finite would be written as a text that no reader takes
    // back, so the file is not written at all.
    bool endelige = true;
    for (const Blok& b : Blokke())
        for (const Celle& c : b.celler) {
            const Variant& v = b.tabel->hent(c.raekke, c.soejle);
            endelige = endelige && !(v.isDouble() && !std::isfinite(v.dbl()));
            linje += SomFelt(v, c.form);
            linje += ';';
        }
    TextFileOut fil;
    const bool skrevet = endelige && fil.open(sti) && fil.writeLine(TilWindows1252(linje)) && fil.close();
    if (!skrevet) {
        fil.discard();
        visBesked("Der skete en fejl i forbindelse med at gemme data", BeskedIkon::Kritisk);
    }
    return skrevet;
}

bool HentFil(const std::string& sti) {
    NulstilAlleData();
    RunError fejl = RunError::None;
    std::string tegnfejl;  // the refusal of a character, in place of an error's description
    TextFileIn fil;
    if (!fil.open(sti)) {
        fejl = fil.error();
    } else {
        const bool utf8 = ErUtf8(sti);
        bool foersteLinje = true;
        std::string raa;
        while (!fil.eof()) {
            if (!fil.readLine(raa)) {
                fejl = fil.error() == RunError::None ? RunError::DeviceIOError : fil.error();
                break;
            }
            const bool bom = foersteLinje && utf8 && raa.starts_with(Utf8Bom);
            if (bom) raa.erase(0, Utf8Bom.size());
            // Editors often end a file with an empty line; any other empty line is
            // still an error. After the byte-order mark it is such a last line.
            if (raa.empty() && (!foersteLinje || bom)) {
                const bool sidste = fil.eof();
                if (fil.error() != RunError::None) {
                    fejl = fil.error();
                    break;
                }
                if (sidste) break;
            }
            const std::string tekst = utf8 ? SammensatForm(FraUtf8(raa)) : FraWindows1252(raa);
            // A UTF-8 text can hold what the tables could not save again: such a file
            // is refused, as one typed character would be, rather than changed.
            if (const auto tegn = utf8 ? FoersteTegnUdenforWindows1252(tekst) : std::nullopt) {
                tegnfejl = "Filen " + IkkeGemmeligtTegn(*tegn);
                break;
            }
            std::int16_t antal = 0;
            if (!DelLinje(tekst, antal, fejl)) break;
            if (!FyldBlokke(fejl)) break;
            foersteLinje = false;
        }
        fil.close();
    }
    if (fejl == RunError::None && tegnfejl.empty()) return true;
    visBesked(tegnfejl.empty() ? errorDescription(fejl) : tegnfejl);
    visBesked("Filen kunne ikke læses, sikkert fordi filen enten ikke kunne findes eller fordi det ikke er en "
              "Akvifer data fil");
    return false;
}
