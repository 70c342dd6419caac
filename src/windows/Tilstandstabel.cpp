#include "Tilstandstabel.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "windows/Vinduestilstand.h"

namespace {

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

// The caption every mode's window caption starts with.
constexpr const char* VinduesCaptionStart = "Akvifer v 2.0 - ";

// Every bottom and navigation button enabled and hidden; with resetTabs also all ten
// tabs hidden, tab 0 first.
void NulstilNavigation(bool resetTabs) {
    InddataKontroller& k = inddataKontroller();
    for (Knap& b : k.BotKey) {
        b.setEnabled(true);
        b.setVisible(false);
    }
    for (Knap& n : k.NavKey) {
        n.setEnabled(true);
        n.setVisible(false);
    }
    if (resetTabs)
        for (int fane = 0; fane < InddataKontroller::AntalFaner; ++fane) k.SSTab1.setVisible(fane, false);
}

// Shows BotKey(0) .. BotKey(n - 1), NavKey(0) .. NavKey(n - 1).
void VisBotKeys(int n) {
    for (int i = 0; i < n && i < InddataKontroller::AntalBotKeys; ++i) inddataKontroller().BotKey[idx(i)].setVisible(true);
}

void VisNavKeys(int n) {
    for (int i = 0; i < n && i < InddataKontroller::AntalNavKeys; ++i) inddataKontroller().NavKey[idx(i)].setVisible(true);
}

// BotKey(0) runs the model with forced calcite equilibrium, BotKey(1) without.
int Modelleringsknap() { return tilstand().TvungenKalkligevaegt != Falsk ? 0 : 1; }

// The first grid of each tab, by index (TDBGrid5 is TDBGrid5(0)); tab 8 is empty.
constexpr std::array<const char*, InddataKontroller::AntalFaner> FoersteGrid = {
    "TDBGrid4", "TDBGrid24", "TDBGrid3", "TDBGrid5", "TDBGrid7", "TDBGrid10", "TDBGrid23", "TDBGrid20", nullptr,
    "TDBGrid17"};

void FokusPaaFoersteGrid(int fane) {
    if (fane >= 0 && fane < InddataKontroller::AntalFaner && FoersteGrid[idx(fane)])
        inddataGrids().grid(FoersteGrid[idx(fane)]).setFocus();
}

const Tilstandsraekke& RaekkeForTilstand(const std::string& noegle) {
    for (const auto& r : Tilstandstabel())
        if (r.noegle == noegle) return r;
    throw std::out_of_range("Ukendt tilstand: " + noegle);
}

}  // namespace

void DefinerNavTekster() {
    auto& t = vinduer().NavTekster;
    t[1] = "Kvalitetskontrol af data";
    t[2] = "Vis grundvandstype";
    t[3] = "1. ordens model for nedbrydning";
    t[4] = "Justering af inddata pH til kalkligevægt";
    t[5] = "Geokemisk modellering";
    t[6] = "Inddata og kvalitetskontrol";
    t[7] = "Geokemisk modellering med tvungen kalkligevægt";
    t[8] = "Geokemisk modellering uden tvungen kalkligevægt";
    t[9] = "Grafisk afbildning";
    t[10] = "Mellemregning";
    t[11] = "Prøveoplysninger";
}

const std::vector<Tilstandsraekke>& Tilstandstabel() {
    static const std::vector<Tilstandsraekke> tabel = {
        {"OpenNoCalculations", "Inddata og Kvalitetskontrol", {1}, {}, Standardknap::Ingen, {0}, -1, false},
        {"Kvalitetskontrol", "Inddata og Kvalitetskontrol", {1, 11, 4, 2}, {5, 3}, Standardknap::Ingen, {0, 2}, 2,
         true},
        {"1stOrder", "1. ordens model for naturlig nedbrydning", {3}, {6, 5}, Standardknap::Ingen, {9}, 9, false},
        {"AkvModelling", "Geokemisk modellering", {7, 8, 9, 10}, {6, 3}, Standardknap::EfterKalkligevaegt, {4, 5}, 4,
         false},
        {"GraficModelling", "Grafisk fremstilling", {}, {6, 5}, Standardknap::Ingen, {1, 6}, 6, false},
        {"Grundvand", "Grundvand", {}, {6, 5}, Standardknap::Ingen, {3}, 3, false},
        {"Mellemregning", "Mellemregning", {}, {6, 5}, Standardknap::Ingen, {7}, 7, false},
    };
    return tabel;
}

void MarkerModelleringsknap() {
    inddataKontroller().BotKey[idx(Modelleringsknap())].setDefault(true);
}

void SkiftTilstand(const std::string& mode, bool resetTabs) {
    const Tilstandsraekke& r = RaekkeForTilstand(mode);
    InddataKontroller& k = inddataKontroller();
    const auto& tekster = vinduer().NavTekster;

    NulstilNavigation(resetTabs);
    k.BotKey[0].setDefault(false);

    k.frmInddata.setCaption(VinduesCaptionStart + r.captionDel);
    const int standard = r.standard == Standardknap::EfterKalkligevaegt ? Modelleringsknap() : -1;
    for (std::size_t i = 0; i < r.botKeys.size(); ++i) {
        k.BotKey[i].setCaption(tekster[idx(r.botKeys[i])]);
        if (static_cast<int>(i) == standard) k.BotKey[i].setDefault(true);
    }
    const bool faner = resetTabs || !r.fanerKunVedNulstilling;
    if (faner)
        for (int fane : r.synligeFaner) k.SSTab1.setVisible(fane, true);
    VisBotKeys(static_cast<int>(r.botKeys.size()));
    for (std::size_t i = 0; i < r.navKeys.size(); ++i) k.NavKey[i].setCaption(tekster[idx(r.navKeys[i])]);
    VisNavKeys(static_cast<int>(r.navKeys.size()));
    // Raises the tab notification inside the switch, while the old mode key stands.
    if (faner && r.aktuelFane >= 0) k.SSTab1.setCurrent(r.aktuelFane);
    // The keyboard where the mode is worked: its default button, else the first grid
    // of the tab in front. A window being loaded is hidden; it is given its focus
    // when shown.
    if (k.frmInddata.shown()) {
        if (standard >= 0)
            k.BotKey[idx(standard)].setFocus();
        else
            FokusPaaFoersteGrid(k.SSTab1.current());
    }

    vinduer().TilstandsNoegle = r.noegle;
}
