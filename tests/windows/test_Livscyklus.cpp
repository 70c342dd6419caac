// The program's life cycle through the doubles: every button and close box of the
// start, work and end windows with its dialog and prompt answers, read back as the
// calls they caused in order, the window left showing, FilNavn, the site in the
// tables and whether the program ended.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/HentSkrivFil.h"
#include "datamodel/Tabeller.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "platform/StartSlutKontroller.h"
#include "runs/Diagrammer.h"
#include "support/RecordingBeskeder.h"
#include "support/RecordingFilDialoger.h"
#include "support/RecordingGrid.h"
#include "support/RecordingProgramSlut.h"
#include "support/TempDir.h"
#include "windows/Livscyklus.h"
#include "windows/Vinduestilstand.h"

namespace {

const std::string GemHent = "besked Skal data gemmes inden nye data hentes fra disk?";
const std::string GemNy = "besked Skal data gemmes inden nye data oprettes?";
const std::string FejlIIndhold =
    "besked Der er fejl i filens indhold. Akvifer fortætter derfor som var det en ny data.";
const std::string Skrivefejl = "besked Der skete en fejl i forbindelse med at gemme data";
const std::string Kontrolfejl = "besked Filen ";  // ... er enten beskadiget ..., titled "Kontrol af inputfil"
// The reader's two boxes: the error's own description, then its fixed text.
const std::string Laesefejl1 = "besked ";
const std::string Laesefejl2 = "besked Filen kunne ikke læses";

const std::string GammelLokalitet = "Gammel grube";

// The files a dialog can answer with.
enum class Fil { Fortryd, Tom, Gammel, God, Fejl, Ulaeselig, Ny, Uskrivbar };

// Messages logged with their text, answered from a queue.
class LogBeskeder : public RecordingBeskeder {
public:
    explicit LogBeskeder(std::vector<std::string>& log) : log_(log) {}
    BeskedSvar vis(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                   const std::string& titel) override {
        log_.push_back("besked " + tekst);
        return RecordingBeskeder::vis(tekst, ikon, knapper, titel);
    }

private:
    std::vector<std::string>& log_;
};

// A window's shows and hides logged with its name.
class LogVindue : public VindueVisning {
public:
    LogVindue(Vindue& v, std::vector<std::string>& log) : v_(v), log_(log) { v_.setVisning(this); }
    ~LogVindue() override { v_.setVisning(nullptr); }
    void programKald(const std::string& k) override {
        if (k == "show") log_.push_back("vis " + v_.navn());
        if (k == "hide") log_.push_back("skjul " + v_.navn());
    }

private:
    Vindue& v_;
    std::vector<std::string>& log_;
};

Vindue& frmStart() { return startKontroller().frmStart; }
Vindue& frmSlut() { return slutKontroller().frmSlut; }
Vindue& frmInddata() { return inddataKontroller().frmInddata; }
std::vector<Vindue*> Vinduerne() { return {&frmStart(), &frmInddata(), &frmSlut()}; }

// Every button with its window.
std::vector<std::pair<Vindue*, Knap*>> Knapperne() {
    StartKontroller& s = startKontroller();
    SlutKontroller& e = slutKontroller();
    return {{&s.frmStart, &s.EksisterendeData}, {&s.frmStart, &s.NyeData},   {&s.frmStart, &s.FortrydOgAfslut},
            {&e.frmSlut, &e.NyeData},           {&e.frmSlut, &e.SaveContinue}, {&e.frmSlut, &e.EksisterendeData},
            {&e.frmSlut, &e.Fortryd},           {&e.frmSlut, &e.AfslutUdenAtGemme}, {&e.frmSlut, &e.GemAlt},
            {&frmInddata(), &inddataKontroller().Afslut}};
}

std::string Lokalitet() { return TekstForm(tabeller().LokalitetData.hent(1, 1)); }

class LivscyklusTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (Vindue* v : Vinduerne())
            if (v->shown()) v->hide();
        vinduer() = Vinduestilstand{};
        inddataGrids().restoreDesign();
        inddataCharts().restoreDesign();
        ForbindLivscyklus();

        // A good file, and one whose pH of 10 fails the check.
        NulstilAlleData();
        tabeller().LokalitetData.saet(1, 1, "Fra fil");
        ASSERT_TRUE(SkrivFil(sti(Fil::God)));
        tabeller().LokalitetData.saet(1, 1, "Fra fil med fejl");
        tabeller().AnalyseData.saet(2, 2, 10.0);
        ASSERT_TRUE(SkrivFil(sti(Fil::Fejl)));
        SkrivBytes(sti(Fil::Ulaeselig), "ingen adskiller\r\n");
        NulstilAlleData();
        tabeller().LokalitetData.saet(1, 1, GammelLokalitet);
        tilstand().FilNavn = "";

        beskeder = std::make_unique<LogBeskeder>(log);
        dialoger.ved = [this](const RecordingFilDialoger::Vist& d) {
            log.push_back(std::string(d.gem ? "gem \"" : "aaben \"") + d.valg.titel + "\" " +
                          std::filesystem::path(d.valg.startnavn).filename().string());
        };
        slut.ved = [this] { log.push_back("afslut"); };
        for (Vindue* v : Vinduerne()) vinduesLog.push_back(std::make_unique<LogVindue>(*v, log));
    }

    void TearDown() override {
        for (auto [v, k] : Knapperne()) k->onClick = nullptr;
        for (Vindue* v : Vinduerne()) v->onCloseRequest = nullptr;
    }

    std::string sti(Fil f) const {
        static const std::map<Fil, std::string> navne = {
            {Fil::Gammel, "gammel.akv"}, {Fil::God, "god.akv"},     {Fil::Fejl, "fejl.akv"},
            {Fil::Ulaeselig, "ulaeselig.akv"}, {Fil::Ny, "ny.akv"}, {Fil::Uskrivbar, "mangler/ny.akv"},
        };
        if (f == Fil::Fortryd || f == Fil::Tom) return "";
        return dir / navne.at(f);
    }

    // The user presses the button with this caption in the window showing, or a
    // window's close box ("luk " and the window's name).
    void tryk(const std::string& handling) {
        for (Vindue* v : Vinduerne())
            if (handling == "luk " + v->navn()) {
                ASSERT_TRUE(v->shown()) << handling;
                v->userClose();
                return;
            }
        for (auto [v, k] : Knapperne())
            if (k->caption() == handling) {
                ASSERT_TRUE(v->shown()) << handling;
                ASSERT_TRUE(k->userClick()) << handling;
                return;
            }
        FAIL() << "no button " << handling;
    }

    // The program opened on the start window.
    void iStartvinduet() {
        StartProgram();
        log.clear();
    }
    // The old site open in the work window in a later mode, saved as gammel.akv (or
    // new data never saved).
    void iArbejdsvinduet(bool gemt = true) {
        tilstand().FilNavn = gemt ? sti(Fil::Gammel) : "";
        IndlaesOgVisInddata();
        vinduer().TilstandsNoegle = "Kvalitetskontrol";
        log.clear();
    }
    void iSlutvinduet(bool gemt = true) {
        iArbejdsvinduet(gemt);
        tryk("Afslut");
        log.clear();
    }

    void svar(const std::vector<Fil>& filer) {
        for (Fil f : filer)
            dialoger.svarene.push_back(f == Fil::Fortryd ? std::nullopt : std::optional<std::string>(sti(f)));
    }

    std::string vist() const {
        std::string s;
        for (Vindue* v : Vinduerne())
            if (v->shown()) s += (s.empty() ? "" : ",") + v->navn();
        return s;
    }

    TempDir dir;
    std::vector<std::string> log;
    std::unique_ptr<LogBeskeder> beskeder;
    RecordingFilDialoger dialoger;
    RecordingProgramSlut slut;
    std::vector<std::unique_ptr<LogVindue>> vinduesLog;
};

// Messages are compared by the start of their text (the reader's and the check's
// are the datamodel's); every other step exactly.
void ForventForloeb(const std::vector<std::string>& faktisk, const std::vector<std::string>& forventet) {
    ASSERT_EQ(faktisk.size(), forventet.size()) << ::testing::PrintToString(faktisk);
    for (std::size_t i = 0; i < faktisk.size(); ++i) {
        const bool besked = forventet[i].rfind("besked ", 0) == 0;
        EXPECT_EQ(besked ? faktisk[i].substr(0, forventet[i].size()) : faktisk[i], forventet[i])
            << "step " << i << " of " << ::testing::PrintToString(faktisk);
    }
}

enum class Fra { Start, Arbejde, Slut, SlutNyeData };

struct Tilfaelde {
    const char* navn;
    Fra fra;
    const char* handling;
    std::vector<BeskedSvar> spoergsmaal;  // the answers to the save prompts
    std::vector<Fil> filer;               // the dialogs' answers, in order
    std::vector<std::string> forloeb;
    const char* vist;
    Fil filNavn;  // Fil::Tom for ""
    const char* lokalitet;
    bool afsluttet;
    const char* tilstand;  // the work window's mode key: OpenNoCalculations after a rebuild
    bool nyFil;            // ny.akv written
};

const std::string AabenStart = "aaben \"Åben eksisterende data\" ";
const std::string AabenSlut = "aaben \"\" ";
const std::string GemGammel = "gem \"\" gammel.akv";
const auto Ja = BeskedSvar::Ja;
const auto Nej = BeskedSvar::Nej;
const char* const Ingen = "";
const char* const Gammel = "Gammel grube";
const char* const Kk = "Kvalitetskontrol";
const char* const Aaben = "OpenNoCalculations";

const std::vector<Tilfaelde> Tilfaeldene = {
    // The start window.
    {"StartEksisterendeGod", Fra::Start, "Eksisterende data", {}, {Fil::God},
     {AabenStart, "skjul frmStart", "vis frmInddata"}, "frmInddata", Fil::God, "Fra fil", false, Aaben, false},
    {"StartEksisterendeFortrudt", Fra::Start, "Eksisterende data", {}, {Fil::Fortryd},
     {AabenStart}, "frmStart", Fil::Tom, Gammel, false, Ingen, false},
    {"StartEksisterendeTomtNavn", Fra::Start, "Eksisterende data", {}, {Fil::Tom},
     {AabenStart}, "frmStart", Fil::Tom, Gammel, false, Ingen, false},
    {"StartEksisterendeUlaeselig", Fra::Start, "Eksisterende data", {}, {Fil::Ulaeselig},
     {AabenStart, Laesefejl1, Laesefejl2}, "frmStart", Fil::Tom, Ingen, false, Ingen, false},
    {"StartEksisterendeFejlerKontrol", Fra::Start, "Eksisterende data", {}, {Fil::Fejl},
     {AabenStart, Kontrolfejl}, "frmStart", Fil::Tom, Ingen, false, Ingen, false},
    {"StartNyeData", Fra::Start, "Nye data", {}, {},
     {"skjul frmStart", "vis frmInddata"}, "frmInddata", Fil::Tom, Ingen, false, Aaben, false},
    {"StartFortrydOgAfslut", Fra::Start, "Fortryd og afslut", {}, {},
     {"afslut"}, "frmStart", Fil::Tom, Gammel, true, Ingen, false},
    {"StartLukkeboks", Fra::Start, "luk frmStart", {}, {},
     {"afslut", "skjul frmStart"}, Ingen, Fil::Tom, Gammel, true, Ingen, false},
    // The work window.
    {"Afslut", Fra::Arbejde, "Afslut", {}, {},
     {"skjul frmInddata", "vis frmSlut"}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    {"ArbejdeLukkeboks", Fra::Arbejde, "luk frmInddata", {}, {},
     {"skjul frmInddata", "vis frmSlut"}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    // The end window: saving. New data is saved the first time from an empty name.
    {"GemAltOgAfslut", Fra::Slut, "Gem alt og afslut", {}, {Fil::Ny},
     {GemGammel, "afslut"}, "frmSlut", Fil::Gammel, Gammel, true, Kk, true},
    {"GemAltOgAfslutNyeData", Fra::SlutNyeData, "Gem alt og afslut", {}, {Fil::Ny},
     {"gem \"\" ", "afslut"}, "frmSlut", Fil::Tom, Gammel, true, Kk, true},
    {"GemAltOgAfslutFortrudt", Fra::Slut, "Gem alt og afslut", {}, {Fil::Fortryd},
     {GemGammel}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    {"GemAltOgAfslutTomtNavn", Fra::Slut, "Gem alt og afslut", {}, {Fil::Tom},
     {GemGammel}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    {"GemAltOgAfslutSkrivefejlBliver", Fra::Slut, "Gem alt og afslut", {}, {Fil::Uskrivbar},
     {GemGammel, Skrivefejl}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    {"GemOgFortsaet", Fra::Slut, "Gem alt og fortsæt redigering", {}, {Fil::Ny},
     {GemGammel, "vis frmInddata", "skjul frmSlut"}, "frmInddata", Fil::Ny, Gammel, false, Kk, true},
    {"GemOgFortsaetFortrudtSkriverIntet", Fra::Slut, "Gem alt og fortsæt redigering", {}, {Fil::Fortryd},
     {GemGammel, "vis frmInddata", "skjul frmSlut"}, "frmInddata", Fil::Gammel, Gammel, false, Kk, false},
    {"GemOgFortsaetSkrivefejl", Fra::Slut, "Gem alt og fortsæt redigering", {}, {Fil::Uskrivbar},
     {GemGammel, Skrivefejl, "vis frmInddata", "skjul frmSlut"}, "frmInddata", Fil::Uskrivbar, Gammel, false, Kk,
     false},
    // The end window: other data.
    {"IndlaesNejGod", Fra::Slut, "Indlæs eksisterende data", {Nej}, {Fil::God},
     {GemHent, AabenSlut, "vis frmInddata", "skjul frmSlut"}, "frmInddata", Fil::God, "Fra fil", false, Aaben,
     false},
    {"IndlaesNejFortrudt", Fra::Slut, "Indlæs eksisterende data", {Nej}, {Fil::Fortryd},
     {GemHent, AabenSlut}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    {"IndlaesNejTomtNavn", Fra::Slut, "Indlæs eksisterende data", {Nej}, {Fil::Tom},
     {GemHent, AabenSlut}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    {"IndlaesUlaeseligGenskaber", Fra::Slut, "Indlæs eksisterende data", {Nej}, {Fil::Ulaeselig},
     {GemHent, AabenSlut, Laesefejl1, Laesefejl2}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    {"IndlaesFejlerKontrolUdenFilnavn", Fra::Slut, "Indlæs eksisterende data", {Nej}, {Fil::Fejl},
     {GemHent, AabenSlut, Kontrolfejl, FejlIIndhold, "vis frmInddata", "skjul frmSlut"}, "frmInddata", Fil::Tom,
     "Fra fil med fejl", false, Aaben, false},
    {"IndlaesJaGemt", Fra::Slut, "Indlæs eksisterende data", {Ja}, {Fil::Ny, Fil::God},
     {GemHent, GemGammel, AabenSlut, "vis frmInddata", "skjul frmSlut"}, "frmInddata", Fil::God, "Fra fil",
     false, Aaben, true},
    {"IndlaesJaGemFortrudtStopper", Fra::Slut, "Indlæs eksisterende data", {Ja}, {Fil::Fortryd},
     {GemHent, GemGammel}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    {"IndlaesJaSkrivefejlStopper", Fra::Slut, "Indlæs eksisterende data", {Ja}, {Fil::Uskrivbar},
     {GemHent, GemGammel, Skrivefejl}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    {"OpretNej", Fra::Slut, "Opret nye data", {Nej}, {},
     {GemNy, "skjul frmSlut", "vis frmInddata"}, "frmInddata", Fil::Tom, Ingen, false, Aaben, false},
    {"OpretJaGemt", Fra::Slut, "Opret nye data", {Ja}, {Fil::Ny},
     {GemNy, GemGammel, "skjul frmSlut", "vis frmInddata"}, "frmInddata", Fil::Tom, Ingen, false, Aaben, true},
    {"OpretJaGemFortrudtStopper", Fra::Slut, "Opret nye data", {Ja}, {Fil::Fortryd},
     {GemNy, GemGammel}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    {"OpretJaSkrivefejlStopper", Fra::Slut, "Opret nye data", {Ja}, {Fil::Uskrivbar},
     {GemNy, GemGammel, Skrivefejl}, "frmSlut", Fil::Gammel, Gammel, false, Kk, false},
    // The end window: back, or the end.
    {"FortsaetRedigering", Fra::Slut, "Fortsæt Redigering", {}, {},
     {"vis frmInddata", "skjul frmSlut"}, "frmInddata", Fil::Gammel, Gammel, false, Kk, false},
    {"AfslutUdenAtGemme", Fra::Slut, "Afslut uden at gemme", {}, {},
     {"afslut"}, "frmSlut", Fil::Gammel, Gammel, true, Kk, false},
    // Its close box goes back as "Fortsæt Redigering": nothing typed is lost.
    {"SlutLukkeboks", Fra::Slut, "luk frmSlut", {}, {},
     {"vis frmInddata", "skjul frmSlut"}, "frmInddata", Fil::Gammel, Gammel, false, Kk, false},
};

class Tilstandsovergang : public LivscyklusTest, public ::testing::WithParamInterface<Tilfaelde> {};

TEST_P(Tilstandsovergang, ForloebVinduerFilnavnDataOgSlut) {
    const Tilfaelde& t = GetParam();
    switch (t.fra) {
        case Fra::Start: iStartvinduet(); break;
        case Fra::Arbejde: iArbejdsvinduet(); break;
        case Fra::Slut: iSlutvinduet(); break;
        case Fra::SlutNyeData: iSlutvinduet(false); break;
    }
    for (BeskedSvar s : t.spoergsmaal) beskeder->svar.push_back(s);
    svar(t.filer);

    tryk(t.handling);

    ForventForloeb(log, t.forloeb);
    EXPECT_EQ(vist(), t.vist);
    EXPECT_EQ(tilstand().FilNavn, sti(t.filNavn));
    EXPECT_EQ(Lokalitet(), t.lokalitet);
    EXPECT_EQ(slut.antal, t.afsluttet ? 1 : 0);
    EXPECT_EQ(vinduer().TilstandsNoegle, t.tilstand);
    EXPECT_EQ(std::filesystem::exists(sti(Fil::Ny)), t.nyFil);
    if (t.nyFil) {
        EXPECT_NE(LaesBytes(sti(Fil::Ny)).find(GammelLokalitet), std::string::npos);
    }
    EXPECT_TRUE(beskeder->svar.empty()) << "a prompt was not asked";
    EXPECT_TRUE(dialoger.svarene.empty()) << "a dialog was not shown";
    // An end window left open can still end the program.
    if (frmSlut().shown()) {
        EXPECT_TRUE(vinduer().AfslutVedLuk);
    }
    for (const auto& b : beskeder->vist) {
        if (b.tekst.rfind("Skal data gemmes", 0) == 0) {
            EXPECT_EQ(b.ikon, BeskedIkon::Spoergsmaal);
            EXPECT_EQ(b.knapper, BeskedKnapper::JaNej);
            EXPECT_EQ(b.titel, "Gem Data");
        } else if (b.tekst.rfind("Der er fejl i filens", 0) == 0) {
            EXPECT_EQ(b.ikon, BeskedIkon::Ingen);
            EXPECT_EQ(b.knapper, BeskedKnapper::OK);
            EXPECT_EQ(b.titel, "");
        }
    }
    const std::vector<std::pair<std::string, std::string>> filtre = {{"Akvifer filer (*.akv)", "*.akv"},
                                                                     {"Alle filer (*)", "*"}};
    for (const auto& d : dialoger.vist) {
        std::vector<std::pair<std::string, std::string>> vistFiltre;
        for (const auto& f : d.valg.filtre) vistFiltre.emplace_back(f.navn, f.moenster);
        EXPECT_EQ(vistFiltre, filtre);
        // A name typed without an extension is saved as ".akv"; the open dialog takes it as chosen.
        EXPECT_EQ(d.valg.standardEndelse, d.gem ? "akv" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(Livscyklus, Tilstandsovergang, ::testing::ValuesIn(Tilfaeldene),
                         [](const auto& info) { return std::string(info.param.navn); });

// A file that cannot be read at the end window puts back every table, the chart
// data included, redraws what the grids and the charts show, and keeps FilNavn.
TEST_F(LivscyklusTest, UlaeseligFilVedSlutvinduetGenskaberAltData) {
    iArbejdsvinduet();
    Tabeller& t = tabeller();
    t.AnalyseData.saet(2, 3, 7.25);
    t.KvalitetskontrolData.saet(4, 2, "N/A");
    t.RedoxData.saet(3, 2, 1.5);
    t.DiagramTUCData.redimensioner(1, 11, -1, 4);
    t.DiagramTUCData.saet(2, 1, 0.75);
    TegnDiagramTUC();
    // A budget left in its table by an earlier site but not drawn for this one.
    t.DiagramAlkalinitetData.redimensioner(1, 14, -1, 4);
    t.DiagramAlkalinitetData.saet(2, 1, 0.5);
    const Tabeller foer = t;
    tryk("Afslut");
    RecordingInddataGrids grids;

    beskeder->svar = {Nej};
    svar({Fil::Ulaeselig});
    tryk("Indlæs eksisterende data");

    EXPECT_EQ(t.LokalitetData.hent(1, 1), foer.LokalitetData.hent(1, 1));
    EXPECT_EQ(t.AnalyseData.hent(2, 3), Variant(7.25));
    EXPECT_EQ(t.KvalitetskontrolData.hent(4, 2), Variant("N/A"));
    EXPECT_EQ(t.RedoxData.hent(3, 2), Variant(1.5));
    EXPECT_EQ(t.DiagramTUCData.hent(2, 1), Variant(0.75));
    EXPECT_EQ(t.DiagramTUCData.sidsteRaekke(), 11);
    for (const auto& [navn, indeks] : inddataGrids().navne())
        EXPECT_EQ(grids(navn, indeks).antal("refresh"), 1) << navn << indeks;
    EXPECT_EQ(inddataCharts().MSChart23().seriesCount(), 11);
    EXPECT_EQ(inddataCharts().MSChart23().value(2, 1), Variant(0.75));
    // The alkalinity chart showed no drawing before the read: it stays empty.
    EXPECT_EQ(inddataCharts().MSChart24().seriesCount(), 0);
    EXPECT_EQ(tilstand().FilNavn, sti(Fil::Gammel));
}

// A value typed but not committed is in the tables before the end window offers a
// save; a value its check refuses keeps the work window open.
TEST_F(LivscyklusTest, AabenRedigeringAfsluttesFoerSlutvinduet) {
    for (const char* handling : {"Afslut", "luk frmInddata"}) {
        for (bool afvist : {false, true}) {
            SCOPED_TRACE(std::string(handling) + (afvist ? " afvist" : " godtaget"));
            iArbejdsvinduet();
            Grid& grid = inddataGrids().grid("TDBGrid4");
            grid.beforeColUpdate = [&](int, Variant&, bool& cancel) {
                cancel = afvist;
                if (afvist) visBesked("afvist", BeskedIkon::Udraab, BeskedKnapper::OK, "Inddatakontrol");
            };
            RecordingGrid g(grid);
            ASSERT_TRUE(g.type(0, 1, "Ny grube"));

            tryk(handling);

            EXPECT_EQ(Lokalitet(), afvist ? GammelLokalitet : "Ny grube");
            EXPECT_EQ(vist(), afvist ? "frmInddata" : "frmSlut");
            const std::vector<std::string> forventet =
                afvist ? std::vector<std::string>{"besked afvist"}
                       : std::vector<std::string>{"skjul frmInddata", "vis frmSlut"};
            EXPECT_EQ(log, forventet);
            EXPECT_EQ(g.focusRequests, afvist ? 1 : 0);
            grid.beforeColUpdate = nullptr;
            g.escape();
            if (frmSlut().shown()) frmSlut().hide();
            if (frmInddata().shown()) frmInddata().hide();
            tabeller().LokalitetData.saet(1, 1, GammelLokalitet);
            log.clear();
        }
    }
}

}  // namespace

namespace {

// A failure inside the save that a prompt offers, caught by the top-level guard,
// leaves the end window's close box going back to the work window.
TEST_F(LivscyklusTest, FejlIGemmetFraEtSpoergsmaalLaderLukkeboksenGaaTilbage) {
    for (const char* handling : {"Indlæs eksisterende data", "Opret nye data"}) {
        SCOPED_TRACE(handling);
        iSlutvinduet();
        beskeder->svar = {Ja};
        dialoger.ved = [](const RecordingFilDialoger::Vist&) { throw std::runtime_error("dialogen fejlede"); };
        EXPECT_THROW(tryk(handling), std::runtime_error);
        dialoger.ved = nullptr;
        tryk("luk frmSlut");
        EXPECT_EQ(vist(), "frmInddata");
        EXPECT_EQ(slut.antal, 0);
        frmInddata().hide();
    }
}

}  // namespace
