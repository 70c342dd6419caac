#pragma once
// The Qt view of a Chart: grouped bars on QtCharts, one bar set per series (row of
// the data array) and one category per column. It draws what the Chart holds and
// passes the user's clicks on a bar or a legend entry in as a series selection.
// Sizes and rectangles are exchanged with the Chart in twips (1440 per inch at the
// view's logical resolution), y upwards from the control's lower edge.
//
// A drawing is a score of program calls, and a tab being shown resizes its chart
// several times while its layout settles: the view only notes what changed and
// builds the chart once, when the event loop comes round (before it paints), and
// not at all while the chart is hidden. With the keyboard's focus it shows the
// focus frame.
#include <QChartView>
#include <QPointer>

#include "platform/Chart.h"

class QBarSeries;
class QBarCategoryAxis;
class QValueAxis;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;

class QtChart : public QChartView, public ChartVisning {
    Q_OBJECT
public:
    explicit QtChart(Chart& chart, QWidget* parent = nullptr);
    ~QtChart() override;

    Chart& diagram() const { return chart_; }
    QBarSeries* barSeries() const { return serie_; }
    QBarCategoryAxis* categoryAxis() const { return kategoriakse_; }
    QValueAxis* valueAxis() const { return vaerdiakse_; }
    // The plot's rectangle in pixels of the view, as drawn.
    QRectF plotAreaPixels() const;
    // How often the bars, axes and legend were built anew from the Chart.
    int bygninger() const { return bygninger_; }

    // Twips <-> pixels at the view's logical resolution.
    double twipsTilPixelsX(double twips) const;
    double twipsTilPixelsY(double twips) const;

    // ChartVisning
    void dataAendret() override;
    void layoutAendret() override;
    void markeringAendret() override;
    void fokusOenskes() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class Skyld { Ingen, Placering, Format, Byg };  // each includes the ones before
    void skylder(Skyld s);
    void opdater();
    void byg();
    void saetKategorier();
    void formater();
    void placer();
    void fremhaev();
    void rapporterPlacering();
    QRectF tilPixels(const ChartRektangel& r) const;

    Chart& chart_;
    QBarSeries* serie_ = nullptr;
    QBarCategoryAxis* kategoriakse_ = nullptr;
    QValueAxis* vaerdiakse_ = nullptr;
    // With the plot placed by hand the title is drawn here, on a white band above
    // the plot, and the chart's own one is kept transparent.
    QGraphicsRectItem* titelbaggrund_ = nullptr;
    QGraphicsSimpleTextItem* titel_ = nullptr;
    int decimaler_ = 0;  // of the value axis's numbers
    int linjer_ = 1;     // lines of the highest category label
    Skyld skyld_ = Skyld::Byg;
    bool planlagt_ = false;  // an update is posted
    int bygninger_ = 0;
};
