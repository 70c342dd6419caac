// Stands in for the preview viewer until the print document's Qt layer provides it.
#include <QWidget>

#include "platform/qt/QtPrintvindue.h"

QWidget* LavUdskriftsfremviser(Udskrift& /*vp*/, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setObjectName("Udskriftsfremviser");
    return w;
}
