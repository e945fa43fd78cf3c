#pragma once
// What the user is told when an audio file cannot be saved, in the interface language.
#include <string>
#include <string_view>

#include "app/texts.h"
#include "sound/encoded_audio.h"

namespace ritmora {

// One plain sentence naming `file`; empty for None and NothingRendered (the renderer's own
// message says why nothing was written).
std::string AudioExportFaultMessage(Language language, AudioExportFault fault,
                                    std::string_view file);

}  // namespace ritmora
