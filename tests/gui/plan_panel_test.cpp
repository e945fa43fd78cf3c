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
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines, ExamplePlanLines());
    const QString first = lines[0];
    EXPECT_EQ(first.size(), 43);
    EXPECT_EQ(first.mid(0, 12), QStringLiteral("Birinci_hane"));
    EXPECT_EQ(first.mid(12, 7).trimmed(), QString());
    EXPECT_EQ(first.mid(19, 3), QStringLiteral("165"));
    EXPECT_EQ(first.mid(25, 1), QStringLiteral("2"));
    EXPECT_EQ(first.mid(31, 1), QStringLiteral("4"));
    EXPECT_EQ(first.mid(36, 2), QStringLiteral("84"));
    EXPECT_EQ(lines[3].mid(36, 5), QStringLiteral("84>50"));

    // The file: the same lines, CR LF after each.
    const std::string bytes = ReadBytes(vlvl / kExampleFile);
    EXPECT_EQ(QString::fromStdString(bytes), lines.join(QStringLiteral("\r\n")) + "\r\n");
    // Listed, not selected; the name box keeps the name as typed.
    EXPECT_EQ(Items(Controls().File1), QStringList{QString::fromUtf8(kExampleFile)});
    EXPECT_EQ(Controls().File1->currentItem(), nullptr);
    EXPECT_EQ(Controls().Text9->text(), QString::fromUtf8(kExampleName));
    EXPECT_EQ(Items(Controls().List3),
              (QStringList{"Birinci_hane", "Teslim_ilk", "Teslim_son", "Final"}));
    EXPECT_EQ(Controls().List3->currentRow(), 0);
    EXPECT_EQ(plan->Plan().PassageCount(), 4);

    // Saving again under the same name overwrites without a question.
    ASSERT_TRUE(SavePlan(QString::fromUtf8(kExampleName), QStringLiteral("Tek 165 1 4 84")));
    EXPECT_EQ(Items(Controls().File1).size(), 1);
    EXPECT_EQ(ReadBytes(vlvl / kExampleFile).substr(0, 3), "Tek");
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
    const char* const cases[][3] = {{"Deneme", "Birinci hane 165 2 4 84",
                                     "  Invalid entry or blank in sequence name.  Line: 1"},
                                    {"", "A 165 1 4 84", "Please give a name to this plan."},
                                    {"x", "", "No Sequence !."}};
    for (const auto& [name, text, message] : cases) {
        ClearMessages();
        TypePlan(QString::fromUtf8(name), QString::fromUtf8(text));
        Click("Command8");
        EXPECT_EQ(LastMessage(), QString::fromUtf8(message)) << name;
    }
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

TEST_F(PlanPanelTest, OpeningShowsTheSavedTextNameAndPassages) {
    EnterPlanMode();
    ASSERT_TRUE(SavePlan(QString::fromUtf8(kExampleName), QString::fromUtf8(kTypedExample)));
    ASSERT_TRUE(SavePlan(QString::fromUtf8("Çalışma"), QStringLiteral("Isinma 5 2 4 100")));
    EXPECT_EQ(Items(Controls().File1),
              (QStringList{"Calisma.txt", QString::fromUtf8(kExampleFile)}));

    Click("Command10");  // new: empty boxes and passage list
    EXPECT_TRUE(Controls().Text14->toPlainText().isEmpty());
    EXPECT_TRUE(Controls().Text9->text().isEmpty());
    EXPECT_EQ(Controls().List3->count(), 0);

    OpenPlan(QString::fromUtf8(kExampleFile));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(TextLines(), ExamplePlanLines());
    EXPECT_EQ(Controls().Text9->text(), QStringLiteral("Huseyni Pesrevi Lavtaci Tavron"));
    EXPECT_EQ(Items(Controls().List3),
              (QStringList{"Birinci_hane", "Teslim_ilk", "Teslim_son", "Final"}));
    EXPECT_EQ(Controls().List3->currentRow(), 0);
    EXPECT_EQ(plan->Plan().PassageEndMs, std::vector<int>(4, 0));

    OpenPlan(QStringLiteral("Calisma.txt"));
    EXPECT_EQ(Controls().Text9->text(), QStringLiteral("Calisma"));
    EXPECT_EQ(Items(Controls().List3), QStringList{"Isinma"});
}

TEST_F(PlanPanelTest, TheKeysOpenThePlanTheyChooseAndDeleteAsksNamingIt) {
    ASSERT_TRUE(SavePlan(QStringLiteral("aaa"), QStringLiteral("A 165 1 4 84")));
    ASSERT_TRUE(SavePlan(QStringLiteral("bbb"), QStringLiteral("B 12 1 4 84")));
    EnterPlanMode();
    OpenPlan(QStringLiteral("aaa.txt"));
    QTest::keyClick(Controls().File1, Qt::Key_Down);
    EXPECT_EQ(Controls().Text9->text(), QStringLiteral("bbb"));
    EXPECT_EQ(Items(Controls().List3), QStringList{"B"});

    AnswerQuestions(false);
    Click("Command5");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].question);
    EXPECT_TRUE(LastMessage().contains(QStringLiteral("\"bbb.txt\"")));
    EXPECT_TRUE(std::filesystem::exists(vlvl / "bbb.txt"));
    AnswerQuestions(true);
    Click("Command5");
    EXPECT_FALSE(std::filesystem::exists(vlvl / "bbb.txt"));
    EXPECT_TRUE(std::filesystem::exists(vlvl / "aaa.txt"));
    EXPECT_TRUE(Controls().Text9->text().isEmpty());
    EXPECT_EQ(Controls().List3->count(), 0);
    Click("Command5");
    EXPECT_EQ(LastMessage(), Message(message::kSelectAPlan));
}

TEST_F(PlanPanelTest, FileNamesLoseEveryTxt) {
    WriteRawPlan("a.txt.txt", "A                  165   1     4     84     \r\n");
    EnterPlanMode();
    EXPECT_EQ(Controls().Text9->text(), QStringLiteral("a"));
    EXPECT_EQ(Items(Controls().List3), QStringList{"A"});
}

TEST_F(PlanPanelTest, AFileEditedByHandShowsItsFaultWhenOpenedNotWhenEntering) {
    WriteRawPlan("Bozuk.txt", "Bir 165 1 4 84\r\nIki 165 4 84\r\n");
    WriteRawPlan("Cok.txt", "Bir 165 1 4 84\r\n\r\nIki 300 1 4 84\r\n");
    EnterPlanMode();  // opens the first, Bozuk.txt, as it is, so that it can be mended
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(TextLines(), (QStringList{"Bir 165 1 4 84", "Iki 165 4 84"}));
    OpenPlan(QStringLiteral("Bozuk.txt"));
    EXPECT_EQ(LastMessage(),
              QString::fromUtf8("Hatalı giriş veya bölüm adında boşluk var.  Satır: 2"));
    OpenPlan(QStringLiteral("Cok.txt"));
    EXPECT_EQ(LastMessage(), QString::fromUtf8("Hatalı usul numarası.  Satır: 2"));
    EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(PlanPanelTest, APlanTextFileWrittenElsewhereInUtf8OrWindows1254Opens) {
    // Windows-1254 bytes for "Ğ" (0xD0) and "ş" (0xFE).
    WriteRawPlan("Eski.txt", std::string("\xD0\xFE_bolum 165 1 4 84\r\n"));
    EnterPlanMode();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Items(Controls().List3), QStringList{QString::fromUtf8("Ğş_bolum")});
}

}  // namespace
}  // namespace ritmora::testing
