// Placeholder until this section is written.
#include "decoder/sections.h"

namespace vexlor {

void DecodeBuildDate(DecodeContext&) {}

}  // namespace vexlor
