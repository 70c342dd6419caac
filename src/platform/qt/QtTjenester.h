#pragma once
// The wait cursor and the data file's dialogs on Qt.
#include <QFileDialog>
#include <memory>

#include "platform/Tjenester.h"

// The hourglass over the whole program while an action runs.
class QtVentemarkoer : public VentemarkoerService {
public:
    void start() override;
    void slut() override;
};

// The dialog as it will be shown, not yet shown: title (or the dialog's own for
// opening or saving), filters, start name, default suffix.
std::unique_ptr<QFileDialog> lavFilDialog(const FilDialogValg& valg, bool gem, QWidget* parent = nullptr);

class QtFilDialoger : public FilDialogService {
public:
    std::optional<std::string> aaben(const FilDialogValg& valg) override;
    std::optional<std::string> gem(const FilDialogValg& valg) override;

private:
    std::optional<std::string> vis(const FilDialogValg& valg, bool gem);

    // The folder of the last file chosen: a dialog without a start name opens there.
    QString mappe_;
};
