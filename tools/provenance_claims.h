#pragma once
// The provenance of the fixed slots: the claims an entry makes about its strokes are checked
// here, and the entries become the table the program carries.
#include <string>

#include "tools/library_source.h"

namespace ritmora::tools {

// Verifies every claim ("velvele of:", "opening of:", "mertebe of:", "darbs:", "strengths:")
// against the strokes; stops at the first one that does not hold, with its line.
void CheckProvenanceClaims(const Source& source);

// C++ source defining DefaultLibraryProvenance() (library/provenance.h) for every fixed slot.
std::string ProvenanceTableSource(const Source& source);

}  // namespace ritmora::tools
