#pragma once
// The data file's characters are Windows-1252, one byte each; the program's texts
// are UTF-8. These conversions are used where the file is read and written, and
// by the checks of typed texts, which refuse what the file cannot hold.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Every byte becomes its character. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the
// same number, so a file read and written again keeps its bytes.
std::string FraWindows1252(std::string_view bytes);

// Every character becomes its byte; a character Windows-1252 cannot hold, and
// every byte of broken UTF-8, becomes "?".
std::string TilWindows1252(std::string_view utf8);

// A character as the user sees it (its UTF-8 text) and its code point.
struct Tegn {
    std::string tekst;
    char32_t kode;
};

// The first character of a UTF-8 text that Windows-1252 cannot hold, the one
// TilWindows1252 would make "?"; none when the whole text survives it. A byte of
// broken UTF-8 is given as the replacement character U+FFFD.
std::optional<Tegn> FoersteTegnUdenforWindows1252(std::string_view utf8);

// The number of characters of a UTF-8 text (a byte of broken UTF-8 counts as one).
std::size_t AntalTegn(std::string_view utf8);
