#pragma once
// Readable cell values in failure messages: the type, and a number in full with a
// decimal point whatever the test's locale.
#include <ostream>

#include "celler/Talformat.h"
#include "celler/Variant.h"

inline void PrintTo(const Variant& v, std::ostream* os) {
    switch (v.type()) {
    case Variant::Type::Empty: *os << "Empty"; break;
    case Variant::Type::Null: *os << "Null"; break;
    case Variant::Type::Integer: *os << "Integer " << v.integer(); break;
    case Variant::Type::Double: *os << "Double " << Talformat::engelsk().formater(v.dbl()); break;
    case Variant::Type::Text: *os << '"' << v.text() << '"'; break;
    }
}
