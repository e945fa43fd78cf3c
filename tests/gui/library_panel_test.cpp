// The library in the window: the lists, loading, stepping, saving with its refusals, saving
// as, deleting, clearing and the reference table.
#include "app/texts.h"
#include "library/cp1254.h"
#include "library/list_line.h"
#include "library/provenance.h"
#include "tests/gui/window_fixture.h"

#include <QTextDocumentFragment>

namespace ritmora::testing {
namespace {

using LibraryPanel = WindowFixture;

TEST_F(LibraryPanel, LoadListShowsEverySlotAndIsTheOnlyThingUsable) {
    Click("But_yükle");
    QListWidget* list = Controls().List1;
    ASSERT_TRUE(list->isVisible());
    EXPECT_FALSE(Controls().Picture1->isVisible());
    EXPECT_EQ(list->count(), 255);
    EXPECT_TRUE(list->item(0)->text().startsWith("  1    2/8   Nim sofyan"));
    EXPECT_TRUE(list->item(57)->text().startsWith(" 58   10/16  Curcuna  açık"));
    EXPECT_EQ(list->item(186)->text(), "187     /8" + QString(43, ' '));
    EXPECT_EQ(list->geometry(), QRect(26 + (964 - 400) / 2, 30, 400, 560));
    EXPECT_TRUE(list->isEnabled());
    EXPECT_FALSE(IsEnabled("But_farklı"));
    EXPECT_FALSE(IsEnabled("Mn_Lisanlar"));
    EXPECT_FALSE(IsEnabled("Mn_volüm"));

    ClickListLine(list, 11);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(Controls().Picture1->isVisible());
    EXPECT_EQ(Window().CurrentSlot(), 12);
    EXPECT_TRUE(IsEnabled("Mn_Lisanlar"));
    EXPECT_FALSE(IsEnabled("But_kaydet"));  // a fixed slot
}

TEST_F(LibraryPanel, ListsOpenShowingTheCurrentSlotSelected) {
    for (auto [slot, button, list] : {std::tuple{183, "But_yükle", Controls().List1},
                                      {12, "But_yükle", Controls().List1},
                                      {240, "But_farklı", Controls().List2}}) {
        slot < 201 ? LoadSlot(slot) : SaveAs(slot);
        Click(button);
        QListWidgetItem* item = list->item(slot - (slot < 201 ? 1 : 201));
        EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{item});
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(item)));
        ClickListLine(list, 0, Qt::RightButton);
    }
}

TEST_F(LibraryPanel, OtherButtonOnTheListClosesItWithoutLoading) {
    Click("But_yükle");
    ClickListLine(Controls().List1, 4, Qt::RightButton);
    EXPECT_FALSE(Controls().List1->isVisible());
    EXPECT_EQ(Window().CurrentSlot(), 0);
    EXPECT_TRUE(IsEnabled("Mn_Lisanlar"));
}

TEST_F(LibraryPanel, PreviousAndNextStepThroughTheSlots) {
    Click("But_önceki");
    EXPECT_EQ(Window().CurrentSlot(), 0);
    Click("But_sonraki");
    EXPECT_EQ(Window().CurrentSlot(), 1);
    EXPECT_TRUE(Controls().Text5->text().startsWith("Nim sofyan"));
    Click("But_önceki");
    EXPECT_EQ(Window().CurrentSlot(), 1);
    LoadSlot(255);
    Click("But_sonraki");
    EXPECT_EQ(Window().CurrentSlot(), 255);
    EXPECT_TRUE(IsEnabled("But_kaydet"));
    LoadSlot(201);
    EXPECT_TRUE(IsEnabled("But_Sil"));
    Click("But_önceki");
    EXPECT_EQ(Window().CurrentSlot(), 200);
    EXPECT_FALSE(IsEnabled("But_kaydet"));
    EXPECT_FALSE(IsEnabled("But_Temizle"));
    EXPECT_FALSE(IsEnabled("But_Sil"));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(LibraryPanel, SaveAsIntoAUserSlotAndSaveThere) {
    LoadSlot(12);
    const UsulRecord fixed = ReadSlot(12);
    SaveAs(205);
    EXPECT_FALSE(Controls().List2->isVisible());
    EXPECT_TRUE(Controls().Picture1->isVisible());
    EXPECT_EQ(Window().CurrentSlot(), 205);
    EXPECT_EQ(Controls().Label1->text(), "205");
    for (const char* name : {"But_kaydet", "But_Temizle", "But_Sil", "But_optimize"}) {
        EXPECT_TRUE(IsEnabled(name)) << name;
    }
    EXPECT_EQ(ReadSlot(12), fixed);
    const UsulRecord copy = ReadSlot(205);
    EXPECT_EQ(copy.cells, fixed.cells);
    EXPECT_EQ(copy.name, fixed.name);
    EXPECT_EQ(copy.beats, 5);
    EXPECT_EQ(copy.mertebe, 8);
    EXPECT_EQ(copy.totalDuration, 40);
    EXPECT_EQ(copy.reserved1, std::string(10, '\0'));
    EXPECT_EQ(copy.reserved2, std::string(10, '\0'));

    Controls().Text5->setText("Benim aksağım");
    Click("But_kaydet");
    EXPECT_TRUE(Messages().empty());
    const UsulRecord saved = ReadSlot(205);
    EXPECT_EQ(saved.name, FitText("Benim aksağım", 40));
    EXPECT_EQ(saved.cells, fixed.cells);
}

TEST_F(LibraryPanel, SaveRefusesInItsOrderAndWritesNothing) {
    LoadSlot(12);
    SaveAs(205);
    const UsulRecord before = ReadSlot(205);
    Controls().Text5->setText("   ");
    Controls().Text2->setText("4");
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), Message(2));
    Controls().Text5->setText("Aksak");
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), Message(6));  // 4/8 asks for 32, the usul has 40
    Controls().Text2->setText("6");
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), Message(5));
    // Numbers the record cannot hold, or no number at all, are refused too.
    Controls().Text2->setText("320");
    Controls().Text3->setText("512");  // 64 / 512 x 320 = 40: the totals agree
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), Message(kTimeSignatureRangeMessage));
    Controls().Text2->setText("5");
    Controls().Text3->setText("8");
    Controls().Text3->setText("");  // an empty denominator keeps the expected 40
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), Message(kTimeSignatureRangeMessage));
    EXPECT_EQ(Messages().size(), 5u);
    EXPECT_EQ(ReadSlot(205), before);
    Click("But_farklı");
    EXPECT_EQ(Messages().size(), 6u);
    EXPECT_FALSE(Controls().List2->isVisible());
}

TEST_F(LibraryPanel, SaveAsRefusesAnEmptyScreen) {
    Click("But_farklı");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, Message(2));
    Controls().Text5->setText("Yeni");
    Click("But_farklı");
    EXPECT_EQ(LastMessage(), "       Girilmiş darp yok.       ");
    EXPECT_TRUE(Controls().Picture1->isVisible());
}

TEST_F(LibraryPanel, DeleteAsksFirstAndEmptiesTheSlot) {
    LoadSlot(12);
    SaveAs(205);
    AnswerQuestions(false);
    Click("But_Sil");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].question);
    EXPECT_EQ(Messages()[0].text, Message(10));
    EXPECT_EQ(ReadSlot(205).totalDuration, 40);

    AnswerQuestions(true);
    Click("But_Sil");
    EXPECT_EQ(ReadSlot(205), EmptySlotRecord());
    EXPECT_EQ(Window().CurrentSlot(), 205);
    EXPECT_EQ(Controls().Text2->text(), "0");
    EXPECT_EQ(Controls().Text3->text(), "8");
    EXPECT_EQ(Controls().Text5->text(), "");
    EXPECT_EQ(Window().ExpectedTotal(), 0);
    EXPECT_EQ(Picture().height(), 150);
    Click("But_yükle");
    EXPECT_TRUE(Controls().List1->item(204)->text().startsWith("205     /8"));
}

TEST_F(LibraryPanel, ClearEmptiesTheScreenSoSaveAsksForAName) {
    LoadSlot(12);
    SaveAs(205);
    Click("But_Temizle");
    EXPECT_EQ(Window().CurrentSlot(), 205);
    EXPECT_EQ(Window().CurrentUsul().Cell(1).rightDuration, 0);
    EXPECT_EQ(Window().CurrentUsul().Cell(1).loudness, 2);
    EXPECT_EQ(Controls().Text4->text(), "0");
    EXPECT_EQ(Controls().Text5->text(), "");
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), Message(2));
    Controls().Text5->setText("Boş");
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), "       Girilmiş darp yok.       ");
    TriggerMenu("Mn_Lisanlar");
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), "              No beats !             ");
    EXPECT_EQ(ReadSlot(205).totalDuration, 40);
}

TEST_F(LibraryPanel, AFailedReadChangesNothingAndAFailedWriteIsReported) {
    LoadSlot(12);
    SaveAs(205);
    LoadSlot(205);
    const UsulRecord shown = Window().CurrentUsul();
    std::filesystem::resize_file(folder / "usuller.usl", 205 * kRecordSize);
    Click("But_sonraki");  // slot 206 is past the end of the file now
    EXPECT_EQ(LastMessage(), "     usul okuma başarısız.     ");
    LoadSlot(230);
    EXPECT_EQ(Messages().size(), 2u);
    // The slot still names the usul on screen, so a save writes where it came from.
    EXPECT_EQ(Window().CurrentSlot(), 205);
    EXPECT_EQ(Controls().Label1->text(), "205");
    EXPECT_EQ(Window().CurrentUsul(), shown);
    Controls().Text5->setText("Yine aksak");
    Click("But_kaydet");
    EXPECT_EQ(ReadSlot(205).name, FitText("Yine aksak", 40));

    Window().Library().Close();
    ClearMessages();
    Click("But_kaydet");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, Message(kRecordWriteFailedMessage));
}

TEST_F(LibraryPanel, SaveAsIntoAnOccupiedUserSlotAsksNamingTheUsulThere) {
    LoadSlot(12);
    const UsulRecord there = ReadSlot(231);
    AnswerQuestions(false);
    SaveAs(231);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].question);
    EXPECT_TRUE(LastMessage().contains(QString::fromStdString(ShownText(there.name)).trimmed()));
    EXPECT_EQ(ReadSlot(231), there);
    EXPECT_EQ(Window().CurrentSlot(), 12);
    AnswerQuestions(true);
    SaveAs(231);
    EXPECT_EQ(ReadSlot(231).cells, ReadSlot(12).cells);
    EXPECT_EQ(Window().CurrentSlot(), 231);
}

TEST_F(LibraryPanel, EmptySlotNameBoxReadsEmpty) {
    LoadSlot(190);
    EXPECT_EQ(Controls().Text5->text(), "");
    Controls().Text5->setText(QString(40, ' '));
    EXPECT_EQ(Controls().Text5->text(), "");
    Controls().Text5->setText(QString(39, ' '));
    EXPECT_EQ(Controls().Text5->text().size(), 39);
}

TEST_F(LibraryPanel, ReferenceTablePrintsFiveColumns) {
    Window().SabitListeYap();
    const QImage& table = Controls().Picture4->Picture();
    ASSERT_EQ(table.width(), 960);
    for (int column = 0; column < 5; ++column) {
        int ink = 0;
        for (int y = 2; y < 12; ++y) {  // the first line of each column
            for (int x = 1 + 192 * column; x < 40 + 192 * column; ++x) {
                ink += qGray(table.pixel(x, y)) < 128;
            }
        }
        EXPECT_GT(ink, 3) << column;
    }
}

TEST_F(LibraryPanel, TheSourceOfTheUsulShowsBesideItsNameAndMarksTheList) {
    const QLabel* line = Controls().Label_kaynak;
    for (const Language language : {Language::Turkish, Language::English}) {
        if (language == Language::English) TriggerMenu("Mn_Lisanlar");
        for (const auto& [slot, kind] : {std::pair{12, ProvenanceClass::kSourced},
                                         std::pair{130, ProvenanceClass::kReconstructed}}) {
            LoadSlot(slot);
            EXPECT_TRUE(line->text().startsWith(
                QString::fromUtf8(ProvenanceClassName(kind, language).data())))
                << line->text().toStdString();
            // The whole note on hover.
            const std::string note = ProvenanceNote(*ProvenanceOf(slot), language);
            EXPECT_TRUE(QTextDocumentFragment::fromHtml(line->toolTip())
                            .toPlainText()
                            .contains(QString::fromStdString(note)))
                << slot;
        }
    }
    // An edited pattern is no longer the one the source describes.
    Window().Model().Edit([](UsulRecord& usul) {
        usul.Cell(1).loudness = 1;
        return TransformResult::Changed;
    });
    EXPECT_TRUE(line->text().contains("unknown"));
    LoadSlot(231);
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_TRUE(line->toolTip().isEmpty());

    // The list lines keep their 53 characters; a reconstruction is marked after them.
    Click("But_yükle");
    const QString sourced = Controls().List1->item(11)->text();
    const QString rebuilt = Controls().List1->item(129)->text();
    EXPECT_EQ(sourced, QString::fromStdString(UsulListLine(12, ReadSlot(12))));
    EXPECT_EQ(rebuilt.left(53), QString::fromStdString(UsulListLine(130, ReadSlot(130))));
    EXPECT_EQ(rebuilt.mid(53).trimmed(), "*");
}

class RealBoxes : public WindowFixture {
  public:
    RealBoxes() { useRealMessageBoxes = true; }
};

TEST_F(RealBoxes, QuestionsBeforeReplacingAnUsulHaveCancelAsDefault) {
    const std::function<void()> asks[] = {[this] { Click("But_Sil"); }, [this] { SaveAs(231); }};
    for (const auto& ask : asks) {
        LoadSlot(231);
        const UsulRecord stored = ReadSlot(231);
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        ClickButtonOfActiveBox(QMessageBox::Cancel, nullptr, &defaultButton);
        ask();
        EXPECT_EQ(defaultButton, QMessageBox::Cancel);
        EXPECT_EQ(ReadSlot(231), stored);
    }
}

}  // namespace
}  // namespace ritmora::testing
