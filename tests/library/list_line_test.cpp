#include "library/list_line.h"

#include <gtest/gtest.h>

#include "library/cp1254.h"

namespace ritmora {
namespace {

UsulRecord Usul(int beats, int mertebe, const std::string& name) {
    UsulRecord record = EmptySlotRecord();
    record.beats = static_cast<std::uint8_t>(beats);
    record.mertebe = static_cast<std::uint8_t>(mertebe);
    record.name = FitText(name, kNameChars);
    return record;
}

TEST(UsulListLine, ColumnsOfTheDefaultLibrary) {
    const std::string first = UsulListLine(1, Usul(2, 8, "Nim sofyan"));
    EXPECT_EQ(first, "  1    2/8   Nim sofyan" + std::string(30, ' '));
    const std::string curcuna = UsulListLine(58, Usul(10, 16, "Curcuna  açık"));
    EXPECT_EQ(curcuna, " 58   10/16  Curcuna  açık" + std::string(27, ' '));
    EXPECT_EQ(Utf8Length(curcuna), 53u);
    EXPECT_EQ(UsulListLine(187, EmptySlotRecord()), "187     /8" + std::string(43, ' '));
    EXPECT_EQ(UsulListLine(255, Usul(255, 99, std::string(40, 'x'))),
              "255  255/99  " + std::string(40, 'x'));
}

TEST(UsulListLine, BlankNumbersAndStoredNames) {
    // Mertebe 0 and 100 or more leave columns 10-11 blank; beats 0 leaves 6-8 blank.
    EXPECT_EQ(UsulListLine(9, Usul(0, 0, "")), "  9     /  " + std::string(42, ' '));
    EXPECT_EQ(UsulListLine(10, Usul(7, 100, "")).substr(0, 13), " 10    7/    ");
    // A never-written record (all NULs) shows blanks; a short name is padded to 40 characters.
    const std::string zero = UsulListLine(200, UsulRecord{});
    EXPECT_EQ(zero, "200     /  " + std::string(42, ' '));
    UsulRecord shortName = Usul(5, 8, "");
    shortName.name = "Türk aksağı";
    const std::string line = UsulListLine(12, shortName);
    EXPECT_EQ(Utf8Length(line), 53u);
    EXPECT_EQ(line, " 12    5/8   Türk aksağı" + std::string(29, ' '));
}

}  // namespace
}  // namespace ritmora
