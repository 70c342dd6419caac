#include "Vindue.h"

#include "platform/Kaldtekst.h"

Knap::Knap(std::string navn) : navn_(std::move(navn)) {}

void Knap::setCaption(std::string c) {
    kald("setCaption(" + citat(c) + ")");
    caption_ = std::move(c);
    opdater();
}

void Knap::setVisible(bool v) {
    kald("setVisible(" + boolTekst(v) + ")");
    visible_ = v;
    opdater();
}

void Knap::setEnabled(bool v) {
    kald("setEnabled(" + boolTekst(v) + ")");
    enabled_ = v;
    opdater();
}

void Knap::setDefault(bool v) {
    kald("setDefault(" + boolTekst(v) + ")");
    if (v && vindue_) vindue_->fjernDefault(this);
    default_ = v;
    opdater();
}

void Knap::setFocus() {
    kald("setFocus");
    if (visning_ && visible_) visning_->fokusOenskes();
}

bool Knap::userClick() {
    if (!visible_ || !enabled_) return false;
    if (onClick) onClick();
    return true;
}

void Knap::kald(const std::string& k) {
    if (visning_) visning_->programKald(k);
}

void Knap::opdater() {
    if (visning_) visning_->aendret();
}

Vindue::Vindue(std::string navn) : navn_(std::move(navn)) {}

void Vindue::setCaption(std::string c) {
    kald("setCaption(" + citat(c) + ")");
    caption_ = std::move(c);
    if (visning_) visning_->aendret();
}

void Vindue::show() { vis("show", true); }

void Vindue::hide() { vis("hide", false); }

void Vindue::vis(const char* kaldet, bool shown) {
    kald(kaldet);
    shown_ = shown;
    modal_ = false;
    if (visning_) visning_->aendret();
}

void Vindue::showModal() {
    kald("showModal");
    shown_ = true;
    modal_ = true;
    if (visning_) visning_->visModalt();
}

void Vindue::addKnap(Knap& k) {
    k.vindue_ = this;
    knapper_.push_back(&k);
}

Knap* Vindue::defaultKnap() const {
    for (Knap* k : knapper_)
        if (k->default_) return k;
    return nullptr;
}

bool Vindue::userClose() {
    if (onCloseRequest && !onCloseRequest()) return false;
    if (shown_) hide();
    return true;
}

bool Vindue::userEnter(bool gridEditorAaben) {
    if (gridEditorAaben) return false;
    Knap* k = defaultKnap();
    return k && k->userClick();
}

void Vindue::kald(const std::string& k) {
    if (visning_) visning_->programKald(k);
}

void Vindue::fjernDefault(const Knap* undtagen) {
    for (Knap* k : knapper_)
        if (k != undtagen && k->default_) {
            k->default_ = false;
            k->opdater();
        }
}
