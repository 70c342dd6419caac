#include "platform/qt/QtStartSlut.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/StartSlutKontroller.h"

namespace {

QString Tekst(const std::string& s) { return QString::fromStdString(s); }

QLabel* Etiket(const std::string& tekst, double skala, bool fed, QWidget* parent) {
    auto* l = new QLabel(Tekst(tekst), parent);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * skala);
    f.setBold(fed);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    return l;
}

}  // namespace

QtMenuKnap::QtMenuKnap(Knap& knap, QWidget* parent) : QtKnap(knap, parent) {
    setObjectName(Tekst(knap.navn()));
    setMinimumSize(220, 36);
}

QtMenuVindue::QtMenuVindue(Vindue& vindue, const std::string& overskrift, const std::string& undertekst,
                           const std::vector<Plads>& knapper)
    : QWidget(nullptr), vindue_(vindue) {
    setObjectName(Tekst(vindue.navn()));
    // Closing one of these windows never ends the program by itself: the logic decides.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* lag = new QVBoxLayout(this);
    lag->setContentsMargins(32, 28, 32, 28);
    lag->setSpacing(14);
    lag->setSizeConstraint(QLayout::SetFixedSize);
    lag->addWidget(Etiket(overskrift, 1.9, true, this));
    if (!undertekst.empty()) lag->addWidget(Etiket(undertekst, 1.2, false, this));
    lag->addSpacing(12);

    auto* gitter = new QGridLayout;
    gitter->setHorizontalSpacing(12);
    gitter->setVerticalSpacing(10);
    for (const Plads& p : knapper) {
        auto* k = new QtMenuKnap(*p.knap, this);
        gitter->addWidget(k, p.raekke, p.soejle);
        knapper_.push_back(k);
    }
    lag->addLayout(gitter);

    vindue_.setVisning(this);
    aendret();
}

QtMenuVindue::~QtMenuVindue() {
    if (vindue_.visning() == this) vindue_.setVisning(nullptr);
}

QtMenuKnap* QtMenuVindue::knap(const std::string& navn) const {
    for (QtMenuKnap* k : knapper_)
        if (k->objectName() == Tekst(navn)) return k;
    return nullptr;
}

void QtMenuVindue::aendret() {
    setWindowTitle(Tekst(vindue_.caption()));
    QtVindueskift& skift = QtVindueskift::instans();
    // A plain hide: it sends no close event, so an internal unload never reaches
    // closeEvent. The window change may keep it on screen a moment longer.
    if (!vindue_.shown()) {
        skift.skjul(*this);
        return;
    }
    if (isVisible() && !skift.paaVej(*this)) return;
    if (isHidden()) {
        // In the middle of the screen, as a program's opening window stands.
        adjustSize();
        if (const QScreen* s = screen()) {
            QRect r = frameGeometry();
            r.moveCenter(s->availableGeometry().center());
            move(r.topLeft());
        }
    }
    skift.vis(*this);
    // Each time it opens, the keyboard on its first button.
    if (!knapper_.empty()) knapper_.front()->setFocus(Qt::OtherFocusReason);
}

void QtMenuVindue::closeEvent(QCloseEvent* e) {
    if (!vindue_.shown() || vindue_.userClose())
        e->accept();
    else
        e->ignore();
}

void QtMenuVindue::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && vindue_.userEnter(false)) return;
    QWidget::keyPressEvent(e);
}

std::unique_ptr<QtMenuVindue> LavQtStartVindue() {
    StartKontroller& s = startKontroller();
    return std::make_unique<QtMenuVindue>(
        s.frmStart, s.Label2[0], s.Label2[1],
        std::vector<QtMenuVindue::Plads>{{&s.EksisterendeData, 0, 0}, {&s.NyeData, 0, 1}, {&s.FortrydOgAfslut, 0, 2}});
}

std::unique_ptr<QtMenuVindue> LavQtSlutVindue() {
    SlutKontroller& e = slutKontroller();
    // Left the ways to other data and out, right their saving and going-back partners.
    return std::make_unique<QtMenuVindue>(e.frmSlut, e.Label2, "",
                                          std::vector<QtMenuVindue::Plads>{
                                              {&e.NyeData, 0, 0},
                                              {&e.SaveContinue, 0, 1},
                                              {&e.EksisterendeData, 1, 0},
                                              {&e.Fortryd, 1, 1},
                                              {&e.AfslutUdenAtGemme, 2, 0},
                                              {&e.GemAlt, 2, 1},
                                          });
}

void QtProgramSlut::afslut() { QCoreApplication::exit(0); }

QtStartSlut::QtStartSlut() : start_(LavQtStartVindue()), slut_(LavQtSlutVindue()) {
    saetProgramSlut(&programSlut_);
}

QtStartSlut::~QtStartSlut() { saetProgramSlut(nullptr); }
