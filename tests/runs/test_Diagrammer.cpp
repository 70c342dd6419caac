// The two budget charts drawn from their tables: the calls in order, the data array,
// the rectangles worked out from the chart's size, the white measured-change series.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "runs/Diagramdata.h"
#include "runs/Diagrammer.h"
#include "support/KoerselFixture.h"
#include "support/VariantUdskrift.h"

namespace {

class DiagrammerTest : public KoerselTest {
protected:
    void SetUp() override {
        KoerselTest::SetUp();
        tuc->placer(120, 9000, 6000);
        alk->placer(120, 9000, 6000);
    }
};

TEST_F(DiagrammerTest, KaldIRaekkefoelge) {
    UdfyldDiagramTUC();
    TegnDiagramTUC();
    const std::vector<std::string> forventet{
        "categoryAxisLabel(1).setAutoLayout(false)",
        "categoryAxisLabel(1).setOrientation(Vandret)",
        "categoryAxisLabel(1).setHorizontalAlignment(Centreret)",
        "categoryAxisLabel(1).setVerticalAlignment(Midte)",
        "categoryAxisLabel(1).setWordWrap(true)",
        "categoryAxisLabel(1).setFontName(\"Courier\")",
        "categoryAxisLabel(1).setFontSize(8)",
        "setLegendFontName(\"Courier\")",
        "setLegendFontSize(7)",
        "setChartData(11x4)",
        "setColumn(1)",
        "column(1).setLabel(\"Produktion\")",
        "setColumn(2)",
        "column(2).setLabel(\"Forbrug\")",
        "setColumn(3)",
        "column(3).setLabel(\"Beregnet ændring\")",
        "setColumn(4)",
        "column(4).setLabel(\"Målt ændring\")",
        "setLegendVisible(true)",
        "setPlotAutoLayout(false)",
        "setPlotRect(360, 240, 7875, 5400)",
        "setLegendLocationType(Brugerdefineret)",
        "setLegendRect(7875, 120, 9000, 6000)",
    };
    EXPECT_EQ(tuc->kald, forventet);
    EXPECT_TRUE(alk->kald.empty());
}

TEST_F(DiagrammerTest, AlkalinitetSlutterMedHvidMaaltAendring) {
    UdfyldDiagramAlkalinitet();
    TegnDiagramAlkalinitet();
    ASSERT_GE(alk->kald.size(), 2u);
    EXPECT_EQ(alk->kald[9], "setChartData(14x4)");
    EXPECT_EQ(alk->kald.back(), "series(14).setFill(255, 255, 255)");
    EXPECT_EQ(alk->kaldMed("series(").size(), 1u);
    const Chart& c = inddataCharts().MSChart24();
    ASSERT_TRUE(c.seriesFill(14).has_value());
    EXPECT_EQ(*c.seriesFill(14), Farve::hvid());
    for (int n = 1; n <= 13; ++n) EXPECT_FALSE(c.seriesFill(n).has_value()) << n;
}

TEST_F(DiagrammerTest, TUCFarverIngenSerie) {
    UdfyldDiagramTUC();
    TegnDiagramTUC();
    EXPECT_TRUE(tuc->kaldMed("series(").empty());
    for (int n = 1; n <= 11; ++n) EXPECT_FALSE(inddataCharts().MSChart23().seriesFill(n).has_value());
}

// W, H, T -> plot (W/25, H/25, (W/20)*17.5, (H/20)*18) and legend (plot max x, T, W, H),
// worked out in single precision with 17.5 as a double.
struct Stoerrelse {
    float top, bredde, hoejde;
    ChartRektangel plot;
    ChartRektangel legende;
};

class Rektangler : public DiagrammerTest, public ::testing::WithParamInterface<Stoerrelse> {};

TEST_P(Rektangler, FraKontrolletsStoerrelse) {
    const Stoerrelse& s = GetParam();
    for (RecordingChart* r : {tuc.get(), alk.get()}) r->placer(s.top, s.bredde, s.hoejde);
    UdfyldDiagramTUC();
    TegnDiagramTUC();
    UdfyldDiagramAlkalinitet();
    TegnDiagramAlkalinitet();
    for (Chart* c : {&inddataCharts().MSChart23(), &inddataCharts().MSChart24()}) {
        SCOPED_TRACE(c->navn());
        EXPECT_EQ(c->plotRect(), s.plot);
        EXPECT_EQ(c->legendRect(), s.legende);
        EXPECT_FALSE(c->plotAutoLayout());
        EXPECT_EQ(c->legendLocationType(), LegendePlacering::Brugerdefineret);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tilfaelde, Rektangler,
    ::testing::Values(
        Stoerrelse{120, 9000, 6000, {360, 240, 7875, 5400}, {7875, 120, 9000, 6000}},
        // 5003 * 0.9 would give 4502.7002; (5003 / 20) * 18 in single precision gives 4502.6997.
        Stoerrelse{45, 7777, 5003, {311.08f, 200.12f, 6804.875f, 4502.69970703125f}, {6804.875f, 45, 7777, 5003}},
        Stoerrelse{0, 1234.5f, 987.25f, {49.38f, 39.49f, 1080.1875f, 888.5249633789062f}, {1080.1875f, 0, 1234.5f, 987.25f}},
        Stoerrelse{0, 0, 0, {0, 0, 0, 0}, {0, 0, 0, 0}}));

TEST_F(DiagrammerTest, DataArrayErTabellensRaekker1TilNOgSoejler1Til4) {
    tilstand().ProcKalk = Variant(5.0);
    tilstand().Mellemregninger(2, 3) = Variant(0.125);
    tilstand().Mellemregninger(7, 3) = Variant(1.5);
    // Rows 8 (oxygen reduction) left Empty; 19 measured.
    tilstand().Mellemregninger(19, 3) = Variant(-2.25);
    UdfyldDiagramTUC();
    TegnDiagramTUC();
    const Chart& c = inddataCharts().MSChart23();
    ASSERT_EQ(c.seriesCount(), 11);
    ASSERT_EQ(c.categoryCount(), 4);
    const GridTabel& t = tabeller().DiagramTUCData;
    for (int i = 1; i <= 11; ++i)
        for (int j = 1; j <= 4; ++j) EXPECT_EQ(c.value(i, j), t.hent(i, j)) << i << "," << j;
    EXPECT_EQ(c.value(1, 1), Variant(0.12));
    EXPECT_EQ(c.value(2, 1), Variant(1.5));
    EXPECT_TRUE(c.value(3, 1).isEmpty());
    EXPECT_TRUE(c.value(3, 2).isNull());
    EXPECT_EQ(c.value(11, 4), Variant(-2.25));
    // Series n carries the key of table row n.
    for (int n = 1; n <= 11; ++n) EXPECT_EQ(Variant(Chart::seriesName(n)), t.hent(n, -1));
    EXPECT_EQ(c.columnLabel(1), "Produktion");
    EXPECT_EQ(c.columnLabel(4), "Målt ændring");
}

TEST_F(DiagrammerTest, EnSenereAendringAfTabellenVisesFoerstVedNaesteTegning) {
    UdfyldDiagramTUC();
    TegnDiagramTUC();
    tabeller().DiagramTUCData.saet(2, 1, Variant(7.0));
    EXPECT_TRUE(inddataCharts().MSChart23().value(2, 1).isEmpty());
    TegnDiagramTUC();
    EXPECT_EQ(inddataCharts().MSChart23().value(2, 1), Variant(7.0));
}

TEST_F(DiagrammerTest, AltNullGiverEtiketterOgLegendeUdenSoejler) {
    GridTabel& t = tabeller().DiagramAlkalinitetData;
    t.redimensioner(1, 14, -1, 4);
    for (int r = 1; r <= 14; ++r)
        for (int c = 1; c <= 4; ++c) t.saet(r, c, Variant::null());
    TegnDiagramAlkalinitet();
    const Chart& c = inddataCharts().MSChart24();
    EXPECT_TRUE(c.legendVisible());
    EXPECT_EQ(c.legendFontName(), "Courier");
    EXPECT_EQ(c.legendFontSize(), 7.0f);
    for (int j = 1; j <= 4; ++j) EXPECT_FALSE(c.columnLabel(j).empty());
    for (int i = 1; i <= 14; ++i)
        for (int j = 1; j <= 4; ++j) EXPECT_TRUE(c.value(i, j).isNull());
}

TEST_F(DiagrammerTest, SammeTabelToGangeGiverSammeDiagram) {
    tilstand().Mellemregninger(10, 2) = Variant(0.75);
    UdfyldDiagramAlkalinitet();
    TegnDiagramAlkalinitet();
    const std::vector<std::string> foerste = alk->kald;
    alk->glem();
    TegnDiagramAlkalinitet();
    EXPECT_EQ(alk->kald, foerste);
    EXPECT_EQ(inddataCharts().MSChart24().value(3, 1), Variant(0.75));
}

TEST_F(DiagrammerTest, AksetiketterneFormateres) {
    TegnDiagramTUC();
    const ChartAksetiket& e = inddataCharts().MSChart23().categoryAxisLabel(1);
    EXPECT_FALSE(e.autoLayout());
    EXPECT_EQ(e.orientation(), TekstRetning::Vandret);
    EXPECT_EQ(e.horizontalAlignment(), VandretJustering::Centreret);
    EXPECT_EQ(e.verticalAlignment(), LodretJustering::Midte);
    EXPECT_TRUE(e.wordWrap());
    EXPECT_EQ(e.fontName(), "Courier");
    EXPECT_EQ(e.fontSize(), 8.0f);
}

// The component itself: selecting from the program raises nothing, the user's
// selection raises the event with the series number; the design state forgets all.
TEST_F(DiagrammerTest, SerievalgFraProgrammetGiverIngenHaendelse) {
    UdfyldDiagramTUC();
    TegnDiagramTUC();
    Chart& c = inddataCharts().MSChart23();
    std::vector<int> valgt;
    c.seriesSelected = [&](int& n) { valgt.push_back(n); };
    c.setFocus();
    c.selectSeries(5);
    EXPECT_EQ(c.selectedSeries(), 5);
    EXPECT_TRUE(valgt.empty());
    EXPECT_EQ(tuc->focusRequests, 1);
    tuc->select(10);
    EXPECT_EQ(valgt, std::vector<int>{10});
    EXPECT_EQ(c.selectedSeries(), 10);
    tuc->select(12);  // no such series
    EXPECT_EQ(valgt, std::vector<int>{10});
    c.seriesSelected = nullptr;
}

// Clearing for new data or a loaded file empties both charts with their tables: one
// site's budget is never shown for another.
TEST_F(DiagrammerTest, RydningAfAlleDataToemmerBeggeDiagrammer) {
    UdfyldDiagramTUC();
    TegnDiagramTUC();
    UdfyldDiagramAlkalinitet();
    TegnDiagramAlkalinitet();
    ASSERT_EQ(inddataCharts().MSChart23().seriesCount(), 11);
    ASSERT_EQ(inddataCharts().MSChart24().seriesCount(), 14);
    tuc->glem();
    alk->glem();

    NulstilAlleData();
    for (const Chart* c : {&inddataCharts().MSChart23(), &inddataCharts().MSChart24()}) {
        SCOPED_TRACE(c->navn());
        EXPECT_EQ(c->seriesCount(), 0);
        EXPECT_EQ(c->categoryCount(), 0);
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(c->columnLabel(k), "") << k;
        EXPECT_FALSE(c->legendVisible());
    }
    EXPECT_FALSE(inddataCharts().MSChart24().seriesFill(14).has_value());
    // The views are told to draw the empty charts.
    EXPECT_EQ(tuc->dataChanges, 1);
    EXPECT_EQ(alk->dataChanges, 1);
}

TEST_F(DiagrammerTest, DesigntilstandGlemmerDiagrammet) {
    UdfyldDiagramAlkalinitet();
    TegnDiagramAlkalinitet();
    inddataCharts().restoreDesign();
    const Chart& c = inddataCharts().MSChart24();
    EXPECT_EQ(c.seriesCount(), 0);
    EXPECT_EQ(c.columnLabel(1), "");
    EXPECT_FALSE(c.seriesFill(14).has_value());
    EXPECT_TRUE(c.plotAutoLayout());
    EXPECT_FALSE(c.legendVisible());
    EXPECT_EQ(c.titel(), "Alkalinitet (mekv/l)");
    EXPECT_EQ(inddataCharts().MSChart23().titel(), "Total uorganisk kulstof (mg C/l)");
    EXPECT_EQ(&inddataCharts().chart("MSChart23"), &inddataCharts().MSChart23());
    EXPECT_EQ(inddataCharts().find("MSChart25"), nullptr);
    EXPECT_THROW(inddataCharts().chart("TDBGrid23"), std::out_of_range);
}

}  // namespace

namespace {

// A chart drawn at one size and then given another by its view: drawn again from
// its table at the new size, as long as it shows a drawing.
struct Gentegning {
    bool tegnet;        // drawn before the resize
    float bredde, hoejde;
    std::vector<std::string> plotKald;  // setPlotRect calls after the resize
};

class DiagramGentegning : public DiagrammerTest, public ::testing::WithParamInterface<Gentegning> {
protected:
    void TearDown() override {
        inddataCharts().MSChart23().resized = nullptr;
        inddataCharts().MSChart24().resized = nullptr;
    }
};

TEST_P(DiagramGentegning, VedNyStoerrelse) {
    const Gentegning& g = GetParam();
    TilknytDiagramgentegning();
    UdfyldDiagramTUC();
    UdfyldDiagramAlkalinitet();
    if (g.tegnet) {
        TegnDiagramTUC();
        TegnDiagramAlkalinitet();
    }
    for (RecordingChart* r : {tuc.get(), alk.get()}) {
        r->glem();
        r->placer(120, g.bredde, g.hoejde);
        EXPECT_EQ(r->kaldMed("setPlotRect"), g.plotKald) << r->chart().navn();
    }
    if (g.tegnet) {
        EXPECT_EQ(alk->chart().seriesFill(14), Farve::hvid());
    }
}

INSTANTIATE_TEST_SUITE_P(Diagrammer, DiagramGentegning,
                         ::testing::Values(Gentegning{true, 4500, 3000, {"setPlotRect(180, 120, 3937.5, 2700)"}},
                                           Gentegning{true, 9000, 6000, {}},  // same size
                                           Gentegning{false, 4500, 3000, {}}));

}  // namespace
