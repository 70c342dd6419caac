// libFuzzer target for the data-file reader: no input may crash it, hang it or
// read out of bounds, and a file it accepts must save so that the saved file
// reads back and saves to the same bytes. Built by scripts/fuzz.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "datamodel/HentSkrivFil.h"
#include "datamodel/Talformat.h"

namespace {

std::string mappe;

void Ryd() {
    for (const char* navn : {"/ind.akv", "/a.akv", "/b.akv"}) ::unlink((mappe + navn).c_str());
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
    if (!SkrivFil(a) || !HentFil(a) || !SkrivFil(b)) std::abort();
    if (Laes(a) != Laes(b)) std::abort();
    return 0;
}
