#include "tools/library_source.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <sstream>
#include <string_view>

#include "library/cp1254.h"
#include "library/usul_record.h"
#include "notation/note_values.h"
#include "notation/spacing_table.h"

namespace ritmora::tools {

void Fail(int line, std::string message) { throw SourceError{line, std::move(message)}; }

namespace {

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

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") + 1 - first));
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Notes and citations reach the program as UTF-8; a file saved in another encoding would show
// as garbage there.
bool IsUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = Utf8CharSize(text, pos);
        if (size == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) return false;
        pos += size;
    }
    return true;
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

struct ClassWord {
    std::string_view word;
    SourceClass kind;
};
constexpr ClassWord kClassWords[] = {
    {"sourced:", SourceClass::kSourced},
    {"partly sourced:", SourceClass::kPartlySourced},
    {"reconstructed:", SourceClass::kReconstructed},
    {"no source found:", SourceClass::kNoSourceFound},
};

const ClassWord* ClassOf(std::string_view text) {
    for (const ClassWord& c : kClassWords) {
        if (StartsWith(text, c.word)) return &c;
    }
    return nullptr;
}

// "<class>: <citation>" or "<class>: <English citation> | <Turkish citation>".
void ParseClassLine(std::string_view text, int line, Provenance& provenance) {
    const ClassWord* kind = ClassOf(text);
    if (kind == nullptr) {
        Fail(line,
             "the line after the slot line must start with \"sourced:\", \"partly sourced:\", "
             "\"reconstructed:\" or \"no source found:\"");
    }
    provenance.line = line;
    provenance.kind = kind->kind;
    const std::string citation = Trim(text.substr(kind->word.size()));
    const auto bar = citation.find(" | ");
    provenance.citationEnglish = Trim(citation.substr(0, bar));
    provenance.citationTurkish =
        bar == std::string::npos ? provenance.citationEnglish : Trim(citation.substr(bar + 3));
    if (!IsUtf8(citation)) Fail(line, "the citation is not UTF-8 text: save the file as UTF-8");
    const bool needsCitation =
        kind->kind == SourceClass::kSourced || kind->kind == SourceClass::kPartlySourced;
    if (needsCitation && (provenance.citationEnglish.empty() || provenance.citationTurkish.empty()))
        Fail(line, "say which source after \"" + std::string(kind->word) + "\"");
}

// A note must not carry a list of strengths of its own: such lists go on a "strengths:" line,
// where the build checks them against the strokes.
void CheckNoteText(const std::string& note, int line) {
    if (note.empty()) Fail(line, "the note is empty");
    if (!IsUtf8(note)) Fail(line, "the note is not UTF-8 text: save the file as UTF-8");
    if (std::any_of(note.begin(), note.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
        Fail(line, "the note holds a control character");
    }
    int run = 0;
    for (std::size_t k = 0; k < note.size(); ++k) {
        const char c = note[k];
        if (c >= '1' && c <= '3' &&
            (k + 1 == note.size() || !std::isdigit(static_cast<unsigned char>(note[k + 1])))) {
            if (++run >= 4) {
                Fail(line,
                     "the note lists darb strengths; give them on a \"strengths:\" line, where "
                     "the build checks them");
            }
        } else if (c != ',' && c != ' ') {
            run = 0;
        }
    }
}

void ParseClaimLine(std::string_view text, int line, Provenance& provenance) {
    const auto colon = text.find(':');
    const std::string key = Trim(text.substr(0, colon));
    const std::string value = Trim(text.substr(colon + 1));
    const auto claim = [&](Claim& target, std::string_view what) {
        if (target.line != 0) Fail(line, "\"" + key + ":\" is given twice");
        target = {line, IntOrFail(value, line, what)};
    };
    if (key == "velvele of") {
        claim(provenance.velveleOf, "the slot");
    } else if (key == "opening of") {
        claim(provenance.openingOf, "the slot");
    } else if (key == "mertebe of") {
        claim(provenance.mertebeOf, "the slot");
    } else if (key == "darbs") {
        claim(provenance.darbs, "the darb count");
    } else if (key == "strengths") {
        if (provenance.strengthsLine != 0) Fail(line, "\"strengths:\" is given twice");
        provenance.strengthsLine = line;
        for (const std::string& word : SplitWords(value)) {
            const int strength = IntOrFail(word, line, "a strength");
            if (strength < 1 || strength > 3) Fail(line, "strengths run from 1 to 3");
            provenance.strengths.push_back(strength);
        }
        if (provenance.strengths.empty()) Fail(line, "the strengths line is empty");
    } else if (key == "en" || key == "tr") {
        std::string& note = key == "en" ? provenance.noteEnglish : provenance.noteTurkish;
        if (!note.empty()) Fail(line, "\"" + key + ":\" is given twice");
        note = value;
        CheckNoteText(note, line);
    } else {
        Fail(line, "unknown line \"" + key +
                       ":\" (velvele of, opening of, mertebe of, darbs, strengths, en, tr)");
    }
}

bool IsClaimLine(std::string_view text) {
    const std::string trimmed = Trim(text);
    return !trimmed.empty() && !std::isdigit(static_cast<unsigned char>(trimmed[0])) &&
           trimmed.find(':') != std::string::npos;
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

// The block is complete: a fixed slot carries its class and both notes, a user slot nothing.
void CloseBlock(const UsulBlock& block) {
    const Provenance& p = block.provenance;
    if (block.strokes.empty()) Fail(block.line, "the usul has no strokes");
    if (block.slot >= kFirstUserSlot) return;
    if (p.noteEnglish.empty() || p.noteTurkish.empty()) {
        Fail(block.line, "slot " + std::to_string(block.slot) +
                             " needs a note in both languages: an \"en:\" and a \"tr:\" line");
    }
}

}  // namespace

Source ParseSource(std::istream& in) {
    Source source;
    std::optional<UsulBlock> open;
    bool expectClass = false;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (IsBlankOrComment(text)) continue;
        const auto words = SplitWords(text);
        if (open && expectClass) {
            ParseClassLine(Trim(text), line, open->provenance);
            expectClass = false;
        } else if (open) {
            if (words[0] == "end") {
                if (words.size() != 1) Fail(line, "nothing may follow \"end\"");
                CloseBlock(*open);
                const auto [at, inserted] = source.usuls.emplace(open->slot, *open);
                if (!inserted) {
                    Fail(open->line, "slot " + std::to_string(open->slot) +
                                         " is already given at line " +
                                         std::to_string(at->second.line));
                }
                open.reset();
            } else if (IsClaimLine(text)) {
                if (open->slot >= kFirstUserSlot) {
                    Fail(line,
                         "user slots (201-255) carry no provenance: the user may "
                         "overwrite them");
                }
                if (!open->strokes.empty()) Fail(line, "notes and claims go before the strokes");
                ParseClaimLine(Trim(text), line, open->provenance);
            } else {
                StrokeLine stroke = ParseStroke(text, line);
                if (!open->strokes.empty() && stroke.cell <= open->strokes.back().cell) {
                    Fail(line, "cells must increase from stroke to stroke");
                }
                open->strokes.push_back(stroke);
            }
        } else if (words[0] == "slot") {
            open = ParseHeader(text, line);
            expectClass = open->slot < kFirstUserSlot;
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

}  // namespace ritmora::tools
