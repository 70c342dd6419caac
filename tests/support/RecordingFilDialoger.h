#pragma once
// Records every open and save dialog the program shows, with its settings, and
// answers from a queue: a path, "" (an empty name) or nullopt (a cancel). An empty
// queue cancels.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Tjenester.h"
#include "support/Installeret.h"

class RecordingFilDialoger : public Installeret<FilDialogService, saetFilDialogService> {
public:
    struct Vist {
        bool gem;
        FilDialogValg valg;
    };

    std::optional<std::string> aaben(const FilDialogValg& valg) override { return svar(false, valg); }
    std::optional<std::string> gem(const FilDialogValg& valg) override { return svar(true, valg); }

    std::vector<Vist> vist;
    std::deque<std::optional<std::string>> svarene;
    // Told of each dialog as it opens, for a test that logs several services in order.
    std::function<void(const Vist&)> ved;

private:
    std::optional<std::string> svar(bool gem, const FilDialogValg& valg) {
        vist.push_back({gem, valg});
        if (ved) ved(vist.back());
        if (svarene.empty()) return std::nullopt;
        auto s = svarene.front();
        svarene.pop_front();
        return s;
    }
};
