#include "plans/qt/panel_support.h"

#include "app/main_window.h"
#include "app/message_box.h"
#include "plans/plan_messages.h"

namespace ritmora {

void ShowPlanText(ArayüzKalıp& window, const std::string& text) {
    ShowMessageBox({&window, Utf8(ApplicationTitle(window.language())), Utf8(text), false});
}

void ShowPlanFault(ArayüzKalıp& window, int messageIndex, int line) {
    ShowPlanText(window, PlanCheckMessage(window.language(), messageIndex, line));
}

std::string PlanFileFailureText(ArayüzKalıp& window, PlanFileAction action,
                                const std::string& reason) {
    const bool english = window.language() == Language::English;
    std::string text;
    if (action == PlanFileAction::kWrite) {
        text = english ? "The plan file could not be written: " : "Meşk planı dosyası yazılamadı: ";
    } else {
        text = english ? "The plan file could not be deleted: " : "Meşk planı dosyası silinemedi: ";
    }
    return text + reason;
}

}  // namespace ritmora
