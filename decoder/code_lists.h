#pragma once
// What the decoder's code tables tell the form's pick-lists: the trim codes of
// a year, the lower paint codes of a year and the kind of a body style. The
// lists are read from the same tables that decode a tag, so a code is added
// in one place.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vexlor {

struct TrimEntry {
    int nCode;
    bool bCustom;                 // Custom interior (else Standard)
    bool bBench;                  // bench seats (else bucket seats)
    std::string_view strText;     // "Standard Black Bucket Seats."
};

// The trim table of a model-year digit (7, 8, 9), in code order; empty for any other digit.
std::span<const TrimEntry> TrimTable(int nYear);

// The lower paint codes of a model-year digit in the order the tag's paint
// list gives them; empty for any other digit.
std::vector<std::string_view> LowerPaintCodes(int nYear);

// A known body style, found by the last five characters of the style text
// ("12467" of "67-12467"); nullopt for any other text.
struct BodyStyle {
    bool bConvertible;
    bool bCustomInterior;
};
std::optional<BodyStyle> FindBodyStyle(std::string_view strStyle);

}  // namespace vexlor
