#pragma once
// A small library file, and a fixture opening it in a fresh folder.
#include <memory>

#include "library/library_file.h"
#include "tests/support/test_support.h"

namespace ritmora::testing {

// Slot 165 holds a quarter-note Düm on each of rings 1..kMuhammesRings, slot 12 a single stroke
// on ring 3; every other slot is empty.
inline constexpr int kMuhammesRings = 64;

inline std::vector<std::uint8_t> SmallLibraryBytes() {
    return LibraryBytes([](int slot, UsulRecord& record) {
        const int rings = slot == 165 ? kMuhammesRings : slot == 12 ? 1 : 0;
        for (int ring = 1; ring <= rings; ++ring) {
            record.Cell(slot == 12 ? 3 : ring) = {16, 0, 3, "Düm", 0, 0, 0};
        }
        record.totalDuration = static_cast<std::int16_t>(SumOfDurations(record));
    });
}

class LibraryFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        auto opened = UsulLibrary::EnsureAndOpen(folder_.path(), SmallLibraryBytes());
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
