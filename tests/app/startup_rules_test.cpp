// The start-up decisions and the shutdown's choice of files.
#include "app/startup_rules.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/test_support.h"

namespace ritmora {
namespace {

namespace fs = std::filesystem;

TEST(StartupRules, ScreenSizesAndSecondCopy) {
    EXPECT_EQ(DecideStartup(false, 1024, 768), StartupRefusal::None);
    EXPECT_EQ(DecideStartup(false, 1920, 1080), StartupRefusal::None);
    EXPECT_EQ(DecideStartup(false, 1023, 768), StartupRefusal::ScreenTooNarrow);
    EXPECT_EQ(DecideStartup(false, 1024, 767), StartupRefusal::ScreenTooLow);
    // Too small both ways: the width is told, the height never.
    EXPECT_EQ(DecideStartup(false, 800, 600), StartupRefusal::ScreenTooNarrow);
    EXPECT_EQ(DecideStartup(false, 0, 0), StartupRefusal::ScreenTooNarrow);
    // A second copy is refused before its screen is looked at.
    EXPECT_EQ(DecideStartup(true, 1024, 768), StartupRefusal::AlreadyRunning);
    EXPECT_EQ(DecideStartup(true, 800, 600), StartupRefusal::AlreadyRunning);
}

TEST(StartupRules, TurkishTextsAndTitle) {
    EXPECT_EQ(StartupRefusalText(StartupRefusal::AlreadyRunning),
              "Ritmora editörü zaten çalışıyor.");
    EXPECT_EQ(StartupRefusalText(StartupRefusal::ScreenTooNarrow),
              "Ekran genişliğinin en az 1024 olması gerekir.");
    EXPECT_EQ(StartupRefusalText(StartupRefusal::ScreenTooLow),
              "Ekran yüksekliğinin en az 768 olması gerekir.");
    EXPECT_EQ(StartupRefusalText(StartupRefusal::None), "");
    EXPECT_EQ(StartupMessageTitle(), "Ritmora editor");
}

TEST(StartupRules, TemporarySoundFileNames) {
    EXPECT_TRUE(IsTemporarySoundFileName("KUDUMD31.---"));
    EXPECT_TRUE(IsTemporarySoundFileName("Shablon.---"));
    EXPECT_TRUE(IsTemporarySoundFileName("Eser.---"));
    EXPECT_FALSE(IsTemporarySoundFileName("usuller.usl"));
    EXPECT_FALSE(IsTemporarySoundFileName("Pasaj.dat"));
    EXPECT_FALSE(IsTemporarySoundFileName("plan.txt"));
    EXPECT_FALSE(IsTemporarySoundFileName("Shablon.---.bak"));
    EXPECT_FALSE(IsTemporarySoundFileName("Shablon.--"));
    EXPECT_FALSE(IsTemporarySoundFileName("Shablon---"));
    EXPECT_FALSE(IsTemporarySoundFileName(".---"));  // a name of extension alone
}

class ShutdownFiles : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(root_ / "vlvl" / "sub"); }

    void Touch(const fs::path& file) { testing::WriteText(file, "x"); }

    testing::TempFolder folder_;
    const fs::path& root_ = folder_.path();
};

TEST_F(ShutdownFiles, DeletesOnlyTemporarySoundFilesDirectlyInVlvl) {
    const fs::path vlvl = VlvlFolder(root_);
    EXPECT_EQ(vlvl, root_ / "vlvl");
    for (const char* name : {"KUDUMD31.---", "TEFOOT41.---", "Shablon.---", "Eser.---"}) {
        Touch(vlvl / name);
    }
    for (const char* name : {"Pasaj.dat", "plan.txt", "resim.jpg", "Shablon.---.bak", "a.--"}) {
        Touch(vlvl / name);
    }
    Touch(vlvl / "sub" / "deep.---");
    fs::create_directory(vlvl / "folder.---");
    Touch(root_ / "outside.---");
    Touch(root_ / "usuller.usl");

    EXPECT_EQ(DeleteTemporarySoundFiles(vlvl), 4u);

    for (const char* name : {"KUDUMD31.---", "TEFOOT41.---", "Shablon.---", "Eser.---"}) {
        EXPECT_FALSE(fs::exists(vlvl / name)) << name;
    }
    for (const char* name : {"Pasaj.dat", "plan.txt", "resim.jpg", "Shablon.---.bak", "a.--"}) {
        EXPECT_TRUE(fs::exists(vlvl / name)) << name;
    }
    EXPECT_TRUE(fs::exists(vlvl / "sub" / "deep.---"));
    EXPECT_TRUE(fs::is_directory(vlvl / "folder.---"));
    EXPECT_TRUE(fs::exists(root_ / "outside.---"));
    EXPECT_TRUE(fs::exists(root_ / "usuller.usl"));
}

TEST_F(ShutdownFiles, MissingFolderIsNoError) {
    EXPECT_EQ(DeleteTemporarySoundFiles(root_ / "absent"), 0u);
    EXPECT_EQ(DeleteTemporarySoundFiles(VlvlFolder(root_)), 0u);
}

}  // namespace
}  // namespace ritmora
