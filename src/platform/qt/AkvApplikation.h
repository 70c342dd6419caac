#pragma once
// The program's QApplication. It is the top-level guard of the event loop: no
// exception leaves an event handler; an unexpected one is shown in a critical
// message box, and the program goes on with its tables as they are.
#include <QApplication>
#include <string>

class AkvApplikation : public QApplication {
    Q_OBJECT
public:
    AkvApplikation(int& argc, char** argv);

    bool notify(QObject* modtager, QEvent* haendelse) override;

    // The message the guard shows for an exception's text.
    static std::string fejltekst(const std::string& hvad);
};
