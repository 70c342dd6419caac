#pragma once
// The value of one table cell or state variable: empty, null, a number or a text.
// Empty, Null, the empty text and 0 are four different things; the data file and
// the checks rely on telling them apart.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

class Variant {
public:
    enum class Type { Empty, Null, Integer, Double, Text };

    Variant() = default;                    // Empty
    Variant(int v) : v_(static_cast<std::int64_t>(v)) {}
    Variant(std::int64_t v) : v_(v) {}
    Variant(double v) : v_(v) {}
    Variant(std::string v) : v_(std::move(v)) {}
    Variant(const char* v) : v_(std::string(v)) {}
    Variant(bool) = delete;                 // say Variant(int(b)) on purpose

    static Variant null() { Variant v; v.v_ = NullTag{}; return v; }

    Type type() const { return static_cast<Type>(v_.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isInteger() const { return type() == Type::Integer; }
    bool isDouble() const { return type() == Type::Double; }
    bool isNumber() const { return isInteger() || isDouble(); }
    bool isText() const { return type() == Type::Text; }

    // Only for the matching type.
    std::int64_t integer() const { return std::get<std::int64_t>(v_); }
    double dbl() const { return std::get<double>(v_); }
    const std::string& text() const { return std::get<std::string>(v_); }

    // A number as double (integer widened); nullopt for the other types.
    std::optional<double> number() const;

    // Same type and same value (Integer 2 and Double 2.0 differ).
    bool operator==(const Variant& o) const { return v_ == o.v_; }

private:
    struct EmptyTag { bool operator==(const EmptyTag&) const { return true; } };
    struct NullTag { bool operator==(const NullTag&) const { return true; } };
    std::variant<EmptyTag, NullTag, std::int64_t, double, std::string> v_;
};

// Text form of a value in the user's locale: "" for Empty and Null, a number
// through Talformat, a text as it stands.
std::string TekstForm(const Variant& v);

// True when the text form has at least one character ("filled" cell).
bool ErUdfyldt(const Variant& v);

// The number a value stands for: a number, or a text that reads as a number in
// the user's locale. nullopt for Empty, Null and other texts.
std::optional<double> SomTal(const Variant& v);

// The value in arithmetic: Empty (and Null, and a text that is no number) count as 0.
double TalEllerNul(const Variant& v);
