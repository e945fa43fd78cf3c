#include "library/library_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/test_support.h"

namespace ritmora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A stand-in for the default library: every byte distinct enough to notice a shifted record.
std::vector<std::uint8_t> DefaultBytes() {
    std::vector<std::uint8_t> bytes(kLibraryFileSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 31 + i / kRecordSize) & 0xFF);
    }
    return bytes;
}

std::vector<fs::path> Entries(const fs::path& folder) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    return names;
}

TEST(LibraryFile, CreatedInAnEmptyFolderFromTheDefaultBytes) {
    TempFolder folder;
    const auto defaults = DefaultBytes();
    auto result = UsulLibrary::EnsureAndOpen(folder.path(), defaults);
    ASSERT_EQ(result.status, LibraryStatus::Ok);
    ASSERT_TRUE(result.library);
    EXPECT_TRUE(result.library->IsOpen());
    EXPECT_EQ(result.path, folder.path() / "usuller.usl");
    EXPECT_EQ(Entries(folder.path()), std::vector<fs::path>{"usuller.usl"});  // no temporary left
    EXPECT_EQ(ReadBytes(folder.path() / "usuller.usl"), defaults);

    UsulRecord slot2;
    ASSERT_TRUE(result.library->ReadSlot(2, slot2));
    EXPECT_EQ(EncodeUsulRecord(slot2),
              *reinterpret_cast<const RecordBytes*>(defaults.data() + kRecordSize));
}

TEST(LibraryFile, RefusesToCreateFromAnIncompleteDefault) {
    TempFolder folder;
    for (std::size_t size : {std::size_t{0}, kLibraryFileSize - 1, kLibraryFileSize + 1}) {
        const std::vector<std::uint8_t> defaults(size, 0);
        const auto result = UsulLibrary::EnsureAndOpen(folder.path(), defaults);
        EXPECT_EQ(result.status, LibraryStatus::CannotCreate);
        EXPECT_FALSE(result.library);
        EXPECT_TRUE(Entries(folder.path()).empty());
    }
    const auto missing = UsulLibrary::EnsureAndOpen(folder.path() / "no" / "such", DefaultBytes());
    EXPECT_EQ(missing.status, LibraryStatus::CannotCreate);
}

TEST(LibraryFile, ExistingFileInAnyLetterCaseIsOpenedAndLeftAlone) {
    TempFolder folder;
    std::vector<std::uint8_t> mine(kLibraryFileSize, 0x5A);
    const fs::path upper = folder.path() / "USULLER.USL";
    WriteBytes(upper, mine);
    const auto before = fs::last_write_time(upper);

    auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
    ASSERT_EQ(result.status, LibraryStatus::Ok);
    EXPECT_EQ(result.path, upper);
    UsulRecord record;
    EXPECT_TRUE(result.library->ReadSlot(1, record));
    result.library->Close();
    EXPECT_EQ(Entries(folder.path()), std::vector<fs::path>{"USULLER.USL"});
    EXPECT_EQ(ReadBytes(upper), mine);
    EXPECT_EQ(fs::last_write_time(upper), before);
}

TEST(LibraryFile, WrongSizeIsRefusedAndLeftUntouched) {
    TempFolder folder;
    const fs::path path = folder.path() / "Usuller.usl";
    for (std::size_t size :
         {std::size_t{0}, kLibraryFileSize - kRecordSize, kLibraryFileSize + 1}) {
        const std::vector<std::uint8_t> mine(size, 0x33);
        WriteBytes(path, mine);
        const auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
        EXPECT_EQ(result.status, LibraryStatus::WrongSize) << size;
        EXPECT_FALSE(result.library);
        EXPECT_EQ(result.path, path);
        EXPECT_EQ(ReadBytes(path), mine);
        EXPECT_EQ(Entries(folder.path()), std::vector<fs::path>{"Usuller.usl"});
    }
    const std::string text = LibraryOpenFailureText(LibraryStatus::WrongSize, path, false);
    EXPECT_NE(text.find(path.string()), std::string::npos);
    EXPECT_NE(text.find("untouched"), std::string::npos);
    EXPECT_NE(LibraryOpenFailureText(LibraryStatus::WrongSize, path, true).find(path.string()),
              std::string::npos);
}

TEST(LibraryFile, FolderOfTheLibraryNameCannotBeOpened) {
    TempFolder folder;
    fs::create_directory(folder.path() / "usuller.usl");
    const auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
    EXPECT_EQ(result.status, LibraryStatus::CannotOpen);
    EXPECT_FALSE(result.library);
    EXPECT_FALSE(LibraryOpenFailureText(result.status, result.path, true).empty());
}

TEST(LibraryFile, SlotsWriteAndReadBackAndRecord256IsNoSlot) {
    TempFolder folder;
    const auto defaults = DefaultBytes();
    auto result = UsulLibrary::EnsureAndOpen(folder.path(), defaults);
    ASSERT_EQ(result.status, LibraryStatus::Ok);
    UsulLibrary& library = *result.library;

    UsulRecord usul = EmptySlotRecord();
    usul.name = "Darb-ı Türkî";
    usul.beats = 18;
    usul.mertebe = 4;
    usul.Cell(1).rightDuration = 16;
    usul.totalDuration = 16;
    ASSERT_TRUE(library.WriteSlot(205, usul));
    ASSERT_TRUE(library.WriteSlot(255, usul));
    UsulRecord back;
    ASSERT_TRUE(library.ReadSlot(205, back));
    EXPECT_EQ(back.name, FitText("Darb-ı Türkî", 40));
    EXPECT_EQ(back.Cell(1).rightDuration, 16);
    EXPECT_EQ(back.beats, 18);

    for (int bad : {0, -1, 256, 1000}) {
        EXPECT_FALSE(library.ReadSlot(bad, back)) << bad;
        EXPECT_FALSE(library.WriteSlot(bad, usul)) << bad;
    }
    SettingsRecord settings;
    ASSERT_TRUE(library.ReadSettings(settings));
    settings.backRed = 1;
    ASSERT_TRUE(library.WriteSettings(settings));
    library.Close();

    // Only records 205, 255 and 256 changed, each exactly where it belongs.
    const auto after = ReadBytes(folder.path() / "usuller.usl");
    ASSERT_EQ(after.size(), kLibraryFileSize);
    std::vector<std::uint8_t> expected = defaults;
    const RecordBytes usulBytes = EncodeUsulRecord(usul);
    std::copy(usulBytes.begin(), usulBytes.end(), expected.begin() + 204 * kRecordSize);
    std::copy(usulBytes.begin(), usulBytes.end(), expected.begin() + 254 * kRecordSize);
    expected[255 * kRecordSize] = 1;
    EXPECT_EQ(after, expected);
}

TEST(LibraryFile, ReadPastTheEndOfAShortenedFileFails) {
    TempFolder folder;
    auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
    ASSERT_EQ(result.status, LibraryStatus::Ok);
    // Something else cuts the file while it is open: half of record 255 and all of 256 go.
    fs::resize_file(result.path, 254 * kRecordSize + 100);
    UsulRecord record = EmptySlotRecord();
    const UsulRecord untouched = record;
    EXPECT_FALSE(result.library->ReadSlot(255, record));
    EXPECT_EQ(record, untouched);  // never garbage
    SettingsRecord settings;
    EXPECT_FALSE(result.library->ReadSettings(settings));
    // The stream is usable again after the failure.
    EXPECT_TRUE(result.library->ReadSlot(254, record));
}

TEST(LibraryFile, ClosedLibraryReportsFailures) {
    TempFolder folder;
    auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
    ASSERT_EQ(result.status, LibraryStatus::Ok);
    result.library->Close();
    EXPECT_FALSE(result.library->IsOpen());
    UsulRecord record;
    SettingsRecord settings;
    EXPECT_FALSE(result.library->ReadSlot(1, record));
    EXPECT_FALSE(result.library->WriteSlot(201, record));
    EXPECT_FALSE(result.library->ReadSettings(settings));
    EXPECT_FALSE(result.library->WriteSettings(settings));
}

TEST(LibraryFile, ReadOnlyFileIsRefused) {
    TempFolder folder;
    if (testing::ReadOnlyIsIgnored(folder.path()))
        GTEST_SKIP() << "the read-only mark does not stop this user (root; wine)";
    const fs::path path = folder.path() / "usuller.usl";
    WriteBytes(path, DefaultBytes());
    fs::permissions(path, fs::perms::owner_read, fs::perm_options::replace);
    const auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
    EXPECT_EQ(result.status, LibraryStatus::CannotOpen);
    EXPECT_EQ(ReadBytes(path), DefaultBytes());
}

}  // namespace
}  // namespace ritmora
