#pragma once
// A two-dimensional table of cells with a lower and an upper bound per dimension,
// the table behind each grid of the work window.
#include <cstddef>
#include <vector>
#include "Variant.h"

class GridTabel {
public:
    GridTabel() = default;

    // New bounds; every cell inside both the old and the new bounds keeps its value,
    // new cells are Empty.
    void redimensioner(int foersteRaekke, int sidsteRaekke, int foersteSoejle, int sidsteSoejle);

    // Outside the bounds: reads give Empty, writes are ignored.
    Variant hent(int raekke, int soejle) const;
    void saet(int raekke, int soejle, Variant v);

    // Every cell becomes Empty; the bounds stay.
    void ryd();

    int foersteRaekke() const { return r0_; }
    int sidsteRaekke() const { return r1_; }
    int foersteSoejle() const { return c0_; }
    int sidsteSoejle() const { return c1_; }
    int antalRaekker() const { return r1_ >= r0_ ? r1_ - r0_ + 1 : 0; }
    int antalSoejler() const { return c1_ >= c0_ ? c1_ - c0_ + 1 : 0; }
    bool indenfor(int raekke, int soejle) const {
        return raekke >= r0_ && raekke <= r1_ && soejle >= c0_ && soejle <= c1_;
    }

private:
    // Position of a cell inside the bounds in celler_, row by row.
    std::size_t indeks(int raekke, int soejle) const {
        return static_cast<std::size_t>(raekke - r0_) * static_cast<std::size_t>(antalSoejler()) +
               static_cast<std::size_t>(soejle - c0_);
    }

    // A new table has no cells until its first re-dimension.
    int r0_ = 1, r1_ = 0, c0_ = 0, c1_ = -1;
    std::vector<Variant> celler_;
};
