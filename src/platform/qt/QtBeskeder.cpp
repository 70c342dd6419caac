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

// Texts written with a carriage return before the line feed show one break.
QString visningstekst(const std::string& s) {
    return QString::fromStdString(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
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
