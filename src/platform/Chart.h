#pragma once
// One budget chart of the work window: a bar chart whose data is an array of
// values with one row per series and one column per category.
//
// Like the grid, the chart keeps what the program set (data, category labels, the
// label format of the category axis, legend, plot and legend rectangles, series
// fills, the selected series) and raises the user's event; a view (the Qt one, or
// the recording double of the tests) only draws and passes the user's clicks in.
//
// Rectangles are in the units of the control's own width and height, with the
// origin in the control's lower left corner and y growing upwards.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "celler/Variant.h"
#include "platform/Farve.h"
#include "platform/Justering.h"

enum class TekstRetning { Vandret, Lodret };
enum class LegendePlacering { Automatisk, Brugerdefineret };

struct ChartRektangel {
    float minX = 0;
    float minY = 0;
    float maxX = 0;
    float maxY = 0;
    bool operator==(const ChartRektangel&) const = default;
};

class Chart;

// One label object of the category axis.
class ChartAksetiket {
public:
    bool autoLayout() const { return autoLayout_; }
    TekstRetning orientation() const { return retning_; }
    VandretJustering horizontalAlignment() const { return vandret_; }
    LodretJustering verticalAlignment() const { return lodret_; }
    bool wordWrap() const { return ombryd_; }
    const std::string& fontName() const { return fontNavn_; }
    float fontSize() const { return fontStr_; }

    void setAutoLayout(bool v);
    void setOrientation(TekstRetning r);
    void setHorizontalAlignment(VandretJustering j);
    void setVerticalAlignment(LodretJustering j);
    void setWordWrap(bool v);
    void setFontName(std::string navn);
    void setFontSize(float punkter);

private:
    friend class Chart;
    void kald(const std::string& k);
    Chart* owner_ = nullptr;
    int nummer_ = 1;
    bool autoLayout_ = true;
    TekstRetning retning_ = TekstRetning::Vandret;
    VandretJustering vandret_ = VandretJustering::Centreret;
    LodretJustering lodret_ = LodretJustering::Midte;
    bool ombryd_ = false;
    std::string fontNavn_ = "Arial";
    float fontStr_ = 8;
};

// Told by the chart what the program changed, so a view can redraw. Every program
// call also reports itself through programKald ("setChartData(11x4)",
// "column(2).setLabel(\"Forbrug\")", "setPlotRect(360, 240, 7875, 5400)"), so a
// test can read the calls back in order.
class ChartVisning {
public:
    virtual ~ChartVisning() = default;
    virtual void dataAendret() {}     // data array or category labels
    virtual void layoutAendret() {}   // fonts, legend, rectangles, fills
    virtual void markeringAendret() {}  // the selected series
    virtual void fokusOenskes() {}
    virtual void programKald(const std::string& /*kald*/) {}
};

class Chart {
public:
    explicit Chart(std::string navn = "", std::string titel = "");
    Chart(const Chart&) = delete;
    Chart& operator=(const Chart&) = delete;

    const std::string& navn() const { return navn_; }
    // Fixed in the window's layout; the program never changes it.
    const std::string& titel() const { return titel_; }

    // ---- Event ----
    // The user selected series n (from 1). Never raised by the program's own calls.
    std::function<void(int& series)> seriesSelected;
    // The control got a new size in its container, as the view reports it (also
    // when a hidden control is first shown at its real size). Never raised by the
    // program's own calls.
    std::function<void()> resized;

    // ---- Data: rows are series, columns categories; Null (and Empty) draw no bar ----
    // Replaces all the chart showed; category labels beyond the new column count go.
    void setChartData(std::vector<std::vector<Variant>> raekker);
    int seriesCount() const { return static_cast<int>(data_.size()); }
    int categoryCount() const { return kategorier_; }
    // Series and category from 1; Empty outside.
    Variant value(int series, int category) const;
    // The default name of series n: "R" followed by n.
    static std::string seriesName(int series);

    // ---- Categories ----
    int column() const { return kolonne_; }
    void setColumn(int c);                    // the current category, from 1
    void setColumnLabel(std::string label);   // the label of the current category
    std::string columnLabel(int c) const;     // "" when none is set

    // ---- Category axis labels ----
    int categoryAxisLabelCount() const { return 1; }
    ChartAksetiket& categoryAxisLabel(int i);  // from 1; throws std::out_of_range outside
    const ChartAksetiket& categoryAxisLabel(int i) const;

    // ---- Legend ----
    bool legendVisible() const { return legendeVist_; }
    void setLegendVisible(bool v);
    const std::string& legendFontName() const { return legendeFont_; }
    float legendFontSize() const { return legendeStr_; }
    void setLegendFontName(std::string navn);
    void setLegendFontSize(float punkter);
    LegendePlacering legendLocationType() const { return legendeType_; }
    void setLegendLocationType(LegendePlacering p);
    const ChartRektangel& legendRect() const { return legendeRekt_; }
    void setLegendRect(const ChartRektangel& r);

    // ---- Plot ----
    bool plotAutoLayout() const { return plotAuto_; }
    void setPlotAutoLayout(bool v);
    const ChartRektangel& plotRect() const { return plotRekt_; }
    void setPlotRect(const ChartRektangel& r);

    // ---- Series fill: solid brush on every data point of series n ----
    std::optional<Farve> seriesFill(int series) const;
    void setSeriesFill(int series, Farve f);

    // ---- Selection and focus ----
    int selectedSeries() const { return valgt_; }  // 0 for none
    // Selects series n from the program: shown as selected, no event.
    void selectSeries(int series);
    bool hasFocus() const { return fokus_; }
    void setFocus();

    // ---- The control in its container, as the view reports it ----
    float top() const { return top_; }
    float width() const { return bredde_; }
    float height() const { return hoejde_; }
    // Raises resized when the width or the height changed.
    void setPlacering(float top, float bredde, float hoejde);

    // ---- The user's side: called by a view or by the tests' double ----
    void userSelectSeries(int series);  // selects it and raises seriesSelected
    void userFocusIn() { fokus_ = true; }
    void userFocusOut() { fokus_ = false; }

    // ---- Design state: no data, no labels, default fonts, automatic layout ----
    void restoreDesign();

    void setVisning(ChartVisning* v) { visning_ = v; }
    ChartVisning* visning() const { return visning_; }

private:
    friend class ChartAksetiket;
    void kald(const std::string& k);
    void layoutAendret();

    std::string navn_;
    std::string titel_;
    std::vector<std::vector<Variant>> data_;
    int kategorier_ = 0;
    int kolonne_ = 1;
    std::map<int, std::string> etiketter_;
    ChartAksetiket aksetiket_;
    bool legendeVist_ = false;
    std::string legendeFont_ = "Arial";
    float legendeStr_ = 8;
    LegendePlacering legendeType_ = LegendePlacering::Automatisk;
    ChartRektangel legendeRekt_;
    bool plotAuto_ = true;
    ChartRektangel plotRekt_;
    std::map<int, Farve> fyld_;
    int valgt_ = 0;
    bool fokus_ = false;
    float top_ = 0;
    float bredde_ = 0;
    float hoejde_ = 0;
    ChartVisning* visning_ = nullptr;
};

// The two budget charts of the work window, by name: "MSChart23" (total inorganic
// carbon) and "MSChart24" (alkalinity).
class InddataCharts {
public:
    InddataCharts();
    Chart& chart(std::string_view navn);    // throws std::out_of_range for another name
    Chart* find(std::string_view navn);     // nullptr when unknown
    Chart& MSChart23() { return tuc_; }
    Chart& MSChart24() { return alkalinitet_; }
    // Both back to the window's design state, as a rebuild of the window does: the
    // budget of one site is never shown for another.
    void restoreDesign();

private:
    Chart tuc_;
    Chart alkalinitet_;
};

// The work window's charts for the whole run.
InddataCharts& inddataCharts();
