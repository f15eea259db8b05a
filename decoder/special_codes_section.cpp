// 1969 Norwood special codes: style-trim and package codes (X11 to X77), the
// pace car codes, the spoiler and code A, with the rules for the first code.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "decoder/sections.h"
#include "decoder/text.h"

namespace vexlor {

namespace {

struct SpecialCode {
    std::string_view strCode;
    std::string_view strText;
};

constexpr std::array<SpecialCode, 11> kSpecialCodes{{
    {"X11", "non-SS396, non-Z28, with style trim"},
    {"X22", "SS396 with style trim"},
    {"X33", "Z28 with style trim"},
    {"X44", "non-SS, non-Z28, without style trim"},
    {"X55", "SS350 without style trim"},
    {"X66", "SS396 without style trim"},
    {"X77", "Z28 without style trim"},
    {"Z10", "Accent Striping (coupe version of Pace Car Accents)"},
    {"Z11", "Indy Pace Car accents - Convertible"},
    {"D80", "Spoiler equipment"},
    {"A", "Undetermined - please contact VELK if your car has this code."},
}};

// Whole-text lookup; a code the table does not know has an empty description.
std::string_view SpecialCodeText(std::string_view strCode) {
    for (const SpecialCode& code : kSpecialCodes) {
        if (code.strCode == strCode) return code.strText;
    }
    return {};
}

bool Holds(std::string_view strText, std::string_view strCode) {
    return strText.find(strCode) != std::string_view::npos;
}

// The rule for the first code the search meets. Returns the message that
// stops the section, or nothing when the codes are to be listed.
// bUnknown is set when no code of the field is known.
std::optional<std::string> RuleMessage(DecodeContext& ctx, std::string_view strField, bool& bUnknown) {
    const DecodeResult& result = ctx.result;
    const std::string strFirstThree(SafeSubstr(strField, 0, 3));
    const std::string strSixCylinder = strFirstThree + " - can not be 6 cylinder car.";

    if (Holds(strField, "X22") || Holds(strField, "X66") || Holds(strField, "X55")) {
        if (ctx.bSixCylinder) return strSixCylinder;
        ctx.bV8 = 1;
        return std::nullopt;
    }
    if (Holds(strField, "X33") || Holds(strField, "X77")) {
        if (ctx.bSixCylinder) return strSixCylinder;
        if (ctx.bConvertible) return "Z28 - can not be a convertible.";
        ctx.bV8 = 1;
        return std::nullopt;
    }
    if (Holds(strField, "Z10")) {
        if (ctx.bSixCylinder) return strSixCylinder;
        if (ctx.bConvertible) return "Z10 - cannot be a convertible.";
        if (ctx.strPaintLower != "50") return "Z10 - has to have a 50 paint code.";
        ctx.bV8 = 1;
        return std::nullopt;
    }
    if (Holds(strField, "Z11")) {
        if (ctx.bSixCylinder) return strSixCylinder;
        if (!ctx.bConvertible) return "Z11 - has to be a Convertible.";
        if (result.m_strPaintCode != "50-A") return "Z11 - has to have a 50-A paint code.";
        if (result.m_strTrimCode != "720") return "Z11 - has to have 720 trim code.";
        ctx.bV8 = 1;
        return std::nullopt;
    }
    if (Holds(strField, "X11") || Holds(strField, "X44") || Holds(strField, "D80") || Holds(strField, "A")) {
        return std::nullopt;
    }
    bUnknown = true;
    return strFirstThree + " = ??";
}

std::string WithoutBlanks(std::string_view strText) {
    std::string strOut;
    for (char c : strText) {
        if (c != ' ') strOut += c;
    }
    return strOut;
}

std::string CodeLine(std::string_view strCode) {
    std::string strLine(strCode);
    strLine += " = ";
    strLine += SpecialCodeText(strCode);
    return strLine;
}

}  // namespace

void DecodeSpecialCodes69(DecodeContext& ctx, std::string_view strField) {
    const std::string strCodes = ToUpperAscii(strField);
    if (strCodes.empty()) return;

    DecodeResult& result = ctx.result;
    bool bUnknown = false;
    if (std::optional<std::string> strMessage = RuleMessage(ctx, strCodes, bUnknown)) {
        result.m_strPlantNote = *strMessage;
        ctx.bSpecialCodeRead = !bUnknown;
        return;
    }
    ctx.bSpecialCodeRead = true;

    const std::string strJoined = WithoutBlanks(strCodes);
    const std::string_view strFirst = SafeSubstr(strJoined, 0, 3);
    result.m_strOptionCodes = strFirst;
    result.m_strPlantNote = CodeLine(strFirst);
    if (strJoined.size() <= 3) return;

    // The second code is the next three characters; all that follows them,
    // however long, is the third.
    const std::string_view strRest = SafeSubstr(strJoined, 3);
    const std::string_view strSecond = SafeSubstr(strRest, 0, 3);
    const std::string_view strThird = SafeSubstr(strRest, 3);
    result.m_strOptions1 = CodeLine(strSecond);
    result.m_strOptionCodes += ' ';
    result.m_strOptionCodes += strSecond;
    if (strThird.empty()) return;
    result.m_strOptions2 = CodeLine(strThird);
    result.m_strOptionCodes += ' ';
    result.m_strOptionCodes += strThird;
}

}  // namespace vexlor
