#pragma once
// Modal message boxes. The logic calls visBesked(); the program installs the real
// service at start, tests install a recording one.
#include <string>

enum class BeskedIkon { Ingen, Kritisk, Udraab, Spoergsmaal, Information };
// A JaNej box has no cancel: it is answered only by one of its two buttons.
enum class BeskedKnapper { OK, JaNej };
enum class BeskedSvar { OK, Ja, Nej };

// The title a box shows when it has none of its own.
inline constexpr const char* ProgramNavn = "Akvifer";

class BeskedService {
public:
    virtual ~BeskedService() = default;
    // titel "" means the box shows the program's name.
    virtual BeskedSvar vis(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                           const std::string& titel) = 0;
};

// The installed service; without one, boxes are answered OK (Nej for questions)
// and nothing is shown.
BeskedService& beskeder();
void saetBeskedService(BeskedService* s);  // nullptr restores the silent default

inline BeskedSvar visBesked(const std::string& tekst, BeskedIkon ikon = BeskedIkon::Ingen,
                            BeskedKnapper knapper = BeskedKnapper::OK, const std::string& titel = "") {
    return beskeder().vis(tekst, ikon, knapper, titel);
}
