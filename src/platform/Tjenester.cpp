#include "Tjenester.h"

namespace {
class StilleMarkoer : public VentemarkoerService {
public:
    void start() override {}
    void slut() override {}
};
class FortrydDialoger : public FilDialogService {
public:
    std::optional<std::string> aaben(const FilDialogValg&) override { return std::nullopt; }
    std::optional<std::string> gem(const FilDialogValg&) override { return std::nullopt; }
};
StilleMarkoer stilleMarkoer;
FortrydDialoger fortrydDialoger;
VentemarkoerService* aktivMarkoer = &stilleMarkoer;
FilDialogService* aktivDialog = &fortrydDialoger;
}  // namespace

VentemarkoerService& ventemarkoer() { return *aktivMarkoer; }
void saetVentemarkoerService(VentemarkoerService* s) { aktivMarkoer = s ? s : &stilleMarkoer; }

FilDialogService& fildialoger() { return *aktivDialog; }
void saetFilDialogService(FilDialogService* s) { aktivDialog = s ? s : &fortrydDialoger; }
