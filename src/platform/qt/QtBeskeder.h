#pragma once
// The message boxes on Qt: the text exactly as given (plain text, line breaks
// kept), the icon, OK or "Ja"/"Nej" with texts of our own (Qt's own are English
// without a translation), and "Akvifer" as the title of a box without one of its
// own. Esc and the close box answer OK; a "Ja"/"Nej" box ignores both.
#include <QMessageBox>
#include <chrono>
#include <memory>

#include "platform/Beskeder.h"

// The box as it will be shown, not yet shown.
std::unique_ptr<QMessageBox> lavBeskedboks(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                                          const std::string& titel, QWidget* parent = nullptr);
// The answer of a box that has been closed (by a button, or Esc on an OK box).
BeskedSvar beskedSvar(const QMessageBox& boks);

// A box is answered by a click on a button at any time, by the keyboard only once
// the user can have read it: while it is shown no key reaches another window, and
// its keys are dropped until the keyboard has been quiet for roTid. Then Enter and
// Space answer with the focused button (at first the default one), Esc where the
// box takes Esc; the arrows and Tab move between the buttons. So keys typed on ahead of
// a refusal neither close its message unseen nor land in a cell after it.
class QtBeskeder : public BeskedService {
public:
    static constexpr std::chrono::milliseconds StandardRoTid{500};

    explicit QtBeskeder(std::chrono::milliseconds roTid = StandardRoTid) : roTid_(roTid) {}

    BeskedSvar vis(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                   const std::string& titel) override;

private:
    std::chrono::milliseconds roTid_;
};
