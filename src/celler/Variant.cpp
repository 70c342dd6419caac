#include "Variant.h"

#include "Talformat.h"

std::optional<double> Variant::number() const {
    if (isInteger()) return static_cast<double>(integer());
    if (isDouble()) return dbl();
    return std::nullopt;
}

std::string TekstForm(const Variant& v) {
    switch (v.type()) {
    case Variant::Type::Integer: return Talformat::aktuel().formater(static_cast<long long>(v.integer()));
    case Variant::Type::Double: return Talformat::aktuel().formater(v.dbl());
    case Variant::Type::Text: return v.text();
    case Variant::Type::Empty:
    case Variant::Type::Null: break;
    }
    return {};
}

bool ErUdfyldt(const Variant& v) {
    // A number always has a text form; only Empty, Null and "" have none.
    if (v.isNumber()) return true;
    return v.isText() && !v.text().empty();
}

std::optional<double> SomTal(const Variant& v) {
    if (v.isNumber()) return v.number();
    if (v.isText()) return Talformat::aktuel().fortolk(v.text());
    return std::nullopt;
}

double TalEllerNul(const Variant& v) {
    return SomTal(v).value_or(0.0);
}
