#include "platform/qt/QtVinduer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

#include "celler/MidlertidigVaerdi.h"

#ifdef AKV_MED_XCB
#include <xcb/xcb.h>
#endif

namespace {

// A caption is shown as written: an ampersand is no mnemonic.
QString tekst(const std::string& s) { return QString::fromStdString(s).replace('&', QStringLiteral("&&")); }

// Enter on the focused button presses it, as Space does.
class EnterTrykker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || !ErEnter(static_cast<QKeyEvent*>(e))) return false;
        static_cast<QAbstractButton*>(o)->click();
        return true;
    }
};

}  // namespace

bool ErEnter(const QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void TastaturKnap(QAbstractButton* knap) {
    knap->setFocusPolicy(Qt::TabFocus);
    knap->installEventFilter(new EnterTrykker(knap));
}

void TegnFokusramme(QPainter& p, const QRect& r, const QPalette& palette) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(palette.color(QPalette::WindowText), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

// ---------------------------------------------------------------- tabs

QtFaneblade::QtFaneblade(Faneblade& faneblade, QWidget* parent) : QTabWidget(parent), faneblade_(faneblade) {
    setUsesScrollButtons(true);
    tabBar()->setExpanding(false);
    connect(this, &QTabWidget::currentChanged, this, &QtFaneblade::brugerValgte);
    tabBar()->installEventFilter(this);
    for (auto [tast, tilbage] : {std::pair{Qt::Key_PageDown, false}, std::pair{Qt::Key_PageUp, true}}) {
        auto* genvej = new QShortcut(QKeySequence(Qt::CTRL | tast), this);
        genvej->setContext(Qt::WindowShortcut);
        connect(genvej, &QShortcut::activated, this, [this, tilbage] { faneblade_.userNaeste(tilbage); });
    }
    fokusForbindelse_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* nu) { fokusFlyttet(nu); });
    faneblade_.setVisning(this);
}

QtFaneblade::~QtFaneblade() {
    // Before the pages go: the focus leaving them must not reach a half-destroyed control.
    disconnect(fokusForbindelse_);
    if (faneblade_.visning() == this) faneblade_.setVisning(nullptr);
}

void QtFaneblade::tilfoejSide(QWidget* side) {
    const QSignalBlocker blok(this);
    addTab(side, QString());
    fokus_.resize(static_cast<std::size_t>(count()));
    aendret();
}

void QtFaneblade::aendret() {
    const QSignalBlocker blok(this);
    // Only what changed: a mode switch reports every one of its steps, and each
    // change of visibility lays the tab bar out anew.
    for (int i = 0; i < count() && i < faneblade_.antal(); ++i) {
        const QString t = tekst(faneblade_.caption(i));
        if (tabText(i) != t) setTabText(i, t);
        if (isTabVisible(i) != faneblade_.visible(i)) setTabVisible(i, faneblade_.visible(i));
    }
    const int c = faneblade_.current();
    if (c < count() && faneblade_.visible(c) && currentIndex() != c) visSide(c);
}

void QtFaneblade::visSide(int c) {
    // Qt would hand the keyboard on the page being hidden to the new page's widget
    // that last had it, or, that widget gone (an editor closed as the tab changed),
    // to the page's first one. The keyboard is taken off first, so no widget of
    // either page gets it on the way.
    QWidget* fokus = QApplication::focusWidget();
    const bool fulgte = fokus && currentWidget() && currentWidget()->isAncestorOf(fokus);
    {
        const MidlertidigVaerdi skifter(skifter_, true);
        if (fulgte) fokus->clearFocus();
        setCurrentIndex(c);
    }
    if (!fulgte) return;
    QWidget* side = widget(c);
    const Fokus& f = fokus_[static_cast<std::size_t>(c)];
    for (QWidget* w : {f.widget.data(), f.visning.data()})
        if (w && side->isAncestorOf(w) && w->isVisibleTo(side) && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    // Never held on this page: its first widget in the tab order.
    for (QWidget* w = side->nextInFocusChain(); w != side; w = w->nextInFocusChain())
        if (side->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(side) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

void QtFaneblade::fokusFlyttet(QWidget* nu) {
    const int c = currentIndex();
    if (!nu || skifter_ || c < 0 || c != faneblade_.current() || !widget(c)->isAncestorOf(nu)) return;
    QWidget* visning = nu;
    for (QWidget* w = nu; w != widget(c); w = w->parentWidget())
        if (qobject_cast<QAbstractItemView*>(w)) visning = w;
    fokus_[static_cast<std::size_t>(c)] = {nu, visning};
}

bool QtFaneblade::tabBarMus(QEvent* e) {
    if (e->type() == QEvent::Wheel) {
        const QPoint d = static_cast<QWheelEvent*>(e)->angleDelta();
        hjul_ += std::abs(d.y()) >= std::abs(d.x()) ? d.y() : d.x();
        // One tab a notch of 15 degrees; a fine wheel adds up to one.
        for (; std::abs(hjul_) >= 120; hjul_ -= hjul_ > 0 ? 120 : -120) faneblade_.userNaeste(hjul_ > 0, false);
        return true;
    }
    const auto* mus = static_cast<QMouseEvent*>(e);
    if (mus->button() != Qt::LeftButton) return false;
    const int fane = tabBar()->tabAt(mus->position().toPoint());
    if (fane < 0) return false;
    faneblade_.userSelect(fane);
    return true;
}

bool QtFaneblade::eventFilter(QObject* o, QEvent* e) {
    if (o == tabBar() && (e->type() == QEvent::Wheel || e->type() == QEvent::MouseButtonPress ||
                          e->type() == QEvent::MouseButtonDblClick))
        return tabBarMus(e);
    if (o != tabBar() || e->type() != QEvent::KeyPress) return QTabWidget::eventFilter(o, e);
    const auto* tast = static_cast<QKeyEvent*>(e);
    if ((tast->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    switch (tast->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: faneblade_.userNaeste(tast->key() == Qt::Key_Left); return true;
    case Qt::Key_Home:
    case Qt::Key_End: faneblade_.userYderste(tast->key() == Qt::Key_End); return true;
    default: return false;
    }
}

void QtFaneblade::keyPressEvent(QKeyEvent* e) {
    const bool tab = e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
    if (tab && (e->modifiers() & Qt::ControlModifier)) {
        faneblade_.userNaeste(e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier));
        return;
    }
    QTabWidget::keyPressEvent(e);
}

void QtFaneblade::brugerValgte(int fane) {
    // Signals are blocked for the program's own changes, so this is the user. A
    // change the control does not take (or takes back) is undone on the screen.
    if (!faneblade_.userSelect(fane)) aendret();
}

// ---------------------------------------------------------------- button

QtKnap::QtKnap(Knap& knap, QWidget* parent) : QPushButton(parent), knap_(knap) {
    setAutoDefault(false);
    installEventFilter(new EnterTrykker(this));
    connect(this, &QPushButton::clicked, this, [this] { knap_.userClick(); });
    knap_.setVisning(this);
    aendret();
}

QtKnap::~QtKnap() {
    if (knap_.visning() == this) knap_.setVisning(nullptr);
}

QSize QtKnap::sizeHint() const {
    const QSize s = QPushButton::sizeHint();
    return {s.width() + 2 * fontMetrics().averageCharWidth(), s.height() + 4};
}

bool QtKnap::focusNextPrevChild(bool next) {
    // Qt moves the focus of a button being hidden on to the next control. A mode
    // switch hides the button just clicked; the next one in line would then take
    // Enter from the window's default button. The window keeps the focus instead.
    if (isHidden() && hasFocus()) {
        window()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QPushButton::focusNextPrevChild(next);
}

void QtKnap::fokusOenskes() {
    if (isVisible()) setFocus(Qt::OtherFocusReason);
}

void QtKnap::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton o;
    initStyleOption(&o);
    o.state &= ~QStyle::State_HasFocus;
    p.drawControl(QStyle::CE_PushButton, o);
    if (hasFocus()) TegnFokusramme(p, rect().adjusted(3, 3, -3, -3), palette());
}

void QtKnap::aendret() {
    setText(tekst(knap_.caption()));
    setVisible(knap_.visible());
    setEnabled(knap_.enabled());
    // Only the look: Enter is the window's business.
    setDefault(knap_.isDefault());
}

// ---------------------------------------------------------------- window change

namespace {
QtVindueskift* vindueskift = nullptr;

// The window a dialog or message box belongs to; none for a window of its own.
QWidget* foraelderVindue(const QWidget* w) { return w->parentWidget() ? w->parentWidget()->window() : nullptr; }
}  // namespace

QtVindueskift& QtVindueskift::instans() {
    // One per application; it goes at the start of the application's end, while the
    // dialogs it keeps can still be taken down.
    if (!vindueskift) {
        vindueskift = new QtVindueskift;
        qAddPostRoutine([] { delete std::exchange(vindueskift, nullptr); });
    }
    return *vindueskift;
}

QtVindueskift::QtVindueskift() {
    oprydning_.setSingleShot(true);
    oprydning_.setInterval(Frist);
    connect(&oprydning_, &QTimer::timeout, this, &QtVindueskift::ryd);
    frist_.setSingleShot(true);
    frist_.setInterval(Frist);
    connect(&frist_, &QTimer::timeout, this, [this] {
        fuldfoer();
        if (naeste_ && naeste_->isVisible() && !naeste_->isActiveWindow()) naeste_->activateWindow();
        send();
    });
    QCoreApplication::instance()->installEventFilter(this);
}

QWidget* QtVindueskift::ejer() const {
    QWidget* w = QApplication::activeWindow();
    if (!w) w = sidstAktiv_;
    while (w && (w->isHidden() || paaVej(*w))) w = foraelderVindue(w);
    if (w) return w;
    return naeste_ && naeste_->isVisible() ? naeste_.data() : nullptr;
}

void QtVindueskift::vis(QWidget& w) {
    std::erase(paaVej_, &w);
    std::erase(skjulte_, &w);
    naeste_ = &w;
    w.show();
    w.raise();
    w.activateWindow();
    if (w.isActiveWindow()) {
        fuldfoer();
    } else {
        skifter_ = true;
        frist_.start();
    }
}

void QtVindueskift::skjul(QWidget& w) {
    if (w.isHidden() || paaVej(w)) return;
    if (std::find(skjulte_.begin(), skjulte_.end(), &w) == skjulte_.end()) skjulte_.emplace_back(&w);
    std::erase(skjulte_, nullptr);
    // Only a window with the keyboard, or with a message or dialog of its own just
    // gone (a question, then a file dialog), has keys to hand over.
    const QWidget* aktiv = sidstAktiv_;
    while (aktiv && aktiv != &w && aktiv->isHidden() && foraelderVindue(aktiv)) aktiv = foraelderVindue(aktiv);
    if (aktiv != &w) {
        w.hide();
        return;
    }
    paaVej_.emplace_back(&w);
    if (naeste_ && naeste_ != &w && naeste_->isVisible() && naeste_->isActiveWindow())
        fuldfoer();
    else
        frist_.start();
}

bool QtVindueskift::paaVej(const QWidget& w) const {
    return std::find(paaVej_.begin(), paaVej_.end(), &w) != paaVej_.end();
}

void QtVindueskift::fuldfoer() {
    frist_.stop();
    skifter_ = false;
    for (const QPointer<QWidget>& w : std::exchange(paaVej_, {}))
        if (w && w != naeste_) w->hide();
}

QtVindueskift::~QtVindueskift() { ryd(); }

void QtVindueskift::efterlad(std::unique_ptr<QWidget> dialog) {
    efterladte_.emplace_back(dialog.release());
    oprydning_.start();
}

void QtVindueskift::ryd() {
    for (const QPointer<QWidget>& d : std::exchange(efterladte_, {})) delete d.data();
}

bool QtVindueskift::forladt(const QWidget* top) const {
    if (top == naeste_) return false;
    if (paaVej(*top)) return true;
    return gaaet(top);
}

bool QtVindueskift::gaaet(const QWidget* top) const {
    return top->isHidden() &&
           (std::find(skjulte_.begin(), skjulte_.end(), top) != skjulte_.end() ||
            std::find(efterladte_.begin(), efterladte_.end(), top) != efterladte_.end());
}

QWidget* QtVindueskift::blivendeVindue(const QWidget* top) const {
    QWidget* v = gaaet(top) ? foraelderVindue(top) : nullptr;
    if (!v) return nullptr;
    while (v->isHidden() && foraelderVindue(v)) v = foraelderVindue(v);
    return v->isVisible() && v != naeste_ && !paaVej(*v) ? v : nullptr;
}

void QtVindueskift::givTastaturetVidere(QWidget& w) {
    // The keys the window system had already sent it go on too.
    std::erase(skjulte_, nullptr);
    if (std::find(skjulte_.begin(), skjulte_.end(), &w) == skjulte_.end()) skjulte_.emplace_back(&w);
    QWidget* til = foraelderVindue(&w);
    if (!til || !til->isVisible()) til = naeste_;
    if (!til || til == &w || !til->isVisible()) return;
#ifdef AKV_MED_XCB
    // The window has just been unmapped: the X server would leave the keyboard with
    // no window until the window manager picks one. The window it leaves takes it
    // at once. Unless the keyboard is already in another window (a drop-down list,
    // as the name field's completions, is the dialog's own).
    const QWindow* fokus = QGuiApplication::focusWindow();
    if (fokus && fokus != w.windowHandle() && fokus->type() != Qt::Popup && fokus->isVisible()) return;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    // A drop-down list left open (the name field's completions) holds the keyboard
    // grabbed until it closes, and what it is sent after the dialog has gone is
    // lost: it closes first.
    while (QWidget* liste = QApplication::activePopupWidget()) liste->close();
    xcb_set_input_focus(x11->connection(), XCB_INPUT_FOCUS_PARENT, static_cast<xcb_window_t>(til->winId()),
                        XCB_CURRENT_TIME);
    xcb_flush(x11->connection());
#endif
}

bool QtVindueskift::eventFilter(QObject* o, QEvent* e) {
    switch (e->type()) {
    case QEvent::WindowActivate:
        if (auto* top = qobject_cast<QWidget*>(o); top && top->isWindow()) sidstAktiv_ = top;
        if (o == naeste_) {
            fuldfoer();
            // After the focus widget has had its focus-in.
            if (!venter_.empty()) QTimer::singleShot(0, this, &QtVindueskift::send);
        }
        return false;
    case QEvent::Hide:
        // A message box, a file dialog or the preview, not one of the windows the logic shows.
        if (auto* w = qobject_cast<QWidget*>(o);
            w && w->isWindow() && (qobject_cast<QDialog*>(w) || w->windowModality() != Qt::NonModal))
            givTastaturetVidere(*w);
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: break;
    default: return false;
    }
    auto* w = qobject_cast<QWidget*>(o);
    if (iSend_ || !w) return false;
    const QWidget* top = w->window();
    QWidget* blivende = blivendeVindue(top);
    // Keys typed into the next window before it is active wait for it too, and any
    // typed into it later wait behind those held.
    if (!blivende && (!naeste_ || !naeste_->isVisible() ||
                      (!forladt(top) && !(top == naeste_ && (skifter_ || !venter_.empty())))))
        return false;
    // No shortcut of the window going away acts on the key.
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    const auto* k = static_cast<QKeyEvent*>(e);
    auto kopi = std::make_unique<QKeyEvent>(k->type(), k->key(), k->modifiers(), k->nativeScanCode(),
                                            k->nativeVirtualKey(), k->nativeModifiers(), k->text(),
                                            k->isAutoRepeat(), k->count());
    if (blivende) {
        // Already the keyboard's window: at once.
        const MidlertidigVaerdi iSend(iSend_, true);
        QApplication::sendEvent(blivende->focusWidget() ? blivende->focusWidget() : blivende, kopi.get());
        return true;
    }
    venter_.push_back(std::move(kopi));
    if (venter_.size() == 1 && naeste_->isActiveWindow()) QTimer::singleShot(0, this, &QtVindueskift::send);
    return true;
}

void QtVindueskift::send() {
    const MidlertidigVaerdi iSend(iSend_, true);
    std::size_t i = 0;
    // A key may change the window again: the rest wait for that one.
    for (; i < venter_.size() && naeste_ && naeste_->isVisible(); ++i) {
        if (i > 0 && !naeste_->isActiveWindow()) break;
        QWidget* fokus = naeste_->focusWidget();
        QApplication::sendEvent(fokus ? fokus : naeste_.data(), venter_[i].get());
    }
    venter_.erase(venter_.begin(), venter_.begin() + static_cast<std::ptrdiff_t>(i));
}

// ---------------------------------------------------------------- window

void HoldIndenforSkaermen(QWidget& w) {
    const QScreen* s = w.screen();
    if (!s || (w.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) return;
    const QRect omraade = s->availableGeometry();
    // The frame is known once the window manager has framed the window; before,
    // room is kept for a title bar and a border.
    QMargins ramme(w.geometry().left() - w.frameGeometry().left(), w.geometry().top() - w.frameGeometry().top(),
                   w.frameGeometry().right() - w.geometry().right(),
                   w.frameGeometry().bottom() - w.geometry().bottom());
    if (ramme.isNull() && !w.isVisible()) ramme = QMargins(4, 30, 4, 4);
    const QSize plads = omraade.size().shrunkBy(ramme).expandedTo(w.minimumSizeHint());
    const QSize stoerrelse = w.size().boundedTo(plads);
    if (stoerrelse != w.size()) w.resize(stoerrelse);
    QRect ydre(w.pos(), stoerrelse.grownBy(ramme));
    // Moved in from the right and the bottom first, so the top left corner with
    // the title bar wins when the window is larger than the area after all.
    if (ydre.right() > omraade.right()) ydre.moveRight(omraade.right());
    if (ydre.bottom() > omraade.bottom()) ydre.moveBottom(omraade.bottom());
    if (ydre.left() < omraade.left()) ydre.moveLeft(omraade.left());
    if (ydre.top() < omraade.top()) ydre.moveTop(omraade.top());
    if (ydre.topLeft() != w.pos()) w.move(ydre.topLeft());
}

QtVindue::QtVindue(Vindue& vindue, QWidget* parent) : QWidget(parent, Qt::Window), vindue_(vindue) {
    vindue_.setVisning(this);
    aendret();
}

QtVindue::~QtVindue() {
    if (vindue_.visning() == this) vindue_.setVisning(nullptr);
    if (modalLoop_) modalLoop_->quit();
}

void QtVindue::aendret() {
    setWindowTitle(QString::fromStdString(vindue_.caption()));
    QtVindueskift& skift = QtVindueskift::instans();
    if (vindue_.shown() && (isHidden() || skift.paaVej(*this))) {
        skift.vis(*this);
    } else if (!vindue_.shown() && !isHidden() && !iLuk_) {
        // A window closing through its close box is hidden by Qt once the event is accepted.
        skift.skjul(*this);
    }
    if (!vindue_.shown() && modalLoop_) modalLoop_->quit();
}

void KoerModalt(QWidget& w, const Vindue& vindue, QPointer<QEventLoop>& loekke) {
    w.setWindowModality(Qt::ApplicationModal);
    w.show();
    w.raise();
    w.activateWindow();
    QEventLoop loop;
    loekke = &loop;
    if (vindue.shown()) loop.exec();
    loekke = nullptr;
}

void QtVindue::visModalt() {
    KoerModalt(*this, vindue_, modalLoop_);
    if (!vindue_.shown() && !isHidden()) hide();
    setWindowModality(Qt::NonModal);
}

void QtVindue::closeEvent(QCloseEvent* event) {
    // Reset also when the logic throws (the guard reports it), or the window could
    // never be hidden again.
    bool luk = false;
    {
        const MidlertidigVaerdi iLuk(iLuk_, true);
        luk = vindue_.userClose();
    }
    if (luk) {
        event->accept();
        if (modalLoop_) modalLoop_->quit();
    } else {
        event->ignore();
        // The logic may have hidden the window while refusing (the work window
        // opens the end window instead of closing).
        if (!vindue_.shown() && !isHidden()) QtVindueskift::instans().skjul(*this);
    }
}

void QtVindue::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

void QtVindue::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isMaximized() || isMinimized() || isFullScreen()) return;
    // After the window manager has applied the normal geometry.
    QTimer::singleShot(0, this, [this] { HoldIndenforSkaermen(*this); });
}

bool QtVindue::gridEditorAaben() {
    // An editor is a widget of its own inside the view's viewport, holding the focus.
    QWidget* fokus = QApplication::focusWidget();
    for (QWidget* w = fokus; w; w = w->parentWidget())
        if (auto* v = qobject_cast<QAbstractItemView*>(w)) return fokus != v && fokus != v->viewport();
    return false;
}

void QtVindue::keyPressEvent(QKeyEvent* event) {
    if (ErEnter(event) && vindue_.userEnter(gridEditorAaben())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
