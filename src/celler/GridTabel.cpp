#include "GridTabel.h"

#include <utility>

void GridTabel::redimensioner(int foersteRaekke, int sidsteRaekke, int foersteSoejle, int sidsteSoejle) {
    const int nyeRaekker = sidsteRaekke >= foersteRaekke ? sidsteRaekke - foersteRaekke + 1 : 0;
    const int nyeSoejler = sidsteSoejle >= foersteSoejle ? sidsteSoejle - foersteSoejle + 1 : 0;
    std::vector<Variant> nye(static_cast<std::size_t>(nyeRaekker) * static_cast<std::size_t>(nyeSoejler));
    // Cells are kept by position: only those inside both the old and the new bounds.
    for (int r = foersteRaekke; r <= sidsteRaekke; ++r) {
        for (int c = foersteSoejle; c <= sidsteSoejle; ++c) {
            if (!indenfor(r, c)) continue;
            const std::size_t ny = static_cast<std::size_t>(r - foersteRaekke) * nyeSoejler + (c - foersteSoejle);
            nye[ny] = std::move(celler_[indeks(r, c)]);
        }
    }
    r0_ = foersteRaekke;
    r1_ = sidsteRaekke;
    c0_ = foersteSoejle;
    c1_ = sidsteSoejle;
    celler_ = std::move(nye);
}

Variant GridTabel::hent(int raekke, int soejle) const {
    if (!indenfor(raekke, soejle)) return {};
    return celler_[indeks(raekke, soejle)];
}

void GridTabel::saet(int raekke, int soejle, Variant v) {
    if (!indenfor(raekke, soejle)) return;
    celler_[indeks(raekke, soejle)] = std::move(v);
}

void GridTabel::ryd() {
    for (auto& celle : celler_) celle = Variant();
}
