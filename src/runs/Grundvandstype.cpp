#include "runs/Grundvandstype.h"

#include <array>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "datamodel/Tabeller.h"
#include "engine/Mellemregninger.h"
#include "engine/RedoxZoner.h"
#include "platform/InddataGrids.h"

namespace {

constexpr int AntalPositioner = 5;
constexpr int AntalParametre = 5;  // O2, NO3, Fe2+, SO4, CH4
constexpr int AntalZoner = 4;      // Ilt, Nitrat, Jern/ Sulfat, Metan

const std::array<const char*, AntalPositioner + 1> PositionsTekster{
    "", "opstrøm", "hotspot", "nedstr.1", "nedstr.2", "nedstr.3"};

// Lower case of a UTF-8 text: ASCII and the Latin-1 capitals (Æ, Ø, Å, ...), so
// "OPSTRØM" compares equal to "opstrøm".
std::string SmaaBogstaver(const std::string& tekst) {
    std::string r = tekst;
    for (std::size_t i = 0; i < r.size(); ++i) {
        const auto c = static_cast<unsigned char>(r[i]);
        if (c >= 'A' && c <= 'Z') {
            r[i] = static_cast<char>(c + ('a' - 'A'));
        } else if (c == 0xC3 && i + 1 < r.size()) {
            // U+00C0..U+00DE (but not U+00D7, the multiplication sign) are the
            // capitals of U+00E0..U+00FE: second byte 0x80..0x9E -> 0xA0..0xBE.
            const auto d = static_cast<unsigned char>(r[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) r[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return r;
}

}  // namespace

std::string PlaceringsEtiket(std::int16_t kode) {
    if (kode < 1 || kode > AntalPositioner) return "";
    const std::string soeg = PositionsTekster[static_cast<std::size_t>(kode)];
    const Tabeller& tab = tabeller();
    for (int j = 1; j <= AntalPositioner; ++j) {
        const std::string karakterisering = TekstForm(tab.BlandingData.hent(2, j));
        if (SmaaBogstaver(karakterisering) == soeg)
            return karakterisering + " (" + TekstForm(tab.BoringData.hent(1, j + 1)) + ")";
    }
    return "";
}

void VisGrundvandstype() {
    VurderRedoxZoner();

    InddataGrids& grids = inddataGrids();
    for (int kode = 1; kode <= AntalPositioner; ++kode) {
        const std::string etiket = PlaceringsEtiket(static_cast<std::int16_t>(kode));
        if (!etiket.empty()) grids.TDBGrid5(kode).setCaption(etiket);
    }

    Tabeller& tab = tabeller();
    const Beregningstilstand& t = tilstand();
    for (int r = 1; r <= AntalParametre; ++r) {
        for (int z = 1; z <= AntalZoner; ++z) {
            tab.GrundvandstypeData[0].saet(r, z, t.RedoxKriterier(r, z));
            for (int kode = 1; kode <= AntalPositioner; ++kode)
                tab.GrundvandstypeData[static_cast<std::size_t>(kode)].saet(r, z, t.RedoxZoneMatrix(kode)(r, z));
        }
    }
    for (int k = 0; k <= AntalPositioner; ++k) grids.TDBGrid5(k).refresh();
}

void VisMellemregning() {
    BeregnMellemregninger();

    Tabeller& tab = tabeller();
    const Beregningstilstand& t = tilstand();
    // Table column c shows Mellemregninger column c - 1: amount (mg/l), change of
    // alkalinity (meq/l), of inorganic carbon (mmol/l), substance consumed (mg/l).
    constexpr std::array<int, 6> Decimaler{0, 0, 0, 2, 2, 0};  // by table column 2..5
    for (int r = 1; r <= AntalProcesser; ++r)
        for (int c = 2; c <= 5; ++c)
            tab.MellemregningData.saet(r, c, Afrund(t.Mellemregninger(r, c - 1), Decimaler[static_cast<std::size_t>(c)]));
    inddataGrids().TDBGrid(20).refresh();

    // Row 1 the sums (row 18), row 2 the measured changes (row 19); the measured
    // change of substance does not exist, so (2, 4) is left alone.
    tab.RedoxSumData.saet(1, 2, Afrund(t.Mellemregninger(18, 2), 2));
    tab.RedoxSumData.saet(1, 3, Afrund(t.Mellemregninger(18, 3), 2));
    tab.RedoxSumData.saet(1, 4, Afrund(t.Mellemregninger(18, 4), 0));
    tab.RedoxSumData.saet(2, 2, Afrund(t.Mellemregninger(19, 2), 2));
    tab.RedoxSumData.saet(2, 3, Afrund(t.Mellemregninger(19, 3), 2));
    inddataGrids().TDBGrid(21).refresh();
}
