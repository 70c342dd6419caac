#include "platform/qt/QtChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLocale>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>

#include "celler/Talformat.h"
#include "platform/qt/QtVinduer.h"

namespace {

constexpr double TwipsPrTomme = 1440.0;

// Posted to a chart whose drawing is out of date.
const QEvent::Type Opdater = static_cast<QEvent::Type>(QEvent::registerEventType());

QFont Skrift(const std::string& navn, float punkter) {
    QFont f(QString::fromStdString(navn));
    if (punkter > 0) f.setPointSizeF(punkter);
    return f;
}

// The axis numbers in the user's number format, without grouping.
QLocale BrugerensLocale() {
    QLocale l = Talformat::aktuel().decimaltegn() == ',' ? QLocale(QLocale::Danish, QLocale::Denmark) : QLocale::c();
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

// Standard colours of the series, repeated after twelve.
const QColor Farver[] = {QColor(0x4f, 0x81, 0xbd), QColor(0xc0, 0x50, 0x4d), QColor(0x9b, 0xbb, 0x59),
                         QColor(0x80, 0x64, 0xa2), QColor(0x4b, 0xac, 0xc6), QColor(0xf7, 0x96, 0x46),
                         QColor(0x2c, 0x4d, 0x75), QColor(0x77, 0x2c, 0x2a), QColor(0x5f, 0x75, 0x30),
                         QColor(0x4d, 0x3b, 0x62), QColor(0x27, 0x6a, 0x7c), QColor(0xb6, 0x57, 0x08)};

}  // namespace

QtChart::QtChart(Chart& chart, QWidget* parent) : QChartView(parent), chart_(chart) {
    setRenderHint(QPainter::Antialiasing, false);
    setFocusPolicy(Qt::StrongFocus);
    QChart* c = new QChart();
    c->setTitle(QString::fromStdString(chart_.titel()));
    c->setLocalizeNumbers(true);
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(0, 0, 0, 0));
    c->layout()->setContentsMargins(0, 0, 0, 0);
    // The view owns the new chart and lets go of the one it was made with.
    QChart* standard = QChartView::chart();
    setChart(c);
    delete standard;

    titelbaggrund_ = new QGraphicsRectItem(c);
    titelbaggrund_->setBrush(Qt::white);
    titelbaggrund_->setPen(Qt::NoPen);
    titelbaggrund_->setZValue(10);
    titel_ = new QGraphicsSimpleTextItem(QString::fromStdString(chart_.titel()), titelbaggrund_);
    titelbaggrund_->hide();

    serie_ = new QBarSeries();
    c->addSeries(serie_);
    kategoriakse_ = new QBarCategoryAxis();
    c->addAxis(kategoriakse_, Qt::AlignBottom);
    serie_->attachAxis(kategoriakse_);
    vaerdiakse_ = new QValueAxis();
    c->addAxis(vaerdiakse_, Qt::AlignLeft);
    serie_->attachAxis(vaerdiakse_);

    // Built when first shown.
    chart_.setVisning(this);
    rapporterPlacering();
}

QtChart::~QtChart() {
    if (chart_.visning() == this) chart_.setVisning(nullptr);
}

double QtChart::twipsTilPixelsX(double twips) const { return twips * logicalDpiX() / TwipsPrTomme; }
double QtChart::twipsTilPixelsY(double twips) const { return twips * logicalDpiY() / TwipsPrTomme; }

QRectF QtChart::tilPixels(const ChartRektangel& r) const {
    const double h = height();
    const double x0 = twipsTilPixelsX(r.minX);
    const double x1 = twipsTilPixelsX(r.maxX);
    // y grows upwards in the chart's rectangles, downwards on the screen.
    const double yTop = h - twipsTilPixelsY(r.maxY);
    const double yBund = h - twipsTilPixelsY(r.minY);
    return QRectF(QPointF(std::min(x0, x1), std::min(yTop, yBund)), QPointF(std::max(x0, x1), std::max(yTop, yBund)));
}

QRectF QtChart::plotAreaPixels() const { return chart()->plotArea(); }

void QtChart::rapporterPlacering() {
    chart_.setPlacering(static_cast<float>(y() * TwipsPrTomme / logicalDpiY()),
                        static_cast<float>(width() * TwipsPrTomme / logicalDpiX()),
                        static_cast<float>(height() * TwipsPrTomme / logicalDpiY()));
}

void QtChart::skylder(Skyld s) {
    skyld_ = std::max(skyld_, s);
    if (skyld_ == Skyld::Ingen || planlagt_ || !isVisible()) return;
    planlagt_ = true;
    // Low priority: the layouts that a mode switch set going settle first, so the
    // chart is built once, at its final size.
    QCoreApplication::postEvent(this, new QEvent(Opdater), Qt::LowEventPriority);
}

void QtChart::opdater() {
    switch (std::exchange(skyld_, Skyld::Ingen)) {
    case Skyld::Byg: byg(); break;
    case Skyld::Format: formater(); break;
    case Skyld::Placering: placer(); break;
    case Skyld::Ingen: break;
    }
}

bool QtChart::event(QEvent* event) {
    if (event->type() != Opdater) return QChartView::event(event);
    planlagt_ = false;
    if (isVisible()) opdater();
    return true;
}

void QtChart::paintEvent(QPaintEvent* event) {
    // A paint that comes before the posted update draws the chart as it is now.
    opdater();
    QChartView::paintEvent(event);
    if (hasFocus()) {
        QPainter p(viewport());
        TegnFokusramme(p, viewport()->rect().adjusted(2, 2, -2, -2), palette());
    }
}

void QtChart::byg() {
    ++bygninger_;
    QChart* c = chart();
    // The series and axes stay; only their content is replaced, so nothing of an
    // earlier drawing can linger in the scene.
    serie_->clear();
    double lav = 0;
    double hoej = 0;
    for (int n = 1; n <= chart_.seriesCount(); ++n) {
        auto* saet = new QBarSet(QString::fromStdString(Chart::seriesName(n)));
        for (int k = 1; k <= chart_.categoryCount(); ++k) {
            // Null and Empty draw no bar: a bar of height 0.
            const std::optional<double> v = chart_.value(n, k).number();
            const double tal = v && std::isfinite(*v) ? *v : 0.0;
            *saet << tal;
            lav = std::min(lav, tal);
            hoej = std::max(hoej, tal);
        }
        const int serieNr = n;
        connect(saet, &QBarSet::clicked, this, [this, serieNr](int) { chart_.userSelectSeries(serieNr); });
        serie_->append(saet);
    }

    saetKategorier();

    if (hoej - lav <= 0) hoej = 1;
    vaerdiakse_->setRange(lav, hoej);
    vaerdiakse_->applyNiceNumbers();
    const double trin = (vaerdiakse_->max() - vaerdiakse_->min()) / std::max(1, vaerdiakse_->tickCount() - 1);
    decimaler_ = trin > 0 ? std::clamp(static_cast<int>(-std::floor(std::log10(trin))), 0, 6) : 0;
    vaerdiakse_->setLabelFormat(QStringLiteral("%.%1f").arg(decimaler_));

    const auto markoerer = c->legend()->markers(serie_);
    for (int i = 0; i < markoerer.size(); ++i) {
        const int serieNr = i + 1;
        connect(markoerer[i], &QLegendMarker::clicked, this, [this, serieNr] { chart_.userSelectSeries(serieNr); });
    }
    formater();
}

// The labels as the axis shows them: with word wrap on, a label wider than its
// category breaks at its blanks.
void QtChart::saetKategorier() {
    const ChartAksetiket& e = chart_.categoryAxisLabel(1);
    const QFontMetricsF maal(Skrift(e.fontName(), e.fontSize()));
    const int antal = chart_.categoryCount();
    const double plads = antal > 0 ? std::max(1.0, chart()->plotArea().width() / antal - 4) : 1.0;
    QStringList kategorier;
    linjer_ = 1;
    for (int k = 1; k <= antal; ++k) {
        QString tekst = QString::fromStdString(chart_.columnLabel(k)).toHtmlEscaped();
        if (e.wordWrap() && maal.horizontalAdvance(tekst) > plads && tekst.contains(' ')) {
            linjer_ = std::max<int>(linjer_, static_cast<int>(tekst.count(' ')) + 1);
            tekst.replace(' ', QStringLiteral("<br>"));
        }
        kategorier << tekst;
    }
    if (kategorier != kategoriakse_->categories()) {
        kategoriakse_->clear();
        if (!kategorier.isEmpty()) kategoriakse_->append(kategorier);
    }
}

void QtChart::formater() {
    const QList<QBarSet*> saet = serie_->barSets();
    for (int i = 0; i < saet.size(); ++i) {
        const int n = i + 1;
        const std::optional<Farve> fyld = chart_.seriesFill(n);
        const QColor farve = fyld ? QColor(fyld->roed, fyld->groen, fyld->blaa)
                                  : Farver[static_cast<std::size_t>(i) % std::size(Farver)];
        saet[i]->setBrush(farve);
        // A light fill is drawn with an outline, so a white bar stays visible.
        saet[i]->setPen(farve.lightness() > 200 ? QPen(Qt::black, 1) : QPen(Qt::NoPen));
    }
    // The user's number format may have changed since the bars were built.
    if (const QLocale l = BrugerensLocale(); chart()->locale() != l) chart()->setLocale(l);
    const ChartAksetiket& e = chart_.categoryAxisLabel(1);
    kategoriakse_->setLabelsFont(Skrift(e.fontName(), e.fontSize()));
    kategoriakse_->setLabelsAngle(e.orientation() == TekstRetning::Lodret ? -90 : 0);
    saetKategorier();

    QLegend* legende = chart()->legend();
    legende->setFont(Skrift(chart_.legendFontName(), chart_.legendFontSize()));
    legende->setVisible(chart_.legendVisible());
    fremhaev();
    placer();
}

void QtChart::placer() {
    QChart* c = chart();
    QLegend* legende = c->legend();
    if (chart_.legendLocationType() == LegendePlacering::Brugerdefineret) {
        if (legende->isAttachedToChart()) legende->detachFromChart();
        legende->setGeometry(tilPixels(chart_.legendRect()));
        legende->update();
    } else if (!legende->isAttachedToChart()) {
        legende->attachToChart();
        legende->setAlignment(Qt::AlignRight);
    }

    if (chart_.plotAutoLayout()) {
        c->setPlotArea(QRectF());
        c->setTitleBrush(palette().text());
        titelbaggrund_->hide();
        return;
    }
    // The rectangle holds the plot with its axis labels; the plot itself lies inside.
    const QRectF ydre = tilPixels(chart_.plotRect());
    const QFontMetricsF kategoriMaal(kategoriakse_->labelsFont());
    const QFontMetricsF vaerdiMaal(vaerdiakse_->labelsFont());
    double etiketBredde = 0;
    const QLocale l = c->locale();
    for (double v : {vaerdiakse_->min(), vaerdiakse_->max()})
        etiketBredde = std::max(etiketBredde, vaerdiMaal.horizontalAdvance(l.toString(v, 'f', decimaler_)));
    const double venstre = etiketBredde + 10;
    const double bund = kategoriMaal.height() * linjer_ + 8;
    QRectF indre = ydre.adjusted(venstre, vaerdiMaal.height() / 2 + 2, -4, -bund);
    if (indre.width() < 1 || indre.height() < 1) indre = ydre;
    c->setPlotArea(indre);

    // The chart's own title would be drawn over the plot as well; draw it once here.
    c->setTitleBrush(Qt::transparent);
    titel_->setFont(c->titleFont());
    const QRectF t = titel_->boundingRect();
    const double baandHoejde = std::max(0.0, ydre.top());
    // Over the plot's width only: the legend beside it may reach the top.
    const double baandBredde = std::max(0.0, ydre.right());
    titelbaggrund_->setRect(0, 0, baandBredde, std::max(baandHoejde, t.height()));
    titel_->setPos((baandBredde - t.width()) / 2, std::max(0.0, (baandHoejde - t.height()) / 2));
    titelbaggrund_->setPos(0, 0);
    titelbaggrund_->show();
}

void QtChart::fremhaev() {
    const QList<QBarSet*> saet = serie_->barSets();
    for (int i = 0; i < saet.size(); ++i) {
        if (i + 1 != chart_.selectedSeries()) continue;
        // The selected series gets a thick outline in the highlight colour.
        saet[i]->setPen(QPen(palette().highlight().color(), 3));
    }
}

void QtChart::dataAendret() { skylder(Skyld::Byg); }

void QtChart::layoutAendret() { skylder(Skyld::Format); }

void QtChart::markeringAendret() { skylder(Skyld::Format); }

void QtChart::fokusOenskes() { setFocus(Qt::OtherFocusReason); }

void QtChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    rapporterPlacering();
    skylder(Skyld::Placering);
}

void QtChart::moveEvent(QMoveEvent* event) {
    QChartView::moveEvent(event);
    rapporterPlacering();
}

void QtChart::showEvent(QShowEvent* event) {
    QChartView::showEvent(event);
    // A chart on a tab never shown before learns its real size here; what changed
    // while it was hidden is drawn now.
    rapporterPlacering();
    skylder(Skyld::Ingen);
}

void QtChart::focusInEvent(QFocusEvent* event) {
    QChartView::focusInEvent(event);
    viewport()->update();
    chart_.userFocusIn();
}

void QtChart::focusOutEvent(QFocusEvent* event) {
    QChartView::focusOutEvent(event);
    viewport()->update();
    chart_.userFocusOut();
}
