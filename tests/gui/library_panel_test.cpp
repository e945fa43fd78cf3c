// The library in the window: the lists, loading, stepping, saving with its refusals, saving
// as, deleting, clearing, a failed read or write, the reference table and the sources.
#include <QTextDocumentFragment>

#include "app/texts.h"
#include "library/cp1254.h"
#include "library/provenance.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

using LibraryPanel = WindowFixture;

QString Qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A list stands in place of the notation, with the current slot selected and in view.
TEST_F(LibraryPanel, ListsOpenAtTheCurrentSlotAndLoadTheClickedOne) {
    Click("But_yükle");
    ASSERT_EQ(Controls().List1->count(), 255);
    EXPECT_FALSE(Controls().Picture1->isVisible());
    ClickListLine(Controls().List1, 11);
    EXPECT_TRUE(Controls().Picture1->isVisible());
    EXPECT_EQ(Window().CurrentSlot(), 12);
    for (auto [slot, button, list] : {std::tuple{183, "But_yükle", Controls().List1},
                                      {12, "But_yükle", Controls().List1},
                                      {240, "But_farklı", Controls().List2}}) {
        slot < 201 ? LoadSlot(slot) : SaveAs(slot);
        Click(button);
        QListWidgetItem* item = list->item(slot - (slot < 201 ? 1 : 201));
        EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{item}) << slot;
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(item))) << slot;
        ClickListLine(list, 0, Qt::RightButton);
    }
}

TEST_F(LibraryPanel, PreviousAndNextStepThroughTheSlotsAndStopAtTheEnds) {
    for (auto [from, button, to] : {std::tuple{0, "But_önceki", 0},
                                    {0, "But_sonraki", 1},
                                    {1, "But_önceki", 1},
                                    {255, "But_sonraki", 255},
                                    {201, "But_önceki", 200}}) {
        if (from > 1) LoadSlot(from);
        if (from == 201) EXPECT_TRUE(IsEnabled("But_Sil"));  // the first of the user's slots
        Click(button);
        EXPECT_EQ(Window().CurrentSlot(), to) << from << " " << button;
    }
    EXPECT_FALSE(IsEnabled("But_Sil"));  // slot 200 is a fixed one: its lock applies
    EXPECT_TRUE(Messages().empty());
    LoadSlot(187);  // an empty slot's forty blanks read as an empty name
    EXPECT_EQ(Controls().Text5->text(), "");
}

TEST_F(LibraryPanel, SaveAsWritesAFreshCopyIntoAUserSlotAndSaveWritesThere) {
    LoadSlot(12);
    const UsulRecord fixed = ReadSlot(12);
    SaveAs(205);
    EXPECT_EQ(Controls().Label1->text(), "205");
    EXPECT_EQ(ReadSlot(12), fixed);
    UsulRecord expected = fixed;
    expected.reserved1 = expected.reserved2 = std::string(10, '\0');  // a fresh record
    expected.totalDuration = 40;                                      // the sum of its durations
    EXPECT_EQ(ReadSlot(205), expected);
    Controls().Text5->setText("Benim aksağım");
    Click("But_kaydet");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ReadSlot(205).name, FitText("Benim aksağım", 40));
    EXPECT_EQ(ReadSlot(205).cells, fixed.cells);
}

// Both saves refuse in the same order, with one message each, and write nothing.
TEST_F(LibraryPanel, SaveAndSaveAsRefuseInTheirOrderAndWriteNothing) {
    LoadSlot(12);  // 5/8: the durations add up to 40
    SaveAs(205);
    const UsulRecord before = ReadSlot(205);
    const struct {
        const char *name, *beats, *mertebe;
        int message;
    } cases[] = {
        {"   ", "4", "8", message::kUsulNameMissing},
        {"Aksak", "4", "8", message::kBeatsExceed},           // 4/8 asks for 32
        {"Aksak", "6", "8", message::kBeatsShort},            // 6/8 asks for 48
        {"Aksak", "320", "512", kTimeSignatureRangeMessage},  // totals agree, bytes cannot hold
        {"Aksak", "5", "", kTimeSignatureRangeMessage},       // an empty denominator keeps 40
    };
    for (const auto& c : cases) {
        Controls().Text5->setText(c.name);
        Controls().Text2->setText(c.beats);
        Controls().Text3->setText("8");
        Controls().Text3->setText(c.mertebe);
        for (const char* button : {"But_kaydet", "But_farklı"}) {
            ClearMessages();
            Click(button);
            ASSERT_EQ(Messages().size(), 1u) << button << " " << c.beats;
            EXPECT_EQ(LastMessage(), Message(c.message)) << button << " " << c.beats;
        }
        EXPECT_FALSE(Controls().List2->isVisible());
    }
    EXPECT_EQ(ReadSlot(205), before);
}

// Clearing empties the screen, not the slot: a save then asks for a name, then for strokes.
TEST_F(LibraryPanel, ClearEmptiesTheScreenOnly) {
    LoadSlot(12);
    SaveAs(205);
    Click("But_Temizle");
    EXPECT_EQ(Window().CurrentSlot(), 205);
    EXPECT_EQ(Controls().Text4->text(), "0");
    EXPECT_EQ(Controls().Text5->text(), "");
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), Message(message::kUsulNameMissing));
    Controls().Text5->setText("Boş");
    Click("But_kaydet");
    EXPECT_EQ(LastMessage(), Message(message::kNoBeats));
    EXPECT_EQ(ReadSlot(205).totalDuration, 40);
}

// Deleting, or saving as over a user's usul, asks first (naming the usul there); a "no" keeps it.
TEST_F(LibraryPanel, ReplacingAUsersUsulAsksFirst) {
    LoadSlot(12);
    SaveAs(205);
    const UsulRecord there = ReadSlot(231);
    AnswerQuestions(false);
    Click("But_Sil");
    SaveAs(231);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_TRUE(Messages()[0].question && Messages()[1].question);
    EXPECT_EQ(Messages()[0].text, Message(message::kDeleteUsulQuestion));
    EXPECT_TRUE(LastMessage().contains(QString::fromStdString(ShownText(there.name)).trimmed()));
    EXPECT_EQ(ReadSlot(205).totalDuration, 40);
    EXPECT_EQ(ReadSlot(231), there);
    EXPECT_EQ(Window().CurrentSlot(), 205);

    AnswerQuestions(true);
    SaveAs(231);
    EXPECT_EQ(ReadSlot(231).cells, ReadSlot(12).cells);
    EXPECT_EQ(Window().CurrentSlot(), 231);
    Click("But_Sil");
    EXPECT_EQ(ReadSlot(231), EmptySlotRecord());
    EXPECT_EQ(Window().CurrentUsul(), EmptySlotRecord());
    EXPECT_EQ(Controls().Text5->text(), "");
    EXPECT_EQ(Window().ExpectedTotal(), 0);
    EXPECT_EQ(Picture().height(), 150);
}

TEST_F(LibraryPanel, AFailedReadChangesNothingAndAFailedWriteIsReported) {
    LoadSlot(12);
    SaveAs(205);
    const UsulRecord shown = Window().CurrentUsul();
    std::filesystem::resize_file(folder / "usuller.usl", 205 * kRecordSize);
    Click("But_sonraki");  // slot 206 is past the end of the file now
    EXPECT_EQ(LastMessage(), Message(message::kUsulReadFailed));
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
    EXPECT_EQ(LastMessage(), Message(kRecordWriteFailedMessage));
}

// The source's kind beside the name and its whole note on hover, in the window's language; an
// edited pattern's source is unknown, a user's usul has none; the list marks reconstructions.
TEST_F(LibraryPanel, TheSourceOfTheUsulShowsBesideItsNameAndMarksTheList) {
    const QLabel* line = Controls().Label_kaynak;
    for (const Language language : {Language::Turkish, Language::English}) {
        if (language == Language::English) TriggerMenu("Mn_Lisanlar");
        for (const auto& [slot, kind] : {std::pair{12, ProvenanceClass::kSourced},
                                         std::pair{130, ProvenanceClass::kReconstructed}}) {
            LoadSlot(slot);
            EXPECT_TRUE(line->text().startsWith(Qs(ProvenanceClassName(kind, language)))) << slot;
            EXPECT_TRUE(QTextDocumentFragment::fromHtml(line->toolTip())
                            .toPlainText()
                            .contains(Qs(ProvenanceNote(*ProvenanceOf(slot), language))))
                << slot;
        }
    }
    ChangeCell(1, [](StrokeCell& cell) { cell.loudness = 1; });
    EXPECT_TRUE(line->text().contains("unknown"));
    LoadSlot(231);
    EXPECT_TRUE(line->text().isEmpty() && line->toolTip().isEmpty());
    Click("But_yükle");
    EXPECT_EQ(Controls().List1->item(11)->text().size(), 53);
    EXPECT_EQ(Controls().List1->item(129)->text().mid(53).trimmed(), "*");
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
        QTimer::singleShot(50, [&defaultButton] {  // notes the default, then answers Cancel
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            defaultButton = box->standardButton(box->defaultButton());
            box->button(QMessageBox::Cancel)->click();
        });
        ask();
        EXPECT_EQ(defaultButton, QMessageBox::Cancel);
        EXPECT_EQ(ReadSlot(231), stored);
    }
}

}  // namespace
}  // namespace ritmora::testing
