#pragma once
// Test doubles of the print window: the toolbar and the status bar recorded, a
// printer that can fail or be cancelled, and a service that records every opening of
// the print window and plays the user while it is shown; with the wait cursor's.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Printvindue.h"
#include "support/Installeret.h"
#include "support/RecordingTjenester.h"
#include "support/RecordingUdskrift.h"
#include "support/RecordingVisning.h"

class RecordingVaerktoejslinje : public RecordingVisning<Vaerktoejslinje, VaerktoejslinjeVisning> {
public:
    using RecordingVisning::RecordingVisning;
};

class RecordingStatuslinje : public RecordingVisning<Statuslinje, StatuslinjeVisning> {
public:
    using RecordingVisning::RecordingVisning;
};

class RecordingVindue : public RecordingVisning<Vindue, VindueVisning> {
public:
    using RecordingVisning::RecordingVisning;
    std::function<void()> imensModal;  // the user's actions while the window is shown
    void visModalt() override {
        if (imensModal) imensModal();
    }
};

// The printer behind the document: prints, fails as a printer that cannot be opened
// does (the view throws), or has its dialog cancelled (nothing printed).
class RecordingPrinter : public RecordingUdskrift {
public:
    enum class Udfald { Udskrevet, Fejl, Fortrudt };
    using RecordingUdskrift::RecordingUdskrift;
    Udfald udfald = Udfald::Udskrevet;

    void udskrivDokument() override {
        if (udfald == Udfald::Fejl) throw std::runtime_error("printeren kan ikke åbnes");
        if (udfald == Udfald::Udskrevet) RecordingUdskrift::udskrivDokument();
    }
    void udskrivSider(bool dialog, int foerste, int sidste) override {
        if (udfald == Udfald::Fejl) throw std::runtime_error("printeren kan ikke åbnes");
        if (dialog) ++dialoger;
        if (udfald == Udfald::Udskrevet) sideudskrifter.emplace_back(foerste, sidste);
    }
};

// Every opening of the print window, recorded; imens plays the user while it is shown.
class RecordingPrintvinduer : public Installeret<PrintvindueService, saetPrintvindueService> {
public:
    struct Aabning {
        std::vector<std::string> udskrift, vaerktoejslinje, status, vindue;
        int dokumenterVist = 0;
    };
    struct Visning : PrintvindueVisning {
        Visning(RecordingPrintvinduer& s, Printvindue& w) : s_(s), w_(w), vp(w.vp), tb(w.tb), status(w.Status), vindue(w.vindue) {
            vindue.imensModal = [this] {
                if (s_.imens) s_.imens(w_);
            };
        }
        ~Visning() override {
            s_.aabninger.push_back({vp.kald, tb.kald, status.kald, vindue.kald, vp.dokumenterVist});
        }
        RecordingPrintvinduer& s_;
        Printvindue& w_;
        RecordingPrinter vp;
        RecordingVaerktoejslinje tb;
        RecordingStatuslinje status;
        RecordingVindue vindue;
    };

    std::unique_ptr<PrintvindueVisning> lav(Printvindue& w) override { return std::make_unique<Visning>(*this, w); }

    std::function<void(Printvindue&)> imens;
    std::vector<Aabning> aabninger;
};
