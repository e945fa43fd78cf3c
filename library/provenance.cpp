#include "library/provenance.h"

#include <algorithm>

#include "library/default_library.h"

namespace ritmora {
namespace {

bool IsTurkish(Language language) { return language == Language::Turkish; }

UsulRecord DefaultRecord(int slot) {
    const auto bytes =
        DefaultLibraryBytes().subspan(static_cast<std::size_t>(slot - 1) * kRecordSize);
    return DecodeUsulRecord(bytes.first<kRecordSize>());
}

std::string Number(int value) { return std::to_string(value); }

// "slot 4" / "4 numaralı usul", as the window names a slot.
std::string SlotName(int slot, Language language) {
    return IsTurkish(language) ? Number(slot) + " numaralı usul" : "slot " + Number(slot);
}

std::string DerivationPhrase(const SlotProvenance& entry, Language language) {
    const bool tr = IsTurkish(language);
    if (entry.velveleOf != 0) {
        return tr ? SlotName(entry.velveleOf, language) + "ün velveleli biçimi"
                  : "velveleli form of " + SlotName(entry.velveleOf, language);
    }
    if (entry.openingOf != 0) {
        return tr ? SlotName(entry.openingOf, language) + "ün velveleli başı"
                  : "velveleli opening of " + SlotName(entry.openingOf, language);
    }
    if (entry.mertebeOf != 0) {
        const UsulRecord usul = DefaultRecord(entry.slot);
        const std::string signature = Number(usul.beats) + "/" + Number(usul.mertebe);
        return tr ? SlotName(entry.mertebeOf, language) + " " + signature + " mertebesinde"
                  : SlotName(entry.mertebeOf, language) + " at " + signature;
    }
    return {};
}

// How much longer every duration is than in the base slot, in words.
std::string ScaleWords(int baseMertebe, int mertebe, Language language) {
    const bool tr = IsTurkish(language);
    if (baseMertebe == 2 * mertebe) return tr ? "iki katına çıkar" : "doubled";
    if (baseMertebe == 4 * mertebe) return tr ? "dört katına çıkar" : "four times as long";
    if (2 * baseMertebe == mertebe) return tr ? "yarıya iner" : "halved";
    return tr ? "aynı kalır" : "the same";
}

// "3 2 1" in the loudness letters the notation shows: F M P, or K O Z in Turkish.
std::string StrengthLetters(std::string_view strengths, Language language) {
    const std::string_view letters = IsTurkish(language) ? "?ZOK" : "?PMF";
    std::string shown;
    for (const char c : strengths) {
        shown += (c >= '1' && c <= '3') ? letters[static_cast<std::size_t>(c - '0')] : c;
    }
    return shown;
}

std::string ClaimSentences(const SlotProvenance& entry, Language language) {
    const bool tr = IsTurkish(language);
    std::string text;
    const auto add = [&text](const std::string& sentence) { text += " " + sentence; };
    if (entry.velveleOf != 0) {
        const std::string base = SlotName(entry.velveleOf, language);
        add(tr ? base +
                     "ün her darbı yerinde, aynı elde ve aynı heceyle durur (son Tek, "
                     "kapanıştaki Te-Ke'nin Te'si olabilir)."
               : "Every darb of " + base +
                     " stays in its place, on its hand and with its syllable (a closing Tek "
                     "may become the Te of a closing Te-Ke).");
    }
    if (entry.openingOf != 0) {
        const UsulRecord usul = DefaultRecord(entry.slot);
        const std::string base = SlotName(entry.openingOf, language);
        add(tr ? "Yalnızca " + base + "ün ilk " + Number(usul.beats) +
                     " zamanını tutar; o kesimin her darbı yerinde, aynı elde ve aynı heceyle "
                     "durur."
               : "It holds only the first " + Number(usul.beats) + " zaman of " + base +
                     ", every darb of that stretch in its place, on its hand and with its "
                     "syllable.");
    }
    if (entry.mertebeOf != 0) {
        const int baseMertebe = DefaultRecord(entry.mertebeOf).mertebe;
        const std::string scale =
            ScaleWords(baseMertebe, DefaultRecord(entry.slot).mertebe, language);
        const std::string base = SlotName(entry.mertebeOf, language);
        add(tr ? base + "ün darpları; her süre " + scale + "."
               : "The strokes of " + base + ", every duration " + scale + ".");
    }
    if (!entry.strengths.empty()) {
        add(tr ? "Darp şiddetleri kaynaktaki gibidir: " +
                     StrengthLetters(entry.strengths, language) + "."
               : "The darb strengths are the source's: " +
                     StrengthLetters(entry.strengths, language) + ".");
    } else if (entry.darbCount != 0) {
        add(tr ? "Kaynaktaki gibi " + Number(entry.darbCount) + " darp."
               : Number(entry.darbCount) + " darbs, as the source counts them.");
    }
    return text;
}

}  // namespace

const SlotProvenance* ProvenanceOf(int slot) {
    const auto entries = DefaultLibraryProvenance();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [slot](const SlotProvenance& e) { return e.slot == slot; });
    return found == entries.end() ? nullptr : &*found;
}

std::string_view ProvenanceClassName(ProvenanceClass kind, Language language) {
    const bool tr = IsTurkish(language);
    switch (kind) {
        case ProvenanceClass::kSourced:
            return tr ? "Kaynaklı" : "Sourced";
        case ProvenanceClass::kPartlySourced:
            return tr ? "Kısmen kaynaklı" : "Partly sourced";
        case ProvenanceClass::kReconstructed:
            return tr ? "Yeniden kurulmuş" : "Reconstructed";
        case ProvenanceClass::kNoSourceFound:
            break;
    }
    return tr ? "Kaynak bulunamadı" : "No source found";
}

std::string_view ProvenanceListMark(ProvenanceClass kind) {
    switch (kind) {
        case ProvenanceClass::kReconstructed:
            return "*";
        case ProvenanceClass::kNoSourceFound:
            return "?";
        default:
            return "";
    }
}

std::string ProvenanceSummary(const SlotProvenance& entry, Language language) {
    std::string line(ProvenanceClassName(entry.kind, language));
    const std::string_view citation =
        IsTurkish(language) ? entry.citationTurkish : entry.citationEnglish;
    const std::string derived = DerivationPhrase(entry, language);
    if (!citation.empty()) {
        line += ": " + std::string(citation);
    } else if (!derived.empty()) {
        line += ": " + derived;
    }
    return line;
}

std::string ProvenanceNote(const SlotProvenance& entry, Language language) {
    return std::string(IsTurkish(language) ? entry.noteTurkish : entry.noteEnglish) +
           ClaimSentences(entry, language);
}

SlotSource SourceOfSlot(int slot, const UsulRecord& record) {
    if (record.IsEmptySlot()) return {SlotSourceState::kEmpty, nullptr};
    if (slot >= kFirstUserSlot) return {SlotSourceState::kUserSlot, nullptr};
    const SlotProvenance* entry = ProvenanceOf(slot);
    const UsulRecord original = entry != nullptr ? DefaultRecord(slot) : UsulRecord{};
    const bool same = entry != nullptr && record.cells == original.cells &&
                      record.beats == original.beats && record.mertebe == original.mertebe &&
                      record.name == original.name;
    return same ? SlotSource{SlotSourceState::kDefault, entry}
                : SlotSource{SlotSourceState::kChanged, nullptr};
}

std::string SlotSourceLine(const SlotSource& source, Language language) {
    const bool tr = IsTurkish(language);
    switch (source.state) {
        case SlotSourceState::kDefault:
            return ProvenanceSummary(*source.provenance, language);
        case SlotSourceState::kChanged:
            return tr ? "varsayılan kütüphanedekinden farklı; kaynağı bilinmiyor"
                      : "differs from the default library; its source is unknown";
        case SlotSourceState::kUserSlot:
            return tr ? "kullanıcı usulü" : "user slot";
        case SlotSourceState::kEmpty:
            break;
    }
    return tr ? "boş" : "empty";
}

}  // namespace ritmora
