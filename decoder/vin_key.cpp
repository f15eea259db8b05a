// The 13-character VIN key: the first five characters of the VIN and its last
// eight, with '_' where the entries do not tell.
#include <string>

#include "decoder/sections.h"
#include "decoder/text.h"

namespace vexlor {

namespace {

// Year digit, 'L' and the first serial digit of a Los Angeles car of that
// year (twice the digit less 13: 1 in 1967, 3 in 1968, 5 in 1969). With no
// year the digits are 0 and -13, and the tail is then longer than eight
// characters.
std::string LosAngelesTail(int nYear) {
    return std::to_string(nYear) + "L" + std::to_string(2 * nYear - 13) + "_____";
}

std::string NorwoodTail(int nYear) {
    return std::to_string(nYear) + "N______";
}

std::string PlantTail(int nYear, bool bLosAngeles) {
    return bLosAngeles ? LosAngelesTail(nYear) : NorwoodTail(nYear);
}

// The VIN's first five characters as far as the tag tells them: the engine
// digit from a V8 option, the body digits from a known style.
std::string PrefixPattern(const DecodeContext& ctx) {
    const bool bConvertibleStyle = ctx.bStyleGiven && ctx.bConvertible;
    if (ctx.bV8) {
        if (bConvertibleStyle) return "12467";
        return ctx.bStyleGiven ? "12437" : "124_7";
    }
    if (bConvertibleStyle) return "12_67";
    return ctx.bStyleGiven ? "12_37" : "12__7";
}

}  // namespace

void CompleteVinKey(DecodeContext& ctx) {
    DecodeResult& result = ctx.result;
    std::string& strTail = result.m_strVinTail;
    if (strTail.empty()) {
        if (!ctx.strPlant.empty()) {
            strTail = PlantTail(ctx.nYear, ctx.bLosAngeles);
        } else if (result.m_strVinPrefix.empty()) {
            strTail = std::to_string(ctx.nYear) + "_______";
        } else {
            strTail = PlantTail(ctx.nYear, result.m_bVinLosAngeles);
        }
    } else if (CharAt(strTail, 1) == '_' && !ctx.strPlant.empty()) {
        strTail[1] = ctx.bLosAngeles ? 'L' : 'N';
    }
    if (result.m_strVinPrefix.empty()) result.m_strVinPrefix = PrefixPattern(ctx);
}

}  // namespace vexlor
