// The message boxes, the file dialogs and the wait cursor on Qt, offscreen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/qt/QtBeskeder.h"
#include "platform/qt/QtTjenester.h"
#include "support/QtTaster.h"
#include "support/QtTestMiljoe.h"
#include "support/TempDir.h"

namespace {

struct BoksTilfaelde {
    std::string tekst;
    BeskedIkon ikon;
    BeskedKnapper knapper;
    std::string titel;
    QMessageBox::Icon qtIkon;
    QString vistTitel;
    QStringList knaptekster;
    std::optional<BeskedSvar> vedEsc;  // nullopt: Esc and the close box leave the box open
};

class Beskedbokse : public ::testing::TestWithParam<BoksTilfaelde> {};

TEST_P(Beskedbokse, ShowTheTextAsWrittenWithTheirIconTitleAndButtons) {
    const BoksTilfaelde& t = GetParam();
    auto boks = lavBeskedboks(t.tekst, t.ikon, t.knapper, t.titel);
    EXPECT_EQ(boks->text().toStdString(), t.tekst);
    EXPECT_EQ(boks->textFormat(), Qt::PlainText);
    EXPECT_EQ(boks->icon(), t.qtIkon);
    EXPECT_EQ(boks->windowTitle(), t.vistTitel);
    QStringList tekster;
    for (QAbstractButton* b : boks->buttons()) tekster << b->text();
    tekster.sort();
    EXPECT_EQ(tekster, t.knaptekster);

    boks->show();
    QWidget* fokus = boks->focusWidget() ? boks->focusWidget() : boks.get();
    tast(fokus, Qt::Key_Escape);
    if (t.vedEsc) {
        EXPECT_FALSE(boks->isVisible());
        EXPECT_EQ(beskedSvar(*boks), *t.vedEsc);
        return;
    }
    EXPECT_TRUE(boks->isVisible());
    EXPECT_FALSE(boks->close());  // the close box
    EXPECT_TRUE(boks->isVisible());
    EXPECT_EQ(boks->clickedButton(), nullptr);
    boks->findChild<QAbstractButton*>(QStringLiteral("Ja"))->click();
    EXPECT_FALSE(boks->isVisible());
    EXPECT_EQ(beskedSvar(*boks), BeskedSvar::Ja);
}

INSTANTIATE_TEST_SUITE_P(
    QtBeskeder, Beskedbokse,
    ::testing::Values(
        BoksTilfaelde{"Den indtastede værdi: 90\ner udenfor intervalet 0 < Temperatur < 80", BeskedIkon::Udraab,
                      BeskedKnapper::OK, "Inddatakontrol", QMessageBox::Warning, "Inddatakontrol", {"OK"},
                      BeskedSvar::OK},
        BoksTilfaelde{"Skal data gemmes inden nye data oprettes?", BeskedIkon::Spoergsmaal, BeskedKnapper::JaNej,
                      "Gem Data", QMessageBox::Question, "Gem Data", {"Ja", "Nej"}, std::nullopt},
        BoksTilfaelde{"Der skete en fejl i forbindelse med at gemme data", BeskedIkon::Kritisk, BeskedKnapper::OK, "",
                      QMessageBox::Critical, "Akvifer", {"OK"}, BeskedSvar::OK},
        BoksTilfaelde{"De geokemiske procesdata er ændret efter sidste geokemiske modellering.",
                      BeskedIkon::Information, BeskedKnapper::OK, "", QMessageBox::Information, "Akvifer", {"OK"},
                      BeskedSvar::OK},
        BoksTilfaelde{"Log10(0) kan ikke beregnes", BeskedIkon::Ingen, BeskedKnapper::OK, "", QMessageBox::NoIcon,
                      "Akvifer", {"OK"}, BeskedSvar::OK}));

// LF CR is one break, a second LF a blank line; breaks at the end are not shown.
TEST(QtBeskeder, LineBreaksInEitherOrderShowOnce) {
    const std::vector<std::pair<std::string, QString>> tilfaelde{
        {"Den indtastede værdi: 15\n\rer udenfor intervalet\n\n\r 5 < PH < 10\r\n\nVær\n\rsom",
         "Den indtastede værdi: 15\ner udenfor intervalet\n\n 5 < PH < 10\n\nVær\nsom"},
        {"Den indtastede værdi: x\n\rer længere end 50 tegn\n\n\r\r\n\n", "Den indtastede værdi: x\ner længere end 50 tegn"},
        {"a\r\nb\rc\nd", "a\nb\nc\nd"},
    };
    for (const auto& [tekst, vist] : tilfaelde)
        EXPECT_EQ(lavBeskedboks(tekst, BeskedIkon::Ingen, BeskedKnapper::OK, "")->text(), vist) << tekst;
}

TEST(QtBeskeder, TheServiceAnswersWithTheButtonTheUserPressed) {
    QtBeskeder service;
    for (const char* knap : {"Ja", "Nej"}) {
        QTimer::singleShot(0, [knap] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible())
                    for (QAbstractButton* k : b->buttons())
                        if (k->text() == QLatin1String(knap)) k->click();
        });
        EXPECT_EQ(service.vis("Gem?", BeskedIkon::Spoergsmaal, BeskedKnapper::JaNej, "Gem Data"),
                  std::string(knap) == "Ja" ? BeskedSvar::Ja : BeskedSvar::Nej);
    }
}

// After the quiet, Enter and Space press the button the box marks: the default one
// until Tab or an arrow moves to the other.
TEST(QtBeskeder, TheKeyboardAnswersWithTheMarkedButton) {
    QtBeskeder service(std::chrono::milliseconds(0));
    const std::vector<std::pair<std::vector<int>, BeskedSvar>> tilfaelde{
        {{Qt::Key_Return}, BeskedSvar::Ja},           {{Qt::Key_Space}, BeskedSvar::Ja},
        {{Qt::Key_Tab, Qt::Key_Return}, BeskedSvar::Nej}, {{Qt::Key_Right, Qt::Key_Space}, BeskedSvar::Nej},
        {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Enter}, BeskedSvar::Ja},
    };
    for (const auto& [taster, svar] : tilfaelde) {
        QTimer::singleShot(0, [taster] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible())
                    for (int k : taster) tast(b->focusWidget() ? b->focusWidget() : b, k);
        });
        EXPECT_EQ(service.vis("Gem?", BeskedIkon::Spoergsmaal, BeskedKnapper::JaNej, "Gem Data"), svar)
            << taster.size() << " keys";
    }
}

TEST(QtFilDialoger, TheDialogCarriesTitleFiltersStartNameAndSuffix) {
    const FilDialogValg valg{"Åben eksisterende data", {{"Akvifer filer", "*.akv"}, {"Alle filer", "*.*"}}, "*.akv", ""};
    auto aaben = lavFilDialog(valg, false);
    EXPECT_EQ(aaben->windowTitle(), QString::fromUtf8("Åben eksisterende data"));
    EXPECT_EQ(aaben->nameFilters(), (QStringList{"Akvifer filer (*.akv)", "Alle filer (*.*)"}));
    EXPECT_EQ(aaben->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(aaben->fileMode(), QFileDialog::ExistingFile);
    auto* navn = aaben->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(navn, nullptr);
    EXPECT_EQ(navn->text(), "*.akv");

    const FilDialogValg gemValg{"", {{"Akvifer filer", "*.akv"}}, "/tmp/lokalitet.akv", "akv"};
    auto gem = lavFilDialog(gemValg, true);
    EXPECT_EQ(gem->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(gem->defaultSuffix(), "akv");
    EXPECT_FALSE(gem->windowTitle().isEmpty()) << "the dialog's own title for saving";
    EXPECT_EQ(gem->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), "lokalitet.akv");
}

TEST(QtFilDialoger, ACancelIsNoPath) {
    QtFilDialoger dialoger;
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) d->reject();
    });
    EXPECT_EQ(dialoger.aaben({}), std::nullopt);
}

// A dialog without a start name opens in the folder of the file chosen last, as a
// load after a save to another folder expects.
TEST(QtFilDialoger, ADialogWithoutAStartNameOpensInTheFolderChosenLast) {
    TempDir dir;
    const QString fil = QString::fromStdString(dir / "grube.akv");
    QtFilDialoger dialoger;
    QString mappe;
    auto svar = [&](bool accepter) {
        QTimer::singleShot(0, [&, accepter] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                    mappe = d->directory().absolutePath();
                    if (accepter) {
                        d->selectFile(fil);
                        static_cast<QDialog*>(d)->accept();  // the dialog's own, checks and all
                    } else {
                        d->reject();
                    }
                }
        });
    };
    svar(true);
    EXPECT_EQ(dialoger.gem({"", {}, "", "akv"}), fil.toStdString());
    svar(false);
    EXPECT_EQ(dialoger.aaben({}), std::nullopt);
    EXPECT_EQ(mappe, QString::fromStdString(dir.path()));
}

TEST(QtVentemarkoer, TheHourglassForTheGuardsLifetime) {
    QtVentemarkoer m;
    saetVentemarkoerService(&m);
    {
        Ventemarkoer v;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    saetVentemarkoerService(nullptr);
}

}  // namespace
