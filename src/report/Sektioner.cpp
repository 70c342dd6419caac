// The report's sections after the input data: quality control, first-order model,
// groundwater type, downstream model, model substance, dissolution, redox processes
// and intermediate results. Each table is described as data and written by
// UdskrivTabel; where sections repeat a shape, one function makes the shape.
#include "report/Sektioner.h"

#include <array>
#include <cmath>
#include <utility>

#include "datamodel/Tabeller.h"
#include "report/Rapporttabel.h"
#include "runs/Grundvandstype.h"

namespace {

// A title row of two cells (the title and an empty one), as "Titel|;" writes it.
Tabelraekke titel(const std::string& t) { return {t, ""}; }

// An untitled table following right under the one before: a bold heading row over
// rows of a grid table; settings B cleared after the cells.
Rapporttabel overskriftOgRaekker(std::string format, Tabelraekke overskrift, int fedeKolonner) {
    Rapporttabel t;
    t.format = std::move(format);
    t.raekker.push_back(std::move(overskrift));
    t.forudindstillinger = Forudindstillinger::udenLodret();
    t.indstillinger = {RaekkehoejdeAlle()};
    FedRaekke(t.indstillinger, 1, 1, fedeKolonner);
    t.indstillinger.push_back(BFalsk());
    return t;
}

// The settings of a titled table placed under the one before, its vertical move
// written after the presets D: the title across all columns, a bold heading row.
void titelOgOverskrift(Rapporttabel& t, int kolonner) {
    t.forudindstillinger = Forudindstillinger::under(290);
    t.forudindstillinger->lodretEfterD = true;
    t.indstillinger = {RaekkehoejdeAlle(), Spaend(1, 1, kolonner), Fed(1, 1)};
    FedRaekke(t.indstillinger, 2, 1, kolonner);
    t.indstillinger.push_back(BFalsk());
    t.indstillinger.push_back(Titelfarve(1, 1));
}

}  // namespace

std::string BoringsTekst(int raekke, const Variant& nummer) {
    const double n = TalEllerNul(nummer);
    if (n < 1 || n > 5 || n != std::floor(n)) return "";
    return TekstForm(tabeller().BoringData.hent(raekke, static_cast<int>(n) + 1));
}

// ---- Quality control ----

void UdskrivKvalitetskontrol(Udskrift& vp) {
    const Tabeller& tab = tabeller();

    Rapporttabel kontrol = Boringstabel("Kvalitetskontrol og simulering", 500, true);
    TilfoejRaekker(kontrol.raekker, tab.KvalitetskontrolData, 1, 10, 0, 6);
    UdskrivTabel(vp, kontrol);

    // The label column covers label and unit above, so the boreholes line up.
    Rapporttabel blanding;
    blanding.format = "<+3600|<+1400|<+1400|<+1400|<+1400|<+1400;";
    TilfoejRaekker(blanding.raekker, tab.BlandingData, 1, 2, 0, 5);
    blanding.forudindstillinger = Forudindstillinger::udenLodret();
    blanding.indstillinger = {RaekkehoejdeAlle(), BFalsk()};
    UdskrivTabel(vp, blanding);
}

// ---- First-order model ----

void UdskrivNedbrydningsmodel(Udskrift& vp) {
    const Tabeller& tab = tabeller();

    Rapporttabel valg;
    valg.format = "<+2000|<+1400|^+2400|^+2400|^+2400;";
    Tabelraekke navne{"Valgt hotspot"};
    for (int c = 1; c <= 4; ++c) navne.push_back(BoringsTekst(1, tab.NedbrydningData.hent(1, c)));
    valg.raekker = {titel("1. ordens model for naturlig nedbrydning"), navne};
    valg.forudindstillinger = Forudindstillinger::under(290);
    valg.indstillinger = {RaekkehoejdeAlle(), Spaend(1, 1, 5), Fed(1, 1),       Fed(2, 3),
                          Fed(2, 4),          Fed(2, 5),       Titelfarve(1, 1), BFalsk()};
    UdskrivTabel(vp, valg);

    Rapporttabel fortynding = overskriftOgRaekker("<+2000|<+1400|<+2400|<+2400|<+2400;",
                                                  {"Parameter", "Enhed", "Værdi", "Værdi", "Værdi"}, 5);
    TilfoejRaekker(fortynding.raekker, tab.FortyndingData, 1, 2, 0, 4);
    UdskrivTabel(vp, fortynding);

    Rapporttabel konstanter = overskriftOgRaekker(
        "<+2000|<+1400|<+1200|<+1200|<+1200|<+1200|<+1200|<+1200;",
        {"Parameter", "Enhed", "Tils. værdi", "Korr. fort.", "Tils. værdi", "Korr. fort.", "Tils. værdi",
         "Korr. fort."},
        8);
    TilfoejRaekker(konstanter.raekker, tab.KorrKoncentrationData, 1, 5, 0, 7);
    UdskrivTabel(vp, konstanter);
}

// ---- Groundwater type ----
//
// Ten columns of 1060 for every table: a block sets two groundwater-type tables side
// by side. The section writes presets only before its value tables, so the other
// tables take the settings the table before them left; and its one move of the
// vertical position comes after the title table is added.

namespace {

constexpr const char* GrundvandFormat =
    "<+1060|<+1060|<+1060|<+1060|<+1060|<+1060|<+1060|<+1060|<+1060|<+1060";

struct Blok {
    int venstre, hoejre;  // GrundvandstypeData index
};
constexpr std::array<Blok, 3> Blokke{{{0, 1}, {2, 3}, {4, 5}}};

std::string blokTekst(int tabel) {
    return tabel == 0 ? std::string("Kriterier") : PlaceringsEtiket(static_cast<std::int16_t>(tabel));
}

}  // namespace

void UdskrivGrundvand(Udskrift& vp) {
    const Tabeller& tab = tabeller();

    Rapporttabel titelTabel;
    titelTabel.format = GrundvandFormat;
    titelTabel.raekker = {{"Grundvand"}};
    titelTabel.indstillinger = {Lodret(LodretPlacering::under(290)),
                                HeleTabellen(Celleindstilling::Spaend, 10),
                                HeleTabellen(Celleindstilling::Raekkehoejde, Raekkehoejde), Fed(1, 1),
                                Titelfarve(1, 1)};
    UdskrivTabel(vp, titelTabel);

    for (const Blok& b : Blokke) {
        Rapporttabel overskrift;
        overskrift.format = GrundvandFormat;
        overskrift.raekker = {{blokTekst(b.venstre), "", "", "", "", blokTekst(b.hoejre), "", "", "", ""}};
        overskrift.indstillinger = {RaekkehoejdeAlle(), Spaend(1, 1, 5),    Spaend(1, 6, 5),    Fed(1, 1),
                                    Fed(1, 6),          Justering(1, 1, 7), Justering(1, 6, 7), Titelfarve(1, 1)};
        UdskrivTabel(vp, overskrift);

        Rapporttabel zoner;
        zoner.format = GrundvandFormat;
        zoner.raekker = {{"", "Ilt", "Nitrat", "Jern/sulfat", "Metan", "", "Ilt", "Nitrat", "Jern/sulfat", "Metan"}};
        zoner.indstillinger = {RaekkehoejdeAlle()};
        FedRaekke(zoner.indstillinger, 1, 1, 10);
        zoner.indstillinger.push_back(Titelfarve(1, 1));
        zoner.indstillinger.push_back(Titelfarve(1, 6));
        UdskrivTabel(vp, zoner);

        Rapporttabel vaerdier;
        vaerdier.format = GrundvandFormat;
        const GridTabel& v = tab.GrundvandstypeData[static_cast<std::size_t>(b.venstre)];
        const GridTabel& h = tab.GrundvandstypeData[static_cast<std::size_t>(b.hoejre)];
        for (int r = 1; r <= 5; ++r) {
            Tabelraekke raekke = RaekkeFraTabel(v, r, 0, 4);
            const Tabelraekke hoejre = RaekkeFraTabel(h, r, 0, 4);
            raekke.insert(raekke.end(), hoejre.begin(), hoejre.end());
            vaerdier.raekker.push_back(std::move(raekke));
        }
        vaerdier.forudindstillinger = Forudindstillinger::udenLodret();
        vaerdier.indstillinger = {RaekkehoejdeAlle(), BFalsk()};
        UdskrivTabel(vp, vaerdier);
    }
}

// ---- Downstream model and model substance ----

namespace {

// The heading block of the downstream and the model-substance sections: a title
// over three centred columns that stand above the from, to and downstream values.
Rapporttabel hovedblok(const std::string& titelTekst) {
    Rapporttabel t;
    t.format = "<+3400|^+2400|^+2400|^+2400;";
    t.raekker = {titel(titelTekst)};
    t.forudindstillinger = Forudindstillinger::under(290, true);
    t.indstillinger = {RaekkehoejdeAlle(), Spaend(1, 1, 4), Fed(1, 1), Fed(1, 2), Fed(2, 2),
                       Fed(2, 3),          Fed(2, 4),       BFalsk(),  Titelfarve(1, 1)};
    return t;
}

}  // namespace

void UdskrivNedstroemVandkvalitet(Udskrift& vp) {
    const Tabeller& tab = tabeller();
    const GridTabel& p = tab.PlaceringData;
    const GridTabel& k = tab.KarakteriseringData;

    Rapporttabel hoved = hovedblok("Modellering af nedstrøm vandkvalitet");
    hoved.raekker.push_back(
        {TekstForm(p.hent(1, 0)), BoringsTekst(2, p.hent(1, 1)), BoringsTekst(2, p.hent(1, 2)), "Nedstrøm"});
    hoved.raekker.push_back(RaekkeFraTabel(k, 1, 0, 2));
    UdskrivTabel(vp, hoved);

    // The sixth bold setting lies beyond the five columns and shows nothing.
    Rapporttabel vaerdier = overskriftOgRaekker("<+2000|<+1400|<+2400|<+2400|<+2400;",
                                                {"Parameter", "Enhed", "", "", ""}, 6);
    TilfoejRaekker(vaerdier.raekker, tab.NedstroemAnalyseData, 1, 19, 0, 4);
    TilfoejRaekker(vaerdier.raekker, tab.NedstroemKarbonatData, 1, 5, 0, 4);
    UdskrivTabel(vp, vaerdier);
}

void UdskrivModelstof(Udskrift& vp) {
    const Tabeller& tab = tabeller();
    Rapporttabel t = hovedblok("Egenskaber for modelstof");
    t.raekker.push_back({"Valgt modelstof", "Kulstoffets iltningstrin", "Indhold af kulstof %"});
    t.raekker.push_back({TekstForm(tab.ModelstofData.hent(1, 1)), TekstForm(tab.KulstofData.hent(1, 1)),
                         TekstForm(tab.KulstofData.hent(2, 1))});
    UdskrivTabel(vp, t);
}

// ---- Dissolution, redox processes, intermediate results ----

namespace {

// The process tables: a title, the heading row, rows 1..n of each source table.
struct Kilde {
    const GridTabel Tabeller::*tabel;
    int raekker;
};

Rapporttabel procestabel(const std::string& titelTekst, std::initializer_list<Kilde> kilder) {
    Rapporttabel t;
    t.format = "<+3400|<+2400|<+2400|<+2400;";
    // The closing "|" of the heading gives it an empty fifth cell.
    t.raekker = {titel(titelTekst), {"Parameter", "Enhed", "Diff. indhold", "Nyt forslag", ""}};
    for (const Kilde& k : kilder) TilfoejRaekker(t.raekker, tabeller().*(k.tabel), 1, k.raekker, 0, 3);
    titelOgOverskrift(t, 4);
    return t;
}

}  // namespace

void UdskrivOploesningUdfaeldning(Udskrift& vp) {
    UdskrivTabel(vp, procestabel("Opløsning og udfældning",
                                 {{&Tabeller::OploesningData, 2}, {&Tabeller::IonbytningData, 4}}));
}

void UdskrivRedoxprocesser(Udskrift& vp) {
    UdskrivTabel(vp, procestabel("Redox processer", {{&Tabeller::RedoxData, 11}}));
}

void UdskrivMellemregninger(Udskrift& vp) {
    const Tabeller& tab = tabeller();

    Rapporttabel mellem;
    mellem.format = "<+2000|<+1000|<+1900|<+1900|<+1900|<+1900;";
    mellem.raekker = {titel("Mellemregninger til Geokemiske processer"),
                      {"Geokemisk proces", "Enhed", "Anvendt værdi", "alkalinitet", "TUC", "Ækv. stof"},
                      {"", "", "", "mekv/l", "mmol/l", "mg/l"}};
    TilfoejRaekker(mellem.raekker, tab.MellemregningData, 1, 17, 0, 5);
    titelOgOverskrift(mellem, 6);
    UdskrivTabel(vp, mellem);

    // The first column covers label and unit above: the sums stand under their columns.
    Rapporttabel summer;
    summer.format = "<+3000|<+1900|<+1900|<+1900|<+1900;";
    TilfoejRaekker(summer.raekker, tab.RedoxSumData, 1, 2, 0, 4);
    summer.forudindstillinger = Forudindstillinger::udenLodret();
    summer.indstillinger = {RaekkehoejdeAlle()};
    FedRaekke(summer.indstillinger, 1, 1, 5);
    FedRaekke(summer.indstillinger, 2, 1, 5);
    UdskrivTabel(vp, summer);
}
