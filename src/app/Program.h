#pragma once
// The whole program on Qt, without its QApplication: the desktop services installed,
// Qt's texts in Danish, the numbers in the user's format, the start, work and end
// windows made and their handlers attached. main() makes one and runs the event
// loop; the tests make one per run of the program, over the same tables.
#include <memory>

#include <QTranslator>

#include "celler/Talformat.h"
#include "platform/qt/QtBeskeder.h"
#include "platform/qt/QtPrintvindue.h"
#include "platform/qt/QtTjenester.h"

class QtInddataVindue;
class QtStartSlut;

class AkviferProgram {
public:
    // Needs the QApplication made first.
    AkviferProgram();
    // Takes the services away again and gives back the number format it found.
    ~AkviferProgram();
    AkviferProgram(const AkviferProgram&) = delete;
    AkviferProgram& operator=(const AkviferProgram&) = delete;

    // The start window's load, then the start window on screen.
    void start();

    QtStartSlut& startSlut() const { return *startSlut_; }
    QtInddataVindue& inddataVindue() const { return *inddata_; }
    QtPrintvindueService& printvinduer() { return printvinduer_; }

private:
    TalformatScope talformat_;
    QTranslator qtTekster_;
    QtBeskeder beskeder_;
    QtVentemarkoer ventemarkoer_;
    QtFilDialoger fildialoger_;
    QtPrintvindueService printvinduer_;
    std::unique_ptr<QtStartSlut> startSlut_;
    std::unique_ptr<QtInddataVindue> inddata_;
};
