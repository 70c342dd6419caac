#pragma once
// Number helpers shared by the runs and the engine.
#include "celler/Variant.h"

// Rounds to 0..5 decimals, halves to the even neighbour on the double product;
// Empty stays Empty, another number of decimals gives Empty, a value that cannot be
// rounded (outside 32 bits once scaled, a text that is no number, Null) comes back
// unchanged. 0 decimals gives an Integer, 1..5 a Double.
Variant Afrund(const Variant& vaerdi, int decimaler);

// Base-10 logarithm; for x <= 0 (or no number) it shows "Log10(<x>) kan ikke beregnes"
// and yields 0.
double Log10(const Variant& x);

// While one exists, Log10 failures are counted here and only the first shows its
// message: a solver evaluates hundreds of times and must show one box, not hundreds.
// Guards nest; the innermost one collects.
class Log10Opsamling {
public:
    Log10Opsamling() : forrige_(aktiv_) { aktiv_ = this; }
    ~Log10Opsamling() { aktiv_ = forrige_; }
    Log10Opsamling(const Log10Opsamling&) = delete;
    Log10Opsamling& operator=(const Log10Opsamling&) = delete;

    int antalFejl() const { return antalFejl_; }

    // Called by Log10 on a failure; true when its message is to be shown.
    static bool registrerFejl() {
        if (!aktiv_) return true;
        return ++aktiv_->antalFejl_ == 1;
    }

private:
    static inline Log10Opsamling* aktiv_ = nullptr;
    Log10Opsamling* forrige_;
    int antalFejl_ = 0;
};
