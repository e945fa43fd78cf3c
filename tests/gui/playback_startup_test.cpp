// Start-up and shutdown around the sound: the sample bank and its loudness menus, one copy per
// data folder, the screen checks, and the files the shutdown leaves.
#include <set>

#include "app/shutdown_cleanup.h"
#include "app/startup_checks.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

namespace fs = std::filesystem;

std::set<std::string> SoundFilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (IsTemporarySoundFileName(name)) names.insert(name);
    }
    return names;
}

// The one checked item's level (2..9), or -1 when not exactly one is checked.
int CheckedItem(const std::array<QAction*, 8>& items) {
    auto checked = [](QAction* item) { return item->isChecked(); };
    if (std::ranges::count_if(items, checked) != 1) return -1;
    return static_cast<int>(std::ranges::find_if(items, checked) - items.begin()) + 2;
}

class SoundStartup : public PlaybackFixture {};

TEST_F(SoundStartup, BankWrittenAtStartAndEverySoundFileGoneAtShutdown) {
    std::set<std::string> expected;
    for (const char* instrument : {"KUDUM", "BENDR", "TEFOO"}) {
        for (const char* level : {"D31", "D21", "D11", "T61", "T51", "T41"}) {
            expected.insert(std::string(instrument) + level + ".---");
        }
    }
    EXPECT_EQ(SoundFilesIn(Vlvl()), expected);
    EXPECT_EQ(CheckedItem(Controls().Mn_Oseviye), 6);
    EXPECT_EQ(CheckedItem(Controls().Mn_Zseviye), 4);
    // A rendered usul, a look-alike outside vlvl and a plan file inside it.
    LoadSlot(12);
    Click("But_Baslat");
    ASSERT_TRUE(fs::exists(Vlvl() / "Shablon.---"));
    std::ofstream(folder / "outside.---") << "keep";
    std::ofstream(Vlvl() / "plan.txt") << "keep";
    ShutdownCleanup(Window());
    EXPECT_TRUE(SoundFilesIn(Vlvl()).empty());
    EXPECT_FALSE(panel->IsPlaying() || panel->AudioPlayer().IsOpen() ||
                 Window().Library().IsOpen());
    for (const fs::path& kept :
         {folder / "usuller.usl", folder / "outside.---", Vlvl() / "plan.txt"}) {
        EXPECT_TRUE(fs::exists(kept)) << kept;
    }
}

// Each loudness menu rewrites its level's files as the bank writes them with that factor, and
// leaves the others.
TEST_F(SoundStartup, LoudnessMenusRewriteTheirLevelsFiles) {
    TriggerMenu("Mn_Oseviye(8)");
    TriggerMenu("Mn_Zseviye(9)");
    EXPECT_EQ(CheckedItem(Controls().Mn_Oseviye), 8);
    EXPECT_EQ(CheckedItem(Controls().Mn_Zseviye), 9);
    const fs::path expected = folder / "expected";
    fs::create_directory(expected);
    ASSERT_TRUE(WriteSampleBank(expected, {0.8f, 0.9f}).ok());
    for (const auto& file : fs::directory_iterator(expected)) {
        EXPECT_EQ(ReadText(Vlvl() / file.path().filename()), ReadText(file.path())) << file.path();
    }
    EXPECT_TRUE(Messages().empty());
}

// A sample file that cannot be written ends the program with message 13, from the menu as at
// the start.
TEST_F(SoundStartup, UnwritableBankShowsMessage13AndEndsTheProgram) {
    const QString message13 = QString::fromStdString(MessageText(Language::Turkish, 13));
    fs::remove(Vlvl() / "KUDUMD21.---");
    fs::create_directory(Vlvl() / "KUDUMD21.---");  // a folder that is not empty in its place
    std::ofstream(Vlvl() / "KUDUMD21.---" / "in the way") << "x";
    TriggerMenu("Mn_Oseviye(5)");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(LastMessage(), message13);
    EXPECT_FALSE(Window().isVisible());

    fs::remove_all(Vlvl());
    std::ofstream(Vlvl()) << "a file where the folder should be";
    ClearMessages();
    EXPECT_FALSE(Window().SampleBank().baslat_bindir());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(LastMessage(), message13);
}

// One copy per data folder: a second is refused in Turkish, the first keeps the folder, and a
// command-line run is told apart; a small screen is refused with its reason.
using StartupChecks = WindowFixture;

TEST_F(StartupChecks, SecondCopyOrSmallScreenIsRefusedAndTheFirstKeepsItsLock) {
    auto first = std::make_unique<SingleInstanceLock>(folder);
    ASSERT_TRUE(RunStartupChecks(*first, QSize(1024, 768)));
    EXPECT_TRUE(Messages().empty());
    SingleInstanceLock second(folder);
    EXPECT_FALSE(RunStartupChecks(second, QSize(1280, 1024)));
    EXPECT_EQ(LastMessage(), QStringLiteral("Ritmora editörü zaten çalışıyor."));
    EXPECT_EQ(Messages().back().title, QStringLiteral("Ritmora editor"));
    EXPECT_TRUE(first->IsHeld());
    EXPECT_FALSE(second.IsHeld());
    first.reset();  // once the first copy has ended, the next one starts
    EXPECT_EQ(second.TryAcquire(), SingleInstanceLock::Outcome::Acquired);

    QTemporaryDir other;  // another data folder is another program, until the screen says no
    SingleInstanceLock elsewhere(fs::path(other.path().toStdString()));
    EXPECT_FALSE(RunStartupChecks(elsewhere, QSize(1023, 768)));
    EXPECT_EQ(LastMessage(), QStringLiteral("Ekran genişliğinin en az 1024 olması gerekir."));
}

TEST_F(StartupChecks, ACommandLineRunHoldingTheFolderIsToldApart) {
    DataFolderLock commandLine(folder, FolderUser::CommandLine);
    ASSERT_EQ(commandLine.TryAcquire(), DataFolderLock::Outcome::Acquired);
    SingleInstanceLock editor(folder);
    EXPECT_EQ(editor.TryAcquire(), SingleInstanceLock::Outcome::HeldByCommandLine);
    commandLine.Release();
    EXPECT_EQ(editor.TryAcquire(), SingleInstanceLock::Outcome::Acquired);
}

}  // namespace
}  // namespace ritmora::testing
