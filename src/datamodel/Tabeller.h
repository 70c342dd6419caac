#pragma once
// The grid tables of the program: one table behind each grid of the work window,
// program-wide for the whole run, each reached by its name through tabeller().
#include <array>
#include "celler/GridTabel.h"

struct Tabeller {
    // Input, tab "Prøveoplysninger".
    GridTabel LokalitetData;          // 1..5 x 0..1
    GridTabel BoringData;             // 1..3 x 0..6
    GridTabel AnalyseData;            // 1..18 x 0..6
    GridTabel AfstandData;            // 1..1 x 0..6
    GridTabel KomponentData;          // 1..5 x 0..6
    // Quality control.
    GridTabel KvalitetskontrolData;   // 1..10 x 0..6
    GridTabel BlandingData;           // 1..2 x 0..6, borehole k in column k
    // Groundwater type: table 0 the criteria, table k the position with code k.
    std::array<GridTabel, 6> GrundvandstypeData;  // each 1..5 x 0..5
    // Downstream model.
    GridTabel PlaceringData;          // 1..1 x 0..4
    GridTabel KarakteriseringData;    // 1..1 x 0..3
    GridTabel NedstroemAnalyseData;   // 1..19 x 0..5
    GridTabel NedstroemKarbonatData;  // 1..5 x 0..5
    // Geochemical processes.
    GridTabel ModelstofData;          // 1..1 x 0..2
    GridTabel KulstofData;            // 1..2 x 0..2
    GridTabel OploesningData;         // 1..2 x 0..3
    GridTabel IonbytningData;         // 1..4 x 0..3
    GridTabel RedoxData;              // 1..11 x 0..3
    // First-order model.
    GridTabel NedbrydningData;        // 1..1 x 0..4
    GridTabel FortyndingData;         // 1..2 x 0..5
    GridTabel KorrKoncentrationData;  // 1..5 x 0..8
    // Intermediate results.
    GridTabel MellemregningData;      // 1..17 x 0..6
    GridTabel RedoxSumData;           // 1..2 x 0..5
    // Chart data: column -1 the key, 0 the label, 1..4 the series.
    GridTabel DiagramTUCData;         // 1..11 x -1..4
    GridTabel DiagramAlkalinitetData; // 1..14 x -1..4
};

Tabeller& tabeller();

// Writes the row labels and units of the tables (and the default component names
// where the first name is blank). Expects the five input tables to have their
// shapes already; re-dimensions the others, keeping their cells.
void UdfyldStandardtekster();

// Empties the site's data in every table: the input, quality-control and
// groundwater-type tables get their shapes and blank values, the result tables
// and the chart-data tables are cleared, and both budget charts are emptied.
void NulstilAlleData();
