#include "Statuslinje.h"

#include <algorithm>

#include "platform/Kaldtekst.h"

Statuslinje::Statuslinje(int antalPaneler, std::string navn)
    : navn_(std::move(navn)), paneler_(static_cast<std::size_t>(std::max(antalPaneler, 0))) {}

std::string Statuslinje::panelText(int panel) const {
    if (panel < 1 || panel > antalPaneler()) return "";
    return paneler_[static_cast<std::size_t>(panel - 1)];
}

void Statuslinje::setPanelText(int panel, std::string tekst) {
    if (visning_) visning_->programKald("setPanelText(" + std::to_string(panel) + ", " + citat(tekst) + ")");
    if (panel < 1) return;
    if (panel > antalPaneler()) paneler_.resize(static_cast<std::size_t>(panel));
    paneler_[static_cast<std::size_t>(panel - 1)] = std::move(tekst);
    if (visning_) visning_->aendret();
}
