#include "platform/qt/QtInddataVindue.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

// One pane of a tab: a grid or a chart by name, or a splitter of panes.
struct QtInddataVindue::Rude {
    const char* navn = nullptr;  // "TDBGrid1", "MSChart23"; nullptr for a splitter
    int indeks = 0;              // of TDBGrid5
    int raekker = 0;             // table rows shown: the pane's first height
    int bredde = 0;              // pixels: the pane's first width in a row of panes
    Qt::Orientation retning = Qt::Vertical;  // of a splitter
    std::vector<Rude> dele{};
    const char* splitter = nullptr;  // the splitter's name where the window's design has one
};

namespace {

constexpr int Raekkehoejde = 22;  // pixels of a grid row
constexpr int Omkring = 56;      // pixels of a grid's caption, header and frame

// What a site holds at its widest in each input grid: its editable columns are this
// wide from the start, so no column moves while a site is typed.
const std::vector<std::pair<const char*, QStringList>> Pladsbehov = {
    {"TDBGrid22", {"12-03-2024", "Kildepladsen"}},  // a date, a borehole name of a dozen letters
    {"TDBGrid1", {"1234,567"}},
    {"TDBGrid6", {"1234,567"}},
    {"TDBGrid2", {"1234,567"}},
};

}  // namespace

// The tabs' content, by tab index. Each pane starts at its table's height, so a
// larger table gets a larger share, and at the width of its columns; the user
// drags the splitters from there.
const std::vector<QtInddataVindue::Rude>& QtInddataVindue::indhold() {
    using R = Rude;
    constexpr auto V = Qt::Vertical;
    constexpr auto H = Qt::Horizontal;
    static const std::vector<R> faner = {
        // 0 "Prøveoplysninger": site, boreholes, distance and components beside the analyses
        R{.retning = H,
          .dele = {R{.bredde = 540,
                     .retning = V,
                     .dele = {R{"TDBGrid4", 0, 5}, R{"TDBGrid22", 0, 3}, R{"TDBGrid6", 0, 1}, R{"TDBGrid2", 0, 5}}},
                   R{"TDBGrid1", 0, 18, 540}}},
        // 1 "Alkalinitet"
        R{.retning = H, .dele = {R{"MSChart24", 0, 14, 800}, R{"TDBGrid24", 0, 14, 500}}, .splitter = "SSSplitter9"},
        // 2 "Kvalitetskontrol og simulering"
        R{.retning = V, .dele = {R{"TDBGrid3", 0, 10}, R{"TDBGrid9", 0, 2}}},
        // 3 "Grundvandstype": the criteria and the five positions, three by two
        R{.retning = V,
          .dele = {R{.retning = H, .dele = {R{"TDBGrid5", 0, 5, 1}, R{"TDBGrid5", 1, 5, 1}, R{"TDBGrid5", 2, 5, 1}}},
                   R{.retning = H, .dele = {R{"TDBGrid5", 3, 5, 1}, R{"TDBGrid5", 4, 5, 1}, R{"TDBGrid5", 5, 5, 1}}}}},
        // 4 "Modellering af nedstrøm vandkvalitet": the choice and the carbonate
        // system beside the downstream analyses
        R{.retning = H,
          .dele = {R{.bredde = 520, .retning = V, .dele = {R{"TDBGrid7", 0, 1}, R{"TDBGrid8", 0, 1}, R{"TDBGrid13", 0, 5}}},
                   R{"TDBGrid12", 0, 19, 520}}},
        // 5 "Geokemiske processer": substance, carbon, dissolution and ion exchange beside the redox processes
        R{.retning = H,
          .dele = {R{.bredde = 560,
                     .retning = V,
                     .dele = {R{"TDBGrid10", 0, 1}, R{"TDBGrid11", 0, 2}, R{"TDBGrid14", 0, 2}, R{"TDBGrid15", 0, 4}}},
                   R{"TDBGrid16", 0, 11, 560}}},
        // 6 "Total uorganisk kulstof"
        R{.retning = H, .dele = {R{"MSChart23", 0, 11, 800}, R{"TDBGrid23", 0, 11, 500}}, .splitter = "SSSplitter4"},
        // 7 "Mellemregning"
        R{.retning = V, .dele = {R{"TDBGrid20", 0, 17}, R{"TDBGrid21", 0, 2}}},
        // 8 "Tab 8": empty
        R{},
        // 9 "1. ordens model for nedbrydning"
        R{.retning = V, .dele = {R{"TDBGrid17", 0, 1}, R{"TDBGrid18", 0, 2}, R{"TDBGrid19", 0, 5}}},
    };
    return faner;
}

int QtInddataVindue::raekker(const Rude& r) {
    if (r.navn) return r.raekker;
    int n = 0;
    for (const Rude& d : r.dele) n = r.retning == Qt::Vertical ? n + raekker(d) : std::max(n, raekker(d));
    return n;
}

QtInddataVindue::QtInddataVindue(InddataKontroller& kontroller, InddataGrids& grids, InddataCharts& charts)
    : QtVindue(kontroller.frmInddata), grids_(this, grids) {
    setObjectName(QStringLiteral("frmInddata"));
    tuc_ = new QtChart(charts.MSChart23(), this);
    tuc_->setObjectName(QStringLiteral("MSChart23"));
    alkalinitet_ = new QtChart(charts.MSChart24(), this);
    alkalinitet_->setObjectName(QStringLiteral("MSChart24"));

    auto* lag = new QVBoxLayout(this);
    lag->setContentsMargins(6, 6, 6, 6);
    lag->setSpacing(6);

    faneblade_ = new QtFaneblade(kontroller.SSTab1, this);
    faneblade_->setObjectName(QStringLiteral("SSTab1"));
    for (int fane = 0; fane < InddataKontroller::AntalFaner; ++fane) {
        auto* side = new QWidget;
        side->setObjectName(QStringLiteral("fane%1").arg(fane));
        auto* sideLag = new QVBoxLayout(side);
        sideLag->setContentsMargins(4, 4, 4, 4);
        const Rude& r = indhold()[static_cast<std::size_t>(fane)];
        if (r.navn || !r.dele.empty()) sideLag->addWidget(byg(r, side));
        faneblade_->tilfoejSide(side);
    }
    lag->addWidget(faneblade_, 1);

    // Two rows: the bottom buttons of the mode, then the navigation buttons with
    // "Afslut" and "Printmenu" at the right. The longest captions of one mode do
    // not fit one row at 1366 pixels.
    // A row of the buttons, named "BotKey0", "NavKey1" and so on, room left at the end.
    auto knapRaekke = [this](auto& knapper, auto& widgets, const QString& navn) {
        auto* raekke = new QHBoxLayout;
        for (std::size_t i = 0; i < knapper.size(); ++i) {
            widgets[i] = new QtKnap(knapper[i], this);
            widgets[i]->setObjectName(navn + QString::number(i));
            raekke->addWidget(widgets[i]);
        }
        raekke->addStretch(1);
        return raekke;
    };
    auto* botRaekke = knapRaekke(kontroller.BotKey, botKeys_, QStringLiteral("BotKey"));
    // The row keeps its height in the modes without bottom buttons, so the tabs do
    // not change size (and are not laid out and drawn anew) at every mode switch. A
    // strut would not do: a row of hidden buttons counts as empty and takes no room.
    auto* stolpe = new QWidget(this);
    stolpe->setFixedSize(0, botKeys_[0]->sizeHint().height());
    botRaekke->addWidget(stolpe);
    auto* navRaekke = knapRaekke(kontroller.NavKey, navKeys_, QStringLiteral("NavKey"));
    afslut_ = new QtKnap(kontroller.Afslut, this);
    afslut_->setObjectName(QStringLiteral("Afslut"));
    printmenu_ = new QtKnap(kontroller.Printmenu, this);
    printmenu_->setObjectName(QStringLiteral("Print"));
    navRaekke->addWidget(printmenu_);
    navRaekke->addWidget(afslut_);
    lag->addLayout(botRaekke);
    lag->addLayout(navRaekke);

    for (const auto& [navn, tekster] : Pladsbehov) grid(navn)->setPladsTil(tekster);
    // The site grid's labels and its whole value column side by side, and the
    // charts' tables whole beside their charts, on a screen of 1024 pixels too: these
    // panes are never narrower than their columns; the analyses and charts beside
    // them give way.
    for (const char* navn : {"TDBGrid4", "TDBGrid23", "TDBGrid24"}) {
        QtGridView* v = grid(navn)->view();
        auto helBredde = [v] { v->setMinimumWidth(v->horizontalHeader()->length() + 2 * v->frameWidth()); };
        connect(v->horizontalHeader(), &QHeaderView::sectionResized, this, helBredde);
        connect(v->horizontalHeader(), &QHeaderView::sectionCountChanged, this, helBredde);
        helBredde();
    }
    saetTabulatorraekkefoelge();
    // The normal size, when the user takes the window down from maximised; held
    // within the screen, in its middle.
    resize(1340, 700);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    HoldIndenforSkaermen(*this);
}

void QtInddataVindue::saetTabulatorraekkefoelge() {
    // Widgets on hidden tabs and hidden buttons are passed over by Qt.
    std::vector<QWidget*> raekke{faneblade_->tabBar()};
    for (QWidget* w : ruder_) raekke.push_back(w);
    for (QtKnap* k : botKeys_) raekke.push_back(k);
    for (QtKnap* k : navKeys_) raekke.push_back(k);
    raekke.push_back(printmenu_);
    raekke.push_back(afslut_);
    for (std::size_t i = 1; i < raekke.size(); ++i) setTabOrder(raekke[i - 1], raekke[i]);
}

QtChart* QtInddataVindue::chart(const std::string& navn) const {
    if (navn == "MSChart23") return tuc_;
    if (navn == "MSChart24") return alkalinitet_;
    return nullptr;
}

QWidget* QtInddataVindue::side(int fane) const { return faneblade_->widget(fane); }

QWidget* QtInddataVindue::byg(const Rude& r, QWidget* parent) {
    if (r.navn) {
        const std::string navn = r.navn;
        QtChart* c = navn.rfind("MSChart", 0) == 0 ? chart(navn) : nullptr;
        QtGrid* g = c ? nullptr : grid(navn, r.indeks);
        QWidget* w = c ? static_cast<QWidget*>(c) : g;
        w->setParent(parent);
        ruder_.push_back(c ? static_cast<QWidget*>(c) : g->view());
        return w;
    }
    auto* s = new QSplitter(r.retning, parent);
    if (r.splitter) s->setObjectName(QString::fromLatin1(r.splitter));
    s->setChildrenCollapsible(false);
    s->setHandleWidth(6);
    // Each pane starts at its table's height and the largest one (the lowest of
    // equals) takes what room is left, so a one-row table does not stand in a tall
    // empty pane.
    QList<int> stoerrelser;
    int stoerst = 0;
    for (int i = 0; i < static_cast<int>(r.dele.size()); ++i) {
        const Rude& del = r.dele[static_cast<std::size_t>(i)];
        s->addWidget(byg(del, s));
        stoerrelser << (r.retning == Qt::Vertical ? raekker(del) * Raekkehoejde + Omkring : del.bredde);
        if (raekker(del) >= raekker(r.dele[static_cast<std::size_t>(stoerst)])) stoerst = i;
    }
    for (int i = 0; i < s->count(); ++i)
        s->setStretchFactor(i, r.retning == Qt::Horizontal || i == stoerst ? 1 : 0);
    s->setSizes(stoerrelser);
    return s;
}
