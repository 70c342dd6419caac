#pragma once
// The start and end windows on Qt, and the program's end. Each window is a plain
// top-level widget over its Vindue: the fixed labels, a grid of command buttons over
// their Knap controls, the caption. The close box asks the Vindue (userClose); the
// logic's own hide is a plain hide, so an internal unload never runs the close-box
// handling.
#include <memory>
#include <string>
#include <vector>

#include <QWidget>

#include "platform/ProgramSlut.h"
#include "platform/Vindue.h"
#include "platform/qt/QtVinduer.h"

// One command button over its Knap, named after it, at the menus' size.
class QtMenuKnap : public QtKnap {
public:
    QtMenuKnap(Knap& knap, QWidget* parent);
};

class QtMenuVindue : public QWidget, public VindueVisning {
public:
    struct Plads {
        Knap* knap;
        int raekke;
        int soejle;
    };
    // overskrift in large type, undertekst ("" none) below it, then the buttons.
    QtMenuVindue(Vindue& vindue, const std::string& overskrift, const std::string& undertekst,
                 const std::vector<Plads>& knapper);
    ~QtMenuVindue() override;

    Vindue& vindue() const { return vindue_; }
    QtMenuKnap* knap(const std::string& navn) const;

    void aendret() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Vindue& vindue_;
    std::vector<QtMenuKnap*> knapper_;
};

// frmStart: the two labels above "Eksisterende data", "Nye data", "Fortryd og afslut".
std::unique_ptr<QtMenuVindue> LavQtStartVindue();
// frmSlut: the label above its six buttons, in three rows of two.
std::unique_ptr<QtMenuVindue> LavQtSlutVindue();

// Ends the event loop with QCoreApplication::exit, never quit(): quit() would first
// close every top-level window, and the hidden work window's close handling would
// open the end window and cancel the end.
class QtProgramSlut : public ProgramSlut {
public:
    void afslut() override;
};

// Both windows and the program's end for the lifetime of the program: the views made
// and the end service installed; taken away again when it goes.
class QtStartSlut {
public:
    QtStartSlut();
    ~QtStartSlut();
    QtStartSlut(const QtStartSlut&) = delete;
    QtStartSlut& operator=(const QtStartSlut&) = delete;

    QtMenuVindue& start() const { return *start_; }
    QtMenuVindue& slut() const { return *slut_; }

private:
    QtProgramSlut programSlut_;
    std::unique_ptr<QtMenuVindue> start_;
    std::unique_ptr<QtMenuVindue> slut_;
};
