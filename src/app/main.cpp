// Akvifer: the Qt services installed, the numbers in the user's format, and the work
// window on new data. The start window takes the work window's place as the first
// window once it exists.
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include "celler/Talformat.h"
#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "platform/Beskeder.h"
#include "platform/InddataKontroller.h"
#include "platform/Tjenester.h"
#include "platform/qt/AkvApplikation.h"
#include "platform/qt/QtBeskeder.h"
#include "platform/qt/QtInddataVindue.h"
#include "platform/qt/QtTjenester.h"
#include "windows/frmInddata.h"

int main(int argc, char** argv) {
    AkvApplikation app(argc, argv);
    AkvApplikation::setApplicationName(QString::fromUtf8(ProgramNavn));

    // Qt's own texts (the file dialogs' buttons and titles) in Danish.
    QTranslator qtTekster;
    if (qtTekster.load(QLocale(QLocale::Danish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        AkvApplikation::installTranslator(&qtTekster);

    // Numbers are typed, shown and stored in the user's own format.
    Talformat::saetAktuel(Talformat::fraSystem());

    QtBeskeder beskedService;
    QtVentemarkoer ventemarkoerService;
    QtFilDialoger filDialogService;
    saetBeskedService(&beskedService);
    saetVentemarkoerService(&ventemarkoerService);
    saetFilDialogService(&filDialogService);

    // The whole screen: the tabs hold wide tables.
    QtInddataVindue vindue;
    if (const QScreen* s = vindue.screen()) vindue.setGeometry(s->availableGeometry());
    vindue.setWindowState(Qt::WindowMaximized);

    // New data, as the start window's "Nye data" will give it.
    NulstilAlleData();
    tilstand().FilNavn.clear();
    frmInddata_Load();
    Vindue& frmInddata = inddataKontroller().frmInddata;
    // Until the end window exists, the work window's close box ends the program.
    if (!frmInddata.onCloseRequest) frmInddata.onCloseRequest = [] { return true; };
    frmInddata.show();

    const int status = AkvApplikation::exec();
    saetBeskedService(nullptr);
    saetVentemarkoerService(nullptr);
    saetFilDialogService(nullptr);
    return status;
}
