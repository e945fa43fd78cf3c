// The default library as the program carries it. Its fixed facts (names, time signatures,
// reference rows, the long usuls' parts, the colour) are written down once, in the generator,
// which refuses a source that breaks them. Here the embedded bytes are read back against the
// text source they were made from, and the generator is run over the source and over copies
// with mistakes in them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "library/default_library.h"
#include "library/provenance.h"
#include "library/usul_record.h"
#include "notation/relayout.h"
#include "tests/support/test_support.h"

namespace ritmora {
namespace {

// An usul block of the text source: the record it stands for, its level and its name.
struct Block {
    UsulRecord record;
    int level = 0;
    std::string name;
};

struct Source {
    std::map<int, Block> blocks;
    SettingsRecord settings;
};

std::string SourceText() {
    return testing::ReadText(std::string(RITMORA_SOURCE_DIR) + "/resources/default_library.txt");
}

// The empty header delete writes, over cells of zero bytes.
UsulRecord EmptyRecord() {
    UsulRecord record = EmptySlotRecord();
    record.cells = {};
    return record;
}

// The text source read on its own. The total is the time signature's; a part mark lies on the
// cell just before the next stroke, where the editor's re-layout keeps it.
const Source& TextSource() {
    static const Source source = [] {
        Source s;
        Block* open = nullptr;
        bool markPending = false;
        for (const std::string& line : testing::Lines(SourceText())) {
            std::istringstream words(line);
            std::string first, hand, syllable, mark;
            int beats = 0, mertebe = 0, duration = 0, loudness = 0;
            char slash = 0;
            words >> first;
            if (first == "slot") {
                const auto openQuote = line.find('"'), closeQuote = line.rfind('"');
                open = &s.blocks[std::stoi(line.substr(5))];
                open->name = line.substr(openQuote + 1, closeQuote - openQuote - 1);
                std::istringstream(line.substr(closeQuote + 1)) >> beats >> slash >> mertebe >>
                    hand >> open->level;
                open->record = EmptyRecord();
                open->record.name = FitText(open->name, kNameChars);
                open->record.beats = static_cast<std::uint8_t>(beats);
                open->record.mertebe = static_cast<std::uint8_t>(mertebe);
                open->record.totalDuration =
                    static_cast<std::int16_t>(ExpectedTotal(beats, mertebe));
                markPending = false;
            } else if (first == "settings") {
                int red = 0, green = 0, blue = 0;
                words >> red >> green >> blue;
                s.settings.backRed = static_cast<std::uint8_t>(red);
                s.settings.backGreen = static_cast<std::uint8_t>(green);
                s.settings.backBlue = static_cast<std::uint8_t>(blue);
            } else if (first == "end") {
                open = nullptr;
            } else if (open != nullptr && !first.empty() &&
                       std::isdigit(static_cast<unsigned char>(first[0]))) {
                const int ring = std::stoi(first);
                words >> hand >> duration >> loudness >> syllable >> mark;
                StrokeCell& cell = open->record.Cell(ring);
                (hand == "R" ? cell.rightDuration : cell.leftDuration) =
                    static_cast<std::uint8_t>(duration);
                cell.loudness = static_cast<std::uint8_t>(loudness);
                cell.syllable = FitText(syllable == "-" ? "" : syllable, kSyllableChars);
                if (markPending) open->record.Cell(ring - 1).separator = 1;
                markPending = mark == "|";
            }
        }
        return s;
    }();
    return source;
}

RecordBytes RawRecord(int recordNumber) {
    RecordBytes raw{};
    const auto bytes = DefaultLibraryBytes();
    std::copy_n(bytes.begin() + (recordNumber - 1) * static_cast<long>(kRecordSize), kRecordSize,
                raw.begin());
    return raw;
}

UsulRecord Slot(int slot) { return DecodeUsulRecord(RawRecord(slot)); }

TEST(DefaultLibrary, EveryRecordIsItsBlockOfTheTextSource) {
    ASSERT_EQ(DefaultLibraryBytes().size(), kLibraryFileSize);
    ASSERT_GT(TextSource().blocks.size(), 186u);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const auto found = TextSource().blocks.find(slot);
        const bool empty = found == TextSource().blocks.end();
        EXPECT_EQ(RawRecord(slot), EncodeUsulRecord(empty ? EmptyRecord() : found->second.record))
            << "slot " << slot;
    }
    EXPECT_EQ(RawRecord(kSettingsRecordNumber), EncodeSettingsRecord(TextSource().settings));
    // The user range holds copies of two fixed usuls.
    for (const int copy : {231, 232}) EXPECT_EQ(Slot(copy).cells, Slot(37).cells);
    EXPECT_EQ(Slot(233).cells, Slot(33).cells);
}

// Legibility: with no reference row to respect, an usul is laid out at the widest level at
// which it still fits in 180 rings. A velveleli name says which plain form it fills (or is
// another mertebe of one that does), so that the generator checks every darb is kept.
TEST(DefaultLibrary, EveryUsulIsWidelyLaidOutAndTiedToItsPlainForm) {
    const std::set<int> pinned = {1, 12, 24, 37, 158, 165, 231, 232, 255};
    const auto fills = [](const SlotProvenance* p) {
        return p != nullptr && p->velveleOf + p->openingOf != 0;
    };
    for (const auto& [slot, block] : TextSource().blocks) {
        const UsulRecord usul = Slot(slot);
        if (!pinned.count(slot) && block.level < 63) {
            EXPECT_GT(YeniHalka(usul, block.level + 1, MevcutHalka(usul)), kCellCount)
                << "slot " << slot << " would still fit at level " << block.level + 1;
        }
        const SlotProvenance* p = ProvenanceOf(slot);
        const std::string last = block.name.substr(block.name.rfind(' ') + 1);
        if (p != nullptr && p->kind != ProvenanceClass::kSourced &&
            (last == "v" || last == "v." || last == "vv." || last == "vvv.")) {
            EXPECT_TRUE(fills(p) || fills(ProvenanceOf(p->mertebeOf))) << "slot " << slot;
        }
    }
}

// Written by hand from the usul reference notes, not from the library source: Stroke:duration
// (strength) in sixty-fourths; "|" marks parts; a bare word is that pattern; no strength where
// the notes give none. musemmen-v is the library's own form; ...-at-16/-at-8 are other mertebes.
const std::map<std::string, std::string> kPatterns = {
    {"nim-sofyan", "Düm:8(3) Tek:8(2)"},
    {"semai", "Düm:8(3) Tek:8(2) Tek:8(1)"},
    {"sofyan", "Düm:16(3) Te:8(2) Ke:8(1)"},
    {"turk-aksagi", "Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"yuruk-semai", "Düm:8(3) Tek:8(2) Tek:8(1) Düm:8(1) Tek:16(2)"},
    {"bilesik-nim-sofyan", "Düm:8 Tek:8 | Düm:8 Tek:8 | Düm:8 Tek:8"},
    {"devr-i-hindi", "Düm:8(3) Tek:8(2) Tek:8(1) | Düm:16(3) Tek:16(1)"},
    {"devr-i-turan", "Düm:16(3) Tek:16(1) Tek:24(2)"},
    {"duyek", "Düm:8(2) Tek:16(3) Tek:8(1) | Düm:16(3) Tek:16(1)"},
    {"musemmen", "Düm:8(3) Tek:8(2) Tek:8(1) | Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"musemmen-v", "Düm:8(0) Tek:8(0) Kâ:8(0) Tek:8(0) Kâ:8(0) Tek:8(0) Kâ:8(0) Te:4(0) Ke:4(0)"},
    {"aksak", "Düm:16(3) Te:8(2) Ke:8(1) | Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"evfer", "Düm:16(3) Te:8(2) Ke:8(1) | Düm:16(3) Tek:8(1) Tek:16(2)"},
    {"raks-aksagi", "Düm:16(3) Tek:24(2) | Düm:16(3) Tek:16(1)"},
    {"oynak", "Düm:8(3) Tek:8(2) Tek:8(1) | Düm:16(3) Tek:16(2) Tek:16(1)"},
    {"curcuna", "Düm:8(3) Te:4(1) Kâ:8(2) | Düm:8(3) Tek:8(2) Tek:4(1)"},
    {"aksak-semai", "Düm:16(3) Tek:8(1) Tek:16(2) | Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"aksak-semai-at-16", "Düm:8(3) Tek:4(1) Tek:8(2) | Düm:8(3) Tek:8(2) Tek:4(1)"},
    {"agir-aksak-semai-evferi-at-8", "Düm:16(3) Tek:8(1) Tek:16(2) | Düm:16(3) Tek:8(1) Tek:16(2)"},
    {"sarki-devr-i-revani-1",
     "Düm:8(3) Tek:8(2) Tek:8(1) | Düm:16(3) Tek:16(1) | Düm:16(3) Te:8(2) Ke:8(1) | Tek:16(1)"},
    {"sarki-devr-i-revani-2",
     "Düm:8(3) Tek:8(2) Tek:8(1) | Düm:8(2) Tek:16(3) Tek:8(1) Düm:16(3) Tek:16(1) | Tek:16(1)"},
    {"sarki-devr-i-revani-3",
     "Düm:16(3) Tek:16(2) Tek:16(1) | Düm:8(2) Tek:16(3) Tek:8(1) Düm:16(3) Tek:16(1) | Düm:8(2) "
     "Tek:16(3) Tek:8(1) Düm:16(3) Tek:16(1) | Tek:32(1)"},
    {"bektasi-raksani-1",
     "Düm:16(3) Tek:16(2) Tek:8(1) | Düm:16(3) Tek:8(1) Tek:16(2) | Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"bektasi-raksani-2",
     "Düm:16(3) Tek:8(1) Tek:16(2) | Düm:16(3) Tek:8(1) Tek:16(2) | Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"fer", "sofyan | sofyan | sofyan | sofyan"},
    {"devr-i-kebir-eski", "yuruk-semai | sofyan | sofyan | yuruk-semai | sofyan | sofyan"},
    {"devr-i-kebir-yeni", "yuruk-semai | sofyan | yuruk-semai | sofyan | sofyan | sofyan"},
    {"remel", "sofyan | yuruk-semai | sofyan | yuruk-semai | sofyan | sofyan"},
};

// The sourced and partly sourced slots: the pattern they follow, "*k" with every duration times k.
const std::map<int, std::string> kSourcedSlots = {{1, "nim-sofyan"},
                                                  {2, "nim-sofyan*2"},
                                                  {3, "nim-sofyan*4"},
                                                  {4, "semai"},
                                                  {5, "semai*2"},
                                                  {6, "semai*4"},
                                                  {9, "sofyan"},
                                                  {10, "sofyan*2"},
                                                  {12, "turk-aksagi"},
                                                  {13, "turk-aksagi*2"},
                                                  {18, "yuruk-semai"},
                                                  {19, "yuruk-semai*2"},
                                                  {20, "yuruk-semai*4"},
                                                  {23, "bilesik-nim-sofyan"},
                                                  {24, "devr-i-hindi"},
                                                  {25, "devr-i-hindi*2"},
                                                  {28, "devr-i-turan"},
                                                  {32, "duyek"},
                                                  {36, "musemmen"},
                                                  {37, "musemmen-v"},
                                                  {38, "aksak"},
                                                  {43, "aksak*2"},
                                                  {46, "evfer"},
                                                  {47, "evfer*2"},
                                                  {50, "raks-aksagi"},
                                                  {53, "oynak"},
                                                  {58, "curcuna"},
                                                  {59, "aksak-semai-at-16"},
                                                  {61, "curcuna*2"},
                                                  {62, "aksak-semai"},
                                                  {64, "agir-aksak-semai-evferi-at-8"},
                                                  {65, "aksak-semai*2"},
                                                  {96, "sarki-devr-i-revani-1"},
                                                  {97, "sarki-devr-i-revani-1*2"},
                                                  {100, "sarki-devr-i-revani-2"},
                                                  {101, "sarki-devr-i-revani-2*2"},
                                                  {104, "sarki-devr-i-revani-3"},
                                                  {115, "bektasi-raksani-1"},
                                                  {116, "bektasi-raksani-2"},
                                                  {120, "fer*2"},
                                                  {154, "devr-i-kebir-eski*2"},
                                                  {155, "devr-i-kebir-yeni*2"},
                                                  {159, "remel*4"},
                                                  {160, "remel*2"}};

// The strokes of pattern `name`, every duration times `scale`, bare words expanded.
std::vector<std::string> PatternStrokes(const std::string& name, int scale) {
    std::istringstream tokens(kPatterns.at(name));
    std::vector<std::string> strokes;
    for (std::string token; tokens >> token;) {
        if (token == "|") continue;
        const auto colon = token.find(':');
        if (colon == std::string::npos) {
            for (std::string& part : PatternStrokes(token, scale)) strokes.push_back(part);
            continue;
        }
        const auto digits = token.find_first_not_of("0123456789", colon + 1);
        token.replace(colon + 1, digits - colon - 1,
                      std::to_string(std::stoi(token.substr(colon + 1)) * scale));
        strokes.push_back(token);
    }
    return strokes;
}

// Exactly these slots are called sourced or partly sourced, and their strokes are the
// transcription's: order, hand, syllable, duration, strength where given. Every other fixed
// usul carries a class and notes in both languages too; the user's slots carry none.
TEST(DefaultLibrary, SourcedSlotsAreTheReferencesStrokesAndEveryFixedUsulHasItsProvenance) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotProvenance* p = ProvenanceOf(slot);
        if (slot >= kFirstUserSlot || Slot(slot).totalDuration == 0) {
            EXPECT_EQ(p, nullptr) << "slot " << slot;
            continue;
        }
        ASSERT_NE(p, nullptr) << "slot " << slot;
        EXPECT_FALSE(p->noteEnglish.empty() || p->noteTurkish.empty()) << "slot " << slot;
        const auto sourced = kSourcedSlots.find(slot);
        EXPECT_EQ(sourced != kSourcedSlots.end(), p->kind == ProvenanceClass::kSourced ||
                                                      p->kind == ProvenanceClass::kPartlySourced)
            << "slot " << slot;
        if (sourced == kSourcedSlots.end()) continue;
        const auto star = sourced->second.find('*');
        const std::vector<std::string> expected = PatternStrokes(
            sourced->second.substr(0, star),
            star == std::string::npos ? 1 : std::stoi(sourced->second.substr(star + 1)));
        const UsulRecord usul = Slot(slot);
        std::vector<const StrokeCell*> strokes;
        for (const StrokeCell& cell : usul.cells) {
            if (!cell.IsEmpty()) strokes.push_back(&cell);
        }
        ASSERT_EQ(strokes.size(), expected.size()) << "slot " << slot;
        for (std::size_t k = 0; k < expected.size(); ++k) {
            const std::string& token = expected[k];
            const StrokeCell& s = *strokes[k];
            const auto colon = token.find(':');
            const auto paren = token.find('(');
            const std::string syllable = token.substr(0, colon);
            EXPECT_EQ(s.syllable, FitText(syllable, kSyllableChars)) << slot << " " << token;
            EXPECT_EQ(s.rightDuration != 0, syllable == "Düm") << slot << " " << token;
            EXPECT_EQ(s.Duration(), std::stoi(token.substr(colon + 1))) << slot << " " << token;
            if (paren != std::string::npos) {  // no strength in the sources: any loudness
                EXPECT_EQ(s.loudness, token[paren + 1] - '0') << slot << " " << token;
            }
        }
    }
}

#ifdef RITMORA_MAKE_DEFAULT_LIBRARY
// The generator reads the text source the build used and must give back the very bytes the
// program carries; a musician's typo or a false claim must stop it with the file and line.
class Generator : public ::testing::Test {
  protected:
    // Runs the generator over `text`; returns its exit code and leaves its message in message_.
    int Run(const std::string& text) {
        const auto input = dir_ / "default_library.txt";
        testing::WriteText(input, text);
        const std::string command = std::string("\"") + RITMORA_MAKE_DEFAULT_LIBRARY + "\" \"" +
                                    input.string() + "\" \"" + (dir_ / "out.usl").string() +
                                    "\" \"" + (dir_ / "out.cpp").string() + "\" 2>\"" +
                                    (dir_ / "message.txt").string() + "\"";
        const int status = std::system(testing::ShellCommand(command).c_str());
        message_ = testing::ReadText(dir_ / "message.txt");
        return status;
    }
    // Where `text` first stands in the source after `after`.
    std::size_t Find(const std::string& text, const std::string& after) const {
        const auto at = source_.find(text, source_.find(after));
        EXPECT_NE(at, std::string::npos) << text;
        return at;
    }
    int LineOf(const std::string& text, const std::string& after) const {
        const auto at = static_cast<long>(Find(text, after));
        return 1 + static_cast<int>(std::count(source_.begin(), source_.begin() + at, '\n'));
    }
    std::string Replaced(const std::string& from, const std::string& to,
                         const std::string& after) const {
        std::string text = source_;
        const auto at = Find(from, after);
        if (at != std::string::npos) text.replace(at, from.size(), to);
        return text;
    }

    // The generator is a build tool: it takes its paths in the system's code page.
    testing::TempFolder folder_{u8"ritmora"};
    const std::filesystem::path& dir_ = folder_.path();
    const std::string source_ = SourceText();
    std::string message_;
};

TEST_F(Generator, RebuildsTheEmbeddedBytesFromTheSource) {
    ASSERT_EQ(Run(source_), 0) << message_;
    const std::vector<std::uint8_t> bytes = testing::ReadBytes(dir_ / "out.usl");
    const auto embedded = DefaultLibraryBytes();
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), embedded.begin(), embedded.end()));
}

TEST_F(Generator, StopsAtAMistakeOrAFalseClaimWithFileAndLine) {
    const std::string slot1 = "slot 1 \"Nim sofyan\" 2/8 level 63\n";
    const std::string tek = "      6   L       8    2   Tek   .";
    const std::string strokes1 = "      1   R       8    3   Düm   .\n" + tek;
    const std::string class1 = "sourced: Özkan; DİA \"Nim sofyan\"\n";
    const std::string strengths130 = "strengths: 3 2 1 3 2 3 2 3 1 2 1";
    struct Case {
        std::string from, to, message;
        int lineOffset;          // from the line `from` starts on
        std::string after = "";  // `from` is looked for after this text
    };
    const std::vector<Case> cases = {
        {tek, "      6   L       8    2   Tak   .", "unknown syllable", 0},
        {tek, "      6   R       8    2   Tek   .", "left (L) hand", 0},
        {tek, "      6   L       9    2   Tek   .", "not a note value", 0},
        {tek, "      6   L       8    4   Tek   .", "loudness", 0},
        {tek, "      5   L       8    2   Tek   .", "belongs in cell 6", 0},
        {tek, "      6   L       8    2   Tek   |", "after the last stroke", 0},
        {tek, "      6   L       8    2   Tek", "six columns", 0},
        {strokes1, "      1   R      16    3   Düm   .\n     10   L       8    2   Tek   .",
         "add up to 24", -5},
        {slot1, "slot 1 \"Nim sofyann\" 2/8 level 63\n", "must be \"Nim sofyan\" 2/8", 0},
        {slot1 + class1, slot1, "must start with \"sourced:\"", 1},
        {class1, "sourced:\n", "say which source", 0},
        {strengths130, "strengths: 3 2 1 1 2 3 2 3 1 2 1", "loudness reads 3 2 1 3 2", 0},
        {"darbs: 6\n", "darbs: 7\n", "has 6 darbs, not 7", 0},
        {"velvele of: 4\n", "velvele of: 5\n", "keeps the length of slot 5", 0},
        {"velvele of: 58\n", "velvele of: 59\n", "is not kept in its place", 0},
        {"mertebe of: 18\n", "mertebe of: 24\n", "not the strokes of slot 24", 0},
        {"opening of: 174\n", "opening of: 172\n", "not a stretch of it", 0},
        {"en: Düm one zaman", "en: 3 2 1 3, Düm one zaman", "give them on a \"strengths:\"", 0},
        {"en: Düm one zaman", "en: D\xFCm one zaman", "not UTF-8", 0},
        {"tr: Özkan'ın usul", "# tr: Özkan'ın usul", "needs a note in both languages", -3},
        {"slot 231 \"Müsemmen v.\" 8/8 level 42\n",
         "slot 231 \"Müsemmen v.\" 8/8 level 42\nsourced: slot 37\n", "carry no provenance", 1},
        // The library's fixed facts.
        {"    9   L       8    1", "    9   L       8    2", "reference row of slot 12 reads", 0,
         "\nslot 12 "},
        {"Ke    |", "Ke    .", "Muhammes carries 7 separators", -7, "slot 164 "},
        {"settings 200 185 130", "settings 200 185 131", "default colour is 200 185 130", 0},
    };
    for (const Case& c : cases) {
        EXPECT_NE(Run(Replaced(c.from, c.to, c.after)), 0) << c.to;
        EXPECT_NE(message_.find(c.message), std::string::npos) << c.to << ": " << message_;
        const int line = LineOf(c.from, c.after) + c.lineOffset;
        EXPECT_EQ(message_.rfind("default_library.txt:" + std::to_string(line) + ": ", 0), 0u)
            << message_;
    }
    // A slot of the empty range, and a missing fixed slot.
    EXPECT_NE(Run(source_ + "slot 200 \"X\" 2/8 level 1\nno source found:\nen: x\ntr: x\n"
                            " 1 R 8 0 - .\n 2 L 8 0 - .\nend\n"),
              0);
    EXPECT_NE(message_.find("stays empty"), std::string::npos) << message_;
    EXPECT_NE(Run(Replaced(slot1, "slot 187 \"Nim sofyan\" 2/8 level 63\n", "")), 0);
    EXPECT_NE(message_.find("slot 1 (\"Nim sofyan\") is missing"), std::string::npos) << message_;
}
#endif

}  // namespace
}  // namespace ritmora
