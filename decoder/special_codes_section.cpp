// 1969 Norwood special codes: style-trim and package codes (X11 to X77), the
// pace car codes, the spoiler and code A, with the rules for the first code.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

// Two question marks stand for characters that could not be read off the tag.
bool Readable(std::string_view strCode) { return !Holds(strCode, "??"); }

// The lower paint the paint echo shows ends in 50 ("50-50", "50- ").
bool FiftyLowerPaint(const DecodeContext& ctx) { return Holds(ctx.strPaintLower + "-", "50-"); }

// The note a rule writes, and whether it names a code that was read: an
// unknown or unreadable code says nothing about when the car was built.
struct RuleNote {
    std::string strText;
    bool bCodeRead;
};

// The rule for the first code the search meets. Returns the note that stops
// the section, or nothing when the codes are to be listed.
std::optional<RuleNote> RuleMessage(DecodeContext& ctx, std::string_view strField) {
    const DecodeResult& result = ctx.result;
    const std::string strFirstThree(SafeSubstr(strField, 0, 3));
    const RuleNote sixCylinder{strFirstThree + " - can not be 6 cylinder car.", Readable(strFirstThree)};

    if (Holds(strField, "X22") || Holds(strField, "X66") || Holds(strField, "X55")) {
        if (ctx.bSixCylinder) return sixCylinder;
        ctx.bV8 = 1;
        return std::nullopt;
    }
    if (Holds(strField, "X33") || Holds(strField, "X77")) {
        if (ctx.bSixCylinder) return sixCylinder;
        if (ctx.bConvertible) return RuleNote{"Z28 - can not be a convertible.", true};
        ctx.bV8 = 1;
        return std::nullopt;
    }
    if (Holds(strField, "Z10")) {
        if (ctx.bSixCylinder) return sixCylinder;
        if (ctx.bConvertible) return RuleNote{"Z10 - cannot be a convertible.", true};
        if (!FiftyLowerPaint(ctx)) return RuleNote{"Z10 - has to have a 50 paint code.", true};
        ctx.bV8 = 1;
        return std::nullopt;
    }
    if (Holds(strField, "Z11")) {
        if (ctx.bSixCylinder) return sixCylinder;
        if (!ctx.bConvertible) return RuleNote{"Z11 - has to be a Convertible.", true};
        if (result.m_strPaintCode != "50-A") return RuleNote{"Z11 - has to have a 50-A paint code.", true};
        if (result.m_strTrimCode != "720") return RuleNote{"Z11 - has to have 720 trim code.", true};
        ctx.bV8 = 1;
        return std::nullopt;
    }
    if (Holds(strField, "X11") || Holds(strField, "X44") || Holds(strField, "D80") || Holds(strField, "A")) {
        return std::nullopt;
    }
    return RuleNote{strFirstThree + " = ??", false};
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
    if (std::optional<RuleNote> note = RuleMessage(ctx, strCodes)) {
        result.m_strPlantNote = std::move(note->strText);
        ctx.bSpecialCodeRead = note->bCodeRead;
        return;
    }

    const std::string strJoined = WithoutBlanks(strCodes);
    const std::string_view strFirst = SafeSubstr(strJoined, 0, 3);
    result.m_strOptionCodes = strFirst;
    result.m_strPlantNote = CodeLine(strFirst);
    ctx.bSpecialCodeRead = Readable(strFirst);
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
