#pragma once
// The start window frmStart: the program opens with it, and leaves it for the work
// window with a loaded file or new data, or ends.

// Load: the captions of the work window's buttons, once for the run.
void frmStart_Load();
// "Eksisterende data": the open dialog, then the file read and checked; a file that
// fails either leaves the tables cleared and the start window open.
void frmStart_EksisterendeData_Click();
// "Nye data": the tables cleared, no file name, the work window.
void frmStart_NyeData_Click();
// "Fortryd og afslut": the program ends.
void frmStart_FortrydOgAfslut_Click();
// The close box: no other window is open, so the program ends. Lets the window close.
bool frmStart_Unload();
