#include "decoder/paint_tables.h"

#include <array>
#include <optional>
#include <span>

#include "decoder/code_lists.h"
#include "decoder/text.h"

namespace vexlor {
namespace {

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

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

// 1968: one list for lower and top codes, the lower codes first (up to the
// special paint). The order matters: on an early build a "Z" takes the colour
// of the entry after it.
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

// 1969: one list for lower and top codes, the lower codes first (up to the
// special paint).
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
    {"-", "SPECIAL PAINT"},
    {"B", "Black"},
    {"C", "Dark Blue"},
    {"E", "Parchment"},
    {"F", "Brown"},
    {"S", "Midnight Green"},
    {"A", "White"},
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

std::optional<size_t> FindPaint(std::span<const PaintEntry> list, std::string_view strCode) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].strCode == strCode) return i;
    }
    return std::nullopt;
}

// The years whose lower and top codes share one list.
struct PaintYear {
    std::span<const PaintEntry> paints;
    size_t nLowerCodes;   // the first entries are the lower codes
    bool bEarlyBuildZ;    // built in the calendar year before: "Z" was the special paint then
    bool bPaintedRoof;    // a top in a 50- or 60-series colour is a painted roof
};

constexpr PaintYear kPaintYear1968{kPaints1968, 20, true, false};
constexpr PaintYear kPaintYear1969{kPaints1969, 19, false, true};

// The lower codes end with the special paint; every top code follows them.
constexpr bool LowerCodesEndWithSpecialPaint(const PaintYear& year) {
    return year.nLowerCodes <= year.paints.size() && year.paints[year.nLowerCodes - 1].strCode == "-";
}
static_assert(LowerCodesEndWithSpecialPaint(kPaintYear1968) && LowerCodesEndWithSpecialPaint(kPaintYear1969));

std::string_view Colour(const PaintYear& year, size_t nIndex, bool bEarlyBuild) {
    if (year.bEarlyBuildZ && bEarlyBuild && year.paints[nIndex].strCode == "Z" &&
        nIndex + 1 < year.paints.size()) {
        return year.paints[nIndex + 1].strColour;
    }
    return year.paints[nIndex].strColour;
}

const Top67* FindTop67(char cTop, bool bConvertible) {
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

PaintDescription DescribePaint67(bool bConvertible, std::string_view strStyle, std::string_view strLower,
                                 std::string_view strTop) {
    if (strLower.empty()) return {std::string(kNoPaintCode), std::string(kNoPaintLine), {}};
    const char cLower = strLower.front();
    strTop = TrimTopCode(strTop);
    if (strTop.empty()) return {std::string(1, cLower) + "- ", std::string(kIncompleteLine), std::string(1, cLower)};
    const char cTop = strTop.front();

    const std::string strPair{cLower, '-', cTop};
    const PaintDescription problem{std::string(kNoPaintCode),
                                   PaintProblemLine(strPair.substr(0, 1), strPair.substr(2, 1)), {}};
    if (cLower < 'A' || cLower > 'Z') return problem;
    const std::string_view strColour = kColours1967[static_cast<size_t>(cLower - 'A')];

    if (static_cast<unsigned char>(cTop) >= 'A') {
        // A letter top is the body colour over the whole car, which a convertible can't have.
        if (cTop != cLower || ConvertibleDigit(strStyle) == '6') return problem;
        return {strPair, OneColourLine(strPair, strColour), strPair.substr(0, 1)};
    }
    const Top67* pTop = FindTop67(cTop, bConvertible);
    if (pTop == nullptr) return problem;
    return {strPair,
            TwoColourLine(strPair, strColour, bConvertible ? "Convertible Top" : "Vinyl Top", pTop->strColour),
            strPair.substr(0, 1)};
}

PaintDescription DescribePaint6869(int nYear, bool bConvertible, std::string_view strLower,
                                   std::string_view strTop, bool bEarlyBuild) {
    const PaintYear& year = nYear == 8 ? kPaintYear1968 : kPaintYear1969;
    if (strLower.empty()) return {std::string(kNoPaintCode), std::string(kNoPaintLine), {}};
    strTop = TrimTopCode(strTop);
    if (strTop.empty()) return {std::string(strLower) + "- ", std::string(kIncompleteLine), std::string(strLower)};

    const std::optional<size_t> nLower = FindPaint(year.paints, strLower);
    const std::optional<size_t> nTop = FindPaint(year.paints, strTop);
    if (!nLower || !nTop) return {std::string(kNoPaintCode), PaintProblemLine(strLower, strTop), {}};

    const std::string strPair = std::string(strLower) + "-" + std::string(strTop);
    const std::string_view strLowerColour = Colour(year, *nLower, bEarlyBuild);
    if (strLower == strTop) return {strPair, OneColourLine(strPair, strLowerColour), std::string(strLower)};

    std::string_view strTopKind = "Vinyl Top";
    if (bConvertible) {
        strTopKind = "Convertible Top";
    } else if (year.bPaintedRoof && (strTop.front() == '5' || strTop.front() == '6')) {
        strTopKind = "Top";
    }
    return {strPair, TwoColourLine(strPair, strLowerColour, strTopKind, Colour(year, *nTop, bEarlyBuild)),
            std::string(strLower)};
}

std::vector<std::string_view> LowerPaintCodes(int nYear) {
    std::vector<std::string_view> codes;
    if (nYear == 7) {
        for (size_t i = 0; i < kColours1967.size(); ++i) {
            if (kColours1967[i] != " ") codes.push_back(kLetters.substr(i, 1));
        }
    } else if (nYear == 8 || nYear == 9) {
        const PaintYear& year = nYear == 8 ? kPaintYear1968 : kPaintYear1969;
        for (const PaintEntry& entry : year.paints.first(year.nLowerCodes)) codes.push_back(entry.strCode);
    }
    return codes;
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
