#pragma once
// The registry as one self-contained HTML page: totals, cars per build month
// and plant, paints per year, trims, body number against build date per
// plant, and the conflicts; each chart inline SVG with the table behind it.
// No script, no style sheet or font from elsewhere.

#include <string>
#include <vector>

#include "registry/registry_queries.h"

namespace vexlor {

std::string HtmlReport(const CarSource& forEachCar, const std::vector<CarConflict>& conflicts);

}  // namespace vexlor
