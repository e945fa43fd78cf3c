#pragma once
// The usul on screen as the editor holds it: the open library, the usul (`CurrentUsul`), its slot
// (`CurrentSlot`), what its boxes hold (name, time signature, total, `ExpectedTotal`), the
// metronome unit, and one history of everything the user sees. Every change goes through here and
// is announced once with changed(); the window redraws from that one announcement. The rules are
// the core's; this object only keeps them together.
#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "library/library_file.h"
#include "library/usul_record.h"
#include "notation/edit_history.h"
#include "notation/transforms.h"

namespace ritmora {

class EditorModel : public QObject {
    Q_OBJECT
  public:
    explicit EditorModel(QObject* parent = nullptr);
    ~EditorModel() override;

    void SetLibrary(std::unique_ptr<UsulLibrary> library);
    bool HasLibrary() const { return library_ != nullptr; }
    UsulLibrary& Library() { return *library_; }
    void CloseLibrary();

    // ---- What the screen shows.
    const UsulRecord& CurrentUsul() const { return usul_; }
    int CurrentSlot() const { return slot_; }  // 0 = nothing loaded
    int ShownSlot() const { return state_.shownSlot; }
    const std::string& NameBox() const { return state_.name; }
    const std::string& BeatsBox() const { return state_.beats; }
    const std::string& MertebeBox() const { return state_.mertebe; }
    long long ExpectedTotal() const { return state_.expectedTotal; }
    int UnitNote() const { return state_.unitNote; }
    const EditHistory& History() const { return history_; }

    // ---- Library operations. Each returns the message to show, 0 when there is none.
    // Reads `slot` into the editor with its boxes; a slot that cannot be read changes nothing.
    int Load(int slot);
    // Writes the usul to its own slot with the boxes' values (refusals first).
    int Save();
    // The reasons to refuse saving as, before a target is chosen.
    int SaveAsRefusal() const;
    // Writes a fresh record of the usul and its boxes into `target`, which becomes current.
    int SaveAs(int target);
    // Empties the current slot in the library and on screen.
    int DeleteSlot();
    // Empties the screen; nothing is written, the slot is kept for a later save.
    void Clear();

    // ---- Edits, each one undo step.
    // Runs `edit` on the usul; a Refused result changes nothing. Returns the edit's result.
    TransformResult Edit(const std::function<TransformResult(UsulRecord&)>& edit);
    void SetNameBox(const std::string& text);
    void SetBeatsBox(const std::string& text);
    void SetMertebeBox(const std::string& text);
    void SetUnitNote(int unitNote);
    bool Undo();
    bool Redo();

  signals:
    void changed();

  private:
    void Commit(int burst = 0);  // records the state, keeps the total, announces
    void Restore(const EditorState& state);
    void Recount();  // totalDuration from the cells, as every drawing counts it
    int WriteSlot(int slot, const UsulRecord& record);
    // The boxes' time signature as stored bytes; false when they cannot be stored.
    bool TimeSignatureBytes(std::uint8_t& beats, std::uint8_t& mertebe) const;

    std::unique_ptr<UsulLibrary> library_;
    UsulRecord usul_;  // all zero before the first load
    int slot_ = 0;
    EditorState state_;  // the cells there mirror usul_.cells
    EditHistory history_;
};

}  // namespace ritmora
