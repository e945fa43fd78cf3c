#pragma once
// The line of one slot in the load and save-as lists and in the usul reference table.
#include <string>

#include "library/usul_record.h"

namespace ritmora {

inline constexpr std::size_t kListLineChars = 53;

// 53 characters (UTF-8, so more bytes when Turkish letters occur): the slot right-aligned in
// columns 1-3, beats right-aligned in 6-8 (blank for 0), "/" in 9, mertebe left-aligned in 10-11
// (blank for 0 and for 100 and more), the 40 name characters as stored in 14-53, NULs as blanks.
std::string UsulListLine(int slot, const UsulRecord& record);

}  // namespace ritmora
