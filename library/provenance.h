#pragma once
// Where each pattern of the fixed library comes from: a source, part of a source, our own
// reconstruction, or nothing found. The entries are generated at build time from the notes in
// resources/default_library.txt, which the generator checks (every claim below that the build
// can verify is verified). User slots (201-255) carry none.
#include <span>
#include <string>
#include <string_view>

#include "app/texts.h"
#include "library/usul_record.h"

namespace ritmora {

enum class ProvenanceClass {
    kSourced,        // a source gives the strokes with their lengths, in this order
    kPartlySourced,  // a source gives the rhythm (parts and their order, or the durations)
    kReconstructed,  // built by us on a sourced structure, or derived from another slot
    kNoSourceFound,  // nothing beyond the name was found: low confidence
};

struct SlotProvenance {
    int slot = 0;
    ProvenanceClass kind = ProvenanceClass::kNoSourceFound;
    std::string_view citationEnglish;  // short; empty when the class line names no source
    std::string_view citationTurkish;
    // Claims the build has checked against the strokes; 0 or empty when not made.
    int velveleOf = 0;           // every darb of that slot kept at its place, hand and syllable
    int openingOf = 0;           // the same for the first stretch of a longer usul
    int mertebeOf = 0;           // that slot's strokes at another mertebe
    int darbCount = 0;           // the number of darbs a source gives
    std::string_view strengths;  // the darb strengths a source gives, "3 2 1 ..."
    std::string_view noteEnglish;
    std::string_view noteTurkish;
};

// Every entry, in slot order (generated from the library's text source).
std::span<const SlotProvenance> DefaultLibraryProvenance();

// The entry of a fixed slot that holds an usul in the default library; null otherwise (user
// slots, empty slots, numbers out of range).
const SlotProvenance* ProvenanceOf(int slot);

// "Kaynaklı" / "Sourced", "Kısmen kaynaklı" / "Partly sourced", "Yeniden kurulmuş" /
// "Reconstructed", "Kaynak bulunamadı" / "No source found".
std::string_view ProvenanceClassName(ProvenanceClass kind, Language language);

// The mark that follows a slot's line in a list: "*" for a reconstruction, "?" when no source
// was found, nothing for sourced and partly sourced patterns.
std::string_view ProvenanceListMark(ProvenanceClass kind);

// One short line: the class and the citation, or the slot it was derived from.
std::string ProvenanceSummary(const SlotProvenance& entry, Language language);

// The full note: the entry's own text, then the checked claims in words.
std::string ProvenanceNote(const SlotProvenance& entry, Language language);

// What can be said of the usul a library file holds in `slot`. A library written by an older
// version keeps its own fixed slots, so the provenance holds only while the slot still holds
// the default library's usul.
enum class SlotSourceState {
    kDefault,   // the default library's usul: `provenance` describes it
    kChanged,   // a fixed slot that differs from the default library: nothing is known
    kUserSlot,  // slots 201-255 carry no provenance
    kEmpty,
};

struct SlotSource {
    SlotSourceState state = SlotSourceState::kEmpty;
    const SlotProvenance* provenance = nullptr;  // set for kDefault only
};

SlotSource SourceOfSlot(int slot, const UsulRecord& record);

// The one line shown for it: the summary for kDefault, otherwise a plain sentence.
std::string SlotSourceLine(const SlotSource& source, Language language);

}  // namespace ritmora
