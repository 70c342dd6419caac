#include "Vaerktoejslinje.h"

#include "platform/Kaldtekst.h"

Vaerktoejslinje::Vaerktoejslinje(std::string navn) : navn_(std::move(navn)) {}

void Vaerktoejslinje::addTool(std::string noegle, std::string tekst) {
    kald("addTool(" + citat(noegle) + ", " + citat(tekst) + ")");
    elementer_.push_back({std::move(noegle), std::move(tekst), false});
    if (visning_) visning_->aendret();
}

void Vaerktoejslinje::addSeparator() {
    kald("addSeparator");
    elementer_.push_back({"", "", true});
    if (visning_) visning_->aendret();
}

void Vaerktoejslinje::clear() {
    kald("clear");
    elementer_.clear();
    if (visning_) visning_->aendret();
}

std::vector<Vaerktoej> Vaerktoejslinje::tools() const {
    std::vector<Vaerktoej> r;
    for (const auto& e : elementer_)
        if (!e.separator) r.push_back(e);
    return r;
}

bool Vaerktoejslinje::userClick(const std::string& noegle) {
    for (const auto& e : elementer_)
        if (!e.separator && e.noegle == noegle) {
            // The handler may change the bar; the key is passed by value.
            const std::string n = e.noegle;
            if (onToolClick) onToolClick(n);
            return true;
        }
    return false;
}

void Vaerktoejslinje::kald(const std::string& k) {
    if (visning_) visning_->programKald(k);
}
