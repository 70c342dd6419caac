#include "platform/qt/QtUdskriftsforloeb.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

QtUdskriftsforloeb::QtUdskriftsforloeb(Udskriftsforloeb& f, QWidget* parent) : QDialog(parent), f_(f) {
    setObjectName(QStringLiteral("Udskriftsforloeb"));
    setWindowModality(Qt::ApplicationModal);
    auto* lag = new QVBoxLayout(this);
    tekst_ = new QLabel(this);
    tekst_->setMinimumWidth(360);
    lag->addWidget(tekst_);
    bjaelke_ = new QProgressBar(this);
    bjaelke_->setTextVisible(false);
    lag->addWidget(bjaelke_);
    auto* knapper = new QHBoxLayout;
    knapper->addStretch(1);
    annuller_ = new QPushButton(this);
    connect(annuller_, &QPushButton::clicked, this, [this] { f_.userCancel(); });
    knapper->addWidget(annuller_);
    lag->addLayout(knapper);
    f_.setVisning(this);
}

QtUdskriftsforloeb::~QtUdskriftsforloeb() {
    if (f_.visning() == this) f_.setVisning(nullptr);
    if (markoer_) QGuiApplication::restoreOverrideCursor();
}

void QtUdskriftsforloeb::vis() {
    setWindowTitle(QString::fromStdString(f_.tekster().titel));
    annuller_->setText(QString::fromStdString(f_.tekster().annuller));
    bjaelke_->setRange(0, std::max(1, f_.antalSider()));
    show();
    raise();
    // The job may run under the hourglass; the Cancel button is the user's to work.
    if (!markoer_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    markoer_ = true;
    opdater();
}

void QtUdskriftsforloeb::opdater() {
    tekst_->setText(QString::fromStdString(f_.tekst()));
    bjaelke_->setValue(f_.sidenummerIJob() - 1);
    QCoreApplication::processEvents();
}

void QtUdskriftsforloeb::skjul() {
    hide();
    if (markoer_) QGuiApplication::restoreOverrideCursor();
    markoer_ = false;
}

void QtUdskriftsforloeb::reject() { f_.userCancel(); }
