#include "platform/qt/QtUdskrift.h"

#include <stdexcept>

#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <utility>

#include "celler/MidlertidigVaerdi.h"
#include "platform/qt/QtUdskriftsforloeb.h"

namespace {

constexpr double Hovedpunkter = 12;  // header and footer, bold
const QColor Titelgraa(217, 217, 217);  // the menu colour of the title cells
const QColor Stregfarve(140, 140, 140);
constexpr double Stregbredde = 8;  // twips, a hairline on paper

QString tekst(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A colour that paints: the titles' menu colour as light grey, a plain colour as
// it is; any other system colour paints nothing.
std::optional<QColor> farve(Farvekode f) {
    if (f == SystemfarveMenu) return Titelgraa;
    if (ErSystemfarve(f) || f == FarveHvid) return std::nullopt;  // white paper needs no white
    return QColor(static_cast<int>(f & 0xFF), static_cast<int>((f >> 8) & 0xFF), static_cast<int>((f >> 16) & 0xFF));
}

// The metrics of one size and weight, with the advances of the Latin letters, which
// are nearly all a report holds: the layout asks for thousands of widths, and a sum
// of advances is many times faster than shaping the text. Kerning is off in the
// document font, so the sum is the width drawn.
struct Metrik {
    explicit Metrik(const QFont& f) : fm(f) {
        for (std::size_t c = 0; c < latin.size(); ++c) latin[c] = fm.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    }
    QFontMetricsF fm;
    std::array<double, 0x250> latin{};
};

// The metrics measured in one application, released with it: a font's metrics must
// not outlive the application whose font system made them.
class Metrikker : public QObject {
public:
    explicit Metrikker(QObject* app) : QObject(app) {}
    std::map<std::pair<int, bool>, Metrik> cache;
};

const Metrik& metrikFor(double punkter, bool fed) {
    static QPointer<Metrikker> metrikker;
    if (!metrikker) metrikker = new Metrikker(QCoreApplication::instance());
    auto& cache = metrikker->cache;
    const std::pair<int, bool> noegle{static_cast<int>(std::lround(punkter * 20)), fed};
    auto it = cache.find(noegle);
    if (it == cache.end()) it = cache.emplace(noegle, Metrik(DokumentFont(punkter, fed))).first;
    return it->second;
}

const QFontMetricsF& metrik(double punkter, bool fed) { return metrikFor(punkter, fed).fm; }

Qt::Alignment vandret(VandretJustering j) {
    switch (j) {
    case VandretJustering::Centreret: return Qt::AlignHCenter;
    case VandretJustering::Hoejre: return Qt::AlignRight;
    case VandretJustering::Venstre: break;
    }
    return Qt::AlignLeft;
}

void malCelle(QPainter& p, const Sidecelle& c, const Sidemaal& m) {
    const QRectF boks(c.x, c.y, c.bredde, c.hoejde);
    if (c.baggrund)
        if (auto f = farve(*c.baggrund)) p.fillRect(boks, *f);
    p.setPen(QPen(Stregfarve, Stregbredde));
    p.drawRect(boks);
    if (c.linjer.empty()) return;

    p.setPen(Qt::black);
    p.setFont(DokumentFont(c.punkter, c.fed));
    const double lh = metrik(c.punkter, c.fed).lineSpacing();
    const double blok = lh * static_cast<double>(c.linjer.size());
    double top = c.y + (c.hoejde - blok) / 2;
    if (c.lodret == LodretJustering::Top) top = c.y + m.linjePolster;
    if (c.lodret == LodretJustering::Bund) top = c.y + c.hoejde - m.linjePolster - blok;
    for (const auto& linje : c.linjer) {
        // Drawn within its cell: a line never reaches into the next one.
        p.drawText(QRectF(c.x + m.cellePolster, top, c.bredde - 2 * m.cellePolster, lh),
                   vandret(c.vandret) | Qt::AlignVCenter | Qt::TextSingleLine, tekst(linje));
        top += lh;
    }
}

void malSide(QPainter& p, const Side& s, const Sidemaal& m) {
    for (const Sidecelle& c : s.celler) malCelle(p, c, m);

    p.setPen(Qt::black);
    p.setFont(DokumentFont(Hovedpunkter, true));
    const double lh = metrik(Hovedpunkter, true).lineSpacing();
    const double bredde = m.bredde - 2 * m.venstre;
    // A long site name wraps within the page's width rather than running off it.
    const QRectF hoved(m.venstre, m.hovedTop, bredde, m.kropTop - m.hovedTop);
    p.drawText(hoved, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, tekst(s.hoved));

    // The footer's right part (the page number) keeps its place; the left and centre
    // parts wrap in the room left beside it, so no part is drawn over another.
    const QString hoejre = tekst(s.fodHoejre);
    const double hoejreBredde = std::ceil(metrik(Hovedpunkter, true).horizontalAdvance(hoejre));
    const double hoejde = m.hoejde - m.fodTop;
    const auto fl = Qt::AlignTop | Qt::TextWordWrap;
    p.drawText(QRectF(m.venstre, m.fodTop, bredde, lh), Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, hoejre);
    const double rest = std::max(lh, bredde - hoejreBredde - lh);
    if (s.fodMidte.empty()) {
        p.drawText(QRectF(m.venstre, m.fodTop, rest, hoejde), Qt::AlignLeft | fl, tekst(s.fodVenstre));
    } else {
        p.drawText(QRectF(m.venstre, m.fodTop, rest / 2 - lh / 2, hoejde), Qt::AlignLeft | fl, tekst(s.fodVenstre));
        p.drawText(QRectF(m.venstre + rest / 2, m.fodTop, rest / 2, hoejde), Qt::AlignHCenter | fl, tekst(s.fodMidte));
    }
}

void forbered(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The layout places everything from the paper's corner; the margins are its own.
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace

QFont DokumentFont(double punkter, bool fed) {
    static const bool erstattet = [] {
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        return true;
    }();
    (void)erstattet;
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(punkter * 20))));  // twips
    f.setBold(fed);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

double QtTekstmaal::bredde(std::string_view s, double punkter, bool fed) const {
    const Metrik& m = metrikFor(punkter, fed);
    double sum = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        char32_t c = 0x10000;  // anything outside the table
        if (b < 0x80) {
            c = b;
            i += 1;
        } else if ((b & 0xE0) == 0xC0 && i + 1 < s.size()) {
            c = (static_cast<char32_t>(b & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F);
            i += 2;
        } else {
            break;
        }
        if (c >= m.latin.size()) break;
        sum += m.latin[c];
        if (i == s.size()) return sum;
    }
    if (s.empty()) return 0;
    return m.fm.horizontalAdvance(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
}

double QtTekstmaal::linjehoejde(double punkter, bool fed) const { return metrik(punkter, fed).lineSpacing(); }

bool MalSider(QPainter& p, QPagedPaintDevice& enhed, const std::vector<Side>& sider, const Sidemaal& maal,
              int foerste, int sidste, const FoerSide& foerSide) {
    const int antal = static_cast<int>(sider.size());
    foerste = std::max(foerste, 1);
    sidste = std::min(sidste, antal);
    const double sx = enhed.logicalDpiX() / 1440.0;
    const double sy = enhed.logicalDpiY() / 1440.0;
    for (int i = foerste; i <= sidste; ++i) {
        if (foerSide && !foerSide(i)) return false;
        if (i > foerste) enhed.newPage();
        p.save();
        p.scale(sx, sy);
        malSide(p, sider[static_cast<std::size_t>(i - 1)], maal);
        p.restore();
    }
    return true;
}

bool SkrivPdf(const Udskrift& u, const std::string& sti) {
    QPdfWriter pdf(tekst(sti));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setResolution(1200);
    pdf.setCreator(QStringLiteral("Akvifer"));
    QPainter p;
    if (!p.begin(&pdf)) return false;
    MalSider(p, pdf, u.sider(), u.layout().sidemaal(), 1, u.pageCount());
    return p.end();
}

bool UdskrivTil(QPrinter& printer, const Udskrift& u, int foerste, int sidste, const FoerSide& foerSide) {
    QPainter p;
    if (!p.begin(&printer)) throw std::runtime_error("printeren kunne ikke åbnes");
    if (!MalSider(p, printer, u.sider(), u.layout().sidemaal(), foerste, sidste, foerSide)) {
        // Stopped: nothing of the job may pass as printed, not even part of a file.
        printer.abort();
        p.end();
        if (const QString fil = printer.outputFileName(); !fil.isEmpty()) QFile::remove(fil);
        return false;
    }
    if (!p.end()) throw std::runtime_error("udskriften kunne ikke afsluttes");
    return true;
}

bool Udskriv(QPrinter& printer, Udskrift& u, int foerste, int sidste) {
    const std::string dokument = u.dokumentnavn();
    printer.setDocName(tekst(dokument));
    // A file has no printer of its own; a printer may tell where it stands.
    QString navn = printer.printerName();
    QString port = printer.outputFileName();
    if (port.isEmpty()) port = QPrinterInfo::printerInfo(navn).location();
    if (navn.isEmpty()) navn = QStringLiteral("PDF");
    const int antal = std::min(sidste, u.pageCount()) - std::max(foerste, 1) + 1;
    Udskriftsforloeb::Job job(u.forloeb(), dokument, navn.toStdString(), port.toStdString(), std::max(0, antal));
    return UdskrivTil(printer, u, foerste, sidste, [&job](int side) { return job.side(side); });
}

bool HarPrinter(const QPrinter& printer) {
    return printer.isValid() &&
           !(printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty());
}

QtUdskrift::QtUdskrift(Udskrift& u, QWidget* forelder)
    : u_(u), previewPrinter_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    forbered(*previewPrinter_);
    preview_ = new QPrintPreviewWidget(previewPrinter_.get(), forelder);
    preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { UdskrivTil(*p, u_, 1, u_.pageCount()); });
    // The user may scroll to another page; the document then reports that page.
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, [this] {
        if (!foelger_) u_.userPreviewPage(preview_->currentPage());
    });
    u_.setVisning(this);
    u_.setTekstmaal(&maal_);
    forloeb_ = new QtUdskriftsforloeb(u_.forloeb(), forelder);
}

QtUdskrift::~QtUdskrift() {
    if (u_.visning() == this) u_.setVisning(nullptr);
    u_.setTekstmaal(nullptr);
    delete forloeb_;
    delete preview_;  // before the printer it paints on
}

void QtUdskrift::foelg() {
    const MidlertidigVaerdi foelger(foelger_, true);
    if (u_.zoom() > 0) {
        preview_->setZoomMode(QPrintPreviewWidget::CustomZoom);
        preview_->setZoomFactor(u_.zoom() / 100.0);
    }
    preview_->setCurrentPage(u_.previewPage());
}

void QtUdskrift::dokumentSlut() {
    {
        const MidlertidigVaerdi foelger(foelger_, true);
        preview_->updatePreview();
    }
    foelg();
}

void QtUdskrift::visningAendret() {
    if (!u_.preview()) return;
    // A document built for the printer while the preview was off is shown once it is on.
    if (udenForVisning_) {
        udenForVisning_ = false;
        dokumentSlut();
        return;
    }
    foelg();
}

void QtUdskrift::udskrivDokument() {
    udenForVisning_ = true;
    QPrinter printer(QPrinter::HighResolution);
    forbered(printer);
    int foerste = 1;
    int sidste = u_.pageCount();
    // No default printer: the dialog lets the user pick one or print to a PDF file.
    if (!HarPrinter(printer) && !vaelgPrinter(printer, foerste, sidste)) return;
    Udskriv(printer, u_, foerste, sidste);
}

bool QtUdskrift::vaelgPrinter(QPrinter& printer, int& foerste, int& sidste) {
    QPrintDialog d(&printer, preview_);
    d.setMinMax(1, std::max(1, u_.pageCount()));
    // The report may be built under the hourglass; the dialog is the user's to work.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool valgt = d.exec() == QDialog::Accepted;
    QGuiApplication::restoreOverrideCursor();
    if (!valgt) return false;
    if (printer.printRange() == QPrinter::AllPages) {
        foerste = 1;
        sidste = u_.pageCount();
    } else {
        foerste = printer.fromPage();
        sidste = printer.toPage();
    }
    return true;
}

void QtUdskrift::udskrivSider(bool dialog, int foerste, int sidste) {
    QPrinter printer(QPrinter::HighResolution);
    forbered(printer);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(std::max(1, foerste), std::max(1, sidste));
    // Without a printer the dialog is the only way to print, to a PDF file.
    if ((dialog || !HarPrinter(printer)) && !vaelgPrinter(printer, foerste, sidste)) return;
    Udskriv(printer, u_, foerste, sidste);
}
