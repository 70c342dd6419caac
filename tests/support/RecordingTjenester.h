#pragma once
// Test doubles of the desktop services: the wait cursor and the file dialogs. Each
// installs itself for its lifetime and records what the program asked of it.
#include <string>
#include <vector>

#include "platform/Tjenester.h"
#include "support/Installeret.h"
#include "support/RecordingFilDialoger.h"

class RecordingVentemarkoer : public Installeret<VentemarkoerService, saetVentemarkoerService> {
public:
    void start() override { kald.push_back("start"); ++dybde; }
    void slut() override { kald.push_back("slut"); --dybde; }

    std::vector<std::string> kald;  // "start", "slut" in order
    int dybde = 0;                  // guards open now
};
