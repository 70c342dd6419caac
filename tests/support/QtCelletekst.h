#pragma once
// What a Qt grid shows in a cell, by view row and column.
#include <QString>

#include "platform/qt/QtGrid.h"

inline QString celletekst(QtGrid* w, int row, int col) {
    return w->model()->data(w->model()->index(row, col), Qt::DisplayRole).toString();
}
