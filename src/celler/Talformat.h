#pragma once
// The user's number format: decimal and grouping separators. One object behind
// every number/text conversion of the program; the default comes from the system
// locale, tests set their own.
#include <optional>
#include <string>
#include <string_view>

class Talformat {
public:
    Talformat(char decimaltegn, char tusindtegn) : decimal_(decimaltegn), tusind_(tusindtegn) {}

    static Talformat dansk() { return {',', '.'}; }
    static Talformat engelsk() { return {'.', ','}; }
    // From LC_ALL / LC_NUMERIC / LANG; Danish when none is set or it is C/POSIX.
    static Talformat fraSystem();

    static const Talformat& aktuel();
    static void saetAktuel(const Talformat& f);

    char decimaltegn() const { return decimal_; }
    char tusindtegn() const { return tusind_; }

    // A double as text in its general form: at most 15 significant digits, rounded
    // to nearest, trailing zeros dropped; the exponent form when the rounded value
    // is below 1E-04 or from 1E+15 ("1E-05", "1,5E+15"). No grouping; -0 gives "0".
    // Fifteen digits do not always read back as the same double, but the text they
    // read back as is written again as the same text.
    std::string formater(double v) const;
    std::string formater(long long v) const;

    // A text that reads as a number: blanks around, a sign, digits with optional
    // grouping, the decimal sign, an exponent. nullopt otherwise (also for "").
    // Grouping signs must stand between groups of three digits, after a first group
    // of one to three digits that does not begin with 0: "1.234,5" reads in Danish,
    // "2.5", "0.005" and "1.23.4" do not, since a user who typed them meant the
    // other decimal sign and must not get a value ten or a thousand times off.
    std::optional<double> fortolk(std::string_view s) const;
    // As fortolk, with the grouping sign ignored wherever it stands in the whole
    // part ("1.2.3" is 123): how the data file has always been read.
    std::optional<double> fortolkLempeligt(std::string_view s) const;

    // A text read once in this format, for a reader that weighs two formats before
    // it converts: whether it is a number with the grouping signs ignored wherever
    // they stand (fortolkLempeligt), whether it also reads as fortolk reads it, and
    // whether it holds the grouping sign. It refers to the text, which must outlive it.
    class Laesning {
    public:
        bool tal() const { return tal_; }
        bool streng() const { return streng_; }
        bool grupperet() const { return grupperet_; }
        // The number, grouping signs ignored; nullopt where it is none or out of range.
        std::optional<double> vaerdi() const;

    private:
        friend class Talformat;
        std::string_view tekst_;  // blanks around removed
        char decimal_ = ',';
        bool tal_ = false;
        bool streng_ = false;
        bool grupperet_ = false;
    };
    Laesning laes(std::string_view s) const;

    // A text that reads as a number here (fortolk), with this format's decimal and
    // grouping signs changed into til's, blanks around kept: the digits and the
    // places of the signs stay, so til reads the same number (omskriv checks it).
    std::string medTegnFra(std::string_view s, const Talformat& til) const;

    // The format of those who write the other decimal sign, as a colleague's file
    // may: Danish for a user with a decimal point, English for one with a comma.
    Talformat modsat() const { return decimal_ == ',' ? engelsk() : dansk(); }
    // For a user with a decimal comma and another grouping sign than the point
    // (Swedish, Norwegian, Finnish, French: "1 500,5"): the Danish format, the same
    // decimal sign with the grouping point, in which a Danish colleague's file shows
    // its typed numbers. None for the Danish format itself and every other.
    std::optional<Talformat> danskVedSiden() const {
        if (decimal_ == ',' && tusind_ != '.') return dansk();
        return std::nullopt;
    }

    // A text that reads as a number here (fortolk), with this format's decimal and
    // grouping signs changed into til's. The digits stay as they are, so the text
    // reads in til as the very same double, where a text written again from the
    // double would have at most fifteen of them. nullopt when it is no number here,
    // or would not read in til as the same number.
    std::optional<std::string> omskriv(std::string_view s, const Talformat& til) const;

private:
    char decimal_;
    char tusind_;
};

// Sets the current format for the lifetime of the object (tests).
class TalformatScope {
public:
    explicit TalformatScope(const Talformat& f) : gammel_(Talformat::aktuel()) { Talformat::saetAktuel(f); }
    ~TalformatScope() { Talformat::saetAktuel(gammel_); }
    TalformatScope(const TalformatScope&) = delete;
    TalformatScope& operator=(const TalformatScope&) = delete;
private:
    Talformat gammel_;
};
