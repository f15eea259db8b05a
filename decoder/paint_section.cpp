// Paint and top colours: the "PAINT" pair of the tag.
#include <utility>

#include "decoder/paint_tables.h"
#include "decoder/sections.h"
#include "decoder/text.h"

namespace vexlor {
namespace {

// Without a model year there is no code list to read the pair against.
PaintDescription DescribePaintNoYear(std::string_view strLower, std::string_view strTop) {
    if (strLower.empty()) return {" - ", "No paint code was given.", {}};
    return {" - ", PaintProblemLine(strLower, TrimTopCode(strTop)), {}};
}

}  // namespace

void DecodePaint(DecodeContext& ctx) {
    const std::string strLower = ToUpperAscii(ctx.fields.strLowerPaint);
    const std::string strTop = ToUpperAscii(ctx.fields.strTopPaint);
    const std::string strBuildDate = ToUpperAscii(ctx.fields.strBuildDate);
    ctx.bEarlyBuild = EarlyBuild(strBuildDate);

    PaintDescription paint;
    switch (ctx.nYear) {
        case 7: paint = DescribePaint67(ctx.bConvertible, ctx.strStyle, strLower, strTop); break;
        case 8:
        case 9: paint = DescribePaint6869(ctx.nYear, ctx.bConvertible, strLower, strTop, ctx.bEarlyBuild); break;
        default: paint = DescribePaintNoYear(strLower, strTop); break;
    }
    // The echo and the line are kept apart from the start, so a typed ':' or a
    // code longer than one character can't shift text from one into the other.
    ctx.strPaintLower = std::move(paint.strLowerEchoed);
    ctx.result.m_strPaintCode = std::move(paint.strCode);
    ctx.result.m_strPaint = std::move(paint.strLine);
}

}  // namespace vexlor
