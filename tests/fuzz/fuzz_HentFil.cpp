// libFuzzer target for the data-file reader: no input may crash it, hang it or
// read out of bounds, and a file it accepts must save so that the saved file
// reads back, and after one round saves to the same bytes every time. Built by scripts/fuzz.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "datamodel/HentSkrivFil.h"
#include "celler/Talformat.h"

namespace {

std::string mappe;

void Ryd() {
    for (const char* navn : {"/ind.akv", "/a.akv", "/b.akv", "/c.akv"}) ::unlink((mappe + navn).c_str());
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
    const std::string ind = Mappe() + "/ind.akv", a = Mappe() + "/a.akv", b = Mappe() + "/b.akv";
    {
        std::ofstream ud(ind, std::ios::binary | std::ios::trunc);
        ud.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // Message boxes go to the silent default service.
    if (!HentFil(ind)) return 0;
    // The first save may still change what it read (a CR in a text is saved as a
    // blank, and a result text such as " 77" reads back as a number); from then on
    // saving and reading must be stable.
    const std::string c = Mappe() + "/c.akv";
    if (!SkrivFil(c) || !HentFil(c) || !SkrivFil(a) || !HentFil(a) || !SkrivFil(b)) std::abort();
    const std::string sa = Laes(a), sb = Laes(b);
    if (sa != sb) {
        std::size_t i = 0;
        while (i < sa.size() && i < sb.size() && sa[i] == sb[i]) ++i;
        std::fprintf(stderr, "saved files differ at byte %zu\n", i);
        for (const std::string* s : {&sa, &sb}) {
            for (std::size_t k = i > 20 ? i - 20 : 0; k < s->size() && k < i + 20; ++k)
                std::fprintf(stderr, "%02x ", static_cast<unsigned char>((*s)[k]));
            std::fprintf(stderr, "\n");
        }
        std::abort();
    }
    return 0;
}
