// The default library as the program carries it: the bytes are checked against the library's
// fixed facts and the editor's rules, independently of the generator that wrote them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "library/default_library.h"
#include "library/usul_record.h"
#include "notation/note_values.h"
#include "notation/relayout.h"
#include "tests/support/test_support.h"

namespace ritmora {
namespace {

struct Expected {
    int slot;
    const char* name;
    int beats;
    int mertebe;
};

const std::vector<Expected>& ExpectedSlots() {
    static const std::vector<Expected> slots = {
        {1, "Nim sofyan", 2, 8},
        {2, "Nim sofyan", 2, 4},
        {3, "Nim sofyan", 2, 2},
        {4, "Semai", 3, 8},
        {5, "Semai", 3, 4},
        {6, "Semai", 3, 2},
        {7, "Semai v.", 3, 8},
        {8, "Semai v.", 3, 4},
        {9, "Sofyan", 4, 8},
        {10, "Sofyan", 4, 4},
        {11, "Sofyan v.", 4, 4},
        {12, "Türk aksağı", 5, 8},
        {13, "Türk aksağı", 5, 4},
        {14, "Türk aksağı v.", 5, 8},
        {15, "Türk aksağı v.", 5, 4},
        {16, "Zafer", 5, 8},
        {17, "Zafer v.", 5, 8},
        {18, "Yürük semai", 6, 8},
        {19, "Sengin semai", 6, 4},
        {20, "Ağır sengin semai", 6, 2},
        {21, "Sengin semai v.", 6, 4},
        {22, "Sengin semai vv.", 6, 4},
        {23, "Bileşik nim sofyan", 6, 8},
        {24, "Devr-i hindî", 7, 8},
        {25, "Devr-i hindî", 7, 4},
        {26, "Devr-i hindî v.", 7, 8},
        {27, "Devr-i hindî vv.", 7, 8},
        {28, "Devr-i turan", 7, 8},
        {29, "Devr-i turan v.", 7, 8},
        {30, "Devr-i aryan", 7, 8},
        {31, "Devr-i aryan v.", 7, 8},
        {32, "Düyek", 8, 8},
        {33, "Düyek v.", 8, 8},
        {34, "Ağır düyek", 8, 4},
        {35, "Ağır düyek v.", 8, 4},
        {36, "Müsemmen (Katakofti)", 8, 8},
        {37, "Müsemmen v.", 8, 8},
        {38, "Aksak", 9, 8},
        {39, "Aksak(çifte sofyan)", 9, 8},
        {40, "9 zamanlı sofyan", 9, 8},
        {41, "Aksak v.", 9, 8},
        {42, "Çifte sofyan v.", 9, 8},
        {43, "Ağır aksak", 9, 4},
        {44, "Ağır aksak v.", 9, 4},
        {45, "Ağır aksak özel", 9, 4},
        {46, "Evfer", 9, 8},
        {47, "Mevlevi evferi", 9, 4},
        {48, "Evfer v.", 9, 8},
        {49, "Mevlevi evferi v.", 9, 4},
        {50, "Raks aksağı", 9, 8},
        {51, "Raks aksağı v.", 9, 8},
        {52, "Raks aksağı vv.", 9, 8},
        {53, "Oynak", 9, 8},
        {54, "Oynak v.", 9, 8},
        {55, "Oynak vv.", 9, 8},
        {56, "Birleşik semai", 9, 8},
        {57, "Bileşik semai v.", 9, 8},
        {58, "Curcuna  açık", 10, 16},
        {59, "Curcuna kapalı", 10, 16},
        {60, "Curcuna v.", 10, 16},
        {61, "Aksak semai açık", 10, 8},
        {62, "Aksak semai kapalı", 10, 8},
        {63, "Aksak semai v.", 10, 8},
        {64, "Aksak semai evferi", 10, 8},
        {65, "Ağır aksak semai", 10, 4},
        {66, "Ağır aksak semai v.", 10, 4},
        {67, "Lenk fahte", 10, 4},
        {68, "Lenk fahte v.", 10, 4},
        {69, "Lenk fahte vv.", 10, 4},
        {70, "Lenk fahte vvv.", 10, 4},
        {71, "Çeng-i harbi", 10, 8},
        {72, "Çeng-i harbi", 10, 4},
        {73, "Devr-i süreyya", 10, 8},
        {74, "Devr-i süreyya v.", 10, 8},
        {75, "Tek vuruş", 11, 8},
        {76, "Tek vuruş", 11, 4},
        {77, "Tek vuruş v.", 11, 8},
        {78, "Tek vuruş vv.", 11, 8},
        {79, "Frenkçin", 12, 8},
        {80, "Frenkçin", 12, 4},
        {81, "Frenkçin v.", 12, 4},
        {82, "Nim çenber", 12, 8},
        {83, "Nim çenber", 12, 4},
        {84, "Nim çenber  v.", 12, 8},
        {85, "Nim çenber v.", 12, 4},
        {86, "İkiz aksak", 12, 8},
        {87, "İkiz aksak v.", 12, 8},
        {88, "İkiz aksak vv.", 12, 8},
        {89, "İkiz aksak vvv.", 12, 8},
        {90, "Bileşik sofyan", 12, 8},
        {91, "Bileşik sofyan v.", 12, 8},
        {92, "Nim evsat", 13, 8},
        {93, "Nim evsat", 13, 4},
        {94, "Nim evsat v.", 13, 8},
        {95, "Nim evsat v.", 13, 4},
        {96, "Şarkı devr-i revanı", 13, 8},
        {97, "Şarkı devr-i revanı", 13, 4},
        {98, "Şarkı devr-i revanı v.", 13, 8},
        {99, "Şarkı devr-i revanı v.", 13, 4},
        {100, "Şarkı devr-i revanı-2", 13, 8},
        {101, "Şarkı devr-i revanı-2", 13, 4},
        {102, "Şarkı devr-i revanı-2 v", 13, 8},
        {103, "Şarkı devr-i revanı-2 v", 13, 4},
        {104, "Şarkı devr-i revanı-3", 13, 4},
        {105, "Bektaşi devr-i revan", 13, 8},
        {106, "Bektaşi devr-i revanı", 13, 4},
        {107, "Bektaşi devr-i revanı v.", 13, 8},
        {108, "Bektaşi devr-i revanı v.", 13, 4},
        {109, "Ayin devr-i revanı", 14, 8},
        {110, "Ayin devr-i revanı", 14, 4},
        {111, "Ayin devr-i revanı v.", 14, 8},
        {112, "Ayin devr-i revanı v.", 14, 4},
        {113, "Raksan", 15, 8},
        {114, "Raksan v.", 15, 8},
        {115, "Bektaşi raksanı-1", 15, 8},
        {116, "Bektaşi raksanı-2", 15, 8},
        {117, "Bektaşi raksanı v.", 15, 8},
        {118, "Çifte düyek", 16, 4},
        {119, "Çifte düyek v.", 16, 4},
        {120, "Fer i muhammes", 16, 4},
        {121, "Fer i muhammes v.", 32, 8},
        {122, "Nim berefşan", 16, 8},
        {123, "Nim berefşan", 16, 4},
        {124, "Nim berefşan v.", 16, 4},
        {125, "Nim hafif", 16, 4},
        {126, "Nim hafif", 16, 4},
        {127, "Nim hafif v.", 16, 4},
        {128, "Darb-ı Türkî", 18, 4},
        {129, "Darb-ı Türkî v.", 18, 4},
        {130, "Nim devir eski", 18, 4},
        {131, "Nim devir yeni", 18, 4},
        {132, "Nim devir v.", 18, 4},
        {133, "Fahte", 20, 4},
        {134, "Fahte v.", 20, 4},
        {135, "Durak evferi", 21, 4},
        {136, "Durak evferi v.", 21, 4},
        {137, "Hezeç", 22, 4},
        {138, "Çenber", 24, 4},
        {139, "Ağır Çenber", 24, 2},
        {140, "Çenber v.", 24, 4},
        {141, "Ağır Çenber v.", 24, 2},
        {142, "Nim sakil eski", 24, 4},
        {143, "Nim sakil yeni", 24, 4},
        {144, "Nim sakil yeni", 24, 2},
        {145, "Nim sakil v.", 24, 4},
        {146, "Evsat", 26, 8},
        {147, "Evsat", 26, 4},
        {148, "Evsat v.", 26, 8},
        {149, "Evsat v.", 26, 4},
        {150, "Beste devr-i revanı", 26, 4},
        {151, "Beste devr-i revanı v.", 26, 4},
        {152, "Frengifer", 28, 4},
        {153, "Frengifer v.", 28, 4},
        {154, "Devr-i kebir eski", 28, 4},
        {155, "Devr-i kebir yeni", 28, 4},
        {156, "Devr-i kebir v.", 28, 4},
        {157, "Devr-i kebir v.", 28, 8},
        {158, "Muzaaf Devr-i kebir", 28, 2},
        {159, "Remel eski", 28, 2},
        {160, "Remel eski", 28, 4},
        {161, "Remel yeni", 28, 2},
        {162, "Remel yeni", 28, 4},
        {163, "Remel v.", 28, 2},
        {164, "Muhammes", 32, 4},
        {165, "Muhammes v.", 32, 4},
        {166, "Hafif eski", 32, 4},
        {167, "Hafif yeni", 32, 4},
        {168, "Hafif (ağır)", 32, 2},
        {169, "Hafif v.", 32, 4},
        {170, "Hafif (ağır) v.", 32, 2},
        {171, "Berefşan", 32, 4},
        {172, "Berefşan v.", 32, 4},
        {173, "Darb-ı hüner", 38, 4},
        {174, "Sakîl (eski)", 48, 4},
        {175, "Sakîl (yeni)", 48, 4},
        {176, "Ağır Sakîl (eski)", 48, 2},
        {177, "Ağır Sakîl (yeni)", 48, 2},
        {178, "Ağır sakil v.", 32, 8},
        {179, "Havî", 64, 4},
        {180, "Ağır Havî", 64, 2},
        {181, "Ağır Havî v.", 32, 8},
        {182, "Ağır Havî  v.", 64, 2},
        {183, "Darb-ı fetih", 88, 4},
        {184, "Ağır Darb-ı fetih", 88, 2},
        {185, "Ağır Darb-ı fetih v.", 32, 8},
        {186, "Ağır Darb-ı fetih  v.", 88, 2},
        {231, "Müsemmen v.", 8, 8},
        {232, "Müsemmen v.", 8, 8},
        {233, "Düyek v.", 8, 8},
        {255, "Darp şiddeti demo", 12, 8},
    };
    return slots;
}

std::span<const std::uint8_t, kRecordSize> RawRecord(int recordNumber) {
    const auto bytes = DefaultLibraryBytes();
    return bytes.subspan(static_cast<std::size_t>(recordNumber - 1) * kRecordSize)
        .first<kRecordSize>();
}

UsulRecord Slot(int slot) { return DecodeUsulRecord(RawRecord(slot)); }

std::string Padded(const std::string& text, std::size_t chars) { return FitText(text, chars); }

struct Row {
    int cell;
    bool right;
    int duration;
    int loudness;
    std::string syllable;  // as stored, 3 characters
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& r, std::ostream* os) {
    *os << "{cell " << r.cell << (r.right ? " R " : " L ") << r.duration << " loud " << r.loudness
        << " \"" << r.syllable << "\"}";
}

std::vector<Row> Strokes(const UsulRecord& usul) {
    std::vector<Row> rows;
    for (int c = 1; c <= kCellCount; ++c) {
        const StrokeCell& cell = usul.Cell(c);
        if (cell.IsEmpty()) continue;
        rows.push_back({c, cell.rightDuration != 0, cell.Duration(), cell.loudness, cell.syllable});
    }
    return rows;
}

int Separators(const UsulRecord& usul) {
    return static_cast<int>(std::count_if(usul.cells.begin(), usul.cells.end(),
                                          [](const StrokeCell& c) { return c.separator != 0; }));
}

bool IsFilledSlot(int slot) {
    return std::any_of(ExpectedSlots().begin(), ExpectedSlots().end(),
                       [slot](const Expected& e) { return e.slot == slot; });
}

// The level the usul is laid out at: the editor's re-layout at that level gives back the very
// same cells. 0 when no level does.
int LayoutLevel(const UsulRecord& usul) {
    for (int level = 63; level >= 1; --level) {
        UsulRecord relaid = usul;
        YeniDizilim(relaid, level, MevcutHalka(relaid));
        if (relaid.cells == usul.cells) return level;
    }
    return 0;
}

void ExpectRows(int slot, const std::vector<Row>& expected) {
    EXPECT_EQ(Strokes(Slot(slot)), expected) << "slot " << slot;
}

TEST(DefaultLibrary, IsTheWholeFileWithItsSettingsRecord) {
    ASSERT_EQ(DefaultLibraryBytes().size(), 431104u);
    const auto settings = RawRecord(kSettingsRecordNumber);
    EXPECT_EQ(settings[0], 200);
    EXPECT_EQ(settings[1], 185);
    EXPECT_EQ(settings[2], 130);
    EXPECT_TRUE(
        std::all_of(settings.begin() + 3, settings.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(DefaultLibrary, NamesAndTimeSignaturesOfEveryFilledSlot) {
    for (const Expected& e : ExpectedSlots()) {
        const UsulRecord usul = Slot(e.slot);
        EXPECT_EQ(usul.name, Padded(e.name, kNameChars)) << "slot " << e.slot;
        EXPECT_EQ(usul.beats, e.beats) << "slot " << e.slot;
        EXPECT_EQ(usul.mertebe, e.mertebe) << "slot " << e.slot;
        EXPECT_FALSE(usul.IsEmptySlot()) << "slot " << e.slot;
        EXPECT_EQ(usul.reserved1, std::string(kReservedChars, ' ')) << "slot " << e.slot;
        EXPECT_EQ(usul.reserved2, std::string(kReservedChars, ' ')) << "slot " << e.slot;
    }
    // Names keep their runs of two blanks and their Turkish letters byte for byte.
    const auto curcuna = RawRecord(58);
    EXPECT_EQ(std::string(curcuna.begin() + 1622, curcuna.begin() + 1635), "Curcuna  a\xE7\xFDk");
}

TEST(DefaultLibrary, EmptySlotsAreBlankHeadersOverZeroCells) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (IsFilledSlot(slot)) continue;
        const auto raw = RawRecord(slot);
        const UsulRecord usul = DecodeUsulRecord(raw);
        EXPECT_TRUE(usul.IsEmptySlot()) << "slot " << slot;
        EXPECT_EQ(usul.beats, 0) << "slot " << slot;
        EXPECT_EQ(usul.mertebe, 8) << "slot " << slot;
        EXPECT_EQ(usul.name, std::string(kNameChars, ' ')) << "slot " << slot;
        EXPECT_EQ(usul.reserved1, std::string(kReservedChars, ' ')) << "slot " << slot;
        EXPECT_EQ(usul.reserved2, std::string(kReservedChars, ' ')) << "slot " << slot;
        EXPECT_TRUE(std::all_of(raw.begin(), raw.begin() + kCellCount * kCellSize,
                                [](std::uint8_t b) { return b == 0; }))
            << "slot " << slot;
    }
}

TEST(DefaultLibrary, ReferenceRows) {
    ExpectRows(1, {{1, true, 8, 3, "Düm"}, {6, false, 8, 2, "Tek"}});
    ExpectRows(12, {{1, true, 16, 3, "Düm"}, {5, false, 16, 2, "Tek"}, {9, false, 8, 1, "Tek"}});
    ExpectRows(24, {{1, true, 8, 3, "Düm"},
                    {4, false, 8, 2, "Tek"},
                    {7, false, 8, 1, "Tek"},
                    {10, true, 16, 3, "Düm"},
                    {16, false, 16, 1, "Tek"}});
    const std::vector<Row> musemmen = {
        {1, true, 8, 0, "Düm"},   {4, false, 8, 0, "Tek"},  {7, false, 8, 0, "Kâ "},
        {10, false, 8, 0, "Tek"}, {13, false, 8, 0, "Kâ "}, {16, false, 8, 0, "Tek"},
        {19, false, 8, 0, "Kâ "}, {22, false, 4, 0, "Te "}, {24, false, 4, 0, "Ke "}};
    ExpectRows(37, musemmen);
    ExpectRows(231, musemmen);
    ExpectRows(232, musemmen);
    EXPECT_EQ(Strokes(Slot(233)).size(), Strokes(Slot(33)).size());
    ExpectRows(255, {{1, true, 16, 3, "   "},
                     {2, true, 16, 2, "   "},
                     {3, true, 16, 1, "   "},
                     {4, false, 16, 3, "   "},
                     {5, false, 16, 2, "   "},
                     {6, false, 16, 1, "   "}});
    EXPECT_EQ(SumOfDurations(Slot(255)), 96);
    EXPECT_EQ(LayoutLevel(Slot(255)), 5);  // packed: every level up to 5 gives quarters no room
}

TEST(DefaultLibrary, LongUsulsAndTheMuhammesPlan) {
    EXPECT_EQ(Separators(Slot(164)), 7);
    EXPECT_EQ(Separators(Slot(183)), 19);

    const UsulRecord muzaaf = Slot(158);
    EXPECT_EQ(Strokes(muzaaf).size(), 70u);
    EXPECT_EQ(MevcutHalka(muzaaf), 180);

    // The work-plan example plays rings 1-48 and then 49 to the end of the velveleli Muhammes:
    // ring 49 starts its last düyek-long (64) part.
    const UsulRecord muhammes = Slot(165);
    int before = 0;
    for (int c = 1; c <= 48; ++c) before += muhammes.Cell(c).Duration();
    EXPECT_EQ(before, 448);
    EXPECT_FALSE(muhammes.Cell(49).IsEmpty());
    EXPECT_EQ(SumOfDurations(muhammes), 512);
}

TEST(DefaultLibrary, EveryUsulFollowsTheEditorsRules) {
    const std::set<std::string> syllables = {"Düm", "Dü ", "Tek", "Te ", "Ke ",
                                             "Kâ ", "Ta ", "Hek", "Me ", "   "};
    for (const Expected& e : ExpectedSlots()) {
        const auto raw = RawRecord(e.slot);
        const UsulRecord usul = DecodeUsulRecord(raw);
        EXPECT_EQ(usul.totalDuration, ExpectedTotal(e.beats, e.mertebe)) << "slot " << e.slot;
        EXPECT_EQ(SumOfDurations(usul), usul.totalDuration) << "slot " << e.slot;
        for (int c = 1; c <= kCellCount; ++c) {
            const StrokeCell& cell = usul.Cell(c);
            const auto cellBytes =
                raw.subspan(static_cast<std::size_t>(c - 1) * kCellSize, kCellSize);
            if (cell.IsEmpty()) {
                // Empty cells are zero bytes, except a separator mark standing before a stroke.
                for (std::size_t k = 0; k < kCellSize; ++k) {
                    EXPECT_EQ(cellBytes[k], k == 6 ? cell.separator : 0)
                        << "slot " << e.slot << " cell " << c << " byte " << k;
                }
                if (cell.separator != 0) {
                    EXPECT_FALSE(c == kCellCount || usul.Cell(c + 1).IsEmpty())
                        << "slot " << e.slot << ": a separator stands only just before a stroke";
                }
                continue;
            }
            EXPECT_TRUE(cell.rightDuration == 0 || cell.leftDuration == 0)
                << "slot " << e.slot << " cell " << c << " holds both hands";
            EXPECT_GE(NoteClass(cell.Duration()), 0) << "slot " << e.slot << " cell " << c;
            EXPECT_LE(cell.loudness, 3) << "slot " << e.slot << " cell " << c;
            EXPECT_TRUE(syllables.count(cell.syllable)) << "slot " << e.slot << " cell " << c;
            if (cell.syllable != "   ") {
                const bool rightSyllable = cell.syllable == "Düm" || cell.syllable == "Dü ";
                EXPECT_EQ(cell.rightDuration != 0, rightSyllable)
                    << "slot " << e.slot << " cell " << c;
            }
            EXPECT_EQ(cell.spare1, 0);
            EXPECT_EQ(cell.spare2, 0);
        }
        // One spacing level lays the whole usul out, so the editor's layout commands keep it.
        EXPECT_GT(LayoutLevel(usul), 0) << "slot " << e.slot;
        EXPECT_LE(MevcutHalka(usul), kCellCount);
    }
}

TEST(DefaultLibrary, TheWidestFittingLevelIsUsedUnlessAReferenceRowFixesIt) {
    // Legibility: with no reference row to respect, an usul is spread as widely as it fits.
    const std::set<int> fixed = {1, 12, 24, 37, 158, 165, 231, 232, 255};
    for (const Expected& e : ExpectedSlots()) {
        if (fixed.count(e.slot)) continue;
        const UsulRecord usul = Slot(e.slot);
        const int level = LayoutLevel(usul);
        for (int wider = level + 1; wider <= 63; ++wider) {
            EXPECT_GT(YeniHalka(usul, wider, MevcutHalka(usul)), kCellCount)
                << "slot " << e.slot << " would still fit at level " << wider;
        }
    }
}

// Onsets of the strokes in sixty-fourth notes from the start of the cycle.
std::vector<int> Onsets(const UsulRecord& usul) {
    std::vector<int> onsets;
    int time = 0;
    for (const Row& row : Strokes(usul)) {
        onsets.push_back(time);
        time += row.duration;
    }
    return onsets;
}

TEST(DefaultLibrary, FilledFormsKeepEveryDarbOfThePlainForm) {
    // (plain slot, filled slot): the velveleli form adds strokes, never moves a darb of the
    // plain form and never changes the length of the cycle.
    const std::vector<std::pair<int, int>> pairs = {
        {4, 7},     {5, 8},     {10, 11},   {12, 14},   {13, 15},   {16, 17},   {19, 21},
        {21, 22},   {24, 26},   {26, 27},   {28, 29},   {30, 31},   {32, 33},   {34, 35},
        {36, 37},   {38, 41},   {39, 42},   {43, 44},   {43, 45},   {45, 44},   {46, 48},
        {47, 49},   {50, 51},   {51, 52},   {53, 54},   {54, 55},   {56, 57},   {58, 60},
        {61, 63},   {65, 66},   {67, 68},   {68, 69},   {69, 70},   {73, 74},   {75, 77},
        {77, 78},   {80, 81},   {82, 84},   {83, 85},   {86, 87},   {87, 88},   {88, 89},
        {90, 91},   {92, 94},   {93, 95},   {96, 98},   {97, 99},   {100, 102}, {101, 103},
        {105, 107}, {106, 108}, {109, 111}, {110, 112}, {113, 114}, {115, 117}, {118, 119},
        {120, 121}, {123, 124}, {125, 126}, {126, 127}, {128, 129}, {130, 131}, {131, 132},
        {133, 134}, {135, 136}, {138, 140}, {139, 141}, {142, 143}, {143, 145}, {146, 148},
        {147, 149}, {150, 151}, {152, 153}, {155, 156}, {159, 161}, {161, 163}, {160, 162},
        {164, 165}, {166, 167}, {167, 169}, {168, 170}, {171, 172}, {174, 175}, {176, 177},
        {180, 182}, {184, 186}, {33, 233},
    };
    for (const auto& [plain, filled] : pairs) {
        const UsulRecord a = Slot(plain);
        const UsulRecord b = Slot(filled);
        EXPECT_EQ(SumOfDurations(a), SumOfDurations(b)) << plain << " -> " << filled;
        EXPECT_LE(Strokes(a).size(), Strokes(b).size()) << plain << " -> " << filled;
        const std::vector<int> kept = Onsets(a);
        const std::vector<int> all = Onsets(b);
        EXPECT_TRUE(std::includes(all.begin(), all.end(), kept.begin(), kept.end()))
            << "slot " << filled << " moves a darb of slot " << plain;
    }
}

TEST(DefaultLibrary, SlowerMertebesDoubleTheSameStrokes) {
    // (faster, slower): the same strokes, syllables and loudness, every duration doubled.
    const std::vector<std::pair<int, int>> pairs = {
        {1, 2},     {2, 3},     {4, 5},     {5, 6},     {7, 8},     {9, 10},    {12, 13},
        {14, 15},   {18, 19},   {19, 20},   {24, 25},   {32, 34},   {33, 35},   {38, 43},
        {41, 44},   {46, 47},   {48, 49},   {61, 65},   {63, 66},   {71, 72},   {75, 76},
        {79, 80},   {82, 83},   {84, 85},   {92, 93},   {94, 95},   {96, 97},   {98, 99},
        {100, 101}, {102, 103}, {105, 106}, {107, 108}, {109, 110}, {111, 112}, {122, 123},
        {143, 144}, {146, 147}, {148, 149}, {157, 156}, {160, 159}, {162, 161}, {167, 168},
        {169, 170}, {174, 176}, {175, 177}, {179, 180}, {183, 184},
    };
    for (const auto& [fast, slow] : pairs) {
        const std::vector<Row> a = Strokes(Slot(fast));
        const std::vector<Row> b = Strokes(Slot(slow));
        ASSERT_EQ(a.size(), b.size()) << fast << " -> " << slow;
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(2 * a[k].duration, b[k].duration)
                << fast << " -> " << slow << " stroke " << k + 1;
            EXPECT_EQ(a[k].right, b[k].right) << fast << " -> " << slow << " stroke " << k + 1;
            EXPECT_EQ(a[k].syllable, b[k].syllable)
                << fast << " -> " << slow << " stroke " << k + 1;
            EXPECT_EQ(a[k].loudness, b[k].loudness)
                << fast << " -> " << slow << " stroke " << k + 1;
        }
    }
}

#ifdef RITMORA_MAKE_DEFAULT_LIBRARY
// The generator reads the text source the build used and must give back the very bytes the
// program carries; a musician's typo must stop it with the file and line.
class Generator : public ::testing::Test {
  protected:
    void SetUp() override {
        source_ =
            testing::ReadText(std::string(RITMORA_SOURCE_DIR) + "/resources/default_library.txt");
        ASSERT_FALSE(source_.empty());
    }

    // Runs the generator over `text`; returns its exit code and leaves its message in message_.
    int Run(const std::string& text) {
        const auto input = dir_ / "default_library.txt";
        testing::WriteText(input, text);
        const std::string command = std::string("\"") + RITMORA_MAKE_DEFAULT_LIBRARY + "\" \"" +
                                    input.string() + "\" \"" + (dir_ / "out.usl").string() +
                                    "\" 2>\"" + (dir_ / "message.txt").string() + "\"";
        const int status = std::system(testing::ShellCommand(command).c_str());
        message_ = testing::ReadText(dir_ / "message.txt");
        return status;
    }
    std::string Replaced(const std::string& from, const std::string& to) const {
        std::string text = source_;
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
        return text;
    }

    // The generator is a build tool: it takes its paths in the system's code page.
    testing::TempFolder folder_{u8"ritmora"};
    const std::filesystem::path& dir_ = folder_.path();
    std::string source_;
    std::string message_;
};

TEST_F(Generator, RebuildsTheEmbeddedBytesFromTheSource) {
    ASSERT_EQ(Run(source_), 0) << message_;
    const std::vector<std::uint8_t> bytes = testing::ReadBytes(dir_ / "out.usl");
    const auto embedded = DefaultLibraryBytes();
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), embedded.begin(), embedded.end()));
}

TEST_F(Generator, StopsAtAMusiciansMistakeWithFileAndLine) {
    const std::string slot1 = "slot 1 \"Nim sofyan\" 2/8 level 63\n";
    const auto headerLine = [&](const std::string& text) {
        return 1 +
               std::count(text.begin(), text.begin() + static_cast<long>(text.find(slot1)), '\n');
    };
    const int line = static_cast<int>(headerLine(source_));
    struct Case {
        std::string from, to, message;
        int lineOffset;  // from the header line of slot 1
    };
    const std::vector<Case> cases = {
        {"      6   L       8    2   Tek   .", "      6   L       8    2   Tak   .",
         "unknown syllable", 4},
        {"      6   L       8    2   Tek   .", "      6   R       8    2   Tek   .",
         "left (L) hand", 4},
        {"      6   L       8    2   Tek   .", "      6   L       9    2   Tek   .",
         "not a note value", 4},
        {"      6   L       8    2   Tek   .", "      6   L       8    4   Tek   .", "loudness", 4},
        {"      6   L       8    2   Tek   .", "      5   L       8    2   Tek   .",
         "belongs in cell 6", 4},
        {"      6   L       8    2   Tek   .", "      6   L       8    2   Tek   |",
         "after the last stroke", 4},
        {"      6   L       8    2   Tek   .", "      6   L       8    2   Tek", "six columns", 4},
        {"      1   R       8    3   Düm   .\n      6   L       8    2   Tek   .",
         "      1   R      16    3   Düm   .\n      10  L       8    2   Tek   .", "add up to 24",
         0},
        {slot1, "slot 1 \"Nim sofyann\" 2/8 level 63\n", "must be \"Nim sofyan\" 2/8", 0},
    };
    for (const Case& c : cases) {
        EXPECT_NE(Run(Replaced(c.from, c.to)), 0) << c.to;
        EXPECT_NE(message_.find(c.message), std::string::npos) << message_;
        EXPECT_EQ(
            message_.rfind("default_library.txt:" + std::to_string(line + c.lineOffset) + ": ", 0),
            0u)
            << message_;
    }
    // A slot of the empty range, and a missing fixed slot.
    EXPECT_NE(
        Run(source_ + "slot 200 \"X\" 2/8 level 1\nsourced: x\n 1 R 8 0 - .\n 2 L 8 0 - .\nend\n"),
        0);
    EXPECT_NE(message_.find("stays empty"), std::string::npos) << message_;
    EXPECT_NE(Run(Replaced(slot1, "slot 187 \"Nim sofyan\" 2/8 level 63\n")), 0);
    EXPECT_NE(message_.find("slot 1 (\"Nim sofyan\") is missing"), std::string::npos) << message_;
}
#endif

}  // namespace
}  // namespace ritmora
