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

// The byte-order mark an editor may begin a UTF-8 file with.
inline constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// What bytes are as UTF-8: plain ASCII (the same text in Windows-1252), valid UTF-8
// with at least one character of more than one byte, or no UTF-8 at all.
enum class Utf8Indhold { Ascii, Flerbyte, Ugyldig };
Utf8Indhold SomUtf8(std::string_view bytes);

// The text of bytes read as UTF-8 where they are valid UTF-8, every other byte as
// its Windows-1252 character (as FraWindows1252 reads it): a file begun with the
// byte-order mark may have had Windows-1252 letters typed into it since.
std::string FraUtf8(std::string_view bytes);

// A UTF-8 text in its composed form (Unicode NFC) as far as Windows-1252 goes: a
// letter followed by a combining accent becomes the one letter where Windows-1252
// has it ("e" + U+0301 gives "é"), and the few characters NFC always replaces by one
// that Windows-1252 has become that one (the angstrom sign U+212B gives "Å"). A text
// with no such sequence is returned unchanged. Whatever this leaves outside
// Windows-1252, NFC would leave outside it too.
std::string SammensatForm(std::string_view utf8);

// A character named for a message: a visible one as itself and its code point
// ("\"≥\" (U+2265)"), a line break and a carriage return in words ("linjeskift
// (U+000A)", "vognretur (U+000D)"), any other that shows as nothing (a control
// character, a space other than the blank, a format character, a combining mark on
// its own) by its code point alone ("U+200B").
std::string TegnetsNavn(const Tegn& tegn);
