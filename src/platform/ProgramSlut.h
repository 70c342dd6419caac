#pragma once
// The end of the program. Ending is immediate: no window's close handling runs and
// nothing asks a question. The Qt program installs its service at start; tests
// install a recording one. Without one installed, nothing happens.
class ProgramSlut {
public:
    virtual ~ProgramSlut() = default;
    // Asks the event loop to end; the caller returns from its handler at once.
    virtual void afslut() = 0;
};

void saetProgramSlut(ProgramSlut* s);  // nullptr restores the silent default

// Ends the program through the installed service.
void AfslutProgrammet();
