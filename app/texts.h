#pragma once
// The texts of both interface languages: the 51-entry message table and the captions.
// Plain data, Qt-free: the window and the command-line companion share it.
#include <string>

namespace ritmora {

enum class Language { Turkish, English };

inline constexpr int kMessageCount = 51;

// Entry `index` (0..50) of the message table in `language`; entries that no language fills
// (0, 11, 12, 40-50) and indexes outside the table are empty.
const std::string& MessageText(Language language, int index);

}  // namespace ritmora
