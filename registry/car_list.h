#pragma once
// Cars one a line, as list and search print them: aligned columns with what
// each code means beside it, or one JSON array (in ASCII when bTerminal).

#include <iosfwd>
#include <vector>

#include "registry/registry_queries.h"

namespace vexlor {

void WriteCarList(const std::vector<CarRow>& cars, bool bJson, std::ostream& out, bool bTerminal);

}  // namespace vexlor
