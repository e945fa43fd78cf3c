#include "library/usul_record.h"

#include <gtest/gtest.h>

#include <string>

#include "library/cp1254.h"

namespace ritmora {
namespace {

UsulRecord RoundTrip(const UsulRecord& record) {
    return DecodeUsulRecord(EncodeUsulRecord(record));
}

std::string NameBytes(const RecordBytes& bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()) + 1622, 40);
}

TEST(UsulRecord, TurkishNamesSurviveWriteAndRead) {
    for (const std::string name : {"Türk aksağı", "Darb-ı Türkî", "İkiz aksak", "Curcuna  açık",
                                   "Şarkı devr-i revanı-2 v", "Ağır Çenber"}) {
        UsulRecord record = EmptySlotRecord();
        record.name = name;
        const UsulRecord back = RoundTrip(record);
        EXPECT_EQ(Utf8Length(back.name), 40u) << name;
        EXPECT_EQ(back.name, FitText(name, 40)) << name;
        EXPECT_EQ(back.name.substr(0, name.size()), name);
    }
    UsulRecord record = EmptySlotRecord();
    record.Cell(7).syllable = "Kâ";
    EXPECT_EQ(RoundTrip(record).Cell(7).syllable, "Kâ ");
}

TEST(UsulRecord, NameOfMoreThanFortyCharactersIsCut) {
    UsulRecord record;
    // 41 characters, the last two of them two-byte letters in UTF-8.
    record.name = std::string(39, 'a') + "ğş";
    const RecordBytes bytes = EncodeUsulRecord(record);
    EXPECT_EQ(NameBytes(bytes), std::string(39, 'a') + "\xF0");
    EXPECT_EQ(DecodeUsulRecord(bytes).name, std::string(39, 'a') + "ğ");
    record.name = std::string(60, 'x');
    EXPECT_EQ(DecodeUsulRecord(EncodeUsulRecord(record)).name, std::string(40, 'x'));
}

TEST(UsulRecord, NeverWrittenFieldsRoundTripByteForByte) {
    // Bytes as found in a file: NUL text fields, odd values, every byte value somewhere.
    RecordBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    for (std::size_t i = 1622; i < 1662; ++i) bytes[i] = 0;
    EXPECT_EQ(EncodeUsulRecord(DecodeUsulRecord(bytes)), bytes);

    const UsulRecord zero = DecodeUsulRecord(RecordBytes{});
    EXPECT_EQ(zero.name, std::string(40, '\0'));
    EXPECT_EQ(zero.Cell(1).syllable, std::string(3, '\0'));
    EXPECT_EQ(EncodeUsulRecord(zero), RecordBytes{});
    EXPECT_EQ(EncodeUsulRecord(UsulRecord{}), RecordBytes{});
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
    cell.rightDuration = 16;
    cell.leftDuration = 8;
    cell.loudness = 3;
    cell.syllable = "Düm";
    cell.separator = 1;
    cell.spare1 = 5;
    cell.spare2 = 6;
    record.Cell(2).leftDuration = 255;

    const RecordBytes bytes = EncodeUsulRecord(record);
    EXPECT_EQ(bytes[1620], 88);
    EXPECT_EQ(bytes[1621], 2);
    EXPECT_EQ(bytes[1662], 0x00);
    EXPECT_EQ(bytes[1663], 0x0B);
    EXPECT_EQ(NameBytes(bytes), "Darb-\xFD fetih" + std::string(28, ' '));
    EXPECT_EQ(std::string(bytes.begin() + 1664, bytes.begin() + 1674), "abc       ");
    EXPECT_EQ(std::string(bytes.begin() + 1674, bytes.end()), std::string(10, 'z'));
    const std::size_t k = 179 * 9;
    EXPECT_EQ(std::vector<int>(bytes.begin() + k, bytes.begin() + k + 9),
              (std::vector<int>{16, 8, 3, 'D', 0xFC, 'm', 1, 5, 6}));
    EXPECT_EQ(bytes[9 + 1], 255);
    EXPECT_EQ(RoundTrip(record).Cell(180), cell);

    record.totalDuration = -2;  // signed: stored as FE FF
    const RecordBytes negative = EncodeUsulRecord(record);
    EXPECT_EQ(negative[1662], 0xFE);
    EXPECT_EQ(negative[1663], 0xFF);
    EXPECT_EQ(DecodeUsulRecord(negative).totalDuration, -2);
}

TEST(UsulRecord, EmptySlotAsDeleteWritesIt) {
    const UsulRecord empty = EmptySlotRecord();
    const RecordBytes bytes = EncodeUsulRecord(empty);
    for (std::size_t k = 0; k < 180; ++k) {
        const std::size_t at = k * 9;
        ASSERT_EQ(std::vector<int>(bytes.begin() + at, bytes.begin() + at + 9),
                  (std::vector<int>{0, 0, 0, ' ', ' ', ' ', 0, 0, 0}));
    }
    EXPECT_EQ(bytes[1620], 0);
    EXPECT_EQ(bytes[1621], 8);
    EXPECT_EQ(std::string(bytes.begin() + 1622, bytes.begin() + 1662), std::string(40, ' '));
    EXPECT_EQ(bytes[1662] | bytes[1663], 0);
    EXPECT_EQ(std::string(bytes.begin() + 1664, bytes.end()), std::string(20, ' '));
    EXPECT_TRUE(RoundTrip(empty).IsEmptySlot());
    EXPECT_EQ(RoundTrip(empty), empty);
}

TEST(UsulRecord, SumOfDurationsCountsRightHandFirst) {
    UsulRecord record = EmptySlotRecord();
    record.Cell(1).rightDuration = 16;
    record.Cell(1).leftDuration = 8;  // both hands: counts with the right hand's 16
    record.Cell(5).leftDuration = 16;
    record.Cell(9).leftDuration = 8;
    record.Cell(10).loudness = 2;  // loudness and syllable alone carry no time
    record.Cell(10).syllable = "Tek";
    EXPECT_EQ(SumOfDurations(record), 40);
    EXPECT_EQ(SumOfDurations(EmptySlotRecord()), 0);
}

TEST(UsulRecord, ExpectedTotal) {
    EXPECT_EQ(ExpectedTotal(2, 8), 16);
    EXPECT_EQ(ExpectedTotal(5, 8), 40);
    EXPECT_EQ(ExpectedTotal(10, 16), 40);
    EXPECT_EQ(ExpectedTotal(88, 2), 2816);
    EXPECT_EQ(ExpectedTotal(1, 3), 21);   // 21.33
    EXPECT_EQ(ExpectedTotal(1, 6), 11);   // 10.67
    EXPECT_EQ(ExpectedTotal(1, 128), 0);  // 0.5 -> even 0
    EXPECT_EQ(ExpectedTotal(3, 128), 2);  // 1.5 -> 2
    EXPECT_EQ(ExpectedTotal(5, 128), 2);  // 2.5 -> 2
    EXPECT_EQ(ExpectedTotal(0, 8), 0);
    EXPECT_EQ(ExpectedTotal(5, 0), 0);  // no denominator: nothing expected, no crash
}

TEST(UsulRecord, FitText) {
    EXPECT_EQ(FitText("Kâ", 3), "Kâ ");
    EXPECT_EQ(FitText("", 3), "   ");
    EXPECT_EQ(FitText("Düm!", 3), "Düm");
    EXPECT_EQ(FitText(std::string(3, '\0'), 3), std::string(3, '\0'));
}

TEST(SettingsRecord, RoundTripKeepsFiller) {
    RecordBytes bytes{};
    bytes[0] = 200;
    bytes[1] = 185;
    bytes[2] = 130;
    bytes[100] = 0xAB;
    bytes[1683] = 0x01;
    const SettingsRecord settings = DecodeSettingsRecord(bytes);
    EXPECT_EQ(settings.backRed, 200);
    EXPECT_EQ(settings.backGreen, 185);
    EXPECT_EQ(settings.backBlue, 130);
    EXPECT_EQ(EncodeSettingsRecord(settings), bytes);
}

}  // namespace
}  // namespace ritmora
