#pragma once
// Records that the program asked to end; the test goes on, as the real event loop
// would only end once the handler has returned.
#include <functional>

#include "platform/ProgramSlut.h"
#include "support/Installeret.h"

class RecordingProgramSlut : public Installeret<ProgramSlut, saetProgramSlut> {
public:
    void afslut() override {
        ++antal;
        if (ved) ved();
    }

    int antal = 0;
    std::function<void()> ved;
};
