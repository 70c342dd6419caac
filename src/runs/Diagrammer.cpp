#include "runs/Diagrammer.h"

#include <array>
#include <vector>

#include "datamodel/Tabeller.h"
#include "platform/Chart.h"

namespace {

constexpr int AntalKategorier = 4;
constexpr std::array<const char*, AntalKategorier> Kategorier{"Produktion", "Forbrug", "Beregnet ændring",
                                                               "Målt ændring"};

void Tegn(Chart& chart, const GridTabel& tabel, int antalRaekker) {
    for (int i = 1; i <= chart.categoryAxisLabelCount(); ++i) {
        ChartAksetiket& etiket = chart.categoryAxisLabel(i);
        etiket.setAutoLayout(false);
        etiket.setOrientation(TekstRetning::Vandret);
        etiket.setHorizontalAlignment(VandretJustering::Centreret);
        etiket.setVerticalAlignment(LodretJustering::Midte);
        etiket.setWordWrap(true);
        etiket.setFontName("Courier");
        etiket.setFontSize(8);
    }
    chart.setLegendFontName("Courier");
    chart.setLegendFontSize(7);

    // Numbers, Empty and Null pass as they are; the chart keeps its own copy.
    std::vector<std::vector<Variant>> data(static_cast<std::size_t>(antalRaekker));
    for (int i = 1; i <= antalRaekker; ++i)
        for (int j = 1; j <= AntalKategorier; ++j) data[static_cast<std::size_t>(i - 1)].push_back(tabel.hent(i, j));
    chart.setChartData(std::move(data));

    for (int c = 1; c <= AntalKategorier; ++c) {
        chart.setColumn(c);
        chart.setColumnLabel(Kategorier[static_cast<std::size_t>(c - 1)]);
    }
    chart.setLegendVisible(true);
    chart.setPlotAutoLayout(false);

    // Single precision as the control takes it; only the factor 17.5 is a double.
    // The plot spans 4 % to 87.5 % of the width and 4 % to 90 % of the height.
    const float w = chart.width();
    const float h = chart.height();
    ChartRektangel plot;
    plot.minX = w / 25.0f;
    plot.minY = h / 25.0f;
    plot.maxX = static_cast<float>(static_cast<double>(w / 20.0f) * 17.5);
    plot.maxY = (h / 20.0f) * 18.0f;
    chart.setPlotRect(plot);

    // The legend fills the strip right of the plot, from the plot's edge as the
    // chart reports it back.
    chart.setLegendLocationType(LegendePlacering::Brugerdefineret);
    ChartRektangel legende;
    legende.minX = chart.plotRect().maxX;
    legende.minY = chart.top();
    legende.maxX = w;
    legende.maxY = h;
    chart.setLegendRect(legende);
}

}  // namespace

void TegnDiagramTUC() {
    Tegn(inddataCharts().MSChart23(), tabeller().DiagramTUCData, 11);
}

void TegnDiagramAlkalinitet() {
    constexpr int Raekker = 14;
    Chart& chart = inddataCharts().MSChart24();
    Tegn(chart, tabeller().DiagramAlkalinitetData, Raekker);
    // The measured change always stands out as a white bar.
    chart.setSeriesFill(Raekker, Farve::hvid());
}

void TilknytDiagramgentegning() {
    Chart& tuc = inddataCharts().MSChart23();
    Chart& alkalinitet = inddataCharts().MSChart24();
    tuc.resized = [&tuc] {
        if (tuc.seriesCount() > 0) TegnDiagramTUC();
    };
    alkalinitet.resized = [&alkalinitet] {
        if (alkalinitet.seriesCount() > 0) TegnDiagramAlkalinitet();
    };
}
