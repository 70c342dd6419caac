#include "runs/Diagramdata.h"

#include <span>
#include <string>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "datamodel/Tabeller.h"
#include "platform/InddataGrids.h"

namespace {

enum Soejle { Produktion = 1, Forbrug = 2, Beregnet = 3, Maalt = 4 };

// Calcite is the one process whose column depends on the modelling: dissolved
// calcite produces, precipitated calcite consumes.
enum class Art { Fast, KalkOploesning, KalkUdfaeldning };

struct DiagramRaekke {
    const char* etiket;
    Art art;
    int kilde;   // row of Mellemregninger
    int soejle;  // for Art::Fast
};

constexpr int Kalk = 2;       // the calcite row of Mellemregninger
constexpr int Sum = 18;       // calculated change
constexpr int Maaling = 19;   // measured change

constexpr DiagramRaekke TUCRaekker[] = {
    {"Kalkopløsning", Art::KalkOploesning, Kalk, Produktion},
    {"Iltreduktion", Art::Fast, 7, Produktion},
    {"Methanogenese", Art::Fast, 8, Produktion},
    {"Manganreduktion", Art::Fast, 9, Produktion},
    {"Jernreduktion", Art::Fast, 10, Produktion},
    {"Sulfatreduktion", Art::Fast, 11, Produktion},
    {"Denitrifikation", Art::Fast, 12, Produktion},
    {"Kalkudfældning", Art::KalkUdfaeldning, Kalk, Forbrug},
    {"Sideritudfældning", Art::Fast, 5, Forbrug},
    {"", Art::Fast, Sum, Beregnet},
    {"", Art::Fast, Maaling, Maalt},
};

constexpr DiagramRaekke AlkalinitetRaekker[] = {
    {"Kalkopløsning", Art::KalkOploesning, Kalk, Produktion},
    {"Manganreduktion", Art::Fast, 9, Produktion},
    {"Jernreduktion", Art::Fast, 10, Produktion},
    {"Sulfatreduktion", Art::Fast, 11, Produktion},
    {"Denitrifikation", Art::Fast, 12, Produktion},
    {"Kalkudfældning", Art::KalkUdfaeldning, Kalk, Forbrug},
    {"Sideritudfældning", Art::Fast, 5, Forbrug},
    {"Nitrifikation", Art::Fast, 13, Forbrug},
    {"Pyritoxidation ilt", Art::Fast, 14, Forbrug},
    {"Pyritoxidation nitrat", Art::Fast, 15, Forbrug},
    {"Delvis pyritoxidation ilt", Art::Fast, 16, Forbrug},
    {"Delvis pyritoxidation nitrat", Art::Fast, 17, Forbrug},
    {"", Art::Fast, Sum, Beregnet},
    {"", Art::Fast, Maaling, Maalt},
};

// kildeSoejle: the column of Mellemregninger read (3 TUC, 2 alkalinity).
void Udfyld(GridTabel& tabel, std::span<const DiagramRaekke> raekker, int kildeSoejle, Grid& grid) {
    const Beregningstilstand& t = tilstand();
    const int n = static_cast<int>(raekker.size());
    tabel.redimensioner(1, n, -1, 4);

    // Only an amount greater than 0 is dissolution; 0, negative and no value at all
    // (no modelling yet) count as precipitation.
    const std::optional<double> kalk = t.ProcKalk.number();
    const bool oploesning = kalk && *kalk > 0;

    for (int r = 1; r <= n; ++r) {
        const DiagramRaekke& raekke = raekker[static_cast<std::size_t>(r - 1)];
        tabel.saet(r, -1, Variant("R" + std::to_string(r)));
        tabel.saet(r, 0, Variant(raekke.etiket));

        int soejle = raekke.soejle;
        int decimaler = 3;
        switch (raekke.art) {
        case Art::Fast:
            break;
        case Art::KalkOploesning:
            decimaler = 2;
            if (!oploesning) soejle = 0;
            break;
        case Art::KalkUdfaeldning:
            if (oploesning) soejle = 0;
            break;
        }
        for (int c = Produktion; c <= Maalt; ++c)
            tabel.saet(r, c, c == soejle ? Afrund(t.Mellemregninger(raekke.kilde, kildeSoejle), decimaler)
                                         : Variant::null());
    }

    grid.bind(&tabel);
    grid.rebind();
    grid.refresh();
}

}  // namespace

void UdfyldDiagramTUC() {
    Udfyld(tabeller().DiagramTUCData, TUCRaekker, 3, inddataGrids().TDBGrid(23));
}

void UdfyldDiagramAlkalinitet() {
    Udfyld(tabeller().DiagramAlkalinitetData, AlkalinitetRaekker, 2, inddataGrids().TDBGrid(24));
}
