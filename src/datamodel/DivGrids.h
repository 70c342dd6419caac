#pragma once
// The set-up of the work window's grids: each set-up gives its table the shape the
// grid shows, binds the grid to it and lays out the columns from GridLayouts.
#include <vector>

#include "datamodel/GridLayouts.h"
#include "platform/Grid.h"

// Rebuilds the calculation state, writes the default texts and lays out every grid
// but TDBGrid17 (the quality-control run lays that one out). Run by every load of
// the work window.
void InitierGrids();

void OpsaetGridLokalitet();
void OpsaetGridBoringskontrol();
void OpsaetGridAnalyser();
void OpsaetGridAfstandOpholdstid();
void OpsaetGridForureningskomponenter();
void OpsaetGridKvalitetskontrol();
void OpsaetGridGrundvandstype();
void OpsaetGridHydrauliskPlacering();  // also run by the quality-control run
void OpsaetGridKarakterisering();
void OpsaetGridNedstroemAnalyser();
void OpsaetGridNedstroemKarbonat();
void OpsaetGridModelstof();
void OpsaetGridKulstof();
void OpsaetGridOploesningUdfaeldning();
void OpsaetGridIonbytning();
void OpsaetGridRedoxprocesser();
void OpsaetGridNedbrydningsmodel();    // only run by the quality-control run
void OpsaetGridFortynding();
void OpsaetGridKorrigeretKoncentration();
void OpsaetGridMellemregninger();
void OpsaetGridRedoxSum();
void OpsaetGridDiagramTUC();
void OpsaetGridDiagramAlkalinitet();

// Lays out the grids of one set-up on the work window's grids.
void Opsaet(Opsaetning opsaetning);

// The items of a drop-down column as the tables and the calculation state stand
// now: the model substances, or boreholes 1..AntalBoringer with the value k and
// the text of their BoringData cell.
std::vector<ValueItem> Listepunkter(ListeIndhold indhold);
