#include "library/library_file.h"

#include <gtest/gtest.h>

#include <functional>
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
    auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
    ASSERT_EQ(result.status, LibraryStatus::Ok);
    EXPECT_EQ(result.path, folder.path() / "usuller.usl");
    EXPECT_EQ(Entries(folder.path()), std::vector<fs::path>{"usuller.usl"});  // no temporary left
    EXPECT_EQ(ReadBytes(folder.path() / "usuller.usl"), DefaultBytes());
}

TEST(LibraryFile, ExistingFileInAnyLetterCaseIsOpenedAndLeftAlone) {
    TempFolder folder;
    const std::vector<std::uint8_t> mine(kLibraryFileSize, 0x5A);
    const fs::path upper = folder.path() / "USULLER.USL";
    WriteBytes(upper, mine);
    const auto before = fs::last_write_time(upper);
    auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
    ASSERT_EQ(result.status, LibraryStatus::Ok);
    EXPECT_EQ(result.path, upper);
    result.library->Close();
    EXPECT_EQ(Entries(folder.path()), std::vector<fs::path>{"USULLER.USL"});
    EXPECT_EQ(ReadBytes(upper), mine);
    EXPECT_EQ(fs::last_write_time(upper), before);
}

// Whatever stands under the library's name and cannot serve is refused, named in the message
// and left exactly as it was; a default copy of the wrong size is never written.
TEST(LibraryFile, WhatCannotServeIsRefusedAndLeftAsItWas) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& file)> place;  // nothing: the folder stays empty
        std::size_t defaultSize;
        LibraryStatus status;
    };
    const auto sized = [](std::size_t size) {
        return [size](const fs::path& file) {
            WriteBytes(file, std::vector<std::uint8_t>(size, 0x33));
        };
    };
    const Case cases[] = {
        {"empty default", nullptr, 0, LibraryStatus::CannotCreate},
        {"short default", nullptr, kLibraryFileSize - 1, LibraryStatus::CannotCreate},
        {"long default", nullptr, kLibraryFileSize + 1, LibraryStatus::CannotCreate},
        {"empty file", sized(0), kLibraryFileSize, LibraryStatus::WrongSize},
        {"a record short", sized(kLibraryFileSize - kRecordSize), kLibraryFileSize,
         LibraryStatus::WrongSize},
        {"a byte long", sized(kLibraryFileSize + 1), kLibraryFileSize, LibraryStatus::WrongSize},
        {"folder", [](const fs::path& file) { fs::create_directory(file); }, kLibraryFileSize,
         LibraryStatus::CannotOpen},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const fs::path file = folder / "Usuller.usl";
        if (c.place) c.place(file);
        const auto before =
            fs::is_regular_file(file) ? ReadBytes(file) : std::vector<std::uint8_t>{};
        std::vector<std::uint8_t> defaults = DefaultBytes();
        defaults.resize(c.defaultSize);
        const auto result = UsulLibrary::EnsureAndOpen(folder.path(), defaults);
        EXPECT_EQ(result.status, c.status) << c.what;
        EXPECT_FALSE(result.library) << c.what;
        EXPECT_EQ(folder.FileCount(), c.place && !fs::is_directory(file) ? 1 : 0) << c.what;
        if (c.place) {
            EXPECT_EQ(result.path, file) << c.what;
            EXPECT_EQ(fs::is_regular_file(file) ? ReadBytes(file) : before, before) << c.what;
        }
        for (bool turkish : {false, true}) {
            EXPECT_NE(
                LibraryOpenFailureText(c.status, result.path, turkish).find(result.path.string()),
                std::string::npos)
                << c.what;
        }
    }
    EXPECT_NE(LibraryOpenFailureText(LibraryStatus::WrongSize, "x", false).find("untouched"),
              std::string::npos);
    const auto missing = UsulLibrary::EnsureAndOpen(fs::path("/no/such/folder"), DefaultBytes());
    EXPECT_EQ(missing.status, LibraryStatus::CannotCreate);

    TempFolder folder;
    if (testing::ReadOnlyIsIgnored(folder.path())) return;  // root and wine ignore the mark
    WriteBytes(folder / "usuller.usl", DefaultBytes());
    fs::permissions(folder / "usuller.usl", fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_EQ(UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes()).status,
              LibraryStatus::CannotOpen);
}

TEST(LibraryFile, SlotsAndSettingsAreWrittenInTheirOwnRecordsOnly) {
    TempFolder folder;
    auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
    ASSERT_EQ(result.status, LibraryStatus::Ok);
    UsulLibrary& library = *result.library;

    UsulRecord slot2;
    ASSERT_TRUE(library.ReadSlot(2, slot2));
    EXPECT_EQ(EncodeUsulRecord(slot2),
              *reinterpret_cast<const RecordBytes*>(DefaultBytes().data() + kRecordSize));
    UsulRecord usul = EmptySlotRecord();
    usul.name = FitText("Darb-ı Türkî", kNameChars);
    usul.Cell(1).rightDuration = 16;
    ASSERT_TRUE(library.WriteSlot(205, usul));
    ASSERT_TRUE(library.WriteSlot(255, usul));
    UsulRecord back;
    ASSERT_TRUE(library.ReadSlot(205, back));
    EXPECT_EQ(back, usul);
    for (int bad : {0, -1, 256, 1000}) {
        EXPECT_FALSE(library.ReadSlot(bad, back)) << bad;
        EXPECT_FALSE(library.WriteSlot(bad, usul)) << bad;
    }
    SettingsRecord settings;
    ASSERT_TRUE(library.ReadSettings(settings));
    settings.backRed = 1;
    ASSERT_TRUE(library.WriteSettings(settings));
    library.Close();
    EXPECT_FALSE(library.IsOpen());
    EXPECT_FALSE(library.ReadSlot(1, back));
    EXPECT_FALSE(library.WriteSlot(201, usul));
    EXPECT_FALSE(library.ReadSettings(settings));
    EXPECT_FALSE(library.WriteSettings(settings));

    std::vector<std::uint8_t> expected = DefaultBytes();
    const RecordBytes usulBytes = EncodeUsulRecord(usul);
    std::copy(usulBytes.begin(), usulBytes.end(), expected.begin() + 204 * kRecordSize);
    std::copy(usulBytes.begin(), usulBytes.end(), expected.begin() + 254 * kRecordSize);
    expected[255 * kRecordSize] = 1;
    EXPECT_EQ(ReadBytes(folder.path() / "usuller.usl"), expected);
}

TEST(LibraryFile, ReadPastTheEndOfAShortenedFileFails) {
    TempFolder folder;
    auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
    ASSERT_EQ(result.status, LibraryStatus::Ok);
    // Something else cuts the file while it is open: half of record 255 and all of 256 go.
    fs::resize_file(result.path, 254 * kRecordSize + 100);
    UsulRecord record = EmptySlotRecord();
    EXPECT_FALSE(result.library->ReadSlot(255, record));
    EXPECT_EQ(record, EmptySlotRecord());  // never garbage
    SettingsRecord settings;
    EXPECT_FALSE(result.library->ReadSettings(settings));
    EXPECT_TRUE(result.library->ReadSlot(254, record));  // the stream is usable again
}

}  // namespace
}  // namespace ritmora
