#include "platform/Udskrift.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/Beskeder.h"
#include "platform/Kaldtekst.h"

namespace {

// A number in a call's text: whole numbers without decimals.
std::string tal(double v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) return std::to_string(static_cast<long long>(v));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

std::string vaerdiTekst(Celleindstilling s, long long v) {
    switch (s) {
    case Celleindstilling::Fed: return boolTekst(v != 0);
    case Celleindstilling::Baggrundsfarve: return FarveTekst(static_cast<Farvekode>(v));
    default: return std::to_string(v);
    }
}

}  // namespace

const char* IndstillingNavn(Celleindstilling s) {
    switch (s) {
    case Celleindstilling::Raekkehoejde: return "Raekkehoejde";
    case Celleindstilling::Fed: return "Fed";
    case Celleindstilling::Spaend: return "Spaend";
    case Celleindstilling::Baggrundsfarve: return "Baggrundsfarve";
    case Celleindstilling::Justering: return "Justering";
    }
    return "?";
}

std::string FarveTekst(Farvekode f) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "&H%X", static_cast<unsigned>(f));
    return buf;
}

Udskrift::Udskrift() : layout_(standardMaal_) {
    layout_.sideStartet = [this] {
        if (pageStarted) pageStarted();
    };
}

Udskrift::~Udskrift() = default;

void Udskrift::kald(const std::string& k) {
    if (visning_) visning_->programKald(k);
}

void Udskrift::setTekstmaal(const Tekstmaal* maal) { layout_.saetTekstmaal(maal ? *maal : standardMaal_); }

// ---- Document ----

void Udskrift::startDoc() {
    kald("startDoc");
    layout_.nulstil();
    hoved_ = {};
    tabel_.reset();
    tilfoejede_.clear();
    previewPage_ = 1;
}

void Udskrift::endDoc() {
    kald("endDoc");
    tabel_.reset();
    layout_.afslut(hoved_);
    previewPage_ = std::clamp(previewPage_, 1, std::max(1, pageCount()));
    if (!visning_) return;
    if (preview_)
        visning_->dokumentSlut();
    else
        visning_->udskrivDokument();
}

void Udskrift::newPage() {
    kald("newPage");
    layout_.nySide();
}

void Udskrift::setHeader(const std::string& tekst) {
    kald("setHeader(" + citat(tekst) + ")");
    hoved_.hoved = tekst;
}

std::string Udskrift::dokumentnavn() const {
    const auto foerste = hoved_.hoved.find_first_not_of("\r\n");
    if (foerste == std::string::npos) return ProgramNavn;
    const auto sidste = hoved_.hoved.find_last_not_of("\r\n");
    return hoved_.hoved.substr(foerste, sidste - foerste + 1);
}

void Udskrift::setFooter(const std::string& venstre, const std::string& midte, const std::string& hoejre) {
    kald("setFooter(" + citat(venstre) + ", " + citat(midte) + ", " + citat(hoejre) + ")");
    hoved_.fodVenstre = venstre;
    hoved_.fodMidte = midte;
    hoved_.fodHoejre = hoejre;
}

void Udskrift::setFontSize(double punkter) {
    kald("setFontSize(" + tal(punkter) + ")");
    // A size of nothing or less would give rows of no height.
    if (punkter > 0) fontSize_ = punkter;
}

// ---- Preview ----

void Udskrift::setPreviewPage(int side) {
    kald("setPreviewPage(" + std::to_string(side) + ")");
    previewPage_ = std::clamp(side, 1, std::max(1, pageCount()));
    if (visning_) visning_->visningAendret();
}

void Udskrift::setZoom(double procent) {
    kald("setZoom(" + tal(procent) + ")");
    zoom_ = procent;
    if (visning_) visning_->visningAendret();
}

void Udskrift::setPreview(bool paa) {
    kald("setPreview(" + boolTekst(paa) + ")");
    preview_ = paa;
    if (visning_) visning_->visningAendret();
}

void Udskrift::printPages(bool dialog, int foerste, int sidste) {
    kald("printPages(" + boolTekst(dialog) + ", " + std::to_string(foerste) + ", " + std::to_string(sidste) + ")");
    if (visning_) visning_->udskrivSider(dialog, foerste, sidste);
}

// These settings change nothing the document lays out or paints: they are only reported.
void Udskrift::setDisplaySetting(int v) { kald("setDisplaySetting(" + std::to_string(v) + ")"); }
void Udskrift::setDocumentSetting(int v) { kald("setDocumentSetting(" + std::to_string(v) + ")"); }

// ---- Presets ----

void Udskrift::setSettingA(int v) { kald("setSettingA(" + std::to_string(v) + ")"); }
void Udskrift::setSettingB(bool v) { kald("setSettingB(" + boolTekst(v) + ")"); }
void Udskrift::setSettingC(int v) { kald("setSettingC(" + std::to_string(v) + ")"); }
void Udskrift::setSettingD(int v) { kald("setSettingD(" + std::to_string(v) + ")"); }
void Udskrift::setSettingE(int v) { kald("setSettingE(" + std::to_string(v) + ")"); }

void Udskrift::setBackColor(Farvekode f) {
    kald("setBackColor(" + FarveTekst(f) + ")");
    backColor_ = f;
}

void Udskrift::setCurrentY(double twips) {
    kald("setCurrentY(" + tal(twips) + ")");
    layout_.saetY(twips);
}

// ---- Tables ----

void Udskrift::startTable() {
    kald("startTable");
    tabel_.reset();
}

void Udskrift::addTable(const std::string& format, const std::string& header, const Tabelraekker& raekker,
                        Farvekode farve, int tal_, bool flag) {
    kald("addTable(" + citat(format) + ", " + citat(header) + ", " + citat(SammensaetKrop(raekker)) + ", " +
         FarveTekst(farve) + ", " + std::to_string(tal_) + ", " + boolTekst(flag) + ")");
    tabel_ = std::make_unique<Tabel>(Tabel::ny(FortolkFormat(format), raekker, backColor_));
    tilfoejede_.push_back({format, raekker});
}

void Udskrift::tableCell(Celleindstilling s, int raekke, int kolonne, long long vaerdi) {
    kald(std::string("tableCell(") + IndstillingNavn(s) + ", " + std::to_string(raekke) + ", " +
         std::to_string(kolonne) + ", " + vaerdiTekst(s, vaerdi) + ")");
    celle(s, raekke, kolonne, raekke, kolonne, vaerdi);
}

void Udskrift::tableCell(Celleindstilling s, int raekke1, int kolonne1, int raekke2, int kolonne2,
                         long long vaerdi) {
    kald(std::string("tableCell(") + IndstillingNavn(s) + ", " + std::to_string(raekke1) + ", " +
         std::to_string(kolonne1) + ", " + std::to_string(raekke2) + ", " + std::to_string(kolonne2) + ", " +
         vaerdiTekst(s, vaerdi) + ")");
    celle(s, raekke1, kolonne1, raekke2, kolonne2, vaerdi);
}

void Udskrift::tableCell(Celleindstilling s, long long vaerdi) {
    kald(std::string("tableCell(") + IndstillingNavn(s) + ", " + vaerdiTekst(s, vaerdi) + ")");
    celle(s, AlleRaekker, 1, AlleRaekker, tabel_ ? tabel_->antalKolonner() : 0, vaerdi);
}

void Udskrift::celle(Celleindstilling s, int r1, int k1, int r2, int k2, long long v) {
    if (!tabel_) return;
    Tabel& t = *tabel_;
    if (r1 == AlleRaekker || r2 == AlleRaekker) {
        r1 = 1;
        r2 = t.antalRaekker();
    }
    // Only the cells inside the table take a setting; the rest of the range is ignored.
    r1 = std::max(r1, 1);
    k1 = std::max(k1, 1);
    r2 = std::min(r2, t.antalRaekker());
    k2 = std::min(k2, t.antalKolonner());
    for (int r = r1; r <= r2; ++r) {
        if (s == Celleindstilling::Raekkehoejde) {
            if (k1 <= k2) t.raekkehoejde[static_cast<std::size_t>(r - 1)] = static_cast<int>(std::clamp(v, 0LL, 20000LL));
            continue;
        }
        for (int k = k1; k <= k2; ++k) {
            Tabelcelle& c = t.raekker[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(k - 1)];
            switch (s) {
            case Celleindstilling::Fed: c.fed = v != 0; break;
            case Celleindstilling::Spaend: c.spaend = static_cast<int>(std::clamp(v, 1LL, 1000LL)); break;
            case Celleindstilling::Baggrundsfarve: c.baggrund = static_cast<Farvekode>(v); break;
            case Celleindstilling::Justering: c.justering = static_cast<int>(std::clamp(v, 0LL, 8LL)); break;
            case Celleindstilling::Raekkehoejde: break;
            }
        }
    }
}

void Udskrift::endTable() {
    kald("endTable");
    if (!tabel_) return;
    const std::unique_ptr<Tabel> t = std::move(tabel_);
    // The page's start event may set the font size: it has to run before the size is read.
    layout_.sikrSide();
    layout_.tabel(*t, fontSize_);
}

void Udskrift::paragraph(const std::string& tekst) {
    kald("paragraph(" + citat(tekst) + ")");
    layout_.sikrSide();
    layout_.afsnit(tekst, fontSize_);
}

void Udskrift::userPreviewPage(int side) {
    const int foer = previewPage_;
    previewPage_ = std::clamp(side, 1, std::max(1, pageCount()));
    if (previewPage_ != foer && userPageChanged) userPageChanged();
}
