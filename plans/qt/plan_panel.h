#pragma once
// The plan editing and saved-plan panels: checking and saving a typed plan, the list of saved
// plans, opening one into the boxes and the passage list, a new plan and deleting one.
#include <filesystem>
#include <optional>

#include "plans/qt/plan_state.h"

namespace ritmora {

class ArayüzKalıp;

class PlanPanel {
  public:
    PlanPanel(ArayüzKalıp& window, PlanState& plan) : window_(window), plan_(plan) {}

    // Where plans live: the data folder's vlvl.
    std::filesystem::path PlanFolder() const;
    // The selected entry of File1, if any.
    std::optional<std::filesystem::path> SelectedPlanFile() const;

    // Command8: checks Text14 and Text9; on success the fixed-column text goes back into Text14,
    // the file is written, File1 is refreshed and List3 filled with the first entry selected.
    void ValidatePlan();
    // File1 over the plan folder, sorted by name; nothing selected afterwards.
    void RefreshFileList();
    // The selected plan of File1 opens: the text and the name into the boxes, the passages
    // into List3; with `report`, the same check as Start, so a file edited by hand shows its
    // fault at once.
    void File1_Click(bool report);
    void OpenPlanText();
    void PasajSırala();
    void Command10_Click();  // new plan
    void Command5_Click();   // delete the selected plan, after a question that names it

  private:
    void FillPassageList();
    void ClearPlanBoxes();

    ArayüzKalıp& window_;
    PlanState& plan_;
};

}  // namespace ritmora
