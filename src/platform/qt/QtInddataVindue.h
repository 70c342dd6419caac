#pragma once
// The work window frmInddata on Qt: the tab control SSTab1 with the grids and
// charts of each tab in resizable panes, the bottom buttons BotKey(0..5) and the
// navigation buttons NavKey(0..1) below the tabs, then "Afslut" and "Printmenu".
// The window only shows its controls; what they do is the window logic's.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "platform/qt/QtChart.h"
#include "platform/qt/QtInddataGrids.h"
#include "platform/qt/QtVinduer.h"

class QSplitter;

class QtInddataVindue : public QtVindue {
    Q_OBJECT
public:
    explicit QtInddataVindue(InddataKontroller& kontroller = inddataKontroller(),
                             InddataGrids& grids = inddataGrids(), InddataCharts& charts = inddataCharts());

    QtFaneblade* SSTab1() const { return faneblade_; }
    QtGrid* grid(const std::string& navn, int indeks = 0) const { return grids_.widget(navn, indeks); }
    QtChart* chart(const std::string& navn) const;
    QtKnap* botKey(int i) const { return botKeys_.at(static_cast<std::size_t>(i)); }
    QtKnap* navKey(int i) const { return navKeys_.at(static_cast<std::size_t>(i)); }
    QtKnap* afslut() const { return afslut_; }
    QtKnap* printmenu() const { return printmenu_; }
    // The page of tab i.
    QWidget* side(int fane) const;

private:
    struct Rude;
    static const std::vector<Rude>& indhold();
    static int raekker(const Rude& r);
    QWidget* byg(const Rude& r, QWidget* parent);
    // The keyboard's way through the window: the tabs, the panes of each tab as they
    // are laid out, then the buttons in their rows.
    void saetTabulatorraekkefoelge();

    QtInddataGrids grids_;
    QtChart* tuc_ = nullptr;
    QtChart* alkalinitet_ = nullptr;
    QtFaneblade* faneblade_ = nullptr;
    std::array<QtKnap*, InddataKontroller::AntalBotKeys> botKeys_{};
    std::array<QtKnap*, InddataKontroller::AntalNavKeys> navKeys_{};
    QtKnap* afslut_ = nullptr;
    QtKnap* printmenu_ = nullptr;
    std::vector<QWidget*> ruder_;  // the grid views and charts in the order they were laid out
};
