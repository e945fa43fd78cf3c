#include "app/texts.h"

#include <gtest/gtest.h>

#include <string>

namespace ritmora {
namespace {

constexpr Language kBoth[] = {Language::English, Language::Turkish};

TEST(MessageTable, BlanksAreKeptExactly) {
    EXPECT_EQ(MessageText(Language::English, 1), "    Error loading usul.   ");
    EXPECT_EQ(MessageText(Language::Turkish, 1), "     usul okuma başarısız.     ");
    EXPECT_EQ(MessageText(Language::English, 2), "   Please give a name to this usul.   ");
    EXPECT_EQ(MessageText(Language::Turkish, 2), "     Lutfen bu usule bir isim verin.    ");
    EXPECT_EQ(MessageText(Language::English, 7), "Durations cannot be changed more.");
}

TEST(MessageTable, UnfilledAndUnknownEntriesAreEmpty) {
    for (Language language : kBoth) {
        for (int index : {0, 11, 12, 40, 45, 50, -1, 51, 100, 199}) {
            EXPECT_EQ(MessageText(language, index), "") << index;
        }
        for (int index = 1; index <= 39; ++index) {
            if (index == 11 || index == 12) continue;
            EXPECT_FALSE(MessageText(language, index).empty()) << index;
        }
    }
}

TEST(MessageTable, PlanLineMessagesEndReadyForTheLineNumber) {
    for (int index = 28; index <= 39; ++index) {
        const std::string& english = MessageText(Language::English, index);
        const std::string& turkish = MessageText(Language::Turkish, index);
        EXPECT_NE(english.find("Line: "), std::string::npos) << index;
        EXPECT_EQ(english.back(), ' ') << index;
        EXPECT_TRUE(turkish.ends_with("Satır: ")) << index;
    }
    EXPECT_TRUE(MessageText(Language::English, 29).ends_with("Line:  "));
    EXPECT_TRUE(MessageText(Language::English, 37).ends_with("minimum.   Line: "));
}

TEST(MessageTable, HelpAndAboutAreJoinedWithCrLf) {
    for (Language language : kBoth) {
        // The guide's place on a line of its own; no address that leads nowhere.
        const std::string& help = MessageText(language, kHelpMessage);
        EXPECT_TRUE(help.ends_with(":\r\n%1"));
        EXPECT_EQ(help.find('@'), std::string::npos);
    }
    for (Language language : kBoth) {
        const std::string& about = MessageText(language, kAboutMessage);
        int lines = 1;
        for (std::size_t at = about.find("\r\n"); at != std::string::npos;
             at = about.find("\r\n", at + 2)) {
            ++lines;
        }
        EXPECT_EQ(lines, 6);
        EXPECT_EQ(about.find('\n'), about.find("\r\n") + 1);
    }
    EXPECT_TRUE(MessageText(Language::English, kAboutMessage)
                    .ends_with("\r\nfor their most generous assistance in the testing and "
                               "improvement of this program.\r\n\r\nIstanbul 30 March 2010."));
    EXPECT_TRUE(MessageText(Language::Turkish, kAboutMessage).ends_with("İstanbul 30 Mart 2010."));
}

TEST(MessageTable, ExtraEntriesExistInBothLanguages) {
    for (int index : {kTimeSignatureRangeMessage, kRecordWriteFailedMessage,
                      kFolderHeldByEditorMessage, kFolderBusyMessage, kPlanFileMissingMessage,
                      kNotAPlanFileMessage, kPlanFileTooLargeMessage, kPlanFileUnreadableMessage}) {
        EXPECT_FALSE(MessageText(Language::English, index).empty());
        EXPECT_FALSE(MessageText(Language::Turkish, index).empty());
        EXPECT_NE(MessageText(Language::English, index), MessageText(Language::Turkish, index));
    }
}

TEST(Captions, ByControlNameAndLanguage) {
    // The language menu offers the other language; indexed and dotted names are distinct keys.
    EXPECT_EQ(CaptionText(Language::Turkish, "Mn_Lisanlar"), "English");
    EXPECT_EQ(CaptionText(Language::English, "Mn_Lisanlar"), "Turkce");
    EXPECT_EQ(CaptionText(Language::English, "Option1(3)"), "Tambourine");
    EXPECT_EQ(CaptionText(Language::Turkish, "Command1.continue"), "Devam");
    EXPECT_EQ(CaptionText(Language::English, "No_such_control"), "");
    EXPECT_EQ(ApplicationTitle(Language::Turkish), "Ritmora editörü");
}

TEST(ExampleDescription, LineCountsAndJoins) {
    const std::string& english = ExampleDescriptionText(Language::English);
    const std::string& turkish = ExampleDescriptionText(Language::Turkish);
    auto countLines = [](const std::string& text) {
        int lines = 1;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at + 2)) {
            ++lines;
        }
        return lines;
    };
    EXPECT_EQ(countLines(english), 13);
    EXPECT_EQ(countLines(turkish), 14);
    EXPECT_TRUE(
        english.starts_with("Beat information for HUSEYNI PESHREV of Lavta-player "
                            "Tavron:\r\n\r\n-The usul"));
    EXPECT_TRUE(turkish.ends_with("\r\n\r\nBU MEŞK PLANI AŞAĞIDA GÖSTERİLDİĞİ GİBİ BELİRTİLİR."));
    EXPECT_NE(turkish.find("dakikada dakikada 50"), std::string::npos);
}

}  // namespace
}  // namespace ritmora
