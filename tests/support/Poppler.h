#pragma once
// Reading back a written PDF with poppler's command-line tools (Debian's
// poppler-utils): the page count, the text of a page, the fonts.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The standard output of a shell command.
inline std::string Koer(const std::string& kommando) {
    std::string ud;
    if (FILE* f = ::popen(kommando.c_str(), "r")) {
        std::array<char, 4096> buf;
        while (std::size_t n = std::fread(buf.data(), 1, buf.size(), f)) ud.append(buf.data(), n);
        ::pclose(f);
    }
    return ud;
}

inline bool PopplerFindes() {
    return std::system("command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null") == 0;
}

// The page count that pdfinfo reports, -1 when it reports none.
inline int PdfSider(const std::string& sti) {
    const std::string info = Koer("pdfinfo '" + sti + "'");
    const auto i = info.find("Pages:");
    return i == std::string::npos ? -1 : std::atoi(info.c_str() + i + 6);
}

// The text of one page (from 1) in its layout, or of the whole file when side is 0.
inline std::string PdfTekst(const std::string& sti, int side = 0) {
    const std::string sider = side > 0 ? " -f " + std::to_string(side) + " -l " + std::to_string(side) : "";
    return Koer("pdftotext -layout" + sider + " '" + sti + "' -");
}

// The page's lines that hold any text, top to bottom, without their leading blanks.
inline std::vector<std::string> TekstLinjer(const std::string& tekst) {
    std::vector<std::string> r;
    std::size_t fra = 0;
    while (fra < tekst.size()) {
        std::size_t til = tekst.find('\n', fra);
        if (til == std::string::npos) til = tekst.size();
        std::string linje = tekst.substr(fra, til - fra);
        const auto start = linje.find_first_not_of(" \f\t");
        if (start != std::string::npos) r.push_back(linje.substr(start));
        fra = til + 1;
    }
    return r;
}
