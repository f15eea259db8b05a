#include "decoder/paint_tables.h"

#include <array>
#include <optional>

#include "decoder/text.h"

namespace vexlor {
namespace {

// 1967: the lower code is a letter, its colour found by its place in the alphabet.
// Letters without a colour have a name of one blank.
constexpr std::array<std::string_view, 26> kColours1967{{
    "Tuxedo Black",       // A
    " ",                  // B
    "Ermine White",       // C
    "Nantucket Blue",     // D
    "Deepwater Blue",     // E
    "Marina Blue",        // F
    "Granada Gold",       // G
    "Mountain Green",     // H
    " ",                  // I
    " ",                  // J
    "Emerald Turquoise",  // K
    "Tahoe Turquoise",    // L
    "Royal Plum",         // M
    "Madeira Maroon",     // N
    "SPECIAL PAINT",      // O
    " ",                  // P
    " ",                  // Q
    "Bolero Red",         // R
    "Sierra Fawn",        // S
    "Capri Cream",        // T
    " ",                  // U
    " ",                  // V
    " ",                  // W
    " ",                  // X
    "Butternut Yellow",   // Y
    " ",                  // Z
}};

// 1967 top codes below 'A': the roof or top colours, and which cars may carry them.
struct Top67 {
    char cCode;
    std::string_view strColour;
    bool bVinylTop;        // valid on a car that is not a convertible
    bool bConvertibleTop;  // valid on a convertible
};

constexpr std::array<Top67, 4> kTops1967{{
    {'1', "White", true, true},
    {'2', "Black", true, true},
    {'4', "Med. Blue", false, true},
    {'6', "Beige/Light Fawn", true, false},
}};

struct PaintEntry {
    std::string_view strCode;
    std::string_view strColour;
};

// 1968: one list for lower and top codes. The order matters: on an early
// build a "Z" takes the colour of the entry after it.
constexpr std::array<PaintEntry, 24> kPaints1968{{
    {"A", "Tuxedo Black"},
    {"C", "Ermine White"},
    {"D", "Grotto Blue"},
    {"E", "Fathom Blue"},
    {"F", "Island Teal"},
    {"G", "Ash Gold"},
    {"H", "Grecian Green"},
    {"J", "Rallye Green"},
    {"K", "Tripoli Turquoise"},
    {"L", "Teal Blue"},
    {"N", "Cordovan Maroon"},
    {"O", "Corvette Bronze"},
    {"P", "Seafrost Green"},
    {"R", "Matador Red"},
    {"T", "Palomino Ivory"},
    {"U", "LeMans Blue"},
    {"V", "Sequoia Green"},
    {"Y", "Butternut Yellow"},
    {"Z", "British Green"},
    {"-", "SPECIAL PAINT"},
    {"1", "White"},
    {"2", "Black"},
    {"4", "Blue"},
    {"6", "White"},
}};

// 1969: one list for lower and top codes.
constexpr std::array<PaintEntry, 25> kPaints1969{{
    {"10", "Tuxedo Black"},
    {"69", "Cortez Silver"},
    {"50", "Dover White"},
    {"53", "Glacier Blue"},
    {"51", "Dusk Blue"},
    {"71", "LeMans Blue"},
    {"65", "Olympic Gold"},
    {"79", "Rallye Green"},
    {"55", "Azure Turquoise"},
    {"63", "Champagne"},
    {"67", "Burgundy Maroon"},
    {"76", "Daytona Yellow"},
    {"72", "Hugger Orange"},
    {"52", "Garnet Red"},
    {"61", "Burnished Brown"},
    {"57", "Fathom Green"},
    {"59", "Frost Green"},
    {"40", "Butternut Yellow"},
    {"B", "Black"},
    {"C", "Dark Blue"},
    {"E", "Parchment"},
    {"F", "Brown"},
    {"S", "Midnight Green"},
    {"A", "White"},
    {"-", "SPECIAL PAINT"},
}};

// 1967 Norwood tags: the interior paint letter in the code field beside the date.
constexpr std::array<PaintEntry, 8> kInteriorPaints1967{{
    {"B", "Blue"},
    {"D", "Red"},
    {"E", "Black"},
    {"G", "Gold"},
    {"K", "Black"},
    {"R", "Bright Blue"},
    {"T", "Turquoise"},
    {"Y", "Yellow"},
}};

constexpr std::string_view kNoPaintLine = "No paint code was given.";
constexpr std::string_view kIncompleteLine = "paint code incomplete";
constexpr std::string_view kNoPaintCode = " - ";

template <size_t N>
std::optional<size_t> FindPaint(const std::array<PaintEntry, N>& list, std::string_view strCode) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].strCode == strCode) return i;
    }
    return std::nullopt;
}

std::string_view Colour68(size_t nIndex, int bEarlyBuild) {
    // Built in the calendar year before the model year: "Z" was the special paint then.
    if (bEarlyBuild && kPaints1968[nIndex].strCode == "Z" && nIndex + 1 < kPaints1968.size()) {
        return kPaints1968[nIndex + 1].strColour;
    }
    return kPaints1968[nIndex].strColour;
}

const Top67* FindTop67(char cTop, int bConvertible) {
    for (const Top67& top : kTops1967) {
        if (top.cCode == cTop && (bConvertible ? top.bConvertibleTop : top.bVinylTop)) return &top;
    }
    return nullptr;
}

// The seventh character of a full style text such as "67-12467", read from the
// end so that a style typed without its year prefix gives the same answer.
char ConvertibleDigit(std::string_view strStyle) {
    return strStyle.size() >= 2 ? strStyle[strStyle.size() - 2] : '\0';
}

std::string TwoColourLine(std::string_view strPair, std::string_view strLowerColour,
                          std::string_view strTopKind, std::string_view strTopColour) {
    std::string strLine(strPair);
    strLine += " = Lower Color is ";
    strLine += strLowerColour;
    strLine += " and the ";
    strLine += strTopKind;
    strLine += " Color is ";
    strLine += strTopColour;
    strLine += ".";
    return strLine;
}

std::string OneColourLine(std::string_view strPair, std::string_view strColour) {
    return std::string(strPair) + " = Car Color is " + std::string(strColour);
}

}  // namespace

std::string_view TrimTopCode(std::string_view strTop) {
    while (!strTop.empty() && strTop.front() == ' ') strTop.remove_prefix(1);
    while (!strTop.empty() && strTop.front() == '_') strTop.remove_prefix(1);
    return strTop;
}

std::string PaintProblemLine(std::string_view strLower, std::string_view strTop) {
    return "There is a Paint code problem.  (" + std::string(strLower) + "-" + std::string(strTop) + ")";
}

PaintDescription DescribePaint67(int bConvertible, std::string_view strStyle, std::string_view strLower,
                                 std::string_view strTop) {
    if (strLower.empty()) return {std::string(kNoPaintCode), std::string(kNoPaintLine)};
    const char cLower = strLower.front();
    strTop = TrimTopCode(strTop);
    if (strTop.empty()) return {std::string(1, cLower) + "- ", std::string(kIncompleteLine)};
    const char cTop = strTop.front();

    const std::string strPair{cLower, '-', cTop};
    const PaintDescription problem{std::string(kNoPaintCode),
                                   PaintProblemLine(strPair.substr(0, 1), strPair.substr(2, 1))};
    if (cLower < 'A' || cLower > 'Z') return problem;
    const std::string_view strColour = kColours1967[static_cast<size_t>(cLower - 'A')];

    if (static_cast<unsigned char>(cTop) >= 'A') {
        // A letter top is the body colour over the whole car, which a convertible can't have.
        if (cTop != cLower || ConvertibleDigit(strStyle) == '6') return problem;
        return {strPair, OneColourLine(strPair, strColour)};
    }
    const Top67* pTop = FindTop67(cTop, bConvertible);
    if (pTop == nullptr) return problem;
    return {strPair, TwoColourLine(strPair, strColour, bConvertible ? "Convertible Top" : "Vinyl Top",
                                   pTop->strColour)};
}

PaintDescription DescribePaint68(int bConvertible, std::string_view strLower, std::string_view strTop,
                                 int bEarlyBuild) {
    if (strLower.empty()) return {std::string(kNoPaintCode), std::string(kNoPaintLine)};
    strTop = TrimTopCode(strTop);
    if (strTop.empty()) return {std::string(strLower) + "- ", std::string(kIncompleteLine)};

    const std::optional<size_t> nLower = FindPaint(kPaints1968, strLower);
    const std::optional<size_t> nTop = FindPaint(kPaints1968, strTop);
    if (!nLower || !nTop) return {std::string(kNoPaintCode), PaintProblemLine(strLower, strTop)};

    const std::string strPair = std::string(strLower) + "-" + std::string(strTop);
    const std::string_view strLowerColour = Colour68(*nLower, bEarlyBuild);
    if (strLower == strTop) return {strPair, OneColourLine(strPair, strLowerColour)};
    return {strPair, TwoColourLine(strPair, strLowerColour, bConvertible ? "Convertible Top" : "Vinyl Top",
                                   Colour68(*nTop, bEarlyBuild))};
}

PaintDescription DescribePaint69(int bConvertible, std::string_view strLower, std::string_view strTop) {
    if (strLower.empty()) return {std::string(kNoPaintCode), std::string(kNoPaintLine)};
    strTop = TrimTopCode(strTop);
    if (strTop.empty()) return {std::string(strLower) + "- ", std::string(kIncompleteLine)};

    const std::optional<size_t> nLower = FindPaint(kPaints1969, strLower);
    const std::optional<size_t> nTop = FindPaint(kPaints1969, strTop);
    if (!nLower || !nTop) return {std::string(kNoPaintCode), PaintProblemLine(strLower, strTop)};

    const std::string strPair = std::string(strLower) + "-" + std::string(strTop);
    const std::string_view strLowerColour = kPaints1969[*nLower].strColour;
    if (strLower == strTop) return {strPair, OneColourLine(strPair, strLowerColour)};

    std::string_view strTopKind = "Vinyl Top";
    if (bConvertible) {
        strTopKind = "Convertible Top";
    } else if (strTop.front() == '5' || strTop.front() == '6') {
        strTopKind = "Top";  // a roof painted in a 50- or 60-series colour
    }
    return {strPair, TwoColourLine(strPair, strLowerColour, strTopKind, kPaints1969[*nTop].strColour)};
}

std::string PaintLookup67(int bConvertible, std::string_view strStyle, std::string_view strLower,
                          std::string_view strTop) {
    PaintDescription paint = DescribePaint67(bConvertible, strStyle, strLower, strTop);
    return paint.strCode + paint.strLine;
}

std::string PaintLookup68(int bConvertible, std::string_view strLower, std::string_view strTop,
                          int bEarlyBuild) {
    PaintDescription paint = DescribePaint68(bConvertible, strLower, strTop, bEarlyBuild);
    return paint.strCode + paint.strLine;
}

std::string PaintLookup69(int bConvertible, std::string_view strLower, std::string_view strTop) {
    PaintDescription paint = DescribePaint69(bConvertible, strLower, strTop);
    return paint.strCode + ":" + paint.strLine;
}

bool InteriorPaintLookup(std::string_view strCode, DecodeResult& result) {
    const std::optional<size_t> nIndex = FindPaint(kInteriorPaints1967, strCode);
    if (!nIndex) return false;
    result.m_strPlantNote = std::string(strCode) + " = Interior paint is " +
                            std::string(kInteriorPaints1967[*nIndex].strColour);
    result.m_strSchedCode.clear();
    result.m_strOptionCodes = "0" + std::string(strCode) + " ";
    return true;
}

}  // namespace vexlor
