#pragma once
// The Qt view of the print window: the toolbar, the preview in the single pane of
// the splitter SSSplitter1, and the status bar. It shows what the controls hold and
// passes the user's tool clicks and the close box in; the preview viewer is the
// print document's own Qt view.
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "platform/Printvindue.h"
#include "platform/qt/QtUdskrift.h"
#include "platform/qt/QtVinduer.h"

class QEventLoop;
class QLabel;
class QSplitter;
class QToolBar;

class QtPrintvindue : public QMainWindow, public PrintvindueVisning {
public:
    explicit QtPrintvindue(Printvindue& w);
    ~QtPrintvindue() override;

    Printvindue& kontroller() const { return w_; }
    QToolBar* vaerktoejslinje() const { return tb_; }
    QLabel* statuspanel() const { return panel_; }
    QSplitter* splitter() const { return splitter_; }
    QWidget* fremviser() const { return fremviser_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    struct VindueVisningQt : VindueVisning {
        QtPrintvindue& q;
        explicit VindueVisningQt(QtPrintvindue& v) : q(v) {}
        void aendret() override { q.visVindue(); }
        void visModalt() override { KoerModalt(q, q.w_.vindue, q.loekke_); }
    };
    struct VaerktoejVisningQt : VaerktoejslinjeVisning {
        QtPrintvindue& q;
        explicit VaerktoejVisningQt(QtPrintvindue& v) : q(v) {}
        void aendret() override { q.byggVaerktoejer(); }
    };
    struct StatusVisningQt : StatuslinjeVisning {
        QtPrintvindue& q;
        explicit StatusVisningQt(QtPrintvindue& v) : q(v) {}
        void aendret() override { q.visStatus(); }
    };

    void visVindue();
    void byggVaerktoejer();
    void visStatus();

    Printvindue& w_;
    QToolBar* tb_ = nullptr;
    QLabel* panel_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QWidget* fremviser_ = nullptr;
    // Destroyed before the window's child widgets, so the viewer goes with its printer.
    std::unique_ptr<QtUdskrift> udskrift_;
    QPointer<QEventLoop> loekke_;
    VindueVisningQt vindueVisning_{*this};
    VaerktoejVisningQt vaerktoejVisning_{*this};
    StatusVisningQt statusVisning_{*this};
};

// Makes the Qt print window for each opening of the print window.
class QtPrintvindueService : public PrintvindueService {
public:
    std::unique_ptr<PrintvindueVisning> lav(Printvindue& w) override;
    // The window of the opening in progress; nullptr when none is open.
    QtPrintvindue* aaben() const { return aaben_; }

private:
    QPointer<QtPrintvindue> aaben_;
};
