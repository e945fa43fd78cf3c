// The whole-usul commands: doubling and halving every duration, and the three spacing commands.
#include <QPushButton>

#include "app/editing_panel.h"
#include "app/main_window.h"
#include "notation/transforms.h"

namespace ritmora {
namespace {

constexpr int kDurationsCannotChangeMessage = 7;

}  // namespace

void EditingPanel::WireCommands() {
    WindowControls& c = window_.Controls();
    for (int index = 0; index < static_cast<int>(c.But_mertebe.size()); ++index) {
        connect(c.But_mertebe[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
                [this, index] { But_mertebe_Click(index); });
    }
    connect(c.But_kısalt, &QPushButton::clicked, this, [this] { But_kısalt_Click(); });
    connect(c.But_uzat, &QPushButton::clicked, this, [this] { But_uzat_Click(); });
    connect(c.But_optimize, &QPushButton::clicked, this, [this] { But_optimize_Click(); });
}

void EditingPanel::But_mertebe_Click(int index) {
    if (index != 0 && index != 1) return;
    SyncHistory();
    UsulRecord& usul = window_.CurrentUsul();
    const TransformResult result = index == 0 ? DoubleDurations(usul) : HalveDurations(usul);
    if (result == TransformResult::Refused) {
        window_.ShowMessage(kDurationsCannotChangeMessage);
        return;
    }
    Changed();
}

void EditingPanel::But_kısalt_Click() {
    SyncHistory();
    Shorten(window_.CurrentUsul());
    Changed();
}

void EditingPanel::But_uzat_Click() {
    SyncHistory();
    Extend(window_.CurrentUsul());
    Changed();
}

void EditingPanel::But_optimize_Click() {
    SyncHistory();
    AutoLayout(window_.CurrentUsul());
    Changed();
}

}  // namespace ritmora
