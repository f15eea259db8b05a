// Placeholder until this section is written.
#include "decoder/sections.h"

namespace vexlor {

void CompleteVinKey(DecodeContext&) {}

}  // namespace vexlor
