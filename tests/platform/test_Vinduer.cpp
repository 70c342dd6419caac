// The headless window controls: the tab control's notifications, the one default
// button per window, Enter, the close request, and the services' defaults.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/Faneblade.h"
#include "platform/InddataKontroller.h"
#include "platform/Tjenester.h"
#include "platform/Vindue.h"
#include "support/RecordingTjenester.h"
#include "support/RecordingVinduer.h"

namespace {

using Skift = std::pair<int, int>;  // (previous tab, current tab) at the notification

struct FaneTilfaelde {
    const char* navn;
    std::function<void(Faneblade&)> foer;      // without notifications recorded
    std::function<void(RecordingFaneblade&)> handling;
    std::vector<Skift> notifikationer;
    int current;
};

class FaneNotifikationer : public ::testing::TestWithParam<FaneTilfaelde> {};

TEST_P(FaneNotifikationer, RaisedOnlyWhenTheCurrentTabChanges) {
    const FaneTilfaelde& t = GetParam();
    Faneblade f(10);
    if (t.foer) t.foer(f);
    RecordingFaneblade r(f);
    std::vector<Skift> noteret;
    f.onClick = [&](int forrige) { noteret.emplace_back(forrige, f.current()); };
    t.handling(r);
    EXPECT_EQ(noteret, t.notifikationer);
    EXPECT_EQ(f.current(), t.current);
}

auto skjul(std::vector<int> faner) {
    return [faner](Faneblade& f) {
        for (int i : faner) f.setVisible(i, false);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Faneblade, FaneNotifikationer,
    ::testing::Values(
        FaneTilfaelde{"ProgramSetsAnotherTab", nullptr, [](auto& r) { r.faneblade().setCurrent(4); }, {{0, 4}}, 4},
        FaneTilfaelde{"ProgramSetsTheCurrentTab", nullptr, [](auto& r) { r.faneblade().setCurrent(0); }, {}, 0},
        FaneTilfaelde{"UserClicksATab", nullptr, [](auto& r) { r.klik(2); }, {{0, 2}}, 2},
        FaneTilfaelde{"UserClicksTheCurrentTab", nullptr, [](auto& r) { r.klik(0); }, {}, 0},
        FaneTilfaelde{"ProgramAsksForAHiddenTab", skjul({3}), [](auto& r) { r.faneblade().setCurrent(3); }, {}, 0},
        FaneTilfaelde{"UserClicksAHiddenTab", skjul({3}), [](auto& r) { r.klik(3); }, {}, 0},
        FaneTilfaelde{"UnknownTabs", nullptr,
                      [](auto& r) {
                          r.faneblade().setCurrent(10);
                          r.faneblade().setCurrent(-1);
                      },
                      {}, 0},
        FaneTilfaelde{"HidingEveryTabKeepsTheCurrentAndNotifiesNothing",
                      [](Faneblade& f) { f.setCurrent(2); },
                      [](auto& r) {
                          for (int i = 0; i < 10; ++i) r.faneblade().setVisible(i, false);
                      },
                      {}, 2},
        FaneTilfaelde{"ShowingATabWhenAllAreHiddenDoesNotMakeItCurrent", skjul({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
                      [](auto& r) { r.faneblade().setVisible(4, true); }, {}, 0},
        FaneTilfaelde{"ModeSwitchHidesAllThenShowsTwoAndSetsOne", [](Faneblade& f) { f.setCurrent(2); },
                      [](auto& r) {
                          for (int i = 0; i < 10; ++i) r.faneblade().setVisible(i, false);
                          r.faneblade().setVisible(4, true);
                          r.faneblade().setVisible(5, true);
                          r.faneblade().setCurrent(4);
                      },
                      {{2, 4}}, 4},
        FaneTilfaelde{"TwoChangesInOrder", nullptr,
                      [](auto& r) {
                          r.faneblade().setCurrent(4);
                          r.klik(5);
                      },
                      {{0, 4}, {4, 5}}, 5},
        // Tabs 1 and 6 shown, 6 current: next, next, previous, first, last.
        FaneTilfaelde{"KeysPassHiddenTabsAndGoRoundTheEnds", skjul({0, 2, 3, 4, 5, 7, 8, 9}),
                      [](auto& r) {
                          r.faneblade().setCurrent(6);
                          for (bool tilbage : {false, false, true}) r.faneblade().userNaeste(tilbage);
                          for (bool sidste : {false, true}) r.faneblade().userYderste(sidste);
                      },
                      {{0, 6}, {6, 1}, {1, 6}, {6, 1}, {1, 6}}, 6},
        FaneTilfaelde{"BackToTheDesignWithoutNotification",
                      [](Faneblade& f) {
                          f.setCurrent(5);
                          f.setVisible(0, false);
                      },
                      [](auto& r) { r.faneblade().restoreDesign(); }, {}, 0}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(Faneblade, AHandlerThatPutsThePreviousTabBackRaisesASecondNotificationInsideTheFirst) {
    Faneblade f(10);
    RecordingFaneblade r(f);
    std::vector<std::string> log;
    f.onClick = [&](int forrige) {
        log.push_back("onClick(" + std::to_string(forrige) + ") current " + std::to_string(f.current()));
        if (f.current() == 2) {
            f.setCurrent(forrige);
            log.push_back("back");
        }
    };
    r.klik(2);
    EXPECT_EQ(log, (std::vector<std::string>{"onClick(0) current 2", "onClick(2) current 0", "back"}));
    EXPECT_EQ(r.kald, (std::vector<std::string>{"setCurrent(0)"}));
}

TEST(Faneblade, RecordsTheProgramsCallsButNotTheUsersClicks) {
    Faneblade f(10);
    RecordingFaneblade r(f);
    f.setCaption(8, "Tab 8");
    f.setVisible(3, false);
    r.klik(4);
    f.setCurrent(3);
    EXPECT_EQ(r.kald, (std::vector<std::string>{"setCaption(8, \"Tab 8\")", "setVisible(3, false)", "setCurrent(3)"}));
    EXPECT_EQ(r.synlige(), (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 8, 9}));
}

// ---------------------------------------------------------------- buttons and the window

struct Vindue3 {
    Vindue v{"w"};
    Knap a{"a"}, b{"b"}, c{"c"};
    int klik[3] = {0, 0, 0};
    Vindue3() {
        Knap* k[] = {&a, &b, &c};
        for (int i = 0; i < 3; ++i) {
            v.addKnap(*k[i]);
            k[i]->onClick = [this, i] { ++klik[i]; };
        }
    }
    Knap& knap(int i) { return i == 0 ? a : i == 1 ? b : c; }
};

struct DefaultTilfaelde {
    std::vector<std::pair<int, bool>> marker;  // (button, setDefault)
    int forventet;                             // -1 none
};

class EnDefaultKnap : public ::testing::TestWithParam<DefaultTilfaelde> {};

TEST_P(EnDefaultKnap, AtMostOneButtonOfTheWindowCarriesTheMark) {
    Vindue3 w;
    Knap fremmed("andet vindue");
    Vindue andet;
    andet.addKnap(fremmed);
    fremmed.setDefault(true);
    for (auto [k, v] : GetParam().marker) w.knap(k).setDefault(v);
    int antal = 0;
    for (int i = 0; i < 3; ++i) antal += w.knap(i).isDefault();
    const int f = GetParam().forventet;
    EXPECT_EQ(antal, f < 0 ? 0 : 1);
    EXPECT_EQ(w.v.defaultKnap(), f < 0 ? nullptr : &w.knap(f));
    EXPECT_TRUE(fremmed.isDefault()) << "another window's mark stays";
}

INSTANTIATE_TEST_SUITE_P(Knap, EnDefaultKnap,
                         ::testing::Values(DefaultTilfaelde{{}, -1}, DefaultTilfaelde{{{0, true}}, 0},
                                           DefaultTilfaelde{{{0, true}, {1, true}}, 1},
                                           DefaultTilfaelde{{{0, true}, {1, true}, {1, false}}, -1},
                                           DefaultTilfaelde{{{0, true}, {1, false}}, 0},
                                           DefaultTilfaelde{{{2, true}, {0, true}, {2, true}}, 2}));

struct EnterTilfaelde {
    const char* navn;
    int standard;         // the default button, -1 none
    bool gridEditor;
    bool skjult, deaktiveret;  // of the default button
    int trykket;          // the button Enter pressed, -1 none
};

class Enter : public ::testing::TestWithParam<EnterTilfaelde> {};

TEST_P(Enter, PressesTheDefaultButtonUnlessAGridEditorIsOpen) {
    const EnterTilfaelde& t = GetParam();
    Vindue3 w;
    RecordingVindue r(w.v);
    if (t.standard >= 0) {
        w.knap(t.standard).setDefault(true);
        w.knap(t.standard).setVisible(!t.skjult);
        w.knap(t.standard).setEnabled(!t.deaktiveret);
    }
    EXPECT_EQ(r.enter(t.gridEditor), t.trykket >= 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(w.klik[i], i == t.trykket ? 1 : 0) << i;
}

INSTANTIATE_TEST_SUITE_P(Vindue, Enter,
                         ::testing::Values(EnterTilfaelde{"Default", 1, false, false, false, 1},
                                           EnterTilfaelde{"GridEditorOpen", 1, true, false, false, -1},
                                           EnterTilfaelde{"NoDefault", -1, false, false, false, -1},
                                           EnterTilfaelde{"DefaultHidden", 0, false, true, false, -1},
                                           EnterTilfaelde{"DefaultDisabled", 2, false, false, true, -1}),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(Knap, AClickOnAHiddenOrDisabledButtonDoesNothing) {
    Vindue3 w;
    RecordingKnap r(w.a);
    EXPECT_TRUE(r.klik());
    w.a.setVisible(false);
    EXPECT_FALSE(r.klik());
    w.a.setVisible(true);
    w.a.setEnabled(false);
    EXPECT_FALSE(r.klik());
    EXPECT_EQ(w.klik[0], 1);
    EXPECT_EQ(r.kald, (std::vector<std::string>{"setVisible(false)", "setVisible(true)", "setEnabled(false)"}));
}

TEST(Vindue, TheLogicMayRefuseTheCloseRequest) {
    Vindue v("frm");
    RecordingVindue r(v);
    v.show();
    int spurgt = 0;
    bool tillad = false;
    v.onCloseRequest = [&] {
        ++spurgt;
        return tillad;
    };
    EXPECT_FALSE(r.luk());
    EXPECT_TRUE(v.shown());
    tillad = true;
    EXPECT_TRUE(r.luk());
    EXPECT_FALSE(v.shown());
    EXPECT_EQ(spurgt, 2);
    EXPECT_EQ(r.kald, (std::vector<std::string>{"show", "hide"}));

    // Without a handler the window closes.
    Vindue u;
    u.show();
    EXPECT_TRUE(u.userClose());
    EXPECT_FALSE(u.shown());
}

TEST(Vindue, AModalWindowReturnsWhenTheUserHasHiddenIt) {
    Vindue v;
    RecordingVindue r(v);
    r.iModal = [&] {
        EXPECT_TRUE(v.shown());
        EXPECT_TRUE(v.modal());
        r.luk();
    };
    v.showModal();
    EXPECT_EQ(r.modaleVisninger, 1);
    EXPECT_FALSE(v.shown());
    EXPECT_EQ(r.kald, (std::vector<std::string>{"showModal", "hide"}));
}

TEST(InddataKontroller, TheDesignHasTenCaptionedTabsTabZeroCurrentAndUncaptionedButtons) {
    InddataKontroller k;
    k.SSTab1.setVisible(0, false);
    k.SSTab1.setCurrent(7);
    k.BotKey[1].setCaption("x");
    k.BotKey[1].setDefault(true);
    k.NavKey[0].setVisible(false);
    RecordingInddataKontroller r(k);
    int notifikationer = 0;
    k.SSTab1.onClick = [&](int) { ++notifikationer; };
    k.restoreDesign();
    EXPECT_EQ(notifikationer, 0);
    EXPECT_EQ(k.SSTab1.current(), 0);
    EXPECT_EQ(r.SSTab1.synlige().size(), 10u);
    EXPECT_EQ(k.SSTab1.caption(4), "Modellering af nedstrøm vandkvalitet");
    EXPECT_EQ(k.SSTab1.caption(8), "Tab 8");
    for (const Knap& b : k.BotKey) {
        EXPECT_EQ(b.caption(), "");
        EXPECT_TRUE(b.visible() && b.enabled() && !b.isDefault());
    }
    EXPECT_TRUE(k.NavKey[0].visible());
    EXPECT_EQ(k.Afslut.caption(), "Afslut");
    EXPECT_EQ(k.Printmenu.caption(), "Printmenu");
    EXPECT_EQ(k.frmInddata.defaultKnap(), nullptr);
    // A rebuild is not a step the program takes on the controls.
    EXPECT_TRUE(r.SSTab1.kald.empty());
    EXPECT_TRUE(r.botKey(1).kald.empty());
}

// ---------------------------------------------------------------- services

TEST(Tjenester, TheWaitCursorIsRestoredAlsoWhenAnExceptionPasses) {
    RecordingVentemarkoer m;
    try {
        Ventemarkoer a;
        {
            Ventemarkoer b;
        }
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(m.kald, (std::vector<std::string>{"start", "start", "slut", "slut"}));
    EXPECT_EQ(m.dybde, 0);
}

TEST(Tjenester, FileDialogsAnswerFromTheQueueAndCancelWithoutOne) {
    EXPECT_EQ(fildialoger().aaben({}), std::nullopt);  // nothing installed
    RecordingFilDialoger d;
    d.svarene = {std::string("/tmp/a.akv"), std::nullopt};
    FilDialogValg valg{"Åben eksisterende data", {{"Akvifer filer", "*.akv"}, {"Alle filer", "*.*"}}, "*.akv", ""};
    EXPECT_EQ(fildialoger().aaben(valg), "/tmp/a.akv");
    EXPECT_EQ(fildialoger().gem({}), std::nullopt);
    EXPECT_EQ(fildialoger().gem({}), std::nullopt);
    ASSERT_EQ(d.vist.size(), 3u);
    EXPECT_FALSE(d.vist[0].gem);
    EXPECT_EQ(d.vist[0].valg.titel, "Åben eksisterende data");
    EXPECT_EQ(d.vist[0].valg.filtre[1].moenster, "*.*");
    EXPECT_TRUE(d.vist[2].gem);
}

}  // namespace
