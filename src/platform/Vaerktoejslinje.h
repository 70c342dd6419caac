#pragma once
// A toolbar: its tools in order, each with a key and a text, separators between
// them, and a click event carrying the key of the tool clicked. Like the buttons,
// the control keeps its state and raises its event; a view (Qt, or the recording
// double) shows it and passes the user's clicks in.
#include <functional>
#include <string>
#include <vector>

class VaerktoejslinjeVisning {
public:
    virtual ~VaerktoejslinjeVisning() = default;
    virtual void aendret() {}  // tools added or removed
    // Every program call as text: "addTool(\"ID_NEXT\", \"Næste Post\")", "addSeparator".
    virtual void programKald(const std::string& /*kald*/) {}
};

struct Vaerktoej {
    std::string noegle;  // "" for a separator
    std::string tekst;
    bool separator = false;
};

class Vaerktoejslinje {
public:
    explicit Vaerktoejslinje(std::string navn = "");
    Vaerktoejslinje(const Vaerktoejslinje&) = delete;
    Vaerktoejslinje& operator=(const Vaerktoejslinje&) = delete;

    std::function<void(const std::string& noegle)> onToolClick;

    const std::string& navn() const { return navn_; }
    void addTool(std::string noegle, std::string tekst);
    void addSeparator();
    void clear();
    // Tools and separators in their order.
    const std::vector<Vaerktoej>& elementer() const { return elementer_; }
    // The tools alone, in order.
    std::vector<Vaerktoej> tools() const;

    // The user clicked the tool with that key; false when the bar holds no such tool.
    bool userClick(const std::string& noegle);

    void setVisning(VaerktoejslinjeVisning* v) { visning_ = v; }
    VaerktoejslinjeVisning* visning() const { return visning_; }

private:
    void kald(const std::string& k);

    std::string navn_;
    std::vector<Vaerktoej> elementer_;
    VaerktoejslinjeVisning* visning_ = nullptr;
};
