#include "Faneblade.h"

#include "platform/Kaldtekst.h"

namespace {
const std::string tom;
}

Faneblade::Faneblade(int antal) : faner_(static_cast<std::size_t>(antal < 0 ? 0 : antal)) {}

const std::string& Faneblade::caption(int fane) const {
    return gyldig(fane) ? faner_[static_cast<std::size_t>(fane)].caption : tom;
}

void Faneblade::setCaption(int fane, std::string caption) {
    if (!gyldig(fane)) return;
    kald("setCaption(" + std::to_string(fane) + ", " + citat(caption) + ")");
    faner_[static_cast<std::size_t>(fane)].caption = std::move(caption);
    if (visning_) visning_->aendret();
}

bool Faneblade::visible(int fane) const {
    return gyldig(fane) && faner_[static_cast<std::size_t>(fane)].visible;
}

void Faneblade::setVisible(int fane, bool v) {
    if (!gyldig(fane)) return;
    kald("setVisible(" + std::to_string(fane) + ", " + boolTekst(v) + ")");
    faner_[static_cast<std::size_t>(fane)].visible = v;
    if (visning_) visning_->aendret();
}

bool Faneblade::setCurrent(int fane) {
    kald("setCurrent(" + std::to_string(fane) + ")");
    return skift(fane);
}

bool Faneblade::skift(int fane) {
    if (!visible(fane) || fane == current_) return false;
    const int forrige = current_;
    current_ = fane;
    if (visning_) visning_->aendret();
    if (onClick) onClick(forrige);
    return true;
}

bool Faneblade::userNaeste(bool tilbage, bool rundt) {
    const int skridt = tilbage ? -1 : 1;
    const int fane = synligFra(current_ + skridt, skridt);
    // Come round past the end: no step without rundt.
    if (!rundt && (fane - current_) * skridt < 0) return false;
    return skift(fane);
}

bool Faneblade::userYderste(bool sidste) { return skift(sidste ? synligFra(antal() - 1, -1) : synligFra(0, 1)); }

int Faneblade::synligFra(int fra, int skridt) const {
    for (int i = 0; i < antal(); ++i) {
        const int fane = ((fra + i * skridt) % antal() + antal()) % antal();
        if (visible(fane)) return fane;
    }
    return -1;
}

void Faneblade::restoreDesign() {
    for (auto& f : faner_) f.visible = true;
    current_ = 0;
    if (visning_) visning_->aendret();
}

void Faneblade::kald(const std::string& k) {
    if (visning_) visning_->programKald(k);
}
