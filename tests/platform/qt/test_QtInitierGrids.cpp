// Every grid of the work window laid out on the Qt grids, offscreen: what the Qt
// views show after InitierGrids and after the set-ups of the quality-control run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QWidget>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "platform/qt/QtGrid.h"
#include "platform/qt/QtInddataGrids.h"
#include "support/QtCelletekst.h"
#include "support/QtTestMiljoe.h"

namespace {

// The Qt view agrees with its grid: shape, headers, widths, caption, editability.
void forventOverensstemmelse(QtGrid* w) {
    Grid& g = w->grid();
    SCOPED_TRACE(g.navn());
    QtGridModel* m = w->model();
    ASSERT_EQ(m->columnCount(), g.columnCount());
    ASSERT_EQ(m->rowCount(), g.rowCount());
    EXPECT_EQ(w->captionLabel()->text().toStdString(), g.caption());
    for (int col = 0; col < g.columnCount(); ++col) {
        EXPECT_EQ(m->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString().toStdString(),
                  g.column(col).caption());
        // At least the laid-out width; wider where a cell's text needs it.
        EXPECT_GE(w->view()->columnWidth(col), w->twipsTilPixels(g.column(col).width()));
        for (int row = 0; row < g.rowCount(); ++row) {
            EXPECT_EQ(celletekst(w, row, col).toStdString(), g.cellText(row, col));
            EXPECT_EQ(m->flags(m->index(row, col)).testFlag(Qt::ItemIsEditable), !g.column(col).locked());
        }
    }
}

TEST(QtInitierGrids, LaysOutEveryGridOnTheQtViews) {
    tabeller() = Tabeller{};
    tilstand() = Beregningstilstand{};
    inddataGrids().restoreDesign();
    QWidget vindue;
    QtInddataGrids views(&vindue);

    NulstilAlleData();
    tabeller().BoringData.saet(1, 2, "B1");
    tabeller().BoringData.saet(1, 3, "B2");
    tabeller().BoringData.saet(1, 4, "B3");
    tabeller().BoringData.saet(2, 2, "Opstrøm");
    tabeller().BoringData.saet(2, 3, "Hotspot");
    tabeller().BoringData.saet(2, 4, "Nedstrøm");
    tabeller().AnalyseData.saet(2, 2, "7,2");
    InitierGrids();
    InitierGrids();  // a second load on the same views lays out the same

    for (const auto& [navn, indeks] : inddataGrids().navne()) {
        if (navn == "TDBGrid17") continue;
        forventOverensstemmelse(views.widget(navn, indeks));
    }

    QtGrid* analyser = views.widget("TDBGrid1");
    EXPECT_EQ(analyser->model()->columnCount(), 7);
    EXPECT_EQ(celletekst(analyser, 1, 0), QString::fromUtf8("pH"));
    EXPECT_EQ(celletekst(analyser, 1, 2), QString::fromUtf8("7,2"));
    EXPECT_EQ(views.widget("TDBGrid5", 0)->captionLabel()->text(), QString::fromUtf8("Kriterier"));
    EXPECT_TRUE(views.widget("TDBGrid5", 0)->captionLabel()->isVisibleTo(views.widget("TDBGrid5", 0)));
    EXPECT_EQ(views.widget("TDBGrid20")->model()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
              QString::fromUtf8("Ændring i alkal. (mekv/l)"));

    // A substance stored by name is shown with its formula.
    tabeller().ModelstofData.saet(1, 1, "Toluen");
    inddataGrids().grid("TDBGrid10").refresh();
    EXPECT_EQ(celletekst(views.widget("TDBGrid10"), 0, 1), QString::fromUtf8("Toluen C7H8"));

    // The chart grid shows the key column -1 first.
    tabeller().DiagramTUCData.saet(1, -1, "A");
    tabeller().DiagramTUCData.saet(1, 0, "CO2");
    inddataGrids().grid("TDBGrid23").refresh();
    EXPECT_EQ(celletekst(views.widget("TDBGrid23"), 0, 0), QString("A"));
    EXPECT_EQ(celletekst(views.widget("TDBGrid23"), 0, 1), QString("CO2"));

    // The quality-control run's set-ups with three boreholes.
    tilstand().AntalBoringer = 3;
    OpsaetGridHydrauliskPlacering();
    OpsaetGridNedbrydningsmodel();
    tabeller().PlaceringData.saet(1, 1, Variant(2));
    tabeller().NedbrydningData.saet(1, 1, Variant(3));
    inddataGrids().grid("TDBGrid7").refresh();
    inddataGrids().grid("TDBGrid17").refresh();
    for (const char* navn : {"TDBGrid7", "TDBGrid17"}) forventOverensstemmelse(views.widget(navn));
    EXPECT_EQ(views.widget("TDBGrid17")->model()->columnCount(), 5);
    EXPECT_EQ(celletekst(views.widget("TDBGrid7"), 0, 1), QString::fromUtf8("Hotspot"));
    EXPECT_EQ(celletekst(views.widget("TDBGrid17"), 0, 1), QString::fromUtf8("B3"));
}

}  // namespace
