#pragma once
// Cars one a line, as list and search print them: aligned columns with what
// each code means beside it, or one JSON array (in ASCII when bTerminal).

#include <iosfwd>

#include "registry/registry_queries.h"

namespace vexlor {

// The cars as aligned columns, or JSON, written as they come, in the order
// forEachCar gives them. The columns take it twice, so it must give the same
// cars each time.
void WriteCarList(const CarSource& forEachCar, bool bJson, std::ostream& out, bool bTerminal);

}  // namespace vexlor
