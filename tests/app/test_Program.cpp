// The whole program on Qt, offscreen, with the file dialogs and message boxes
// answered by the test: a site typed into the real grids, quality control, a model
// run, the print preview, saved on the way out and loaded again by a fresh start;
// and every mode of the work window reached by its own buttons; keys typed on
// through the window changes, there through the real boxes and dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "celler/Talformat.h"
#include "datamodel/Beregningstilstand.h"
#include "datamodel/HentSkrivFil.h"
#include "datamodel/Tabeller.h"
#include "platform/InddataKontroller.h"
#include "platform/StartSlutKontroller.h"
#include "platform/qt/QtBeskeder.h"
#include "platform/qt/QtInddataVindue.h"
#include "platform/qt/QtStartSlut.h"
#include "platform/qt/QtTjenester.h"
#include "support/BeregnetLokalitet.h"
#include "support/KoerendeProgram.h"
#include "support/QtCelletekst.h"
#include "support/QtTestMiljoe.h"
#include "support/RecordingBeskeder.h"
#include "support/RecordingFilDialoger.h"
#include "support/TempDir.h"
#include "windows/Navigation.h"
#include "windows/Vinduestilstand.h"

namespace {

void tast(QWidget* w, int key, const QString& tekst = {}) {
    QKeyEvent tryk(QEvent::KeyPress, key, Qt::NoModifier, tekst);
    QApplication::sendEvent(w, &tryk);
    QKeyEvent slip(QEvent::KeyRelease, key, Qt::NoModifier, tekst);
    QApplication::sendEvent(w, &slip);
    QApplication::processEvents();  // the delegate commits on Enter through a queued call
}

// Opens the cell's editor, types the text key by key and presses Enter; the editor
// stays open when the value is refused.
QLineEdit* skriv(QtGrid* g, int row, int col, const std::string& tekst) {
    auto* le = qobject_cast<QLineEdit*>(aabnEditor(g, row, col));
    if (!le) return nullptr;
    le->selectAll();
    tast(le, Qt::Key_Delete);
    for (QChar c : QString::fromStdString(tekst)) tast(le, Qt::Key_A, QString(c));
    tast(le, Qt::Key_Return);
    return le;
}

std::string Tal(double v) { return Talformat::aktuel().formater(v); }

const std::vector<const char*> InputGrids{"TDBGrid4", "TDBGrid22", "TDBGrid1", "TDBGrid6", "TDBGrid2"};

// Every cell of the five input grids: as the tables hold it and as the Qt grids show it.
std::vector<std::string> Inddata(const QtInddataVindue& w) {
    std::vector<std::string> r;
    Tabeller& t = tabeller();
    for (const GridTabel* g : {&t.LokalitetData, &t.BoringData, &t.AnalyseData, &t.AfstandData, &t.KomponentData})
        for (int rr = g->foersteRaekke(); rr <= g->sidsteRaekke(); ++rr)
            for (int c = g->foersteSoejle(); c <= g->sidsteSoejle(); ++c) r.push_back(TekstForm(g->hent(rr, c)));
    for (const char* navn : InputGrids) {
        QtGrid* g = w.grid(navn);
        for (int rr = 0; rr < g->model()->rowCount(); ++rr)
            for (int c = 0; c < g->model()->columnCount(); ++c)
                r.push_back(std::string(navn) + " " + celletekst(g, rr, c).toStdString());
    }
    return r;
}

// Runs the event loop until the program ends itself; 1 when it never did.
int KoerTilProgrammetSlutter(const std::function<void()>& handling) {
    QTimer vagt;
    vagt.setSingleShot(true);
    QObject::connect(&vagt, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    vagt.start(20000);
    QTimer::singleShot(0, handling);
    return QApplication::exec();
}

TEST(Program, ASiteTypedCalculatedPrintedAndSavedOnTheWayOutComesBackWhole) {
    TempDir dir;
    const std::string sti = dir / "tankstation.akv";
    std::vector<std::string> indtastet;
    {
        KoerendeProgram p;
        p.program.start();
        ASSERT_TRUE(p.program.startSlut().start().isVisible());
        p.startKnap("NyeData")->click();
        ASSERT_FALSE(p.program.startSlut().start().isVisible());
        ASSERT_TRUE(p.vindue().isVisible());
        EXPECT_EQ(p.vindue().windowTitle(), "Akvifer v 2.0 - Inddata og Kvalitetskontrol");

        // The site through the grids of tab 0, one key at a time; one value refused.
        QtInddataVindue& w = p.vindue();
        const auto& analyser = BeregnetLokalitetsAnalyser();
        ASSERT_TRUE(skriv(w.grid("TDBGrid4"), 0, 1, "Gammel tankstation"));
        const char* navne[] = {"B101", "B102", "B103", "B104"};
        const char* placeringer[] = {"opstrøm", "hotspot", "nedstr.1", "nedstr.2"};
        for (int b = 1; b <= 4; ++b) {
            skriv(w.grid("TDBGrid22"), 0, b + 1, navne[b - 1]);
            skriv(w.grid("TDBGrid22"), 1, b + 1, placeringer[b - 1]);
            skriv(w.grid("TDBGrid22"), 2, b + 1, "0" + std::to_string(b) + "-06-2004");
            for (int i = 0; i < 18; ++i)
                skriv(w.grid("TDBGrid1"), i, b + 1,
                      Tal(analyser[static_cast<std::size_t>(b - 1)][static_cast<std::size_t>(i)]));
            skriv(w.grid("TDBGrid6"), 0, b + 1, Tal(100.0 * (b - 1)));
            skriv(w.grid("TDBGrid2"), 0, b + 1, Tal(b == 2 ? 12.5 : 5.0 / b));
        }
        skriv(w.grid("TDBGrid6"), 0, 1, "meter");
        skriv(w.grid("TDBGrid2"), 0, 0, "Benzen");
        ASSERT_EQ(p.beskeder.tekster(), std::vector<std::string>{});

        ASSERT_TRUE(skriv(w.grid("TDBGrid1"), 1, 3, "15"));
        ASSERT_EQ(p.beskeder.vist.size(), 1u);
        EXPECT_EQ(p.beskeder.vist[0].tekst.rfind("Den indtastede værdi: 15\n\rer udenfor intervalet\n\n\r 5 < PH < 10", 0),
                  0u);
        EXPECT_EQ(p.beskeder.vist[0].ikon, BeskedIkon::Udraab);
        EXPECT_EQ(p.beskeder.vist[0].titel, "Inddatakontrol");
        EXPECT_EQ(TekstForm(tabeller().AnalyseData.hent(2, 3)), Tal(analyser[1][1]));
        skriv(w.grid("TDBGrid1"), 1, 3, Tal(analyser[1][1]));
        EXPECT_EQ(w.grid("TDBGrid1")->view()->aabenEditor(), nullptr);
        p.beskeder.vist.clear();

        EXPECT_EQ(TekstForm(tabeller().AnalyseData.hent(18, 5)), Tal(analyser[3][17]));
        EXPECT_EQ(tabeller().KomponentData.hent(1, 0), Variant("Benzen"));

        w.botKey(0)->click();  // "Kvalitetskontrol af data"
        ASSERT_EQ(p.beskeder.tekster(), std::vector<std::string>{});
        EXPECT_EQ(vinduer().TilstandsNoegle, "Kvalitetskontrol");
        EXPECT_EQ(w.SSTab1()->currentIndex(), 2);
        EXPECT_EQ(tilstand().AntalBoringer, 4);
        EXPECT_NE(celletekst(w.grid("TDBGrid3"), 0, 2), "");

        ASSERT_EQ(w.navKey(0)->text(), "Geokemisk modellering");
        w.navKey(0)->click();
        ASSERT_EQ(p.beskeder.tekster(), std::vector<std::string>{});
        EXPECT_EQ(w.windowTitle(), "Akvifer v 2.0 - Geokemisk modellering");
        EXPECT_EQ(w.SSTab1()->currentIndex(), 4);
        EXPECT_TRUE(tabeller().OploesningData.hent(2, 2).isNumber());
        EXPECT_NE(celletekst(w.grid("TDBGrid14"), 1, 2), "");

        // The preview opens modally over the work window and is closed by its close box.
        int sider = 0;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QtPrintvindue* pv = p.program.printvinduer().aaben();
            if (!pv) return;
            modal = pv->isVisible() && pv->isModal();
            sider = pv->kontroller().vp.pageCount();
            pv->close();
        });
        w.printmenu()->click();
        EXPECT_TRUE(modal);
        EXPECT_GE(sider, 3);
        EXPECT_EQ(p.program.printvinduer().aaben(), nullptr);
        EXPECT_TRUE(w.isVisible());

        indtastet = Inddata(w);

        w.afslut()->click();
        EXPECT_FALSE(w.isVisible());
        ASSERT_TRUE(p.program.startSlut().slut().isVisible());

        p.dialoger.svarene.push_back(sti);
        EXPECT_EQ(KoerTilProgrammetSlutter([&] { p.slutKnap("GemAlt")->click(); }), 0);
        ASSERT_EQ(p.dialoger.vist.size(), 1u);
        EXPECT_TRUE(p.dialoger.vist[0].gem);
        EXPECT_EQ(p.dialoger.vist[0].valg.startnavn, "");
        EXPECT_EQ(p.beskeder.tekster(), std::vector<std::string>{});
        ASSERT_TRUE(std::filesystem::exists(sti));
    }
    {
        KoerendeProgram p;
        ASSERT_EQ(TekstForm(tabeller().LokalitetData.hent(1, 1)), "");
        p.program.start();
        p.dialoger.svarene.push_back(sti);
        p.startKnap("EksisterendeData")->click();
        ASSERT_EQ(p.beskeder.tekster(), std::vector<std::string>{});
        ASSERT_EQ(p.dialoger.vist.size(), 1u);
        EXPECT_FALSE(p.dialoger.vist[0].gem);
        EXPECT_EQ(p.dialoger.vist[0].valg.titel, "Åben eksisterende data");
        EXPECT_FALSE(p.program.startSlut().start().isVisible());
        ASSERT_TRUE(p.vindue().isVisible());
        EXPECT_EQ(tilstand().FilNavn, sti);
        EXPECT_EQ(vinduer().TilstandsNoegle, "OpenNoCalculations");
        EXPECT_EQ(Inddata(p.vindue()), indtastet);
        EXPECT_EQ(p.vindue().focusWidget(), p.vindue().grid("TDBGrid4")->view());
    }
}

// Typed on the real grid: "≥" refused, what the data file holds kept. The end
// window's close box, as the window system sends it (also Alt+F4), goes back to the
// work window with the site unchanged, and the program goes on.
TEST(Program, EndWindowsCloseBoxGoesBackToTheSiteUnchanged) {
    KoerendeProgram p;
    p.program.start();
    p.startKnap("NyeData")->click();
    QtInddataVindue& w = p.vindue();
    skriv(w.grid("TDBGrid4"), 0, 1, "µg/l ≥ 2");
    ASSERT_EQ(p.beskeder.vist.size(), 1u);
    skriv(w.grid("TDBGrid4"), 0, 1, "Pris 5 € – µg/l;");
    const std::vector<std::string> foer = Inddata(w);
    w.afslut()->click();
    QtMenuVindue& slut = p.program.startSlut().slut();
    // The loop ends with 0 where the close box ended the program, else with 2.
    QTimer::singleShot(0, [&] {
        slut.windowHandle()->close();
        QTimer::singleShot(0, [] { QCoreApplication::exit(2); });
    });
    EXPECT_EQ(QApplication::exec(), 2);
    EXPECT_FALSE(slut.isVisible());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Inddata(w), foer);
    EXPECT_EQ(TekstForm(tabeller().LokalitetData.hent(1, 1)), "Pris 5 € – µg/l;");
}

// The mode table as the Qt window shows it, reached through the real buttons.
struct Skridt {
    const char* knap;  // "bot2", "nav1": the button clicked to get here
    const char* noegle;
    const char* titel;
    std::vector<int> faner;  // visible
    int aktuel;
    std::vector<std::string> bund;  // the visible bottom buttons' texts
    std::vector<std::string> nav;
    int standard;  // the bottom button with the default mark, -1 none
    const char* fokus;  // "bot0" or the grid with the keyboard's focus
};

// The site written straight into the tables of a new site: typing it is the test above.
void SkrivLokalitet() {
    Tabeller& t = tabeller();
    for (int b = 1; b <= 4; ++b) {
        t.BoringData.saet(1, b + 1, "B" + std::to_string(b));
        t.BoringData.saet(2, b + 1, "P" + std::to_string(b));
        for (int i = 1; i <= 18; ++i)
            t.AnalyseData.saet(i, b + 1, BeregnetLokalitetsAnalyser()[static_cast<std::size_t>(b - 1)]
                                                                     [static_cast<std::size_t>(i - 1)]);
        t.AfstandData.saet(1, b + 1, 100.0 * (b - 1));
        t.KomponentData.saet(1, b + 1, b == 2 ? 12.5 : 5.0 / b);
    }
}

QtKnap* Knap(const QtInddataVindue& w, const std::string& k) {
    return k.rfind("bot", 0) == 0 ? w.botKey(k[3] - '0') : w.navKey(k[3] - '0');
}

TEST(Program, EverySevenModesReachedByTheButtonsShowsItsTabsAndButtons) {
    const std::string kk = "Inddata og Kvalitetskontrol";
    const std::vector<std::string> kvalBund{"Kvalitetskontrol af data", "Prøveoplysninger",
                                            "Justering af inddata pH til kalkligevægt", "Vis grundvandstype"};
    const std::vector<std::string> kvalNav{"Geokemisk modellering", "1. ordens model for nedbrydning"};
    const std::vector<std::string> modelBund{"Geokemisk modellering med tvungen kalkligevægt",
                                             "Geokemisk modellering uden tvungen kalkligevægt", "Grafisk afbildning",
                                             "Mellemregning"};
    const std::vector<std::string> modelNav{"Inddata og kvalitetskontrol", "1. ordens model for nedbrydning"};
    const std::vector<std::string> tilbage{"Inddata og kvalitetskontrol", "Geokemisk modellering"};
    const std::vector<Skridt> skridt{
        {"", "OpenNoCalculations", "Akvifer v 2.0 - Inddata og Kvalitetskontrol", {0}, 0,
         {"Kvalitetskontrol af data"}, {}, -1, "TDBGrid4"},
        {"bot0", "Kvalitetskontrol", "Akvifer v 2.0 - Inddata og Kvalitetskontrol", {0, 2}, 2, kvalBund, kvalNav, -1,
         "TDBGrid3"},
        {"bot3", "Grundvand", "Akvifer v 2.0 - Grundvand", {3}, 3, {}, tilbage, -1, "TDBGrid5"},
        {"nav1", "AkvModelling", "Akvifer v 2.0 - Geokemisk modellering", {4, 5}, 4, modelBund, modelNav, 0, "bot0"},
        {"bot2", "GraficModelling", "Akvifer v 2.0 - Grafisk fremstilling", {1, 6}, 6, {}, tilbage, -1, "TDBGrid23"},
        {"nav1", "AkvModelling", "Akvifer v 2.0 - Geokemisk modellering", {4, 5}, 4, modelBund, modelNav, 0, "bot0"},
        {"bot3", "Mellemregning", "Akvifer v 2.0 - Mellemregning", {7}, 7, {}, tilbage, -1, "TDBGrid20"},
        {"nav0", "Kvalitetskontrol", "Akvifer v 2.0 - Inddata og Kvalitetskontrol", {0, 2}, 2, kvalBund, kvalNav, -1,
         "TDBGrid3"},
        {"nav1", "1stOrder", "Akvifer v 2.0 - 1. ordens model for naturlig nedbrydning", {9}, 9,
         {"1. ordens model for nedbrydning"}, tilbage, -1, "TDBGrid17"},
        {"bot0", "1stOrder", "Akvifer v 2.0 - 1. ordens model for naturlig nedbrydning", {9}, 9,
         {"1. ordens model for nedbrydning"}, tilbage, -1, "TDBGrid17"},
        {"nav1", "AkvModelling", "Akvifer v 2.0 - Geokemisk modellering", {4, 5}, 4, modelBund, modelNav, 0, "bot0"},
        {"bot1", "AkvModelling", "Akvifer v 2.0 - Geokemisk modellering", {4, 5}, 4, modelBund, modelNav, 1, "bot0"},
        // A mode switch takes the mark from BotKey(0) only; BotKey(1) keeps the one
        // the run without forced equilibrium gave it.
        {"nav0", "Kvalitetskontrol", "Akvifer v 2.0 - Inddata og Kvalitetskontrol", {0, 2}, 2, kvalBund, kvalNav, 1,
         "TDBGrid3"},
    };

    KoerendeProgram p;
    p.program.start();
    p.startKnap("NyeData")->click();
    QtInddataVindue& w = p.vindue();
    SkrivLokalitet();

    QApplication::processEvents();
    const int fanehoejde = w.SSTab1()->height();
    for (const Skridt& s : skridt) {
        SCOPED_TRACE(std::string(s.noegle) + " by " + s.knap);
        const std::string k = s.knap;
        if (!k.empty()) {
            QtKnap* knap = Knap(w, k);
            ASSERT_TRUE(knap->isVisible());
            knap->click();
        }
        QApplication::processEvents();
        ASSERT_EQ(p.beskeder.tekster(), std::vector<std::string>{});
        EXPECT_EQ(vinduer().TilstandsNoegle, s.noegle);
        EXPECT_EQ(w.windowTitle().toStdString(), s.titel);
        std::vector<int> faner;
        for (int i = 0; i < InddataKontroller::AntalFaner; ++i)
            if (w.SSTab1()->isTabVisible(i)) faner.push_back(i);
        EXPECT_EQ(faner, s.faner);
        EXPECT_EQ(w.SSTab1()->currentIndex(), s.aktuel);
        std::vector<std::string> bund, nav;
        int standard = -1;
        for (int i = 0; i < InddataKontroller::AntalBotKeys; ++i)
            if (w.botKey(i)->isVisible()) {
                bund.push_back(w.botKey(i)->text().toStdString());
                if (w.botKey(i)->isDefault()) standard = i;
            }
        for (int i = 0; i < InddataKontroller::AntalNavKeys; ++i)
            if (w.navKey(i)->isVisible()) nav.push_back(w.navKey(i)->text().toStdString());
        EXPECT_EQ(bund, s.bund);
        EXPECT_EQ(nav, s.nav);
        EXPECT_EQ(standard, s.standard);
        EXPECT_EQ(w.SSTab1()->height(), fanehoejde);  // the tabs keep their size in every mode
        // QPushButton::click gives no focus: a run that keeps the mode keeps it too.
        const std::string f = s.fokus;
        EXPECT_EQ(w.focusWidget(), f.rfind("bot", 0) == 0 ? static_cast<QWidget*>(Knap(w, f)) : w.grid(f)->view()) << f;
    }
}

// Holds back a window's exposes while it lives and exposes it whole after, as a window
// manager that maps a window, maximises it and only then exposes it.
struct SenereBlotlagt : QObject {
    QWindow* w;
    explicit SenereBlotlagt(QWindow* v) : w(v) { w->installEventFilter(this); }
    ~SenereBlotlagt() override {
        w->removeEventFilter(this);
        QExposeEvent e(QRect(QPoint(), w->size()));
        QCoreApplication::sendEvent(w, &e);
    }
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::Expose; }
};

// The keyboard and the screen through new data, the modes' tabs and a rebuild: the
// site's name typed at once; every tab of a mode reached by Ctrl+PageDown from where
// the keyboard is and by Right on the tab bar, hidden tabs passed over, the tab rules
// met as by a click; the window rebuilt from the charts showing its own buttons only,
// also when the window manager maximises it again before it is first painted.
TEST(Program, NewDataTabsAndRebuildByKeyboardAndOnScreen) {
    KoerendeProgram p;
    p.program.start();
    p.startKnap("NyeData")->click();
    QtInddataVindue& w = p.vindue();
    QApplication::setActiveWindow(&w);
    auto skrivNavn = [](const QString& navn) {
        for (QChar c : navn)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(c.toUpper().unicode()), c, {});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return TekstForm(tabeller().LokalitetData.hent(1, 1));
    };
    EXPECT_EQ(skrivNavn("Testgrund"), "Testgrund");

    SkrivLokalitet();
    // The button to the mode; the tabs reached by two keys, back where they began.
    const std::vector<std::pair<std::string, std::vector<int>>> tilstande{
        {"bot0", {0, 2}}, {"nav0", {5, 4}}, {"bot2", {1, 6}}};
    for (const auto& [knap, faner] : tilstande) {
        Knap(w, knap)->click();
        SaetProcesdataAendret(true);  // the notice at each change from tab 5 to tab 4
        for (bool bjaelke : {false, true}) {
            if (bjaelke) w.SSTab1()->tabBar()->setFocus();
            std::vector<int> naaet;
            for (std::size_t i = 0; i < faner.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), bjaelke ? Qt::Key_Right : Qt::Key_PageDown,
                                bjaelke ? Qt::NoModifier : Qt::ControlModifier);
                naaet.push_back(w.SSTab1()->currentIndex());
            }
            EXPECT_EQ(naaet, faner) << knap << (bjaelke ? " Right" : " Ctrl+PageDown");
        }
    }
    EXPECT_EQ(p.beskeder.tekster(), std::vector<std::string>(2, ProcesdataAendretBesked));

    QApplication::processEvents();
    const QSize stoerrelse = w.size();
    w.afslut()->click();
    // The hidden window given its normal size by the window system; shown, maximised
    // again and exposed only after that.
    QWindow* vindue = w.windowHandle();
    w.setWindowState(Qt::WindowNoState);
    vindue->resize(stoerrelse * 3 / 4);
    QResizeEvent skjult(stoerrelse * 3 / 4, stoerrelse);
    QCoreApplication::sendEvent(vindue, &skjult);
    p.beskeder.svar.push_back(BeskedSvar::Nej);
    {
        SenereBlotlagt endnu(vindue);
        p.slutKnap("NyeData")->click();
        vindue->resize(stoerrelse);
        QApplication::processEvents();
    }
    QApplication::processEvents();
    // The bottom rows on the screen against the same painted afresh.
    const QRect bund(0, w.botKey(0)->y(), w.width(), w.height() - w.botKey(0)->y());
    const QImage skaerm = w.screen()->grabWindow(w.winId()).toImage().copy(bund);
    EXPECT_EQ(skaerm, w.grab(bund).toImage().convertToFormat(skaerm.format()));
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(skrivNavn("Nygrund"), "Nygrund");
}

// Keys typed into a window faster than the program takes them in, each reaching the
// window's focus as it comes ("\r" Enter, "\t" Tab); a window gone by then takes none.
void tasterIKoe(QWidget* vindue, const QString& taster) {
    for (QChar c : taster)
        QMetaObject::invokeMethod(vindue, [vindue, c] {
            const Qt::Key k = c == '\r' ? Qt::Key_Return : c == '\t' ? Qt::Key_Tab : Qt::Key(c.toUpper().unicode());
            for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent tast(type, k, Qt::NoModifier, c.isPrint() ? QString(c) : QString());
                QApplication::sendEvent(vindue->focusWidget() ? vindue->focusWidget() : vindue, &tast);
            }
        }, Qt::QueuedConnection);
}

// A window change with the site's name typed on at once, through the real message
// boxes and file dialogs: the keys each window had queued as it went (the old
// window, a question answered, a file chosen) reach the site name in the next one,
// in order. Every box and dialog belongs to a window still shown, which the
// keyboard goes back to as it closes, also one opened as soon as another closed.
TEST(Program, KeysTypedThroughAWindowChangeReachTheSiteName) {
    TempDir mappe;
    const std::string fil = mappe / "gammel.akv";
    const QString gammelFil = QString::fromStdString(fil), ny1 = QString::fromStdString(mappe / "ny1.akv"),
                  ny2 = QString::fromStdString(mappe / "ny2.akv"), navn = QStringLiteral("Grønnegade 12\r");
    struct Skift {
        const char* navn;
        char fra;          // 's' the start window, 'e' the end window, 'i' the work window, of new data
        const char* knap;  // with the keyboard; nullptr: the site grid
        // The keys the window is sent first, then those each box or dialog is sent as it shows.
        std::vector<QString> taster;
    };
    const std::vector<Skift> skift{
        {"Nye data", 's', "NyeData", {"\r" + navn}},
        {"Indlæs", 's', "EksisterendeData", {"\r", gammelFil + "\r" + navn}},
        {"Opret nye data, Nej", 'e', "NyeData", {"\r", "\t\r" + navn}},
        {"Opret nye data, Ja", 'e', "NyeData", {"\r", "\r", ny1 + "\r" + navn}},
        {"Indlæs, Nej", 'e', "EksisterendeData", {"\r", "\t\r", gammelFil + "\r" + navn}},
        {"Indlæs, Ja", 'e', "EksisterendeData", {"\r", "\r", ny2 + "\r", gammelFil + "\r" + navn}},
        {"Fortsæt Redigering", 'e', "Fortryd", {"\r" + navn}},
        {"Afvist lokalitet", 'i', nullptr, {QString(51, 'x') + "\r", "\r" + navn}},
    };
    for (const Skift& s : skift) {
        QtBeskeder beskeder(std::chrono::milliseconds(0));
        QtFilDialoger dialoger;
        KoerendeProgram p;
        saetBeskedService(&beskeder);
        saetFilDialogService(&dialoger);
        tabeller().LokalitetData.saet(1, 1, "Gammel tankstation");
        ASSERT_TRUE(SkrivFil(fil));
        p.program.start();
        QWidget* gammel = &p.program.startSlut().start();
        QWidget* fokus = s.knap ? p.startKnap(s.knap) : nullptr;
        if (s.fra != 's') {
            p.startKnap("NyeData")->click();
            // The site name current, as the user saw it.
            QApplication::setActiveWindow(gammel = &p.vindue());
            fokus = p.vindue().grid("TDBGrid4")->view();
        }
        if (s.fra == 'e') {
            p.vindue().afslut()->click();
            gammel = &p.program.startSlut().slut();
            fokus = p.slutKnap(s.knap);
        }
        QApplication::setActiveWindow(gammel);
        fokus->setFocus();
        tasterIKoe(gammel, s.taster[0]);
        std::size_t trin = 1;
        QWidget* sidst = nullptr;
        QTimer vagt;
        QObject::connect(&vagt, &QTimer::timeout, [&] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m || m == sidst || !m->isVisible()) return;
            sidst = m;
            EXPECT_TRUE(m->parentWidget() && m->parentWidget()->window()->isVisible()) << s.navn << " " << trin;
            if (trin < s.taster.size()) return tasterIKoe(m, s.taster[trin++]);
            ADD_FAILURE() << s.navn << ": " << m->windowTitle().toStdString();
            if (auto* d = qobject_cast<QDialog*>(m)) d->reject();
        });
        vagt.start(5);
        (void)QTest::qWaitFor([] { return TekstForm(tabeller().LokalitetData.hent(1, 1)) == "Grønnegade 12"; }, 3000);
        EXPECT_EQ(TekstForm(tabeller().LokalitetData.hent(1, 1)), "Grønnegade 12") << s.navn;
        EXPECT_EQ(trin, s.taster.size()) << s.navn;
        EXPECT_TRUE(gammel == &p.vindue() || gammel->isHidden()) << s.navn;
        EXPECT_EQ(p.vindue().grid("TDBGrid4")->grid().row(), 1) << s.navn;
    }
}

}  // namespace
