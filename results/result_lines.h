#pragma once
// The lines of the results list, in the order the results window shows them.

#include <string>
#include <vector>

#include "decoder/decode_result.h"

namespace vexlor {

// Builds the list from a decode; the decode is left as it is, so the list can
// be built again.
std::vector<std::string> BuildResultLines(const DecodeResult& result);

}  // namespace vexlor
