#include "platform/qt/QtTjenester.h"

#include <QFileInfo>
#include <QGuiApplication>

#include "platform/qt/QtVinduer.h"

void QtVentemarkoer::start() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

void QtVentemarkoer::slut() { QGuiApplication::restoreOverrideCursor(); }

namespace {

// "Akvifer filer" with "*.akv" becomes "Akvifer filer (*.akv)"; the details are
// hidden in the dialog, so the user reads the name alone.
QString qtFilter(const FilFilter& f) {
    const QString navn = QString::fromStdString(f.navn);
    if (navn.contains('(')) return navn;
    return navn + QStringLiteral(" (") + QString::fromStdString(f.moenster) + QStringLiteral(")");
}

}  // namespace

std::unique_ptr<QFileDialog> lavFilDialog(const FilDialogValg& valg, bool gem, QWidget* parent) {
    auto d = std::make_unique<QFileDialog>(parent);
    // Qt's own dialog everywhere, so it looks and behaves alike on every desktop.
    d->setOption(QFileDialog::DontUseNativeDialog, true);
    d->setOption(QFileDialog::HideNameFilterDetails, true);
    d->setAcceptMode(gem ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(gem ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Without a title of its own the dialog keeps the one Qt gives opening or saving.
    if (!valg.titel.empty()) d->setWindowTitle(QString::fromStdString(valg.titel));
    QStringList filtre;
    for (const FilFilter& f : valg.filtre) filtre << qtFilter(f);
    if (!filtre.isEmpty()) d->setNameFilters(filtre);
    if (!valg.standardEndelse.empty()) d->setDefaultSuffix(QString::fromStdString(valg.standardEndelse));
    if (!valg.startnavn.empty()) d->selectFile(QString::fromStdString(valg.startnavn));
    return d;
}

std::optional<std::string> QtFilDialoger::aaben(const FilDialogValg& valg) { return vis(valg, false); }

std::optional<std::string> QtFilDialoger::gem(const FilDialogValg& valg) { return vis(valg, true); }

std::optional<std::string> QtFilDialoger::vis(const FilDialogValg& valg, bool gem) {
    auto d = lavFilDialog(valg, gem, QtVindueskift::instans().ejer());
    if (valg.startnavn.empty() && !mappe_.isEmpty()) d->setDirectory(mappe_);
    const bool valgt = d->exec() == QDialog::Accepted;
    const QStringList valgte = d->selectedFiles();
    QtVindueskift::instans().efterlad(std::move(d));
    if (!valgt) return std::nullopt;
    if (valgte.isEmpty() || valgte.first().isEmpty()) return std::nullopt;
    mappe_ = QFileInfo(valgte.first()).absolutePath();
    return valgte.first().toStdString();
}
