#include "app/Program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "platform/Beskeder.h"
#include "platform/Printvindue.h"
#include "platform/Tjenester.h"
#include "platform/qt/QtInddataVindue.h"
#include "platform/qt/QtStartSlut.h"
#include "windows/Gridhandlere.h"
#include "windows/Livscyklus.h"
#include "windows/Printmenu.h"
#include "windows/frmInddata.h"

// Numbers are typed, shown and stored in the user's own format.
AkviferProgram::AkviferProgram() : talformat_(Talformat::fraSystem()) {
    QApplication::setApplicationName(QString::fromUtf8(ProgramNavn));
    // The program ends only by its own actions; a hidden work window must not be
    // closed by Qt when the last visible window goes.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own texts (the file and print dialogs' buttons and titles) in Danish.
    if (qtTekster_.load(QLocale(QLocale::Danish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTekster_);

    saetBeskedService(&beskeder_);
    saetVentemarkoerService(&ventemarkoer_);
    saetFilDialogService(&fildialoger_);
    saetPrintvindueService(&printvinduer_);

    // The start and end windows, and the program's end on Qt.
    startSlut_ = std::make_unique<QtStartSlut>();

    // The work window is made once and stays hidden until the start window opens it.
    // It takes the whole screen: the tabs hold wide tables. Its normal size and place
    // (within the screen) are the ones it gets back when the user un-maximises it.
    inddata_ = std::make_unique<QtInddataVindue>();
    inddata_->setWindowState(Qt::WindowMaximized);

    ForbindGridHandlere();
    ForbindNavigation();
    ForbindLivscyklus();
    ForbindPrintmenu();
}

AkviferProgram::~AkviferProgram() {
    // The windows go before the services they might still call.
    inddata_.reset();
    startSlut_.reset();
    saetPrintvindueService(nullptr);
    saetFilDialogService(nullptr);
    saetVentemarkoerService(nullptr);
    saetBeskedService(nullptr);
    QApplication::removeTranslator(&qtTekster_);
}

void AkviferProgram::start() { StartProgram(); }
