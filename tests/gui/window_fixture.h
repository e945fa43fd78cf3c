#pragma once
// The one window fixture: the real main window on a temporary data folder (offscreen). Controls
// are found by objectName, array items with their index ("But_mertebe(0)"). Message boxes are
// recorded (Messages()) and questions answered by AnswerQuestions(), unless a derived fixture
// sets `useRealMessageBoxes`; `libraryBytes` replaces the default library file.
#include <QtTest>
#include <QtWidgets>
#include <memory>
#include <optional>

#include "app/editing_panel.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/message_numbers.h"
#include "app/picture_box.h"
#include "app/playback_panel.h"
#include "app/sample_bank_menu.h"
#include "app/startup_rules.h"
#include "library/library_file.h"
#include "notation/geometry.h"
#include "notation/qt/notation_view.h"
#include "plans/qt/plan_controls.h"
#include "sound/sample_bank.h"
#include "tests/support/test_support.h"

namespace ritmora::testing {

struct ShownMessage {
    QString title, text;
    bool question = false;
};

class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder = std::filesystem::path(dir_.path().toStdString());
        if (!libraryBytes.empty()) WriteBytes(folder / "usuller.usl", libraryBytes);
        SetMessageHook(useRealMessageBoxes ? MessageHook{} : [this](const MessageRequest& request) {
            messages_.push_back({request.title, request.text, request.question});
            return request.question ? questionAnswer_ : true;
        });
        window_ = std::make_unique<ArayüzKalıp>(folder, output);
        ASSERT_TRUE(window_->StartedOk() || !libraryBytes.empty());
        if (!window_->StartedOk()) return;
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    void TearDown() override {
        window_.reset();
        SetMessageHook({});
    }

    ArayüzKalıp& Window() { return *window_; }
    WindowControls& Controls() { return window_->Controls(); }
    // Enabled flag of a control of the screen-lock sweep (a timer counts while it runs).
    bool IsEnabled(const char* name) {
        QObject* control = window_->Control(name);
        EXPECT_NE(control, nullptr) << name;
        if (auto* widget = qobject_cast<QWidget*>(control)) return widget->isEnabled();
        if (auto* action = qobject_cast<QAction*>(control)) return action->isEnabled();
        if (auto* timer = qobject_cast<QTimer*>(control)) return timer->isActive();
        return false;
    }
    // A left click on a button, as the user does it (a disabled button ignores it).
    void Click(const QString& name) {
        auto* button = window_->findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void TriggerMenu(const QString& name) {
        auto* action = window_->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name.toStdString();
        action->trigger();
    }
    // A press on line `line` of an open list, scrolled into view first.
    void ClickListLine(QListWidget* list, int line, Qt::MouseButton button = Qt::LeftButton) {
        ASSERT_TRUE(list->isVisible());
        QListWidgetItem* item = list->item(line);
        ASSERT_NE(item, nullptr);
        list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
        QTest::mouseClick(list->viewport(), button, {}, list->visualItemRect(item).center());
    }
    void LoadSlot(int slot) {
        Click("But_yükle");
        ClickListLine(Controls().List1, slot - 1);
    }
    // Save as from the usul on screen into a user slot 201..255.
    void SaveAs(int slot) {
        Click("But_farklı");
        ClickListLine(Controls().List2, slot - 201);
    }
    QImage Picture() { return Controls().Picture1->Picture(); }
    UsulRecord ReadSlot(int slot) {
        UsulRecord record;
        EXPECT_TRUE(window_->Library().ReadSlot(slot, record)) << slot;
        return record;
    }
    static QStringList Items(const QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }

    const std::vector<ShownMessage>& Messages() const { return messages_; }
    QString LastMessage() const { return messages_.empty() ? QString() : messages_.back().text; }
    void ClearMessages() { messages_.clear(); }
    void AnswerQuestions(bool ok) { questionAnswer_ = ok; }
    // The text of message `index` in the window's language.
    QString Message(int index) {
        return QString::fromStdString(MessageText(window_->language(), index));
    }

    // ---- The notation as the user edits it.
    EditingPanel& Panel() { return Window().Editing(); }
    const StrokeCell& Cell(int ring) { return Window().CurrentUsul().Cell(ring); }
    CellSnapshot Cells() { return Window().CurrentUsul().cells; }
    std::vector<int> StrokeRings() {
        std::vector<int> rings;
        for (int ring = 1; ring <= kCellCount; ++ring) {
            if (!Cell(ring).IsEmpty()) rings.push_back(ring);
        }
        return rings;
    }
    // Changes cell `ring` as a test's setting up does: one edit of the model, redrawn.
    template <typename Change>
    void ChangeCell(int ring, Change change) {
        Window().Model().Edit([&](UsulRecord& usul) {
            change(usul.Cell(ring));
            return TransformResult::Changed;
        });
    }
    void LoadEmptyUserSlot() {
        LoadSlot(201);
        ASSERT_TRUE(StrokeRings().empty());
    }
    // Picture positions of a ring: its centre, the right-hand line and the left-hand line.
    static int RingX(int ring) { return RingCentreX(ColumnOfRing(ring)); }
    static QPoint OnRing(int ring, int y) { return {RingX(ring), RowTop(RowOfRing(ring)) + y}; }
    static QPoint Centre(int ring) { return OnRing(ring, 75); }
    static QPoint UpperLine(int ring) { return OnRing(ring, 60); }
    static QPoint LowerLine(int ring) { return OnRing(ring, 90); }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(Controls().Picture1, button, {}, at);
        QTest::mouseRelease(Controls().Picture1, button, {}, at);
    }
    // Clicks the named item of the next popup menu and notes where and which the menu was.
    void ChooseInNextPopup(const QString& itemName) {
        QTimer::singleShot(0, [this, itemName] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            popupPosition_ = menu->pos();
            popupName_ = menu->objectName();
            for (QAction* item : menu->actions()) {
                if (item->objectName() != itemName) continue;
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
                break;
            }
            if (menu->isVisible()) menu->close();
        });
    }

    std::filesystem::path folder;
    std::vector<std::uint8_t> libraryBytes;  // empty: the default library
    bool useRealMessageBoxes = false;
    std::optional<Player::Output> output = Player::Output::Silent;
    QPoint popupPosition_;
    QString popupName_;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<ArayüzKalıp> window_;
    std::vector<ShownMessage> messages_;
    bool questionAnswer_ = true;
};

// The sample bank written as start-up writes it; the player on its silent clock.
class PlaybackFixture : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ASSERT_TRUE(Window().SampleBank().baslat_bindir());
        panel = &Window().Playback();
    }
    std::filesystem::path Vlvl() const { return VlvlFolder(folder); }
    void SetBpm(int bpm) { Controls().VScroll1->setValue(270 - bpm); }
    PlaybackPanel* panel = nullptr;
};

// The plan's worked example typed with blanks to spare and blank lines between.
inline const char* const kTypedExample =
    "  Birinci_hane   165  2   4  84  \n"
    "\n"
    " Teslim_ilk 165 1 4 84\n"
    "Teslim_son    165 -48     4 84\n"
    "   \n"
    "   Final 165 49- 4 84>50   ";
inline const char* const kExampleName = "Hüseyni Peşrevi Lavtacı Tavron";
inline const char* const kExampleFile = "Huseyni Pesrevi Lavtaci Tavron.txt";

// The plan mode's reach: the sample files written, a fast slide, and the sound server named in
// PULSE_SERVER when there is one (else the silent player).
class PlanFixture : public WindowFixture {
  protected:
    void SetUp() override {
        if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) output = Player::Output::Automatic;
        WindowFixture::SetUp();
        plan = &Window().Plans();
        plan->View().SetSlideStepDelayMs(0);
        vlvl = folder / "vlvl";
        ASSERT_TRUE(WriteSampleBank(vlvl, {}).ok());
    }
    void EnterPlanMode() { Click("Option4"); }
    void TypePlan(const QString& name, const QString& text) {
        Controls().Text9->setText(name);
        Controls().Text14->setPlainText(text);
    }
    // Types and saves a plan; true when it was saved without a message.
    bool SavePlan(const QString& name, const QString& text) {
        const std::size_t before = Messages().size();
        TypePlan(name, text);
        Click("Command8");
        return Messages().size() == before;
    }
    QStringList TextLines() { return Controls().Text14->toPlainText().split(QLatin1Char('\n')); }
    // Selects a saved plan as the user does: a click on its line in File1.
    void OpenPlan(const QString& fileName) {
        const int row = static_cast<int>(Items(Controls().File1).indexOf(fileName));
        ASSERT_GE(row, 0) << fileName.toStdString();
        ClickListLine(Controls().File1, row);
    }
    void WriteRawPlan(const std::string& name, const std::string& bytes) {
        WriteText(vlvl / name, bytes);
    }
    PlanControls* plan = nullptr;
    std::filesystem::path vlvl;
};

}  // namespace ritmora::testing
