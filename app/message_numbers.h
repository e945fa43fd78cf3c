#pragma once
// The entries of the message table by what they say, so that no handler shows a bare number.
// Qt-free: the window and the command line share them.
#include "app/texts.h"

namespace ritmora::message {

inline constexpr int kUsulReadFailed = 1;
inline constexpr int kUsulNameMissing = 2;
inline constexpr int kNoBeats = kNoBeatsMessage;
inline constexpr int kBeatsShort = 5;
inline constexpr int kBeatsExceed = 6;
inline constexpr int kDurationsCannotChange = 7;
inline constexpr int kDeleteUsulQuestion = 10;
inline constexpr int kSoundFileFault = kSoundfileErrorMessage;
inline constexpr int kLoadAnUsulFirst = 15;
inline constexpr int kStatusExceed = 16;
inline constexpr int kStatusMatch = 17;
inline constexpr int kStatusShort = 18;
inline constexpr int kLoudLetter = 19;
inline constexpr int kMediumLetter = 20;
inline constexpr int kSoftLetter = 21;
inline constexpr int kSelectAPlan = 25;

// Entries beyond the table (see texts.h); the questions name what they are about with %1.
inline constexpr int kDeletePlanQuestion = kDeletePlanQuestionMessage;
inline constexpr int kReplaceUsulQuestion = kReplaceUsulQuestionMessage;

}  // namespace ritmora::message
