#pragma once
// The Qt views of every grid of the work window, made once for the window; the
// window places them on its tabs by name.
#include <map>
#include <string>
#include <utility>

#include "platform/InddataGrids.h"
#include "platform/qt/QtGrid.h"

class QtInddataGrids {
public:
    // The views are children of parent, which owns them.
    explicit QtInddataGrids(QWidget* parent, InddataGrids& grids = inddataGrids());

    QtGrid* widget(const std::string& navn, int indeks = 0) const;

private:
    std::map<std::pair<std::string, int>, QtGrid*> widgets_;
};
