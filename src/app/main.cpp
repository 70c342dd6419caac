// Akvifer: the application with its top-level guard, the program on it, and the
// event loop until the program ends itself.
#include "app/Program.h"
#include "platform/qt/AkvApplikation.h"

int main(int argc, char** argv) {
    AkvApplikation app(argc, argv);
    AkviferProgram program;
    program.start();
    return AkvApplikation::exec();
}
