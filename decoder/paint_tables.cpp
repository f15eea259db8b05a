// Placeholder until the paint tables are written.
#include "decoder/paint_tables.h"

namespace vexlor {
std::string PaintLookup67(int, std::string_view, std::string_view, std::string_view) { return {}; }
std::string PaintLookup68(int, std::string_view, std::string_view, int) { return {}; }
std::string PaintLookup69(int, std::string_view, std::string_view) { return {}; }
int EarlyBuild(std::string_view) { return 0; }
bool InteriorPaintLookup(std::string_view, DecodeResult&) { return false; }
}  // namespace vexlor
