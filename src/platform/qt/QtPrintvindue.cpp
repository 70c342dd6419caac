#include "platform/qt/QtPrintvindue.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

QtPrintvindue::QtPrintvindue(Printvindue& w) : w_(w) {
    setObjectName("AkvPrint");
    tb_ = addToolBar("print");
    tb_->setObjectName("print");
    tb_->setMovable(false);
    tb_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    panel_ = new QLabel(this);
    panel_->setObjectName("Status1");
    statusBar()->addWidget(panel_, 1);
    splitter_ = new QSplitter(this);
    splitter_->setObjectName("SSSplitter1");
    udskrift_ = std::make_unique<QtUdskrift>(w_.vp, splitter_);
    fremviser_ = udskrift_->widget();
    splitter_->addWidget(fremviser_);
    setCentralWidget(splitter_);
    // Room for the A4 page at 100 %, within a 1366 x 768 screen with its taskbar and
    // the window's frame, in the middle of the screen.
    QSize stoerrelse(1000, 700);
    if (const QScreen* s = screen()) {
        const QRect r = s->availableGeometry();
        stoerrelse = stoerrelse.boundedTo(r.size() - QSize(40, 60));
        resize(stoerrelse);
        move(r.center() - QPoint(stoerrelse.width() / 2, stoerrelse.height() / 2));
    } else {
        resize(stoerrelse);
    }

    // Esc closes the window as its close box does: it has no close button of its own.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);

    w_.vindue.setVisning(&vindueVisning_);
    w_.tb.setVisning(&vaerktoejVisning_);
    w_.Status.setVisning(&statusVisning_);
    visVindue();
    byggVaerktoejer();
    visStatus();
}

QtPrintvindue::~QtPrintvindue() {
    if (loekke_) loekke_->quit();
    if (w_.vindue.visning() == &vindueVisning_) w_.vindue.setVisning(nullptr);
    if (w_.tb.visning() == &vaerktoejVisning_) w_.tb.setVisning(nullptr);
    if (w_.Status.visning() == &statusVisning_) w_.Status.setVisning(nullptr);
}

void QtPrintvindue::closeEvent(QCloseEvent* e) {
    // The logic hides the window when it lets it close; the loop then ends.
    if (w_.vindue.userClose())
        e->accept();
    else
        e->ignore();
}

void QtPrintvindue::visVindue() {
    setWindowTitle(QString::fromStdString(w_.vindue.caption()));
    if (w_.vindue.shown()) {
        if (!isVisible()) show();
        return;
    }
    if (isVisible()) hide();
    if (loekke_) loekke_->quit();
}

void QtPrintvindue::byggVaerktoejer() {
    tb_->clear();
    for (const Vaerktoej& v : w_.tb.elementer()) {
        if (v.separator) {
            tb_->addSeparator();
            continue;
        }
        QAction* a = tb_->addAction(QString::fromStdString(v.tekst));
        a->setObjectName(QString::fromStdString(v.noegle));
        a->setToolTip(QString::fromStdString(v.tekst));
        const std::string noegle = v.noegle;
        // Queued: the click may rebuild the toolbar, which must not delete the action
        // while its signal is being delivered.
        connect(a, &QAction::triggered, this, [this, noegle] { w_.tb.userClick(noegle); }, Qt::QueuedConnection);
        if (auto* knap = qobject_cast<QAbstractButton*>(tb_->widgetForAction(a))) TastaturKnap(knap);
    }
}

void QtPrintvindue::visStatus() { panel_->setText(QString::fromStdString(w_.Status.panelText(1))); }

std::unique_ptr<PrintvindueVisning> QtPrintvindueService::lav(Printvindue& w) {
    auto v = std::make_unique<QtPrintvindue>(w);
    aaben_ = v.get();
    return v;
}
