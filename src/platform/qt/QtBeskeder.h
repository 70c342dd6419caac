#pragma once
// The message boxes on Qt: the text exactly as given (plain text, line breaks
// kept), the icon, OK or "Ja"/"Nej" with texts of our own (Qt's own are English
// without a translation), and "Akvifer" as the title of a box without one of its
// own. Esc and the close box answer OK; a "Ja"/"Nej" box ignores both.
#include <QMessageBox>
#include <memory>

#include "platform/Beskeder.h"

// The box as it will be shown, not yet shown.
std::unique_ptr<QMessageBox> lavBeskedboks(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                                          const std::string& titel, QWidget* parent = nullptr);
// The answer of a box that has been closed (by a button, or Esc on an OK box).
BeskedSvar beskedSvar(const QMessageBox& boks);

class QtBeskeder : public BeskedService {
public:
    BeskedSvar vis(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                   const std::string& titel) override;
};
