// Placeholder until the results list is written.
#include "results/result_lines.h"

namespace vexlor {
std::vector<std::string> BuildResultLines(const DecodeResult&) { return {}; }
}  // namespace vexlor
