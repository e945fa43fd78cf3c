#pragma once
// The loudness menus (Mn_Oseviye, Mn_Zseviye) and the sample bank they rewrite: the level
// factors live here for the life of the program.
#include <QObject>

#include "sound/sample_bank.h"

namespace ritmora {

class ArayüzKalıp;

// No Q_OBJECT: moc cannot read the window's class name; nothing here needs signals.
class SampleBankMenu : public QObject {
  public:
    // Factors 0.6 and 0.4 with "60 %" and "40 %" checked and the menus connected; the bank is
    // written by baslat_bindir. The window owns the menu.
    explicit SampleBankMenu(ArayüzKalıp& window);

    // The menu handlers: item `index` (2..9) checked alone, its factor index / 10, the bank
    // rewritten. Out-of-range indexes are ignored.
    void Mn_Oseviye_Click(int index);
    void Mn_Zseviye_Click(int index);

    // Writes the eighteen sample files into the data folder's vlvl with the current factors.
    // When a file cannot be made: message 13 and the window closes (the program ends); false.
    bool baslat_bindir();

    const LevelFactors& Factors() const { return factors_; }

  private:
    ArayüzKalıp& window_;
    LevelFactors factors_;
};

}  // namespace ritmora
