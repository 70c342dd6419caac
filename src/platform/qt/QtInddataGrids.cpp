#include "platform/qt/QtInddataGrids.h"

QtInddataGrids::QtInddataGrids(QWidget* parent, InddataGrids& grids) {
    for (const auto& [navn, indeks] : grids.navne()) {
        auto* w = new QtGrid(grids.grid(navn, indeks), parent);
        // The six groundwater-type grids share a name: their index tells them apart.
        w->setObjectName(QString::fromStdString(navn == "TDBGrid5" ? navn + "_" + std::to_string(indeks) : navn));
        widgets_[{navn, indeks}] = w;
    }
}

QtGrid* QtInddataGrids::widget(const std::string& navn, int indeks) const {
    auto it = widgets_.find({navn, indeks});
    return it == widgets_.end() ? nullptr : it->second;
}
