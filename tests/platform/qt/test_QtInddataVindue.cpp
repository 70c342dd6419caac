// The work window on Qt, offscreen: its tabs, grids, charts and buttons where they
// belong; the tab control's program changes and the user's, by click and wheel; Enter
// and the close box; a chart drawn on a hidden tab drawn again when its tab is shown,
// and built once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBarSeries>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSplitter>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "datamodel/Tabeller.h"
#include "platform/InddataKontroller.h"
#include "platform/qt/QtInddataVindue.h"
#include "runs/Diagrammer.h"
#include "support/QtCelletekst.h"
#include "support/BeregnetLokalitet.h"
#include "support/QtTestMiljoe.h"
#include "windows/Tilstandstabel.h"
#include "windows/frmInddata.h"

namespace {

class QtInddataVindueTest : public ::testing::Test {
protected:
    void SetUp() override {
        NulstilAlleData();
        vindue = std::make_unique<QtInddataVindue>();
        frmInddata_Load();
        // The controls as designed, every tab and button shown, whatever mode the load set.
        k().restoreDesign();
        k().SSTab1.onClick = [this](int forrige) { notifikationer.emplace_back(forrige, k().SSTab1.current()); };
    }
    void TearDown() override {
        k().SSTab1.onClick = nullptr;
        k().frmInddata.onCloseRequest = nullptr;
        for (Knap& b : k().BotKey) b.onClick = nullptr;
        vindue.reset();
    }
    static InddataKontroller& k() { return inddataKontroller(); }
    void vis(QSize stoerrelse = {1366, 740}) {
        vindue->resize(stoerrelse);
        vindue->show();
        QApplication::setActiveWindow(vindue.get());
        QApplication::processEvents();
    }

    std::unique_ptr<QtInddataVindue> vindue;
    std::vector<std::pair<int, int>> notifikationer;
};

// The grids and charts found on each page, by object name.
std::set<std::string> indholdAf(QWidget* side) {
    std::set<std::string> r;
    for (QtGrid* g : side->findChildren<QtGrid*>()) r.insert(g->objectName().toStdString());
    for (QtChart* c : side->findChildren<QtChart*>()) r.insert(c->objectName().toStdString());
    return r;
}

TEST_F(QtInddataVindueTest, EveryTabHoldsItsGridsAndChartsUnderItsCaption) {
    const std::vector<std::pair<std::string, std::set<std::string>>> faner = {
        {"Prøveoplysninger", {"TDBGrid4", "TDBGrid22", "TDBGrid1", "TDBGrid6", "TDBGrid2"}},
        {"Alkalinitet", {"MSChart24", "TDBGrid24"}},
        {"Kvalitetskontrol og simulering", {"TDBGrid3", "TDBGrid9"}},
        {"Grundvandstype", {"TDBGrid5_0", "TDBGrid5_1", "TDBGrid5_2", "TDBGrid5_3", "TDBGrid5_4", "TDBGrid5_5"}},
        {"Modellering af nedstrøm vandkvalitet", {"TDBGrid7", "TDBGrid8", "TDBGrid12", "TDBGrid13"}},
        {"Geokemiske processer", {"TDBGrid10", "TDBGrid11", "TDBGrid14", "TDBGrid15", "TDBGrid16"}},
        {"Total uorganisk kulstof", {"MSChart23", "TDBGrid23"}},
        {"Mellemregning", {"TDBGrid20", "TDBGrid21"}},
        {"Tab 8", {}},
        {"1. ordens model for nedbrydning", {"TDBGrid17", "TDBGrid18", "TDBGrid19"}},
    };
    QtFaneblade* tabs = vindue->SSTab1();
    ASSERT_EQ(tabs->count(), 10);
    int grids = 0;
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tabs->tabText(i).toStdString(), faner[static_cast<std::size_t>(i)].first);
        const auto indhold = indholdAf(vindue->side(i));
        EXPECT_EQ(indhold, faner[static_cast<std::size_t>(i)].second);
        for (const auto& n : indhold) grids += n.rfind("TDBGrid", 0) == 0;
    }
    EXPECT_EQ(grids, 29);
    // Each chart shares a splitter with the grid of its table.
    for (auto [splitter, chart, grid] : {std::tuple{"SSSplitter9", "MSChart24", "TDBGrid24"},
                                         std::tuple{"SSSplitter4", "MSChart23", "TDBGrid23"}}) {
        auto* s = vindue->findChild<QSplitter*>(splitter);
        ASSERT_NE(s, nullptr) << splitter;
        EXPECT_EQ(s->widget(0), vindue->chart(chart));
        EXPECT_EQ(s->widget(1), vindue->grid(grid));
    }
    // Every grid of the window is shown, each once, on its Grid.
    for (const auto& [navn, indeks] : inddataGrids().navne()) {
        QtGrid* g = vindue->grid(navn, indeks);
        ASSERT_NE(g, nullptr) << navn;
        EXPECT_EQ(&g->grid(), &inddataGrids().grid(navn, indeks));
    }
    EXPECT_EQ(vindue->afslut()->text().toStdString(), "Afslut");
    EXPECT_EQ(vindue->printmenu()->text().toStdString(), "Printmenu");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(vindue->botKey(i)->text(), "");
}

TEST_F(QtInddataVindueTest, TheProgramsChangesAreShownWithoutQtsOwnNotifications) {
    vis();
    QtFaneblade* tabs = vindue->SSTab1();
    k().SSTab1.setCurrent(2);
    EXPECT_EQ(tabs->currentIndex(), 2);
    // Hiding every tab: Qt hops the current tab along, the control reports nothing.
    for (int i = 0; i < 10; ++i) k().SSTab1.setVisible(i, false);
    k().SSTab1.setVisible(4, true);
    k().SSTab1.setVisible(5, true);
    k().SSTab1.setCurrent(4);
    EXPECT_EQ(notifikationer, (std::vector<std::pair<int, int>>{{0, 2}, {2, 4}}));
    EXPECT_EQ(tabs->currentIndex(), 4);
    EXPECT_FALSE(tabs->isTabVisible(0));
    EXPECT_TRUE(tabs->isTabVisible(5));

    // The user clicks tab 5: one notification with the previous tab.
    notifikationer.clear();
    tabs->tabBar()->setCurrentIndex(5);
    EXPECT_EQ(notifikationer, (std::vector<std::pair<int, int>>{{4, 5}}));
    EXPECT_EQ(k().SSTab1.current(), 5);

    notifikationer.clear();  // the wheel: hidden tabs passed, no step past the outermost shown ones
    for (int hak : {-120, 60, 60, 120, 120}) {
        QWheelEvent hjul({5, 5}, {5, 5}, {}, {0, hak}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(tabs->tabBar(), &hjul);
    }
    EXPECT_EQ(notifikationer, (std::vector<std::pair<int, int>>{{5, 4}}));
    tabs->tabBar()->setCurrentIndex(5);

    // A handler that puts the previous tab back is shown with it back.
    notifikationer.clear();
    k().SSTab1.onClick = [this](int forrige) {
        notifikationer.emplace_back(forrige, k().SSTab1.current());
        if (k().SSTab1.current() == 4) k().SSTab1.setCurrent(forrige);
    };
    tabs->tabBar()->setCurrentIndex(4);
    EXPECT_EQ(notifikationer, (std::vector<std::pair<int, int>>{{5, 4}, {4, 5}}));
    EXPECT_EQ(tabs->currentIndex(), 5);
    EXPECT_EQ(k().SSTab1.current(), 5);
}

TEST_F(QtInddataVindueTest, EnterPressesTheDefaultButtonUnlessAGridEditorIsOpenAndTheCloseBoxAsks) {
    vis();
    int trykket = 0;
    k().BotKey[1].onClick = [&] { ++trykket; };
    k().BotKey[1].setDefault(true);
    EXPECT_TRUE(vindue->botKey(1)->isDefault());
    auto enter = [&](QWidget* modtager) {
        QKeyEvent tryk(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(modtager, &tryk);
    };
    enter(vindue.get());
    EXPECT_EQ(trykket, 1);

    // An editor open in a grid keeps its Enter.
    QtGrid* g = vindue->grid("TDBGrid1");
    vindue->SSTab1()->setCurrentIndex(0);
    g->view()->setFocus();
    ASSERT_NE(aabnEditor(g, 1, 2), nullptr);
    g->view()->aabenEditor()->setFocus();
    ASSERT_TRUE(QtVindue::gridEditorAaben());
    enter(vindue.get());
    EXPECT_EQ(trykket, 1);
    g->view()->setFocus();
    EXPECT_FALSE(QtVindue::gridEditorAaben());

    bool tillad = false;
    k().frmInddata.show();
    k().frmInddata.onCloseRequest = [&] { return tillad; };
    EXPECT_FALSE(vindue->close());
    EXPECT_TRUE(vindue->isVisible());
    tillad = true;
    EXPECT_TRUE(vindue->close());
    EXPECT_FALSE(vindue->isVisible());
    EXPECT_FALSE(k().frmInddata.shown());
}

TEST_F(QtInddataVindueTest, AChartDrawnOnAHiddenTabIsDrawnAgainAtItsSizeWhenTheTabIsShown) {
    vis();
    GridTabel& t = tabeller().DiagramAlkalinitetData;
    for (int r = 1; r <= 14; ++r) t.saet(r, 1, Variant(0.1 * r));
    TegnDiagramAlkalinitet();  // tab 1 never shown: the chart has no real size yet
    const float foer = inddataCharts().MSChart24().plotRect().maxX;

    vindue->SSTab1()->tabBar()->setCurrentIndex(1);
    QApplication::processEvents();
    QtChart* c = vindue->chart("MSChart24");
    ASSERT_TRUE(c->isVisible());
    const Chart& chart = inddataCharts().MSChart24();
    const float bredde = static_cast<float>(c->width() * 1440.0 / c->logicalDpiX());
    EXPECT_NEAR(chart.width(), bredde, 1);
    EXPECT_NEAR(chart.plotRect().maxX, bredde / 20 * 17.5, 1);
    EXPECT_NE(chart.plotRect().maxX, foer);
    EXPECT_EQ(chart.seriesFill(14), Farve::hvid());

    // A chart at its design stays empty when its tab is shown, whatever its table holds.
    tabeller().DiagramTUCData.saet(1, 1, Variant(2.0));
    vindue->SSTab1()->tabBar()->setCurrentIndex(6);
    QApplication::processEvents();
    EXPECT_EQ(inddataCharts().MSChart23().seriesCount(), 0);
}

// The model run draws both charts on hidden tabs; the switch to the charts builds
// the one it shows once, at its size, and the other one when its tab is chosen.
TEST_F(QtInddataVindueTest, ASwitchIntoTheChartsOnAComputedSiteBuildsEachChartOnce) {
    DefinerNavTekster();
    vis();
    k().frmInddata.show();  // or the mode switch's caption change hides the window
    ASSERT_NO_FATAL_FAILURE(BeregnLokalitet());
    SkiftTilstand("AkvModelling", true);
    QApplication::processEvents();
    QtChart* tuc = vindue->chart("MSChart23");
    QtChart* alk = vindue->chart("MSChart24");
    ASSERT_EQ(inddataCharts().MSChart23().seriesCount(), 11);
    EXPECT_EQ(tuc->bygninger() + alk->bygninger(), 0);

    SkiftTilstand("GraficModelling", true);
    QApplication::processEvents();
    EXPECT_EQ(tuc->bygninger(), 1);
    EXPECT_EQ(alk->bygninger(), 0);
    EXPECT_EQ(tuc->barSeries()->count(), 11);
    EXPECT_NEAR(inddataCharts().MSChart23().plotRect().maxX, inddataCharts().MSChart23().width() / 20 * 17.5, 1);

    vindue->SSTab1()->tabBar()->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_EQ(tuc->bygninger(), 1);
    EXPECT_EQ(alk->bygninger(), 1);
}

// At 1024 x 768 a grid's last column made current is wholly in sight, and the site
// grid and the charts' tables show whole.
TEST_F(QtInddataVindueTest, At1024EveryCurrentCellIsWhollyInSight) {
    vis({1024, 740});
    ASSERT_NO_FATAL_FAILURE(BeregnLokalitet());
    for (auto [fane, navn, hel] : {std::tuple{0, "TDBGrid4", true}, {0, "TDBGrid2", false}, {4, "TDBGrid12", false},
                                   {4, "TDBGrid13", false}, {6, "TDBGrid23", true}}) {
        k().SSTab1.setCurrent(fane);
        QApplication::processEvents();
        QtGridView* v = vindue->grid(navn)->view();
        v->setCurrentIndex(v->model()->index(0, v->model()->columnCount() - 1));
        EXPECT_TRUE(v->viewport()->rect().contains(v->visualRect(v->currentIndex()))) << navn;
        EXPECT_TRUE(!hel || v->horizontalHeader()->length() <= v->viewport()->width()) << navn;
    }
}

}  // namespace

namespace {

TEST(QtVindue, AModalWindowWaitsUntilTheUserClosesIt) {
    Vindue v("AkvPrint");
    QtVindue w(v);
    v.setCaption("Udskrift");
    bool vistModalt = false;
    QTimer::singleShot(0, [&] {
        vistModalt = w.isVisible() && w.isModal();
        w.close();
    });
    v.showModal();
    EXPECT_TRUE(vistModalt);
    EXPECT_EQ(w.windowTitle(), "Udskrift");
    EXPECT_FALSE(v.shown());
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
