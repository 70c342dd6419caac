#pragma once
// The Qt views of the window controls: the tab control, the command button and the
// top-level window. Each shows what its control holds and passes the user's actions
// in; the rules (one default button, notifications, the close request) are the
// control's.
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <memory>
#include <vector>

#include "platform/Faneblade.h"
#include "platform/Vindue.h"

class QAbstractButton;
class QEventLoop;
class QKeyEvent;
class QPainter;

// Enter or Return without a modifier but the keypad's.
bool ErEnter(const QKeyEvent* event);
// A button the keyboard reaches by Tab and presses by Enter as by Space, for the
// buttons that are no QtKnap (the print window's tools); a QtKnap is pressed by
// Enter the same way.
void TastaturKnap(QAbstractButton* knap);

// Keeps a top-level window's normal size and place, its frame included, within the
// available area of its screen: too large, it is made smaller (down to what its
// layout needs); reaching outside, it is moved in, so its title bar and buttons can
// always be reached. A maximised or minimised window is left as it is.
void HoldIndenforSkaermen(QWidget& w);

// Shows the window application-modal in front and runs a local event loop until the
// Vindue is hidden; loekke points at the loop while it runs, so the hide can end it.
void KoerModalt(QWidget& w, const Vindue& vindue, QPointer<QEventLoop>& loekke);

// The change from one of the program's top-level windows to the next, whole for the
// keyboard. Under X the window manager gives a newly shown window the keyboard some
// time after the show; a window taken away before then leaves the keyboard with no
// window of the program, and what is typed meanwhile is lost. So a window the logic
// hides while it holds the keyboard stays on screen until the window shown next is
// active (at most Frist), and every key that reaches it, or a window hidden this
// way, goes on to the focus of the window shown last, in the order typed, once that
// window is active (a grid takes its first cell as it gets the keyboard). A dialog
// or modal window going away (a message answered, a file chosen, the preview closed)
// hands the keyboard at once to its parent window, else to the window shown last,
// and the keys it is still sent go the same way: to a window that stays (the
// preview, under its print dialog) at once, else on with the window change. For
// that every message box and file dialog belongs to a window still shown (ejer),
// also one opened right after another was answered, before the window system has
// given the keyboard back. A message box's own watch on the keys comes before this
// one, so keys typed ahead of a message are still dropped.
class QtVindueskift : public QObject {
public:
    static constexpr std::chrono::milliseconds Frist{2000};

    static QtVindueskift& instans();

    // The window a message box or file dialog opened now belongs to: out from the
    // active window (or the one that last had the keyboard) the first that is still
    // shown and not on its way out; else the window shown last.
    QWidget* ejer() const;
    // The logic showed w: in front, and asked to be made active.
    void vis(QWidget& w);
    // The logic hid w.
    void skjul(QWidget& w);
    // w is hidden by the logic but still on screen, waiting for the next window.
    bool paaVej(const QWidget& w) const;
    // A dialog that is done, kept hidden a moment longer: keys the window system had
    // already sent it go on to the window that follows instead of going with it.
    void efterlad(std::unique_ptr<QWidget> dialog);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QtVindueskift();
    ~QtVindueskift() override;
    void ryd();
    // The windows on their way out hidden for good.
    void fuldfoer();
    bool forladt(const QWidget* top) const;
    // A window hidden by the logic, or a dialog left to be taken down.
    bool gaaet(const QWidget* top) const;
    // The keys held for the next window, to its focus, once it is active.
    void send();
    // For a dialog gone whose window stays shown and keeps the keyboard (the preview,
    // under its print dialog): that window, which its keys go to at once.
    QWidget* blivendeVindue(const QWidget* top) const;
    // The dialog or modal window w was hidden: the keyboard to the window it leaves.
    void givTastaturetVidere(QWidget& w);

    std::vector<QPointer<QWidget>> paaVej_;
    std::vector<QPointer<QWidget>> skjulte_;
    std::vector<QPointer<QWidget>> efterladte_;  // owned; a parent window may take one down first
    std::vector<std::unique_ptr<QKeyEvent>> venter_;
    bool iSend_ = false;
    bool skifter_ = false;  // the window shown last is not yet active
    QPointer<QWidget> naeste_;
    QPointer<QWidget> sidstAktiv_;  // the top-level window that last had the keyboard
    QTimer frist_;
    QTimer oprydning_;
};

// The keyboard's focus frame, drawn inside r: a dashed line in the text colour,
// unlike the default button's highlighted outline.
void TegnFokusramme(QPainter& p, const QRect& r, const QPalette& palette);

// The tab control over a QTabWidget. Every change the program makes is applied with
// the widget's signals blocked: Qt moves and reports the current tab on its own
// when tabs are hidden, while the control raises its notifications itself. Only a
// change the user makes reaches the control, as userSelect, or by the keys as
// userNaeste and userYderste: Left, Right, Home and End on the tab bar, Ctrl+Tab
// where no pane takes it, and Ctrl+PageDown, Ctrl+PageUp anywhere in the window.
// Qt's own keys and wheel would step onto tabs hidden in the mode, so a click and
// the wheel on the tab bar are taken in here too.
//
// Each page keeps the widget that last held the keyboard on it: when the keyboard
// was on the page being left, it goes to that widget of the page shown (a grid
// whose editor has closed meanwhile takes it itself), not to the page's first one.
class QtFaneblade : public QTabWidget, public FanebladVisning {
    Q_OBJECT
public:
    explicit QtFaneblade(Faneblade& faneblade, QWidget* parent = nullptr);
    ~QtFaneblade() override;

    Faneblade& faneblade() { return faneblade_; }
    // Page i holds tab i's content; add them in index order.
    void tilfoejSide(QWidget* side);

    // FanebladVisning
    void aendret() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void brugerValgte(int fane);
    bool tabBarMus(QEvent* e);
    // Shows page c, the keyboard following as above.
    void visSide(int c);
    void fokusFlyttet(QWidget* nu);

    // What last held the keyboard on a page, and the grid view it lies in (the
    // widget itself when it is none), which outlives its editor.
    struct Fokus {
        QPointer<QWidget> widget, visning;
    };
    Faneblade& faneblade_;
    std::vector<Fokus> fokus_;
    QMetaObject::Connection fokusForbindelse_;
    bool skifter_ = false;
    int hjul_ = 0;  // eighths of a degree turned and not yet stepped
};

class QtKnap : public QPushButton, public KnapVisning {
    Q_OBJECT
public:
    explicit QtKnap(Knap& knap, QWidget* parent = nullptr);
    ~QtKnap() override;

    Knap& knap() { return knap_; }

    // Room around the caption, so a long caption does not touch the edges.
    QSize sizeHint() const override;

    // KnapVisning
    void aendret() override;
    void fokusOenskes() override;

protected:
    bool focusNextPrevChild(bool next) override;
    // The style's own focus mark looks like the default button's: a focused button
    // shows the focus frame instead, always, not only after a Tab.
    void paintEvent(QPaintEvent* event) override;

private:
    Knap& knap_;
};

// A top-level window. Its close box asks the Vindue, which may refuse; Enter
// presses the window's default button unless a grid editor is open (a
// QPushButton's own default does nothing outside a dialog).
class QtVindue : public QWidget, public VindueVisning {
    Q_OBJECT
public:
    explicit QtVindue(Vindue& vindue, QWidget* parent = nullptr);
    ~QtVindue() override;

    Vindue& vindue() { return vindue_; }

    // True when the focus lies in an open editor of a grid (a table view editing).
    static bool gridEditorAaben();

    // VindueVisning
    void aendret() override;
    void visModalt() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Repainted whole at every resize: a window the window manager resizes between its
    // show and its first paint (the rebuilt work window, maximised again) is otherwise
    // painted only where it was marked at the show, and the rest shows what the window
    // held before it was hidden, buttons of the previous mode included.
    void resizeEvent(QResizeEvent* event) override;
    // Back from maximised, the window manager gives the normal size and place again:
    // they are held within the screen then too.
    void changeEvent(QEvent* event) override;

private:
    Vindue& vindue_;
    bool iLuk_ = false;
    QPointer<QEventLoop> modalLoop_;
};
