#include "platform/Udskriftsforloeb.h"

#include <chrono>
#include <initializer_list>
#include <string_view>

namespace {

// Each "%d" or "%s" of a design text takes the next value, printf's way.
std::string Udfyld(std::string_view format, std::initializer_list<std::string> vaerdier) {
    std::string r;
    auto v = vaerdier.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const bool plads = format[i] == '%' && i + 1 < format.size() && (format[i + 1] == 'd' || format[i + 1] == 's');
        if (plads && v != vaerdier.end()) {
            r += *v++;
            ++i;
        } else {
            r += format[i];
        }
    }
    return r;
}

}  // namespace

long long Udskriftsforloeb::nu() const {
    using namespace std::chrono;
    if (klokke_) return klokke_();
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

Udskriftsforloeb::Job::Job(Udskriftsforloeb& f, std::string dokument, std::string printer, std::string port,
                           int antalSider)
    : f_(f) {
    f_.dokument_ = std::move(dokument);
    f_.printer_ = std::move(printer);
    f_.port_ = std::move(port);
    f_.antalSider_ = antalSider;
    f_.side_ = 0;
    f_.iJob_ = 0;
    f_.afbrudt_ = false;
    f_.synlig_ = false;
    f_.aktiv_ = true;
    f_.start_ = f_.nu();
}

Udskriftsforloeb::Job::~Job() {
    f_.aktiv_ = false;
    if (f_.synlig_) {
        f_.synlig_ = false;
        if (f_.visning_) f_.visning_->skjul();
    }
}

bool Udskriftsforloeb::Job::side(int n) {
    if (f_.afbrudt_) return false;
    f_.side_ = n;
    ++f_.iJob_;
    if (f_.synlig_) {
        if (f_.visning_) f_.visning_->opdater();
    } else if (f_.nu() - f_.start_ >= MindsteVarighed) {
        f_.synlig_ = true;
        if (f_.visning_) f_.visning_->vis();
    }
    return !f_.afbrudt_;
}

std::string Udskriftsforloeb::tekst() const {
    return Udfyld(tekster_.side, {std::to_string(side_)}) + "\n" + dokument_ + "\n" +
           Udfyld(tekster_.printer, {printer_, port_});
}

void Udskriftsforloeb::userCancel() {
    if (aktiv_) afbrudt_ = true;
}
