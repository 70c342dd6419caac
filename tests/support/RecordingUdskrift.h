#pragma once
// Test double of the print document's view: records every call the program makes
// on the document, in order, as the texts Udskrift reports ("startDoc",
// "setCurrentY(2300)", "addTable(\"<+3600|<+7000;\", \"\", \"Analyseoplysninger|;...\",
// &H8000000C, 0, false)", ...), the addTable text carrying the body string composed
// with "|" between cells and ";" after each row. Also counts what went to the printer.
#include <string>
#include <utility>
#include <vector>

#include "platform/Udskrift.h"
#include "support/RecordingVisning.h"

class RecordingUdskrift : public RecordingVisning<Udskrift, UdskriftVisning> {
public:
    explicit RecordingUdskrift(Udskrift& u) : RecordingVisning(u), u_(u) {}

    Udskrift& udskrift() { return u_; }

    // The body strings of the tables added since the document started, in order.
    std::vector<std::string> kroppe() const {
        std::vector<std::string> r;
        for (const auto& t : u_.tilfoejedeTabeller()) r.push_back(SammensaetKrop(t.raekker));
        return r;
    }
    std::vector<std::string> formater() const {
        std::vector<std::string> r;
        for (const auto& t : u_.tilfoejedeTabeller()) r.push_back(t.format);
        return r;
    }

    // ---- What reached the view ----
    int dokumenterVist = 0;
    int dokumenterUdskrevet = 0;
    std::vector<std::pair<int, int>> sideudskrifter;  // first and last page of each print
    int dialoger = 0;

    void glem() {
        kald.clear();
        dokumenterVist = dokumenterUdskrevet = dialoger = 0;
        sideudskrifter.clear();
    }

    // UdskriftVisning
    void dokumentSlut() override { ++dokumenterVist; }
    void udskrivDokument() override { ++dokumenterUdskrevet; }
    void udskrivSider(bool dialog, int foerste, int sidste) override {
        if (dialog) ++dialoger;
        sideudskrifter.emplace_back(foerste, sidste);
    }

private:
    Udskrift& u_;
};
