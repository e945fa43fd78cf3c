#pragma once
// The texts of both interface languages: the 51-entry message table, the captions of the main
// window's controls by control name, the help, about and example texts, and the few messages
// that exist in Turkish only. Plain data, Qt-free: the window and the command-line companion
// share it.
#include <span>
#include <string>
#include <string_view>

namespace ritmora {

enum class Language { Turkish, English };

inline constexpr int kMessageCount = 51;

// Table entries that the core reports by number.
inline constexpr int kNoBeatsMessage = 3;
inline constexpr int kSoundfileErrorMessage = 13;
inline constexpr int kUnusableNameMessage = 22;

// Message entries that the window shows besides the 51 of the table. They live outside 0..50 so
// that no table index ever changes meaning.
inline constexpr int kTimeSignatureRangeMessage = 101;  // a time-signature box out of 0..255
inline constexpr int kRecordWriteFailedMessage = 102;   // a library record could not be written
// Questions that name what they are about: %1 the plan file; %1 a user slot, %2 its usul's name.
inline constexpr int kDeletePlanQuestionMessage = 103;
inline constexpr int kReplaceUsulQuestionMessage = 104;
inline constexpr int kFolderHeldByEditorMessage = 105;  // the command line meets a running editor
inline constexpr int kFolderBusyMessage = 106;          // another command-line run keeps the folder
inline constexpr int kPlanFileMissingMessage = 107;     // a plan file that is not there
inline constexpr int kNotAPlanFileMessage = 108;        // a folder or a device named as a plan
inline constexpr int kPlanFileTooLargeMessage = 109;    // a file far larger than any plan
inline constexpr int kPlanFileUnreadableMessage = 110;  // the system could not read it
inline constexpr int kRenderTooLongMessage = 111;       // the audio would pass the length limit
inline constexpr int kRenderCancelledMessage = 112;     // the user stopped a rendering
// Plan line faults; like 28-39 they are followed by the line number.
inline constexpr int kPlanRepeatsTooLargeMessage = 113;  // a repeat count above 9999
inline constexpr int kPlanFieldTooWideMessage = 114;     // a field wider than its column
inline constexpr int kHelpMessage = 23;  // "%1" stands for the user guide's place
inline constexpr int kAboutMessage = 24;

// Entry `index` of the message table in `language` (0..50), or one of the extra entries above.
// Entries that no language fills (0, 11, 12, 40-50) and unknown indexes are empty.
const std::string& MessageText(Language language, int index);

// Which step of the language routine sets a caption; kFixed captions read the same in both
// languages and are only set when the window is built.
enum class CaptionGroup { kUsulMode, kPlanMode, kPlanPanel, kHelpPanel, kFixed };

struct Caption {
    std::string_view control;  // objectName, items as "Option1(1)", "Mn_editNota(6)"
    CaptionGroup group;
    std::string_view english;
    std::string_view turkish;
};

// Every caption, in the order the language routines set them. The window's own caption is
// listed under the name "ArayüzKalıp"; the two texts of the plan pause button under
// "Command1.pause" and "Command1.continue".
std::span<const Caption> Captions();

// The caption of `controlName` in `language`; empty for a name without a caption.
const std::string& CaptionText(Language language, std::string_view controlName);

// "Ritmora editor" / "Ritmora editörü": the window title and the title of every message box.
const std::string& ApplicationTitle(Language language);

// The example description of the plan help panel (Text1), lines joined with CR LF.
const std::string& ExampleDescriptionText(Language language);

// Start-up messages shown before any language is set: Turkish only.
const std::string& AlreadyRunningText();   // a second copy was started
const std::string& ScreenTooNarrowText();  // screen narrower than 1024 pixels
const std::string& ScreenTooLowText();     // screen lower than 768 pixels

}  // namespace ritmora
