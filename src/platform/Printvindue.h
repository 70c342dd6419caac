#pragma once
// The print window's controls: the window, the print document vp with its preview,
// the toolbar tb and the status bar Status. The report's logic owns one set per
// opening and fills it; a view for the set is made by the installed service (the
// Qt window in the program, recording views in the tests). Without a service the
// controls run without a view and a modal show returns at once.
#include <memory>

#include "platform/Statuslinje.h"
#include "platform/Udskrift.h"
#include "platform/Vaerktoejslinje.h"
#include "platform/Vindue.h"

struct Printvindue {
    Vindue vindue{"AkvPrint"};
    Udskrift vp;
    Vaerktoejslinje tb{"print"};
    Statuslinje Status{1, "Status"};
};

// What the service made for one opening; destroyed before the controls.
class PrintvindueVisning {
public:
    virtual ~PrintvindueVisning() = default;
};

class PrintvindueService {
public:
    virtual ~PrintvindueService() = default;
    virtual std::unique_ptr<PrintvindueVisning> lav(Printvindue& w) = 0;
};

PrintvindueService* printvindueService();             // nullptr: none installed
void saetPrintvindueService(PrintvindueService* s);  // nullptr: none
