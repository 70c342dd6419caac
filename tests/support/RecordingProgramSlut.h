#pragma once
// Records that the program asked to end; the test goes on, as the real event loop
// would only end once the handler has returned.
#include <functional>

#include "platform/ProgramSlut.h"

class RecordingProgramSlut : public ProgramSlut {
public:
    RecordingProgramSlut() { saetProgramSlut(this); }
    ~RecordingProgramSlut() override { saetProgramSlut(nullptr); }
    RecordingProgramSlut(const RecordingProgramSlut&) = delete;
    RecordingProgramSlut& operator=(const RecordingProgramSlut&) = delete;

    void afslut() override {
        ++antal;
        if (ved) ved();
    }

    int antal = 0;
    std::function<void()> ved;
};
