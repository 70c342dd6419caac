#pragma once
// A window and its command buttons, as the logic sees them. Like the grid and the
// tab control, each keeps its state and raises its events; a view (Qt, or the
// recording double) shows it and passes the user's actions in.
#include <functional>
#include <string>
#include <vector>

class Vindue;

class KnapVisning {
public:
    virtual ~KnapVisning() = default;
    virtual void aendret() {}
    virtual void fokusOenskes() {}  // the program set the focus on the button
    // Every program call as text: "setCaption(\"OK\")", "setVisible(true)", "setDefault(true)".
    virtual void programKald(const std::string& /*kald*/) {}
};

// A command button: caption, visible, enabled, the default mark and a click.
class Knap {
public:
    explicit Knap(std::string navn = "");
    Knap(const Knap&) = delete;
    Knap& operator=(const Knap&) = delete;

    std::function<void()> onClick;

    const std::string& navn() const { return navn_; }
    const std::string& caption() const { return caption_; }
    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    bool isDefault() const { return default_; }
    void setCaption(std::string c);
    void setVisible(bool v);
    void setEnabled(bool v);
    // At most one button of a window carries the mark: setting it takes it from the
    // window's other buttons.
    void setDefault(bool v);
    // The keyboard to the button; a hidden button takes none.
    void setFocus();

    // The user pressed the button; nothing happens when it is hidden or disabled.
    bool userClick();

    void setVisning(KnapVisning* v) { visning_ = v; }
    KnapVisning* visning() const { return visning_; }

private:
    friend class Vindue;
    void kald(const std::string& k);
    void opdater();

    std::string navn_;
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
    bool default_ = false;
    Vindue* vindue_ = nullptr;
    KnapVisning* visning_ = nullptr;
};

class VindueVisning {
public:
    virtual ~VindueVisning() = default;
    virtual void aendret() {}  // caption or shown/hidden
    // Shows the window modally and returns when it is hidden again (the Qt view
    // runs a local event loop; the double returns at once).
    virtual void visModalt() {}
    virtual void programKald(const std::string& /*kald*/) {}
};

// A top-level window: caption, shown or hidden, a close request the logic may refuse,
// and the Enter key pressing the default button.
class Vindue {
public:
    explicit Vindue(std::string navn = "");
    Vindue(const Vindue&) = delete;
    Vindue& operator=(const Vindue&) = delete;

    // The user asked to close the window (close box, Alt+F4): true lets it close.
    // Without a handler the window closes.
    std::function<bool()> onCloseRequest;

    const std::string& navn() const { return navn_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    bool shown() const { return shown_; }
    bool modal() const { return modal_; }
    void show();
    void hide();
    // Shows the window modally; returns when it has been hidden.
    void showModal();

    // The window's buttons, in the order they were added, for the default mark.
    void addKnap(Knap& k);
    Knap* defaultKnap() const;

    // The user's side. userClose asks the logic and hides the window when allowed.
    bool userClose();
    // Enter pressed in the window; an open grid editor takes Enter for itself.
    bool userEnter(bool gridEditorAaben);

    void setVisning(VindueVisning* v) { visning_ = v; }
    VindueVisning* visning() const { return visning_; }

private:
    friend class Knap;
    void kald(const std::string& k);
    // A plain show or hide, reported as kaldet.
    void vis(const char* kaldet, bool shown);
    void fjernDefault(const Knap* undtagen);

    std::string navn_;
    std::string caption_;
    bool shown_ = false;
    bool modal_ = false;
    std::vector<Knap*> knapper_;
    VindueVisning* visning_ = nullptr;
};
