#pragma once
// The main window: the notation above a 100-pixel band of controls, the library lists, the plan
// panels (raised from below the band) and the menus. The state lives in an EditorModel; the
// handlers are split by panel (library_panel.cpp, notation_panel.cpp, window_texts.cpp,
// screen_lock.cpp, window_layout.cpp).
#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "app/editor_model.h"
#include "app/texts.h"
#include "app/window_controls.h"
#include "notation/qt/glyph_sheet.h"

class QListWidget;

namespace ritmora {

// No Q_OBJECT: moc cannot read a class name with Turkish letters. The window needs no signals
// of its own; its handlers are connected with lambdas.
class ArayüzKalıp : public QMainWindow {
  public:
    // Builds the window and runs the start-up: Turkish texts, the library opened (created from
    // the default copy when missing), the saved colour, the unit note, the empty staff. When the
    // library cannot be opened the reason is shown and StartedOk() is false: the program ends.
    explicit ArayüzKalıp(const std::filesystem::path& dataFolder, QWidget* parent = nullptr);
    ~ArayüzKalıp() override;

    bool StartedOk() const { return startedOk_; }

    // ---- Controls.
    WindowControls& Controls() { return controls_; }
    // A named control (widget, menu, menu item or timer) of the screen-lock sweep; null if none.
    QObject* Control(std::string_view name) const;
    // Adds a control to the sweep of EkranKiliti (for controls that later panels create).
    void RegisterControl(QObject* control);
    std::vector<QObject*> RegisteredControls() const;

    // ---- State.
    EditorModel& Model() { return model_; }
    UsulRecord& CurrentUsul() { return model_.CurrentUsul; }
    int CurrentSlot() const { return model_.CurrentSlot; }
    void SetCurrentSlot(int slot) { model_.CurrentSlot = slot; }
    long long ExpectedTotal() const { return model_.ExpectedTotal; }
    int SelectedRing() const { return model_.SelectedRing; }
    void SetSelectedRing(int ring) { model_.SelectedRing = ring; }
    int UnitNote() const { return model_.UnitNote; }
    SettingsRecord& CurrentSettings() { return model_.CurrentSettings; }
    UsulLibrary& Library() { return *model_.library; }
    const GlyphSheet& Glyphs() const { return glyphs_; }
    const std::filesystem::path& DataFolder() const { return model_.dataFolder; }
    Language language() const { return model_.language; }
    // The window's drawing area height H (below the menu bar).
    int InnerHeight() const;
    // The fonts of the notation (sans-serif 8 pt) and of the lists and the plan text ("Courier
    // New" 8.25 pt, else the system's fixed-pitch font).
    const QFont& NotationFont() const { return notationFont_; }
    const QFont& ListFont() const { return listFont_; }

    // ---- Shared operations.
    void göster();    // full redraw of CurrentUsul, total and status
    void BoşPorte();  // the empty staff for the picture's current height
    void EkranKiliti(int durum);
    void ShowMessage(int index);  // plain OK box, MessageText(language, index)
    bool AskMessage(int index);   // OK/Cancel question, Cancel the default; true = OK
    void SetTurkishTexts();
    void SetEnglishTexts();
    bool LoadCurrentSlot();  // reads slot CurrentSlot into CurrentUsul; false on failure
    void renklendir(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    void EkranDizayn();
    void ListeYap(int first, int last, QListWidget* list);
    void SabitListeYap();
    // Time signature change: ExpectedTotal from Text2/Text3 (kept for a 0 denominator), the
    // status, the slot label and the total box.
    void TimeSignatureChanged();
    // Label4 from ExpectedTotal and the total.
    void ShowCompletenessStatus();
    // The fixed-slot buttons enabled for user slots (201..255), disabled otherwise.
    void ApplyFixedSlotLock();
    // The pause/continue caption of the plan pause button for the current language and state.
    void ShowPlanPauseCaption();

    // ---- Handlers, public so that later panels and tests can run them as a click does.
    void But_yükle_Click();
    void List1_MouseDown(Qt::MouseButton button, int lineIndex);  // -1: no line under the mouse
    void But_önceki_Click();
    void But_sonraki_Click();
    void But_kaydet_Click();
    void But_farklı_Click();
    void List2_MouseDown(Qt::MouseButton button, int lineIndex);
    void But_Sil_Click();
    void But_Temizle_Click();
    void Label1_Change();
    void Text5_Change();
    void Mn_Lisanlar_Click();
    void Mn_yardm_Click();
    void Mn_bilgi_Click();
    void PicBirimNota_Click();  // steps the unit note 4 -> 8 -> 16 -> 4
    void VScroll1_Change();     // "= BpM" in Label5
    void PaintUnitNoteBox();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // window_layout.cpp
    void BuildControls();
    void BuildBand(QWidget* area);
    void BuildPlanPanels(QWidget* area);
    void BuildHelpPanel(QWidget* area);
    void BuildMenus();
    void DrawMetronomeGrid();
    // main_window.cpp
    void FormLoad();
    void WireHandlers();
    // window_texts.cpp
    void ApplyTexts(Language language);
    void ApplyCaptions(Language language, CaptionGroup group);
    // library_panel.cpp
    bool LoadIntoBoxes();  // load step 2: LoadCurrentSlot, the boxes, the slot label
    void SetSlotLabel(int slot);
    bool WriteSlotReporting(int slot, const UsulRecord& record);
    bool ReadTimeSignatureBoxes(std::uint8_t& beats, std::uint8_t& mertebe);

    EditorModel model_;
    GlyphSheet glyphs_;
    WindowControls controls_;
    std::vector<QPointer<QObject>> registry_;  // a control that goes away drops out by itself
    QFont notationFont_;
    QFont listFont_;
    bool startedOk_ = false;
};

}  // namespace ritmora
