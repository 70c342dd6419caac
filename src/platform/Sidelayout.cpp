#include "platform/Sidelayout.h"

#include <algorithm>
#include <cmath>

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> del(std::string_view s, char skille) {
    std::vector<std::string_view> r;
    std::size_t fra = 0;
    for (;;) {
        const std::size_t til = s.find(skille, fra);
        if (til == std::string_view::npos) {
            r.push_back(s.substr(fra));
            return r;
        }
        r.push_back(s.substr(fra, til - fra));
        fra = til + 1;
    }
}

// Bytes of the UTF-8 character that starts at s[i].
std::size_t tegnlaengde(std::string_view s, std::size_t i) {
    std::size_t n = 1;
    while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
    return n;
}

}  // namespace

std::vector<Kolonne> FortolkFormat(std::string_view format) {
    format = format.substr(0, format.find(';'));
    std::vector<Kolonne> r;
    for (std::string_view spec : del(format, '|')) {
        spec = trim(spec);
        Kolonne k;
        if (!spec.empty() && (spec.front() == '<' || spec.front() == '^' || spec.front() == '>')) {
            k.justering = spec.front() == '<'   ? VandretJustering::Venstre
                          : spec.front() == '^' ? VandretJustering::Centreret
                                                : VandretJustering::Hoejre;
            spec.remove_prefix(1);
        }
        if (!spec.empty() && spec.front() == '+') spec.remove_prefix(1);
        if (spec.empty() || spec.size() > 6 ||
            !std::all_of(spec.begin(), spec.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        for (char c : spec) k.bredde = k.bredde * 10 + (c - '0');
        r.push_back(k);
    }
    return r;
}

std::string SammensaetKrop(const Tabelraekker& raekker) {
    std::string r;
    for (const auto& raekke : raekker) {
        for (std::size_t i = 0; i < raekke.size(); ++i) {
            if (i > 0) r += '|';
            r += raekke[i];
        }
        r += ';';
    }
    return r;
}

Tabelraekker FortolkKrop(std::string_view krop) {
    Tabelraekker r;
    auto raekker = del(krop, ';');
    // The ";" after the last row leaves an empty piece behind it, which is no row.
    if (raekker.back().empty()) raekker.pop_back();
    for (std::string_view raekke : raekker) {
        Tabelraekke celler;
        for (std::string_view c : del(raekke, '|')) celler.emplace_back(c);
        r.push_back(std::move(celler));
    }
    return r;
}

VandretJustering VandretAfKode(int kode) {
    switch (((kode % 3) + 3) % 3) {
    case 1: return VandretJustering::Centreret;
    case 2: return VandretJustering::Hoejre;
    default: return VandretJustering::Venstre;
    }
}

LodretJustering LodretAfKode(int kode) {
    switch (std::clamp(kode, 0, 8) / 3) {
    case 0: return LodretJustering::Top;
    case 2: return LodretJustering::Bund;
    default: return LodretJustering::Midte;
    }
}

Tabel Tabel::ny(std::vector<Kolonne> kolonner, const Tabelraekker& krop, Farvekode baggrund) {
    Tabel t;
    t.kolonner = std::move(kolonner);
    t.baggrund = baggrund;
    for (const auto& raekke : krop) {
        std::vector<Tabelcelle> celler(t.kolonner.size());
        for (std::size_t i = 0; i < celler.size() && i < raekke.size(); ++i) celler[i].tekst = raekke[i];
        t.raekker.push_back(std::move(celler));
    }
    t.raekkehoejde.assign(t.raekker.size(), 0);
    return t;
}

double StandardTekstmaal::bredde(std::string_view tekst, double punkter, bool fed) const {
    std::size_t tegn = 0;
    for (std::size_t i = 0; i < tekst.size(); i += tegnlaengde(tekst, i)) ++tegn;
    return static_cast<double>(tegn) * punkter * 9.0 * (fed ? 1.05 : 1.0);
}

double StandardTekstmaal::linjehoejde(double punkter, bool) const { return punkter * 20.0 * 1.15; }

std::string MedSidenummer(const std::string& hoejreDel, int side) {
    std::string r;
    const std::string nummer = std::to_string(side);
    for (std::size_t i = 0; i < hoejreDel.size(); ++i) {
        if (hoejreDel.compare(i, 2, "%d") == 0) {
            r += nummer;
            ++i;
        } else {
            r += hoejreDel[i];
        }
    }
    return r;
}

Sidelayout::Sidelayout(const Tekstmaal& maal, Sidemaal sidemaal) : maal_(&maal), s_(sidemaal) { nulstil(); }

void Sidelayout::nulstil() {
    sider_.clear();
    sideAaben_ = false;
    y_ = s_.kropTop;
}

void Sidelayout::beginSide() {
    Side s;
    s.nummer = static_cast<int>(sider_.size()) + 1;
    sider_.push_back(std::move(s));
    raekker_.clear();
    sideAaben_ = true;
    if (sideStartet) sideStartet();
}

void Sidelayout::sideskift() {
    // The heading rows that end the page and stand right above the row to come.
    std::size_t fra = raekker_.size();
    int bund = static_cast<int>(std::lround(y_));
    while (fra > 0 && raekker_[fra - 1].overskrift && raekker_[fra - 1].y + raekker_[fra - 1].hoejde == bund) {
        --fra;
        bund = raekker_[fra].y;
    }
    // Headings that are all the page holds would only leave an empty page behind.
    if (fra == 0 || fra == raekker_.size()) {
        fortsaetPaaNySide();
        return;
    }
    const auto celle0 = static_cast<std::ptrdiff_t>(raekker_[fra].foersteCelle);
    std::vector<Sidecelle>& gammel = sider_.back().celler;
    std::vector<Sidecelle> flyttes(std::make_move_iterator(gammel.begin() + celle0),
                                   std::make_move_iterator(gammel.end()));
    gammel.resize(raekker_[fra].foersteCelle);
    const std::vector<LagtRaekke> flyttede(raekker_.begin() + static_cast<std::ptrdiff_t>(fra), raekker_.end());
    beginSide();
    const int forskyd = s_.kropTop - flyttede.front().y;
    for (LagtRaekke r : flyttede) {
        r.foersteCelle -= static_cast<std::size_t>(celle0);
        r.y += forskyd;
        raekker_.push_back(r);
    }
    for (Sidecelle& c : flyttes) {
        c.y += forskyd;
        sider_.back().celler.push_back(std::move(c));
    }
    y_ += forskyd;
}

void Sidelayout::fortsaetPaaNySide() {
    beginSide();
    y_ = s_.kropTop;
}

bool Sidelayout::passerIkke(double hoejde) const { return y_ + hoejde > s_.kropBund && y_ > s_.kropTop; }

void Sidelayout::sikrSide() {
    if (!sideAaben_) beginSide();
}

void Sidelayout::nySide() {
    // A new page asked for on a page that never began still gives that page.
    sikrSide();
    sideAaben_ = false;
    y_ = s_.kropTop;
}

std::vector<std::string> Sidelayout::ombryd(const std::string& tekst, double bredde, double punkter,
                                            bool fed) const {
    std::vector<std::string> linjer;
    auto passer = [&](std::string_view s) { return maal_->bredde(s, punkter, fed) <= bredde; };
    for (std::string_view afsnit : del(tekst, '\n')) {
        if (!afsnit.empty() && afsnit.back() == '\r') afsnit.remove_suffix(1);
        // A text that fits stands exactly as typed, its spaces and all.
        if (passer(afsnit)) {
            linjer.emplace_back(afsnit);
            continue;
        }
        std::string linje;
        for (std::string_view ord : del(afsnit, ' ')) {
            if (ord.empty()) continue;
            std::string proeve = linje.empty() ? std::string(ord) : linje + ' ' + std::string(ord);
            if (passer(proeve)) {
                linje = std::move(proeve);
                continue;
            }
            if (!linje.empty()) linjer.push_back(std::move(linje));
            linje.clear();
            // A word wider than the cell is broken between characters, at least one a line.
            std::size_t i = 0;
            while (i < ord.size()) {
                const std::size_t n = tegnlaengde(ord, i);
                std::string proeveTegn = linje + std::string(ord.substr(i, n));
                if (!linje.empty() && !passer(proeveTegn)) {
                    linjer.push_back(std::move(linje));
                    linje.clear();
                    continue;
                }
                linje = std::move(proeveTegn);
                i += n;
            }
        }
        linjer.push_back(std::move(linje));
    }
    return linjer;
}

void Sidelayout::tabel(const Tabel& t, double punkter) {
    if (t.raekker.empty() || t.kolonner.empty()) return;
    sikrSide();
    y_ = std::max(y_, 0.0);

    // Column edges from the left margin; nothing stands beyond the right margin.
    const int hoejreKant = s_.bredde - s_.venstre;
    std::vector<int> kant{s_.venstre};
    for (const Kolonne& k : t.kolonner) kant.push_back(std::min(hoejreKant, kant.back() + std::max(0, k.bredde)));

    const double linje = maal_->linjehoejde(punkter, false);
    const double maxHoejde = s_.kropBund - s_.kropTop;
    const int n = t.antalKolonner();

    for (int r = 0; r < t.antalRaekker(); ++r) {
        const auto& raekke = t.raekker[static_cast<std::size_t>(r)];
        std::vector<Sidecelle> celler;
        double hoejde = std::max(0, t.raekkehoejde[static_cast<std::size_t>(r)]);
        for (int k = 0; k < n;) {
            const Tabelcelle& c = raekke[static_cast<std::size_t>(k)];
            const int spaend = std::clamp(c.spaend, 1, n - k);
            Sidecelle sc;
            sc.x = kant[static_cast<std::size_t>(k)];
            sc.bredde = kant[static_cast<std::size_t>(k + spaend)] - sc.x;
            k += spaend;
            if (sc.bredde <= 0) continue;
            sc.fed = c.fed;
            sc.punkter = punkter;
            const Farvekode f = c.baggrund.value_or(t.baggrund);
            // System colours paint nothing but the menu colour of the titles.
            if (!ErSystemfarve(f) || f == SystemfarveMenu) sc.baggrund = f;
            sc.vandret = c.justering ? VandretAfKode(*c.justering)
                                     : t.kolonner[static_cast<std::size_t>(k - spaend)].justering;
            sc.lodret = c.justering ? LodretAfKode(*c.justering) : LodretJustering::Midte;
            if (!c.tekst.empty())
                sc.linjer = ombryd(c.tekst, std::max(1, sc.bredde - 2 * s_.cellePolster), punkter, c.fed);
            hoejde = std::max(hoejde, std::ceil(static_cast<double>(sc.linjer.size()) * linje + 2 * s_.linjePolster));
            celler.push_back(std::move(sc));
        }
        // A row taller than a whole page keeps the lines that fit.
        if (hoejde > maxHoejde) {
            hoejde = maxHoejde;
            const auto plads = static_cast<std::size_t>(std::max(1.0, (maxHoejde - 2 * s_.linjePolster) / linje));
            for (auto& sc : celler)
                if (sc.linjer.size() > plads) sc.linjer.resize(plads);
        }
        // Rows are never split: one that does not fit begins the next page.
        if (passerIkke(hoejde)) sideskift();
        // Headings moved along may leave too little room for the row: then it goes on.
        if (passerIkke(hoejde)) fortsaetPaaNySide();
        const int y = static_cast<int>(std::lround(y_));
        bool fed = false, almindelig = false;
        for (const auto& sc : celler) {
            fed = fed || sc.fed;
            almindelig = almindelig || (!sc.fed && !sc.linjer.empty());
        }
        raekker_.push_back({sider_.back().celler.size(), y, static_cast<int>(hoejde), fed && !almindelig});
        for (auto& sc : celler) {
            sc.y = y;
            sc.hoejde = static_cast<int>(hoejde);
            sider_.back().celler.push_back(std::move(sc));
        }
        y_ += hoejde;
    }
}

void Sidelayout::afsnit(const std::string& tekst, double punkter) {
    sikrSide();
    const int bredde = s_.bredde - 2 * s_.venstre;
    Sidecelle sc;
    sc.x = s_.venstre;
    sc.bredde = bredde;
    sc.punkter = punkter;
    if (!tekst.empty()) sc.linjer = ombryd(tekst, bredde, punkter, false);
    // Whole twips, so the positions below stay whole.
    const double hoejde = std::min<double>(s_.kropBund - s_.kropTop,
        std::ceil(static_cast<double>(std::max<std::size_t>(1, sc.linjer.size())) * maal_->linjehoejde(punkter, false)));
    if (passerIkke(hoejde)) fortsaetPaaNySide();
    sc.y = static_cast<int>(std::lround(y_));
    sc.hoejde = static_cast<int>(hoejde);
    sc.lodret = LodretJustering::Top;
    if (!sc.linjer.empty()) sider_.back().celler.push_back(std::move(sc));
    y_ += hoejde;
}

void Sidelayout::afslut(const Sidehoved& h) {
    if (sider_.empty()) beginSide();
    sideAaben_ = false;
    for (Side& s : sider_) {
        s.hoved = h.hoved;
        s.fodVenstre = h.fodVenstre;
        s.fodMidte = h.fodMidte;
        s.fodHoejre = MedSidenummer(h.fodHoejre, s.nummer);
    }
}
