#include "platform/qt/QtBeskeder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

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
    auto boks = lavBeskedboks(tekst, ikon, knapper, titel, QApplication::activeWindow());
    boks->exec();
    return beskedSvar(*boks);
}
