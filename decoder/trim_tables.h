#pragma once
// The interior trim tables of the three model years.

#include <string>

#include "decoder/code_lists.h"

namespace vexlor {

// The entry of a code in the table of a model-year digit, or null when it has none.
const TrimEntry* FindTrim(int nYear, int nCode);

// The description of a trim code, or "Interior not defined correctly. <code>".
std::string TrimLookup67(int nCode);
std::string TrimLookup68(int nCode);
std::string TrimLookup69(int nCode);

}  // namespace vexlor
