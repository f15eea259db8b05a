#pragma once
// Cars one a line, as list and search print them: aligned columns with what
// each code means beside it, or one JSON array (in ASCII when bTerminal).

#include <functional>
#include <iosfwd>

#include "registry/registry_queries.h"

namespace vexlor {

// The cars as aligned columns, or JSON, written as they come: forEachCar
// calls its visitor for every car in the order to print, and is called
// twice for the columns, so it must give the same cars each time.
void WriteCarList(const std::function<void(const CarVisitor&)>& forEachCar, bool bJson, std::ostream& out,
                  bool bTerminal);

}  // namespace vexlor
