#pragma once
// Which cars a search finds: every term must fit the car. A term is a VIN or
// part of one, a body number, an option code, a trim, a paint, a plant, a
// model year or a body style; "paint:10" and the like name the field.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "registry/registry_queries.h"

namespace vexlor {

// Build dates from one to another, both included: "02A..04C" within any
// model year (August to July), or "802A..904C" with the calendar digit.
struct BuildRange {
    int nFrom = 0;
    int nTo = 0;
    bool bCalendar = false;
};

std::optional<BuildRange> ParseBuildRange(std::string_view strRange);

struct CarSearch {
    std::vector<std::string> terms;
    std::optional<BuildRange> built;
};

// The fields a term may name before a colon.
inline constexpr std::string_view kSearchFields = "vin, body, option, trim, paint, plant, year, style";
// Whether the term names a field that search knows (or none).
bool IsSearchTerm(std::string_view strTerm);

bool Finds(const CarSearch& search, const CarRow& car);

}  // namespace vexlor
