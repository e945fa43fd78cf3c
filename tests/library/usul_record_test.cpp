#include "library/usul_record.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace ritmora {
namespace {

UsulRecord RoundTrip(const UsulRecord& record) {
    return DecodeUsulRecord(EncodeUsulRecord(record));
}

std::string Bytes(const RecordBytes& bytes, std::size_t from, std::size_t count) {
    return std::string(reinterpret_cast<const char*>(bytes.data()) + from, count);
}

// Names are stored in Windows-1254, padded with blanks or cut to 40 characters.
TEST(UsulRecord, NamesAreStoredInTheCodePageAndFitFortyCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"Darb-ı Türkî", "Darb-\xFD T\xFCrk\xEE" + std::string(28, ' ')},
        {"Curcuna  açık", "Curcuna  a\xE7\xFDk" + std::string(27, ' ')},
        {"İkiz Şarkı Ağır",
         "\xDDkiz \xDE"
         "ark\xFD A\xF0\xFDr" +
             std::string(25, ' ')},
        {std::string(39, 'a') + "ğş", std::string(39, 'a') + "\xF0"},  // 41 characters
        {std::string(60, 'x'), std::string(40, 'x')},
    };
    for (const auto& [name, stored] : cases) {
        UsulRecord record = EmptySlotRecord();
        record.name = name;
        const RecordBytes bytes = EncodeUsulRecord(record);
        EXPECT_EQ(Bytes(bytes, 1622, 40), stored) << name;
        EXPECT_EQ(DecodeUsulRecord(bytes).name, FitText(name, kNameChars)) << name;
    }
    EXPECT_EQ(FitText("Kâ", 3), "Kâ ");
    EXPECT_EQ(FitText("Düm!", 3), "Düm");
}

TEST(UsulRecord, FieldsLieAtTheirOffsets) {
    UsulRecord record;
    record.beats = 88;
    record.mertebe = 2;
    record.totalDuration = 2816;  // 0x0B00
    record.name = "Darb-ı fetih";
    record.reserved1 = "abc";
    record.reserved2 = std::string(10, 'z');
    StrokeCell& cell = record.Cell(180);
    cell = {16, 8, 3, "Düm", 1, 5, 6};
    record.Cell(2).leftDuration = 255;

    const RecordBytes bytes = EncodeUsulRecord(record);
    EXPECT_EQ(bytes[1620], 88);
    EXPECT_EQ(bytes[1621], 2);
    EXPECT_EQ(bytes[1662], 0x00);
    EXPECT_EQ(bytes[1663], 0x0B);
    EXPECT_EQ(Bytes(bytes, 1664, 20), "abc       " + std::string(10, 'z'));
    EXPECT_EQ(Bytes(bytes, 179 * 9, 9),
              "\x10\x08\x03"
              "D\xFCm\x01\x05\x06");
    EXPECT_EQ(bytes[9 + 1], 255);
    EXPECT_EQ(RoundTrip(record).Cell(180), cell);

    record.totalDuration = -2;  // signed: stored as FE FF
    const RecordBytes negative = EncodeUsulRecord(record);
    EXPECT_EQ(negative[1662], 0xFE);
    EXPECT_EQ(negative[1663], 0xFF);
    EXPECT_EQ(DecodeUsulRecord(negative).totalDuration, -2);
}

TEST(UsulRecord, BytesFoundInAFileRoundTripByteForByte) {
    // NUL text fields, odd values, every byte value somewhere.
    RecordBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    for (std::size_t i = 1622; i < 1662; ++i) bytes[i] = 0;
    EXPECT_EQ(EncodeUsulRecord(DecodeUsulRecord(bytes)), bytes);
    EXPECT_EQ(EncodeUsulRecord(DecodeUsulRecord(RecordBytes{})), RecordBytes{});

    RecordBytes settings{};
    settings[0] = 200;
    settings[2] = 130;
    settings[100] = 0xAB;
    EXPECT_EQ(DecodeSettingsRecord(settings).backBlue, 130);
    EXPECT_EQ(EncodeSettingsRecord(DecodeSettingsRecord(settings)), settings);
}

TEST(UsulRecord, EmptySlotAsDeleteWritesIt) {
    const RecordBytes bytes = EncodeUsulRecord(EmptySlotRecord());
    for (std::size_t k = 0; k < 180; ++k) {
        ASSERT_EQ(Bytes(bytes, k * 9, 9), std::string("\0\0\0   \0\0\0", 9)) << k;
    }
    EXPECT_EQ(Bytes(bytes, 1620, 2), std::string("\0\x08", 2));
    EXPECT_EQ(Bytes(bytes, 1622, 40), std::string(40, ' '));
    EXPECT_EQ(Bytes(bytes, 1662, 22), std::string(2, '\0') + std::string(20, ' '));
    EXPECT_TRUE(DecodeUsulRecord(bytes).IsEmptySlot());
}

TEST(UsulRecord, SumOfDurationsAndTheExpectedTotal) {
    UsulRecord record = EmptySlotRecord();
    record.Cell(1).rightDuration = 16;
    record.Cell(1).leftDuration = 8;  // both hands: counts with the right hand's 16
    record.Cell(5).leftDuration = 16;
    record.Cell(10).loudness = 2;  // loudness and syllable alone carry no time
    record.Cell(10).syllable = "Tek";
    EXPECT_EQ(SumOfDurations(record), 32);

    // 64 / mertebe x beats, halves rounded to the even number; no mertebe: nothing expected.
    const std::tuple<int, int, int> totals[] = {
        {10, 16, 40}, {88, 2, 2816}, {1, 3, 21},  {1, 6, 11},
        {1, 128, 0},  {3, 128, 2},   {5, 128, 2}, {5, 0, 0},
    };
    for (const auto& [beats, mertebe, total] : totals) {
        EXPECT_EQ(ExpectedTotal(beats, mertebe), total) << beats << "/" << mertebe;
    }
}

}  // namespace
}  // namespace ritmora
