#include "app/sample_bank_menu.h"

#include <QAction>
#include <array>

#include "app/main_window.h"
#include "app/startup_rules.h"

namespace ritmora {

namespace {

constexpr int kFirstItem = 2;
constexpr int kLastItem = 9;

// Exactly one item of the array checked: `index`.
void CheckOnly(std::array<QAction*, 8>& items, int index) {
    for (QAction* item : items) item->setChecked(false);
    items[static_cast<std::size_t>(index - kFirstItem)]->setChecked(true);
}

float FactorOf(int index) { return static_cast<float>(index) / 10.0f; }

}  // namespace

SampleBankMenu::SampleBankMenu(ArayüzKalıp& window) : QObject(&window), window_(window) {
    WindowControls& c = window_.Controls();
    for (int index = kFirstItem; index <= kLastItem; ++index) {
        const auto at = static_cast<std::size_t>(index - kFirstItem);
        connect(c.Mn_Oseviye[at], &QAction::triggered, this,
                [this, index] { Mn_Oseviye_Click(index); });
        connect(c.Mn_Zseviye[at], &QAction::triggered, this,
                [this, index] { Mn_Zseviye_Click(index); });
    }
    CheckOnly(c.Mn_Oseviye, 6);
    CheckOnly(c.Mn_Zseviye, 4);
    factors_ = LevelFactors{FactorOf(6), FactorOf(4)};
}

void SampleBankMenu::Mn_Oseviye_Click(int index) {
    if (index < kFirstItem || index > kLastItem) return;
    CheckOnly(window_.Controls().Mn_Oseviye, index);
    factors_.medium = FactorOf(index);
    baslat_bindir();
}

void SampleBankMenu::Mn_Zseviye_Click(int index) {
    if (index < kFirstItem || index > kLastItem) return;
    CheckOnly(window_.Controls().Mn_Zseviye, index);
    factors_.soft = FactorOf(index);
    baslat_bindir();
}

bool SampleBankMenu::baslat_bindir() {
    const SampleBankResult result = WriteSampleBank(VlvlFolder(window_.DataFolder()), factors_);
    window_.ShowNotices(result.notices);
    if (result.ok()) return true;
    window_.ShowMessage(result.messageIndex);
    // Without its samples the program cannot sound: it ends in order (the close runs the
    // shutdown of whoever listens for it).
    window_.close();
    return false;
}

}  // namespace ritmora
