#include "Diverse.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/Beskeder.h"

Variant Afrund(const Variant& vaerdi, int decimaler) {
    if (vaerdi.isEmpty()) return {};
    if (decimaler < 0 || decimaler > 5) return {};

    // Null, and a text that is no number, cannot be rounded: they pass unchanged.
    const std::optional<double> tal = SomTal(vaerdi);
    if (!tal) return vaerdi;

    static constexpr double skala[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0};
    const double s = skala[decimaler];
    const double produkt = *tal * s;  // exact for 0 decimals: a product with 1
    if (!std::isfinite(produkt)) return vaerdi;
    // nearbyint in the default rounding mode takes halves to the even neighbour,
    // on the product exactly as computed.
    const double heltal = std::nearbyint(produkt);
    if (heltal < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        heltal > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return vaerdi;
    const auto i = static_cast<std::int32_t>(heltal);
    if (decimaler == 0) return Variant(static_cast<std::int64_t>(i));
    return Variant(static_cast<double>(i) / s);
}

double Log10(const Variant& x) {
    const std::optional<double> tal = SomTal(x);
    if (tal && *tal > 0) return std::log(*tal) / std::log(10.0);
    if (!Log10Opsamling::registrerFejl()) return 0.0;
    visBesked("Log10(" + TekstForm(x) + ") kan ikke beregnes");
    return 0.0;
}
