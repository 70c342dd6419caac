// The start and end windows on the offscreen platform: texts, clicks, the close box
// against the logic's own hide, and the program's end through the event loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "platform/StartSlutKontroller.h"
#include "platform/qt/QtStartSlut.h"
#include "support/QtTestMiljoe.h"

namespace {

std::vector<std::string> Etiketter(const QWidget& w) {
    std::vector<std::string> r;
    for (const QLabel* l : w.findChildren<QLabel*>()) r.push_back(l->text().toStdString());
    return r;
}

std::vector<std::string> Knaptekster(const QWidget& w) {
    std::vector<std::string> r;
    for (const QPushButton* k : w.findChildren<QPushButton*>()) r.push_back(k->text().toStdString());
    return r;
}

TEST(QtStartSlut, TeksterneSomVinduerneViserDem) {
    QtStartSlut vinduer;
    struct Forventet {
        QtMenuVindue& w;
        const char* titel;
        std::vector<std::string> etiketter;
        std::vector<std::string> knapper;
    };
    const std::vector<Forventet> alle = {
        {vinduer.start(), "Akvifer v. 2.0 Start menu",
         {"AKVIFER Version 2.04", "Geokemisk og grundvandskemisk vurdering af forurenede lokaliteter"},
         {"Eksisterende data", "Nye data", "Fortryd og afslut"}},
        {vinduer.slut(), "Akvifer v. 2.04   Afslut redigering ",
         {"AKVIFER Version 2.04"},
         {"Opret nye data", "Gem alt og fortsæt redigering", "Indlæs eksisterende data", "Fortsæt Redigering",
          "Afslut uden at gemme", "Gem alt og afslut"}},
    };
    for (const auto& f : alle) {
        EXPECT_EQ(f.w.windowTitle().toStdString(), f.titel);
        EXPECT_EQ(Etiketter(f.w), f.etiketter);
        EXPECT_EQ(Knaptekster(f.w), f.knapper);
        EXPECT_FALSE(f.w.isVisible());
    }
}

// The close box asks the logic; the logic's own hide never reaches it.
TEST(QtStartSlut, LukkeboksGaarGennemLogikkenSkjulGoerIkke) {
    QtStartSlut vinduer;
    Vindue& v = slutKontroller().frmSlut;
    int spurgt = 0;
    bool tillad = false;
    v.onCloseRequest = [&] { ++spurgt; return tillad; };
    int klik = 0;
    slutKontroller().Fortryd.onClick = [&] { ++klik; };

    v.show();
    EXPECT_TRUE(vinduer.slut().isVisible());
    // Shown in the middle of its screen.
    const QPoint midt = vinduer.slut().screen()->availableGeometry().center();
    EXPECT_LE((vinduer.slut().frameGeometry().center() - midt).manhattanLength(), 4);
    vinduer.slut().knap("Fortryd")->click();
    EXPECT_EQ(klik, 1);

    EXPECT_FALSE(vinduer.slut().close());
    EXPECT_TRUE(vinduer.slut().isVisible());
    EXPECT_TRUE(v.shown());
    tillad = true;
    EXPECT_TRUE(vinduer.slut().close());
    EXPECT_FALSE(v.shown());
    EXPECT_EQ(spurgt, 2);

    v.show();
    v.hide();
    EXPECT_FALSE(vinduer.slut().isVisible());
    EXPECT_EQ(spurgt, 2);
    v.onCloseRequest = nullptr;
    slutKontroller().Fortryd.onClick = nullptr;
}

// The end leaves the event loop at once and closes no window on its way.
TEST(QtStartSlut, AfslutningForladerLoekkenUdenAtLukkeVinduer) {
    QtStartSlut vinduer;
    Vindue& v = startKontroller().frmStart;
    int spurgt = 0;
    v.onCloseRequest = [&] { ++spurgt; return true; };
    v.show();
    QTimer::singleShot(0, [] { AfslutProgrammet(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(spurgt, 0);
    EXPECT_TRUE(vinduer.start().isVisible());
    v.hide();
    v.onCloseRequest = nullptr;
}

}  // namespace
