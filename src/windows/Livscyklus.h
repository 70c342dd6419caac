#pragma once
// The program's life cycle: which of the start, work and end windows shows, the
// work window's unload and "Afslut", the rebuild of the work window, the data
// file's dialogs, and the start of the program.
#include <string>

// The data file's dialogs, with the filters "Akvifer filer (*.akv)" and "Alle filer
// (*)": the path chosen; "" for a cancel or an empty name, which end the action
// alike. The open dialog takes the name as chosen; the save dialog starts from the
// current file name and gives a name typed without an extension ".akv".
std::string VaelgDatafilTilAabning(const std::string& titel);
std::string VaelgDatafilTilGem(const std::string& titel);

// The work window shown, after its load when it was not loaded (from the start window).
void IndlaesOgVisInddata();
// The work window shown as the user left it.
void VisInddata();
// The work window shown after a load or new data, the keyboard in the site grid's
// first editable cell.
void VisNyeInddata();

// Unloads the work window for good and loads it again; it stays hidden until shown.
// A rebuilt window starts in its first mode with a fresh calculation state.
void GenopbygInddata();

// The work window's unload, also its close box: while TilladLuk is false it acts as
// "Afslut" and refuses (false); otherwise the window may go.
bool frmInddata_Unload();
// "Afslut": the edits in progress are ended first, so nothing typed is left out of
// a save; a refused edit keeps the work window, with its check's message and the
// focus in its grid. Then the work window hides (keeping its state) and the end
// window shows.
void frmInddata_Afslut_Click();

// Attaches the handlers of the start and end windows and of the work window's
// close box and "Afslut" to their controls. Once, before StartProgram.
void ForbindLivscyklus();

// The start window's load, then the start window shown.
void StartProgram();
