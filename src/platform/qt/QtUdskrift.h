#pragma once
// The Qt side of the print document: the laid-out pages painted with QPainter on a
// printer, a PDF file or the preview (a QPrintPreviewWidget, used only to show them).
// The layout is Udskrift's; this measures the font, paints and drives the printer.
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <functional>
#include <memory>
#include <string>

#include "platform/Udskrift.h"

class QPagedPaintDevice;
class QPainter;
class QPrintPreviewWidget;
class QWidget;
class QtUdskriftsforloeb;

// The design's Times New Roman, resolved to the metric-compatible Liberation Serif,
// at a size in points as a pixel size in twips, so it draws and measures in the
// twips of the layout whatever the device.
QFont DokumentFont(double punkter, bool fed);

// Text widths of that font, in twips.
class QtTekstmaal : public Tekstmaal {
public:
    double bredde(std::string_view tekst, double punkter, bool fed) const override;
    double linjehoejde(double punkter, bool fed) const override;
};

// Told the document's number of each page before it is painted; false stops there.
using FoerSide = std::function<bool(int side)>;

// Paints pages foerste..sidste (from 1, held within the document) on the device,
// beginning a new device page for each page after the first. The painter must be
// active on the device, whose origin is the paper's top left corner. False when
// foerSide stopped it.
bool MalSider(QPainter& p, QPagedPaintDevice& enhed, const std::vector<Side>& sider, const Sidemaal& maal,
              int foerste, int sidste, const FoerSide& foerSide = {});

// Writes the whole document to a PDF file on A4; false when the file cannot be written.
bool SkrivPdf(const Udskrift& u, const std::string& sti);

// Prints pages foerste..sidste on the printer; throws when the printer or its file
// cannot be opened or the output finished, so a failure never passes as printed.
// False when foerSide stopped it: the job is aborted and a file it began removed.
bool UdskrivTil(QPrinter& printer, const Udskrift& u, int foerste, int sidste, const FoerSide& foerSide = {});

// The same for the user's print, with the document's progress display; false when
// the user cancelled it.
bool Udskriv(QPrinter& printer, Udskrift& u, int foerste, int sidste);

// False where the machine has no printer to print on and Qt has fallen back to a PDF
// file without a name: the print dialog must then let the user choose.
bool HarPrinter(const QPrinter& printer);

class QtUdskrift : public QObject, public UdskriftVisning {
    Q_OBJECT
public:
    explicit QtUdskrift(Udskrift& u, QWidget* forelder = nullptr);
    ~QtUdskrift() override;

    QPrintPreviewWidget* widget() const { return preview_; }
    Udskrift& udskrift() const { return u_; }

    // UdskriftVisning
    void dokumentSlut() override;
    void udskrivDokument() override;
    void udskrivSider(bool dialog, int foerste, int sidste) override;
    void visningAendret() override;

private:
    void foelg();
    // The print dialog; false when cancelled, otherwise the pages the user chose.
    bool vaelgPrinter(QPrinter& printer, int& foerste, int& sidste);

    Udskrift& u_;
    QtTekstmaal maal_;
    QPointer<QtUdskriftsforloeb> forloeb_;
    std::unique_ptr<QPrinter> previewPrinter_;
    QPrintPreviewWidget* preview_;
    bool foelger_ = false;
    bool udenForVisning_ = false;
};
