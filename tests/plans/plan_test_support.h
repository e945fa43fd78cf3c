#pragma once
// A small library file, and a fixture opening it in a fresh folder.
#include <memory>

#include "library/library_file.h"
#include "tests/support/test_support.h"

namespace ritmora::testing {

// Beat count of the test usul in slot 165: strokes on rings 1..kMuhammesRings.
inline constexpr int kMuhammesRings = 64;

// A library whose slot 165 holds an usul with a quarter-note Düm on each of rings 1..64 and
// slot 12 one with a single stroke on ring 3; every other slot is empty.
inline std::vector<std::uint8_t> SmallLibraryBytes() {
    return LibraryBytes([](int slot, UsulRecord& record) {
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
    });
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
