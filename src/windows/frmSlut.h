#pragma once
// The end window frmSlut, shown over the hidden work window: save, load other data,
// start new data, go back to editing, or end the program.

// Load: AfslutVedLuk set, so "Gem alt og afslut" ends the program and the close box
// goes back to the work window.
void frmSlut_Load();
// Unload, also the close box: back to the work window as "Fortsæt Redigering",
// unless the unload is internal (AfslutVedLuk false), whose caller shows the next
// window itself. Lets the window close; never ends the program.
bool frmSlut_Unload();
// Unloads the end window without ending the program.
void UnloadFrmSlut();

enum class GemUdfald { Gemt, Fortrudt, Fejlet };

// "Gem alt og afslut": the save dialog from FilNavn, the file written, and the program
// ended when AfslutVedLuk is true. A cancel changes nothing; a failed write (already
// reported) keeps the end window open. Called with AfslutVedLuk false from the save
// prompts, it sets FilNavn to the written file instead of ending.
GemUdfald frmSlut_GemAlt_Click();
// "Gem alt og fortsæt redigering": the save dialog; a chosen name becomes FilNavn
// and is written, a cancel writes nothing; back to the same work window.
void frmSlut_SaveContinue_Click();
// "Indlæs eksisterende data": offers a save (answered "Ja", a cancelled or failed save
// stops the action), then the open dialog and the file read into a rebuilt work
// window. A file that cannot be read puts back the data as it was; one that fails
// its check is kept as new data without a file name.
void frmSlut_EksisterendeData_Click();
// "Opret nye data": offers a save (answered "Ja", a cancelled or failed save stops the
// action), then empty data in a rebuilt work window.
void frmSlut_NyeData_Click();
// "Fortsæt Redigering": back to the same work window.
void frmSlut_Fortryd_Click();
// "Afslut uden at gemme": the program ends.
void frmSlut_AfslutUdenAtGemme_Click();
