#include "tools/provenance_claims.h"

#include <cstdio>
#include <string_view>
#include <vector>

#include "library/usul_record.h"

namespace ritmora::tools {
namespace {

struct Darb {
    int onset = 0;  // sixty-fourths from the start of the cycle
    const StrokeLine* stroke = nullptr;
};

std::vector<Darb> Darbs(const UsulBlock& block) {
    std::vector<Darb> darbs;
    int time = 0;
    for (const StrokeLine& stroke : block.strokes) {
        darbs.push_back({time, &stroke});
        time += stroke.duration;
    }
    return darbs;
}

int Total(const UsulBlock& block) {
    int total = 0;
    for (const StrokeLine& stroke : block.strokes) total += stroke.duration;
    return total;
}

std::string Describe(const StrokeLine& stroke) {
    return (stroke.syllable.empty() ? std::string(stroke.right ? "R" : "L") : stroke.syllable) +
           ":" + std::to_string(stroke.duration);
}

const UsulBlock& Base(const Source& source, const UsulBlock& block, const Claim& claim) {
    const auto found = source.usuls.find(claim.value);
    if (found == source.usuls.end() || claim.value == block.slot) {
        Fail(claim.line, "slot " + std::to_string(claim.value) + " is not another usul here");
    }
    return found->second;
}

// Every darb of `base` that starts before `end` (in its own sixty-fourths) stands in `filled`
// at `num`/`den` of its onset, on the same hand, with the same syllable. The closing Te-Ke of
// a filled form may open with Te where the stretch's last darb was a Tek.
void CheckDarbsKept(const UsulBlock& base, const UsulBlock& filled, int num, int den, int end,
                    const Claim& claim) {
    const std::vector<Darb> kept = Darbs(base);
    const std::vector<Darb> all = Darbs(filled);
    for (std::size_t k = 0; k < kept.size() && kept[k].onset < end; ++k) {
        const StrokeLine& darb = *kept[k].stroke;
        const bool closing = k + 1 == kept.size() || kept[k + 1].onset >= end;
        const int at = kept[k].onset * num;
        const Darb* match = nullptr;
        for (const Darb& d : all) {
            if (d.onset * den == at) match = &d;
        }
        const bool same = match != nullptr && match->stroke->right == darb.right &&
                          (match->stroke->syllable == darb.syllable ||
                           (closing && darb.syllable == "Tek" && match->stroke->syllable == "Te"));
        if (!same) {
            Fail(claim.line, "slot " + std::to_string(base.slot) + "'s darb " + Describe(darb) +
                                 " (line " + std::to_string(darb.line) +
                                 ") is not kept in its place with its hand and syllable");
        }
    }
}

void CheckVelvele(const Source& source, const UsulBlock& block) {
    const Claim& claim = block.provenance.velveleOf;
    const UsulBlock& base = Base(source, block, claim);
    if (Total(base) != Total(block)) {
        Fail(claim.line, "a velveleli form keeps the length of slot " + std::to_string(base.slot) +
                             " (" + std::to_string(Total(base)) + " sixty-fourths)");
    }
    CheckDarbsKept(base, block, 1, 1, Total(base), claim);
}

// The first `beats` zaman of a longer usul, one of its zaman to each zaman here.
void CheckOpening(const Source& source, const UsulBlock& block) {
    const Claim& claim = block.provenance.openingOf;
    const UsulBlock& base = Base(source, block, claim);
    const int end = block.beats * 64 / base.mertebe;
    bool onBoundary = end == Total(base);
    for (const Darb& d : Darbs(base)) onBoundary = onBoundary || d.onset == end;
    if (end >= Total(base) || !onBoundary) {
        Fail(claim.line, "the first " + std::to_string(block.beats) + " zaman of slot " +
                             std::to_string(base.slot) +
                             " are not a stretch of it that ends between two darbs");
    }
    CheckDarbsKept(base, block, base.mertebe, block.mertebe, end, claim);
}

void CheckMertebe(const Source& source, const UsulBlock& block) {
    const Claim& claim = block.provenance.mertebeOf;
    const UsulBlock& base = Base(source, block, claim);
    bool same = base.beats == block.beats && base.strokes.size() == block.strokes.size();
    for (std::size_t k = 0; same && k < base.strokes.size(); ++k) {
        const StrokeLine& a = base.strokes[k];
        const StrokeLine& b = block.strokes[k];
        same = a.right == b.right && a.syllable == b.syllable && a.loudness == b.loudness &&
               a.duration * base.mertebe == b.duration * block.mertebe;
    }
    if (!same) {
        Fail(claim.line, "these are not the strokes of slot " + std::to_string(base.slot) + " at " +
                             std::to_string(block.beats) + "/" + std::to_string(block.mertebe));
    }
}

std::string Joined(const std::vector<int>& values) {
    std::string text;
    for (const int v : values) text += (text.empty() ? "" : " ") + std::to_string(v);
    return text;
}

void CheckCounts(const UsulBlock& block) {
    const Provenance& p = block.provenance;
    const int count = static_cast<int>(block.strokes.size());
    if (p.darbs.line != 0 && p.darbs.value != count) {
        Fail(p.darbs.line, "the usul has " + std::to_string(count) + " darbs, not " +
                               std::to_string(p.darbs.value));
    }
    if (p.strengthsLine != 0) {
        std::vector<int> actual;
        for (const StrokeLine& stroke : block.strokes) actual.push_back(stroke.loudness);
        if (actual != p.strengths) {
            Fail(p.strengthsLine,
                 "the strokes' loudness reads " + Joined(actual) + ", not " + Joined(p.strengths));
        }
    }
}

// A C++ string literal holding `text` byte for byte, whatever the compiler's source charset.
std::string Literal(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\' && c != '?') {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
            out += escaped;
        }
    }
    return out + "\"";
}

constexpr const char* kClassNames[] = {"kSourced", "kPartlySourced", "kReconstructed",
                                       "kNoSourceFound"};

}  // namespace

void CheckProvenanceClaims(const Source& source) {
    for (const auto& [slot, block] : source.usuls) {
        const Provenance& p = block.provenance;
        if (p.velveleOf.line != 0) CheckVelvele(source, block);
        if (p.openingOf.line != 0) CheckOpening(source, block);
        if (p.mertebeOf.line != 0) CheckMertebe(source, block);
        CheckCounts(block);
    }
}

std::string ProvenanceTableSource(const Source& source) {
    std::string out =
        "// Generated by make_default_library from resources/default_library.txt: edit that.\n"
        "#include \"library/provenance.h\"\n\n"
        "namespace ritmora {\nnamespace {\n\n"
        "constexpr SlotProvenance kEntries[] = {\n";
    for (const auto& [slot, block] : source.usuls) {
        const Provenance& p = block.provenance;
        if (p.line == 0) continue;
        out += "    {" + std::to_string(slot) +
               ", ProvenanceClass::" + kClassNames[static_cast<int>(p.kind)] + ",\n     " +
               Literal(p.citationEnglish) + ",\n     " + Literal(p.citationTurkish) + ",\n     " +
               std::to_string(p.velveleOf.value) + ", " + std::to_string(p.openingOf.value) + ", " +
               std::to_string(p.mertebeOf.value) + ", " + std::to_string(p.darbs.value) + ", " +
               Literal(Joined(p.strengths)) + ",\n     " + Literal(p.noteEnglish) + ",\n     " +
               Literal(p.noteTurkish) + "},\n";
    }
    out +=
        "};\n\n}  // namespace\n\n"
        "std::span<const SlotProvenance> DefaultLibraryProvenance() { return kEntries; }\n\n"
        "}  // namespace ritmora\n";
    return out;
}

}  // namespace ritmora::tools
