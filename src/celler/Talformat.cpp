#include "Talformat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <locale.h>
#include <system_error>

namespace {

struct KommaSprog {
    const char* sprog;
    char tusind;
};

// Languages whose numbers are written with a decimal comma, with their grouping
// sign; every other language we know of writes a decimal point and groups with a comma.
constexpr KommaSprog kommaSprog[] = {
    {"da", '.'}, {"de", '.'}, {"nl", '.'}, {"es", '.'}, {"it", '.'}, {"pt", '.'}, {"id", '.'},
    {"tr", '.'}, {"el", '.'}, {"ro", '.'}, {"sl", '.'}, {"hr", '.'}, {"sr", '.'}, {"is", '.'},
    {"fo", '.'}, {"kl", '.'}, {"nb", ' '}, {"nn", ' '}, {"no", ' '}, {"sv", ' '}, {"fi", ' '},
    {"fr", ' '}, {"pl", ' '}, {"ru", ' '}, {"uk", ' '}, {"cs", ' '}, {"sk", ' '}, {"hu", ' '},
    {"et", ' '}, {"lv", ' '}, {"lt", ' '}, {"bg", ' '},
};
constexpr const char* punktumSprog[] = {"en", "ja", "zh", "ko", "he", "th", "ga", "mt", "hi", "ms"};

// The locale named in the environment, in the order the C library itself uses.
std::string lokalenavn() {
    for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* v = std::getenv(var);
        if (v && *v) return v;
    }
    return {};
}

// The separators of an installed locale; nullopt when it is not installed.
std::optional<Talformat> fraCBibliotek(const std::string& navn) {
    locale_t loc = newlocale(LC_NUMERIC_MASK, navn.c_str(), static_cast<locale_t>(nullptr));
    if (!loc) return std::nullopt;
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    const char* sep = nl_langinfo_l(THOUSEP, loc);
    std::optional<Talformat> f;
    if (radix && std::strlen(radix) == 1) {
        const char d = radix[0];
        char t = d == ',' ? '.' : ',';
        if (sep && std::strlen(sep) == 1 && sep[0] != d) t = sep[0];
        else if (sep && std::strlen(sep) > 1) t = ' ';  // a no-break space counts as a blank
        f = Talformat(d, t);
    }
    freelocale(loc);
    return f;
}

Talformat& aktuelt() {
    static Talformat f = Talformat::fraSystem();
    return f;
}

}  // namespace

Talformat Talformat::fraSystem() {
    const std::string navn = lokalenavn();
    const std::string sprog = navn.substr(0, navn.find_first_of("_.@"));
    if (sprog.empty() || sprog == "C" || sprog == "POSIX") return dansk();
    // The installed locale knows its country's habits (en_DK, de_CH); the table
    // covers a machine where it is not installed.
    if (auto f = fraCBibliotek(navn)) return *f;
    for (const auto& s : kommaSprog)
        if (sprog == s.sprog) return {',', s.tusind};
    for (const char* s : punktumSprog)
        if (sprog == s) return engelsk();
    return dansk();
}

const Talformat& Talformat::aktuel() { return aktuelt(); }
void Talformat::saetAktuel(const Talformat& f) { aktuelt() = f; }

std::string Talformat::formater(long long v) const {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string Talformat::formater(double v) const {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Inf" : "Inf";
    if (v == 0) return "0";

    // The largest doubles would round up past the largest one, to a text that
    // reads back as nothing: they are written one step below instead, so a saved
    // file always loads.
    constexpr double stoersteTekst = 1.79769313486231e308;
    if (std::fabs(v) > stoersteTekst) v = std::copysign(stoersteTekst, v);

    // Fifteen significant digits, rounded to nearest. to_chars, unlike printf,
    // never looks at the process locale.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);  // e.g. "-1.23450000000000e+03"
    const std::size_t ePos = sci.find('e');
    const bool negativ = sci[0] == '-';
    std::string cifre;
    for (std::size_t i = negativ ? 1 : 0; i < ePos; ++i)
        if (sci[i] != '.') cifre += sci[i];
    while (cifre.size() > 1 && cifre.back() == '0') cifre.pop_back();
    int eksponent = 0;
    {
        const char* p = sci.data() + ePos + 1;
        if (*p == '+') ++p;
        std::from_chars(p, sci.data() + sci.size(), eksponent);
    }

    std::string ud = negativ ? "-" : "";
    // The exponent of the rounded value decides, so 999999999999999,9 becomes 1E+15.
    if (eksponent < -4 || eksponent >= 15) {
        ud += cifre[0];
        if (cifre.size() > 1) {
            ud += decimal_;
            ud.append(cifre, 1, std::string::npos);
        }
        ud += 'E';
        ud += eksponent < 0 ? '-' : '+';
        const int e = std::abs(eksponent);
        if (e < 10) ud += '0';
        ud += std::to_string(e);  // digits only, no locale involved
        return ud;
    }
    if (eksponent >= 0) {
        const std::size_t heltal = static_cast<std::size_t>(eksponent) + 1;
        if (cifre.size() <= heltal) {
            ud += cifre;
            ud.append(heltal - cifre.size(), '0');
        } else {
            ud.append(cifre, 0, heltal);
            ud += decimal_;
            ud.append(cifre, heltal, std::string::npos);
        }
    } else {
        ud += '0';
        ud += decimal_;
        ud.append(static_cast<std::size_t>(-eksponent - 1), '0');
        ud += cifre;
    }
    return ud;
}

std::optional<double> Talformat::fortolk(std::string_view s) const {
    const Laesning l = laes(s);
    return l.streng() ? l.vaerdi() : std::nullopt;
}

std::optional<double> Talformat::fortolkLempeligt(std::string_view s) const {
    const Laesning l = laes(s);
    return l.tal() ? l.vaerdi() : std::nullopt;
}

std::string Talformat::medTegnFra(std::string_view s, const Talformat& til) const {
    std::string ud(s);
    // Only the number itself: the blanks around it may be some format's grouping sign.
    const std::size_t start = ud.find_first_not_of(" \t");
    const std::size_t slut = ud.find_last_not_of(" \t");
    if (start == std::string::npos) return ud;
    for (std::size_t i = start; i <= slut; ++i) {
        if (ud[i] == decimal_) ud[i] = til.decimal_;
        else if (ud[i] == tusind_) ud[i] = til.tusind_;
    }
    return ud;
}

std::optional<std::string> Talformat::omskriv(std::string_view s, const Talformat& til) const {
    const std::optional<double> x = fortolk(s);
    if (!x) return std::nullopt;
    std::string ud = medTegnFra(s, til);
    const std::optional<double> igen = til.fortolk(ud);
    if (!igen || *igen != *x) return std::nullopt;
    return ud;
}

Talformat::Laesning Talformat::laes(std::string_view s) const {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);

    Laesning l;
    l.tekst_ = s;
    l.decimal_ = decimal_;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool cifferSet = false, decimalSet = false;
    // The whole part's digit groups: the digits since the last grouping sign, the
    // number of grouping signs, and whether the first group begins with 0.
    std::size_t gruppe = 0, grupper = 0;
    bool nulForrest = false;
    bool grupperingGod = true;
    auto afslutHeltal = [&] {
        if (grupper > 0 && gruppe != 3) grupperingGod = false;
    };
    for (; i < s.size(); ++i) {
        const char ch = s[i];
        if (ch >= '0' && ch <= '9') {
            cifferSet = true;
            if (!decimalSet) {
                if (gruppe == 0 && grupper == 0) nulForrest = ch == '0';
                ++gruppe;
            }
        } else if (ch == decimal_ && !decimalSet) {
            decimalSet = true;
            afslutHeltal();
        } else if (ch == tusind_ && !decimalSet) {
            const bool foerste = grupper == 0;
            if (foerste ? gruppe < 1 || gruppe > 3 || nulForrest : gruppe != 3) grupperingGod = false;
            ++grupper;
            gruppe = 0;
        } else {
            break;
        }
    }
    if (!decimalSet) afslutHeltal();
    if (!cifferSet) return l;
    if (i < s.size()) {
        if (s[i] != 'E' && s[i] != 'e') return l;
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        bool eksponentCifre = false;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) eksponentCifre = true;
        if (!eksponentCifre || i < s.size()) return l;
    }
    l.tal_ = true;
    l.streng_ = grupperingGod;
    l.grupperet_ = grupper > 0;
    return l;
}

std::optional<double> Talformat::Laesning::vaerdi() const {
    if (!tal_) return std::nullopt;
    // Rebuilt as a plain "C" number so the conversion never depends on the process
    // locale. What is left after the digits, the decimal sign, the signs and the
    // exponent mark are the grouping signs, which the reading found in the whole part.
    char kort[64];
    std::string lang;
    char* c = kort;
    if (tekst_.size() >= sizeof kort) {
        lang.resize(tekst_.size());
        c = lang.data();
    }
    std::size_t n = 0;
    for (std::size_t i = 0; i < tekst_.size(); ++i) {
        const char ch = tekst_[i];
        if ((ch >= '0' && ch <= '9') || ch == '-' || (ch == '+' && i > 0)) c[n++] = ch;
        else if (ch == decimal_) c[n++] = '.';
        else if (ch == 'E' || ch == 'e') c[n++] = 'e';
    }
    double v = 0;
    const auto res = std::from_chars(c, c + n, v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != c + n) return std::nullopt;
    return v;
}
