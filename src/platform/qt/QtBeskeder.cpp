#include "platform/qt/QtBeskeder.h"

#include <QAbstractButton>
#include <QApplication>
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

}  // namespace

std::unique_ptr<QMessageBox> lavBeskedboks(const std::string& tekst, BeskedIkon ikon, BeskedKnapper knapper,
                                          const std::string& titel, QWidget* parent) {
    auto boks = std::make_unique<QMessageBox>(parent);
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
        boks->setEscapeButton(nej);
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
    // A question box closed any other way answers no.
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
