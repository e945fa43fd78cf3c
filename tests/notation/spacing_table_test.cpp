#include "notation/spacing_table.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace ritmora {
namespace {

using Row = std::array<int, 6>;

Row RowOf(const SpacingTable& table, int level) {
    Row row{};
    for (int m = 0; m < 6; ++m) row[static_cast<std::size_t>(m)] = table.Entry(level, m);
    return row;
}

TEST(SpacingTable, TellingRowsWithHalvesToEven) {
    const std::map<int, Row> expected = {
        {1, {0, 0, 0, 0, 0, 0}},    {2, {1, 0, 0, 0, 0, 0}},    {3, {2, 1, 0, 0, 0, 0}},
        {5, {2, 1, 0, 0, 0, 0}},    {8, {4, 2, 1, 0, 0, 0}},    {12, {6, 3, 2, 1, 0, 0}},
        {16, {8, 4, 2, 1, 0, 0}},   {24, {12, 6, 3, 2, 1, 0}},  {32, {16, 8, 4, 2, 1, 0}},
        {48, {24, 12, 6, 3, 2, 1}}, {53, {26, 13, 6, 3, 2, 1}}, {62, {31, 16, 8, 4, 2, 1}},
        {63, {32, 16, 8, 4, 2, 1}}};
    const SpacingTable& table = StandardSpacingTable();
    for (const auto& [level, row] : expected) EXPECT_EQ(RowOf(table, level), row) << level;
}

TEST(SpacingTable, OutOfRangeAndSpacingByDuration) {
    const SpacingTable& table = StandardSpacingTable();
    EXPECT_EQ(table.Entry(0, 0), 0);
    EXPECT_EQ(table.Entry(64, 0), 0);
    EXPECT_EQ(table.Entry(63, 6), 0);
    EXPECT_EQ(table.Entry(63, -1), 0);
    // Dotted values take the spacing of their plain value; values without a class take none.
    EXPECT_EQ(table.SpacingAfter(16, 63), 8);
    EXPECT_EQ(table.SpacingAfter(24, 63), 8);
    EXPECT_EQ(table.SpacingAfter(28, 63), 8);
    EXPECT_EQ(table.SpacingAfter(112, 63), 32);
    EXPECT_EQ(table.SpacingAfter(3, 63), 1);
    EXPECT_EQ(table.SpacingAfter(5, 63), 0);
    EXPECT_EQ(table.SpacingAfter(0, 63), 0);
}

}  // namespace
}  // namespace ritmora
