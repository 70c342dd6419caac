// The work window typed into as a user types, with QTest's mouse and key events,
// every key sent where the keyboard's focus is at that moment: each value lands in
// the cell it was typed into, a refusal leaves the old value and its message waits
// for the user, no column moves while a site is typed, Enter in a grid never presses
// a button, and a whole site goes in by the keyboard alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "celler/Talformat.h"
#include "platform/InddataKontroller.h"
#include "support/BeregnetLokalitet.h"
#include "support/KoerendeProgram.h"
#include "support/QtCelletekst.h"
#include "support/QtTestMiljoe.h"
#include "windows/Tilstandstabel.h"
#include "windows/Vinduestilstand.h"

namespace {

using namespace std::chrono_literals;

// Types a script where the keyboard's focus is at each step, on a message box while
// one is shown, a step every `takt`. "{Enter}", "{Tab}", "{Left}", "{F2}", "{Ctrl+End}",
// "{Ctrl+PgDn}" and the others named in tast() are those keys; "{Klik r c}" a click just
// inside the left edge of a cell of `grid` ("{Klik TDBGrid1 r c}" of another grid),
// "{Tomt}" a click on its empty area, "{Overskrift
// TDBGrid1 5}" one on a column's caption, "{Fane n}" one on tab n; "{Pause}" waits `pause`;
// the keys between "{Kø}" and "{/Kø}" are queued at once, as when typed faster than the
// program takes them in.
struct Maskinskriver {
    QString script;
    std::chrono::milliseconds takt = 20ms, pause = 0ms;
    QtGridView* grid = nullptr;
    qsizetype i = 0;
    int tilBoks = 0;               // keys that reached a message box
    bool boksStodTilbage = false;  // a box still waiting after the last step

    void skriv() {
        tik();
        ASSERT_TRUE(QTest::qWaitFor([&] { return i < 0; }, 30000));
    }
    QString ord() {
        const qsizetype slut = script[i] == '{' ? script.indexOf('}', i) : i;
        const QString o = slut > i ? script.mid(i + 1, slut - i - 1) : script.mid(i, 1);
        i = slut + 1;
        return o;
    }
    static std::tuple<Qt::Key, QString, Qt::KeyboardModifiers> tast(const QString& o) {
        static const std::map<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> navne{
            {"Enter", {Qt::Key_Return, Qt::NoModifier}}, {"Tab", {Qt::Key_Tab, Qt::NoModifier}},
            {"Ctrl+Tab", {Qt::Key_Tab, Qt::ControlModifier}}, {"Shift+Tab", {Qt::Key_Backtab, Qt::ShiftModifier}},
            {"Esc", {Qt::Key_Escape, Qt::NoModifier}}, {"Up", {Qt::Key_Up, Qt::NoModifier}},
            {"Down", {Qt::Key_Down, Qt::NoModifier}},
            {"Right", {Qt::Key_Right, Qt::NoModifier}}, {"Left", {Qt::Key_Left, Qt::NoModifier}},
            {"F2", {Qt::Key_F2, Qt::NoModifier}}, {"Backspace", {Qt::Key_Backspace, Qt::NoModifier}},
            {"Delete", {Qt::Key_Delete, Qt::NoModifier}}, {"Home", {Qt::Key_Home, Qt::NoModifier}},
            {"End", {Qt::Key_End, Qt::NoModifier}}, {"Ctrl+End", {Qt::Key_End, Qt::ControlModifier}},
            {"Ctrl+PgDn", {Qt::Key_PageDown, Qt::ControlModifier}}, {"Ctrl+PgUp", {Qt::Key_PageUp, Qt::ControlModifier}}};
        if (o.size() > 1) return {navne.at(o).first, QString(), navne.at(o).second};
        return {o[0].unicode() < 128 ? Qt::Key(o[0].toUpper().unicode()) : Qt::Key_unknown, o, Qt::NoModifier};
    }
    void tik() {
        QWidget* boks = QApplication::activeModalWidget();
        if (i >= script.size()) {
            i = -1;
            if ((boksStodTilbage = boks)) boks->close();
            return;
        }
        const QString o = ord();
        QTimer::singleShot(o == "Pause" ? pause : takt, [this] { tik(); });
        QWidget* fokus = boks ? boks->focusWidget() : QApplication::focusWidget();
        if (o.startsWith("Klik")) {
            QStringList d = o.split(' ');
            QtGridView* g = d.size() == 4 ? grid->window()->findChild<QtGrid*>(d.takeAt(1))->view() : grid;
            const QModelIndex celle = g->model()->index(d[1].toInt(), d[2].toInt());
            g->scrollTo(celle);
            const QRect r = g->visualRect(celle);
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 3, r.center().y()));
        } else if (o == "Tomt") {
            const QPoint hjoerne = grid->viewport()->rect().bottomRight() - QPoint(2, 2);
            ASSERT_FALSE(grid->indexAt(hjoerne).isValid());
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, hjoerne);
        } else if (o.startsWith("Overskrift")) {
            auto* andet = grid->window()->findChild<QtGrid*>(o.split(' ')[1])->view();
            QHeaderView* h = andet->horizontalHeader();
            const int c = o.split(' ')[2].toInt();
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                              QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
        } else if (o.startsWith("Fane")) {
            QTabBar* faner = grid->window()->findChild<QTabBar*>();
            QTest::mouseClick(faner, Qt::LeftButton, {}, faner->tabRect(o.split(' ')[1].toInt()).center());
        } else if (o == "Kø") {
            for (QString k = ord(); k != "/Kø"; k = ord())
                for (auto type : {QEvent::KeyPress, QEvent::KeyRelease})
                    QApplication::postEvent(fokus, new QKeyEvent(type, std::get<0>(tast(k)), std::get<2>(tast(k)), std::get<1>(tast(k))));
        } else if (o != "Pause") {
            tilBoks += boks != nullptr;
            const auto [key, tekst, mod] = tast(o);
            QTest::sendKeyEvent(QTest::Click, fokus, key, tekst, mod);
        }
    }
};

void taster(const std::string& tekst) { Maskinskriver{QString::fromStdString(tekst), 0ms}.skriv(); }

// The real message boxes, counted.
struct TaltBeskeder : QtBeskeder {
    using QtBeskeder::QtBeskeder;
    BeskedSvar vis(const std::string& t, BeskedIkon i, BeskedKnapper k, const std::string& titel) override {
        ++vist;
        return QtBeskeder::vis(t, i, k, titel);
    }
    int vist = 0;
};

struct Celle {
    const char* grid;
    int row, col;
    const char* tekst = "";  // as the grid shows it
};

struct Tilfaelde {
    const char* navn;
    Celle klik;   // clicked once, or twice
    int klik2;
    const char* taster;
    std::vector<Celle> forventet;
    Celle aktuel;  // the grid with the focus and its current cell afterwards
    int beskeder = 0;
    int tilBoks = 0;  // keys that reached the message box (until its answer)
    std::chrono::milliseconds ro = 250ms;  // the boxes' quiet; short but for one case
    const char* tilstand = nullptr;        // of a computed site; a new one without
};

void PrintTo(const Tilfaelde& t, std::ostream* os) { *os << t.navn; }

class Indtastning : public ::testing::TestWithParam<Tilfaelde> {
protected:
    void SetUp() override {
        p.program.start();
        p.startKnap("NyeData")->click();
        QApplication::setActiveWindow(&p.vindue());
        // Values a search by the first key would reach: Ilt "7,9" and Kalium "2,4".
        for (auto [r, v] : {std::pair{2, "7,38"}, {6, "2,4"}, {17, "7,9"}}) tabeller().AnalyseData.saet(r, 2, v);
        tabeller().LokalitetData.saet(1, 1, "Gammel tankstation");
        tabeller().AnalyseData.saet(5, 3, "30,2");  // Natrium, Bor.(2)
        for (const char* g : {"TDBGrid4", "TDBGrid1"}) inddataGrids().grid(g).refresh();
    }
    std::vector<int> bredder(const char* grid) {
        QtGridView* v = p.vindue().grid(grid)->view();
        std::vector<int> b;
        for (int i = 0; i < v->model()->columnCount(); ++i) b.push_back(v->columnWidth(i));
        return b;
    }

    TalformatScope dansk{Talformat::dansk()};
    KoerendeProgram p;
};

TEST_P(Indtastning, HverTastLanderHvorBrugerenMener) {
    const Tilfaelde& t = GetParam();
    QtInddataVindue& w = p.vindue();
    if (t.tilstand) {
        ASSERT_NO_FATAL_FAILURE(BeregnLokalitet());
        SkiftTilstand(t.tilstand, true);
        QApplication::processEvents();
    }
    int knaptryk = 0;
    if (Knap* k = inddataKontroller().frmInddata.defaultKnap()) k->onClick = [&knaptryk] { ++knaptryk; };
    TaltBeskeder beskeder(t.ro);
    saetBeskedService(&beskeder);
    const GridTabel analyser = tabeller().AnalyseData;
    const std::vector<int> foer = bredder(t.klik.grid);
    QtGridView* v = w.grid(t.klik.grid)->view();
    v->scrollTo(v->model()->index(t.klik.row, t.klik.col));
    const QPoint punkt = v->visualRect(v->model()->index(t.klik.row, t.klik.col)).center();
    for (int i = 0; i < t.klik2; ++i) QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, punkt);
    Maskinskriver skriver{QString::fromStdString(t.taster), 20ms, t.ro + 200ms, v};
    skriver.skriv();
    saetBeskedService(&p.beskeder);
    // Typing, committing and refusing a site's values moves no column; a long value
    // not yet committed neither.
    EXPECT_EQ(bredder(t.klik.grid), foer);
    for (const Celle& c : t.forventet)
        EXPECT_EQ(celletekst(w.grid(c.grid), c.row, c.col).toStdString(), c.tekst) << c.grid << " " << c.row << "," << c.col;
    // A refusal stores nothing, neither what was typed ahead of its message.
    for (int r = 1; r <= 18 && t.beskeder > 0; ++r)
        for (int k = 2; k <= 6; ++k) EXPECT_EQ(tabeller().AnalyseData.hent(r, k), analyser.hent(r, k)) << r << "," << k;
    QtGrid* g = w.grid(t.aktuel.grid);
    QWidget* fokus = QApplication::focusWidget();
    EXPECT_TRUE(fokus == g->view() || g->view()->isAncestorOf(fokus));
    EXPECT_EQ(std::make_pair(g->grid().row(), g->grid().col()), std::make_pair(t.aktuel.row, t.aktuel.col));
    EXPECT_EQ(beskeder.vist, t.beskeder);
    EXPECT_EQ(skriver.tilBoks, t.tilBoks);
    EXPECT_FALSE(skriver.boksStodTilbage);
    EXPECT_EQ(knaptryk, 0);
}

const char* const Dato = "12-03-2024";

INSTANTIATE_TEST_SUITE_P(
    Arbejdsvinduet, Indtastning,
    ::testing::Values(
        Tilfaelde{"KlikKlikOgSkrivStraks", {"TDBGrid1", 1, 2}, 2, "7,41{Enter}",
                  {{"TDBGrid1", 1, 2, "7,41"}, {"TDBGrid1", 16, 2, "7,9"}}, {"TDBGrid1", 2, 2}},
        Tilfaelde{"KlikKlikPaaIlt", {"TDBGrid1", 16, 2}, 2, "2,0{Enter}",
                  {{"TDBGrid1", 16, 2, "2,0"}, {"TDBGrid1", 5, 2, "2,4"}}, {"TDBGrid1", 17, 2}},
        Tilfaelde{"LokalitetensNavnHeltMed", {"TDBGrid4", 0, 1}, 1, "Nedlagt tankstation, Vejlevej 12{Enter}Benzin{Enter}",
                  {{"TDBGrid4", 0, 1, "Nedlagt tankstation, Vejlevej 12"}, {"TDBGrid4", 1, 1, "Benzin"}},
                  {"TDBGrid4", 2, 1}},
        Tilfaelde{"EnTastErstatterDenAktuelleCelle", {"TDBGrid1", 1, 2}, 1, "6,9{Enter}", {{"TDBGrid1", 1, 2, "6,9"}},
                  {"TDBGrid1", 2, 2}},
        Tilfaelde{"EnSoejleMedEnterMellem", {"TDBGrid1", 1, 3}, 1, "7,4{Enter}7,1{Enter}",
                  {{"TDBGrid1", 1, 3, "7,4"}, {"TDBGrid1", 2, 3, "7,1"}}, {"TDBGrid1", 3, 3}},
        Tilfaelde{"AfvistVaerdiViserDenGamle", {"TDBGrid1", 1, 2}, 2, "15{Enter}{Pause}{Enter}",
                  {{"TDBGrid1", 1, 2, "7,38"}}, {"TDBGrid1", 1, 2}, 1, 1},
        // Typed on from paper: the message waits for the user, what was typed ahead
        // of it goes nowhere, and the refused cell is current again.
        Tilfaelde{"AfvisningMedTasterForud", {"TDBGrid1", 4, 3}, 1, "31.8{Enter}3,1{Enter}1,85{Enter}12,4{Enter}{Pause}{Enter}",
                  {{"TDBGrid1", 4, 3, "30,2"}}, {"TDBGrid1", 4, 3}, 1, 15},
        Tilfaelde{"AfvisningMedTasterIKoe", {"TDBGrid1", 4, 3}, 1,
                  "31.8{Kø}{Enter}3,1{Enter}{/Kø}1,85{Enter}{Pause}{Enter}", {{"TDBGrid1", 4, 3, "30,2"}},
                  {"TDBGrid1", 4, 3}, 1, 6},
        Tilfaelde{"AfvisningVedKlikMedRigtigRoTid", {"TDBGrid1", 1, 4}, 1, "7.05{Klik 1 5}7,15{Enter}{Pause}{Enter}",
                  {{"TDBGrid1", 1, 4, ""}, {"TDBGrid1", 1, 5, ""}}, {"TDBGrid1", 1, 4}, 1, 6,
                  QtBeskeder::StandardRoTid},
        // A click just inside the next cell lands there, whatever the long text before it.
        Tilfaelde{"KlikVedSidenAfLangTekst", {"TDBGrid22", 1, 4}, 1, "Nedstrøms 15 m{Klik 1 5}Nedstrøms 40 m{Enter}",
                  {{"TDBGrid22", 1, 4, "Nedstrøms 15 m"}, {"TDBGrid22", 1, 5, "Nedstrøms 40 m"}}, {"TDBGrid22", 2, 5}},
        // Enter without an editor passes over a cell and presses no button.
        Tilfaelde{"EnterOverspringerEnCelle", {"TDBGrid1", 2, 2}, 1, "98,5{Enter}{Enter}22,5{Enter}2,4{Enter}",
                  {{"TDBGrid1", 2, 2, "98,5"}, {"TDBGrid1", 3, 2, ""}, {"TDBGrid1", 4, 2, "22,5"},
                   {"TDBGrid1", 5, 2, "2,4"}},
                  {"TDBGrid1", 6, 2}},
        Tilfaelde{"EnterEnterPaaSidsteRaekke", {"TDBGrid22", 0, 3}, 1, "{Enter}{Enter}{Enter}", {}, {"TDBGrid22", 2, 3}},
        Tilfaelde{"EnterTrykkerIngenKnap", {"TDBGrid7", 0, 1}, 1, "{Enter}", {}, {"TDBGrid7", 0, 1}, 0, 0, 250ms,
                  "AkvModelling"},
        // Away from a tab with an edit open and back: the keyboard is where it was.
        Tilfaelde{"FanerFremOgTilbageUnderRedigering", {"TDBGrid1", 2, 2}, 0,
                  "{Ctrl+PgUp}{Klik 2 2}99{Ctrl+PgDn}{Ctrl+PgUp}15{Enter}{Klik 4 2}3,1{Fane 2}{Fane 0}1,9{Enter}",
                  {{"TDBGrid1", 2, 2, "15"}, {"TDBGrid1", 4, 2, "1,9"}, {"TDBGrid4", 0, 1, "Gammel tankstation"}},
                  {"TDBGrid1", 5, 2}, 0, 0, 250ms, "Kvalitetskontrol"},
        Tilfaelde{"DatoerOgNavneFlytterIngenSoejle", {"TDBGrid22", 2, 2}, 1,
                  "12-03-2024{Tab}12-03-2024{Tab}12-03-2024{Tab}{Up}{Up}Kildepladsen{Enter}",
                  {{"TDBGrid22", 2, 2, Dato}, {"TDBGrid22", 2, 4, Dato}, {"TDBGrid22", 0, 5, "Kildepladsen"}},
                  {"TDBGrid22", 1, 5}},
        Tilfaelde{"LangVaerdiUnderIndtastning", {"TDBGrid22", 0, 2}, 1, "Boring ved vejens ende", {},
                  {"TDBGrid22", 0, 2}},
        // Into a grid onto a cell that takes keys.
        Tilfaelde{"TabEfterSidsteCelle", {"TDBGrid4", 4, 1}, 1, "{Tab}", {}, {"TDBGrid22", 0, 2}},
        Tilfaelde{"ShiftTabFraFoersteCelle", {"TDBGrid22", 0, 2}, 1, "{Shift+Tab}", {}, {"TDBGrid4", 0, 1}},
        // Across the boreholes with the arrows, as in a spreadsheet; F2 keeps them for the caret.
        Tilfaelde{"HoejrePilGaarTilNaesteBoring", {"TDBGrid1", 3, 2}, 1, "5{Right}6{Right}7{Enter}",
                  {{"TDBGrid1", 3, 2, "5"}, {"TDBGrid1", 3, 3, "6"}, {"TDBGrid1", 3, 4, "7"}}, {"TDBGrid1", 4, 4}},
        Tilfaelde{"PileVedKantenOgTilbage", {"TDBGrid1", 3, 6}, 1, "5{Right}{Left}4{Left}",
                  {{"TDBGrid1", 3, 6, "5"}, {"TDBGrid1", 3, 5, "4"}}, {"TDBGrid1", 3, 4}},
        Tilfaelde{"F2FlytterKunMarkoeren", {"TDBGrid1", 4, 3}, 1, "{F2}{End}{Left}5{Enter}", {{"TDBGrid1", 4, 3, "30,52"}},
                  {"TDBGrid1", 5, 3}},
        Tilfaelde{"AfvistVedHoejrePil", {"TDBGrid1", 1, 2}, 1, "15{Right}{Pause}{Enter}", {{"TDBGrid1", 1, 2, "7,38"}},
                  {"TDBGrid1", 1, 2}, 1, 1},
        Tilfaelde{"BackspaceBegynderTomt", {"TDBGrid1", 5, 2}, 1, "{Backspace}{Enter}{Backspace}7{Right}",
                  {{"TDBGrid1", 5, 2, ""}, {"TDBGrid1", 6, 2, "7"}}, {"TDBGrid1", 6, 3}},
        Tilfaelde{"DeleteToemmerCellen", {"TDBGrid1", 1, 2}, 1, "{Delete}{Delete}", {{"TDBGrid1", 1, 2, ""}},
                  {"TDBGrid1", 1, 2}},
        Tilfaelde{"HomeOgEndPaaRedigerbareCeller", {"TDBGrid1", 3, 4}, 1, "{Home}9{Enter}{End}8{Enter}{Ctrl+End}",
                  {{"TDBGrid1", 3, 2, "9"}, {"TDBGrid1", 4, 6, "8"}}, {"TDBGrid1", 17, 6}},
        Tilfaelde{"KlikPaaOverskriftFraEtAndetGrid", {"TDBGrid4", 0, 1}, 1, "{Overskrift TDBGrid1 5}11{Enter}",
                  {{"TDBGrid1", 0, 5, "11"}, {"TDBGrid1", 0, 2, ""}}, {"TDBGrid1", 1, 5}},
        Tilfaelde{"KlikPaaTomtGemmer", {"TDBGrid4", 0, 1}, 1, "Ny lokalitet{Tomt}XYZ{Enter}",
                  {{"TDBGrid4", 0, 1, "XYZ"}}, {"TDBGrid4", 1, 1}},
        Tilfaelde{"CtrlTabForladerGriddet", {"TDBGrid6", 0, 2}, 1, "0{Tab}50{Ctrl+Tab}",
                  {{"TDBGrid6", 0, 2, "0"}, {"TDBGrid6", 0, 3, "50"}}, {"TDBGrid2", 0, 0}},
        // A click on the current cell opens no editor: the arrows still leave it.
        Tilfaelde{"KlikPaaAktuelCelleOgHenAdRaekken", {"TDBGrid2", 0, 0}, 2, "Benzen{Right}5{Right}12,5{Enter}",
                  {{"TDBGrid2", 0, 0, "Benzen"}, {"TDBGrid2", 0, 2, "5"}, {"TDBGrid2", 0, 3, "12,5"}},
                  {"TDBGrid2", 1, 3}},
        // The arrows pass the locked unit column and stop at the row's first value.
        Tilfaelde{"HoejreForbiEnheden", {"TDBGrid2", 1, 0}, 1, "Toluen{Right}5{Right}6{Enter}",
                  {{"TDBGrid2", 1, 0, "Toluen"}, {"TDBGrid2", 1, 2, "5"}, {"TDBGrid2", 1, 3, "6"}},
                  {"TDBGrid2", 2, 3}},
        Tilfaelde{"VenstreVedRaekkensFoersteVaerdi", {"TDBGrid1", 1, 2}, 1, "7,1{Left}7,2{Enter}",
                  {{"TDBGrid1", 1, 2, "7,2"}}, {"TDBGrid1", 2, 2}},
        // A click on a label or a unit makes the row's nearest value current.
        Tilfaelde{"KlikPaaEtiketten", {"TDBGrid1", 1, 0}, 1, "{Right}7,35{Enter}81{Enter}",
                  {{"TDBGrid1", 1, 3, "7,35"}, {"TDBGrid1", 2, 3, "81"}}, {"TDBGrid1", 3, 3}},
        Tilfaelde{"KlikPaaEnheden", {"TDBGrid2", 2, 1}, 1, "4{Enter}", {{"TDBGrid2", 2, 2, "4"}}, {"TDBGrid2", 3, 2}},
        // A caption over cells that take no keys changes nothing.
        Tilfaelde{"OverskriftOverEnhederne", {"TDBGrid1", 4, 3}, 1, "{Overskrift TDBGrid1 1}5{Enter}",
                  {{"TDBGrid1", 4, 3, "5"}}, {"TDBGrid1", 5, 3}},
        // A click into another grid commits the value being typed first.
        Tilfaelde{"KlikIEtAndetGridGemmer", {"TDBGrid2", 0, 2}, 1, "0,3{Klik TDBGrid1 2 3}81{Enter}",
                  {{"TDBGrid2", 0, 2, "0,3"}, {"TDBGrid1", 2, 3, "81"}}, {"TDBGrid1", 3, 3}},
        // Up on the first row and Down on the last commit and stay.
        Tilfaelde{"OpPaaFoersteRaekke", {"TDBGrid1", 0, 2}, 1, "12{Up}", {{"TDBGrid1", 0, 2, "12"}}, {"TDBGrid1", 0, 2}},
        Tilfaelde{"NedPaaSidsteRaekke", {"TDBGrid4", 4, 1}, 1, "Ny udgravning{Down}",
                  {{"TDBGrid4", 4, 1, "Ny udgravning"}}, {"TDBGrid4", 4, 1}}),
    [](const auto& info) { return std::string(info.param.navn); });

// Without the mouse: from the tabs into the site grid, every input grid filled by
// Tab and Enter, then Enter on "Kvalitetskontrol af data".
TEST(Tastaturet, EnHelLokalitetUdenMus) {
    TalformatScope dansk{Talformat::dansk()};
    KoerendeProgram p;
    p.program.start();
    QApplication::setActiveWindow(&p.program.startSlut().start());
    p.startKnap("NyeData")->setFocus();
    taster("{Enter}");
    QtInddataVindue& w = p.vindue();
    QApplication::setActiveWindow(&w);
    w.SSTab1()->tabBar()->setFocus();

    const auto& analyser = BeregnetLokalitetsAnalyser();
    // Each grid is entered on its first cell that takes keys.
    std::string k = "{Tab}Gammel tankstation{Ctrl+Tab}"
                    "B101{Tab}B102{Tab}B103{Tab}B104{Tab}{Tab}opstrøm{Tab}hotspot{Tab}nedstr.1{Tab}nedstr.2{Tab}{Tab}"
                    "01-06-2004{Tab}02-06-2004{Tab}03-06-2004{Tab}04-06-2004{Tab}{Tab}"
                    "{Tab}0{Tab}100{Tab}200{Tab}300{Tab}{Tab}"  // past the unit's drop-down
                    "Benzen{Tab}5{Tab}12,5{Tab}1,66667{Tab}1,25{Ctrl+Tab}";
    for (const auto& boring : analyser) {
        for (double v : boring) k += Talformat::aktuel().formater(v) + "{Enter}";
        for (int i = 0; i < 17; ++i) k += "{Up}";
        k += "{Right}";
    }
    taster(k + "{Ctrl+Tab}{Enter}");

    EXPECT_EQ(p.beskeder.tekster(), std::vector<std::string>{});
    EXPECT_EQ(vinduer().TilstandsNoegle, "Kvalitetskontrol");
    // The mode switch puts the keyboard in the first grid of the tab in front.
    EXPECT_EQ(QApplication::focusWidget(), w.grid("TDBGrid3")->view());
    // A grid of results keeps its first cell current through its set-ups.
    EXPECT_EQ(std::make_pair(w.grid("TDBGrid3")->grid().row(), w.grid("TDBGrid3")->grid().col()), std::make_pair(0, 0));
    Tabeller& t = tabeller();
    for (auto [tabel, r, c, tekst] : {std::tuple{&t.LokalitetData, 1, 1, "Gammel tankstation"},
                                      {&t.BoringData, 2, 3, "hotspot"}, {&t.BoringData, 3, 5, "04-06-2004"},
                                      {&t.AfstandData, 1, 5, "300"}, {&t.KomponentData, 1, 0, "Benzen"},
                                      {&t.KomponentData, 1, 3, "12,5"}})
        EXPECT_EQ(TekstForm(tabel->hent(r, c)), tekst);
    for (std::size_t b = 0; b < 4; ++b)
        for (std::size_t i = 0; i < 18; ++i)
            EXPECT_EQ(TekstForm(t.AnalyseData.hent(int(i) + 1, int(b) + 2)), Talformat::aktuel().formater(analyser[b][i]));
}

}  // namespace
