// Placeholder until the trim tables are written.
#include "decoder/trim_tables.h"

namespace vexlor {
std::span<const TrimEntry> TrimTable(int) { return {}; }
std::string TrimLookup67(int) { return {}; }
std::string TrimLookup68(int) { return {}; }
std::string TrimLookup69(int) { return {}; }
}  // namespace vexlor
