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

// Created from the default bytes when missing (no temporary left); found in any letter case
// and left alone when present.
TEST(LibraryFile, CreatedWhenMissingAndLeftAloneWhenPresent) {
    TempFolder folder;
    auto created = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
    ASSERT_EQ(created.status, LibraryStatus::Ok);
    EXPECT_EQ(created.path, folder / "usuller.usl");
    EXPECT_EQ(Entries(folder.path()), std::vector<fs::path>{"usuller.usl"});
    EXPECT_EQ(ReadBytes(folder / "usuller.usl"), DefaultBytes());

    TempFolder other;
    const std::vector<std::uint8_t> mine(kLibraryFileSize, 0x5A);
    WriteBytes(other / "USULLER.USL", mine);
    const auto before = fs::last_write_time(other / "USULLER.USL");
    auto found = UsulLibrary::EnsureAndOpen(other.path(), DefaultBytes());
    ASSERT_EQ(found.status, LibraryStatus::Ok);
    EXPECT_EQ(found.path, other / "USULLER.USL");
    found.library->Close();
    EXPECT_EQ(Entries(other.path()), std::vector<fs::path>{"USULLER.USL"});
    EXPECT_EQ(ReadBytes(other / "USULLER.USL"), mine);
    EXPECT_EQ(fs::last_write_time(other / "USULLER.USL"), before);
}

// A default copy of the wrong size is never written; a file of the wrong size is refused, named
// in the message and left exactly as it was.
TEST(LibraryFile, WrongSizesAreRefusedAndLeftAsTheyWere) {
    for (const std::size_t size : {std::size_t{0}, kLibraryFileSize - 1, kLibraryFileSize + 1}) {
        TempFolder folder;
        auto defaults = DefaultBytes();
        defaults.resize(size);
        EXPECT_EQ(UsulLibrary::EnsureAndOpen(folder.path(), defaults).status,
                  LibraryStatus::CannotCreate);
        EXPECT_EQ(folder.FileCount(), 0);
        const std::vector<std::uint8_t> mine(size, 3);
        WriteBytes(folder / "Usuller.usl", mine);
        const auto result = UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes());
        EXPECT_EQ(result.status, LibraryStatus::WrongSize) << size;
        EXPECT_FALSE(result.library);
        EXPECT_EQ(ReadBytes(folder / "Usuller.usl"), mine);
        EXPECT_EQ(folder.FileCount(), 1);
        const std::string text = LibraryOpenFailureText(result.status, result.path, true);
        EXPECT_NE(text.find((folder / "Usuller.usl").string()), std::string::npos);
    }
    EXPECT_NE(LibraryOpenFailureText(LibraryStatus::WrongSize, "x", false).find("untouched"),
              std::string::npos);
    EXPECT_EQ(UsulLibrary::EnsureAndOpen("/no/such/folder", DefaultBytes()).status,
              LibraryStatus::CannotCreate);
}

// A folder, or a file this user may not write, under the library's name.
TEST(LibraryFile, WhatCannotBeOpenedForWritingIsRefused) {
    TempFolder folder;
    fs::create_directory(folder / "usuller.usl");
    EXPECT_EQ(UsulLibrary::EnsureAndOpen(folder.path(), DefaultBytes()).status,
              LibraryStatus::CannotOpen);
    EXPECT_TRUE(fs::is_directory(folder / "usuller.usl"));
    fs::remove(folder / "usuller.usl");
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
