#include "platform/qt/QtBeskeder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>

#include "platform/qt/QtVinduer.h"

namespace {

QMessageBox::Icon qtIkon(BeskedIkon i) {
    switch (i) {
    case BeskedIkon::Kritisk: return QMessageBox::Critical;
    case BeskedIkon::Udraab: return QMessageBox::Warning;
    case BeskedIkon::Spoergsmaal: return QMessageBox::Question;
    case BeskedIkon::Information: return QMessageBox::Information;
    case BeskedIkon::Ingen: break;
    }
    return QMessageBox::NoIcon;
}

// A line feed and a carriage return make one break in either order: the messages
// break their lines with LF CR and mark a blank line with a second LF. Breaks at the
// end would only leave empty space under the text.
QString visningstekst(const std::string& s) {
    QString t = QString::fromStdString(s)
                    .replace(QStringLiteral("\n\r"), QStringLiteral("\n"))
                    .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                    .replace('\r', '\n');
    while (t.endsWith('\n')) t.chop(1);
    return t;
}

// A question offering only "Ja" and "Nej" has no cancel: Esc and the close box
// would otherwise answer "Nej", and on a save prompt that throws the data away.
// The box waits for one of its two buttons.
class JaNejBoks : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->matches(QKeySequence::Cancel)) return;
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

// Watches every key of the program while its box is shown (see QtBeskeder).
class Tastevagt : public QObject {
public:
    Tastevagt(QMessageBox& boks, std::chrono::milliseconds roTid) : boks_(boks), roTid_(roTid.count()) {
        stille_.start();
        qApp->installEventFilter(this);
    }
    ~Tastevagt() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        const QEvent::Type t = e->type();
        if (t != QEvent::KeyPress && t != QEvent::KeyRelease && t != QEvent::ShortcutOverride) return false;
        // Keys typed after the answer, the box gone, go on to the window that follows.
        if (boks_.isHidden()) return false;
        // A window passes its keys on to its focus widget; they are judged there.
        auto* w = qobject_cast<QWidget*>(o);
        if (!w) return false;
        // Taken as the focus widget's own key, so no shortcut of any window acts on it.
        if (t == QEvent::ShortcutOverride) {
            e->accept();
            return true;
        }
        if (t == QEvent::KeyRelease) return true;
        auto* tast = static_cast<QKeyEvent*>(e);
        const bool iBoksen = w == &boks_ || boks_.isAncestorOf(w);
        if (iBoksen && !tast->isAutoRepeat() && stille_.elapsed() >= roTid_ && svar(tast)) return true;
        stille_.start();
        return true;
    }

private:
    // A key pressed after the quiet: true when it is the box's, false to drop it.
    bool svar(QKeyEvent* tast) {
        QAbstractButton* knap = nullptr;
        switch (tast->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            // The focused button, which the box marks as the one Enter presses once
            // Tab or an arrow has moved to it; else the default button.
            knap = qobject_cast<QAbstractButton*>(boks_.focusWidget());
            if (!knap) knap = boks_.defaultButton();
            break;
        case Qt::Key_Escape:
            knap = boks_.escapeButton();
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            // To the next or previous button.
            const QList<QAbstractButton*> knapper = boks_.buttons();
            const bool frem = tast->key() == Qt::Key_Tab || tast->key() == Qt::Key_Right || tast->key() == Qt::Key_Down;
            const qsizetype n = knapper.size();
            const qsizetype i = knapper.indexOf(qobject_cast<QAbstractButton*>(boks_.focusWidget()));
            if (n > 0) knapper[((i < 0 ? 0 : i) + (frem ? 1 : n - 1)) % n]->setFocus(Qt::TabFocusReason);
            return true;
        }
        default:
            return false;
        }
        if (!knap) return false;
        knap->click();
        return true;
    }

    QMessageBox& boks_;
    qint64 roTid_;  // ms
    QElapsedTimer stille_;  // since the box came, or the last key dropped
};

}  // namespace

std::unique_ptr<QMessageBox> lavBeskedboks(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                                          const std::string& titel, QWidget* parent) {
    std::unique_ptr<QMessageBox> boks =
        knapper == BeskedKnapper::JaNej ? std::make_unique<JaNejBoks>(parent) : std::make_unique<QMessageBox>(parent);
    // Never read as rich text: an interval such as " 0 < Temperatur < 80" stays as written.
    boks->setTextFormat(Qt::PlainText);
    boks->setText(visningstekst(tekst));
    boks->setIcon(qtIkon(ikon));
    boks->setWindowTitle(QString::fromStdString(titel.empty() ? std::string(ProgramNavn) : titel));
    if (knapper == BeskedKnapper::JaNej) {
        QPushButton* ja = boks->addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton* nej = boks->addButton(QStringLiteral("Nej"), QMessageBox::NoRole);
        ja->setObjectName(QStringLiteral("Ja"));
        nej->setObjectName(QStringLiteral("Nej"));
        boks->setDefaultButton(ja);
    } else {
        QPushButton* ok = boks->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        ok->setObjectName(QStringLiteral("OK"));
        boks->setDefaultButton(ok);
        boks->setEscapeButton(ok);
    }
    return boks;
}

BeskedSvar beskedSvar(const QMessageBox& boks) {
    const QAbstractButton* b = boks.clickedButton();
    if (b && b->objectName() == QLatin1String("Ja")) return BeskedSvar::Ja;
    if (b && b->objectName() == QLatin1String("Nej")) return BeskedSvar::Nej;
    // A question box cannot be closed any other way; should the program close it
    // all the same, the answer is no.
    for (const QAbstractButton* k : boks.buttons())
        if (k->objectName() == QLatin1String("Nej")) return BeskedSvar::Nej;
    return BeskedSvar::OK;
}

BeskedSvar QtBeskeder::vis(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                           const std::string& titel) {
    QWidget* vindue = QtVindueskift::instans().ejer();
    auto boks = lavBeskedboks(tekst, ikon, knapper, titel, vindue);
    {
        const Tastevagt vagt(*boks, roTid_);
        boks->exec();
    }
    // The keys go on where they were typed before, also where the window manager
    // activates no window of its own accord.
    if (vindue && vindue->isVisible()) vindue->activateWindow();
    const BeskedSvar svar = beskedSvar(*boks);
    QtVindueskift::instans().efterlad(std::move(boks));
    return svar;
}
