#pragma once
// What a Qt grid shows in a cell, by view row and column; its editor opened.
#include <QString>

#include "platform/qt/QtGrid.h"

inline QString celletekst(QtGrid* w, int row, int col) {
    return w->model()->data(w->model()->index(row, col), Qt::DisplayRole).toString();
}

// Opens the editor on a cell as a double click does; the editor, or none.
inline QWidget* aabnEditor(QtGrid* g, int row, int col) {
    g->grid().userDobbeltKlik(row, col);
    return g->view()->aabenEditor();
}
