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
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/message_box.h"
#include "app/picture_box.h"
#include "library/library_file.h"
#include "notation/qt/notation_view.h"

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
        window_ = std::make_unique<ArayüzKalıp>(folder);
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

    std::filesystem::path folder;
    std::vector<std::uint8_t> libraryBytes;  // empty: the default library
    bool useRealMessageBoxes = false;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<ArayüzKalıp> window_;
    std::vector<ShownMessage> messages_;
    bool questionAnswer_ = true;
};

}  // namespace ritmora::testing
