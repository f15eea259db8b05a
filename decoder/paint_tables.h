#pragma once
// Paint codes and top colours of the three model years, and the 1967 Norwood
// interior paint letters.

#include <string>
#include <string_view>

#include "decoder/build_months.h"
#include "decoder/decode_result.h"

namespace vexlor {

// The paint code echo and the paint line of one lower/top pair, kept apart.
struct PaintDescription {
    std::string strCode;  // "C-C", "51-50", " - ", "10- "
    std::string strLine;  // "C-C = Car Color is Ermine White"
    std::string strLowerEchoed;  // the lower code as the echo begins with it; empty for " - "

    bool operator==(const PaintDescription&) const = default;
};

PaintDescription DescribePaint67(bool bConvertible, std::string_view strStyle, std::string_view strLower,
                                 std::string_view strTop);
// 1968 (nYear 8) and 1969 (any other digit), whose lower and top codes share one list.
PaintDescription DescribePaint6869(int nYear, bool bConvertible, std::string_view strLower,
                                   std::string_view strTop, bool bEarlyBuild);

// The top code with its leading blanks and then its leading '_' removed.
std::string_view TrimTopCode(std::string_view strTop);

// "There is a Paint code problem.  (<lower>-<top>)" with the whole codes.
std::string PaintProblemLine(std::string_view strLower, std::string_view strTop);

// A whole-text match of one of the eight interior paint letters sets
// m_strPlantNote, empties m_strSchedCode and sets m_strOptionCodes; returns
// whether it matched. No match changes nothing.
bool InteriorPaintLookup(std::string_view strCode, DecodeResult& result);

}  // namespace vexlor
