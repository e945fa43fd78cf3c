// The start-up decisions and the shutdown's choice of files.
#include "app/startup_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "tests/support/test_support.h"

namespace ritmora {
namespace {

namespace fs = std::filesystem;

TEST(StartupRules, ASecondCopyThenTheWidthThenTheHeightIsRefused) {
    using enum StartupRefusal;
    const std::tuple<bool, int, int, StartupRefusal> cases[] = {
        {false, 1024, 768, None},
        {false, 1920, 1080, None},
        {false, 1023, 768, ScreenTooNarrow},
        {false, 1024, 767, ScreenTooLow},
        {false, 800, 600, ScreenTooNarrow},  // too small both ways: the width is told
        {true, 1024, 768, AlreadyRunning},
        {true, 800, 600, AlreadyRunning},
    };
    for (const auto& [another, width, height, refusal] : cases) {
        EXPECT_EQ(DecideStartup(another, width, height), refusal) << width << "x" << height;
    }
    // Each refusal tells its own reason, in Turkish (no language is chosen yet).
    EXPECT_NE(StartupRefusalText(AlreadyRunning).find("zaten çalışıyor"), std::string::npos);
    EXPECT_NE(StartupRefusalText(ScreenTooNarrow).find("genişliğinin en az 1024"),
              std::string::npos);
    EXPECT_NE(StartupRefusalText(ScreenTooLow).find("yüksekliğinin en az 768"), std::string::npos);
    EXPECT_EQ(StartupRefusalText(None), "");
}

TEST(ShutdownFiles, DeletesOnlyTemporarySoundFilesDirectlyInVlvl) {
    testing::TempFolder folder;
    const fs::path vlvl = VlvlFolder(folder.path());
    EXPECT_EQ(vlvl, folder / "vlvl");
    EXPECT_EQ(DeleteTemporarySoundFiles(vlvl), 0u);  // a missing folder is no error
    fs::create_directories(vlvl / "sub");
    const char* temporary[] = {"KUDUMD31.---", "TEFOOT41.---", "Shablon.---", "Eser.---"};
    const char* kept[] = {"Pasaj.dat", "plan.txt", "Shablon.---.bak", "a.--", "Shablon---", ".---"};
    for (const char* name : temporary) testing::WriteText(vlvl / name, "x");
    for (const char* name : kept) testing::WriteText(vlvl / name, "x");
    testing::WriteText(vlvl / "sub" / "deep.---", "x");
    testing::WriteText(folder / "outside.---", "x");
    fs::create_directory(vlvl / "folder.---");

    EXPECT_EQ(DeleteTemporarySoundFiles(vlvl), 4u);
    for (const char* name : temporary) EXPECT_FALSE(fs::exists(vlvl / name)) << name;
    for (const char* name : kept) EXPECT_TRUE(fs::exists(vlvl / name)) << name;
    EXPECT_TRUE(fs::exists(vlvl / "sub" / "deep.---"));
    EXPECT_TRUE(fs::exists(folder / "outside.---"));
    EXPECT_TRUE(fs::is_directory(vlvl / "folder.---"));
}

}  // namespace
}  // namespace ritmora
