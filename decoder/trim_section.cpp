// Interior trim: the three-digit "TR" number of the tag.
#include "decoder/sections.h"
#include "decoder/text.h"
#include "decoder/trim_tables.h"

namespace vexlor {
namespace {

// A 1967 Standard trim on a Custom-interior style, or the other way round.
bool TrimWrongForStyle67(const DecodeContext& ctx, int nCode) {
    const TrimEntry* pEntry = FindTrim(7, nCode);
    return pEntry != nullptr && ctx.bStyleGiven && pEntry->bCustom != (ctx.bCustomInterior != 0);
}

}  // namespace

void DecodeTrim(DecodeContext& ctx) {
    DecodeResult& result = ctx.result;
    const std::string strTrim = ToUpperAscii(ctx.fields.strTrim);
    if (strTrim.empty()) {
        result.m_strTrim = "No trim style was given.";
        return;
    }
    // 1967: the seat-style section appends the seat code after the dash.
    result.m_strTrimCode = ctx.nYear == 7 ? strTrim + "-" : strTrim;
    result.m_strTrim = strTrim + " = ";

    // The code is looked up as a number (0760 is 760); an unknown one is echoed with its own digits.
    if (ctx.nYear < 7 || ctx.nYear > 9) return;  // no model year: nothing to look the code up in
    result.m_strTrim += TrimLookup(ctx.nYear, strTrim);
    if (ctx.nYear == 7 && TrimWrongForStyle67(ctx, AtoiLike(strTrim))) {
        result.m_strTrim += " - Trim code is wrong for body style.";
    }
}

}  // namespace vexlor
