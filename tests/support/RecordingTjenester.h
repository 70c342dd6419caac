#pragma once
// Test doubles of the desktop services: the wait cursor and the file dialogs. Each
// installs itself for its lifetime and records what the program asked of it.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Tjenester.h"

class RecordingVentemarkoer : public VentemarkoerService {
public:
    RecordingVentemarkoer() { saetVentemarkoerService(this); }
    ~RecordingVentemarkoer() override { saetVentemarkoerService(nullptr); }
    RecordingVentemarkoer(const RecordingVentemarkoer&) = delete;
    RecordingVentemarkoer& operator=(const RecordingVentemarkoer&) = delete;

    void start() override { kald.push_back("start"); ++dybde; }
    void slut() override { kald.push_back("slut"); --dybde; }

    std::vector<std::string> kald;  // "start", "slut" in order
    int dybde = 0;                  // guards open now
};

struct FilDialogKald {
    bool gem;  // false: the open dialog
    FilDialogValg valg;
};

// Answers each dialog from the queue: a path, or nullopt for a cancel. With the
// queue empty every dialog is cancelled.
class RecordingFilDialoger : public FilDialogService {
public:
    RecordingFilDialoger() { saetFilDialogService(this); }
    ~RecordingFilDialoger() override { saetFilDialogService(nullptr); }
    RecordingFilDialoger(const RecordingFilDialoger&) = delete;
    RecordingFilDialoger& operator=(const RecordingFilDialoger&) = delete;

    std::optional<std::string> aaben(const FilDialogValg& valg) override { return svar(false, valg); }
    std::optional<std::string> gem(const FilDialogValg& valg) override { return svar(true, valg); }

    std::vector<FilDialogKald> vist;
    std::deque<std::optional<std::string>> svarene;

private:
    std::optional<std::string> svar(bool gem, const FilDialogValg& valg) {
        vist.push_back({gem, valg});
        if (svarene.empty()) return std::nullopt;
        auto s = svarene.front();
        svarene.pop_front();
        return s;
    }
};
