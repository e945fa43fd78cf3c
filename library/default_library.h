#pragma once
// The default library file (431104 bytes), generated at build time from
// resources/default_library.txt and carried inside the program.
#include <cstdint>
#include <span>

namespace ritmora {

std::span<const std::uint8_t> DefaultLibraryBytes();

}  // namespace ritmora
