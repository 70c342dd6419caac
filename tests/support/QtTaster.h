#pragma once
// The user's keystrokes on a Qt widget, as the Qt tests play them.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

inline void tast(QWidget* w, int key, const QString& tekst = {}) {
    QKeyEvent tryk(QEvent::KeyPress, key, Qt::NoModifier, tekst);
    QApplication::sendEvent(w, &tryk);
    QKeyEvent slip(QEvent::KeyRelease, key, Qt::NoModifier, tekst);
    QApplication::sendEvent(w, &slip);
    // The delegate commits on Enter through a queued call.
    QApplication::processEvents();
}

// Replaces the editor's text keystroke by keystroke, as the user types it.
inline void skriv(QLineEdit* le, const QString& tekst) {
    le->selectAll();
    tast(le, Qt::Key_Delete);
    for (QChar c : tekst) tast(le, Qt::Key_A, QString(c));
}
