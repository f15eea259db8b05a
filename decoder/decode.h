#pragma once
// One decode of a cowl tag and VIN.

#include <string_view>

#include "decoder/decode_result.h"
#include "decoder/tag_fields.h"

namespace vexlor {

// "1967"/"67" -> 7, "1968"/"68" -> 8, "1969"/"69" -> 9; any other text -> 0.
// The text is compared whole, exactly and case-sensitively.
int YearDigit(std::string_view strYear);

// The message for a year text that is none of the six.
inline constexpr std::string_view kYearMessage = "Please select the model year (1967, 1968 or 1969).";

// Runs every section in its fixed order. Never fails: problems become lines.
// With a year text that is none of the six the year-dependent sections add nothing.
DecodeResult Decode(const TagFields& fields);

}  // namespace vexlor
