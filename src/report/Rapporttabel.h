#pragma once
// How every table of the report is made, written once: start the table, write the
// presets, add it with its format and rows, write its cell settings, end it. A section
// describes each table as data (a Rapporttabel) and hands it to UdskrivTabel.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "celler/GridTabel.h"
#include "celler/Variant.h"
#include "platform/Udskrift.h"

inline constexpr int Raekkehoejde = 290;  // twips, every row of every report table

// Where a table stands: at a fixed vertical position, or a gap below the current one.
struct LodretPlacering {
    bool mellemrum = true;  // false: the fixed position
    double twips = 0;
    static LodretPlacering fast(double twips) { return {false, twips}; }
    static LodretPlacering under(double mellemrum) { return {true, mellemrum}; }
};

// The presets written before a table is added, in the order A, B, back colour
// (white), vertical position, E, C, D, or with the vertical position after D.
struct Forudindstillinger {
    bool B = false;
    std::optional<LodretPlacering> lodret;  // nothing: the table follows right under
    bool lodretEfterD = false;
    std::optional<int> E;  // only before the report's first table

    static Forudindstillinger under(double mellemrum, bool b = false) {
        Forudindstillinger f;
        f.B = b;
        f.lodret = LodretPlacering::under(mellemrum);
        return f;
    }
    static Forudindstillinger fast(double twips) {
        Forudindstillinger f;
        f.lodret = LodretPlacering::fast(twips);
        return f;
    }
    static Forudindstillinger udenLodret(bool b = false) {
        Forudindstillinger f;
        f.B = b;
        return f;
    }
};

// One setting after the table is added. A cell range with AlleRaekker as its rows,
// or the whole table when helTabel is set.
struct Celletrin {
    Celleindstilling indstilling;
    int raekke1 = 1, kolonne1 = 1, raekke2 = 1, kolonne2 = 1;
    long long vaerdi = 0;
    bool omraade = false;
    bool helTabel = false;
};
struct SaetBFalsk {};
struct FlytLodret {
    LodretPlacering placering;
};
using Efterindstilling = std::variant<Celletrin, SaetBFalsk, FlytLodret>;

// The settings as the sections write them.
Efterindstilling RaekkehoejdeAlle();  // 290 on all rows, columns 1 to 8 whatever the width
Efterindstilling Fed(int raekke, int kolonne);
Efterindstilling Spaend(int raekke, int kolonne, int kolonner);
Efterindstilling Titelfarve(int raekke, int kolonne);  // the menu colour of the titles
Efterindstilling Justering(int raekke, int kolonne, int kode);
Efterindstilling HeleTabellen(Celleindstilling s, long long vaerdi);
Efterindstilling BFalsk();
Efterindstilling Lodret(LodretPlacering p);
// Bold on (raekke, fra) .. (raekke, til), one cell at a time.
void FedRaekke(std::vector<Efterindstilling>& til, int raekke, int fraKolonne, int tilKolonne);

struct Rapporttabel {
    std::string format;
    Tabelraekker raekker;
    // Nothing: no presets are written, the ones left by the table before stand.
    std::optional<Forudindstillinger> forudindstillinger;
    bool startEfterForudindstillinger = false;  // the table is started after its presets
    std::vector<Efterindstilling> indstillinger;  // in the order written, after adding
};

// Writes the table into the open document, laid out where the vertical position
// then stands.
void UdskrivTabel(Udskrift& u, const Rapporttabel& t);

// Row raekke of a grid table, columns fra to til, as a body row. Each cell prints in
// its text form (TekstForm): a number in the user's locale (7,25 under Danish
// settings), a text as typed, an empty or null cell empty.
Tabelraekke RaekkeFraTabel(const GridTabel& t, int raekke, int fraKolonne, int tilKolonne);

// Rows fraRaekke..tilRaekke of a grid table, columns fraKolonne..tilKolonne, appended
// as body rows.
void TilfoejRaekker(Tabelraekker& til, const GridTabel& t, int fraRaekke, int tilRaekke, int fraKolonne,
                    int tilKolonne);

// ---- The borehole tables of the input-data and quality-control sections ----

// Label 2000 and unit 1600 make the 3600 of the site table's label column, and the
// five boreholes of 1400 its value column of 7000, so the columns stand under one another.
inline constexpr const char* BoringFormat = "<+2000|<+1600|<+1400|<+1400|<+1400|<+1400|<+1400;";

// A borehole table mellemrum twips under the one before: its title across all seven
// columns on the menu colour and, with overskrift, the bold heading row "Parameter",
// "Enhed" and the five borehole names; settings B cleared after the cells. The body
// rows are the caller's to add.
Rapporttabel Boringstabel(const std::string& titel, double mellemrum, bool overskrift);
