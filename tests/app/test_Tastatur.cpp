// The work window typed into as a user types, with QTest's mouse and key events,
// every key sent where the keyboard's focus is at that moment: each value lands in
// the cell it was typed into, a refusal leaves the old value, no column moves while
// a site is typed, and a whole site goes in by the keyboard alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "celler/Talformat.h"
#include "support/BeregnetLokalitet.h"
#include "support/KoerendeProgram.h"
#include "support/QtCelletekst.h"
#include "support/QtTestMiljoe.h"
#include "windows/Vinduestilstand.h"

namespace {

// Types the text key by key where the focus is; "{Enter}", "{Tab}", "{Ctrl+Tab}",
// "{Shift+Tab}", "{Esc}", "{Up}" and "{Right}" are those keys.
void taster(const std::string& tekst) {
    static const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> navne{
        {"Enter", {Qt::Key_Return, Qt::NoModifier}}, {"Tab", {Qt::Key_Tab, Qt::NoModifier}},
        {"Ctrl+Tab", {Qt::Key_Tab, Qt::ControlModifier}}, {"Shift+Tab", {Qt::Key_Backtab, Qt::ShiftModifier}},
        {"Esc", {Qt::Key_Escape, Qt::NoModifier}}, {"Up", {Qt::Key_Up, Qt::NoModifier}},
        {"Right", {Qt::Key_Right, Qt::NoModifier}}};
    const QString t = QString::fromStdString(tekst);
    for (qsizetype i = 0; i < t.size(); ++i) {
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_NE(fokus, nullptr);
        if (t[i] == '{') {
            const qsizetype slut = t.indexOf('}', i);
            const auto [key, mod] = navne.at(t.mid(i + 1, slut - i - 1).toStdString());
            QTest::keyClick(fokus, key, mod);
            i = slut;
        } else {
            const int key = t[i].unicode() < 128 ? int(t[i].toUpper().unicode()) : int(Qt::Key_unknown);
            QTest::sendKeyEvent(QTest::Click, fokus, Qt::Key(key), QString(t[i]), Qt::NoModifier);
        }
    }
}

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
    const std::vector<int> foer = bredder(t.klik.grid);
    QtGridView* v = w.grid(t.klik.grid)->view();
    const QPoint punkt = v->visualRect(v->model()->index(t.klik.row, t.klik.col)).center();
    for (int i = 0; i < t.klik2; ++i) QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, punkt);
    taster(t.taster);
    // Typing, committing and refusing a site's values moves no column; a long value
    // not yet committed neither.
    EXPECT_EQ(bredder(t.klik.grid), foer);
    for (const Celle& c : t.forventet)
        EXPECT_EQ(celletekst(w.grid(c.grid), c.row, c.col).toStdString(), c.tekst) << c.grid << " " << c.row << "," << c.col;
    QtGrid* g = w.grid(t.aktuel.grid);
    QWidget* fokus = QApplication::focusWidget();
    EXPECT_TRUE(fokus == g->view() || g->view()->isAncestorOf(fokus));
    EXPECT_EQ(std::make_pair(g->grid().row(), g->grid().col()), std::make_pair(t.aktuel.row, t.aktuel.col));
    EXPECT_EQ(p.beskeder.vist.size(), static_cast<std::size_t>(t.beskeder));
}

const char* const Dato = "12-03-2024";

INSTANTIATE_TEST_SUITE_P(
    Arbejdsvinduet, Indtastning,
    ::testing::Values(
        Tilfaelde{"KlikKlikOgSkrivStraks", {"TDBGrid1", 1, 2}, 2, "7,41{Enter}",
                  {{"TDBGrid1", 1, 2, "7,41"}, {"TDBGrid1", 16, 2, "7,9"}}, {"TDBGrid1", 2, 2}},
        Tilfaelde{"KlikKlikPaaIlt", {"TDBGrid1", 16, 2}, 2, "2,0{Enter}",
                  {{"TDBGrid1", 16, 2, "2,0"}, {"TDBGrid1", 5, 2, "2,4"}}, {"TDBGrid1", 17, 2}},
        Tilfaelde{"LokalitetensNavnHeltMed", {"TDBGrid4", 0, 1}, 2, "Nedlagt tankstation, Vejlevej 12{Enter}Benzin{Enter}",
                  {{"TDBGrid4", 0, 1, "Nedlagt tankstation, Vejlevej 12"}, {"TDBGrid4", 1, 1, "Benzin"}},
                  {"TDBGrid4", 2, 1}},
        Tilfaelde{"EnTastErstatterDenAktuelleCelle", {"TDBGrid1", 1, 2}, 1, "6,9{Enter}", {{"TDBGrid1", 1, 2, "6,9"}},
                  {"TDBGrid1", 2, 2}},
        Tilfaelde{"EnSoejleMedEnterMellem", {"TDBGrid1", 1, 3}, 1, "7,4{Enter}7,1{Enter}",
                  {{"TDBGrid1", 1, 3, "7,4"}, {"TDBGrid1", 2, 3, "7,1"}}, {"TDBGrid1", 3, 3}},
        Tilfaelde{"AfvistVaerdiViserDenGamle", {"TDBGrid1", 1, 2}, 2, "15{Enter}", {{"TDBGrid1", 1, 2, "7,38"}},
                  {"TDBGrid1", 1, 2}, 1},
        Tilfaelde{"DatoerOgNavneFlytterIngenSoejle", {"TDBGrid22", 2, 2}, 1,
                  "12-03-2024{Tab}12-03-2024{Tab}12-03-2024{Tab}{Up}{Up}Kildepladsen{Enter}",
                  {{"TDBGrid22", 2, 2, Dato}, {"TDBGrid22", 2, 4, Dato}, {"TDBGrid22", 0, 5, "Kildepladsen"}},
                  {"TDBGrid22", 1, 5}},
        Tilfaelde{"LangVaerdiUnderIndtastning", {"TDBGrid22", 0, 2}, 1, "Boring ved vejens ende", {},
                  {"TDBGrid22", 0, 2}},
        Tilfaelde{"TabEfterSidsteCelle", {"TDBGrid4", 4, 1}, 1, "{Tab}", {}, {"TDBGrid22", 0, 0}},
        Tilfaelde{"ShiftTabFraFoersteCelle", {"TDBGrid22", 0, 2}, 1, "{Shift+Tab}", {}, {"TDBGrid4", 0, 0}},
        Tilfaelde{"CtrlTabForladerGriddet", {"TDBGrid6", 0, 2}, 1, "0{Tab}50{Ctrl+Tab}",
                  {{"TDBGrid6", 0, 2, "0"}, {"TDBGrid6", 0, 3, "50"}}, {"TDBGrid2", 0, 0}}),
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
    std::string k = "{Tab}{Tab}Gammel tankstation{Ctrl+Tab}{Tab}"
                    "B101{Tab}B102{Tab}B103{Tab}B104{Tab}{Tab}opstrøm{Tab}hotspot{Tab}nedstr.1{Tab}nedstr.2{Tab}{Tab}"
                    "01-06-2004{Tab}02-06-2004{Tab}03-06-2004{Tab}04-06-2004{Tab}{Tab}"
                    "{Tab}{Tab}0{Tab}100{Tab}200{Tab}300{Tab}{Tab}"  // past the unit's drop-down
                    "Benzen{Tab}5{Tab}12,5{Tab}1,66667{Tab}1,25{Ctrl+Tab}{Tab}";
    for (const auto& boring : analyser) {
        for (double v : boring) k += Talformat::aktuel().formater(v) + "{Enter}";
        for (int i = 0; i < 17; ++i) k += "{Up}";
        k += "{Right}";
    }
    taster(k + "{Ctrl+Tab}{Enter}");

    EXPECT_EQ(p.beskeder.tekster(), std::vector<std::string>{});
    EXPECT_EQ(vinduer().TilstandsNoegle, "Kvalitetskontrol");
    // The mode switch hid the pressed button for a moment: the focus went to the
    // window, where Enter presses the default button, not to the next button.
    EXPECT_EQ(QApplication::focusWidget(), &w);
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
