#include "engine/Iteration.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "engine/ModelVand.h"
#include "platform/Beskeder.h"

namespace {

std::function<void()>& modelevaluering() {
    static std::function<void()> f;
    return f;
}

void evaluer() {
    if (const auto& f = modelevaluering()) f();
    else BeregnModelVand();
}

// Carbon balance: the model water's inorganic carbon (mmol/l) less what the
// processes added, as a fraction of the upstream water's. Target 1.
double kulstofforhold() {
    const Beregningstilstand& t = tilstand();
    return (1000 * t.TUC[0] - (TalEllerNul(t.ProcCO2) / 44 + TalEllerNul(t.ProcKalk) / 100 +
                               TalEllerNul(t.ProcSiderit) / 55.8)) /
           (1000 * t.TUC[t.FraPosition]);
}

// Calcite saturation ratio. Target 1.
double kalkmaetningsforhold() { return std::pow(10.0, tilstand().MaetnIndeksCaCO3[0]); }

// A step no larger than the limit either way; a step that is no number stays one.
double begraens(double trin, double graense) { return std::clamp(trin, -graense, graense); }

void visIterationsbesked(const char* tekst) {
    visBesked(tekst, BeskedIkon::Kritisk, BeskedKnapper::OK, "");
}

constexpr int MaksIterationer = 200;
constexpr double Konvergens = 1e-10;
constexpr double PHGraense = 0.2;       // pH units per iteration
constexpr double KalkGraense = 10;      // mg CaCO3/l per iteration

}  // namespace

void SaetModelevaluering(std::function<void()> evaluering) {
    modelevaluering() = std::move(evaluering);
}

void ItererUdenKalkligevaegt() {
    Beregningstilstand& t = tilstand();
    t.PH[0] = t.PH[t.FraPosition];
    double h1 = 0.01;
    t.ProcKalk = Variant(0);
    int taeller = 0;

    {
        // A failed logarithm pins the saturation index at 0; one message per solve
        // is enough, and such a solve must not pass for converged.
        Log10Opsamling log10Fejl;
        for (;;) {
            evaluer();
            const double r1a = kulstofforhold();
            t.PH[0] = t.PH[0] + h1;
            evaluer();
            const double r1b = kulstofforhold();
            t.PH[0] = t.PH[0] - h1;

            const double d = (r1b - r1a) / h1;
            const double s = begraens((1 - r1a) / d, PHGraense);
            // A zero slope or no upstream carbon gives a step that is no number;
            // it would leave the pH as NaN, so it ends the solve as a failure.
            if (!std::isfinite(r1a) || !std::isfinite(r1b) || std::isnan(s) ||
                log10Fejl.antalFejl() > 0) {
                visIterationsbesked(IterationsbeskedUdenKalk);
                break;
            }
            t.PH[0] = t.PH[0] + s;

            const double e = (r1a - 1) * (r1a - 1);
            if (e < 0.1) h1 = 0.001;
            if (e < 0.001) h1 = 1e-4;
            if (e < 1e-5) h1 = 1e-5;
            if (e < 1e-7) h1 = 1e-6;

            ++taeller;
            if (taeller > MaksIterationer) {
                visIterationsbesked(IterationsbeskedUdenKalk);
                break;
            }
            if (e < Konvergens) break;
        }
    }

    // Supersaturated without calcite: precipitate it, starting afresh.
    if (t.MaetnIndeksCaCO3[0] > 0) ItererMedKalkligevaegt();
}

void ItererMedKalkligevaegt() {
    Beregningstilstand& t = tilstand();
    t.PH[0] = t.PH[t.FraPosition];
    t.ProcKalk = Variant(0.0);
    double h1 = 0.01;
    double h2 = 0.1;  // mg CaCO3/l
    int taeller = 0;

    Log10Opsamling log10Fejl;
    for (;;) {
        evaluer();
        const double r1a = kulstofforhold();
        const double r2a = kalkmaetningsforhold();

        t.PH[0] = t.PH[0] + h1;
        evaluer();
        const double r1b = kulstofforhold();
        const double r2b = kalkmaetningsforhold();
        t.PH[0] = t.PH[0] - h1;

        t.ProcKalk = Variant(TalEllerNul(t.ProcKalk) + h2);
        evaluer();
        const double r1c = kulstofforhold();
        const double r2c = kalkmaetningsforhold();
        t.ProcKalk = Variant(TalEllerNul(t.ProcKalk) - h2);

        const double j11 = (r1b - r1a) / h1;
        const double j12 = (r1c - r1a) / h2;
        const double j21 = (r2b - r2a) / h1;
        const double j22 = (r2c - r2a) / h2;

        // The calcite step is eliminated first; it then follows from the carbon
        // balance with the pH step as limited.
        const double dpH = begraens(((1 - r1a) / j12 - (1 - r2a) / j22) / (j11 / j12 - j21 / j22),
                                    PHGraense);
        const double dK = begraens((1 - r1a) / j12 - (j11 / j12) * dpH, KalkGraense);
        if (!std::isfinite(r1a) || !std::isfinite(r1b) || !std::isfinite(r1c) ||
            !std::isfinite(r2a) || !std::isfinite(r2b) || !std::isfinite(r2c) ||
            std::isnan(dpH) || std::isnan(dK) || log10Fejl.antalFejl() > 0) {
            visIterationsbesked(IterationsbeskedMedKalk);
            return;
        }
        t.PH[0] = t.PH[0] + dpH;
        t.ProcKalk = Variant(TalEllerNul(t.ProcKalk) + dK);

        const double e1 = (r1a - 1) * (r1a - 1);
        const double e2 = (r2a - 1) * (r2a - 1);
        if (e1 < 0.1 && e2 < 0.1) { h1 = 0.001; h2 = 0.1; }
        if (e1 < 0.001 && e2 < 0.001) { h1 = 1e-4; h2 = 0.01; }
        if (e1 < 1e-5 && e2 < 1e-5) { h1 = 1e-5; h2 = 0.001; }
        if (e1 < 1e-7 && e2 < 1e-7) { h1 = 1e-6; h2 = 1e-4; }

        ++taeller;
        if (taeller > MaksIterationer) {
            visIterationsbesked(IterationsbeskedMedKalk);
            return;
        }
        if (e1 < Konvergens && e2 < Konvergens) return;
    }
}
