// The work window's handlers on the real Qt grids and chart, offscreen: a value typed
// into the analyses and committed with Enter, a refused one, a substance picked from
// the drop-down, and a bar of the carbon chart clicked.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "celler/Talformat.h"
#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "platform/qt/QtChart.h"
#include "platform/qt/QtInddataGrids.h"
#include "runs/Diagramdata.h"
#include "runs/Diagrammer.h"
#include "support/KoerselFixture.h"
#include "support/QtCelletekst.h"
#include "support/QtTaster.h"
#include "support/QtTestMiljoe.h"
#include "support/RecordingBeskeder.h"
#include "windows/Gridhandlere.h"
#include "windows/Redigering.h"

namespace {

class QtGridhandlereTest : public ::testing::Test {
protected:
    void SetUp() override {
        NyLokalitetMedGrids();
        ForbindGridHandlere();
        vindue = std::make_unique<QWidget>();
        vindue->resize(1000, 800);
        grids = std::make_unique<QtInddataGrids>(vindue.get());
        diagram = new QtChart(inddataCharts().MSChart23(), vindue.get());
        diagram->setGeometry(0, 0, 720, 480);
        vindue->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        grids.reset();
        vindue.reset();
        inddataCharts().restoreDesign();
    }

    QWidget* aabnEditor(const char* navn, int row, int col) { return ::aabnEditor(grids->widget(navn), row, col); }

    TalformatScope dansk{Talformat::dansk()};
    RecordingBeskeder beskeder;
    std::unique_ptr<QWidget> vindue;
    std::unique_ptr<QtInddataGrids> grids;
    QtChart* diagram = nullptr;
};

TEST_F(QtGridhandlereTest, AnalysevaerdiSkrivesGodkendesOgAfvises) {
    auto* le = qobject_cast<QLineEdit*>(aabnEditor("TDBGrid1", 1, 2));
    ASSERT_NE(le, nullptr);
    skriv(le, "7,2");
    tast(le, Qt::Key_Return);
    EXPECT_EQ(tabeller().AnalyseData.hent(2, 2), Variant("7,2"));
    EXPECT_EQ(celletekst(grids->widget("TDBGrid1"), 1, 2), "7,2");
    EXPECT_TRUE(beskeder.vist.empty());
    EXPECT_TRUE(InddataGridsAendret());

    le = qobject_cast<QLineEdit*>(aabnEditor("TDBGrid1", 1, 2));
    ASSERT_NE(le, nullptr);
    skriv(le, "11");
    tast(le, Qt::Key_Return);
    ASSERT_EQ(beskeder.vist.size(), 1u);
    EXPECT_EQ(beskeder.vist[0].titel, "Inddatakontrol");
    EXPECT_EQ(beskeder.vist[0].tekst.rfind("Den indtastede værdi: 11\n\r", 0), 0u);
    EXPECT_EQ(tabeller().AnalyseData.hent(2, 2), Variant("7,2"));
    EXPECT_EQ(grids->widget("TDBGrid1")->view()->aabenEditor(), nullptr);
    EXPECT_EQ(celletekst(grids->widget("TDBGrid1"), 1, 2), "7,2");
}

TEST_F(QtGridhandlereTest, ModelstofVaelgesFraRullelisten) {
    auto* combo = qobject_cast<QComboBox*>(aabnEditor("TDBGrid10", 0, 1));
    ASSERT_NE(combo, nullptr);
    const int benzen = combo->findText("Benzen C6H6");
    ASSERT_GE(benzen, 0);
    emit combo->activated(benzen);
    QApplication::processEvents();
    EXPECT_EQ(tabeller().ModelstofData.hent(1, 1), Variant("Benzen"));
    EXPECT_EQ(tabeller().KulstofData.hent(1, 1), Variant(-1.0));
    EXPECT_EQ(celletekst(grids->widget("TDBGrid10"), 0, 1), "Benzen C6H6");
    EXPECT_TRUE(HentProcesdataAendret());
    EXPECT_TRUE(beskeder.vist.empty());
}

TEST_F(QtGridhandlereTest, KlikPaaSoejleFlytterKulstofgriddet) {
    Beregningstilstand& t = tilstand();
    t.Mellemregninger(2, 3) = Variant(0.2);
    t.Mellemregninger(7, 3) = Variant(0.3);
    t.Mellemregninger(18, 3) = Variant(0.5);
    t.Mellemregninger(19, 3) = Variant(0.4);
    UdfyldDiagramTUC();
    TegnDiagramTUC();
    QApplication::processEvents();
    ASSERT_GE(diagram->barSeries()->count(), 4);

    emit diagram->barSeries()->barSets()[3]->clicked(0);
    QApplication::processEvents();
    Grid& g = inddataGrids().TDBGrid(23);
    EXPECT_EQ(g.row(), 3);
    EXPECT_EQ(g.marqueeStyle(), 3);
    EXPECT_EQ(grids->widget("TDBGrid23")->view()->currentIndex().row(), 3);
    EXPECT_EQ(inddataCharts().MSChart23().selectedSeries(), 4);
}

}  // namespace
