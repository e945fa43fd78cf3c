#include "app/editor_model.h"

#include "app/message_numbers.h"
#include "app/screen_lock_rules.h"
#include "app/usul_boxes.h"
#include "library/cp1254.h"

namespace ritmora {
namespace {

// Bursts of typing into one box make one undo step.
constexpr int kNameBurst = 1;
constexpr int kBeatsBurst = 2;
constexpr int kMertebeBurst = 3;

}  // namespace

EditorModel::EditorModel(QObject* parent) : QObject(parent) {
    // Before the first load the denominator box shows 4 and the unit is an eighth.
    state_.mertebe = "4";
    state_.unitNote = 8;
    history_.Reset(state_);
}

EditorModel::~EditorModel() { CloseLibrary(); }

void EditorModel::SetLibrary(std::unique_ptr<UsulLibrary> library) {
    library_ = std::move(library);
}

void EditorModel::CloseLibrary() {
    if (library_) library_->Close();
}

int EditorModel::Load(int slot) {
    UsulRecord record;
    if (!library_ || !library_->ReadSlot(slot, record)) return message::kUsulReadFailed;
    usul_ = record;
    slot_ = slot;
    state_.cells = record.cells;
    state_.name = ShownText(record.name);
    if (IsEmptySlotName(state_.name)) state_.name.clear();
    state_.beats = std::to_string(record.beats);
    state_.mertebe = std::to_string(record.mertebe);
    if (const auto expected = ExpectedTotalFromBoxes(state_.beats, state_.mertebe)) {
        state_.expectedTotal = *expected;
    }
    state_.shownSlot = slot;
    Recount();
    history_.Reset(state_);
    emit changed();
    return 0;
}

bool EditorModel::TimeSignatureBytes(std::uint8_t& beats, std::uint8_t& mertebe) const {
    const auto beatsByte = TimeSignatureByte(state_.beats);
    const auto mertebeByte = TimeSignatureByte(state_.mertebe);
    if (!beatsByte || !mertebeByte) return false;
    beats = *beatsByte;
    mertebe = *mertebeByte;
    return true;
}

int EditorModel::WriteSlot(int slot, const UsulRecord& record) {
    if (library_ && library_->WriteSlot(slot, record)) return 0;
    return kRecordWriteFailedMessage;
}

int EditorModel::SaveAsRefusal() const {
    if (const int refusal = SaveRefusal(state_.name, usul_.totalDuration, state_.expectedTotal)) {
        return refusal;
    }
    std::uint8_t beats = 0;
    std::uint8_t mertebe = 0;
    return TimeSignatureBytes(beats, mertebe) ? 0 : kTimeSignatureRangeMessage;
}

int EditorModel::Save() {
    // Only the user's slots are ever written.
    if (FixedSlotLockApplies(slot_)) return 0;
    if (const int refusal = SaveAsRefusal()) return refusal;
    UsulRecord record = usul_;  // the reserved fields keep what was read
    record.name = FitText(state_.name, kNameChars);
    TimeSignatureBytes(record.beats, record.mertebe);
    if (const int fault = WriteSlot(slot_, record)) return fault;
    usul_ = record;
    history_.Reset(state_);
    return 0;
}

int EditorModel::SaveAs(int target) {
    if (target < kFirstUserSlot || target > kSlotCount) return 0;
    if (const int refusal = SaveAsRefusal()) return refusal;
    // A fresh record: every byte 0, so the reserved fields are written as NULs.
    UsulRecord copy;
    copy.name = FitText(state_.name, kNameChars);
    copy.totalDuration = usul_.totalDuration;
    TimeSignatureBytes(copy.beats, copy.mertebe);
    copy.cells = usul_.cells;
    if (const int fault = WriteSlot(target, copy)) return fault;
    slot_ = target;
    state_.shownSlot = target;
    history_.Reset(state_);
    emit changed();
    return 0;
}

int EditorModel::DeleteSlot() {
    if (FixedSlotLockApplies(slot_)) return 0;
    const UsulRecord empty = EmptySlotRecord();
    if (const int fault = WriteSlot(slot_, empty)) return fault;
    usul_ = empty;
    state_.cells = empty.cells;
    state_.name.clear();
    state_.beats = "0";
    state_.mertebe = "8";
    state_.expectedTotal = 0;
    Recount();
    history_.Reset(state_);
    emit changed();
    return 0;
}

void EditorModel::Clear() {
    ClearCells(usul_);
    // The label goes to 0, but a time signature that changes shows the slot again.
    state_.shownSlot = state_.beats != "0" || state_.mertebe != "8" ? slot_ : 0;
    state_.beats = "0";
    state_.mertebe = "8";
    state_.name.clear();
    if (const auto expected = ExpectedTotalFromBoxes(state_.beats, state_.mertebe)) {
        state_.expectedTotal = *expected;
    }
    Commit();
}

TransformResult EditorModel::Edit(const std::function<TransformResult(UsulRecord&)>& edit) {
    UsulRecord edited = usul_;
    const TransformResult result = edit(edited);
    if (result == TransformResult::Refused) return result;
    usul_.cells = edited.cells;
    Commit();
    return result;
}

void EditorModel::SetNameBox(const std::string& text) {
    // An empty slot's 40 blanks show as an empty box.
    const std::string name = IsEmptySlotName(text) ? std::string() : text;
    if (name == state_.name) {
        if (name != text) emit changed();
        return;
    }
    state_.name = name;
    Commit(kNameBurst);
}

void EditorModel::SetBeatsBox(const std::string& text) {
    if (text == state_.beats) return;
    state_.beats = text;
    state_.shownSlot = slot_;
    if (const auto expected = ExpectedTotalFromBoxes(state_.beats, state_.mertebe)) {
        state_.expectedTotal = *expected;
    }
    Commit(kBeatsBurst);
}

void EditorModel::SetMertebeBox(const std::string& text) {
    if (text == state_.mertebe) return;
    state_.mertebe = text;
    state_.shownSlot = slot_;
    // A denominator of 0 keeps the expected length it had.
    if (const auto expected = ExpectedTotalFromBoxes(state_.beats, state_.mertebe)) {
        state_.expectedTotal = *expected;
    }
    Commit(kMertebeBurst);
}

void EditorModel::SetUnitNote(int unitNote) {
    if (unitNote == state_.unitNote) return;
    state_.unitNote = unitNote;
    Commit();
}

bool EditorModel::Undo() {
    const auto state = history_.Undo();
    if (state) Restore(*state);
    return state.has_value();
}

bool EditorModel::Redo() {
    const auto state = history_.Redo();
    if (state) Restore(*state);
    return state.has_value();
}

void EditorModel::Commit(int burst) {
    state_.cells = usul_.cells;
    Recount();
    history_.Record(state_, burst);
    emit changed();
}

void EditorModel::Restore(const EditorState& state) {
    state_ = state;
    usul_.cells = state.cells;
    Recount();
    emit changed();
}

void EditorModel::Recount() {
    usul_.totalDuration = static_cast<std::int16_t>(SumOfDurations(usul_));
}

}  // namespace ritmora
