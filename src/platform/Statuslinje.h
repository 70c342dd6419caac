#pragma once
// A status bar of text panels, numbered from 1. The control keeps the texts; a view
// shows them.
#include <string>
#include <vector>

class StatuslinjeVisning {
public:
    virtual ~StatuslinjeVisning() = default;
    virtual void aendret() {}
    // Every program call as text: "setPanelText(1, \"Side 1 af 4\")".
    virtual void programKald(const std::string& /*kald*/) {}
};

class Statuslinje {
public:
    explicit Statuslinje(int antalPaneler = 1, std::string navn = "");
    Statuslinje(const Statuslinje&) = delete;
    Statuslinje& operator=(const Statuslinje&) = delete;

    const std::string& navn() const { return navn_; }
    int antalPaneler() const { return static_cast<int>(paneler_.size()); }
    // A panel beyond the last one reads "" and is added when written.
    std::string panelText(int panel) const;
    void setPanelText(int panel, std::string tekst);

    void setVisning(StatuslinjeVisning* v) { visning_ = v; }
    StatuslinjeVisning* visning() const { return visning_; }

private:
    std::string navn_;
    std::vector<std::string> paneler_;
    StatuslinjeVisning* visning_ = nullptr;
};
