// Placeholder until this section is written.
#include "decoder/sections.h"

namespace vexlor {

void DecodePaint(DecodeContext&) {}

}  // namespace vexlor
