#include "library/list_line.h"

#include <gtest/gtest.h>

#include <tuple>

#include "library/cp1254.h"

namespace ritmora {
namespace {

// Slot, beats and mertebe in their columns (blank when they cannot be shown), then the stored
// name shown over 40 characters: 53 characters in all.
TEST(UsulListLine, ColumnsOfEveryKindOfSlot) {
    const std::tuple<int, int, int, std::string, std::string> cases[] = {
        {1, 2, 8, FitText("Nim sofyan", kNameChars), "  1    2/8   Nim sofyan"},
        {58, 10, 16, FitText("Curcuna  açık", kNameChars), " 58   10/16  Curcuna  açık"},
        {12, 5, 8, "Türk aksağı", " 12    5/8   Türk aksağı"},  // a short name is padded
        {255, 255, 99, std::string(40, 'x'), "255  255/99  " + std::string(40, 'x')},
        {9, 0, 0, "", "  9     /  "},
        {10, 7, 100, "", " 10    7/   "},
        {200, 0, 0, std::string(40, '\0'), "200     /  "},  // never written: all NULs
    };
    for (const auto& [slot, beats, mertebe, name, shown] : cases) {
        UsulRecord record = EmptySlotRecord();
        record.beats = static_cast<std::uint8_t>(beats);
        record.mertebe = static_cast<std::uint8_t>(mertebe);
        record.name = name;
        const std::string line = UsulListLine(slot, record);
        EXPECT_EQ(Utf8Length(line), 53u) << shown;
        EXPECT_EQ(line, shown + std::string(53 - Utf8Length(shown), ' '));
    }
    EXPECT_EQ(UsulListLine(187, EmptySlotRecord()), "187     /8" + std::string(43, ' '));
}

}  // namespace
}  // namespace ritmora
