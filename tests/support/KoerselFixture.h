#pragma once
// The start of a run's test: a new site, the work window's grids and charts as they
// open, and recording views on them.
#include <gtest/gtest.h>

#include <memory>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "support/RecordingChart.h"
#include "support/RecordingGrid.h"

// Tables blanked; grids and charts back to their design, then set up as the work
// window opens them (which also makes the calculation state new).
inline void NyLokalitetMedGrids() {
    inddataGrids().restoreDesign();
    inddataCharts().restoreDesign();
    NulstilAlleData();
    InitierGrids();
}

// A new site as above, recorded on every grid and on both budget charts.
class KoerselTest : public ::testing::Test {
protected:
    void SetUp() override {
        NyLokalitetMedGrids();
        grids = std::make_unique<RecordingInddataGrids>();
        tuc = std::make_unique<RecordingChart>(inddataCharts().MSChart23());
        alk = std::make_unique<RecordingChart>(inddataCharts().MSChart24());
    }

    std::unique_ptr<RecordingInddataGrids> grids;
    std::unique_ptr<RecordingChart> tuc;
    std::unique_ptr<RecordingChart> alk;
};

// For the views that lay out their own grids: tables blanked, the calculation state
// new, the standard texts written, and every grid at its design, not set up; recorded.
class VisningTest : public ::testing::Test {
protected:
    void SetUp() override {
        NulstilAlleData();
        OpretDataStrukturer();
        UdfyldStandardtekster();
        inddataGrids().restoreDesign();
        grids = std::make_unique<RecordingInddataGrids>();
    }

    std::unique_ptr<RecordingInddataGrids> grids;
};
