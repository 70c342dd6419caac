#pragma once
// The print document's progress display: while pages go to a printer or a PDF
// file, a small window captioned "Printing..." shows the page being printed, the
// document's name and the printer with its port or file, and a "Cancel" button
// that stops the job after the page in hand. It appears only once a job has lasted
// MindsteVarighed, so a quick one shows nothing.
//
// Like the other controls it holds the rules and the texts; a view (the Qt one, or
// a test's double) only shows them and passes the user's Cancel in.
#include <functional>
#include <string>

// Texts of the display's design; "%d" and "%s" take the values in order.
struct Forloebstekster {
    std::string titel = "Printing...";
    std::string annuller = "Cancel";
    std::string side = "Now printing Page %d of";
    std::string printer = "on the %s on %s";
};

class UdskriftsforloebVisning {
public:
    virtual ~UdskriftsforloebVisning() = default;
    virtual void vis() {}      // appear with the texts as they are now
    virtual void opdater() {}  // another page; also the moment to take the user's Cancel
    virtual void skjul() {}
};

class Udskriftsforloeb {
public:
    // Milliseconds from any fixed point.
    using Klokke = std::function<long long()>;
    static constexpr long long MindsteVarighed = 500;

    // A job of antalSider pages, shown (once slow) for its lifetime: the display goes
    // when the job ends, also through an exception.
    class Job {
    public:
        Job(Udskriftsforloeb& f, std::string dokument, std::string printer, std::string port, int antalSider);
        ~Job();
        Job(const Job&) = delete;
        Job& operator=(const Job&) = delete;
        // Page n of the document is about to go out; false once the user has
        // cancelled: the job must stop there and count as not printed.
        bool side(int n);

    private:
        Udskriftsforloeb& f_;
    };

    const Forloebstekster& tekster() const { return tekster_; }
    bool aktiv() const { return aktiv_; }
    bool synlig() const { return synlig_; }
    bool afbrudt() const { return afbrudt_; }       // the last job was cancelled
    int side() const { return side_; }              // of the document
    int sidenummerIJob() const { return iJob_; }    // pages of the job begun, from 1
    int antalSider() const { return antalSider_; }  // of the job
    // The window's text: "Now printing Page 3 of", the document's name and
    // "on the <printer> on <port or file>", one to a line.
    std::string tekst() const;

    // ---- The user's side ----
    void userCancel();  // nothing outside a job

    // None: the system's steady clock.
    void setKlokke(Klokke k) { klokke_ = std::move(k); }
    void setVisning(UdskriftsforloebVisning* v) { visning_ = v; }
    UdskriftsforloebVisning* visning() const { return visning_; }

private:
    long long nu() const;

    Forloebstekster tekster_;
    Klokke klokke_;
    long long start_ = 0;
    bool aktiv_ = false;
    bool synlig_ = false;
    bool afbrudt_ = false;
    int side_ = 0;
    int iJob_ = 0;
    int antalSider_ = 0;
    std::string dokument_;
    std::string printer_;
    std::string port_;
    UdskriftsforloebVisning* visning_ = nullptr;
};
