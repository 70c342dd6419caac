#pragma once
// What the recording views share: each stands in as its control's view for its own
// lifetime (and puts back the view before it), and keeps the calls the program made
// on the control, in order, as the texts the control reports.
#include <algorithm>
#include <string>
#include <vector>

template <class Kontrol, class Visning>
class RecordingVisning : public Visning {
public:
    explicit RecordingVisning(Kontrol& k) : k_(k), forrige_(k.visning()) { k_.setVisning(this); }
    ~RecordingVisning() override {
        if (k_.visning() == this) k_.setVisning(forrige_);
    }
    RecordingVisning(const RecordingVisning&) = delete;
    RecordingVisning& operator=(const RecordingVisning&) = delete;

    std::vector<std::string> kald;

    int antal(const std::string& k) const {
        return static_cast<int>(std::count(kald.begin(), kald.end(), k));
    }
    // The calls that start with the prefix, in order ("column(" for the column settings).
    std::vector<std::string> kaldMed(const std::string& prefix) const {
        std::vector<std::string> r;
        for (const auto& k : kald)
            if (k.rfind(prefix, 0) == 0) r.push_back(k);
        return r;
    }

    void programKald(const std::string& k) override { kald.push_back(k); }

private:
    Kontrol& k_;
    Visning* forrige_;
};
