#include "report/Rapporttabel.h"

#include <utility>

#include "datamodel/Tabeller.h"

namespace {

Celletrin celle(Celleindstilling s, int r, int k, long long v) { return Celletrin{s, r, k, r, k, v, false, false}; }

void skrivLodret(Udskrift& u, const LodretPlacering& p) {
    u.setCurrentY(p.mellemrum ? u.currentY() + p.twips : p.twips);
}

void skrivForudindstillinger(Udskrift& u, const Forudindstillinger& f) {
    u.setSettingA(1);
    u.setSettingB(f.B);
    u.setBackColor(FarveHvid);
    if (f.lodret && !f.lodretEfterD) skrivLodret(u, *f.lodret);
    if (f.E) u.setSettingE(*f.E);
    u.setSettingC(0);
    u.setSettingD(7);
    if (f.lodret && f.lodretEfterD) skrivLodret(u, *f.lodret);
}

struct Skriv {
    Udskrift& u;
    void operator()(const Celletrin& c) const {
        if (c.helTabel)
            u.tableCell(c.indstilling, c.vaerdi);
        else if (c.omraade)
            u.tableCell(c.indstilling, c.raekke1, c.kolonne1, c.raekke2, c.kolonne2, c.vaerdi);
        else
            u.tableCell(c.indstilling, c.raekke1, c.kolonne1, c.vaerdi);
    }
    void operator()(const SaetBFalsk&) const { u.setSettingB(false); }
    void operator()(const FlytLodret& f) const { skrivLodret(u, f.placering); }
};

}  // namespace

Efterindstilling RaekkehoejdeAlle() {
    return Celletrin{Celleindstilling::Raekkehoejde, AlleRaekker, 1, AlleRaekker, 8, Raekkehoejde, true, false};
}
Efterindstilling Fed(int raekke, int kolonne) { return celle(Celleindstilling::Fed, raekke, kolonne, 1); }
Efterindstilling Spaend(int raekke, int kolonne, int kolonner) {
    return celle(Celleindstilling::Spaend, raekke, kolonne, kolonner);
}
Efterindstilling Titelfarve(int raekke, int kolonne) {
    return celle(Celleindstilling::Baggrundsfarve, raekke, kolonne, SystemfarveMenu);
}
Efterindstilling Justering(int raekke, int kolonne, int kode) {
    return celle(Celleindstilling::Justering, raekke, kolonne, kode);
}
Efterindstilling HeleTabellen(Celleindstilling s, long long vaerdi) {
    return Celletrin{s, AlleRaekker, 1, AlleRaekker, 1, vaerdi, false, true};
}
Efterindstilling BFalsk() { return SaetBFalsk{}; }
Efterindstilling Lodret(LodretPlacering p) { return FlytLodret{p}; }

void FedRaekke(std::vector<Efterindstilling>& til, int raekke, int fraKolonne, int tilKolonne) {
    for (int k = fraKolonne; k <= tilKolonne; ++k) til.push_back(Fed(raekke, k));
}

void UdskrivTabel(Udskrift& u, const Rapporttabel& t) {
    if (!t.startEfterForudindstillinger) u.startTable();
    if (t.forudindstillinger) skrivForudindstillinger(u, *t.forudindstillinger);
    if (t.startEfterForudindstillinger) u.startTable();
    u.addTable(t.format, "", t.raekker, SystemfarveArbejdsflade, 0, false);
    for (const auto& trin : t.indstillinger) std::visit(Skriv{u}, trin);
    u.endTable();
}

Tabelraekke RaekkeFraTabel(const GridTabel& t, int raekke, int fraKolonne, int tilKolonne) {
    Tabelraekke r;
    for (int k = fraKolonne; k <= tilKolonne; ++k) r.push_back(TekstForm(t.hent(raekke, k)));
    return r;
}

void TilfoejRaekker(Tabelraekker& til, const GridTabel& t, int fraRaekke, int tilRaekke, int fraKolonne,
                    int tilKolonne) {
    for (int r = fraRaekke; r <= tilRaekke; ++r) til.push_back(RaekkeFraTabel(t, r, fraKolonne, tilKolonne));
}

Rapporttabel Boringstabel(const std::string& titel, double mellemrum, bool overskrift) {
    Rapporttabel t;
    t.format = BoringFormat;
    t.raekker = {{titel}};
    t.forudindstillinger = Forudindstillinger::under(mellemrum);
    t.indstillinger = {RaekkehoejdeAlle(), Fed(1, 1), Spaend(1, 1, 7), Titelfarve(1, 1), Titelfarve(1, 3)};
    if (overskrift) {
        Tabelraekke r{"Parameter", "Enhed"};
        for (int k = 2; k <= 6; ++k) r.push_back(TekstForm(tabeller().BoringData.hent(1, k)));
        t.raekker.push_back(std::move(r));
        FedRaekke(t.indstillinger, 2, 1, 7);
    }
    t.indstillinger.push_back(BFalsk());
    return t;
}
