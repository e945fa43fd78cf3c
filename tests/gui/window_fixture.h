#pragma once
// Drives the real main window on a temporary data folder (offscreen platform).
//
//   class MyTest : public ritmora::testing::WindowFixture {};
//   TEST_F(MyTest, Something) {
//       LoadSlot(12);                       // "Listeden seç", then a click on line 12
//       Click("But_farklı");                // any QAbstractButton by objectName
//       ClickListLine(Window().Controls().List2, 4);   // slot 205
//       EXPECT_TRUE(IsEnabled("But_kaydet"));
//   }
//
// Names: every control's objectName is its name; control-array items carry their index in
// brackets ("But_mertebe(0)", "But_mertebe(1)", "Option1(1)", "Mn_editNota(6)",
// "Mn_Oseviye(6)"). Message boxes never appear: every box goes through a hook that records the
// title and text (Messages()) and answers questions with AnswerQuestions(true/false), OK by
// default. Set `useRealMessageBoxes = true` in the constructor of a derived fixture to get real
// QMessageBoxes instead (answer them with a single-shot timer, see ClickButtonOfActiveBox).
// Set `libraryBytes` in the constructor to start with a library file of your own; by default the
// window creates the library from the default copy carried in the program.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

namespace ritmora::testing {

struct ShownMessage {
    QString title;
    QString text;
    bool question = false;
};

class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder = std::filesystem::path(dir_.path().toStdString());
        if (!libraryBytes.empty()) {
            std::ofstream out(folder / "usuller.usl", std::ios::binary);
            out.write(reinterpret_cast<const char*>(libraryBytes.data()),
                      static_cast<std::streamsize>(libraryBytes.size()));
        }
        if (useRealMessageBoxes) {
            SetMessageHook({});
        } else {
            SetMessageHook([this](const MessageRequest& request) {
                messages_.push_back({request.title, request.text, request.question});
                return request.question ? questionAnswer_ : true;
            });
        }
        window_ = std::make_unique<ArayüzKalıp>(folder, output);
        if (window_->StartedOk()) {
            window_->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        }
    }

    void TearDown() override {
        window_.reset();
        SetMessageHook({});
    }

    ArayüzKalıp& Window() { return *window_; }
    WindowControls& Controls() { return window_->Controls(); }

    template <typename T = QWidget>
    T* Find(const QString& name) {
        T* found = window_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    // Enabled flag of a control of the screen-lock sweep (widget, menu item, menu or timer: a
    // timer counts as enabled while it runs).
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
        auto* button = Find<QAbstractButton>(name);
        if (button != nullptr) QTest::mouseClick(button, Qt::LeftButton);
    }

    void TriggerMenu(const QString& name) {
        auto* action = Find<QAction>(name);
        if (action != nullptr) action->trigger();
    }

    // A press on line `line` of an open list (the list scrolls it into view first).
    void ClickListLine(QListWidget* list, int line, Qt::MouseButton button = Qt::LeftButton) {
        ASSERT_TRUE(list->isVisible());
        QListWidgetItem* item = list->item(line);
        ASSERT_NE(item, nullptr);
        list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
        QTest::mouseClick(list->viewport(), button, {}, list->visualItemRect(item).center());
    }

    // Opens the load list and clicks the slot's line.
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

    const std::vector<ShownMessage>& Messages() const { return messages_; }
    QString LastMessage() const { return messages_.empty() ? QString() : messages_.back().text; }
    void ClearMessages() { messages_.clear(); }
    void AnswerQuestions(bool ok) { questionAnswer_ = ok; }

    // With real message boxes: press `which` of the next active message box shortly after the
    // event loop runs again (call before the action that opens the box).
    static void ClickButtonOfActiveBox(QMessageBox::StandardButton which,
                                       QString* seenText = nullptr,
                                       QMessageBox::StandardButton* seenDefault = nullptr) {
        QTimer::singleShot(50, [which, seenText, seenDefault] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            if (seenText != nullptr) *seenText = box->text();
            if (seenDefault != nullptr && box->defaultButton() != nullptr) {
                *seenDefault = box->standardButton(box->defaultButton());
            }
            if (QAbstractButton* button = box->button(which)) button->click();
        });
    }

    static std::string ReadBytes(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static QStringList Items(const QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }

    // The text of message `index` in the window's language.
    QString Message(int index) {
        return QString::fromStdString(MessageText(window_->language(), index));
    }

    std::filesystem::path folder;
    std::vector<std::uint8_t> libraryBytes;  // empty: the default library
    bool useRealMessageBoxes = false;
    std::optional<Player::Output> output = Player::Output::Silent;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<ArayüzKalıp> window_;
    std::vector<ShownMessage> messages_;
    bool questionAnswer_ = true;
};

// The window and presses on the notation as a user makes them.
class EditingFixture : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ASSERT_TRUE(Window().StartedOk());
    }

    EditingPanel& Panel() { return Window().Editing(); }
    const StrokeCell& Cell(int ring) { return Window().CurrentUsul().Cell(ring); }
    CellSnapshot Cells() { return Window().CurrentUsul().cells; }
    // Changes cell `ring` as a test's setting up does: one edit of the model, redrawn.
    template <typename Change>
    void ChangeCell(int ring, Change change) {
        Window().Model().Edit([&](UsulRecord& usul) {
            change(usul.Cell(ring));
            return TransformResult::Changed;
        });
    }

    // Picture positions of ring `ring`: its centre, the right-hand line and the left-hand line.
    static int RingX(int ring) { return RingCentreX(ColumnOfRing(ring)); }
    static int RowTopOf(int ring) { return RowTop(RowOfRing(ring)); }
    static QPoint Centre(int ring) { return {RingX(ring), RowTopOf(ring) + 75}; }
    static QPoint UpperLine(int ring) { return {RingX(ring), RowTopOf(ring) + 60}; }
    static QPoint LowerLine(int ring) { return {RingX(ring), RowTopOf(ring) + 90}; }

    // A real press on the notation picture (it must be tall enough for the row).
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(Controls().Picture1, button, {}, at);
        QTest::mouseRelease(Controls().Picture1, button, {}, at);
    }

    // Gives the picture `rows` rows by putting a left-hand stroke into the row's last ring
    // (ring 45 x rows) and redrawing.
    void EnsureRows(int rows) {
        ChangeCell(kRingsPerRow * rows, [](StrokeCell& cell) { cell.leftDuration = 2; });
    }

    // Chooses the named item of the next popup menu as the user does (a click on it), and
    // remembers where the menu stood. A popup without that item is closed.
    void ChooseInNextPopup(const QString& itemName) {
        QTimer::singleShot(0, [this, itemName] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            popupPosition_ = menu->pos();
            popupName_ = menu->objectName();
            QAction* item = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->objectName() == itemName) item = action;
            }
            if (item == nullptr) {
                menu->close();
                return;
            }
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            if (menu->isVisible()) menu->close();
        });
    }

    // Loads an empty user slot, so that the notation takes presses.
    void LoadEmptyUserSlot(int slot = 201) {
        LoadSlot(slot);
        ASSERT_EQ(Window().CurrentSlot(), slot);
        ASSERT_TRUE(StrokeRings().empty());
    }

    std::vector<int> StrokeRings() {
        std::vector<int> rings;
        for (int ring = 1; ring <= kCellCount; ++ring) {
            if (!Cell(ring).IsEmpty()) rings.push_back(ring);
        }
        return rings;
    }

    QPoint popupPosition_;
    QString popupName_;
};

// The window with its sample bank written as start-up writes it; the player runs on its silent
// clock unless a test asks for the real output.
class PlaybackFixture : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ASSERT_TRUE(Window().StartedOk());
        ASSERT_TRUE(Window().SampleBank().baslat_bindir());
        panel = &Window().Playback();
    }

    std::filesystem::path Vlvl() const { return VlvlFolder(folder); }

    // BpM 250 (the scroll bar's top): the strokes follow each other quickly.
    void SetBpm(int bpm) { Controls().VScroll1->setValue(270 - bpm); }

    // The 16-bit samples after a 44-byte header.
    static std::vector<std::int16_t> Samples(const std::filesystem::path& file) {
        const std::string bytes = ReadBytes(file);
        std::vector<std::int16_t> samples;
        for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
            const auto low = static_cast<std::uint8_t>(bytes[at]);
            const auto high = static_cast<std::uint8_t>(bytes[at + 1]);
            samples.push_back(static_cast<std::int16_t>(low | (high << 8)));
        }
        return samples;
    }

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

// The window in its plan mode's reach: the sample files written, a silent player (unless a
// sound server is named in PULSE_SERVER) and a fast slide.
class PlanFixture : public EditingFixture {
  protected:
    void SetUp() override {
        if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) output = Player::Output::Automatic;
        EditingFixture::SetUp();
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
        const QStringList files = Items(Controls().File1);
        const int row = static_cast<int>(files.indexOf(fileName));
        ASSERT_GE(row, 0) << fileName.toStdString();
        ClickListLine(Controls().File1, row);
    }

    void WriteRawPlan(const std::string& fileName, const std::string& bytes) {
        std::ofstream out(vlvl / fileName, std::ios::binary);
        out << bytes;
    }

    PlanControls* plan = nullptr;
    std::filesystem::path vlvl;
};

}  // namespace ritmora::testing
