// The plan editing and saved-plan panels in the real window: saving the worked example, the
// check's messages, opening, new and delete, and files edited outside the program.
#include "plans/plan_check.h"
#include "plans/qt/example_pictures.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class PlanPanelTest : public PlanFixture {};

TEST_F(PlanPanelTest, WorkedExampleIsSavedInColumnsUnderItsFoldedName) {
    EnterPlanMode();
    ASSERT_TRUE(SavePlan(QString::fromUtf8(kExampleName), QString::fromUtf8(kTypedExample)));
    const QStringList lines = TextLines();
    EXPECT_EQ(lines, ExamplePlanLines());
    // The columns start at 0, 19, 25, 31 and 36; a ramp fills the last one whole.
    EXPECT_EQ(lines[0], "Birinci_hane       165   2     4    84     ");
    EXPECT_EQ(lines[3], "Final              165   49-   4    84>50  ");
    // The file: the same lines, CR LF after each.
    EXPECT_EQ(QString::fromStdString(ReadText(vlvl / kExampleFile)),
              lines.join(QStringLiteral("\r\n")) + "\r\n");
    // Listed, not selected; the name box keeps the name as typed.
    EXPECT_EQ(Items(Controls().File1), QStringList{QString::fromUtf8(kExampleFile)});
    EXPECT_EQ(Controls().File1->currentItem(), nullptr);
    EXPECT_EQ(Controls().Text9->text(), QString::fromUtf8(kExampleName));
    EXPECT_EQ(Items(Controls().List3),
              (QStringList{"Birinci_hane", "Teslim_ilk", "Teslim_son", "Final"}));

    // Saving again under the same name overwrites without a question; a full ramp is kept.
    ASSERT_TRUE(SavePlan(QString::fromUtf8(kExampleName), QStringLiteral("Tek 165 1 4 100>200")));
    EXPECT_EQ(Items(Controls().File1).size(), 1);
    EXPECT_EQ(ReadText(vlvl / kExampleFile), "Tek                165   1     4    100>200\r\n");
}

TEST_F(PlanPanelTest, FaultsNameTheirLineAndChangeNothing) {
    EnterPlanMode();
    const QString typed = QStringLiteral("A 165 1 4 84\n\n\nB 165 1 4 84\n   \nC 165 1 4 19.9\n");
    TypePlan(QStringLiteral("Deneme"), typed);
    Controls().List3->clear();
    Click("Command8");
    ASSERT_EQ(Messages().size(), 1u);
    // Blank lines are not counted: the third passage line is line 3.
    EXPECT_EQ(LastMessage(), QString::fromUtf8("Metronom çok düşük.  Satır: 3"));
    EXPECT_EQ(Controls().Text14->toPlainText(), typed);
    EXPECT_EQ(Controls().List3->count(), 0);
    EXPECT_FALSE(std::filesystem::exists(vlvl / "Deneme.txt"));

    // In English the same fault reads in English.
    TriggerMenu("Mn_Lisanlar");
    TypePlan(QStringLiteral("Deneme"), QStringLiteral("Birinci hane 165 2 4 84"));
    Click("Command8");
    EXPECT_EQ(LastMessage(), "  Invalid entry or blank in sequence name.  Line: 1");
}

TEST_F(PlanPanelTest, UnusableNamesAreRefusedAndNothingIsWritten) {
    EnterPlanMode();
    for (const char* name : {"../dışarı", "a/b", "..", "   ", "soru?"}) {
        ClearMessages();
        TypePlan(QString::fromUtf8(name), QStringLiteral("A 165 1 4 84"));
        Click("Command8");
        ASSERT_EQ(Messages().size(), 1u) << name;
        EXPECT_EQ(LastMessage().toStdString(), PlanNameRefusalText(true)) << name;
    }
    EXPECT_EQ(Controls().File1->count(), 0);
    for (const auto& entry : std::filesystem::directory_iterator(vlvl)) {
        EXPECT_NE(entry.path().extension(), ".txt") << entry.path();
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "dışarı.txt"));
}

// A plan opens by a click or by the keys on its line; New empties the boxes; Sil asks first,
// naming the file.
TEST_F(PlanPanelTest, OpeningByClickOrKeysNewAndDeleteAskingFirst) {
    ASSERT_TRUE(SavePlan(QString::fromUtf8(kExampleName), QString::fromUtf8(kTypedExample)));
    ASSERT_TRUE(SavePlan(QStringLiteral("bbb"), QStringLiteral("B 12 1 4 84")));
    EnterPlanMode();
    Click("Command10");
    EXPECT_TRUE(Controls().Text14->toPlainText().isEmpty() && Controls().Text9->text().isEmpty());
    EXPECT_EQ(Controls().List3->count(), 0);
    OpenPlan(QString::fromUtf8(kExampleFile));
    EXPECT_EQ(TextLines(), ExamplePlanLines());
    EXPECT_EQ(Controls().Text9->text(), QStringLiteral("Huseyni Pesrevi Lavtaci Tavron"));
    EXPECT_EQ(Items(Controls().List3),
              (QStringList{"Birinci_hane", "Teslim_ilk", "Teslim_son", "Final"}));
    EXPECT_EQ(Controls().List3->currentRow(), 0);
    QTest::keyClick(Controls().File1, Qt::Key_Up);
    EXPECT_EQ(Controls().Text9->text(), QStringLiteral("bbb"));
    EXPECT_EQ(Items(Controls().List3), QStringList{"B"});
    EXPECT_TRUE(Messages().empty());

    AnswerQuestions(false);
    Click("Command5");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].question);
    EXPECT_TRUE(LastMessage().contains(QStringLiteral("\"bbb.txt\"")));
    EXPECT_TRUE(std::filesystem::exists(vlvl / "bbb.txt"));
    AnswerQuestions(true);
    Click("Command5");
    EXPECT_FALSE(std::filesystem::exists(vlvl / "bbb.txt"));
    EXPECT_TRUE(std::filesystem::exists(vlvl / kExampleFile));
    EXPECT_TRUE(Controls().Text9->text().isEmpty());
    EXPECT_EQ(Controls().List3->count(), 0);
    Click("Command5");
    EXPECT_EQ(LastMessage(), Message(message::kSelectAPlan));
}

// Files written elsewhere: entering opens the first as it is, over what was typed and without a
// word; opening one shows its fault; a name loses every ".txt"; Windows-1254 bytes read too.
TEST_F(PlanPanelTest, FilesWrittenElsewhereOpenAsTheyAreAndShowTheirFaultsWhenOpened) {
    const struct {
        const char *file, *bytes, *name, *passage, *message;
    } cases[] = {
        {"Bozuk.txt", "Bir 165 1 4 84\r\nIki 165 4 84\r\n", "Bozuk", "Bir",
         "Hatalı giriş veya bölüm adında boşluk var.  Satır: 2"},
        {"Cok.txt", "Bir 165 1 4 84\r\n\r\nIki 300 1 4 84\r\n", "Cok", "Bir",
         "Hatalı usul numarası.  Satır: 2"},
        {"Eski.txt", "\xD0\xFE_bolum 165 1 4 84\r\n", "Eski", "Ğş_bolum", nullptr},
        {"x.txt.txt", "A                  165   1     4     84     \r\n", "x", "A", nullptr},
    };
    for (const auto& c : cases) WriteRawPlan(c.file, c.bytes);
    TypePlan(QStringLiteral("yazilan"), QStringLiteral("X 1 1 4 60"));
    EnterPlanMode();  // the first file replaces what was typed
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Controls().File1->currentRow(), 0);
    EXPECT_EQ(Controls().Text9->text(), QStringLiteral("Bozuk"));
    EXPECT_EQ(TextLines(), (QStringList{"Bir 165 1 4 84", "Iki 165 4 84"}));
    for (const auto& c : cases) {
        ClearMessages();
        OpenPlan(c.file);
        EXPECT_EQ(LastMessage(), c.message ? QString::fromUtf8(c.message) : QString()) << c.file;
        EXPECT_EQ(Controls().Text9->text(), c.name) << c.file;
        if (!c.message) {
            EXPECT_EQ(Items(Controls().List3), QStringList{QString::fromUtf8(c.passage)});
        }
    }
}

}  // namespace
}  // namespace ritmora::testing
