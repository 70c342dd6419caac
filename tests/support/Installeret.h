#pragma once
// The base of a test double that is the program's service for its lifetime: it
// installs itself through saet when made, and saet(nullptr) restores the default
// when it goes. Not copied, as only one object can be the service.
template <class Service, void (*saet)(Service*)>
class Installeret : public Service {
public:
    Installeret() { saet(this); }
    ~Installeret() override { saet(nullptr); }
    Installeret(const Installeret&) = delete;
    Installeret& operator=(const Installeret&) = delete;
};
