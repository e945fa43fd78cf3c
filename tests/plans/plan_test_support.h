#pragma once
// A fresh folder per test and a small library file placed in it.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "library/library_file.h"
#include "library/usul_record.h"

namespace ritmora::testing {

class TempFolder {
  public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "ritmora-plans-";
        if (info != nullptr) name += std::string(info->test_suite_name()) + "-" + info->name();
        name += "-" + std::to_string(std::random_device{}());
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Beat count of the test usul in slot 165: strokes on rings 1..kMuhammesRings.
inline constexpr int kMuhammesRings = 64;

// A library whose slot 165 holds an usul with a quarter-note Düm on each of rings 1..64 and
// slot 12 one with a single stroke on ring 3; every other slot is empty.
inline std::vector<std::uint8_t> SmallLibraryBytes() {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kLibraryFileSize);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        UsulRecord record = EmptySlotRecord();
        if (slot == 165) {
            record.name = FitText("Muhammes", kNameChars);
            record.beats = 32;
            record.mertebe = 4;
            for (int ring = 1; ring <= kMuhammesRings; ++ring) {
                record.Cell(ring) = {16, 0, 3, "Düm", 0, 0, 0};
            }
        } else if (slot == 12) {
            record.name = FitText("Tek vuruş", kNameChars);
            record.beats = 1;
            record.mertebe = 4;
            record.Cell(3) = {16, 0, 3, "Düm", 0, 0, 0};
        }
        record.totalDuration = static_cast<std::int16_t>(SumOfDurations(record));
        const RecordBytes encoded = EncodeUsulRecord(record);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    const RecordBytes settings = EncodeSettingsRecord(SettingsRecord{});
    bytes.insert(bytes.end(), settings.begin(), settings.end());
    return bytes;
}

// A test folder with the small library opened in it.
class LibraryFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::vector<std::uint8_t> bytes = SmallLibraryBytes();
        auto opened = UsulLibrary::EnsureAndOpen(folder_.path(), bytes);
        ASSERT_EQ(opened.status, LibraryStatus::Ok);
        library_ = std::move(opened.library);
    }
    UsulLibrary& library() { return *library_; }
    const std::filesystem::path& folder() const { return folder_.path(); }

  private:
    TempFolder folder_;
    std::unique_ptr<UsulLibrary> library_;
};

}  // namespace ritmora::testing
