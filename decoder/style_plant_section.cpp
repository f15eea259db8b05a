// The body style and the assembly plant of the cowl tag.
#include <string>
#include <string_view>

#include "decoder/paint_tables.h"
#include "decoder/sections.h"
#include "decoder/style_plant_tables.h"
#include "decoder/text.h"

namespace vexlor {

namespace {

// Without a known style the echo is the year's pattern; without a year it is left alone.
void SetBlankStylePattern(DecodeContext& ctx) {
    const std::string_view strPattern = BlankStylePattern(ctx.nYear);
    if (!strPattern.empty()) ctx.strStyle = strPattern;
}

// The plant line and the plant-and-body-number echo of one plant.
void SetPlant(DecodeContext& ctx, std::string_view strPlantText, const PlantRow& row) {
    ctx.result.m_strPlantBody = row.cLetter + ctx.strBodyNumber;
    ctx.result.m_strPlant = std::string(strPlantText) + std::string(row.strLine);
}

// A Los Angeles car: the scheduling code stands in the 1969 code field and in
// the code field beside the build date on the others.
void DecodeLosAngeles(DecodeContext& ctx, std::string_view strPlantText, const std::string& strCodeField) {
    DecodeResult& result = ctx.result;
    SetPlant(ctx, strPlantText, kLosAngelesPlant);
    const std::string strCode = ctx.nYear == 9 ? ToUpperAscii(ctx.fields.strCode69) : strCodeField;
    if (strCode.empty()) {
        result.m_strSchedCode = kSchedCodeBlank;
    } else {
        result.m_strPlantNote = strCode + std::string(kSchedCodeLine);
        result.m_strSchedCode = strCode;
    }
    ctx.bLosAngeles = 1;
}

void DecodeSpecialCodeField(DecodeContext& ctx) {
    DecodeSpecialCodes69(ctx, ToUpperAscii(ctx.fields.strCode69));
}

// Plant field "NOR": 1967 tags carry the interior paint in the code field,
// 1969 tags their special codes in the 1969 code field.
void DecodeNorwood(DecodeContext& ctx, std::string_view strPlantText, const std::string& strCodeField) {
    SetPlant(ctx, strPlantText, kNorwoodPlant);
    ctx.result.m_strSchedCode.clear();
    if (ctx.nYear == 9) {
        DecodeSpecialCodeField(ctx);
    } else if (!strCodeField.empty()) {
        if (ctx.nYear == 7) {
            InteriorPaintLookup(strCodeField, ctx.result);
        } else if (ctx.nYear == 8) {
            ctx.result.m_strPlantNote.clear();
        }
    }
}

// Blank plant field: a valid VIN's plant letter stands in for the plant.
void DecodeBlankPlant(DecodeContext& ctx, const std::string& strCodeField) {
    DecodeResult& result = ctx.result;
    result.m_strPlantNote = kPlantBlank;
    if (result.m_bVinValid && result.m_bVinLosAngeles) {
        DecodeLosAngeles(ctx, {}, strCodeField);
    } else if (result.m_bVinValid) {
        // A valid first half has the plant letter 'N' when it is not 'L'.
        SetPlant(ctx, {}, kNorwoodPlant);
        if (ctx.nYear == 9) {
            DecodeSpecialCodeField(ctx);
        } else if (!strCodeField.empty()) {
            InteriorPaintLookup(strCodeField, result);
        }
    } else {
        result.m_strPlantBody = kNoPlantLetter + ctx.strBodyNumber;
    }
}

}  // namespace

void DecodeStyle(DecodeContext& ctx) {
    DecodeResult& result = ctx.result;
    const std::string strText = ToUpperAscii(ctx.fields.strStyle);
    if (strText.empty()) {
        SetBlankStylePattern(ctx);
        result.m_strStyle = kStyleBlank;
    } else if (const StyleRow* pRow = FindStyle(LastChars(strText, kStyleKeyLength))) {
        ctx.bStyleGiven = 1;
        ctx.strStyle = strText;
        ctx.bConvertible = pRow->bConvertible;
        ctx.bCustomInterior = pRow->bCustomInterior;
        result.m_strStyle = strText + std::string(ctx.nYear == 7 ? pRow->strLine67 : pRow->strLine6869);
    } else {
        ctx.bStyleGiven = 0;
        SetBlankStylePattern(ctx);
        result.m_strStyle = kStyleIncorrect;
    }
    result.m_strStyleCode = ctx.strStyle;
}

void DecodePlant(DecodeContext& ctx) {
    ctx.strPlant = ToUpperAscii(ctx.fields.strPlant);
    const std::string strCodeField = ToUpperAscii(ctx.fields.strCodeField);
    ctx.result.m_strOptionCodes.clear();

    const PlantRow* pRow = FindPlant(ctx.strPlant);
    if (ctx.strPlant.empty()) {
        DecodeBlankPlant(ctx, strCodeField);
    } else if (pRow == nullptr) {
        ctx.result.m_strPlant = ctx.strPlant + std::string(kPlantUnknown);
    } else if (pRow->bLosAngeles) {
        DecodeLosAngeles(ctx, ctx.strPlant, strCodeField);
    } else {
        DecodeNorwood(ctx, ctx.strPlant, strCodeField);
    }
}

}  // namespace vexlor
