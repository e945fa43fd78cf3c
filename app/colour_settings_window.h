#pragma once
// FRenk, the small colour window: three scroll bars (red, green, blue) with a preview swatch,
// "Make Permanent", "Apply" and "Revert to Default". It is modeless; the main window is disabled
// while it is open and enabled again however it closes (Apply, the title bar, Escape, or the
// main window's own shutdown).
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "app/texts.h"
#include "library/usul_record.h"

class QCheckBox;
class QPushButton;
class QScrollBar;

namespace ritmora {

struct ColourWindowCalls {
    // Puts the colour into CurrentSettings and colours the main window (renklendir).
    std::function<void(const SettingsRecord& settings)> apply;
    // Writes the settings to record 256 of the library; false when the write failed.
    std::function<bool(const SettingsRecord& settings)> store;
};

// The captions of FRenk in both languages (blanks are part of them).
const char* ColourWindowCaption(Language language, const char* control);

class FRenk : public QWidget {
    Q_OBJECT
  public:
    // Opens on the colour of `current` with the captions of `language` and disables
    // `mainWindow`. The window deletes itself when closed.
    FRenk(QWidget* mainWindow, const SettingsRecord& current, Language language,
          ColourWindowCalls calls);
    ~FRenk() override;

    // The colour of the swatch, one byte per scroll bar.
    const std::array<std::uint8_t, 3>& PreviewColour() const { return preview_; }
    // The window this one was opened for (null once it is gone).
    QWidget* MainWindow() const { return mainWindow_.data(); }

    void But_RenkTamam_Click();  // apply and close
    void Command1_Click();       // the default colour on the scroll bars

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ScrollChanged(int bar, int value);
    void EnableMainWindow();

    QPointer<QWidget> mainWindow_;
    SettingsRecord settings_;
    Language language_;
    ColourWindowCalls calls_;
    std::array<std::uint8_t, 3> preview_{};
    std::array<QScrollBar*, 3> bars_{};
    QWidget* swatch_ = nullptr;
    QCheckBox* permanent_ = nullptr;
};

}  // namespace ritmora
