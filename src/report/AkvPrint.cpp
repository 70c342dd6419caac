#include "report/AkvPrint.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "datamodel/Tabeller.h"
#include "platform/Beskeder.h"
#include "platform/Tjenester.h"
#include "report/Rapporttabel.h"
#include "report/Sektioner.h"

namespace {

struct Vaerktoejsdesign {
    const char* noegle;
    const char* tekst;
    bool separatorEfter;
};
constexpr Vaerktoejsdesign PrintVaerktoejer[] = {
    {"ID_FØRSTE", "Første side", false},
    {"ID_PREV", "Foregående post", false},
    {"ID_NEXT", "Næste Post", false},
    {"ID_SIDSTE", "Sidste side", true},
    {"ID_PRINT", "Print dokumentet", false},
    {"ID_PAGE", "Print nuværende side", true},
    {"ID_ZOOM_IND", "Zoom ind", false},
    {"ID_ZOOM_UD", "Zoom ud", false},
};

// Compared in this order; the first key that matches acts.
struct Vaerktoejshandling {
    const char* noegle;
    void (AkvPrint::*handling)();
};
constexpr Vaerktoejshandling Handlinger[] = {
    {"ID_ZOOM_IND", &AkvPrint::ZoomInd},    {"ID_ZOOM_UD", &AkvPrint::ZoomUd},
    {"ID_PRINT", &AkvPrint::UdskrivDokument}, {"ID_NEXT", &AkvPrint::NaesteSide},
    {"ID_PREV", &AkvPrint::ForrigeSide},     {"ID_FØRSTE", &AkvPrint::FoersteSide},
    {"ID_SIDSTE", &AkvPrint::SidsteSide},    {"ID_PAGE", &AkvPrint::UdskrivSide},
};

// The report's sections in order; a page group begins on a new page.
struct Sektion {
    void (*udskriv)(Udskrift&);
    bool nySideFoer;
};
constexpr Sektion Rapport[] = {
    {UdskrivAnalyseoplysninger, false},
    {UdskrivKvalitetskontrol, true},   {UdskrivNedbrydningsmodel, false}, {UdskrivGrundvand, false},
    {UdskrivNedstroemVandkvalitet, true}, {UdskrivModelstof, false},     {UdskrivOploesningUdfaeldning, false},
    {UdskrivRedoxprocesser, true},     {UdskrivMellemregninger, false},
};

std::string lokalitet() { return TekstForm(tabeller().LokalitetData.hent(1, 1)); }

// A printer or a PDF file that cannot be opened or written fails inside the view;
// the preview must stay usable, so the failure is caught here and reported.
bool udskrevet(const std::function<void()>& udskriv) {
    try {
        udskriv();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

std::string Sidetekst(int side, int antal) {
    return "Side " + std::to_string(side) + " af " + std::to_string(antal);
}

std::string Sidehovedtekst(const std::string& lokalitet) { return "\n\nAnalyseoplysninger for " + lokalitet; }

std::array<std::string, 3> Sidefoddele(const std::string& lokalitet) { return {lokalitet, "", "Side %d"}; }

AkvPrint::AkvPrint() {
    w_.vindue.setCaption("Print");
    for (const auto& v : PrintVaerktoejer) {
        w_.tb.addTool(v.noegle, v.tekst);
        if (v.separatorEfter) w_.tb.addSeparator();
    }
    w_.vp.setZoomStep(ZoomTrin);
    w_.vp.pageStarted = [this] { w_.vp.setFontSize(10); };
    w_.tb.onToolClick = [this](const std::string& noegle) { tb_ButtonClick(noegle); };
    // Scrolling the preview to another page changes the page text as the tools do.
    w_.vp.userPageChanged = [this] { opdaterSidetekst(); };
    if (PrintvindueService* s = printvindueService()) visning_ = s->lav(w_);
}

AkvPrint::~AkvPrint() { visning_.reset(); }

void AkvPrint::Form_Load() {
    vp().setDisplaySetting(1);
    vp().setPreview(true);
    UdskrivRapport();
}

void AkvPrint::UdskrivRapport() {
    Udskrift& u = vp();
    {
        Ventemarkoer vent;
        u.setDisplaySetting(0);
        u.setDocumentSetting(1000);
        u.startDoc();
        u.setFontSize(20);
        u.setHeader(Sidehovedtekst(lokalitet()));
        const auto fod = Sidefoddele(lokalitet());
        u.setFooter(fod[0], fod[1], fod[2]);
        for (const Sektion& s : Rapport) {
            if (s.nySideFoer) u.newPage();
            s.udskriv(u);
        }
        u.endDoc();
    }
    opdaterSidetekst();
}

void AkvPrint::tb_ButtonClick(const std::string& noegle) {
    for (const auto& h : Handlinger)
        if (noegle == h.noegle) {
            (this->*h.handling)();
            return;
        }
}

void AkvPrint::ZoomInd() {
    vp().setZoom(std::clamp(vp().zoom() + std::nearbyint(vp().zoomStep()), MindsteZoom, StoersteZoom));
}

void AkvPrint::ZoomUd() {
    vp().setZoom(std::clamp(vp().zoom() - std::nearbyint(vp().zoomStep()), MindsteZoom, StoersteZoom));
}

void AkvPrint::UdskrivDokument() {
    Udskrift& u = vp();
    const double zoom = u.zoom();
    const int side = u.previewPage();
    u.setZoom(-1);
    u.setDisplaySetting(1);
    u.setPreview(false);
    const bool ok = udskrevet([this] { UdskrivRapport(); });
    u.setPreview(true);
    if (!ok) {
        // Built again for the preview: the failure may have left the document half made.
        UdskrivRapport();
        visSide(side);
    }
    u.setZoom(zoom);
    if (!ok) visBesked(UdskrivningsFejl, BeskedIkon::Kritisk);
}

void AkvPrint::NaesteSide() { visSide(vp().previewPage() + 1); }
void AkvPrint::ForrigeSide() { visSide(vp().previewPage() - 1); }
void AkvPrint::FoersteSide() { visSide(1); }
void AkvPrint::SidsteSide() { visSide(vp().pageCount()); }

void AkvPrint::UdskrivSide() {
    const int p = vp().previewPage();
    if (!udskrevet([this, p] { vp().printPages(true, p, p); })) visBesked(UdskrivningsFejl, BeskedIkon::Kritisk);
}

void AkvPrint::visSide(int side) {
    vp().setPreviewPage(std::clamp(side, 1, std::max(1, vp().pageCount())));
    opdaterSidetekst();
}

void AkvPrint::opdaterSidetekst() { Status().setPanelText(1, Sidetekst(vp().previewPage(), vp().pageCount())); }

void VisPrintmenu() {
    AkvPrint print;
    print.Form_Load();
    print.vindue().showModal();
}
