// libFuzzer target for the data-file reader: no input may crash it, hang it or
// read out of bounds, and a file it accepts must save so that the saved file
// reads back, and after one round saves to the same bytes every time, unless it
// reads back as UTF-8 (below). Built by scripts/fuzz.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "datamodel/HentSkrivFil.h"
#include "celler/Talformat.h"
#include "celler/Tegnsaet.h"

namespace {

std::string mappe;

void Ryd() {
    for (const char* navn : {"/ind.akv", "/a.akv"}) ::unlink((mappe + navn).c_str());
    ::rmdir(mappe.c_str());
}

const std::string& Mappe() {
    if (mappe.empty()) {
        std::string t = "/tmp/akv_fuzz_XXXXXX";
        if (!::mkdtemp(t.data())) std::abort();
        mappe = t;
        std::atexit(Ryd);
    }
    return mappe;
}

std::string Laes(const std::string& sti) {
    std::ifstream in(sti, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TalformatScope dansk(Talformat::dansk());
    const std::string ind = Mappe() + "/ind.akv", a = Mappe() + "/a.akv";
    {
        std::ofstream ud(ind, std::ios::binary | std::ios::trunc);
        ud.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // Message boxes go to the silent default service.
    if (!HentFil(ind)) return 0;
    // The first save may still change what it read (a CR in a text is saved as a
    // blank, and a result text such as " 77" reads back as a number); from then on
    // saving and reading must be stable. Except that a save whose Windows-1252 bytes
    // begin with the byte-order mark ("ï»¿"), or are valid UTF-8 with letters of more
    // than one byte (a UTF-8 text once read as Windows-1252: "Ã©"), reads back as
    // UTF-8: "é", or a refusal where that is a character Windows-1252 lacks ("â‰¥" is
    // "≥"). Each such round makes the file shorter, so the saving settles.
    if (!SkrivFil(a)) std::abort();
    for (int runde = 1;; ++runde) {
        const std::string gemt = Laes(a);
        const bool utf8 = gemt.starts_with(Utf8Bom) || SomUtf8(gemt) == Utf8Indhold::Flerbyte;
        if (!HentFil(a)) {
            if (utf8) return 0;
            std::abort();
        }
        if (!SkrivFil(a)) std::abort();
        const std::string igen = Laes(a);
        if (igen == gemt) return 0;
        if (runde == 1 || (utf8 && igen.size() < gemt.size())) continue;
        std::size_t i = 0;
        while (i < gemt.size() && i < igen.size() && gemt[i] == igen[i]) ++i;
        std::fprintf(stderr, "saved files differ at byte %zu\n", i);
        for (const std::string* s : {&gemt, &igen}) {
            for (std::size_t k = i > 20 ? i - 20 : 0; k < s->size() && k < i + 20; ++k)
                std::fprintf(stderr, "%02x ", static_cast<unsigned char>((*s)[k]));
            std::fprintf(stderr, "\n");
        }
        std::abort();
    }
}
