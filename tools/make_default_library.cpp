// Build-time tool: reads the readable source of the default usul library, checks every usul
// against the editor's rules, the library's fixed facts and the claims of its provenance notes,
// and writes the 256-record file and the provenance table the program carries.
//   make_default_library INPUT.txt OUTPUT.usl OUTPUT_PROVENANCE.cpp
// A fault in the source stops the build with "<input file name>:<line>: <message>", so a
// musician's typo is caught before it reaches the program.
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "library/usul_record.h"
#include "notation/relayout.h"
#include "notation/spacing_table.h"
#include "tools/library_source.h"
#include "tools/provenance_claims.h"
#include "tools/write_whole_file.h"

namespace {

using namespace ritmora;
using namespace ritmora::tools;

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
    if (argc != 4) {
        std::cerr << "usage: make_default_library INPUT.txt OUTPUT.usl OUTPUT_PROVENANCE.cpp\n";
        return 2;
    }
    const std::filesystem::path input = argv[1];
    const std::filesystem::path output = argv[2];
    const std::filesystem::path table = argv[3];
    std::ifstream in(input, std::ios::binary);
    if (!in) {
        std::cerr << "make_default_library: cannot read " << input.string() << "\n";
        return 1;
    }
    try {
        const Source source = ParseSource(in);
        for (const auto& [slot, block] : source.usuls) CheckBlock(block);
        CheckFacts(source);
        CheckProvenanceClaims(source);
        const std::vector<std::uint8_t> bytes = BuildLibrary(source);
        const std::string text = ProvenanceTableSource(source);
        if (bytes.size() != kLibraryFileSize || !WriteWholeFile(output, bytes)) {
            std::cerr << "make_default_library: cannot write " << output.string() << "\n";
            return 1;
        }
        if (!WriteWholeFile(table, std::vector<std::uint8_t>(text.begin(), text.end()))) {
            std::cerr << "make_default_library: cannot write " << table.string() << "\n";
            return 1;
        }
    } catch (const SourceError& error) {
        std::cerr << input.filename().string() << ":" << error.line << ": " << error.message
                  << "\n";
        return 1;
    }
    return 0;
}
