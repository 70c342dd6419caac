#pragma once
// Records every message box the program shows and answers from a queue.
#include <deque>
#include <string>
#include <vector>
#include "platform/Beskeder.h"
#include "support/Installeret.h"

struct VistBesked {
    std::string tekst;
    BeskedIkon ikon;
    BeskedKnapper knapper;
    std::string titel;
};

class RecordingBeskeder : public Installeret<BeskedService, saetBeskedService> {
public:
    BeskedSvar vis(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                   const std::string& titel) override {
        vist.push_back({tekst, ikon, knapper, titel});
        if (!svar.empty()) { BeskedSvar s = svar.front(); svar.pop_front(); return s; }
        return knapper == BeskedKnapper::JaNej ? BeskedSvar::Ja : BeskedSvar::OK;
    }

    std::vector<std::string> tekster() const {
        std::vector<std::string> t;
        for (const auto& b : vist) t.push_back(b.tekst);
        return t;
    }

    std::vector<VistBesked> vist;
    std::deque<BeskedSvar> svar;  // answers to give, in order
};
