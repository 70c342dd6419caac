#pragma once
// A colour as the grids take it: red, green and blue, 0..255 each.
#include <cstdint>

struct Farve {
    std::uint8_t roed = 0;
    std::uint8_t groen = 0;
    std::uint8_t blaa = 0;

    static constexpr Farve hvid() { return {255, 255, 255}; }

    // The packed form red + 256 * green + 65536 * blue.
    static constexpr Farve fraTal(long rgb) {
        return {static_cast<std::uint8_t>(rgb & 0xFF), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
                static_cast<std::uint8_t>((rgb >> 16) & 0xFF)};
    }
    constexpr long somTal() const { return roed + 256L * groen + 65536L * blaa; }

    constexpr bool operator==(const Farve&) const = default;
};
