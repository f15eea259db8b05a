// Placeholder until this section is written.
#include "decoder/sections.h"

namespace vexlor {

void DecodeVin(DecodeContext&) {}
void DecodeBodyNumber(DecodeContext&) {}

}  // namespace vexlor
