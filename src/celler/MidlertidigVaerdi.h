#pragma once
// A variable given one value for the length of a scope and another when the scope
// ends, also when an exception leaves it: a flag set around a call is never left
// set by a failure inside the call (the top-level guard goes on running the program).
#include <utility>

template <class T>
class MidlertidigVaerdi {
public:
    // v := under now; v := efter when the scope ends.
    MidlertidigVaerdi(T& v, T under, T efter) : v_(v), efter_(std::move(efter)) { v_ = std::move(under); }
    // v := under now; back to the value it had when the scope ends.
    MidlertidigVaerdi(T& v, T under) : MidlertidigVaerdi(v, std::move(under), T(v)) {}
    ~MidlertidigVaerdi() { v_ = std::move(efter_); }
    MidlertidigVaerdi(const MidlertidigVaerdi&) = delete;
    MidlertidigVaerdi& operator=(const MidlertidigVaerdi&) = delete;

private:
    T& v_;
    T efter_;
};
