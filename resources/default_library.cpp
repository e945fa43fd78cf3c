#include "library/default_library.h"

#include <cstddef>

// Generated at build time from default_library.txt (see resources/CMakeLists.txt).
extern const unsigned char kDefaultLibraryFile[];
extern const std::size_t kDefaultLibraryFile_size;

namespace ritmora {

std::span<const std::uint8_t> DefaultLibraryBytes() {
    return {kDefaultLibraryFile, kDefaultLibraryFile_size};
}

}  // namespace ritmora
