#pragma once
// Desktop services the windows use besides their controls: the wait cursor and the
// data file's open and save dialogs. The program installs the real services at
// start; tests install recording ones. Without one installed, the cursor does
// nothing and every dialog is cancelled.
#include <optional>
#include <string>
#include <vector>

class VentemarkoerService {
public:
    virtual ~VentemarkoerService() = default;
    virtual void start() = 0;  // the hourglass on
    virtual void slut() = 0;   // back to the cursor before it
};

VentemarkoerService& ventemarkoer();
void saetVentemarkoerService(VentemarkoerService* s);  // nullptr restores the silent default

// The wait cursor for the lifetime of the guard, also when an exception passes.
class Ventemarkoer {
public:
    Ventemarkoer() { ventemarkoer().start(); }
    ~Ventemarkoer() { ventemarkoer().slut(); }
    Ventemarkoer(const Ventemarkoer&) = delete;
    Ventemarkoer& operator=(const Ventemarkoer&) = delete;
};

struct FilFilter {
    std::string navn;     // "Akvifer filer"
    std::string moenster; // "*.akv"
};

struct FilDialogValg {
    std::string titel;                // "" the system's own title
    std::vector<FilFilter> filtre;
    std::string startnavn;            // a path or a file name; "" none
    std::string standardEndelse;      // save: added to a name typed without one ("akv")
};

class FilDialogService {
public:
    virtual ~FilDialogService() = default;
    // The chosen path, or nullopt when the user cancelled. A cancel is an ordinary
    // outcome, never an error.
    virtual std::optional<std::string> aaben(const FilDialogValg& valg) = 0;
    virtual std::optional<std::string> gem(const FilDialogValg& valg) = 0;
};

FilDialogService& fildialoger();
void saetFilDialogService(FilDialogService* s);  // nullptr restores the cancelling default
