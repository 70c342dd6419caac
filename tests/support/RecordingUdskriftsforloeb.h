#pragma once
// Test double of the print progress display: plays the clock (each reading moves it
// on by the time a page takes) and the user (Cancel while a given page shows), and
// records what the display showed, in order.
#include <string>
#include <vector>

#include "platform/Udskriftsforloeb.h"

class RecordingUdskriftsforloeb : public UdskriftsforloebVisning {
public:
    explicit RecordingUdskriftsforloeb(Udskriftsforloeb& f) : f_(f) {
        f_.setVisning(this);
        f_.setKlokke([this] { return tid += trin; });
    }
    ~RecordingUdskriftsforloeb() override {
        f_.setKlokke(nullptr);
        if (f_.visning() == this) f_.setVisning(nullptr);
    }

    long long tid = 0;              // ms
    long long trin = 0;             // ms added at each reading
    int annullerVedSide = 0;        // of the document; 0: never
    std::vector<std::string> vist;  // "vis <text>", "opdater <text>", "skjul"

    void vis() override { vist.push_back("vis " + bruger()); }
    void opdater() override { vist.push_back("opdater " + bruger()); }
    void skjul() override { vist.push_back("skjul"); }

private:
    // The text shown; Cancel clicked at the page asked for.
    std::string bruger() {
        if (f_.side() == annullerVedSide) f_.userCancel();
        return f_.tekst();
    }
    Udskriftsforloeb& f_;
};
