// Temporary: replaced by the library generated from default_library.txt.
#include "library/default_library.h"

namespace ritmora {
std::span<const std::uint8_t> DefaultLibraryBytes() { return {}; }
}  // namespace ritmora
