#include "datamodel/DivGrids.h"

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Modelstoffer.h"
#include "datamodel/Tabeller.h"
#include "platform/InddataGrids.h"

namespace {

void anvendSoejle(GridColumn& c, const Soejleopsaetning& s) {
    c.setVisible(true);
    c.setLocked(s.laast);
    if (s.fed) c.setBold(true);
    c.setWidth(s.bredde);
    if (s.overskrift) c.setCaption(*s.overskrift);
    if (s.justering) c.setAlignment(*s.justering);
    if (s.talformat) c.setNumberFormat(*s.talformat);
    if (s.hvidBaggrund) c.setBackColor(Farve::hvid());
    if (s.optionA) c.setColumnOptionA(*s.optionA);
    c.setColumnOptionB(s.optionB);
    if (s.optionC) c.setColumnOptionC(*s.optionC);
    if (!s.liste) return;

    c.setColumnOptionD(true);
    c.setColumnOptionE(true);
    ValueList& l = c.valueList();
    l.setPresentation(ListePraesentationRulleliste);
    l.setListOptionA(s.liste->listOptionA);
    l.setListOptionB(s.liste->listOptionB);
    l.setListOptionC(s.liste->listOptionC);
    // A set-up run again (the quality-control run does so) must not stack its items.
    for (int i = l.count() - 1; i >= 0; --i) l.remove(i);
    for (ValueItem& punkt : Listepunkter(s.liste->indhold))
        l.add(std::move(punkt.value), std::move(punkt.displayText));
}

void gridOptioner(Grid& grid) {
    grid.setGridOptionA(0);
    grid.setGridOptionB(false);
    grid.setGridOptionC(false);
}

void anvend(const Gridopsaetning& o) {
    Grid& grid = inddataGrids().grid(o.grid, o.indeks);
    if (o.fjernSoejlerFoerst)
        while (grid.columnCount() > 0) grid.removeColumn(0);

    GridTabel& tabel = o.tabel(o.indeks);
    if (o.graenser)
        tabel.redimensioner(o.graenser->foersteRaekke, o.graenser->sidsteRaekke,
                            o.graenser->foersteSoejle, o.graenser->sidsteSoejle);

    if (o.bindFoer != BindFoerSoejler::Nej) grid.bind(&tabel);
    if (o.bindFoer == BindFoerSoejler::MedRebind) grid.rebind();
    if (o.overskrift) grid.setCaption(*o.overskrift);
    if (o.fontstoerrelse) grid.setFontSize(*o.fontstoerrelse);

    // Columns 0 and 1 are the design's and are taken as they are; columns that an
    // earlier layout of this window added go, so that the added ones do not stack.
    const int fraDesign = o.fjernSoejlerFoerst ? 0 : 2;
    while (grid.columnCount() > fraDesign) grid.removeColumn(grid.columnCount() - 1);
    for (int i = 0; i < static_cast<int>(o.soejler.size()); ++i) {
        GridColumn& c = i < grid.columnCount() ? grid.column(i) : grid.addColumn(i);
        anvendSoejle(c, o.soejler[static_cast<std::size_t>(i)]);
    }

    grid.bind(&tabel);
    switch (o.afslutning) {
    case Afslutning::BindRebindOpdater:
        grid.rebind();
        grid.refresh();
        gridOptioner(grid);
        break;
    case Afslutning::OptionerFoerRebind:
        grid.setGridOptionB(false);
        grid.setGridOptionC(false);
        grid.setGridOptionA(0);
        grid.rebind();
        grid.refresh();
        break;
    case Afslutning::BindOpdater:
        grid.refresh();
        gridOptioner(grid);
        break;
    }
}

// The boreholes in use, each shown by its cell in the given row of BoringData.
std::vector<ValueItem> boringer(int raekke) {
    std::vector<ValueItem> punkter;
    const int antal = tilstand().AntalBoringer;
    for (int k = 1; k <= antal; ++k)
        punkter.push_back({Variant(k), TekstForm(tabeller().BoringData.hent(raekke, k + 1))});
    return punkter;
}

}  // namespace

std::vector<ValueItem> Listepunkter(ListeIndhold indhold) {
    switch (indhold) {
    case ListeIndhold::Modelstoffer: {
        std::vector<ValueItem> punkter;
        for (const Modelstof& m : ModelstofTabel)
            punkter.push_back({Variant(std::string(m.navn)), std::string(m.visning)});
        return punkter;
    }
    case ListeIndhold::BoringerPlacering: return boringer(2);
    case ListeIndhold::BoringerNavn: return boringer(1);
    }
    return {};
}

void Opsaet(Opsaetning opsaetning) {
    for (const Gridopsaetning& o : Gridlayouts(opsaetning)) anvend(o);
}

void InitierGrids() {
    OpretDataStrukturer();
    tilstand().BrugerKulstofValens = Variant(0);
    tilstand().BrugerKulstofIndhold = Variant(2);
    UdfyldStandardtekster();
    for (Opsaetning o : InitierGridsRaekkefoelge()) Opsaet(o);
    tilstand().TvungenKalkligevaegt = Sand;
}

void OpsaetGridLokalitet() { Opsaet(Opsaetning::Lokalitet); }
void OpsaetGridBoringskontrol() { Opsaet(Opsaetning::Boringskontrol); }
void OpsaetGridAnalyser() { Opsaet(Opsaetning::Analyser); }
void OpsaetGridAfstandOpholdstid() { Opsaet(Opsaetning::AfstandOpholdstid); }
void OpsaetGridForureningskomponenter() { Opsaet(Opsaetning::Forureningskomponenter); }
void OpsaetGridKvalitetskontrol() { Opsaet(Opsaetning::Kvalitetskontrol); }
void OpsaetGridGrundvandstype() { Opsaet(Opsaetning::Grundvandstype); }
void OpsaetGridHydrauliskPlacering() { Opsaet(Opsaetning::HydrauliskPlacering); }
void OpsaetGridKarakterisering() { Opsaet(Opsaetning::Karakterisering); }
void OpsaetGridNedstroemAnalyser() { Opsaet(Opsaetning::NedstroemAnalyser); }
void OpsaetGridNedstroemKarbonat() { Opsaet(Opsaetning::NedstroemKarbonat); }
void OpsaetGridModelstof() { Opsaet(Opsaetning::Modelstof); }
void OpsaetGridKulstof() { Opsaet(Opsaetning::Kulstof); }
void OpsaetGridOploesningUdfaeldning() { Opsaet(Opsaetning::OploesningUdfaeldning); }
void OpsaetGridIonbytning() { Opsaet(Opsaetning::Ionbytning); }
void OpsaetGridRedoxprocesser() { Opsaet(Opsaetning::Redoxprocesser); }
void OpsaetGridNedbrydningsmodel() { Opsaet(Opsaetning::Nedbrydningsmodel); }
void OpsaetGridFortynding() { Opsaet(Opsaetning::Fortynding); }
void OpsaetGridKorrigeretKoncentration() { Opsaet(Opsaetning::KorrigeretKoncentration); }
void OpsaetGridMellemregninger() { Opsaet(Opsaetning::Mellemregninger); }
void OpsaetGridRedoxSum() { Opsaet(Opsaetning::RedoxSum); }
void OpsaetGridDiagramTUC() { Opsaet(Opsaetning::DiagramTUC); }
void OpsaetGridDiagramAlkalinitet() { Opsaet(Opsaetning::DiagramAlkalinitet); }
