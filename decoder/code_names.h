#pragma once
// What the codes a decode echoes mean, in a few words, read from the same
// tables that decode a tag: for readers of saved codes (the registry) that
// want a name beside a code. Each gives "" for a code its year does not know.

#include <string>
#include <string_view>

namespace vexlor {

// "Coupe", "Custom Interior Convertible", "Standard Interior Coupe" (1967).
std::string StyleName(int nYear, std::string_view strStyleCode);

// "Standard Black Bucket Seats" for the trim echo "711" (1967: "760-").
std::string TrimName(int nYear, std::string_view strTrimCode);

// The colours of a paint echo such as "10-10" or "51-C": "Tuxedo Black",
// "Dusk Blue, Vinyl Top Dark Blue". The style tells a convertible's top; the
// date code (such as "809C") tells a 1968 early build.
std::string PaintName(int nYear, std::string_view strStyleCode, std::string_view strPaintCode,
                      std::string_view strDateCode);

}  // namespace vexlor
