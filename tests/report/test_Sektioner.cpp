// The eight section printers after the input data: the calls each makes for a
// computed site, the bodies of a new site (labels, empty cells), every section's
// cells in a Danish and an English locale, and the borehole names looked up by number.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "celler/Talformat.h"
#include "datamodel/Tabeller.h"
#include "report/Sektioner.h"
#include "support/BeregnetLokalitet.h"
#include "support/RecordingUdskrift.h"

namespace {

using Sektionsprinter = void (*)(Udskrift&);

// The calls of a section in short: "[" start, "]" end, "+" add, the presets A, b/B,
// W (white), C, D and Y+gap; h the row height on all rows, F/S/M/J a cell's bold,
// span, menu colour and alignment ("S1.1=5"), S=/R= a setting of the whole table.
class Skelet : public UdskriftVisning {
public:
    explicit Skelet(Udskrift& u) : u_(u) { u_.setVisning(this); }
    ~Skelet() override { u_.setVisning(nullptr); }
    std::string tekst;

    void programKald(const std::string& k) override {
        const auto p = k.find('(');
        const std::string navn = k.substr(0, p);
        std::vector<std::string> a;
        if (p != std::string::npos) {
            std::string rest = k.substr(p + 1, k.size() - p - 2);
            for (std::size_t s = 0;;) {
                const auto e = rest.find(", ", s);
                a.push_back(rest.substr(s, e - s));
                if (e == std::string::npos) break;
                s = e + 2;
            }
        }
        std::string t;
        if (navn == "startTable") t = "[";
        else if (navn == "endTable") t = "]";
        else if (navn == "addTable") t = "+";
        else if (navn == "setSettingA") t = "A" + (a[0] == "1" ? std::string() : a[0]);
        else if (navn == "setSettingB") t = a[0] == "true" ? "B" : "b";
        else if (navn == "setBackColor") t = a[0] == "&HFFFFFF" ? "W" : a[0];
        else if (navn == "setSettingC") t = "C" + (a[0] == "0" ? std::string() : a[0]);
        else if (navn == "setSettingD") t = "D" + (a[0] == "7" ? std::string() : a[0]);
        else if (navn == "setCurrentY") t = "Y+" + std::to_string(static_cast<int>(std::stod(a[0]) - u_.currentY()));
        else if (navn == "tableCell") {
            const char f = a[0] == "Baggrundsfarve" ? 'M' : a[0][0];
            if (a.size() == 2) t = std::string(1, f) + "=" + a[1];
            else if (a.size() == 6) t = a[0] == "Raekkehoejde" && a[1] == "0" && a[5] == "290" ? "h" : k;
            else {
                t = std::string(1, f) + a[1] + "." + a[2];
                if (f == 'S' || f == 'J') t += "=" + a[3];
                if (f == 'F' && a[3] != "true") t += "=" + a[3];
                if (f == 'M' && a[3] != "&H80000004") t += "=" + a[3];
            }
        } else t = k;
        tekst += (tekst.empty() ? "" : " ") + t;
    }

private:
    Udskrift& u_;
};

std::string skelet(Sektionsprinter s) {
    Udskrift u;
    Skelet sk(u);
    u.startDoc();
    u.setCurrentY(2300);
    sk.tekst.clear();
    s(u);
    return sk.tekst;
}

struct Kaldfoelge {
    const char* navn;
    Sektionsprinter printer;
    const char* kald;
};

const Kaldfoelge Kaldfoelger[] = {
    {"Kvalitetskontrol", UdskrivKvalitetskontrol,
     "[ A b W Y+500 C D + h F1.1 S1.1=7 M1.1 M1.3 F2.1 F2.2 F2.3 F2.4 F2.5 F2.6 F2.7 b ] "
     "[ A b W C D + h b ]"},
    {"Nedbrydningsmodel", UdskrivNedbrydningsmodel,
     "[ A b W Y+290 C D + h S1.1=5 F1.1 F2.3 F2.4 F2.5 M1.1 b ] "
     "[ A b W C D + h F1.1 F1.2 F1.3 F1.4 F1.5 b ] "
     "[ A b W C D + h F1.1 F1.2 F1.3 F1.4 F1.5 F1.6 F1.7 F1.8 b ]"},
    {"Grundvand", UdskrivGrundvand,
     "[ + Y+290 S=10 R=290 F1.1 M1.1 ] "
     "[ + h S1.1=5 S1.6=5 F1.1 F1.6 J1.1=7 J1.6=7 M1.1 ] "
     "[ + h F1.1 F1.2 F1.3 F1.4 F1.5 F1.6 F1.7 F1.8 F1.9 F1.10 M1.1 M1.6 ] [ A b W C D + h b ] "
     "[ + h S1.1=5 S1.6=5 F1.1 F1.6 J1.1=7 J1.6=7 M1.1 ] "
     "[ + h F1.1 F1.2 F1.3 F1.4 F1.5 F1.6 F1.7 F1.8 F1.9 F1.10 M1.1 M1.6 ] [ A b W C D + h b ] "
     "[ + h S1.1=5 S1.6=5 F1.1 F1.6 J1.1=7 J1.6=7 M1.1 ] "
     "[ + h F1.1 F1.2 F1.3 F1.4 F1.5 F1.6 F1.7 F1.8 F1.9 F1.10 M1.1 M1.6 ] [ A b W C D + h b ]"},
    {"NedstroemVandkvalitet", UdskrivNedstroemVandkvalitet,
     "[ A B W Y+290 C D + h S1.1=4 F1.1 F1.2 F2.2 F2.3 F2.4 b M1.1 ] "
     "[ A b W C D + h F1.1 F1.2 F1.3 F1.4 F1.5 F1.6 b ]"},
    {"Modelstof", UdskrivModelstof, "[ A B W Y+290 C D + h S1.1=4 F1.1 F1.2 F2.2 F2.3 F2.4 b M1.1 ]"},
    {"OploesningUdfaeldning", UdskrivOploesningUdfaeldning,
     "[ A b W C D Y+290 + h S1.1=4 F1.1 F2.1 F2.2 F2.3 F2.4 b M1.1 ]"},
    {"Redoxprocesser", UdskrivRedoxprocesser, "[ A b W C D Y+290 + h S1.1=4 F1.1 F2.1 F2.2 F2.3 F2.4 b M1.1 ]"},
    {"Mellemregninger", UdskrivMellemregninger,
     "[ A b W C D Y+290 + h S1.1=6 F1.1 F2.1 F2.2 F2.3 F2.4 F2.5 F2.6 b M1.1 ] "
     "[ A b W C D + h F1.1 F1.2 F1.3 F1.4 F1.5 F2.1 F2.2 F2.3 F2.4 F2.5 ]"},
};

class SektionTest : public ::testing::Test {
protected:
    void SetUp() override { NyLokalitetMedGrids(); }
    static std::vector<std::string> kroppe(Sektionsprinter s, std::vector<std::string>* formater = nullptr) {
        Udskrift u;
        RecordingUdskrift rec(u);
        u.startDoc();
        s(u);
        if (formater) *formater = rec.formater();
        return rec.kroppe();
    }
};

TEST_F(SektionTest, KaldfoelgenForEnBeregnetLokalitet) {
    TalformatScope dk(Talformat::dansk());
    ASSERT_NO_FATAL_FAILURE(BeregnLokalitet());
    for (const auto& k : Kaldfoelger) EXPECT_EQ(skelet(k.printer), k.kald) << k.navn;
}

// A new site: every table prints its labels and units, the value cells empty.
TEST_F(SektionTest, NyeDataGiverEtiketterMedTommeCeller) {
    std::vector<std::string> f;
    EXPECT_EQ(kroppe(UdskrivModelstof, &f),
              std::vector<std::string>{"Egenskaber for modelstof|;Valgt modelstof|Kulstoffets iltningstrin|"
                                       "Indhold af kulstof %;||;"});
    EXPECT_EQ(f, std::vector<std::string>{"<+3400|^+2400|^+2400|^+2400;"});

    auto k = kroppe(UdskrivNedbrydningsmodel, &f);
    ASSERT_EQ(k.size(), 3u);
    EXPECT_EQ(k[0], "1. ordens model for naturlig nedbrydning|;Valgt hotspot||||;");
    EXPECT_EQ(k[1].rfind("Parameter|Enhed|Værdi|Værdi|Værdi;Fortynding|%|", 0), 0u) << k[1];
    EXPECT_EQ(k[2].rfind("Parameter|Enhed|Tils. værdi|Korr. fort.|Tils. værdi|Korr. fort.|Tils. værdi|Korr. "
                         "fort.;Kulbrinte 1|",
                         0),
              0u);
    EXPECT_EQ(f, (std::vector<std::string>{"<+2000|<+1400|^+2400|^+2400|^+2400;",
                                           "<+2000|<+1400|<+2400|<+2400|<+2400;",
                                           "<+2000|<+1400|<+1200|<+1200|<+1200|<+1200|<+1200|<+1200;"}));

    k = kroppe(UdskrivGrundvand, &f);
    ASSERT_EQ(k.size(), 10u);
    EXPECT_EQ(k[0], "Grundvand;");
    EXPECT_EQ(k[1], "Kriterier|||||||||;");
    EXPECT_EQ(k[2], "|Ilt|Nitrat|Jern/sulfat|Metan||Ilt|Nitrat|Jern/sulfat|Metan;");
    EXPECT_EQ(k[4], "|||||||||;");
    EXPECT_EQ(k[9], "O2|||||O2||||;NO3|||||NO3||||;Fe2+|||||Fe2+||||;SO4|||||SO4||||;CH4|||||CH4||||;");
    EXPECT_EQ(f[0], "<+1060|<+1060|<+1060|<+1060|<+1060|<+1060|<+1060|<+1060|<+1060|<+1060");

    k = kroppe(UdskrivNedstroemVandkvalitet);
    ASSERT_EQ(k.size(), 2u);
    EXPECT_EQ(k[0], "Modellering af nedstrøm vandkvalitet|;Hydraulisk placering|||Nedstrøm;"
                    "Grundvandskemisk karakterisering||;");
    k = kroppe(UdskrivMellemregninger, &f);
    EXPECT_EQ(k[1], "Sum af ændringer||||;Målte ændringer||||;");
    EXPECT_EQ(f, (std::vector<std::string>{"<+2000|<+1000|<+1900|<+1900|<+1900|<+1900;",
                                           "<+3000|<+1900|<+1900|<+1900|<+1900;"}));

    // The larger tables: row count, and nothing but labels and units before the values.
    struct Stoerrelse {
        Sektionsprinter s;
        std::size_t tabel, raekker, foersteData, etiketter;
        const char* start;
    };
    const Stoerrelse stoerrelser[] = {
        {UdskrivKvalitetskontrol, 0, 12, 2, 2, "Kvalitetskontrol og simulering;Parameter|Enhed|||||;Ionstyrke|"},
        {UdskrivKvalitetskontrol, 1, 2, 0, 1, "Blandingsforhold hotspot/Baggrund (%)|||||;"},
        {UdskrivNedstroemVandkvalitet, 1, 25, 1, 2, "Parameter|Enhed|||;Dato for analyse|"},
        {UdskrivOploesningUdfaeldning, 0, 8, 2, 2,
         "Opløsning og udfældning|;Parameter|Enhed|Diff. indhold|Nyt forslag|;CO2 opløst fra redoxprocesser|"},
        {UdskrivRedoxprocesser, 0, 13, 2, 2, "Redox processer|;Parameter|Enhed|Diff. indhold|Nyt forslag|;Iltreduktion|"},
        {UdskrivMellemregninger, 0, 20, 3, 2,
         "Mellemregninger til Geokemiske processer|;Geokemisk proces|Enhed|Anvendt værdi|alkalinitet|TUC|Ækv. "
         "stof;|||mekv/l|mmol/l|mg/l;"},
    };
    for (const auto& s : stoerrelser) {
        const auto krop = kroppe(s.s)[s.tabel];
        EXPECT_EQ(krop.rfind(s.start, 0), 0u) << krop;
        const Tabelraekker r = FortolkKrop(krop);
        ASSERT_EQ(r.size(), s.raekker) << krop;
        for (std::size_t i = s.foersteData; i < r.size(); ++i) {
            EXPECT_FALSE(r[i][0].empty()) << krop << " row " << i;
            for (std::size_t c = s.etiketter; c < r[i].size(); ++c) EXPECT_EQ(r[i][c], "") << krop << " row " << i;
        }
    }
}

// One number per grid table read, found in its place, in either locale.
TEST_F(SektionTest, TalICellerneILokaletsFormat) {
    Tabeller& t = tabeller();
    struct Celle {
        Sektionsprinter s;
        GridTabel* tabel;
        int r, k;
        std::size_t rapporttabel, raekke, celle;
    };
    const Celle celler[] = {
        {UdskrivKvalitetskontrol, &t.KvalitetskontrolData, 1, 2, 0, 2, 2},
        {UdskrivKvalitetskontrol, &t.KvalitetskontrolData, 10, 6, 0, 11, 6},
        {UdskrivKvalitetskontrol, &t.BlandingData, 1, 1, 1, 0, 1},
        {UdskrivNedbrydningsmodel, &t.FortyndingData, 1, 2, 1, 1, 2},
        {UdskrivNedbrydningsmodel, &t.KorrKoncentrationData, 5, 7, 2, 5, 7},
        {UdskrivGrundvand, &t.GrundvandstypeData[0], 1, 1, 3, 0, 1},
        {UdskrivGrundvand, &t.GrundvandstypeData[5], 5, 4, 9, 4, 9},
        {UdskrivNedstroemVandkvalitet, &t.NedstroemAnalyseData, 19, 4, 1, 19, 4},
        {UdskrivNedstroemVandkvalitet, &t.NedstroemKarbonatData, 5, 2, 1, 24, 2},
        {UdskrivModelstof, &t.KulstofData, 2, 1, 0, 2, 2},
        {UdskrivOploesningUdfaeldning, &t.OploesningData, 1, 2, 0, 2, 2},
        {UdskrivOploesningUdfaeldning, &t.IonbytningData, 4, 3, 0, 7, 3},
        {UdskrivRedoxprocesser, &t.RedoxData, 11, 2, 0, 12, 2},
        {UdskrivMellemregninger, &t.MellemregningData, 17, 5, 0, 19, 5},
        {UdskrivMellemregninger, &t.RedoxSumData, 2, 3, 1, 1, 3},
    };
    for (const auto& c : celler) c.tabel->saet(c.r, c.k, -1234.05);
    for (const auto& [format, tekst] : {std::pair{Talformat::dansk(), "-1234,05"}, {Talformat::engelsk(), "-1234.05"}}) {
        TalformatScope scope(format);
        for (const auto& c : celler) {
            const Tabelraekker r = FortolkKrop(kroppe(c.s).at(c.rapporttabel));
            ASSERT_LT(c.raekke, r.size());
            ASSERT_LT(c.celle, r[c.raekke].size());
            EXPECT_EQ(r[c.raekke][c.celle], tekst) << c.rapporttabel << ": " << c.r << "," << c.k;
        }
    }
}

TEST_F(SektionTest, BoringsnavnSlaasOpEfterEtHeltTalFraEtTilFem) {
    Tabeller& t = tabeller();
    for (int k = 1; k <= 5; ++k) t.BoringData.saet(1, k + 1, "B" + std::to_string(k));
    TalformatScope dk(Talformat::dansk());
    const std::pair<Variant, std::string> tilfaelde[] = {
        {Variant(), ""},       {Variant::null(), ""}, {Variant(3), "B3"},  {Variant("3"), "B3"},
        {Variant(3.0), "B3"},  {Variant("3,0"), "B3"}, {Variant(1), "B1"}, {Variant(5), "B5"},
        {Variant(0), ""},      {Variant(6), ""},     {Variant(-1), ""},   {Variant(2.5), ""},
        {Variant("x"), ""},    {Variant(1e12), ""},
    };
    for (const auto& [nummer, navn] : tilfaelde) EXPECT_EQ(BoringsTekst(1, nummer), navn) << TekstForm(nummer);

    t.NedbrydningData.saet(1, 1, "2");
    t.NedbrydningData.saet(1, 2, 2.5);
    t.NedbrydningData.saet(1, 3, 9);
    t.NedbrydningData.saet(1, 4, 2);
    t.PlaceringData.saet(1, 1, 7);
    t.PlaceringData.saet(1, 2, "4");
    t.BoringData.saet(2, 5, "nedstr.2");
    EXPECT_EQ(FortolkKrop(kroppe(UdskrivNedbrydningsmodel)[0])[1], (Tabelraekke{"Valgt hotspot", "B2", "", "", "B2"}));
    EXPECT_EQ(FortolkKrop(kroppe(UdskrivNedstroemVandkvalitet)[0])[1],
              (Tabelraekke{"Hydraulisk placering", "", "nedstr.2", "Nedstrøm"}));
}

// The computed site in both locales: the names and positions in their rows, and
// no number written with the other locale's decimal sign.
TEST_F(SektionTest, BeregnetLokalitetIBeggeSprog) {
    for (const auto& [format, fremmed] :
         {std::pair{Talformat::dansk(), std::string("[0-9]\\.[0-9]")}, {Talformat::engelsk(), std::string("[0-9],[0-9]")}}) {
        TalformatScope scope(format);
        ASSERT_NO_FATAL_FAILURE(BeregnLokalitet());
        const auto kk = kroppe(UdskrivKvalitetskontrol);
        EXPECT_EQ(FortolkKrop(kk[0])[1], (Tabelraekke{"Parameter", "Enhed", "B101", "B102", "B103", "B104", ""}));
        EXPECT_EQ(FortolkKrop(kk[1])[1], (Tabelraekke{"Grundvandskemisk karakterisering", "Opstrøm", "Hotspot",
                                                      "Nedstr.1", "Nedstr.2", ""}));
        EXPECT_EQ(FortolkKrop(kroppe(UdskrivNedbrydningsmodel)[0])[1],
                  (Tabelraekke{"Valgt hotspot", "B102", "B103", "B104", "B101"}));
        EXPECT_EQ(FortolkKrop(kroppe(UdskrivNedstroemVandkvalitet)[0])[1],
                  (Tabelraekke{"Hydraulisk placering", "opstrøm", "hotspot", "Nedstrøm"}));
        // The criteria of the groundwater types are texts with a comma in every locale.
        for (Sektionsprinter s : {UdskrivKvalitetskontrol, UdskrivNedbrydningsmodel, UdskrivNedstroemVandkvalitet,
                                  UdskrivModelstof, UdskrivOploesningUdfaeldning, UdskrivRedoxprocesser,
                                  UdskrivMellemregninger})
            for (const auto& krop : kroppe(s)) EXPECT_FALSE(std::regex_search(krop, std::regex(fremmed))) << krop;
    }
}

}  // namespace
