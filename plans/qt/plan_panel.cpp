#include "plans/qt/plan_panel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <system_error>

#include "app/main_window.h"
#include "app/message_numbers.h"
#include "plans/plan_check.h"
#include "plans/plan_file.h"
#include "plans/qt/panel_support.h"

namespace ritmora {
namespace {

// The boxes show lines joined with LF; the plan files and the core join them with CR LF.
QString ForTextBox(const std::string& text) {
    QString shown = Utf8(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

}  // namespace

std::filesystem::path PlanPanel::PlanFolder() const { return window_.DataFolder() / "vlvl"; }

std::optional<std::filesystem::path> PlanPanel::SelectedPlanFile() const {
    const QListWidgetItem* item = window_.Controls().File1->currentItem();
    if (item == nullptr || !item->isSelected()) return std::nullopt;
    return PlanFolder() / PathFromUtf8(item->text().toStdString());
}

void PlanPanel::ValidatePlan() {
    const WindowControls& c = window_.Controls();
    const std::string text = c.Text14->toPlainText().toStdString();
    const std::string name = c.Text9->text().toStdString();
    const PlanCheckResult result = ritmora::ValidatePlan(text, name, window_.Library());
    if (result.messageIndex != 0) {
        ShowPlanFault(window_, result.messageIndex, result.line);
        return;
    }
    c.Text14->setPlainText(ForTextBox(result.normalisedText));

    std::error_code code;
    std::filesystem::create_directories(PlanFolder(), code);
    std::string error;
    if (!WritePlanFile(PlanFolder(), result, &error)) {
        ShowPlanText(window_, PlanFileFailureText(window_, PlanFileAction::kWrite, error));
        return;
    }
    RefreshFileList();
    plan_.SetPassages(result.passageNames);
    FillPassageList();
}

void PlanPanel::RefreshFileList() {
    QListWidget* list = window_.Controls().File1;
    list->clear();
    for (const std::filesystem::path& file : ListPlanFiles(PlanFolder())) {
        const std::u8string name = file.filename().u8string();
        list->addItem(
            Utf8(std::string_view(reinterpret_cast<const char*>(name.data()), name.size())));
    }
    list->setCurrentRow(-1);
}

void PlanPanel::File1_Click(bool report) {
    const auto file = SelectedPlanFile();
    if (!file) return;
    OpenPlanText();
    PasajSırala();
    if (!report) return;
    // A file edited outside the program meets the rules of saving again.
    const PlanReadResult check = ReadPlanForRendering(ReadPlanFileText(*file), window_.Library());
    if (check.messageIndex != 0) ShowPlanFault(window_, check.messageIndex, check.line);
}

void PlanPanel::OpenPlanText() {
    const auto file = SelectedPlanFile();
    if (!file) {
        window_.ShowMessage(message::kSelectAPlan);
        return;
    }
    const WindowControls& c = window_.Controls();
    c.Text14->setPlainText(ForTextBox(ReadPlanFileText(*file)));
    c.Text9->setText(Utf8(PlanNameFromFileName(c.File1->currentItem()->text().toStdString())));
}

void PlanPanel::PasajSırala() {
    const auto file = SelectedPlanFile();
    if (!file) return;
    plan_.SetPassages(PassageNamesOf(ReadPlanFileText(*file)));
    FillPassageList();
}

void PlanPanel::FillPassageList() {
    QListWidget* list = window_.Controls().List3;
    list->clear();
    for (const std::string& name : plan_.PassageNames) list->addItem(Utf8(name));
    if (list->count() > 0) list->setCurrentRow(0);
}

void PlanPanel::ClearPlanBoxes() {
    const WindowControls& c = window_.Controls();
    RefreshFileList();
    plan_.SetPassages({});
    c.List3->clear();
    c.Text14->clear();
    c.Text9->clear();
}

void PlanPanel::Command10_Click() { ClearPlanBoxes(); }

void PlanPanel::Command5_Click() {
    const auto file = SelectedPlanFile();
    if (!file) {
        window_.ShowMessage(message::kSelectAPlan);
        return;
    }
    const QString name = window_.Controls().File1->currentItem()->text();
    if (!window_.AskMessage(message::kDeletePlanQuestion, {name})) return;
    std::error_code code;
    if (!std::filesystem::remove(*file, code) && code) {
        ShowPlanText(window_,
                     PlanFileFailureText(window_, PlanFileAction::kDelete, code.message()));
        return;
    }
    ClearPlanBoxes();
}

}  // namespace ritmora
