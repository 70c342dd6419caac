#pragma once
// The print window AkvPrint: the report of the current site in a print preview,
// paged through, zoomed, and printed whole or by the page shown. Made afresh at each
// opening, so every opening builds the report from the tables as they are then.
#include <array>
#include <memory>
#include <string>

#include "platform/Printvindue.h"

inline constexpr const char* UdskrivningsFejl = "Der skete en fejl i forbindelse med udskrivning";

// Zoom in percent: 100 at each opening, changed by the step and kept within the bounds.
inline constexpr double ZoomTrin = 25;
inline constexpr double MindsteZoom = 10;
inline constexpr double StoersteZoom = 400;

// "Side 3 af 7".
std::string Sidetekst(int side, int antal);
// The page header: two line feeds, "Analyseoplysninger for " and the site name.
std::string Sidehovedtekst(const std::string& lokalitet);
// The footer "<site>||Side %d" in its left, centre and right parts. The parts are
// handed over apart, so a "|" or "%d" in the site name prints as typed.
std::array<std::string, 3> Sidefoddele(const std::string& lokalitet);

class AkvPrint {
public:
    // The controls in their design; the installed service makes the view.
    AkvPrint();
    ~AkvPrint();
    AkvPrint(const AkvPrint&) = delete;
    AkvPrint& operator=(const AkvPrint&) = delete;

    Vindue& vindue() { return w_.vindue; }
    Udskrift& vp() { return w_.vp; }
    Vaerktoejslinje& tb() { return w_.tb; }
    Statuslinje& Status() { return w_.Status; }

    // The window's load: display setting 1, preview on, the report built.
    void Form_Load();
    // The whole report: header, footer and the nine sections in four page groups.
    void UdskrivRapport();
    // The toolbar's tool click, by the tool's key; an unknown key does nothing.
    void tb_ButtonClick(const std::string& noegle);

    // The tools' actions.
    void ZoomInd();
    void ZoomUd();
    void UdskrivDokument();
    void NaesteSide();
    void ForrigeSide();
    void FoersteSide();
    void SidsteSide();
    void UdskrivSide();

private:
    void visSide(int side);  // clamped to the document's pages, then the page text
    void opdaterSidetekst();

    Printvindue w_;
    std::unique_ptr<PrintvindueVisning> visning_;  // destroyed before the controls
};

// "Printmenu": the print window made, loaded and shown modally; returns when closed.
void VisPrintmenu();
