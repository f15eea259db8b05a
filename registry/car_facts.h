#pragma once
// What the registry counts and searches a car by, read from its summary
// codes: its model year, plant, body style, paint, trim and build month, each
// as a value to group by and, beside the code, what it means.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "results/code_fields.h"

namespace vexlor {

// What people read where a car has no value: its group in a count, an empty code.
inline constexpr std::string_view kNoValue = "(none)";

enum class Dimension { Year, Plant, Style, Paint, Trim, Month };

struct DimensionInfo {
    Dimension dimension;
    std::string_view strName;     // as --by names it
    std::string_view strJsonKey;  // key of --json and heading of --csv
    std::string_view strTitle;    // heading of a table
};

inline constexpr std::array<DimensionInfo, 6> kDimensions{{
    {Dimension::Year, "year", "model_year", "Model year"},
    {Dimension::Plant, "plant", "plant", "Assembly plant"},
    {Dimension::Style, "style", "style", "Body style"},
    {Dimension::Paint, "paint", "paint", "Paint"},
    {Dimension::Trim, "trim", "trim", "Trim"},
    {Dimension::Month, "month", "build_month", "Build month"},
}};

const DimensionInfo& InfoOf(Dimension dimension);
// The dimension that --by names ("build month" and "month" alike); nullopt for any other.
std::optional<Dimension> FindDimension(std::string_view strName);

// The value a car is grouped by: "1969", "Norwood", "69-12437", "10-10",
// "711", "1968-09"; "" when its codes do not tell.
std::string ValueOf(Dimension dimension, const TagCodes& codes);

// What the car's code of this dimension means ("Coupe", "Tuxedo Black",
// "Standard Black Bucket Seats"); "" where there is nothing to add.
std::string MeaningOf(Dimension dimension, const TagCodes& codes);

// What the code of a field means: the names of MeaningOf, the plant of the
// plant letter, the build month of the date code; "" for the other fields.
std::string FieldMeaning(size_t nField, const TagCodes& codes);

// The model-year digit (7, 8, 9) of the VIN tail, else of the style; 0 when neither tells.
int YearDigitOf(const TagCodes& codes);

// The calendar year and month the date code ("809C") names: "1968-09"; "" for
// a code without a calendar digit or a month 01 to 12.
std::string BuildMonth(std::string_view strDateCode);

}  // namespace vexlor
