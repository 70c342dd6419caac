// The Qt charts on the offscreen platform: both budget charts drawn through the runs,
// one bar set per series, the white measured change with its outline, the places of
// plot and legend, the title drawn once, selection from the program and the user.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QImage>
#include <QLegend>
#include <QPixmap>
#include <QValueAxis>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "celler/Talformat.h"
#include "platform/InddataGrids.h"
#include "platform/qt/QtChart.h"
#include "runs/Diagramdata.h"
#include "runs/Diagrammer.h"
#include "support/KoerselFixture.h"
#include "support/QtTestMiljoe.h"

namespace {

class QtChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        NyLokalitetMedGrids();
        // Each chart in a pane of its own, near the pane's top, as on its tab.
        vindue = std::make_unique<QWidget>();
        vindue->resize(800, 1000);
        auto* rude1 = new QWidget(vindue.get());
        auto* rude2 = new QWidget(vindue.get());
        rude1->setGeometry(0, 0, 800, 495);
        rude2->setGeometry(0, 500, 800, 495);
        tuc = new QtChart(inddataCharts().MSChart23(), rude1);
        alk = new QtChart(inddataCharts().MSChart24(), rude2);
        tuc->setGeometry(0, 10, 720, 480);
        alk->setGeometry(0, 10, 720, 480);
        vindue->show();
        QApplication::processEvents();

        Beregningstilstand& t = tilstand();
        t.ProcKalk = Variant(20.0);
        t.Mellemregninger(2, 3) = Variant(0.2);
        t.Mellemregninger(7, 3) = Variant(0.3);
        t.Mellemregninger(10, 3) = Variant(0.4);
        t.Mellemregninger(5, 3) = Variant(-0.1);
        t.Mellemregninger(18, 3) = Variant(0.8);
        t.Mellemregninger(19, 3) = Variant(0.75);
        t.Mellemregninger(2, 2) = Variant(0.4);
        t.Mellemregninger(13, 2) = Variant(-0.2);
        t.Mellemregninger(18, 2) = Variant(0.2);
        t.Mellemregninger(19, 2) = Variant(0.5);
    }
    void TearDown() override {
        vindue.reset();
        inddataCharts().restoreDesign();
    }

    static void tegn() {
        UdfyldDiagramTUC();
        TegnDiagramTUC();
        UdfyldDiagramAlkalinitet();
        TegnDiagramAlkalinitet();
        QApplication::processEvents();
    }

    std::unique_ptr<QWidget> vindue;
    QtChart* tuc = nullptr;
    QtChart* alk = nullptr;
};

TEST_F(QtChartTest, BeggeDiagrammerTegnesMedEnSoejlegruppePrSerie) {
    tegn();
    ASSERT_NE(tuc->barSeries(), nullptr);
    ASSERT_NE(alk->barSeries(), nullptr);
    EXPECT_EQ(tuc->barSeries()->count(), 11);
    EXPECT_EQ(alk->barSeries()->count(), 14);
    EXPECT_EQ(tuc->chart()->series().size(), 1);
    EXPECT_EQ(tuc->chart()->axes().size(), 2);
    EXPECT_EQ(tuc->barSeries()->barSets()[0]->label(), "R1");
    EXPECT_EQ(alk->barSeries()->barSets()[13]->label(), "R14");
    EXPECT_EQ(tuc->categoryAxis()->categories(),
              (QStringList{"Produktion", "Forbrug", "Beregnet ændring", "Målt ændring"}));
    // Row 2 (oxygen reduction) produces 0.3; the Null cells draw no bar.
    const QBarSet* ilt = tuc->barSeries()->barSets()[1];
    EXPECT_DOUBLE_EQ(ilt->at(0), 0.3);
    EXPECT_DOUBLE_EQ(ilt->at(1), 0.0);
    EXPECT_DOUBLE_EQ(tuc->barSeries()->barSets()[10]->at(3), 0.75);
    EXPECT_EQ(tuc->chart()->title(), "Total uorganisk kulstof (mg C/l)");
    EXPECT_EQ(alk->chart()->title(), "Alkalinitet (mekv/l)");
}

TEST_F(QtChartTest, MaaltAendringErHvidMedOmrids) {
    tegn();
    const QBarSet* maalt = alk->barSeries()->barSets()[13];
    EXPECT_EQ(maalt->brush().color(), QColor(Qt::white));
    EXPECT_NE(maalt->pen().style(), Qt::NoPen);
    EXPECT_EQ(maalt->pen().color(), QColor(Qt::black));
    // The carbon chart keeps its own colours.
    EXPECT_NE(tuc->barSeries()->barSets()[10]->brush().color(), QColor(Qt::white));
}

TEST_F(QtChartTest, SkrifterOgLegende) {
    tegn();
    EXPECT_DOUBLE_EQ(tuc->categoryAxis()->labelsFont().pointSizeF(), 8.0);
    EXPECT_EQ(tuc->categoryAxis()->labelsFont().family(), "Courier");
    EXPECT_DOUBLE_EQ(tuc->chart()->legend()->font().pointSizeF(), 7.0);
    EXPECT_TRUE(tuc->chart()->legend()->isVisible());
    EXPECT_FALSE(tuc->chart()->legend()->isAttachedToChart());
}

TEST_F(QtChartTest, PlotOgLegendeLiggerHvorRektanglerneSiger) {
    tegn();
    const Chart& c = inddataCharts().MSChart23();
    // The view reports its size and place in twips.
    EXPECT_NEAR(c.width(), 720 * 1440.0 / tuc->logicalDpiX(), 0.01);
    EXPECT_NEAR(c.height(), 480 * 1440.0 / tuc->logicalDpiY(), 0.01);
    EXPECT_NEAR(c.top(), 10 * 1440.0 / tuc->logicalDpiY(), 0.01);
    // Plot from 4 % to 87.5 % of the width and 4 % to 90 % of the height from the
    // bottom: its axes and labels lie inside that rectangle.
    const QRectF plot = tuc->plotAreaPixels();
    EXPECT_GE(plot.left(), 720 * 0.04 - 0.5);
    EXPECT_LE(plot.right(), 720 * 0.875 + 0.5);
    EXPECT_GE(plot.top(), 480 * 0.10 - 0.5);
    EXPECT_LE(plot.bottom(), 480 * 0.96 + 0.5);
    EXPECT_GT(plot.width(), 300);
    EXPECT_GT(plot.height(), 200);
    // The legend from the plot's right edge to the chart's, from the control's top
    // position (10 px) above the lower edge up to the upper edge.
    for (QtChart* v : {tuc, alk}) {
        const QRectF legende = v->chart()->legend()->geometry();
        EXPECT_NEAR(legende.left(), 720 * 0.875, 1.0);
        EXPECT_NEAR(legende.right(), 720, 1.0);
        EXPECT_NEAR(legende.top(), 0, 1.0);
        EXPECT_NEAR(legende.bottom(), 470, 1.0);
    }
}

TEST_F(QtChartTest, TitlenTegnesEnGang) {
    tegn();
    const QImage billede = tuc->grab().toImage();
    // The plot's own area holds no title text: count dark pixels in the plot above
    // the highest bar (0.8 of the axis range at most); only grid lines may be there.
    const QRectF plot = tuc->plotAreaPixels();
    int moerke = 0;
    const int y0 = static_cast<int>(plot.top()) + 2;
    const int y1 = y0 + 14;
    for (int y = y0; y < y1; ++y)
        for (int x = static_cast<int>(plot.left()) + 2; x < static_cast<int>(plot.right()) - 2; ++x)
            if (qGray(billede.pixel(x, y)) < 100) ++moerke;
    EXPECT_LT(moerke, static_cast<int>(plot.width()) * 2);
    // ... and the band above the plot holds it.
    int titel = 0;
    for (int y = 0; y < static_cast<int>(plot.top()) - 2; ++y)
        for (int x = 0; x < tuc->width(); ++x)
            if (qGray(billede.pixel(x, y)) < 100) ++titel;
    EXPECT_GT(titel, 20);
}

TEST_F(QtChartTest, ValgFraProgrammetRejserIngenHaendelseBrugerensGoer) {
    tegn();
    Chart& c = inddataCharts().MSChart23();
    std::vector<int> valgt;
    c.seriesSelected = [&](int& n) { valgt.push_back(n); };
    c.selectSeries(5);
    QApplication::processEvents();
    EXPECT_TRUE(valgt.empty());
    EXPECT_EQ(c.selectedSeries(), 5);
    EXPECT_EQ(tuc->barSeries()->barSets()[4]->pen().width(), 3);
    // A click on a bar of set 3 is the user's selection of series 3.
    emit tuc->barSeries()->barSets()[2]->clicked(0);
    EXPECT_EQ(valgt, std::vector<int>{3});
    EXPECT_EQ(c.selectedSeries(), 3);
    c.seriesSelected = nullptr;
}

TEST_F(QtChartTest, TalPaaAksenIBrugerensFormat) {
    TalformatScope dansk(Talformat::dansk());
    tegn();
    EXPECT_EQ(tuc->chart()->locale().decimalPoint(), ",");
    TalformatScope engelsk(Talformat::engelsk());
    tegn();
    EXPECT_EQ(tuc->chart()->locale().decimalPoint(), ".");
}

TEST_F(QtChartTest, DesigntilstandTomtDiagram) {
    tegn();
    inddataCharts().restoreDesign();
    QApplication::processEvents();
    EXPECT_EQ(tuc->barSeries()->count(), 0);
    EXPECT_EQ(alk->barSeries()->count(), 0);
    EXPECT_TRUE(tuc->chart()->legend()->isAttachedToChart());
}

}  // namespace
