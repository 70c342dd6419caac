#pragma once
// The Qt view of the print progress display: a small application-modal window with
// the control's text, a bar of the job's pages and its Cancel button. While it shows,
// each page lets the event loop run once, so a click on Cancel reaches the job.
#include <QDialog>

#include "platform/Udskriftsforloeb.h"

class QLabel;
class QProgressBar;
class QPushButton;

class QtUdskriftsforloeb : public QDialog, public UdskriftsforloebVisning {
    Q_OBJECT
public:
    explicit QtUdskriftsforloeb(Udskriftsforloeb& f, QWidget* parent = nullptr);
    ~QtUdskriftsforloeb() override;

    QLabel* tekstfelt() const { return tekst_; }
    QPushButton* annullerknap() const { return annuller_; }

    // UdskriftsforloebVisning
    void vis() override;
    void opdater() override;
    void skjul() override;

protected:
    // Escape and the close box cancel, as the button does; the job closes the window.
    void reject() override;

private:
    Udskriftsforloeb& f_;
    QLabel* tekst_;
    QProgressBar* bjaelke_;
    QPushButton* annuller_;
    bool markoer_ = false;  // our arrow over the job's hourglass
};
