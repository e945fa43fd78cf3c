#pragma once
// Windows-1254 (Turkish) <-> UTF-8, by our own table.
#include <cstddef>
#include <string>
#include <string_view>

namespace ritmora {

// Every byte maps to one character; 0x00 stays U+0000 (callers show it as a blank).
std::string Cp1254ToUtf8(std::string_view bytes);
// Characters without a Windows-1254 byte become '?'.
std::string Utf8ToCp1254(std::string_view utf8);
// Number of characters (code points) in a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);
// Size in bytes of the character starting at byte `pos` (pos < size): 1 for ASCII and for a
// malformed sequence, whose first byte then counts as one character of its own.
std::size_t Utf8CharSize(std::string_view utf8, std::size_t pos);
// The text as shown: NUL characters become blanks.
std::string ShownText(std::string_view utf8);

}  // namespace ritmora
