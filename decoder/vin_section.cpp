// The VIN's first half and serial, and the cowl tag's body number.
#include <span>
#include <string>
#include <string_view>

#include "decoder/sections.h"
#include "decoder/text.h"
#include "decoder/vin_tables.h"

namespace vexlor {

namespace {

// The line of one VIN position: the row's line when the characters are known,
// else the characters followed by the unknown text, which makes the VIN invalid.
std::string PositionLine(std::string_view strChars, std::span<const VinCodeRow> rows,
                         std::string_view strUnknown, DecodeResult& result) {
    for (const VinCodeRow& row : rows) {
        if (row.strCode == strChars) return std::string(row.strLine);
    }
    result.m_bVinValid = 0;
    return std::string(strChars) + std::string(strUnknown);
}

bool SerialFits(const SerialRange& range, std::string_view strSerial) {
    return !strSerial.empty() && range.strFirstDigits.find(strSerial[0]) != std::string_view::npos;
}

// The eight-character VIN tail: the year digit and the plant letter, then the
// serial cut to six characters and filled up with '_'.
std::string VinTail(char cYearDigit, char cPlantLetter, std::string_view strSerial) {
    std::string strTail{cYearDigit, cPlantLetter};
    strTail += SafeSubstr(strSerial, 0, kSerialLength);
    strTail.resize(kVinTailLength, '_');
    return strTail;
}

// The serial of a valid first half, checked against the VIN's own year digit.
// The tail takes the year digit and plant letter from positions 6 and 7 (not
// from the end of the first half, so that extra characters typed after the
// plant letter cannot take their place in the VIN key).
void DecodeSerial(DecodeContext& ctx, std::string_view strFirstHalf, std::string_view strSerial) {
    DecodeResult& result = ctx.result;
    if (strSerial.empty()) return;
    const char cYearDigit = CharAt(strFirstHalf, 5);
    const SerialRange* pRange = FindSerialRange(cYearDigit, result.m_bVinLosAngeles);
    if (pRange == nullptr) return;  // a valid first half always has a model-year digit
    if (!SerialFits(*pRange, strSerial)) {
        result.m_strVinSerial = std::string(strSerial) + std::string(pRange->strMessage);
        return;
    }
    result.m_strVinSerial = std::string(strSerial) +
        std::string(strSerial.size() == kSerialLength ? kSerialAccepted : kSerialWrongLength);
    result.m_strVinTail = VinTail(cYearDigit, CharAt(strFirstHalf, 6), strSerial);
}

// Without a first half a serial that fits the year field still starts the VIN
// key; it makes no line.
void DecodeSerialWithoutVin(DecodeContext& ctx, std::string_view strSerial) {
    if (ctx.nYear < 7 || ctx.nYear > 9) return;
    const char cYearDigit = static_cast<char>('0' + ctx.nYear);
    const SerialRange* pRange = FindSerialRange(cYearDigit, 0);
    if (pRange != nullptr && SerialFits(*pRange, strSerial)) {
        ctx.result.m_strVinTail = VinTail(cYearDigit, '_', strSerial);
    }
}

}  // namespace

void DecodeVin(DecodeContext& ctx) {
    DecodeResult& result = ctx.result;
    const std::string strFirstHalf = ToUpperAscii(ctx.fields.strVinPrefix);
    const std::string strSerial = ToUpperAscii(ctx.fields.strSerial);

    if (strFirstHalf.empty()) {
        DecodeSerialWithoutVin(ctx, strSerial);
        result.m_bVinValid = 0;
        result.m_bVinGiven = 0;
        return;
    }

    result.m_bVinGiven = 1;
    if (SafeSubstr(strFirstHalf, 0, 2) != "12") {
        result.m_strVinMake = kVinNotCamaro;
        result.m_bVinValid = 0;
        return;
    }
    result.m_strVinMake = kVinMake;
    result.m_bCamaroVin = true;
    result.m_strVinLine = kVinLine;

    const std::string_view strEngine = SafeSubstr(strFirstHalf, 2, 1);
    result.m_strVinEngine = PositionLine(strEngine, kVinEngines, kVinEngineUnknown, result);
    if (strEngine == kVinSixCylinder) ctx.bSixCylinder = 1;

    result.m_strVinBody = PositionLine(SafeSubstr(strFirstHalf, 3, 2), kVinBodies, kVinBodyUnknown, result);
    result.m_strVinYear = PositionLine(SafeSubstr(strFirstHalf, 5, 1), kVinYears, kVinYearUnknown, result);

    const std::string_view strPlant = SafeSubstr(strFirstHalf, 6, 1);
    result.m_strVinPlant = PositionLine(strPlant, kVinPlants, kVinPlantUnknown, result);
    if (CharAt(strPlant, 0) == kVinLosAngeles) result.m_bVinLosAngeles = 1;

    if (!result.m_bVinValid) return;
    result.m_strVinPrefix = SafeSubstr(strFirstHalf, 0, 5);
    DecodeSerial(ctx, strFirstHalf, strSerial);
}

void DecodeBodyNumber(DecodeContext& ctx) {
    const std::string strText = ToUpperAscii(ctx.fields.strBodyNumber);
    if (strText.empty()) {
        ctx.strBodyNumber = kBodyNumberBlank;
        return;
    }
    std::string strLine(kBodyNumberPrefix);
    if (ctx.nYear == 9 && strText.size() != kBodyNumberLength) {
        // 1969 tags are read as typed; a short number is filled up with '_'.
        ctx.strBodyNumber = strText;
        if (ctx.strBodyNumber.size() < kBodyNumberLength) ctx.strBodyNumber.resize(kBodyNumberLength, '_');
        strLine += kBodyNumberWrongLength;
    } else {
        // The number's own digits, however many: never a clamped value the user did not type.
        ctx.strBodyNumber = Format06d(LeadingNumberText(strText));
        strLine += ctx.strBodyNumber;
    }
    ctx.result.m_strBodyNumber = strLine;
}

}  // namespace vexlor
