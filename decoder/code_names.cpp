#include "decoder/code_names.h"

#include "decoder/build_months.h"
#include "decoder/paint_tables.h"
#include "decoder/style_plant_tables.h"
#include "decoder/text.h"
#include "decoder/trim_tables.h"

namespace vexlor {
namespace {

constexpr std::string_view kMeans = " = ";

std::string_view WithoutFullStop(std::string_view strText) {
    if (strText.ends_with('.')) strText.remove_suffix(1);
    return strText;
}

// The paint line's colours: "Car Color is X" gives X; "Lower Color is X and
// the T Color is Y." gives "X, T Y".
std::string ColoursOf(std::string_view strLine) {
    constexpr std::string_view kOne = "Car Color is ", kLower = "Lower Color is ", kAnd = " and the ",
                               kColorIs = " Color is ";
    const size_t nMeans = strLine.find(kMeans);
    if (nMeans == std::string_view::npos) return {};
    strLine = WithoutFullStop(strLine.substr(nMeans + kMeans.size()));
    if (strLine.starts_with(kOne)) return std::string(strLine.substr(kOne.size()));
    if (!strLine.starts_with(kLower)) return {};
    strLine.remove_prefix(kLower.size());
    const size_t nAnd = strLine.find(kAnd);
    if (nAnd == std::string_view::npos) return {};
    std::string strName(strLine.substr(0, nAnd));
    std::string_view strTop = strLine.substr(nAnd + kAnd.size());
    const size_t nColorIs = strTop.find(kColorIs);
    if (nColorIs == std::string_view::npos) return {};
    return strName + ", " + std::string(strTop.substr(0, nColorIs)) + " " +
           std::string(strTop.substr(nColorIs + kColorIs.size()));
}

}  // namespace

std::string StyleName(int nYear, std::string_view strStyleCode) {
    const StyleRow* pRow = FindStyle(LastChars(strStyleCode, kStyleKeyLength));
    if (pRow == nullptr || nYear < 7 || nYear > 9) return {};
    const std::string_view strLine = nYear == 7 ? pRow->strLine67 : pRow->strLine6869;
    return std::string(WithoutFullStop(strLine.substr(kMeans.size())));
}

std::string TrimName(int nYear, std::string_view strTrimCode) {
    if (strTrimCode.empty()) return {};
    const TrimEntry* pEntry = FindTrim(nYear, AtoiLike(strTrimCode));
    return pEntry == nullptr ? std::string() : std::string(WithoutFullStop(pEntry->strText));
}

std::string PaintName(int nYear, std::string_view strStyleCode, std::string_view strPaintCode,
                      std::string_view strDateCode) {
    // The special paint "-" is a code of its own, so the pair splits after it.
    const size_t nDash = strPaintCode.find('-', strPaintCode.starts_with('-') ? 1 : 0);
    if (nDash == std::string_view::npos) return {};
    const std::string_view strLower = strPaintCode.substr(0, nDash);
    const std::string_view strTop = strPaintCode.substr(nDash + 1);
    const StyleRow* pStyle = FindStyle(LastChars(strStyleCode, kStyleKeyLength));
    const bool bConvertible = pStyle != nullptr && pStyle->bConvertible;
    switch (nYear) {
        case 7: return ColoursOf(DescribePaint67(bConvertible, strStyleCode, strLower, strTop).strLine);
        case 8:
        case 9: {
            const bool bEarly = EarlyBuild(SafeSubstr(strDateCode, 1)) != 0;
            return ColoursOf(DescribePaint6869(nYear, bConvertible, strLower, strTop, bEarly).strLine);
        }
        default: return {};
    }
}

}  // namespace vexlor
