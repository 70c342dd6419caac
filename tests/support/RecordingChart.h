#pragma once
// Test double of a chart's view: plays the user (select a series, focus) and the
// window's layout (the control's place and size), and records every call the
// program makes on the chart, in order, as the texts Chart reports.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/Chart.h"

class RecordingChart : public ChartVisning {
public:
    explicit RecordingChart(Chart& c) : c_(c), forrige_(c.visning()) { c_.setVisning(this); }
    ~RecordingChart() override {
        if (c_.visning() == this) c_.setVisning(forrige_);
    }
    RecordingChart(const RecordingChart&) = delete;
    RecordingChart& operator=(const RecordingChart&) = delete;

    Chart& chart() { return c_; }

    // ---- The window and the user ----
    void placer(float top, float bredde, float hoejde) { c_.setPlacering(top, bredde, hoejde); }
    void select(int series) { c_.userSelectSeries(series); }

    // ---- What the program did ----
    std::vector<std::string> kald;
    int focusRequests = 0;
    int dataChanges = 0;
    int selectionChanges = 0;

    int antal(const std::string& k) const {
        return static_cast<int>(std::count(kald.begin(), kald.end(), k));
    }
    std::vector<std::string> kaldMed(const std::string& prefix) const {
        std::vector<std::string> r;
        for (const auto& k : kald)
            if (k.rfind(prefix, 0) == 0) r.push_back(k);
        return r;
    }
    void glem() { kald.clear(); focusRequests = dataChanges = selectionChanges = 0; }

    // ChartVisning
    void dataAendret() override { ++dataChanges; }
    void markeringAendret() override { ++selectionChanges; }
    void fokusOenskes() override { ++focusRequests; }
    void programKald(const std::string& k) override { kald.push_back(k); }

private:
    Chart& c_;
    ChartVisning* forrige_;
};
