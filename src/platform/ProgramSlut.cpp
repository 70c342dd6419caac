#include "ProgramSlut.h"

namespace {
class StilleSlut : public ProgramSlut {
public:
    void afslut() override {}
};
StilleSlut stille;
ProgramSlut* aktiv = &stille;
}  // namespace

void saetProgramSlut(ProgramSlut* s) { aktiv = s ? s : &stille; }

void AfslutProgrammet() { aktiv->afslut(); }
