#pragma once
// The codes that the form's pick-lists offer: VIN prefixes, body styles, plants,
// trim codes, lower paint codes per model year, the seat-style letters and the
// top paint codes that fit a lower paint.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexlor {

using CodeList = std::span<const std::string_view>;

// Assembly plants of the plant box.
inline constexpr std::string_view kPlantLosAngeles = "LOS";
inline constexpr std::string_view kPlantNorwood = "NOR";
inline constexpr std::string_view kPlantVanNuys = "VN";

// Which styles the style box offers: those of a coupe VIN, of a convertible
// VIN, or all of the year's when no VIN prefix is given.
enum class StyleFilter { Coupe, Convertible, NoVinPrefix };

// The lists of a model-year digit (7, 8, 9); empty for any other digit.
CodeList VinPrefixList(int nYear);
CodeList StyleList(int nYear, StyleFilter filter);

// The year's trim codes as texts: its Standard codes, then its Custom codes.
std::vector<std::string> TrimCodeList(int nYear);

// The seat-style letters for a body style text (its last five characters count)
// and a trim code read as a number: the 1967 trim's seats decide on a coupe.
CodeList SeatStyleList(std::string_view strStyle, int nTrim);

// The top paint codes that fit a year, body and lower paint text, in the order
// the list takes them; none for a digit other than 7, 8, 9.
std::vector<std::string> TopPaintCodes(int nYear, bool bConvertible, std::string_view strLowerPaint);

}  // namespace vexlor
