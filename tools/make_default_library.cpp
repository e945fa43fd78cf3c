// Build-time tool: reads the readable source of the default usul library, checks every usul
// against the editor's rules and the library's fixed facts, and writes the 256-record file.
//   make_default_library INPUT.txt OUTPUT.usl
// A fault in the source stops the build with "<input file name>:<line>: <message>", so a
// musician's typo is caught before it reaches the program.
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/write_whole_file.h"
#include "library/cp1254.h"
#include "library/usul_record.h"
#include "notation/note_values.h"
#include "notation/relayout.h"
#include "notation/spacing_table.h"

namespace {

using namespace ritmora;

struct SourceError {
    int line;
    std::string message;
};

[[noreturn]] void Fail(int line, std::string message) {
    throw SourceError{line, std::move(message)};
}

struct StrokeLine {
    int line = 0;
    int cell = 0;
    bool right = false;
    int duration = 0;
    int loudness = 0;
    std::string syllable;  // "" for none
    bool separatorAfter = false;
};

struct UsulBlock {
    int line = 0;
    int slot = 0;
    std::string name;
    int beats = 0;
    int mertebe = 0;
    int level = 0;
    std::vector<StrokeLine> strokes;
};

struct Source {
    std::map<int, UsulBlock> usuls;  // by slot
    int settingsLine = 0;
    std::array<int, 3> colour{};
    int lastLine = 0;
};

// ---------------------------------------------------------------------------------------------
// The library's fixed facts.

struct SlotName {
    int slot;
    const char* name;
    int beats;
    int mertebe;
};

// Slots 1-186 (the fixed library), the three user-range usuls and the loudness demonstration.
constexpr SlotName kSlotNames[] = {
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

struct ReferenceRow {
    int cell;
    bool right;
    int duration;
    int loudness;
    const char* syllable;  // "" for none
};

struct ReferenceUsul {
    int slot;
    std::vector<ReferenceRow> rows;  // every stroke of the usul
};

const std::vector<ReferenceUsul>& ReferenceUsuls() {
    static const std::vector<ReferenceUsul> usuls = {
        {1, {{1, true, 8, 3, "Düm"}, {6, false, 8, 2, "Tek"}}},
        {12, {{1, true, 16, 3, "Düm"}, {5, false, 16, 2, "Tek"}, {9, false, 8, 1, "Tek"}}},
        {24,
         {{1, true, 8, 3, "Düm"},
          {4, false, 8, 2, "Tek"},
          {7, false, 8, 1, "Tek"},
          {10, true, 16, 3, "Düm"},
          {16, false, 16, 1, "Tek"}}},
        {37,
         {{1, true, 8, 0, "Düm"},
          {4, false, 8, 0, "Tek"},
          {7, false, 8, 0, "Kâ"},
          {10, false, 8, 0, "Tek"},
          {13, false, 8, 0, "Kâ"},
          {16, false, 8, 0, "Tek"},
          {19, false, 8, 0, "Kâ"},
          {22, false, 4, 0, "Te"},
          {24, false, 4, 0, "Ke"}}},
        {255,
         {{1, true, 16, 3, ""},
          {2, true, 16, 2, ""},
          {3, true, 16, 1, ""},
          {4, false, 16, 3, ""},
          {5, false, 16, 2, ""},
          {6, false, 16, 1, ""}}},
    };
    return usuls;
}

constexpr std::array<int, 3> kDefaultColour = {200, 185, 130};
constexpr int kMuhammes = 164;
constexpr int kMuhammesSeparators = 7;
constexpr int kDarbiFetih = 183;
constexpr int kDarbiFetihSeparators = 19;
constexpr int kMuzaafDevriKebir = 158;
constexpr int kMuzaafStrokes = 70;
constexpr int kMuhammesVelveleli = 165;
constexpr int kMuhammesLastPartRing = 49;  // plans play rings 1-48, then 49 to the end
constexpr int kMuhammesBeforeLastPart = 448;

bool IsEmptyRange(int slot) { return (slot >= 187 && slot <= 230) || (slot >= 234 && slot <= 254); }

// ---------------------------------------------------------------------------------------------
// Reading the source.

constexpr std::string_view kSyllables[] = {"Düm", "Dü", "Tek", "Te", "Ke", "Kâ", "Ta", "Hek", "Me"};

bool IsRightHandSyllable(std::string_view s) { return s == "Düm" || s == "Dü"; }

std::vector<std::string> SplitWords(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

int IntOrFail(std::string_view text, int line, std::string_view what) {
    const auto value = ParseInt(text);
    if (!value)
        Fail(line,
             std::string(what) + " must be a whole number, not \"" + std::string(text) + "\"");
    return *value;
}

bool IsBlankOrComment(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string_view::npos || text[first] == '#';
}

UsulBlock ParseHeader(std::string_view text, int line) {
    // slot <n> "<name>" <beats>/<mertebe> level <u>
    UsulBlock block;
    block.line = line;
    const auto open = text.find('"');
    const auto close = open == std::string_view::npos ? open : text.find('"', open + 1);
    if (close == std::string_view::npos) {
        Fail(line, "expected: slot <number> \"<name>\" <beats>/<mertebe> level <level>");
    }
    const auto before = SplitWords(text.substr(0, open));
    const auto after = SplitWords(text.substr(close + 1));
    if (before.size() != 2 || after.size() != 3 || after[1] != "level") {
        Fail(line, "expected: slot <number> \"<name>\" <beats>/<mertebe> level <level>");
    }
    block.slot = IntOrFail(before[1], line, "the slot number");
    block.name = std::string(text.substr(open + 1, close - open - 1));
    const auto slash = after[0].find('/');
    if (slash == std::string::npos) Fail(line, "the time signature must read beats/mertebe");
    block.beats = IntOrFail(std::string_view(after[0]).substr(0, slash), line, "the beat count");
    block.mertebe = IntOrFail(std::string_view(after[0]).substr(slash + 1), line, "the mertebe");
    block.level = IntOrFail(after[2], line, "the level");

    if (block.slot < 1 || block.slot > kSlotCount) Fail(line, "slot numbers run from 1 to 255");
    if (block.name.empty()) Fail(line, "the name is empty");
    if (Utf8Length(block.name) > kNameChars) Fail(line, "the name is longer than 40 characters");
    if (Cp1254ToUtf8(Utf8ToCp1254(block.name)) != block.name) {
        Fail(line, "the name holds a character the library file cannot store");
    }
    if (block.beats < 1 || block.beats > 255) Fail(line, "the beat count must be 1 to 255");
    constexpr int kMertebes[] = {1, 2, 4, 8, 16, 32, 64};
    if (std::find(std::begin(kMertebes), std::end(kMertebes), block.mertebe) ==
        std::end(kMertebes)) {
        Fail(line, "the mertebe must be 1, 2, 4, 8, 16, 32 or 64");
    }
    if (block.level < kMinLevel || block.level > kMaxLevel) Fail(line, "the level must be 1 to 63");
    return block;
}

void ParseConfidence(std::string_view text, int line) {
    for (std::string_view kind :
         {std::string_view("sourced:"), std::string_view("reconstructed:")}) {
        if (text.substr(0, kind.size()) == kind) {
            if (IsBlankOrComment(text.substr(kind.size()))) {
                Fail(line,
                     "say which source or which derivation after \"" + std::string(kind) + "\"");
            }
            return;
        }
    }
    Fail(line, "the line after the slot line must start with \"sourced:\" or \"reconstructed:\"");
}

StrokeLine ParseStroke(std::string_view text, int line) {
    const auto words = SplitWords(text);
    if (words.size() != 6) {
        Fail(line, "a stroke line has six columns: cell hand duration loudness syllable separator");
    }
    StrokeLine stroke;
    stroke.line = line;
    stroke.cell = IntOrFail(words[0], line, "the cell");
    if (stroke.cell < 1 || stroke.cell > kCellCount) Fail(line, "cells run from 1 to 180");
    if (words[1] != "R" && words[1] != "L")
        Fail(line, "the hand must be R (Düm line) or L (Tek line)");
    stroke.right = words[1] == "R";
    stroke.duration = IntOrFail(words[2], line, "the duration");
    if (NoteClass(stroke.duration) < 0) {
        Fail(line, "duration " + words[2] +
                       " is not a note value (64 96 112 32 48 56 16 24 28 8 12 14 4 6 7 2 3)");
    }
    stroke.loudness = IntOrFail(words[3], line, "the loudness");
    if (stroke.loudness < 0 || stroke.loudness > 3) Fail(line, "the loudness must be 0 to 3");
    if (words[4] != "-") {
        if (std::find(std::begin(kSyllables), std::end(kSyllables), words[4]) ==
            std::end(kSyllables)) {
            Fail(line,
                 "unknown syllable \"" + words[4] + "\" (Düm Dü Tek Te Ke Kâ Ta Hek Me or -)");
        }
        if (IsRightHandSyllable(words[4]) != stroke.right) {
            Fail(line, "\"" + words[4] + "\" belongs on the " +
                           (IsRightHandSyllable(words[4]) ? "right (R)" : "left (L)") + " hand");
        }
        stroke.syllable = words[4];
    }
    if (words[5] != "|" && words[5] != ".") Fail(line, "the separator column must be | or .");
    stroke.separatorAfter = words[5] == "|";
    return stroke;
}

Source ParseSource(std::istream& in) {
    Source source;
    std::optional<UsulBlock> open;
    bool expectConfidence = false;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (IsBlankOrComment(text)) continue;
        const auto words = SplitWords(text);
        if (open && expectConfidence) {
            ParseConfidence(text, line);
            expectConfidence = false;
        } else if (open) {
            if (words[0] == "end") {
                if (words.size() != 1) Fail(line, "nothing may follow \"end\"");
                if (open->strokes.empty()) Fail(open->line, "the usul has no strokes");
                const auto [at, inserted] = source.usuls.emplace(open->slot, *open);
                if (!inserted) {
                    Fail(open->line, "slot " + std::to_string(open->slot) +
                                         " is already given at line " +
                                         std::to_string(at->second.line));
                }
                open.reset();
            } else {
                StrokeLine stroke = ParseStroke(text, line);
                if (!open->strokes.empty() && stroke.cell <= open->strokes.back().cell) {
                    Fail(line, "cells must increase from stroke to stroke");
                }
                open->strokes.push_back(stroke);
            }
        } else if (words[0] == "slot") {
            open = ParseHeader(text, line);
            expectConfidence = true;
        } else if (words[0] == "settings") {
            if (source.settingsLine != 0) Fail(line, "the settings line is given twice");
            if (words.size() != 4) Fail(line, "expected: settings <red> <green> <blue>");
            for (int k = 0; k < 3; ++k) {
                source.colour[k] = IntOrFail(words[k + 1], line, "a colour component");
                if (source.colour[k] < 0 || source.colour[k] > 255)
                    Fail(line, "colour components run from 0 to 255");
            }
            source.settingsLine = line;
        } else {
            Fail(line, "expected a \"slot\" line, a \"settings\" line or a comment");
        }
    }
    source.lastLine = line;
    if (open)
        Fail(open->line, "the block of slot " + std::to_string(open->slot) + " has no \"end\"");
    return source;
}

// ---------------------------------------------------------------------------------------------
// Building and checking the records.

// The header of an empty slot as delete writes it, with cells of zero bytes.
UsulRecord EmptyDefaultSlot() {
    UsulRecord record = EmptySlotRecord();
    record.cells = {};
    return record;
}

UsulRecord BuildRecord(const UsulBlock& block) {
    UsulRecord record = EmptyDefaultSlot();
    record.beats = static_cast<std::uint8_t>(block.beats);
    record.mertebe = static_cast<std::uint8_t>(block.mertebe);
    record.name = FitText(block.name, kNameChars);
    int total = 0;
    for (std::size_t k = 0; k < block.strokes.size(); ++k) {
        const StrokeLine& stroke = block.strokes[k];
        StrokeCell& cell = record.Cell(stroke.cell);
        (stroke.right ? cell.rightDuration : cell.leftDuration) =
            static_cast<std::uint8_t>(stroke.duration);
        cell.loudness = static_cast<std::uint8_t>(stroke.loudness);
        cell.syllable = FitText(stroke.syllable, kSyllableChars);
        // The mark between two strokes lives on the cell just before the next stroke, where the
        // editor's re-layout keeps it.
        if (stroke.separatorAfter && k + 1 < block.strokes.size()) {
            record.Cell(block.strokes[k + 1].cell - 1).separator = 1;
        }
        total += stroke.duration;
    }
    record.totalDuration = static_cast<std::int16_t>(total);
    return record;
}

void CheckBlock(const UsulBlock& block) {
    const StrokeLine& last = block.strokes.back();
    if (last.separatorAfter)
        Fail(last.line, "no separator after the last stroke (the editor drops it)");

    int total = 0;
    for (const StrokeLine& stroke : block.strokes) total += stroke.duration;
    const int expected = ExpectedTotal(block.beats, block.mertebe);
    if (total != expected) {
        Fail(block.line, "the durations add up to " + std::to_string(total) + ", but " +
                             std::to_string(block.beats) + "/" + std::to_string(block.mertebe) +
                             " asks for " + std::to_string(expected));
    }

    // Where the editor's re-layout at this level puts each stroke.
    const SpacingTable& table = StandardSpacingTable();
    int ring = 1;
    for (const StrokeLine& stroke : block.strokes) {
        if (ring > kCellCount) {
            Fail(stroke.line, "at level " + std::to_string(block.level) +
                                  " this stroke would land past ring 180; choose a smaller level");
        }
        if (stroke.cell != ring) {
            Fail(stroke.line, "at level " + std::to_string(block.level) +
                                  " this stroke belongs in cell " + std::to_string(ring) +
                                  ", not " + std::to_string(stroke.cell));
        }
        ring += 1 + table.SpacingAfter(stroke.duration, block.level);
    }

    // The record must come back unchanged from the editor's own re-layout.
    const UsulRecord record = BuildRecord(block);
    UsulRecord relaid = record;
    const int lastRing = MevcutHalka(relaid);
    if (YeniHalka(relaid, block.level, lastRing) != lastRing) {
        Fail(block.line, "the editor's re-layout at this level moves the last stroke");
    }
    YeniDizilim(relaid, block.level, lastRing);
    if (relaid.cells != record.cells) {
        Fail(block.line, "the editor's re-layout at this level changes the cells");
    }
}

const StrokeLine* StrokeInCell(const UsulBlock& block, int cell) {
    for (const StrokeLine& stroke : block.strokes) {
        if (stroke.cell == cell) return &stroke;
    }
    return nullptr;
}

int SeparatorCount(const UsulBlock& block) {
    return static_cast<int>(std::count_if(block.strokes.begin(), block.strokes.end(),
                                          [](const StrokeLine& s) { return s.separatorAfter; }));
}

void CheckFacts(const Source& source) {
    // Every named slot is there, with its name and time signature.
    for (const SlotName& expected : kSlotNames) {
        const auto found = source.usuls.find(expected.slot);
        if (found == source.usuls.end()) {
            const auto next = source.usuls.upper_bound(expected.slot);
            const int line = next == source.usuls.end() ? source.lastLine : next->second.line;
            Fail(line, "slot " + std::to_string(expected.slot) + " (\"" + expected.name +
                           "\") is missing before this line");
        }
        const UsulBlock& block = found->second;
        if (block.name != expected.name || block.beats != expected.beats ||
            block.mertebe != expected.mertebe) {
            Fail(block.line, "slot " + std::to_string(expected.slot) + " must be \"" +
                                 expected.name + "\" " + std::to_string(expected.beats) + "/" +
                                 std::to_string(expected.mertebe));
        }
    }
    for (const auto& [slot, block] : source.usuls) {
        if (slot == kSettingsRecordNumber || IsEmptyRange(slot)) {
            Fail(block.line,
                 "slot " + std::to_string(slot) + " stays empty in the default library");
        }
    }

    // Reference rows: every stroke exactly as given.
    for (const ReferenceUsul& reference : ReferenceUsuls()) {
        const UsulBlock& block = source.usuls.at(reference.slot);
        if (block.strokes.size() != reference.rows.size()) {
            Fail(block.line, "slot " + std::to_string(reference.slot) + " has " +
                                 std::to_string(reference.rows.size()) + " reference strokes");
        }
        for (std::size_t k = 0; k < reference.rows.size(); ++k) {
            const ReferenceRow& row = reference.rows[k];
            const StrokeLine& stroke = block.strokes[k];
            if (stroke.cell != row.cell || stroke.right != row.right ||
                stroke.duration != row.duration || stroke.loudness != row.loudness ||
                stroke.syllable != row.syllable) {
                Fail(stroke.line, "the reference row of slot " + std::to_string(reference.slot) +
                                      " reads: cell " + std::to_string(row.cell) + ", " +
                                      (row.right ? "R" : "L") + ", " +
                                      std::to_string(row.duration) + ", loudness " +
                                      std::to_string(row.loudness) + ", " +
                                      (*row.syllable ? row.syllable : "-"));
            }
        }
    }

    const UsulBlock& muhammes = source.usuls.at(kMuhammes);
    if (SeparatorCount(muhammes) != kMuhammesSeparators) {
        Fail(muhammes.line, "Muhammes carries 7 separators between its 8 parts");
    }
    const UsulBlock& fetih = source.usuls.at(kDarbiFetih);
    if (SeparatorCount(fetih) != kDarbiFetihSeparators) {
        Fail(fetih.line, "Darb-ı fetih carries 19 separators between its 20 parts");
    }
    const UsulBlock& muzaaf = source.usuls.at(kMuzaafDevriKebir);
    if (static_cast<int>(muzaaf.strokes.size()) != kMuzaafStrokes ||
        muzaaf.strokes.back().cell != kCellCount) {
        Fail(muzaaf.line, "Muzaaf Devr-i kebir has 70 strokes, the last on ring 180");
    }
    const UsulBlock& velveleli = source.usuls.at(kMuhammesVelveleli);
    int before = 0;
    for (const StrokeLine& stroke : velveleli.strokes) {
        if (stroke.cell < kMuhammesLastPartRing) before += stroke.duration;
    }
    if (before != kMuhammesBeforeLastPart || !StrokeInCell(velveleli, kMuhammesLastPartRing)) {
        Fail(velveleli.line,
             "Muhammes v. starts its last düyek-long part on ring 49, after 448 "
             "sixty-fourths in rings 1-48");
    }

    if (source.settingsLine == 0)
        Fail(source.lastLine, "the \"settings\" line (default colour) is missing");
    if (source.colour != kDefaultColour)
        Fail(source.settingsLine, "the default colour is 200 185 130");
}

std::vector<std::uint8_t> BuildLibrary(const Source& source) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kLibraryFileSize);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const auto found = source.usuls.find(slot);
        const UsulRecord record =
            found == source.usuls.end() ? EmptyDefaultSlot() : BuildRecord(found->second);
        const RecordBytes encoded = EncodeUsulRecord(record);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    SettingsRecord settings;  // zero filler
    settings.backRed = static_cast<std::uint8_t>(source.colour[0]);
    settings.backGreen = static_cast<std::uint8_t>(source.colour[1]);
    settings.backBlue = static_cast<std::uint8_t>(source.colour[2]);
    const RecordBytes encoded = EncodeSettingsRecord(settings);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    return bytes;
}


}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_default_library INPUT.txt OUTPUT.usl\n";
        return 2;
    }
    const std::filesystem::path input = argv[1];
    const std::filesystem::path output = argv[2];
    std::ifstream in(input, std::ios::binary);
    if (!in) {
        std::cerr << "make_default_library: cannot read " << input.string() << "\n";
        return 1;
    }
    try {
        const Source source = ParseSource(in);
        for (const auto& [slot, block] : source.usuls) CheckBlock(block);
        CheckFacts(source);
        const std::vector<std::uint8_t> bytes = BuildLibrary(source);
        if (bytes.size() != kLibraryFileSize || !tools::WriteWholeFile(output, bytes)) {
            std::cerr << "make_default_library: cannot write " << output.string() << "\n";
            return 1;
        }
    } catch (const SourceError& error) {
        std::cerr << input.filename().string() << ":" << error.line << ": " << error.message
                  << "\n";
        return 1;
    }
    return 0;
}
