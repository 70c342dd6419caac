#include "platform/Chart.h"

#include <stdexcept>

#include "celler/Talformat.h"
#include "platform/Kaldtekst.h"

namespace {

// Recorded calls read the same in every locale.
std::string tal(double v) { return Talformat::engelsk().formater(v); }

std::string rektTekst(const ChartRektangel& r) {
    return tal(r.minX) + ", " + tal(r.minY) + ", " + tal(r.maxX) + ", " + tal(r.maxY);
}

const char* retningTekst(TekstRetning r) { return r == TekstRetning::Vandret ? "Vandret" : "Lodret"; }

const char* justeringTekst(VandretJustering j) {
    switch (j) {
    case VandretJustering::Venstre: return "Venstre";
    case VandretJustering::Centreret: return "Centreret";
    case VandretJustering::Hoejre: return "Hoejre";
    }
    return "";
}

const char* justeringTekst(LodretJustering j) {
    switch (j) {
    case LodretJustering::Top: return "Top";
    case LodretJustering::Midte: return "Midte";
    case LodretJustering::Bund: return "Bund";
    }
    return "";
}

}  // namespace

// ---------------------------------------------------------------- ChartAksetiket

void ChartAksetiket::kald(const std::string& k) {
    if (owner_) {
        owner_->kald("categoryAxisLabel(" + std::to_string(nummer_) + ")." + k);
        owner_->layoutAendret();
    }
}

void ChartAksetiket::setAutoLayout(bool v) { autoLayout_ = v; kald("setAutoLayout(" + boolTekst(v) + ")"); }
void ChartAksetiket::setOrientation(TekstRetning r) {
    retning_ = r;
    kald(std::string("setOrientation(") + retningTekst(r) + ")");
}
void ChartAksetiket::setHorizontalAlignment(VandretJustering j) {
    vandret_ = j;
    kald(std::string("setHorizontalAlignment(") + justeringTekst(j) + ")");
}
void ChartAksetiket::setVerticalAlignment(LodretJustering j) {
    lodret_ = j;
    kald(std::string("setVerticalAlignment(") + justeringTekst(j) + ")");
}
void ChartAksetiket::setWordWrap(bool v) { ombryd_ = v; kald("setWordWrap(" + boolTekst(v) + ")"); }
void ChartAksetiket::setFontName(std::string navn) {
    fontNavn_ = std::move(navn);
    kald("setFontName(" + citat(fontNavn_) + ")");
}
void ChartAksetiket::setFontSize(float punkter) { fontStr_ = punkter; kald("setFontSize(" + tal(punkter) + ")"); }

// ---------------------------------------------------------------- Chart

Chart::Chart(std::string navn, std::string titel) : navn_(std::move(navn)), titel_(std::move(titel)) {
    aksetiket_.owner_ = this;
}

void Chart::kald(const std::string& k) {
    if (visning_) visning_->programKald(k);
}

void Chart::layoutAendret() {
    if (visning_) visning_->layoutAendret();
}

void Chart::setChartData(std::vector<std::vector<Variant>> raekker) {
    int kategorier = 0;
    for (const auto& r : raekker)
        if (static_cast<int>(r.size()) > kategorier) kategorier = static_cast<int>(r.size());
    kald("setChartData(" + std::to_string(raekker.size()) + "x" + std::to_string(kategorier) + ")");
    // A chart drawn again at a new size gets the same values: the view keeps its bars.
    const bool samme = raekker == data_;
    data_ = std::move(raekker);
    kategorier_ = kategorier;
    for (auto it = etiketter_.begin(); it != etiketter_.end();)
        it = it->first > kategorier_ ? etiketter_.erase(it) : std::next(it);
    if (valgt_ > seriesCount()) valgt_ = 0;
    if (visning_ && !samme) visning_->dataAendret();
}

Variant Chart::value(int series, int category) const {
    if (series < 1 || series > seriesCount() || category < 1) return {};
    const auto& r = data_[static_cast<std::size_t>(series - 1)];
    if (category > static_cast<int>(r.size())) return {};
    return r[static_cast<std::size_t>(category - 1)];
}

std::string Chart::seriesName(int series) { return "R" + std::to_string(series); }

void Chart::setColumn(int c) {
    kolonne_ = c;
    kald("setColumn(" + std::to_string(c) + ")");
}

void Chart::setColumnLabel(std::string label) {
    kald("column(" + std::to_string(kolonne_) + ").setLabel(" + citat(label) + ")");
    if (kolonne_ < 1 || kolonne_ > kategorier_) return;  // no such category: nothing to label
    std::string& etiket = etiketter_[kolonne_];
    if (etiket == label) return;
    etiket = std::move(label);
    if (visning_) visning_->dataAendret();
}

std::string Chart::columnLabel(int c) const {
    const auto it = etiketter_.find(c);
    return it == etiketter_.end() ? std::string() : it->second;
}

ChartAksetiket& Chart::categoryAxisLabel(int i) {
    if (i != 1) throw std::out_of_range("the category axis has one label object");
    return aksetiket_;
}

const ChartAksetiket& Chart::categoryAxisLabel(int i) const {
    return const_cast<Chart*>(this)->categoryAxisLabel(i);
}

void Chart::setLegendVisible(bool v) {
    legendeVist_ = v;
    kald("setLegendVisible(" + boolTekst(v) + ")");
    layoutAendret();
}

void Chart::setLegendFontName(std::string navn) {
    legendeFont_ = std::move(navn);
    kald("setLegendFontName(" + citat(legendeFont_) + ")");
    layoutAendret();
}

void Chart::setLegendFontSize(float punkter) {
    legendeStr_ = punkter;
    kald("setLegendFontSize(" + tal(punkter) + ")");
    layoutAendret();
}

void Chart::setLegendLocationType(LegendePlacering p) {
    legendeType_ = p;
    kald(std::string("setLegendLocationType(") +
         (p == LegendePlacering::Brugerdefineret ? "Brugerdefineret" : "Automatisk") + ")");
    layoutAendret();
}

void Chart::setLegendRect(const ChartRektangel& r) {
    legendeRekt_ = r;
    kald("setLegendRect(" + rektTekst(r) + ")");
    layoutAendret();
}

void Chart::setPlotAutoLayout(bool v) {
    plotAuto_ = v;
    kald("setPlotAutoLayout(" + boolTekst(v) + ")");
    layoutAendret();
}

void Chart::setPlotRect(const ChartRektangel& r) {
    plotRekt_ = r;
    kald("setPlotRect(" + rektTekst(r) + ")");
    layoutAendret();
}

std::optional<Farve> Chart::seriesFill(int series) const {
    const auto it = fyld_.find(series);
    if (it == fyld_.end()) return std::nullopt;
    return it->second;
}

void Chart::setSeriesFill(int series, Farve f) {
    kald("series(" + std::to_string(series) + ").setFill(" + std::to_string(f.roed) + ", " +
         std::to_string(f.groen) + ", " + std::to_string(f.blaa) + ")");
    fyld_[series] = f;
    layoutAendret();
}

void Chart::selectSeries(int series) {
    kald("selectSeries(" + std::to_string(series) + ")");
    valgt_ = series >= 1 && series <= seriesCount() ? series : 0;
    if (visning_) visning_->markeringAendret();
}

void Chart::setFocus() {
    kald("setFocus");
    fokus_ = true;
    if (visning_) visning_->fokusOenskes();
}

void Chart::setPlacering(float top, float bredde, float hoejde) {
    const bool nyStoerrelse = bredde != bredde_ || hoejde != hoejde_;
    top_ = top;
    bredde_ = bredde;
    hoejde_ = hoejde;
    if (nyStoerrelse && resized) resized();
}

void Chart::userSelectSeries(int series) {
    if (series < 1 || series > seriesCount()) return;
    valgt_ = series;
    if (visning_) visning_->markeringAendret();
    int n = series;
    if (seriesSelected) seriesSelected(n);
}

void Chart::restoreDesign() {
    data_.clear();
    kategorier_ = 0;
    kolonne_ = 1;
    etiketter_.clear();
    ChartAksetiket frisk;
    frisk.owner_ = this;
    aksetiket_ = frisk;
    legendeVist_ = false;
    legendeFont_ = "Arial";
    legendeStr_ = 8;
    legendeType_ = LegendePlacering::Automatisk;
    legendeRekt_ = {};
    plotAuto_ = true;
    plotRekt_ = {};
    fyld_.clear();
    valgt_ = 0;
    if (visning_) {
        visning_->dataAendret();
        visning_->layoutAendret();
        visning_->markeringAendret();
    }
}

// ---------------------------------------------------------------- InddataCharts

InddataCharts::InddataCharts()
    : tuc_("MSChart23", "Total uorganisk kulstof (mg C/l)"), alkalinitet_("MSChart24", "Alkalinitet (mekv/l)") {}

Chart* InddataCharts::find(std::string_view navn) {
    if (navn == "MSChart23") return &tuc_;
    if (navn == "MSChart24") return &alkalinitet_;
    return nullptr;
}

Chart& InddataCharts::chart(std::string_view navn) {
    if (Chart* c = find(navn)) return *c;
    throw std::out_of_range("frmInddata has no chart " + std::string(navn));
}

void InddataCharts::restoreDesign() {
    tuc_.restoreDesign();
    alkalinitet_.restoreDesign();
}

InddataCharts& inddataCharts() {
    static InddataCharts charts;
    return charts;
}
