#include <gtest/gtest.h>

#include "app/usul_boxes.h"

namespace ritmora {
namespace {

TEST(UsulBoxes, LeadingNumberReadsLikeABox) {
    EXPECT_EQ(BoxLeadingNumber("  12abc"), 12);
    EXPECT_EQ(BoxLeadingNumber("8"), 8);
    EXPECT_EQ(BoxLeadingNumber("-3"), -3);
    EXPECT_EQ(BoxLeadingNumber(""), std::nullopt);
    EXPECT_EQ(BoxLeadingNumber("abc"), std::nullopt);
    EXPECT_EQ(BoxLeadingNumber(" - 3"), std::nullopt);
    EXPECT_EQ(BoxNumber("x7"), 0);
    EXPECT_EQ(BoxLeadingNumber("99999999999999999999999"), 1'000'000'000);
}

TEST(UsulBoxes, TimeSignatureBytesRefuseWhatCannotBeStored) {
    EXPECT_EQ(TimeSignatureByte("0"), 0);
    EXPECT_EQ(TimeSignatureByte("255"), 255);
    EXPECT_EQ(TimeSignatureByte(" 16/"), 16);
    EXPECT_EQ(TimeSignatureByte("256"), std::nullopt);
    EXPECT_EQ(TimeSignatureByte("-1"), std::nullopt);
    EXPECT_EQ(TimeSignatureByte(""), std::nullopt);
    EXPECT_EQ(TimeSignatureByte("eight"), std::nullopt);
}

TEST(UsulBoxes, ExpectedTotalFollowsTheBoxesAndKeepsItForAZeroDenominator) {
    EXPECT_EQ(ExpectedTotalFromBoxes(" 7/", "8x"), 56);
    EXPECT_EQ(ExpectedTotalFromBoxes("5", "0"), std::nullopt);
    EXPECT_EQ(ExpectedTotalFromBoxes("5", ""), std::nullopt);
    EXPECT_EQ(ExpectedTotalFromBoxes("", "8"), 0);
}

}  // namespace
}  // namespace ritmora
