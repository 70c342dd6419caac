// Loading a computed five-borehole site from its data file, saved in the user's
// number format and in the other, by the reader as it is and, side by side, by the
// reader as it was before it weighed the two formats, which read every number in
// the user's format only (its filling of the tables copied below, unchanged but for
// its names).
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "BenchLokalitet.h"
#include "celler/Talformat.h"
#include "celler/Tegnsaet.h"
#include "datamodel/HentSkrivFil.h"

namespace {

namespace foer {

constexpr std::string_view Erstatning = "\xC3\xB0";

enum class Form { Kodet, Tal, Tekst, TalEllerTekst };

struct Celle {
    int raekke;
    int soejle;
    Form form;
};

struct Blok {
    GridTabel* tabel;
    int sidsteRaekke;
    bool medSoejler;
    int sidsteSoejle;
    std::vector<Celle> celler;
};

std::vector<Blok> Blokke() {
    Tabeller& t = tabeller();
    std::vector<Blok> b;

    Blok lokalitet{&t.LokalitetData, 5, false, 1, {}};
    for (int r = 1; r <= 5; ++r) lokalitet.celler.push_back({r, 1, Form::Kodet});
    b.push_back(std::move(lokalitet));

    Blok boring{&t.BoringData, 3, true, 6, {}};
    for (int c = 2; c <= 6; ++c)
        for (int r = 1; r <= 3; ++r) boring.celler.push_back({r, c, Form::Kodet});
    b.push_back(std::move(boring));

    Blok analyse{&t.AnalyseData, 18, true, 6, {}};
    for (int c = 2; c <= 6; ++c)
        for (int r = 1; r <= 18; ++r) analyse.celler.push_back({r, c, Form::Tal});
    b.push_back(std::move(analyse));

    Blok afstand{&t.AfstandData, 1, true, 6, {}};
    for (int c = 1; c <= 6; ++c) afstand.celler.push_back({1, c, Form::Tekst});
    b.push_back(std::move(afstand));

    Blok komponent{&t.KomponentData, 5, true, 6, {}};
    for (int c : {0, 2, 3, 4, 5, 6})
        for (int r = 1; r <= 5; ++r) komponent.celler.push_back({r, c, Form::Tekst});
    b.push_back(std::move(komponent));

    Blok kvalitet{&t.KvalitetskontrolData, 10, true, 6, {}};
    for (int c = 2; c <= 6; ++c)
        for (int r = 1; r <= 10; ++r) kvalitet.celler.push_back({r, c, Form::TalEllerTekst});
    b.push_back(std::move(kvalitet));

    Blok blanding{&t.BlandingData, 2, true, 6, {}};
    for (int c = 1; c <= 5; ++c) {
        blanding.celler.push_back({1, c, Form::TalEllerTekst});
        blanding.celler.push_back({2, c, Form::Tekst});
    }
    b.push_back(std::move(blanding));

    for (auto& g : t.GrundvandstypeData) {
        Blok type{&g, 5, true, 5, {}};
        for (int r = 1; r <= 5; ++r)
            for (int z = 1; z <= 4; ++z) type.celler.push_back({r, z, Form::Tekst});
        b.push_back(std::move(type));
    }
    return b;
}

std::string Erstat(std::string_view tekst, std::string_view fra, std::string_view til) {
    std::string ud;
    ud.reserve(tekst.size());
    std::size_t i = 0;
    while (i < tekst.size()) {
        if (tekst.substr(i, fra.size()) == fra) {
            ud += til;
            i += fra.size();
        } else {
            ud += tekst[i++];
        }
    }
    return ud;
}

std::string Afkod(std::string_view tekst) { return Erstat(tekst, Erstatning, ";"); }

bool FyldBlokke(RunError& fejl) {
    const auto& felt = FeltTabel();
    const Talformat& format = Talformat::aktuel();
    std::size_t i = 0;
    for (Blok& b : Blokke()) {
        GridTabel& tabel = *b.tabel;
        tabel.redimensioner(1, b.sidsteRaekke, b.medSoejler ? 0 : tabel.foersteSoejle(),
                            b.medSoejler ? b.sidsteSoejle : tabel.sidsteSoejle());
        for (const Celle& c : b.celler) {
            const Variant& f = felt[i++];
            const std::string tekst = TekstForm(f);
            switch (c.form) {
            case Form::Kodet:
                tabel.saet(c.raekke, c.soejle, AfkodSemikolon(f));
                break;
            case Form::Tal:
                if (!tekst.empty()) {
                    const std::optional<double> x = format.fortolkLempeligt(tekst);
                    if (!x || !std::isfinite(*x)) {
                        fejl = x ? RunError::Overflow : RunError::TypeMismatch;
                        return false;
                    }
                    tabel.saet(c.raekke, c.soejle, *x);
                }
                break;
            case Form::Tekst:
                tabel.saet(c.raekke, c.soejle, f.isText() ? Variant(Afkod(f.text())) : f);
                break;
            case Form::TalEllerTekst:
                if (tekst.empty())
                    tabel.saet(c.raekke, c.soejle, Variant());
                else if (const std::optional<double> x = format.fortolkLempeligt(tekst); x && std::isfinite(*x))
                    tabel.saet(c.raekke, c.soejle, *x);
                else
                    tabel.saet(c.raekke, c.soejle, Afkod(tekst));
                break;
            }
        }
    }
    return true;
}

// The steps around the line as the reader has them still; only what fails a good
// file (the messages, the empty last line) is left out, as no run here takes it.
bool HentFil(const std::string& sti) {
    NulstilAlleData();
    RunError fejl = RunError::None;
    TextFileIn fil;
    std::string raa;
    bool ok = fil.open(sti) && fil.readLine(raa);
    std::int16_t antal = 0;
    ok = ok && DelLinje(FraWindows1252(raa), antal, fejl) && FyldBlokke(fejl);
    fil.close();
    return ok;
}

}  // namespace foer

// The five waters typed in the format f (concentrations and distances as texts, as
// the grids store them), computed, and saved to sti.
std::string GemtLokalitet(const Talformat& f, const std::string& navn) {
    TalformatScope s(f);
    bench::nyLokalitet(5);
    Tabeller& t = tabeller();
    for (int b = 1; b <= 5; ++b) {
        for (int r = 1; r <= 18; ++r)
            t.AnalyseData.saet(r, b + 1, f.formater(bench::FemVande[static_cast<std::size_t>(b - 1)][static_cast<std::size_t>(r - 1)]));
        t.AfstandData.saet(1, b + 1, f.formater(37.5 * (b - 1)));
        for (int k = 1; k <= 5; ++k) t.KomponentData.saet(k, b + 1, f.formater(b == 2 ? 12.5 / k : 0.25 * k / b));
    }
    std::string besked;
    if (!BeregnKvalitetskontrol(besked)) {
        std::fprintf(stderr, "%s\n", besked.c_str());
        std::abort();
    }
    const std::string sti = (std::filesystem::temp_directory_path() / navn).string();
    if (!SkrivFil(sti)) std::abort();
    return sti;
}

// Arguments: the reader (0 as it is, 1 as it was), the file's format (0 the user's,
// 1 the other). The user writes a decimal comma.
void BM_HentFil(benchmark::State& state) {
    const bool foerDetektion = state.range(0) == 1;
    const bool andetFormat = state.range(1) == 1;
    const std::string sti = GemtLokalitet(andetFormat ? Talformat::engelsk() : Talformat::dansk(),
                                          andetFormat ? "bench_engelsk.akv" : "bench_dansk.akv");
    TalformatScope bruger(Talformat::dansk());
    for (auto _ : state) {
        const bool ok = foerDetektion ? foer::HentFil(sti) : HentFil(sti);
        if (!ok) state.SkipWithError("the file did not load");
        benchmark::DoNotOptimize(ok);
    }
    std::filesystem::remove(sti);
}
BENCHMARK(BM_HentFil)
    ->ArgNames({"foer", "andetFormat"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
