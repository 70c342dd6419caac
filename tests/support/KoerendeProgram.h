#pragma once
// The whole program on Qt in a test, with the file dialogs and message boxes
// answered by the test.
#include "app/Program.h"
#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "platform/InddataKontroller.h"
#include "platform/StartSlutKontroller.h"
#include "platform/qt/QtInddataVindue.h"
#include "platform/qt/QtStartSlut.h"
#include "support/RecordingBeskeder.h"
#include "support/RecordingFilDialoger.h"

// What a new process starts from: the tables empty, no file, no window shown. Made
// before the program, so its windows open on it.
struct NyProces {
    NyProces() {
        NulstilAlleData();
        tilstand().FilNavn.clear();
        for (Vindue* v : {&startKontroller().frmStart, &slutKontroller().frmSlut, &inddataKontroller().frmInddata})
            v->hide();
    }
};

// The program with the test's dialogs and boxes installed over its own.
struct KoerendeProgram : NyProces {
    AkviferProgram program;
    RecordingFilDialoger dialoger;
    RecordingBeskeder beskeder;

    QtInddataVindue& vindue() const { return program.inddataVindue(); }
    QtMenuKnap* startKnap(const char* navn) const { return program.startSlut().start().knap(navn); }
    QtMenuKnap* slutKnap(const char* navn) const { return program.startSlut().slut().knap(navn); }
};

