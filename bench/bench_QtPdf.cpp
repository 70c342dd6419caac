// Writing a 20-page report to PDF on Qt (target: under 200 ms), and its layout with
// the real font's widths (target: under 10 ms).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <unistd.h>
#include <memory>
#include <string>

#include "platform/Udskrift.h"
#include "platform/qt/QtUdskrift.h"
#include "report/Rapporttabel.h"

namespace {

QGuiApplication& App() {
    static int argc = 1;
    static char navn[] = "bench_QtPdf";
    static char* argv[] = {navn, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

void ByggDokument(Udskrift& vp) {
    vp.startDoc();
    vp.setHeader("\n\nAnalyseoplysninger for Grusgrav Nord");
    vp.setFooter("Grusgrav Nord", "", "Side %d");
    Rapporttabel t;
    t.format = "<+2000|<+1600|<+1400|<+1400|<+1400|<+1400|<+1400;";
    t.raekker = {{"Boringskontrol"}, {"Parameter", "Enhed", "B1", "B2", "B3", "B4", "B5"}};
    for (int r = 1; r <= 21; ++r)
        t.raekker.push_back({"Analyse " + std::to_string(r), "mg/l", "7,25", "112", "0,012", "35,5", "Opstrøm af kilden"});
    t.forudindstillinger = Forudindstillinger::under(290);
    t.indstillinger = {RaekkehoejdeAlle(), Fed(1, 1), Spaend(1, 1, 7), Titelfarve(1, 1)};
    while (vp.pageCount() < 20) UdskrivTabel(vp, t);
    vp.endDoc();
}

void BM_Pdf20Sider(benchmark::State& state) {
    App();
    Udskrift vp;
    vp.pageStarted = [&vp] { vp.setFontSize(10); };
    // Measured with Liberation Serif, as the program lays it out.
    QtTekstmaal maal;
    vp.setTekstmaal(&maal);
    ByggDokument(vp);
    const std::string sti = "/tmp/bench_QtPdf_" + std::to_string(::getpid()) + ".pdf";
    for (auto _ : state) benchmark::DoNotOptimize(SkrivPdf(vp, sti));
    std::remove(sti.c_str());
    state.counters["sider"] = vp.pageCount();
}
BENCHMARK(BM_Pdf20Sider)->Unit(benchmark::kMillisecond);

// The same layout with the font's real widths, as the program does it.
void BM_Layout20SiderLiberationSerif(benchmark::State& state) {
    App();
    Udskrift vp;
    vp.pageStarted = [&vp] { vp.setFontSize(10); };
    QtTekstmaal maal;
    vp.setTekstmaal(&maal);
    for (auto _ : state) ByggDokument(vp);
    state.counters["sider"] = vp.pageCount();
}
BENCHMARK(BM_Layout20SiderLiberationSerif)->Unit(benchmark::kMillisecond);

}  // namespace
