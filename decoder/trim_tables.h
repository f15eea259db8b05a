#pragma once
// The interior trim tables of the three model years.

#include <string>

#include "decoder/code_lists.h"

namespace vexlor {

// The entry of a code in the table of a model-year digit, or null when it has none.
const TrimEntry* FindTrim(int nYear, int nCode);

// The description of a trim code, or "Interior not defined correctly. <code>".
std::string TrimLookup67(int nCode);
// The same for the code as typed: its leading number is looked up, and the
// not-defined text echoes that number with all its digits.
std::string TrimLookup(int nYear, std::string_view strTrim);
std::string TrimLookup68(int nCode);
std::string TrimLookup69(int nCode);

}  // namespace vexlor
