#include "decoder/decode.h"

#include "decoder/decode_context.h"
#include "decoder/sections.h"

namespace vexlor {

int YearDigit(std::string_view strYear) {
    if (strYear == "1967" || strYear == "67") return 7;
    if (strYear == "1968" || strYear == "68") return 8;
    if (strYear == "1969" || strYear == "69") return 9;
    return 0;
}

DecodeResult Decode(const TagFields& fields) {
    DecodeResult result;
    result.m_bVinValid = 1;
    result.m_bVinLosAngeles = 0;

    DecodeContext ctx{fields, result};
    ctx.nYear = YearDigit(fields.strYear);
    result.m_nYear = ctx.nYear;

    DecodeVin(ctx);
    DecodeBodyNumber(ctx);
    DecodeStyle(ctx);
    DecodeTrim(ctx);
    DecodePaint(ctx);
    DecodePlant(ctx);  // runs the interior paint lookup and the 1969 special codes
    DecodeBuildDate(ctx);
    if (ctx.nYear == 7) DecodeSeatAndOptions(ctx);
    CompleteVinKey(ctx);
    return result;
}

}  // namespace vexlor
