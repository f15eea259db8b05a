// Placeholder until this section is written.
#include "decoder/sections.h"

namespace vexlor {

void DecodeStyle(DecodeContext&) {}
void DecodePlant(DecodeContext&) {}

}  // namespace vexlor
