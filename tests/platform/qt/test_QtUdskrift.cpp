// The print document on Qt: the input-data section written to a PDF and read back
// with poppler's tools (page count, text, fonts), and the preview following the
// document's pages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>

#include "celler/Talformat.h"
#include "datamodel/Tabeller.h"
#include "platform/qt/QtUdskrift.h"
#include "report/Analyseoplysninger.h"
#include "support/KendtLokalitet.h"
#include "support/Poppler.h"
#include "support/QtTestMiljoe.h"
#include "support/TempDir.h"

namespace {

class QtUdskriftTest : public ::testing::Test {
protected:
    void SetUp() override {
        KendtLokalitet();
        vp.pageStarted = [this] { vp.setFontSize(10); };
        vis = std::make_unique<QtUdskrift>(vp);
    }

    // The first page group as the report builds it.
    void byg(const std::string& navn) {
        vp.setDisplaySetting(0);
        vp.startDoc();
        vp.setFontSize(20);
        vp.setHeader("\n\nAnalyseoplysninger for " + navn);
        vp.setFooter(navn, "", "Side %d");
        UdskrivAnalyseoplysninger(vp);
        vp.endDoc();
    }

    // The input section on each of n pages.
    void bygSider(int n) {
        vp.startDoc();
        for (int i = 0; i < n; ++i) {
            if (i > 0) vp.newPage();
            UdskrivAnalyseoplysninger(vp);
        }
        vp.endDoc();
    }

    std::string pdf(const std::string& navn) {
        const std::string sti = dir / navn;
        EXPECT_TRUE(SkrivPdf(vp, sti));
        return sti;
    }

    TalformatScope dansk{Talformat::dansk()};
    Udskrift vp;
    std::unique_ptr<QtUdskrift> vis;
    TempDir dir;
};

TEST_F(QtUdskriftTest, FontenErLiberationSerif) {
    EXPECT_EQ(QFontInfo(DokumentFont(10, false)).family(), QStringLiteral("Liberation Serif"));
    QtTekstmaal maal;
    EXPECT_NEAR(maal.bredde("M", 10, false), 0.889 * 200, 5);  // twips; Times' M is 0.889 em
    // The quick sum of the letters' advances is the width the text is drawn with.
    for (const char* t : {"Tetrachlorethylen med nedbrydningsprodukter", "Opstrøm af kilden", "mg HCO3/l", "°C 7,25",
                          "Ωmega ≥ 2"})
        for (bool fed : {false, true})
            EXPECT_NEAR(maal.bredde(t, 10, fed), QFontMetricsF(DokumentFont(10, fed)).horizontalAdvance(QString::fromUtf8(t)), 1)
                << t;
}

TEST_F(QtUdskriftTest, InddataafsnitISomPdf) {
    if (!PopplerFindes()) GTEST_SKIP() << "pdfinfo/pdftotext (poppler-utils) are not installed";
    tabeller().KomponentData.saet(2, 0, "Tetrachlorethylen med nedbrydningsprodukter");
    byg("Grus|grav %d");
    const std::string sti = pdf("inddata.pdf");

    EXPECT_EQ(PdfSider(sti), 1);
    const std::string info = Koer("pdfinfo '" + sti + "'");
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;

    const std::string tekst = PdfTekst(sti);
    for (const char* s : {"Analyseoplysninger for Grus|grav %d", "Side 1", "Analyseoplysninger", "Lokalitet",
                          "Boringskontrol", "Hydraulisk placering", "Temperatur", "°C", "7,25", "Fosfat -fosfor",
                          "Forurenings komponenter", "Afstand/opholdstid", "35,5", "0,012", "Tetrachlorethylen"})
        EXPECT_NE(tekst.find(s), std::string::npos) << s << "\n" << tekst;
    // The footer keeps the name whole on the left; only the right part gets the number.
    const auto side = tekst.find("Side 1");
    ASSERT_NE(side, std::string::npos);
    const auto linje = tekst.rfind('\n', side) + 1;
    EXPECT_EQ(tekst.substr(linje, 12), "Grus|grav %d") << tekst.substr(linje, side - linje + 6);

    if (std::system("command -v pdffonts >/dev/null") == 0) {
        const std::string fonte = Koer("pdffonts '" + sti + "'");
        EXPECT_NE(fonte.find("LiberationSerif"), std::string::npos) << fonte;
        EXPECT_NE(fonte.find("LiberationSerif-Bold"), std::string::npos) << fonte;
    }
}

TEST_F(QtUdskriftTest, ForhaandsvisningenFoelgerDokumentet) {
    bygSider(2);
    ASSERT_EQ(vp.pageCount(), 2);
    EXPECT_EQ(vis->widget()->pageCount(), vp.pageCount());
    vp.setPreviewPage(2);
    EXPECT_EQ(vis->widget()->currentPage(), 2);
    vp.setZoom(150);
    EXPECT_NEAR(vis->widget()->zoomFactor(), 1.5, 1e-9);

    if (!PopplerFindes()) return;
    EXPECT_EQ(PdfSider(pdf("flere.pdf")), 2);
}

// A PDF file that cannot be made is a failure the print window reports, never a
// silent success; one that can holds exactly the pages asked for.
TEST_F(QtUdskriftTest, UdskriftTilEnFilDerIkkeKanLavesFejler) {
    bygSider(3);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir / "findes-ikke/side.pdf"));
    EXPECT_THROW(UdskrivTil(printer, vp, 2, 2), std::runtime_error);

    printer.setOutputFileName(QString::fromStdString(dir / "side.pdf"));
    EXPECT_TRUE(HarPrinter(printer));
    ASSERT_NO_THROW(UdskrivTil(printer, vp, 2, 3));
    if (PopplerFindes()) {
        EXPECT_EQ(PdfSider(dir / "side.pdf"), 2);
    }
}

// A slow print shows the progress window with its texts; its Cancel stops the job
// before the next page and leaves no file behind.
TEST_F(QtUdskriftTest, LangsomUdskriftViserForloebetOgAnnullerStopperDen) {
    bygSider(3);
    vp.setHeader("\n\nAnalyseoplysninger for Grusgrav");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string sti = dir / "udskrift.pdf";
    printer.setOutputFileName(QString::fromStdString(sti));
    long long tid = 0;
    vp.forloeb().setKlokke([&tid] { return tid += 300; });  // each page as slow as a printer
    QStringList vist;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        auto* annuller = d->findChild<QPushButton*>();
        vist << d->windowTitle() << d->findChild<QLabel*>()->text() << annuller->text();
        annuller->click();
    });
    EXPECT_FALSE(Udskriv(printer, vp, 1, 3));
    vp.forloeb().setKlokke(nullptr);
    EXPECT_EQ(vist, QStringList({"Printing...",
                                 "Now printing Page 2 of\nAnalyseoplysninger for Grusgrav\non the PDF on " +
                                     QString::fromStdString(sti),
                                 "Cancel"}));
    EXPECT_EQ(vp.forloeb().sidenummerIJob(), 2);  // page 1 went out, page 2 did not
    EXPECT_FALSE(std::filesystem::exists(sti));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Where the machine has no printer, printing the whole document offers the print
// dialog (with printing to a PDF file); cancelled, it prints nothing and fails nothing.
TEST_F(QtUdskriftTest, UdenPrinterTilbydesDialogen) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    byg("Grusgrav");
    EXPECT_FALSE(HarPrinter(QPrinter(QPrinter::HighResolution)));
    int dialoger = 0;
    const auto fortryd = [&] {
        if (auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            ++dialoger;
            d->reject();
        }
    };
    QTimer::singleShot(0, fortryd);
    EXPECT_NO_THROW(vis->udskrivDokument());
    QTimer::singleShot(0, fortryd);
    EXPECT_NO_THROW(vis->udskrivSider(false, 1, 1));
    EXPECT_EQ(dialoger, 2);
}

// The pages chosen in that dialog are the pages printed, also for the whole document.
TEST_F(QtUdskriftTest, DialogensSiderUdskrives) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    if (!PopplerFindes()) GTEST_SKIP() << "poppler-utils not installed";
    bygSider(2);
    ASSERT_EQ(vp.pageCount(), 2);
    const std::string sti = dir / "valgt.pdf";
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            d->printer()->setOutputFormat(QPrinter::PdfFormat);
            d->printer()->setOutputFileName(QString::fromStdString(sti));
            d->printer()->setPrintRange(QPrinter::PageRange);
            d->printer()->setFromTo(2, 2);
            d->done(QDialog::Accepted);  // as chosen, without the widgets' own settings
        }
    });
    ASSERT_NO_THROW(vis->udskrivDokument());
    EXPECT_EQ(PdfSider(sti), 1);
}

}  // namespace
