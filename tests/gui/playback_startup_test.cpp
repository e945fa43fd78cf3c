// Start-up and shutdown around the sound: the sample bank and its loudness menus, one copy per
// data folder, the screen checks, and the files the shutdown leaves.
#include <algorithm>
#include <set>

#include "app/shutdown_cleanup.h"
#include "app/startup_checks.h"
#include "library/rounding.h"
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

int CheckedItem(const std::array<QAction*, 8>& items) {
    int checked = 0;
    int count = 0;
    for (int index = 2; index <= 9; ++index) {
        if (items[static_cast<std::size_t>(index - 2)]->isChecked()) {
            checked = index;
            ++count;
        }
    }
    return count == 1 ? checked : -count;  // negative: not exactly one
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
    EXPECT_FLOAT_EQ(Window().SampleBank().Factors().medium, 0.6f);
    EXPECT_FLOAT_EQ(Window().SampleBank().Factors().soft, 0.4f);

    // A rendered usul, a look-alike outside vlvl and a plan file inside it.
    LoadSlot(12);
    Click("But_Baslat");
    ASSERT_TRUE(fs::exists(Vlvl() / "Shablon.---"));
    std::ofstream(folder / "outside.---") << "keep";
    std::ofstream(Vlvl() / "plan.txt") << "keep";

    ShutdownCleanup(Window());
    EXPECT_TRUE(SoundFilesIn(Vlvl()).empty());
    EXPECT_FALSE(panel->IsPlaying());
    EXPECT_FALSE(panel->AudioPlayer().IsOpen());
    EXPECT_FALSE(Window().Library().IsOpen());
    EXPECT_TRUE(fs::exists(folder / "usuller.usl"));
    EXPECT_TRUE(fs::exists(folder / "outside.---"));
    EXPECT_TRUE(fs::exists(Vlvl() / "plan.txt"));
}

TEST_F(SoundStartup, LoudnessMenusRescaleTheirFilesOnly) {
    const std::vector<std::int16_t> loud = Samples(Vlvl() / "BENDRD31.---");
    const std::string softBefore = ReadBytes(Vlvl() / "BENDRD11.---");
    TriggerMenu("Mn_Oseviye(8)");
    EXPECT_EQ(CheckedItem(Controls().Mn_Oseviye), 8);
    EXPECT_EQ(CheckedItem(Controls().Mn_Zseviye), 4);
    EXPECT_FLOAT_EQ(Window().SampleBank().Factors().medium, 0.8f);

    const std::vector<std::int16_t> medium = Samples(Vlvl() / "BENDRD21.---");
    ASSERT_FALSE(medium.empty());
    ASSERT_LE(medium.size(), loud.size());
    int differing = 0;
    for (std::size_t i = 0; i < medium.size(); ++i) {
        ASSERT_EQ(medium[i], RoundHalfEven(loud[i] * static_cast<double>(0.8f))) << i;
        if (medium[i] != RoundHalfEven(loud[i] * static_cast<double>(0.6f))) ++differing;
    }
    EXPECT_GT(differing, 1000);  // really rewritten, not left at 60 %
    EXPECT_EQ(ReadBytes(Vlvl() / "BENDRD11.---"), softBefore);

    // 90 % for the soft strokes: louder than the medium ones, and allowed.
    TriggerMenu("Mn_Zseviye(9)");
    EXPECT_EQ(CheckedItem(Controls().Mn_Zseviye), 9);
    const std::vector<std::int16_t> tekLoud = Samples(Vlvl() / "BENDRT61.---");
    const std::vector<std::int16_t> tekSoft = Samples(Vlvl() / "BENDRT41.---");
    ASSERT_FALSE(tekSoft.empty());
    ASSERT_LE(tekSoft.size(), tekLoud.size());
    for (std::size_t i = 0; i < tekSoft.size(); ++i) {
        ASSERT_EQ(tekSoft[i], RoundHalfEven(tekLoud[i] * static_cast<double>(0.9f))) << i;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SoundStartup, UnwritableBankShowsMessage13AndEndsTheProgram) {
    fs::remove(Vlvl() / "KUDUMD21.---");
    // The medium file cannot be written: a folder that is not empty stands in its place.
    fs::create_directory(Vlvl() / "KUDUMD21.---");
    std::ofstream(Vlvl() / "KUDUMD21.---" / "in the way") << "x";
    ASSERT_TRUE(Window().isVisible());
    TriggerMenu("Mn_Oseviye(5)");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages().back().text, QString::fromStdString(MessageText(Language::Turkish, 13)));
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(SoundStartup, UnwritableBankAtStartReportsFailure) {
    fs::remove_all(Vlvl());
    std::ofstream(Vlvl()) << "a file where the folder should be";
    ClearMessages();
    EXPECT_FALSE(Window().SampleBank().baslat_bindir());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages().back().text, QString::fromStdString(MessageText(Language::Turkish, 13)));
}

// ---- Single instance and screen.

class StartupChecks : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder = fs::path(dir_.path().toStdString());
        SetMessageHook([this](const MessageRequest& request) {
            shown.push_back({request.title, request.text, request.question});
            return true;
        });
    }
    void TearDown() override { SetMessageHook({}); }

    QTemporaryDir dir_;
    fs::path folder;
    std::vector<ShownMessage> shown;
};

TEST_F(StartupChecks, SecondCopyIsRefusedAndTheFirstKeepsItsLock) {
    auto first = std::make_unique<SingleInstanceLock>(folder);
    ASSERT_TRUE(RunStartupChecks(*first, QSize(1024, 768)));
    EXPECT_TRUE(first->IsHeld());
    EXPECT_TRUE(shown.empty());

    SingleInstanceLock second(folder);
    EXPECT_FALSE(RunStartupChecks(second, QSize(1280, 1024)));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("Ritmora editörü zaten çalışıyor."));
    EXPECT_EQ(shown[0].title, QStringLiteral("Ritmora editor"));
    EXPECT_FALSE(shown[0].question);
    EXPECT_TRUE(first->IsHeld());
    EXPECT_FALSE(second.IsHeld());
    EXPECT_TRUE(fs::exists(folder / SingleInstanceLock::kFileName));

    // Once the first copy has ended, the next one starts.
    first.reset();
    EXPECT_EQ(second.TryAcquire(), SingleInstanceLock::Outcome::Acquired);

    // Another data folder is another program.
    QTemporaryDir other;
    SingleInstanceLock elsewhere(fs::path(other.path().toStdString()));
    EXPECT_EQ(elsewhere.TryAcquire(), SingleInstanceLock::Outcome::Acquired);
}

TEST_F(StartupChecks, ScreenSizes) {
    struct Case {
        QSize screen;
        bool starts;
        QString text;
    };
    const QString width = QStringLiteral("Ekran genişliğinin en az 1024 olması gerekir.");
    const QString height = QStringLiteral("Ekran yüksekliğinin en az 768 olması gerekir.");
    for (const Case& c : {Case{{1024, 768}, true, {}}, Case{{1023, 768}, false, width},
                          Case{{1024, 767}, false, height}, Case{{1000, 700}, false, width}}) {
        shown.clear();
        SingleInstanceLock lock(folder);
        EXPECT_EQ(RunStartupChecks(lock, c.screen), c.starts) << c.screen.width();
        if (c.starts) {
            EXPECT_TRUE(shown.empty());
        } else {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].text, c.text);
            EXPECT_EQ(shown[0].title, QStringLiteral("Ritmora editor"));
        }
    }
}

}  // namespace
}  // namespace ritmora::testing
