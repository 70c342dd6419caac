#include "platform/qt/AkvApplikation.h"

#include <exception>

#include "celler/MidlertidigVaerdi.h"
#include "platform/Beskeder.h"

AkvApplikation::AkvApplikation(int& argc, char** argv) : QApplication(argc, argv) {}

std::string AkvApplikation::fejltekst(const std::string& hvad) {
    std::string t = "Der opstod en uventet fejl";
    if (!hvad.empty()) t += ":\n" + hvad;
    t += "\n\nHandlingen blev afbrudt. Dine data er bevaret.";
    return t;
}

bool AkvApplikation::notify(QObject* modtager, QEvent* haendelse) {
    // The box runs an event loop of its own: a failure while it is shown is not
    // reported on top of it.
    static bool viser = false;
    std::string hvad;
    try {
        return QApplication::notify(modtager, haendelse);
    } catch (const std::exception& e) {
        hvad = e.what();
    } catch (...) {
        hvad = "";
    }
    if (!viser) {
        const MidlertidigVaerdi vises(viser, true);
        try {
            visBesked(fejltekst(hvad), BeskedIkon::Kritisk);
        } catch (...) {
        }
    }
    return false;
}
