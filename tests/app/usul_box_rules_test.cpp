#include <gtest/gtest.h>

#include <optional>

#include "app/usul_boxes.h"

namespace ritmora {
namespace {

constexpr auto kNone = std::nullopt;

TEST(UsulBoxes, NumbersAreReadLikeABoxAndTimeSignaturesMustFitAByte) {
    const std::pair<const char*, std::optional<long long>> leading[] = {
        {"  12abc", 12}, {"-3", -3},      {"", kNone},
        {"abc", kNone},  {" - 3", kNone}, {"99999999999999999999999", 1'000'000'000}};
    for (const auto& [text, value] : leading) EXPECT_EQ(BoxLeadingNumber(text), value) << text;
    EXPECT_EQ(BoxNumber("x7"), 0);
    const std::pair<const char*, std::optional<int>> bytes[] = {
        {"0", 0}, {"255", 255}, {" 16/", 16}, {"256", kNone}, {"-1", kNone}, {"eight", kNone}};
    for (const auto& [text, value] : bytes) EXPECT_EQ(TimeSignatureByte(text), value) << text;
    // A zero or missing mertebe expects nothing, so the shown total stays as it was.
    EXPECT_EQ(ExpectedTotalFromBoxes(" 7/", "8x"), 56);
    EXPECT_EQ(ExpectedTotalFromBoxes("5", "0"), kNone);
    EXPECT_EQ(ExpectedTotalFromBoxes("5", ""), kNone);
    EXPECT_EQ(ExpectedTotalFromBoxes("", "8"), 0);
}

}  // namespace
}  // namespace ritmora
