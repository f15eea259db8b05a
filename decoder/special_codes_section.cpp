// Placeholder until this section is written.
#include "decoder/sections.h"

namespace vexlor {

void DecodeSpecialCodes69(DecodeContext&, std::string_view) {}

}  // namespace vexlor
