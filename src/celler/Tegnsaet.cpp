#include "Tegnsaet.h"

#include <cstdint>
#include <cstdio>
#include <utility>

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
    } else if (c < 0x10000) {
        ud += static_cast<char>(0xE0 | (c >> 12));
        ud += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        ud += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        ud += static_cast<char>(0xF0 | (c >> 18));
        ud += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
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

// The letters of Windows-1252 that are a letter and one combining accent, by accent:
// the letters it goes on and, in the same order, what each becomes.
struct Accent {
    char32_t accent;
    std::string_view bogstaver;
    std::u32string_view sammensatte;
};

constexpr Accent Accenter[] = {
    {0x0300, "AEIOUaeiou", U"ÀÈÌÒÙàèìòù"},      // grave
    {0x0301, "AEIOUYaeiouy", U"ÁÉÍÓÚÝáéíóúý"},  // acute
    {0x0302, "AEIOUaeiou", U"ÂÊÎÔÛâêîôû"},      // circumflex
    {0x0303, "ANOano", U"ÃÑÕãñõ"},              // tilde
    {0x0308, "AEIOUYaeiouy", U"ÄËÏÖÜŸäëïöüÿ"},  // diaeresis
    {0x030A, "Aa", U"Åå"},                      // ring above
    {0x030C, "SZsz", U"ŠŽšž"},                  // caron
    {0x0327, "Cc", U"Çç"},                      // cedilla
};

// Characters that NFC always replaces by another, where that one is in Windows-1252
// or is an accent of the table above.
constexpr std::pair<char32_t, char32_t> Erstatninger[] = {
    {0x0340, 0x0300}, {0x0341, 0x0301}, {0x037E, U';'},  {0x0387, 0x00B7},
    {0x1FEF, U'`'},   {0x1FFD, 0x00B4}, {0x212A, U'K'},  {0x212B, 0x00C5},
};

char32_t Erstattet(char32_t c) {
    for (const auto& [fra, til] : Erstatninger)
        if (fra == c) return til;
    return c;
}

// The letter that a letter and an accent after it make; none where Windows-1252 has none.
std::optional<char32_t> Sammensat(char32_t bogstav, char32_t accent) {
    if (bogstav >= 0x80) return std::nullopt;
    for (const Accent& a : Accenter) {
        if (a.accent != accent) continue;
        const auto i = a.bogstaver.find(static_cast<char>(bogstav));
        if (i == std::string_view::npos) return std::nullopt;
        return a.sammensatte[i];
    }
    return std::nullopt;
}

// Characters that show as nothing of their own, as ranges of code points: control
// characters, spaces other than the blank, format characters, combining marks,
// variation selectors and the like.
constexpr std::pair<char32_t, char32_t> Usynlige[] = {
    {0x0000, 0x001F},   {0x007F, 0x00A0},   {0x00AD, 0x00AD},   {0x0300, 0x036F},   {0x061C, 0x061C},
    {0x115F, 0x1160},   {0x1680, 0x1680},   {0x17B4, 0x17B5},   {0x180B, 0x180F},   {0x1AB0, 0x1AFF},
    {0x1DC0, 0x1DFF},   {0x2000, 0x200F},   {0x2028, 0x202F},   {0x205F, 0x206F},   {0x20D0, 0x20FF},
    {0x2800, 0x2800},   {0x3000, 0x3000},   {0x3164, 0x3164},   {0xFE00, 0xFE0F},   {0xFE20, 0xFE2F},
    {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},   {0xFFF9, 0xFFFB},   {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
};

bool Usynligt(char32_t c) {
    for (const auto& [fra, til] : Usynlige)
        if (c >= fra && c <= til) return true;
    return false;
}

// The invisible characters a user knows by a word.
constexpr std::pair<char32_t, const char*> Navngivne[] = {{U'\n', "linjeskift"}, {U'\r', "vognretur"}};

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

Utf8Indhold SomUtf8(std::string_view bytes) {
    bool flerbyte = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t start = i;
        if (LaesUtf8(bytes, i) == Ugyldig) return Utf8Indhold::Ugyldig;
        flerbyte = flerbyte || i - start > 1;
    }
    return flerbyte ? Utf8Indhold::Flerbyte : Utf8Indhold::Ascii;
}

std::string FraUtf8(std::string_view bytes) {
    if (SomUtf8(bytes) != Utf8Indhold::Ugyldig) return std::string(bytes);
    std::string ud;
    ud.reserve(bytes.size() + bytes.size() / 8);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t start = i;
        if (LaesUtf8(bytes, i) == Ugyldig) ud += FraWindows1252(bytes.substr(start, i - start));
        else ud.append(bytes.substr(start, i - start));
    }
    return ud;
}

std::string SammensatForm(std::string_view utf8) {
    std::string ud;
    ud.reserve(utf8.size());
    // The character written last, where it may take an accent: its code point and
    // where its bytes begin in ud.
    std::optional<std::pair<char32_t, std::size_t>> forrige;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        const char32_t laest = LaesUtf8(utf8, i);
        if (laest == Ugyldig) {  // kept as it stands; the check names it
            ud.append(utf8.substr(start, i - start));
            forrige.reset();
            continue;
        }
        const char32_t c = Erstattet(laest);
        if (forrige) {
            if (const auto sammensat = Sammensat(forrige->first, c)) {
                ud.resize(forrige->second);
                TilfoejUtf8(ud, *sammensat);
                forrige->first = *sammensat;
                continue;
            }
        }
        forrige = std::make_pair(c, ud.size());
        if (c == laest) ud.append(utf8.substr(start, i - start));
        else TilfoejUtf8(ud, c);
    }
    return ud;
}

std::string TegnetsNavn(const Tegn& tegn) {
    char kode[16];
    std::snprintf(kode, sizeof kode, "U+%04X", static_cast<unsigned>(tegn.kode));
    for (const auto& [c, navn] : Navngivne)
        if (c == tegn.kode) return std::string(navn) + " (" + kode + ")";
    // Between quotes it would show as empty quotes, or as an accent on the quote.
    if (Usynligt(tegn.kode)) return kode;
    return "\"" + tegn.tekst + "\" (" + kode + ")";
}
