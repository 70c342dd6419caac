// The work window typed into as a user types, with QTest's mouse and key events,
// every key sent where the keyboard's focus is at that moment: each value lands in
// the cell it was typed into, a refusal leaves the old value, no column moves while
// a site is typed, and a whole site goes in by the keyboard alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <string>
#include <vector>

#include "celler/Talformat.h"
#include "support/BeregnetLokalitet.h"
#include "support/KoerendeProgram.h"
#include "support/QtCelletekst.h"
#include "support/QtTestMiljoe.h"
#include "windows/Vinduestilstand.h"

namespace {

// One key, or the text typed key by key, to the widget holding the focus.
void tast(int key, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QWidget* fokus = QApplication::focusWidget();
    ASSERT_NE(fokus, nullptr);
    QTest::keyClick(fokus, Qt::Key(key), mod);
}
void skriv(const QString& tekst) {
    for (QChar c : tekst) {
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_NE(fokus, nullptr);
        const int key = c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Click, fokus, Qt::Key(key), QString(c), Qt::NoModifier);
    }
}

struct Celle {
    const char* grid;
    int row, col;
    const char* tekst = "";  // as the grid shows it
};

// One step of the user: a click on a cell, a text typed, or one key.
struct Trin {
    const char* grid = nullptr;  // a click on (row, col) of this grid
    int row = 0, col = 0;
    const char* tekst = nullptr;  // typed
    int key = 0;
    Qt::KeyboardModifiers mod = Qt::NoModifier;
};
Trin Klik(const char* grid, int row, int col) { return {.grid = grid, .row = row, .col = col}; }
Trin Skriv(const char* tekst) { return {.tekst = tekst}; }
Trin Tast(int key, Qt::KeyboardModifiers mod = Qt::NoModifier) { return {.key = key, .mod = mod}; }
const Trin Enter = Tast(Qt::Key_Return);

struct Tilfaelde {
    const char* navn;
    std::vector<Trin> trin;
    std::vector<Celle> forventet;
    Celle aktuel;         // the grid holding the focus and its current cell afterwards
    int beskeder = 0;     // message boxes shown
    const char* stille = nullptr;  // a grid whose columns keep their widths throughout
};

void PrintTo(const Tilfaelde& t, std::ostream* os) { *os << t.navn; }

class Indtastning : public ::testing::TestWithParam<Tilfaelde> {
protected:
    void SetUp() override {
        p.program.start();
        p.startKnap("NyeData")->click();
        QtInddataVindue& w = p.vindue();
        w.resize(1366, 740);
        QApplication::setActiveWindow(&w);
        Tabeller& t = tabeller();
        // Values a search by the first key would find: Ilt "7,9" and Kalium "2,4".
        t.LokalitetData.saet(1, 1, "Gammel tankstation");
        t.AnalyseData.saet(2, 2, "7,38");
        t.AnalyseData.saet(6, 2, "2,4");
        t.AnalyseData.saet(17, 2, "7,9");
        for (const char* g : {"TDBGrid4", "TDBGrid1"}) inddataGrids().grid(g).refresh();
        QApplication::processEvents();
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
    const std::vector<int> foer = t.stille ? bredder(t.stille) : std::vector<int>{};
    for (const Trin& s : t.trin) {
        if (s.grid) {
            QtGridView* v = w.grid(s.grid)->view();
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(s.row, s.col)).center());
        } else if (s.tekst) {
            skriv(QString::fromUtf8(s.tekst));
        } else {
            tast(s.key, s.mod);
        }
        if (t.stille) {
            EXPECT_EQ(bredder(t.stille), foer);
        }
    }
    for (const Celle& c : t.forventet)
        EXPECT_EQ(celletekst(w.grid(c.grid), c.row, c.col).toStdString(), c.tekst) << c.grid << " " << c.row << "," << c.col;
    QtGrid* g = w.grid(t.aktuel.grid);
    EXPECT_EQ(QApplication::focusWidget(), g->view());
    EXPECT_EQ(g->view()->aabenEditor(), nullptr);
    EXPECT_EQ(std::make_pair(g->grid().row(), g->grid().col()), std::make_pair(t.aktuel.row, t.aktuel.col));
    EXPECT_EQ(p.beskeder.vist.size(), static_cast<std::size_t>(t.beskeder));
}

const std::vector<Tilfaelde> Tilfaeldene{
    {"KlikKlikOgSkrivStraks",
     {Klik("TDBGrid1", 1, 2), Klik("TDBGrid1", 1, 2), Skriv("7,41"), Enter},
     {{"TDBGrid1", 1, 2, "7,41"}, {"TDBGrid1", 16, 2, "7,9"}},
     {"TDBGrid1", 2, 2}},
    {"KlikKlikPaaIlt",
     {Klik("TDBGrid1", 16, 2), Klik("TDBGrid1", 16, 2), Skriv("2,0"), Enter},
     {{"TDBGrid1", 16, 2, "2,0"}, {"TDBGrid1", 5, 2, "2,4"}},
     {"TDBGrid1", 17, 2}},
    {"LokalitetensNavnHeltMed",
     {Klik("TDBGrid4", 0, 1), Klik("TDBGrid4", 0, 1), Skriv("Nedlagt tankstation, Vejlevej 12"), Enter, Skriv("Benzin"),
      Enter},
     {{"TDBGrid4", 0, 1, "Nedlagt tankstation, Vejlevej 12"}, {"TDBGrid4", 1, 1, "Benzin"}},
     {"TDBGrid4", 2, 1}},
    {"EnTastErstatterDenAktuelleCelle",
     {Klik("TDBGrid1", 1, 2), Skriv("6,9"), Enter},
     {{"TDBGrid1", 1, 2, "6,9"}},
     {"TDBGrid1", 2, 2}},
    {"EnSoejleMedEnterMellem",
     {Klik("TDBGrid1", 1, 3), Skriv("7,4"), Enter, Skriv("7,1"), Enter},
     {{"TDBGrid1", 1, 3, "7,4"}, {"TDBGrid1", 2, 3, "7,1"}},
     {"TDBGrid1", 3, 3}},
    {"AfvistVaerdiViserDenGamle",
     {Klik("TDBGrid1", 1, 2), Klik("TDBGrid1", 1, 2), Skriv("15"), Enter},
     {{"TDBGrid1", 1, 2, "7,38"}},
     {"TDBGrid1", 1, 2},
     1},
    {"DatoerFlytterIngenSoejle",
     {Klik("TDBGrid22", 2, 2), Skriv("12-03-2024"), Enter, Klik("TDBGrid22", 2, 3), Skriv("12-03-2024"), Enter,
      Klik("TDBGrid22", 2, 4), Skriv("12-03-2024"), Enter, Klik("TDBGrid22", 0, 5), Skriv("Kildepladsen"), Enter},
     {{"TDBGrid22", 2, 2, "12-03-2024"}, {"TDBGrid22", 2, 4, "12-03-2024"}, {"TDBGrid22", 0, 5, "Kildepladsen"}},
     {"TDBGrid22", 1, 5},
     0,
     "TDBGrid22"},
    {"EnLangVaerdiUnderIndtastning",
     {Klik("TDBGrid22", 0, 2), Skriv("Boring ved vejens ende"), Tast(Qt::Key_Escape)},
     {},
     {"TDBGrid22", 0, 2},
     0,
     "TDBGrid22"},
    {"TabEfterSidsteCelle",
     {Klik("TDBGrid4", 4, 1), Tast(Qt::Key_Tab)},
     {},
     {"TDBGrid22", 0, 0}},
    {"ShiftTabFraFoersteCelle",
     {Klik("TDBGrid22", 0, 2), Tast(Qt::Key_Backtab, Qt::ShiftModifier)},
     {},
     {"TDBGrid4", 0, 0}},
    {"TabGemmerOgGaarTilHoejre",
     {Klik("TDBGrid6", 0, 2), Skriv("0"), Tast(Qt::Key_Tab), Skriv("120"), Tast(Qt::Key_Tab)},
     {{"TDBGrid6", 0, 2, "0"}, {"TDBGrid6", 0, 3, "120"}},
     {"TDBGrid6", 0, 4}},
    {"CtrlTabForladerGriddet",
     {Klik("TDBGrid6", 0, 3), Skriv("50"), Tast(Qt::Key_Tab, Qt::ControlModifier)},
     {{"TDBGrid6", 0, 3, "50"}},
     {"TDBGrid2", 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Arbejdsvinduet, Indtastning, ::testing::ValuesIn(Tilfaeldene),
                         [](const auto& info) { return std::string(info.param.navn); });

// Without the mouse: from the tabs into the site grid, every input grid filled by
// Tab and Enter, then Enter on "Kvalitetskontrol af data".
TEST(Tastaturet, EnHelLokalitetUdenMus) {
    TalformatScope dansk{Talformat::dansk()};
    KoerendeProgram p;
    p.program.start();
    QApplication::setActiveWindow(&p.program.startSlut().start());
    p.startKnap("NyeData")->setFocus();
    tast(Qt::Key_Return);
    QtInddataVindue& w = p.vindue();
    ASSERT_TRUE(w.isVisible());
    QApplication::setActiveWindow(&w);
    w.SSTab1()->tabBar()->setFocus();

    auto feltTab = [](const std::vector<std::string>& vaerdier) {
        for (const std::string& v : vaerdier) {
            skriv(QString::fromStdString(v));
            tast(Qt::Key_Tab);
        }
    };
    const auto& analyser = BeregnetLokalitetsAnalyser();
    tast(Qt::Key_Tab);  // into the site grid, on its first label
    tast(Qt::Key_Tab);
    skriv("Gammel tankstation");
    tast(Qt::Key_Tab, Qt::ControlModifier);
    tast(Qt::Key_Tab);  // the boreholes, row by row
    feltTab({"B101", "B102", "B103", "B104", ""});
    feltTab({"opstrøm", "hotspot", "nedstr.1", "nedstr.2", ""});
    feltTab({"01-06-2004", "02-06-2004", "03-06-2004", "04-06-2004", ""});
    tast(Qt::Key_Tab);  // the unit's drop-down, then the distances
    tast(Qt::Key_Tab);
    feltTab({"0", "100", "200", "300", ""});
    skriv("Benzen");  // the components, on the first name
    tast(Qt::Key_Tab);
    feltTab({"5", "12,5", "1,66667", "1,25"});
    tast(Qt::Key_Tab, Qt::ControlModifier);
    tast(Qt::Key_Tab);  // the analyses, one borehole's column after the other
    for (int b = 0; b < 4; ++b) {
        for (double v : analyser[static_cast<std::size_t>(b)]) {
            skriv(QString::fromStdString(Talformat::aktuel().formater(v)));
            tast(Qt::Key_Return);
        }
        for (int i = 0; i < 17; ++i) tast(Qt::Key_Up);
        tast(Qt::Key_Right);
    }
    tast(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), w.botKey(0));
    tast(Qt::Key_Return);

    EXPECT_EQ(p.beskeder.tekster(), std::vector<std::string>{});
    EXPECT_EQ(vinduer().TilstandsNoegle, "Kvalitetskontrol");
    // The mode switch hid the pressed button for a moment: the focus went to the
    // window, where Enter presses the default button, not to the next button.
    EXPECT_EQ(QApplication::focusWidget(), &w);
    Tabeller& t = tabeller();
    EXPECT_EQ(t.LokalitetData.hent(1, 1), Variant("Gammel tankstation"));
    EXPECT_EQ(t.BoringData.hent(2, 3), Variant("hotspot"));
    EXPECT_EQ(t.BoringData.hent(3, 5), Variant("04-06-2004"));
    EXPECT_EQ(t.AfstandData.hent(1, 5), Variant("300"));
    EXPECT_EQ(t.KomponentData.hent(1, 0), Variant("Benzen"));
    EXPECT_EQ(t.KomponentData.hent(1, 3), Variant("12,5"));
    for (int b = 0; b < 4; ++b)
        for (int i = 0; i < 18; ++i)
            EXPECT_EQ(TekstForm(t.AnalyseData.hent(i + 1, b + 2)),
                      Talformat::aktuel().formater(analyser[static_cast<std::size_t>(b)][static_cast<std::size_t>(i)]))
                << b << "," << i;
}

}  // namespace
