// Akvifer: the Qt services installed, the numbers in the user's format, the windows'
// handlers attached, and the start window shown.
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include "celler/Talformat.h"
#include "platform/Beskeder.h"
#include "platform/Printvindue.h"
#include "platform/Tjenester.h"
#include "platform/qt/AkvApplikation.h"
#include "platform/qt/QtBeskeder.h"
#include "platform/qt/QtInddataVindue.h"
#include "platform/qt/QtPrintvindue.h"
#include "platform/qt/QtStartSlut.h"
#include "platform/qt/QtTjenester.h"
#include "windows/Gridhandlere.h"
#include "windows/Livscyklus.h"
#include "windows/Printmenu.h"
#include "windows/frmInddata.h"

int main(int argc, char** argv) {
    AkvApplikation app(argc, argv);
    AkvApplikation::setApplicationName(QString::fromUtf8(ProgramNavn));
    // The program ends only by its own actions; a hidden work window must not be
    // closed by Qt when the last visible window goes.
    AkvApplikation::setQuitOnLastWindowClosed(false);

    // Qt's own texts (the file and print dialogs' buttons and titles) in Danish.
    QTranslator qtTekster;
    if (qtTekster.load(QLocale(QLocale::Danish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        AkvApplikation::installTranslator(&qtTekster);

    // Numbers are typed, shown and stored in the user's own format.
    Talformat::saetAktuel(Talformat::fraSystem());

    QtBeskeder beskedService;
    QtVentemarkoer ventemarkoerService;
    QtFilDialoger filDialogService;
    QtPrintvindueService printvindueService;
    saetBeskedService(&beskedService);
    saetVentemarkoerService(&ventemarkoerService);
    saetFilDialogService(&filDialogService);
    saetPrintvindueService(&printvindueService);

    // The start and end windows, and the program's end on Qt.
    QtStartSlut startSlut;

    // The work window is made once and stays hidden until the start window opens it.
    // It takes the whole screen: the tabs hold wide tables.
    QtInddataVindue vindue;
    if (const QScreen* s = vindue.screen()) vindue.setGeometry(s->availableGeometry());
    vindue.setWindowState(Qt::WindowMaximized);

    ForbindGridHandlere();
    ForbindNavigation();
    ForbindLivscyklus();
    KoblPrintmenu();
    StartProgram();

    const int status = AkvApplikation::exec();
    saetPrintvindueService(nullptr);
    saetFilDialogService(nullptr);
    saetVentemarkoerService(nullptr);
    saetBeskedService(nullptr);
    return status;
}
