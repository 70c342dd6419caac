#pragma once
// The page layout of the print document: tables of text cells laid out on A4 pages
// in twips (1/1440 inch) from the page's top left corner. Plain data, no font and no
// screen: the width of a text comes from a Tekstmaal, which the Qt layer gives from
// the real font and the tests from a fixed rule, so the pagination is the same code
// for the preview, the PDF, the printer and the tests.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Justering.h"

// A colour as the print document takes it: &HBBGGRR, or a system colour &H800000nn.
using Farvekode = std::uint32_t;
inline constexpr Farvekode FarveHvid = 0xFFFFFF;
inline constexpr Farvekode SystemfarveMenu = 0x80000004;         // the title cells
inline constexpr Farvekode SystemfarveArbejdsflade = 0x8000000C;  // passed with every table

inline bool ErSystemfarve(Farvekode f) { return (f & 0x80000000u) != 0; }


struct Kolonne {
    VandretJustering justering = VandretJustering::Venstre;
    int bredde = 0;  // twips
    bool operator==(const Kolonne&) const = default;
};

// A format string "<+3600|<+7000;": one spec per column, "|" between, ";" closing
// (a missing closing ";" reads the same). A spec is "<" (left) or "^" (centred),
// an optional "+", and the width in twips. A spec that cannot be read is skipped.
std::vector<Kolonne> FortolkFormat(std::string_view format);

// A table's body as rows of cell texts. The body string writes it with "|" between
// the cells and ";" after each row; a text holding "|" or ";" cannot be written that
// way, which is why the documents take the rows and never parse a cell.
using Tabelraekke = std::vector<std::string>;
using Tabelraekker = std::vector<Tabelraekke>;
std::string SammensaetKrop(const Tabelraekker& raekker);
Tabelraekker FortolkKrop(std::string_view krop);

// The settings a cell takes after its table is added.
enum class Celleindstilling { Raekkehoejde, Fed, Spaend, Baggrundsfarve, Justering };

// The alignment code of a cell: code % 3 is the horizontal alignment (left, centred,
// right), code / 3 the vertical one (top, middle, bottom); 7 centres at the bottom.
VandretJustering VandretAfKode(int kode);
LodretJustering LodretAfKode(int kode);

struct Tabelcelle {
    std::string tekst;
    bool fed = false;
    int spaend = 1;                     // columns covered, counted from the cell's own
    std::optional<Farvekode> baggrund;  // the table's own when not set
    std::optional<int> justering;       // alignment code; the column's when not set
};

// A table as the document holds it from adding to laying out.
struct Tabel {
    std::vector<Kolonne> kolonner;
    std::vector<std::vector<Tabelcelle>> raekker;  // every row as wide as kolonner
    std::vector<int> raekkehoejde;                 // least height per row, twips
    Farvekode baggrund = FarveHvid;

    // Cells beyond the format's columns are dropped: they have nowhere to stand.
    static Tabel ny(std::vector<Kolonne> kolonner, const Tabelraekker& krop, Farvekode baggrund);
    int antalRaekker() const { return static_cast<int>(raekker.size()); }
    int antalKolonner() const { return static_cast<int>(kolonner.size()); }
};

// The width of texts in the document's font. The tests and the layout without a
// screen use StandardTekstmaal; the Qt layer measures Liberation Serif.
class Tekstmaal {
public:
    virtual ~Tekstmaal() = default;
    virtual double bredde(std::string_view tekst, double punkter, bool fed) const = 0;  // twips
    virtual double linjehoejde(double punkter, bool fed) const = 0;                     // twips
};

// 0.45 em per character (a serif face's average), 1.15 em per line.
class StandardTekstmaal : public Tekstmaal {
public:
    double bredde(std::string_view tekst, double punkter, bool fed) const override;
    double linjehoejde(double punkter, bool fed) const override;
};

// Page geometry, twips. A4 portrait; the 10600-twip tables stand centred.
struct Sidemaal {
    int bredde = 11906;
    int hoejde = 16838;
    int venstre = 653;     // (11906 - 10600) / 2
    int hovedTop = 600;    // first line of the header
    int kropTop = 2200;    // where a further page's content begins
    int kropBund = 15700;  // no row reaches below
    int fodTop = 15950;    // the footer line
    int cellePolster = 60; // text inset from the cell's left and right edges
    int linjePolster = 25; // above and below the text of a grown row
};

// One laid-out cell: its box on the page and its text broken into lines.
struct Sidecelle {
    int x = 0, y = 0, bredde = 0, hoejde = 0;
    std::vector<std::string> linjer;
    bool fed = false;
    double punkter = 10;
    std::optional<Farvekode> baggrund;  // nothing painted when empty
    VandretJustering vandret = VandretJustering::Venstre;
    LodretJustering lodret = LodretJustering::Midte;
};

struct Side {
    int nummer = 1;
    std::string hoved;                         // line feeds kept
    std::string fodVenstre, fodMidte, fodHoejre;  // the page number already put in
    std::vector<Sidecelle> celler;
};

// Header and footer as the document holds them; the footer's right part may carry
// "%d" for the page number.
struct Sidehoved {
    std::string hoved;
    std::string fodVenstre, fodMidte, fodHoejre;
};

// "%d" in the footer's right part becomes the page number; nothing else is read.
std::string MedSidenummer(const std::string& hoejreDel, int side);

// Lays tables out one under the other from a vertical position, page after page.
// Rows are never split; a row that does not fit begins the next page, taking with it
// the heading rows right above it (a block's captions and zone headings, a table's
// title and heading row), unless they alone fill the page. A page begins when something is first placed on it (raising sideStartet first),
// so a setting made right after a new page is in force for what the page shows.
class Sidelayout {
public:
    explicit Sidelayout(const Tekstmaal& maal, Sidemaal sidemaal = {});

    std::function<void()> sideStartet;

    void nulstil();  // no pages, vertical position at the top of the content
    const Sidemaal& sidemaal() const { return s_; }
    void saetTekstmaal(const Tekstmaal& maal) { maal_ = &maal; }

    double y() const { return y_; }
    void saetY(double twips) { y_ = twips; }

    void nySide();  // what follows begins on a new page
    // Begins a page when none is open, so its start event has run before a setting
    // in force for the content (the font size) is read.
    void sikrSide();
    // Lays the table out at the vertical position, rows running on to further pages;
    // afterwards the vertical position lies below its last row.
    void tabel(const Tabel& t, double punkter);
    // A paragraph of text across the page's width (an empty text: one empty line).
    void afsnit(const std::string& tekst, double punkter);

    // Ends the document: at least one page, header and footer on each.
    void afslut(const Sidehoved& h);

    const std::vector<Side>& sider() const { return sider_; }

private:
    void beginSide();
    // Begins a page and puts the vertical position at the top of its content.
    void fortsaetPaaNySide();
    // Whether something that high, placed at the vertical position, would reach below
    // the content; at the top of the content anything is placed, fitting or not.
    bool passerIkke(double hoejde) const;
    // Begins the next page for a row that does not fit; heading rows standing right
    // above it at the foot of the page go along, so a heading never ends a page.
    void sideskift();
    // The text broken into lines that fit the width (twips), words kept whole where
    // they fit; a word wider than the line is broken between characters.
    std::vector<std::string> ombryd(const std::string& tekst, double bredde, double punkter, bool fed) const;

    const Tekstmaal* maal_;
    Sidemaal s_;
    std::vector<Side> sider_;
    // The rows on the open page, for moving a page's last headings to the next one.
    struct LagtRaekke {
        std::size_t foersteCelle;
        int y, hoejde;
        bool overskrift;  // a bold cell and no plain text: a title, caption or heading row
    };
    std::vector<LagtRaekke> raekker_;
    bool sideAaben_ = false;
    double y_ = 0;
};
