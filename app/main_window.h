#pragma once
// The main window: the notation above a 100-pixel band of controls, the library lists, the plan
// panels (raised from below the band) and the menus. The usul, its slot, its boxes and its
// history live in the EditorModel; the window redraws from the model's one announcement. The
// panels are built here, each handed the typed references it needs; their handlers are split by
// panel (library_panel.cpp, notation_panel.cpp, window_texts.cpp, screen_lock.cpp,
// window_layout.cpp, editing_*.cpp, playback_panel.cpp, plans/qt/).
#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/editor_model.h"
#include "app/qt_translations.h"
#include "app/screen_lock_rules.h"
#include "app/texts.h"
#include "app/window_controls.h"
#include "library/usul_record.h"
#include "notation/qt/glyph_sheet.h"
#include "playback/qt/player.h"
#include "sound/sample_bank.h"

class QListWidget;

namespace ritmora {

class EditingPanel;
class PlaybackPanel;
class PlanControls;
class SampleBankMenu;

// No Q_OBJECT: moc cannot read a class name with Turkish letters. The window needs no signals
// of its own; its handlers are connected with lambdas.
class ArayüzKalıp : public QMainWindow {
  public:
    // Builds the window and its panels and runs the start-up: Turkish texts, the library opened
    // (created from the default copy when missing), the saved colour, the unit note, the empty
    // staff. When the library cannot be opened the reason is shown and StartedOk() is false:
    // the program ends. `output` chooses the player's output (by default from the environment).
    explicit ArayüzKalıp(const std::filesystem::path& dataFolder,
                         std::optional<Player::Output> output = std::nullopt,
                         QWidget* parent = nullptr);
    ~ArayüzKalıp() override;

    bool StartedOk() const { return startedOk_; }

    // ---- Controls and panels.
    WindowControls& Controls() { return controls_; }
    // A named control of the screen-lock sweep (widget, menu, menu item or timer); null if none.
    QObject* Control(std::string_view name) const;
    std::vector<QObject*> RegisteredControls() const;
    EditingPanel& Editing() { return *editing_; }
    PlaybackPanel& Playback() { return *playback_; }
    PlanControls& Plans() { return *plans_; }
    SampleBankMenu& SampleBank() { return *sampleBank_; }
    Player& AudioPlayer() { return *player_; }

    // ---- State.
    EditorModel& Model() { return model_; }
    const UsulRecord& CurrentUsul() const { return model_.CurrentUsul(); }
    int CurrentSlot() const { return model_.CurrentSlot(); }
    long long ExpectedTotal() const { return model_.ExpectedTotal(); }
    int UnitNote() const { return model_.UnitNote(); }
    int SelectedRing() const { return selectedRing_; }
    void SetSelectedRing(int ring) { selectedRing_ = ring; }
    SettingsRecord& CurrentSettings() { return currentSettings_; }
    UsulLibrary& Library() { return model_.Library(); }
    const GlyphSheet& Glyphs() const { return glyphs_; }
    const std::filesystem::path& DataFolder() const { return dataFolder_; }
    Language language() const { return language_; }
    // The window's drawing area height H (below the menu bar).
    int InnerHeight() const;
    // The fonts of the notation (sans-serif 8 pt) and of the lists and the plan text ("Courier
    // New" 8.25 pt, else the system's fixed-pitch font).
    const QFont& NotationFont() const { return notationFont_; }
    const QFont& ListFont() const { return listFont_; }
    // The instrument of the Option1 buttons, read when audio is rendered.
    Instrument ChosenInstrument() const;
    // True while the notation takes edits: shown, usable and not borrowed by the plan mode.
    bool NotationEditable() const;
    bool InPlanMode() const;

    // ---- The notation as the plan playback shows it: a passage's usul and slot in place of
    // the editor's, which stays as it is. ShowEditorUsul() brings the editor's back.
    void ShowPassageUsul(int slot, const UsulRecord& usul);
    void ShowEditorUsul();

    // ---- Shared operations.
    void göster();    // full redraw: picture, slot label, boxes, total, status, unit box
    void BoşPorte();  // the empty staff for the picture's current height
    void EkranKiliti(ScreenState state);
    void ShowMessage(int index);  // plain OK box, MessageText(language, index)
    bool AskMessage(int index, const QStringList& arguments = {});  // OK/Cancel, Cancel default
    void ShowText(const std::string& text);  // plain OK box with a text of its own
    // Each distinct text once, in order of first appearance (the faults of one rendering).
    void ShowNotices(const std::vector<std::string>& notices);
    void SetTurkishTexts();
    void SetEnglishTexts();
    void renklendir(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    void EkranDizayn();
    void ListeYap(int first, int last, QListWidget* list);
    void SabitListeYap();
    // The fixed-slot buttons enabled for user slots (201..255), disabled otherwise.
    void ApplyFixedSlotLock();
    // The pause/continue caption of the plan pause button for the current language and state.
    void ShowPlanPauseCaption();

    // ---- Handlers, public so that tests can run them as a click does.
    void But_yükle_Click();
    void List1_MouseDown(Qt::MouseButton button, int lineIndex);  // -1: no line under the mouse
    void But_önceki_Click();
    void But_sonraki_Click();
    void But_kaydet_Click();
    void But_farklı_Click();
    void List2_MouseDown(Qt::MouseButton button, int lineIndex);
    void But_Sil_Click();
    void But_Temizle_Click();
    void Mn_Lisanlar_Click();
    void Mn_yardm_Click();
    void Mn_bilgi_Click();
    void PicBirimNota_Click();  // steps the unit note 4 -> 8 -> 16 -> 4
    void VScroll1_Change();     // "= BpM" in Label5

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // window_layout.cpp
    void BuildControls();
    void BuildBand(QWidget* area);
    void BuildPlanPanels(QWidget* area);
    void BuildHelpPanel(QWidget* area);
    void BuildMenus();
    void DrawMetronomeGrid();
    void RegisterControl(QObject* control);
    void PaintUnitNoteBox();
    // main_window.cpp
    void FormLoad();
    void WireHandlers();
    void BuildPanels(std::optional<Player::Output> output);
    // window_texts.cpp
    void ApplyTexts(Language language);
    void ApplyCaptions(Language language, CaptionGroup group);
    // library_panel.cpp
    void LoadSlotReporting(int slot);  // a failed read shows message 1 and changes nothing
    void ShowSlotSource();             // Label_kaynak for the usul on screen
    void ShowStatus(long long expected, int total);

    struct ShownPassage {
        int slot = 0;
        UsulRecord usul;
    };

    std::filesystem::path dataFolder_;
    EditorModel model_;
    GlyphSheet glyphs_;
    WindowControls controls_;
    std::vector<QPointer<QObject>> registry_;  // a control that goes away drops out by itself
    std::optional<ShownPassage> passage_;      // what the plan playback shows, if anything
    SettingsRecord currentSettings_;           // record 256: the background colour
    Language language_ = Language::Turkish;
    QtTranslations qtTexts_;  // Qt's own buttons and dialogs follow language_
    int selectedRing_ = 0;    // 0 = none; every redraw clears it
    QFont notationFont_;
    QFont listFont_;
    Player* player_ = nullptr;
    EditingPanel* editing_ = nullptr;
    PlaybackPanel* playback_ = nullptr;
    PlanControls* plans_ = nullptr;
    SampleBankMenu* sampleBank_ = nullptr;
    bool startedOk_ = false;
};

}  // namespace ritmora
