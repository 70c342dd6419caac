#include "Tegnsaet.h"

#include <cstdint>

namespace {

// Characters of the bytes 0x80..0x9F; the five undefined bytes keep their own number.
constexpr char32_t Tegn80til9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void TilfoejUtf8(std::string& ud, char32_t c) {
    if (c < 0x80) {
        ud += static_cast<char>(c);
    } else if (c < 0x800) {
        ud += static_cast<char>(0xC0 | (c >> 6));
        ud += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        ud += static_cast<char>(0xE0 | (c >> 12));
        ud += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        ud += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one character at position i; advances i. Broken UTF-8 gives
// char32_t(-1) and advances by one byte.
constexpr char32_t Ugyldig = static_cast<char32_t>(-1);

char32_t LaesUtf8(std::string_view s, std::size_t& i) {
    auto b = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    std::uint8_t c0 = b(i);
    if (c0 < 0x80) { ++i; return c0; }
    int laengde;
    char32_t c;
    char32_t mindst;
    if (c0 >= 0xC2 && c0 <= 0xDF) { laengde = 2; c = c0 & 0x1F; mindst = 0x80; }
    else if (c0 >= 0xE0 && c0 <= 0xEF) { laengde = 3; c = c0 & 0x0F; mindst = 0x800; }
    else if (c0 >= 0xF0 && c0 <= 0xF4) { laengde = 4; c = c0 & 0x07; mindst = 0x10000; }
    else { ++i; return Ugyldig; }
    if (i + static_cast<std::size_t>(laengde) > s.size()) { ++i; return Ugyldig; }
    for (int k = 1; k < laengde; ++k) {
        std::uint8_t ck = b(i + static_cast<std::size_t>(k));
        if ((ck & 0xC0) != 0x80) { ++i; return Ugyldig; }
        c = (c << 6) | (ck & 0x3F);
    }
    if (c < mindst || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) { ++i; return Ugyldig; }
    i += static_cast<std::size_t>(laengde);
    return c;
}

// The byte of a character in Windows-1252; none for a character it cannot hold.
std::optional<char> Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int k = 0; k < 32; ++k)
        if (Tegn80til9F[k] == c) return static_cast<char>(0x80 + k);
    return std::nullopt;
}

}  // namespace

std::string FraWindows1252(std::string_view bytes) {
    std::string ud;
    ud.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        auto b = static_cast<std::uint8_t>(ch);
        if (b >= 0x80 && b <= 0x9F) TilfoejUtf8(ud, Tegn80til9F[b - 0x80]);
        else TilfoejUtf8(ud, b);
    }
    return ud;
}

std::string TilWindows1252(std::string_view utf8) {
    std::string ud;
    ud.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        // Broken UTF-8 (Ugyldig) has no byte either.
        ud += Windows1252Byte(LaesUtf8(utf8, i)).value_or('?');
    }
    return ud;
}

std::optional<Tegn> FoersteTegnUdenforWindows1252(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        const char32_t c = LaesUtf8(utf8, i);
        if (c == Ugyldig) return Tegn{"\xEF\xBF\xBD", 0xFFFD};
        if (!Windows1252Byte(c)) return Tegn{std::string(utf8.substr(start, i - start)), c};
    }
    return std::nullopt;
}

std::size_t AntalTegn(std::string_view utf8) {
    std::size_t antal = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        LaesUtf8(utf8, i);
        ++antal;
    }
    return antal;
}
