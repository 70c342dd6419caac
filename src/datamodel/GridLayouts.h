#pragma once
// The layout of every grid of the work window as data: per grid its table, the
// table's bounds, caption and font size, and one row per column with every setting.
// DivGrids applies these rows; nothing here touches a grid.
#include <optional>
#include <string>
#include <vector>

#include "celler/GridTabel.h"
#include "platform/Grid.h"

inline constexpr int GridFontstoerrelse = 8;  // points

// Where a drop-down column takes its items from.
enum class ListeIndhold {
    Modelstoffer,       // the fourteen model substances (ModelstofTabel)
    BoringerPlacering,  // boreholes 1..AntalBoringer shown by their hydraulic position
    BoringerNavn,       // boreholes 1..AntalBoringer shown by their name
};

struct Rullelisteopsaetning {
    bool listOptionA = false;
    bool listOptionB = false;
    bool listOptionC = false;
    ListeIndhold indhold = ListeIndhold::Modelstoffer;
};

// One column. An optional setting left empty is not set: the design's or the
// component's value stays.
struct Soejleopsaetning {
    std::optional<std::string> overskrift{};
    int bredde = 0;  // twips
    bool laast = true;
    bool fed = false;
    std::optional<VandretJustering> justering{};
    std::optional<std::string> talformat{};
    bool hvidBaggrund = false;
    std::optional<bool> optionA = false;
    bool optionB = false;
    std::optional<bool> optionC{};
    // A drop-down column also gets ColumnOptionD and ColumnOptionE true.
    std::optional<Rullelisteopsaetning> liste{};
};

struct Tabelgraenser {
    int foersteRaekke, sidsteRaekke, foersteSoejle, sidsteSoejle;
};

// When the grid is bound to its table before the columns are laid out.
enum class BindFoerSoejler {
    Ja,           // bind after the re-dimension
    Nej,          // bind only after the columns
    MedRebind,    // bind and rebind before the caption
};

// How the set-up ends after the columns.
enum class Afslutning {
    BindRebindOpdater,      // bind, rebind, refresh, then the three grid options
    OptionerFoerRebind,     // bind, the grid options B, C, A, then rebind, refresh
    BindOpdater,            // bind, refresh, grid options (the budget tables rebind later)
};

struct Gridopsaetning {
    std::string grid{};       // the grid's name in the work window
    int indeks = 0;           // index within a grid array (TDBGrid5), else 0
    GridTabel& (*tabel)(int indeks) = nullptr;
    std::optional<Tabelgraenser> graenser{};  // empty: the table keeps its shape
    std::optional<std::string> overskrift{};  // empty: the design's caption stays
    std::optional<int> fontstoerrelse = GridFontstoerrelse;
    bool fjernSoejlerFoerst = false;        // every column is added, none taken from the design
    BindFoerSoejler bindFoer = BindFoerSoejler::Ja;
    Afslutning afslutning = Afslutning::BindRebindOpdater;
    std::vector<Soejleopsaetning> soejler{};
};

// The set-up procedures of the work window, each laying out one or more grids.
enum class Opsaetning {
    Lokalitet,
    Boringskontrol,
    Analyser,
    AfstandOpholdstid,
    Forureningskomponenter,
    Kvalitetskontrol,
    Grundvandstype,
    HydrauliskPlacering,
    Karakterisering,
    NedstroemAnalyser,
    NedstroemKarbonat,
    Modelstof,
    Kulstof,
    OploesningUdfaeldning,
    Ionbytning,
    Redoxprocesser,
    Nedbrydningsmodel,
    Fortynding,
    KorrigeretKoncentration,
    Mellemregninger,
    RedoxSum,
    DiagramTUC,
    DiagramAlkalinitet,
};

// The grids that one set-up lays out, in the order it lays them out.
const std::vector<Gridopsaetning>& Gridlayouts(Opsaetning opsaetning);

// The set-ups that InitierGrids runs, in its order (all but the first-order grid).
const std::vector<Opsaetning>& InitierGridsRaekkefoelge();

