#pragma once
// Test double of a chart's view: plays the user (select a series) and the window's
// layout (the control's place and size), and records every call the program makes
// on the chart, in order, as the texts Chart reports.
#include <string>

#include "platform/Chart.h"
#include "support/RecordingVisning.h"

class RecordingChart : public RecordingVisning<Chart, ChartVisning> {
public:
    explicit RecordingChart(Chart& c) : RecordingVisning(c), c_(c) {}

    Chart& chart() { return c_; }

    // ---- The window and the user ----
    void placer(float top, float bredde, float hoejde) { c_.setPlacering(top, bredde, hoejde); }
    void select(int series) { c_.userSelectSeries(series); }

    // ---- What the program did (besides the calls) ----
    int focusRequests = 0;
    int dataChanges = 0;

    void glem() { kald.clear(); focusRequests = dataChanges = 0; }

    // ChartVisning
    void dataAendret() override { ++dataChanges; }
    void fokusOenskes() override { ++focusRequests; }

private:
    Chart& c_;
};
