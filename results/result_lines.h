#pragma once
// The lines of the results list, in the order the results window shows them.

#include <string>
#include <string_view>
#include <vector>

#include "decoder/decode_result.h"

namespace vexlor {

// Builds the list from a decode; the decode is left as it is, so the list can
// be built again.
std::vector<std::string> BuildResultLines(const DecodeResult& result);

// A list line written as one line of text: a CR or LF typed into a field
// becomes a blank, so it cannot break the line in two.
std::string SingleLine(std::string_view strLine);

}  // namespace vexlor
