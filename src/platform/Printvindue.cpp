#include "Printvindue.h"

namespace {
PrintvindueService* aktiv = nullptr;
}

PrintvindueService* printvindueService() { return aktiv; }
void saetPrintvindueService(PrintvindueService* s) { aktiv = s; }
